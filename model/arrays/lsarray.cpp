// The array base class: construction, the shared set-up steps and the
// element geometry.  Geometry is carried in long double and rounded to double
// where a table entry is stored.

#include "model/arrays/lsarray.h"

#include "model/details/flying_detail.h"
#include "model/drawings/side_view.h"

#include <cmath>

#include "model/arrays/trig.h"
#include "platform/core/errors.h"

using rtl::CheckedAdd;
using rtl::CheckedSub;

TLoudspeakerArray::TLoudspeakerArray() : OwnSplay_(std::make_unique<TSplay>()) {
    RigMode = Flown;
    Splay = OwnSplay_.get();
    Grid = NewGrid<TGrid>();
    CurrentBox = NewBox<TBox>();
    GroundStackBar = NewGroundStackBar<TGroundStackBar>();
    MechanicsDone = false;
    CombinationGrid = false;
    Models_.Fill(nullptr);
}

TLoudspeakerArray::~TLoudspeakerArray() = default;

// ---------------------------------------------------------------------------
// Virtual operations with a base body.

void TLoudspeakerArray::SetUp(TSplay& ASplay, int32_t ACount1, int32_t /*ACount2*/,
                              int32_t /*ACount3*/, double APositionOffset, double ATipForce) {
    StoreSetUpArgs(ASplay, APositionOffset, ATipForce);
    ElementCount = ACount1;
    if (RigMode == GroundStacked) SelectGroundStackHole();
    RecomputeGeometry();
}

void TLoudspeakerArray::CalcControllerSettings() { throw rtl::AbstractError(); }

void TLoudspeakerArray::CalcMechanics() { throw rtl::AbstractError(); }

// Every mixed array lists its models in Models_ and picks by the counts; a
// single-model array lists none and its one cabinet stays current.
void TLoudspeakerArray::SelectCabinet(int32_t I) {
    if (Models_[1] != nullptr) SelectModelByCounts(I);
}

void TLoudspeakerArray::CalcAngles() {
    const int32_t N = ElementCount;
    for (int64_t i = 0; i < N; ++i) Tilt[i] = 0.0;
    if (RigMode == Flown) {
        // Element 0's entry is the array's top angle.
        long double sum = 0.0L;
        for (int64_t i = 0; i < N; ++i) {
            sum += Splay->Angle[i];
            Tilt[i] = static_cast<double>(sum);
        }
    } else if (RigMode == GroundStacked) {
        // The bottom element stands at its own splay entry; each element above
        // takes the tilt below it less its own splay.
        const int32_t last = CheckedSub(N, 1);
        Tilt[last] = Splay->Angle[last];
        for (int64_t i = static_cast<int64_t>(last) - 1; i >= 0; --i)
            Tilt[i] = static_cast<double>(static_cast<long double>(Tilt[i + 1]) - Splay->Angle[i]);
    }
}

void TLoudspeakerArray::CalcHeights() {
    if (RigMode == Flown)
        FlownHeights(ElementCount, false, -1);
    else if (RigMode == GroundStacked)
        StackedHeights(ElementCount, false);
}

void TLoudspeakerArray::CalcDistances() { TopDownDistances(ElementCount, false, -1); }

void TLoudspeakerArray::SetRigMode(int32_t Mode) {
    RigMode = Mode;
    // Keeps the tipping figures current for an array evaluated before.
    if (MechanicsDone && RigMode == GroundStacked) (void)GroundStackSafetyLevel();
}

// The option belongs to the lift bar in use, which in the mini arrays
// changes with the grid; an array that never hangs from a lift bar leaves
// the operation abstract.
void TLoudspeakerArray::SetLiftBarOption(int32_t Value) {
    if (CurrentLiftBar == nullptr) throw rtl::AbstractError();
    CurrentLiftBar->PickSide = Value;
}

void TLoudspeakerArray::DrawSideView(rtl::Canvas& Canvas, bool DrawArray, bool EqualScale,
                                     int32_t Width, int32_t Height, bool Metric, int32_t ARigMode,
                                     bool Printing, bool Spare) {
    DrawArraySideView(*this, Canvas, DrawArray, EqualScale, Width, Height, Metric, ARigMode,
                      Printing, Spare);
}

// The classes that hang from a lift bar draw it above the grid; the others
// draw the grid (or the stacked base) alone.
void TLoudspeakerArray::DrawFlyingDetail(rtl::Canvas& Canvas, bool EqualScale, bool Printing,
                                         int32_t Width, int32_t Height, int32_t Left, int32_t Top,
                                         bool Metric, int32_t ARigMode, double ExtraX,
                                         double ExtraY, int32_t ShiftX, int32_t ShiftY,
                                         rtl::Point& PickPoint) {
    if (CurrentLiftBar != nullptr) {
        DrawArrayFlyingDetailWithLiftBar(*this, CurrentLiftBar, Canvas, EqualScale, Printing,
                                         Width, Height, Left, Top, Metric, ARigMode, ExtraX,
                                         ExtraY, ShiftX, ShiftY, PickPoint);
    } else {
        DrawArrayFlyingDetail(*this, Canvas, EqualScale, Printing, Width, Height, Left, Top,
                              Metric, ARigMode, ExtraX, ExtraY, ShiftX, ShiftY, PickPoint);
    }
}

// ---------------------------------------------------------------------------
// Non-virtual geometry.

void TLoudspeakerArray::CalcCumulativeAngles() {
    for (int64_t i = 0; i <= 39; ++i) Tilt[i] = 0.0;
    const int32_t N = CheckedAdd(Count1, Count2);
    long double sum = 0.0L;
    for (int64_t i = 0; i < N; ++i) {
        sum += Splay->Angle[i];
        Tilt[i] = static_cast<double>(sum);
    }
}

void TLoudspeakerArray::CalcSlopes() { SlopesOver(ElementCount); }
void TLoudspeakerArray::CalcIntercepts() { InterceptsOver(ElementCount); }
void TLoudspeakerArray::CalcSlopesTwoModel() { SlopesOver(CheckedAdd(Count1, Count2)); }
void TLoudspeakerArray::CalcInterceptsTwoModel() { InterceptsOver(CheckedAdd(Count1, Count2)); }

void TLoudspeakerArray::SlopesOver(int32_t N) {
    // The 1e-9 degree keeps the tangent defined at any tilt.
    for (int64_t i = 0; i < N; ++i)
        AimSlope[i] = static_cast<double>(-TanDeg(Tilt[i] + 1e-9L));
}

void TLoudspeakerArray::InterceptsOver(int32_t N) {
    // Through height H[i] at x = -X[i].
    for (int64_t i = 0; i < N; ++i)
        AimIntercept[i] = static_cast<double>(
            ElementHeight[i] - ElementDistance[i] / TanDeg(90.0L - Tilt[i] + 1e-9L));
}

void TLoudspeakerArray::WalkTopDown(int32_t N, bool Sine, bool PerElement, int32_t GapAt,
                                    TElementTable& C) {
    auto f = [Sine](double deg) { return Sine ? SinDeg(deg) : CosDeg(deg); };
    C.Fill(0.0);
    // Each element's sine or cosine serves twice: for its own half and for
    // the half above the next element.
    long double fAbove = 0.0L;
    for (int64_t i = 0; i < N; ++i) {
        const bool gap = (i > 0 && i == GapAt);
        long double above = 0.0L;
        if (i > 0) {
            if (PerElement) SelectCabinet(static_cast<int32_t>(i));
            long double h = CurrentBox->FrontHeight;
            if (gap) h += JunctionGap;
            above = C[i - 1] + fAbove * h / 2.0L;
        }
        if (PerElement) SelectCabinet(static_cast<int32_t>(i + 1));
        long double h = CurrentBox->FrontHeight;
        if (gap) h += JunctionGap;
        fAbove = f(Tilt[i]);
        C[i] = static_cast<double>(fAbove * h / 2.0L + above);
    }
}

void TLoudspeakerArray::WalkBottomUp(int32_t N, bool PerElement, TElementTable& C) {
    C.Fill(0.0);
    long double cosBelow = 0.0L;  // the element below's cosine, reused from its step
    for (int64_t i = static_cast<int64_t>(N) - 1; i >= 0; --i) {
        long double below = 0.0L;
        if (i < static_cast<int64_t>(N) - 1) {
            if (PerElement) SelectCabinet(static_cast<int32_t>(i + 2));
            below = C[i + 1] + cosBelow * CurrentBox->FrontHeight / 2.0L;
        }
        if (PerElement) SelectCabinet(static_cast<int32_t>(i + 1));
        cosBelow = CosDeg(Tilt[i]);
        C[i] = static_cast<double>(cosBelow * CurrentBox->FrontHeight / 2.0L + below);
    }
}

void TLoudspeakerArray::FlownHeights(int32_t N, bool PerElement, int32_t GapAt) {
    TElementTable C;
    WalkTopDown(N, false, PerElement, GapAt, C);
    // PositionOffset is the top of element 0; heights are element centres.
    for (int64_t i = 0; i < N; ++i)
        ElementHeight[i] = static_cast<double>(static_cast<long double>(PositionOffset) - C[i]);
}

void TLoudspeakerArray::StackedHeights(int32_t N, bool PerElement) {
    TElementTable C;
    WalkBottomUp(N, PerElement, C);
    // PositionOffset is the stage; the grid is the base under the column.
    for (int64_t i = 0; i < N; ++i)
        ElementHeight[i] = static_cast<double>(static_cast<long double>(PositionOffset) + C[i] +
                                               Grid->PlateThickness + Grid->TopGap);
}

void TLoudspeakerArray::TopDownDistances(int32_t N, bool PerElement, int32_t GapAt) {
    TElementTable C;
    WalkTopDown(N, true, PerElement, GapAt, C);
    for (int64_t i = 0; i < N; ++i) ElementDistance[i] = C[i];
}

void TLoudspeakerArray::MoveToRear(TElementTable& T, bool Sine, long double Depth,
                                   int64_t Last) {
    auto f = [Sine](long double deg) { return Sine ? SinDeg(deg) : CosDeg(deg); };
    for (int64_t i = 0; i <= Last; ++i)
        T[i] = static_cast<double>(T[i] - f(Tilt[i]) * Depth + f(Tilt[1]) * Depth);
}

void TLoudspeakerArray::SubwooferOver(const TBox& Sub, const TBox& Lower, bool Heights) {
    SelectCabinet(0);
    if (Heights)
        TLoudspeakerArray::CalcHeights();
    else
        TLoudspeakerArray::CalcDistances();
    TElementTable& T = Heights ? ElementHeight : ElementDistance;
    MoveToRear(T, Heights, Sub.Depth, static_cast<int64_t>(Count1) - 1);
    SelectCabinet(Count1);
    // Heights chain down with the cosine, distances out with the sine.
    auto f = [Heights](long double deg) { return Heights ? CosDeg(deg) : SinDeg(deg); };
    auto step = [Heights](long double from, long double by) {
        return Heights ? from - by : from + by;
    };
    const long double h1 = Sub.FrontHeight;
    const long double h2 = Lower.FrontHeight;
    for (int64_t i = Count1; i < ElementCount; ++i) {
        // Across the junction the half above is a subwoofer's and the gap
        // widens the half below.
        const bool junction = (i == Count1);
        const long double above = junction ? h1 : h2;
        const long double own = junction ? h2 + JunctionGap : h2;
        T[i] = static_cast<double>(
            step(step(T[i - 1], f(Tilt[i - 1]) * above / 2.0L), f(Tilt[i]) * own / 2.0L));
    }
}

// ---------------------------------------------------------------------------
// Shared set-up steps.

void TLoudspeakerArray::ListModels(TBox* First, TBox* Second, TBox* Third) {
    Models_[1] = First;
    Models_[2] = Second;
    Models_[3] = Third;
    ThreeModels_ = Third != nullptr;
}

void TLoudspeakerArray::SelectModelByCounts(int32_t I) {
    if (ThreeModels_ && I > CheckedAdd(Count1, Count2))
        CurrentBox = Models_[3];
    else if (I > Count1)
        CurrentBox = Models_[2];
    else
        CurrentBox = Models_[1];
}

int32_t TLoudspeakerArray::ModelCountSum() const {
    const int32_t two = CheckedAdd(Count1, Count2);
    return ThreeModels_ ? CheckedAdd(two, Count3) : two;
}

void TLoudspeakerArray::StoreModelCounts(int32_t ACount1, int32_t ACount2, int32_t ACount3) {
    Count1 = ACount1;
    Count2 = ACount2;
    if (ThreeModels_) Count3 = ACount3;
    ElementCount = ModelCountSum();
}

void TLoudspeakerArray::StoreSetUpArgs(TSplay& ASplay, double APositionOffset,
                                       double ATipForce) {
    Splay = &ASplay;
    PositionOffset = APositionOffset;
    TipForce = ATipForce;
}

// The steps keep their order: when the rig element count overflows, the
// array already holds the new splay list, counts and test force but still
// the old position.
void TLoudspeakerArray::StoreSubwooferMixArgs(TSplay& ASplay, int32_t ACount1, int32_t ACount2,
                                              int32_t ACount3, double APositionOffset,
                                              double ATipForce) {
    Splay = &ASplay;
    StoreModelCounts(ACount1, ACount2, ACount3);
    TipForce = ATipForce;
    SetRigElementCountByPickMode(2, 3);
    PositionOffset = APositionOffset;
}

void TLoudspeakerArray::SelectGroundStackHole() {
    GroundStackBar->SelectNearestHole(Splay->Angle[CheckedSub(ElementCount, 1)]);
}

void TLoudspeakerArray::SetRigElementCountByPickMode(int32_t FrontRear, int32_t LiftBar) {
    const int pickMode = Grid->PickMode;
    if (pickMode == TGrid::PickFrontRear)
        RigElementCount = CheckedAdd(ElementCount, FrontRear);
    else if (pickMode == TGrid::PickLiftBarOnePoint || pickMode == TGrid::PickLiftBarTwoPoint)
        RigElementCount = CheckedAdd(ElementCount, LiftBar);
    // Any other pick mode keeps the count of the previous set-up.
}

void TLoudspeakerArray::SetRigModeWithCabinet(int32_t Mode) {
    TLoudspeakerArray::SetRigMode(Mode);
    CurrentBox->SetRigMode(RigMode);
}

void TLoudspeakerArray::RecomputeGeometry() {
    CalcAngles();
    CalcHeights();
    CalcDistances();
    CalcSlopes();
    CalcIntercepts();
}

void TLoudspeakerArray::RecomputeGeometryTwoModel() {
    CalcCumulativeAngles();
    CalcHeights();
    CalcDistances();
    CalcSlopesTwoModel();
    CalcInterceptsTwoModel();
}

TLoudspeakerArray::TGridSettings TLoudspeakerArray::NoteGridSettings() const {
    TGridSettings s;
    s.PrimaryHolesUsed = Grid->PrimaryHolesUsed;
    s.AlternateHolesUsed = Grid->AlternateHolesUsed;
    s.PickMode = Grid->PickMode;
    s.PickSide = Grid->PickSide;
    return s;
}

TMiniRigging TLoudspeakerArray::NewMiniRigging(bool NarrowCombination) {
    TMiniRigging rig;
    rig.DoviGrid = NewGrid<TDoviGrid>();
    rig.BexaGrid = NewGrid<TBexaGrid>();
    if (NarrowCombination) {
        rig.BexaGrid->AlternateHoleShift = 0.255;
        rig.BexaGrid->LinkSpacing = 0.37;
    }
    rig.DoviLiftBar = NewLiftBar<TDoviLiftbar>();
    rig.LiftBar = NewLiftBar<TLiftBar>();
    Grid = rig.DoviGrid;
    CurrentLiftBar = rig.DoviLiftBar;
    return rig;
}

void TLoudspeakerArray::SwitchMiniGrid(const TMiniRigging& Rig, const TGridSettings& Settings) {
    TGrid* grid = nullptr;
    double mass = 0.0;
    if (CombinationGrid) {
        grid = Rig.BexaGrid;
        mass = 60.0;
        CurrentLiftBar = Rig.LiftBar;
    } else {
        grid = Rig.DoviGrid;
        mass = 40.0;
        CurrentLiftBar = Rig.DoviLiftBar;
    }
    Grid = grid;
    grid->PrimaryHolesUsed = Settings.PrimaryHolesUsed;
    grid->AlternateHolesUsed = Settings.AlternateHolesUsed;
    grid->PickMode = Settings.PickMode;
    grid->PickSide = Settings.PickSide;
    grid->Mass = mass;
    CurrentLiftBar->PickSide = Settings.PickSide;
}
