#pragma once
// The lift-bar hole of a one-point lift and the grid angle it gives, as the
// rigger reads them on the array page and on paper alike: the hole by its
// number; the angle as the grid hangs, that is the rig's angle negated (an
// Elka array's less its cabinet's top-angle offset), in 3 significant
// digits.  With no hole within reach the hole reads "NA" and there is no
// angle: the stored angle belongs to no hole.

#include <cstdint>
#include <string>

struct TLiftBarReading {
    bool HoleInReach = false;
    std::string Hole;   // "7", or "NA"
    std::string Angle;  // "-1.14", or empty without a hole
};

// BestHole counts from 1 (-1: none in reach); GridAngle is the rig's angle at
// that hole (degrees); TopAngleOffset is the current cabinet's, read for the
// Elka array only.
TLiftBarReading ReadLiftBar(int32_t BestHole, double GridAngle, uint8_t TypeCode,
                            double TopAngleOffset);
