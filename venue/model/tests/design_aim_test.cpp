// Which design runs, the aim of the top cabinet at the coverage stop, the aim
// at the coverage start and the ray correction of the flown "MIXIvorElka".

#include <gtest/gtest.h>

#include <cmath>

#include "hardware/grid.h"
#include "model/venue.h"
#include "venue_test_util.h"

using venue_test::ExpectAngles;
using venue_test::FlatFloor;

namespace {

constexpr double kDeg = 180.0 / 3.14159265358979323846;

}  // namespace

using DesignAim = venue_test::VenueTest;

TEST_F(DesignAim, DispatchByRigModeTypeCountAndMode) {
    struct Case {
        const char* type;
        int rig, n1, n2;
        const char* mode;
        TDesignRoutine expected;
    };
    const Case cases[] = {
        {"Arvo", 1, 2, 0, "MinCurve", TDesignRoutine::ShortArray},
        {"Arvo", 1, 2, 0, "MinSpiral", TDesignRoutine::ShortArray},
        {"MIXArvoBexa", 1, 1, 1, "", TDesignRoutine::ShortArray},
        {"Elka", 1, 2, 0, "MinCurve", TDesignRoutine::ElkaFlown},
        {"MIXIvorElka", 1, 3, 2, "MinSpiral", TDesignRoutine::ElkaFlown},
        {"Arvo", 1, 6, 0, "MinSpiral", TDesignRoutine::Spiral},
        {"Arvo", 1, 6, 0, "MinCurve", TDesignRoutine::MinCurve},
        {"Arvo", 1, 6, 0, "mincurve", TDesignRoutine::Spiral},
        {"Arvo", 1, 6, 0, "", TDesignRoutine::Spiral},
        {"Elka", 2, 3, 0, "", TDesignRoutine::ElkaStack},
        {"Bexa", 2, 4, 0, "", TDesignRoutine::GroundStack},
        {"MIXDoviElka", 2, 3, 2, "", TDesignRoutine::GroundStack},
        {"Arvo", 3, 4, 0, "", TDesignRoutine::None},
    };
    for (const Case& c : cases) {
        VenueData d = FlatFloor(splay, c.type, c.n1, c.n2);
        d.RigMode = c.rig;
        d.PickOption = c.rig == 2 ? 6 : 1;
        d.DesignMode = c.mode;
        if (c.rig == 1 || c.rig == 2) {
            v.SetVenueData(d);
        } else {
            // The hand-over refuses other rig modes; the design still
            // leaves a venue holding one alone.
            d.RigMode = 1;
            v.SetVenueData(d);
            v.RigMode = c.rig;
            v.Design();
        }
        EXPECT_EQ(v.LastDesign, c.expected) << c.type << " " << c.rig << " " << c.mode;
    }
}

TEST_F(DesignAim, OnlyMinSpiralWorksOutTheBottomFaceAngle) {
    VenueData d = FlatFloor(splay, "Arvo", 6);
    d.DesignMode = "";
    v.SetVenueData(d);
    EXPECT_EQ(v.LSArray->LastBoxFaceAngle, 0.0);  // a new array, never updated
    d.DesignMode = "MinSpiral";
    v.SetVenueData(d);
    double sum = 0;
    for (int i = 0; i < 6; ++i) sum += splay.Angle[i];
    EXPECT_DOUBLE_EQ(v.LSArray->LastBoxFaceAngle, sum + 3.75);
}

TEST_F(DesignAim, TopAngleTenMetresDownOverForty) {
    // One full-size cabinet: its centre 10 m above the target 40 m away.
    // The target on a flat floor is 1.5 x the 1.4 m ear height.
    VenueData d = FlatFloor(splay, "Arvo", 1);
    d.ArrayHeight = 10.0 + 2.1 + 0.497 / 2;
    v.SetVenueData(d);
    EXPECT_EQ(v.LastDesign, TDesignRoutine::ShortArray);
    EXPECT_EQ(splay.Angle[0], 14.0);  // 14.036 unrounded
}

TEST_F(DesignAim, TopAngleAimsAtPlaneTwoAndPlaneThree) {
    // Plane 2 rises 4 m over 20 m from 1 m; at x = 30 the target is
    // 1.5 x 1.4 + 0.2 x 30 + the line's intercept (6.4 - 40 x 0.2 = -1.6),
    // so 6.5 m; the cabinet's centre 10 m above: atan(10 / 30) = 18.43,
    // rounded to 18.5.
    VenueData d = FlatFloor(splay, "Arvo", 1);
    d.Plane1Length = 20.0;
    d.Plane2Length = 20.0;
    d.Plane2Height = 4.0;
    d.Plane2Elevation = 1.0;
    d.CoverageStop = 30.0;
    d.ArrayHeight = 16.5 + 0.497 / 2;
    v.SetVenueData(d);
    EXPECT_EQ(splay.Angle[0], 18.5);

    // Plane 3 from x = 25 at 3 m, rising 0.5 per metre; at x = 30:
    // 0.5 x 5 + 2 x 1.4 + 3 = 8.3; centre 14.3 m above that over 30 m:
    // atan(14.3 / 30) = 25.49, rounded to 25.5.
    d.Plane3Distance = 25.0;
    d.Plane3Length = 10.0;
    d.Plane3Height = 5.0;
    d.Plane3Elevation = 3.0;
    d.ArrayHeight = 22.6 + 0.497 / 2;
    v.SetVenueData(d);
    EXPECT_EQ(splay.Angle[0], 25.5);
}

TEST_F(DesignAim, QuarterDegreeRoundingHalvesToEven) {
    // 0.125, 0.375, 0.625: 0.5, 1.5, 2.5 steps, to 0, 2, 2 steps.
    const double cases[][2] = {{14.036, 14.0}, {14.13, 14.25}, {0.125, 0.0}, {0.375, 0.5},
                               {0.625, 0.5},   {-0.375, -0.5}, {0.0, 0.0}};
    for (const auto& c : cases) EXPECT_EQ(TVenue::RoundToQuarterDegree(c[0]), c[1]) << c[0];
}

TEST_F(DesignAim, NoCoverageStopSkipsTheFlownSearchesAndKeepsTheAngles) {
    VenueData d = FlatFloor(splay, "Arvo", 4);
    d.CoverageStop = 0.0;
    splay.Angle[0] = 1.25;
    splay.Angle[2] = 3.0;
    for (const char* mode : {"", "MinCurve", "MinSpiral"}) {
        d.DesignMode = mode;
        v.SetVenueData(d);
        EXPECT_EQ(v.LastDesign, TDesignRoutine::None) << mode;
        EXPECT_EQ(splay.Angle[0], 1.25);
        EXPECT_EQ(splay.Angle[2], 3.0);
    }
    d.NumBoxes1 = 1;  // the short-array search too
    v.SetVenueData(d);
    EXPECT_EQ(splay.Angle[0], 1.25);
}

TEST_F(DesignAim, AimAtCoverageStartFromTheBottomOfAnElkaArray) {
    // Three mini downfills at 6 m: the reference point is 6 + 0.284 / 2 +
    // the mini grid's 0.08 plate; the target 10 m out at the 1.4 m ear
    // height.  Splay angle 0 is the depression less 2 x 2 x 10 for the two
    // lower cabinets' wedges and the 10.75 join.
    VenueData d = FlatFloor(splay, "Elka", 3);
    d.ArrayHeight = 6.0;
    d.CoverageStart = 10.0;
    v.SetVenueData(d);
    const double aim = 90.0 - std::atan2(10.0, 6.0 + 0.142 + 0.08 - 1.4) * kDeg;
    EXPECT_NEAR(splay.Angle[0], aim - 40.0 - 10.75, 1e-5);
    ExpectAngles(splay, 1, {20.0, 20.0});

    // A coverage start at the array's foot: straight down, 90 degrees.
    d.NumBoxes1 = 1;
    d.CoverageStart = 0.0;
    v.SetVenueData(d);
    EXPECT_EQ(splay.Angle[0], 90.0 - 10.75);
}

TEST_F(DesignAim, StackedAimChoosesAGroundStackHole) {
    // A compact stack of 3 on a 0.5 m stage aiming at 3 m: the reference point
    // is 0.2825 m above the 0.5 m ear height, an aim of about 5.38 degrees,
    // between the bar's -1.75 and 10.03; nearest hole 5.03 (hole 5).
    VenueData d = FlatFloor(splay, "Bexa", 3);
    d.RigMode = 2;
    d.PickOption = 6;
    d.ArrayHeight = 0.5;
    d.CoverageStart = 3.0;
    d.Plane1EarHeight = 0.5;
    v.SetVenueData(d);
    const double ref = 0.5 + 0.365 / 2 + 0.1;
    const double aim = 90.0 - std::atan2(3.0, ref - 0.5) * kDeg;
    ASSERT_GT(aim, 5.03);
    ASSERT_LT(aim, 5.49);
    EXPECT_EQ(splay.Angle[2], 5.03);
    EXPECT_EQ(v.LSArray->GroundStackBar->CurrentIndex, 5);

    // Far above the bar's largest angle: the last hole.
    d.ArrayHeight = 3.0;
    d.CoverageStart = 0.0;
    v.SetVenueData(d);
    EXPECT_EQ(splay.Angle[2], 10.03);
}

TEST_F(DesignAim, RayCorrectionOfALowIvorElkaArrayStaysNearItsAim) {
    // Hung below the ear height, one Elka under the subwoofers: the ray's
    // direction 360 - tilt - 20 comes out above 360.  Brought back into
    // 0..360 the trace works and the correction ends after a few steps
    // instead of turning the array by 100 degrees.
    VenueData d = FlatFloor(splay, "MIXIvorElka", 2, 1);
    d.ArrayHeight = 0.5;
    d.CoverageStart = 10.0;
    v.SetVenueData(d);
    const double ref = 0.5 + 0.62 / 2 + 0.08;
    const double aim = 90.0 - (180.0 - std::atan(10.0 / (1.4 - ref)) * kDeg);
    ASSERT_LT(aim, 0.0);
    const double start = aim - 2 * 1 * 10.0 - 10.75;
    std::uint64_t before = v.SetUpCount;
    v.Design();
    EXPECT_LT(v.SetUpCount - before, 200u);
    EXPECT_LT(std::fabs(splay.Angle[0] - start), 20.0);
}

TEST_F(DesignAim, RayCorrectionBringsTheRayOntoTheCoverageStart) {
    // One Elka under two subwoofers at 15 m.  With the splays still clear,
    // the traced ray leaves the last element at the top angle + 20 degrees
    // below the horizontal.  Far coverage starts aim so flat that the ray
    // first points above the plane (it must turn down until it meets it);
    // nearer ones hit far beyond the start first.  Either way the
    // correction ends with the ray's hit within 0.25 m of the start, or
    // (when a step jumps over it) the ray within one 0.1-degree step of
    // the line from the last element to the start, without running away.
    for (double start = 20.0; start <= 140.0; start += 7.0) {
        VenueData d = FlatFloor(splay, "MIXIvorElka", 2, 1);
        d.ArrayHeight = 15.0;
        d.Plane1Length = 200.0;
        d.CoverageStart = start;
        d.CoverageStop = 190.0;
        v.ApplyVenueData(d);
        const std::uint64_t before = v.SetUpCount;
        v.AimAtCoverageStart();
        EXPECT_LT(v.SetUpCount - before, 300u) << start;
        const TLoudspeakerArray& a = *v.LSArray;
        const double toStart =
            std::atan((a.ElementHeight[2] - 1.4) / (start + a.ElementDistance[2])) * kDeg;
        const double ray = splay.Angle[0] + 20.0;
        const double hit = -a.ElementDistance[2] +
                           (a.ElementHeight[2] - 1.4) / std::tan(ray / kDeg);
        EXPECT_TRUE(std::fabs(hit - start) < 0.25 || std::fabs(ray - toStart) <= 0.1 + 1e-9)
            << "start " << start << " ray " << ray << " to start " << toStart << " hit " << hit;
    }
}
