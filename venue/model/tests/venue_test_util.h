#pragma once
// Venues and helpers shared by the venue tests.

#include <string>
#include <vector>

#include "hardware/grid.h"
#include "hardware/splay.h"
#include "model/venue.h"

namespace venue_test {

// A flat floor of 50 m with a seated audience; the array flown at 8 m,
// coverage from 5 m to 40 m.
inline VenueData FlatFloor(TSplay& splay, const std::string& type, int n1, int n2 = 0,
                           int n3 = 0) {
    return VenueData{
        .VenueName = "flat",
        .ArrayHeight = 8.0,
        .NumBoxes1 = n1,
        .NumBoxes2 = n2,
        .NumBoxes3 = n3,
        .MaxPickHeight = 20.0,
        .MinTrimHeight = 2.0,
        .Plane1Length = 50.0,
        .Plane1Height = 0.0,
        .CoverageStart = 5.0,
        .CoverageStop = 40.0,
        .Plane1EarHeight = 1.4,
        .Plane2EarHeight = 1.4,
        .Plane3EarHeight = 1.4,
        .AutoDesign = true,
        .DesignMode = "",
        .Splay = &splay,
        .ArrayType = type,
    };
}

// The splay list after each array set-up the venue asked for.
struct SetUpRecorder {
    std::vector<TSplay> Lists;
    void Attach(TVenue& v) {
        Lists.clear();
        v.OnSetUp = [this, &v] { Lists.push_back(*v.Splay); };
    }
    // Index of the one splay angle that set-up i changed against set-up
    // i - 1, -1 when none changed, -2 when several did.
    int ChangedAngle(std::size_t i) const {
        int found = -1;
        for (int k = 0; k <= 40; ++k) {
            if (Lists[i].Angle[k] != Lists[i - 1].Angle[k]) {
                if (found != -1) return -2;
                found = k;
            }
        }
        return found;
    }
};

// The table values of the models as the text lists them (degrees).
inline const double kArvoFlown[] = {0, 1, 2.12, 3.12, 4.27, 6, 7.5};
inline const double kArvoStacked[] = {0, 1, 2, 3, 4, 6, 7.5};
inline const double kDoviStacked[] = {0.62, 0.43, 1.42, 2.51, 3.54, 4.54, 5.63, 7.13};

}  // namespace venue_test
