// The printed venue page through the window's Print button: every text on
// the paper, inside its block, none on another and none below 6 pt, and its
// corner shows the program's logo.  (The page's drawing at every width,
// flown, stacked and with the downfill strip, is read in the venue section's
// own tests; the printed tilt-and-splay table with the whole array report.)
#include <gtest/gtest.h>

#include <QRadioButton>
#include <QTabWidget>

#include <string>
#include <vector>

#include "app/background1.h"
#include "app/tests/printed_text_boxes.h"
#include "app/tests/test_support.h"

// An array hung 1 m up, below the floor's line: the footer's warnings.
TEST(PrintedVenuePage, ReadsWholeAndItsCornerShowsTheLogo) {
    TestWindow w;
    std::string design = VenueDesign("Arvo", 8, 0, 1);
    design.replace(design.find("\r\n8\r\n"), 5, "\r\n1\r\n");  // its fourth line, the height
    w.Load(design);
    w->ImperialRad->setChecked(true);
    w->PageControl1->setCurrentIndex(0);
    std::vector<rtl::PrintedText> texts;
    w.services->RecordPrintedTexts([&texts](const rtl::PrintedText& t) { texts.push_back(t); });
    w.services->QueuePrintToSheet();
    w->PrintTButClick();
    ASSERT_GT(texts.size(), 10u);
    const std::vector<std::string> faults = PrintedTextFaults(texts);
    EXPECT_TRUE(faults.empty()) << Listed(faults);
    // The logo's dark stage, clear of the frame's lines: 180 pixels (1.8 in)
    // left of the page's right edge, 60 up from its bottom.
    const QImage& sheet = w.services->Sheet();
    const QRect p = w.services->SheetPage();
    int dark = 0;
    for (int y = p.bottom() - 60; y < p.bottom() - 12; ++y)
        for (int x = p.right() - 180; x < p.right() - 25; ++x) {
            const QColor c = sheet.pixelColor(x, y);
            dark += c.red() < 80 && c.green() < 80 && c.blue() < 80;
        }
    EXPECT_GT(dark, 3000);
}
