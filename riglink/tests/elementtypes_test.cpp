// The element-type table against the figures and the statements of its
// description: derived columns, groupings and geometry, so that a mistyped
// figure in any of its tables shows.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "riglink/rigmodel.h"
#include "riglink/tests/rigtest_util.h"

using riglink::RigModel;
using riglink::TMechElement;
using rigtest::Near;

namespace {

RigModel Filled() {
  RigModel m;
  EXPECT_EQ(m.Init(), 1);
  return m;
}

bool SamePoint(const TMechPoint& a, const TMechPoint& b) { return a.x == b.x && a.y == b.y; }

const std::set<int> kCabinets = {0, 1, 4, 5, 6, 16, 30, 31, 32, 33, 34};
const std::set<int> kTransitions = {10, 15, 23, 24};
const std::set<int> kLiftBars = {11, 12, 13, 14, 19, 20, 21, 22};

}  // namespace

TEST(ElementTypes, EmptyUntilInitAndStableAfter) {
  RigModel m;
  EXPECT_EQ(m.ElementTypes[0].Mass, 0.0);
  RigModel a = Filled();
  RigModel b = Filled();
  ASSERT_EQ(b.Init(), 1);
  for (int c = 0; c < riglink::kTypeCount; ++c) {
    const TMechElement& x = a.ElementTypes[c];
    const TMechElement& y = b.ElementTypes[c];
    for (int p = 1; p <= 5; ++p) EXPECT_TRUE(SamePoint(x.Pt(p), y.Pt(p))) << c;
    EXPECT_EQ(x.Mass, y.Mass) << c;
    EXPECT_EQ(x.LeverLength, y.LeverLength) << c;
    EXPECT_EQ(x.FrontStrength, y.FrontStrength) << c;
  }
}

TEST(ElementTypes, LeverLengthColumn) {
  // The column as printed; the library derives it from the points.
  const double lever[35] = {0.7048, 0.7048, 0.944,  0.944,  0.515,  0.755,  0.755,
                            0.65,   0.65,   0.65,   0.62,   0.8932, 0.8932, 0.8932,
                            0.8932, 0.705,  -0.37,  0.4755, 0.4755, 0.6732, 0.6732,
                            0.673,  0.673,  0.5011, 0.759,  0.65,   0.65,   0.65,
                            0.65,   0.65,   0.7048, -0.363, -0.555, -0.555, 0.4863};
  RigModel m = Filled();
  for (int c = 0; c < 35; ++c) EXPECT_NEAR(m.ElementTypes[c].LeverLength, lever[c], 1e-12) << c;
}

TEST(ElementTypes, MassesHoleCountsAndFlags) {
  RigModel m = Filled();
  double total = 0.0;
  for (const TMechElement& e : m.ElementTypes) total += e.Mass;
  EXPECT_DOUBLE_EQ(total, 1708.0);  // sum of the mass column
  EXPECT_EQ(m.ElementTypes[0].Mass, 127.0);
  EXPECT_EQ(m.ElementTypes[19].Mass, 7.5);
  EXPECT_EQ(m.ElementTypes[33].Mass, 87.0);
  for (int c = 0; c < 35; ++c) {
    const TMechElement& e = m.ElementTypes[c];
    const int holes = (c >= 11 && c <= 14) ? 23 : (c >= 19 && c <= 22) ? 18 : 0;
    EXPECT_EQ(e.HoleCount, holes) << c;
    const bool enforced = (c == 11 || c == 13 || c == 19 || c == 21);
    EXPECT_EQ(e.LiftBarFlag, enforced ? 1 : 2) << c;
    EXPECT_EQ(e.SpareInt, 2) << c;
    EXPECT_EQ(e.LinkGap, 0.0) << c;
    EXPECT_EQ(e.TypeCode, 0) << c;
    EXPECT_EQ(e.FrontSF, 0.0) << c;
    for (int p = 1; p <= 5; ++p) EXPECT_EQ(e.Pt(p).w, 1.0) << c;
  }
}

TEST(ElementTypes, StrengthsRatedInKilonewtons) {
  RigModel m = Filled();
  // Held at full precision, not as the rounded figures shown.
  EXPECT_EQ(m.ElementTypes[0].FrontStrength, 83.7 * 1000.0 / 9.8);
  EXPECT_NE(m.ElementTypes[0].FrontStrength, 8540.816);
  const struct {
    int code;
    double front, rear;
  } shown[] = {{0, 8540.816, 11938.776}, {1, 8540.816, 11938.776}, {4, 7938.776, 7704.082},
               {5, 8588.776, 9025},      {6, 8588.776, 9025},      {10, 8588.776, 9025},
               {15, 3969.388, 3852.041}, {16, 6122.449, 6122.449}, {23, 3969.388, 3852.041},
               {24, 3969.388, 3852.041}, {30, 8540.816, 11938.776}, {31, 6122.449, 6122.449},
               {32, 6122.449, 6122.449}, {33, 6122.449, 6122.449}, {34, 7938.776, 7704.082},
               {2, 17250, 17250},        {7, 8625, 8625},          {13, 8625, 8625},
               {17, 4312, 4312},         {21, 4312, 4312},         {27, 8625, 8625}};
  for (const auto& s : shown) {
    EXPECT_TRUE(Near(m.ElementTypes[s.code].FrontStrength, s.front, 3)) << s.code;
    EXPECT_TRUE(Near(m.ElementTypes[s.code].RearStrength, s.rear, 3)) << s.code;
  }
}

TEST(ElementTypes, AlternativeStrengthGroups) {
  RigModel m = Filled();
  const double s83_7 = 83.7 * 1000.0 / 9.8, s117 = 117.0 * 1000.0 / 9.8;
  const double s77_8 = 77.8 * 1000.0 / 9.8, s75_5 = 75.5 * 1000.0 / 9.8;
  const double s60 = 60.0 * 1000.0 / 9.8;
  for (int c = 0; c < 35; ++c) {
    const TMechElement& e = m.ElementTypes[c];
    double front = e.FrontStrength, rear = e.RearStrength;  // the default group
    if (c == 2 || c == 3) front = s83_7, rear = s117;
    if ((c >= 7 && c <= 10) || (c >= 25 && c <= 29)) front = s77_8, rear = s75_5;
    if (c == 17 || c == 18 || c == 23 || c == 24) front = s60, rear = s60;
    if (c == 15) front = 0.0, rear = 0.0;
    EXPECT_DOUBLE_EQ(e.AltFrontStrength, front) << c;
    EXPECT_DOUBLE_EQ(e.AltRearStrength, rear) << c;
  }
}

TEST(ElementTypes, HangPointsAndPointRoles) {
  RigModel m = Filled();
  const TMechPoint origin{0.0, 0.0, 1.0};
  // Cabinets and transitions hang at their origin.
  for (int c : kCabinets) {
    const TMechElement& e = m.ElementTypes[c];
    EXPECT_TRUE(SamePoint(e.Pt(e.HangPoint), origin)) << c;
  }
  for (int c : kTransitions) {
    const TMechElement& e = m.ElementTypes[c];
    EXPECT_TRUE(SamePoint(e.Pt(e.HangPoint), origin)) << c;
    EXPECT_EQ(e.HangPoint, c == 10 ? 1 : 2) << c;
    EXPECT_EQ(e.CarryPoint, 1) << c;
  }
  // Cabinets rigged at the front hang at point 1 and carry at point 4; the
  // Hoba is rigged at its rear.
  for (int c : kCabinets) {
    const TMechElement& e = m.ElementTypes[c];
    if (c == 5 || c == 6) {
      EXPECT_EQ(e.HangPoint, 2);
      EXPECT_EQ(e.CarryPoint, c == 5 ? 3 : 4);
      EXPECT_GT(e.Pt(1).x, 0.0) << "extends forwards";
    } else {
      EXPECT_EQ(e.HangPoint, 1) << c;
      EXPECT_EQ(e.CarryPoint, 4) << c;
      EXPECT_LT(e.Pt(3).y, e.Pt(2).y) << c << ": point 3 is the bottom rear";
    }
    // The centre of gravity lies inside the cabinet's outline, top to bottom.
    EXPECT_LT(e.Pt(5).y, 0.0) << c;
    EXPECT_GT(e.Pt(5).y, e.Pt(e.CarryPoint).y) << c;
  }
  // Grids and lift bars hang by pick point 2 and rate links 2 and 3.
  for (int c = 0; c < 35; ++c) {
    if (kCabinets.count(c) || kTransitions.count(c)) continue;
    const TMechElement& e = m.ElementTypes[c];
    EXPECT_EQ(e.HangPoint, 2) << c;
    EXPECT_EQ(e.FrontPoint, 2) << c;
    EXPECT_EQ(e.RearPoint, 3) << c;
    EXPECT_EQ(e.Pt(2).y, e.Pt(3).y) << c << ": pick points level";
    EXPECT_EQ(e.CarryPoint, (c == 9 || c == 27) ? 4 : 1) << c;
  }
}

TEST(ElementTypes, LiftBarGeometry) {
  RigModel m = Filled();
  for (int c : kLiftBars) {
    const TMechElement& e = m.ElementTypes[c];
    const bool mini = c >= 19;
    const double span = mini ? 0.475 : 0.65;
    EXPECT_TRUE(SamePoint(e.Pt(1), TMechPoint{0, 0, 1})) << c;
    EXPECT_NEAR(e.Pt(1).x - e.Pt(4).x, span, 1e-12) << c;
    const bool front = (c == 11 || c == 12 || c == 19 || c == 20);
    if (front) {
      EXPECT_NEAR(e.Pt(2).x, mini ? 0.1982 : 0.2432, 1e-12) << c;
    } else {
      EXPECT_LT(e.Pt(3).x, e.Pt(4).x) << c << ": overhangs behind point 4";
    }
    const double pitch = (e.Pt(2).x - e.Pt(3).x) / (e.HoleCount - 1);
    EXPECT_TRUE(Near(pitch, mini ? 0.0396 : 0.0406, 4)) << c;
  }
  // The bar's span matches the pick-point span of the grid it carries.
  EXPECT_NEAR(m.ElementTypes[7].Pt(2).x - m.ElementTypes[7].Pt(3).x, 0.65, 1e-12);
  EXPECT_NEAR(m.ElementTypes[17].Pt(2).x - m.ElementTypes[17].Pt(3).x, 0.4755, 1e-12);
}

TEST(ElementTypes, VariantsDifferOnlyWhereTheySay) {
  RigModel m = Filled();
  auto samePoints = [&](int a, int b, int except) {
    for (int p = 1; p <= 5; ++p)
      if (p != except) {
        EXPECT_TRUE(SamePoint(m.ElementTypes[a].Pt(p), m.ElementTypes[b].Pt(p)))
            << a << "/" << b << " point " << p;
      }
  };
  for (auto [a, b] : {std::pair{11, 12}, {13, 14}, {19, 20}, {21, 22}}) {
    samePoints(a, b, 0);
    EXPECT_EQ(m.ElementTypes[a].Mass, m.ElementTypes[b].Mass);
  }
  samePoints(32, 33, 3);
  EXPECT_FALSE(SamePoint(m.ElementTypes[32].Pt(3), m.ElementTypes[33].Pt(3)));
  // The two combination-grid variants: 25 against 28, 26 against 29.
  samePoints(25, 28, 4);
  samePoints(26, 29, 4);
  EXPECT_FALSE(SamePoint(m.ElementTypes[25].Pt(4), m.ElementTypes[28].Pt(4)));
  EXPECT_EQ(m.ElementTypes[26].Mass, m.ElementTypes[29].Mass);
  // Forward and rearward hang positions differ in point 1 and point 4 only.
  for (auto [a, b] : {std::pair{2, 3}, {7, 8}, {17, 18}}) {
    EXPECT_TRUE(SamePoint(m.ElementTypes[a].Pt(2), m.ElementTypes[b].Pt(2)));
    EXPECT_TRUE(SamePoint(m.ElementTypes[a].Pt(3), m.ElementTypes[b].Pt(3)));
    EXPECT_TRUE(SamePoint(m.ElementTypes[a].Pt(5), m.ElementTypes[b].Pt(5)));
    EXPECT_LT(m.ElementTypes[b].Pt(1).x, m.ElementTypes[a].Pt(1).x);
  }
}

TEST(ElementTypes, ColumnTotalsOfThePrintedTables) {
  RigModel m = Filled();
  // Totals over the 35 types of each point column (x, y), and of the two
  // strength columns as printed (three decimals each).
  const double pointTotals[5][2] = {{0.34645, -0.06672},   {-5.2457, 0.933},
                                    {-21.963, -2.71267},   {-12.39389, -4.99228},
                                    {-10.3127, -1.6433}};
  for (int p = 1; p <= 5; ++p) {
    double sx = 0.0, sy = 0.0;
    for (const TMechElement& e : m.ElementTypes) {
      sx += e.Pt(p).x;
      sy += e.Pt(p).y;
    }
    EXPECT_NEAR(sx, pointTotals[p - 1][0], 1e-9) << "point " << p;
    EXPECT_NEAR(sy, pointTotals[p - 1][1], 1e-9) << "point " << p;
  }
  double front = 0.0, rear = 0.0;
  for (const TMechElement& e : m.ElementTypes) {
    front += e.FrontStrength;
    rear += e.RearStrength;
  }
  EXPECT_NEAR(front, 267536.288, 35 * 0.0005);
  EXPECT_NEAR(rear, 278217.411, 35 * 0.0005);
}
