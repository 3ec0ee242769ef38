// The rig evaluation through the mechanics library, the rig results and the
// safety levels, and the controller advice: one body each for all array
// types.  What differs per type (the element lists, which passes exist, the
// lift-bar queries, the advice texts) comes from rig/element_lists and
// advice/controller_advice.

#include <cmath>
#include <string>

#include "model/advice/controller_advice.h"
#include "model/arrays/lsarray.h"
#include "model/arrays/trig.h"
#include "platform/core/errors.h"
#include "model/rig/element_lists.h"

namespace {

// Newtons per kilogram of the tipping check.
constexpr long double kGravity = 9.8L;

RigListInput ListInputOf(const TLoudspeakerArray& a) {
    RigListInput in;
    in.TypeCode = a.TypeCode;
    in.RigMode = a.RigMode;
    in.ElementCount = a.ElementCount;
    in.Count1 = a.Count1;
    in.Count2 = a.Count2;
    in.Count3 = a.Count3;
    in.PickMode = a.Grid->PickMode;
    in.LiftBarSide = a.CurrentLiftBar != nullptr ? a.CurrentLiftBar->PickSide : TGrid::SideRear;
    in.PrimaryHolesUsed = a.Grid->PrimaryHolesUsed != 0;
    in.CombinationGrid = a.CombinationGrid;
    for (int k = 0; k <= 40; ++k) in.S[static_cast<std::size_t>(k)] = a.Splay->Angle[k];
    in.T0 = a.Tilt[0];
    return in;
}

// The library refuses a list it cannot use and would then solve (or keep)
// the previous array's model: its figures must not pass for this array's.
void Require(int32_t answer, const char* what) {
    if (answer != 1)
        throw rtl::RuntimeError(0, std::string("The rigging library refused ") + what);
}

}  // namespace

// ---------------------------------------------------------------------------
// Rig evaluation.

void TRiggedArray::CalcMechanics() {
    RigElementTable list;
    const RigPassPlan plan = PlanRigPass(ListInputOf(*this), list);
    if (plan.Pass == RigPass::None) {
        // Nothing evaluated: the results keep their values, but the library's
        // model is not this array's.
        LastRigPass_ = TRigPassRun::None;
        return;
    }
    for (int i = 1; i <= plan.Count; ++i) {
        TMechElemSpec e{};
        e.TypeCode = list[i].Code;
        e.Angle = list[i].Angle;
        RigElements[i] = e;
    }

    // Until the pass below completes, the library's model is nobody's.
    LastRigPass_ = TRigPassRun::None;
    const TRigLibrary& lib = *RigLibrary;
    (void)lib.Init();
    Require(lib.SetArrayElems(&RigElements[1], plan.Count, plan.TargetAngle, 0), "the element list");
    Require(lib.Calculate(), "to solve the element list");

    if (plan.Pass == RigPass::GroundStacked) {
        TotalMass = lib.Mass();
        if (plan.AddGridMass) TotalMass += Grid->Mass;
        TMechPoint cog{};
        lib.COG(&cog);
        CogX = cog.x;
        MechanicsDone = true;
        LastRigPass_ = TRigPassRun::GroundStacked;
        TotalMassHasGrid_ = plan.AddGridMass;
        return;
    }

    if (plan.LiftBarHole) LiftBarBestHole = lib.LiftBarBestHole();
    TMechPair pick{};
    lib.PickLoad(&pick);
    Grid->FrontPickLoad = pick.Front;
    Grid->RearPickLoad = pick.Rear;
    TotalMass = lib.Mass();
    TMechPoint cog{};
    lib.COG(&cog);
    CogX = cog.x;
    MechanicsDone = true;
    LastRigPass_ = TRigPassRun::Flown;
    TotalMassHasGrid_ = false;
    if (plan.LiftBarHole && CurrentLiftBar != nullptr)
        CurrentLiftBar->SetResult(Splay->Angle[0], cog.x, cog.y);
    if (plan.LiftBarAngles && LiftBarBestHole > 0) {
        double angles[MECH_MAX_ELEMS] = {};
        lib.LiftBarAngles(angles);
        rtl::CheckIndex(LiftBarBestHole, 1, MECH_MAX_ELEMS);
        LiftBarGridAngle = angles[LiftBarBestHole - 1];
    }
    if (plan.InternalForces) {
        for (int32_t i = 1; i <= plan.Count; ++i)
            lib.ExamineInternalForce(i, &ForceF1[i], &ForceF2[i], &ForceF3[i], &TensionFront[i],
                                     &TensionRear[i], &SafetyFront[i], &SafetyRear[i]);
    }
}

// ---------------------------------------------------------------------------
// Rig results.

TRigResults TLoudspeakerArray::GetRigResults() {
    // The order of the calls matters: mechForce stores the element's safety
    // factors in the library's model, and the safety-factor reads after it
    // return those.
    const TRigLibrary& lib = *RigLibrary;
    TRigResults r;
    TMechPair pair{};
    lib.PickLoad(&pair);
    r.FrontPickLoad = pair.Front;
    lib.SafetyFactor(&pair, 1);
    r.TopFrontSafety = pair.Front;
    lib.PickLoad(&pair);
    r.RearPickLoad = pair.Rear;
    lib.SafetyFactor(&pair, 1);
    r.TopRearSafety = pair.Rear;

    // Element 0 means the library found no weakest element: there is no
    // link to ask about, and the zero left in the figures shows as unsafe.
    TMechWeakElems weak{};
    lib.WeakElem(&weak);
    if (weak.Front > 0) {
        lib.Force(&pair, weak.Front);
        r.WeakFrontForce = pair.Front;
    }
    lib.WeakElem(&weak);
    if (weak.Front > 0) {
        lib.SafetyFactor(&pair, weak.Front);
        r.WeakFrontSafety = pair.Front;
    }
    lib.WeakElem(&weak);
    if (weak.Rear > 0) {
        lib.Force(&pair, weak.Rear);
        r.WeakRearForce = pair.Rear;
    }
    lib.WeakElem(&weak);
    if (weak.Rear > 0) {
        lib.SafetyFactor(&pair, weak.Rear);
        r.WeakRearSafety = pair.Rear;
    }
    return r;
}

// ---------------------------------------------------------------------------
// Safety levels.

uint8_t TLoudspeakerArray::SafetyLevel() {
    if (RigMode != Flown) return GroundStackSafetyLevel();
    // The library grades whatever model it holds; unless this array's last
    // evaluation built one, that is some other rig.
    if (LastRigPass_ != TRigPassRun::Flown) return MECH_LEVEL_UNSAFE;
    const TRigLibrary& lib = *RigLibrary;
    const uint8_t level = lib.SafetyLevel();
    TMechWeakElems weak{};
    lib.WeakElem(&weak);
    if (weak.Front < 1 || weak.Rear < 1) return MECH_LEVEL_UNSAFE;
    return level;
}

TLoudspeakerArray::TStackFoot TLoudspeakerArray::StackFoot() {
    TStackFoot f;
    f.Last = rtl::CheckedSub(ElementCount, 1);
    rtl::CheckIndex(f.Last, 0, 40);
    TBox* const keep = CurrentBox;
    SelectCabinet(ElementCount);
    f.Height = CurrentBox->FrontHeight;
    CurrentBox = keep;
    f.Corner = -static_cast<long double>(ElementDistance[f.Last]) -
               f.Height / 2.0L * SinDeg(Tilt[f.Last]);
    return f;
}

uint8_t TLoudspeakerArray::GroundStackSafetyLevel() {
    const TStackFoot foot = StackFoot();
    const int32_t last = foot.Last;
    // The bottom element's cabinet gives every half height.
    const long double h = foot.Height;
    const long double cb = CosDeg(Tilt[last]);
    const long double front = foot.Corner + Grid->BaseFrontLength;
    const long double rear = foot.Corner - Grid->BaseRearLength;
    // From the foot of the last element to the head of the first: the
    // lever of the test force.
    StackHeight = static_cast<double>((CosDeg(Tilt[0]) * h / 2.0L + ElementHeight[0]) -
                                      (ElementHeight[last] - h / 2.0L * cb));
    return TippingCheck(static_cast<double>(front), static_cast<double>(rear));
}

uint8_t TLoudspeakerArray::TippingCheck(double Front, double Rear) {
    CalcMechanics();
    // The base edges hold whatever happens next; the side view draws them.
    FrontTipLimit = Front;
    RearTipLimit = Rear;
    // Only a ground-stacked evaluation of this array weighs this stack.
    if (LastRigPass_ != TRigPassRun::GroundStacked) return MECH_LEVEL_UNSAFE;
    // The grid is the stack's base and weighs once, whether or not the
    // evaluation already counted it.
    long double mass = TotalMass;
    if (!TotalMassHasGrid_) mass += Grid->Mass;
    if (!(mass > 0.0L) || !std::isfinite(static_cast<double>(mass))) return MECH_LEVEL_UNSAFE;
    // A push against the stack and a column standing up from its foot.  A
    // stack no push was tried on has not been checked; a pull, an endless
    // push or a column whose head lies at or below its foot would widen the
    // safe band instead of narrowing it: none of them can be graded safe.
    // The limits stay the bare base edges.
    if (!std::isfinite(TipForce) || !(TipForce > 0.0)) return MECH_LEVEL_UNSAFE;
    if (!std::isfinite(StackHeight) || !(StackHeight > 0.0)) return MECH_LEVEL_UNSAFE;
    const long double d = static_cast<long double>(TipForce) * StackHeight / (mass * kGravity);
    FrontTipLimit = static_cast<double>(Front - d);
    RearTipLimit = static_cast<double>(Rear + d);
    // The centre of gravity's margins inside both limits.  Both edges count
    // as safe; a margin that is negative or not a finite number is not.
    const double toFront = FrontTipLimit - CogX;
    const double toRear = CogX - RearTipLimit;
    if (std::isfinite(toFront) && std::isfinite(toRear) && toFront >= 0.0 && toRear >= 0.0)
        return MECH_LEVEL_SAFE;
    return MECH_LEVEL_UNSAFE;
}

// The subwoofers stand on the stage and the mini cabinets on them, so the
// column's foot and head are not those of the first and last element: the
// stack's height runs from the lowest foot to the highest head, every
// element with its own cabinet.
uint8_t TIvorDoviArray::GroundStackSafetyLevel() {
    const TStackFoot stackFoot = StackFoot();
    const int32_t last = stackFoot.Last;
    TBox* const keep = CurrentBox;

    long double top = 0.0L;
    long double foot = 0.0L;
    for (int32_t i = 0; i <= last; ++i) {
        SelectCabinet(i + 1);
        const long double half = CosDeg(Tilt[i]) * CurrentBox->FrontHeight / 2.0L;
        const long double head = ElementHeight[i] + half;
        const long double base = ElementHeight[i] - half;
        if (i == 0 || head > top) top = head;
        if (i == 0 || base < foot) foot = base;
    }
    CurrentBox = keep;

    const long double height = top - foot;
    StackHeight = static_cast<double>(height > 0.0L ? height : 0.0L);
    // The rig evaluation's column starts with the top mini cabinet, so its
    // centre of gravity is measured from that cabinet's front top corner,
    // not from the top of the subwoofers: move the edges into that frame.
    long double origin = 0.0L;
    if (Count2 > 0) {
        const int32_t topMini = Count1;
        SelectCabinet(topMini + 1);
        origin = -static_cast<long double>(ElementDistance[topMini]) +
                 SinDeg(Tilt[topMini]) * CurrentBox->FrontHeight / 2.0L;
        CurrentBox = keep;
    }
    return TippingCheck(static_cast<double>(stackFoot.Corner - origin + Grid->BaseFrontLength),
                        static_cast<double>(stackFoot.Corner - origin - Grid->BaseRearLength));
}

// ---------------------------------------------------------------------------
// Controller advice.

void TRiggedArray::CalcControllerSettings() {
    ControllerInput in;
    in.TypeCode = TypeCode;
    in.ElementCount = ElementCount;
    in.Count1 = Count1;
    in.Count2 = Count2;
    in.Count3 = Count3;
    in.RigMode = RigMode;
    for (int k = 0; k <= 40; ++k) in.SplayAngle[static_cast<std::size_t>(k)] = Splay->Angle[k];
    for (int k = 0; k <= 39; ++k) in.ChoiceIndex[static_cast<std::size_t>(k)] = Splay->ChoiceIndex[k];

    // The advice rewrites only the fields its class owns; the others keep
    // what the array holds.
    ControllerAdvice advice;
    for (int k = 1; k <= 3; ++k) {
        const std::size_t j = static_cast<std::size_t>(k - 1);
        advice.Presets1[j] = Presets1[k];
        advice.PresetEQ1[j] = PresetEQ1[k];
        advice.Presets2[j] = Presets2[k];
        advice.PresetEQ2[j] = PresetEQ2[k];
    }
    advice.ColumnHeading1 = ColumnHeading1;
    advice.ColumnHeading2 = ColumnHeading2;
    advice.ControllerNote = ControllerNote;

    ComposeControllerAdvice(in, advice);

    for (int k = 1; k <= 3; ++k) {
        const std::size_t j = static_cast<std::size_t>(k - 1);
        Presets1[k] = advice.Presets1[j];
        PresetEQ1[k] = advice.PresetEQ1[j];
        Presets2[k] = advice.Presets2[j];
        PresetEQ2[k] = advice.PresetEQ2[j];
    }
    ColumnHeading1 = advice.ColumnHeading1;
    ColumnHeading2 = advice.ColumnHeading2;
    ControllerNote = advice.ControllerNote;
}
