// The printed venue page through the window's Print button, of ordinary,
// long and short venues: every text on the paper, inside its block, none on
// another and none below 6 pt, and its corner shows the program's logo.  (The page's drawing at every width,
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

namespace {

// The hall's design of the printing tests with its array height and its
// sixteen venue values (maximum pick height to plane 3's ear height, in the
// file's order) replaced.
std::string HallWith(const std::string& height, const std::vector<std::string>& values) {
    std::string design = VenueDesign("Arvo", 8, 0, 1);
    std::vector<std::string> lines;
    for (size_t at = 0, next; (next = design.find("\r\n", at)) != std::string::npos; at = next + 2)
        lines.push_back(design.substr(at, next - at));
    lines[3] = height;
    for (size_t i = 0; i < values.size(); ++i) lines[7 + i] = values[i];
    std::string out;
    for (const std::string& l : lines) out += l + "\r\n";
    return out;
}

}  // namespace

// The hall with its array hung 1 m up, below the floor's line (the footer's
// warnings); a long venue of 300 m (its distance scale labelled at a pitch
// the labels keep apart at); a short one of 10 m with a coverage stop
// beyond its two planes.  In metres and feet.
TEST(PrintedVenuePage, ReadsWholeAndItsCornerShowsTheLogo) {
    const struct {
        const char* name;
        std::string design;
    } venues[] = {
        {"low", HallWith("1", {"12", "3", "30", "0", "12", "0", "2.5", "8", "3", "20", "4.5", "3",
                               "41.5", "1.4", "1.4", "1.4"})},
        {"long", HallWith("12", {"20", "3", "250", "2", "50", "3", "2", "20", "3", "280", "8", "5",
                                 "290", "1.4", "1.4", "1.4"})},
        {"short", HallWith("5", {"12", "2", "8", "0", "2", "0.5", "0", "0", "0", "0", "0", "1",
                                 "12", "1.2", "1.2", "1.2"})},
    };
    for (const auto& venue : venues)
        for (bool imperial : {false, true}) {
            SCOPED_TRACE(std::string(venue.name) + (imperial ? " imperial" : " metric"));
            TestWindow w;
            w.Load(venue.design);
            if (imperial) w->ImperialRad->setChecked(true);
            w->PageControl1->setCurrentIndex(0);
            std::vector<rtl::PrintedText> texts;
            w.services->RecordPrintedTexts([&texts](const rtl::PrintedText& t) { texts.push_back(t); });
            w.services->QueuePrintToSheet();
            w->PrintTButClick();
            ASSERT_GT(texts.size(), 6u);
            const std::vector<std::string> faults = PrintedTextFaults(texts);
            EXPECT_TRUE(faults.empty()) << Listed(faults);
            // The logo's dark stage, clear of the frame's lines: 180 pixels
            // (1.8 in) left of the page's right edge, 60 up from its bottom.
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
}
