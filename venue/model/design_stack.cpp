// The designs that start from the aim at the coverage start: the flown and
// stacked mini-downfill arrays with their fixed splays, and the search of
// every other ground stack.

#include <cmath>

#include "platform/core/checked.h"
#include "venue/model/design_steps.h"
#include "venue/model/venue.h"

using namespace venue_design;

void TVenue::DesignElkaFlown() {
    LastDesign = TDesignRoutine::ElkaFlown;
    AimAtCoverageStart();
    TLoudspeakerArray& a = *LSArray;
    TSplay& s = *Splay;
    const int n = rtl::CheckedAdd(NumBoxes1, NumBoxes2);
    for (int k = 1; k <= n; ++k) {
        s.ChoiceIndex[k] = 0;
        a.SelectCabinet(k);
        if (a.ArrayType() == TArrayType::IvorElka && k == NumBoxes1) {
            // The first downfill below the subwoofers hangs at its own
            // bottom-face angle.
            a.SelectCabinet(Inc(k));
            s.Angle[k] = a.CurrentBox->BottomFaceAngle;
            a.SelectCabinet(k);
        } else {
            s.Angle[k] = a.CurrentBox->SplayAngles[0];
        }
    }
    SetUpWithVenueSplay();
}

void TVenue::DesignElkaStack() {
    LastDesign = TDesignRoutine::ElkaStack;
    AimAtCoverageStart();
    TLoudspeakerArray& a = *LSArray;
    TSplay& s = *Splay;
    for (int k = 0; k <= NumBoxes1 - 2; ++k) {
        s.ChoiceIndex[k] = 0;
        s.Angle[k] = a.CurrentBox->SplayAngles[0];
    }
    SetUpWithVenueSplay();
}

void TVenue::DesignGroundStack() {
    LastDesign = TDesignRoutine::GroundStack;
    AimAtCoverageStart();
    TLoudspeakerArray& a = *LSArray;
    TSplay& s = *Splay;
    const TArrayType type = a.ArrayType();
    const bool threeModels = type == TArrayType::IvorDoviElka;

    // The downfill cabinets at their fixed splays.
    if (IsAnyOf(type, {TArrayType::DoviElka, TArrayType::BexaCadri, TArrayType::IvorDoviElka})) {
        const int m = threeModels ? NumBoxes2 : NumBoxes1;
        a.SelectCabinet(Inc(m));
        const int j = rtl::CheckedSub(m, 1);
        s.ChoiceIndex[j] = 0;
        s.Angle[j] = a.CurrentBox->JoinSplay;
        SetUpWithVenueSplay();
        int last;
        if (threeModels) {
            last = rtl::CheckedSub(
                rtl::CheckedAdd(rtl::CheckedAdd(NumBoxes1, NumBoxes2), NumBoxes3), 2);
        } else {
            last = rtl::CheckedSub(rtl::CheckedAdd(NumBoxes1, NumBoxes2), 2);
        }
        for (int i = m; i <= last; ++i) {
            s.ChoiceIndex[i] = 0;
            s.Angle[i] = 20.0;
        }
        if (threeModels) SetUpWithVenueSplay();
    }

    // Where the search starts and which element it watches.
    int start;
    int limit;
    // Stacked on their subwoofers: the search starts above them.
    if (IsAnyOf(type, {TArrayType::IvorDovi, TArrayType::IvorDoviElka})) {
        start = rtl::CheckedSub(rtl::CheckedAdd(NumBoxes1, NumBoxes2), 2);
        limit = NumBoxes1;
    } else {
        start = rtl::CheckedSub(NumBoxes1, 2);
        limit = 0;
    }
    const int E = LastElement();
    StepLimits T;
    for (int i = 0; i <= 5; ++i) T[i] = rtl::CheckedAdd(E, i);

    // Far target: the listening line at the coverage stop.
    const double x = CoverageStop;
    double slope = Plane1Slope;
    double intercept = Plane1Intercept;
    if (x < Plane1Length || (!Plane2Present && !Plane3Present)) {
        // plane 1
    } else if (Plane3Present && x >= Plane3Distance) {
        slope = Plane3Slope;
        intercept = Plane3Intercept;
    } else if (Plane2Present && x > Plane1Length) {
        slope = Plane2Slope;
        intercept = Plane2Intercept;
    }
    const double y = slope * x + intercept;

    // Raise the splays from start down to limit, pass after pass.
    // With a single cabinet of the first model there is no splay to raise.
    if (start >= 0) {
        int k = start;
        bool firstIteration = true;
        PassRepeatCheck passCheck;
        for (;;) {
            bool stop = false;
            a.SelectCabinet(Inc(k));
            s.ChoiceIndex[k] = Inc(s.ChoiceIndex[k]);
            const int entries = a.CurrentBox->SplayCount;
            bool highRow = false;
            const int cap = StepCap(T, k, entries, highRow);
            // Index k is capped before index 1 is tested, so when k is 1 the
            // test sees the capped index, never one past the table.
            if (cap >= 0 && s.ChoiceIndex[k] > cap) s.ChoiceIndex[k] = cap;
            if (highRow && s.ChoiceIndex[1] > entries - 1) stop = true;

            a.SelectCabinet(Inc(limit));
            if (s.ChoiceIndex[limit] >= a.CurrentBox->SplayCount - 1) stop = true;

            a.SelectCabinet(Inc(k));
            s.Angle[k] = a.CurrentBox->SplayAngles[s.ChoiceIndex[k]];
            SetUpWithArraySplay();

            const int changed = k;
            k = rtl::CheckedSub(k, 1);
            if (k < limit) {
                k = start;
                a.SelectCabinet(Inc(k));
                const int tableSize = a.CurrentBox->SplayCount;
                int D = 0;
                if (tableSize == 7) {
                    D = rtl::CheckedAdd(NumBoxes1, 3) / 5;
                } else if (tableSize == 8) {
                    D = 1;
                }
                LowerStepLimits(T, D);
                if (passCheck.Repeats(s, T)) stop = true;
            }

            const long double a2 =
                std::atan((static_cast<long double>(a.ElementHeight[limit]) - y) /
                          (x * 1.0L + 1e-7L + a.ElementDistance[limit])) *
                    kDegrees -
                2.5L;
            if (a.Tilt[limit] <= a2) {
                stop = true;
                if (!firstIteration) TakeBackStep(s, changed);
            }
            firstIteration = false;
            if (stop) break;
        }
    }

    // Every splay of the first model ends at the third step or above.
    for (int k = NumBoxes1 - 2; k >= 0; --k) {
        if (s.ChoiceIndex[k] < 2) s.ChoiceIndex[k] = 2;
        s.Angle[k] = a.CurrentBox->SplayAngles[s.ChoiceIndex[k]];
        SetUpWithArraySplay();
    }
}
