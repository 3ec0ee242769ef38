// Worked figures of the solution and the queries, on fresh model instances.
#include <gtest/gtest.h>

#include <cmath>

#include "riglink/rigmodel.h"
#include "riglink/tests/rigtest_util.h"

using riglink::RigModel;
using rigtest::ExpectQuoted;
using rigtest::Near;
using rigtest::Solved;
using rigtest::Stored;

namespace {

std::vector<TMechElemSpec> GridAndThreeDovi() {
  return rigtest::List({{17, 0.0}, {16, 0.0}, {16, -3.0}, {16, -5.0}});
}

std::vector<TMechElemSpec> GridAndTwelveBexa() {
  std::vector<TMechElemSpec> l = rigtest::List({{7, 0.0}});
  for (int i = 0; i < 12; ++i) l.push_back(rigtest::List({{4, -10.0}})[0]);
  return l;
}

}  // namespace

TEST(RigSolution, OneArvoCabinet) {
  RigModel m = Solved(rigtest::List({{0, 0.0}}), 0.0);
  EXPECT_DOUBLE_EQ(m.ArrayMass, 127.0);
  ExpectQuoted({{m.ZCOG.x, -0.352}, {m.ZCOG.y, -0.25}, {m.COG.x, -0.352}, {m.COG.y, -0.25}}, 6);
  EXPECT_EQ(m.COG.w, 1.0);

  const riglink::LinkForces f = m.ExamineForce(1);
  ExpectQuoted({{f.F, 63.428}, {f.FrontForce, 38.143}, {f.RearForce, 38.057},
                {m.Elem(1).FrontSF, 223.914}, {m.Elem(1).RearSF, 313.710}}, 3);
  EXPECT_EQ(m.WeakElements[0], 1);
  EXPECT_EQ(m.WeakElements[1], 1);

  const TMechPair pick = m.PickLoad();
  ExpectQuoted({{pick.Front, 63.572}, {pick.Rear, 63.428}}, 3);
  EXPECT_EQ(m.LiftBarBestHole(), -1);
  EXPECT_EQ(m.SafetyLevel(), MECH_LEVEL_SAFE);
}

TEST(RigSolution, GridAndThreeBexaResults) {
  RigModel m = Solved(rigtest::GridAndThreeBexa(), -2.0);
  EXPECT_DOUBLE_EQ(m.ArrayMass, 219.0);
  ExpectQuoted({{m.ZCOG.x, -0.29283}, {m.ZCOG.y, -0.43444}, {m.COG.x, -0.30782}, {m.COG.y, -0.42396}},
               5);

  const double sf[4][2] = {{91.33, 233.36}, {160.03, 140.60}, {248.49, 204.00}, {482.69, 411.03}};
  for (int i = 1; i <= 4; ++i) {
    EXPECT_TRUE(Near(m.SafetyFactor(i).Front, sf[i - 1][0], 2)) << "element " << i;
    EXPECT_TRUE(Near(m.SafetyFactor(i).Rear, sf[i - 1][1], 2)) << "element " << i;
  }
  EXPECT_EQ(m.WeakElements[0], 1);
  EXPECT_EQ(m.WeakElements[1], 2);

  const TMechPair pick = m.PickLoad();
  ExpectQuoted({{pick.Front, 151.829}, {pick.Rear, 67.171}}, 3);
}

TEST(RigSolution, SafetyFactorsDependOnCallOrder) {
  RigModel m = Solved(rigtest::GridAndThreeBexa(), -2.0);
  // Right after the solution: taken before the final rotation.
  ExpectQuoted({{m.SafetyFactor(1).Front, 91.33}, {m.SafetyFactor(1).Rear, 233.36}}, 2);
  EXPECT_EQ(m.SafetyLevel(), MECH_LEVEL_SAFE);
  // The level recomputed them in the finally rotated column.
  ExpectQuoted({{m.SafetyFactor(1).Front, 94.65}, {m.SafetyFactor(1).Rear, 214.14}}, 2);
  EXPECT_EQ(m.WeakElements[0], 1);
  EXPECT_EQ(m.WeakElements[1], 2);
}

TEST(RigSolution, DoviCabinetsPullTheirRearLinksNegative) {
  RigModel m = Stored(GridAndThreeDovi(), -2.0);
  m.PositionElements();
  const riglink::LinkForces f = m.ExamineForce(2);
  ExpectQuoted({{f.F, -40.855}, {f.FrontForce, 76.713}, {f.RearForce, -24.513}, {f.FrontSF, 79.810},
                {f.RearSF, 249.765}}, 3);
  for (int i = 2; i <= 4; ++i) EXPECT_LT(m.ExamineForce(i).RearForce, 0.0) << "element " << i;

  // The solution stores the same factors for the first Dovi.
  RigModel s = Solved(GridAndThreeDovi(), -2.0);
  ExpectQuoted({{s.SafetyFactor(2).Front, 79.810}, {s.SafetyFactor(2).Rear, 249.765}}, 3);
}

TEST(RigSolution, TopElementAngleIsIgnored) {
  RigModel ref = Solved(rigtest::GridAndThreeBexa(), -2.0);
  for (double top : {37.0, -90.0, std::nan("")}) {
    auto list = rigtest::GridAndThreeBexa();
    list[0].Angle = top;
    RigModel m = Solved(list, -2.0);
    EXPECT_EQ(m.Elem(1).ElemAngle, 0.0);
    for (int i = 1; i <= 4; ++i) {
      EXPECT_EQ(m.Elem(i).RunningAngle, ref.Elem(i).RunningAngle);
      EXPECT_EQ(m.SafetyFactor(i).Front, ref.SafetyFactor(i).Front);
      EXPECT_EQ(m.SafetyFactor(i).Rear, ref.SafetyFactor(i).Rear);
    }
    EXPECT_EQ(m.COG.x, ref.COG.x);
    EXPECT_EQ(m.COG.y, ref.COG.y);
  }
}

TEST(RigSolution, LiftBarShiftsTheColumnBack) {
  RigModel m = Stored(rigtest::List({{13, 0.0}, {7, 0.0}}), 0.0);
  m.PositionElements();
  // The grid hangs by its pick point 0.11 m behind its origin.
  for (int p = 1; p <= riglink::kPointCount; ++p) {
    EXPECT_NEAR(m.Elem(1).Pt(p).x, m.ElementTypes[13].Pt(p).x - 0.11, 1e-12);
    EXPECT_NEAR(m.Elem(1).Pt(p).y, m.ElementTypes[13].Pt(p).y, 1e-12);
    EXPECT_NEAR(m.Elem(2).Pt(p).x, m.ElementTypes[7].Pt(p).x, 1e-12);
  }
  // The grid's hang point lands on the bar's carry point.
  EXPECT_NEAR(m.Elem(2).Pt(2).x, m.Elem(1).Pt(1).x, 1e-12);
  EXPECT_NEAR(m.Elem(2).Pt(2).y, m.Elem(1).Pt(1).y, 1e-12);
}

TEST(RigSolution, CabinetsHangAtTheCarryPointAbove) {
  RigModel m = Stored(rigtest::GridAndThreeBexa(), 0.0);
  m.PositionElements();
  for (int b = 2; b <= 4; ++b) {
    const auto& above = m.Elem(b - 1);
    EXPECT_NEAR(m.Elem(b).Pt(1).x, above.Pt(above.CarryPoint).x, 1e-12) << b;
    EXPECT_NEAR(m.Elem(b).Pt(1).y, above.Pt(above.CarryPoint).y, 1e-12) << b;
  }
  // Running angles: 0, 0, -3, -8; the last cabinet's top edge slopes by 8 degrees.
  const auto& last = m.Elem(4);
  const double slope = std::atan2(last.Pt(1).y - last.Pt(2).y, last.Pt(1).x - last.Pt(2).x);
  const double own = std::atan2(0.0296, 0.515);  // the edge's slope in the cabinet's own frame
  EXPECT_NEAR((slope - own) * 180.0 / M_PI, -8.0, 1e-9);
}

TEST(RigHoles, BarOverhangingBehind) {
  RigModel m = Solved(rigtest::BarGridAndThreeBexa(13), -2.0);
  ExpectQuoted({{m.LiftBarAngle(1), 19.487}, {m.LiftBarAngle(23), -51.438}}, 3);
  for (int j = 2; j <= 23; ++j) EXPECT_LT(m.LiftBarAngle(j), m.LiftBarAngle(j - 1)) << j;
  for (int j = 24; j <= 30; ++j) EXPECT_EQ(m.LiftBarAngle(j), 0.0) << j;
  EXPECT_EQ(m.LiftBarBestHole(), 6);
  ExpectQuoted({{m.LiftBarAngle(6), -0.667}, {std::fabs(m.LiftBarAngle(6) - m.TargetAngle), 1.333}}, 3);
  EXPECT_EQ(m.SafetyLevel(), MECH_LEVEL_SAFE);
}

TEST(RigHoles, BarOverhangingInFront) {
  RigModel m = Solved(rigtest::BarGridAndThreeBexa(11), -2.0);
  ExpectQuoted({{m.LiftBarAngle(1), -40.005}, {m.LiftBarAngle(23), 37.562}}, 3);
  for (int j = 2; j <= 23; ++j) EXPECT_GT(m.LiftBarAngle(j), m.LiftBarAngle(j - 1)) << j;
  EXPECT_EQ(m.LiftBarBestHole(), 12);
  EXPECT_TRUE(Near(m.LiftBarAngle(12), -2.010, 3));
}

TEST(RigHoles, FreeBarsPublishNothing) {
  for (int bar : {12, 14}) {
    RigModel m = Solved(rigtest::BarGridAndThreeBexa(bar), -2.0);
    for (int j = 1; j <= 30; ++j) EXPECT_EQ(m.LiftBarAngle(j), 0.0) << bar << " hole " << j;
  }
  // Angles left by an earlier published solution are cleared too.
  RigModel m = Solved(rigtest::BarGridAndThreeBexa(13), -2.0);
  auto list = rigtest::BarGridAndThreeBexa(14);
  ASSERT_EQ(m.SetArrayElems(list.data(), 5, -2.0, 0), 1);
  ASSERT_EQ(m.Calculate(), 1);
  for (int j = 1; j <= 30; ++j) EXPECT_EQ(m.LiftBarAngle(j), 0.0) << j;
}

TEST(RigHoles, EnforcedAndFreeBarsDifferOnlyInGrading) {
  RigModel enforced = Solved(rigtest::BarGridAndThreeBexa(11), -2.0);
  RigModel free = Solved(rigtest::BarGridAndThreeBexa(12), -2.0);
  for (int i = 1; i <= 5; ++i)
    for (int p = 1; p <= riglink::kPointCount; ++p) {
      EXPECT_EQ(enforced.Elem(i).Pt(p).x, free.Elem(i).Pt(p).x);
      EXPECT_EQ(enforced.Elem(i).Pt(p).y, free.Elem(i).Pt(p).y);
    }
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(enforced.SafetyFactor(i).Front, free.SafetyFactor(i).Front);
    EXPECT_EQ(enforced.SafetyFactor(i).Rear, free.SafetyFactor(i).Rear);
  }
  // Asked for a target that no hole reaches, only the enforced bar is unsafe.
  enforced.TargetAngle = 45.0;
  free.TargetAngle = 45.0;
  EXPECT_EQ(enforced.LiftBarBestHole(), -1);
  EXPECT_EQ(enforced.SafetyLevel(), MECH_LEVEL_UNSAFE);
  EXPECT_EQ(free.SafetyLevel(), MECH_LEVEL_SAFE);
}

TEST(RigHoles, TiesAndTheToleranceEdge) {
  RigModel m = Solved(rigtest::BarGridAndThreeBexa(13), -2.0);
  for (double& a : m.LiftBarAngles) a = 100.0;
  m.LiftBarAngles[4] = -1.0;  // hole 5, 1 degree above the target
  m.LiftBarAngles[2] = -3.0;  // hole 3, 1 degree below
  EXPECT_EQ(m.LiftBarBestHole(), 3);
  for (double& a : m.LiftBarAngles) a = 100.0;
  m.LiftBarAngles[7] = 0.5;  // exactly 2.5 degrees away is accepted
  EXPECT_EQ(m.LiftBarBestHole(), 8);
  m.LiftBarAngles[7] = 0.5 + 1e-9;
  EXPECT_EQ(m.LiftBarBestHole(), -1);
}

TEST(RigLevel, CentreOfGravityBehindTheRearPick) {
  RigModel m = Solved(GridAndTwelveBexa(), 0.0);
  EXPECT_DOUBLE_EQ(m.ArrayMass, 741.0);
  const TMechPair pick = m.PickLoad();
  ExpectQuoted({{pick.Front, -738.24}, {pick.Rear, 741.0 + 738.24}}, 2);
  EXPECT_EQ(m.SafetyLevel(), MECH_LEVEL_UNSAFE);
  // The safety factors alone would not have made it unsafe.
  const TMechPair minSf = m.MinSafetyFactor();
  EXPECT_GE(std::min(minSf.Front, minSf.Rear), 5.0);
}

namespace {

// Scales type 0's front strength so that a single Arvo cabinet's front safety
// factor is exactly `factor` (the rear one stays far above).
void SetFrontFactor(RigModel& m, double factor) {
  const double force = std::fabs(m.ExamineForce(1).FrontForce);
  double s = factor * force;
  for (int k = 0; k < 8 && s / force < factor; ++k) s = std::nextafter(s, INFINITY);
  for (int k = 0; k < 8 && s / force > factor; ++k) s = std::nextafter(s, 0.0);
  m.Elem(1).FrontStrength = s;
  m.Elem(1).RearStrength = 1.0e9;
  ASSERT_NEAR(m.ExamineForce(1).FrontSF, factor, 1e-12);
  if (factor == 5.0 || factor == 7.0) {
    ASSERT_EQ(m.ExamineForce(1).FrontSF, factor);
  }
}

}  // namespace

TEST(RigLevel, Boundaries) {
  const struct {
    double factor;
    uint8_t level;
  } cases[] = {{5.0, MECH_LEVEL_CAUTION}, {7.0, MECH_LEVEL_SAFE}, {4.999, MECH_LEVEL_UNSAFE},
               {6.999, MECH_LEVEL_CAUTION}};
  for (const auto& c : cases) {
    RigModel m = Solved(rigtest::List({{0, 0.0}}), 0.0);
    SetFrontFactor(m, c.factor);
    EXPECT_EQ(m.SafetyLevel(), c.level) << c.factor;
  }
}

TEST(RigState, SecondCalculateTurnsTheColumnAgain) {
  RigModel m = Solved(rigtest::List({{0, 0.0}}), 10.0);
  // (-0.352, -0.25) turned by 10 degrees, then by 20.
  ExpectQuoted({{m.COG.x, -0.30324}, {m.COG.y, -0.30733}}, 5);
  ASSERT_EQ(m.Calculate(), 1);
  ExpectQuoted({{m.ZCOG.x, -0.30324}, {m.ZCOG.y, -0.30733}, {m.COG.x, -0.24527}, {m.COG.y, -0.35531}},
               5);
}

TEST(RigState, ForceQueriesOverwriteTheStoredFactors) {
  RigModel m = Solved(rigtest::GridAndThreeBexa(), -2.0);
  const TMechPair before2 = m.SafetyFactor(2);
  m.Force(1);  // only element 1 is refreshed
  EXPECT_TRUE(Near(m.SafetyFactor(1).Front, 94.65, 2));
  EXPECT_EQ(m.SafetyFactor(2).Front, before2.Front);
  // Examining changes nothing.
  RigModel n = Solved(rigtest::GridAndThreeBexa(), -2.0);
  const riglink::LinkForces f = n.ExamineForce(1);
  EXPECT_TRUE(Near(f.FrontSF, 94.65, 2));
  EXPECT_TRUE(Near(n.SafetyFactor(1).Front, 91.33, 2));
}

TEST(RigState, LargestForcesKeepTheirSign) {
  RigModel m = Solved(GridAndThreeDovi(), -2.0);
  double front = 0.0, rear = 0.0;
  for (int i = 1; i <= 4; ++i) {
    const riglink::LinkForces f = m.ExamineForce(i);
    if (std::fabs(f.FrontForce) > std::fabs(front)) front = f.FrontForce;
    if (std::fabs(f.RearForce) > std::fabs(rear)) rear = f.RearForce;
  }
  const TMechPair mx = m.MaxForce();
  EXPECT_EQ(mx.Front, front);
  EXPECT_EQ(mx.Rear, rear);
  // In the turned column a Dovi's rear link is the most loaded, pushing.
  EXPECT_LT(mx.Rear, 0.0);
  // The query refreshed every element's factors.
  EXPECT_EQ(m.SafetyFactor(2).Rear, m.ExamineForce(2).RearSF);
}

TEST(RigState, WeakestSearchKeepsTheLowerElementOnTies) {
  RigModel m = Solved(rigtest::GridAndThreeBexa(), -2.0);
  m.Elem(2).FrontSF = 50.0;
  m.Elem(3).FrontSF = -50.0;  // same magnitude, later element
  m.Elem(4).RearSF = 60.0;
  m.Elem(3).RearSF = 60.0;
  const TMechPair mins = m.WeakestSearch();
  EXPECT_EQ(m.WeakElements[0], 2);
  EXPECT_EQ(mins.Front, 50.0);
  EXPECT_EQ(m.WeakElements[1], 3);
  EXPECT_EQ(mins.Rear, 60.0);
}
