// What the array page's rows offer and show, their numbers and the lifting
// bar's level colour.
#include <gtest/gtest.h>

#include "app/rules/array_page.h"

namespace {

using rules::ListColour;
using rules::ListItems;
using rules::RowBox;
using rules::RowList;
using rules::RowShows;
using rules::RowText;
namespace type = rules::type;

constexpr int F = rules::kFlown;
constexpr int S = rules::kGroundStacked;
constexpr RowBox A = RowBox::First;
constexpr RowBox B = RowBox::Second;

TEST(ArrayPageRules, WindowsColoursAreBlueGreenRed) {
    const struct {
        std::uint32_t bgr;
        rules::Rgb rgb;
    } cases[] = {
        {rules::kSkyBlue, {0xA6, 0xCA, 0xF0}},
        {rules::kMoneyGreen, {0xC0, 0xDC, 0xC0}},
        {rules::kOlive, {0x80, 0x80, 0x00}},
        {rules::kRed, {0xFF, 0x00, 0x00}},
        {0x123456, {0x56, 0x34, 0x12}},
    };
    for (const auto& c : cases) EXPECT_EQ(rules::FromWindowsColour(c.bgr), c.rgb) << std::hex << c.bgr;
}

TEST(ArrayPageRules, LiftBarLevelColour) {
    const struct {
        double top, bar;
        std::uint32_t colour;
    } cases[] = {
        {2.0, -1.5, rules::kOlive},   // d = 0.5
        {0.3, 0.0, rules::kBlack},    // d = 0.3 exactly
        {1.8, -1.5, rules::kBlack},   // reads 0.3
        {0.61, 0.0, rules::kRed},     // d = 0.61
        {-2.11, 1.5, rules::kRed},    // d = |-0.61|
        {0.6, 0.0, rules::kOlive},    // d = 0.6 exactly
        {1.0, -1.25, rules::kBlack},  // d = 0.25
        {-1.0, 0.5, rules::kOlive},   // d = 0.5 below level
        {0.0, 0.0, rules::kBlack},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rules::LiftBarLevelColour(c.top, c.bar), c.colour) << c.top << " " << c.bar;
}

TEST(ArrayPageRules, ListItemsAndColourPerRow) {
    struct Case {
        const char* name;
        rules::ArrayType type;
        int rigMode;
        RowBox box;
        int k, n1, n2;
        RowList list;
    };
    const Case cases[] = {
        {"Arvo flown", type::Arvo, F, A, 5, 10, 0, {ListItems::L1, ListColour::MoneyGreen}},
        {"Bexa flown", type::Bexa, F, B, 5, 10, 0, {ListItems::L2, ListColour::MoneyGreen}},
        {"HobaBexa joint", type::HobaBexa, F, B, 4, 4, 6, {ListItems::L3, ListColour::MoneyGreen}},
        {"DoviElka joint", type::DoviElka, F, B, 6, 6, 2, {ListItems::L3, ListColour::MoneyGreen}},
        {"DoviElka below the joint", type::DoviElka, F, B, 7, 6, 2,
         {ListItems::L2, ListColour::MoneyGreen}},
        {"IvorElka joint", type::IvorElka, F, B, 3, 3, 4, {ListItems::L3, ListColour::MoneyGreen}},
        {"ArvoBexa joint", type::ArvoBexa, F, B, 5, 5, 3, {ListItems::L1, ListColour::MoneyGreen}},
        {"RuddBexa joint", type::RuddBexa, F, B, 2, 2, 3, {ListItems::L1, ListColour::MoneyGreen}},
        {"HobaDovi joint", type::HobaDovi, F, B, 4, 4, 3, {ListItems::L6, ListColour::MoneyGreen}},
        {"RuddArvo joint", type::RuddArvo, F, B, 4, 4, 3, {ListItems::L2, ListColour::MoneyGreen}},
        {"IvorDoviElka first joint", type::IvorDoviElka, F, B, 2, 2, 4,
         {ListItems::L2, ListColour::Unchanged}},
        {"IvorDoviElka Dovi", type::IvorDoviElka, F, B, 5, 2, 4, {ListItems::L3, ListColour::Unchanged}},
        {"IvorDoviElka second joint", type::IvorDoviElka, F, B, 6, 2, 4,
         {ListItems::L4, ListColour::Unchanged}},
        {"IvorDoviElka Elka", type::IvorDoviElka, F, B, 7, 2, 4, {ListItems::L5, ListColour::Unchanged}},
        {"IvorDoviElka above the Dovi", type::IvorDoviElka, F, B, 1, 2, 4, {}},
        {"IvorDoviElka first box", type::IvorDoviElka, F, A, 1, 2, 4,
         {ListItems::L1, ListColour::MoneyGreen}},
        {"Arvo stacked, on the bar", type::Arvo, S, A, 3, 4, 0, {ListItems::StackBar, ListColour::SkyBlue}},
        {"Arvo stacked, above", type::Arvo, S, A, 2, 4, 0, {ListItems::L1, ListColour::Window}},
        {"Bexa stacked, on the bar", type::Bexa, S, B, 5, 6, 0, {ListItems::StackBar, ListColour::SkyBlue}},
        {"Bexa stacked, above", type::Bexa, S, B, 4, 6, 0, {ListItems::L2, ListColour::Window}},
        {"DoviElka stacked, last Dovi", type::DoviElka, S, A, 3, 4, 2, {ListItems::L3, ListColour::Window}},
        {"DoviElka stacked, last Elka", type::DoviElka, S, B, 5, 4, 2,
         {ListItems::StackBar, ListColour::SkyBlue}},
        {"DoviElka stacked, first Elka", type::DoviElka, S, B, 4, 4, 2, {ListItems::L2, ListColour::Window}},
        {"BexaCadri stacked, last Bexa in 2nd box", type::BexaCadri, S, B, 3, 4, 2,
         {ListItems::L2, ListColour::Window}},
        {"rig mode 0", type::Arvo, 0, A, 1, 4, 0, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rules::RowListFor(c.type, c.rigMode, c.box, c.k, c.n1, c.n2), c.list) << c.name;
}

TEST(ArrayPageRules, WhatEachRowShows) {
    struct Case {
        const char* name;
        rules::ArrayType type;
        int rigMode, k, n1, n2;
        RowText text;
    };
    const Case cases[] = {
        {"Arvo flown", type::Arvo, F, 5, 10, 0, {RowShows::SplayLabel, 5}},
        {"Arvo flown, last", type::Arvo, F, 9, 10, 0, {RowShows::SplayLabel, 9}},
        {"Arvo stacked, last", type::Arvo, S, 3, 4, 0, {RowShows::StackBarValue, 3}},
        {"DoviElka flown joint", type::DoviElka, F, 6, 6, 2, {RowShows::JoinAngle, 7}},
        {"DoviElka stacked joint", type::DoviElka, S, 6, 6, 3, {RowShows::SplayLabel, 7}},
        {"DoviElka stacked last Dovi", type::DoviElka, S, 5, 6, 3, {RowShows::JoinAngle, 7}},
        {"DoviElka stacked last Elka", type::DoviElka, S, 8, 6, 3, {RowShows::StackBarValue, 7}},
        {"BexaCadri stacked last Cadri", type::BexaCadri, S, 4, 3, 2, {RowShows::StackBarValue, 4}},
        {"ArvoGiraF flown joint", type::ArvoGiraF, F, 8, 8, 1, {RowShows::JoinAngle, 9}},
        {"ArvoGiraF stacked, last Arvo", type::ArvoGiraF, S, 7, 8, 1, {RowShows::StackBarValue, 7}},
        {"HobaBexa joint", type::HobaBexa, F, 4, 4, 6, {RowShows::AllowedAngle, 4}},
        {"ArvoBexa joint", type::ArvoBexa, F, 5, 5, 3, {RowShows::SplayLabel, 4}},
        {"RuddBexa joint", type::RuddBexa, F, 2, 2, 3, {RowShows::SplayLabel, 1}},
        {"RuddArvo joint: its own", type::RuddArvo, F, 4, 4, 3, {RowShows::SplayLabel, 4}},
        {"IvorDovi joint", type::IvorDovi, F, 2, 2, 5, {RowShows::SplayAngle, 2}},
        {"IvorElka joint", type::IvorElka, F, 3, 3, 4, {RowShows::SplayAngle, 3}},
        {"IvorDoviElka first joint", type::IvorDoviElka, F, 2, 2, 4, {RowShows::SplayAngle, 2}},
        {"IvorDoviElka second joint", type::IvorDoviElka, F, 6, 2, 4, {RowShows::SplayAngle, 6}},
        {"IvorDoviElka Elka", type::IvorDoviElka, F, 7, 2, 4, {RowShows::SplayLabel, 7}},
        {"Bexa: no joint in one model", type::Bexa, F, 4, 4, 0, {RowShows::SplayLabel, 4}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rules::RowTextFor(c.type, c.rigMode, c.k, c.n1, c.n2), c.text) << c.name;
}

TEST(ArrayPageRules, RowsInUse) {
    struct Case {
        rules::ArrayType type;
        RowBox box;
        int k, n1, n2, n3;
        bool inUse;
    };
    const Case cases[] = {
        {type::Arvo, A, 9, 10, 0, 0, true},   {type::Arvo, A, 10, 10, 0, 0, false},
        {type::Arvo, B, 0, 10, 0, 0, false},  {type::Ivor, A, 0, 3, 0, 0, true},
        {type::Bexa, A, 0, 6, 0, 0, false},   {type::Bexa, B, 5, 6, 0, 0, true},
        {type::Elka, B, 6, 6, 0, 0, false},   {type::DoviElka, A, 5, 6, 2, 0, true},
        {type::DoviElka, A, 6, 6, 2, 0, false}, {type::DoviElka, B, 5, 6, 2, 0, false},
        {type::DoviElka, B, 6, 6, 2, 0, true},  {type::DoviElka, B, 7, 6, 2, 0, true},
        {type::DoviElka, B, 8, 6, 2, 0, false}, {type::IvorDoviElka, B, 8, 2, 4, 3, true},
        {type::IvorDoviElka, B, 9, 2, 4, 3, false}, {type::Arvo, A, -1, 10, 0, 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rules::RowInUse(c.type, c.box, c.k, c.n1, c.n2, c.n3), c.inUse)
            << int(c.type) << " box " << (c.box == A ? 1 : 2) << " k " << c.k;
}

TEST(ArrayPageRules, RowNumbers) {
    struct Case {
        rules::ArrayType type;
        int rigMode;
        RowBox box;
        int k, n1;
        const char* number;
    };
    const Case cases[] = {
        {type::Arvo, F, A, 0, 10, "1"},       {type::Arvo, F, A, 9, 10, "10"},
        {type::Bexa, S, B, 3, 4, "4"},        {type::DoviElka, F, B, 6, 6, "1*"},
        {type::DoviElka, F, B, 7, 6, "2"},    {type::DoviElka, F, A, 5, 6, "6"},
        {type::DoviElka, S, A, 5, 6, "6*"},   {type::DoviElka, S, B, 6, 6, "1"},
        {type::ArvoGiraF, F, B, 8, 8, "1*"},  {type::BexaCadri, S, A, 3, 4, "4*"},
        {type::ArvoBexa, F, B, 5, 5, "1"},    {type::ArvoBexa, S, A, 4, 5, "5"},
        {type::IvorDoviElka, F, B, 2, 2, "1"}, {type::HobaBexa, F, B, 9, 4, "6"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rules::RowNumber(c.type, c.rigMode, c.box, c.k, c.n1), c.number)
            << int(c.type) << " k " << c.k;
}

}  // namespace
