// The printed result blocks on a recording canvas (96 dpi: size 7 is 9
// pixels high, 8 is 11, 10 is 13, 12 is 16, 14 is 19; a text is 0.6 x
// height wide per character).
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "venue/drawings/tests/drawing_test_util.h"
#include "venue/drawings/result_blocks.h"

using drawtest::SetUpVenue;

namespace {
const rtl::Color kLime{0, 255, 0};
const rtl::Color kWhite{255, 255, 255};
}  // namespace

TEST(ResultBlocks, ShortDimensionsFlownInFeet) {
    TVenue v;
    TSplay splay;
    SetUpVenue(v, splay, "Arvo", 8, 0, 0, 1);
    v.TopHeight = 7.25;
    v.ArrayHeight = 6.0;
    v.LowestHeight = 2.5;
    rtl::RecordingCanvas c;
    DrawArrayDimensionsShort(v, c, 10, 20, 200, 100, false, 1);
    // x = 10 + 200 div 20; TH 13, p = round(13.65) = 14, yT = 20 + 26 - 20.
    EXPECT_EQ(c.Texts(), (std::vector<std::string>{"Highest (X) = 23.79 ft", "Height   (Y) = 19.69 ft",
                                                   "Height   (Z) = 8.202 ft"}));
    const auto texts = c.OfKind(rtl::OpKind::TextOut);
    ASSERT_EQ(texts.size(), 3u);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(texts[k]->points[0], (rtl::Point{20, 26 + 14 * k})) << k;
    EXPECT_EQ(texts[0]->fontSize, 8);
    EXPECT_EQ(texts[0]->font.name, "Arial");
    EXPECT_FALSE(texts[0]->font.bold);

    const auto fills = c.OfKind(rtl::OpKind::FillRect);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0]->rect, (rtl::Rect{10, 20, 210, 120}));
    EXPECT_EQ(fills[0]->brush.color, kWhite);
    const rtl::Point corners[] = {{10, 20}, {210, 20}, {210, 120}, {10, 120}};
    for (int k = 0; k < 4; ++k) EXPECT_TRUE(c.HasSegment(corners[k], corners[(k + 1) % 4])) << k;

    rtl::RecordingCanvas m;
    DrawArrayDimensionsShort(v, m, 10, 20, 200, 100, true, 1);
    ASSERT_GE(m.Texts().size(), 2u);
    EXPECT_EQ(m.Texts()[0], "Highest (X )= 7.25 m");
    EXPECT_EQ(m.Texts()[1], "Height   (Y) = 6 m");
}

TEST(ResultBlocks, ShortDimensionsStackedShowOneRow) {
    TVenue v;
    TSplay splay;
    SetUpVenue(v, splay, "Arvo", 6, 0, 0, 2);
    v.TopHeight = 3.5;
    rtl::RecordingCanvas c;
    DrawArrayDimensionsShort(v, c, 0, 0, 200, 100, true, 2);
    EXPECT_EQ(c.Texts(), std::vector<std::string>{"Highest (Y) = 3.5 m"});
}

TEST(ResultBlocks, ControllerNoteSplitsInThreeOnMiniArrays) {
    TVenue v;
    TSplay splay;
    SetUpVenue(v, splay, "Dovi", 6, 0, 0, 1);
    v.LSArray->ControllerNote = "abcdefghij";
    rtl::RecordingCanvas c;
    DrawControllerSettings(v, c, 0, 0, 640, 300, 1);
    // x = 640 div 32 = 20; p = 14, yT = 6: the rows 6 + 14, 6 + round(22.4)
    // and 6 + round(30.8) are 8 apart, closer than the 9 of a 7 pt line, so
    // each piece stands one line below the one before.
    const rtl::CanvasOp* a = c.FindText("abc");
    const rtl::CanvasOp* b = c.FindText("def");
    const rtl::CanvasOp* d = c.FindText("ghij");
    ASSERT_TRUE(a && b && d);
    EXPECT_EQ(a->points[0], (rtl::Point{20, 20}));
    EXPECT_EQ(b->points[0], (rtl::Point{20, 29}));
    EXPECT_EQ(d->points[0], (rtl::Point{20, 38}));
    EXPECT_EQ(a->fontSize, 7);
    const rtl::CanvasOp* title = c.FindText("Controller Settings");
    ASSERT_NE(title, nullptr);
    EXPECT_TRUE(title->font.bold);
    EXPECT_EQ(title->points[0], (rtl::Point{20, 6}));
    EXPECT_EQ(c.FindText("LF: 60Hz High pass as default")->points[0], (rtl::Point{20, 6 + 9 * 14}));
    EXPECT_EQ(c.FindText("Set to 30Hz for use without subs")->points[0],
              (rtl::Point{20, 6 + 10 * 14}));

    TVenue w;
    SetUpVenue(w, splay, "Arvo", 6, 0, 0, 1);
    w.LSArray->ControllerNote = "abcdefghij";
    rtl::RecordingCanvas e;
    DrawControllerSettings(w, e, 0, 0, 640, 300, 1);
    for (const char* text : {"abcde", "fghij", "LF ch1: 35Hz High pass as default",
                             "Set to 20Hz for use without subs"})
        EXPECT_NE(e.FindText(text), nullptr) << text;
}

TEST(ResultBlocks, ControllerPresetColumns) {
    TVenue v;
    TSplay splay;
    SetUpVenue(v, splay, "Bexa", 6, 0, 0, 2);
    TLoudspeakerArray& a = *v.LSArray;
    a.Presets1[1] = "P1";
    a.Presets1[2] = "P2";
    a.PresetEQ1[1] = "E1";
    a.PresetEQ1[2] = "E2";
    a.PresetEQ1[3] = "E3";  // no preset 3: the pair is left out
    a.Presets2[1] = "Q1";
    a.PresetEQ2[1] = "F1";
    rtl::RecordingCanvas c;
    DrawControllerSettings(v, c, 0, 0, 640, 300, 2);
    // s = width of "spc" at size 8 = 20; c = width of the 32-character
    // column text = 211. Rows at 6 + r x 14.
    auto at = [&](const std::string& t) { return c.FindText(t); };
    ASSERT_NE(at("P1"), nullptr);
    EXPECT_EQ(at("P1")->points[0], (rtl::Point{40, 6 + 4 * 14}));
    EXPECT_EQ(at("P1")->brush.color, kLime);
    EXPECT_EQ(at(" - E1")->points[0], (rtl::Point{20, 6 + 3 * 14}));
    EXPECT_EQ(at(" - E1")->brush.color, kWhite);
    EXPECT_EQ(at("P2")->points[0], (rtl::Point{40, 6 + 6 * 14}));
    EXPECT_EQ(at(" - E2")->points[0], (rtl::Point{20, 6 + 5 * 14}));
    EXPECT_EQ(at(" - E3"), nullptr);
    EXPECT_EQ(at("Q1")->points[0], (rtl::Point{40 + 211, 6 + 4 * 14}));
    EXPECT_EQ(at(" - F1")->points[0], (rtl::Point{20 + 211, 6 + 3 * 14}));
    // Pair 6 is always written, pair 5 too.
    EXPECT_EQ(c.FindTexts(" - ").size(), 2u);
    EXPECT_EQ(c.FindTexts(" - ")[1]->points[0], (rtl::Point{20 + 211, 6 + 7 * 14}));
    // Stacked: the five-way note instead of the high-pass advice.
    EXPECT_EQ(at("Arvo/Bexa run 5 way with subs on Channel 6")->points[0],
              (rtl::Point{20, 6 + 11 * 14}));
    EXPECT_EQ(at("12'': 60Hz High pass as default"), nullptr);
}

TEST(ResultBlocks, PageHeader) {
    TVenue v;
    v.VenueName = "Hall";
    rtl::RecordingCanvas c;
    DrawPageHeader(v, c, 800, 100);
    EXPECT_TRUE(c.HasSegment({0, 0}, {799, 0}));
    EXPECT_TRUE(c.HasSegment({799, 0}, {799, 99}));
    EXPECT_TRUE(c.HasSegment({0, 99}, {0, 0}));
    EXPECT_EQ(c.Count(rtl::OpKind::FillRect), 0u);
    const rtl::CanvasOp* first = c.FindText("Additional Page  :  Hall");
    ASSERT_NE(first, nullptr);
    // 24 characters at height 19: 274 wide.
    EXPECT_EQ(first->points[0], (rtl::Point{(799 - 274) / 2, 19}));
    const std::string second =
        "Bexa Settings : Refer to HELP and \"Line Array Systems Applications Guide\"";
    const rtl::CanvasOp* guide = c.FindText(second);
    ASSERT_NE(guide, nullptr);
    const int w = static_cast<int>((6 * 16 * second.size() + 5) / 10);
    EXPECT_EQ(guide->points[0], (rtl::Point{(799 - w) / 2, 40}));
    EXPECT_EQ(guide->fontSize, 12);
}

TEST(ResultBlocks, AbsurdAreasAreClamped) {
    TVenue v;
    TSplay splay;
    SetUpVenue(v, splay, "Dovi", 6, 0, 0, 1);
    v.LSArray->ControllerNote = "note";
    rtl::RecordingCanvas c;
    EXPECT_NO_THROW(DrawControllerSettings(v, c, INT_MAX, INT_MAX, INT_MAX, INT_MAX, 1));
    EXPECT_NO_THROW(DrawArrayDimensionsShort(v, c, INT_MIN, INT_MIN, INT_MIN, INT_MIN, true, 1));
    EXPECT_NO_THROW(DrawPageHeader(v, c, INT_MIN, INT_MIN));
    EXPECT_TRUE(drawtest::AllWithin(c, 1LL << 30));
}

namespace {
std::vector<std::string> Words(const std::string& s) {
    std::vector<std::string> out;
    std::string w;
    for (char ch : s + " ") {
        if (ch == ' ') {
            if (!w.empty()) out.push_back(w);
            w.clear();
        } else {
            w += ch;
        }
    }
    return out;
}
}  // namespace

// The note in the controller block of an A4 report at 150 dpi (the block at
// 818, 877, 414 wide and 351 high): the pieces are cut at blanks only, keep
// every word of the note in order, and each lies inside the frame.
TEST(ResultBlocks, ControllerNoteBreaksAtBlanksInsideTheBlock) {
    const std::string wiring =
        "SUBS on [CH1+CH3]passive [CH1+CH4]active are Ivor. Refer to HELP and \"Line Array "
        "Systems Applications Guide\" for controller settings for Jumo/Rudd/Hoba/Kato/Ivor";
    const std::string plain = "Setting for Kato as Sub are equivalent to those for Rudd";
    struct Row {
        const char* model;
        std::string note;
    };
    const Row rows[] = {{"Elka", wiring},          {"MIXDoviElka", wiring},
                        {"MIXIvorDovi", wiring},   {"MIXIvorDoviElka", wiring},
                        {"Dovi", wiring},          {"Arvo", plain}};
    const int X0 = 818, Y0 = 877, W = 414, H = 351;
    for (const Row& row : rows) {
        TVenue v;
        TSplay splay;
        SetUpVenue(v, splay, row.model, 6, 0, 0, 1);
        v.LSArray->ControllerNote = row.note;
        rtl::RecordingCanvas c(1300, 1400, 150);
        DrawControllerSettings(v, c, X0, Y0, W, H, 1);
        std::vector<std::string> drawn;
        for (const rtl::CanvasOp* op : c.OfKind(rtl::OpKind::TextOut)) {
            const std::vector<std::string> w = Words(op->text);
            if (w.empty()) continue;
            // Note pieces are the texts made only of the note's words.
            const std::string& t = op->text;
            if (row.note.find(t) == std::string::npos) continue;
            EXPECT_NE(t.front(), ' ') << row.model << ": " << t;
            EXPECT_NE(t.back(), ' ') << row.model << ": " << t;
            EXPECT_GT(op->points[0].x, X0) << row.model << ": " << t;
            EXPECT_LE(op->points[0].x + op->textWidth, X0 + W) << row.model << ": " << t;
            EXPECT_GT(op->points[0].y, Y0) << row.model << ": " << t;
            EXPECT_LE(op->points[0].y + op->textHeight, Y0 + H) << row.model << ": " << t;
            drawn.insert(drawn.end(), w.begin(), w.end());
        }
        EXPECT_EQ(drawn, Words(row.note)) << row.model;
    }
}
