// The venue's own state: array type, values handed over, plane lines, top
// height, bottom-face angle and clearing the splay list.

#include <gtest/gtest.h>

#include <cmath>

#include "platform/core/errors.h"
#include "model/hardware/grid.h"
#include "venue/model/venue.h"
#include "venue/model/tests/venue_test_util.h"

using venue_test::FlatFloor;

namespace {

constexpr double kRad = 3.14159265358979323846 / 180.0;

}  // namespace

using VenueModel = venue_test::VenueTest;

TEST_F(VenueModel, StartsWithAnArvoArrayAndItsOwnSplayList) {
    ASSERT_NE(v.LSArray, nullptr);
    EXPECT_EQ(v.LSArray->TypeCode, 0);
    EXPECT_EQ(v.ArrayType, "");
    ASSERT_NE(v.Splay, nullptr);
    EXPECT_EQ(v.DownfillFactor, 2.0);
    EXPECT_EQ(v.SeatedEarHeight, 1.8);
    EXPECT_FALSE(v.CombinationGrid);
    EXPECT_EQ(v.DrawOffset, 0.0);
    EXPECT_EQ(v.NumBoxes1, 0);
    EXPECT_FALSE(v.Plane2Present);
}

TEST_F(VenueModel, ArrayTypeChoosesClassAndDownfillFactor) {
    const struct {
        const char* name;
        int code;
        double factor;
        const char* stored = nullptr;  // when not the name given
    } cases[] = {{"", 0, 2.0, "Arvo"},         {"MIXArvoGiraF", 11, 3.0}, {"Bexa", 1, 2.0},
                 {"MIXDoviElka", 13, 3.0},     {"MIXIvorDoviElka", 17, 2.0},
                 {"MIXBexaCadri", 18, 3.0},    {"Hoba", 5, 2.0}};
    for (const auto& c : cases) {
        v.SetArrayType(c.name);
        EXPECT_EQ(v.ArrayType, c.stored ? c.stored : c.name);
        EXPECT_EQ(v.LSArray->TypeCode, c.code) << c.name;
        EXPECT_EQ(v.DownfillFactor, c.factor) << c.name;
    }
}

TEST_F(VenueModel, UnknownArrayTypeIsRefusedAndChangesNothing) {
    v.SetVenueData(FlatFloor(splay, "MIXArvoGiraF", 4, 1));
    TLoudspeakerArray* before = v.LSArray.get();
    const double angle0 = splay.Angle[0];

    EXPECT_THROW(v.SetArrayType("arvo"), rtl::RuntimeError);
    EXPECT_EQ(v.LSArray.get(), before);
    EXPECT_EQ(v.ArrayType, "MIXArvoGiraF");
    EXPECT_EQ(v.DownfillFactor, 3.0);

    VenueData d = FlatFloor(splay, "Zebra", 9);
    d.ArrayHeight = 20.0;
    d.CoverageStop = 90.0;
    EXPECT_THROW(v.SetVenueData(d), rtl::RuntimeError);
    EXPECT_EQ(v.LSArray.get(), before);
    EXPECT_EQ(v.ArrayType, "MIXArvoGiraF");
    EXPECT_EQ(v.NumBoxes1, 4);
    EXPECT_EQ(v.ArrayHeight, 8.0);
    EXPECT_EQ(v.CoverageStop, 40.0);
    EXPECT_EQ(splay.Angle[0], angle0);
}

TEST_F(VenueModel, PlaneLinesOfThreePlanes) {
    VenueData d = Manual("Arvo", 6);
    d.Plane1Length = 20.0;
    d.Plane1Height = 2.0;
    d.Plane2Length = 30.0;
    d.Plane2Height = 3.0;
    d.Plane2Elevation = 2.5;
    d.Plane2EarHeight = 1.8;
    d.Plane3Length = 10.0;
    d.Plane3Height = 5.0;
    d.Plane3Distance = 60.0;
    d.Plane3Elevation = 4.0;
    v.SetVenueData(d);

    // Plane 1: 2 m over 20 m, ear 1.4: the line rises 0.1 per metre from 1.4.
    EXPECT_NEAR(v.Plane1Slope, 0.1, 1e-9);
    EXPECT_NEAR(v.Plane1Intercept, 1.4, 1e-8);
    EXPECT_NEAR(v.Plane1Angle, std::atan(0.1), 1e-7);
    // Plane 2 from x = 20 at 2.5 m to x = 50 at 5.5 m, ear 1.8: at x = 50 the
    // line is at 7.3 m, so at x = 0 it is 7.3 - 50 * 0.1 = 2.3.
    EXPECT_TRUE(v.Plane2Present);
    EXPECT_NEAR(v.Plane2Slope, 0.1, 1e-8);
    EXPECT_NEAR(v.Plane2Intercept, 2.3, 1e-6);
    EXPECT_NEAR(v.Plane2Angle, std::atan(0.1), 1e-7);
    // Plane 3 from x = 60 at 4 m to x = 70 at 9 m, ear 1.4: 10.4 at x = 70,
    // slope 0.5, so -24.6 at x = 0.
    EXPECT_TRUE(v.Plane3Present);
    EXPECT_NEAR(v.Plane3Slope, 0.5, 1e-8);
    EXPECT_NEAR(v.Plane3Intercept, -24.6, 1e-6);
    EXPECT_NEAR(v.Plane3Angle, std::atan(0.5), 1e-7);
}

TEST_F(VenueModel, MissingPlanesReadBackAsZero) {
    VenueData d = Manual("Arvo", 6);
    d.Plane2Length = 30.0;
    d.Plane2Height = 3.0;
    v.SetVenueData(d);
    const double slope = v.Plane2Slope;
    const double intercept = v.Plane2Intercept;

    // A plane 2 of length 0 does not count; its line keeps its old values.
    d.Plane2Length = 0.0;
    d.Plane3Length = 12.0;  // plane 3 of height 0 does not count either
    d.Plane3Height = 0.0;
    v.SetVenueData(d);
    EXPECT_FALSE(v.Plane2Present);
    EXPECT_EQ(v.Plane2Length, 0.0);
    EXPECT_EQ(v.Plane2Height, 0.0);
    EXPECT_EQ(v.Plane2Angle, 0.0);
    EXPECT_EQ(v.Plane2Slope, slope);
    EXPECT_EQ(v.Plane2Intercept, intercept);
    EXPECT_FALSE(v.Plane3Present);
    EXPECT_EQ(v.Plane3Length, 0.0);

    // A flat plane 2 counts.
    d.Plane2Length = 10.0;
    d.Plane2Height = 0.0;
    v.SetVenueData(d);
    EXPECT_TRUE(v.Plane2Present);
    EXPECT_EQ(v.Plane2Slope, 0.0);
}

TEST_F(VenueModel, HandsOverValuesAndKeepsManualAnglesWithoutDesign) {
    VenueData d = Manual("Arvo", 3);
    SetAngles({2.0, 3.0, 4.0});
    v.SetVenueData(d);
    EXPECT_EQ(v.Splay, &splay);
    EXPECT_EQ(v.LSArray->Splay, &splay);
    EXPECT_EQ(splay.Angle[1], 3.0);
    EXPECT_DOUBLE_EQ(v.LSArray->Tilt[2], 9.0);
    EXPECT_EQ(v.NumBoxes1, 3);
    EXPECT_EQ(v.VenueName, "flat");
    EXPECT_EQ(v.FTValue, 100.0);
    EXPECT_FALSE(v.LSArray->CombinationGrid);
    EXPECT_EQ(v.LSArray->Grid->PrimaryHolesUsed, 1);
    EXPECT_EQ(v.LSArray->Grid->AlternateHolesUsed, 0);

    // With the design on, the angles are replaced.
    d.AutoDesign = true;
    d.GridPosition = "REAR";
    d.CombinationGrid = true;
    v.SetVenueData(d);
    EXPECT_NE(splay.Angle[1], 3.0);
    EXPECT_TRUE(v.LSArray->CombinationGrid);
    EXPECT_EQ(v.LSArray->Grid->PrimaryHolesUsed, 0);
    EXPECT_EQ(v.LSArray->Grid->AlternateHolesUsed, 1);
}

TEST_F(VenueModel, LiftBarOptionOnlyForLiftBarTypes) {
    VenueData d = FlatFloor(splay, "Bexa", 4);
    d.PickOption = 4;
    d.LiftBarPosition = 1;
    v.SetVenueData(d);
    EXPECT_EQ(static_cast<TBexaArray&>(*v.LSArray).LiftBar->PickSide, 1);
    // "Arvo" has no lift bar: asking for one must not reach the array.
    d.ArrayType = "Arvo";
    EXPECT_NO_THROW(v.SetVenueData(d));
}

TEST_F(VenueModel, TopHeightOfAFlownGrid) {
    // Top angle 5 degrees, full-size grid: plate 0.125 + gap 0.01 lifted by
    // cos 5, the grid's 1.054 length by sin 5, and with the rear link points
    // the 0.2404 shift back by sin 5.
    VenueData d = Manual("Arvo", 1);
    splay.Angle[0] = 5.0;
    v.SetVenueData(d);
    const double c = std::cos(5 * kRad), s = std::sin(5 * kRad);
    EXPECT_NEAR(v.TopHeight, 8.0 + c * 0.135 + s * 1.054, 1e-12);
    d.GridPosition = "REAR";
    v.SetVenueData(d);
    EXPECT_NEAR(v.TopHeight, 8.0 + c * 0.135 - s * 0.2404 + s * 1.054, 1e-12);
    // Tilted up, the grid's length does not lift the top.
    splay.Angle[0] = -5.0;
    v.SetVenueData(d);
    EXPECT_NEAR(v.TopHeight, 8.0 + c * 0.135 + s * 0.2404, 1e-12);
}

TEST_F(VenueModel, TopHeightOfAStack) {
    // Two full-size cabinets at tilt 2 on a 1 m stage: four half heights
    // (0.2485) at cos 2 above the stage, plus plate and gap twice (under the
    // column and on top of the top cabinet).
    VenueData d = Stacked("Arvo", 2);
    d.AutoDesign = false;
    SetAngles({0.0, 2.0});
    v.SetVenueData(d);
    EXPECT_NEAR(v.TopHeight, 1.0 + 4 * 0.2485 * std::cos(2 * kRad) + 2 * 0.135, 1e-12);
}

TEST_F(VenueModel, BottomFaceAngleSumsTheArraysOwnSplays) {
    VenueData d = Manual("Arvo", 3);
    SetAngles({2.0, 1.0, 3.0});
    splay.Angle[3] = 50.0;  // past the last cabinet
    v.SetVenueData(d);
    v.UpdateArrayAngles();
    EXPECT_DOUBLE_EQ(v.LSArray->LastBoxFaceAngle, 6.0 + 3.75);

    // Two models: the last cabinet (a compact one) gives the face angle.
    d.ArrayType = "MIXArvoBexa";
    d.NumBoxes1 = 2;
    d.NumBoxes2 = 1;
    v.SetVenueData(d);
    v.UpdateArrayAngles();
    EXPECT_DOUBLE_EQ(v.LSArray->LastBoxFaceAngle, 6.0 + 3.75);

    // "Elka": the last tilt, the face angle and one degree more.
    d.ArrayType = "Elka";
    d.NumBoxes1 = 2;
    d.NumBoxes2 = 0;
    SetAngles({1.0, 20.0});
    v.SetVenueData(d);
    v.UpdateArrayAngles();
    EXPECT_DOUBLE_EQ(v.LSArray->LastBoxFaceAngle, 21.0 + 10.0 + 1.0);
}

TEST_F(VenueModel, ClearSplayKeepsTheTopAngle) {
    for (int i = 0; i <= 40; ++i) splay.Angle[i] = 3.5;
    for (int i = 0; i <= 39; ++i) splay.ChoiceIndex[i] = 4;
    v.SetVenueData(Manual("Arvo", 3));
    v.ClearSplay();
    EXPECT_EQ(splay.Angle[0], 3.5);
    EXPECT_EQ(splay.ChoiceIndex[0], 4);
    for (int i = 1; i <= 39; ++i) {
        EXPECT_EQ(splay.Angle[i], 0.0) << i;
        EXPECT_EQ(splay.ChoiceIndex[i], 0) << i;
    }
    EXPECT_EQ(splay.Angle[40], 3.5);
}

TEST_F(VenueModel, MatchSubArrayBuildsALinkedHobaArray) {
    v.SetVenueData(FlatFloor(splay, "MIXArvoGiraF", 4, 1));
    v.MatchSubArray(0, splay, 6, 9.0);
    EXPECT_EQ(v.ArrayType, "Hoba");
    EXPECT_EQ(v.LSArray->TypeCode, 5);
    ASSERT_NE(v.LSArray->MainArray, nullptr);
    EXPECT_EQ(v.LSArray->MainArray->TypeCode, 0);
    EXPECT_EQ(v.LSArray->ElementCount, 4);
    EXPECT_EQ(v.DownfillFactor, 3.0);

    TLoudspeakerArray* before = v.LSArray.get();
    EXPECT_THROW(v.MatchSubArray(2, splay, 6, 9.0), rtl::RuntimeError);
    EXPECT_EQ(v.LSArray.get(), before);
}

TEST_F(VenueModel, LowestHeightIsTheLastFrontBottomCorner) {
    VenueData d = Manual("Arvo", 2);
    SetAngles({0.0, 0.0});
    v.SetVenueData(d);
    v.CalcLowestHeight();
    EXPECT_NEAR(v.LowestHeight, 8.0 - 2 * 0.497, 1e-12);
    d.RigMode = 2;
    d.PickOption = 6;
    d.ArrayHeight = 1.5;
    v.SetVenueData(d);
    v.CalcLowestHeight();
    EXPECT_EQ(v.LowestHeight, 1.5);
}
