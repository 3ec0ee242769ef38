// Helpers shared by the riglink tests: element lists, stored and solved
// models, and comparison to the decimals a figure is quoted with.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <utility>
#include <vector>

#include "riglink/mechdll5.h"
#include "riglink/rigmodel.h"

namespace rigtest {

// {type code, angle} per element, top first.
inline std::vector<TMechElemSpec> List(std::initializer_list<std::pair<int, double>> elems) {
  std::vector<TMechElemSpec> v;
  for (const auto& [code, angle] : elems) {
    TMechElemSpec s{};
    s.TypeCode = static_cast<uint8_t>(code);
    s.Angle = angle;
    v.push_back(s);
  }
  return v;
}

// A figure quoted with d decimals matches when it rounds to the quoted value.
inline ::testing::AssertionResult Near(double actual, double quoted, int decimals) {
  const double tol = 0.5 * std::pow(10.0, -decimals) * (1.0 + 1e-9);
  if (std::fabs(actual - quoted) <= tol) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actual << " does not round to " << quoted << " ("
                                       << decimals << " decimals)";
}

// The caller's file and line come from __builtin_FILE / __builtin_LINE:
// clang 14 with libstdc++ 12 offers no std::source_location.
// Each {actual, quoted} figure must round to its quoted value.
inline void ExpectQuoted(std::initializer_list<std::pair<double, double>> figures, int decimals,
                         const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
  const ::testing::ScopedTrace trace(file, line, "quoted here");
  int k = 0;
  for (const auto& [actual, quoted] : figures)
    EXPECT_TRUE(Near(actual, quoted, decimals)) << "figure " << k++;
}

// A model with the table filled and the list stored; Solved also solves it.
inline riglink::RigModel Stored(const std::vector<TMechElemSpec>& list, double target) {
  riglink::RigModel m;
  EXPECT_EQ(m.Init(), 1);
  EXPECT_EQ(m.SetArrayElems(list.data(), static_cast<int32_t>(list.size()), target, 0), 1);
  return m;
}
inline riglink::RigModel Solved(const std::vector<TMechElemSpec>& list, double target) {
  riglink::RigModel m = Stored(list, target);
  EXPECT_EQ(m.Calculate(), 1);
  return m;
}

// The worked columns.
inline std::vector<TMechElemSpec> GridAndThreeBexa() {
  return List({{7, 0.0}, {4, 0.0}, {4, -3.0}, {4, -5.0}});
}
inline std::vector<TMechElemSpec> BarGridAndThreeBexa(int bar) {
  return List({{bar, 0.0}, {7, 0.0}, {4, 0.0}, {4, -3.0}, {4, -5.0}});
}

}  // namespace rigtest
