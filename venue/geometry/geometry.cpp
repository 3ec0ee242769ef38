#include "venue/geometry/geometry.h"

#include <cmath>
#include <stdexcept>

namespace geo {

bool IsEqual(double epsilon, double a, double b) {
    const double diff = b - a;
    const bool twoSided = (-epsilon <= diff) && (diff <= epsilon);
    // Worked out a second way as a guard against a broken build of the
    // comparison (for example fast-math reordering); for numbers both agree.
    const bool absolute = std::fabs(diff) <= epsilon;
    if (twoSided != absolute) throw std::logic_error("Error - Illogical error in equality check. (IsEqual)");
    return twoSided;
}

bool IsEqual(double a, double b) { return IsEqual(kEpsilon, a, b); }

bool NotEqual(double epsilon, double a, double b) {
    const double diff = b - a;
    const bool twoSided = (diff < -epsilon) || (diff > epsilon);
    const bool absolute = std::fabs(diff) > epsilon;
    if (twoSided != absolute) throw std::logic_error("Error - Illogical error in equality check. (NotEqual)");
    return twoSided;
}

bool NotEqual(double a, double b) { return NotEqual(kEpsilon, a, b); }

void IntersectionPoint(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                       double y4, double& nx, double& ny) {
    // A NaN determinant fails both NotEqual and IsEqual, which would fall
    // through to "distinct parallels" and hand back (x4, y4) as if it were a
    // crossing.  Say plainly that there is no point instead.
    for (double v : {x1, y1, x2, y2, x3, y3, x4, y4}) {
        if (!std::isfinite(v)) {
            nx = ny = std::nan("");
            return;
        }
    }
    const double d = (x2 - x1) * (y4 - y3) - (y2 - y1) * (x4 - x3);
    if (NotEqual(0.0, d)) {
        const double r = ((y1 - y3) * (x4 - x3) - (x1 - x3) * (y4 - y3)) / d;
        nx = x1 + r * (x2 - x1);
        ny = y1 + r * (y2 - y1);
    } else if (IsEqual(-(y1 - y3) * (x2 - x1), -(x1 - x3) * (y2 - y1))) {
        nx = x3;
        ny = y3;
    } else {
        nx = x4;
        ny = y4;
    }
}

Point2D IntersectionPoint(const Point2D& p1, const Point2D& p2, const Point2D& p3,
                          const Point2D& p4) {
    Point2D n;
    IntersectionPoint(p1.x, p1.y, p2.x, p2.y, p3.x, p3.y, p4.x, p4.y, n.x, n.y);
    return n;
}

int Quadrant(double angle) {
    if (angle >= 0.0 && angle < 90.0) return 1;
    if (angle >= 90.0 && angle < 180.0) return 2;
    if (angle >= 180.0 && angle < 270.0) return 3;
    if (angle >= 270.0 && angle < 360.0) return 4;
    if (angle == 360.0) return 1;
    return 0;
}

void ProjectPoint(double sx, double sy, double angle, double distance, double& nx, double& ny) {
    double dx = 0.0;
    double dy = 0.0;
    switch (Quadrant(angle)) {
        case 1:
            dx = distance * std::cos(angle * kDegToRad);
            dy = distance * std::sin(angle * kDegToRad);
            break;
        case 2:
            dx = -distance * std::sin((angle - 90.0) * kDegToRad);
            dy = distance * std::cos((angle - 90.0) * kDegToRad);
            break;
        case 3:
            dx = -distance * std::cos((angle - 180.0) * kDegToRad);
            dy = -distance * std::sin((angle - 180.0) * kDegToRad);
            break;
        case 4:
            dx = distance * std::sin((angle - 270.0) * kDegToRad);
            dy = -distance * std::cos((angle - 270.0) * kDegToRad);
            break;
        default:
            break;
    }
    nx = sx + dx;
    ny = sy + dy;
}

Point2D ProjectPoint(const Point2D& start, double angle, double distance) {
    Point2D n;
    ProjectPoint(start.x, start.y, angle, distance, n.x, n.y);
    return n;
}

}  // namespace geo
