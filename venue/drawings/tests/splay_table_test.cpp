// The tilt and splay sheet on a recording canvas. The screen sheet has
// 15-pixel rows from the top of its area; with an area of 800 x 600 the
// columns are: CAB 0..106, ANGLE 106..212, TYPE 212..318, the group column
// centred on 400 (350..450) and channel columns 500, 600 and 700 wide 100.
#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/errors.h"
#include "venue/drawings/tests/drawing_test_util.h"
#include "venue/drawings/logo.h"
#include "venue/drawings/splay_table.h"

using drawtest::SetUpVenue;

namespace {

enum Col { Cab, Angle, Type, Group, Ch1, Ch2, Ch3 };
const char* const kTiltBarNote = "*(H)ole or (S)lot in rear tilt bar";

struct Cell {
    int row;
    Col col;
    const char* text;
};

struct ScreenCells {
    // (row, column) -> text, from the text's centre.
    std::map<std::pair<int, int>, std::string> cells;
    std::string at(int row, Col col) const {
        auto it = cells.find({row, static_cast<int>(col)});
        return it == cells.end() ? std::string() : it->second;
    }
    void Expect(std::initializer_list<Cell> want) const {
        for (const Cell& c : want) EXPECT_EQ(at(c.row, c.col), c.text) << "row " << c.row << " col " << c.col;
    }
    // One column read down from firstRow.
    void ExpectColumn(Col col, int firstRow, std::initializer_list<const char*> want) const {
        int row = firstRow;
        for (const char* w : want) {
            EXPECT_EQ(at(row, col), w) << "row " << row << " col " << col;
            ++row;
        }
    }
};

// Cells of a screen sheet drawn at (0, 0, 800, 600).
ScreenCells ReadScreen(const rtl::RecordingCanvas& c) {
    ScreenCells out;
    const int bounds[7][2] = {{0, 106},   {106, 212}, {212, 318}, {350, 450},
                              {500, 600}, {600, 700}, {700, 800}};
    for (const rtl::CanvasOp* op : c.OfKind(rtl::OpKind::TextOut)) {
        const int cx = op->points[0].x + op->textWidth / 2;
        const int cy = op->points[0].y + op->textHeight / 2;
        for (int k = 0; k < 7; ++k)
            if (cx >= bounds[k][0] && cx < bounds[k][1]) out.cells[{cy / 15, k}] = op->text;
    }
    return out;
}

struct Sheet {
    TVenue venue;
    TSplay splay;
    rtl::RecordingCanvas canvas{800, 600};

    Sheet(const std::string& type, int n1, int n2, int n3, int rigMode) {
        SetUpVenue(venue, splay, type, n1, n2, n3, rigMode);
    }
    void StackBar(int index, double value) {
        venue.LSArray->GroundStackBar->CurrentIndex = index;
        venue.LSArray->GroundStackBar->Values[index] = value;
    }
    ScreenCells DrawScreen(int rigMode) {
        canvas.Clear();
        DrawSplayTable(venue, canvas, 0, 0, 800, 600, true, rtl::Picture(), rigMode);
        return ReadScreen(canvas);
    }
    bool HasNote() const { return canvas.FindText(kTiltBarNote) != nullptr; }
};

}  // namespace

TEST(SplayTable, FullSizeFlownSixteenLettersChannelsAndMarks) {
    Sheet s("Arvo", 16, 0, 0, 1);
    s.splay.Angle[0] = 1.75;
    s.splay.ChoiceIndex[1] = 4;  // "4.5 "
    s.splay.ChoiceIndex[2] = 6;  // "7.5 "
    ScreenCells t = s.DrawScreen(1);
    t.Expect({{0, Angle, "TILT AND SPLAY ANGLES"}, {0, Group, "SPEAKER"}, {0, Ch2, "CONTROLLER O/P CHAN"},
              {1, Ch1, "LF"}, {1, Ch2, "MF"}, {1, Ch3, "HF"},
              {2, Cab, "1+Grid"}, {2, Angle, "1.75 H*"}, {3, Cab, "2"}, {3, Angle, "4.5  H*"},
              {4, Angle, "7.5  H*"}, {17, Cab, "16"}, {17, Angle, "0.0 H*"}, {17, Type, "Arvo"}});

    // Cabinet i from the top is b = 16 - i from the bottom.
    const char* letters = "HHGGFFEEDDCCBBAA";
    for (int i = 1; i <= 16; ++i) {
        const int row = i + 1;
        SCOPED_TRACE(i);
        EXPECT_EQ(t.at(row, Group), std::string(1, letters[i - 1]));
        EXPECT_EQ(t.at(row, Ch1), "1");
        EXPECT_EQ(t.at(row, Ch2), i >= 13 ? "2" : "3");
        EXPECT_EQ(t.at(row, Ch3), i >= 15 ? "4" : (i >= 11 ? "5" : "6"));
    }
    const auto notes = s.canvas.FindTexts(kTiltBarNote);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0]->points[0], (rtl::Point{2, 600 - 13}));
}

TEST(SplayTable, StackedSixFollowsItsOwnChannelSequence) {
    Sheet s("Arvo", 6, 0, 0, 2);
    s.StackBar(3, 2.5);
    s.splay.ChoiceIndex[0] = 1;
    ScreenCells t = s.DrawScreen(2);
    t.ExpectColumn(Ch2, 2, {"2", "2", "3", "3", "2", "2"});
    t.Expect({{2, Cab, "1"}, {2, Angle, "1.0  H*"}, {7, Cab, "6+Grid"}, {7, Angle, "2.50 H*"}});

    // The compact single array carries no tilt-bar mark; seven cabinets
    // follow the ordinary rule.
    Sheet b("Bexa", 7, 0, 0, 2);
    b.StackBar(0, -2);
    ScreenCells u = b.DrawScreen(2);
    u.Expect({{8, Cab, "7+Grid"}, {8, Angle, "-2.00"}});
    u.ExpectColumn(Ch2, 2, {"3", "3", "3", "2", "2", "2", "2"});
    EXPECT_FALSE(b.HasNote());
}

TEST(SplayTable, DownfillMixMarksTheFirstGiraWithItsJunction) {
    for (int giras : {1, 2}) {
        SCOPED_TRACE(giras);
        Sheet s("MIXArvoGiraF", 4, giras, 0, 1);
        s.splay.Angle[0] = 2.0;
        ScreenCells t = s.DrawScreen(1);
        t.Expect({{2, Angle, "2.00 H*"}, {5, Type, "Arvo"}, {5, Group, "A-Arvo"}, {2, Group, "B-Arvo"},
                  {2, Ch1, "1-vo"}, {2, Ch2, "2-vo"}, {2, Ch3, "5-vo"},
                  // The first downfill cabinet: numbered 1 again, at its junction.
                  {6, Cab, "1"}, {6, Angle, "12.75**"}, {6, Type, "Gira"}, {6, Group, "A-Gira"},
                  {6, Ch1, "1-ra"}, {6, Ch2, "2-ra"}, {6, Ch3, "3-ra"}});
        if (giras == 2) {
            EXPECT_EQ(t.at(7, Angle), "20.0");
        }

        const rtl::CanvasOp* op = s.canvas.FindText(
            "*Hole or Slot in tilt bar  ** Insert top hole of tilt bar into 6 deg hole in Arvo");
        ASSERT_NE(op, nullptr);
        EXPECT_EQ(op->fontSize, 8);
        // The row font (0.8 x 15) is back for what follows.
        EXPECT_EQ(s.canvas.Ops().back().font.height, 12);
    }
}

TEST(SplayTable, CompactDownfillMixGivesOnlyTheEmptyTable) {
    Sheet s("MIXBexaCadri", 6, 2, 0, 1);
    s.DrawScreen(1);
    const std::vector<std::string> expected = {"TILT AND SPLAY ANGLES", "SPEAKER", "CONTROLLER O/P CHAN",
                                               "CAB", "ANGLE", "TYPE", "O/P GROUP", "LF", "MF", "HF"};
    EXPECT_EQ(s.canvas.Texts(), expected);
    // The frame closes the sheet: Left,Top -> Right,Top -> Right,Bottom ...
    EXPECT_TRUE(s.canvas.HasSegment({0, 0}, {800, 0}));
    EXPECT_TRUE(s.canvas.HasSegment({800, 0}, {800, 587}));
    EXPECT_TRUE(s.canvas.HasSegment({0, 587}, {0, 0}));
    // Grid lines under every row down to r = 6 + 2 + 3.
    EXPECT_TRUE(s.canvas.HasSegment({0, 11 * 15}, {400, 11 * 15}));
    EXPECT_FALSE(s.canvas.HasSegment({0, 12 * 15}, {400, 12 * 15}));
}

TEST(SplayTable, MiniRunsPatchInGroupsOfFour) {
    ScreenCells t = Sheet("Dovi", 3, 0, 0, 1).DrawScreen(1);
    t.Expect({{1, Ch1, "Passive"}, {1, Ch2, "Act LF"}, {1, Ch3, "Act HF"}});
    for (int row = 2; row <= 4; ++row)
        t.Expect({{row, Group, "A"}, {row, Ch1, "2L / 5R"}, {row, Ch2, "2L / 5R"}, {row, Ch3, "3L / 6R"},
                  {row, Type, "Dovi"}});

    // Cabinets 3..6 are the bottom group, 1 and 2 the next.
    ScreenCells u = Sheet("Dovi", 6, 0, 0, 1).DrawScreen(1);
    u.ExpectColumn(Ch1, 2, {"3L / 6R", "3L / 6R", "2L / 5R", "2L / 5R", "2L / 5R", "2L / 5R"});
    u.ExpectColumn(Ch2, 2, {"3", "3", "2", "2", "2", "2"});
    u.ExpectColumn(Ch3, 2, {"5", "5", "4", "4", "4", "4"});
    u.ExpectColumn(Group, 2, {"B", "B", "A", "A", "A", "A"});

    // A stacked run of six leaves the active LF column empty.
    ScreenCells w = Sheet("Dovi", 6, 0, 0, 2).DrawScreen(2);
    w.ExpectColumn(Ch2, 2, {"", "", "", "", "", ""});
    EXPECT_EQ(w.at(7, Cab), "6+Grid");
}

TEST(SplayTable, MiniDownfillAloneShowsTheGridAngleLessItsOffset) {
    Sheet s("Elka", 2, 0, 0, 1);
    s.splay.Angle[0] = 12.0;
    s.DrawScreen(1).Expect({{2, Angle, "2.00"}, {3, Angle, "20.0"}, {2, Type, "Elka"}});
}

TEST(SplayTable, CompactOverMiniRunsOneRowLowerAfterTheSubHeading) {
    ScreenCells t = Sheet("MIXBexaDovi", 3, 4, 0, 1).DrawScreen(1);
    t.Expect({{2, Group, "B-Bexa"}, {4, Group, "A-Bexa"}, {4, Ch1, "1-xa"}, {4, Ch3, "4-xa"},
              // Sub-heading in table row NumBoxes1 + 2.
              {5, Ch1, "Passive"}, {5, Ch2, "Act LF"}, {5, Ch3, "Act HF"},
              // The first mini cabinet: left table row 5, right table row 6.
              {5, Cab, "1"}, {5, Type, "Dovi"}});
    for (int row = 6; row <= 9; ++row)
        t.Expect({{row, Group, "A-Dovi"}, {row, Ch1, "2L / 5R"}, {row, Ch3, "3L / 6R"}});
}

TEST(SplayTable, ThreeModelJunctionRows) {
    // The joints under the subwoofers and from Dovi to Elka read the angles
    // the array hangs at, whatever the models' offsets and junctions.
    Sheet sheet("MIXIvorDoviElka", 2, 3, 1, 1);
    sheet.splay.Angle[2] = 2.5;
    sheet.splay.Angle[5] = 12.0;
    ScreenCells t = sheet.DrawScreen(1);
    t.Expect({{4, Type, "Dovi"}, {4, Cab, "1"}, {4, Angle, "2.50"},
              {7, Type, "Elka"}, {7, Cab, "4"}, {7, Angle, "12.00"}, {2, Group, "SUB"}, {3, Group, "SUB"},
              // Sub-heading in row NumBoxes1 + 2, then the four mini cabinets
              // in one run (group A), one row below the left table.
              {4, Ch1, "Passive"}, {4, Group, ""}, {9, Group, ""}});
    t.ExpectColumn(Group, 5, {"A-Dovi", "A-Dovi", "A-Dovi", "A-Dovi"});
}

TEST(SplayTable, MixedRowsTakeTheirAngleLabelFromTheCabinetTheLayoutSelects) {
    // Full-size step 4 reads "4.5 ", compact step 4 "4.0 ".
    // Subwoofers over compact cabinets: a flown angle is read from cabinet
    // i - 1, so the first compact cabinet shows the subwoofer's label.
    Sheet sub("MIXRuddBexa", 2, 3, 0, 1);
    sub.splay.ChoiceIndex[2] = 4;
    sub.splay.ChoiceIndex[3] = 4;
    ScreenCells t = sub.DrawScreen(1);
    t.Expect({{2, Cab, "1+Grid"}, {2, Group, "SUB"}, {3, Group, "SUB"}, {4, Cab, "1"},
              {4, Angle, "4.5 "}, {4, Type, "Bexa"}, {5, Angle, "4.0 "}});
    // The compact run of three, plain labels: b = 2, 1, 0 from the top.
    t.ExpectColumn(Group, 4, {"B", "A", "A"});
    t.ExpectColumn(Ch1, 4, {"1", "1", "1"});
    t.ExpectColumn(Ch2, 4, {"2", "2", "2"});
    t.ExpectColumn(Ch3, 4, {"5", "4", "4"});

    // Full-size over compact, flown: each row reads its own cabinet but the
    // joint under the full-size run, which the design sets with the
    // full-size steps; only the full-size rows carry the tilt-bar mark. A
    // compact run of at most four patches to "2-xa" and "3-xa".
    Sheet mix("MIXArvoBexa", 2, 3, 0, 1);
    mix.splay.ChoiceIndex[1] = 4;
    mix.splay.ChoiceIndex[2] = 4;
    mix.splay.ChoiceIndex[3] = 4;
    mix.DrawScreen(1).Expect({{3, Angle, "4.5  H*"}, {4, Angle, "4.5 "}, {5, Angle, "4.0 "},
                              {4, Group, "B-Bexa"}, {4, Ch1, "1-xa"}, {4, Ch2, "2-xa"},
                              {4, Ch3, "3-xa"}});
    EXPECT_TRUE(mix.HasNote());

    // Stacked, the first compact row reads the cabinet the row above made
    // current (full-size), without a mark; the bottom row counts both runs.
    Sheet stacked("MIXArvoBexa", 2, 3, 0, 2);
    stacked.splay.ChoiceIndex[2] = 4;
    stacked.StackBar(0, 1.25);
    stacked.DrawScreen(2).Expect(
        {{4, Angle, "4.5 "}, {2, Angle, "0.0"}, {6, Cab, "5+Grid"}, {6, Angle, "1.25"}});
    EXPECT_FALSE(stacked.HasNote());
}

TEST(SplayTable, StackedBottomLabelsJunctionAndSubwooferMark) {
    // The flown subwoofer array is unmarked; stacked, every row is marked.
    Sheet flown("Rudd", 3, 0, 0, 1);
    EXPECT_EQ(flown.DrawScreen(1).at(3, Angle), "0.0");
    EXPECT_FALSE(flown.HasNote());
    Sheet rudd("Rudd", 3, 0, 0, 2);
    rudd.StackBar(0, 1.25);
    rudd.DrawScreen(2).Expect({{2, Cab, "1"}, {2, Angle, "0.0 H*"}, {4, Cab, "3+Grid"},
                               {4, Angle, "1.25 H*"}, {4, Group, "SUB"}});
    EXPECT_TRUE(rudd.HasNote());

    // Mini over mini downfill, stacked: the last mini cabinet shows the
    // downfill's junction; numbers run on through both models.
    Sheet de("MIXDoviElka", 3, 2, 0, 2);
    de.StackBar(0, 1.25);
    de.DrawScreen(2).Expect({{4, Angle, "10.75"}, {4, Type, "Dovi"}, {5, Cab, "4"}, {5, Angle, "20.0"},
                             {6, Cab, "5+Grid"}, {6, Angle, "1.25"}});

    // Subwoofers over minis and mini downfills, stacked: the bottom label
    // counts the cabinets of all three models.
    Sheet("MIXIvorDoviElka", 2, 3, 1, 2)
        .DrawScreen(2)
        .Expect({{4, Cab, "1"}, {7, Cab, "6+Grid"}, {8, Group, "A-Dovi"}, {8, Ch2, "2L / 5R"}});
}

TEST(SplayTable, PaperLayoutBandNameAndRowHeight) {
    TVenue v;
    TSplay splay;
    SetUpVenue(v, splay, "Arvo", 8, 0, 0, 1);
    v.VenueName = std::string(60, 'N');
    rtl::RecordingCanvas c(2000, 1000);
    const rtl::Picture logo = MakeLogoPicture(96);
    DrawSplayTable(v, c, 100, 0, 1000, 800, false, logo, 1);

    // The band is 80 high; the picture fills its left square.
    const auto pictures = c.OfKind(rtl::OpKind::StretchDraw);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0]->rect, (rtl::Rect{100, 0, 180, 80}));
    EXPECT_TRUE(c.HasSegment({100, 80}, {1100, 80}));

    // Rows: (787 - 80) div 10 = 70, held to the size-18 height 24. The
    // name shrinks from 24 until 0.6 x h x 60 < 720: h = 19.
    const rtl::CanvasOp* name = c.FindText(v.VenueName);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->font.height, 19);
    EXPECT_EQ(name->points[0], (rtl::Point{100 + 280 + (720 - 684) / 2, (80 - 19) / 2}));
    // Headings at round(round(24 x 0.65) x 0.75) = 12, rows at 15.
    EXPECT_EQ(c.FindText("CAB")->font.height, 12);
    const rtl::CanvasOp* top = c.FindText("1+Grid");
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->font.height, 15);
    EXPECT_EQ(top->points[0].y, 80 + 2 * 24 + (24 - 15) / 2);
    EXPECT_TRUE(c.HasSegment({100, 80 + 11 * 24}, {600, 80 + 11 * 24}));

    // On screen neither the picture nor the name is drawn.
    rtl::RecordingCanvas screen(800, 600);
    DrawSplayTable(v, screen, 0, 0, 800, 600, true, logo, 1);
    EXPECT_EQ(screen.Count(rtl::OpKind::StretchDraw), 0u);
    EXPECT_EQ(screen.FindText(v.VenueName), nullptr);
}

TEST(SplayTable, PaperRowsOfThreeModelsStayAboveTheFootnoteBand) {
    Sheet s("MIXIvorDoviElka", 2, 8, 2, 1);
    rtl::RecordingCanvas c(1000, 1000);
    DrawSplayTable(s.venue, c, 0, 0, 1000, 400, false, rtl::Picture(), 1);
    // Bottom 400 - 13, table top 40: 15 rows (12 cabinets, title, headings,
    // sub-heading) of (387 - 40) div 15 = 23.
    EXPECT_TRUE(c.HasSegment({0, 40 + 15 * 23}, {500, 40 + 15 * 23}));
    for (const rtl::CanvasOp* op : c.OfKind(rtl::OpKind::TextOut))
        EXPECT_LE(op->points[0].y + op->textHeight, 387) << op->text;
}

TEST(SplayTable, BadSplayChoiceStopsWithRangeError) {
    Sheet s("Arvo", 4, 0, 0, 1);
    s.splay.ChoiceIndex[2] = 9;
    EXPECT_THROW(s.DrawScreen(1), rtl::RangeError);
}

TEST(SplayTable, MoreCabinetsThanTheSplayListStopsAtRowFortyOne) {
    // A stacked subwoofer mix shows no angles, so nothing else would stop
    // the walk down a corrupt count.
    Sheet s("MIXRuddBexa", 2, 4, 0, 2);
    s.venue.NumBoxes2 = 2000000000;
    EXPECT_THROW(s.DrawScreen(2), rtl::RangeError);
    // Cabinet 40 is the 38th of the second run; cabinet 41 is not drawn.
    EXPECT_NE(s.canvas.FindText("38"), nullptr);
    EXPECT_EQ(s.canvas.FindText("39"), nullptr);

    // Forty cabinets are drawn in full.
    Sheet w("Arvo", 16, 0, 0, 1);
    w.venue.NumBoxes1 = 40;
    rtl::RecordingCanvas d(800, 1000);
    EXPECT_NO_THROW(DrawSplayTable(w.venue, d, 0, 0, 800, 1000, true, rtl::Picture(), 1));
    EXPECT_NE(d.FindText("40"), nullptr);
}

TEST(SplayTable, AbsurdAreaIsClampedNotAnError) {
    Sheet s("MIXBexaDovi", 6, 6, 0, 1);
    rtl::RecordingCanvas c;
    EXPECT_NO_THROW(DrawSplayTable(s.venue, c, INT_MAX, INT_MAX, INT_MAX, INT_MAX, false,
                                   MakeLogoPicture(), 1));
    EXPECT_TRUE(drawtest::AllWithin(c, 1LL << 30));
    rtl::RecordingCanvas d;
    EXPECT_NO_THROW(DrawSplayTable(s.venue, d, INT_MIN, INT_MIN, INT_MIN, INT_MIN, true, rtl::Picture(), 1));
    EXPECT_TRUE(drawtest::AllWithin(d, 1LL << 30));
}

TEST(SplayTable, ScreenHeadingsShrinkUntilNoneRunsIntoAnother) {
    // 311 wide: left columns of 41, channel columns of 38, 7.2 pixels a
    // letter at the screen heading height 0.8 x 15 = 12: the left title (151)
    // would reach into "SPEAKER", "Passive" (50) into its neighbours.
    const std::set<std::string> headings = {
        "TILT AND SPLAY ANGLES", "SPEAKER", "CONTROLLER O/P CHAN", "CAB", "ANGLE", "TYPE",
        "O/P GROUP", "LF", "MF", "HF", "Passive", "Act LF", "Act HF"};
    const struct {
        const char* type;
        int n1, n2, width, height;
        size_t drawn;  // headings, a sub-heading under a first run too
        std::map<std::string, int> heights;
    } cases[] = {
        {"Arvo", 8, 0, 311, 600, 10,
         {{"TILT AND SPLAY ANGLES", 9}, {"SPEAKER", 12}, {"CONTROLLER O/P CHAN", 9}, {"CAB", 12},
          {"O/P GROUP", 11}, {"HF", 12}}},
        {"MIXBexaDovi", 3, 4, 311, 600, 13, {{"Passive", 8}, {"Act LF", 10}, {"LF", 12}}},
        {"MIXBexaDovi", 3, 4, 800, 600, 13, {{"TILT AND SPLAY ANGLES", 12}, {"Passive", 12}}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(testing::Message() << k.type << " at " << k.width << "x" << k.height);
        Sheet s(k.type, k.n1, k.n2, 0, 1);
        rtl::RecordingCanvas c(k.width, k.height);
        DrawSplayTable(s.venue, c, 0, 0, k.width, k.height, true, rtl::Picture(), 1);
        for (const auto& [text, height] : k.heights)
            for (const rtl::CanvasOp* op : c.FindTexts(text)) EXPECT_EQ(op->font.height, height) << text;
        EXPECT_EQ(c.FindText("1+Grid")->font.height, 12);  // the rows keep their font
        // By 15-pixel row, left to right: each inside the table, clear of the next.
        std::map<int, std::map<int, const rtl::CanvasOp*>> rows;
        size_t drawn = 0;
        for (const rtl::CanvasOp* op : c.OfKind(rtl::OpKind::TextOut))
            if (headings.count(op->text) && ++drawn)
                rows[(op->points[0].y + op->textHeight / 2) / 15][op->points[0].x] = op;
        EXPECT_EQ(drawn, k.drawn);
        for (const auto& [row, ops] : rows) {
            int end = 0;
            for (const auto& [x, op] : ops) {
                EXPECT_GE(x, end) << "row " << row << ": " << op->text;
                end = x + op->textWidth;
            }
            EXPECT_LE(end, k.width) << "row " << row;
        }
    }
}

// On the patch page the table is as narrow as its page control: the tilt-bar
// footnote of the downfill mix wraps into lines within the table, under its
// frame, and reads whole.
TEST(SplayTable, ScreenFootnoteWrapsWithinANarrowTable) {
    const std::string note = "*Hole or Slot in tilt bar  ** Insert top hole of tilt bar into 6 deg hole in Arvo";
    for (int width : {300, 420, 800}) {
        SCOPED_TRACE(width);
        Sheet s("MIXArvoGiraF", 4, 1, 0, 1);
        DrawSplayTable(s.venue, s.canvas, 0, 0, width, 600, true, rtl::Picture(), 1);
        // The frame's bottom line: the lowest horizontal line across the table.
        int frame = 0;
        for (const rtl::Segment& g : s.canvas.Segments())
            if (g.from.y == g.to.y && std::abs(g.to.x - g.from.x) == width) frame = std::max(frame, g.from.y);
        std::string read;
        int lines = 0;
        for (const rtl::CanvasOp* op : s.canvas.OfKind(rtl::OpKind::TextOut)) {
            if (op->fontSize != 8 || op->points[0].y < frame) continue;
            ++lines;
            read += (read.empty() ? "" : " ") + op->text;
            EXPECT_LE(op->points[0].x + op->textWidth, width) << op->text;
            EXPECT_LE(op->points[0].y + op->textHeight, 600) << op->text;
            EXPECT_GT(op->points[0].y, frame - (lines == 1 && width == 800 ? 1 : 0)) << op->text;
        }
        // Read with its blanks as one: a line may end where a double blank was.
        const auto words = [](std::string t) {
            for (size_t at; (at = t.find("  ")) != std::string::npos;) t.erase(at, 1);
            return t;
        };
        EXPECT_EQ(words(read), words(note));
        EXPECT_EQ(lines > 1, width < 600);
    }
}
