// The keyboard on the main window: a page is turned only by what the user
// sees (the tool bar, or the page tabs while they are shown) and the tool
// bar marks the page shown; the warnings window comes up without taking the
// keys from the control the user works; before a design a focus move draws
// and says nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <functional>
#include <vector>

#include "app/mechwarnform.h"
#include "app/tests/test_support.h"
#include "model/hardware/splay.h"
#include "platform/qtapp/picturebox.h"
#include "platform/qtapp/updown.h"

namespace {

void Settle() {
    for (int i = 0; i < 10; ++i) QApplication::processEvents();
}

// The key sent where the keyboard is, as the window system sends it.
void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* to = QApplication::focusWidget();
    ASSERT_NE(to, nullptr);
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(to, &release);
    Settle();
}

// The page shown, and the one page button the tool bar marks.
void ExpectToolBarMarksThePageShown(const TForm1& w) {
    const QWidget* page = w.PageControl1->currentWidget();
    EXPECT_EQ(w.VenTBut->isChecked(), page == w.VenueTab);
    EXPECT_EQ(w.ArrayTBut->isChecked(), page == w.ArrayTab);
    EXPECT_EQ(w.RigTBut->isChecked(), page == w.ProcessorTab);
    EXPECT_TRUE(page->isVisible());
}

}  // namespace

// Tab and Shift+Tab through the whole window never stop where nothing is
// seen: with every tab hidden the tab bar takes no focus.  Before the first
// design the start page stays as it is whatever takes the focus: a focus
// move into the splay grid draws nothing and leaves the status alone.
TEST(PageKeys, TabAndShiftTabStopOnlyOnWhatIsSeen) {
    for (const bool designed : {true, false})
        for (const int key : {Qt::Key_Tab, Qt::Key_Backtab}) {
            SCOPED_TRACE(testing::Message() << key << (designed ? " designed" : " before a design"));
            ErrorRecorder rec;
            TestWindow t;
            ShowActive(*t);
            if (designed) t->DesignTBut->click();
            // The start page, once the start-up has drawn it.
            for (int k = 0; k < 500 && t->Timer1->isActive(); ++k) {
                QApplication::processEvents();
                QThread::msleep(2);
            }
            ASSERT_FALSE(t->Timer1->isActive());
            Settle();
            const QImage picture = t->image1->Picture();
            t->LoadTBut->setFocus();
            bool reached = false;
            for (int i = 0; i < 150; ++i) {
                QWidget* f = QApplication::focusWidget();
                ASSERT_NE(f, nullptr);
                if (designed) {
                    EXPECT_NE(f, t->PageControl1->tabBar()) << i;
                }
                EXPECT_TRUE(f->isVisible() && !f->visibleRegion().isEmpty())
                    << f->metaObject()->className() << " " << f->objectName().toStdString();
                reached = reached || f == t->ArvoStrGrid;
                Press(key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            }
            EXPECT_EQ(t->PageControl1->currentWidget(), t->VenueTab);
            ExpectToolBarMarksThePageShown(*t);
            if (!designed) {
                EXPECT_TRUE(reached);
                EXPECT_EQ(t->FStatusText, "STARTUP");
                EXPECT_TRUE(t->image1->Picture() == picture);
            }
            EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
        }
}

// Ctrl+Tab, Ctrl+Shift+Tab, the arrows and the wheel on the tab bar turn only to a
// page whose tab is shown (before a design every tab, after it none), and
// the page turned to is the page the tool bar road shows: its button
// marked, Auto and Manual only beside the venue and array pages of a design.
TEST(PageKeys, KeysTurnOnlyToShownTabsAndTheToolBarFollows) {
    using Get = std::function<QWidget*(TForm1&)>;
    const Get grid = [](TForm1& w) { return w.ArvoStrGrid; };
    const Get tabs = [](TForm1& w) { return w.PageControl1->tabBar(); };
    using Key = std::pair<int, Qt::KeyboardModifiers>;
    const Key ctrlTab{Qt::Key_Tab, Qt::ControlModifier};
    const Key ctrlBack{Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier};
    const Key right{Qt::Key_Right, Qt::NoModifier};
    const Key left{Qt::Key_Left, Qt::NoModifier};
    // A turn of the wheel over the tab bar, down or up.
    const Key wheelDown{-120, Qt::NoModifier};
    const Key wheelUp{120, Qt::NoModifier};
    const struct Row {
        const char* what;
        bool designed;
        Get focus;
        std::vector<Key> keys;
        // The page after each key (0 venue, 1 array, 2 patch, 3 amplifiers,
        // 4 developer).
        std::vector<int> pages;
    } rows[] = {
        {"Ctrl+Tab after a design", true, grid, {ctrlTab, ctrlTab}, {0, 0}},
        {"Ctrl+Shift+Tab after a design", true, grid, {ctrlBack}, {0}},
        {"arrows on the hidden tabs", true, tabs, {right, right, left}, {0, 0, 0}},
        {"the wheel on the hidden tabs", true, tabs, {wheelDown, wheelUp}, {0, 0}},
        {"Ctrl+Tab before a design", false, grid, {ctrlTab, ctrlTab, ctrlTab, ctrlTab, ctrlTab}, {1, 2, 3, 4, 0}},
        {"Ctrl+Shift+Tab before a design", false, grid, {ctrlBack, ctrlBack}, {4, 3}},
        {"arrows before a design", false, tabs, {left, right, right, left}, {0, 1, 2, 1}},
        {"the wheel before a design", false, tabs, {wheelUp, wheelDown, wheelDown, wheelUp}, {0, 1, 2, 1}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        ErrorRecorder rec;
        TestWindow t;
        ShowActive(*t);
        if (r.designed) t->DesignTBut->click();
        Settle();
        QWidget* start = r.focus(*t);
        for (std::size_t k = 0; k < r.keys.size(); ++k) {
            SCOPED_TRACE(k);
            if (QApplication::focusWidget() == nullptr || k == 0) start->setFocus(Qt::OtherFocusReason);
            if (const int delta = r.keys[k].first; delta == -120 || delta == 120) {
                QWheelEvent wheel(QPointF(1, 1), QPointF(1, 1), QPoint(), QPoint(0, delta), Qt::NoButton,
                                  Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(t->PageControl1->tabBar(), &wheel);
                Settle();
            } else {
                Press(r.keys[k].first, r.keys[k].second);
            }
            const QWidget* pages[] = {t->VenueTab, t->ArrayTab, t->ProcessorTab, t->AmpTab, t->DEVTAB};
            EXPECT_EQ(t->PageControl1->currentWidget(), pages[r.pages[k]]);
            ExpectToolBarMarksThePageShown(*t);
            EXPECT_EQ(t->tbauto->isVisible(), r.designed && r.pages[k] < 2);
        }
        EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
    }
}

// An unsafe rig in Manual: the key that steps the angle brings the warnings
// window up, in sight, and the next key steps on.  A click on the warnings
// window still makes it the active window.
TEST(PageKeys, TheWarningsWindowComesUpAndTheKeysStayWithTheControl) {
    ErrorRecorder rec;
    Tmechwarn warnings;
    TestWindow t;
    t->SetWarningsWindow(&warnings);
    ShowActive(*t);
    t->AllElkarad->click();
    for (int i = 0; i < 6; ++i) t->numbox1updn->Press(qtapp::UDBtnType::Next);
    t->DesignTBut->click();
    ASSERT_EQ(t->RigReadout().SafetyLevel(), 2);
    t->tbman->click();
    ASSERT_TRUE(warnings.isVisible());
    // The user goes back to the main window (a window that comes up from
    // hidden is made active by the offscreen platform whatever it asks).
    ShowActive(*t);
    t->ArvoStrGrid->setFocus(Qt::TabFocusReason);
    t->FSelElement = 0;  // the grid angle
    for (int step = 1; step <= 2; ++step) {
        SCOPED_TRACE(step);
        const double before = t->FSplay->Angle[0];
        Press(Qt::Key_Left);
        EXPECT_EQ(t->FSplay->Angle[0], before + 0.25);
        EXPECT_TRUE(warnings.isVisible());
        EXPECT_EQ(QApplication::activeWindow(), t.w.get());
        EXPECT_EQ(QApplication::focusWidget(), t->ArvoStrGrid);
    }
    warnings.activateWindow();
    for (int k = 0; k < 100 && !warnings.isActiveWindow(); ++k) QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &warnings);
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
}
