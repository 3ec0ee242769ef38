// Every action leaves the active page as its own paint shows it: the page's
// controls and pictures right after the action equal those after a resize.
#include <gtest/gtest.h>

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

#include "app/background1.h"
#include "app/tests/test_support.h"
#include "platform/qtapp/picturebox.h"
#include "platform/qtapp/updown.h"

namespace {

void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

// What the active page shows: its named controls, then the two pictures
// cut into 16 x 16 cells, each the share of its pixels that are not white (a
// cabinet mark moves next to nothing, another drawing a good part).
std::vector<QString> Shown(TForm1& w) {
    std::vector<QString> out;
    for (QWidget* c : w.PageControl1->currentWidget()->findChildren<QWidget*>()) {
        if (c->objectName().isEmpty() || c->objectName().startsWith("qt_")) continue;
        QString line = c->objectName() + (c->isVisible() ? " shown" : " hidden") + (c->isEnabled() ? "" : " off");
        for (const char* p : {"text", "checked", "currentText"}) line += " " + c->property(p).toString();
        if (auto* box = qobject_cast<QComboBox*>(c))
            for (int i = 0; i < box->count(); ++i) line += " " + box->itemText(i);
        out.push_back(line);
    }
    for (const QImage& p : {w.image1->Picture(), w.gridimg->Picture()}) {
        QString cells;
        for (int y = 0; y + 16 <= p.height(); y += 16)
            for (int x = 0; x + 16 <= p.width(); x += 16) {
                int drawn = 0;
                for (int k = 0; k < 256; ++k) drawn += p.pixel(x + k % 16, y + k / 16) != qRgb(255, 255, 255);
                cells += QChar('a' + drawn / 64);
            }
        out.push_back(cells);
    }
    return out;
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
void Lift(TestWindow& t) { t->liftbarrad->click(); }

}  // namespace

TEST(RepaintRoad, EveryActionShowsWhatThePagePaintShows) {
    ScratchDir files;
    const QString saved = QString::fromStdString(files.Path("stacked.ven"));
    {
        TestWindow t;
        t->Timer1Timer(), Stacked(t), Design(t);
        ASSERT_TRUE(t->SaveVenueAs(saved.toStdString()));
    }
    const struct {
        const char* name;
        std::vector<Step> before;
        Step action;
    } actions[] = {
        {"Stacked, then Design", {ArrayPage, Stacked}, Design},
        {"Design", {ArrayPage}, Design},
        {"Flown after a stacked design", {Stacked, Design, ArrayPage}, [](TestWindow& t) { t->flyrad->click(); }},
        {"Stacked after a flown design", {Design, ArrayPage}, Stacked},
        {"Manual", {Design, ArrayPage}, Manual},
        {"Auto", {Design, Manual, ArrayPage}, [](TestWindow& t) { t->tbauto->click(); }},
        {"top-angle step", {Design, ArrayPage}, [](TestWindow& t) { t->A0sp->Press(qtapp::UDBtnType::Next); }},
        {"splay list choice", {Design, Manual, ArrayPage}, [](TestWindow& t) { emit t->ArvoLists[2]->activated(4); }},
        {"zoom", {Stacked, Design, ArrayPage}, [](TestWindow& t) { t->GVdetailrad->click(); }},
        {"lifting bar", {Design, ArrayPage}, Lift},
        {"Apply", {Design, ArrayPage, Lift}, [](TestWindow& t) { t->ApplyAngBut->click(); }},
        {"combination grid", {Design, ArrayPage}, [](TestWindow& t) { t->KelvarCB->click(); }},
        {"push-over force step", {Stacked, Design, ArrayPage},
         [](TestWindow& t) { t->FTupdn->Press(qtapp::UDBtnType::Next); }},
        {"load", {ArrayPage}, [&](TestWindow& t) { t.services->QueueOpenFile(saved), t->LoadTBut->click(); }},
        {"Design on the patch page", {Design, [](TestWindow& t) { t->RigTBut->click(); }}, Design},
        {"second Design", {Design}, Design},
        {"count step", {Design}, [](TestWindow& t) { t->numbox1updn->Press(qtapp::UDBtnType::Next); }},
        {"type choice", {Design}, [](TestWindow& t) { t->allbexarad->click(); }},
        {"unit switch", {Design}, [](TestWindow& t) { t->ImperialRad->click(); }},
        {"Down in the splay grid", {Design}, [](TestWindow& t) { Key(t->ArvoStrGrid, Qt::Key_Down); }},
        {"a row of the splay grid", {Design}, [](TestWindow& t) { t->ArvoStrGrid->setCurrentCell(4, 1); }},
        {"Left in Manual", {Design, Manual}, [](TestWindow& t) { t->FSelElement = 3, Key(t->ArvoStrGrid, Qt::Key_Left); }},
        {"the pointer onto a cabinet", {Design},
         [](TestWindow& t) { t->Image1MouseMove(Qt::NoButton, t->FHotPoints[5].x, t->FHotPoints[5].y); }},
    };
    for (const auto& a : actions) {
        SCOPED_TRACE(a.name);
        TestWindow t;
        t->resize(1366, 768), t->show(), t->Timer1Timer();
        for (const Step& s : a.before) s(t), Settle();
        a.action(t), Settle();
        const std::vector<QString> now = Shown(*t);
        t->resize(1367, 768), t->resize(1366, 768), Settle();
        EXPECT_TRUE(t->PageControl1->currentWidget()->isVisible());
        EXPECT_EQ(now, Shown(*t));
    }
}
