// The printed venue page reads whole: every text on the paper, inside its
// block, none on another and none below 6 pt, printed through the window's
// Print button into a PDF; its corner shows the program's logo.  (The
// printed tilt-and-splay table is read with the whole array report.)
#include <gtest/gtest.h>

#include <QRadioButton>
#include <QTabWidget>

#include <sstream>
#include <string>
#include <vector>

#include "app/background1.h"
#include "app/tests/printed_text_boxes.h"
#include "app/tests/test_support.h"

// Flown and stacked, metric and imperial, an array hung below the floor's
// line, and the downfill mix whose main cabinets throw too far (its warning
// strip).  The printing tests' hall has some of its lines changed: the
// array height, plane 1's length and the coverage start (lines 4, 10 and 19
// of the venue file; 0: as in the hall).
TEST(PrintedVenuePage, EveryTextWholeOnThePage) {
    const struct {
        const char* type;
        int n1, rigMode;
        bool metric;
        double hall[3];
        bool strip;
    } cases[] = {
        {"Arvo", 8, 1, true, {}, false},
        {"Arvo", 3, 2, false, {}, false},
        {"Arvo", 8, 1, false, {1, 0, 0}, false},
        {"MIXArvoGiraF", 6, 1, true, {8, 40, 25}, true},
        {"MIXArvoGiraF", 8, 1, false, {14, 40, 35}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.type) + (c.metric ? "" : " imperial"));
        std::istringstream in(VenueDesign(c.type, c.n1, c.type[0] == 'M' ? 2 : 0, c.rigMode));
        std::string design;
        int n = 0;
        for (std::string line; std::getline(in, line);) {
            const double v = ++n == 4 ? c.hall[0] : n == 10 ? c.hall[1] : n == 19 ? c.hall[2] : 0;
            design += (v != 0 ? std::to_string(v) + "\r" : line) + "\n";
        }
        TestWindow w;
        w.Load(design);
        if (!c.metric) w->ImperialRad->setChecked(true);
        const std::vector<rtl::PrintedText> texts = PrintPage(w, 0);
        bool strip = false;
        for (const rtl::PrintedText& t : texts) strip |= t.text.find("DF Array") != std::string::npos;
        EXPECT_EQ(strip, c.strip);
        const std::vector<std::string> faults = PrintedTextFaults(texts);
        EXPECT_TRUE(faults.empty()) << Listed(faults);
    }
}

// The corner of the printed venue page holds the logo's dark stage, not an
// empty frame.
TEST(PrintedVenuePage, CornerShowsTheLogo) {
    TestWindow w;
    w.Load(VenueDesign("Arvo", 8, 0, 1));
    w->PageControl1->setCurrentIndex(0);
    w.services->QueuePrintToSheet();
    w->PrintTButClick();
    const QImage& sheet = w.services->Sheet();
    const QRect p = w.services->SheetPage();
    // Clear of the frame's lines: 180 pixels (1.8 in) left of the page's
    // right edge, 60 up from its bottom.
    int dark = 0;
    for (int y = p.bottom() - 60; y < p.bottom() - 12; ++y)
        for (int x = p.right() - 180; x < p.right() - 25; ++x) {
            const QColor c = sheet.pixelColor(x, y);
            dark += c.red() < 80 && c.green() < 80 && c.blue() < 80;
        }
    EXPECT_GT(dark, 3000);
}
