#pragma once
// The bounds that grade a rig by its smallest safety factor: below
// kUnsafeBelow it is unsafe, below kCautionBelow caution, from there safe.
// The library's safety level and the program's colours and tips read these
// two numbers, so a figure and its grading can never disagree.

namespace riglink {

inline constexpr double kUnsafeBelow = 5.0;
inline constexpr double kCautionBelow = 7.0;

}  // namespace riglink
