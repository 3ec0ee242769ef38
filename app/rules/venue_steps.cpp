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

std::optional<double> SearchTrimHeight(double startHeight, double minTrimHeight,
                                       double maxPickHeight, double step,
                                       const std::function<TrimPoint(double)>& hang) {
    const int down = TrimSearchStepLimit(startHeight, minTrimHeight, step);
    if (down == 0 || !std::isfinite(maxPickHeight)) return std::nullopt;
    // The heights are start + k steps: no drift from adding steps up.
    int k = 0;
    const auto at = [&] { return startHeight + k * step; };
    TrimPoint p = hang(at());
    while (!(p.Lowest < minTrimHeight)) {
        if (-k >= down || !std::isfinite(p.Lowest)) return std::nullopt;
        --k;
        p = hang(at());
    }
    for (int up = 0; !(p.Lowest >= minTrimHeight); ++up) {
        if (p.Pick > maxPickHeight || up >= kMaxTrimSearchSteps || !std::isfinite(p.Lowest))
            return std::nullopt;
        ++k;
        p = hang(at());
    }
    if (p.Pick > maxPickHeight) return std::nullopt;
    return at();
}

}  // namespace rules
