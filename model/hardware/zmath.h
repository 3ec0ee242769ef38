#pragma once
// Single-precision angle helpers for the venue geometry and the dialogs.
// Intermediates are taken in long double (the x87 extended format on x86-64)
// and rounded to single only when the result is stored, so results match the
// single-precision figures the program has always produced.

namespace zmath {

// Angle of the point (X, Y) in radians.  Y = 0 with X < 0 gives -pi (not +pi);
// Y = 0 with X >= 0 gives 0; X = 0 gives +-pi/2 by the sign of Y.
float ArcTan2(float Y, float X);
// ArcTan2 of two doubles that single precision may not hold: they are scaled
// first, since the angle depends only on their ratio (1e300 / 1e300 is 45
// degrees, not the angle of two infinities).
float ArcTan2OfDoubles(double Y, double X);

// sin X / cos X in extended precision, rounded to single.  No guard for
// cos X = 0: the caller gets whatever the quotient is.
float Tan(float X);

// Seeds the C library's pseudo-random generator (std::rand) from the time of
// day.  Runs once by itself at program start; callable again.
void Randomize();

}  // namespace zmath
