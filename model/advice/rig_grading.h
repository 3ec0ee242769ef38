#pragma once
// The grading of a rig and the advice the warnings window gives for it.
//
// A safety factor below 5 is unsafe (red), from 5 to below 7 caution
// (yellow), from 7 safe (green): the same bounds as the rig's safety level.
// A factor that is not a number compares with nothing and is unsafe.

#include <array>
#include <cstdint>
#include <string>

#include "riglink/safety_bounds.h"

namespace advice {

enum class RigGrade : uint8_t { Safe = 0, Caution = 1, Unsafe = 2 };

using riglink::kCautionBelow;
using riglink::kUnsafeBelow;

constexpr RigGrade GradeOfSafetyFactor(double sf) {
    if (sf >= kCautionBelow) return RigGrade::Safe;
    if (sf >= kUnsafeBelow) return RigGrade::Caution;
    return RigGrade::Unsafe;  // below 5, or not a number
}

// A safety level byte as a grade; a level no rig gives counts as unsafe.
constexpr RigGrade GradeOfLevel(uint8_t level) {
    if (level == 0) return RigGrade::Safe;
    if (level == 1) return RigGrade::Caution;
    return RigGrade::Unsafe;
}

struct GradeRgb {
    uint8_t R, G, B;
    friend constexpr bool operator==(const GradeRgb&, const GradeRgb&) = default;
};

// Red FF0000, yellow FFFF00, green 008000.
constexpr GradeRgb GradeColour(RigGrade g) {
    switch (g) {
        case RigGrade::Safe: return {0x00, 0x80, 0x00};
        case RigGrade::Caution: return {0xFF, 0xFF, 0x00};
        case RigGrade::Unsafe: break;
    }
    return {0xFF, 0x00, 0x00};
}

// The 18 advice texts of the warnings window, numbered 0..17.
inline constexpr std::size_t kAdviceCount = 18;
const std::array<std::string, kAdviceCount>& AdviceTexts();

// What the main window hands to the warnings window.  Loads in kilograms.
struct RigWarningInput {
    int PickOption = 1;  // 4: one-point lift from a lift bar
    double FrontPickLoad = 0, RearPickLoad = 0;
    double GridFrontSF = 0, GridRearSF = 0;
    double CouplingFrontSF = 0, CouplingRearSF = 0;
    int BestHole = 0;  // best lift-bar hole, -1 when none lies within reach
    int RigMode = 1;   // 1 flown, 2 ground-stacked
};

enum class WarningRow { GridFront = 0, GridRear = 1, CabinetFront = 2, CabinetRear = 3 };
enum class CogLine { Hidden, Between, NotBetween };
enum class WarningLayout { Flown, GroundStacked, Unchanged };

struct RigWarnings {
    WarningLayout Layout = WarningLayout::Unchanged;
    // Flown: the grade of each row, by WarningRow.  A negative pick load
    // makes its grid row unsafe whatever the factor.
    std::array<RigGrade, 4> Rows{RigGrade::Unsafe, RigGrade::Unsafe, RigGrade::Unsafe,
                                 RigGrade::Unsafe};
    CogLine Cog = CogLine::Hidden;
    // One-point lift from a lift bar: the grid rows do not apply; without a
    // usable hole the window says so in place of the grid front row.
    bool GridRowsApply = true;
    bool NoUsableHole = false;
    // The seven tip lines; empty lines are empty strings.
    std::array<std::string, 7> Tips{};
};

// The grades, the centre-of-gravity line and the tips for one rig.  The
// first row at caution or unsafe (grid front, grid rear, cabinet front,
// cabinet rear) chooses the tips; the grid front row's always win.
RigWarnings ChooseRigWarnings(const RigWarningInput& in);

}  // namespace advice
