// Venue sections drawn through the Qt raster canvas and saved as PNG files
// for a person to look at; the checks read back pixels whose place and
// colour follow from the scale rules by hand.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <string>

#include "platform/qt/qt_canvas.h"
#include "venue/section/venue_section.h"

namespace {

std::string SavePicture(rtl::RasterCanvas& canvas, const std::string& name) {
    const QString dir = QStringLiteral(VENUE_SECTION_PICTURE_DIR);
    QDir().mkpath(dir);
    const QString path = QDir(dir).filePath(QString::fromStdString(name) + ".png");
    return canvas.Image().save(path, "PNG") ? path.toStdString() : std::string();
}

// Whether the colour is found at the pixel or one of its eight neighbours
// (where a sloping line's raster steps is left to the rasteriser).
bool Near(rtl::RasterCanvas& canvas, int x, int y, rtl::Color color) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (canvas.PixelAt(x + dx, y + dy) == color) return true;
        }
    }
    return false;
}

// The square at each ray end inside the picture (2 pixels each way).
void ExpectRayEndSquares(rtl::RasterCanvas& canvas, const VenueSectionResult& r, int selected) {
    const QImage& image = canvas.Image();
    for (std::size_t i = 0; i < r.RayEnds.size(); ++i) {
        const rtl::Point p = r.RayEnds[i];
        if (p.x < 2 || p.y < 2 || p.x + 2 >= image.width() || p.y + 2 >= image.height()) continue;
        const rtl::Color want =
            static_cast<int>(i) == selected ? section_colors::Red : section_colors::Navy;
        EXPECT_EQ(canvas.PixelAt(p.x - 2, p.y - 2), want) << i;
        EXPECT_EQ(canvas.PixelAt(p.x + 2, p.y + 2), want) << i;
    }
}

VenueSectionResult Draw(TVenue& v, rtl::RasterCanvas& canvas, int w, int h, int rigMode) {
    VenueSectionArgs args;
    args.Width = w;
    args.Height = h;
    args.RigMode = rigMode;
    args.StatusText = "Ready";
    args.Selected = 2;
    return DrawVenue(v, canvas, args);
}

// A flat 40 m floor, 8 full-size cabinets flown at 10 m, designed for 5 m
// to 38 m.  1200 x 600 at equal scale: across 55 / 1200 beats up
// 25 / 600, so 0.0458333 m per pixel, MarginX 5, ExtentY 27.5 and MarginY
// 8.75: the floor lies at pixel y round(18.75 / 0.0458333) = 409, from x
// 109 to 982, under the grey distance scale drawn along it; the listening
// line (1.4 m) at y 379.
TEST(SectionPictures, OnePlaneFlown) {
    TSplay splay;
    TVenue v;
    v.SetVenueData(VenueData{
        .VenueName = "one plane",
        .ArrayHeight = 10.0,
        .NumBoxes1 = 8,
        .MaxPickHeight = 20.0,
        .MinTrimHeight = 3.0,
        .Plane1Length = 40.0,
        .CoverageStart = 5.0,
        .CoverageStop = 38.0,
        .Plane1EarHeight = 1.4,
        .Plane2EarHeight = 1.4,
        .Plane3EarHeight = 1.4,
        .AutoDesign = true,
        .DesignMode = "",
        .Splay = &splay,
        .ArrayType = "Arvo",
    });
    rtl::RasterCanvas canvas(1200, 600);
    const VenueSectionResult r = Draw(v, canvas, 1200, 600, 1);
    EXPECT_FALSE(SavePicture(canvas, "section-one-plane-flown").empty());

    EXPECT_NEAR(r.ScaleX, 55.0 / 1200.0, 1e-15);
    EXPECT_EQ(canvas.PixelAt(500, 409), section_colors::Grey);
    EXPECT_EQ(canvas.PixelAt(960, 379), section_colors::Red);
    // Ray ends on the floor sit on the listening line; every end in the
    // picture has its square, navy (cabinet 2 red).
    ASSERT_EQ(r.RayEnds.size(), 8u);
    ExpectRayEndSquares(canvas, r, 2);
    for (std::size_t i = 0; i < r.RayEnds.size(); ++i) {
        if (r.RayPlane[i] == 1) {
            EXPECT_NEAR(r.RayEndY[i], 1.4, 1e-9) << i;
        }
    }
    // The handles at 5 m and 38 m on the floor line.
    EXPECT_EQ(*r.StartHandle, (rtl::Point{218, 409}));
    EXPECT_EQ(*r.StopHandle, (rtl::Point{938, 409}));
}

// Plane 1 rising 1 m over 20 m, plane 2 from 1.5 m rising 3 m over 15 m,
// a balcony from 18 m to 30 m at 6 m rising 3 m; 10 cabinets at 12 m.
// Far end 35 m; 1200 x 600: 50 / 1200 against 27 / 600, so 0.045 m per
// pixel both ways, ExtentX 54, MarginX 9.5, ExtentY 22, MarginY 5: the
// world point (x, y) lies at pixel ((9.5 + x) / 0.045, (17 - y) / 0.045).
TEST(SectionPictures, ThreePlanesWithBalcony) {
    TSplay splay;
    TVenue v;
    v.SetVenueData(VenueData{
        .VenueName = "balcony",
        .ArrayHeight = 12.0,
        .NumBoxes1 = 10,
        .MaxPickHeight = 20.0,
        .MinTrimHeight = 3.0,
        .Plane1Length = 20.0,
        .Plane1Height = 1.0,
        .Plane2Length = 15.0,
        .Plane2Height = 3.0,
        .Plane2Elevation = 1.5,
        .Plane3Length = 12.0,
        .Plane3Height = 3.0,
        .Plane3Distance = 18.0,
        .Plane3Elevation = 6.0,
        .CoverageStart = 4.0,
        .CoverageStop = 33.0,
        .Plane1EarHeight = 1.4,
        .Plane2EarHeight = 1.4,
        .Plane3EarHeight = 1.4,
        .AutoDesign = true,
        .DesignMode = "",
        .Splay = &splay,
        .ArrayType = "Arvo",
    });
    rtl::RasterCanvas canvas(1200, 600);
    const VenueSectionResult r = Draw(v, canvas, 1200, 600, 1);
    EXPECT_FALSE(SavePicture(canvas, "section-three-planes-balcony").empty());

    EXPECT_NEAR(r.ScaleX, 0.045, 1e-15);
    EXPECT_NEAR(r.MarginX, 9.5, 1e-12);
    EXPECT_NEAR(r.MarginY, 5.0, 1e-12);
    // Plane 1 starts at (0, 0): pixel (211, 378).
    EXPECT_TRUE(Near(canvas, 211, 378, section_colors::Black));
    // Balcony floor at 25 m is 7.75 m high: (767, 206); its listening line
    // 1.4 m higher, blue, at (767, 174).
    EXPECT_TRUE(Near(canvas, 767, 206, section_colors::Black));
    EXPECT_TRUE(Near(canvas, 767, 174, section_colors::Blue));
    // Plane 2's listening line, green: (31, 3.7 + 1.4) at (900, 264).
    EXPECT_TRUE(Near(canvas, 900, 264, section_colors::Green));
    ASSERT_EQ(r.RayEnds.size(), 10u);
    ExpectRayEndSquares(canvas, r, 2);
}

// Six compact cabinets stacked on a 1.2 m stage in front of a 25 m floor.
// Far end 25 m; 1000 x 500: 40 / 1000 against 16.2 / 500, so 0.04 m per
// pixel, MarginX 5, ExtentY 20, MarginY 9.4: the stage (x -1.5 .. 0, up to
// 1.2 m) spans pixels x 87.5 .. 125 and y 235 .. 265.
TEST(SectionPictures, GroundStacked) {
    TSplay splay;
    TVenue v;
    v.SetVenueData(VenueData{
        .VenueName = "stack",
        .ArrayHeight = 1.2,
        .NumBoxes1 = 6,
        .MaxPickHeight = 20.0,
        .MinTrimHeight = 0.0,
        .Plane1Length = 25.0,
        .CoverageStart = 3.0,
        .CoverageStop = 24.0,
        .Plane1EarHeight = 1.8,
        .Plane2EarHeight = 1.8,
        .Plane3EarHeight = 1.8,
        .AutoDesign = true,
        .DesignMode = "",
        .Splay = &splay,
        .PickOption = 6,
        .RigMode = 2,
        .ArrayType = "Bexa",
    });
    rtl::RasterCanvas canvas(1000, 500);
    const VenueSectionResult r = Draw(v, canvas, 1000, 500, 2);
    EXPECT_FALSE(SavePicture(canvas, "section-ground-stacked").empty());

    EXPECT_NEAR(r.ScaleX, 0.04, 1e-15);
    EXPECT_DOUBLE_EQ(v.LowestHeight, 1.2);
    // The stage's top edge is navy, its inside white.
    EXPECT_EQ(canvas.PixelAt(100, 235), section_colors::Navy);
    EXPECT_EQ(canvas.PixelAt(100, 250), section_colors::White);
    EXPECT_FALSE(r.CoverageStartNotMet);
}

}  // namespace
