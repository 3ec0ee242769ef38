// The flown searches: the spiral search (the default), the minimum-curve
// search and the search for arrays of one or two cabinets.  Each starts from
// the aimed top cabinet and raises splays one table step at a time until the
// bottom cabinet's axis reaches the near end of the coverage.

#include <cmath>

#include "platform/core/checked.h"
#include "platform/core/rounding.h"
#include "model/hardware/grid.h"
#include "venue/model/design_steps.h"
#include "venue/model/venue.h"

using namespace venue_design;

long double TVenue::DepressionTo(int E, double X, double Y) const {
    const TLoudspeakerArray& a = *LSArray;
    return std::atan((static_cast<long double>(a.ElementHeight[E]) - Y) /
                     (1e-7L + a.ElementDistance[E] + X)) *
           kDegrees;
}

bool TVenue::AxisTest(int E, double X, double Y) const {
    return DepressionTo(E, X, Y) <= LSArray->Tilt[E];
}

double TVenue::ListeningHeight(double X, bool Plane2Use) const {
    // Without plane 2 its line is stale: the searches aim at plane 1.
    if (Plane2Use && Plane2Present) return Plane2Slope * X + Plane2Intercept;
    return Plane1Slope * X + Plane1Intercept;
}

bool TVenue::DownfillTest() {
    TLoudspeakerArray& a = *LSArray;
    const double x = CoverageStart;
    const double y = ListeningHeight(x, Plane1Length < CoverageStart);
    const int e = LastElement();
    a.SelectCabinet(e);
    const long double allowance = a.Count2 == 1 ? 7.5L : 0.0L;
    return DepressionTo(e, x, y) <=
           1.0L * a.CurrentBox->BottomFaceAngle + a.Tilt[e] + allowance;
}

void TVenue::SetDownfillSplays() {
    TLoudspeakerArray& a = *LSArray;
    TSplay& s = *a.Splay;
    int j0;
    int count;
    // The downfills are the last model: the third one of the three-model
    // array, else the second.
    if (a.TypeInfo().ModelCount() == 3) {
        j0 = rtl::CheckedAdd(NumBoxes1, NumBoxes2);
        count = NumBoxes3;
    } else {
        j0 = NumBoxes1;
        count = NumBoxes2;
    }
    a.SelectCabinet(Inc(j0));
    s.ChoiceIndex[j0] = 0;
    s.Angle[j0] = a.CurrentBox->JoinSplay;
    const int last = rtl::CheckedSub(rtl::CheckedAdd(j0, count), 1);
    for (int j = Inc(j0); j <= last; ++j) {
        a.SelectCabinet(Inc(j));
        s.ChoiceIndex[j] = 0;
        s.Angle[j] = a.CurrentBox->SplayAngles[0];
    }
    SetUpWithArraySplay();
}

void TVenue::SpiralHungJunction(int First) {
    TLoudspeakerArray& a = *LSArray;
    TSplay& s = *Splay;
    a.SelectCabinet(Inc(NumBoxes1));
    const double t0 = s.Angle[0];
    s.Angle[0] = 0.0;
    if (t0 <= 0.0 || a.TypeInfo().Junction == TJunctionDesign::TopAngleBack) {
        s.Angle[0] = t0;
        return;
    }
    // The junction takes the largest table step that does not exceed t0.
    a.SelectCabinet(First);
    do {
        s.ChoiceIndex[First] = Inc(s.ChoiceIndex[First]);
        s.Angle[First] = a.CurrentBox->SplayAngles[s.ChoiceIndex[First]];
    } while (!(s.Angle[First] > t0 || s.ChoiceIndex[First] >= a.CurrentBox->SplayCount));
    s.ChoiceIndex[First] = rtl::CheckedSub(s.ChoiceIndex[First], 1);
    s.Angle[First] = a.CurrentBox->SplayAngles[s.ChoiceIndex[First]];
    // The top angle makes up the rest.
    if (s.Angle[First] < t0) {
        do {
            s.Angle[0] = s.Angle[0] + 0.25;
            SetUpWithVenueSplay();
        } while (!(LSArray->Tilt[First] >= t0 || s.Angle[0] > 30.0));
    }
}

void TVenue::SpiralHobaJunction(int First) {
    TLoudspeakerArray& a = *LSArray;
    TSplay& s = *Splay;
    a.SelectCabinet(Inc(NumBoxes1));
    const double t = s.Angle[0];
    s.Angle[0] = 0.0;
    const int count = AllowedAngles.Count;
    const int lastEntry = rtl::CheckedSub(count, 1);
    if (!SplayHoba || t <= AllowedAngles.Angles[lastEntry]) {
        // The nearest allowed angle; of equally near ones the first.
        double best = 100.0;
        int chosen = AllowedAngles.ChosenIndex;
        for (int i = 0; i <= lastEntry; ++i) {
            const double d = std::fabs(AllowedAngles.Angles[i] - t);
            if (d < best) {
                best = d;
                chosen = i;
            }
        }
        AllowedAngles.ChosenIndex = chosen;
        s.Angle[First] = AllowedAngles.Angles[chosen];
        s.Angle[0] = t - AllowedAngles.Angles[chosen];
        return;
    }
    // Beyond the last allowed angle the splays between the subwoofers take
    // up the rest.
    AllowedAngles.ChosenIndex = lastEntry;
    s.Angle[First] = AllowedAngles.Angles[lastEntry];
    if (First - 1 < 1) {
        // A single subwoofer has no splay of its own to take up the rest:
        // the top angle does.  Raising "splay 1" here would raise the
        // junction itself and overwrite its last allowed angle (-7.5 by
        // default); the junction keeps that angle on purpose.
        SetUpWithVenueSplay();
        s.Angle[0] = t - LSArray->Tilt[First];
        return;
    }
    a.SelectCabinet(1);
    for (int k = 1;; k = Inc(k)) {
        s.ChoiceIndex[k] = Inc(s.ChoiceIndex[k]);
        const int top = rtl::CheckedSub(LSArray->CurrentBox->SplayCount, 1);
        if (s.ChoiceIndex[k] > top) s.ChoiceIndex[k] = top;
        s.Angle[k] = LSArray->CurrentBox->SplayAngles[s.ChoiceIndex[k]];
        SetUpWithVenueSplay();
        const TLoudspeakerArray& b = *LSArray;
        const int tableTop = rtl::CheckedSub(b.CurrentBox->SplayCount, 1);
        if (t - b.Tilt[First] < b.Tilt[1] + s.Angle[1] || t < b.Tilt[First] ||
            rtl::CheckedSub(s.ChoiceIndex[First], 1) > tableTop || Inc(k) > First - 1) {
            break;
        }
    }
    s.Angle[0] = t - LSArray->Tilt[First];
}

bool TVenue::RaiseSplayStep(TSplay& s, int K) {
    const TBox& box = *LSArray->CurrentBox;
    s.ChoiceIndex[K] = Inc(s.ChoiceIndex[K]);
    const int top = rtl::CheckedSub(box.SplayCount, 1);
    bool atTop = false;
    if (s.ChoiceIndex[K] > top) {
        s.ChoiceIndex[K] = top;
        atTop = true;
    }
    s.Angle[K] = box.SplayAngles[s.ChoiceIndex[K]];
    SetUpWithArraySplay();
    return atTop;
}

void TVenue::TakeBackStep(TSplay& s, int K) {
    s.ChoiceIndex[K] = 0;
    s.Angle[K] = 0.0;
    SetUpWithArraySplay();
}

void TVenue::SpiralMainLoop(int Bottom, int First) {
    TLoudspeakerArray& a = *LSArray;
    const TArrayTypeInfo& type = a.TypeInfo();
    const int E = LastElement();
    SetUpWithVenueSplay();
    TSplay& s = *a.Splay;
    // The junction between the subwoofers and the main model stays 0.
    const auto clearJunction = [&] {
        a.SelectCabinet(Inc(NumBoxes1));
        s.ChoiceIndex[NumBoxes1] = 0;
        s.Angle[NumBoxes1] = 0.0;
        SetUpWithArraySplay();
    };

    if (Bottom <= First) {
        // No splay lies below the first one the search may raise: the top
        // angle and the junction keep what the aim gave them, and only the
        // fixed splays are put in place.  Running the loop here would raise
        // index `Bottom` anyway and, with Bottom = 0, write a splay-table
        // step into the top angle: deliberately not done.
        if (type.HoldsSubJunctionLevel) clearJunction();
        if (type.SpiralLaysDownfill) SetDownfillSplays();
        return;
    }

    StepLimits T;
    T[0] = type.HalvesFirstStepLimit ? rtl::Round(E / 2.0) : E;
    for (int i = 1; i <= 5; ++i) T[i] = rtl::CheckedAdd(E, i);

    int k = Bottom;
    int passes = 0;
    bool firstIteration = true;
    PassRepeatCheck passCheck;

    // Near target of the axis test.
    const double xn = CoverageStart + DownfillFactor;
    const double yn = ListeningHeight(xn, Plane1Length <= xn);

    for (;;) {
        bool stop = false;
        s.ChoiceIndex[k] = Inc(s.ChoiceIndex[k]);
        a.SelectCabinet(k);
        bool highRow = false;
        const int cap = StepCap(T, k, a.CurrentBox->SplayCount, highRow);
        if (cap >= 0 && s.ChoiceIndex[k] > cap) s.ChoiceIndex[k] = cap;
        if (highRow && Inc(s.ChoiceIndex[First]) > a.CurrentBox->SplayCount - 1) stop = true;

        a.SelectCabinet(Bottom);
        const int bottomTop = rtl::CheckedSub(a.CurrentBox->SplayCount, 1);
        if (s.ChoiceIndex[Bottom] > bottomTop) {
            s.ChoiceIndex[Bottom] = bottomTop;
            stop = true;
        }

        a.SelectCabinet(k);
        s.Angle[k] = a.CurrentBox->SplayAngles[s.ChoiceIndex[k]];
        SetUpWithArraySplay();

        const int changed = k;
        k = rtl::CheckedSub(k, 1);
        if (k < 0) stop = true;
        if (k == First) {
            k = Bottom;
            a.SelectCabinet(k);
            passes = Inc(passes);
            if (type.SpiralLaysDownfill && passes > 10000) stop = true;
            const int entries = a.CurrentBox->SplayCount;
            int D = 0;
            if (entries == 7) {
                D = rtl::CheckedAdd(rtl::CheckedAdd(E, 3) / 5, 2);
            } else if (entries == 8 || entries == 4) {
                D = 1;
            }
            LowerStepLimits(T, D);
            // The search has gone as far as the tables let it.  This holds
            // for the downfill mixes too: their pass limit of 10000 stays,
            // but a pass that changes nothing ends the search at once.
            if (passCheck.Repeats(s, T)) stop = true;
        }

        if (type.HoldsSubJunctionLevel) clearJunction();

        bool reached;
        if (type.SpiralLaysDownfill) {
            SetDownfillSplays();
            reached = DownfillTest();
        } else {
            reached = AxisTest(E, xn, yn);
        }
        if (reached) {
            stop = true;
            if (!firstIteration) TakeBackStep(s, changed);
        }
        firstIteration = false;
        if (stop) break;
    }
}

void TVenue::SpiralSmoothing() {
    TLoudspeakerArray& a = *LSArray;
    TSplay& s = *a.Splay;
    const int E = LastElement();
    if (a.CurrentBox->SplayCount != 7 || E <= 1) return;
    for (int k = E; k >= 2; --k) {
        if (s.ChoiceIndex[k] - s.ChoiceIndex[k - 1] > 1) {
            s.ChoiceIndex[k - 1] = Inc(s.ChoiceIndex[k - 1]);
            s.ChoiceIndex[k] = rtl::CheckedSub(s.ChoiceIndex[k], 1);
            a.SelectCabinet(k);
            s.Angle[k] = a.CurrentBox->SplayAngles[s.ChoiceIndex[k]];
            a.SelectCabinet(k - 1);
            s.Angle[k - 1] = a.CurrentBox->SplayAngles[s.ChoiceIndex[k - 1]];
            SetUpWithArraySplay();
        }
    }
}

void TVenue::DesignSpiral() {
    LastDesign = TDesignRoutine::Spiral;
    const TArrayTypeInfo& type = LSArray->TypeInfo();
    const int E = LastElement();
    int bottom = E;
    // Over fixed downfills the search works down to the last main cabinet.
    if (type.SpiralLaysDownfill) {
        bottom = rtl::CheckedSub(
            type.ModelCount() == 3 ? rtl::CheckedAdd(NumBoxes1, NumBoxes2) : NumBoxes1, 1);
    }
    const int first = type.AimsFromSecondModel ? NumBoxes1 : 0;

    AimTopCabinet();
    if (type.Junction == TJunctionDesign::TableStep ||
        type.Junction == TJunctionDesign::TopAngleBack)
        SpiralHungJunction(first);
    if (type.Junction == TJunctionDesign::AllowedAngle) SpiralHobaJunction(first);
    SpiralMainLoop(bottom, first);
    SpiralSmoothing();
}

void TVenue::DesignMinCurve() {
    LastDesign = TDesignRoutine::MinCurve;
    AimTopCabinet();
    TLoudspeakerArray& a = *LSArray;
    TSplay& s = *a.Splay;
    const int last = rtl::CheckedSub(NumBoxes1, 1);
    // With one cabinet of the first model there is no splay below the top
    // one to raise.  The loop would raise index 0 and so put a splay-table
    // step into the top angle: deliberately left out.
    if (last < 1) return;
    int k = last;
    const double x = CoverageStart;
    const double y = ListeningHeight(x, Plane1Length <= CoverageStart);
    bool firstIteration = true;
    for (;;) {
        bool stop = RaiseSplayStep(s, k);
        const int changed = k;
        k = rtl::CheckedSub(k, 1);
        if (k < 1) k = last;
        if (AxisTest(last, x, y)) {
            stop = true;
            if (!firstIteration) TakeBackStep(s, changed);
        }
        firstIteration = false;
        if (stop) break;
    }
}

void TVenue::DesignShortArray() {
    LastDesign = TDesignRoutine::ShortArray;
    AimTopCabinet();
    // Over downfills the joints of one or two hung cabinets are all fixed:
    // the downfill hangs at its junction (under subwoofers the joint between
    // them and the main model stays level, as the aim cleared it).  A table
    // step there would hang the downfill at an angle it cannot take.
    if (LSArray->TypeInfo().SpiralLaysDownfill) {
        SetDownfillSplays();
        return;
    }
    if (rtl::CheckedAdd(NumBoxes1, NumBoxes2) <= 1) return;
    TLoudspeakerArray& a = *LSArray;
    TSplay& s = *a.Splay;
    const double x = CoverageStart + DownfillFactor;
    const double y = ListeningHeight(x, Plane1Length <= x);
    for (;;) {
        bool stop = RaiseSplayStep(s, 1);
        if (AxisTest(1, x, y)) stop = true;
        if (stop) break;
    }
}
