#pragma once
// Flying grids and the shared allowed-angle table.
//
// Positions along a grid are signed distances from its reference point; the
// pick points lie behind it (negative).  Lengths in metres, masses in kg.

#include <cstdint>

#include "platform/core/checked.h"

class TGrid {
public:
    // Pick modes.  The full-size grid also knows 2 and 3 (one pick point
    // moved to the middle hole).
    static constexpr int PickFrontRear = 1;
    static constexpr int PickMiddleRear = 2;
    static constexpr int PickFrontMiddle = 3;
    static constexpr int PickLiftBarOnePoint = 4;
    static constexpr int PickLiftBarTwoPoint = 5;
    static constexpr int PickGroundStacked = 6;
    // Lift-bar sides.
    static constexpr int SideFront = 1;
    static constexpr int SideRear = 2;

    double Length = 0.0;          // grid behind its reference point, without a lift bar
    double RearLength = 0.0;      // drawn grid behind the reference point
    double ExtraLength = 0.0;     // 0 on every grid; side-view width estimate
    double PlateThickness = 0.0;  // added to every element height when ground-stacked
    double Thickness = 0.0;       // drawn thickness
    double LinkInset = 0.0;       // reference point back to the front link holes
    double FrontLength = 0.0;     // drawn grid in front of the reference point
    double TopGap = 0.0;          // top cabinet to the grid's underside; added when ground-stacked
    double Mass = 0.0;            // kg
    double FrontPickLoad = 0.0;   // kg, written by the rig evaluation
    double RearPickLoad = 0.0;    // kg, written by the rig evaluation
    double RearPickOffset = 0.0;  // rear pick point along the grid's top (side view)
    double FrontPickOffset = 0.0; // front pick point along the grid's top (side view)
    double RearPickX = 0.0;       // rear pick point in the flying detail
    double FrontPickX = 0.0;      // front pick point in the flying detail
    double MidPickOffset = 0.0;   // middle pick hole
    int PickMode = 0;             // see the constants above
    int PickSide = 0;             // 1 front, 2 rear
    uint8_t PrimaryHolesUsed = 0;     // cabinets hang from the primary link points
    uint8_t AlternateHolesUsed = 0;   // the alternate link points are in use
    double AlternateHoleShift = 0.0;  // primary to alternate link points
    double LinkSpacing = 0.0;         // front link holes to the rear link hole
    double BaseFrontLength = 0.0;     // ground-stacked base in front of the bottom front corner
    double BaseRearLength = 0.0;      // ground-stacked base behind that corner
    double BaseFrontStep = 0.0;       // drop of the base's front part below that corner
    double RearLinkHeight = 0.0;      // rear link hole above the plate's underside
    double HoleInset = 0.0;           // front link holes from the plate's edges
    double PickHeight = 0.0;          // pick points against the plate's top

    // Sets nothing: every field zero.
    TGrid() = default;
    virtual ~TGrid() = default;

    // Loads the drawing sizes, pick points and mass for a pick mode and
    // lift-bar side.  The base class and the combination grids have none:
    // they throw rtl::AbstractError.
    virtual void SetRigMode(int Mode, int Side);
};

// Full-size grid (also carries the flown subwoofer).  Its SetRigMode uses
// the pick mode only and stores neither argument.
class TArvoGrid : public TGrid {
public:
    TArvoGrid();
    void SetRigMode(int Mode, int Side) override;
};

// Compact grid.
class TBexaGrid : public TGrid {
public:
    TBexaGrid();
    void SetRigMode(int Mode, int Side) override;
};

// Subwoofer grid: the compact grid with a wider link spacing.
class THobaGrid : public TBexaGrid {
public:
    THobaGrid();
};

// Mini grid.
class TDoviGrid : public TBexaGrid {
public:
    TDoviGrid();
    void SetRigMode(int Mode, int Side) override;
};

// Combination grids; never rigged through SetRigMode.
class TArvoBexaGrid : public TGrid {
public:
    TArvoBexaGrid();
};

class TBexaDoviGrid : public TGrid {
public:
    TBexaDoviGrid();
};

class THobaDoviGrid : public TGrid {
public:
    THobaDoviGrid();
};

// The allowed-angle table: the angles the user steps through (degrees), the
// entries in use, the chosen entry (0-based) and three drawing lengths.
struct TAllowedAngles {
    rtl::CheckedArray<double, 0, 40> Angles;
    int Count = 0;
    int ChosenIndex = 0;
    double FirstDrawLength = 0.0;   // read by the side view
    double SecondDrawLength = 0.0;
    double ThirdDrawLength = 0.0;   // read by the side view

    // The chosen angle; "Range check error" when ChosenIndex is outside 0..40.
    double ChosenAngle() const { return Angles[ChosenIndex]; }
};

// The one process-wide table, filled at program start.
extern TAllowedAngles AllowedAngles;

// (Re)fills AllowedAngles with its start-up values: 3.75, 0, -3.75, -7.5,
// count 4, chosen index 1, drawing lengths 0.255, 0.255, 0.05.
void InitAllowedAngles();
