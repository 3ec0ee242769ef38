#pragma once
// Small pieces the design routines share: type-code tests, the step limits
// of the searches and what a pass of a search leaves behind.

#include <array>
#include <initializer_list>

#include "core/checked.h"
#include "hardware/splay.h"

namespace venue_design {

inline constexpr long double kDegrees = 57.29577951308232L;  // 180 / pi

inline bool In(int code, std::initializer_list<int> codes) {
    for (int c : codes)
        if (c == code) return true;
    return false;
}

inline int Inc(int v) { return rtl::CheckedAdd(v, 1); }

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

// What a pass of a search leaves behind.  Two equal snapshots taken at the
// same point of two passes mean the search would go round for ever: it can
// change nothing more.
struct PassState {
    TSplayAngles Angle;
    rtl::CheckedArray<int, 0, 39> ChoiceIndex;
    StepLimits T;
    bool operator==(const PassState&) const = default;
};

}  // namespace venue_design
