// The window's fills of its own controls run no handler of a user's choice;
// a splay list chooses by its drop-down only.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>

#include <functional>

#include "model/hardware/splay.h"
#include "platform/qtapp/updown.h"
#include "app/tests/test_support.h"

namespace {

void Click(QAbstractButton* b) { b->click(), QApplication::processEvents(); }

// The focus on `c`, as a Tab puts it, once the window system is done.
bool Focus(QWidget* c) {
    for (int k = 0; k < 20 && !c->hasFocus(); ++k)
        c->setFocus(Qt::TabFocusReason), QApplication::processEvents();
    return c->hasFocus();
}

// A shown, active window designed by hand (Manual), on its Array page.
struct ShownWindow : TestWindow {
    ShownWindow() {
        w->show();
        w->activateWindow();
        for (int k = 0; k < 100 && !w->isActiveWindow(); ++k) QApplication::processEvents();
        Click(w->DesignTBut);
        Click(w->tbman);
        Click(w->ArrayTBut);
    }
};

// The focus leaving a list that shows another of its entries is no list
// choice.  A window goes with the focus on the next list: the sanitizer build
// checks that the focus leaves while the window is whole.
TEST(FillGuard, LeavingAListIsNoChoice) {
    const struct {
        const char* how;
        std::function<void(TForm1&, QComboBox*)> leave;
    } cases[] = {
        {"list hidden", [](TForm1&, QComboBox* l) { l->hide(); }},
        {"focus to the next list", [](TForm1& w, QComboBox*) { w.ArvoLists[3]->setFocus(); }},
        // The Array page gives the list the focus back, then hides and refills it.
        {"Rudd, back to the Array page", [](TForm1& w, QComboBox*) {
             Click(w.VenTBut), Click(w.allruddrad), Click(w.ArrayTBut);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        ShownWindow t;
        QComboBox* list = t->ArvoLists[2];
        list->setEditText(list->itemText(2));
        ASSERT_NE(list->currentIndex(), 2);
        ASSERT_TRUE(Focus(list));
        const int choices = t->ArrayListChoices;
        c.leave(*t, list);
        QApplication::processEvents();
        EXPECT_EQ(t->ArrayListChoices, choices);
    }
}

// While a fill holds its guard a user's signal runs nothing; after it, it does.
TEST(FillGuard, NoHandlerOfAUsersChoiceRunsDuringAFill) {
    const struct {
        const char* what;
        std::function<void(TForm1&)> signal;
        std::function<int(const TForm1&)> seen;  // changes when the handler ran
    } cases[] = {
        {"splay list", [](TForm1& w) { emit w.ArvoLists[1]->activated(2); },
         [](const TForm1& w) { return w.ArrayListChoices; }},
        {"grid row", [](TForm1& w) { emit w.ArvoStrGrid->currentCellChanged(3, 0, 0, 0); },
         [](const TForm1& w) { return w.FSelElement; }},
        {"cabinet count", [](TForm1& w) { emit w.numbox1updn->Click(qtapp::UDBtnType::Next); },
         [](const TForm1& w) { return w.FNumBoxes1; }},
        {"top angle", [](TForm1& w) { emit w.A0sp->Click(qtapp::UDBtnType::Next); },
         [](const TForm1& w) { return static_cast<int>(w.FSplay->Angle[0] * 100.0); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ShownWindow t;
        const int before = c.seen(*t);
        {
            const TForm1::TFillGuard filling(*t);
            c.signal(*t);
            EXPECT_EQ(c.seen(*t), before);
        }
        c.signal(*t);
        EXPECT_NE(c.seen(*t), before);
    }
}

}  // namespace
