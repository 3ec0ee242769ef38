// Grading of safety factors and the warnings window's choice of tips.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "model/advice/rig_grading.h"

namespace {

using advice::CogLine;
using advice::RigGrade;
using advice::WarningLayout;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(RigGrading, SafetyFactorBounds) {
    const struct {
        double sf;
        RigGrade grade;
    } cases[] = {
        {-1.0, RigGrade::Unsafe}, {0.0, RigGrade::Unsafe},   {4.99, RigGrade::Unsafe},
        {std::nextafter(5.0, 0.0), RigGrade::Unsafe},        {5.0, RigGrade::Caution},
        {6.0, RigGrade::Caution}, {6.99, RigGrade::Caution}, {std::nextafter(7.0, 0.0), RigGrade::Caution},
        {7.0, RigGrade::Safe},    {120.0, RigGrade::Safe},   {kInf, RigGrade::Safe},
        {-kInf, RigGrade::Unsafe}, {kNaN, RigGrade::Unsafe},
    };
    for (const auto& c : cases)
        EXPECT_EQ(advice::GradeOfSafetyFactor(c.sf), c.grade) << c.sf;
}

TEST(RigGrading, ColoursAndLevels) {
    EXPECT_EQ(advice::GradeColour(RigGrade::Unsafe), (advice::GradeRgb{0xFF, 0x00, 0x00}));
    EXPECT_EQ(advice::GradeColour(RigGrade::Caution), (advice::GradeRgb{0xFF, 0xFF, 0x00}));
    EXPECT_EQ(advice::GradeColour(RigGrade::Safe), (advice::GradeRgb{0x00, 0x80, 0x00}));
    const struct {
        uint8_t level;
        RigGrade grade;
    } levels[] = {{0, RigGrade::Safe},   {1, RigGrade::Caution}, {2, RigGrade::Unsafe},
                  {3, RigGrade::Unsafe}, {255, RigGrade::Unsafe}};
    for (const auto& l : levels) EXPECT_EQ(advice::GradeOfLevel(l.level), l.grade) << int(l.level);
}

TEST(RigGrading, AdviceTexts) {
    const auto& t = advice::AdviceTexts();
    EXPECT_EQ(t[0], "Try increasing the Coverage Start position");
    EXPECT_EQ(t[7], "Center of gravity is not between the grid pick points");
    EXPECT_EQ(t[14], "Check that lift bar is in front position`");
    EXPECT_EQ(t[17], "Adjust grid angle until C.O.G. is between pick points");
}

// A safe flown rig; each case changes a few figures.
advice::RigWarningInput SafeRig() {
    advice::RigWarningInput in;
    in.PickOption = 1;
    in.FrontPickLoad = 500;
    in.RearPickLoad = 400;
    in.GridFrontSF = 8;
    in.GridRearSF = 9;
    in.CouplingFrontSF = 10;
    in.CouplingRearSF = 11;
    in.BestHole = 3;
    in.RigMode = 1;
    return in;
}

// Tips as advice numbers; -1 is "Unsafe".
std::vector<std::string> Tips(std::vector<int> numbers) {
    std::vector<std::string> t;
    for (int n : numbers)
        t.push_back(n < 0 ? std::string("Unsafe") : advice::AdviceTexts()[static_cast<std::size_t>(n)]);
    t.resize(7);
    return t;
}

TEST(RigGrading, RowsAndTips) {
    const RigGrade S = RigGrade::Safe, C = RigGrade::Caution, U = RigGrade::Unsafe;
    struct Case {
        const char* name;
        void (*change)(advice::RigWarningInput&);
        std::array<RigGrade, 4> rows;
        CogLine cog;
        std::vector<int> tips;
    };
    const Case cases[] = {
        {"all safe", [](advice::RigWarningInput&) {}, {S, S, S, S}, CogLine::Between, {}},
        {"front caution", [](advice::RigWarningInput& r) { r.GridFrontSF = 6; }, {C, S, S, S},
         CogLine::Between, {8, 0, 2, 3, 6, 12}},
        {"front unsafe", [](advice::RigWarningInput& r) { r.GridFrontSF = 4; }, {U, S, S, S},
         CogLine::Between, {8, 0, 2, 3, 6, 12}},
        {"front load negative, factor high",
         [](advice::RigWarningInput& r) {
             r.FrontPickLoad = -20;
             r.GridFrontSF = 9;
         },
         {U, S, S, S}, CogLine::NotBetween, {7, 0, 2, 3, 6, 12, 15}},
        {"front load negative, factor at caution",
         [](advice::RigWarningInput& r) {
             r.FrontPickLoad = -20;
             r.GridFrontSF = 6;
         },
         {U, S, S, S}, CogLine::NotBetween, {7, 0, 2, 3, 6, 12, 15}},
        {"front caution keeps its tips over an unsafe rear",
         [](advice::RigWarningInput& r) {
             r.GridFrontSF = 6;
             r.GridRearSF = 3;
             r.CouplingFrontSF = 2;
         },
         {C, U, U, S}, CogLine::Between, {8, 0, 2, 3, 6, 12}},
        {"rear unsafe", [](advice::RigWarningInput& r) { r.GridRearSF = 4; }, {S, U, S, S},
         CogLine::Between, {9, 1, 2, 4, 5, 13}},
        {"rear load negative",
         [](advice::RigWarningInput& r) {
             r.RearPickLoad = -1;
             r.GridRearSF = 12;
         },
         {S, U, S, S}, CogLine::NotBetween, {7, 1, 2, 4, 5, 13, 14}},
        {"rear factor not a number", [](advice::RigWarningInput& r) { r.GridRearSF = kNaN; },
         {S, U, S, S}, CogLine::Between, {9, 1, 2, 4, 5, 13}},
        {"front coupling unsafe", [](advice::RigWarningInput& r) { r.CouplingFrontSF = 2; },
         {S, S, U, S}, CogLine::Between, {10, -1}},
        {"rear coupling caution", [](advice::RigWarningInput& r) { r.CouplingRearSF = 6; },
         {S, S, S, C}, CogLine::Between, {11}},
        {"front coupling caution wins over rear unsafe",
         [](advice::RigWarningInput& r) {
             r.CouplingFrontSF = 5;
             r.CouplingRearSF = 1;
         },
         {S, S, C, U}, CogLine::Between, {10}},
        {"bounds: 5 yellow, 7 green",
         [](advice::RigWarningInput& r) {
             r.GridFrontSF = 5;
             r.GridRearSF = 7;
             r.CouplingFrontSF = 4.99;
             r.CouplingRearSF = 6.99;
         },
         {C, S, U, C}, CogLine::Between, {8, 0, 2, 3, 6, 12}},
        {"lift bar, one point, no usable hole",
         [](advice::RigWarningInput& r) {
             r.PickOption = 4;
             r.BestHole = -1;
         },
         {S, S, S, S}, CogLine::Hidden, {17}},
        {"lift bar, one point, usable hole",
         [](advice::RigWarningInput& r) {
             r.PickOption = 4;
             r.BestHole = 0;
         },
         {S, S, S, S}, CogLine::Hidden, {}},
    };
    for (const Case& c : cases) {
        advice::RigWarningInput in = SafeRig();
        c.change(in);
        const advice::RigWarnings w = advice::ChooseRigWarnings(in);
        EXPECT_EQ(w.Layout, WarningLayout::Flown) << c.name;
        EXPECT_EQ(w.Rows, c.rows) << c.name;
        EXPECT_EQ(w.Cog, c.cog) << c.name;
        EXPECT_EQ(std::vector<std::string>(w.Tips.begin(), w.Tips.end()), Tips(c.tips)) << c.name;
    }
}

TEST(RigGrading, LiftBarHoleFlags) {
    const struct {
        int pickOption, bestHole;
        bool gridRowsApply, noUsableHole;
    } cases[] = {{1, -1, true, false}, {4, -1, false, true}, {4, -7, false, true},
                 {4, 0, false, false}, {6, -1, true, false}};
    for (const auto& c : cases) {
        advice::RigWarningInput in = SafeRig();
        in.PickOption = c.pickOption;
        in.BestHole = c.bestHole;
        const advice::RigWarnings w = advice::ChooseRigWarnings(in);
        EXPECT_EQ(w.GridRowsApply, c.gridRowsApply) << c.pickOption << " " << c.bestHole;
        EXPECT_EQ(w.NoUsableHole, c.noUsableHole) << c.pickOption << " " << c.bestHole;
    }
}

TEST(RigGrading, RigModes) {
    advice::RigWarningInput in = SafeRig();
    in.RigMode = 2;
    in.GridFrontSF = 1;
    advice::RigWarnings w = advice::ChooseRigWarnings(in);
    EXPECT_EQ(w.Layout, WarningLayout::GroundStacked);
    EXPECT_EQ(w.Tips[0], "Fix Grid to floor ");
    EXPECT_EQ(w.Tips[1], "Reduce allowable horizontal pull/push force");
    for (std::size_t i = 2; i < 7; ++i) EXPECT_TRUE(w.Tips[i].empty()) << i;
    for (int mode : {0, 3, -1}) {
        in.RigMode = mode;
        EXPECT_EQ(advice::ChooseRigWarnings(in).Layout, WarningLayout::Unchanged) << mode;
    }
}

}  // namespace
