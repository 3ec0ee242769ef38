// The abstract canvas's state and the recording canvas used by drawing tests.
#include <gtest/gtest.h>

#include "platform/core/canvas.h"
#include "platform/core/errors.h"
#include "platform/core/recording_canvas.h"

namespace rtl {
namespace {

TEST(CanvasColour, WindowsValuesAreBlueGreenRed) {
    // The venue colours as Windows values.
    EXPECT_EQ(WinColor(0x0000FF), (Color{255, 0, 0}));    // red
    EXPECT_EQ(WinColor(0xFF0000), (Color{0, 0, 255}));    // blue
    EXPECT_EQ(WinColor(0x800000), (Color{0, 0, 128}));    // navy
    EXPECT_EQ(WinColor(0x00FFFF), (Color{255, 255, 0}));  // yellow
    EXPECT_EQ(WinColor(0x008000), colors::Green);
    EXPECT_EQ(WinColor(0x12C0C0C0), colors::Silver);  // top byte ignored
    EXPECT_EQ(ToWinColor(Color{166, 202, 240}), 0xF0CAA6u);
    EXPECT_EQ(RgbColor(255, 251, 240), colors::Cream);
    EXPECT_EQ(RgbColor(-5, 300, 7), (Color{0, 255, 7}));
}

TEST(CanvasFont, HeightFromPointsThroughTheDeviceDpi) {
    EXPECT_EQ(MulDiv(10, 96, 72), 13);   // 13.33
    EXPECT_EQ(MulDiv(8, 96, 72), 11);    // 10.67
    EXPECT_EQ(MulDiv(-3, 1, 2), -2);     // halves away from zero
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(FontHeightFromPoints(10, 96), -13);
    EXPECT_EQ(FontHeightFromPoints(12, 96), -16);
    EXPECT_EQ(FontHeightFromPoints(10, 600), -83);  // 83.33
    EXPECT_EQ(FontHeightFromPoints(7, 600), -58);   // 58.33

    RecordingCanvas screen(100, 100, 96);
    screen.SetFontSize(10);
    EXPECT_EQ(screen.FontHeight(), -13);
    EXPECT_EQ(screen.FontSize(), 10);  // 13 * 72 / 96 = 9.75
    RecordingCanvas paper(100, 100, 600);
    paper.SetFontSize(10);
    EXPECT_EQ(paper.FontHeight(), -83);
    EXPECT_EQ(paper.FontSize(), 10);  // 83 * 72 / 600 = 9.96
    paper.SetFontHeight(40);           // a cell height, as the tables set it
    EXPECT_EQ(paper.FontHeight(), 40);
}

TEST(RecordingCanvas, FakeTextMetricsFollowTheFontHeight) {
    RecordingCanvas c(200, 100, 96);
    c.SetFontSize(10);                  // height -13
    EXPECT_EQ(c.TextHeight("TesT"), 13);
    EXPECT_EQ(c.TextWidth("TesT"), 31);  // 0.6 * 13 * 4 = 31.2
    EXPECT_EQ(c.TextWidth("ab"), 16);    // 15.6
    EXPECT_EQ(c.TextWidth(""), 0);
    EXPECT_EQ(c.TextWidth("\xC2\xB0"), 8);  // one code point: 7.8
    c.SetFontHeight(20);
    EXPECT_EQ(c.TextHeight("x"), 20);
    EXPECT_EQ(c.TextWidth("xyz"), 36);
}

TEST(RecordingCanvas, StateIsCarriedOverAndRecordedWithEachOperation) {
    RecordingCanvas c(200, 100, 96);
    // Defaults as on a fresh Windows canvas.
    EXPECT_EQ(c.GetPen().color, colors::Black);
    EXPECT_EQ(c.GetPen().width, 1);
    EXPECT_EQ(c.GetBrush().color, colors::White);
    EXPECT_EQ(c.GetBrush().style, BrushStyle::Solid);
    EXPECT_EQ(c.FontSize(), 8);

    c.SetFontColor(colors::Silver);
    c.SetFontSize(10);
    c.TextOut(5, 6, "0m");
    c.SetFontSize(12);
    c.SetBrushColor(colors::Yellow);
    c.TextOut(1, 2, "Y");  // font colour left silver by the earlier text
    c.SetPenColor(colors::Red);
    c.SetPenWidth(3);
    c.MoveTo(10, 10);
    c.LineTo(20, 30);
    c.LineTo(40, 30);

    const auto texts = c.OfKind(OpKind::TextOut);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0]->fontSize, 10);
    EXPECT_EQ(texts[0]->brush.color, colors::White);
    EXPECT_EQ(texts[1]->font.color, colors::Silver);
    EXPECT_EQ(texts[1]->fontSize, 12);
    EXPECT_EQ(texts[1]->brush.color, colors::Yellow);
    EXPECT_EQ(texts[1]->textHeight, 16);
    EXPECT_EQ((texts[1]->points[0]), (Point{1, 2}));

    ASSERT_NE(c.FindText("0m"), nullptr);
    EXPECT_EQ(c.FindText("1m"), nullptr);
    EXPECT_EQ(c.Texts(), (std::vector<std::string>{"0m", "Y"}));

    auto segs = c.Segments();
    ASSERT_EQ(segs.size(), 2u);
    EXPECT_EQ(segs[0].from, (Point{10, 10}));
    EXPECT_EQ(segs[0].to, (Point{20, 30}));
    EXPECT_EQ(segs[1].pen.width, 3);
    EXPECT_EQ(segs[1].pen.color, colors::Red);
    EXPECT_TRUE(c.HasSegment(Point{40, 30}, Point{20, 30}));
    EXPECT_FALSE(c.HasSegment(Point{10, 10}, Point{40, 30}));
    EXPECT_EQ(c.PenPos(), (Point{40, 30}));
}

TEST(RecordingCanvas, TextOutMovesThePenToTheEndOfTheText) {
    RecordingCanvas c(200, 100, 96);
    c.SetFontSize(10);
    c.TextOut(10, 20, "abcde");  // width 0.6 * 13 * 5 = 39
    EXPECT_EQ(c.PenPos(), (Point{49, 20}));
    c.LineTo(49, 40);
    EXPECT_TRUE(c.HasSegment(Point{49, 20}, Point{49, 40}));
}

TEST(RecordingCanvas, ShapesPicturesAndFillsAreRecorded) {
    RecordingCanvas c(300, 200, 96);
    Point tri[3] = {{0, 0}, {10, 0}, {5, 8}};
    c.Polygon(tri);
    c.Polyline({{1, 1}, {2, 2}, {3, 1}});
    c.Ellipse(1, 2, 3, 4);
    c.Pie(0, 0, 20, 20, 10, 4, 4, 10);
    c.Arc(0, 0, 20, 20, 20, 10, 0, 10);
    c.RoundRect(0, 0, 30, 20, 6, 4);
    c.Rectangle(5, 5, 9, 9);
    c.FillRect(c.ClipRect());
    c.SetBrushStyle(BrushStyle::Clear);
    c.FillRect(0, 0, 5, 5);  // nothing to fill with a clear brush
    c.SetBrushStyle(BrushStyle::Solid);
    c.SetBrushColor(colors::MoneyGreen);
    c.FloodFill(7, 3, colors::White);
    Picture logo(4, 3, colors::Red, "logo");
    c.StretchDraw(Rect{10, 10, 50, 40}, logo);

    EXPECT_EQ(c.Count(OpKind::Polygon), 1u);
    EXPECT_EQ(c.OfKind(OpKind::Polygon)[0]->points.size(), 3u);
    EXPECT_EQ(c.Count(OpKind::FillRect), 1u);
    EXPECT_EQ(c.OfKind(OpKind::FillRect)[0]->rect, (Rect{0, 0, 300, 200}));
    auto pie = c.OfKind(OpKind::Pie);
    ASSERT_EQ(pie.size(), 1u);
    EXPECT_EQ(pie[0]->points[0], (Point{10, 4}));
    EXPECT_EQ(pie[0]->points[1], (Point{4, 10}));
    EXPECT_EQ(c.Count(OpKind::Arc), 1u);
    EXPECT_EQ(c.OfKind(OpKind::RoundRect)[0]->corner, (Point{6, 4}));
    auto fill = c.OfKind(OpKind::FloodFill);
    ASSERT_EQ(fill.size(), 1u);
    EXPECT_EQ(fill[0]->surface, colors::White);
    EXPECT_EQ(fill[0]->brush.color, colors::MoneyGreen);
    auto pic = c.OfKind(OpKind::StretchDraw);
    ASSERT_EQ(pic.size(), 1u);
    EXPECT_EQ(pic[0]->text, "logo");
    EXPECT_EQ(pic[0]->rect, (Rect{10, 10, 50, 40}));
    EXPECT_EQ(c.Segments().size(), 2u);  // the polyline's two pieces
    c.Clear();
    EXPECT_TRUE(c.Ops().empty());
}

TEST(CanvasPicture, PixelAccessIsBoundsChecked) {
    Picture p(3, 2, colors::Navy);
    p.Set(2, 1, colors::Red);
    EXPECT_EQ(p.At(2, 1), colors::Red);
    EXPECT_EQ(p.At(0, 0), colors::Navy);
    EXPECT_THROW(p.At(3, 0), RangeError);
    EXPECT_THROW(p.Set(0, -1, colors::Red), RangeError);
    EXPECT_TRUE(Picture(0, 5).Empty());
    EXPECT_TRUE(Picture(-2, 5).Empty());
}

}  // namespace
}  // namespace rtl
