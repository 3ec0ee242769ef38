#include "platform/core/rounding.h"

#include <cmath>

#include "platform/core/errors.h"

namespace rtl {

namespace {
// nearbyint honours the current rounding mode; we want ties-to-even whatever
// a library left behind, so round explicitly.
double RoundHalfEven(double x) {
    double r = std::round(x);  // halves away from zero
    if (std::fabs(x - std::trunc(x)) == 0.5) {
        r = 2.0 * std::round(x / 2.0);
    }
    return r;
}
}  // namespace

int32_t Round(double x) {
    if (!std::isfinite(x)) throw RangeError();
    double r = RoundHalfEven(x);
    if (r < -2147483648.0 || r > 2147483647.0) throw RangeError();
    return static_cast<int32_t>(r);
}

int64_t Round64(double x) {
    if (!std::isfinite(x)) throw RangeError();
    double r = RoundHalfEven(x);
    if (r < -9223372036854775808.0 || r >= 9223372036854775808.0) throw RangeError();
    return static_cast<int64_t>(r);
}

int32_t Trunc(double x) {
    if (!std::isfinite(x)) throw RangeError();
    double r = std::trunc(x);
    if (r < -2147483648.0 || r > 2147483647.0) throw RangeError();
    return static_cast<int32_t>(r);
}

}  // namespace rtl
