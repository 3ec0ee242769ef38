// A picture drawn at a screen's pixel ratio is shown pixel for pixel in a
// box of the size it was drawn for, whatever the ratio and the size.

#include <gtest/gtest.h>

#include "platform/qt/qt_canvas.h"
#include "platform/qtapp/picturebox.h"

TEST(PictureBox, APictureKnowsTheSizeItWasDrawnForAtEveryRatio) {
    for (double ratio : {1.0, 1.25, 1.5, 1.75, 2.0}) {
        for (int width = 1; width < 400; ++width) {
            rtl::RasterCanvas canvas(width, 3 * width + 1, 96, rtl::colors::White, ratio);
            qtapp::PictureBox box;
            box.SetPicture(canvas.Image());
            ASSERT_EQ(box.PictureSize(), QSize(width, 3 * width + 1)) << "ratio " << ratio;
        }
    }
}
