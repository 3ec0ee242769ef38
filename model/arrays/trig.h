#pragma once
// Degree trigonometry of the array geometry, in long double with a long
// double pi.

#include <cmath>

inline constexpr long double kPiL = 3.141592653589793238462643383279502884L;

inline long double Rad(long double Degrees) { return Degrees * kPiL / 180.0L; }
inline long double CosDeg(long double Degrees) { return std::cos(Rad(Degrees)); }
inline long double SinDeg(long double Degrees) { return std::sin(Rad(Degrees)); }
