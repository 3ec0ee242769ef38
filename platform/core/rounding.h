#pragma once
// Rounding and truncation to 32-bit integers.  Halves go to the even
// neighbour; NaN, infinities and values outside the 32-bit range raise the
// range error instead of being undefined.

#include <cstdint>

namespace rtl {

int32_t Round(double x);
int64_t Round64(double x);
int32_t Trunc(double x);

}  // namespace rtl
