// The details rendered on the Qt raster canvas: the pale green fills stay
// inside the outlines, nothing spills out of the drawing's area, and the
// pictures are saved for a person to look at (test-pictures in the build
// folder).

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/core/recording_canvas.h"
#include "model/details/flying_detail.h"
#include "model/details/hole_detail.h"
#include "platform/qt/qt_canvas.h"

using rtl::Point;

namespace {

constexpr rtl::Color kPaleGreen{192, 220, 192};

struct Area {
    int left, top, width, height;
};

// Where the drawing seeds its fills: the first is inside the bar, the second
// (when the cabinet has holes) inside the cabinet's plate.
std::vector<Point> FillSeeds(TLoudspeakerArray& a, bool printing, Area r, int canvasW,
                             int canvasH) {
    rtl::RecordingCanvas rec(canvasW, canvasH);
    DrawArrayHoleDetail(a, rec, true, printing, r.width, r.height, r.left, r.top, true, 1);
    std::vector<Point> seeds;
    for (const rtl::CanvasOp* op : rec.OfKind(rtl::OpKind::FloodFill)) seeds.push_back(op->points[0]);
    return seeds;
}

void CheckHoleDetail(const char* type, bool printing, int canvasW, int canvasH, Area r,
                     int dpi) {
    SCOPED_TRACE(std::string(type) + (printing ? " printed" : " screen"));
    auto a = CreateLoudspeakerArray(type);
    const std::vector<Point> seeds = FillSeeds(*a, printing, r, canvasW, canvasH);
    ASSERT_GE(seeds.size(), 2u);

    rtl::RasterCanvas c(canvasW, canvasH, dpi);
    DrawArrayHoleDetail(*a, c, true, printing, r.width, r.height, r.left, r.top, true, 1);

    // Inside the bar, two radii below the top hole: pale green; so is the
    // plate below its first hole when the cabinet has holes.
    EXPECT_EQ(c.PixelAt(seeds.back().x, seeds.back().y), kPaleGreen);
    if (seeds.size() == 3) {
        EXPECT_EQ(c.PixelAt(seeds[1].x, seeds[1].y), kPaleGreen);
    }
    // The background beside the bar is still white: the bottom corners inside
    // the frame, and most of the area.
    EXPECT_EQ(c.PixelAt(r.left + 2, r.top + r.height - 3), rtl::colors::White);
    EXPECT_EQ(c.PixelAt(r.left + r.width - 3, r.top + r.height - 3), rtl::colors::White);
    long green = 0, white = 0;
    for (int y = r.top; y < r.top + r.height; ++y)
        for (int x = r.left; x < r.left + r.width; ++x) {
            const rtl::Color p = c.PixelAt(x, y);
            green += p == kPaleGreen;
            white += p == rtl::colors::White;
        }
    const long total = static_cast<long>(r.width) * r.height;
    EXPECT_GT(green, 0);
    EXPECT_LT(green * 4, total);
    EXPECT_GT(white * 2, total);
    // Nothing outside the area changed.
    for (int y = 0; y < canvasH; ++y)
        for (int x = 0; x < canvasW; ++x) {
            if (x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height) continue;
            if (c.PixelAt(x, y) != rtl::colors::White) {
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") outside the area drawn";
                return;
            }
        }
    // The frame.
    EXPECT_EQ(c.PixelAt(r.left, r.top + r.height / 2), rtl::colors::Black);
    EXPECT_EQ(c.PixelAt(r.left + r.width - 1, r.top + r.height / 2), rtl::colors::Black);
    EXPECT_EQ(c.PixelAt(r.left + r.width / 2, r.top + r.height - 1), rtl::colors::Black);

    rtl::SaveTestPicture(c.Image(), std::string("hole-detail-") + type +
                                        (printing ? "-print" : "-screen"));
}

}  // namespace

// Screen: the picture's full size at (0, 0) inside a slightly larger image,
// so that a spill would show.  Print: a page-sized area at 300 dpi.
TEST(HoleDetailRaster, FillsStayInsideOutlines) {
    for (const char* type : {"Arvo", "Bexa", "Dovi", "Elka"}) {
        CheckHoleDetail(type, false, 440, 330, Area{10, 10, 400, 300}, 96);
        CheckHoleDetail(type, true, 1700, 1300, Area{1, 200, 1637, 1052}, 300);
    }
}

TEST(FlyingDetailRaster, PicturesOfBaseAndLiftBar) {
    struct Case {
        const char* type;
        int pickMode;
        int side;
        int rigMode;
        const char* name;
    };
    const Case cases[] = {
        {"Arvo", 1, 0, 1, "flying-detail-Arvo-flown"},
        {"Arvo", 6, 0, 2, "flying-detail-Arvo-stacked"},
        {"Bexa", 4, 1, 1, "flying-detail-Bexa-liftbar-front"},
        {"Bexa", 5, 2, 1, "flying-detail-Bexa-liftbar-rear"},
        {"Dovi", 4, 2, 1, "flying-detail-Dovi-liftbar-rear"},
        {"Elka", 1, 0, 1, "flying-detail-Elka-flown"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        auto a = CreateLoudspeakerArray(k.type);
        if (k.side != 0) a->SetLiftBarOption(k.side);
        a->Grid->SetRigMode(k.pickMode, k.side);
        a->Grid->PickMode = k.pickMode;
        a->SetRigMode(k.rigMode);
        TSplay splay;
        for (int i = 0; i <= 40; ++i) splay.Angle[i] = 2.0;
        a->SetUp(splay, 6, 0, 0, 8.0, 1000.0);
        a->CalcMechanics();
        a->LiftBarBestHole = 9;
        rtl::RasterCanvas c(600, 360);
        Point pick{-1, -1};
        if (a->CurrentLiftBar != nullptr)
            DrawArrayFlyingDetailWithLiftBar(*a, a->CurrentLiftBar, c, true, false, 600, 360, 0, 0,
                                             true, k.rigMode, 0, 0, 0, 0, pick);
        else
            DrawArrayFlyingDetail(*a, c, true, false, 600, 360, 0, 0, true, k.rigMode, 0, 0, 0,
                                  0, pick);
        // The frame, and some of the grid's sky blue.
        EXPECT_EQ(c.PixelAt(0, 0), rtl::colors::Black);
        EXPECT_EQ(c.PixelAt(599, 180), rtl::colors::Black);
        long blue = 0;
        for (int y = 0; y < 360; ++y)
            for (int x = 0; x < 600; ++x) blue += c.PixelAt(x, y) == rtl::colors::SkyBlue;
        EXPECT_GT(blue, 100);
        rtl::SaveTestPicture(c.Image(), k.name);
    }

    // A printed one with its title.
    auto a = CreateLoudspeakerArray("Bexa");
    a->SetLiftBarOption(2);
    a->Grid->SetRigMode(4, 2);
    a->SetRigMode(1);
    TSplay splay;
    a->SetUp(splay, 6, 0, 0, 8.0, 1000.0);
    a->CalcMechanics();
    a->LiftBarBestHole = 12;
    rtl::RasterCanvas page(1637, 1100, 300);
    Point pick;
    DrawArrayFlyingDetailWithLiftBar(*a, a->CurrentLiftBar, page, true, true, 1637, 1052, 1, 40,
                                     true, 1, 0, 0, 0, 0, pick);
    rtl::SaveTestPicture(page.Image(), "flying-detail-Bexa-print");
}

// The printed report places the hole detail at (0.44, 0.55) of an A4 page,
// 0.22 of its width by 0.4 of its height; the page's size in pixels follows
// the printer's resolution.  The layout inside the area only moves with its
// corner, so a canvas just larger than the area stands in for the page.
TEST(HoleDetailRaster, PrintedFillsStayInsideAtEveryResolution) {
    for (int dpi : {96, 150, 200, 300, 600}) {
        SCOPED_TRACE("dpi " + std::to_string(dpi));
        const int pageW = static_cast<int>(std::lround(210.0 / 25.4 * dpi));
        const int pageH = static_cast<int>(std::lround(297.0 / 25.4 * dpi));
        const int w = static_cast<int>(std::lround(0.22 * pageW));
        const int h = static_cast<int>(std::lround(0.4 * pageH));
        // The types with a print placement of their own; the others keep the
        // screen's offset, which puts them beside an area this narrow.
        for (const char* type : {"Arvo", "Bexa", "Dovi"})
            CheckHoleDetail(type, true, w + 20, h + 20, Area{10, 10, w, h}, dpi);
    }
}
