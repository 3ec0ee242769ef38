// Stepping the venue values: floors, drift of repeated 0.1 steps and the
// trim search's bound.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/rules/venue_steps.h"

namespace {

using rules::StepFloor;
constexpr int Up = 1;
constexpr int Down = -1;

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
