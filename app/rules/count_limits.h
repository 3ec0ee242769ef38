#pragma once
// How many cabinets of each model an array type takes, and the clamping of
// the counts into those limits.  The cabinet-choice handlers, the count
// up/downs, the install/touring radios, the rig-mode radios and the venue
// load all run the counts through these.

#include <optional>

#include "app/rules/array_type.h"

namespace rules {

struct BoxLimits {
    int Max1 = 0, Min1 = 0;
    int Max2 = 0, Min2 = 0;
    int Max3 = 0, Min3 = 0;
    int MaxTotal = 0;  // the largest allowed sum of the three counts
    friend bool operator==(const BoxLimits&, const BoxLimits&) = default;
};

// The limits of an array type for a rig mode (2 ground-stacked, any other
// flown) and the install choice (which matters only when flown); nothing for
// a code that names no array type, so the caller keeps the limits it had.
std::optional<BoxLimits> BoxLimitsFor(ArrayType type, int rigMode, bool install);

struct BoxCounts {
    int N1 = 0, N2 = 0, N3 = 0;
    friend bool operator==(const BoxCounts&, const BoxCounts&) = default;
};

// Which count the user is stepping (the others follow it), or none when the
// type, the mode or the whole design changed.
enum class CountBeingChanged { None = 0, First = 1, Second = 2, Third = 3 };

// Every count into its model's range, then the total rule: when the sum is
// too large, while a count is being stepped another count gives way (the
// next model's, then the other, then the stepped one); when none is, the
// counts become the largest first-model count and the smallest others.  For
// "MIXIvorDoviElka" the rule weighs only the second and third counts (at most
// 10 together).  The result always lies within the limits.
BoxCounts ClampBoxCounts(ArrayType type, const BoxLimits& limits, BoxCounts counts,
                         CountBeingChanged changing);

// How counts from outside the window (a venue file) lie outside a type's
// limits: one count below its model's minimum or above its maximum, or the
// sum the total rule weighs above its largest.
struct CountRefusal {
    int Count = 0;  // 1, 2 or 3; 0 for the sum
    int Value = 0;  // the count or the sum
    int Min = 0;    // the range it lies outside (the sum: 0 to Max)
    int Max = 0;
    friend bool operator==(const CountRefusal&, const CountRefusal&) = default;
};

// The first way `counts` lie outside the limits, each count in its turn and
// then the total rule (for "MIXIvorDoviElka" the second and third counts,
// at most 10 together); nothing when ClampBoxCounts would leave them as they
// are.  A count of a model the type has not (its range 0 to 0) plays no
// part: older venue files carry one there, and the window sets it to 0.
std::optional<CountRefusal> CountsOutsideLimits(ArrayType type, const BoxLimits& limits,
                                                BoxCounts counts);

// One click of a count's up/down (+1 up, -1 down) and the clamping that
// follows.
BoxCounts StepBoxCount(ArrayType type, const BoxLimits& limits, BoxCounts counts,
                       CountBeingChanged which, int direction);

}  // namespace rules
