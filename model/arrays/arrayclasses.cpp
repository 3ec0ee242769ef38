// The 19 array classes: what each creates, how it sets up, and the
// per-class geometry that differs from the base.

#include <cmath>

#include "model/arrays/lsarray.h"
#include "model/arrays/trig.h"
#include "platform/core/errors.h"

using rtl::CheckedAdd;
using rtl::CheckedSub;

// The rig evaluation, the safety levels and the controller advice of every
// class are in rigevaluation.cpp; the drawings in model/drawings and
// model/details.

// ===========================================================================
// TArvoArray 0 and TRuddArray 2

TFullSizeArray::TFullSizeArray() {
    ArvoGrid = NewGrid<TArvoGrid>();
    ArvoGroundStackBar = NewGroundStackBar<TArvoGroundStackBar>();
    Grid = ArvoGrid;
    GroundStackBar = ArvoGroundStackBar;
}

void TFullSizeArray::SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
                           double APositionOffset, double ATipForce) {
    ElementCount = ACount1;
    RigElementCount = CheckedAdd(ACount1, 1);
    TLoudspeakerArray::SetUp(ASplay, ACount1, ACount2, ACount3, APositionOffset, ATipForce);
}

void TFullSizeArray::SetRigMode(int32_t Mode) { SetRigModeWithCabinet(Mode); }

TArvoArray::TArvoArray() {
    ArvoBox = NewBox<TArvoBox>();
    TypeCode = TypeCodeOf(TArrayType::Arvo);
    CurrentBox = ArvoBox;
}

TRuddArray::TRuddArray() {
    RuddBox = NewBox<TRuddBox>();
    TypeCode = TypeCodeOf(TArrayType::Rudd);
    CurrentBox = RuddBox;
}

// ===========================================================================
// TBexaArray, type code 1

TBexaArray::TBexaArray() {
    BexaBox = NewBox<TBexaBox>();
    BexaGrid = NewGrid<TBexaGrid>();
    LiftBar = NewLiftBar<TLiftBar>();
    BexaGroundStackBar = NewGroundStackBar<TBexaGroundStackBar>();
    TypeCode = TypeCodeOf(TArrayType::Bexa);
    CurrentBox = BexaBox;
    Grid = BexaGrid;
    GroundStackBar = BexaGroundStackBar;
    CurrentLiftBar = LiftBar;
}

void TBexaArray::SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
                       double APositionOffset, double ATipForce) {
    TLoudspeakerArray::SetUp(ASplay, ACount1, ACount2, ACount3, APositionOffset, ATipForce);
    SetRigElementCountByPickMode(1, 2);
    Grid->Mass = CombinationGrid ? 60.0 : 45.0;
}

void TBexaArray::SetRigMode(int32_t Mode) { SetRigModeWithCabinet(Mode); }

// ===========================================================================
// THobaARRAY, type code 5

THobaARRAY::THobaARRAY() {
    HobaBox = NewBox<THobaBox>();
    HobaGrid = NewGrid<THobaGrid>();
    LiftBar = NewLiftBar<TLiftBar>();
    TypeCode = TypeCodeOf(TArrayType::Hoba);
    CurrentBox = HobaBox;
    Grid = HobaGrid;
    CurrentLiftBar = LiftBar;
}

std::unique_ptr<THobaARRAY> THobaARRAY::CreateWithMainArray(uint8_t MainType,
                                                            const TSplay& MainSplay,
                                                            int32_t MainCount,
                                                            double MainPositionOffset,
                                                            int32_t SubCount,
                                                            double SubPositionOffset) {
    if (MainType > 1) throw rtl::RangeError();
    auto sub = std::make_unique<THobaARRAY>();
    sub->ElementCount = SubCount;
    sub->PositionOffset = SubPositionOffset;
    // The main array works on its own copy of the main splay list, so the
    // caller's list may go away before the match runs.
    sub->MainSplay_ = std::make_unique<TSplay>(MainSplay);
    if (MainType == 0)
        sub->OwnedMainArray_ = std::make_unique<TArvoArray>();
    else
        sub->OwnedMainArray_ = std::make_unique<TBexaArray>();
    sub->MainArray = sub->OwnedMainArray_.get();
    sub->MainArray->SetUp(*sub->MainSplay_, MainCount, 0, 0, MainPositionOffset, 1000.0);
    return sub;
}

void THobaARRAY::MatchToMainArray(TSplay& Result) {
    if (CheckedSub(ElementCount, 1) < 1) {
        Result = *Splay;
        return;
    }
    if (MainArray == nullptr)
        throw rtl::RuntimeError(0, "This sub array was not built against a main array");
    const TLoudspeakerArray& main = *MainArray;
    const int32_t count = ElementCount;
    for (int64_t i = 1; i < count; ++i) {
        // Both arrays start at the main array's top angle.
        Splay->Angle[0] = main.Splay->Angle[0];
        SetUp(*Splay, ElementCount, 0, 0, PositionOffset, TipForce);

        // The main element nearest in height (element 0 never; ties keep the
        // lower one).
        double best = 1000.0;
        int64_t m = 0;
        for (int64_t j = 1; j < main.ElementCount; ++j) {
            const double d = std::fabs(ElementHeight[i] - main.ElementHeight[j]);
            if (d < best) {
                best = d;
                m = j;
            }
        }

        // The splay choice whose tilt comes nearest to that main element's
        // (ties keep the lower choice).
        double bestTilt = 1000.0;
        int chosen = 0;
        for (int k = 0; k < CurrentBox->SplayCount; ++k) {
            Splay->ChoiceIndex[i] = k;
            Splay->Angle[i] = CurrentBox->SplayAngles[k];
            CalcAngles();
            CalcHeights();
            const double d = std::fabs(Tilt[i] - main.Tilt[m]);
            if (d < bestTilt) {
                bestTilt = d;
                chosen = k;
            }
        }
        Splay->ChoiceIndex[i] = chosen;
        Splay->Angle[i] = CurrentBox->SplayAngles[chosen];
        SetUp(*Splay, ElementCount, 0, 0, PositionOffset, TipForce);
    }
    Result = *Splay;
}

void THobaARRAY::SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
                       double APositionOffset, double ATipForce) {
    TLoudspeakerArray::SetUp(ASplay, ACount1, ACount2, ACount3, APositionOffset, ATipForce);
    SetRigElementCountByPickMode(1, 2);
}

// The subwoofers hang behind a main array: reference points at the rear, by
// the tilt of element 1.  The walk covers one entry past the last element
// while it stays inside the tables.
void THobaARRAY::CalcHeights() {
    TLoudspeakerArray::CalcHeights();
    MoveToRear(ElementHeight, true, CurrentBox->Depth, ElementCount < 40 ? ElementCount : 40);
}

void THobaARRAY::CalcDistances() {
    TLoudspeakerArray::CalcDistances();
    MoveToRear(ElementDistance, false, CurrentBox->Depth, ElementCount < 40 ? ElementCount : 40);
}

// ===========================================================================
// Single-model mini arrays: TDoviArray 7, TElkaArray 12, TIvorArray 14

void TMiniSingleArray::SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
                             double APositionOffset, double ATipForce) {
    // The geometry runs on the grid in use before the switch.
    const TGridSettings settings = NoteGridSettings();
    TLoudspeakerArray::SetUp(ASplay, ACount1, ACount2, ACount3, APositionOffset, ATipForce);
    SwitchMiniGrid(MiniRig, settings);
    SetRigElementCountByPickMode(1, 2);
}

void TMiniSingleArray::SetRigMode(int32_t Mode) { SetRigModeWithCabinet(Mode); }

TDoviArray::TDoviArray() {
    DoviBox = NewBox<TDoviBox>();
    MiniRig = NewMiniRigging(true);
    DoviGroundStackBar = NewGroundStackBar<TDoviGroundStackBar>();
    TypeCode = TypeCodeOf(TArrayType::Dovi);
    CurrentBox = DoviBox;
    GroundStackBar = DoviGroundStackBar;
}

TElkaArray::TElkaArray() {
    ElkaBox = NewBox<TElkaBox>();
    MiniRig = NewMiniRigging(true);
    ElkaGroundStackBar = NewGroundStackBar<TElkaGroundStackBar>();
    TypeCode = TypeCodeOf(TArrayType::Elka);
    CurrentBox = ElkaBox;
    GroundStackBar = ElkaGroundStackBar;
}

TIvorArray::TIvorArray() {
    IvorBox = NewBox<TIvorBox>();
    MiniRig = NewMiniRigging(true);
    ElkaGroundStackBar = NewGroundStackBar<TElkaGroundStackBar>();
    TypeCode = TypeCodeOf(TArrayType::Ivor);
    CurrentBox = IvorBox;
    GroundStackBar = ElkaGroundStackBar;
}

// ===========================================================================
// TArvoBexaArray 3 and its children TRuddBexaArray 4, TBexaDoviArray 9,
// THobaDoviArray 10

TArvoBexaArray::TArvoBexaArray() {
    ArvoBox = NewBox<TArvoBox>();
    BexaBox = NewBox<TBexaBox>();
    ArvoGrid = NewGrid<TArvoGrid>();
    ArvoBexaGrid = NewGrid<TArvoBexaGrid>();
    TypeCode = TypeCodeOf(TArrayType::ArvoBexa);
    Grid = ArvoGrid;
    // CurrentBox stays the placeholder: SelectCabinet sets it before any
    // geometry runs.
    JunctionGap = 0.05;
    MixOffset2 = 0.06;
    MixOffset3 = 0.752;
    ListModels(ArvoBox, BexaBox);
}

void TArvoBexaArray::SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
                           double APositionOffset, double ATipForce) {
    Splay = &ASplay;
    StoreModelCounts(ACount1, ACount2, ACount3);
    RigElementCount = CheckedAdd(ElementCount, 2);
    PositionOffset = APositionOffset;
    TipForce = ATipForce;
    RecomputeGeometryTwoModel();
}

// Always top-down with the junction gap where the second model begins; the
// walk leaves the last element's cabinet current.
void TArvoBexaArray::CalcHeights() { FlownHeights(ModelCountSum(), true, Count1); }
void TArvoBexaArray::CalcDistances() { TopDownDistances(ModelCountSum(), true, Count1); }

TRuddBexaArray::TRuddBexaArray() {
    RuddBox = NewBox<TRuddBox>();
    TypeCode = TypeCodeOf(TArrayType::RuddBexa);
    ListModels(RuddBox, BexaBox);
}

TBexaDoviArray::TBexaDoviArray() {
    OwnBexaBox = NewBox<TBexaBox>();
    BexaGrid = NewGrid<TBexaGrid>();
    DoviBox = NewBox<TDoviBox>();
    BexaDoviGrid = NewGrid<TBexaDoviGrid>();
    LiftBar = NewLiftBar<TLiftBar>();
    TypeCode = TypeCodeOf(TArrayType::BexaDovi);
    Grid = BexaGrid;
    CurrentLiftBar = LiftBar;
    JunctionGap = 0.025;
    MixOffset2 = 0.02;
    MixOffset3 = 0.51;
    ListModels(OwnBexaBox, DoviBox);
}

void TBexaDoviArray::SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
                           double APositionOffset, double ATipForce) {
    TArvoBexaArray::SetUp(ASplay, ACount1, ACount2, ACount3, APositionOffset, ATipForce);
    // Other pick modes keep the count of the family's set-up (N + 2).
    SetRigElementCountByPickMode(2, 3);
}

THobaDoviArray::THobaDoviArray() {
    DoviBox = NewBox<TDoviBox>();
    HobaGrid = NewGrid<THobaGrid>();
    HobaBox = NewBox<THobaBox>();
    HobaDoviGrid = NewGrid<THobaDoviGrid>();
    LiftBar = NewLiftBar<TLiftBar>();
    TypeCode = TypeCodeOf(TArrayType::HobaDovi);
    Grid = HobaGrid;
    CurrentLiftBar = LiftBar;
    JunctionGap = 0.2;
    MixOffset2 = 0.1;
    MixOffset3 = 0.8;
    ListModels(HobaBox, DoviBox);
}

void THobaDoviArray::SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
                           double APositionOffset, double ATipForce) {
    StoreSubwooferMixArgs(ASplay, ACount1, ACount2, ACount3, APositionOffset, ATipForce);
    RecomputeGeometryTwoModel();
}

void THobaDoviArray::CalcHeights() { SubwooferOver(*HobaBox, *DoviBox, true); }
void THobaDoviArray::CalcDistances() { SubwooferOver(*HobaBox, *DoviBox, false); }

// ===========================================================================
// THobaBexaARRAY, type code 6

THobaBexaARRAY::THobaBexaARRAY() {
    BexaBox = NewBox<TBexaBox>();
    HobaBox = NewBox<THobaBox>();
    HobaGrid = NewGrid<THobaGrid>();
    LiftBar = NewLiftBar<TLiftBar>();
    TypeCode = TypeCodeOf(TArrayType::HobaBexa);
    CurrentBox = HobaBox;
    Grid = HobaGrid;
    CurrentLiftBar = LiftBar;
    JunctionGap = 0.025;
    MixOffset2 = 0.0;
    MixOffset3 = 0.0;
    ListModels(HobaBox, BexaBox);
}

// The single-model geometry steps: unlike the other subwoofer mix's, they
// leave the tilts past ElementCount as they were.
void THobaBexaARRAY::SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
                           double APositionOffset, double ATipForce) {
    StoreSubwooferMixArgs(ASplay, ACount1, ACount2, ACount3, APositionOffset, ATipForce);
    RecomputeGeometry();
}

void THobaBexaARRAY::CalcHeights() { SubwooferOver(*HobaBox, *BexaBox, true); }
void THobaBexaARRAY::CalcDistances() { SubwooferOver(*HobaBox, *BexaBox, false); }
// This array is only ever flown: the rig mode is not taken.
void THobaBexaARRAY::SetRigMode(int32_t /*Mode*/) {}

// ===========================================================================
// TRuddArvoArray 8, TGiraFArvoArray 11: the base geometry with the current
// (full-size) cabinet for every element.

TFullSizePairArray::TFullSizePairArray() {
    ArvoBox = NewBox<TArvoBox>();
    ArvoGrid = NewGrid<TArvoGrid>();
    CurrentBox = ArvoBox;
    Grid = ArvoGrid;
}

void TFullSizePairArray::SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
                               double APositionOffset, double ATipForce) {
    StoreModelCounts(ACount1, ACount2, ACount3);
    RigElementCount = CheckedAdd(ElementCount, 1);
    StoreSetUpArgs(ASplay, APositionOffset, ATipForce);
    RecomputeGeometry();
}

TRuddArvoArray::TRuddArvoArray() {
    RuddBox = NewBox<TRuddBox>();
    TypeCode = TypeCodeOf(TArrayType::RuddArvo);
    ListModels(RuddBox, ArvoBox);
}

TGiraFArvoArray::TGiraFArvoArray() {
    GiraFBox = NewBox<TGiraFBox>();
    TypeCode = TypeCodeOf(TArrayType::ArvoGiraF);
    ListModels(ArvoBox, GiraFBox);
}

// ===========================================================================
// Mixed columns: TDoviElkaArray 13, TBexaCadriArray 18, TIvorDoviArray 15,
// TIvorElkaArray 16, TIvorDoviElkaArray 17

void TMixedColumnArray::SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
                              double APositionOffset, double ATipForce) {
    StoreModelCounts(ACount1, ACount2, ACount3);
    SetRigElementCountByPickMode(1, 2);
    StoreSetUpArgs(ASplay, APositionOffset, ATipForce);
    RecomputeGeometry();
}

void TMixedColumnArray::CalcHeights() {
    if (RigMode == Flown)
        FlownHeights(ModelCountSum(), true, -1);
    else
        StackedHeights(ElementCount, true);
    SelectCabinet(0);
}

void TMixedColumnArray::CalcDistances() {
    TopDownDistances(ModelCountSum(), true, -1);
    SelectCabinet(0);
}

void TMixedColumnArray::SetRigMode(int32_t Mode) { SetRigModeWithCabinet(Mode); }

// The mixes take the grid the venue asked for before their geometry, so a
// stack stands on that grid's plate; the single mini arrays switch after.
void TMiniMixedArray::SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
                            double APositionOffset, double ATipForce) {
    SwitchMiniGrid(MiniRig, NoteGridSettings());
    TMixedColumnArray::SetUp(ASplay, ACount1, ACount2, ACount3, APositionOffset, ATipForce);
}

TDoviElkaArray::TDoviElkaArray() {
    DoviBox = NewBox<TDoviBox>();
    ElkaBox = NewBox<TElkaBox>();
    MiniRig = NewMiniRigging(true);
    ElkaGroundStackBar = NewGroundStackBar<TElkaGroundStackBar>();
    TypeCode = TypeCodeOf(TArrayType::DoviElka);
    CurrentBox = DoviBox;
    GroundStackBar = ElkaGroundStackBar;
    ListModels(DoviBox, ElkaBox);
}

void TDoviElkaArray::SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
                           double APositionOffset, double ATipForce) {
    // Of the mixed columns only this one picks a ground-stack hole, which
    // needs the splay list in place; a failed pick leaves the old position
    // and test force.
    SwitchMiniGrid(MiniRig, NoteGridSettings());
    StoreModelCounts(ACount1, ACount2, ACount3);
    SetRigElementCountByPickMode(1, 2);
    Splay = &ASplay;
    if (RigMode == GroundStacked) SelectGroundStackHole();
    PositionOffset = APositionOffset;
    TipForce = ATipForce;
    RecomputeGeometry();
}

TBexaCadriArray::TBexaCadriArray() {
    BexaBox = NewBox<TBexaBox>();
    CadriBox = NewBox<TCadriBox>();
    BexaGrid = NewGrid<TBexaGrid>();
    LiftBar = NewLiftBar<TLiftBar>();
    TypeCode = TypeCodeOf(TArrayType::BexaCadri);
    CurrentBox = BexaBox;
    Grid = BexaGrid;
    CurrentLiftBar = LiftBar;
    ListModels(BexaBox, CadriBox);
}

TIvorDoviArray::TIvorDoviArray() {
    IvorBox = NewBox<TIvorBox>();
    DoviBox = NewBox<TDoviBox>();
    MiniRig = NewMiniRigging(false);
    DoviGroundStackBar = NewGroundStackBar<TDoviGroundStackBar>();
    TypeCode = TypeCodeOf(TArrayType::IvorDovi);
    CurrentBox = DoviBox;
    GroundStackBar = DoviGroundStackBar;
    ListModels(IvorBox, DoviBox);
}

void TIvorDoviArray::SetUp(TSplay& ASplay, int32_t ACount1, int32_t ACount2, int32_t ACount3,
                           double APositionOffset, double ATipForce) {
    SwitchMiniGrid(MiniRig, NoteGridSettings());
    StoreModelCounts(ACount1, ACount2, ACount3);
    // A stack goes to the library as cabinets only.
    if (RigMode == GroundStacked)
        RigElementCount = ElementCount;
    else
        SetRigElementCountByPickMode(1, 2);
    StoreSetUpArgs(ASplay, APositionOffset, ATipForce);
    RecomputeGeometry();
}

void TIvorDoviArray::CalcAngles() {
    if (RigMode != GroundStacked) {
        TLoudspeakerArray::CalcAngles();
        return;
    }
    const int32_t N = ElementCount;
    for (int64_t i = 0; i < N; ++i) Tilt[i] = 0.0;
    const int32_t last = CheckedSub(N, 1);
    Tilt[last] = Splay->Angle[last];
    for (int64_t i = static_cast<int64_t>(last) - 1; i >= Count1; --i)
        Tilt[i] = static_cast<double>(static_cast<long double>(Tilt[i + 1]) - Splay->Angle[i]);
    // The subwoofers stand level.
    for (int64_t i = 0; i < Count1; ++i) Tilt[i] = 0.0;
}

void TIvorDoviArray::CalcHeights() {
    if (RigMode == Flown)
        TMixedColumnArray::CalcHeights();
    else
        StackOnSubwoofers();
}

void TIvorDoviArray::CalcDistances() {
    if (RigMode == Flown)
        TMixedColumnArray::CalcDistances();
    else
        StackOnSubwoofers();
}

void TIvorDoviArray::StackOnSubwoofers() {
    const int32_t N = ElementCount;
    SelectCabinet(0);
    const long double h1 = CurrentBox->FrontHeight;
    // The mini cabinet's height: the cabinet of the last element.
    SelectCabinet(CheckedAdd(Count1, Count2));
    const long double h2 = CurrentBox->FrontHeight;
    const long double p = PositionOffset;

    // Subwoofers upright on the stage, the last one lowest.
    long double a = 0.0L;
    for (int64_t i = static_cast<int64_t>(Count1) - 1; i >= 0; --i) {
        a = (i == static_cast<int64_t>(Count1) - 1) ? h1 / 2.0L : a + h1;
        ElementHeight[i] = static_cast<double>(p + a);
        ElementDistance[i] = 0.0;
    }

    // Mini cabinets on top of the subwoofers (on the stage when there are
    // none), the last element lowest.
    for (int64_t i = static_cast<int64_t>(N) - 1; i >= Count1; --i) {
        if (i == static_cast<int64_t>(N) - 1) {
            if (Count1 > 0) {
                ElementHeight[i] =
                    static_cast<double>(CosDeg(Tilt[i]) * h2 / 2.0L + h1 / 2.0L + ElementHeight[0]);
                ElementDistance[i] =
                    static_cast<double>(SinDeg(Tilt[i]) * h2 / 2.0L + ElementDistance[0]);
            } else {
                ElementHeight[i] = static_cast<double>(CosDeg(Tilt[i]) * h2 / 2.0L + p);
                ElementDistance[i] = static_cast<double>(SinDeg(Tilt[i]) * h2 / 2.0L);
            }
        } else {
            ElementHeight[i] = static_cast<double>(CosDeg(Tilt[i + 1]) * h2 / 2.0L +
                                                   ElementHeight[i + 1] +
                                                   CosDeg(Tilt[i]) * h2 / 2.0L);
            ElementDistance[i] = static_cast<double>(SinDeg(Tilt[i + 1]) * h2 / 2.0L +
                                                     ElementDistance[i + 1] +
                                                     SinDeg(Tilt[i]) * h2 / 2.0L);
        }
    }
    // The stacked mini cabinets lean back over the subwoofers.
    for (int64_t i = Count1; i < N; ++i) ElementDistance[i] = -ElementDistance[i];
    SelectCabinet(0);
}

TIvorElkaArray::TIvorElkaArray() {
    IvorBox = NewBox<TIvorBox>();
    ElkaBox = NewBox<TElkaBox>();
    MiniRig = NewMiniRigging(false);
    ElkaGroundStackBar = NewGroundStackBar<TElkaGroundStackBar>();
    TypeCode = TypeCodeOf(TArrayType::IvorElka);
    CurrentBox = ElkaBox;
    GroundStackBar = ElkaGroundStackBar;
    ListModels(IvorBox, ElkaBox);
}

TIvorDoviElkaArray::TIvorDoviElkaArray() {
    IvorBox = NewBox<TIvorBox>();
    DoviBox = NewBox<TDoviBox>();
    ElkaBox = NewBox<TElkaBox>();
    MiniRig = NewMiniRigging(false);
    ElkaGroundStackBar = NewGroundStackBar<TElkaGroundStackBar>();
    TypeCode = TypeCodeOf(TArrayType::IvorDoviElka);
    CurrentBox = ElkaBox;
    GroundStackBar = ElkaGroundStackBar;
    ListModels(IvorBox, DoviBox, ElkaBox);
}

