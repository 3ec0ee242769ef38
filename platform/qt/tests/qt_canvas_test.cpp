// Pixel probes of the raster canvas, and the printer canvas writing a PDF.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPageSize>
#include <QPainter>
#include <QPen>

#include <cmath>
#include <initializer_list>
#include <string>

#include "platform/core/errors.h"
#include "platform/qt/qt_canvas.h"

namespace rtl {
namespace {

using colors::Black;
using colors::Blue;
using colors::Red;
using colors::White;

int CountColour(RasterCanvas& c, Color colour) {
    const QImage& img = c.Image();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (FromQRgb(img.pixel(x, y)) == colour) ++n;
    return n;
}

struct Probe {
    int x, y;
    Color colour;
};

// Each probe names its pixel when it fails.
void ExpectPixels(RasterCanvas& c, std::initializer_list<Probe> probes) {
    for (const Probe& p : probes) EXPECT_EQ(c.PixelAt(p.x, p.y), p.colour) << "pixel " << p.x << "," << p.y;
}

TEST(RasterCanvas, BoxesExcludeTheirRightAndBottomEdge) {
    RasterCanvas c(40, 40);
    c.Ellipse(10, 10, 20, 20);
    // Extreme pixels of the outline: columns 10 and 19, rows 10 and 19.
    ExpectPixels(c, {{10, 14, Black}, {19, 14, Black}, {14, 10, Black}, {14, 19, Black},
                     {9, 14, White}, {20, 14, White}, {14, 20, White}, {14, 9, White}});

    c.SetBrushColor(Red);
    c.FillRect(22, 22, 25, 24);  // 3 x 2 pixels
    EXPECT_EQ(CountColour(c, Red), 6);
    ExpectPixels(c, {{24, 23, Red}, {25, 23, White}});

    c.SetBrushColor(White);
    c.Rectangle(30, 30, 35, 36);
    ExpectPixels(c, {{30, 32, Black}, {34, 32, Black}, {35, 32, White}, {32, 35, Black},
                     {32, 36, White}, {32, 32, White}});
}

TEST(RasterCanvas, LineToLeavesOutItsEndPixel) {
    RasterCanvas c(40, 40);
    c.MoveTo(5, 5);
    c.LineTo(15, 5);
    ExpectPixels(c, {{5, 5, Black}, {14, 5, Black}, {15, 5, White}});
    c.LineTo(15, 20);  // the next line paints the corner
    ExpectPixels(c, {{15, 5, Black}, {15, 19, Black}, {15, 20, White}});
    EXPECT_EQ(c.PenPos(), (Point{15, 20}));
    // Diagonal: 10 pixels, the last one left out.
    RasterCanvas d(40, 40);
    d.MoveTo(0, 0);
    d.LineTo(10, 10);
    EXPECT_EQ(CountColour(d, Black), 10);
    ExpectPixels(d, {{9, 9, Black}, {10, 10, White}});
    // A line to where the pen already is paints nothing.
    d.MoveTo(30, 30);
    d.LineTo(30, 30);
    EXPECT_EQ(d.PixelAt(30, 30), White);
    EXPECT_EQ(CountColour(d, Black), 10);
    EXPECT_THROW(d.PixelAt(40, 0), RangeError);
}

TEST(RasterCanvas, WidePensHaveRoundCaps) {
    RasterCanvas c(60, 30);
    c.SetPenWidth(9);
    c.MoveTo(20, 15);
    c.LineTo(40, 15);
    // The cap reaches about half the width past both ends, including the
    // end pixel (40) that a one-pixel pen leaves out, but is round: the
    // corners of a square cap stay empty. Full width along the line.
    ExpectPixels(c, {{43, 15, Black}, {17, 15, Black}, {40, 15, Black}, {43, 11, White},
                     {43, 19, White}, {17, 11, White}, {30, 11, Black}, {30, 21, White}});
}

TEST(RasterCanvas, ArcAndPieRunCounterClockwiseFromStartToEnd) {
    RasterCanvas c(60, 60);
    // From the right point to the left point counter-clockwise: upper half.
    c.Arc(10, 10, 51, 51, 60, 30, 0, 30);
    ExpectPixels(c, {{30, 10, Black}, {30, 50, White}});
    RasterCanvas d(60, 60);
    d.Arc(10, 10, 51, 51, 0, 30, 60, 30);  // left to right: lower half
    ExpectPixels(d, {{30, 10, White}, {30, 50, Black}});

    // The upper-left quarter pie of the centre-of-gravity symbol: from the
    // radial up to the radial left.
    RasterCanvas e(60, 60);
    e.SetBrushColor(Red);
    e.Pie(10, 10, 51, 51, 30, 20, 20, 30);
    ExpectPixels(e, {{22, 22, Red}, {38, 22, White}, {22, 38, White}, {38, 38, White}});
    RasterCanvas f(60, 60);
    f.SetBrushColor(Red);
    f.Pie(10, 10, 51, 51, 30, 40, 40, 30);  // lower right quarter
    ExpectPixels(f, {{38, 38, Red}, {22, 22, White}, {38, 22, White}});
}

TEST(RasterCanvas, TextCellIsOpaqueOnASolidBrushOnly) {
    RasterCanvas c(200, 60);
    c.SetFontSize(10);
    c.SetBrushColor(colors::Yellow);
    const std::string text = "Hi";
    int w = c.TextWidth(text);
    int h = c.TextHeight(text);
    c.TextOut(10, 10, text);
    // The cell's corners are background, the cell's outside untouched.
    ExpectPixels(c, {{10, 10, colors::Yellow}, {10 + w - 1, 10 + h - 1, colors::Yellow},
                     {10 + w, 10, White}, {10, 10 + h, White}, {9, 10, White}});
    // Some glyph pixels in the font colour.
    int black = CountColour(c, Black);
    EXPECT_GT(black, 10);
    EXPECT_EQ(black + CountColour(c, colors::Yellow), w * h);  // no blended colours
    EXPECT_EQ(c.PenPos(), (Point{10 + w, 10}));

    c.SetBrushStyle(BrushStyle::Clear);
    c.SetFontColor(Red);
    c.TextOut(100, 10, text);
    EXPECT_EQ(c.PixelAt(100, 10), White);
    EXPECT_GT(CountColour(c, Red), 10);
}

TEST(RasterCanvas, FloodFillStopsAtAOnePixelRing) {
    RasterCanvas c(60, 60);
    c.Ellipse(10, 10, 41, 41);
    int ring = CountColour(c, Black);
    c.SetBrushColor(colors::MoneyGreen);
    c.FloodFill(25, 25, White);
    // (12, 25) is just inside the ring.
    ExpectPixels(c, {{25, 25, colors::MoneyGreen}, {12, 25, colors::MoneyGreen}, {5, 5, White},
                     {25, 45, White}});
    EXPECT_EQ(CountColour(c, Black), ring);
    int inside = CountColour(c, colors::MoneyGreen);
    // Roughly the disc of radius 14: pi * 14^2 = 616.
    EXPECT_GT(inside, 540);
    EXPECT_LT(inside, 700);

    // A seed of another colour changes nothing: on the ring, and inside
    // again (now green, not white).
    QImage before = c.Image().copy();
    c.SetBrushColor(Red);
    c.FloodFill(10, 25, White);
    c.FloodFill(25, 25, White);
    EXPECT_EQ(c.Image(), before);
    // Outside the image: nothing, and no failure.
    c.FloodFill(-1, 1000, White);
    EXPECT_EQ(c.Image(), before);
    // The outer surface fills up to the ring too.
    c.FloodFill(0, 0, White);
    EXPECT_EQ(CountColour(c, White), 0);
    EXPECT_EQ(CountColour(c, colors::MoneyGreen), inside);
}

TEST(RasterCanvas, FloodFillOfALargeAreaIsIterative) {
    // A whole 2000 x 2000 picture with a snake of walls: a recursive fill
    // would run out of stack.
    RasterCanvas c(2000, 2000);
    for (int x = 10; x < 1990; x += 20) {
        c.MoveTo(x, (x / 20) % 2 ? 0 : 5);
        c.LineTo(x, (x / 20) % 2 ? 1995 : 2000);
    }
    c.SetBrushColor(Red);
    c.FloodFill(0, 0, White);
    ExpectPixels(c, {{1999, 1999, Red}, {1000, 1000, Red}});
}

TEST(RasterCanvas, DottedPenLeavesGapsInTheBrushColour) {
    RasterCanvas c(40, 10, 96, Black);
    c.SetPenStyle(PenStyle::Dot);
    c.SetPenColor(Red);
    c.SetBrushColor(White);
    c.MoveTo(0, 5);
    c.LineTo(30, 5);
    // 3 on, 3 off.
    ExpectPixels(c, {{0, 5, Red}, {2, 5, Red}, {3, 5, White}, {5, 5, White}, {6, 5, Red}, {30, 5, Black}});
}

TEST(RasterCanvas, FontHeightFollowsTheDeviceDpi) {
    RasterCanvas screen(10, 10, 96);
    screen.SetFontName("Arial");
    screen.SetFontSize(10);
    EXPECT_EQ(screen.FontHeight(), -13);
    // Liberation Sans: cell = 1.117 em, so about 14.5 pixels.
    EXPECT_GE(screen.TextHeight("TesT"), 14);
    EXPECT_LE(screen.TextHeight("TesT"), 16);

    RasterCanvas paper(10, 10, 600);
    paper.SetFontSize(10);
    EXPECT_EQ(paper.FontHeight(), -83);
    EXPECT_GE(paper.TextHeight("TesT"), 91);
    EXPECT_LE(paper.TextHeight("TesT"), 95);
    // Widths scale with it: "TesT" is (1251 + 1139 + 1024 + 1251) / 2048
    // = 2.278 em in Arial's metrics.
    EXPECT_NEAR(paper.TextWidth("TesT"), 83 * 2.278, 3);
    EXPECT_NEAR(screen.TextWidth("TesT"), 13 * 2.278, 2);

    // A positive height is the cell height.
    paper.SetFontHeight(40);
    EXPECT_NEAR(paper.TextHeight("S"), 40, 1);
    // Bold is wider.
    paper.SetFontSize(10);
    int regular = paper.TextWidth("Mechanical");
    paper.SetFontBold(true);
    EXPECT_GT(paper.TextWidth("Mechanical"), regular);
}

TEST(QtCanvasHelpers, FontFacesAndPictures) {
    EXPECT_EQ(ResolveFontFace("Arial"), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(ResolveFontFace("arial"), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(ResolveFontFace("DejaVu Sans"), QStringLiteral("DejaVu Sans"));

    Picture p(2, 2, colors::Navy, "logo");
    p.Set(1, 0, Red);
    QImage img = ToQImage(p);
    EXPECT_EQ(img.pixel(1, 0), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(0, 1), qRgb(0, 0, 128));
    Picture back = ToPicture(img, "again");
    EXPECT_EQ(back.pixels, p.pixels);

    RasterCanvas c(20, 20);
    Picture dots(2, 1, Red);
    dots.Set(1, 0, colors::Blue);
    c.StretchDraw(Rect{4, 4, 12, 8}, dots);  // each pixel 4 x 4
    ExpectPixels(c, {{4, 4, Red}, {7, 7, Red}, {8, 4, colors::Blue}, {11, 7, colors::Blue},
                     {12, 4, White}, {4, 8, White}});
    EXPECT_EQ(c.ClipRect(), (Rect{0, 0, 20, 20}));
}

TEST(PrinterCanvas, WritesAPdfAndFloodFillsInARasterLayer) {
    const QString path = QStringLiteral(ORANDEL_QT_TEST_OUTPUT_DIR "/canvas_test.pdf");
    QFile::remove(path);
    {
        QPdfWriter writer(path);
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::A4));
        PrinterCanvas c(writer);
        ASSERT_TRUE(c.IsActive());
        EXPECT_EQ(c.Dpi(), 600);
        // A4 at 600 dpi, less Qt's default margins: thousands of pixels.
        EXPECT_GT(c.PageWidth(), 4000);
        EXPECT_GT(c.PageHeight(), 6000);
        c.SetFontSize(10);
        EXPECT_EQ(c.FontHeight(), -83);
        EXPECT_GE(c.TextHeight("TesT"), 91);
        EXPECT_LE(c.TextHeight("TesT"), 95);
        c.TextOut(100, 100, "Mechanical :");
        c.SetPenWidth(7);
        c.MoveTo(100, 300);
        c.LineTo(2000, 300);

        // Outside a layer a flood fill does nothing (and does not fail).
        c.FloodFill(10, 10, White);

        c.BeginRasterLayer(Rect{1000, 1000, 1600, 1400});
        ASSERT_TRUE(c.InRasterLayer());
        c.SetPenWidth(1);
        c.SetBrushColor(White);
        c.Ellipse(1100, 1100, 1301, 1301);
        c.SetBrushColor(colors::MoneyGreen);
        c.FloodFill(1200, 1200, White);
        c.EndRasterLayer();
        EXPECT_FALSE(c.InRasterLayer());
        const QImage& layer = c.LastLayer();
        ASSERT_EQ(layer.size(), QSize(600, 400));
        // Layer pixel = page pixel - (1000, 1000).
        EXPECT_EQ(FromQRgb(layer.pixel(200, 200)), colors::MoneyGreen);
        EXPECT_EQ(FromQRgb(layer.pixel(100, 200)), Black);
        EXPECT_EQ(FromQRgb(layer.pixel(50, 50)), White);

        EXPECT_TRUE(c.NewPage());
        c.Rectangle(100, 100, 500, 500);
        c.EndDocument();
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray data = f.readAll();
    EXPECT_TRUE(data.startsWith("%PDF"));
    EXPECT_GT(data.size(), 1000);
    EXPECT_EQ(data.count("/Type /Page\n") + data.count("/Type /Page\r") + data.count("/Type /Page "), 2);
}

TEST(QtCanvasHelpers, SavesAPngForPeopleToLookAt) {
    RasterCanvas c(80, 50);
    c.SetBrushColor(colors::SkyBlue);
    c.Ellipse(5, 5, 75, 45);
    c.SetFontSize(8);
    c.TextOut(20, 18, "canvas");
    std::string path = SaveTestPicture(c.Image(), "canvas_smoke");
    ASSERT_FALSE(path.empty());
    QImage back(QString::fromStdString(path));
    EXPECT_EQ(back.size(), QSize(80, 50));
    EXPECT_EQ(FromQRgb(back.pixel(40, 8)), colors::SkyBlue);
}

// A rounded slot made of two lines and two half-circle arcs, as the rigging
// pictures build one, must be closed for a surface fill from inside.  On a
// scaled screen the picture holds ratio x size device pixels while the
// drawing keeps its units: the slot still holds its fill on the device
// pixels, a one-unit line is as wide as the ratio, and reads of a unit's
// pixel find what was drawn there.
TEST(RasterCanvas, SlotOfLinesAndArcsHoldsAFloodFillAtEveryPixelRatio) {
    for (double ratio : {1.0, 1.25, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        RasterCanvas c(100, 150, 96, White, ratio);
        EXPECT_EQ(c.Image().size(), QSize(static_cast<int>(std::ceil(100 * ratio)), static_cast<int>(std::ceil(150 * ratio))));
        EXPECT_EQ(c.Image().devicePixelRatio(), ratio);
        EXPECT_EQ(c.ClipRect(), (Rect{0, 0, 100, 150}));
        const int tx = 50, ty = 30, gy = 120, wr = 8;
        c.MoveTo(tx - wr, ty - 1);
        c.LineTo(tx - wr, gy + 1);
        c.MoveTo(tx + wr, ty - 1);
        c.LineTo(tx + wr, gy + 1);
        c.Arc(tx - wr, ty - wr, tx + wr, ty + wr, tx + wr, ty, tx - wr, ty);  // over the top
        c.Arc(tx - wr, gy - wr, tx + wr, gy + wr, tx - wr, gy, tx + wr, gy);  // underneath
        c.SetBrushColor(colors::MoneyGreen);
        c.FloodFill(tx, ty + 20, White);
        // Green reaches up into the top arc and down into the bottom one.
        ExpectPixels(c, {{tx, ty + 20, colors::MoneyGreen}, {tx, ty - wr + 2, colors::MoneyGreen},
                         {tx, gy + wr - 3, colors::MoneyGreen}, {tx, ty - wr - 2, White},
                         {tx, gy + wr + 2, White}, {tx - wr - 3, 60, White}, {tx + wr + 3, 60, White},
                         {0, 0, White}});
        if (ratio == 1.0 || ratio == 2.0) {
            // At a whole ratio a line lies on exactly its unit's pixels.
            ExpectPixels(c, {{tx - wr, 60, Black}, {tx + wr, 60, Black}, {tx - wr + 1, 60, colors::MoneyGreen}});
        }
        // Inside: the slot's width (15 units between the lines) times its
        // straight length, plus the two half discs.
        const int green = CountColour(c, colors::MoneyGreen);
        EXPECT_GT(green, ratio * ratio * (15 * (gy - ty) + 100));
        EXPECT_LT(green, ratio * ratio * (15 * (gy - ty) + 400));
        // Across the left line, along one device row: the line's own
        // pixels, within a device pixel of its unit, on them at a whole ratio.
        const bool whole = ratio == std::floor(ratio);
        int black = 0;
        for (int x = 0; x < static_cast<int>(tx * ratio); ++x) {
            if (FromQRgb(c.Image().pixel(x, static_cast<int>(60 * ratio))) != Black) continue;
            ++black;
            EXPECT_GE(x, (tx - wr) * ratio - (whole ? 0 : 1));
            EXPECT_LT(x, (tx - wr + 1) * ratio);
        }
        EXPECT_GE(black, static_cast<int>(std::floor(ratio)));
        EXPECT_LE(black, static_cast<int>(std::ceil(ratio)));
        EXPECT_THROW(c.PixelAt(100, 0), RangeError);
    }
}


// A picture shown elsewhere (a picture box holds a copy of it) stays as it
// was when the canvas draws on: over the whole picture, over part of it, or
// cleared.  A canvas takes a picture of its own size and ratio only.
TEST(RasterCanvas, APictureSharedWithAPictureBoxKeepsItsPixels) {
    for (double ratio : {1.0, 1.25, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        const struct {
            const char* name;
            void (*draw)(RasterCanvas&);
            Color expected;
        } drawings[] = {
            {"whole fill", [](RasterCanvas& c) { c.SetBrushColor(Red); c.FillRect(0, 0, 41, 31); }, Red},
            {"part fill", [](RasterCanvas& c) { c.SetBrushColor(Red); c.FillRect(0, 0, 10, 10); }, Blue},
            {"clear", [](RasterCanvas& c) { c.Clear(Red); }, Red},
        };
        for (const auto& d : drawings) {
            SCOPED_TRACE(d.name);
            RasterCanvas c(41, 31, 96, Blue, ratio);
            const QImage shown = c.Image();
            d.draw(c);
            EXPECT_EQ(FromQRgb(shown.pixel(shown.width() - 1, shown.height() - 1)), Blue);
            // Every device pixel as on a canvas whose picture nobody shares,
            // also those a fill covers only in part.
            RasterCanvas alone(41, 31, 96, Blue, ratio);
            d.draw(alone);
            EXPECT_EQ(c.Image(), alone.Image());
            EXPECT_EQ(c.PixelAt(39, 29), d.expected);
            EXPECT_EQ(c.PixelAt(0, 0), Red);
        }
        RasterCanvas other(40, 30, 96, Red, ratio);
        RasterCanvas c(40, 30, 96, White, ratio);
        EXPECT_TRUE(c.TakePicture(other.Image()));
        EXPECT_EQ(c.PixelAt(20, 15), Red);
        RasterCanvas smaller(39, 30, 96, Blue, ratio);
        EXPECT_FALSE(c.TakePicture(smaller.Image()));
        RasterCanvas finer(40, 30, 96, Blue, ratio * 1.5);
        EXPECT_FALSE(c.TakePicture(finer.Image()));
        EXPECT_EQ(c.PixelAt(20, 15), Red);
    }
}

// On a picture of two device pixels a unit, a one-pixel level or upright
// line covers exactly the device pixels Qt's stroke of it covers, in either
// direction and of any length.
TEST(RasterCanvas, LevelAndUprightLinesAtRatioTwoCoverTheirStrokesPixels) {
    const Point lines[][2] = {{{3, 4}, {20, 4}},  {{20, 6}, {3, 6}},   {{5, 2}, {5, 25}},
                              {{7, 25}, {7, 2}},  {{9, 9}, {10, 9}},   {{11, 11}, {11, 12}},
                              {{12, 13}, {12, 13}}, {{0, 0}, {29, 0}}, {{29, 0}, {29, 29}}};
    for (const auto& line : lines) {
        SCOPED_TRACE(std::to_string(line[0].x) + "," + std::to_string(line[0].y) + " " +
                     std::to_string(line[1].x) + "," + std::to_string(line[1].y));
        RasterCanvas c(30, 30, 96, White, 2.0);
        c.SetPenColor(Red);
        c.MoveTo(line[0].x, line[0].y);
        c.LineTo(line[1].x, line[1].y);
        QImage stroked(60, 60, QImage::Format_RGB32);
        stroked.setDevicePixelRatio(2.0);
        stroked.fill(Qt::white);
        {
            QPainter p(&stroked);
            p.setRenderHint(QPainter::Antialiasing, false);
            QPen pen(QColor(255, 0, 0));
            pen.setWidth(1);
            pen.setCapStyle(Qt::FlatCap);
            pen.setJoinStyle(Qt::MiterJoin);
            p.setPen(pen);
            p.translate(0.5, 0.5);
            p.drawPolyline(QPolygon({QPoint(line[0].x, line[0].y), QPoint(line[1].x, line[1].y)}));
        }
        EXPECT_EQ(c.Image(), stroked);
    }
}

}  // namespace
}  // namespace rtl
