// Splay-angle steps of the array page, the mouse and the arrow keys.
#include <gtest/gtest.h>

#include "app/rules/splay_steps.h"

namespace {

using rules::ClickTarget;
using rules::ListChoice;
using rules::ListTarget;
namespace type = rules::type;

constexpr int F = rules::kFlown;
constexpr int S = rules::kGroundStacked;

TEST(SplaySteps, GridAngleQuarterDegreesWithoutBounds) {
    double a = 0.0;
    for (int k = 0; k < 4; ++k) a = rules::StepGridAngle(a, +1);
    EXPECT_EQ(a, 1.0);  // four ups are exactly one degree
    const struct {
        double angle;
        int direction;
        double after;
    } cases[] = {{0.0, -1, -0.25}, {-10.0, -1, -10.25}, {360.0, +1, 360.25}, {2.5, 0, 2.5}};
    for (const auto& c : cases)
        EXPECT_EQ(rules::StepGridAngle(c.angle, c.direction), c.after) << c.angle << " " << c.direction;
}

TEST(SplaySteps, IndexStepsStopAtBothEnds) {
    const struct {
        int index, direction, count, after;
    } cases[] = {
        {0, +1, 7, 1},   // full-size cabinet: 7 splay steps
        {5, +1, 7, 6},   {6, +1, 7, 6},  // the last choice stays
        {0, -1, 7, 0},   // 0 stays 0
        {3, -1, 7, 2},   {7, +1, 8, 7},  {2, +1, 4, 3}, {3, +1, 4, 3},  // allowed angles: 4 entries
        {8, -1, 4, 2},   // an index past the table comes back into it first
        {-3, +1, 4, 1},  {0, +1, 1, 0},  {0, -1, 1, 0}, {5, +1, 0, 0},  {4, 0, 9, 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rules::StepIndex(c.index, c.direction, c.count), c.after)
            << c.index << " " << c.direction << " of " << c.count;
}

TEST(SplaySteps, WhatAClickOrKeyChanges) {
    struct Case {
        const char* name;
        rules::ArrayType type;
        int rigMode, s, n1, direction;
        bool key;
        ClickTarget target;
    };
    const Case cases[] = {
        {"nothing selected", type::Arvo, F, -1, 8, +1, false, ClickTarget::Nothing},
        {"grid", type::Arvo, F, 0, 8, +1, false, ClickTarget::GridAngle},
        {"grid when stacked", type::Arvo, S, 0, 4, -1, true, ClickTarget::GridAngle},
        {"ordinary cabinet", type::Arvo, F, 5, 8, +1, false, ClickTarget::SplayStep},
        {"Hoba-Bexa joint", type::HobaBexa, F, 4, 4, -1, false, ClickTarget::AllowedAngle},
        {"Hoba-Bexa above the joint", type::HobaBexa, F, 3, 4, +1, false, ClickTarget::SplayStep},
        {"Hoba-Dovi joint raised by mouse", type::HobaDovi, F, 4, 4, +1, false, ClickTarget::Nothing},
        {"Hoba-Dovi joint lowered by mouse", type::HobaDovi, F, 4, 4, -1, false,
         ClickTarget::SplayStep},
        {"Hoba-Dovi joint raised by key", type::HobaDovi, F, 4, 4, +1, true, ClickTarget::Nothing},
        {"Hoba-Dovi joint lowered by key", type::HobaDovi, F, 4, 4, -1, true, ClickTarget::Nothing},
        {"cabinet on the stack bar", type::Arvo, S, 3, 4, +1, false, ClickTarget::GroundStackHole},
        {"same cabinet flown", type::Arvo, F, 3, 4, +1, false, ClickTarget::SplayStep},
        {"above the stack bar", type::Arvo, S, 2, 4, -1, true, ClickTarget::SplayStep},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rules::ClickTargetFor(c.type, c.rigMode, c.s, c.n1, c.direction, c.key), c.target)
            << c.name;
}

TEST(SplaySteps, WhatAListChoiceSets) {
    struct Case {
        const char* name;
        rules::ArrayType type;
        int rigMode, i, n1, n2;
        ListChoice choice;
    };
    const Case cases[] = {
        {"Arvo flown, element 5", type::Arvo, F, 5, 10, 0, {ListTarget::SplayStep, 5, 0}},
        {"DoviElka flown, the junction", type::DoviElka, F, 6, 6, 2, {ListTarget::JunctionAngle, 7, 0}},
        {"DoviElka flown, above the junction", type::DoviElka, F, 5, 6, 2,
         {ListTarget::SplayStep, 5, 0}},
        {"ArvoGiraF flown, the junction", type::ArvoGiraF, F, 8, 8, 1,
         {ListTarget::JunctionAngle, 9, 0}},
        {"BexaCadri flown, the junction", type::BexaCadri, F, 3, 3, 2,
         {ListTarget::JunctionAngle, 4, 0}},
        {"HobaBexa flown, the junction", type::HobaBexa, F, 4, 4, 6, {ListTarget::AllowedAngle, 0, 0}},
        {"IvorDovi flown, the junction", type::IvorDovi, F, 2, 2, 5, {ListTarget::ZeroJunction, 3, 0}},
        {"IvorElka flown, the junction", type::IvorElka, F, 3, 3, 4, {ListTarget::ZeroJunction, 4, 0}},
        {"IvorDoviElka flown, first junction", type::IvorDoviElka, F, 2, 2, 5,
         {ListTarget::ZeroJunction, 3, 0}},
        {"IvorDoviElka flown, second junction", type::IvorDoviElka, F, 7, 2, 5,
         {ListTarget::JunctionAngle, 8, 0}},
        {"IvorDovi flown, not a three-model type", type::IvorDovi, F, 7, 2, 5,
         {ListTarget::SplayStep, 7, 0}},
        {"Arvo stacked, the last element", type::Arvo, S, 3, 4, 0, {ListTarget::GroundStackHole, 0, 0}},
        {"DoviElka stacked, the last element", type::DoviElka, S, 4, 3, 2,
         {ListTarget::GroundStackHole, 0, 0}},
        {"DoviElka stacked, the last of the first model", type::DoviElka, S, 2, 3, 2,
         {ListTarget::JunctionAngle, 4, 2}},
        {"IvorElka stacked, the last of the first model", type::IvorElka, S, 1, 2, 3,
         {ListTarget::JunctionAngle, 3, 1}},
        {"ArvoBexa stacked, the last of the first model", type::ArvoBexa, S, 1, 2, 3,
         {ListTarget::SplayStep, 2, 0}},
        {"Arvo stacked, element 1", type::Arvo, S, 1, 4, 0, {ListTarget::SplayStep, 2, 0}},
        {"rig mode 0", type::Arvo, 0, 1, 4, 0, {ListTarget::Nothing, 0, 0}},
        {"rig mode 3", type::Arvo, 3, 1, 4, 0, {ListTarget::Nothing, 0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rules::ListChoiceFor(c.type, c.rigMode, c.i, c.n1, c.n2), c.choice) << c.name;
}

}  // namespace
