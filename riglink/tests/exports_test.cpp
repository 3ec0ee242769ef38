// The exported functions of libriglink.so, working on its one global model, in
// the order the program calls them.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "riglink/mechdll5.h"
#include "riglink/tests/rigtest_util.h"

using rigtest::ExpectQuoted;
using rigtest::Near;

namespace {

void SolveGlobal(const std::vector<TMechElemSpec>& list, double target) {
  ASSERT_EQ(mechInit(), 1);
  ASSERT_EQ(mechSetArrayElems(list.data(), static_cast<int32_t>(list.size()), target, 0), 1);
  ASSERT_EQ(mechCalculate(), 1);
}

}  // namespace

TEST(Exports, ProgramCallOrderGridAndThreeBexa) {
  SolveGlobal(rigtest::GridAndThreeBexa(), -2.0);
  TMechPair pick{};
  mechPickLoad(&pick);
  ExpectQuoted({{pick.Front, 151.829}, {pick.Rear, 67.171}}, 3);
  TMechPair sf{};
  mechSafetyFactor(&sf, 1);
  ExpectQuoted({{sf.Front, 91.33}, {sf.Rear, 233.36}}, 2);
  EXPECT_DOUBLE_EQ(mechMass(), 219.0);
  TMechPoint cog{}, zcog{};
  mechCOG(&cog);
  mechZCOG(&zcog);
  ExpectQuoted({{cog.x, -0.30782}, {cog.y, -0.42396}, {zcog.x, -0.29283}, {zcog.y, -0.43444}}, 5);
  EXPECT_EQ(cog.w, 1.0);
  TMechWeakElems weak{};
  mechWeakElem(&weak);
  EXPECT_EQ(weak.Front, 1);
  EXPECT_EQ(weak.Rear, 2);

  // The developer grid's values change nothing.
  double F, Fx, Fy, tf, tr, sff, sfr;
  mechExamineInternalForce(1, &F, &Fx, &Fy, &tf, &tr, &sff, &sfr);
  ExpectQuoted({{sff, 94.65}, {sfr, 214.14}}, 2);
  EXPECT_DOUBLE_EQ(tr, 0.6 * F);
  EXPECT_DOUBLE_EQ(tf, 0.6 * std::sqrt(Fx * Fx + Fy * Fy));
  mechSafetyFactor(&sf, 1);
  EXPECT_TRUE(Near(sf.Front, 91.33, 2));

  EXPECT_EQ(mechSafetyLevel(), MECH_LEVEL_SAFE);
  mechSafetyFactor(&sf, 1);
  ExpectQuoted({{sf.Front, 94.65}, {sf.Rear, 214.14}}, 2);
  mechWeakElem(&weak);
  EXPECT_EQ(weak.Front, 1);
  EXPECT_EQ(weak.Rear, 2);

  TMechPair minSf{};
  mechMinSafetyFactor(&minSf);
  TMechPair rear2{};
  mechSafetyFactor(&rear2, 2);
  EXPECT_EQ(minSf.Rear, rear2.Rear);
}

TEST(Exports, LiftBarHolesAndBestHole) {
  SolveGlobal(rigtest::BarGridAndThreeBexa(13), -2.0);
  double angles[MECH_MAX_ELEMS + 2];
  for (double& a : angles) a = 123.0;
  mechLiftBarAngles(angles);
  ExpectQuoted({{angles[0], 19.487}, {angles[22], -51.438}}, 3);
  for (int j = 23; j < MECH_MAX_ELEMS; ++j) EXPECT_EQ(angles[j], 0.0);
  EXPECT_EQ(angles[MECH_MAX_ELEMS], 123.0) << "wrote past 30 entries";
  EXPECT_EQ(mechLiftBarAngle(23), angles[22]);
  EXPECT_EQ(mechLiftBarBestHole(), 6);
  EXPECT_EQ(mechSafetyLevel(), MECH_LEVEL_SAFE);

  SolveGlobal(rigtest::BarGridAndThreeBexa(11), -2.0);
  ExpectQuoted({{mechLiftBarAngle(1), -40.005}, {mechLiftBarAngle(23), 37.562}}, 3);
  EXPECT_EQ(mechLiftBarBestHole(), 12);
}

TEST(Exports, RefusedListKeepsTheSolution) {
  SolveGlobal(rigtest::GridAndThreeBexa(), -2.0);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  auto bad = rigtest::List({{7, 0.0}, {4, nan}});
  EXPECT_EQ(mechSetArrayElems(bad.data(), 2, 0.0, 0), 0);
  EXPECT_EQ(mechSetArrayElems(bad.data(), 31, 0.0, 0), 0);
  EXPECT_EQ(mechSetArrayElems(nullptr, 2, 0.0, 0), 0);
  EXPECT_DOUBLE_EQ(mechMass(), 219.0);
  TMechPair sf{};
  mechSafetyFactor(&sf, 4);
  EXPECT_TRUE(Near(sf.Front, 482.69, 2));
  EXPECT_EQ(mechSafetyLevel(), MECH_LEVEL_SAFE);
}

TEST(Exports, BadIndicesAndNullPointers) {
  SolveGlobal(rigtest::GridAndThreeBexa(), -2.0);
  TMechPair before{};
  mechSafetyFactor(&before, 1);
  for (int32_t i : {0, 5, 31, -5}) {
    TMechPair out{7.0, 7.0};
    mechForce(&out, i);
    EXPECT_EQ(out.Front, 0.0) << i;
    EXPECT_EQ(out.Rear, 0.0) << i;
    out = TMechPair{7.0, 7.0};
    mechSafetyFactor(&out, i);
    EXPECT_EQ(out.Front, 0.0) << i;
    double v[7] = {1, 1, 1, 1, 1, 1, 1};
    mechExamineInternalForce(i, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6]);
    for (double x : v) EXPECT_EQ(x, 0.0) << i;
    EXPECT_EQ(mechLiftBarAngle(i == 5 ? 0 : i), 0.0);
  }
  // No pointer is required to be valid.
  mechPickLoad(nullptr);
  mechForce(nullptr, 1);
  mechmaxForce(nullptr);
  mechSafetyFactor(nullptr, 1);
  mechMinSafetyFactor(nullptr);
  mechWeakElem(nullptr);
  mechCOG(nullptr);
  mechZCOG(nullptr);
  mechLiftBarAngles(nullptr);
  mechExamineInternalForce(1, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
  TMechPair after{};
  mechSafetyFactor(&after, 1);
  // mechForce(nullptr, 1) still refreshed element 1 in the turned column.
  EXPECT_TRUE(Near(after.Front, 94.65, 2));
  EXPECT_TRUE(Near(before.Front, 91.33, 2));
}
