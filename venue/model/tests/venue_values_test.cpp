// The list of venue values, and the hand-over that takes all of them or
// none.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "platform/core/errors.h"
#include "venue/model/venue.h"
#include "venue/model/venue_values.h"
#include "venue/model/tests/venue_test_util.h"

using venue_test::FlatFloor;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::string Exact(double x) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%a", x);
    return buf;
}

// What a refused hand-over must leave as it was, each under its own name.
std::vector<std::string> Describe(const TVenue& v, const TSplay& caller) {
    std::vector<std::string> d = {
        "type=" + v.ArrayType,          "name=" + v.VenueName,
        "n1=" + std::to_string(v.NumBoxes1), "n2=" + std::to_string(v.NumBoxes2),
        "n3=" + std::to_string(v.NumBoxes3), "rig=" + std::to_string(v.RigMode),
        "height=" + Exact(v.ArrayHeight),   "stop=" + Exact(v.CoverageStop),
        "ft=" + Exact(v.FTValue),           "top=" + Exact(v.TopHeight),
        "slope1=" + Exact(v.Plane1Slope),   "auto=" + std::to_string(v.AutoDesign),
        "setups=" + std::to_string(v.SetUpCount),
        "array=" + std::to_string(reinterpret_cast<std::uintptr_t>(v.LSArray.get())),
        "code=" + std::to_string(v.LSArray->TypeCode),
        "count=" + std::to_string(v.LSArray->ElementCount),
        "splayref=" + std::to_string(reinterpret_cast<std::uintptr_t>(v.Splay)),
    };
    for (int i = 0; i <= 40; ++i) {
        d.push_back("angle" + std::to_string(i) + "=" + Exact(v.Splay->Angle[i]));
        d.push_back("caller" + std::to_string(i) + "=" + Exact(caller.Angle[i]));
        d.push_back("tilt" + std::to_string(i) + "=" + Exact(v.LSArray->Tilt[i]));
    }
    return d;
}

std::string ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const rtl::RuntimeError& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(VenueValueList, NamesAndFileLinesInHandOverOrder) {
    // The 33 values in the order the window hands them over, with the line
    // of the current file layout (0: none).
    const struct {
        const char* name;
        int line;
    } expected[] = {
        {"VenueName", 1},        {"MaxBoxes", 5},          {"ArrayHeight", 4},
        {"NumBoxes1", 6},        {"NumBoxes2", 7},         {"NumBoxes3", 0},
        {"MaxPickHeight", 8},    {"MinTrimHeight", 9},     {"Plane1Length", 10},
        {"Plane1Height", 11},    {"Plane2Length", 12},     {"Plane2Height", 13},
        {"Plane2Elevation", 14}, {"Plane3Length", 15},     {"Plane3Height", 16},
        {"Plane3Distance", 17},  {"Plane3Elevation", 18},  {"CoverageStart", 19},
        {"CoverageStop", 20},    {"Plane1EarHeight", 21},  {"Plane2EarHeight", 22},
        {"Plane3EarHeight", 23}, {"AutoDesign", 24},       {"DesignMode", 0},
        {"Splay", 32},           {"GridPosition", 25},     {"PickOption", 26},
        {"LiftBarPosition", 27}, {"RigMode", 28},          {"SplayHoba", 29},
        {"FTValue", 30},         {"ArrayType", 3},         {"CombinationGrid", 31},
    };
    const auto infos = VenueValueInfos();
    ASSERT_EQ(infos.size(), std::size(expected));
    for (std::size_t i = 0; i < infos.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(infos[i].Name, expected[i].name);
        EXPECT_EQ(infos[i].FileLine, expected[i].line);
    }
}

class HandOver : public venue_test::VenueTest {
protected:
    // Every value different, all planes present, the design off.
    VenueData Distinct() {
        return VenueData{
            .VenueName = "hall",      .MaxBoxes = 17,          .ArrayHeight = 9.5,
            .NumBoxes1 = 4,           .NumBoxes2 = 3,          .NumBoxes3 = 0,
            .MaxPickHeight = 21.5,    .MinTrimHeight = 3.25,   .Plane1Length = 30.5,
            .Plane1Height = 1.5,      .Plane2Length = 12.5,    .Plane2Height = 2.75,
            .Plane2Elevation = 4.5,   .Plane3Length = 8.5,     .Plane3Height = 3.5,
            .Plane3Distance = 40.5,   .Plane3Elevation = 6.5,  .CoverageStart = 2.5,
            .CoverageStop = 45.5,     .Plane1EarHeight = 1.4,  .Plane2EarHeight = 1.8,
            .Plane3EarHeight = 1.6,   .AutoDesign = false,     .DesignMode = "MinCurve",
            .Splay = &splay,          .GridPosition = "REAR",  .PickOption = 4,
            .LiftBarPosition = 1,     .RigMode = 1,            .SplayHoba = true,
            .FTValue = 450.0,         .ArrayType = "MIXArvoBexa", .CombinationGrid = true,
        };
    }
};

TEST_F(HandOver, EveryValueReachesItsVenueFieldAndComesBack) {
    v.SetVenueData(Distinct());
    EXPECT_EQ(v.VenueName, "hall");
    EXPECT_EQ(v.MaxBoxes, 17);
    EXPECT_EQ(v.ArrayHeight, 9.5);
    EXPECT_EQ(v.NumBoxes1, 4);
    EXPECT_EQ(v.NumBoxes2, 3);
    EXPECT_EQ(v.MaxPickHeight, 21.5);
    EXPECT_EQ(v.MinTrimHeight, 3.25);
    EXPECT_EQ(v.Plane1Length, 30.5);
    EXPECT_EQ(v.Plane1Height, 1.5);
    EXPECT_EQ(v.Plane2Length, 12.5);
    EXPECT_EQ(v.Plane2Height, 2.75);
    EXPECT_EQ(v.Plane2Elevation, 4.5);
    EXPECT_EQ(v.Plane3Length, 8.5);
    EXPECT_EQ(v.Plane3Height, 3.5);
    EXPECT_EQ(v.Plane3Distance, 40.5);
    EXPECT_EQ(v.Plane3Elevation, 6.5);
    EXPECT_EQ(v.CoverageStart, 2.5);
    EXPECT_EQ(v.CoverageStop, 45.5);
    EXPECT_EQ(v.Plane1EarHeight, 1.4);
    EXPECT_EQ(v.Plane2EarHeight, 1.8);
    EXPECT_EQ(v.Plane3EarHeight, 1.6);
    EXPECT_EQ(v.DesignMode, "MinCurve");
    EXPECT_EQ(v.Splay, &splay);
    EXPECT_EQ(v.GridPosition, "REAR");
    EXPECT_EQ(v.PickOption, 4);
    EXPECT_EQ(v.LiftBarPosition, 1);
    EXPECT_EQ(v.RigMode, 1);
    EXPECT_TRUE(v.SplayHoba);
    EXPECT_EQ(v.FTValue, 450.0);
    EXPECT_EQ(v.ArrayType, "MIXArvoBexa");
    EXPECT_TRUE(v.LSArray->CombinationGrid);

    // And read back as one hand-over.
    const VenueData back = VenueDataOf(v);
    EXPECT_EQ(back.VenueName, "hall");
    EXPECT_EQ(back.MaxBoxes, 17);
    EXPECT_EQ(back.NumBoxes2, 3);
    EXPECT_EQ(back.Plane2Elevation, 4.5);
    EXPECT_EQ(back.Plane3Distance, 40.5);
    EXPECT_EQ(back.Plane3EarHeight, 1.6);
    EXPECT_EQ(back.CoverageStop, 45.5);
    EXPECT_EQ(back.Splay, &splay);
    EXPECT_EQ(back.LiftBarPosition, 1);
    EXPECT_EQ(back.FTValue, 450.0);
    EXPECT_EQ(back.ArrayType, "MIXArvoBexa");
    EXPECT_TRUE(back.CombinationGrid);
    EXPECT_TRUE(back.SplayHoba);
}

TEST_F(HandOver, RefusedValueChangesNothingAndIsNamed) {
    const struct {
        const char* what;
        std::function<void(VenueData&, TSplay&)> edit;
        const char* error;
        bool bySetUp = false;  // refused by the array set-up or rig evaluation
    } cases[] = {
        {"Bexa 41", [](VenueData& d, TSplay&) { d.ArrayType = "Bexa"; d.NumBoxes1 = 41; },
         "NumBoxes1 = 41: more cabinets in the array than the 40 of the splay list"},
        {"Bexa -1", [](VenueData& d, TSplay&) { d.ArrayType = "Bexa"; d.NumBoxes1 = -1; },
         "NumBoxes1 = -1: a cabinet count cannot be negative"},
        {"6 + 35", [](VenueData& d, TSplay&) { d.ArrayType = "MIXArvoBexa"; d.NumBoxes1 = 6; d.NumBoxes2 = 35; },
         "NumBoxes2 = 35: more cabinets in the array than the 40 of the splay list"},
        {"third -2", [](VenueData& d, TSplay&) { d.ArrayType = "MIXIvorDoviElka"; d.NumBoxes3 = -2; },
         "NumBoxes3 = -2: a cabinet count cannot be negative"},
        {"NaN height", [](VenueData& d, TSplay&) { d.ArrayHeight = kNaN; },
         "ArrayHeight = NaN: not a finite number"},
        {"inf stop", [](VenueData& d, TSplay&) { d.CoverageStop = kInf; },
         "CoverageStop = +Inf: not a finite number"},
        {"-inf ear", [](VenueData& d, TSplay&) { d.Plane3EarHeight = -kInf; },
         "Plane3EarHeight = -Inf: not a finite number"},
        {"force -2000", [](VenueData& d, TSplay&) { d.FTValue = -2000; },
         "FTValue = -2000: the push-over force must be above 0"},
        {"force 0", [](VenueData& d, TSplay&) { d.FTValue = 0; },
         "FTValue = 0: the push-over force must be above 0"},
        {"force NaN", [](VenueData& d, TSplay&) { d.FTValue = kNaN; },
         "FTValue = NaN: not a finite number"},
        {"rig 3", [](VenueData& d, TSplay&) { d.RigMode = 3; },
         "RigMode = 3: unknown rig mode (1 flown, 2 ground-stacked)"},
        {"rig 0", [](VenueData& d, TSplay&) { d.RigMode = 0; },
         "RigMode = 0: unknown rig mode (1 flown, 2 ground-stacked)"},
        {"angle NaN", [](VenueData&, TSplay& s) { s.Angle[7] = kNaN; },
         "Splay angle 7 = NaN: not a finite number"},
        {"angle 40 inf", [](VenueData&, TSplay& s) { s.Angle[40] = -kInf; },
         "Splay angle 40 = -Inf: not a finite number"},
        // Angles beyond a full turn add up past the largest number.
        {"angle beyond a turn", [](VenueData&, TSplay& s) { s.Angle[3] = 360.5; },
         "Splay angle 3 = 360.5: beyond a full turn"},
        {"angle largest", [](VenueData&, TSplay& s) { s.Angle[0] = -1.7976931348623157e308; },
         "Splay angle 0 = -1.79769313486232E308: beyond a full turn"},
        // Values every check passes that the array cannot be set up with.
        {"29 hung", [](VenueData& d, TSplay&) { d.ArrayType = "MIXArvoBexa"; d.NumBoxes1 = 29; },
         "Range check error: MIXArvoBexa array cannot be set up with NumBoxes1 = 29", true},
        {"stack of none", [](VenueData& d, TSplay&) {
             d.ArrayType = "Hoba"; d.NumBoxes1 = 0; d.RigMode = 2; d.PickOption = 6; },
         "Range check error: Hoba array cannot be set up with NumBoxes1 = 0", true},
        {"unknown type", [](VenueData& d, TSplay&) { d.ArrayType = "Zebra"; },
         "Unknown array type \"Zebra\""},
        // Finite values so far apart that the design's arithmetic runs
        // past the largest number (found by the hand-over fuzzer).
        {"design past the largest number", [](VenueData& d, TSplay&) {
             d.ArrayType = "MIXIvorElka"; d.NumBoxes1 = 7; d.NumBoxes2 = 15; d.NumBoxes3 = 15;
             d.AutoDesign = true; d.PickOption = 2; d.LiftBarPosition = 2;
             d.ArrayHeight = 92.52; d.MaxPickHeight = 174.17; d.MinTrimHeight = 23.13;
             d.Plane1Length = 23.13; d.Plane1Height = 285.34;
             d.Plane2Length = 92.52; d.Plane2Height = 0; d.Plane2Elevation = 2.55;
             d.Plane3Length = 6.8316723273562165e-308; d.Plane3Height = -53.76;
             d.Plane3Distance = 307.2; d.Plane3Elevation = 0;
             d.CoverageStart = -4.044547373634982e+307; d.CoverageStop = -2.56;
             d.Plane1EarHeight = 1.2; d.Plane2EarHeight = 133.21; d.Plane3EarHeight = 23.13;
             d.FTValue = 92.52; },
         "Range check error: the design gives no finite array for these venue values", true},
    };
    v.SetVenueData(FlatFloor(splay, "Arvo", 8));
    const TSplay good = splay;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        splay = good;
        VenueData d = FlatFloor(splay, "Arvo", 8);
        d.VenueName = "new";
        c.edit(d, splay);
        const std::vector<std::string> before = Describe(v, splay);
        EXPECT_EQ(ErrorOf([&] { v.SetVenueData(d); }), c.error);
        EXPECT_EQ(Describe(v, splay), before);
        if (!c.bySetUp) {
            EXPECT_EQ(ErrorOf([&] { v.ApplyVenueData(d); }), c.error);
            EXPECT_EQ(Describe(v, splay), before);
        }
    }
    // Still the designed Arvo x 8, and it takes a good hand-over.
    EXPECT_EQ(v.VenueName, "flat");
    EXPECT_NO_THROW(v.SetVenueData(FlatFloor(splay, "Bexa", 12)));
    EXPECT_EQ(v.ArrayType, "Bexa");
    EXPECT_EQ(v.LSArray->ElementCount, 12);
}

TEST_F(HandOver, RefusalAfterTheDesignPutsBackTheCallersNewSplayList) {
    v.SetVenueData(FlatFloor(splay, "Arvo", 8));
    TSplay other;
    for (int i = 0; i <= 40; ++i) other.Angle[i] = 0.5 * i;
    const TSplay otherBefore = other;
    const std::vector<std::string> before = Describe(v, splay);
    // The design runs on `other` before the rig evaluation refuses 29.
    VenueData d = FlatFloor(other, "MIXArvoBexa", 29);
    EXPECT_NE(ErrorOf([&] { v.SetVenueData(d); }), "");
    EXPECT_EQ(Describe(v, splay), before);
    for (int i = 0; i <= 40; ++i) EXPECT_EQ(other.Angle[i], otherBefore.Angle[i]) << i;
}

TEST_F(HandOver, ValuesAtTheirLimitsAreTaken) {
    const struct {
        const char* what;
        std::function<void(VenueData&)> edit;
    } cases[] = {
        // The rigging library takes 30 elements: 29 cabinets and the grid.
        {"29 cabinets hung", [](VenueData& d) { d.NumBoxes1 = 29; }},
        {"20 + 20 on the ground",
         [](VenueData& d) { d.ArrayType = "MIXArvoBexa"; d.NumBoxes1 = 20; d.NumBoxes2 = 20;
                            d.RigMode = 2; d.PickOption = 6; d.ArrayHeight = 1.0; }},
        {"tiny force", [](VenueData& d) { d.FTValue = 1e-9; }},
        {"stacked", [](VenueData& d) { d.RigMode = 2; d.PickOption = 6; d.ArrayHeight = 1.0; }},
        {"huge but finite", [](VenueData& d) { d.Plane3Distance = 1e300; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        VenueData d = FlatFloor(splay, "Arvo", 8);
        c.edit(d);
        EXPECT_EQ(ErrorOf([&] { v.SetVenueData(d); }), "");
    }
}
