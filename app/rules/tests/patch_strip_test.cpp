#include <gtest/gtest.h>

#include <string>

#include "app/rules/patch_strip.h"
#include "platform/core/recording_canvas.h"

namespace {

TEST(PatchStrip, EachRowPictureLightsItsRackWhereThePointerPicksIt) {
    // The strip at 96 dpi is 313 x 89; the racks of rows 1, 2 and 3 hold
    // five, four and three amplifiers.
    const int amplifiers[] = {5, 4, 3};
    for (int row = 1; row <= 3; ++row) {
        SCOPED_TRACE(row);
        rtl::RecordingCanvas c(313, 89);
        rules::DrawPatchStripRow(c, 313, 89, row);
        int lit = 0;
        for (const rtl::CanvasOp* op : c.OfKind(rtl::OpKind::Rectangle)) {
            if (op->brush.color != rules::kPatchRowHighlight) continue;
            ++lit;
            EXPECT_EQ(rules::PatchStripRowAt(op->rect.left), row);
            EXPECT_EQ(rules::PatchStripRowAt(op->rect.right - 1), row);
        }
        EXPECT_EQ(lit, amplifiers[row - 1]);
        for (int r = 1; r <= 3; ++r) {
            const rtl::CanvasOp* label = c.FindText("Row " + std::to_string(r));
            ASSERT_NE(label, nullptr) << r;
            EXPECT_EQ(label->font.bold, r == row) << r;
            EXPECT_EQ(rules::PatchStripRowAt(label->points[0].x + label->textWidth / 2), r);
        }
    }
}

}  // namespace
