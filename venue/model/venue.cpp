#include "venue/model/venue.h"

#include <cmath>
#include <numbers>

#include "platform/core/checked.h"
#include "model/hardware/zmath.h"
#include "venue/model/design_steps.h"
#include "venue/model/venue_values.h"

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

}  // namespace

TVenue::TVenue()
    : LSArray(CreateLoudspeakerArray("Arvo")), OwnSplay_(std::make_unique<TSplay>()) {
    Splay = OwnSplay_.get();
}

void TVenue::SetArrayType(const std::string& AType) {
    // Built before anything is replaced, so an unknown type changes nothing.
    InstallArray(CreateLoudspeakerArray(AType), AType);
}

void TVenue::InstallArray(std::unique_ptr<TLoudspeakerArray> AFresh, const std::string& AType) {
    LSArray = std::move(AFresh);
    ArrayType = AType.empty() ? std::string("Arvo") : AType;
    DownfillFactor = LSArray->TypeInfo().DownfillFactor();
}

void TVenue::MatchSubArray(uint8_t AMainTypeCode, const TSplay& ASplay, int AMainCount,
                           double AMainArrayHeight) {
    // A refused main type leaves the current array in place.
    auto sub = THobaARRAY::CreateWithMainArray(AMainTypeCode, ASplay, AMainCount,
                                               AMainArrayHeight, NumBoxes1, ArrayHeight);
    LSArray = std::move(sub);
    ArrayType = "Hoba";
}

void TVenue::SetVenueData(const VenueData& D) {
    HandOver(D, true);
}

void TVenue::ApplyVenueData(const VenueData& D) {
    HandOver(D, false);
}

void TVenue::HandOver(const VenueData& D, bool Evaluate) {
    // All or nothing: the values are checked first, and a failure of the
    // set-up, the design or the rig evaluation puts back everything the
    // hand-over changed.
    CheckVenueData(D);
    TVenueSnapshot before(*this, D.Splay);
    try {
        StoreHandOver(D);
        if (Evaluate) {
            if (AutoDesign) Design();
            LSArray->CalcControllerSettings();
            LSArray->CalcMechanics();
            CalcTopHeight();
            CheckFiniteResult();
        }
    } catch (const VenueValueError&) {
        before.Restore();
        throw;
    } catch (const rtl::RuntimeError& e) {
        before.Restore();
        if (e.code() == rtl::RangeError().code() || e.code() == rtl::OverflowError().code())
            throw SetUpRefusal(e, D.ArrayType, D.NumBoxes1, D.NumBoxes2, D.NumBoxes3);
        throw;
    } catch (...) {
        before.Restore();
        throw;
    }
}

void TVenue::CheckFiniteResult() const {
    // Finite values far enough apart can still carry the design's arithmetic
    // past the largest number; such a design is refused as a whole rather
    // than shown, graded or saved.
    const TLoudspeakerArray& a = *LSArray;
    bool finite = std::isfinite(TopHeight);
    for (int i = 0; i < a.ElementCount && i <= 40; ++i)
        finite = finite && std::isfinite(a.Tilt[i]) && std::isfinite(a.ElementHeight[i]) &&
                 std::isfinite(a.ElementDistance[i]);
    if (!finite)
        throw VenueValueError("", "Range check error: the design gives no finite array for these venue values");
}

void TVenue::StoreHandOver(const VenueData& D) {
    // The new array first: an unknown type must leave the venue untouched.
    auto fresh = CreateLoudspeakerArray(D.ArrayType);

    StoreVenueValues(*this, D);
    InstallArray(std::move(fresh), D.ArrayType);

    TLoudspeakerArray& a = *LSArray;
    const bool rear = GridPosition == "REAR";
    a.Grid->PrimaryHolesUsed = rear ? 0 : 1;
    a.Grid->AlternateHolesUsed = rear ? 1 : 0;

    PickOption = D.PickOption;
    if (a.TypeInfo().HasLiftBar() && (PickOption == 4 || PickOption == 5)) {
        a.SetLiftBarOption(LiftBarPosition);
    }
    a.Grid->SetRigMode(PickOption, LiftBarPosition);

    RigMode = D.RigMode;
    a.SetRigMode(RigMode);

    CalcPlaneLines();

    if (D.Splay != nullptr) Splay = D.Splay;
    if (D.CombinationGrid) a.CombinationGrid = true;

    SetUpWithVenueSplay();
}

void TVenue::CalcPlaneLines() {
    // Planes are derived in the order 2, 3, 1.
    if (Plane2Length > 0) {
        Plane2Present = true;
        Plane2Slope = Plane2Height / (Plane2Length + 0.000001);
        Plane2Intercept = Plane2Height + Plane2EarHeight + Plane2Elevation -
                          (Plane1Length + Plane2Length) * Plane2Slope;
        Plane2Angle = zmath::ArcTan2(static_cast<float>(Plane2Height),
                                     static_cast<float>(Plane2Length));
    } else {
        // Slope and intercept keep their earlier values; the designs never
        // read them while plane 2 is absent.
        Plane2Present = false;
        Plane2Angle = 0.0;
        Plane2Length = 0.0;
        Plane2Height = 0.0;
    }

    if (Plane3Length > 0 && Plane3Height > 0) {
        Plane3Present = true;
        Plane3Slope = Plane3Height / (Plane3Length + 0.00000001);
        Plane3Intercept = Plane3Height + Plane3EarHeight + Plane3Elevation -
                          (Plane3Length + Plane3Distance) * Plane3Slope;
        Plane3Angle = zmath::ArcTan2(static_cast<float>(Plane3Height),
                                     static_cast<float>(Plane3Length));
    } else {
        Plane3Present = false;
        Plane3Angle = 0.0;
        Plane3Length = 0.0;
        Plane3Height = 0.0;
    }

    Plane1Slope = Plane1Height / (Plane1Length + 0.00000001);
    Plane1Intercept = Plane1Height + Plane1EarHeight - Plane1Length * Plane1Slope;
    Plane1Angle =
        zmath::ArcTan2(static_cast<float>(Plane1Height), static_cast<float>(Plane1Length));
}

void TVenue::CalcTopHeight() {
    TLoudspeakerArray& a = *LSArray;
    const TGrid& g = *a.Grid;
    if (RigMode == 1) {
        const long double t = static_cast<long double>(a.Tilt[0]) * kPi / 180.0L;
        const long double lift = std::cos(t) * (static_cast<long double>(g.PlateThickness) + g.TopGap);
        const long double rear = g.PrimaryHolesUsed ? 0.0L : std::sin(t) * g.AlternateHoleShift;
        long double top = ArrayHeight + lift - rear;
        if (a.Tilt[0] >= 0) top += std::sin(t) * g.Length;
        TopHeight = static_cast<double>(top);
    } else if (RigMode == 2) {
        if (a.ArrayType() == TArrayType::IvorDovi) {
            a.SelectCabinet(rtl::CheckedAdd(NumBoxes1, 1));
            const long double t = static_cast<long double>(a.Tilt[NumBoxes1]) * kPi / 180.0L;
            TopHeight = static_cast<double>(a.ElementHeight[NumBoxes1] +
                                            std::cos(t) * (a.CurrentBox->FrontHeight / 2.0L));
        } else {
            const long double t = static_cast<long double>(a.Tilt[0]) * kPi / 180.0L;
            TopHeight = static_cast<double>(a.ElementHeight[0] +
                                            std::cos(t) * (a.CurrentBox->FrontHeight / 2.0L) +
                                            g.PlateThickness + g.TopGap);
        }
    }
}

void TVenue::CalcLowestHeight() {
    TLoudspeakerArray& a = *LSArray;
    if (RigMode != 1) {
        LowestHeight = ArrayHeight;
        return;
    }
    const int last = LastElement();
    if (last < 0) {
        LowestHeight = ArrayHeight;
        return;
    }
    a.SelectCabinet(rtl::CheckedAdd(last, 1));
    const long double t = static_cast<long double>(a.Tilt[last]) * kPi / 180.0L;
    LowestHeight = static_cast<double>(a.ElementHeight[last] -
                                       std::cos(t) * (a.CurrentBox->FrontHeight / 2.0L));
}

void TVenue::UpdateArrayAngles() {
    TLoudspeakerArray& a = *LSArray;
    const int n = rtl::CheckedAdd(NumBoxes1, NumBoxes2);
    // The array's own elements 0..n-1; the entry after the last belongs to
    // no cabinet.
    long double sum = 0.0L;
    for (int i = 0; i < n; ++i) sum += Splay->Angle[i];
    if (NumBoxes2 > 0) {
        a.SelectCabinet(n);
    } else {
        a.SelectCabinet(rtl::CheckedSub(NumBoxes1, 1));
    }
    if (a.ArrayType() == TArrayType::Elka) {
        a.LastBoxFaceAngle =
            a.Tilt[rtl::CheckedSub(NumBoxes1, 1)] + a.CurrentBox->BottomFaceAngle + 1.0;
    } else {
        a.LastBoxFaceAngle = static_cast<double>(sum + a.CurrentBox->BottomFaceAngle);
    }
}

void TVenue::ClearSplay() { venue_design::ClearSplayFrom(*Splay, 1); }

void TVenue::SetUpWithVenueSplay() {
    LSArray->SetUp(*Splay, NumBoxes1, NumBoxes2, NumBoxes3, ArrayHeight, FTValue);
    AfterSetUp();
}

void TVenue::SetUpWithArraySplay() {
    TLoudspeakerArray& a = *LSArray;
    a.SetUp(*a.Splay, NumBoxes1, NumBoxes2, NumBoxes3, ArrayHeight, a.TipForce);
    AfterSetUp();
}

void TVenue::AfterSetUp() {
    ++SetUpCount;
    if (OnSetUp) OnSetUp();
}

int TVenue::LastElement() const {
    return rtl::CheckedSub(rtl::CheckedAdd(rtl::CheckedAdd(NumBoxes1, NumBoxes2), NumBoxes3), 1);
}
