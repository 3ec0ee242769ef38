#include "app/rules/array_height.h"

#include <algorithm>
#include <cmath>

#include "app/rules/array_type.h"
#include "app/rules/venue_steps.h"

namespace rules {

ArrayHeightStep StepArrayHeight(double arrayHeight, double step, int direction, int rigMode,
                                double lowestHeight, double p1EarHeight, bool seated) {
    ArrayHeightStep r{arrayHeight, p1EarHeight, false};
    const bool stacked = rigMode == kGroundStacked;
    if (direction > 0) {
        r.ArrayHeight = CleanZero(arrayHeight + step, step);
        r.Moved = true;
    } else if (direction < 0) {
        const double floor = stacked ? 0.0 : p1EarHeight;
        if (lowestHeight > floor + StepTolerance(step)) {
            // Never below the ground: the up/down beside the edit counts
            // from 0 too.
            r.ArrayHeight = CleanZero(std::max(0.0, arrayHeight - step), step);
            r.Moved = r.ArrayHeight != arrayHeight;
        }
    }
    if (stacked) r.P1EarHeight = StackedEarHeight(r.ArrayHeight, SeatedOrStanding(seated));
    return r;
}

}  // namespace rules
