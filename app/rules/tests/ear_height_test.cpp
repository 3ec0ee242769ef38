#include <gtest/gtest.h>

#include "app/rules/array_type.h"
#include "app/rules/ear_height.h"

namespace {

using rules::EarChoice;

TEST(EarHeight, ChoiceOfAStoredHeightExcludesTheBounds) {
    const struct { double height; EarChoice want; } cases[] = {{1.4, EarChoice::Seated},   {1.36, EarChoice::Seated},   {1.35, EarChoice::Custom},
                 {1.45, EarChoice::Custom},  {1.76, EarChoice::Standing}, {1.75, EarChoice::Custom},
                 {1.85, EarChoice::Custom}};
    for (const auto& c : cases) EXPECT_EQ(rules::EarHeightChoice(c.height), c.want) << c.height;
}

TEST(EarHeight, Plane1EarHeightOfAStackIsHeldDownToItsStage) {
    // Seated 1.4, standing 1.8; flown the choice stands whatever the height.
    constexpr int S = rules::kGroundStacked;
    const double seated = rules::SeatedOrStanding(true), standing = rules::SeatedOrStanding(false);
    const struct { int rigMode; double stage, chosen, want; } cases[] = {{S, 1.0, seated, 1.0},   {S, 2.0, seated, 1.4}, {S, 1.7, standing, 1.7},
                 {S, 2.0, standing, 1.8}, {S, 3.0, 1.2, 1.2},    {rules::kFlown, 1.0, 1.8, 1.8}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(rules::Plane1EarHeight(c.rigMode, c.stage, c.chosen), c.want)
            << c.rigMode << " " << c.stage << " " << c.chosen;
}

}  // namespace
