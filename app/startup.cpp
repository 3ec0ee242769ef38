#include "app/startup.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <cstdint>

#include "app/background1.h"
#include "app/rules/array_page.h"
#include "model/hardware/grid.h"
#include "app/mechwarnform.h"
#include "platform/qtapp/dialog_owner.h"
#include "platform/qtapp/guarded.h"
#include "platform/qtapp/readable_style.h"
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

void UseProgramLook() {
    const auto colour = [](std::uint32_t bgr) {
        const rules::Rgb c = rules::FromWindowsColour(bgr);
        return QColor(c.R, c.G, c.B);
    };
    qtapp::UseReadableStyle({colour(rules::kMoneyGreen), colour(rules::kSkyBlue)});
}

namespace {

// A maximised window that no window manager has framed (a bare X display)
// is maximised by hand: it takes the screen's whole free area.
void FillScreenUnmanaged(QWidget& window) {
    if (!window.isMaximized() || window.isMinimized()) return;
    if (window.frameGeometry() != window.geometry()) return;
    if (const QScreen* screen = window.screen()) window.setGeometry(screen->availableGeometry());
}

}  // namespace

int RunProgram(int argc, char** argv) {
    InitAllowedAngles();
    qtapp::GuardedApplication app(argc, argv);
    qtapp::UseCNumericLocale();
    UseProgramLook();

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

    // Dialogs and message boxes belong to the main window.
    qtapp::SetMainWindow(Form1);
    Form1->ShowAtStart();
    // The splash stays above the main window until it closes itself; by
    // then a window manager has maximised the main window, and where none
    // runs the window fills the screen itself.
    if (Form2->isVisible()) Form2->raise();
    QObject::connect(Form2->Timer1, &QTimer::timeout, Form1, [w = Form1] { FillScreenUnmanaged(*w); });
    const int status = QApplication::exec();

    Form1 = nullptr;
    mechwarn = nullptr;
    Form3 = nullptr;
    SurveyForm = nullptr;
    ssform = nullptr;
    Form2 = nullptr;
    qtapp::SetMainWindow(nullptr);
    return status;
}
