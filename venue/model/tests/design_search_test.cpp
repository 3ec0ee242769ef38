// The flown searches: spiral (with its junction steps and smoothing),
// minimum curve and the short-array search.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/hardware/grid.h"
#include "venue/model/venue.h"
#include "venue/model/tests/venue_test_util.h"

using venue_test::ExpectAngles;
using venue_test::ExpectIndexes;
using venue_test::FlatFloor;
using venue_test::kArvoFlown;
using venue_test::SetUpRecorder;

using DesignSearch = venue_test::VenueTest;

TEST_F(DesignSearch, HobaJunctionTakesTheNearestAllowedAngleFirstOnTies) {
    v.SetVenueData(Manual("MIXHobaBexa", 2, 3));
    // 1.875 is as near to 3.75 as to 0: the earlier entry wins.
    const struct {
        double t, junction;
        int chosen;
    } cases[] = {{1.875, 3.75, 0}, {-1.875, 0.0, 1}, {-6.0, -7.5, 3}, {20.0, 3.75, 0}};
    for (const auto& c : cases) {
        splay.Angle[0] = c.t;
        v.SpiralHobaJunction(2);
        EXPECT_EQ(splay.Angle[2], c.junction) << c.t;
        EXPECT_EQ(splay.Angle[0], c.t - c.junction) << c.t;
        EXPECT_EQ(AllowedAngles.ChosenIndex, c.chosen) << c.t;
    }
}

TEST_F(DesignSearch, HobaJunctionWithSplayHobaGivesTheRestToTheSubwoofers) {
    // Three subwoofers over compact cabinets, wanted angle 10: the junction
    // takes the last allowed angle (-7.5) and the splays between the
    // subwoofers grow one step (2.5) each while splays 1 and 2 lie above
    // the junction: tilt of element 3 = 2.5 + 2.5 - 7.5 = -2.5, so the top
    // angle becomes 10 - (-2.5) = 12.5.
    VenueData d = Manual("MIXHobaBexa", 3, 3);
    d.SplayHoba = true;
    v.SetVenueData(d);
    splay.Angle[0] = 10.0;
    v.SpiralHobaJunction(3);
    EXPECT_EQ(AllowedAngles.ChosenIndex, 3);
    ExpectAngles(splay, 1, {2.5, 2.5, -7.5});
    ExpectIndexes(splay, 1, {1, 1});
    EXPECT_DOUBLE_EQ(splay.Angle[0], 12.5);
}

TEST_F(DesignSearch, SmoothingEvensOutNeighbouringSteps) {
    VenueData d = Manual("Arvo", 3);
    v.SetVenueData(d);
    splay.ChoiceIndex[1] = 0;
    splay.ChoiceIndex[2] = 3;
    v.SpiralSmoothing();
    ExpectIndexes(splay, 1, {1, 2});
    EXPECT_EQ(splay.Angle[1], kArvoFlown[1]);
    EXPECT_EQ(splay.Angle[2], kArvoFlown[2]);

    // One sweep only: 0, 0, 0, 4 becomes 0, 0, 1, 3.
    d.NumBoxes1 = 4;
    v.SetVenueData(d);
    splay.ChoiceIndex[1] = 0;
    splay.ChoiceIndex[2] = 0;
    splay.ChoiceIndex[3] = 4;
    v.SpiralSmoothing();
    ExpectIndexes(splay, 1, {0, 1, 3});
    EXPECT_EQ(splay.Angle[3], kArvoFlown[3]);
}

TEST_F(DesignSearch, SmoothingLeavesEightEntryTablesAlone) {
    v.SetVenueData(Manual("Bexa", 3));
    splay.ChoiceIndex[2] = 3;
    v.SpiralSmoothing();
    ExpectIndexes(splay, 1, {0, 3});
}

TEST_F(DesignSearch, SpiralOutOfReachEndsWithEveryStepAtItsCap) {
    // Three full-size cabinets at 10 m with the near target 2 m out: the
    // bottom axis cannot get that steep.  Top angle: centre 9.7515 m, target
    // 2.1 m, 40 m away: atan(7.6515 / 40) = 10.83 -> 10.75.  The limits let
    // both splays grow one step a pass until 7.5 (index 6); then a pass
    // changes nothing and the search ends.
    VenueData d = FlatFloor(splay, "Arvo", 3);
    d.ArrayHeight = 10.0;
    d.CoverageStart = 0.0;
    v.SetVenueData(d);
    EXPECT_EQ(splay.Angle[0], 10.75);
    ExpectIndexes(splay, 1, {6, 6});
    ExpectAngles(splay, 1, {7.5, 7.5});
}

TEST_F(DesignSearch, SpiralKeepsAFirstStepThatReachesTheTarget) {
    // Coverage 38 m to 40 m: one step of the bottom splay (1 degree on a top
    // angle of 8) already aims below the near target at 40 m.
    VenueData d = FlatFloor(splay, "Arvo", 3);
    d.CoverageStart = 38.0;
    v.SetVenueData(d);
    ExpectAngles(splay, 0, {8.0, 0.0, 1.0});
    EXPECT_EQ(splay.ChoiceIndex[2], 1);
}

TEST_F(DesignSearch, SpiralTakesBackTheStepChangedWhenAPassWraps) {
    // The near target 33 m out lies between the bottom tilt after the first
    // step (9 degrees) and after the second (10): the second step, on splay
    // 1, wraps the pass and reaches the target.  It is splay 1 that goes
    // back to 0, not splay 3 after the wrap.
    VenueData d = FlatFloor(splay, "Arvo", 3);
    d.CoverageStart = 31.0;
    SetUpRecorder rec;
    rec.Attach(v);
    v.SetVenueData(d);
    ExpectAngles(splay, 0, {8.0, 0.0});
    EXPECT_EQ(splay.ChoiceIndex[1], 0);
    EXPECT_EQ(splay.Angle[2], 1.0);
    EXPECT_EQ(splay.ChoiceIndex[2], 1);
    // Set-ups: the venue's, the top aim, the loop's first, its two steps
    // and the taking back.
    ASSERT_EQ(rec.Lists.size(), 6u);
    EXPECT_EQ(rec.Lists[3].Angle[2], 1.0);
    EXPECT_EQ(rec.Lists[4].Angle[1], 1.0);
}

TEST_F(DesignSearch, SpiralAimsAtPlaneOneWhenPlaneTwoIsGone) {
    // The near target (7 m) lies beyond plane 1 (5 m).  Plane 2 was present
    // before with a line 13 m up; without it the search must aim at plane 1
    // and design as it does over a longer plane 1, several steps down.
    TSplay other;
    TVenue reference;
    VenueData d = FlatFloor(other, "Arvo", 8);
    d.CoverageStart = 5.0;
    reference.SetVenueData(d);
    int raised = 0;
    for (int i = 1; i < 8; ++i) raised += other.ChoiceIndex[i];
    ASSERT_GT(raised, 3);

    VenueData e = FlatFloor(splay, "Arvo", 8);
    e.CoverageStart = 5.0;
    e.Plane1Length = 5.0;
    e.Plane2Length = 40.0;
    e.Plane2Height = 2.0;
    e.Plane2Elevation = 12.0;
    v.SetVenueData(e);
    e.Plane2Length = 0.0;
    v.SetVenueData(e);
    for (int i = 0; i <= 40; ++i) EXPECT_EQ(splay.Angle[i], other.Angle[i]) << i;
}

TEST_F(DesignSearch, MinCurveSweepsFromTheBottomUpAndOverAgain) {
    // Twelve cabinets at 60 m, target right below (out of reach even at
    // 7.5 degrees a splay, as the top angle aims 1000 m out at only 3.25):
    // splays 11, 10, ..., 1 each take a step, then 11 again; after six
    // sweeps every splay is at 7.5 and the seventh step on splay 11 runs
    // past the table and ends the search.
    VenueData d = FlatFloor(splay, "Arvo", 12);
    d.DesignMode = "MinCurve";
    d.ArrayHeight = 60.0;
    d.CoverageStart = 0.0;
    d.Plane1Length = 1000.0;
    d.CoverageStop = 1000.0;
    SetUpRecorder rec;
    rec.Attach(v);
    v.SetVenueData(d);
    // rec.Lists[0] is the venue's set-up, [1] the top aim.
    ASSERT_EQ(rec.Lists.size(), 2u + 66u + 1u);
    for (int i = 0; i < 12; ++i) {
        const int expected = i < 11 ? 11 - i : 11;
        EXPECT_EQ(rec.ChangedAngle(2 + i), expected) << "step " << i;
    }
    EXPECT_EQ(rec.ChangedAngle(2 + 66), -1);
    EXPECT_EQ(splay.Angle[0], 3.25);
    for (int k = 1; k <= 11; ++k) EXPECT_EQ(splay.Angle[k], 7.5) << k;
}

TEST_F(DesignSearch, ShortArrayEndsOnTheTableOrTheTarget) {
    // Out of reach: splay 1 ends at the table's last entry.
    VenueData d = FlatFloor(splay, "Arvo", 2);
    d.ArrayHeight = 30.0;
    d.CoverageStart = 0.0;
    v.SetVenueData(d);
    EXPECT_EQ(splay.ChoiceIndex[1], 6);
    EXPECT_EQ(splay.Angle[1], 7.5);

    // Reached on the first step: the step stays.
    d.ArrayHeight = 8.0;
    d.CoverageStart = 38.0;
    v.SetVenueData(d);
    ExpectAngles(splay, 0, {8.0, 1.0});

    // A single cabinet keeps only its top angle.
    d.NumBoxes1 = 1;
    splay.Angle[1] = 4.0;
    v.SetVenueData(d);
    EXPECT_EQ(splay.Angle[1], 0.0);
}

TEST_F(DesignSearch, ShortArrayOverDownfillsHangsThemAtTheirJunction) {
    // One or two hung cabinets over downfills leave no free joint: the
    // downfill joins at its model's junction angle (full-size 12.75, compact
    // 12.25, mini 10.75), further downfills at their one step (20), and under
    // the subwoofers the joint stays level.  The aim over the flat floor:
    // atan((8 - h/2 - 1.4 - 2.1) / 40) rounded to a quarter.
    struct Case {
        const char* type;
        int n1, n2, n3;
        std::initializer_list<double> joints;  // splays 1, 2, ...
    };
    const Case cases[] = {
        {"MIXArvoGiraF", 1, 1, 0, {12.75}},
        {"MIXBexaCadri", 1, 1, 0, {12.25}},
        {"MIXDoviElka", 1, 1, 0, {10.75}},
        {"MIXIvorDoviElka", 1, 1, 1, {0.0, 10.75}},
        {"MIXIvorDoviElka", 1, 1, 2, {0.0, 10.75, 20.0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type + std::string(" ") + std::to_string(c.n3));
        for (int k = 1; k <= 4; ++k) splay.Angle[k] = 5.0;
        v.SetVenueData(FlatFloor(splay, c.type, c.n1, c.n2, c.n3));
        ExpectAngles(splay, 1, c.joints);
        const TLoudspeakerArray& a = *v.LSArray;
        const int last = c.n1 + c.n2 + c.n3 - 1;
        double sum = 0.0;
        for (int k = 0; k <= last; ++k) sum += splay.Angle[k];
        EXPECT_NEAR(a.Tilt[last], sum, 1e-9) << "the bottom cabinet hangs at the joints";
    }
}

TEST_F(DesignSearch, HungJunctionTakesTheLargestStepBelowTheTopAngle) {
    // "MIXRuddArvo" with a top angle of 8: the junction takes the largest
    // subwoofer step not above it (7.5), the top angle starts again from 0
    // and climbs in quarters until the junction's tilt reaches 8 again.
    v.SetVenueData(Manual("MIXRuddArvo", 2, 4));
    splay.Angle[0] = 8.0;
    v.SpiralHungJunction(2);
    EXPECT_EQ(splay.ChoiceIndex[2], 6);
    EXPECT_EQ(splay.Angle[2], 7.5);
    EXPECT_EQ(splay.Angle[0], 0.5);

    // A top angle of 0 or below stays where it is.
    splay.Angle[0] = -1.25;
    splay.Angle[2] = 0.0;
    splay.ChoiceIndex[2] = 0;
    v.SpiralHungJunction(2);
    EXPECT_EQ(splay.Angle[0], -1.25);
    EXPECT_EQ(splay.Angle[2], 0.0);
}

TEST_F(DesignSearch, NothingBelowTheFirstRaisedSplayKeepsTheTopAngle) {
    // "MIXArvoGiraF" with one full-size cabinet and two downfills: the
    // search may raise no splay (the downfills hang at fixed splays), so the
    // top angle stays at its aim (8.0 over the flat floor) instead of being
    // replaced by a table step; the downfills join at 12.75 and 20.
    VenueData d = FlatFloor(splay, "MIXArvoGiraF", 1, 2);
    v.SetVenueData(d);
    ExpectAngles(splay, 0, {8.0, 12.75, 20.0});

    // The minimum-curve search of a mix with one cabinet of the first model.
    // The aim takes the height of the cabinet the set-up left current, the
    // compact one below: atan((8 - 0.1825 - 2.1) / 40) = 8.13 -> 8.25.
    d.ArrayType = "MIXArvoBexa";
    d.NumBoxes2 = 4;
    d.DesignMode = "MinCurve";
    v.SetVenueData(d);
    EXPECT_EQ(splay.Angle[0], 8.25);
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(splay.Angle[k], 0.0) << k;
}

TEST_F(DesignSearch, HobaJunctionOfASingleSubwooferGoesToTheTopAngle) {
    // One subwoofer over compact cabinets, wanted angle 10 beyond the last
    // allowed angle: the junction takes -7.5 and the top angle the rest,
    // 17.5, so the junction's tilt is the wanted 10.
    VenueData d = Manual("MIXHobaBexa", 1, 3);
    d.SplayHoba = true;
    v.SetVenueData(d);
    splay.Angle[0] = 10.0;
    v.SpiralHobaJunction(1);
    EXPECT_EQ(splay.Angle[1], -7.5);
    EXPECT_EQ(splay.ChoiceIndex[1], 0);
    EXPECT_EQ(splay.Angle[0], 17.5);
}
