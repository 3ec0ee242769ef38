// A kept picture is drawn again exactly when what it is drawn from changes:
// its inputs, the canvas's state at the start, or the canvas's size.
#include <gtest/gtest.h>

#include "app/kept_picture.h"

namespace {

TEST(KeptPicture, DrawsAgainOnlyWhenInputsStateOrSizeChange) {
    const struct {
        const char* name;
        int inputs;
        void (*before)(rtl::RasterCanvas&);
        bool drawn;
    } rows[] = {
        {"same", 1, [](rtl::RasterCanvas&) {}, false},
        {"other inputs", 2, [](rtl::RasterCanvas&) {}, true},
        {"other pen", 1, [](rtl::RasterCanvas& c) { c.SetPenWidth(3); }, true},
        {"other pen position", 1, [](rtl::RasterCanvas& c) { c.MoveTo(4, 4); }, true},
        {"other size", 1, [](rtl::RasterCanvas& c) { c.Resize(30, 20); }, true},
        {"other picture there", 1, [](rtl::RasterCanvas& c) { c.Clear(rtl::colors::Black); }, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        rtl::RasterCanvas c(40, 30);
        TKeptPicture<int> kept;
        int draws = 0;
        const auto draw = [&] {
            ++draws;
            c.Clear();
            c.SetBrushColor(rtl::colors::Red);
            c.FillRect(0, 0, 5, 5);
            c.SetPenColor(rtl::colors::Blue);
            c.MoveTo(10, 10);
        };
        c.SetPenWidth(1);
        kept.Show(c, 1, draw);
        ASSERT_EQ(draws, 1);
        // The drawing's end state: the next drawing starts from it.
        c.SetPen(rtl::Pen{});
        c.SetBrush(rtl::Brush{});
        c.MoveTo(0, 0);
        r.before(c);
        kept.Show(c, r.inputs, draw);
        EXPECT_EQ(draws, r.drawn ? 2 : 1);
        // Either way the canvas shows the drawing and carries its end state.
        EXPECT_EQ(c.PixelAt(2, 2), rtl::colors::Red);
        EXPECT_EQ(c.PixelAt(20, 15), rtl::colors::White);
        EXPECT_EQ(c.GetPen().color, rtl::colors::Blue);
        EXPECT_EQ(c.PenPos(), (rtl::Point{10, 10}));
    }
}

}  // namespace
