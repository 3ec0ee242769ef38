// Designs of a ten-cabinet full-size array for the start-up venue (plane 1
// of 60 m, plane 2 of 20 m rising 4 m, coverage 1 to 80 m) and for a plain
// flat floor.  Where the array hangs down to the listeners' ears there is
// nothing left to curve towards: the search stops on its first step.  Once
// the trim lifts the bottom cabinet clear, the lower splays grow.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "model/hardware/grid.h"
#include "venue/model/venue.h"
#include "venue/model/tests/venue_test_util.h"

using venue_test::FlatFloor;

namespace {

VenueData StartUpVenue(TSplay& splay, double height, double start, double ear1,
                       const char* mode) {
    return VenueData{
        .VenueName = "start-up",
        .ArrayHeight = height,
        .NumBoxes1 = 10,
        .MaxPickHeight = 20.0,
        .MinTrimHeight = 3.0,
        .Plane1Length = 60.0,
        .Plane1Height = 0.0,
        .Plane2Length = 20.0,
        .Plane2Height = 4.0,
        .Plane2Elevation = 0.0,
        .Plane3Length = 13.0,
        .Plane3Height = 0.0,  // a flat plane 3 does not count
        .Plane3Distance = 80.0,
        .Plane3Elevation = 0.0,
        .CoverageStart = start,
        .CoverageStop = 80.0,
        .Plane1EarHeight = ear1,
        .Plane2EarHeight = 1.4,
        .Plane3EarHeight = 1.4,
        .AutoDesign = true,
        .DesignMode = mode,
        .Splay = &splay,
        .ArrayType = "Arvo",
    };
}

void ExpectSplays(const TSplay& splay, const double (&angles)[10], const int (&indices)[10]) {
    for (int i = 0; i < 10; ++i) {
        EXPECT_DOUBLE_EQ(splay.Angle[i], angles[i]) << "splay " << i;
        EXPECT_EQ(splay.ChoiceIndex[i], indices[i]) << "index " << i;
    }
}

}  // namespace

TEST(DesignTrim, ArrayDownToTheEarsStopsOnItsFirstStep) {
    // Top aim: 2.5 ear heights (1.4 in plane 2's line, 2.1 more) above
    // plane 2 at 80 m is 7.5 m; from 6 - 0.2485 the angle is -1.2521,
    // rounded -1.25.  The bottom cabinet's centre, 1.2796 m, lies below the
    // near target (1.4 m at 3 m and at 12 m): the first step (splay 9 to
    // 1.0) already passes the axis test and stays.
    for (double start : {1.0, 10.0}) {
        for (double ear : {1.4, 1.8}) {
            TSplay splay;
            TVenue v;
            v.SetVenueData(StartUpVenue(splay, 6.0, start, ear, ""));
            ExpectSplays(splay, {-1.25, 0, 0, 0, 0, 0, 0, 0, 0, 1.0},
                         {0, 0, 0, 0, 0, 0, 0, 0, 0, 1});
            const TLoudspeakerArray& a = *v.LSArray;
            EXPECT_NEAR(a.Tilt[9], -0.25, 1e-12);
            EXPECT_NEAR(a.ElementHeight[9], 1.27957, 5e-5);
            EXPECT_NEAR(a.ElementDistance[9], -0.098662, 5e-6);
            // Its axis rises and meets the 1.4 m listening line only at
            // 27.7 m, far past the coverage start.
            EXPECT_NEAR((1.4 - a.AimIntercept[9]) / a.AimSlope[9], 27.70, 0.01);
        }
    }
}

TEST(DesignTrim, FlatFloorCurvesTheLowerHalf) {
    // Top: atan((8 - 0.2485 - 2.1) / 40) = 8.0419, rounded 8.0.  Each step
    // raises the next splay up from the bottom to 1.0; after the seventh
    // (splay 3) element 9 tilts 15 against a depression of 14.010 to the near
    // target (7 m, 1.4 m), so splay 3 is taken back.
    TSplay splay;
    TVenue v;
    v.SetVenueData(FlatFloor(splay, "Arvo", 10));
    ExpectSplays(splay, {8.0, 0, 0, 0, 1, 1, 1, 1, 1, 1}, {0, 0, 0, 0, 1, 1, 1, 1, 1, 1});
    const TLoudspeakerArray& a = *v.LSArray;
    for (int i = 0; i < 10; ++i) EXPECT_NEAR(a.Tilt[i], i < 4 ? 8.0 : 5.0 + i, 1e-12);
    // The bottom axis comes down just beyond the near target.
    EXPECT_NEAR(a.AimSlope[9], -std::tan(14.0 * std::numbers::pi / 180.0), 1e-9);
    EXPECT_NEAR((1.4 - a.AimIntercept[9]) / a.AimSlope[9], 7.017, 0.002);
}

TEST(DesignTrim, StartUpVenueAtTheDesignStartTrim) {
    // The trims the design start settles on (bottom front edge just above
    // the 3 m minimum trim), "MinSpiral".
    {
        TSplay splay;
        TVenue v;
        v.SetVenueData(StartUpVenue(splay, 7.85, 1.0, 1.4, "MinSpiral"));
        // The last step (splay 8 to 4.27) overshot and went back to 0; the
        // one smoothing sweep then evens 0 | 4 to 1 | 3.
        ExpectSplays(splay, {0, 2.12, 2.12, 2.12, 2.12, 3.12, 3.12, 3.12, 1.0, 3.12},
                     {0, 2, 2, 2, 2, 3, 3, 3, 1, 3});
    }
    {
        TSplay splay;
        TVenue v;
        v.SetVenueData(StartUpVenue(splay, 7.90, 1.0, 1.8, "MinSpiral"));
        ExpectSplays(splay, {0, 1, 1, 1, 1, 3.12, 3.12, 3.12, 3.12, 3.12},
                     {0, 1, 1, 1, 1, 3, 3, 3, 3, 3});
    }
}
