#include "app/rules/array_height.h"

#include <algorithm>

#include "app/rules/array_type.h"

namespace rules {

double StackedEarHeight(double stageHeight, bool seated) {
    const double ear = seated ? kSeatedEarHeight : kStandingEarHeight;
    return stageHeight <= ear ? stageHeight : ear;
}

ArrayHeightStep StepArrayHeight(double arrayHeight, double step, int direction, int rigMode,
                                double lowestHeight, double p1EarHeight, bool seated) {
    ArrayHeightStep r{arrayHeight, p1EarHeight, false};
    const bool stacked = rigMode == kGroundStacked;
    if (direction > 0) {
        r.ArrayHeight = arrayHeight + step;
        r.Moved = true;
    } else if (direction < 0) {
        const double floor = stacked ? 0.0 : p1EarHeight;
        if (lowestHeight > floor) {
            // Never below the ground: the up/down beside the edit counts
            // from 0 too.
            r.ArrayHeight = std::max(0.0, arrayHeight - step);
            r.Moved = true;
        }
    }
    if (stacked) r.P1EarHeight = StackedEarHeight(r.ArrayHeight, seated);
    return r;
}

}  // namespace rules
