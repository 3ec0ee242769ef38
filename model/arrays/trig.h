#pragma once
// Degree trigonometry of the array geometry, in long double with a long
// double pi.
//
// Angles are reduced in degrees first (an exact step for the angles an array
// has), so the library routines only ever see arguments within +-45 degrees:
// that is both the accurate range and the fast one (larger arguments take
// the C library's slow multi-precision reduction).

#include <cmath>

inline constexpr long double kPiL = 3.141592653589793238462643383279502884L;

inline long double Rad(long double Degrees) { return Degrees * kPiL / 180.0L; }

namespace trig_detail {
// Degrees = Rest + 90 * Quadrant, Rest within +-45, Quadrant in 0..3
// (-1: left unreduced).
struct Reduced {
    long double Rest;
    int Quadrant;
};
inline Reduced ReduceDegrees(long double Degrees) {
    // Beyond this the quarter turns no longer fit an integer; such angles
    // never come from an array, and the library handles them as they are.
    // The two cases every array meets (a tilt, and 90 degrees less a tilt)
    // need no rounding; the results are those of the general step below.
    if (std::fabs(Degrees) <= 45.0L) return {Degrees, 0};
    if (std::fabs(Degrees - 90.0L) <= 45.0L) return {Degrees - 90.0L, 1};
    if (!(std::fabs(Degrees) < 1.0e15L)) return {Degrees, -1};
    const long long k = std::llround(Degrees / 90.0L);
    return {Degrees - static_cast<long double>(k) * 90.0L, static_cast<int>(k & 3)};
}
}  // namespace trig_detail

inline long double SinDeg(long double Degrees) {
    const auto r = trig_detail::ReduceDegrees(Degrees);
    const long double x = Rad(r.Rest);
    switch (r.Quadrant) {
        case -1: return std::sin(x);
        case 0: return std::sin(x);
        case 1: return std::cos(x);
        case 2: return -std::sin(x);
        default: return -std::cos(x);
    }
}

inline long double CosDeg(long double Degrees) {
    const auto r = trig_detail::ReduceDegrees(Degrees);
    const long double x = Rad(r.Rest);
    switch (r.Quadrant) {
        case -1: return std::cos(x);
        case 0: return std::cos(x);
        case 1: return -std::sin(x);
        case 2: return -std::cos(x);
        default: return std::sin(x);
    }
}

inline long double TanDeg(long double Degrees) {
    const auto r = trig_detail::ReduceDegrees(Degrees);
    const long double t = std::tan(Rad(r.Rest));
    return (r.Quadrant == 1 || r.Quadrant == 3) ? -1.0L / t : t;
}
