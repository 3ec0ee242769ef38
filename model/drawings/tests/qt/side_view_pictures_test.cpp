// Pictures of the side view on the Qt raster canvas, saved as PNG files in
// the build folder for a person to look at, with a few pixel probes.

#include <QApplication>

#include <gtest/gtest.h>

#include <string>

#include "model/arrays/lsarray.h"
#include "platform/core/errors.h"
#include "model/drawings/side_view.h"
#include "platform/qt/qt_canvas.h"

namespace {

using rtl::colors::Cream;

int CountColour(rtl::RasterCanvas& c, rtl::Color colour) {
    const QImage& img = c.Image();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (rtl::FromQRgb(img.pixel(x, y)) == colour) ++n;
    return n;
}

std::string Draw(const char* type, int rigMode, int c1, int c2, const char* name, bool base = true) {
    auto a = CreateLoudspeakerArray(type);
    try {
        a->Grid->SetRigMode(rigMode == 1 ? TGrid::PickFrontRear : TGrid::PickGroundStacked, TGrid::SideRear);
    } catch (const rtl::AbstractError&) {
    }
    a->SetRigMode(rigMode);
    TSplay s;
    const int n = c1 + c2;
    for (int i = 0; i < n; ++i) s.Angle[i] = rigMode == 1 ? (i == 0 ? -2.0 : (i < 4 ? 1.0 : 4.0)) : (i == n - 1 ? 0.0 : 1.0);
    a->SetUp(s, c1, c2, 0, rigMode == 1 ? 12.0 : 1.0, 100.0);
    a->CalcMechanics();
    rtl::RasterCanvas c(600, 400);
    DrawArraySideView(*a, c, true, true, 600, 400, true, rigMode, false, false);
    // The cabinets, the grid or base, and the centre-of-gravity disc.
    EXPECT_GT(CountColour(c, Cream), 1000) << name;
    if (base) {
        EXPECT_GT(CountColour(c, rtl::colors::SkyBlue), 50) << name;
    }
    EXPECT_GT(CountColour(c, rtl::colors::Yellow), 10) << name;
    return rtl::SaveTestPicture(c.Image(), name);
}

TEST(SideViewPictures, FlownAndStacked) {
    EXPECT_FALSE(Draw("Arvo", 1, 12, 0, "side_view_arvo_flown").empty());
    EXPECT_FALSE(Draw("MIXArvoBexa", 1, 6, 4, "side_view_arvo_bexa_flown").empty());
    EXPECT_FALSE(Draw("Bexa", 2, 5, 0, "side_view_bexa_stacked").empty());
    EXPECT_FALSE(Draw("MIXIvorDovi", 2, 2, 4, "side_view_ivor_dovi_stacked", false).empty());
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
