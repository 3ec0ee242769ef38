// Stepping the venue values: floors, drift of repeated 0.1 steps, the
// array-height rule, the stacked ear height and the trim search's bound.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/rules/venue_steps.h"

namespace {

using rules::StepFloor;
constexpr int Up = 1;
constexpr int Down = -1;
constexpr int F = rules::kFlown;
constexpr int S = rules::kGroundStacked;

TEST(VenueSteps, OneStepWithItsFloor) {
    struct Case {
        double value, step;
        int direction;
        StepFloor floor;
        double want;
    } const cases[] = {
        {0.5, 1.0, Down, StepFloor::ZeroBelowZero, 0.0},   // coverage start from 0.5
        {1.0, 1.0, Down, StepFloor::ZeroBelowZero, 0.0},
        {0.0, 1.0, Down, StepFloor::ZeroBelowZero, 0.0},
        {2.0, 1.0, Down, StepFloor::ZeroBelowZero, 1.0},
        {0.0, 1.0, Up, StepFloor::ZeroBelowZero, 1.0},
        {0.1, 0.1, Down, StepFloor::ZeroBelowOneStep, 0.0},  // plane height from 0.1
        {0.15, 0.1, Down, StepFloor::ZeroBelowOneStep, 0.0},
        {0.25, 0.1, Down, StepFloor::ZeroBelowOneStep, 0.15},
        {0.0, 0.1, Down, StepFloor::ZeroBelowOneStep, 0.0},
        {0.0, 0.1, Up, StepFloor::ZeroBelowOneStep, 0.1},
        {0.05, 0.1, Up, StepFloor::ZeroBelowOneStep, 0.15},
        {0.0, 0.1, Down, StepFloor::None, -0.1},   // plane-1 height may go below 0
        {20.0, 0.1, Up, StepFloor::None, 20.1},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(rules::StepValue(c.value, c.step, c.direction, c.floor), c.want, 1e-12)
            << c.value << " step " << c.step << " dir " << c.direction;
}

TEST(VenueSteps, DriftedTenthsNeitherSkipNorGoNegative) {
    // 0.3 - 0.1 - 0.1 is 0.09999999999999998: still one step, not "below".
    double v = 0.3;
    const double want[] = {0.2, 0.1, 0.0, 0.0};
    for (double w : want) {
        v = rules::StepValue(v, 0.1, Down, StepFloor::ZeroBelowOneStep);
        EXPECT_NEAR(v, w, 1e-9);
    }
    // Sixty tenths from 6.0 end at exactly 0, not at 4.6e-15.
    v = 6.0;
    for (int i = 0; i < 60; ++i) v = rules::StepValue(v, 0.1, Down, StepFloor::None);
    EXPECT_EQ(v, 0.0);
    EXPECT_FALSE(rules::BelowOneStep(0.3 - 0.1 - 0.1, 0.1));
    EXPECT_TRUE(rules::BelowOneStep(0.0, 0.1));
    EXPECT_TRUE(rules::BelowOneStep(0.09, 0.1));
}

TEST(VenueSteps, ArrayHeightRule) {
    struct Case {
        double height;
        int direction, rigMode;
        double lowest, ear, want;
    } const cases[] = {
        {6.0, Up, F, 1.0, 1.8, 6.1},     // raising always works
        {6.0, Up, S, -1.0, 1.4, 6.1},
        {6.0, Down, F, 1.9, 1.8, 5.9},   // lowest above the ear height
        {6.0, Down, F, 1.8, 1.8, 6.0},   // at the ear height: stays
        {6.0, Down, F, 1.8 + 1e-15, 1.8, 6.0},  // drift is no room
        {6.0, Down, F, 1.2, 1.8, 6.0},
        {1.0, Down, S, 1.0, 1.0, 0.9},   // stacked: the floor is 0
        {0.1, Down, S, 0.1, 0.1, 0.0},
        {0.0, Down, S, 0.0, 0.0, 0.0},
        {4.6e-15, Down, S, 4.6e-15, 0.0, 4.6e-15},  // never to -0.1
        {0.05, Down, S, 0.05, 0.05, 0.05},           // would end below 0
    };
    for (const Case& c : cases)
        EXPECT_NEAR(rules::StepArrayHeight(c.height, 0.1, c.direction, c.rigMode, c.lowest, c.ear),
                    c.want, 1e-12)
            << c.height << " dir " << c.direction << " mode " << c.rigMode << " lowest " << c.lowest;
}

TEST(VenueSteps, StackedFromSixMetresStopsAtZero) {
    // A stack's lowest point is its stage: sixty steps reach 0, more stay.
    double h = 6.0;
    int moved = 0;
    for (int i = 0; i < 70; ++i) {
        const double next = rules::StepArrayHeight(h, 0.1, Down, S, h, 1.4);
        if (next != h) ++moved;
        h = next;
        ASSERT_GE(h, 0.0) << "step " << i;
    }
    EXPECT_EQ(moved, 60);
    EXPECT_EQ(h, 0.0);
}

TEST(VenueSteps, Plane1EarHeight) {
    struct Case {
        int rigMode;
        double stage, chosen, want;
    } const cases[] = {
        {S, 1.0, 1.4, 1.0}, {S, 2.0, 1.4, 1.4}, {S, 1.6, 1.8, 1.6},
        {S, 1.8, 1.8, 1.8}, {F, 1.0, 1.8, 1.8}, {F, 6.0, 1.4, 1.4},
        {S, 0.5, 1.2, 0.5},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(rules::Plane1EarHeight(c.rigMode, c.stage, c.chosen), c.want)
            << c.rigMode << " " << c.stage << " " << c.chosen;
}

TEST(VenueSteps, TrimSearchStepLimit) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double start, minTrim, step;
        int want;
    } const cases[] = {
        {7.0, 3.0, 0.5, 10},  // 8 steps to the minimum, one past, one spare
        {3.0, 3.0, 0.5, 2},
        {2.0, 3.0, 0.5, 1},   // already below
        {1e300, 1e300 - 1.0, 0.01, 2},
        {1e300, 3.0, 0.01, rules::kMaxTrimSearchSteps},
        {100.0, 0.0, 0.01, rules::kMaxTrimSearchSteps},
        {nan, 3.0, 0.01, 0},
        {7.0, inf, 0.01, 0},
        {7.0, 3.0, 0.0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rules::TrimSearchStepLimit(c.start, c.minTrim, c.step), c.want)
            << c.start << " " << c.minTrim << " " << c.step;
}

}  // namespace
