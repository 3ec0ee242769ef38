// The ground-stack tipping check and the safety level of a stack.
//
// Stacks of equal cabinets with every splay 0 stand upright: the base edges
// are the grid's base lengths, the stack is n cabinet heights tall, and the
// shift is TipForce x height / (mass x 9.8), all worked by hand below.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/arrays/lsarray.h"
#include "platform/core/errors.h"
#include "model/arrays/tests/rig_fake.h"

namespace {

constexpr double kArvoHeight = 0.497;  // the full-size cabinet's front height

// Three upright Arvo on a base reaching 0.5 m forward and 0.4 m back; the
// stand-in library weighs 200 kg with the centre of gravity at Cog.
class ArvoStack : public ::testing::Test {
protected:
    TArvoArray A;
    TSplay S;

    void SetUp() override {
        ResetFake();
        A.RigLibrary = &FakeRigLibrary();
        A.Grid->BaseFrontLength = 0.5;
        A.Grid->BaseRearLength = 0.4;
        A.Grid->Mass = 30.0;
        A.SetRigMode(2);
        Stack(0.0);
    }
    void Stack(double tipForce) { A.SetUp(S, 3, 0, 0, 0.0, tipForce); }
    uint8_t LevelWithCogAt(double x) {
        Fake().Cog.x = x;
        return A.SafetyLevel();
    }
};

TEST_F(ArvoStack, BareEdgesWithoutAPushAndBothPushedLimitsCountAsSafe) {
    ASSERT_DOUBLE_EQ(A.ArvoBox->FrontHeight, kArvoHeight);
    EXPECT_EQ(LevelWithCogAt(0.0), 2);
    EXPECT_DOUBLE_EQ(A.FrontTipLimit, 0.5);
    EXPECT_DOUBLE_EQ(A.RearTipLimit, -0.4);
    EXPECT_NEAR(A.StackHeight, 3 * kArvoHeight, 1e-12);
    Stack(100.0);
    (void)LevelWithCogAt(0.0);
    const double front = A.FrontTipLimit, rear = A.RearTipLimit;
    EXPECT_EQ(LevelWithCogAt(front), 0);
    EXPECT_EQ(LevelWithCogAt(rear), 0);
    EXPECT_EQ(LevelWithCogAt(std::nextafter(front, 1.0)), 2);
    EXPECT_EQ(LevelWithCogAt(std::nextafter(rear, -1.0)), 2);
    EXPECT_EQ(LevelWithCogAt(std::numeric_limits<double>::quiet_NaN()), 2);
}

TEST_F(ArvoStack, ForceShiftsBothEdgesInwardAndDoublingDoublesTheShift) {
    // 200 kg of cabinets and the 30 kg base: d = 100 x 1.491 / (230 x 9.8),
    // 0.0661 m.
    const double d = 100.0 * 3 * kArvoHeight / (230.0 * 9.8);
    Stack(100.0);
    (void)LevelWithCogAt(0.0);
    EXPECT_NEAR(A.FrontTipLimit, 0.5 - d, 1e-12);
    EXPECT_NEAR(A.RearTipLimit, -0.4 + d, 1e-12);
    EXPECT_EQ(LevelWithCogAt(0.5 - d - 1e-9), 0);
    EXPECT_EQ(LevelWithCogAt(0.5 - d + 1e-9), 2);

    Stack(200.0);
    (void)LevelWithCogAt(0.0);
    EXPECT_NEAR(0.5 - A.FrontTipLimit, 2 * d, 1e-12);
    EXPECT_NEAR(A.RearTipLimit + 0.4, 2 * d, 1e-12);
}

TEST_F(ArvoStack, RigModeChangeRefreshesTheLimitsOfAnEvaluatedStack) {
    Stack(1000.0);
    A.CalcMechanics();
    A.SetRigMode(1);
    A.FrontTipLimit = 99.0;
    A.SetRigMode(2);
    EXPECT_NEAR(A.FrontTipLimit, 0.5 - 1000.0 * 3 * kArvoHeight / (230.0 * 9.8), 1e-12);
}

TEST_F(ArvoStack, NothingToWeighIsUnsafeAndDividesByNothing) {
    Fake().MassValue = 0.0;
    A.Grid->Mass = 0.0;
    Stack(1000.0);
    EXPECT_EQ(LevelWithCogAt(0.0), 2);
    EXPECT_TRUE(std::isfinite(A.FrontTipLimit) && std::isfinite(A.RearTipLimit));
}

TEST_F(ArvoStack, OnlyAPushCanBeGradedSafe) {
    // Centre of gravity in the middle of the base.  A push of 100 N shifts
    // each limit by 100 x 1.491 / (230 x 9.8) = 0.066 m and the stack
    // stands; 2000 N shifts them by 1.323 m, past each other.  No push tests
    // nothing; a pull or a force that is no finite number widens or wipes
    // out the band: none is ever safe.
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double force;
        uint8_t level;
    } cases[] = {
        {0.0, 2},    {-0.0, 2},   {100.0, 0},  {1.0, 0},    {2000.0, 2}, {-100.0, 2},
        {-2000.0, 2}, {-inf, 2},  {inf, 2},    {std::numeric_limits<double>::quiet_NaN(), 2},
    };
    for (const auto& c : cases) {
        Stack(c.force);
        EXPECT_EQ(LevelWithCogAt(0.05), c.level) << c.force;
    }
}

TEST_F(ArvoStack, ColumnWithItsHeadBelowItsFootIsUnsafe) {
    // One cabinet on a bar of 180 degrees: its top face is underneath, the
    // stack's height is minus one cabinet height and a push would widen the
    // band.  Upright the same cabinet stands.
    const struct {
        double barAngle;
        double stackHeight;
        uint8_t level;
    } cases[] = {{0.0, kArvoHeight, 0}, {180.0, -kArvoHeight, 2}};
    for (const auto& c : cases) {
        S.Angle[0] = c.barAngle;
        A.SetUp(S, 1, 0, 0, 0.0, 100.0);
        EXPECT_EQ(LevelWithCogAt(0.05), c.level) << c.barAngle;
        EXPECT_NEAR(A.StackHeight, c.stackHeight, 1e-9) << c.barAngle;
    }
}

TEST(Tipping, TwoUprightArvoThroughTheLibraryPushedAndPulled) {
    // Two Arvo of 127 kg on a 30 kg base reaching 0.5 m forward and 0.4 m
    // back, centre of gravity at -0.352 m, 0.994 m tall.  100 N: d = 0.036 m,
    // rear limit -0.364 m, standing.  2000 N: d = 0.714 m, rear limit
    // +0.314 m, tipping.  A pull is never safe.
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double force;
        uint8_t level;
    } cases[] = {{100.0, 0}, {2000.0, 2}, {-2000.0, 2}, {-inf, 2}};
    for (const auto& c : cases) {
        TArvoArray a;
        a.SetRigMode(2);
        a.Grid->Mass = 30.0;
        a.Grid->BaseFrontLength = 0.5;
        a.Grid->BaseRearLength = 0.4;
        TSplay s;
        a.SetUp(s, 2, 0, 0, 0.0, c.force);
        EXPECT_EQ(a.SafetyLevel(), c.level) << c.force;
        EXPECT_NEAR(a.CogX, -0.352, 1e-12);
        EXPECT_NEAR(a.TotalMass, 254.0, 1e-12);
    }
}

TEST(Tipping, GridMassCountsOnceWhereTheStoredMassHoldsIt) {
    ResetFake();
    TBexaArray a;  // its stacked evaluation stores the grid's mass already
    a.RigLibrary = &FakeRigLibrary();
    a.SetRigMode(2);
    TSplay s;
    a.SetUp(s, 3, 0, 0, 0.0, 100.0);
    a.Grid->BaseFrontLength = 0.5;
    a.Grid->BaseRearLength = 0.4;
    const double h = a.BexaBox->FrontHeight;
    const double gridMass = a.Grid->Mass;
    ASSERT_GT(gridMass, 0.0);
    Fake().Cog.x = 0.0;
    EXPECT_EQ(a.SafetyLevel(), 0);
    EXPECT_DOUBLE_EQ(a.TotalMass, 200.0 + gridMass);
    const double d = 100.0 * 3 * h / ((200.0 + gridMass) * 9.8);
    EXPECT_NEAR(a.FrontTipLimit, 0.5 - d, 1e-12);
}

TEST(Tipping, RealLibraryStackOfThree) {
    TArvoArray a;
    a.SetRigMode(2);
    a.Grid->Mass = 30.0;
    a.Grid->BaseFrontLength = 0.5;
    a.Grid->BaseRearLength = 0.4;
    TSplay s;
    // Upright cabinets: every centre of gravity at x = -0.352 m.
    a.SetUp(s, 3, 0, 0, 0.0, 100.0);
    EXPECT_EQ(a.SafetyLevel(), 0);
    EXPECT_NEAR(a.CogX, -0.352, 1e-12);
    EXPECT_NEAR(a.TotalMass, 381.0, 1e-12);
    // d = 100 x 1.491 / (411 x 9.8) = 0.0370: the rear limit -0.363 stays behind.
    EXPECT_NEAR(a.RearTipLimit, -0.4 + 149.1 / (411.0 * 9.8), 1e-12);
    // Ten times the push: d = 0.370, the rear limit passes the centre.
    a.SetUp(s, 3, 0, 0, 0.0, 1000.0);
    EXPECT_EQ(a.SafetyLevel(), 2);
}

TEST(Tipping, EmptyStackIsARangeError) {
    TArvoArray a;
    a.SetRigMode(2);
    EXPECT_THROW((void)a.GroundStackSafetyLevel(), rtl::RangeError);
    EXPECT_THROW((void)a.SafetyLevel(), rtl::RangeError);
}

TEST(Tipping, TypeWithoutAStackedPassIsUnsafe) {
    ResetFake();
    TArvoBexaArray a;
    a.RigLibrary = &FakeRigLibrary();
    a.SetRigMode(2);
    TSplay s;
    a.SetUp(s, 2, 2, 0, 0.0, 0.0);
    EXPECT_EQ(a.SafetyLevel(), 2);
    EXPECT_TRUE(Fake().Calls.empty());
}

TEST(Tipping, CheckLeavesTheCurrentCabinetAlone) {
    ResetFake();
    TDoviElkaArray a;
    a.RigLibrary = &FakeRigLibrary();
    a.SetRigMode(2);
    TSplay s;
    a.SetUp(s, 2, 2, 0, 0.0, 0.0);
    TBox* before = a.CurrentBox;
    (void)a.SafetyLevel();
    EXPECT_EQ(a.CurrentBox, before);
}

TEST(Tipping, MinisOnSubwoofersMeasureTheWholeColumn) {
    ResetFake();
    TIvorDoviArray a;
    a.RigLibrary = &FakeRigLibrary();
    a.SetRigMode(2);
    TSplay s;
    a.SetUp(s, 2, 3, 0, 0.0, 1000.0);
    const double height = 2 * a.IvorBox->FrontHeight + 3 * a.DoviBox->FrontHeight;
    Fake().Cog.x = 0.0;
    (void)a.SafetyLevel();
    EXPECT_NEAR(a.StackHeight, height, 1e-12);
    // A push narrows the band, whatever the mini cabinets stand on.
    EXPECT_LT(a.FrontTipLimit - a.RearTipLimit,
              a.Grid->BaseFrontLength + a.Grid->BaseRearLength);

    Fake().MassValue = 0.0;
    a.Grid->Mass = 0.0;
    EXPECT_EQ(a.SafetyLevel(), 2);
}

TEST(Tipping, TiltedMiniOnASubwooferMeasuresFromTheTopMini) {
    ResetFake();
    TIvorDoviArray a;
    a.RigLibrary = &FakeRigLibrary();
    a.SetRigMode(2);
    TSplay s;
    s.Angle[1] = 6.0;  // the one mini leans 6 degrees on the subwoofer
    a.SetUp(s, 1, 1, 0, 0.0, 0.0);
    ASSERT_DOUBLE_EQ(a.Tilt[1], 6.0);
    a.Grid->BaseFrontLength = 0.3;
    a.Grid->BaseRearLength = 0.2;
    Fake().Cog.x = 0.0;
    (void)a.SafetyLevel();
    // The base's front lies at the subwoofer's face; the mini's front top
    // corner, where the evaluated column starts, sits sin 6 x its height
    // in front of it.
    const double shift = std::sin(6.0 * 3.14159265358979323846 / 180.0) * a.DoviBox->FrontHeight;
    EXPECT_NEAR(a.FrontTipLimit, 0.3 - shift, 1e-12);
    EXPECT_NEAR(a.RearTipLimit, -0.2 - shift, 1e-12);
    EXPECT_NEAR(a.StackHeight, a.IvorBox->FrontHeight +
                                   std::cos(6.0 * 3.14159265358979323846 / 180.0) *
                                       a.DoviBox->FrontHeight,
                1e-12);
}

}  // namespace
