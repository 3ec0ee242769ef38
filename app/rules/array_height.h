#pragma once
// The array height (the trim of a flown array, the stage height of a
// stacked one) stepped by one of its controls: the up/down beside its edit
// and the mouse on the venue section's array-height mark.

namespace rules {

// Seated and standing ear heights, m.
inline constexpr double kSeatedEarHeight = 1.4;
inline constexpr double kStandingEarHeight = 1.8;

struct ArrayHeightStep {
    double ArrayHeight = 0.0;
    double P1EarHeight = 0.0;
    bool Moved = false;  // the height changed (the up/down's position follows)
    friend bool operator==(const ArrayHeightStep&, const ArrayHeightStep&) = default;
};

// The plane-1 ear height of a ground-stacked array: the stage height while it
// lies below the seated (standing) ear height, else that ear height.
double StackedEarHeight(double stageHeight, bool seated);

// One step of the array height: `direction` > 0 raises it by `step`, always;
// < 0 lowers it only while the array's lowest point (`lowestHeight`, from
// the last drawing) lies above the ground when stacked, or above the plane-1
// ear height when flown, and never below 0.  When stacked the plane-1 ear height follows the
// stage height; when flown it stays.
ArrayHeightStep StepArrayHeight(double arrayHeight, double step, int direction, int rigMode,
                                double lowestHeight, double p1EarHeight, bool seated);

}  // namespace rules
