// Places of the printed array report's blocks, worked by hand for an A4
// page at 150 dpi (1240 x 1754 pixels).
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "app/rules/print_layout.h"

namespace {

using rules::PrintRect;
namespace type = rules::type;

constexpr int PW = 1240, PH = 1754;

TEST(PrintLayout, FirstPageBlocks) {
    const rules::ArrayReportLayout L =
        rules::ArrayReportLayoutFor(type::Arvo, rules::kFlown, PW, PH);
    struct Case {
        const char* block;
        PrintRect got, want;
    };
    const Case cases[] = {
        {"side view", L.SideView, {0, 0, 620, 789}},
        {"splay table", L.SplayTable, {620, 0, 610, 877}},
        {"flying detail", L.FlyingDetail, {1, 877, 818, 526}},
        {"dimensions", L.Dimensions, {413, 789, 206, 88}},
        {"controller", L.Controller, {818, 877, 414, 307}},
        {"mechanical report", L.Mechanical, {818, 1184, 414, 219}},
    };
    for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.block;
    EXPECT_FALSE(L.StackFlyingDetail);
    EXPECT_FALSE(L.HoleDetail);
    EXPECT_FALSE(L.ExtraHeader);
}

TEST(PrintLayout, GroundStackedAddsNarrowFlyingDetailAndHoleDetail) {
    const rules::ArrayReportLayout L =
        rules::ArrayReportLayoutFor(type::Dovi, rules::kGroundStacked, PW, PH);
    ASSERT_TRUE(L.StackFlyingDetail);
    ASSERT_TRUE(L.HoleDetail);
    EXPECT_EQ(*L.StackFlyingDetail, (PrintRect{1, 877, 546, 526}));
    EXPECT_EQ(*L.HoleDetail, (PrintRect{546, 965, 273, 702}));
    EXPECT_EQ(*L.HoleDetailShown, (PrintRect{546, 965, 273, 438}));
}

// No block of the first page covers another or passes the page, for pages
// of A4 and letter at several resolutions, flown and stacked (the flying
// detail lies under the narrower one when stacked, which replaces it).
TEST(PrintLayout, BlocksNeitherOverlapNorLeaveThePage) {
    const auto overlap = [](const PrintRect& a, const PrintRect& b) {
        return std::max(a.Left, b.Left) < std::min(a.Left + a.Width, b.Left + b.Width) - 1 &&
               std::max(a.Top, b.Top) < std::min(a.Top + a.Height, b.Top + b.Height) - 1;
    };
    const struct { int w, h; } pages[] = {{1240, 1754}, {2244, 3272}, {2244, 3408}, {4961, 7016}};
    for (const auto& page : pages) {
        for (int rig : {rules::kFlown, rules::kGroundStacked}) {
            const auto L = rules::ArrayReportLayoutFor(type::Arvo, rig, page.w, page.h);
            std::vector<PrintRect> blocks = {L.SideView, L.SplayTable, L.Dimensions, L.Controller,
                                             L.Mechanical, L.PatchDiagrams.front().Area};
            blocks.push_back(rig == rules::kFlown ? L.FlyingDetail : *L.StackFlyingDetail);
            if (L.HoleDetailShown) blocks.push_back(*L.HoleDetailShown);
            for (size_t i = 0; i < blocks.size(); ++i) {
                EXPECT_LT(blocks[i].Left + blocks[i].Width, page.w) << page.w << " block " << i;
                EXPECT_LE(blocks[i].Top + blocks[i].Height, page.h) << page.w << " block " << i;
                for (size_t k = i + 1; k < blocks.size(); ++k)
                    EXPECT_FALSE(overlap(blocks[i], blocks[k])) << page.w << " blocks " << i << " " << k;
            }
        }
    }
}

TEST(PrintLayout, PatchDiagramsPerType) {
    // Flags: titles, rack 1, rack 2, rack 3, second model.
    struct Case {
        rules::ArrayType type;
        int count;
        PrintRect first;
        std::array<bool, 5> firstFlags;
        std::array<bool, 5> secondFlags;
    };
    const PrintRect one{0, 1403, 1230, 351}, left{0, 1403, 615, 351};
    const std::array<bool, 5> all{false, true, true, true, false};
    const std::array<bool, 5> r2{false, false, true, false, false}, r1{false, true, false, false, false};
    const std::array<bool, 5> none{};
    const Case cases[] = {
        {type::Arvo, 1, one, all, none},
        {type::Bexa, 1, one, all, none},
        {type::ArvoBexa, 1, one, all, none},
        {type::Hoba, 1, one, all, none},
        {type::ArvoGiraF, 1, one, all, none},
        {type::Ivor, 1, one, all, none},
        {type::BexaCadri, 1, one, all, none},
        {type::Dovi, 2, left, r2, r1},
        {type::HobaDovi, 2, left, r2, r1},
        {type::Elka, 2, left, r2, r1},
        {type::DoviElka, 2, left, r2, r1},
        {type::IvorDovi, 2, left, r2, r1},
        {type::IvorElka, 2, left, r2, r1},
        {type::IvorDoviElka, 2, left, r2, r1},
        {type::BexaDovi, 2, left, {false, false, true, false, true}, {false, true, false, false, true}},
    };
    for (const Case& c : cases) {
        const auto L = rules::ArrayReportLayoutFor(c.type, rules::kFlown, PW, PH);
        ASSERT_EQ(static_cast<int>(L.PatchDiagrams.size()), c.count) << int(c.type);
        EXPECT_EQ(L.PatchDiagrams[0].Area, c.first) << int(c.type);
        EXPECT_EQ(L.PatchDiagrams[0].Flags, c.firstFlags) << int(c.type);
        if (c.count == 2) {
            EXPECT_EQ(L.PatchDiagrams[1].Area, (PrintRect{615, 1403, 615, 351})) << int(c.type);
            EXPECT_EQ(L.PatchDiagrams[1].Flags, c.secondFlags) << int(c.type);
        }
    }
}

TEST(PrintLayout, ExtraPageForTwoTypes) {
    struct Case {
        rules::ArrayType type;
        bool extra;
        bool secondModel;
    };
    const Case cases[] = {{type::ArvoBexa, true, true},
                          {type::BexaDovi, true, false},
                          {type::Arvo, false, false},
                          {type::Dovi, false, false},
                          {type::BexaCadri, false, false}};
    for (const Case& c : cases) {
        const auto L = rules::ArrayReportLayoutFor(c.type, rules::kFlown, PW, PH);
        ASSERT_EQ(L.ExtraHeader.has_value(), c.extra) << int(c.type);
        ASSERT_EQ(L.ExtraPatchDiagram.has_value(), c.extra) << int(c.type);
        if (!c.extra) continue;
        EXPECT_EQ(*L.ExtraHeader, (PrintRect{0, 0, 1240, 175}));
        EXPECT_EQ(L.ExtraPatchDiagram->Area, (PrintRect{0, 175, 1230, 351}));
        const std::array<bool, 5> want{false, true, true, true, c.secondModel};
        EXPECT_EQ(L.ExtraPatchDiagram->Flags, want) << int(c.type);
    }
}

TEST(PrintLayout, HalvesRoundToEvenAndEmptyPagesAreRefused) {
    // (1241 - 10) / 2 = 615.5 rounds to 616.
    const auto L = rules::ArrayReportLayoutFor(type::Dovi, rules::kFlown, 1241, PH);
    EXPECT_EQ(L.PatchDiagrams[1].Area.Left, 616);
    EXPECT_THROW(rules::ArrayReportLayoutFor(type::Arvo, 1, 0, PH), std::exception);
    EXPECT_THROW(rules::ArrayReportLayoutFor(type::Arvo, 1, PW, -5), std::exception);
}

}  // namespace
