#pragma once
// Stepping the venue values by their up/down buttons, the mouse and the
// design start.  The values are metres held in doubles and stepped by 0.1 or
// 1.0, so a run of steps drifts by a few units in the last place: 0.1 taken
// sixty times from 6.0 leaves 4.6e-15, not 0.  Every comparison here allows
// a thousandth of a step, and no value goes below 0 where 0 is its floor.

#include <functional>
#include <optional>

#include "app/rules/array_type.h"

namespace rules {

// The tolerance of a comparison against a multiple of `step`.
double StepTolerance(double step);
// `v`, or 0 when it lies within that tolerance of 0 (no -0.0 or 1e-17 left
// over from stepping down to zero).
double CleanZero(double v, double step);

// What a value does after its step.
enum class StepFloor {
    None,              // nothing
    ZeroBelowZero,     // a value below 0 becomes 0
    ZeroBelowOneStep,  // a value below one step becomes 0
};

// `value` moved by one `step` up (direction +1) or down (-1), then its floor
// applied.  A result within the tolerance of 0 is exactly 0.
double StepValue(double value, double step, int direction, StepFloor floor);

// True when a length stepped down has gone below one step (a plane that is
// no longer there).
bool BelowOneStep(double value, double step);

// The trim search of the design start lowers a flown array by `step` while
// its lowest cabinet is not below the minimum trim height.  The array's
// lowest point never lies above its top, so the lowering is over once the
// top has passed the minimum trim: the number of steps it may take, at
// least 1, at most kMaxTrimSearchSteps; 0 when the two heights are no
// finite numbers.
inline constexpr double kTrimSearchStep = 0.01;
inline constexpr int kMaxTrimSearchSteps = 5000;
int TrimSearchStepLimit(double startHeight, double minTrimHeight, double step);

// Where the array hangs at one height of the trim search: its lowest point
// and its pick (the top of its grid).
struct TrimPoint {
    double Lowest = 0.0;
    double Pick = 0.0;
};

// The trim search: from `startHeight` the array is lowered by `step` while
// its lowest point is at or above `minTrimHeight`, then raised by `step`
// while it is below, so that from a start above or below it ends at the
// first step at or above the minimum trim.  `hang` hangs the array at a
// height and says where it is then.  Nothing when the start or the heights
// are no finite numbers, the lowering finds no step below the minimum
// (TrimSearchStepLimit), the raising takes more than kMaxTrimSearchSteps,
// or the height found needs a pick above `maxPickHeight` (raising further
// only raises the pick).  The height found, start + a whole number of steps.
std::optional<double> SearchTrimHeight(double startHeight, double minTrimHeight,
                                       double maxPickHeight, double step,
                                       const std::function<TrimPoint(double)>& hang);

}  // namespace rules
