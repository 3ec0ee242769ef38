#pragma once
// The column of elements (lift bar, grid, cabinets, junction elements) that
// describes an array to the rigging library, per array type and rig pass.
//
// Nothing here calls the library: the array's CalcMechanics asks PlanRigPass
// for the list, the count, the target angle and which lift-bar and force
// queries belong to the pass, then drives the library itself.

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/core/checked.h"

// One element of the column: the library's element-type code and the angle
// relative to the element above, in the library's sign (positive lifts the
// front).  Same byte layout as the library's element record.
struct RigElement {
    uint8_t Code = 0;
    double Angle = 0.0;
};
static_assert(sizeof(RigElement) == 16, "element record is 16 bytes");
static_assert(offsetof(RigElement, Angle) == 8, "angle at byte 8");

// The library takes at most this many elements.
inline constexpr int kMaxRigElements = 30;

// Entries 1..30, top first.  A pass writes entries 1..count only; the rest
// keep whatever an earlier pass left (the library reads only the count).
using RigElementTable = rtl::CheckedArray<RigElement, 1, kMaxRigElements>;

// Everything the lists are built from, copied from the array and its
// grid and lift bar.
struct RigListInput {
    int TypeCode = 0;            // array type code 0..18
    int RigMode = 1;             // 1 flown, 2 ground-stacked
    int ElementCount = 0;        // cabinets of a single-model array
    int Count1 = 0;              // cabinets of the first, second and third
    int Count2 = 0;              // model of a mixed array (a mixed array's
    int Count3 = 0;              // ElementCount is not read)
    int PickMode = 1;            // TGrid.PickMode of the grid in use
    int LiftBarSide = 2;         // TLiftBar.PickSide of the lift bar in use: 2 rear, else front
    bool PrimaryHolesUsed = true;  // TGrid.PrimaryHolesUsed
    bool CombinationGrid = false;
    std::array<double, 41> S{};  // TSplay.Angle, degrees (array-model sign)
    double T0 = 0.0;             // Tilt[0], degrees
};

enum class RigPass { None, Flown, GroundStacked };

// What one evaluation does.  With Pass == None the array calls no library
// function and every result keeps its value.
struct RigPassPlan {
    RigPass Pass = RigPass::None;
    int Count = 0;               // elements handed to the library
    double TargetAngle = 0.0;    // angle handed with them (library sign)
    bool LiftBarHole = false;    // ask the best lift-bar hole and tell the lift bar its result
    bool LiftBarAngles = false;  // read the grid angle of that hole (when the hole is > 0)
    bool InternalForces = false; // read the seven force tables for elements 1..Count
    bool AddGridMass = false;    // stored total mass is the library's plus the grid's
};

// Writes the list of the pass that the input calls for into `elements`
// (entries 1..Count) and returns the plan.  Throws rtl::RangeError for a
// type code outside 0..18, a negative count, a list longer than 30 entries,
// a ground-stacked list without a cabinet, a mixed list whose first model
// is empty where its last cabinet carries the next model (nothing is
// written in these cases) or a splay index outside 0..40, and
// rtl::OverflowError when the counts do not add up in 32 bits.
RigPassPlan PlanRigPass(const RigListInput& in, RigElementTable& elements);

// The two passes on their own.  They return the number of entries written,
// or kNoRigList when the array type builds no such list for this input
// (flown: a lift-bar array in a pick mode other than 1, 4 or 5; ground:
// an array type without a ground-stacked pass).
inline constexpr int kNoRigList = -1;
int BuildFlownElementList(const RigListInput& in, RigElementTable& elements);
int BuildGroundElementList(const RigListInput& in, RigElementTable& elements);

// Per-type hardware choices, also useful to drawings and reports.
enum class LiftBarKind { None, Compact, Mini };

// The lift bar a flown array of this type hangs from in this pick mode;
// None for pick modes other than 4 and 5 and for the full-size arrays.
LiftBarKind LiftBarFor(int typeCode, int pickMode, bool combinationGrid);
// True for the array types that own a lift bar at all.
bool HasLiftBar(int typeCode);
uint8_t GridElementCode(int typeCode, bool primaryHolesUsed, bool combinationGrid);
// pickMode 4 or 5; side 2 rear, anything else front.
uint8_t LiftBarElementCode(LiftBarKind kind, int pickMode, int side);
// Whether this rig mode evaluates the ground-stacked list in this type.
bool HasGroundStackedPass(int typeCode, int rigMode);
