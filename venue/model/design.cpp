// The design dispatcher and the two aiming steps the searches start from.

#include <cmath>

#include "platform/core/checked.h"
#include "platform/core/rounding.h"
#include "venue/geometry/geometry.h"
#include "model/hardware/zmath.h"
#include "venue/model/design_steps.h"
#include "venue/model/venue.h"

using namespace venue_design;

double TVenue::RoundToQuarterDegree(double Angle) {
    return rtl::Round(Angle / 0.25) * 0.25;
}

bool TVenue::DesignInputsFinite() const {
    const double values[] = {ArrayHeight,     FTValue,         CoverageStart,   CoverageStop,
                             Plane1Length,    Plane1Height,    Plane1Angle,     Plane1Slope,
                             Plane1Intercept, Plane1EarHeight, Plane2Length,    Plane2Height,
                             Plane2Angle,     Plane2Slope,     Plane2Intercept, Plane2EarHeight,
                             Plane2Elevation, Plane3Length,    Plane3Height,    Plane3Angle,
                             Plane3Distance,  Plane3Elevation, Plane3EarHeight, DownfillFactor};
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

void TVenue::Design() {
    LastDesign = TDesignRoutine::None;
    // A design on values that are no numbers would only spread NaN through
    // the splay list, and without a coverage stop there is no coverage to
    // design for (the top aim divides by it): for every array type and rig
    // mode the angles stay as they are.
    if (!DesignInputsFinite() || CoverageStop == 0.0) return;
    const TArrayType type = LSArray->ArrayType();
    const int hung = rtl::CheckedAdd(NumBoxes1, NumBoxes2);
    if (RigMode == 1) {
        if (IsAnyOf(type, {TArrayType::Elka, TArrayType::IvorElka})) {
            DesignElkaFlown();
            return;
        }
        if (hung <= 2) {
            DesignShortArray();
        } else if (DesignMode == "MinSpiral") {
            DesignSpiral();
            UpdateArrayAngles();
        } else if (DesignMode == "MinCurve") {
            DesignMinCurve();
        } else {
            DesignSpiral();
        }
    } else if (RigMode == 2) {
        if (type == TArrayType::Elka) {
            DesignElkaStack();
        } else {
            DesignGroundStack();
        }
    }
}

void TVenue::AimTopCabinet() {
    TLoudspeakerArray& a = *LSArray;
    TSplay& s = *Splay;
    ClearSplayFrom(s, 0);
    const TArrayTypeInfo& type = a.TypeInfo();
    if (type.AimsTopCabinet) {
        long double reference;
        if (type.AimsFromSecondModel) {
            a.SelectCabinet(0);
            const long double h1 = a.CurrentBox->FrontHeight;
            const int m = a.Count1;
            a.SelectCabinet(rtl::CheckedAdd(m, 1));
            const long double h2 = a.CurrentBox->FrontHeight;
            reference = ArrayHeight - (m * h1 + h2 / 2.0L) - h2 / 2.0L;
        } else {
            reference = ArrayHeight - a.CurrentBox->FrontHeight / 2.0L;
        }

        const long double x = CoverageStop;
        long double target;
        long double top;
        if (Plane3Present && x > Plane3Distance) {
            target = zmath::Tan(static_cast<float>(Plane3Angle)) * (x - Plane3Distance) +
                     2.0L * Plane3EarHeight + Plane3Elevation;
            top = std::atan((reference - target) / x) * kDegrees;
        } else if (Plane2Present && x > Plane1Length) {
            target = 1.5L * Plane2EarHeight + zmath::Tan(static_cast<float>(Plane2Angle)) * x +
                     Plane2Intercept;
            top = zmath::ArcTan2(static_cast<float>(reference - target), static_cast<float>(x)) *
                  kDegrees;
        } else {
            target = 1.5L * Plane1EarHeight + zmath::Tan(static_cast<float>(Plane1Angle)) * x;
            top = std::atan((reference - target) / x) * kDegrees;
        }
        s.Angle[0] = static_cast<double>(top);
    }
    // A top angle that is no number (a coverage stop of 0 reaches here only
    // through a direct call) stays 0 rather than stopping the design.
    if (std::isfinite(s.Angle[0])) {
        s.Angle[0] = RoundToQuarterDegree(s.Angle[0]);
    } else {
        s.Angle[0] = 0.0;
    }
    SetUpWithVenueSplay();
}

void TVenue::AimAtCoverageStart() {
    TLoudspeakerArray& a = *LSArray;
    TSplay& s = *Splay;
    ClearSplayFrom(s, 0);
    const TArrayType type = a.ArrayType();
    // The mini subwoofers on top of a mix: the aim starts from their cabinet.
    if (IsAnyOf(type, {TArrayType::IvorDovi, TArrayType::IvorElka, TArrayType::IvorDoviElka}))
        a.SelectCabinet(0);
    const long double reference =
        ArrayHeight + a.CurrentBox->FrontHeight / 2.0L + a.Grid->PlateThickness;

    const long double x = CoverageStart;
    double seg[4];  // x1, y1, x2, y2 of the plane segment the ray correction aims at
    long double aim = 0.0L;
    bool level = false;
    long double target = 0.0L;
    if (Plane3Present && x >= Plane3Distance) {
        if (ArrayHeight <= Plane3Elevation + Plane3EarHeight) {
            level = true;
        } else {
            target = Plane3Elevation + (x - Plane3Distance) * zmath::Tan(static_cast<float>(Plane3Angle)) +
                     Plane3EarHeight;
        }
        seg[0] = Plane3Distance;
        seg[1] = Plane3Elevation + Plane3EarHeight;
        seg[2] = Plane3Distance + Plane3Length;
        seg[3] = Plane3Elevation + Plane3Height + Plane3EarHeight;
    } else if (Plane2Present && x >= Plane1Length) {
        if (ArrayHeight <= Plane2Elevation + Plane2EarHeight) {
            level = true;
        } else {
            target = Plane2Elevation + (x - Plane1Length) * zmath::Tan(static_cast<float>(Plane2Angle)) +
                     Plane2EarHeight;
        }
        seg[0] = Plane1Length;
        seg[1] = Plane2Elevation + Plane2EarHeight;
        seg[2] = Plane1Length + Plane2Length;
        seg[3] = Plane2Elevation + Plane2Height + Plane2EarHeight;
    } else {
        target = zmath::Tan(static_cast<float>(Plane1Angle)) * x + Plane1EarHeight;
        seg[0] = 0.0;
        seg[1] = Plane1EarHeight;
        seg[2] = Plane1Length;
        seg[3] = Plane1Height + Plane1EarHeight;
    }
    if (!level) {
        aim = 90.0L - zmath::ArcTan2(static_cast<float>(x), static_cast<float>(reference - target)) *
                          kDegrees;
    }

    if (a.RigMode == 1) {
        if (type == TArrayType::IvorElka) {
            a.SelectCabinet(rtl::CheckedAdd(NumBoxes1, 1));
            s.Angle[0] = static_cast<double>(aim - 2.0L * NumBoxes2 * a.CurrentBox->BottomFaceAngle -
                                             a.CurrentBox->JoinSplay);
        } else {
            a.SelectCabinet(0);
            s.Angle[0] = static_cast<double>(aim -
                                             2.0L * rtl::CheckedSub(NumBoxes1, 1) *
                                                 a.CurrentBox->BottomFaceAngle -
                                             a.CurrentBox->JoinSplay);
        }
    } else {
        const long double wedge = a.CurrentBox->BottomFaceAngle;
        const long double join = a.CurrentBox->JoinSplay;
        if (IsAnyOf(type, {TArrayType::DoviElka, TArrayType::IvorElka, TArrayType::IvorDoviElka,
                           TArrayType::BexaCadri})) {
            aim = aim - 2.0L * rtl::CheckedSub(NumBoxes2, 1) * wedge - join;
        } else if (type == TArrayType::Elka) {
            aim = aim - 2.0L * rtl::CheckedSub(NumBoxes1, 1) * wedge - join;
        }
        if (type == TArrayType::IvorDoviElka)
            aim = aim - 2.0L * rtl::CheckedSub(NumBoxes3, 1) * wedge - join;

        const int n = rtl::CheckedAdd(rtl::CheckedAdd(NumBoxes1, NumBoxes2), NumBoxes3);
        TGroundStackBar& bar = *a.GroundStackBar;
        const double wanted = static_cast<double>(aim);
        if (wanted > bar.MinAngle && wanted <= bar.MaxAngle) {
            bar.SelectNearestHole(wanted);
            bar.StoreCurrentAngle(s, n);
        } else if (wanted > bar.MaxAngle) {
            bar.SelectLastHole(s, n);
        } else {
            bar.SelectFirstHole(s, n);
        }
    }
    SetUpWithVenueSplay();

    if (type == TArrayType::IvorElka && RigMode == 1) RayCorrection(seg);
}

double TVenue::TraceRayError(const double Seg[4]) const {
    const TLoudspeakerArray& a = *LSArray;
    const int e = rtl::CheckedSub(rtl::CheckedAdd(NumBoxes1, NumBoxes2), 1);
    const geo::Point2D start{-a.ElementDistance[e], a.ElementHeight[e]};
    // The same direction, brought into 0..360 where the projection works.
    double angle = 360.0 - a.Tilt[e] - 20.0 * NumBoxes2;
    angle = std::fmod(angle, 360.0);
    if (angle < 0.0) angle += 360.0;
    const geo::Point2D end = geo::ProjectPoint(start, angle, 1.0);
    const geo::Point2D p3{Seg[0], Seg[1]};
    const geo::Point2D p4{Seg[2], Seg[3]};
    // The ray and the plane are taken as unbounded lines: a ray that meets
    // the plane's line only behind its start still has its crossing there,
    // and one parallel to the plane's line gets the point IntersectionPoint
    // gives for parallels (the plane's near end when the lines coincide, its
    // far end otherwise).  Either way the error is a finite number that the
    // correction can compare with the first one.
    const geo::Point2D hit = geo::IntersectionPoint(start, end, p3, p4);
    return hit.x - CoverageStart;
}

void TVenue::RayCorrection(const double Seg[4]) {
    // Without a plane of some length there is nothing to trace onto.
    if (!(Seg[2] > Seg[0]) && !(Seg[3] != Seg[1])) return;
    TSplay& s = *Splay;
    const double e0 = TraceRayError(Seg);
    if (!(e0 > 0.0) && !(e0 < 0.0)) return;
    const double step = e0 > 0.0 ? 0.1 : -0.1;
    const double aimed = s.Angle[0];
    for (int iteration = 1; iteration <= 1001; ++iteration) {
        s.Angle[0] = s.Angle[0] + step;
        SetUpWithVenueSplay();
        const double e = TraceRayError(Seg);
        // Two ways out before the last step: within 0.25 m, or further off
        // than at the start.  There is no stop for a hit that passes the
        // coverage start: the steps go on in the same direction until the
        // hit is further off than at the start, and the angle reached stays.
        if (std::fabs(e) < 0.25 || std::fabs(e) > std::fabs(e0)) return;
    }
    // 1001 steps neither reached the coverage start nor moved away from it:
    // the ray points away from the audience (its line meets the plane behind
    // the array) and each step only edges that crossing along.  Turning the
    // array by 100 degrees would hang it upside down, so it keeps the aim at
    // the coverage start.
    s.Angle[0] = aimed;
    SetUpWithVenueSplay();
}
