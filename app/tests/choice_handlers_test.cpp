// Auto / Manual follow whoever checks them, a click never unchecks a radio, an arrow key
// is one step on every splay grid, and leaving an ear-height radio recalculates.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <tuple>
#include <utility>

#include "app/background1.h"
#include "model/hardware/splay.h"
#include "venue/model/venue.h"
#include "app/tests/test_support.h"

namespace {

// The current array's readout, counting the reads of the safety level (one
// per recalculation), its lifting bar's best hole 3 at -1.5 degrees.
struct CountingReadout : TRigReadout {
    std::unique_ptr<TRigReadout> r;
    int& reads;
    CountingReadout(TForm1& w, int& reads)
        : r(MakeArrayReadout([&w] { return w.FVenue->LSArray.get(); })), reads(reads) {}
    uint8_t SafetyLevel() override { return ++reads, r->SafetyLevel(); }
    TArrayRigResults RigResults() override { return r->RigResults(); }
    double Mass() override { return r->Mass(); }
    double FrontPickLoad() override { return r->FrontPickLoad(); }
    double RearPickLoad() override { return r->RearPickLoad(); }
    int BestHole() override { return 3; }
    double LiftBarAngle() override { return -1.5; }
    double TopAngleOffset() override { return r->TopAngleOffset(); }
    uint8_t TypeCode() override { return r->TypeCode(); }
    double BottomAngle() override { return r->BottomAngle(); }
};

// A design started as the user starts it, its recalculations counted.
struct Design : TestWindow {
    int reads = 0;
    Design() {
        w->DesignTBut->click();
        w->SetRigReadout(std::make_unique<CountingReadout>(*w, reads));
    }
    int Recalculations() { return std::exchange(reads, 0); }
};

// Each action ends in the other mode than the one it starts from.
TEST(DesignMode, WhoeverChecksAutoOrManualSetsTheDesignMode) {
    using Act = std::function<void(TForm1&)>;
    const struct { const char* what; Act act; uint8_t autoDesign; } cases[] = {
        {"type chosen after Manual", [](TForm1& w) { w.tbman->click(), w.allbexarad->click(); }, 1},
        {"Hoba matched to an automatic Arvo design", [](TForm1& w) { w.matchhobabut->click(); }, 0},
        {"the lifting bar's angle applied to an automatic design", [](TForm1& w) {
             w.allbexarad->click(), w.ArrayTBut->click(), w.liftbarrad->click();
             w.ApplyAngBut->click();
         }, 0},
        {"flown chosen in a manual stacked design", [](TForm1& w) {
             w.ArrayTBut->click(), w.stackrad->click(), w.tbman->click();
             w.flyrad->click();
         }, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Design t;
        c.act(*t);
        EXPECT_EQ(t->FAutoDesign, c.autoDesign);
        EXPECT_EQ(t->tbauto->isChecked(), c.autoDesign == 1);
    }
}

TEST(DesignMode, OneChangeOfTheModeRecalculatesOnce) {
    Design t;
    t->Recalculate();
    const int one = t.Recalculations();
    ASSERT_GT(one, 0);
    const struct { QToolButton* button; bool byCode; int recalculations; } steps[] = {
        {t->tbman, false, 1}, {t->tbman, false, 0}, {t->tbauto, true, 1},
        {t->tbauto, true, 0}, {t->tbman, true, 1},  {t->tbauto, false, 1}};
    for (const auto& s : steps) {
        SCOPED_TRACE(s.button->objectName().toStdString() + (s.byCode ? " by code" : " clicked"));
        if (s.byCode) s.button->setChecked(true);
        else s.button->click();
        EXPECT_EQ(t->FAutoDesign, s.button == t->tbauto ? 1 : 0);
        EXPECT_EQ(t.Recalculations(), s.recalculations * one);
    }
}

// The radios whose groups the window keeps itself, so that code can empty them.
TEST(Radios, AClickNeverUnchecksARadioTheClearButtonsStillDo) {
    TestWindow t;
    TForm1& w = *t;
    using Page = std::tuple<QWidget*, QRadioButton*, QPushButton*>;
    for (const auto& [page, radio, clear] : {Page{w.Singlets, w.allbexarad, w.clearsingle},
                                            Page{w.Mixedts, w.mixruddbexarad, w.clearmix}}) {
        auto checked = [rs = page->findChildren<QRadioButton*>()] {
            return std::count_if(rs.begin(), rs.end(), [](auto* r) { return r->isChecked(); });
        };
        w.boxchoicePC->setCurrentWidget(page);
        radio->click();
        ASSERT_EQ(checked(), 1);
        clear->click();
        EXPECT_EQ(checked(), 0) << clear->objectName().toStdString();
    }
    auto state = [&w] { return std::tuple(w.FArrayType, w.FInstallMode, w.FCabinetHandlerRuns); };
    const QList<QRadioButton*> types =
        w.Singlets->findChildren<QRadioButton*>() + w.Mixedts->findChildren<QRadioButton*>();
    ASSERT_EQ(types.size(), 19);
    for (QRadioButton* r : types + QList{w.tourrad, w.installrad}) {
        SCOPED_TRACE(r->objectName().toStdString());
        r->setEnabled(true);
        w.boxchoicePC->setCurrentWidget(w.Mixedts->isAncestorOf(r) ? w.Mixedts : w.Singlets);
        if (!r->isChecked()) r->click();
        const auto before = state();
        r->click();
        EXPECT_TRUE(r->isChecked());
        EXPECT_EQ(state(), before);
    }
}

// Left and Right in both columns, Up in the top row and Down in the last (end 1), on each
// grid: one step, also for a key the grid cannot use itself.
TEST(GridKeys, EveryArrowKeyOnEachSplayGridStepsOnce) {
    TestWindow t;
    TForm1& w = *t;
    w.DesignTBut->click();
    w.show();
    w.boxchoicePC->setCurrentWidget(w.Mixedts);
    w.MIXIVORDOVIELKARAD->click();  // three models: three grids with rows
    w.tbman->click();
    const int n1 = w.FNumBoxes1, n2 = w.FNumBoxes2, n3 = w.FNumBoxes3;
    const struct { QTableWidget* grid; int first, rows; } grids[] = {
        {w.ArvoStrGrid, 0, n1}, {w.BexaStrGrid, n1, n2}, {w.box3strgrid, n1 + n2, n3}};
    // Down stops at the second model's last cabinet, as the pointer's hit test does.
    const int last = n1 + n2 - 1;
    for (const auto& g : grids) {
        ASSERT_GT(g.rows, 0);
        for (const auto& [key, end] : {std::pair{Qt::Key_Left, 0}, {Qt::Key_Left, 1},
                                       {Qt::Key_Right, 0}, {Qt::Key_Right, 1}, {Qt::Key_Up, 0},
                                       {Qt::Key_Down, 1}}) {
            SCOPED_TRACE(testing::Message() << g.grid->objectName().toStdString() << key << end);
            const bool splay = key == Qt::Key_Left || key == Qt::Key_Right;
            const int row = splay ? 0 : end * (g.rows - 1);
            g.grid->setCurrentCell(row, splay ? end : 0);
            const int from = w.FSelElement = splay ? 0 : g.first + row;  // 0: the grid angle
            const double before = w.FSplay->Angle[0];
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(g.grid, &press);
            if (splay) EXPECT_EQ(w.FSplay->Angle[0], before + (key == Qt::Key_Left ? 0.25 : -0.25));
            else EXPECT_EQ(w.FSelElement, key == Qt::Key_Up ? std::max(from - 1, 0)
                                                            : std::min(from + 1, last));
        }
    }
}

TEST(EarHeights, LeavingStandingOrPlaneThreeSeatedRecalculates) {
    TestWindow t;
    TForm1& w = *t;
    w.DesignTBut->click();
    w.FP3EarHeight = 1.55;
    // The others recalculate on a click, not on leaving.
    for (const auto& [radio, recalculates] :
         {std::pair{w.P2stand, true}, {w.P3sit, true}, {w.P3stand, true}, {w.P1sit, false},
          {w.P1stand, false}, {w.P2sit, false}}) {
        w.FVenue->Plane3EarHeight = 1.4;
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(radio, &out);
        EXPECT_EQ(w.FVenue->Plane3EarHeight == 1.55, recalculates)
            << radio->objectName().toStdString();
    }
}

TEST(EarHeights, AWindowClosedWithFocusOnAnEarHeightRadioGoesQuietly) {
    TestWindow t;
    t->show();
    t->activateWindow();
    t->P3sit->setFocus();
    QApplication::processEvents();
    if (QApplication::focusWidget() != t->P3sit) GTEST_SKIP() << "no keyboard focus here";
    t.w.reset();  // the radio loses its focus while the window goes; an error box fails the test
}

}  // namespace
