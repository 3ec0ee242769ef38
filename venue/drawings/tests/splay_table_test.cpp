// The tilt and splay sheet on a recording canvas. The screen sheet has
// 15-pixel rows from the top of its area; with an area of 800 x 600 the
// columns are: CAB 0..106, ANGLE 106..212, TYPE 212..318, the group column
// centred on 400 (350..450) and channel columns 500, 600 and 700 wide 100.
#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/errors.h"
#include "drawing_test_util.h"
#include "drawings/logo.h"
#include "drawings/splay_table.h"

using drawtest::SetUpVenue;

namespace {

enum Col { Cab, Angle, Type, Group, Ch1, Ch2, Ch3 };

struct ScreenCells {
    // (row, column) -> text, from the text's centre.
    std::map<std::pair<int, int>, std::string> cells;
    std::string at(int row, Col col) const {
        auto it = cells.find({row, static_cast<int>(col)});
        return it == cells.end() ? std::string() : it->second;
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
        const int row = cy / 15;
        for (int k = 0; k < 7; ++k)
            if (cx >= bounds[k][0] && cx < bounds[k][1]) out.cells[{row, k}] = op->text;
    }
    return out;
}

struct Sheet {
    TVenue venue;
    TSplay splay;
    rtl::RecordingCanvas canvas{800, 600};

    void Build(const std::string& type, int n1, int n2, int n3, int rigMode) {
        SetUpVenue(venue, splay, type, n1, n2, n3, rigMode);
    }
    ScreenCells DrawScreen(int rigMode) {
        canvas.Clear();
        DrawSplayTable(venue, canvas, 0, 0, 800, 600, true, rtl::Picture(), rigMode);
        return ReadScreen(canvas);
    }
};

}  // namespace

TEST(SplayTable, FullSizeFlownSixteenLettersChannelsAndMarks) {
    Sheet s;
    s.Build("Arvo", 16, 0, 0, 1);
    s.splay.Angle[0] = 1.75;
    s.splay.ChoiceIndex[1] = 4;  // "4.5 "
    s.splay.ChoiceIndex[2] = 6;  // "7.5 "
    ScreenCells t = s.DrawScreen(1);

    EXPECT_EQ(t.at(0, Angle), "TILT AND SPLAY ANGLES");
    EXPECT_EQ(t.at(0, Group), "SPEAKER");
    EXPECT_EQ(t.at(0, Ch2), "CONTROLLER O/P CHAN");
    EXPECT_EQ(t.at(1, Ch1), "LF");
    EXPECT_EQ(t.at(1, Ch2), "MF");
    EXPECT_EQ(t.at(1, Ch3), "HF");

    EXPECT_EQ(t.at(2, Cab), "1+Grid");
    EXPECT_EQ(t.at(2, Angle), "1.75 H*");
    EXPECT_EQ(t.at(3, Cab), "2");
    EXPECT_EQ(t.at(3, Angle), "4.5  H*");
    EXPECT_EQ(t.at(4, Angle), "7.5  H*");
    EXPECT_EQ(t.at(17, Cab), "16");
    EXPECT_EQ(t.at(17, Angle), "0.0 H*");
    EXPECT_EQ(t.at(17, Type), "Arvo");

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
    const rtl::CanvasOp* note = s.canvas.FindText("*(H)ole or (S)lot in rear tilt bar");
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->points[0], (rtl::Point{2, 600 - 13}));
    EXPECT_EQ(s.canvas.FindTexts("*(H)ole or (S)lot in rear tilt bar").size(), 1u);
}

TEST(SplayTable, StackedSixFollowsItsOwnChannelSequence) {
    Sheet s;
    s.Build("Arvo", 6, 0, 0, 2);
    s.venue.LSArray->GroundStackBar->CurrentIndex = 3;
    s.venue.LSArray->GroundStackBar->Values[3] = 2.5;
    s.splay.ChoiceIndex[0] = 1;
    ScreenCells t = s.DrawScreen(2);
    const char* expected[] = {"2", "2", "3", "3", "2", "2"};
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(t.at(i + 1, Ch2), expected[i - 1]) << i;
    EXPECT_EQ(t.at(2, Cab), "1");
    EXPECT_EQ(t.at(2, Angle), "1.0  H*");
    EXPECT_EQ(t.at(7, Cab), "6+Grid");
    EXPECT_EQ(t.at(7, Angle), "2.50 H*");

    // The compact single array carries no tilt-bar mark; seven cabinets
    // follow the ordinary rule.
    Sheet b;
    b.Build("Bexa", 7, 0, 0, 2);
    b.venue.LSArray->GroundStackBar->CurrentIndex = 0;
    b.venue.LSArray->GroundStackBar->Values[0] = -2;
    ScreenCells u = b.DrawScreen(2);
    EXPECT_EQ(u.at(8, Cab), "7+Grid");
    EXPECT_EQ(u.at(8, Angle), "-2.00");
    const char* ordinary[] = {"3", "3", "3", "2", "2", "2", "2"};
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(u.at(i + 1, Ch2), ordinary[i - 1]) << i;
    EXPECT_EQ(b.canvas.FindText("*(H)ole or (S)lot in rear tilt bar"), nullptr);
}

TEST(SplayTable, DownfillMixMarksTheFirstGiraWithItsJunction) {
    for (int giras : {1, 2}) {
        SCOPED_TRACE(giras);
        Sheet s;
        s.Build("MIXArvoGiraF", 4, giras, 0, 1);
        s.splay.Angle[0] = 2.0;
        ScreenCells t = s.DrawScreen(1);
        EXPECT_EQ(t.at(2, Angle), "2.00 H*");
        EXPECT_EQ(t.at(5, Type), "Arvo");
        EXPECT_EQ(t.at(5, Group), "A-Arvo");
        EXPECT_EQ(t.at(2, Group), "B-Arvo");
        EXPECT_EQ(t.at(2, Ch1), "1-vo");
        EXPECT_EQ(t.at(2, Ch2), "2-vo");
        EXPECT_EQ(t.at(2, Ch3), "5-vo");
        // The first downfill cabinet: numbered 1 again, at its junction.
        EXPECT_EQ(t.at(6, Cab), "1");
        EXPECT_EQ(t.at(6, Angle), "12.75**");
        EXPECT_EQ(t.at(6, Type), "Gira");
        EXPECT_EQ(t.at(6, Group), "A-Gira");
        EXPECT_EQ(t.at(6, Ch1), "1-ra");
        EXPECT_EQ(t.at(6, Ch2), "2-ra");
        EXPECT_EQ(t.at(6, Ch3), "3-ra");
        if (giras == 2) {
            EXPECT_EQ(t.at(7, Angle), "20.0");
        }

        const std::string note =
            "*Hole or Slot in tilt bar  ** Insert top hole of tilt bar into 6 deg hole in Arvo";
        const rtl::CanvasOp* op = s.canvas.FindText(note);
        ASSERT_NE(op, nullptr);
        EXPECT_EQ(op->fontSize, 8);
        // The row font (0.8 x 15) is back for what follows.
        EXPECT_EQ(s.canvas.Ops().back().font.height, 12);
    }
}

TEST(SplayTable, CompactDownfillMixGivesOnlyTheEmptyTable) {
    Sheet s;
    s.Build("MIXBexaCadri", 6, 2, 0, 1);
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
    Sheet s;
    s.Build("Dovi", 3, 0, 0, 1);
    ScreenCells t = s.DrawScreen(1);
    EXPECT_EQ(t.at(1, Ch1), "Passive");
    EXPECT_EQ(t.at(1, Ch2), "Act LF");
    EXPECT_EQ(t.at(1, Ch3), "Act HF");
    for (int row = 2; row <= 4; ++row) {
        EXPECT_EQ(t.at(row, Group), "A");
        EXPECT_EQ(t.at(row, Ch1), "2L / 5R");
        EXPECT_EQ(t.at(row, Ch2), "2L / 5R");
        EXPECT_EQ(t.at(row, Ch3), "3L / 6R");
        EXPECT_EQ(t.at(row, Type), "Dovi");
    }

    Sheet six;
    six.Build("Dovi", 6, 0, 0, 1);
    ScreenCells u = six.DrawScreen(1);
    // Cabinets 3..6 are the bottom group, 1 and 2 the next.
    const char* ch1[] = {"3L / 6R", "3L / 6R", "2L / 5R", "2L / 5R", "2L / 5R", "2L / 5R"};
    const char* ch3[] = {"5", "5", "4", "4", "4", "4"};
    const char* group[] = {"B", "B", "A", "A", "A", "A"};
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(u.at(i + 1, Ch1), ch1[i - 1]) << i;
        EXPECT_EQ(u.at(i + 1, Ch2), i <= 2 ? "3" : "2") << i;
        EXPECT_EQ(u.at(i + 1, Ch3), ch3[i - 1]) << i;
        EXPECT_EQ(u.at(i + 1, Group), group[i - 1]) << i;
    }

    // A stacked run of six leaves the active LF column empty.
    Sheet stacked;
    stacked.Build("Dovi", 6, 0, 0, 2);
    ScreenCells w = stacked.DrawScreen(2);
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(w.at(i + 1, Ch2), "") << i;
    EXPECT_EQ(w.at(7, Cab), "6+Grid");
}

TEST(SplayTable, MiniDownfillAloneShowsTheGridAngleLessItsOffset) {
    Sheet s;
    s.Build("Elka", 2, 0, 0, 1);
    s.splay.Angle[0] = 12.0;
    ScreenCells t = s.DrawScreen(1);
    EXPECT_EQ(t.at(2, Angle), "2.00");
    EXPECT_EQ(t.at(3, Angle), "20.0");
    EXPECT_EQ(t.at(2, Type), "Elka");
}

TEST(SplayTable, CompactOverMiniRunsOneRowLowerAfterTheSubHeading) {
    Sheet s;
    s.Build("MIXBexaDovi", 3, 4, 0, 1);
    ScreenCells t = s.DrawScreen(1);
    EXPECT_EQ(t.at(2, Group), "B-Bexa");
    EXPECT_EQ(t.at(4, Group), "A-Bexa");
    EXPECT_EQ(t.at(4, Ch1), "1-xa");
    EXPECT_EQ(t.at(4, Ch3), "4-xa");
    // Sub-heading in table row NumBoxes1 + 2.
    EXPECT_EQ(t.at(5, Ch1), "Passive");
    EXPECT_EQ(t.at(5, Ch2), "Act LF");
    EXPECT_EQ(t.at(5, Ch3), "Act HF");
    // The first mini cabinet: left table row 5, right table row 6.
    EXPECT_EQ(t.at(5, Cab), "1");
    EXPECT_EQ(t.at(5, Type), "Dovi");
    for (int row = 6; row <= 9; ++row) {
        EXPECT_EQ(t.at(row, Group), "A-Dovi") << row;
        EXPECT_EQ(t.at(row, Ch1), "2L / 5R") << row;
        EXPECT_EQ(t.at(row, Ch3), "3L / 6R") << row;
    }
}

TEST(SplayTable, ThreeModelJunctionRows) {
    Sheet s;
    s.Build("MIXIvorDoviElka", 2, 3, 1, 1);
    ScreenCells t = s.DrawScreen(1);
    EXPECT_EQ(t.at(4, Type), "Dovi");
    EXPECT_EQ(t.at(4, Cab), "1");
    EXPECT_EQ(t.at(4, Angle), "3.75");
    EXPECT_EQ(t.at(7, Type), "Elka");
    EXPECT_EQ(t.at(7, Cab), "4");
    EXPECT_EQ(t.at(7, Angle), "10.75");
    EXPECT_EQ(t.at(2, Group), "SUB");
    EXPECT_EQ(t.at(3, Group), "SUB");
    // Sub-heading in row NumBoxes1 + 2, then the four mini cabinets in one
    // run (group A), one row below the left table.
    EXPECT_EQ(t.at(4, Ch1), "Passive");
    EXPECT_EQ(t.at(4, Group), "");
    for (int row = 5; row <= 8; ++row) EXPECT_EQ(t.at(row, Group), "A-Dovi") << row;
    EXPECT_EQ(t.at(9, Group), "");
}

TEST(SplayTable, MixedRowsTakeTheirAngleLabelFromTheCabinetTheLayoutSelects) {
    // Full-size step 4 reads "4.5 ", compact step 4 "4.0 ".
    // Subwoofers over compact cabinets: a flown angle is read from cabinet
    // i - 1, so the first compact cabinet shows the subwoofer's label.
    Sheet sub;
    sub.Build("MIXRuddBexa", 2, 3, 0, 1);
    sub.splay.ChoiceIndex[2] = 4;
    sub.splay.ChoiceIndex[3] = 4;
    ScreenCells t = sub.DrawScreen(1);
    EXPECT_EQ(t.at(2, Cab), "1+Grid");
    EXPECT_EQ(t.at(2, Group), "SUB");
    EXPECT_EQ(t.at(3, Group), "SUB");
    EXPECT_EQ(t.at(4, Cab), "1");
    EXPECT_EQ(t.at(4, Angle), "4.5 ");
    EXPECT_EQ(t.at(4, Type), "Bexa");
    EXPECT_EQ(t.at(5, Angle), "4.0 ");
    // The compact run of three, plain labels: b = 2, 1, 0 from the top.
    const char* group[] = {"B", "A", "A"};
    const char* ch3[] = {"5", "4", "4"};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(t.at(4 + k, Group), group[k]) << k;
        EXPECT_EQ(t.at(4 + k, Ch1), "1") << k;
        EXPECT_EQ(t.at(4 + k, Ch2), "2") << k;
        EXPECT_EQ(t.at(4 + k, Ch3), ch3[k]) << k;
    }

    // Full-size over compact, flown: each row reads its own cabinet, and
    // only the full-size rows carry the tilt-bar mark. A compact run of at
    // most four patches to "2-xa" and "3-xa".
    Sheet mix;
    mix.Build("MIXArvoBexa", 2, 3, 0, 1);
    mix.splay.ChoiceIndex[1] = 4;
    mix.splay.ChoiceIndex[2] = 4;
    ScreenCells u = mix.DrawScreen(1);
    EXPECT_EQ(u.at(3, Angle), "4.5  H*");
    EXPECT_EQ(u.at(4, Angle), "4.0 ");
    EXPECT_EQ(u.at(4, Group), "B-Bexa");
    EXPECT_EQ(u.at(4, Ch1), "1-xa");
    EXPECT_EQ(u.at(4, Ch2), "2-xa");
    EXPECT_EQ(u.at(4, Ch3), "3-xa");
    EXPECT_NE(mix.canvas.FindText("*(H)ole or (S)lot in rear tilt bar"), nullptr);

    // Stacked, the first compact row reads the cabinet the row above made
    // current (full-size), without a mark; the bottom row counts both runs.
    Sheet stacked;
    stacked.Build("MIXArvoBexa", 2, 3, 0, 2);
    stacked.splay.ChoiceIndex[2] = 4;
    stacked.venue.LSArray->GroundStackBar->CurrentIndex = 0;
    stacked.venue.LSArray->GroundStackBar->Values[0] = 1.25;
    ScreenCells w = stacked.DrawScreen(2);
    EXPECT_EQ(w.at(4, Angle), "4.5 ");
    EXPECT_EQ(w.at(2, Angle), "0.0");
    EXPECT_EQ(w.at(6, Cab), "5+Grid");
    EXPECT_EQ(w.at(6, Angle), "1.25");
    EXPECT_EQ(stacked.canvas.FindText("*(H)ole or (S)lot in rear tilt bar"), nullptr);
}

TEST(SplayTable, StackedBottomLabelsJunctionAndSubwooferMark) {
    // The flown subwoofer array is unmarked; stacked, every row is marked.
    Sheet flown;
    flown.Build("Rudd", 3, 0, 0, 1);
    ScreenCells f = flown.DrawScreen(1);
    EXPECT_EQ(f.at(3, Angle), "0.0");
    EXPECT_EQ(flown.canvas.FindText("*(H)ole or (S)lot in rear tilt bar"), nullptr);
    Sheet rudd;
    rudd.Build("Rudd", 3, 0, 0, 2);
    rudd.venue.LSArray->GroundStackBar->CurrentIndex = 0;
    rudd.venue.LSArray->GroundStackBar->Values[0] = 1.25;
    ScreenCells r = rudd.DrawScreen(2);
    EXPECT_EQ(r.at(2, Cab), "1");
    EXPECT_EQ(r.at(2, Angle), "0.0 H*");
    EXPECT_EQ(r.at(4, Cab), "3+Grid");
    EXPECT_EQ(r.at(4, Angle), "1.25 H*");
    EXPECT_EQ(r.at(4, Group), "SUB");
    EXPECT_NE(rudd.canvas.FindText("*(H)ole or (S)lot in rear tilt bar"), nullptr);

    // Mini over mini downfill, stacked: the last mini cabinet shows the
    // downfill's junction; numbers run on through both models.
    Sheet de;
    de.Build("MIXDoviElka", 3, 2, 0, 2);
    de.venue.LSArray->GroundStackBar->CurrentIndex = 0;
    de.venue.LSArray->GroundStackBar->Values[0] = 1.25;
    ScreenCells e = de.DrawScreen(2);
    EXPECT_EQ(e.at(4, Angle), "10.75");
    EXPECT_EQ(e.at(4, Type), "Dovi");
    EXPECT_EQ(e.at(5, Cab), "4");
    EXPECT_EQ(e.at(5, Angle), "20.0");
    EXPECT_EQ(e.at(6, Cab), "5+Grid");
    EXPECT_EQ(e.at(6, Angle), "1.25");

    // Subwoofers over minis and mini downfills, stacked: the bottom label
    // counts the cabinets of all three models.
    Sheet iv;
    iv.Build("MIXIvorDoviElka", 2, 3, 1, 2);
    ScreenCells v = iv.DrawScreen(2);
    EXPECT_EQ(v.at(4, Cab), "1");
    EXPECT_EQ(v.at(7, Cab), "6+Grid");
    EXPECT_EQ(v.at(8, Group), "A-Dovi");
    EXPECT_EQ(v.at(8, Ch2), "2L / 5R");
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
    TVenue v;
    TSplay splay;
    SetUpVenue(v, splay, "MIXIvorDoviElka", 2, 8, 2, 1);
    rtl::RecordingCanvas c(1000, 1000);
    DrawSplayTable(v, c, 0, 0, 1000, 400, false, rtl::Picture(), 1);
    // Bottom 387, table top 40: 15 rows (12 cabinets, title, headings,
    // sub-heading) of (387 - 40) div 15 = 23.
    const int bottom = 400 - 13;
    EXPECT_TRUE(c.HasSegment({0, 40 + 15 * 23}, {500, 40 + 15 * 23}));
    for (const rtl::CanvasOp* op : c.OfKind(rtl::OpKind::TextOut))
        EXPECT_LE(op->points[0].y + op->textHeight, bottom) << op->text;
}

TEST(SplayTable, BadSplayChoiceStopsWithRangeError) {
    TVenue v;
    TSplay splay;
    SetUpVenue(v, splay, "Arvo", 4, 0, 0, 1);
    splay.ChoiceIndex[2] = 9;
    rtl::RecordingCanvas c;
    EXPECT_THROW(DrawSplayTable(v, c, 0, 0, 800, 600, true, rtl::Picture(), 1), rtl::RangeError);
}

TEST(SplayTable, MoreCabinetsThanTheSplayListStopsAtRowFortyOne) {
    // A stacked subwoofer mix shows no angles, so nothing else would stop
    // the walk down a corrupt count.
    TVenue v;
    TSplay splay;
    SetUpVenue(v, splay, "MIXRuddBexa", 2, 4, 0, 2);
    v.NumBoxes2 = 2000000000;
    rtl::RecordingCanvas c;
    EXPECT_THROW(DrawSplayTable(v, c, 0, 0, 800, 600, true, rtl::Picture(), 2), rtl::RangeError);
    // Cabinet 40 is the 38th of the second run; cabinet 41 is not drawn.
    EXPECT_NE(c.FindText("38"), nullptr);
    EXPECT_EQ(c.FindText("39"), nullptr);

    // Forty cabinets are drawn in full.
    TVenue w;
    SetUpVenue(w, splay, "Arvo", 16, 0, 0, 1);
    w.NumBoxes1 = 40;
    rtl::RecordingCanvas d(800, 1000);
    EXPECT_NO_THROW(DrawSplayTable(w, d, 0, 0, 800, 1000, true, rtl::Picture(), 1));
    EXPECT_NE(d.FindText("40"), nullptr);
}

TEST(SplayTable, AbsurdAreaIsClampedNotAnError) {
    TVenue v;
    TSplay splay;
    SetUpVenue(v, splay, "MIXBexaDovi", 6, 6, 0, 1);
    rtl::RecordingCanvas c;
    EXPECT_NO_THROW(DrawSplayTable(v, c, INT_MAX, INT_MAX, INT_MAX, INT_MAX, false,
                                   MakeLogoPicture(), 1));
    EXPECT_TRUE(drawtest::AllWithin(c, 1LL << 30));
    rtl::RecordingCanvas d;
    EXPECT_NO_THROW(DrawSplayTable(v, d, INT_MIN, INT_MIN, INT_MIN, INT_MIN, true, rtl::Picture(), 1));
    EXPECT_TRUE(drawtest::AllWithin(d, 1LL << 30));
}
