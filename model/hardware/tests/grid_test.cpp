#include <gtest/gtest.h>

#include <initializer_list>

#include "core/errors.h"
#include "hardware/grid.h"

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

TEST(TGrid, DataSheetSamples) {
    // Full-size grid: every figure the venue reads, and a few more.
    TArvoGrid a;
    EXPECT_EQ(a.Length, 1.054);
    EXPECT_EQ(a.PlateThickness, 0.125);
    EXPECT_EQ(a.TopGap, 0.01);
    EXPECT_EQ(a.AlternateHoleShift, 0.2404);
    EXPECT_EQ(a.RearPickOffset, -1.01955);
    EXPECT_EQ(a.FrontPickOffset, -0.07555);
    EXPECT_EQ(a.MidPickOffset, -0.5274);
    EXPECT_EQ(a.LinkSpacing, 0.7042);
    EXPECT_EQ(a.BaseRearLength, 1.03);
    EXPECT_EQ(a.RearLinkHeight, 0.0922);
    EXPECT_EQ(a.HoleInset, 0.0224);
    EXPECT_EQ(a.PickHeight, -0.025);
    EXPECT_EQ(a.Mass, 130.0);

    TBexaGrid b;
    EXPECT_EQ(b.Length, 0.8);
    EXPECT_EQ(b.Thickness, 0.1);
    EXPECT_EQ(b.FrontPickOffset, -0.133);
    EXPECT_EQ(b.LinkSpacing, 0.5105);
    EXPECT_EQ(b.HoleInset, 0.02049);
    EXPECT_EQ(b.PickHeight, 0.035);
    EXPECT_EQ(b.Mass, 40.0);

    // The subwoofer grid differs from the compact one only in its link spacing.
    THobaGrid h;
    EXPECT_EQ(h.LinkSpacing, 0.76);
    EXPECT_EQ(h.RearPickOffset, b.RearPickOffset);
    EXPECT_EQ(h.BaseFrontLength, 0.18);

    TDoviGrid d;
    EXPECT_EQ(d.Length, 0.615);
    EXPECT_EQ(d.PlateThickness, 0.08);
    EXPECT_EQ(d.Thickness, 0.1);
    EXPECT_EQ(d.RearPickOffset, -0.56);
    EXPECT_EQ(d.MidPickOffset, -0.35);
    EXPECT_EQ(d.AlternateHoleShift, 0.185);
    EXPECT_EQ(d.LinkSpacing, 0.39);
    EXPECT_EQ(d.BaseFrontLength, 0.165);
    EXPECT_EQ(d.BaseRearLength, 0.56);
    EXPECT_EQ(d.BaseFrontStep, 0.000005);
    EXPECT_EQ(d.Mass, 40.0);

    TArvoBexaGrid ab;
    EXPECT_EQ(ab.Length, 0.75);
    EXPECT_EQ(ab.PlateThickness, 0.021);
    EXPECT_EQ(ab.Mass, 30.0);
    EXPECT_EQ(ab.RearPickOffset, -0.705);
    EXPECT_EQ(ab.FrontPickOffset, -0.035);
    EXPECT_EQ(ab.PickHeight, 0.015);

    TBexaDoviGrid bd;
    EXPECT_EQ(bd.Length, 0.561);
    EXPECT_EQ(bd.Mass, 12.0);
    EXPECT_EQ(bd.RearPickOffset, -0.535);
    EXPECT_EQ(bd.FrontPickOffset, -0.0035);
    EXPECT_EQ(bd.LinkSpacing, 0.4);

    THobaDoviGrid hd;
    EXPECT_EQ(hd.Length, 0.8);
    EXPECT_EQ(hd.PlateThickness, 0.1);
    EXPECT_EQ(hd.Thickness, 0.021);
    EXPECT_EQ(hd.Mass, 45.0);
    EXPECT_EQ(hd.RearPickOffset, -0.759);
    EXPECT_EQ(hd.BaseFrontStep, 0.005);
    EXPECT_EQ(hd.RearLinkHeight, 0.054);
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
    EXPECT_EQ(stacked.Length, fresh.Length);
    EXPECT_EQ(stacked.RearLength, fresh.RearLength);
    EXPECT_EQ(stacked.ExtraLength, fresh.ExtraLength);
    EXPECT_EQ(stacked.PlateThickness, fresh.PlateThickness);
    EXPECT_EQ(stacked.Thickness, fresh.Thickness);
    EXPECT_EQ(stacked.LinkInset, fresh.LinkInset);
    EXPECT_EQ(stacked.FrontLength, fresh.FrontLength);
    EXPECT_EQ(stacked.TopGap, fresh.TopGap);
    EXPECT_EQ(stacked.Mass, fresh.Mass);
    EXPECT_EQ(stacked.FrontPickLoad, fresh.FrontPickLoad);
    EXPECT_EQ(stacked.RearPickLoad, fresh.RearPickLoad);
    EXPECT_EQ(stacked.RearPickOffset, fresh.RearPickOffset);
    EXPECT_EQ(stacked.FrontPickOffset, fresh.FrontPickOffset);
    EXPECT_EQ(stacked.RearPickX, fresh.RearPickX);
    EXPECT_EQ(stacked.FrontPickX, fresh.FrontPickX);
    EXPECT_EQ(stacked.MidPickOffset, fresh.MidPickOffset);
    EXPECT_EQ(stacked.PickMode, fresh.PickMode);
    EXPECT_EQ(stacked.PickSide, fresh.PickSide);
    EXPECT_EQ(stacked.PrimaryHolesUsed, fresh.PrimaryHolesUsed);
    EXPECT_EQ(stacked.AlternateHolesUsed, fresh.AlternateHolesUsed);
    EXPECT_EQ(stacked.AlternateHoleShift, fresh.AlternateHoleShift);
    EXPECT_EQ(stacked.LinkSpacing, fresh.LinkSpacing);
    EXPECT_EQ(stacked.BaseFrontLength, fresh.BaseFrontLength);
    EXPECT_EQ(stacked.BaseRearLength, fresh.BaseRearLength);
    EXPECT_EQ(stacked.BaseFrontStep, fresh.BaseFrontStep);
    EXPECT_EQ(stacked.RearLinkHeight, fresh.RearLinkHeight);
    EXPECT_EQ(stacked.HoleInset, fresh.HoleInset);
    EXPECT_EQ(stacked.PickHeight, fresh.PickHeight);
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
