#pragma once
// Small pieces the design routines share: the step limits
// of the searches and the check that ends a search going round for ever.

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <utility>

#include "platform/core/checked.h"
#include "model/hardware/splay.h"

namespace venue_design {

inline constexpr long double kDegrees = 57.29577951308232L;  // 180 / pi

inline int Inc(int v) { return rtl::CheckedAdd(v, 1); }

// Splay angles and choice indexes First..39 to 0; angle 40 stays.
inline void ClearSplayFrom(TSplay& s, int First) {
    for (int i = First; i <= 39; ++i) {
        s.Angle[i] = 0.0;
        s.ChoiceIndex[i] = 0;
    }
}

// The step limits T0..T5: the further down the array an element lies
// against them, the larger the table step it may take.
using StepLimits = std::array<int, 6>;

// Largest table index allowed at position k, or -1 when the row sets no
// cap (a table of neither 7 nor 8 entries at or beyond T5).  HighRow tells
// whether k lies in one of the two top rows (from T4 up).
inline int StepCap(const StepLimits& T, int k, int tableCount, bool& HighRow) {
    HighRow = false;
    if (k < T[0]) return 1;
    if (k < T[1]) return 2;
    if (k < T[2]) return 3;
    if (k < T[3]) return 4;
    if (k < T[4]) return 5;
    HighRow = true;
    if (k < T[5]) return 6;
    if (tableCount == 8) return 7;
    if (tableCount == 7) return 6;
    return -1;
}

// Lowers every step limit by D after a pass.  Every position k is at least
// 0, so limits below 0 would act as 0 anyway.
inline void LowerStepLimits(StepLimits& T, int D) {
    for (int& t : T) t = std::max(0, rtl::CheckedSub(t, D));
}

// Watches the passes of a search for one that left the splays and the step
// limits as the one before did: such a pass can change nothing more, and the
// search would go round for ever.  Call Repeats at the same point of every
// pass.
class PassRepeatCheck {
public:
    bool Repeats(const TSplay& s, const StepLimits& T) {
        PassState now{s.Angle, s.ChoiceIndex, T};
        const bool same = last_.has_value() && now == *last_;
        last_ = std::move(now);
        return same;
    }

private:
    struct PassState {
        TSplayAngles Angle;
        rtl::CheckedArray<int, 0, 39> ChoiceIndex;
        StepLimits T;
        bool operator==(const PassState&) const = default;
    };
    std::optional<PassState> last_;
};

}  // namespace venue_design
