#include "model/hardware/grid.h"

#include "platform/core/errors.h"

namespace {

// The drawn sizes follow the side of the lift bar: a front bar lengthens the
// drawn grid in front, a rear bar behind; either thickens it.
void FitLiftBar(TGrid& g, int Mode, int Side) {
    if (Mode != TGrid::PickLiftBarOnePoint && Mode != TGrid::PickLiftBarTwoPoint) return;
    if (Side == TGrid::SideFront) {
        g.RearLength = g.Length;
        g.FrontLength = g.LinkInset + 0.15;
        g.Thickness = g.PlateThickness + 0.025;
    } else if (Side == TGrid::SideRear) {
        g.RearLength = g.Length + 0.22;
        g.FrontLength = g.LinkInset;
        g.Thickness = g.PlateThickness + 0.025;
    }
}

// What every grid's constructor sets alike.
void StartState(TGrid& g) {
    g.PickMode = TGrid::PickFrontRear;
    g.PickSide = 0;
    g.PrimaryHolesUsed = 1;
    g.AlternateHolesUsed = 0;
    g.FrontPickLoad = 0;
    g.RearPickLoad = 0;
    g.ExtraLength = 0;
}

struct GridSheet {
    double Length, PlateThickness, Thickness, LinkInset, TopGap, Mass;
    double RearPickOffset, FrontPickOffset, MidPickOffset, AlternateHoleShift, LinkSpacing;
    double BaseFrontLength, BaseRearLength, BaseFrontStep, RearLinkHeight, HoleInset, PickHeight;
};

void LoadSheet(TGrid& g, const GridSheet& s) {
    StartState(g);
    g.Length = g.RearLength = s.Length;
    g.PlateThickness = s.PlateThickness;
    g.Thickness = s.Thickness;
    g.LinkInset = g.FrontLength = s.LinkInset;
    g.TopGap = s.TopGap;
    g.Mass = s.Mass;
    g.RearPickOffset = g.RearPickX = s.RearPickOffset;
    g.FrontPickOffset = g.FrontPickX = s.FrontPickOffset;
    g.MidPickOffset = s.MidPickOffset;
    g.AlternateHoleShift = s.AlternateHoleShift;
    g.LinkSpacing = s.LinkSpacing;
    g.BaseFrontLength = s.BaseFrontLength;
    g.BaseRearLength = s.BaseRearLength;
    g.BaseFrontStep = s.BaseFrontStep;
    g.RearLinkHeight = s.RearLinkHeight;
    g.HoleInset = s.HoleInset;
    g.PickHeight = s.PickHeight;
}

struct AllowedAnglesAtStart {
    AllowedAnglesAtStart() { InitAllowedAngles(); }
};

}  // namespace

TAllowedAngles AllowedAngles;

void InitAllowedAngles() {
    AllowedAngles.Angles.Fill(0.0);
    AllowedAngles.Angles[0] = 3.75;
    AllowedAngles.Angles[1] = 0;
    AllowedAngles.Angles[2] = -3.75;
    AllowedAngles.Angles[3] = -7.5;
    AllowedAngles.Count = 4;
    AllowedAngles.ChosenIndex = 1;
    AllowedAngles.FirstDrawLength = 0.255;
    AllowedAngles.SecondDrawLength = 0.255;
    AllowedAngles.ThirdDrawLength = 0.05;
}

// Defined after AllowedAngles in this file, so the table exists when it runs.
static const AllowedAnglesAtStart allowedAnglesAtStart;

void TGrid::SetRigMode(int /*Mode*/, int /*Side*/) { throw rtl::AbstractError(); }

// ---- full-size grid ----

TArvoGrid::TArvoGrid() {
    LoadSheet(*this, {1.054, 0.125, 0.125, 0.02, 0.01, 130,
                      -1.01955, -0.07555, -0.5274, 0.2404, 0.7042,
                      0.18, 1.03, 0.005, 0.0922, 0.0224, -0.025});
}

void TArvoGrid::SetRigMode(int Mode, int /*Side*/) {
    switch (Mode) {
        case PickFrontRear:
            RearPickOffset = -1.01955;
            FrontPickOffset = -0.055;
            Mass = 130;
            break;
        case PickMiddleRear:
            RearPickOffset = MidPickOffset;
            FrontPickOffset = -0.0549;
            break;
        case PickFrontMiddle:
            RearPickOffset = -0.9989;
            FrontPickOffset = MidPickOffset;
            break;
        case PickGroundStacked:
            Mass = 0;
            break;
        default:
            break;
    }
}

// ---- compact grid ----

TBexaGrid::TBexaGrid() {
    LoadSheet(*this, {0.8, 0.1, 0.1, 0.02, 0.002, 40,
                      -0.783, -0.133, -0.65, 0.25, 0.5105,
                      0.18, 0.78, 0.005, 0.054, 0.02049, 0.035});
}

void TBexaGrid::SetRigMode(int Mode, int Side) {
    PickMode = Mode;
    PickSide = Side;
    RearPickOffset = -0.783;
    FrontPickOffset = -0.09;
    Length = RearLength = 0.8;
    ExtraLength = 0;
    LinkInset = FrontLength = 0.02;
    PlateThickness = Thickness = 0.1;
    TopGap = 0.002;
    Mass = 40;
    if (Mode == PickGroundStacked) Mass = 0;
    FitLiftBar(*this, Mode, Side);
}

// ---- subwoofer grid ----

THobaGrid::THobaGrid() { LinkSpacing = 0.76; }

// ---- mini grid ----

TDoviGrid::TDoviGrid() {
    LoadSheet(*this, {0.615, 0.08, 0.1, 0.02, 0.002, 40,
                      -0.56, -0.085, -0.35, 0.185, 0.39,
                      0.165, 0.56, 0.000005, 0.054, 0.02049, 0.035});
}

void TDoviGrid::SetRigMode(int Mode, int Side) {
    PickMode = Mode;
    PickSide = Side;
    RearPickOffset = -0.59;
    FrontPickOffset = -0.069;
    Length = RearLength = 0.615;
    ExtraLength = 0;
    LinkInset = FrontLength = 0.02;
    PlateThickness = Thickness = 0.08;
    TopGap = 0.002;
    Mass = 20;
    LinkSpacing = 0.365;
    if (Mode == PickGroundStacked) Mass = 0;
    FitLiftBar(*this, Mode, Side);
}

// ---- combination grids ----

TArvoBexaGrid::TArvoBexaGrid() {
    LoadSheet(*this, {0.75, 0.021, 0.021, 0.02, 0.002, 30,
                      -0.705, -0.035, -0.65, 0.25, 0.5105,
                      0.18, 0.78, 0.005, 0.054, 0.02049, 0.015});
}

TBexaDoviGrid::TBexaDoviGrid() {
    LoadSheet(*this, {0.561, 0.021, 0.021, 0.02, 0.002, 12,
                      -0.535, -0.0035, -0.65, 0.25, 0.4,
                      0.18, 0.78, 0.005, 0.054, 0.02049, 0.015});
}

THobaDoviGrid::THobaDoviGrid() {
    LoadSheet(*this, {0.8, 0.1, 0.021, 0.02, 0.002, 45,
                      -0.759, -0.0035, -0.65, 0.25, 0.4,
                      0.18, 0.78, 0.005, 0.054, 0.02049, 0.015});
}
