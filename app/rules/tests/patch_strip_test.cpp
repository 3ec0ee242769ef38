// The patch page's strip: which row the pointer picks, and the row pictures
// that show it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/rules/patch_strip.h"
#include "platform/core/recording_canvas.h"

namespace {

TEST(PatchStrip, PointerPicksRowThreeLeftRowOneRightAndNothingInTheGaps) {
    const struct {
        int x, row;
    } cases[] = {{-5, 3}, {0, 3}, {109, 3}, {110, 0}, {115, 0}, {120, 0}, {121, 2},
                 {219, 2}, {220, 0}, {221, 1}, {312, 1}, {5000, 1}};
    for (const auto& c : cases) EXPECT_EQ(rules::PatchStripRowAt(c.x), c.row) << c.x;
}

// The fronts (and the cases) drawn: every rectangle, by its fill.
std::vector<rtl::Rect> Rectangles(const rtl::RecordingCanvas& c, rtl::Color fill) {
    std::vector<rtl::Rect> out;
    for (const rtl::CanvasOp* op : c.OfKind(rtl::OpKind::Rectangle))
        if (op->brush.color == fill) out.push_back(op->rect);
    return out;
}

TEST(PatchStrip, EachRowPictureHighlightsItsRackWhereThePointerPicksIt) {
    // The strip of the patch page at 96 dpi: 313 x 89.  Row 1 is the
    // diagram's rack of five amplifiers, row 2 of four, row 3 of three.
    const struct {
        int row;
        int amplifiers;
        int left, right;  // the x range the pointer picks the row in
    } cases[] = {{1, 5, 221, 313}, {2, 4, 121, 220}, {3, 3, 0, 110}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.row);
        rtl::RecordingCanvas c(313, 89);
        rules::DrawPatchStripRow(c, 313, 89, k.row);
        const std::vector<rtl::Rect> lit = Rectangles(c, rules::kPatchRowHighlight);
        ASSERT_EQ(lit.size(), static_cast<size_t>(k.amplifiers));
        for (const rtl::Rect& r : lit) {
            EXPECT_GE(r.left, k.left);
            EXPECT_LE(r.right, k.right);
            EXPECT_GT(r.Height(), 4);
            // Every highlighted front lies where the pointer picks this row.
            EXPECT_EQ(rules::PatchStripRowAt(r.left), k.row);
            EXPECT_EQ(rules::PatchStripRowAt(r.right - 1), k.row);
        }
        // Stacked one on another down to the bottom, inside the strip.
        for (size_t i = 1; i < lit.size(); ++i) EXPECT_EQ(lit[i].top, lit[i - 1].bottom);
        EXPECT_LE(lit.back().bottom, 89);
        // The other two racks' fronts are plain: 12 fronts in all.
        EXPECT_EQ(Rectangles(c, rtl::colors::White).size(), static_cast<size_t>(12 - k.amplifiers));

        // Every row is labelled; only the chosen one in bold, over its rack.
        for (int r = 1; r <= 3; ++r) {
            const rtl::CanvasOp* label = c.FindText("Row " + std::to_string(r));
            ASSERT_NE(label, nullptr) << r;
            EXPECT_EQ(label->font.bold, r == k.row) << r;
        }
        const rtl::CanvasOp* label = c.FindText("Row " + std::to_string(k.row));
        EXPECT_GE(label->points[0].x, k.left);
        EXPECT_LE(label->points[0].x + label->textWidth, k.right);
        EXPECT_LE(label->points[0].y + label->textHeight, lit.front().top);
        EXPECT_GE(label->points[0].y, 0);
    }
}

TEST(PatchStrip, RacksShareOneBottomLine) {
    rtl::RecordingCanvas c(313, 89);
    rules::DrawPatchStripRow(c, 313, 89, 2);
    std::vector<int> bottoms;
    for (const rtl::CanvasOp* op : c.OfKind(rtl::OpKind::Rectangle))
        if (op->brush.color != rtl::colors::White && op->brush.color != rules::kPatchRowHighlight)
            bottoms.push_back(op->rect.bottom);  // the three cases
    ASSERT_EQ(bottoms.size(), 3u);
    EXPECT_EQ(bottoms[0], bottoms[1]);
    EXPECT_EQ(bottoms[1], bottoms[2]);
}

TEST(PatchStrip, NoRowOrATinyStripHighlightsNothingAndStaysInside) {
    const struct {
        int width, height, row;
        bool racks;
    } cases[] = {{313, 89, 0, true}, {313, 89, 7, true}, {392, 89, 1, true},
                 {1, 1, 1, false},   {60, 20, 2, false}, {0, 0, 3, false}};
    for (const auto& k : cases) {
        SCOPED_TRACE(testing::Message() << k.width << "x" << k.height << " row " << k.row);
        rtl::RecordingCanvas c(k.width, k.height);
        rules::DrawPatchStripRow(c, k.width, k.height, k.row);
        if (k.row < 1 || k.row > 3) {
            EXPECT_TRUE(Rectangles(c, rules::kPatchRowHighlight).empty());
        }
        EXPECT_EQ(c.Count(rtl::OpKind::Rectangle) > 0, k.racks);
        for (const rtl::CanvasOp& op : c.Ops()) {
            EXPECT_GE(op.rect.left, 0);
            EXPECT_LE(op.rect.right, k.width);
            EXPECT_LE(op.rect.bottom, k.height);
            for (const rtl::Point& p : op.points) {
                EXPECT_GE(p.x, 0);
                EXPECT_LE(p.x, k.width);
                EXPECT_GE(p.y, 0);
                EXPECT_LE(p.y, k.height);
            }
        }
    }
}

}  // namespace
