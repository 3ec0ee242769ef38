#include <gtest/gtest.h>

#include "model/hardware/liftbar.h"

TEST(TLiftBar, CompactBarIsPickedAtTheRear) {
    TLiftBar b;
    EXPECT_EQ(b.HoleCount, 23);
    EXPECT_EQ(b.HolePitch, 0.0406);
    EXPECT_EQ(b.PickSide, 2);
    EXPECT_EQ(b.HoleDrop, 0.065);
    EXPECT_EQ(b.BarHeight, 0.06);
    EXPECT_EQ(b.TopAngle, 0.0);
    EXPECT_EQ(b.CogX, 0.0);
    EXPECT_EQ(b.CogY, 0.0);
}

TEST(TLiftBar, MiniBar) {
    TDoviLiftbar b;
    EXPECT_EQ(b.HoleCount, 18);
    EXPECT_EQ(b.HolePitch, 0.0396);
    EXPECT_EQ(b.PickSide, 2);
    EXPECT_EQ(b.HoleDrop, 0.065);
    EXPECT_EQ(b.BarHeight, 0.06);
    TLiftBar* base = &b;
    EXPECT_EQ(base->HoleCount, 18);
}

TEST(TLiftBar, SetResultStoresTheCentreOfGravityXNegated) {
    TLiftBar b;
    b.SetResult(-2.5, 0.3, 1.25);
    EXPECT_EQ(b.TopAngle, -2.5);
    EXPECT_EQ(b.CogX, -0.3);
    EXPECT_EQ(b.CogY, 1.25);
    b.SetResult(1, -0.7, -0.1);
    EXPECT_EQ(b.CogX, 0.7);
    EXPECT_EQ(b.CogY, -0.1);
    EXPECT_EQ(b.HoleCount, 23);
}
