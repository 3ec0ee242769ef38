// The drawings through the Qt raster canvas, saved as PNG pictures in the
// build folder ("test-pictures") for a person to look at, with a few pixel
// checks that the shapes landed where the layout puts them.
#include <gtest/gtest.h>

#include <string>

#include "venue/drawings/tests/drawing_test_util.h"
#include "venue/drawings/amp_patch.h"
#include "venue/drawings/logo.h"
#include "venue/drawings/result_blocks.h"
#include "venue/drawings/splay_table.h"
#include "platform/qt/qt_canvas.h"

using drawtest::SetUpVenue;

namespace {

const rtl::Color kNavy{0, 0, 128};
const rtl::Color kSky{166, 202, 240};
const rtl::Color kSilver{192, 192, 192};

void Save(rtl::RasterCanvas& c, const std::string& name) {
    EXPECT_FALSE(rtl::SaveTestPicture(c.Image(), name).empty()) << name;
}

}  // namespace

TEST(DrawingPictures, TiltTableFullSizeOnPaper) {
    TVenue v;
    TSplay splay;
    SetUpVenue(v, splay, "Arvo", 12, 0, 0, 1);
    v.VenueName = "Town Hall, main hang left";
    splay.Angle[0] = 1.75;
    for (int i = 1; i < 12; ++i) splay.ChoiceIndex[i] = i % 7;
    // The page goes on below the area, where the footnote stands.
    rtl::RasterCanvas c(900, 720);
    DrawSplayTable(v, c, 0, 0, 900, 700, false, MakeLogoPicture(96), 1);
    Save(c, "splay_table_fullsize_paper");
    // The band line under the logo, navy.
    EXPECT_EQ(c.PixelAt(450, 70), kNavy);
    // The logo's navy band, above its letters, scaled from 96 to 70.
    EXPECT_EQ(c.PixelAt(35, 28), kNavy);
}

TEST(DrawingPictures, TiltTableCompactOnScreen) {
    TVenue v;
    TSplay splay;
    SetUpVenue(v, splay, "Bexa", 6, 0, 0, 2);
    v.LSArray->GroundStackBar->CurrentIndex = 2;
    rtl::RasterCanvas c(700, 260);
    DrawSplayTable(v, c, 0, 0, 700, 260, true, MakeLogoPicture(), 2);
    Save(c, "splay_table_compact_stacked_screen");
    EXPECT_EQ(c.PixelAt(350, 30), kNavy);  // grid line under the headings
}

TEST(DrawingPictures, TiltTableMiniOnPaper) {
    TVenue v;
    TSplay splay;
    SetUpVenue(v, splay, "MIXIvorDoviElka", 2, 9, 2, 1);
    v.VenueName = "Club";
    rtl::RasterCanvas c(900, 720);
    DrawSplayTable(v, c, 0, 0, 900, 700, false, MakeLogoPicture(96), 1);
    Save(c, "splay_table_mini_paper");
    EXPECT_EQ(c.PixelAt(450, 70), kNavy);
}

TEST(DrawingPictures, ThreeWayPatchAllRacks) {
    TVenue v;
    TSplay splay;
    SetUpVenue(v, splay, "Arvo", 13, 0, 0, 1);
    rtl::RasterCanvas c(1400, 420);
    DrawAmpPatch(v, c, 0, 0, 1390, 420, false, true, true, true, false);
    Save(c, "amp_patch_threeway_13_print");
    // 13 cabinets: racks 1390 x 3/16 = 261 wide, unit 47, rack 1 at 173,
    // rack top 92; slot 0 of rack 1 is sky blue on both halves.
    EXPECT_EQ(c.PixelAt(173 + 3, 92 + 40), kSky);
}

TEST(DrawingPictures, ThreeWayPatchOneRackOnScreen) {
    TVenue v;
    TSplay splay;
    SetUpVenue(v, splay, "Arvo", 9, 0, 0, 1);
    rtl::RasterCanvas c(640, 520);
    DrawAmpPatch(v, c, 0, 0, 640, 520, true, true, false, false, false);
    Save(c, "amp_patch_threeway_9_rack1_screen");
}

TEST(DrawingPictures, MiniPatchBothRacks) {
    TVenue v;
    TSplay splay;
    SetUpVenue(v, splay, "Dovi", 10, 0, 0, 1);
    rtl::RasterCanvas c(640, 640);
    // As the window shows it: the passive rack on top, the active below.
    DrawAmpPatch(v, c, 0, 0, 640, 320, true, false, true, false, true);
    DrawAmpPatch(v, c, 0, 320, 640, 320, true, true, false, false, true);
    Save(c, "amp_patch_mini_10");
    // Passive rack: 640 x 4/9 = 284 wide, unit 51, at 178; its top at
    // (320 - 102) div 2 = 109. Slot 1's right half stays white, its left
    // half is silver.
    EXPECT_EQ(c.PixelAt(178 + 3, 109 + 51 + 45), kSilver);
    EXPECT_EQ(c.PixelAt(178 + 284 - 3, 109 + 51 + 45), (rtl::Color{255, 255, 255}));
}

TEST(DrawingPictures, ResultBlocks) {
    TVenue v;
    TSplay splay;
    SetUpVenue(v, splay, "Dovi", 8, 0, 0, 1);
    v.VenueName = "Town Hall";
    v.TopHeight = 9.4;
    v.ArrayHeight = 8.0;
    v.LowestHeight = 6.1;
    TLoudspeakerArray& a = *v.LSArray;
    a.Presets1[1] = "DOVI 8 FLY";
    a.PresetEQ1[1] = "Standard HF EQ";
    a.Presets2[1] = "DOVI SUB";
    a.PresetEQ2[1] = "Sub crossover";
    a.ControllerNote = "Subs on outputs 1 and 4; see the applications guide for the rest of the settings.";
    rtl::RasterCanvas c(800, 420);
    DrawPageHeader(v, c, 800, 80);
    DrawArrayDimensionsShort(v, c, 10, 100, 300, 80, true, 1);
    DrawControllerSettings(v, c, 10, 200, 700, 210, 1);
    Save(c, "result_blocks");
}
