// The main window's docking, page sizes, dpi scaling and page scrolling.
#include <gtest/gtest.h>

#include "platform/core/errors.h"
#include "app/rules/picture_layout.h"

namespace {

using rules::Box;
using rules::Dock;
using rules::Extent;

TEST(PictureLayout, DockingTakesTopBottomLeftThenClient) {
    const Box area{0, 40, 800, 560};
    const struct {
        const char* what;
        std::vector<rules::Docked> items;
        std::vector<Box> boxes;
    } cases[] = {
        {"venue page: pages at the bottom, picture above",
         {{Dock::Bottom, 206}, {Dock::Client, 0}},
         {{0, 394, 800, 206}, {0, 40, 800, 354}}},
        {"array page: pages at the left, picture right of them",
         {{Dock::Left, 556}, {Dock::Client, 0}},
         {{0, 40, 556, 560}, {556, 40, 244, 560}}},
        {"amplifier page after the venue page: picture on top first",
         {{Dock::Bottom, 206}, {Dock::Top, 150}},
         {{0, 394, 800, 206}, {0, 40, 800, 150}}},
        {"a size larger than the area is cut to it",
         {{Dock::Left, 1000}, {Dock::Client, 0}},
         {{0, 40, 800, 560}, {800, 40, 0, 560}}},
        {"a negative size counts as nothing; None stays empty",
         {{Dock::Top, -5}, {Dock::None, 99}, {Dock::Client, 0}},
         {{0, 40, 800, 0}, {0, 0, 0, 0}, {0, 40, 800, 560}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(rules::DockLayout(area, c.items), c.boxes);
    }
}

TEST(PictureLayout, PagesAt96And120DotsPerInch) {
    const rules::PageMeasures m{96, 550, 700};
    const struct {
        int page;
        double dpi;
        Dock pageAlign;
        int pageSize;
        Dock pictureAlign;
        int pictureSize, patchPanel;
    } cases[] = {
        {0, 96, Dock::Bottom, 206, Dock::Client, 0, 0},
        {0, 120, Dock::Bottom, 206, Dock::Client, 0, 0},  // measured, not scaled
        {1, 96, Dock::Left, 556, Dock::Client, 0, 0},
        {2, 96, Dock::Left, 315, Dock::Client, 0, 160},
        {2, 120, Dock::Left, 394, Dock::Client, 0, 200},  // 393.75 and 200
        {2, 144, Dock::Left, 472, Dock::Client, 0, 240},  // 472.5 to the even 472
        {3, 96, Dock::None, 0, Dock::Top, 175, 0},
        {4, 96, Dock::None, 0, Dock::None, 0, 0},
        {-1, 96, Dock::None, 0, Dock::None, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "page " << c.page << " at " << c.dpi);
        const rules::PageDock d = rules::PageDockFor(c.page, c.dpi, m);
        EXPECT_EQ(d.PageAlign, c.pageAlign);
        EXPECT_EQ(d.PageSize, c.pageSize);
        EXPECT_EQ(d.PictureAlign, c.pictureAlign);
        EXPECT_EQ(d.PictureSize, c.pictureSize);
        EXPECT_EQ(d.PatchPanelHeight, c.patchPanel);
    }
}

TEST(PictureLayout, DpiScalingRoundsHalvesToEvenAndRefusesOverflow) {
    const struct {
        int px;
        double dpi;
        int scaled;
    } cases[] = {{315, 96, 315}, {315, 120, 394}, {160, 120, 200}, {10, 120, 12},  // 12.5
                 {30, 120, 38},  // 37.5
                 {315, 72, 236}, {0, 120, 0}};
    for (const auto& c : cases) EXPECT_EQ(rules::ScaleForDpi(c.px, c.dpi), c.scaled) << c.px << " " << c.dpi;
    EXPECT_THROW(rules::ScaleForDpi(2000000000, 192), rtl::RuntimeError);
    EXPECT_THROW(rules::PageDockFor(0, 96, {2147483600, 0, 0}), rtl::RuntimeError);
}

TEST(PictureLayout, SmallestAreaThatShowsEveryItem) {
    const struct {
        const char* what;
        std::vector<rules::DockNeed> items;
        Extent need;
    } cases[] = {
        {"venue page: a wide page under a picture of 200 x 100",
         {{Dock::Bottom, 206, 1170, 0}, {Dock::Client, 0, 200, 100}},
         {1170, 306}},
        {"array page: a tall page left of the picture",
         {{Dock::Left, 556, 0, 500}, {Dock::Client, 0, 200, 100}},
         {756, 500}},
        {"tool bar on top of the array page",
         {{Dock::Top, 40, 0, 0}, {Dock::Left, 556, 0, 500}, {Dock::Client, 0, 200, 100}},
         {756, 540}},
        {"None is skipped", {{Dock::None, 999, 999, 999}}, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(rules::MinimumDockArea(c.items), c.need);
    }
}

TEST(PictureLayout, ScrollBarsWhereTheContentDoesNotFit) {
    const struct {
        const char* what;
        Extent view, content;
        bool h, v;
        Extent visible, range;
    } cases[] = {
        {"fits", {800, 200}, {700, 150}, false, false, {800, 200}, {0, 0}},
        {"exactly fits", {800, 200}, {800, 200}, false, false, {800, 200}, {0, 0}},
        {"too wide", {640, 200}, {1170, 150}, true, false, {640, 184}, {530, 0}},
        {"too wide, and the bar makes it too high", {640, 200}, {1170, 190}, true, true,
         {624, 184}, {546, 6}},
        {"too high, and the bar makes it too wide", {640, 200}, {630, 300}, true, true,
         {624, 184}, {6, 116}},
        {"too high only", {640, 200}, {600, 300}, false, true, {624, 200}, {0, 100}},
        {"an empty view", {0, 0}, {10, 10}, true, true, {0, 0}, {10, 10}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const rules::ScrollPlan p = rules::PlanScroll(c.view, c.content, 16);
        EXPECT_EQ(p.Horizontal, c.h);
        EXPECT_EQ(p.Vertical, c.v);
        EXPECT_EQ(p.Visible, c.visible);
        EXPECT_EQ(p.Range, c.range);
    }
}

TEST(PictureLayout, MarksAreHitFromTwoPixelsButNotThree) {
    const rules::MarkPoint start{100, 200}, stop{400, 210}, height{20, 50};
    const rules::MarkPoint cabinets[] = {{30, 60}, {31, 70}, {32, 72}, {300, 300}};
    using K = rules::MarkKind;
    const struct {
        int x, y, count;
        rules::MarkHit hit;
    } cases[] = {
        {100, 200, 4, {K::CoverageStart, -1}}, {102, 202, 4, {K::CoverageStart, -1}},
        {98, 198, 4, {K::CoverageStart, -1}},  {103, 200, 4, {}},
        {100, 197, 4, {}},                     {97, 200, 4, {}},
        {401, 212, 4, {K::CoverageStop, -1}},  {20, 52, 4, {K::ArrayHeight, -1}},
        {30, 60, 4, {K::Cabinet, 0}},          {32, 62, 4, {K::Cabinet, 0}},
        {31, 71, 4, {K::Cabinet, 2}},          // both 1 and 2 are near: the lower one wins
        {31, 71, 2, {K::Cabinet, 1}},          // only the first two count
        {302, 298, 4, {K::Cabinet, 3}},        {303, 300, 4, {}},
        {31, 71, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " of " << c.count);
        EXPECT_EQ(rules::MarkAt(c.x, c.y, start, stop, height, cabinets, c.count), c.hit);
    }
    // A mark over another: the coverage points come before the cabinets.
    const rules::MarkPoint under[] = {{100, 200}};
    EXPECT_EQ(rules::MarkAt(101, 201, start, stop, height, under, 1),
              (rules::MarkHit{K::CoverageStart, -1}));
}

}  // namespace
