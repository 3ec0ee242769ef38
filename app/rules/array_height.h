#pragma once
// The array height (the trim of a flown array, the stage height of a
// stacked one) stepped by one of its controls: the up/down beside its edit
// and the mouse on the venue section's array-height mark.

#include "app/rules/ear_height.h"

namespace rules {

struct ArrayHeightStep {
    double ArrayHeight = 0.0;
    double P1EarHeight = 0.0;
    bool Moved = false;  // the height changed (the up/down's position follows)
    friend bool operator==(const ArrayHeightStep&, const ArrayHeightStep&) = default;
};

// One step of the array height: `direction` > 0 raises it by `step`, always;
// < 0 lowers it only while the array's lowest point (`lowestHeight`, from
// the last drawing) lies above the ground when stacked, or above the plane-1
// ear height when flown, and never below 0.  The heights are stepped
// doubles, so the comparison allows a thousandth of a step: a lowest point
// a rounding error above its floor is no room.  When stacked the plane-1 ear
// height follows the stage height (seated or standing, StackedEarHeight);
// when flown it stays.
ArrayHeightStep StepArrayHeight(double arrayHeight, double step, int direction, int rigMode,
                                double lowestHeight, double p1EarHeight, bool seated);

}  // namespace rules
