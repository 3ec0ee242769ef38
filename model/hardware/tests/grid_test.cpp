#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "platform/core/errors.h"
#include "model/hardware/grid.h"

// Must stay the first test of this file: it sees the table as the program
// starts, before any test touches it.
TEST(AllowedAngles, TableAtProgramStart) {
    EXPECT_EQ(AllowedAngles.Angles[0], 3.75);
    EXPECT_EQ(AllowedAngles.Angles[1], 0.0);
    EXPECT_EQ(AllowedAngles.Angles[2], -3.75);
    EXPECT_EQ(AllowedAngles.Angles[3], -7.5);
    for (int i = 4; i <= 40; ++i) EXPECT_EQ(AllowedAngles.Angles[i], 0.0) << i;
    EXPECT_EQ(AllowedAngles.Count, 4);
    EXPECT_EQ(AllowedAngles.ChosenIndex, 1);
    EXPECT_EQ(AllowedAngles.ChosenAngle(), 0.0);
    EXPECT_EQ(AllowedAngles.FirstDrawLength, 0.255);
    EXPECT_EQ(AllowedAngles.SecondDrawLength, 0.255);
    EXPECT_EQ(AllowedAngles.ThirdDrawLength, 0.05);
}

TEST(AllowedAngles, ReinitialisingRestoresTheStartValues) {
    AllowedAngles.ChosenIndex = 3;
    AllowedAngles.Angles[10] = 5;
    AllowedAngles.Count = 11;
    EXPECT_EQ(AllowedAngles.ChosenAngle(), -7.5);
    InitAllowedAngles();
    EXPECT_EQ(AllowedAngles.ChosenIndex, 1);
    EXPECT_EQ(AllowedAngles.Count, 4);
    EXPECT_EQ(AllowedAngles.Angles[10], 0.0);
    EXPECT_EQ(AllowedAngles.Angles[2], -3.75);
}

TEST(AllowedAngles, ChosenIndexOutsideTheTableIsRefused) {
    AllowedAngles.ChosenIndex = 41;
    EXPECT_THROW(AllowedAngles.ChosenAngle(), rtl::RangeError);
    AllowedAngles.ChosenIndex = -1;
    EXPECT_THROW(AllowedAngles.ChosenAngle(), rtl::RangeError);
    EXPECT_THROW(AllowedAngles.Angles[41] = 1, rtl::RangeError);
    InitAllowedAngles();
}

TEST(TGrid, NewGridsStartFlownFromThePrimaryLinks) {
    TArvoGrid a;
    TBexaGrid b;
    THobaGrid h;
    TDoviGrid d;
    TArvoBexaGrid ab;
    TBexaDoviGrid bd;
    THobaDoviGrid hd;
    for (TGrid* g : std::initializer_list<TGrid*>{&a, &b, &h, &d, &ab, &bd, &hd}) {
        EXPECT_EQ(g->PickMode, 1);
        EXPECT_EQ(g->PickSide, 0);
        EXPECT_EQ(g->PrimaryHolesUsed, 1);
        EXPECT_EQ(g->AlternateHolesUsed, 0);
        EXPECT_EQ(g->FrontPickLoad, 0.0);
        EXPECT_EQ(g->RearPickLoad, 0.0);
        EXPECT_EQ(g->ExtraLength, 0.0);
        EXPECT_EQ(g->LinkInset, 0.02);
        EXPECT_EQ(g->FrontLength, 0.02);
        EXPECT_EQ(g->RearLength, g->Length);
        EXPECT_EQ(g->RearPickX, g->RearPickOffset);
        EXPECT_EQ(g->FrontPickX, g->FrontPickOffset);
    }
}

namespace {

// Figures of one grid, each checked against its value from the data sheet.
struct Figure {
    double TGrid::*Field;
    double Value;
    const char* Name;
};
#define FIG(field, value) Figure{&TGrid::field, value, #field}

void ExpectFigures(const TGrid& g, std::initializer_list<Figure> figures) {
    for (const Figure& f : figures) EXPECT_EQ(g.*f.Field, f.Value) << f.Name;
}

}  // namespace

TEST(TGrid, DataSheetSamples) {
    // Full-size grid: every figure the venue reads, and a few more.
    ExpectFigures(TArvoGrid(), {FIG(Length, 1.054), FIG(PlateThickness, 0.125), FIG(TopGap, 0.01),
                                FIG(AlternateHoleShift, 0.2404), FIG(RearPickOffset, -1.01955),
                                FIG(FrontPickOffset, -0.07555), FIG(MidPickOffset, -0.5274),
                                FIG(LinkSpacing, 0.7042), FIG(BaseRearLength, 1.03),
                                FIG(RearLinkHeight, 0.0922), FIG(HoleInset, 0.0224),
                                FIG(PickHeight, -0.025), FIG(Mass, 130.0)});
    TBexaGrid b;
    ExpectFigures(b, {FIG(Length, 0.8), FIG(Thickness, 0.1), FIG(FrontPickOffset, -0.133),
                      FIG(LinkSpacing, 0.5105), FIG(HoleInset, 0.02049), FIG(PickHeight, 0.035),
                      FIG(Mass, 40.0)});
    // The subwoofer grid differs from the compact one only in its link spacing.
    ExpectFigures(THobaGrid(), {FIG(LinkSpacing, 0.76), FIG(RearPickOffset, b.RearPickOffset),
                                FIG(BaseFrontLength, 0.18)});
    ExpectFigures(TDoviGrid(), {FIG(Length, 0.615), FIG(PlateThickness, 0.08), FIG(Thickness, 0.1),
                                FIG(RearPickOffset, -0.56), FIG(MidPickOffset, -0.35),
                                FIG(AlternateHoleShift, 0.185), FIG(LinkSpacing, 0.39),
                                FIG(BaseFrontLength, 0.165), FIG(BaseRearLength, 0.56),
                                FIG(BaseFrontStep, 0.000005), FIG(Mass, 40.0)});
    ExpectFigures(TArvoBexaGrid(), {FIG(Length, 0.75), FIG(PlateThickness, 0.021), FIG(Mass, 30.0),
                                    FIG(RearPickOffset, -0.705), FIG(FrontPickOffset, -0.035),
                                    FIG(PickHeight, 0.015)});
    ExpectFigures(TBexaDoviGrid(), {FIG(Length, 0.561), FIG(Mass, 12.0), FIG(RearPickOffset, -0.535),
                                    FIG(FrontPickOffset, -0.0035), FIG(LinkSpacing, 0.4)});
    ExpectFigures(THobaDoviGrid(), {FIG(Length, 0.8), FIG(PlateThickness, 0.1), FIG(Thickness, 0.021),
                                    FIG(Mass, 45.0), FIG(RearPickOffset, -0.759),
                                    FIG(BaseFrontStep, 0.005), FIG(RearLinkHeight, 0.054)});
}

TEST(TGrid, BaseAndCombinationGridsHaveNoRigModes) {
    TGrid g;
    EXPECT_EQ(g.Length, 0.0);
    EXPECT_EQ(g.PickMode, 0);
    EXPECT_THROW(g.SetRigMode(1, 1), rtl::AbstractError);
    TArvoBexaGrid ab;
    TBexaDoviGrid bd;
    THobaDoviGrid hd;
    EXPECT_THROW(ab.SetRigMode(4, 2), rtl::AbstractError);
    EXPECT_THROW(bd.SetRigMode(1, 1), rtl::AbstractError);
    EXPECT_THROW(hd.SetRigMode(6, 0), rtl::AbstractError);
    EXPECT_EQ(ab.PickMode, 1);
    EXPECT_EQ(hd.Mass, 45.0);
}

TEST(TGrid, CompactGridFitsTheLiftBarSide) {
    TBexaGrid g;
    g.SetRigMode(5, 2);
    EXPECT_EQ(g.PickMode, 5);
    EXPECT_EQ(g.PickSide, 2);
    EXPECT_NEAR(g.RearLength, 1.02, 1e-12);
    EXPECT_NEAR(g.Thickness, 0.125, 1e-12);
    EXPECT_EQ(g.FrontLength, 0.02);
    EXPECT_EQ(g.Mass, 40.0);

    g.SetRigMode(5, 1);
    EXPECT_EQ(g.PickSide, 1);
    EXPECT_EQ(g.RearLength, 0.8);
    EXPECT_NEAR(g.Thickness, 0.125, 1e-12);
    EXPECT_NEAR(g.FrontLength, 0.17, 1e-12);

    g.SetRigMode(4, 2);
    EXPECT_NEAR(g.RearLength, 1.02, 1e-12);
    EXPECT_EQ(g.FrontLength, 0.02);

    // Without a lift bar the bare sizes come back, whatever the side.
    for (int side : {0, 1, 2}) {
        g.SetRigMode(1, side);
        EXPECT_EQ(g.RearLength, 0.8) << side;
        EXPECT_EQ(g.FrontLength, 0.02) << side;
        EXPECT_EQ(g.Thickness, 0.1) << side;
        EXPECT_EQ(g.PickSide, side);
    }
    // The flown pick points differ from the data sheet's front point.
    EXPECT_EQ(g.FrontPickOffset, -0.09);
    EXPECT_EQ(g.RearPickOffset, -0.783);
    EXPECT_EQ(g.FrontPickX, -0.133);  // the flying detail's points stay

    // A lift-bar mode with no side named keeps the bare sizes.
    g.SetRigMode(5, 0);
    EXPECT_EQ(g.RearLength, 0.8);
    EXPECT_EQ(g.Thickness, 0.1);
}

TEST(TGrid, SubwooferGridRigsLikeTheCompactGridButKeepsItsSpacing) {
    THobaGrid g;
    g.SetRigMode(5, 2);
    EXPECT_NEAR(g.RearLength, 1.02, 1e-12);
    EXPECT_NEAR(g.Thickness, 0.125, 1e-12);
    EXPECT_EQ(g.LinkSpacing, 0.76);
}

TEST(TGrid, MiniGridRigModes) {
    TDoviGrid g;
    g.SetRigMode(1, 0);
    EXPECT_EQ(g.RearPickOffset, -0.59);
    EXPECT_EQ(g.FrontPickOffset, -0.069);
    EXPECT_EQ(g.Mass, 20.0);
    EXPECT_EQ(g.LinkSpacing, 0.365);
    EXPECT_EQ(g.Thickness, 0.08);
    EXPECT_EQ(g.RearLength, 0.615);
    EXPECT_EQ(g.RearPickX, -0.56);

    g.SetRigMode(4, 2);
    EXPECT_NEAR(g.RearLength, 0.835, 1e-12);
    EXPECT_EQ(g.FrontLength, 0.02);
    EXPECT_NEAR(g.Thickness, 0.105, 1e-12);

    g.SetRigMode(5, 1);
    EXPECT_EQ(g.RearLength, 0.615);
    EXPECT_NEAR(g.FrontLength, 0.17, 1e-12);
    EXPECT_NEAR(g.Thickness, 0.105, 1e-12);
    EXPECT_EQ(g.PickMode, 5);
    EXPECT_EQ(g.PickSide, 1);
}

TEST(TGrid, GroundStackedGridsAddNoMass) {
    TArvoGrid a;
    TBexaGrid b;
    THobaGrid h;
    TDoviGrid d;
    for (TGrid* g : std::initializer_list<TGrid*>{&a, &b, &h, &d}) {
        g->SetRigMode(6, 0);
        EXPECT_EQ(g->Mass, 0.0);
    }
    // The full-size grid changes nothing else in that mode.
    TArvoGrid fresh;
    TArvoGrid stacked;
    stacked.SetRigMode(6, 2);
    stacked.Mass = fresh.Mass;
#define FIELD(f) std::pair<double TGrid::*, const char*>{&TGrid::f, #f}
    for (const auto& [f, name] :
         {FIELD(Length), FIELD(RearLength), FIELD(ExtraLength), FIELD(PlateThickness),
          FIELD(Thickness), FIELD(LinkInset), FIELD(FrontLength), FIELD(TopGap), FIELD(Mass),
          FIELD(FrontPickLoad), FIELD(RearPickLoad), FIELD(RearPickOffset), FIELD(FrontPickOffset),
          FIELD(RearPickX), FIELD(FrontPickX), FIELD(MidPickOffset), FIELD(AlternateHoleShift),
          FIELD(LinkSpacing), FIELD(BaseFrontLength), FIELD(BaseRearLength), FIELD(BaseFrontStep),
          FIELD(RearLinkHeight), FIELD(HoleInset), FIELD(PickHeight)})
        EXPECT_EQ(stacked.*f, fresh.*f) << name;
#undef FIELD
    EXPECT_EQ(stacked.PickMode, fresh.PickMode);
    EXPECT_EQ(stacked.PickSide, fresh.PickSide);
    EXPECT_EQ(stacked.PrimaryHolesUsed, fresh.PrimaryHolesUsed);
    EXPECT_EQ(stacked.AlternateHolesUsed, fresh.AlternateHolesUsed);
}

TEST(TGrid, FullSizeGridPickModes) {
    TArvoGrid g;
    g.SetRigMode(3, 2);
    EXPECT_EQ(g.FrontPickOffset, -0.5274);  // the middle hole
    EXPECT_EQ(g.RearPickOffset, -0.9989);
    // It stores neither argument.
    EXPECT_EQ(g.PickMode, 1);
    EXPECT_EQ(g.PickSide, 0);

    g.SetRigMode(2, 0);
    EXPECT_EQ(g.RearPickOffset, -0.5274);
    EXPECT_EQ(g.FrontPickOffset, -0.0549);

    g.SetRigMode(6, 0);
    EXPECT_EQ(g.Mass, 0.0);
    g.SetRigMode(1, 0);
    EXPECT_EQ(g.RearPickOffset, -1.01955);
    EXPECT_EQ(g.FrontPickOffset, -0.055);
    EXPECT_EQ(g.Mass, 130.0);

    // Lift-bar modes mean nothing to the full-size grid.
    g.SetRigMode(5, 2);
    EXPECT_EQ(g.RearLength, 1.054);
    EXPECT_EQ(g.Thickness, 0.125);
    EXPECT_EQ(g.FrontPickOffset, -0.055);
}
