// The printed array report reads whole for every array type, flown and
// stacked, metric and imperial: every text on the paper, inside its own
// block, none on another.
#include <gtest/gtest.h>

#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "app/rules/count_limits.h"
#include "app/rules/print_layout.h"
#include "model/arrays/lsarray.h"
#include "model/hardware/box.h"
#include "app/tests/printed_text_boxes.h"
#include "app/tests/test_support.h"

namespace {

rtl::PrintedText Text(const char* s, rtl::Rect box, const char* block = "B",
                      rtl::Rect area = {0, 0, 100, 100}, int page = 0, double points = 8) {
    return rtl::PrintedText{s, box, page, points, block, area, rtl::Rect{0, 0, 200, 200}};
}

}  // namespace

TEST(PrintedTextBoxes, FaultsFound) {
    const struct {
        const char* what;
        std::vector<rtl::PrintedText> texts;
        size_t faults;
    } cases[] = {
        {"apart, inside", {Text("a", {0, 0, 10, 10}), Text("b", {10, 0, 20, 10})}, 0},
        {"touching lines", {Text("a", {0, 0, 10, 10}), Text("b", {0, 10, 10, 20})}, 0},
        {"on one another", {Text("a", {0, 0, 10, 10}), Text("b", {5, 9, 20, 19})}, 1},
        {"drawn again in place", {Text("a", {0, 0, 10, 10}), Text("a", {0, 0, 10, 10})}, 0},
        {"same text elsewhere", {Text("a", {0, 0, 10, 10}), Text("a", {1, 0, 11, 10})}, 1},
        {"other pages", {Text("a", {0, 0, 10, 10}), Text("b", {0, 0, 10, 10}, "B", {0, 0, 100, 100}, 1)}, 0},
        {"out of block", {Text("a", {95, 0, 105, 10})}, 1},
        {"off the page and block", {Text("a", {195, 0, 205, 10}, "B", {0, 0, 300, 300})}, 1},
        {"blank texts", {Text("  ", {0, 0, 10, 10}), Text("b", {0, 0, 10, 10})}, 0},
        {"too small", {Text("a", {0, 0, 10, 10}, "B", {0, 0, 100, 100}, 0, 5.5)}, 1},
        {"just 6 pt", {Text("a", {0, 0, 10, 10}, "B", {0, 0, 100, 100}, 0, 5.99)}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PrintedTextFaults(c.texts).size(), c.faults) << c.what;
}

namespace {

struct ReportCase {
    std::string type;
    int rigMode;
    bool metric;
    int n1 = 0, n2 = 0;  // 0: the most cabinets the type takes
    std::string file = "d.ven";  // its name is the venue's name on paper
};

// Prints the array report of `c`; its texts.
std::vector<rtl::PrintedText> PrintReport(const ReportCase& c) {
    TestWindow w;
    const rules::ArrayType type = *FindArrayType(c.type);
    const rules::BoxLimits limits = *rules::BoxLimitsFor(type, c.rigMode, false);
    const rules::BoxCounts n = rules::ClampBoxCounts(
        type, limits, {c.n1 ? c.n1 : limits.Max1, c.n2 ? c.n2 : limits.Max2, limits.Max3},
        c.n2 ? rules::CountBeingChanged::Second : rules::CountBeingChanged::None);
    w.Load(VenueDesign(c.type, n.N1, n.N2, c.rigMode), c.file);
    w->FNumBoxes3 = n.N3;
    if (!c.metric) w->ImperialRad->setChecked(true);
    w->DesignTButClick();
    EXPECT_EQ(w->FRigMode, c.rigMode) << c.type;
    return PrintPage(w, 1);
}

}  // namespace

TEST(PrintedReport, EveryTextWholeInItsBlock) {
    std::vector<ReportCase> cases;
    for (const TArrayTypeInfo& t : kArrayTypes) cases.push_back({std::string(t.Name), 1, true});
    for (const char* t : {"Arvo", "Bexa", "Rudd", "Dovi", "Elka", "MIXDoviElka", "Ivor", "MIXIvorDovi",
                          "MIXBexaCadri"})
        cases.push_back({t, 2, true});
    for (const char* t : {"Arvo", "MIXArvoBexa", "MIXRuddArvo", "MIXIvorDoviElka"})
        cases.push_back({t, 1, false});
    for (const char* t : {"Dovi", "MIXDoviElka"}) cases.push_back({t, 2, false});
    // Three racks of up to twelve cabinets, wider than the page at the
    // rules' rack width, and a mix whose rack width follows the other model;
    // short mini layouts; a venue name too long for the table's heading.
    cases.push_back({"Arvo", 1, true, 10});
    cases.push_back({"Bexa", 2, true, 6});
    cases.push_back({"MIXRuddArvo", 1, true, 4, 13});
    cases.push_back({"MIXRuddArvo", 1, false, 3, 15});
    cases.push_back({"Dovi", 1, true, 3});
    cases.push_back({"MIXHobaDovi", 1, true, 3, 6});
    cases.push_back({"Arvo", 1, true, 8, 0,
                     "The Grand Municipal Auditorium and Conference Centre of the Northern Riverside "
                     "District, Main Hall with Balcony and Side Galleries.ven"});
    for (const ReportCase& c : cases) {
        SCOPED_TRACE(c.type + " " + std::to_string(c.n1) + "/" + std::to_string(c.n2) +
                     (c.rigMode == 2 ? " stacked" : " flown") + (c.metric ? "" : " imperial"));
        const std::vector<rtl::PrintedText> texts = PrintReport(c);
        int pages = 0;
        for (const rtl::PrintedText& t : texts) pages = std::max(pages, t.page + 1);
        EXPECT_EQ(pages, c.type == "MIXArvoBexa" || c.type == "MIXBexaDovi" ? 2 : 1);
        const std::vector<std::string> faults = PrintedTextFaults(texts);
        EXPECT_TRUE(faults.empty()) << Listed(faults);
    }
}

// A ground stack has no pick points: whatever stacked type, chosen before or
// after the stacked rig, the array page hides the pick loads and the printed
// report reads "NA" for both.
TEST(PrintedReport, StackedArraysReadNoPickLoads) {
    const struct { const char* radio; bool mixed, stackedFirst; } cases[] = {
        {"allarvorad", false, false},     {"allbexarad", false, false},
        {"alldovirad", false, false},     {"AllElkarad", false, false},
        {"mixdovielkarad", true, false},  {"allarvorad", false, true},
        {"allbexarad", false, true},      {"mixdovielkarad", true, true},
        {"mixBexaCadrirad", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.radio) + (c.stackedFirst ? " chosen stacked" : " then stacked"));
        TestWindow w;
        auto choose = [&] {
            w->boxchoicePC->setCurrentWidget(c.mixed ? w->Mixedts : w->Singlets);
            w->findChild<QRadioButton*>(QString::fromLatin1(c.radio))->click();
        };
        w->show();
        if (!c.stackedFirst) choose();
        w->PageControl1->setCurrentWidget(w->ArrayTab);
        w->stackrad->click();
        if (c.stackedFirst) choose();
        w->DesignTBut->click();
        w->ArrayTBut->click();
        ASSERT_EQ(w->FRigMode, 2);
        EXPECT_FALSE(w->FFlab->isVisible());
        EXPECT_FALSE(w->FRlab->isVisible());

        const std::vector<rtl::PrintedText> texts = PrintPage(w, 1);
        std::vector<std::string> loads;
        for (size_t k = 0; k + 1 < texts.size(); ++k)
            if (texts[k].text.rfind("Load on ", 0) == 0) loads.push_back(texts[k + 1].text);
        EXPECT_EQ(loads, (std::vector<std::string>{" = NA kg", " = NA kg"}));
    }
}

namespace {

// The value written on the mechanical report's line of `label`: the text
// after it on the same line, "" when the line has none.
std::optional<std::string> MechanicalValue(const std::vector<rtl::PrintedText>& texts,
                                           const std::string& label) {
    for (const rtl::PrintedText& l : texts) {
        if (l.block != rules::kMechanicalBlock || l.text != label) continue;
        std::string value;
        for (const rtl::PrintedText& v : texts)
            if (v.block == l.block && v.page == l.page && v.box.top == l.box.top &&
                v.box.left > l.box.left)
                value += v.text;
        return value;
    }
    return std::nullopt;
}

}  // namespace

// A one-point lift: the printed hole and grid angle are the array page's,
// the angle as the grid hangs (the rig's lift-bar angle negated, the Elka's
// less its top-angle offset); without a hole in reach the hole reads "NA"
// and no angle is printed, as on the screen.
TEST(PrintedReport, LiftBarFiguresAsTheArrayPageShowsThem) {
    const struct {
        const char* type;
        int n1;
        const char* topAngle;  // the design's grid angle, before the design
        bool autoDesign;
        bool holeInReach;
    } cases[] = {
        {"Bexa", 8, "2", true, true},
        {"Ivor", 6, "2", true, true},
        {"Elka", 3, "2", true, true},
        {"Dovi", 6, "2", true, true},
        // A grid angle no hole of the bar comes within 2.5 degrees of.
        {"Elka", 3, "-40", false, false},
        {"Bexa", 8, "40", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " top angle " + c.topAngle);
        TestWindow w;
        std::string design = VenueDesign(c.type, c.n1, 0, 1);
        design.replace(design.find("TRUE\r\nFRONT\r\n1\r\n"), 16,
                       std::string(c.autoDesign ? "TRUE" : "FALSE") + "\r\nFRONT\r\n4\r\n");
        const std::string firstAngle = "\r\nFALSE\r\n2\r\n0\r\n";
        design.replace(design.find(firstAngle), firstAngle.size(),
                       "\r\nFALSE\r\n" + std::string(c.topAngle) + "\r\n0\r\n");
        w.Load(design);
        ASSERT_EQ(w->FPickOption, 4);
        if (c.autoDesign) w->DesignTButClick();
        const std::vector<rtl::PrintedText> texts = PrintPage(w, 1);
        // The report reads whole.
        const std::vector<std::string> faults = PrintedTextFaults(texts);
        EXPECT_TRUE(faults.empty()) << Listed(faults);
        const std::string hole = w->bestholelab->text().toStdString();
        const std::string angle = w->bestanglab->text().toStdString();
        EXPECT_EQ(hole == "NA", !c.holeInReach) << hole;
        EXPECT_EQ(MechanicalValue(texts, "Nearest Hole in lift bar "), " = " + hole);
        EXPECT_EQ(MechanicalValue(texts, "Actual angle of grid "),
                  c.holeInReach ? " = " + angle + " Deg" : "");
        if (!c.holeInReach) continue;
        // The sign and the offset, from the array's own figures (3 digits).
        TLoudspeakerArray& a = *w->CurrentArray();
        const double offset = std::string(c.type) == "Elka" ? a.CurrentBox->BottomFaceAngle : 0.0;
        const double want = -a.LiftBarGridAngle - offset;
        EXPECT_NEAR(std::stod(angle), want, 0.005 * std::fabs(want) + 0.005);
    }
}
