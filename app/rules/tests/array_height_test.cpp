// The array-height step of the up/down and of the mouse.
#include <gtest/gtest.h>

#include "app/rules/array_height.h"
#include "app/rules/array_type.h"
#include "platform/core/errors.h"

namespace {

constexpr int F = rules::kFlown;
constexpr int S = rules::kGroundStacked;

TEST(ArrayHeight, LoweringStopsAtTheEarsWhenFlownAndAtTheGroundWhenStacked) {
    const struct {
        const char* what;
        double height;
        int direction, rigMode;
        double lowest, ear;
        bool seated;
        double after, earAfter;
        bool moved;
    } cases[] = {
        {"flown, lowest point above the ears", 6.0, -1, F, 2.5, 1.8, false, 5.9, 1.8, true},
        {"flown, lowest point at the ears", 6.0, -1, F, 1.8, 1.8, false, 6.0, 1.8, false},
        {"flown, lowest point a rounding error above the ears", 6.0, -1, F, 1.8 + 1e-15, 1.8,
         false, 6.0, 1.8, false},
        {"flown, lowest point below the ears", 6.0, -1, F, 1.0, 1.8, true, 6.0, 1.8, false},
        {"flown, raising always works", 6.0, +1, F, -3.0, 1.8, false, 6.1, 1.8, true},
        {"stacked, above the ground", 1.0, -1, S, 0.05, 1.8, true, 0.9, 0.9, true},
        {"stacked, 0.05 lowered stops on the ground", 0.05, -1, S, 0.05, 0.05, true, 0.0, 0.0, true},
        {"stacked, lowest point on the ground", 0.0, -1, S, 0.0, 0.0, true, 0.0, 0.0, false},
        {"stacked, lowest point under the ground", 0.2, -1, S, -0.1, 0.2, true, 0.2, 0.2, false},
        {"stacked seated, stage 1.0 makes the ears 1.0", 0.9, +1, S, 0.5, 1.4, true, 1.0, 1.0, true},
        {"stacked seated, stage 2.0 keeps the ears 1.4", 1.9, +1, S, 1.5, 1.4, true, 2.0, 1.4, true},
        {"stacked standing, stage 1.7", 1.6, +1, S, 1.5, 1.6, false, 1.7, 1.7, true},
        {"stacked standing, stage 2.0 keeps the ears 1.8", 1.9, +1, S, 1.5, 1.8, false, 2.0, 1.8, true},
        {"no direction", 6.0, 0, F, 3.0, 1.8, false, 6.0, 1.8, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const rules::ArrayHeightStep r = rules::StepArrayHeight(c.height, 0.1, c.direction,
                                                                c.rigMode, c.lowest, c.ear, c.seated);
        EXPECT_NEAR(r.ArrayHeight, c.after, 1e-12);
        EXPECT_NEAR(r.P1EarHeight, c.earAfter, 1e-12);
        EXPECT_EQ(r.Moved, c.moved);
    }
}

TEST(ArrayHeight, RepeatedLoweringOfAStackStopsOnTheGround) {
    // The lowest point of a stack is the stage height itself: sixty steps of
    // 0.1 from 6 reach 0 (not the 4.6e-15 the sums leave); the rest are refused.
    double h = 6.0;
    int moved = 0;
    for (int k = 0; k < 70; ++k) {
        const rules::ArrayHeightStep r = rules::StepArrayHeight(h, 0.1, -1, S, h, 1.4, true);
        moved += r.Moved ? 1 : 0;
        h = r.ArrayHeight;
    }
    EXPECT_EQ(moved, 60);
    EXPECT_EQ(h, 0.0);
}

}  // namespace
