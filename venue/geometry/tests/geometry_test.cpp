#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "venue/geometry/geometry.h"

using namespace geo;

namespace {
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

Point2D Cross(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4) {
    Point2D n{-99.0, -99.0};
    IntersectionPoint(x1, y1, x2, y2, x3, y3, x4, y4, n.x, n.y);
    return n;
}
}  // namespace

TEST(Comparison, DefaultToleranceIsOneTrillionth) {
    EXPECT_TRUE(IsEqual(1.0, 1.0 + 1e-13));
    EXPECT_FALSE(NotEqual(1.0, 1.0 + 1e-13));
    EXPECT_FALSE(IsEqual(1.0, 1.0 + 1e-11));
    EXPECT_TRUE(NotEqual(1.0, 1.0 + 1e-11));
    EXPECT_TRUE(NotEqual(0.0, -2e-12));
    EXPECT_FALSE(NotEqual(0.0, -5e-13));
}

TEST(Comparison, ToleranceComesFirstAndBoundsAreInclusive) {
    EXPECT_TRUE(IsEqual(0.5, 1.0, 1.5));
    EXPECT_TRUE(IsEqual(0.5, 1.5, 1.0));
    EXPECT_FALSE(NotEqual(0.5, 1.0, 1.5));
    EXPECT_FALSE(IsEqual(0.5, 1.0, 1.5000001));
    EXPECT_TRUE(NotEqual(0.5, 1.5000001, 1.0));
    // 5.0 against 5.02 with tolerance 0.01 differ; read the other way round
    // (0.01 against 5.0 within 5.02) they would not.
    EXPECT_FALSE(IsEqual(0.01, 5.0, 5.02));
    EXPECT_TRUE(NotEqual(0.01, 5.0, 5.02));
}

TEST(Comparison, NaNIsNeitherEqualNorUnequal) {
    EXPECT_FALSE(IsEqual(kNaN, 1.0));
    EXPECT_FALSE(NotEqual(kNaN, 1.0));
    EXPECT_FALSE(IsEqual(1.0, 1.0, kNaN));
    EXPECT_FALSE(NotEqual(1.0, 1.0, kNaN));
    EXPECT_FALSE(IsEqual(kNaN, 1.0, 1.0));
    EXPECT_FALSE(NotEqual(kNaN, 1.0, 1.0));
    // inf - inf is NaN.
    EXPECT_FALSE(IsEqual(kInf, kInf));
    EXPECT_FALSE(NotEqual(kInf, kInf));
    EXPECT_TRUE(NotEqual(1.0, kInf));
    EXPECT_TRUE(NotEqual(1.0, -kInf));
}

TEST(Intersection, CrossingLines) {
    Point2D n = Cross(0, 0, 2, 0, 1, -1, 1, 1);
    EXPECT_DOUBLE_EQ(n.x, 1.0);
    EXPECT_DOUBLE_EQ(n.y, 0.0);
    // y = x against y = 3 - x: they meet at (1.5, 1.5), beyond both segments.
    n = Cross(0, 0, 1, 1, 3, 0, 4, -1);
    EXPECT_DOUBLE_EQ(n.x, 1.5);
    EXPECT_DOUBLE_EQ(n.y, 1.5);
    // y = 0 against y = 1 + x / 2, behind the start of both: (-2, 0).
    n = Cross(0, 0, 1, 0, 0, 1, 1, 1.5);
    EXPECT_DOUBLE_EQ(n.x, -2.0);
    EXPECT_DOUBLE_EQ(n.y, 0.0);
    // A ray from an array at 10 m down at -30 degrees onto the floor y = 1.4:
    // x = 8.6 / tan 30 = 14.895636945092346.
    n = Cross(0, 10, std::cos(-std::numbers::pi / 6), 10 + std::sin(-std::numbers::pi / 6), 0, 1.4, 30, 1.4);
    EXPECT_NEAR(n.x, 14.895636945092346, 1e-12);
    EXPECT_NEAR(n.y, 1.4, 1e-12);
}

TEST(Intersection, PointFormMatchesRealForm) {
    Point2D n = IntersectionPoint(Point2D{0, 0}, Point2D{1, 1}, Point2D{3, 0}, Point2D{4, -1});
    EXPECT_DOUBLE_EQ(n.x, 1.5);
    EXPECT_DOUBLE_EQ(n.y, 1.5);
    n = IntersectionPoint(Point2D{0, 0}, Point2D{1, 1}, Point2D{0, 1}, Point2D{1, 2});
    EXPECT_EQ(n.x, 1.0);
    EXPECT_EQ(n.y, 2.0);
}

// Parallels (within the absolute tolerance on the determinant) and point
// segments: coinciding lines give the third point, distinct ones the fourth.
TEST(Intersection, ParallelAndZeroLengthSegments) {
    const struct {
        const char* what;
        double v[8];
        double x, y;
    } cases[] = {
        {"coinciding", {0, 0, 1, 1, 2, 2, 3, 3}, 2.0, 2.0},
        {"distinct parallels", {0, 0, 1, 1, 0, 1, 1, 2}, 1.0, 2.0},
        {"horizontals 1e-13 apart coincide", {0, 0, 5, 0, 7, 1e-13, 9, 1e-13}, 7.0, 1e-13},
        // 45 degrees apart, but the determinant 1e-13 is below the tolerance.
        {"determinant 1e-13", {0, 0, 1e-7, 0, 0, 1, 1e-6, 1 + 1e-6}, 1e-6, 1 + 1e-6},
        {"determinant 1e-7 crosses", {0, 0, 1e-7, 0, 0, 1, 0, 2}, 0.0, 0.0},
        {"first a point", {5, 5, 5, 5, 0, 0, 1, 0}, 0.0, 0.0},
        {"second a point on the line", {0, 0, 2, 2, 1, 1, 1, 1}, 1.0, 1.0},
        {"second a point off the line", {0, 0, 2, 2, 1, 0, 1, 0}, 1.0, 0.0},
        {"both points", {3, 4, 3, 4, 6, 8, 6, 8}, 6.0, 8.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const double* v = c.v;
        const Point2D n = Cross(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
        EXPECT_EQ(n.x, c.x);
        EXPECT_EQ(n.y, c.y);
    }
}

TEST(Intersection, NonFiniteInputGivesNoPoint) {
    const double bad[] = {kNaN, kInf, -kInf};
    for (double b : bad) {
        for (int slot = 0; slot < 8; ++slot) {
            double v[8] = {0, 0, 2, 0, 1, -1, 1, 1};
            v[slot] = b;
            Point2D n = Cross(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
            EXPECT_TRUE(std::isnan(n.x) && std::isnan(n.y)) << "slot " << slot << " value " << b;
        }
    }
    Point2D n = IntersectionPoint(Point2D{kNaN, 0}, Point2D{1, 1}, Point2D{0, 1}, Point2D{1, 2});
    EXPECT_TRUE(std::isnan(n.x) && std::isnan(n.y));
}

// Bounds belong to the upper quadrant; outside the circle is 0.
TEST(QuadrantOfAngle, Table) {
    const struct {
        double angle;
        int quadrant;
    } cases[] = {{0.0, 1},         {-0.0, 1},     {89.999999, 1}, {90.0, 2},  {179.5, 2},
                 {180.0, 3},       {269.9, 3},    {270.0, 4},     {359.999999, 4},
                 {360.0, 1},       {-0.5, 0},     {-1e-300, 0},   {360.00000001, 0},
                 {400.0, 0},       {kNaN, 0},     {kInf, 0},      {-kInf, 0}};
    for (const auto& c : cases) EXPECT_EQ(Quadrant(c.angle), c.quadrant) << c.angle;
}

// Axis directions are exact; an angle outside the circle stays put.
TEST(Projection, ExactCases) {
    const struct {
        Point2D from;
        double angle, distance;
        Point2D to;
    } cases[] = {
        {{0, 0}, 90.0, 2.0, {0, 2}},  {{1, 1}, 0.0, 3.0, {4, 1}},   {{0, 0}, 180.0, 1.0, {-1, 0}},
        {{0, 0}, 270.0, 1.0, {0, -1}}, {{0, 0}, 400.0, 2.0, {0, 0}}, {{5, 6}, -10.0, 2.0, {5, 6}},
        {{5, 6}, kNaN, 2.0, {5, 6}},
    };
    for (const auto& c : cases) {
        const Point2D p = ProjectPoint(c.from, c.angle, c.distance);
        EXPECT_EQ(p.x, c.to.x) << c.angle;
        EXPECT_EQ(p.y, c.to.y) << c.angle;
    }
    const Point2D p = ProjectPoint(Point2D{2, 3}, 360.0, 1.0);
    EXPECT_NEAR(p.x, 3.0, 1e-15);
    EXPECT_NEAR(p.y, 3.0, 1e-15);
}

TEST(Projection, EachQuadrantAnticlockwiseFromX) {
    const double r3 = std::sqrt(3.0);
    const struct {
        double x0, y0, angle, distance, x, y;
    } cases[] = {{0, 0, 30.0, 2.0, r3, 1.0},
                 {10, 20, 135.0, std::sqrt(2.0), 9.0, 21.0},
                 {0, 0, 210.0, 2.0, -r3, -1.0},
                 {0, 0, 300.0, 2.0, 1.0, -r3}};
    double x = 0, y = 0;
    for (const auto& c : cases) {
        ProjectPoint(c.x0, c.y0, c.angle, c.distance, x, y);
        EXPECT_NEAR(x, c.x, 1e-14) << c.angle;
        EXPECT_NEAR(y, c.y, 1e-14) << c.angle;
    }
    // A negative distance walks the other way.
    ProjectPoint(0, 0, 0.0, -2.0, x, y);
    EXPECT_EQ(x, -2.0);
    EXPECT_EQ(y, 0.0);
}

TEST(Projection, NaNDistanceGivesNaN) {
    Point2D p = ProjectPoint(Point2D{1, 1}, 45.0, kNaN);
    EXPECT_TRUE(std::isnan(p.x));
    EXPECT_TRUE(std::isnan(p.y));
}
