// The window's choices and their handlers: the Auto / Manual pair follows
// whoever checks it, a click never unchecks a radio, one arrow key is one
// step on every splay grid, and leaving an ear-height radio recalculates.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/array_readout.h"
#include "app/background1.h"
#include "model/arrays/lsarray.h"
#include "model/hardware/splay.h"
#include "venue/model/venue.h"
#include "platform/qtapp/updown.h"
#include "app/tests/test_support.h"

namespace {

// The window's readout of the current array, counting how often the
// rigging loads were read: once per recalculation on the venue page.
class CountingReadout : public TRigReadout {
public:
    CountingReadout(TForm1& w, int& reads, int hole = -2, double liftBarAngle = 0.0)
        : real_(MakeArrayReadout([&w] { return w.FVenue->LSArray.get(); })),
          reads_(reads),
          hole_(hole),
          liftBarAngle_(liftBarAngle) {}
    uint8_t SafetyLevel() override {
        ++reads_;
        return real_->SafetyLevel();
    }
    TArrayRigResults RigResults() override { return real_->RigResults(); }
    double Mass() override { return real_->Mass(); }
    double FrontPickLoad() override { return real_->FrontPickLoad(); }
    double RearPickLoad() override { return real_->RearPickLoad(); }
    // A hole of -2 is the array's own.
    int BestHole() override { return hole_ == -2 ? real_->BestHole() : hole_; }
    double LiftBarAngle() override { return hole_ == -2 ? real_->LiftBarAngle() : liftBarAngle_; }
    double TopAngleOffset() override { return real_->TopAngleOffset(); }
    uint8_t TypeCode() override { return real_->TypeCode(); }
    double BottomAngle() override { return real_->BottomAngle(); }

private:
    std::unique_ptr<TRigReadout> real_;
    int& reads_;
    int hole_;
    double liftBarAngle_;
};

struct Window {
    ScratchDir user, program;
    ErrorRecorder rec;
    std::unique_ptr<TForm1> w;
    int reads = 0;
    Window() {
        InitAllowedAngles();
        w = std::make_unique<TForm1>(TestEnv(user, program));
        w->resize(1000, 700);
    }
    ~Window() { InitAllowedAngles(); }
    // A design started as the user starts it, its loads counted from here on.
    void Design(int hole = -2, double liftBarAngle = 0.0) {
        w->DesignTBut->click();
        w->SetRigReadout(std::make_unique<CountingReadout>(*w, reads, hole, liftBarAngle));
    }
    // Recalculations since the last call.
    int Recalculations() {
        const int n = reads;
        reads = 0;
        return n;
    }
    std::string Errors() const { return rec.errors.join("\n").toStdString(); }
};

std::vector<double> Angles(const TForm1& w) {
    const int n = w.FNumBoxes1 + w.FNumBoxes2 + w.FNumBoxes3;
    std::vector<double> angles;
    for (int k = 0; k <= n; ++k) angles.push_back(w.FSplay->Angle[k]);
    return angles;
}

// A press and release of the left button on the radio's indicator.
void MouseClick(QWidget* radio) {
    const QPointF at(6, radio->height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, radio->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(radio, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, radio->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(radio, &release);
}

// --- the design mode ------------------------------------------------------------

TEST(DesignMode, WhoeverChecksAutoOrManualSetsTheDesignMode) {
    const struct Case {
        const char* what;
        std::function<void(Window&)> before;
        std::function<void(Window&)> act;
        uint8_t autoDesign;
        bool autoPressed, manualPressed;
        bool anglesKept;  // the angles the action set survive the next recalculation
    } cases[] = {
        {"a type chosen in manual design",
         [](Window& t) {
             t.Design();
             t.w->tbman->click();
         },
         [](Window& t) { t.w->allbexarad->click(); }, 1, true, false, false},
        {"Hoba matched to an automatic Arvo design", [](Window& t) { t.Design(); },
         [](Window& t) {
             ASSERT_TRUE(t.w->matchhobabut->isEnabled());
             t.w->matchhobabut->click();
             ASSERT_EQ(t.w->FArrayType, "Hoba");
         },
         0, false, true, true},
        {"the lifting bar's angle applied to an automatic design",
         [](Window& t) {
             t.Design(3, -1.5);  // hole 3 the best, at -1.5 degrees
             t.w->allbexarad->click();
             t.w->ArrayTBut->click();
             ASSERT_TRUE(t.w->liftbarrad->isEnabled());
             t.w->liftbarrad->click();
             ASSERT_EQ(t.w->FPickOption, 4);
         },
         [](Window& t) {
             ASSERT_TRUE(t.w->ApplyAngBut->isEnabled());
             t.w->ApplyAngBut->click();
             EXPECT_EQ(t.w->FSplay->Angle[0], 1.5);
         },
         0, false, true, true},
        {"flown chosen in a manual stacked design",
         [](Window& t) {
             t.Design();
             t.w->ArrayTBut->click();
             t.w->stackrad->click();
             ASSERT_EQ(t.w->FRigMode, 2);
             t.w->tbman->click();
         },
         [](Window& t) { t.w->flyrad->click(); }, 1, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Window t;
        c.before(t);
        c.act(t);
        EXPECT_EQ(t.w->FAutoDesign, c.autoDesign);
        EXPECT_EQ(t.w->tbauto->isChecked(), c.autoPressed);
        EXPECT_EQ(t.w->tbman->isChecked(), c.manualPressed);
        if (c.anglesKept) {
            const std::vector<double> set = Angles(*t.w);
            t.w->Recalculate();
            EXPECT_EQ(Angles(*t.w), set);
        }
        EXPECT_TRUE(t.rec.errors.isEmpty()) << t.Errors();
    }
}

TEST(DesignMode, OneChangeOfTheModeRecalculatesOnce) {
    Window t;
    t.Design();
    TForm1& w = *t.w;
    w.Recalculate();
    const int one = t.Recalculations();
    ASSERT_GT(one, 0);
    const struct {
        QToolButton* TForm1::*button;
        bool byCode;
        uint8_t autoDesign;
        int recalculations;  // in units of one recalculation
    } steps[] = {
        {&TForm1::tbman, false, 0, 1},
        {&TForm1::tbman, false, 0, 0},  // already manual: nothing changes
        {&TForm1::tbauto, true, 1, 1},
        {&TForm1::tbauto, true, 1, 0},
        {&TForm1::tbman, true, 0, 1},
        {&TForm1::tbauto, false, 1, 1},
    };
    for (const auto& s : steps) {
        QToolButton* b = w.*s.button;
        SCOPED_TRACE(b->objectName().toStdString() + (s.byCode ? " by code" : " clicked"));
        if (s.byCode) b->setChecked(true);
        else b->click();
        EXPECT_EQ(w.FAutoDesign, s.autoDesign);
        // One pair: exactly one of them is pressed.
        EXPECT_TRUE(w.tbauto->isChecked() != w.tbman->isChecked());
        EXPECT_EQ(t.Recalculations(), s.recalculations * one);
    }
    EXPECT_TRUE(t.rec.errors.isEmpty()) << t.Errors();
}

// --- radios -----------------------------------------------------------------------

TEST(Radios, AClickOnACheckedRadioLeavesItCheckedAndRunsNothing) {
    using R = QRadioButton* TForm1::*;
    const struct Group {
        const char* what;
        std::vector<R> radios;
        // What the group's handlers change.
        std::function<std::string(TForm1&)> state;
        // The window in a state that offers the group's choices.
        std::function<void(TForm1&)> setup = [](TForm1&) {};
    } groups[] = {
        {"array types",
         {&TForm1::allarvorad, &TForm1::allbexarad, &TForm1::alldovirad, &TForm1::AllElkarad,
          &TForm1::allruddrad, &TForm1::allarvoxrad, &TForm1::allivorrad, &TForm1::mixarvobexarad,
          &TForm1::mixarvogirafrad, &TForm1::mixBexaCadrirad, &TForm1::mixbexadoviRAD,
          &TForm1::mixdovielkarad, &TForm1::mixruddarvorad, &TForm1::mixruddbexarad,
          &TForm1::mixarvoxbexarad, &TForm1::mixhobadovirad, &TForm1::mixivordovirad,
          &TForm1::MIXIVORELKARAD, &TForm1::MIXIVORDOVIELKARAD},
         [](TForm1& w) { return w.FArrayType + " " + std::to_string(w.FCabinetHandlerRuns); }},
        {"touring or install",
         {&TForm1::tourrad, &TForm1::installrad},
         [](TForm1& w) {
             return std::to_string(w.FInstallMode) + " " + std::to_string(w.FCabinetHandlerRuns);
         }},
        {"flown or stacked", {&TForm1::flyrad, &TForm1::stackrad},
         [](TForm1& w) { return std::to_string(w.FRigMode); }},
        {"grid front or rear", {&TForm1::Gridfrontrad, &TForm1::Gridrearrad},
         [](TForm1& w) { return w.FGridPosition; }},
        {"pick points", {&TForm1::FandRPPrad, &TForm1::liftbarrad},
         [](TForm1& w) { return std::to_string(w.FPickOption); }},
        {"lift points", {&TForm1::lb1prad, &TForm1::Lbshacklerad},
         [](TForm1& w) { return std::to_string(w.FPickOption); },
         [](TForm1& w) {
             w.allbexarad->click();
             w.liftbarrad->setEnabled(true);
             w.liftbarrad->click();
         }},
        {"lifting bar front or rear", {&TForm1::lbfrad, &TForm1::lbrrad},
         [](TForm1& w) { return std::to_string(w.FLiftBarPosition); },
         [](TForm1& w) {
             w.allbexarad->click();
             w.liftbarrad->setEnabled(true);
             w.liftbarrad->click();
         }},
        // Zoomed in only while stacked.
        {"side view zoom", {&TForm1::GVallrad, &TForm1::GVdetailrad},
         [](TForm1& w) { return std::to_string(w.FGridView); },
         [](TForm1& w) { w.stackrad->click(); }},
        {"plane 1 ear height", {&TForm1::P1sit, &TForm1::P1stand, &TForm1::P1cust},
         [](TForm1& w) { return std::to_string(w.FP1EarHeight) + std::to_string(w.p1custupdn->isEnabled()); }},
        {"plane 2 ear height", {&TForm1::P2sit, &TForm1::P2stand, &TForm1::P2cust},
         [](TForm1& w) { return std::to_string(w.FP2EarHeight) + std::to_string(w.p2custupdn->isEnabled()); }},
        {"plane 3 ear height", {&TForm1::P3sit, &TForm1::P3stand, &TForm1::P3cust},
         [](TForm1& w) { return std::to_string(w.FP3EarHeight) + std::to_string(w.P3custupdn->isEnabled()); }},
        {"units", {&TForm1::MetricRad, &TForm1::ImperialRad},
         [](TForm1& w) { return std::to_string(w.FMetric); }},
        {"patch diagram", {&TForm1::showupperrad, &TForm1::showlowerrad},
         [](TForm1& w) { return std::to_string(w.PaintRoadRuns()); }},
    };
    for (const bool byMouse : {false, true}) {
        for (const Group& g : groups) {
            SCOPED_TRACE(std::string(g.what) + (byMouse ? " by the mouse" : " by click()"));
            Window t;
            TForm1& w = *t.w;
            g.setup(w);
            for (R member : g.radios) {
                QRadioButton* r = w.*member;
                SCOPED_TRACE(r->objectName().toStdString());
                r->setEnabled(true);  // the test is the click, not the enabling
                // Turn to the radio's own page of the cabinet choice.
                for (QWidget* p = r->parentWidget(); p != nullptr; p = p->parentWidget())
                    if (p == w.Singlets || p == w.Mixedts) w.boxchoicePC->setCurrentWidget(p);
                if (!r->isChecked()) {
                    r->click();
                    ASSERT_TRUE(r->isChecked());
                }
                const std::string before = g.state(w);
                if (byMouse) MouseClick(r);
                else r->click();
                EXPECT_TRUE(r->isChecked());
                EXPECT_EQ(g.state(w), before);
                // One checked in its group (the type radios: on its page).
                int checked = 0;
                for (R other : g.radios)
                    if ((w.*other)->parentWidget() == r->parentWidget())
                        checked += (w.*other)->isChecked() ? 1 : 0;
                EXPECT_EQ(checked, 1);
            }
            EXPECT_TRUE(t.rec.errors.isEmpty()) << t.Errors();
        }
    }
}

TEST(Radios, TheClearButtonsAndThePageStillClearTheTypes) {
    Window t;
    TForm1& w = *t.w;
    auto checkedOn = [](QWidget* page) {
        int n = 0;
        for (QRadioButton* r : page->findChildren<QRadioButton*>()) n += r->isChecked() ? 1 : 0;
        return n;
    };
    ASSERT_EQ(checkedOn(w.Singlets), 1);
    w.clearsingle->click();
    EXPECT_EQ(checkedOn(w.Singlets), 0);
    w.boxchoicePC->setCurrentWidget(w.Mixedts);
    w.mixruddbexarad->click();
    EXPECT_EQ(w.FArrayType, "MIXRuddBexa");
    EXPECT_EQ(checkedOn(w.Mixedts), 1);
    w.clearmix->click();
    EXPECT_EQ(checkedOn(w.Mixedts), 0);
    w.mixruddbexarad->click();
    w.boxchoicePC->setCurrentWidget(w.Singlets);
    w.allbexarad->click();
    // Turning to the other page clears the page of the type no longer chosen.
    w.boxchoicePC->setCurrentWidget(w.Mixedts);
    EXPECT_EQ(checkedOn(w.Mixedts), 0);
    EXPECT_TRUE(w.allbexarad->isChecked());
    EXPECT_TRUE(t.rec.errors.isEmpty()) << t.Errors();
}

// --- keys on the splay grids ------------------------------------------------------

TEST(GridKeys, EveryArrowKeyOnASplayGridStepsOnce) {
    using G = QTableWidget* TForm1::*;
    const struct {
        G grid;
        int column;
        int key;
    } cases[] = {
        {&TForm1::ArvoStrGrid, 0, Qt::Key_Left},  {&TForm1::ArvoStrGrid, 1, Qt::Key_Left},
        {&TForm1::ArvoStrGrid, 0, Qt::Key_Right}, {&TForm1::ArvoStrGrid, 1, Qt::Key_Right},
        {&TForm1::BexaStrGrid, 0, Qt::Key_Left},  {&TForm1::BexaStrGrid, 1, Qt::Key_Left},
        {&TForm1::BexaStrGrid, 0, Qt::Key_Right}, {&TForm1::BexaStrGrid, 1, Qt::Key_Right},
        {&TForm1::box3strgrid, 0, Qt::Key_Left},  {&TForm1::box3strgrid, 1, Qt::Key_Left},
        {&TForm1::box3strgrid, 0, Qt::Key_Right}, {&TForm1::box3strgrid, 1, Qt::Key_Right},
    };
    Window t;
    TForm1& w = *t.w;
    t.Design();
    w.show();
    // Three models, so three grids with rows.
    w.boxchoicePC->setCurrentWidget(w.Mixedts);
    w.MIXIVORDOVIELKARAD->click();
    ASSERT_EQ(w.FArrayType, "MIXIvorDoviElka");
    w.tbman->click();
    ASSERT_EQ(w.FAutoDesign, 0);
    for (const auto& c : cases) {
        QTableWidget* grid = w.*c.grid;
        SCOPED_TRACE(grid->objectName().toStdString() + " column " + std::to_string(c.column) +
                     (c.key == Qt::Key_Left ? " left" : " right"));
        ASSERT_TRUE(grid->isVisible());
        ASSERT_GT(grid->rowCount(), 0);
        grid->setCurrentCell(0, c.column);
        w.FSelElement = 0;  // the grid angle
        const double before = w.FSplay->Angle[0];
        QKeyEvent press(QEvent::KeyPress, c.key, Qt::NoModifier);
        QApplication::sendEvent(grid, &press);
        EXPECT_EQ(w.FSplay->Angle[0], before + (c.key == Qt::Key_Left ? 0.25 : -0.25));
    }
    EXPECT_TRUE(t.rec.errors.isEmpty()) << t.Errors();
}

TEST(GridKeys, UpAndDownMoveTheSelectionByOneAtEveryRowOfEveryGrid) {
    Window t;
    TForm1& w = *t.w;
    t.Design();
    w.show();
    w.boxchoicePC->setCurrentWidget(w.Mixedts);
    w.MIXIVORDOVIELKARAD->click();
    ASSERT_EQ(w.FArrayType, "MIXIvorDoviElka");
    const int n1 = w.FNumBoxes1, n2 = w.FNumBoxes2, n3 = w.FNumBoxes3;
    ASSERT_GT(n3, 0);
    const struct {
        QTableWidget* grid;
        int first;  // the cabinet of the grid's top row
        int rows;
    } grids[] = {{w.ArvoStrGrid, 0, n1}, {w.BexaStrGrid, n1, n2}, {w.box3strgrid, n1 + n2, n3}};
    // Down stops at the last cabinet of the second model, as the pointer's
    // hit test does: cabinets of a third model are not selected by either.
    const int last = n1 + n2 - 1;
    for (const auto& g : grids) {
        ASSERT_EQ(g.grid->rowCount(), g.rows);
        for (int row = 0; row < g.rows; ++row) {
            for (const int key : {Qt::Key_Down, Qt::Key_Up}) {
                SCOPED_TRACE(g.grid->objectName().toStdString() + " row " + std::to_string(row) +
                             (key == Qt::Key_Down ? " down" : " up"));
                g.grid->setCurrentCell(row, 0);
                const int from = g.first + row;
                w.FSelElement = from;
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
                QApplication::sendEvent(g.grid, &press);
                const int want = key == Qt::Key_Down ? std::min(from + 1, last) : std::max(from - 1, 0);
                EXPECT_EQ(w.FSelElement, want);
            }
        }
    }
    EXPECT_TRUE(t.rec.errors.isEmpty()) << t.Errors();
}

// --- leaving an ear-height radio ----------------------------------------------------

TEST(EarHeights, LeavingStandingOrPlaneThreeSeatedRecalculates) {
    using R = QRadioButton* TForm1::*;
    const struct {
        R radio;
        int recalculations;
    } cases[] = {
        {&TForm1::P2stand, 1}, {&TForm1::P3sit, 1}, {&TForm1::P3stand, 1},
        // The others recalculate on a click, not on leaving.
        {&TForm1::P1sit, 0},   {&TForm1::P1stand, 0}, {&TForm1::P2sit, 0},
    };
    Window t;
    TForm1& w = *t.w;
    t.Design();
    w.Recalculate();
    const int one = t.Recalculations();
    ASSERT_GT(one, 0);
    for (const auto& c : cases) {
        QRadioButton* r = w.*c.radio;
        SCOPED_TRACE(r->objectName().toStdString());
        // An ear height the venue has not been given yet.
        w.FP3EarHeight = 1.55;
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(r, &out);
        EXPECT_EQ(t.Recalculations(), c.recalculations * one);
        EXPECT_EQ(w.FVenue->Plane3EarHeight == 1.55, c.recalculations == 1);
        w.FP3EarHeight = 1.4;
        w.Recalculate();
        t.Recalculations();
    }
    EXPECT_TRUE(t.rec.errors.isEmpty()) << t.Errors();
}

TEST(EarHeights, AWindowClosedWithFocusOnAnEarHeightRadioGoesQuietly) {
    ScratchDir user, program;
    ErrorRecorder rec;
    auto w = std::make_unique<TForm1>(TestEnv(user, program));
    w->show();
    w->activateWindow();
    w->P3sit->setFocus();
    QApplication::processEvents();
    if (QApplication::focusWidget() != w->P3sit) GTEST_SKIP() << "no keyboard focus on this platform";
    w.reset();  // the radio loses its focus while the window goes
    EXPECT_TRUE(rec.errors.isEmpty()) << rec.errors.join("\n").toStdString();
}

}  // namespace
