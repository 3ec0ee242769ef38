// Stepping the venue values: floors, drift of repeated 0.1 steps and the
// trim search's bound and the search itself.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>

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

// A fake array 5 m long under its pick, 0.5 m of grid above it; the search
// ends at the first centimetre with the lowest point at or above the trim,
// from above and from below, or finds nothing.
TEST(VenueSteps, SearchTrimHeight) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const auto hang = [](double h) { return rules::TrimPoint{h - 5.0, h + 0.5}; };
    const auto never = [](double) { return rules::TrimPoint{0.0, 0.0}; };
    const auto lost = [nan](double) { return rules::TrimPoint{nan, nan}; };
    struct Case {
        const char* what;
        double start, minTrim, maxPick;
        std::function<rules::TrimPoint(double)> hang;
        bool found;
    } const cases[] = {
        {"from above", 10.0, 3.0, 20.0, hang, true},
        {"from below", 4.0, 3.0, 20.0, hang, true},
        {"from far below", -40.0, 3.0, 20.0, hang, true},
        {"from above, the pick above its maximum at the start only", 30.0, 3.0, 9.0, hang, true},
        {"the pick just under its maximum", 4.0, 3.0, 8.505, hang, true},
        {"a pick above its maximum, from below", 4.0, 3.0, 8.4, hang, false},
        {"a pick above its maximum, from above", 10.0, 3.0, 8.4, hang, false},
        {"a trim never reached", 4.0, 3.0, 20.0, never, false},
        {"no lowest point", 10.0, 3.0, 20.0, lost, false},
        {"no start", nan, 3.0, 20.0, hang, false},
        {"no maximum pick", 10.0, 3.0, nan, hang, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<double> h = rules::SearchTrimHeight(c.start, c.minTrim, c.maxPick, 0.01, c.hang);
        ASSERT_EQ(h.has_value(), c.found);
        if (!h) continue;
        EXPECT_GE(*h - 5.0, c.minTrim);
        EXPECT_LT(*h - 5.0 - 0.01, c.minTrim);
        // A whole number of centimetres from the start.
        EXPECT_NEAR(std::remainder(*h - c.start, 0.01), 0.0, 1e-9);
    }
}

}  // namespace
