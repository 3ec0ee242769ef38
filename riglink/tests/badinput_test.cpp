// Bad input: refused lists leave the model exactly as it was, bad element
// numbers give zeros and change nothing, and nothing unsolved or unrated is
// ever graded safe. Meant to run clean under AddressSanitizer and UBSan.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

#include "riglink/rigmodel.h"
#include "riglink/tests/rigtest_util.h"

using riglink::RigModel;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

RigModel SolvedGridAndThreeBexa() { return rigtest::Solved(rigtest::GridAndThreeBexa(), -2.0); }

// Bitwise equality of two doubles, so that NaN equals NaN.
bool Same(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

::testing::AssertionResult SameState(const RigModel& a, const RigModel& b) {
  auto fail = [](const char* what, int i) {
    return ::testing::AssertionFailure() << what << " differs at " << i;
  };
  if (a.ElemCount != b.ElemCount) return fail("ElemCount", 0);
  if (!Same(a.TargetAngle, b.TargetAngle)) return fail("TargetAngle", 0);
  if (a.ArrayMode != b.ArrayMode) return fail("ArrayMode", 0);
  if (a.Solved != b.Solved) return fail("Solved", 0);
  if (!Same(a.ArrayMass, b.ArrayMass)) return fail("ArrayMass", 0);
  if (!Same(a.COG.x, b.COG.x) || !Same(a.COG.y, b.COG.y)) return fail("COG", 0);
  if (!Same(a.ZCOG.x, b.ZCOG.x) || !Same(a.ZCOG.y, b.ZCOG.y)) return fail("ZCOG", 0);
  if (a.WeakElements[0] != b.WeakElements[0] || a.WeakElements[1] != b.WeakElements[1])
    return fail("WeakElements", 0);
  for (int j = 0; j < riglink::kMaxElems; ++j)
    if (!Same(a.LiftBarAngles[j], b.LiftBarAngles[j])) return fail("LiftBarAngles", j);
  for (int i = 1; i <= riglink::kMaxElems; ++i) {
    const auto& x = a.Elem(i);
    const auto& y = b.Elem(i);
    if (x.TypeCode != y.TypeCode || !Same(x.ElemAngle, y.ElemAngle) ||
        !Same(x.RunningAngle, y.RunningAngle) || !Same(x.FrontSF, y.FrontSF) ||
        !Same(x.RearSF, y.RearSF) || !Same(x.Mass, y.Mass))
      return fail("element", i);
    for (int p = 1; p <= riglink::kPointCount; ++p)
      if (!Same(x.Pt(p).x, y.Pt(p).x) || !Same(x.Pt(p).y, y.Pt(p).y)) return fail("point of element", i);
  }
  return ::testing::AssertionSuccess();
}

}  // namespace

TEST(BadInput, RefusedListsChangeNothing) {
  const RigModel before = SolvedGridAndThreeBexa();
  auto good = rigtest::List({{4, 0.0}, {4, -2.0}, {4, -2.0}});

  struct Case {
    const char* what;
    std::vector<TMechElemSpec> list;
    int32_t count;
    double target;
  };
  std::vector<Case> cases = {
      {"count 0", good, 0, 0.0},
      {"count -1", good, -1, 0.0},
      {"count 31", good, 31, 0.0},
      {"code 35 first", rigtest::List({{35, 0.0}, {4, 0.0}}), 2, 0.0},
      {"code 255 last", rigtest::List({{7, 0.0}, {4, 0.0}, {255, 0.0}}), 3, 0.0},
      {"NaN target", good, 3, kNaN},
      {"infinite target", good, 3, kInf},
      {"minus infinite target", good, 3, -kInf},
      {"NaN angle", rigtest::List({{7, 0.0}, {4, 0.0}, {4, kNaN}}), 3, 0.0},
      {"infinite angle", rigtest::List({{7, 0.0}, {4, kInf}}), 2, 0.0},
  };
  for (const Case& c : cases) {
    RigModel m = before;
    EXPECT_EQ(m.SetArrayElems(c.list.data(), c.count, c.target, 0), 0) << c.what;
    EXPECT_TRUE(SameState(m, before)) << c.what;
    // Still solved: the queries answer for the previous list.
    EXPECT_EQ(m.SafetyLevel(), MECH_LEVEL_SAFE) << c.what;
  }
  RigModel m = before;
  EXPECT_EQ(m.SetArrayElems(nullptr, 3, 0.0, 0), 0);
  EXPECT_TRUE(SameState(m, before));
}

TEST(BadInput, FirstElementAngleMayBeAnything) {
  RigModel m;
  m.Init();
  auto list = rigtest::List({{7, kNaN}, {4, 0.0}});
  EXPECT_EQ(m.SetArrayElems(list.data(), 2, 0.0, 0), 1);
  list[0].Angle = -kInf;
  EXPECT_EQ(m.SetArrayElems(list.data(), 2, 0.0, 0), 1);
  EXPECT_EQ(m.Calculate(), 1);
  EXPECT_FALSE(std::isnan(m.SafetyFactor(1).Front));
}

TEST(BadInput, ReadsOnlyCountRecords) {
  // Exactly as many records as announced, on the heap: a read past them is
  // caught by AddressSanitizer.
  for (int32_t n : {1, 3, 30}) {
    std::unique_ptr<TMechElemSpec[]> buf(new TMechElemSpec[n]);
    for (int i = 0; i < n; ++i) buf[i] = rigtest::List({{i == 0 ? 7 : 4, -1.0}})[0];
    RigModel m;
    m.Init();
    EXPECT_EQ(m.SetArrayElems(buf.get(), n, 0.0, 0), 1);
    EXPECT_EQ(m.Calculate(), 1);
    EXPECT_DOUBLE_EQ(m.ArrayMass, 45.0 + 58.0 * (n - 1));
  }
}

TEST(BadInput, ListBeforeTheTableIsFilled) {
  RigModel m;
  auto list = rigtest::GridAndThreeBexa();
  EXPECT_EQ(m.SetArrayElems(list.data(), 4, 0.0, 0), 0);
  EXPECT_EQ(m.ElemCount, 0);
  EXPECT_EQ(m.Calculate(), 0);
}

TEST(BadInput, ElementNumbersOutOfRange) {
  const RigModel before = SolvedGridAndThreeBexa();
  RigModel m = before;
  for (int32_t i : {0, 5, 31, -5, std::numeric_limits<int32_t>::min(),
                    std::numeric_limits<int32_t>::max()}) {
    const TMechPair f = m.Force(i);
    EXPECT_EQ(f.Front, 0.0) << i;
    EXPECT_EQ(f.Rear, 0.0) << i;
    const TMechPair s = m.SafetyFactor(i);
    EXPECT_EQ(s.Front, 0.0) << i;
    EXPECT_EQ(s.Rear, 0.0) << i;
    EXPECT_FALSE(m.ValidElem(i)) << i;
  }
  for (int32_t j : {0, 31, -5, std::numeric_limits<int32_t>::min()}) EXPECT_EQ(m.LiftBarAngle(j), 0.0) << j;
  EXPECT_TRUE(SameState(m, before));
}

TEST(BadInput, QueriesBeforeAnyList) {
  RigModel m;
  m.Init();
  const RigModel before = m;
  EXPECT_EQ(m.Calculate(), 0);
  for (const TMechPair& p : {m.PickLoad(), m.MinSafetyFactor()}) {
    EXPECT_EQ(p.Front, 0.0);
    EXPECT_EQ(p.Rear, 0.0);
  }
  EXPECT_EQ(m.Force(1).Front, 0.0);
  EXPECT_EQ(m.MaxForce().Front, 0.0);
  EXPECT_EQ(m.SafetyLevel(), MECH_LEVEL_UNSAFE);
  EXPECT_EQ(m.LiftBarBestHole(), -1);
  EXPECT_EQ(m.LiftBarAngle(1), 0.0);
  EXPECT_EQ(m.ArrayMass, 0.0);
  EXPECT_TRUE(SameState(m, before));
}

TEST(BadInput, UnsolvedListIsNeverSafe) {
  auto list = rigtest::List({{0, 0.0}});
  RigModel m = rigtest::Stored(list, 0.0);
  EXPECT_EQ(m.SafetyLevel(), MECH_LEVEL_UNSAFE);
  ASSERT_EQ(m.Calculate(), 1);
  EXPECT_EQ(m.SafetyLevel(), MECH_LEVEL_SAFE);
  // A new list voids the grading of the old solution until it is solved.
  ASSERT_EQ(m.SetArrayElems(list.data(), 1, 0.0, 0), 1);
  EXPECT_EQ(m.SafetyLevel(), MECH_LEVEL_UNSAFE);
  ASSERT_EQ(m.Calculate(), 1);
  EXPECT_EQ(m.SafetyLevel(), MECH_LEVEL_SAFE);
  // The table refresh keeps the solution.
  ASSERT_EQ(m.Init(), 1);
  EXPECT_EQ(m.SafetyLevel(), MECH_LEVEL_SAFE);
}

TEST(BadInput, UnratedLinkIsUnsafe) {
  RigModel m;
  m.Init();
  m.ElementTypes[4].RearStrength = kNaN;  // one cabinet link without a rating
  auto list = rigtest::GridAndThreeBexa();
  ASSERT_EQ(m.SetArrayElems(list.data(), 4, -2.0, 0), 1);
  ASSERT_EQ(m.Calculate(), 1);
  EXPECT_EQ(m.SafetyLevel(), MECH_LEVEL_UNSAFE);
}

TEST(BadInput, PickLoadNotANumberIsUnsafe) {
  RigModel m = SolvedGridAndThreeBexa();
  m.COG.x = kNaN;
  EXPECT_EQ(m.SafetyLevel(), MECH_LEVEL_UNSAFE);
  m = SolvedGridAndThreeBexa();
  // Both pick points on one vertical: the lever rule divides by zero.
  const double x = m.Elem(1).Pt(m.Elem(1).FrontPoint).x;
  m.Elem(1).Pt(m.Elem(1).RearPoint).x = x;
  EXPECT_EQ(m.SafetyLevel(), MECH_LEVEL_UNSAFE);
}

TEST(BadInput, LinkCarryingNothingIsInfinitelySafe) {
  RigModel m;
  m.Init();
  // An Arvo cabinet whose centre of gravity lies under its front link: the
  // rear link carries nothing.
  m.ElementTypes[0].Pt(5).x = 0.0;
  auto list = rigtest::List({{0, 0.0}});
  ASSERT_EQ(m.SetArrayElems(list.data(), 1, 0.0, 0), 1);
  ASSERT_EQ(m.Calculate(), 1);
  EXPECT_EQ(m.ExamineForce(1).RearForce, 0.0);
  EXPECT_EQ(m.SafetyFactor(1).Rear, std::numeric_limits<double>::infinity());
  EXPECT_TRUE(std::isfinite(m.SafetyFactor(1).Front));
  EXPECT_EQ(m.SafetyLevel(), MECH_LEVEL_SAFE);
  EXPECT_EQ(m.SafetyFactor(1).Rear, std::numeric_limits<double>::infinity());
  // The front link still decides the weakest element.
  EXPECT_EQ(m.WeakElements[0], 1);
}
