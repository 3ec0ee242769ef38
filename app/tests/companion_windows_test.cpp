// The main window's companions (warnings window, polar tool, venue survey,
// sub stack) and its dialogs on the desktop: each belongs to the main
// window, none stays above a dialog, a minimised one comes back, the polar
// tool opens clear of the tool bar and then where it was left, the main
// window restores to its own size inside the screen, and Tab reaches every
// button of the venue page and a radio group's checked radio.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSet>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <functional>
#include <memory>

#include "app/background1.h"
#include "app/mechwarnform.h"
#include "app/rthetaxytool.h"
#include "app/substack.h"
#include "app/surveyorform.h"
#include "app/tests/test_support.h"
#include "platform/qtapp/dialog_owner.h"
#include "platform/qtapp/services_qt.h"
#include "platform/qtapp/updown.h"

namespace {

// Elka, six cabinets, flown: an unsafe rig.
void DesignUnsafe(TForm1& w) {
    w.AllElkarad->click();
    for (int i = 0; i < 6; ++i) w.numbox1updn->Press(qtapp::UDBtnType::Next);
    w.DesignTBut->click();
}

// The main window on show, its companions made after it by someone else,
// as the program's start-up makes them.
struct Desk {
    ErrorRecorder errors;
    TestWindow t;
    Tmechwarn warnings;
    TForm3 tool;
    TSurveyForm survey;
    Tssform subs;
    Desk() {
        t->SetWarningsWindow(&warnings);
        t->SetDialogs(&tool, &survey, &subs);
        qtapp::SetMainWindow(t.w.get());
        t->show();
        t->activateWindow();
        t->Timer1Timer();
    }
    ~Desk() { qtapp::SetMainWindow(nullptr); }
};

bool TransientFor(const QWidget& w, const QWidget& main) {
    return w.windowHandle() != nullptr && main.windowHandle() != nullptr &&
           w.windowHandle()->transientParent() == main.windowHandle();
}

QStringList ShownStayingOnTop() {
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && (w->windowFlags() & Qt::WindowStaysOnTopHint))
            names.append(w->objectName());
    return names;
}

// Runs `open`, which shows a modal dialog; once the dialog is up `look`
// gets it and it is cancelled.  False when none came up within 5 s.
bool WhileModal(const std::function<void()>& open, const std::function<void(QWidget&)>& look) {
    bool seen = false;
    QTimer poll;
    int ticks = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            if (++ticks > 1000) poll.stop();
            return;
        }
        poll.stop();
        seen = true;
        look(*modal);
        QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
    });
    poll.start(5);
    open();
    return seen;
}

}  // namespace

TEST(CompanionWindows, BelongToTheMainWindowAndNoneStaysAboveADialog) {
    Desk d;
    DesignUnsafe(*d.t);
    ASSERT_EQ(d.t->RigReadout().SafetyLevel(), 2);
    ASSERT_TRUE(d.warnings.isVisible());
    d.t->BitBtn6->click();
    ASSERT_TRUE(d.tool.isVisible());
    EXPECT_TRUE(TransientFor(d.warnings, *d.t));
    EXPECT_TRUE(TransientFor(d.tool, *d.t));

    ScratchDir dir;
    const struct {
        const char* name;
        std::function<void()> open;
    } dialogs[] = {
        {"venue survey", [&] { d.t->BitBtn8->click(); }},
        {"sub stack", [&] { d.t->AddsubsButClick(); }},
        {"message box", [] { qtapp::QtServices().ShowInformation(QStringLiteral("Saved.")); }},
        {"save dialog",
         [&] {
             qtapp::QtServices().SaveFileName(QStringLiteral("Save"),
                                              QStringLiteral("Venue files (*.ven)|*.VEN"),
                                              QStringLiteral("ven"),
                                              QString::fromStdString(dir.Dir()));
         }},
    };
    for (const auto& dialog : dialogs) {
        SCOPED_TRACE(dialog.name);
        const bool seen = WhileModal(dialog.open, [&](QWidget& modal) {
            EXPECT_TRUE(TransientFor(modal, *d.t));
            EXPECT_EQ(ShownStayingOnTop(), QStringList());
        });
        EXPECT_TRUE(seen);
    }
    EXPECT_TRUE(d.errors.errors.isEmpty()) << d.errors.errors.join("\n").toStdString();
}

TEST(CompanionWindows, AMinimisedCompanionComesBackUnminimised) {
    Desk d;
    DesignUnsafe(*d.t);
    d.t->BitBtn6->click();
    const struct {
        const char* name;
        QWidget& window;
        std::function<void()> showAgain;
    } companions[] = {
        {"warnings window, the next unsafe design", d.warnings, [&] { d.t->DesignTBut->click(); }},
        {"polar tool, R-A again", d.tool, [&] { d.t->BitBtn4->click(); }},
    };
    for (const auto& c : companions) {
        SCOPED_TRACE(c.name);
        c.window.showMinimized();
        ASSERT_TRUE(c.window.isMinimized());
        c.showAgain();
        EXPECT_TRUE(c.window.isVisible());
        EXPECT_FALSE(c.window.isMinimized());
    }
}

TEST(CompanionWindows, PolarToolOpensClearOfTheToolBarThenWhereItWasLeft) {
    Desk d;
    d.t->ShowAtStart();
    DesignUnsafe(*d.t);
    d.t->BitBtn6->click();
    const QRect screen = d.t->screen()->availableGeometry();
    const QRect toolBar(d.t->PagesToolBar->mapToGlobal(QPoint(0, 0)), d.t->PagesToolBar->size());
    EXPECT_TRUE(screen.contains(d.tool.frameGeometry()));
    EXPECT_FALSE(d.tool.frameGeometry().intersects(toolBar));

    const QPoint left = d.tool.pos() + QPoint(-40, 17);
    d.tool.move(left);
    d.tool.BitBtn3->click();  // "Close and Update" hides it
    ASSERT_FALSE(d.tool.isVisible());
    d.t->BitBtn5->click();
    EXPECT_EQ(d.tool.pos(), left);
}

TEST(CompanionWindows, TheMainWindowRestoresToItsOwnSizeInsideTheScreen) {
    ErrorRecorder rec;
    TestWindow t;
    t->ShowAtStart();
    ASSERT_TRUE(t->isMaximized());
    t->showNormal();
    const QRect screen = t->screen()->availableGeometry();
    const QRect client = t->geometry();
    EXPECT_TRUE(screen.contains(t->frameGeometry()));
    // Room for a title bar above the client area.
    EXPECT_GE(client.top() - screen.top(), 20);
    EXPECT_LE(client.width(), 824);
    EXPECT_LE(client.height(), 751);
    EXPECT_LE(std::abs(client.center().x() - screen.center().x()), 1);
}

TEST(CompanionWindows, OutliveTheMainWindowThatAdoptedThem) {
    auto warnings = std::make_unique<Tmechwarn>();
    auto tool = std::make_unique<TForm3>();
    {
        ErrorRecorder rec;
        TestWindow t;
        t->SetWarningsWindow(warnings.get());
        t->SetDialogs(tool.get(), nullptr, nullptr);
        ASSERT_EQ(warnings->parentWidget(), t.w.get());
        tool->show();
    }
    EXPECT_EQ(warnings->parentWidget(), nullptr);
    EXPECT_EQ(tool->parentWidget(), nullptr);
    EXPECT_FALSE(tool->isVisible());
}

TEST(VenuePageKeyboard, TabReachesEveryButtonAndAGroupsCheckedRadio) {
    const struct {
        const char* name;
        std::function<void(TForm1&)> before;
        QStringList reached, passed;
    } rows[] = {
        {"the start", [](TForm1&) {},
         {"BitBtn6", "BitBtn4", "BitBtn5", "BitBtn8", "P1stand", "P2sit", "P3sit"},
         {"P1sit", "P1cust", "P2stand", "P2cust", "P3stand", "P3cust"}},
        {"plane 1 seated", [](TForm1& w) { w.P1sit->click(); }, {"P1sit"}, {"P1stand", "P1cust"}},
        {"after Design", [](TForm1& w) { w.DesignTBut->click(); },
         {"BitBtn6", "BitBtn4", "BitBtn5", "BitBtn8"}, {}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        ErrorRecorder rec;
        TestWindow t;
        t->show();
        QApplication::setActiveWindow(t.w.get());
        r.before(*t);
        t->LoadTBut->setFocus();
        QSet<QString> focused;
        for (int i = 0; i < 150; ++i) {
            QWidget* f = QApplication::focusWidget();
            ASSERT_NE(f, nullptr);
            focused.insert(f->objectName());
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(f, &tab);
        }
        for (const QString& name : r.reached) EXPECT_TRUE(focused.contains(name)) << name.toStdString();
        for (const QString& name : r.passed) EXPECT_FALSE(focused.contains(name)) << name.toStdString();
    }
}
