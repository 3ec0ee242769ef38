// Helpers shared by the riglink tests: element lists and comparison to the
// decimals a figure is quoted with.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <utility>
#include <vector>

#include "mechdll5.h"

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

// The worked columns.
inline std::vector<TMechElemSpec> GridAndThreeBexa() {
  return List({{7, 0.0}, {4, 0.0}, {4, -3.0}, {4, -5.0}});
}
inline std::vector<TMechElemSpec> BarGridAndThreeBexa(int bar) {
  return List({{bar, 0.0}, {7, 0.0}, {4, 0.0}, {4, -3.0}, {4, -5.0}});
}

}  // namespace rigtest
