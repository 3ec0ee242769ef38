// The printed tilt-and-splay table and the printed venue page read whole:
// every text on the paper, inside its block, none on another and none below
// 6 pt, printed through the window's Print button into a PDF; the venue
// page's corner shows the program's logo.
#include <gtest/gtest.h>

#include <QRadioButton>
#include <QTabWidget>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/background1.h"
#include "app/rules/print_layout.h"
#include "app/tests/printed_text_boxes.h"
#include "app/tests/test_support.h"

namespace {

// The printing tests' hall, with some of its lines changed: the array
// height, plane 1's length and the coverage start (0: as in the hall).
struct Hall {
    double arrayHeight = 0, plane1Length = 0, coverageStart = 0;
};

std::string Design(const std::string& type, int n1, int n2, int rigMode, const Hall& h) {
    std::vector<std::string> lines;
    std::istringstream in(VenueDesign(type, n1, n2, rigMode));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    // Lines 4, 10 and 19 of the venue file (each ends in "\r").
    const auto set = [&lines](size_t line, double v) {
        if (v != 0) lines.at(line - 1) = std::to_string(v) + "\r";
    };
    set(4, h.arrayHeight);
    set(10, h.plane1Length);
    set(19, h.coverageStart);
    std::string out;
    for (const std::string& line : lines) out += line + "\n";
    return out;
}

struct PrintCase {
    const char* type;
    int n1, n2, n3, rigMode;
    bool metric;
    Hall hall;
    std::string file = "d.ven";  // its name is the venue's name on paper
};

// Loads the design of `c` and prints the page `tab` shows (0 the venue
// page, 1 the array report); the texts printed.
std::vector<rtl::PrintedText> PrintDesign(TestWindow& w, const PrintCase& c, int tab) {
    WriteFile(w.user.Path(c.file), Design(c.type, c.n1, c.n2, c.rigMode, c.hall));
    w.services->QueueOpenFile(QString::fromStdString(w.user.Path(c.file)));
    w->LoadTButClick();
    if (c.n3 > 0) {
        w->FNumBoxes3 = c.n3;
        w->Recalculate();
    }
    if (!c.metric) w->ImperialRad->setChecked(true);
    w->PageControl1->setCurrentIndex(tab);
    const std::string pdf = w.user.Path("out.pdf");
    std::vector<rtl::PrintedText> texts = PrintRecordingTexts(*w, *w.services, pdf);
    if (const char* keep = std::getenv("ORANDEL_KEEP_PDF"))
        std::filesystem::copy_file(pdf,
                                   std::string(keep) + "/" + (tab == 0 ? "venue-" : "table-") +
                                       c.type + "-" + std::to_string(c.n1) + "-" +
                                       std::to_string(c.rigMode) + (c.metric ? "" : "-ft") + ".pdf",
                                   std::filesystem::copy_options::overwrite_existing);
    return texts;
}

std::string Lines(const std::vector<std::string>& faults) {
    std::string s;
    for (const std::string& f : faults) s += "  " + f + "\n";
    return s;
}

}  // namespace

// The mini layouts' channel texts, "1+Grid" beside a negative grid angle,
// the group titles and the tilt-bar notes, flown and stacked.
TEST(PrintedSplayTable, EveryTextWholeInTheTable) {
    const PrintCase cases[] = {
        {"Dovi", 3, 0, 0, 1, true, {}},          {"Dovi", 6, 0, 0, 1, true, {}},
        {"Elka", 4, 0, 0, 1, true, {}},          {"MIXDoviElka", 6, 2, 0, 1, true, {}},
        {"MIXBexaDovi", 4, 4, 0, 1, true, {}},   {"MIXHobaDovi", 3, 6, 0, 1, true, {}},
        {"MIXIvorDoviElka", 2, 4, 2, 1, true, {}}, {"Arvo", 8, 0, 0, 1, false, {}},
        {"MIXArvoGiraF", 8, 2, 0, 1, true, {}},  {"Arvo", 6, 0, 0, 2, true, {}},
        {"Dovi", 6, 0, 0, 2, false, {}},
        {"Arvo", 8, 0, 0, 1, true, {},
         "The Grand Municipal Auditorium and Conference Centre of the Northern Riverside "
         "District, Main Hall with Balcony and Side Galleries.ven"},
    };
    for (const PrintCase& c : cases) {
        TestWindow w;
        std::vector<rtl::PrintedText> table;
        for (const rtl::PrintedText& t : PrintDesign(w, c, 1))
            if (t.block == rules::kSplayTableBlock) table.push_back(t);
        ASSERT_GT(table.size(), 20u) << c.type;
        const std::vector<std::string> faults = PrintedTextFaults(table);
        EXPECT_TRUE(faults.empty()) << c.type << (c.rigMode == 2 ? " stacked" : " flown") << ": "
                                    << faults.size() << " faults\n" << Lines(faults);
    }
}

// Flown and stacked, metric and imperial, an array hung below the floor's
// line, and the downfill mix whose main cabinets throw too far (its warning
// strip).
TEST(PrintedVenuePage, EveryTextWholeOnThePage) {
    const struct {
        PrintCase design;
        bool strip;
    } cases[] = {
        {{"Arvo", 8, 0, 0, 1, true, {}}, false},
        {{"Arvo", 3, 0, 0, 2, false, {}}, false},
        {{"Arvo", 8, 0, 0, 1, false, {1, 0, 0}}, false},
        {{"MIXArvoGiraF", 6, 2, 0, 1, true, {8, 40, 25}}, true},
        {{"MIXArvoGiraF", 8, 2, 0, 1, false, {14, 40, 35}}, true},
    };
    for (const auto& c : cases) {
        TestWindow w;
        const std::vector<rtl::PrintedText> texts = PrintDesign(w, c.design, 0);
        bool strip = false;
        for (const rtl::PrintedText& t : texts) strip |= t.text.find("DF Array") != std::string::npos;
        EXPECT_EQ(strip, c.strip) << c.design.type;
        const std::vector<std::string> faults = PrintedTextFaults(texts);
        EXPECT_TRUE(faults.empty()) << c.design.type << (c.design.metric ? "" : " imperial") << ": "
                                    << faults.size() << " faults\n" << Lines(faults);
    }
}

// The corner of the printed venue page holds the logo's dark stage, not an
// empty frame.
TEST(PrintedVenuePage, CornerShowsTheLogo) {
    TestWindow w;
    WriteFile(w.user.Path("d.ven"), VenueDesign("Arvo", 8, 0, 1));
    w.services->QueueOpenFile(QString::fromStdString(w.user.Path("d.ven")));
    w->LoadTButClick();
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
