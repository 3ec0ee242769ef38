#include "app/rules/ear_height.h"

#include "app/rules/array_type.h"

namespace rules {

namespace {

// Strictly between the bounds, written out: 1.35 itself lies a rounding
// error inside 0.05 of 1.4.
bool Between(double height, double low, double high) { return height > low && height < high; }

}  // namespace

EarChoice EarHeightChoice(double height) {
    if (Between(height, 1.35, 1.45)) return EarChoice::Seated;
    if (Between(height, 1.75, 1.85)) return EarChoice::Standing;
    return EarChoice::Custom;
}

double SeatedOrStanding(bool seated) { return seated ? kSeatedEarHeight : kStandingEarHeight; }

double StackedEarHeight(double stageHeight, double chosen) {
    return stageHeight <= chosen ? stageHeight : chosen;
}

double Plane1EarHeight(int rigMode, double stageHeight, double chosen) {
    return rigMode == kGroundStacked ? StackedEarHeight(stageHeight, chosen) : chosen;
}

}  // namespace rules
