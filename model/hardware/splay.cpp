#include "model/hardware/splay.h"

void TSplay::SetAngles(const TSplayAngles& Angles) { Angle = Angles; }

void TSplay::SetAngles(const std::array<double, 41>& Angles) {
    for (int i = 0; i <= 40; ++i) Angle[i] = Angles[static_cast<std::size_t>(i)];
}
