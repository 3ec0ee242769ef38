// Every action leaves the active page as its own paint would show it: what
// the page and the picture show right after the action equals what they show
// once a resize has painted the page again.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

#include <functional>
#include <string>
#include <vector>

#include "app/background1.h"
#include "platform/qtapp/picturebox.h"
#include "platform/qtapp/updown.h"
#include "app/tests/test_support.h"

namespace {

void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

// The active page's named controls as the user sees them.
std::vector<std::string> Controls(TForm1& w) {
    std::vector<std::string> out;
    for (QWidget* c : w.PageControl1->currentWidget()->findChildren<QWidget*>()) {
        if (c->objectName().isEmpty() || c->objectName().startsWith("qt_")) continue;
        QString line = c->objectName() + (c->isVisible() ? " shown" : " hidden") +
                       (c->isEnabled() ? " enabled" : " disabled");
        if (auto* l = qobject_cast<QLabel*>(c)) line += " " + l->text();
        if (auto* e = qobject_cast<QLineEdit*>(c)) line += " " + e->text();
        if (auto* b = qobject_cast<QAbstractButton*>(c)) line += " " + b->text() + (b->isChecked() ? " checked" : "");
        if (auto* box = qobject_cast<QComboBox*>(c))
            for (int i = -1; i < box->count(); ++i) line += " " + (i < 0 ? box->currentText() : box->itemText(i));
        out.push_back(line.toStdString());
    }
    return out;
}

// The share of pixels that differ: the same drawing gives next to none
// (a cabinet mark, a small picture), another drawing a good part.
double Differing(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull()) return 1.0;
    long long differ = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) differ += a.pixel(x, y) != b.pixel(x, y);
    return static_cast<double>(differ) / (static_cast<double>(a.width()) * a.height());
}

void Key(QWidget* target, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

using Step = std::function<void(TestWindow&)>;
void Design(TestWindow& t) { t->DesignTBut->click(); }
void ArrayPage(TestWindow& t) { t->ArrayTBut->click(); }
void Stacked(TestWindow& t) { t->stackrad->click(); }
void Manual(TestWindow& t) { t->tbman->click(); }

struct Action {
    const char* name;
    std::vector<Step> before;
    Step action;
};

}  // namespace

TEST(RepaintRoad, EveryActionShowsWhatThePagePaintShows) {
    ScratchDir files;
    const std::string saved = files.Path("stacked.ven");
    {
        TestWindow t;
        t->show();
        t->Timer1Timer();
        Stacked(t);
        Design(t);
        ASSERT_TRUE(t->SaveVenueAs(saved));
    }
    const Action actions[] = {
        // The array page.
        {"Stacked, then Design", {ArrayPage, Stacked}, Design},
        {"Design", {ArrayPage}, Design},
        {"Flown after a stacked design", {Stacked, Design, ArrayPage},
         [](TestWindow& t) { t->flyrad->click(); }},
        {"Stacked after a flown design", {Design, ArrayPage}, Stacked},
        {"Manual", {Design, ArrayPage}, Manual},
        {"Auto", {Design, Manual, ArrayPage}, [](TestWindow& t) { t->tbauto->click(); }},
        {"top-angle step", {Design, ArrayPage},
         [](TestWindow& t) { t->A0sp->Press(qtapp::UDBtnType::Next); }},
        {"splay list choice", {Design, Manual, ArrayPage},
         [](TestWindow& t) { emit t->ArvoLists[2]->activated(4); }},
        {"zoom", {Stacked, Design, ArrayPage}, [](TestWindow& t) { t->GVdetailrad->click(); }},
        {"lifting bar", {Design, ArrayPage}, [](TestWindow& t) { t->liftbarrad->click(); }},
        {"Apply", {Design, ArrayPage},
         [](TestWindow& t) {
             t->liftbarrad->click();
             Settle();
             t->ApplyAngBut->click();
         }},
        {"combination grid", {Design, ArrayPage}, [](TestWindow& t) { t->KelvarCB->click(); }},
        {"push-over force step", {Stacked, Design, ArrayPage},
         [](TestWindow& t) { t->FTupdn->Press(qtapp::UDBtnType::Next); }},
        {"load", {ArrayPage},
         [&saved](TestWindow& t) {
             t.services->QueueOpenFile(QString::fromStdString(saved));
             t->LoadTBut->click();
         }},
        // The patch page.
        {"Design on the patch page", {Design, [](TestWindow& t) { t->RigTBut->click(); }}, Design},
        // The venue page.
        {"second Design", {Design}, Design},
        {"count step", {Design}, [](TestWindow& t) { t->numbox1updn->Press(qtapp::UDBtnType::Next); }},
        {"type choice", {Design}, [](TestWindow& t) { t->allbexarad->click(); }},
        {"unit switch", {Design}, [](TestWindow& t) { t->ImperialRad->click(); }},
        {"Down in the splay grid", {Design}, [](TestWindow& t) { Key(t->ArvoStrGrid, Qt::Key_Down); }},
        {"a row of the splay grid", {Design}, [](TestWindow& t) { t->ArvoStrGrid->setCurrentCell(4, 1); }},
        {"Left in Manual", {Design, Manual},
         [](TestWindow& t) {
             t->FSelElement = 3;
             Key(t->ArvoStrGrid, Qt::Key_Left);
         }},
        {"the pointer onto a cabinet", {Design},
         [](TestWindow& t) {
             const rtl::Point p = t->FHotPoints[5];
             t->Image1MouseMove(Qt::NoButton, p.x, p.y);
         }},
    };
    for (const Action& a : actions) {
        SCOPED_TRACE(a.name);
        TestWindow t;
        t->resize(1366, 768);
        t->show();
        t->Timer1Timer();
        for (const Step& s : a.before) s(t), Settle();
        a.action(t);
        Settle();
        const std::vector<std::string> controls = Controls(*t);
        const QImage picture = t->image1->Picture(), detail = t->gridimg->Picture();
        t->resize(1367, 768);
        t->resize(1366, 768);
        Settle();
        EXPECT_TRUE(t->PageControl1->currentWidget()->isVisible());
        EXPECT_EQ(controls, Controls(*t));
        EXPECT_LT(Differing(picture, t->image1->Picture()), 0.01);
        EXPECT_LT(Differing(detail, t->gridimg->Picture()), 0.01);
    }
}
