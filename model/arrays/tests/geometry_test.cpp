// Element geometry: tilts, heights, distances and aiming lines.  Expected
// figures are worked out by hand (a desk calculator at 30 digits) from the
// rules, not taken from the code.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "model/arrays/lsarray.h"
#include "model/arrays/trig.h"
#include "platform/core/errors.h"
#include "model/arrays/tests/splay_of.h"

namespace {

constexpr double kTol = 1e-12;
// The slope and the intercept each add 1e-9 degree to their angle, on
// opposite sides of the tilt, so the line meets the point within about
// 2 * X * 1.75e-11.
constexpr double kAimTol = 1e-10;

// Elements 0..n-1 against hand-worked tilts (nullptr: not checked),
// heights and distances; with aimTol > 0 also that each aiming line passes
// through its element's height at x = -X.
void ExpectColumn(const TLoudspeakerArray& a, int n, const double* tilt, const double* h,
                  const double* x, double tol, double aimTol = 0.0) {
    for (int i = 0; i < n; ++i) {
        SCOPED_TRACE(i);
        if (tilt != nullptr) {
            EXPECT_DOUBLE_EQ(a.Tilt[i], tilt[i]);
        }
        EXPECT_NEAR(a.ElementHeight[i], h[i], tol);
        EXPECT_NEAR(a.ElementDistance[i], x[i], tol);
        if (aimTol > 0.0) {
            EXPECT_NEAR(a.AimSlope[i] * -a.ElementDistance[i] + a.AimIntercept[i], h[i], aimTol);
        }
    }
}

TEST(Geometry, ThreeLevelCabinetsFlown) {
    TArvoArray a;
    a.ArvoBox->FrontHeight = 0.3;
    TSplay s = SplayOf({0, 0, 0});
    a.SetUp(s, 3, 0, 0, 10.0, 0.0);
    const double h[] = {9.85, 9.55, 9.25};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(a.ElementHeight[i], h[i], kTol);
        EXPECT_EQ(a.ElementDistance[i], 0.0);
        EXPECT_EQ(a.Tilt[i], 0.0);
        // -tan(1e-9 degrees): tiny and negative.
        EXPECT_NEAR(a.AimSlope[i], -1.7453292519943296e-11, 1e-24);
        EXPECT_LT(a.AimSlope[i], 0.0);
        EXPECT_NEAR(a.AimIntercept[i], h[i], kAimTol);
    }
    EXPECT_EQ(a.Splay, &s);  // the caller's list is the one in use
}

TEST(Geometry, SplaysTwoThreeFourFlown) {
    TArvoArray a;
    a.ArvoBox->FrontHeight = 0.3;
    TSplay s = SplayOf({2, 3, 4});
    a.SetUp(s, 3, 0, 0, 10.0, 0.0);
    const double tilt[] = {2, 5, 9};
    const double h[] = {9.8500913759471356, 9.5507535471805095, 9.253171091377477};
    const double x[] = {0.0052349245053751457, 0.023543210422899018, 0.060081741591082374};
    ExpectColumn(a, 3, tilt, h, x, kTol, kAimTol);
    for (int i = 0; i < 3; ++i) EXPECT_LT(a.AimSlope[i], 0.0) << i;  // a front-down tilt aims down
    EXPECT_EQ(a.RigElementCount, 4);
}

TEST(Geometry, SplaysTwoThreeFourStackedOnTheGrid) {
    TArvoArray a;
    a.ArvoBox->FrontHeight = 0.3;
    a.SetRigMode(2);
    TSplay s = SplayOf({2, 3, 4});
    a.SetUp(s, 3, 0, 0, 10.0, 0.0);
    const double tilt[] = {-1, 1, 4};
    // Stage 10 m plus the full-size grid's plate 0.125 and gap 0.01.
    const double h[] = {10.884200677898323, 10.584246369351406, 10.284634607538974};
    const double x[] = {-0.0026178609655925269, -0.0026178609655925269, 0.010463471061618795};
    ExpectColumn(a, 3, tilt, h, x, kTol, kAimTol);  // distances stay top-down
    // The hole nearest to the last element's splay (4) is hole 6.
    EXPECT_EQ(a.GroundStackBar->CurrentIndex, 6);
    EXPECT_DOUBLE_EQ(a.GroundStackBar->CurrentValue, 4.0);
}

TEST(Geometry, OtherRigModesLeaveTiltsLevelAndHeightsAsTheyWere) {
    TArvoArray a;
    TSplay s = SplayOf({2, 3, 4});
    a.SetUp(s, 3, 0, 0, 10.0, 0.0);
    const double before = a.ElementHeight[1];
    a.RigMode = 3;
    a.SetUp(s, 3, 0, 0, 4.0, 0.0);
    EXPECT_EQ(a.Tilt[2], 0.0);
    EXPECT_EQ(a.ElementHeight[1], before);
}

TEST(Geometry, JunctionGapDropsTheSecondModel) {
    // 2 full-size over 2 compact cabinets, splays 1, 2, 3, 4 at 8 m.
    TArvoBexaArray a;
    TSplay s = SplayOf({1, 2, 3, 4});
    a.SetUp(s, 2, 2, 0, 8.0, 0.0);
    const double tilt[] = {1, 3, 6, 10};
    const double h[] = {7.7515378477536368, 7.2549162561207619, 6.7754277850764693,
                        6.4142001242470314};
    const double x[] = {0.0043369229996649529, 0.021679331125701448, 0.057682871286184682,
                        0.10845010825674623};
    ExpectColumn(a, 4, tilt, h, x, kTol, kAimTol);
    EXPECT_EQ(a.ElementCount, 4);
    EXPECT_EQ(a.RigElementCount, 6);
    // The walk ends on the last element's cabinet.
    EXPECT_EQ(a.CurrentBox, a.BexaBox);

    // Without the gap the first two stay, the others rise by
    // (0.05 / 2)(cos 3 + cos 6).
    TArvoBexaArray b;
    b.JunctionGap = 0.0;
    b.SetUp(s, 2, 2, 0, 8.0, 0.0);
    EXPECT_NEAR(b.ElementHeight[0], a.ElementHeight[0], kTol);
    EXPECT_NEAR(b.ElementHeight[1], a.ElementHeight[1], kTol);
    EXPECT_NEAR(b.ElementHeight[2] - a.ElementHeight[2], 0.04982878575307118, kTol);
    EXPECT_NEAR(b.ElementHeight[3] - a.ElementHeight[3], 0.04982878575307118, kTol);

    // The family never looks at the rig mode.
    TArvoBexaArray c;
    c.SetRigMode(2);
    c.SetUp(s, 2, 2, 0, 8.0, 0.0);
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(c.ElementHeight[i], h[i], kTol);

    // Each step takes the cabinet above before its own, so the walk ends on
    // the last element's cabinet even when it is the only one of its model;
    // with no second-model cabinet the first model stays current.
    TArvoBexaArray d;
    d.SetUp(s, 2, 1, 0, 8.0, 0.0);
    EXPECT_EQ(d.CurrentBox, d.BexaBox);
    d.SetUp(s, 3, 0, 0, 8.0, 0.0);
    EXPECT_EQ(d.CurrentBox, d.ArvoBox);
}

TEST(Geometry, MiniMixFlownTakesEachCabinetsHeight) {
    // 1 mini subwoofer (0.62) over 2 mini cabinets (0.241), splays 0, 1, 2.
    TIvorDoviArray a;
    TSplay s = SplayOf({0, 1, 2});
    a.SetUp(s, 1, 2, 0, 10.0, 0.0);
    const double h[] = {9.69, 9.2595183527336549, 9.0187018465293836};
    const double x[] = {0.0, 0.0021030149756926633, 0.010512512678660058};
    ExpectColumn(a, 3, nullptr, h, x, kTol);
    EXPECT_EQ(a.CurrentBox, a.IvorBox);  // ends on the first model
}

TEST(Geometry, IvorDoviStackStandsMiniCabinetsOnTheSubwoofers) {
    // 2 subwoofers, 2 mini cabinets with splays 2 and 3, stage at 1 m.
    TIvorDoviArray a;
    a.SetRigMode(2);
    TSplay s = SplayOf({0, 0, 2, 3});
    a.SetUp(s, 2, 2, 0, 1.0, 0.0);
    const double tilt[] = {0, 0, 1, 3};
    const double h[] = {1.93, 1.31, 2.6011513651421974, 2.3603348589379262};
    const double x[] = {0.0, 0.0, -0.014715980430242127, -0.0063064827272747318};
    ExpectColumn(a, 4, tilt, h, x, kTol);
    EXPECT_EQ(a.RigElementCount, 4);
    EXPECT_EQ(a.GroundStackBar->CurrentIndex, 0);  // no hole chosen
    EXPECT_EQ(a.CurrentBox, a.IvorBox);
}

TEST(Geometry, IvorDoviStackWithOneMiniCabinetUsesItsOwnHeight) {
    TIvorDoviArray a;
    a.SetRigMode(2);
    TSplay s = SplayOf({0, 5});
    a.SetUp(s, 1, 1, 0, 1.0, 0.0);
    EXPECT_NEAR(a.ElementHeight[0], 1.31, kTol);
    EXPECT_NEAR(a.ElementHeight[1], 1.7400414611200553, kTol);
    EXPECT_NEAR(a.ElementDistance[1], -0.01050226700109281, kTol);
}

TEST(Geometry, IvorDoviStackWithoutSubwoofersStandsOnTheStage) {
    // The mini cabinets of the stack above, now straight on a 1 m stage.
    TIvorDoviArray a;
    a.SetRigMode(2);
    TSplay s = SplayOf({2, 3});
    a.SetUp(s, 0, 2, 0, 1.0, 0.0);
    EXPECT_NEAR(a.ElementHeight[0], 1.3611513651421974, kTol);
    EXPECT_NEAR(a.ElementHeight[1], 1.1203348589379262, kTol);
    EXPECT_NEAR(a.ElementDistance[0], -0.014715980430242127, kTol);
    EXPECT_NEAR(a.ElementDistance[1], -0.0063064827272747318, kTol);
    // Nothing of the earlier set-up is read: 2 m higher stage, 2 m higher.
    a.SetUp(s, 0, 2, 0, 3.0, 0.0);
    EXPECT_NEAR(a.ElementHeight[1], 3.1203348589379262, kTol);
}

TEST(Geometry, HobaBexaChainsTheCompactCabinetsBelowTheSubwoofers) {
    TSplay s = SplayOf({0, 2.5, 3, 4});
    THobaBexaARRAY a;
    a.SetUp(s, 2, 2, 0, 10.0, 0.0);
    const double tilt[] = {0, 2.5, 5.5, 9.5};
    const double h[] = {9.7898955098922688, 9.2652331857124448, 8.8263641127432898,
                        8.464707184260735};
    const double x[] = {-0.00076142273451379008, 0.01068674990450732, 0.040063421550458318,
                        0.087676459454972867};
    ExpectColumn(a, 4, tilt, h, x, kTol);
    EXPECT_EQ(a.CurrentBox, a.HobaBox);
}

TEST(Geometry, HobaDoviTakesTheGapOnTheMiniSideOnly) {
    // 2 subwoofers (0.49 high, 0.8 deep) over 2 mini cabinets (0.241),
    // splays 1, 2, 3, 4 at 10 m: tilts are running sums; the subwoofers
    // move to their rear against the tilt of element 1; the first mini
    // hangs (0.241 + 0.2) / 2 below its own centre line, the subwoofer's
    // half height above it carries no gap.
    TSplay s = SplayOf({1, 2, 3, 4});
    THobaDoviArray a;
    a.SetUp(s, 2, 2, 0, 10.0, 0.0);
    const double tilt[] = {1, 3, 6, 10};
    const double h[] = {9.782944154531211, 9.265410393358497, 8.801454079414922,
                        8.562944856785075};
    const double x[] = {0.0033013112556805613, 0.021373988433790125, 0.05724482386382896,
                        0.0907651090964463};
    ExpectColumn(a, 4, tilt, h, x, 1e-9, 1e-9);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(a.AimSlope[i], -std::tan((tilt[i] + 1e-9) * 3.14159265358979323846 / 180.0), 1e-15)
            << i;
    EXPECT_EQ(a.CurrentBox, a.HobaBox);
}

TEST(Geometry, ThreeModelMixTakesTheThirdCabinetBelowTheSecond) {
    // 1 mini subwoofer (0.62), 2 mini cabinets (0.241), 1 mini downfill
    // (0.284), splays 0, 1, 2, 10 at 10 m, flown.
    TSplay s = SplayOf({0, 1, 2, 10});
    TIvorDoviElkaArray a;
    a.SetUp(s, 1, 2, 1, 10.0, 0.0);
    const double tilt[] = {0, 1, 3, 13};
    const double h[] = {9.69, 9.259518352733656, 9.018701846529384, 8.760006438391954};
    const double x[] = {0.0, 0.0021030149756926632, 0.010512512678660059, 0.048762045122763616};
    ExpectColumn(a, 4, tilt, h, x, 1e-9);
    EXPECT_EQ(a.ElementCount, 4);
    EXPECT_EQ(a.CurrentBox, a.IvorBox);  // ends on the first model
}

TEST(Geometry, MixedStackTakesEachCabinetAndTheGrid) {
    // 1 mini cabinet over 1 mini downfill, both at 15 degrees, stage 1 m,
    // mini grid plate 0.08 and gap 0.002.
    TDoviElkaArray a;
    a.SetRigMode(2);
    TSplay s = SplayOf({0, 15});
    a.SetUp(s, 1, 1, 0, 1.0, 0.0);
    EXPECT_DOUBLE_EQ(a.Tilt[0], 15.0);
    EXPECT_DOUBLE_EQ(a.Tilt[1], 15.0);
    EXPECT_NEAR(a.ElementHeight[0], 1.4727169967339281, kTol);
    EXPECT_NEAR(a.ElementHeight[1], 1.2191614673330477, kTol);
    EXPECT_EQ(a.CurrentBox, a.DoviBox);
    EXPECT_EQ(a.GroundStackBar->CurrentIndex, 6);  // tilt 15
}

TEST(Geometry, OnlySomeClassesChooseAGroundStackHole) {
    TSplay s = SplayOf({0, 15});
    TElkaArray elka;
    elka.SetRigMode(2);
    elka.SetUp(s, 2, 0, 0, 1.0, 0.0);
    EXPECT_EQ(elka.GroundStackBar->CurrentIndex, 6);
    TIvorElkaArray ivorElka;
    ivorElka.SetRigMode(2);
    ivorElka.SetUp(s, 1, 1, 0, 1.0, 0.0);
    EXPECT_EQ(ivorElka.GroundStackBar->CurrentIndex, 0);
    TIvorDoviElkaArray ivorDoviElka;
    ivorDoviElka.SetRigMode(2);
    ivorDoviElka.SetUp(s, 1, 0, 1, 1.0, 0.0);
    EXPECT_EQ(ivorDoviElka.GroundStackBar->CurrentIndex, 0);
}

TEST(Geometry, HobaWithOneElementReadsTheTiltLeftInElementOne) {
    THobaARRAY a;
    TSplay s = SplayOf({0, 2.5, 2.5});
    a.SetUp(s, 3, 0, 0, 10.0, 0.0);
    ASSERT_DOUBLE_EQ(a.Tilt[1], 2.5);
    a.SetUp(s, 1, 0, 0, 10.0, 0.0);
    EXPECT_NEAR(a.ElementHeight[0], 9.7898955098922688, kTol);
    EXPECT_NEAR(a.ElementDistance[0], -0.00076142273451379008, kTol);
}

TEST(Geometry, MiniGridSwitchComesAfterTheGeometryOnlyInTheSingleModelArrays) {
    // Stacked on the combination grid: the single-model array still stands
    // on the mini grid's plate (0.08 + 0.002) the first time, the mix on the
    // combination grid's (0.1 + 0.002).
    TSplay s = SplayOf({0});
    TDoviArray dovi;
    dovi.CombinationGrid = true;
    dovi.SetRigMode(2);
    dovi.SetUp(s, 1, 0, 0, 1.0, 0.0);
    EXPECT_NEAR(dovi.ElementHeight[0], 1.0 + 0.1205 + 0.082, kTol);
    EXPECT_EQ(dovi.Grid, dovi.MiniRig.BexaGrid);
    dovi.SetUp(s, 1, 0, 0, 1.0, 0.0);
    EXPECT_NEAR(dovi.ElementHeight[0], 1.0 + 0.1205 + 0.102, kTol);

    TDoviElkaArray mix;
    mix.CombinationGrid = true;
    mix.SetRigMode(2);
    mix.SetUp(s, 1, 0, 0, 1.0, 0.0);
    EXPECT_NEAR(mix.ElementHeight[0], 1.0 + 0.1205 + 0.102, kTol);
}

TEST(Geometry, MiniGridSwitchCarriesTheGridSettings) {
    TDoviArray a;
    a.Grid->SetRigMode(4, 1);
    a.Grid->PrimaryHolesUsed = 0;
    a.Grid->AlternateHolesUsed = 1;
    a.CombinationGrid = true;
    TSplay s;
    a.SetUp(s, 2, 0, 0, 5.0, 0.0);
    TGrid* g = a.MiniRig.BexaGrid;
    EXPECT_EQ(a.Grid, g);
    EXPECT_EQ(g->PickMode, 4);
    EXPECT_EQ(g->PickSide, 1);
    EXPECT_EQ(g->PrimaryHolesUsed, 0);
    EXPECT_EQ(g->AlternateHolesUsed, 1);
    EXPECT_DOUBLE_EQ(g->Mass, 60.0);
    EXPECT_EQ(a.CurrentLiftBar, a.MiniRig.LiftBar);
    EXPECT_EQ(a.CurrentLiftBar->PickSide, 1);

    a.CombinationGrid = false;
    a.SetUp(s, 2, 0, 0, 5.0, 0.0);
    EXPECT_EQ(a.Grid, a.MiniRig.DoviGrid);
    EXPECT_DOUBLE_EQ(a.Grid->Mass, 40.0);
    EXPECT_EQ(a.Grid->PickMode, 4);
    EXPECT_EQ(a.CurrentLiftBar, a.MiniRig.DoviLiftBar);
}

TEST(Geometry, CountsOutsideTheTablesStop) {
    TSplay s;
    TArvoArray a;
    a.SetUp(s, 0, 0, 0, 10.0, 0.0);  // flown, nothing to compute
    EXPECT_NO_THROW(a.SetUp(s, 41, 0, 0, 10.0, 0.0));
    EXPECT_THROW(a.SetUp(s, 42, 0, 0, 10.0, 0.0), rtl::RangeError);
    EXPECT_THROW(a.SetUp(s, INT_MAX, 0, 0, 10.0, 0.0), rtl::OverflowError);

    TBexaArray stacked;
    stacked.SetRigMode(2);
    EXPECT_THROW(stacked.SetUp(s, 0, 0, 0, 1.0, 0.0), rtl::RangeError);

    TArvoBexaArray mix;
    EXPECT_THROW(mix.SetUp(s, INT_MAX, 1, 0, 10.0, 0.0), rtl::OverflowError);
    EXPECT_THROW(mix.SetUp(s, 30, 12, 0, 10.0, 0.0), rtl::RangeError);
    TIvorDoviElkaArray three;
    EXPECT_THROW(three.SetUp(s, 1, 1, INT_MAX, 10.0, 0.0), rtl::OverflowError);
}

}  // namespace

// The degree functions reduce by quarter turns before calling the library;
// the values at and around each quarter must be those of the plain formulas.
TEST(DegreeTrigonometry, AgreesWithThePlainFormulasAllRoundTheCircle) {
    for (long double d : {-720.0L, -405.5L, -270.0L, -135.25L, -90.0L, -45.0L, -1e-9L, 0.0L, 2.0L,
                          44.99L, 45.0L, 45.01L, 89.999999999L, 90.0L, 135.0L, 180.0L, 224.5L,
                          270.0L, 359.0L}) {
        EXPECT_NEAR(static_cast<double>(SinDeg(d)), std::sin(static_cast<double>(d) * M_PI / 180.0),
                    1e-12) << static_cast<double>(d);
        EXPECT_NEAR(static_cast<double>(CosDeg(d)), std::cos(static_cast<double>(d) * M_PI / 180.0),
                    1e-12) << static_cast<double>(d);
    }
    EXPECT_NEAR(static_cast<double>(TanDeg(30.0L)), 1.0 / std::sqrt(3.0), 1e-15);
    EXPECT_NEAR(static_cast<double>(TanDeg(120.0L)), -std::sqrt(3.0), 1e-14);
    EXPECT_NEAR(static_cast<double>(TanDeg(-60.0L)), -std::sqrt(3.0), 1e-14);
    EXPECT_NEAR(static_cast<double>(TanDeg(225.0L)), 1.0, 1e-15);
    // The aim line's steep tangent, 90 degrees less a small tilt.
    EXPECT_NEAR(static_cast<double>(TanDeg(90.0L - 2.0L)), 1.0 / std::tan(2.0 * M_PI / 180.0), 1e-10);
    EXPECT_EQ(SinDeg(0.0L), 0.0L);
    EXPECT_EQ(CosDeg(90.0L), 0.0L);
    EXPECT_TRUE(std::isfinite(SinDeg(1e16L)));
}
