#pragma once
// The splay list: per element the splay angle and the index of the chosen
// entry in its cabinet's table of splay choices.

#include <array>

#include "platform/core/checked.h"

// The 41 angles handed over in one block (element 0 is the top element).
using TSplayAngles = rtl::CheckedArray<double, 0, 40>;

class TSplay {
public:
    // Degrees, element 0 (the top element) to 40.  In a flown array entry 0
    // is the array's top angle.
    rtl::CheckedArray<double, 0, 40> Angle;
    // For element 0..39 the index (0..8) into the cabinet's TBox::SplayAngles.
    rtl::CheckedArray<int, 0, 39> ChoiceIndex;

    // Every angle and every choice index 0.
    TSplay() = default;

    // Copies all 41 angles; the choice indexes are left as they are.
    void SetAngles(const TSplayAngles& Angles);
    void SetAngles(const std::array<double, 41>& Angles);
};
