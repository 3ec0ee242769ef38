#include "app/rules/venue_steps.h"

#include <algorithm>
#include <cmath>

namespace rules {

double StepTolerance(double step) { return std::fabs(step) * 1e-3; }

double CleanZero(double v, double step) { return std::fabs(v) < StepTolerance(step) ? 0.0 : v; }

bool BelowOneStep(double value, double step) { return value < step - StepTolerance(step); }

double StepValue(double value, double step, int direction, StepFloor floor) {
    double v = direction > 0 ? value + step : value - step;
    switch (floor) {
    case StepFloor::None: break;
    case StepFloor::ZeroBelowZero:
        if (v < 0.0) v = 0.0;
        break;
    case StepFloor::ZeroBelowOneStep:
        if (BelowOneStep(v, step)) v = 0.0;
        break;
    }
    return CleanZero(v, step);
}

int TrimSearchStepLimit(double startHeight, double minTrimHeight, double step) {
    if (!std::isfinite(startHeight) || !std::isfinite(minTrimHeight) || !(step > 0.0)) return 0;
    const double span = (startHeight - minTrimHeight) / step;
    if (!(span < kMaxTrimSearchSteps)) return kMaxTrimSearchSteps;
    // One step past the minimum, and one for the rounding of the span.
    return std::clamp(static_cast<int>(std::ceil(span)) + 2, 1, kMaxTrimSearchSteps);
}

}  // namespace rules
