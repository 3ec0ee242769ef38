// The main window's companions and dialogs on the desktop: they belong to
// the main window, none stays above a dialog, a minimised one comes back,
// the polar tool and the restored main window are placed inside the screen,
// a companion left off the screen comes back whole on it,
// Tab reaches every button and a radio group's checked radio.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSet>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <functional>

#include "app/background1.h"
#include "app/mechwarnform.h"
#include "app/rthetaxytool.h"
#include "app/spashform.h"
#include "app/substack.h"
#include "app/surveyorform.h"
#include "app/tests/test_support.h"
#include "platform/qtapp/dialog_owner.h"
#include "platform/qtapp/services_qt.h"
#include "platform/qtapp/updown.h"

namespace {

// The main window shown as the start-up shows it, an unsafe rig designed
// (Elka, six cabinets, flown) and the polar tool open.  The companions are
// made by someone else and outlive the main window, which must hand them
// back when it goes.
struct Desk {
    ErrorRecorder errors;
    Tmechwarn warnings;
    TForm3 tool;
    TSurveyForm survey;
    Tssform subs;
    TestWindow t;
    Desk() {
        t->SetWarningsWindow(&warnings);
        t->SetDialogs(&tool, &survey, &subs);
        qtapp::SetMainWindow(t.w.get());
        t->ShowAtStart();
        t->AllElkarad->click();
        for (int i = 0; i < 6; ++i) t->numbox1updn->Press(qtapp::UDBtnType::Next);
        t->DesignTBut->click();
        t->BitBtn6->click();
    }
    ~Desk() { qtapp::SetMainWindow(nullptr); }
    bool Owns(const QWidget& w) const {
        return w.windowHandle() && w.windowHandle()->transientParent() == t->windowHandle();
    }
};

// Runs `open`, which shows a modal dialog; once it is up `look` gets it and
// it is cancelled.  False when none came up within 5 s.
bool WhileModal(const std::function<void()>& open, const std::function<void(QWidget&)>& look) {
    bool seen = false;
    int ticks = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr) seen = true, look(*modal), modal->close();
        if (modal != nullptr || ++ticks > 1000) poll.stop();
    });
    poll.start(5);
    open();
    return seen;
}

}  // namespace

TEST(CompanionWindows, BelongToTheMainWindowAndNoneStaysAboveADialog) {
    Desk d;
    ASSERT_EQ(d.t->RigReadout().SafetyLevel(), 2);
    ASSERT_TRUE(d.warnings.isVisible() && d.tool.isVisible());
    EXPECT_TRUE(d.Owns(d.warnings));
    EXPECT_TRUE(d.Owns(d.tool));
    const std::function<void()> dialogs[] = {
        [&] { d.t->BitBtn8->click(); },  // venue survey
        [&] { d.t->AddsubsButClick(); },
        [] { qtapp::QtServices().SaveFileName("Save", "Venue files (*.ven)|*.VEN", "ven", "/"); },
    };
    for (const auto& open : dialogs) {
        EXPECT_TRUE(WhileModal(open, [&](QWidget& modal) {
            EXPECT_TRUE(d.Owns(modal)) << modal.metaObject()->className();
            for (QWidget* w : QApplication::topLevelWidgets())
                EXPECT_FALSE(w->isVisible() && (w->windowFlags() & Qt::WindowStaysOnTopHint))
                    << w->objectName().toStdString();
        }));
    }
    EXPECT_TRUE(d.errors.errors.isEmpty()) << d.errors.errors.join("\n").toStdString();
}

TEST(CompanionWindows, AMinimisedCompanionComesBackUnminimised) {
    Desk d;
    for (auto [window, showAgain] : {std::pair<QWidget*, QAbstractButton*>{&d.warnings, d.t->DesignTBut},
                                     {&d.tool, d.t->BitBtn4}}) {
        window->showMinimized();
        showAgain->click();
        EXPECT_TRUE(window->isVisible() && !window->isMinimized()) << window->objectName().toStdString();
    }
}

TEST(CompanionWindows, ThePolarToolAndTheRestoredMainWindowLieInsideTheScreen) {
    Desk d;
    const QRect screen = d.t->screen()->availableGeometry();
    const QRect toolBar(d.t->PagesToolBar->mapToGlobal(QPoint(0, 0)), d.t->PagesToolBar->size());
    EXPECT_TRUE(screen.contains(d.tool.frameGeometry()));
    EXPECT_FALSE(d.tool.frameGeometry().intersects(toolBar));
    // Shown again where the user left it.
    const QPoint left = d.tool.pos() - QPoint(40, 17);
    d.tool.move(left);
    d.tool.BitBtn3->click();  // "Close and Update" hides it
    d.t->BitBtn5->click();
    EXPECT_EQ(d.tool.pos(), left);
    // Left almost off the screen, it comes back whole, pushed back just to
    // the edges it crossed (a frame's room, 4 pixels at the sides and the
    // bottom, 30 for the title bar, from them).
    const QSize size = d.tool.frameGeometry().size();
    const struct { QPoint at; bool right, bottom; } far[] = {
        {{screen.right() - 30, screen.bottom() - 20}, true, true},
        {{screen.left() - size.width() + 30, screen.top() - 200}, false, false},
        {{screen.right() - 10, screen.top() + 50}, true, false},
    };
    for (const auto& f : far) {
        SCOPED_TRACE(testing::Message() << f.at.x() << "," << f.at.y());
        d.tool.move(f.at);
        d.tool.BitBtn3->click();
        d.t->BitBtn5->click();
        const QRect back = d.tool.frameGeometry();
        EXPECT_TRUE(screen.contains(back));
        if (f.right) EXPECT_LE(screen.right() - back.right(), 4);
        else EXPECT_LE(back.left() - screen.left(), 4);
        if (f.bottom) EXPECT_LE(screen.bottom() - back.bottom(), 4);
        else if (f.at.y() < screen.top()) EXPECT_LE(back.top() - screen.top(), 30);
        else EXPECT_EQ(back.top(), f.at.y());  // in sight as it was
    }

    d.t->showNormal();
    const QRect client = d.t->geometry();
    EXPECT_TRUE(screen.contains(d.t->frameGeometry()));
    EXPECT_GE(client.top() - screen.top(), 20);  // room for a title bar
    EXPECT_TRUE(client.width() <= 824 && client.height() <= 751);
    EXPECT_LE(std::abs(client.center().x() - screen.center().x()), 1);
}

TEST(CompanionWindows, TheSplashStepsAsideForADialog) {
    TForm2 splash;
    splash.show();
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), QStringLiteral("File not found"));
    EXPECT_TRUE(WhileModal([&] { box.exec(); }, [&](QWidget&) { EXPECT_FALSE(splash.isVisible()); }));
}

TEST(VenuePageKeyboard, TabReachesEveryButtonAndAGroupsCheckedRadio) {
    const struct {
        std::function<void(TForm1&)> before;
        QStringList reached, passed;
    } rows[] = {
        {[](TForm1&) {}, {"BitBtn6", "BitBtn4", "BitBtn5", "BitBtn8", "P1stand", "P2sit", "P3sit"},
         {"P1sit", "P1cust", "P2stand", "P2cust", "P3stand", "P3cust"}},
        {[](TForm1& w) { w.P1sit->click(); }, {"P1sit"}, {"P1stand", "P1cust"}},
        // A design takes the venue page's radios out of the Tab order; a
        // click on one brings none back.
        {[](TForm1& w) { w.DesignTButClick(), w.P2stand->click(); }, {"BitBtn6"}, {"P2sit", "P2stand"}},
        // In a window too small for the venue page, the page scrolls to
        // each control the Tab key reaches.
        {[](TForm1& w) { w.resize(800, 600); }, {"BitBtn6", "BitBtn4", "BitBtn5", "BitBtn8", "P3sit"}, {}},
    };
    for (const auto& r : rows) {
        ErrorRecorder rec;
        TestWindow t;
        t->show();
        QApplication::setActiveWindow(t.w.get());
        r.before(*t);
        t->LoadTBut->setFocus();
        QSet<QString> focused;
        for (int i = 0; i < 150 && QApplication::focusWidget(); ++i) {
            QWidget* f = QApplication::focusWidget();
            focused.insert(f->objectName());
            // What has the focus is in sight, inside its page's scroll bars.
            if (t->VenueTab->isAncestorOf(f)) {
                const auto* h = t->VenueTab->findChild<QWidget*>("VenueTabHScroll");
                const auto* v = t->VenueTab->findChild<QWidget*>("VenueTabVScroll");
                const QRect shown(0, 0, v->isVisible() ? v->x() : t->VenueTab->width(),
                                  h->isVisible() ? h->y() : t->VenueTab->height());
                EXPECT_TRUE(shown.contains(QRect(f->mapTo(t->VenueTab, QPoint(0, 0)), f->size())))
                    << f->objectName().toStdString();
            }
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(QApplication::focusWidget(), &tab);
        }
        for (const QString& name : r.reached) EXPECT_TRUE(focused.contains(name)) << name.toStdString();
        for (const QString& name : r.passed) EXPECT_FALSE(focused.contains(name)) << name.toStdString();
    }
}
