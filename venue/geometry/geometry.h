#pragma once
// Plane geometry used when the aiming rays of the cabinets are traced onto the
// audience planes: where two lines meet, where a ray of given angle and
// length ends, and tolerant comparison of reals.  Plain values, no state.
//
// Angles are degrees, counted anticlockwise from the positive x axis.

namespace geo {

struct Point2D {
    double x = 0.0;
    double y = 0.0;
};

// Tolerance of the two-argument comparisons.
inline constexpr double kEpsilon = 1.0e-12;
// Degrees to radians (pi / 180).
inline constexpr double kDegToRad = 0.017453292519943295;

// True when -epsilon <= b - a <= epsilon.  False whenever a NaN takes part
// (also for two equal infinities, whose difference is NaN).
bool IsEqual(double epsilon, double a, double b);
bool IsEqual(double a, double b);

// True when b - a < -epsilon or b - a > epsilon.  Also false whenever a NaN
// takes part: for NaN neither IsEqual nor NotEqual holds.
bool NotEqual(double epsilon, double a, double b);
bool NotEqual(double a, double b);

// The point where the unbounded line through (x1, y1), (x2, y2) meets the
// unbounded line through (x3, y3), (x4, y4); it may lie outside both
// segments.  Lines whose determinant is zero within kEpsilon count as
// parallel: for coinciding lines the answer is (x3, y3), for distinct
// parallels (x4, y4).  A zero-length first segment is taken as parallel to
// anything; a zero-length second segment gives (x3, y3) when that point lies on
// the first line and (x4, y4) (the same point) otherwise.
// When any coordinate is NaN or infinite the answer is (NaN, NaN): no point
// is invented from input that holds no line.
void IntersectionPoint(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                       double y4, double& nx, double& ny);
Point2D IntersectionPoint(const Point2D& p1, const Point2D& p2, const Point2D& p3,
                          const Point2D& p4);

// 1 for [0, 90), 2 for [90, 180), 3 for [180, 270), 4 for [270, 360), 1 for
// exactly 360, and 0 for anything else (negative, above 360, NaN).
int Quadrant(double angle);

// The point reached from (sx, sy) along the direction `angle` (degrees) over
// `distance`.  An angle outside 0..360 (or NaN) leaves the point where it is.
// A NaN or infinite distance gives NaN or infinite coordinates.
void ProjectPoint(double sx, double sy, double angle, double distance, double& nx, double& ny);
Point2D ProjectPoint(const Point2D& start, double angle, double distance);

}  // namespace geo
