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

// The active page's controls as the user sees them, and the pictures.
struct Shown {
    std::vector<std::string> controls;
    QImage picture, detail;
};

Shown WhatThePageShows(TForm1& w) {
    Shown s;
    for (QWidget* c : w.PageControl1->currentWidget()->findChildren<QWidget*>()) {
        if (c->objectName().isEmpty() || c->objectName().startsWith("qt_")) continue;
        std::string line = c->objectName().toStdString();
        line += c->isVisible() ? " shown" : " hidden";
        line += c->isEnabled() ? " enabled" : " disabled";
        if (auto* l = qobject_cast<QLabel*>(c)) line += " '" + l->text().toStdString() + "'";
        if (auto* e = qobject_cast<QLineEdit*>(c)) line += " '" + e->text().toStdString() + "'";
        if (auto* b = qobject_cast<QAbstractButton*>(c))
            line += " '" + b->text().toStdString() + (b->isChecked() ? "' checked" : "'");
        if (auto* box = qobject_cast<QComboBox*>(c)) {
            line += " [" + box->currentText().toStdString() + "]";
            for (int i = 0; i < box->count(); ++i) line += " " + box->itemText(i).toStdString();
        }
        s.controls.push_back(line);
    }
    s.picture = w.image1->Picture();
    s.detail = w.gridimg->Picture();
    return s;
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

void Press(qtapp::UpDown* u, qtapp::UDBtnType b) { u->Press(b); }

void Key(QWidget* target, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

using Step = std::function<void(TestWindow&)>;

void Design(TestWindow& t) { t->DesignTBut->click(); }
void ArrayPage(TestWindow& t) { t->ArrayTBut->click(); }
void PatchPage(TestWindow& t) { t->RigTBut->click(); }
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
         [](TestWindow& t) { Press(t->A0sp, qtapp::UDBtnType::Next); }},
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
         [](TestWindow& t) { Press(t->FTupdn, qtapp::UDBtnType::Next); }},
        {"load", {ArrayPage},
         [&saved](TestWindow& t) {
             t.services->QueueOpenFile(QString::fromStdString(saved));
             t->LoadTBut->click();
         }},
        // The patch page.
        {"Design on the patch page", {Design, PatchPage}, Design},
        // The venue page.
        {"second Design", {Design}, Design},
        {"count step", {Design}, [](TestWindow& t) { Press(t->numbox1updn, qtapp::UDBtnType::Next); }},
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
        const Shown now = WhatThePageShows(*t);
        t->resize(1367, 768);
        t->resize(1366, 768);
        Settle();
        const Shown painted = WhatThePageShows(*t);
        EXPECT_TRUE(t->PageControl1->currentWidget()->isVisible());
        EXPECT_EQ(now.controls, painted.controls);
        EXPECT_LT(Differing(now.picture, painted.picture), 0.01);
        EXPECT_LT(Differing(now.detail, painted.detail), 0.01);
    }
}
