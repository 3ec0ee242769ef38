#pragma once
// Venues and helpers shared by the venue tests.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "model/hardware/grid.h"
#include "model/hardware/splay.h"
#include "venue/model/venue.h"

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

// A fresh venue and splay list with the allowed angles reset.
class VenueTest : public ::testing::Test {
protected:
    void SetUp() override { InitAllowedAngles(); }
    // The flat floor with the design off: the splay list stays as the test sets it.
    VenueData Manual(const std::string& type, int n1, int n2 = 0) {
        VenueData d = FlatFloor(splay, type, n1, n2);
        d.AutoDesign = false;
        return d;
    }
    // The flat floor with the array stacked on a 1 m stage.
    VenueData Stacked(const std::string& type, int n1, int n2 = 0, int n3 = 0) {
        VenueData d = FlatFloor(splay, type, n1, n2, n3);
        d.RigMode = 2;
        d.PickOption = 6;
        d.ArrayHeight = 1.0;
        return d;
    }
    // Splay angles 0, 1, ... set by hand.
    void SetAngles(std::initializer_list<double> angles) {
        int k = 0;
        for (double a : angles) splay.Angle[k++] = a;
    }
    TSplay splay;
    TVenue v;
};

// The caller's file and line come from __builtin_FILE / __builtin_LINE:
// clang 14 with libstdc++ 12 offers no std::source_location.
// Splay angles first, first + 1, ... are exactly `angles`.
inline void ExpectAngles(const TSplay& s, int first, std::initializer_list<double> angles,
                         const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
    const ::testing::ScopedTrace trace(file, line, "checked here");
    int k = first;
    for (double a : angles) {
        EXPECT_EQ(s.Angle[k], a) << "splay " << k;
        ++k;
    }
}

// Choice indexes first, first + 1, ... are exactly `indexes`.
inline void ExpectIndexes(const TSplay& s, int first, std::initializer_list<int> indexes,
                          const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
    const ::testing::ScopedTrace trace(file, line, "checked here");
    int k = first;
    for (int i : indexes) {
        EXPECT_EQ(s.ChoiceIndex[k], i) << "index " << k;
        ++k;
    }
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
