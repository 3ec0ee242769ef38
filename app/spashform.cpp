#include "app/spashform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QTimer>

#include "platform/core/checked.h"
#include "app/fonts.h"
#include "app/program_logo.h"
#include "platform/core/rounding.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qtapp/guarded.h"

namespace {

constexpr int kClientWidth = 815;
constexpr int kClientHeight = 210;
constexpr int kLabelHeight = 24;

}  // namespace

TForm2::TForm2(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Corvane Audio Orandel"));
    // The splash never keeps the program alive on its own.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(WindowFont("MS Sans Serif", 11));
    resize(kClientWidth, kClientHeight);

    spalsh = new QLabel(this);
    spalsh->setObjectName(QStringLiteral("spalsh"));
    // At the screen's pixel ratio: sharp on a scaled screen.
    spalsh->setPixmap(QPixmap::fromImage(ProgramLogoImage(rtl::ScreenPixelRatio())));
    spalsh->setScaledContents(true);
    spalsh->setAlignment(Qt::AlignCenter);

    Label1 = new QLabel(QStringLiteral("Corvane Audio Orandel 4.1 "), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(WindowFont("MS Sans Serif", 19));
    QPalette lp = Label1->palette();
    lp.setColor(QPalette::WindowText, Qt::white);
    lp.setColor(QPalette::Window, Qt::black);
    Label1->setPalette(lp);
    Label1->setAutoFillBackground(true);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(2000);
    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, qtapp::Guarded([this] { Timer1Timer(); }));
    connect(Timer3, &QTimer::timeout, this, qtapp::Guarded([this] { Timer3Timer(); }));
    Timer1->start();
    Timer3->start();
    // Until it closes, the splash watches for dialogs (eventFilter).
    qApp->installEventFilter(this);
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
    // A modal dialog that comes up while the splash is up (the venue file
    // named on the command line cannot be read) would open under it: the
    // splash steps aside before the dialog is shown.  Its timers run on;
    // closing a hidden splash is harmless.
    if (event->type() == QEvent::Show && isVisible()) {
        const auto* w = qobject_cast<const QWidget*>(watched);
        if (w != nullptr && w->isWindow() && w->isModal()) hide();
    }
    return QWidget::eventFilter(watched, event);
}

void TForm2::resizeEvent(QResizeEvent*) {
    // The picture fills the window; the caption runs along the bottom.
    spalsh->setGeometry(0, 0, width(), height() - kLabelHeight);
    Label1->setGeometry(0, height() - kLabelHeight, width(), kLabelHeight);
}

void TForm2::SetAlphaBlend(int value) {
    FAlphaBlendValue = value;
    setWindowOpacity(value / 255.0);
}

void TForm2::Timer3Timer() {
    SetAlphaBlend(30);
    Timer3->stop();
}

void TForm2::Timer1Timer() {
    Timer1->stop();
    qApp->removeEventFilter(this);
    close();
}

bool TForm2::FormCloseQuery() {
    const bool canClose = !Timer1->isActive();
    const int left = rtl::CheckedSub(spalsh->width() / 2, Label1->width() / 2);
    const int top = rtl::Round(0.95 * spalsh->height());
    Label1->move(left, top);
    Label1->setVisible(true);
    return canClose;
}

void TForm2::closeEvent(QCloseEvent* event) {
    bool allow = false;
    // A failure while asking keeps the splash up; it is asked again later.
    qtapp::RunGuarded([&] { allow = FormCloseQuery(); });
    if (allow)
        event->accept();
    else
        event->ignore();
}
