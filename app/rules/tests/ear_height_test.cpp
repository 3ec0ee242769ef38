// Seated, standing and custom ear heights, and the plane-1 ear height of a
// ground stack.
#include <gtest/gtest.h>

#include "app/rules/array_type.h"
#include "app/rules/ear_height.h"

namespace {

using rules::EarChoice;
constexpr int F = rules::kFlown;
constexpr int S = rules::kGroundStacked;

TEST(EarHeight, ChoiceOfAStoredHeight) {
    const struct {
        double height;
        EarChoice want;
    } cases[] = {
        {1.4, EarChoice::Seated},    {1.36, EarChoice::Seated},   {1.44, EarChoice::Seated},
        {1.35, EarChoice::Custom},   {1.45, EarChoice::Custom},   {1.8, EarChoice::Standing},
        {1.76, EarChoice::Standing}, {1.75, EarChoice::Custom},   {1.85, EarChoice::Custom},
        {1.5, EarChoice::Custom},    {0.0, EarChoice::Custom},    {-1.4, EarChoice::Custom},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rules::EarHeightChoice(c.height), c.want) << c.height;
}

TEST(EarHeight, StackedPlane1EarHeightFollowsTheStage) {
    const struct {
        double stage;
        bool seated;
        double want;
    } cases[] = {
        {1.0, true, 1.0},  {2.0, true, 1.4},  {1.4, true, 1.4},  {1.39, true, 1.39},
        {1.41, true, 1.4}, {1.7, false, 1.7}, {2.0, false, 1.8}, {1.8, false, 1.8},
        {1.4, false, 1.4}, {0.0, true, 0.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(rules::StackedEarHeight(c.stage, rules::SeatedOrStanding(c.seated)), c.want)
            << c.stage << (c.seated ? " seated" : " standing");
}

TEST(EarHeight, Plane1EarHeightOfEitherRigMode) {
    // A custom choice is held down to the stage the same way; flown, the
    // choice stands whatever the array height.
    const struct {
        int rigMode;
        double stage, chosen, want;
    } cases[] = {
        {S, 0.5, 1.2, 0.5}, {S, 1.6, 1.8, 1.6}, {S, 3.0, 1.2, 1.2},
        {F, 1.0, 1.8, 1.8}, {F, 6.0, 1.4, 1.4},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(rules::Plane1EarHeight(c.rigMode, c.stage, c.chosen), c.want)
            << c.rigMode << " " << c.stage << " " << c.chosen;
}

}  // namespace
