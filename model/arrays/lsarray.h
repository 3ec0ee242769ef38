#pragma once
// Loudspeaker arrays: a column of cabinets hung from a flying grid or stacked
// on the ground.  TLoudspeakerArray holds the column's geometry (tilt, height,
// distance and aiming line of every element) and the results of the rig
// evaluation; one subclass per array type fixes the cabinet models, grid,
// lift bar and ground-stack bar it carries.
//
// Element i is the i-th cabinet from the top of a flown array, index 0 first.
// Every element table has the entries 0..40 and every index is checked: a walk
// past the tables stops with "Range check error", a count sum that would
// overflow with "Integer overflow".

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/checked.h"
#include "model/hardware/box.h"
#include "model/hardware/grid.h"
#include "model/hardware/groundstackbar.h"
#include "model/hardware/liftbar.h"
#include "model/hardware/splay.h"
#include "model/arrays/arraytypes.h"
#include "model/arrays/riglibrary.h"
#include "riglink/mechdll5.h"

namespace rtl {
class Canvas;
struct Point;
}  // namespace rtl

using TElementTable = rtl::CheckedArray<double, 0, 40>;
using TPresetColumn = rtl::CheckedArray<std::string, 1, 3>;
using TForceTable = rtl::CheckedArray<double, 1, 100>;
using TRigElementList = rtl::CheckedArray<TMechElemSpec, 1, 30>;

// The eight figures of the rigging panel, read from the library's current
// model.  Loads in kg, link forces in kg-force, safety factors as ratios.
struct TRigResults {
    double FrontPickLoad = 0.0;    // element 1's front pick point
    double TopFrontSafety = 0.0;   // element 1's front link
    double RearPickLoad = 0.0;     // element 1's rear pick point
    double TopRearSafety = 0.0;    // element 1's rear link
    double WeakFrontForce = 0.0;   // front link of the element weakest at its front
    double WeakFrontSafety = 0.0;
    double WeakRearForce = 0.0;    // rear link of the element weakest at its rear
    double WeakRearSafety = 0.0;
};

// The mini system's rigging: the mini grid with its mini lift bar, or the
// combination grid with the compact lift bar.  Held by the seven arrays of
// mini cabinets.
struct TMiniRigging {
    TDoviGrid* DoviGrid = nullptr;     // the mini grid
    TBexaGrid* BexaGrid = nullptr;     // the combination grid
    TDoviLiftbar* DoviLiftBar = nullptr;
    TLiftBar* LiftBar = nullptr;       // the compact bar, with the combination grid
};

class TLoudspeakerArray {
public:
    // Rig modes.
    static constexpr int32_t Flown = 1;
    static constexpr int32_t GroundStacked = 2;

    int32_t ElementCount = 0;  // cabinets in use

    // Scale state of the last side view / flying detail drawing.
    double ViewMarginX = 0.0;
    double ViewMarginY = 0.0;
    double ViewExtentX = 0.0;
    double ViewExtentY = 0.0;
    double MetresPerPixelX = 0.0;
    double MetresPerPixelY = 0.0;
    double DetailMetresPerPixelX = 0.0;
    double DetailMetresPerPixelY = 0.0;

    uint8_t TypeCode = 0;  // a TArrayType, fixed by the constructor
    // The type as the enum and its row of the type table; "Range check
    // error" for a code beyond the last type.
    TArrayType ArrayType() const { return ArrayTypeOf(TypeCode); }
    const TArrayTypeInfo& TypeInfo() const { return ArrayTypeInfo(TypeCode); }

    // The splay list in use: the array's own until SetUp hands it the
    // caller's, which stays the caller's.
    TSplay* Splay = nullptr;
    TBox* CurrentBox = nullptr;                 // cabinet of the element being processed
    TGrid* Grid = nullptr;                      // flying grid (ground-stacked: the base)
    TGroundStackBar* GroundStackBar = nullptr;
    TLoudspeakerArray* MainArray = nullptr;     // only a sub array matched to a main array
    double PositionOffset = 0.0;  // m: top of element 0 when flown, stage height when stacked

    TElementTable Tilt;             // degrees, absolute
    TElementTable ElementHeight;    // m, reference point of each element
    TElementTable ElementDistance;  // m, horizontal distance of the reference point
    TElementTable AimSlope;         // aiming line y = AimSlope * x + AimIntercept
    TElementTable AimIntercept;     // m

    int32_t Count1 = 0;  // cabinets of the first (top) model of a mixed array
    int32_t Count2 = 0;  // of the second model
    int32_t Count3 = 0;  // of the third model (three-model array only)
    // The first count last given to SetUp: Count1 of a mixed array, the
    // element count of a single-model array (which keeps Count1 at 0).
    int32_t FirstModelCount() const { return Models_[1] != nullptr ? Count1 : ElementCount; }

    // Controller advice (written by CalcControllerSettings), entries 1..3.
    TPresetColumn Presets1;
    TPresetColumn PresetEQ1;
    TPresetColumn Presets2;
    TPresetColumn PresetEQ2;
    std::string ColumnHeading1;
    std::string ColumnHeading2;
    std::string ControllerNote;

    double TotalMass = 0.0;  // kg, from the rig evaluation
    double CogX = 0.0;       // m, x of the rig's centre of gravity

    // Rig evaluation results (written by CalcMechanics).
    TRigElementList RigElements;  // the element list handed to the library, top first
    TForceTable ForceF1;          // link force before the 0.6 factor
    TForceTable ForceF2;          // its horizontal part
    TForceTable ForceF3;          // its vertical part
    TForceTable TensionFront;     // front link force
    TForceTable TensionRear;      // rear link force
    TForceTable SafetyFront;      // front safety factor
    TForceTable SafetyRear;       // rear safety factor

    double JunctionGap = 0.0;  // m, extra height where the second model begins
    double MixOffset2 = 0.0;   // m, side view only
    double MixOffset3 = 0.0;   // m, side view only

    int32_t LiftBarBestHole = 0;    // 1-based lift-bar hole, -1 when none
    double LiftBarGridAngle = 0.0;  // degrees

    int32_t RigMode = Flown;
    int32_t RigElementCount = 0;  // elements handed to the library (cabinets, grid, lift bar, junction)
    bool MechanicsDone = false;   // TotalMass and CogX hold results
    double TipForce = 0.0;        // N, horizontal test force at the top of a stack
    double StackHeight = 0.0;     // m, tipping check results
    double FrontTipLimit = 0.0;
    double RearTipLimit = 0.0;
    bool CombinationGrid = false;   // set by the venue
    double LastBoxFaceAngle = 0.0;  // degrees, written by the venue

    // The lift bar in use (nullptr in the classes without one).
    TLiftBar* CurrentLiftBar = nullptr;

    // Create: RigMode 1, its own empty splay list, placeholder grid, cabinet
    // and ground-stack bar.
    TLoudspeakerArray();
    virtual ~TLoudspeakerArray();
    TLoudspeakerArray(const TLoudspeakerArray&) = delete;
    TLoudspeakerArray& operator=(const TLoudspeakerArray&) = delete;

    // Geometry from the splay list.  Single-model classes take Count1 as the
    // element count; two-model classes Count1 and Count2; the three-model
    // class all three.  ASplay stays the caller's and must outlive its use.
    virtual void SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
                       double APositionOffset, double ATipForce);
    // Controller and amplifier advice into Presets1 .. ControllerNote.
    // Abstract here: rtl::AbstractError (TRiggedArray gives the one body).
    virtual void CalcControllerSettings();
    // Rig evaluation through the mechanics library.  Abstract here.
    virtual void CalcMechanics();
    // Makes CurrentBox the cabinet of element number I (1-based; 0 selects
    // the first model) by the counts.  An array that lists no models (every
    // single-model one) keeps its cabinet.
    virtual void SelectCabinet(int32_t I);
    virtual void CalcAngles();
    virtual void CalcHeights();
    virtual void CalcDistances();
    // Tipping check of a ground stack: 0 safe, 2 unsafe; stores StackHeight,
    // FrontTipLimit and RearTipLimit.  Runs CalcMechanics first.  An array
    // with no element stops with "Range check error"; a stack the rig
    // evaluation could not weigh (no ground-stacked pass, no mass) is unsafe.
    virtual uint8_t GroundStackSafetyLevel();
    // 1 flown, 2 ground-stacked.
    virtual void SetRigMode(int32_t Mode);
    // The lift bar's picked side (1 front, 2 rear).  Abstract in the arrays
    // without a lift bar (CurrentLiftBar null): rtl::AbstractError.
    virtual void SetLiftBarOption(int32_t Value);
    virtual void DrawSideView(rtl::Canvas& Canvas, bool DrawArray, bool EqualScale, int32_t Width,
                              int32_t Height, bool Metric, int32_t ARigMode, bool Printing,
                              bool Spare);
    virtual void DrawFlyingDetail(rtl::Canvas& Canvas, bool EqualScale, bool Printing,
                                  int32_t Width, int32_t Height, int32_t Left, int32_t Top,
                                  bool Metric, int32_t ARigMode, double ExtraX, double ExtraY,
                                  int32_t ShiftX, int32_t ShiftY, rtl::Point& PickPoint);
    // 0 safe, 1 caution, 2 unsafe.  Flown: the library's grading of the
    // model this array's last CalcMechanics built (unsafe when that
    // evaluation ran no flown pass or found no weakest element); otherwise
    // the tipping check.
    uint8_t SafetyLevel();
    // The eight figures of the rigging panel from the library's current
    // model (that of the array evaluated last).
    TRigResults GetRigResults();

    // The library the rig evaluation and the queries call; a test may hand
    // the array a fake.  Never null.
    const TRigLibrary* RigLibrary = &RealRigLibrary();

    // Tilt of elements 0..Count1+Count2-1 as running sums of the splay
    // angles, whatever the rig mode.
    void CalcCumulativeAngles();
    // Aiming lines of elements 0..ElementCount-1.
    void CalcSlopes();
    void CalcIntercepts();
    // The same over Count1 + Count2 elements (two-model arrays).
    void CalcSlopesTwoModel();
    void CalcInterceptsTwoModel();

protected:
    // What the last CalcMechanics did, for the safety levels: which pass
    // ran (none when it skipped), and whether TotalMass already holds the
    // grid's mass.
    enum class TRigPassRun { None, Flown, GroundStacked };
    TRigPassRun LastRigPass_ = TRigPassRun::None;
    bool TotalMassHasGrid_ = false;

    // The bottom element of a stack: its index (an empty array stops here
    // with "Range check error"), its cabinet's front height, and the x of
    // the corner of its foot that the base's front and rear lengths run
    // from.  CurrentBox stays as it was.
    struct TStackFoot {
        int32_t Last = 0;
        long double Height = 0.0L;
        long double Corner = 0.0L;
    };
    TStackFoot StackFoot();
    // Steps 5 to 8 of the tipping check, once the base edges and
    // StackHeight stand: evaluates the rig, then the limits and the level.
    uint8_t TippingCheck(double Front, double Rear);

    // Objects the array owns; the typed pointers above and in the
    // subclasses point into these.
    template <class T>
    T* NewBox() { return Own<T>(OwnedBoxes_); }
    template <class T>
    T* NewGrid() { return Own<T>(OwnedGrids_); }
    template <class T>
    T* NewLiftBar() { return Own<T>(OwnedLiftBars_); }
    template <class T>
    T* NewGroundStackBar() { return Own<T>(OwnedGroundStackBars_); }

    // Cabinet model of each position of a mixed array, top model first.
    rtl::CheckedArray<TBox*, 1, 3> Models_;
    // Whether Count3 takes part in the model walk (the three-model array).
    bool ThreeModels_ = false;
    // A mixed array's models, top first; a third model makes it the
    // three-model array.
    void ListModels(TBox* First, TBox* Second, TBox* Third = nullptr);

    // SelectCabinet of the mixed arrays: I <= Count1 the first model, then
    // the second, beyond Count1 + Count2 the third (three-model array).
    void SelectModelByCounts(int32_t I);
    // Count1 + Count2 (+ Count3 in the three-model array), overflow-checked.
    int32_t ModelCountSum() const;
    // A mixed array's counts: Count1, Count2 (Count3 only in the three-model
    // array; the others keep theirs) and ElementCount, their sum.
    void StoreModelCounts(int32_t ACount1, int32_t ACount2, int32_t ACount3);

    // The three steps that every SetUp shares.
    void StoreSetUpArgs(TSplay& ASplay, double APositionOffset, double ATipForce);
    // The set-up of the two subwoofer mixes up to their geometry, the rig
    // element count by pick mode (+2 front/rear, +3 lift bar).
    void StoreSubwooferMixArgs(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
                               double APositionOffset, double ATipForce);
    // Ground stack: the hole of GroundStackBar nearest to the last element's
    // splay entry.
    void SelectGroundStackHole();
    // RigElementCount := ElementCount + FrontRear for pick mode 1, + LiftBar
    // for pick modes 4 and 5; any other pick mode keeps the previous count.
    void SetRigElementCountByPickMode(int32_t FrontRear, int32_t LiftBar);
    // The base rig-mode change, then the current cabinet's splay table.
    void SetRigModeWithCabinet(int32_t Mode);
    // The recomputation after the counts are stored.
    void RecomputeGeometry();           // CalcAngles ... over ElementCount
    void RecomputeGeometryTwoModel();   // cumulative angles, two-model aiming lines

    // Running offsets of the reference points walking down from the top:
    // C[i] = f(t[i]) h_i / 2 + C[i-1] + f(t[i-1]) h_{i-1} / 2, with the sine
    // or the cosine as f.  PerElement: every half term takes its own
    // element's cabinet through SelectCabinet, else CurrentBox throughout.
    // GapAt: element index whose joining step to the element above adds
    // JunctionGap to both half heights (-1: none).
    void WalkTopDown(int32_t N, bool Sine, bool PerElement, int32_t GapAt, TElementTable& C);
    // The same from the bottom element up (ground stack, cosine).
    void WalkBottomUp(int32_t N, bool PerElement, TElementTable& C);
    // Heights and distances of the flown and stacked rules over N elements.
    void FlownHeights(int32_t N, bool PerElement, int32_t GapAt);
    void StackedHeights(int32_t N, bool PerElement);
    void TopDownDistances(int32_t N, bool PerElement, int32_t GapAt);

    // Subwoofers hang by their rear: entries 0..Last of T (ElementHeight
    // with the sine, ElementDistance with the cosine) move back by Depth,
    // against the tilt of element 1.
    void MoveToRear(TElementTable& T, bool Sine, long double Depth, int64_t Last);
    // Subwoofers (first model, cabinet Sub) over a second model (cabinet
    // Lower), the heights or the distances: the flown rule with the
    // subwoofer's height for all, the subwoofers moved to their rear, and
    // the second model chained down from the last subwoofer across the
    // junction gap.
    void SubwooferOver(const TBox& Sub, const TBox& Lower, bool Heights);

    // Grid settings the mini arrays carry over when they change grids.
    struct TGridSettings {
        uint8_t PrimaryHolesUsed = 0;
        uint8_t AlternateHolesUsed = 0;
        int PickMode = 0;
        int PickSide = 0;
    };
    TGridSettings NoteGridSettings() const;
    // Creates the mini rigging.  NarrowCombination: the combination grid's
    // alternate-hole shift becomes 0.255 and its link spacing 0.37.
    // Grid := the mini grid, CurrentLiftBar := the mini lift bar.
    TMiniRigging NewMiniRigging(bool NarrowCombination);
    // Grid := the combination grid (mass 60) when CombinationGrid, else the
    // mini grid (mass 40), with the noted settings; the matching lift bar
    // becomes current and takes the noted pick side.
    void SwitchMiniGrid(const TMiniRigging& Rig, const TGridSettings& Settings);

    // Aiming lines of elements 0..N-1.
    void SlopesOver(int32_t N);
    void InterceptsOver(int32_t N);

private:
    template <class T, class Base>
    static T* Own(std::vector<std::unique_ptr<Base>>& List) {
        List.push_back(std::make_unique<T>());
        return static_cast<T*>(List.back().get());
    }

    std::unique_ptr<TSplay> OwnSplay_;
    std::vector<std::unique_ptr<TBox>> OwnedBoxes_;
    std::vector<std::unique_ptr<TGrid>> OwnedGrids_;
    std::vector<std::unique_ptr<TLiftBar>> OwnedLiftBars_;
    std::vector<std::unique_ptr<TGroundStackBar>> OwnedGroundStackBars_;
};

// ---------------------------------------------------------------------------
// Every concrete array: the one rig evaluation and the one controller advice,
// both driven by the array type (the per-type element lists live in
// rig/element_lists, the per-type advice in advice/controller_advice).

class TRiggedArray : public TLoudspeakerArray {
public:
    void CalcControllerSettings() override;
    void CalcMechanics() override;

protected:
    TRiggedArray() = default;
};

// ---------------------------------------------------------------------------
// Single-model arrays.

// The two full-size single-model arrays share the full-size grid and
// ground-stack bar; the rig element count is the cabinets and the grid.
class TFullSizeArray : public TRiggedArray {
public:
    TArvoGrid* ArvoGrid = nullptr;
    TArvoGroundStackBar* ArvoGroundStackBar = nullptr;

    void SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
               double APositionOffset, double ATipForce) override;
    void SetRigMode(int32_t Mode) override;

protected:
    TFullSizeArray();
};

class TArvoArray : public TFullSizeArray {
public:
    TArvoBox* ArvoBox = nullptr;

    TArvoArray();
};

class TRuddArray : public TFullSizeArray {
public:
    TRuddBox* RuddBox = nullptr;

    TRuddArray();
};

class TBexaArray : public TRiggedArray {
public:
    TBexaBox* BexaBox = nullptr;
    TBexaGrid* BexaGrid = nullptr;
    TLiftBar* LiftBar = nullptr;
    TBexaGroundStackBar* BexaGroundStackBar = nullptr;

    TBexaArray();
    void SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
               double APositionOffset, double ATipForce) override;
    void SetRigMode(int32_t Mode) override;
};

// Subwoofers, flown on their own or behind a main array they were matched to.
class THobaARRAY : public TRiggedArray {
public:
    THobaBox* HobaBox = nullptr;
    THobaGrid* HobaGrid = nullptr;
    TLiftBar* LiftBar = nullptr;

    THobaARRAY();
    // The second constructor: a sub array with ElementCount SubCount at
    // SubPositionOffset, and its own main array (MainType 0: TArvoArray,
    // 1: TBexaArray) set up from a copy of MainSplay with MainCount cabinets
    // at MainPositionOffset and a test force of 1000 N.  Any other MainType
    // is refused with "Range check error" before anything is built.
    static std::unique_ptr<THobaARRAY> CreateWithMainArray(uint8_t MainType,
                                                           const TSplay& MainSplay,
                                                           int32_t MainCount,
                                                           double MainPositionOffset,
                                                           int32_t SubCount,
                                                           double SubPositionOffset);
    // Gives every sub element the splay choice whose tilt comes nearest to
    // that of the main element at the nearest height, and copies the sub
    // array's splay list (angles and choice indexes) into Result.
    void MatchToMainArray(TSplay& Result);

    void SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
               double APositionOffset, double ATipForce) override;
    void CalcHeights() override;
    void CalcDistances() override;

private:
    std::unique_ptr<TSplay> MainSplay_;
    std::unique_ptr<TLoudspeakerArray> OwnedMainArray_;
};

// The four single-model arrays of mini-system cabinets share one shape.
class TMiniSingleArray : public TRiggedArray {
public:
    TMiniRigging MiniRig;

    void SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
               double APositionOffset, double ATipForce) override;
    void SetRigMode(int32_t Mode) override;

protected:
    TMiniSingleArray() = default;
};

class TDoviArray : public TMiniSingleArray {
public:
    TDoviBox* DoviBox = nullptr;
    TDoviGroundStackBar* DoviGroundStackBar = nullptr;

    TDoviArray();
};

class TElkaArray : public TMiniSingleArray {
public:
    TElkaBox* ElkaBox = nullptr;
    TElkaGroundStackBar* ElkaGroundStackBar = nullptr;

    TElkaArray();
};

class TIvorArray : public TMiniSingleArray {
public:
    TIvorBox* IvorBox = nullptr;
    TElkaGroundStackBar* ElkaGroundStackBar = nullptr;

    TIvorArray();
};

// ---------------------------------------------------------------------------
// Two-model arrays with a junction between the models.

class TArvoBexaArray : public TRiggedArray {
public:
    TArvoBox* ArvoBox = nullptr;
    TBexaBox* BexaBox = nullptr;
    TArvoGrid* ArvoGrid = nullptr;
    TArvoBexaGrid* ArvoBexaGrid = nullptr;

    TArvoBexaArray();
    void SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
               double APositionOffset, double ATipForce) override;
    void CalcHeights() override;
    void CalcDistances() override;
};

class TRuddBexaArray : public TArvoBexaArray {
public:
    TRuddBox* RuddBox = nullptr;

    TRuddBexaArray();
};

class TBexaDoviArray : public TArvoBexaArray {
public:
    // Its own cabinets and grids beside those of the parent.
    TBexaBox* OwnBexaBox = nullptr;
    TBexaGrid* BexaGrid = nullptr;
    TDoviBox* DoviBox = nullptr;
    TBexaDoviGrid* BexaDoviGrid = nullptr;
    TLiftBar* LiftBar = nullptr;

    TBexaDoviArray();
    void SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
               double APositionOffset, double ATipForce) override;
};

class THobaDoviArray : public TArvoBexaArray {
public:
    TDoviBox* DoviBox = nullptr;
    THobaGrid* HobaGrid = nullptr;
    THobaBox* HobaBox = nullptr;
    THobaDoviGrid* HobaDoviGrid = nullptr;
    TLiftBar* LiftBar = nullptr;

    THobaDoviArray();
    void SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
               double APositionOffset, double ATipForce) override;
    void CalcHeights() override;
    void CalcDistances() override;
};

// Subwoofers over compact cabinets; always flown.
class THobaBexaARRAY : public TRiggedArray {
public:
    TBexaBox* BexaBox = nullptr;
    THobaBox* HobaBox = nullptr;
    THobaGrid* HobaGrid = nullptr;
    TLiftBar* LiftBar = nullptr;

    THobaBexaARRAY();
    void SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
               double APositionOffset, double ATipForce) override;
    void CalcHeights() override;
    void CalcDistances() override;
    void SetRigMode(int32_t Mode) override;
};

// ---------------------------------------------------------------------------
// Two-model arrays of the full-size family without a junction element: the
// full-size grid, and the full-size cabinet current, which the geometry
// takes for every element; the rig element count is the cabinets and the
// grid.

class TFullSizePairArray : public TRiggedArray {
public:
    TArvoBox* ArvoBox = nullptr;
    TArvoGrid* ArvoGrid = nullptr;

    void SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
               double APositionOffset, double ATipForce) override;

protected:
    TFullSizePairArray();
};

class TRuddArvoArray : public TFullSizePairArray {
public:
    TRuddBox* RuddBox = nullptr;

    TRuddArvoArray();
};

class TGiraFArvoArray : public TFullSizePairArray {
public:
    TGiraFBox* GiraFBox = nullptr;

    TGiraFArvoArray();
};

// ---------------------------------------------------------------------------
// Mixed arrays whose cabinets each take their own model in the geometry:
// the mini mixes and the compact with its downfill.

class TMixedColumnArray : public TRiggedArray {
public:
    // Counts, rig element count by pick mode (+1 front/rear, +2 lift bar),
    // then the geometry.
    void SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
               double APositionOffset, double ATipForce) override;
    // Flown: Count1 + Count2 (+ Count3) elements top-down.  Any other rig
    // mode: ElementCount elements bottom-up on the grid.  Ends on the first
    // model.
    void CalcHeights() override;
    // Count1 + Count2 (+ Count3) elements top-down; ends on the first model.
    void CalcDistances() override;
    void SetRigMode(int32_t Mode) override;

protected:
    TMixedColumnArray() = default;
};

// The mixes with mini cabinets: the mixed column's set-up after the grid
// switch.
class TMiniMixedArray : public TMixedColumnArray {
public:
    TMiniRigging MiniRig;

    void SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
               double APositionOffset, double ATipForce) override;

protected:
    TMiniMixedArray() = default;
};

class TDoviElkaArray : public TMiniMixedArray {
public:
    TDoviBox* DoviBox = nullptr;
    TElkaBox* ElkaBox = nullptr;
    TElkaGroundStackBar* ElkaGroundStackBar = nullptr;

    TDoviElkaArray();
    void SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
               double APositionOffset, double ATipForce) override;
};

class TBexaCadriArray : public TMixedColumnArray {
public:
    TBexaBox* BexaBox = nullptr;
    TCadriBox* CadriBox = nullptr;
    TBexaGrid* BexaGrid = nullptr;
    TLiftBar* LiftBar = nullptr;

    TBexaCadriArray();
};

// Mini-system subwoofers with mini cabinets below (flown) or on top (stacked).
class TIvorDoviArray : public TMiniMixedArray {
public:
    TIvorBox* IvorBox = nullptr;
    TDoviBox* DoviBox = nullptr;
    TDoviGroundStackBar* DoviGroundStackBar = nullptr;

    TIvorDoviArray();
    void SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
               double APositionOffset, double ATipForce) override;
    // Stacked: the subwoofers stand level; the mini cabinets take the
    // stacked rule.
    void CalcAngles() override;
    void CalcHeights() override;
    void CalcDistances() override;
    uint8_t GroundStackSafetyLevel() override;

private:
    // Stacked: subwoofers upright on the stage, mini cabinets on top of them.
    void StackOnSubwoofers();
};

class TIvorElkaArray : public TMiniMixedArray {
public:
    TIvorBox* IvorBox = nullptr;
    TElkaBox* ElkaBox = nullptr;
    TElkaGroundStackBar* ElkaGroundStackBar = nullptr;

    TIvorElkaArray();
};

class TIvorDoviElkaArray : public TMiniMixedArray {
public:
    TIvorBox* IvorBox = nullptr;
    TDoviBox* DoviBox = nullptr;
    TElkaBox* ElkaBox = nullptr;
    TElkaGroundStackBar* ElkaGroundStackBar = nullptr;

    TIvorDoviElkaArray();
};

// ---------------------------------------------------------------------------
// Array types by name.

// The class named by an array type string ("Arvo", "MIXIvorDoviElka", ...);
// the empty string means "Arvo".  Any other string: rtl::RuntimeError
// "Unknown array type "<text>"".
std::unique_ptr<TLoudspeakerArray> CreateLoudspeakerArray(const std::string& ArrayType);
// The type string of a type code; "Range check error" beyond the last type.
const std::string& ArrayTypeString(uint8_t TypeCode);
