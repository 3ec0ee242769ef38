// The designs that start from the aim at the coverage start: flown and
// stacked mini downfills, and the ground-stack search.

#include <gtest/gtest.h>

#include "model/hardware/grid.h"
#include "venue/model/venue.h"
#include "venue/model/tests/venue_test_util.h"

using venue_test::ExpectAngles;
using venue_test::ExpectIndexes;
using venue_test::FlatFloor;
using venue_test::kArvoStacked;
using venue_test::SetUpRecorder;

using DesignStack = venue_test::VenueTest;

namespace {

// A far target 100 m up on a balcony 10 m out: no search reaches it.
void HighBalcony(VenueData& d) {
    d.Plane1Length = 5.0;
    d.Plane3Distance = 10.0;
    d.Plane3Length = 10.0;
    d.Plane3Height = 5.0;
    d.Plane3Elevation = 100.0;
    d.CoverageStop = 15.0;
}

}  // namespace

TEST_F(DesignStack, IvorElkaFlownHangsTheDownfillsAtFixedSplays) {
    // Three subwoofers and two mini downfills: splay 3 joins the first
    // downfill at its bottom-face angle (10), the subwoofer splays are the
    // subwoofer's only step (0), the second downfill takes its 20.
    v.SetVenueData(FlatFloor(splay, "MIXIvorElka", 3, 2));
    EXPECT_EQ(v.LastDesign, TDesignRoutine::ElkaFlown);
    ExpectAngles(splay, 1, {0.0, 0.0, 10.0, 20.0, 20.0});
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(splay.ChoiceIndex[k], 0);
}

TEST_F(DesignStack, ElkaStackGivesEverySplayTwentyAboveTheBar) {
    VenueData d = Stacked("Elka", 3);
    d.CoverageStart = 2.0;
    v.SetVenueData(d);
    EXPECT_EQ(v.LastDesign, TDesignRoutine::ElkaStack);
    ExpectAngles(splay, 0, {20.0, 20.0});
    // The last cabinet stands on the bar: one of its holes' tilts, 9..20.
    EXPECT_GE(splay.Angle[2], 9.0);
    EXPECT_LE(splay.Angle[2], 20.0);
}

TEST_F(DesignStack, ArvoStackOfEightStartsAtElementSixAndEndsAtTheThirdStep) {
    VenueData d = Stacked("Arvo", 8);
    d.CoverageStop = 20.0;
    SetUpRecorder rec;
    rec.Attach(v);
    v.SetVenueData(d);
    EXPECT_EQ(v.LastDesign, TDesignRoutine::GroundStack);
    // [0] the venue's set-up, [1] the aim; the search's first step is on 6.
    ASSERT_GT(rec.Lists.size(), 3u);
    EXPECT_EQ(rec.ChangedAngle(2), 6);
    for (int k = 0; k <= 6; ++k) {
        EXPECT_GE(splay.ChoiceIndex[k], 2) << k;
        EXPECT_EQ(splay.Angle[k], kArvoStacked[splay.ChoiceIndex[k]]) << k;
    }
    EXPECT_EQ(splay.Angle[7], v.LSArray->GroundStackBar->CurrentAngle());
}

TEST_F(DesignStack, DoviElkaStackJoinsTheDownfills) {
    // Two mini downfills under three mini cabinets: element 2 takes the
    // downfill's join angle 10.75, element 3 the fixed 20.
    v.SetVenueData(Stacked("MIXDoviElka", 3, 2));
    ExpectAngles(splay, 2, {10.75, 20.0});
    EXPECT_EQ(splay.ChoiceIndex[2], 0);
    EXPECT_GE(splay.ChoiceIndex[0], 2);
    EXPECT_GE(splay.ChoiceIndex[1], 2);
}

TEST_F(DesignStack, OneFirstModelCabinetHasNothingToRaise) {
    // "MIXDoviElka" with one mini cabinet: the search would start at element
    // -1.  The downfill splays are set and the design ends.
    VenueData d = Stacked("MIXDoviElka", 1, 2);
    ASSERT_NO_THROW(v.SetVenueData(d));
    EXPECT_EQ(v.LastDesign, TDesignRoutine::GroundStack);
    ExpectAngles(splay, 0, {10.75, 20.0});
}

TEST_F(DesignStack, IvorDoviElkaReturnsToItsStartAfterEachPass) {
    // Two subwoofers, three mini cabinets and a downfill, stacked, with the
    // far target high up on a balcony so the search never reaches it: it
    // raises elements 3 and 2 (start NumBoxes1 + NumBoxes2 - 2 down to
    // NumBoxes1) pass after pass.  The limits start at 5..10 and fall by 1 a
    // pass (8-entry table), so the cap of element 3 goes 1, 1, 2, 3, 4, 5,
    // 6, 7, 7 and that of element 2 lags one pass; the search ends when
    // element 2 reaches index 7 in pass 9.
    VenueData d = Stacked("MIXIvorDoviElka", 2, 3, 1);
    HighBalcony(d);
    SetUpRecorder rec;
    rec.Attach(v);
    v.SetVenueData(d);
    // [0] venue, [1] aim, [2] junction, [3] downfills, then the search.
    const int expected[] = {3, 2, -1, -1, 3, -1, 3, 2, 3, 2, 3, 2, 3, 2, 3, 2, -1, 2};
    ASSERT_EQ(rec.Lists.size(), 4u + 18u + 1u);
    for (int i = 0; i < 18; ++i) EXPECT_EQ(rec.ChangedAngle(4 + i), expected[i]) << "step " << i;
    EXPECT_EQ(rec.ChangedAngle(4 + 18), 0);  // the minimum step of element 0
    auto& a = static_cast<TIvorDoviElkaArray&>(*v.LSArray);
    ExpectIndexes(splay, 2, {7, 7});
    EXPECT_EQ(splay.Angle[3], a.DoviBox->SplayAngles[7]);
    EXPECT_EQ(splay.Angle[2], a.DoviBox->SplayAngles[7]);
    EXPECT_EQ(splay.ChoiceIndex[0], 2);
}

TEST_F(DesignStack, IvorDoviWithOneDoviEndsWhenNothingChanges) {
    // Start element NumBoxes1 - 1 lies above the watched element NumBoxes1:
    // the search raises the subwoofer splay to its cap and stops there.
    VenueData d = Stacked("MIXIvorDovi", 2, 1);
    HighBalcony(d);
    const std::uint64_t before = v.SetUpCount;
    ASSERT_NO_THROW(v.SetVenueData(d));
    EXPECT_LT(v.SetUpCount - before, 20u);
    EXPECT_EQ(splay.ChoiceIndex[1], 1);
}

TEST_F(DesignStack, GroundStackTakesBackTheStepThatWrappedThePass) {
    // Three full-size cabinets on a 3 m stage aiming 5 m out: the aim (21.5
    // degrees) is above the bar's largest angle, so the bottom cabinet
    // stands at 10.  The far target 15 m out asks element 0 to tilt up to
    // about 8.6: after the first step (splay 1 at 1) it is at 9, after the
    // second (splay 0 at 1), which wraps the pass, at 8.  That second step
    // is taken back; the bar's angle in entry 2 stays.  The minimum steps
    // then put splays 0 and 1 at the third entry, 2.
    VenueData d = Stacked("Arvo", 3);
    d.ArrayHeight = 3.0;
    d.CoverageStop = 15.0;
    SetUpRecorder rec;
    rec.Attach(v);
    v.SetVenueData(d);
    ASSERT_EQ(rec.Lists.size(), 7u);
    EXPECT_EQ(rec.ChangedAngle(2), 1);
    EXPECT_EQ(rec.ChangedAngle(3), 0);
    EXPECT_EQ(rec.ChangedAngle(4), 0);  // the step on splay 0 taken back
    EXPECT_EQ(rec.Lists[4].Angle[0], 0.0);
    ExpectAngles(splay, 0, {2.0, 2.0, 10.0});
    EXPECT_EQ(splay.ChoiceIndex[2], 0);
}

TEST_F(DesignStack, CompactStackOnALowStageFansUpwardsFromTheBar) {
    // Six compact cabinets on a 1.5 m stage over a flat 40 m floor, covering
    // 5 m to 30 m.  Stacked, the bottom cabinet (element 5) stands on the
    // bar at splay entry 5 and each cabinet above tilts by its splay less
    // than the one below it (positive tilt: front down), so raised splays
    // turn the upper cabinets up.
    //
    // Seated (1.4 m): the bottom cabinet's centre, 1.5 + 0.1825 + 0.1 =
    // 1.7825 m, looks 0.3825 m down onto the ear line 5 m out: 4.37
    // degrees, nearest hole 3.94.  The top cabinet, about 3.61 m up, sees the
    // ear line 30 m out 4.21 degrees down, so it passes once its tilt is at
    // most 1.71.  Raising splays 4 and 3 to 1 degree takes it to 2.94 and
    // 1.94; splay 2 to 0.94 passes, and that step is taken back.  The
    // minimum steps then give splays 0..4 the third entry, 2 degrees.
    VenueData d = Stacked("Bexa", 6);
    d.ArrayHeight = 1.5;
    d.Plane1Length = 40.0;
    d.CoverageStart = 5.0;
    d.CoverageStop = 30.0;
    SetUpRecorder rec;
    rec.Attach(v);
    v.SetVenueData(d);
    EXPECT_EQ(v.LastDesign, TDesignRoutine::GroundStack);
    EXPECT_EQ(v.LSArray->GroundStackBar->CurrentIndex, 4);
    EXPECT_EQ(splay.Angle[5], 3.94);
    const int changed[] = {4, 3, 2, 2, 4, 3, 2, 1, 0};
    ASSERT_EQ(rec.Lists.size(), 2u + 9u);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(rec.ChangedAngle(2 + i), changed[i]) << "set-up " << 2 + i;
    const double seated[] = {-6.06, -4.06, -2.06, -0.06, 1.94, 3.94};
    for (int k = 0; k <= 5; ++k) {
        if (k <= 4) {
            EXPECT_EQ(splay.Angle[k], 2.0) << k;
            EXPECT_EQ(splay.ChoiceIndex[k], 2) << k;
        }
        EXPECT_NEAR(v.LSArray->Tilt[k], seated[k], 1e-9) << k;
    }
    // The top cabinet's ray rises into the room.
    EXPECT_GT(v.LSArray->AimSlope[0], 0.0);

    // A custom 1.8 m ear line above the bottom cabinet's centre, 1 m out:
    // the aim is 1.00 degrees up, nearest hole -1.75.  Every cabinet then
    // already aims above the far end, the first step (splay 4 to 1 degree)
    // passes and stays, and the minimum steps fan the stack from -1.75 at
    // the bottom to -11.75 at the top.
    d.Plane1EarHeight = 1.8;
    d.CoverageStart = 1.0;
    rec.Attach(v);
    v.SetVenueData(d);
    EXPECT_EQ(v.LSArray->GroundStackBar->CurrentIndex, 0);
    ASSERT_EQ(rec.Lists.size(), 2u + 1u + 5u);
    EXPECT_EQ(rec.ChangedAngle(2), 4);
    const double standing[] = {-11.75, -9.75, -7.75, -5.75, -3.75, -1.75};
    for (int k = 0; k <= 5; ++k) EXPECT_NEAR(v.LSArray->Tilt[k], standing[k], 1e-9) << k;
}
