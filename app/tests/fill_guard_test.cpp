// The window's fills of its own controls: they run no handler of a user's
// choice, whatever focus or signal they set off, and the array page's fill
// outlives no array.  The splay lists: only the drop-down chooses.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/background1.h"
#include "model/hardware/splay.h"
#include "platform/qtapp/updown.h"
#include "app/tests/test_support.h"

namespace {

// The splay list's angles and step indices of the first `n` elements, as
// "angle/step" texts.
std::vector<std::string> SplayOf(const TForm1& w, int n) {
    std::vector<std::string> s;
    for (int k = 0; k < n; ++k)
        s.push_back(std::to_string(w.FSplay->Angle[k]) + "/" + std::to_string(w.FSplay->ChoiceIndex[k]));
    return s;
}

// A shown window with the focus in it, as a user has it.
struct ShownWindow {
    ErrorRecorder rec;
    ScratchDir user, program;
    TForm1 w{TestEnv(user, program)};

    ShownWindow() {
        w.show();
        w.activateWindow();
        for (int k = 0; k < 100 && !w.isActiveWindow(); ++k) QApplication::processEvents();
        EXPECT_TRUE(w.isActiveWindow());
    }
    // The focus on `c`, as a Tab puts it, once the window system has
    // delivered what it still had for the window.
    static bool Focus(QWidget* c) {
        for (int k = 0; k < 20 && !c->hasFocus(); ++k) {
            c->setFocus(Qt::TabFocusReason);
            QApplication::processEvents();
        }
        return c->hasFocus();
    }
    // A click, and whatever it posted.
    static void Click(QAbstractButton* b) {
        b->click();
        QApplication::processEvents();
    }
    // The design start, then manual design.
    void DesignByHand() {
        Click(w.DesignTBut);
        Click(w.tbman);
        ASSERT_EQ(w.FAutoDesign, 0);
    }
};

// The rigger's road: design, Manual, the Array page with a splay list in
// the focus (tabbed to), back to the venue page, "Rudd", the Array page
// again.  The Array page gives the focus back to its list, which the fill
// then hides and refills: no list choice may run, and the splay stays as
// the choice of the type left it.
TEST(FillGuard, TurningToTheArrayPageAfterANewTypeChoosesNothing) {
    ShownWindow t;
    TForm1& w = t.w;
    t.DesignByHand();
    ShownWindow::Click(w.ArrayTBut);
    QComboBox* list = w.ArvoLists[2];  // a3com: cabinet 3's splay
    ASSERT_TRUE(list->isVisible());
    // The list shows its splay, not its first entry.
    ASSERT_NE(list->currentText(), list->itemText(list->currentIndex()));
    ASSERT_TRUE(ShownWindow::Focus(list));
    const int choices = w.ArrayListChoices;

    ShownWindow::Click(w.VenTBut);
    ShownWindow::Click(w.allruddrad);
    ASSERT_EQ(w.FArrayType, "Rudd");
    const std::vector<std::string> chosen = SplayOf(w, 12);
    ShownWindow::Click(w.ArrayTBut);

    EXPECT_EQ(w.ArrayListChoices, choices);
    EXPECT_EQ(SplayOf(w, 12), chosen);
    EXPECT_EQ(w.arvoGB->title(), "Rudd");
    EXPECT_EQ(t.rec.errors, QStringList{});
}

// A window taken down with the focus on a splay list: the focus leaves the
// list while the window is whole, so the row highlighting runs on a window,
// not on the plain widget left of it (the sanitizer build checks the call).
TEST(FillGuard, AWindowTakenDownWithTheFocusOnAListGoesQuietly) {
    auto t = std::make_unique<ShownWindow>();
    t->DesignByHand();
    ShownWindow::Click(t->w.ArrayTBut);
    ASSERT_TRUE(ShownWindow::Focus(t->w.ArvoLists[1]));
    t.reset();
}

// Whichever way the focus leaves a list, and Return on it, choose nothing:
// the list shows a text that is another of its entries than its current one.
TEST(FillGuard, LeavingAListIsNoChoice) {
    const struct {
        const char* how;
        std::function<void(TForm1&, QComboBox*)> leave;
    } cases[] = {
        {"focus to the next list", [](TForm1& w, QComboBox*) { w.ArvoLists[3]->setFocus(); }},
        {"list hidden", [](TForm1&, QComboBox* l) { l->hide(); }},
        {"list disabled", [](TForm1&, QComboBox* l) { l->setEnabled(false); }},
        {"page turned", [](TForm1& w, QComboBox*) { w.VenTBut->click(); }},
        {"Return", [](TForm1&, QComboBox* l) {
             QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
             QApplication::sendEvent(l, &press);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        ShownWindow t;
        TForm1& w = t.w;
        t.DesignByHand();
        ShownWindow::Click(w.ArrayTBut);
        QComboBox* list = w.ArvoLists[2];
        ASSERT_GE(list->count(), 3);
        list->setEditText(list->itemText(2));
        ASSERT_NE(list->currentIndex(), 2);
        ASSERT_TRUE(ShownWindow::Focus(list));
        const int choices = w.ArrayListChoices;
        const std::vector<std::string> before = SplayOf(w, 8);
        c.leave(w, list);
        QApplication::processEvents();
        EXPECT_EQ(w.ArrayListChoices, choices);
        EXPECT_EQ(SplayOf(w, 8), before);
    }
}

// While a fill holds its guard, a signal of a user's choice runs nothing;
// once it ends the same signal runs its handler.
TEST(FillGuard, NoHandlerOfAUsersChoiceRunsDuringAFill) {
    const struct {
        const char* what;
        std::function<void(TForm1&)> signal;
        std::function<int(const TForm1&)> seen;  // changes when the handler ran
    } cases[] = {
        {"a splay list's choice",
         [](TForm1& w) { emit w.ArvoLists[1]->activated(2); },
         [](const TForm1& w) { return w.ArrayListChoices; }},
        {"a row of the first grid",
         [](TForm1& w) { emit w.ArvoStrGrid->currentCellChanged(3, 0, 0, 0); },
         [](const TForm1& w) { return w.FSelElement; }},
        {"a press of a cabinet count",
         [](TForm1& w) { emit w.numbox1updn->Click(qtapp::UDBtnType::Next); },
         [](const TForm1& w) { return w.FNumBoxes1; }},
        {"a press of the top angle",
         [](TForm1& w) { emit w.A0sp->Click(qtapp::UDBtnType::Next); },
         [](const TForm1& w) { return static_cast<int>(w.FSplay->Angle[0] * 100.0); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ShownWindow t;
        TForm1& w = t.w;
        t.DesignByHand();
        ShownWindow::Click(w.ArrayTBut);
        const int before = c.seen(w);
        {
            const TForm1::TFillGuard filling(w);
            ASSERT_FALSE(w.TakesUserChoice());
            c.signal(w);
            EXPECT_EQ(c.seen(w), before);
        }
        ASSERT_TRUE(w.TakesUserChoice());
        c.signal(w);
        EXPECT_NE(c.seen(w), before);
    }
}

}  // namespace
