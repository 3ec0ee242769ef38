#include "app/startup.h"

#include <QApplication>
#include <QScreen>

#include "app/background1.h"
#include "model/hardware/grid.h"
#include "app/mechwarnform.h"
#include "platform/qtapp/guarded.h"
#include "app/rthetaxytool.h"
#include "app/spashform.h"
#include "app/substack.h"
#include "app/surveyorform.h"

TForm2* Form2 = nullptr;
TForm1* Form1 = nullptr;
Tmechwarn* mechwarn = nullptr;
TForm3* Form3 = nullptr;
TSurveyForm* SurveyForm = nullptr;
Tssform* ssform = nullptr;

void NameApplication() {
    // The name only: a display name set here would be appended by the
    // platform to every window's caption ("Orandel 4.1 — ...").
    QApplication::setApplicationName(QStringLiteral("Corvane Audio Orandel 4.1"));
}

int RunProgram(int argc, char** argv) {
    InitAllowedAngles();
    qtapp::GuardedApplication app(argc, argv);
    qtapp::UseCNumericLocale();

    // The splash is up while the main window is being built.
    std::unique_ptr<TForm2> splash = std::make_unique<TForm2>();
    Form2 = splash.get();
    Form2->showMaximized();
    Form2->raise();
    QApplication::processEvents();

    NameApplication();

    std::unique_ptr<TForm1> main;
    std::unique_ptr<Tmechwarn> warnings;
    std::unique_ptr<TForm3> form3;
    std::unique_ptr<TSurveyForm> survey;
    std::unique_ptr<Tssform> substack;
    try {
        main = std::make_unique<TForm1>(TForm1Environment::FromProcess());
    } catch (const TProgramHalt& halt) {
        return halt.ExitCode;
    } catch (...) {
        qtapp::ReportError(qtapp::CurrentExceptionText());
        return 1;
    }
    Form1 = main.get();
    warnings = std::make_unique<Tmechwarn>();
    mechwarn = warnings.get();
    Form1->SetWarningsWindow(mechwarn);
    form3 = std::make_unique<TForm3>();
    Form3 = form3.get();
    survey = std::make_unique<TSurveyForm>();
    SurveyForm = survey.get();
    substack = std::make_unique<Tssform>();
    ssform = substack.get();
    Form1->SetDialogs(Form3, SurveyForm, ssform);

    // Maximised; without a window manager to do that, the whole screen.
    if (QScreen* screen = Form1->screen()) Form1->setGeometry(screen->availableGeometry());
    Form1->showMaximized();
    // The splash stays above the main window until it closes itself.
    if (Form2->isVisible()) Form2->raise();
    const int status = QApplication::exec();

    Form1 = nullptr;
    mechwarn = nullptr;
    Form3 = nullptr;
    SurveyForm = nullptr;
    ssform = nullptr;
    Form2 = nullptr;
    return status;
}
