// Rigging-hole detail on a recording canvas.  The made-up cabinet has round
// sizes so that every pixel below can be worked out by hand: front height
// 0.304, link drop 0.1, reference hole (0.05, 0.02), seven holes alternating
// between x 0.05 and 0.06, y from 0.02 down in steps of 0.005.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/core/recording_canvas.h"
#include "model/details/hole_detail.h"

using rtl::CanvasOp;
using rtl::OpKind;
using rtl::Point;
using rtl::RecordingCanvas;

namespace {

constexpr rtl::Color kPaleGreen{192, 220, 192};

class HoleArray : public TLoudspeakerArray {
public:
    TBox Box;
    TGroundStackBar Bar;
    std::vector<int> Selected;

    HoleArray() {
        TypeCode = 0;
        Box.FrontHeight = 0.304;
        Box.LinkDrop = 0.1;
        Box.HoleOrigin[0] = 0.02;
        Box.HoleOrigin[1] = 0.05;
        const double ys[7] = {0.02, 0.015, 0.01, 0.005, 0.0, -0.005, -0.01};
        for (int k = 0; k < 7; ++k) {
            Box.Holes[k] = TBoxHole{k % 2 == 0 ? 0.05 : 0.06, ys[k]};
            Box.HoleCaptions[k] = std::string{'A', static_cast<char>('1' + k)};
        }
        Box.SplayCount = 7;
        Bar.CabinetHole[0] = 3;
        Bar.BarHole[0] = 0;
        CurrentBox = &Box;
        GroundStackBar = &Bar;
    }
    void SelectCabinet(int32_t I) override {
        Selected.push_back(I);
        CurrentBox = &Box;
    }
};

std::vector<const CanvasOp*> Ellipses(const RecordingCanvas& c, rtl::Color colour) {
    std::vector<const CanvasOp*> out;
    for (const CanvasOp* op : c.OfKind(OpKind::Ellipse))
        if (op->brush.color == colour) out.push_back(op);
    return out;
}

bool HasEllipse(const RecordingCanvas& c, rtl::Color colour, rtl::Rect box) {
    for (const CanvasOp* op : Ellipses(c, colour))
        if (op->rect == box) return true;
    return false;
}

std::vector<Point> Pts(std::initializer_list<Point> p) { return p; }

// The grey bar-hole dots, in drawing order.
void ExpectGreyDots(const RecordingCanvas& c, const std::vector<rtl::Rect>& want) {
    const auto grey = Ellipses(c, rtl::colors::Grey);
    ASSERT_EQ(grey.size(), want.size());
    for (size_t k = 0; k < want.size(); ++k) EXPECT_EQ(grey[k]->rect, want[k]) << k;
}

// Whether every operation stays inside the area, pen widths included.
bool AllInside(const RecordingCanvas& c, rtl::Rect area) {
    auto in = [&](Point p, int grow) {
        return p.x - grow >= area.left && p.y - grow >= area.top && p.x + grow < area.right &&
               p.y + grow < area.bottom;
    };
    for (const CanvasOp& op : c.Ops()) {
        const int half = op.pen.width / 2;
        switch (op.kind) {
            case OpKind::Ellipse:
            case OpKind::Arc:
                if (op.rect.left - half < area.left || op.rect.top - half < area.top ||
                    op.rect.right + half > area.right || op.rect.bottom + half > area.bottom)
                    return false;
                break;
            case OpKind::TextOut:
                if (!in(op.points[0], 0) ||
                    !in({op.points[0].x + op.textWidth, op.points[0].y + op.textHeight}, 0))
                    return false;
                break;
            case OpKind::LineTo:
            case OpKind::Polyline:
            case OpKind::Polygon:
            case OpKind::FloodFill:
                for (Point p : op.points)
                    if (!in(p, op.kind == OpKind::FloodFill ? 0 : half)) return false;
                break;
            default:
                break;
        }
    }
    return true;
}

}  // namespace

// Screen, 400 x 200: scale 0.1 / 200 = 0.0005 on both axes, r = 4.
// OX = 400 - 100 = 300, OY = 200 - Round(0.064 / 0.0005) = 72; the reference
// hole at (300 + 100, 72 + 40).  Holes: P1 (300, 72), P2 (280, 82), ...,
// P7 (300, 132).  Bar: T (300 - 104, 16), G (196, 184), M (196, 84).
TEST(HoleDetail, ScreenHolesLabelsAndBar) {
    HoleArray a;
    RecordingCanvas c(400, 200);
    const THoleDetailScale s = DrawArrayHoleDetail(a, c, true, false, 400, 200, 0, 0, true, 1);
    EXPECT_NEAR(s.X, 0.0005, 1e-15);
    EXPECT_NEAR(s.Y, 0.0005, 1e-15);
    EXPECT_DOUBLE_EQ(a.ViewMarginX, 0.012);
    EXPECT_DOUBLE_EQ(a.ViewMarginY, 0.02);
    EXPECT_NEAR(a.ViewExtentX, 0.002, 1e-15);
    EXPECT_NEAR(a.ViewExtentY, 0.1, 1e-15);
    EXPECT_EQ(a.Selected, std::vector<int>({1}));

    // Seven silver holes, the third of them labelled and red.
    EXPECT_EQ(Ellipses(c, rtl::colors::Silver).size(), 7u);
    EXPECT_TRUE(HasEllipse(c, rtl::colors::Silver, {296, 68, 304, 76}));
    EXPECT_TRUE(HasEllipse(c, rtl::colors::Silver, {276, 78, 284, 86}));
    EXPECT_TRUE(HasEllipse(c, rtl::colors::Silver, {296, 128, 304, 136}));
    const CanvasOp* a3 = c.FindText("A3");
    ASSERT_NE(a3, nullptr);
    // Near column Round(3.5 x 4) = 14; 8 pt text 11 high: y 92 - 5.
    EXPECT_EQ(a3->points[0], (Point{314, 87}));
    EXPECT_EQ(a3->fontSize, 8);
    EXPECT_EQ(a3->font.color, rtl::colors::Black);
    EXPECT_TRUE(c.HasSegment({314, 92}, {304, 92}));
    EXPECT_TRUE(HasEllipse(c, rtl::colors::Red, {296, 88, 304, 96}));

    // The plate turns under hole 7.  It is stroked again before the fills,
    // over whatever the labels' cells covered.
    const auto paths = c.OfKind(OpKind::Polyline);
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_EQ(paths[0]->points, Pts({{268, 0}, {268, 144}, {312, 148}, {312, 0}}));
    EXPECT_EQ(paths[1]->points, paths[0]->points);

    // Bar holes grey in the order T, G, M; the middle one at (184 - 16) div 2.
    ExpectGreyDots(c, {{192, 12, 200, 20}, {192, 180, 200, 188}, {192, 80, 200, 88}});
    EXPECT_TRUE(c.HasSegment({188, 15}, {188, 185}));
    EXPECT_TRUE(c.HasSegment({204, 15}, {204, 185}));
    const auto arcs = c.OfKind(OpKind::Arc);
    ASSERT_EQ(arcs.size(), 4u);
    EXPECT_EQ(arcs[0]->rect, (rtl::Rect{188, 8, 204, 24}));
    EXPECT_EQ(arcs[0]->points, Pts({{204, 16}, {188, 16}}));
    EXPECT_EQ(arcs[1]->rect, (rtl::Rect{188, 176, 204, 192}));
    EXPECT_EQ(arcs[1]->points, Pts({{188, 184}, {204, 184}}));

    // Top hole in use: "TOP Hole" and "Grid Hole", both red.
    const CanvasOp* top = c.FindText("TOP Hole");
    const CanvasOp* grid = c.FindText("Grid Hole");
    ASSERT_NE(top, nullptr);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(c.FindText("MID Hole"), nullptr);
    EXPECT_EQ(top->points[0], (Point{210, 11}));
    // "Grid Hole" (59 wide) would run into the plate's left side at P2.X -
    // 3r = 268: it ends a pen and a pixel before it, at 266.
    EXPECT_EQ(grid->points[0], (Point{266 - 59, 179}));
    EXPECT_TRUE(c.HasSegment({210, 16}, {200, 16}));
    EXPECT_TRUE(HasEllipse(c, rtl::colors::Red, {192, 12, 200, 20}));
    EXPECT_TRUE(HasEllipse(c, rtl::colors::Red, {192, 180, 200, 188}));

    // Pale green into the bar, the plate and the bar again.
    const auto fills = c.OfKind(OpKind::FloodFill);
    ASSERT_EQ(fills.size(), 3u);
    EXPECT_EQ(fills[0]->points[0], (Point{196, 36}));
    EXPECT_EQ(fills[1]->points[0], (Point{300, 80}));
    EXPECT_EQ(fills[2]->points[0], (Point{196, 24}));
    for (const CanvasOp* f : fills) {
        EXPECT_EQ(f->brush.color, kPaleGreen);
        EXPECT_EQ(f->surface, rtl::colors::White);
    }
    EXPECT_EQ(c.GetBrush().color, kPaleGreen);
    EXPECT_EQ(c.GetPen().width, 1);
    EXPECT_EQ(c.GetPen().color, rtl::colors::Black);
    EXPECT_TRUE(AllInside(c, {0, 0, 400, 200}));
}

TEST(HoleDetail, MiddleHoleAndNoCabinetHole) {
    HoleArray a;
    a.Bar.CabinetHole[0] = 0;
    a.Bar.BarHole[0] = 1;
    RecordingCanvas c(400, 200);
    DrawArrayHoleDetail(a, c, true, false, 400, 200, 0, 0, true, 1);
    EXPECT_EQ(c.Texts(), (std::vector<std::string>{"MID Hole", "Grid Hole"}));
    EXPECT_EQ(c.FindText("MID Hole")->points[0], (Point{210, 79}));
    EXPECT_TRUE(c.HasSegment({210, 84}, {200, 84}));

    // A cabinet hole number above 8 labels nothing either.
    a.Bar.CabinetHole[0] = 9;
    RecordingCanvas d(400, 200);
    DrawArrayHoleDetail(a, d, true, false, 400, 200, 0, 0, true, 1);
    EXPECT_EQ(d.Texts().size(), 2u);
}

// A caption with no room at its column (hole 3 at (300, 92), left edge 314) moves left, not
// past the plate's side at 312, then steps down in size, or is left out at 6 points.  Text is
// 0.6 of its height wide per character: 11 high at 8 points, 9 at 7, 8 at 6.
TEST(HoleDetail, CaptionFindsRoomInsideTheArea) {
    // A pen's width and a pixel off the plate (from 314) and off the
    // frame (to 397): 13 characters at 8 points (86) no longer fit.
    const struct { int chars, x, y, size; } rows[] = {{13, 314, 88, 7}, {14, 314, 88, 7}, {30, 314, 0, 0}};
    for (const auto& row : rows) {
        HoleArray a;
        a.Box.HoleCaptions[2] = std::string(static_cast<size_t>(row.chars), 'x');
        RecordingCanvas c(400, 200);
        DrawArrayHoleDetail(a, c, true, false, 400, 200, 0, 0, true, 1);
        const CanvasOp* t = c.FindText(a.Box.HoleCaptions[2]);
        EXPECT_TRUE(t ? (t->points[0] == Point{row.x, row.y} && t->fontSize == row.size) : row.size == 0)
            << row.chars;
        EXPECT_TRUE(c.HasSegment({row.x, 92}, {304, 92}) && AllInside(c, {0, 0, 400, 200})) << row.chars;
    }
}

// Printed into 1000 x 571 at (1, 500): the white box covers it all; the
// detail is laid out in Round(330) x Round(199.85) = 330 x 200, scale 0.0005,
// r = Round(0.003 / 0.0005) = 6; OX = 330 + 100 = 430, OY = 72.  P1 at
// (1 + 430, 500 + 72), T at (431 - 31 x 6, 500 + 60), G at y 500 + 200 - 60,
// M at y 560 + 66.
TEST(HoleDetail, PrintedLayout) {
    HoleArray a;
    RecordingCanvas c(1100, 1200);
    DrawArrayHoleDetail(a, c, true, true, 1000, 571, 1, 500, true, 1);
    const CanvasOp& clear = c.Ops().front();
    EXPECT_EQ(clear.kind, OpKind::Polygon);
    EXPECT_EQ(clear.pen.color, rtl::colors::White);
    EXPECT_EQ(clear.brush.color, rtl::colors::White);
    // Clipped to the area: its last column and row.
    EXPECT_EQ(clear.points, Pts({{1, 500}, {1000, 500}, {1000, 1070}, {1, 1070}}));
    EXPECT_TRUE(c.HasSegment({1, 500}, {1000, 500}));
    EXPECT_TRUE(c.HasSegment({1000, 1070}, {1, 1070}));

    EXPECT_TRUE(HasEllipse(c, rtl::colors::Silver, {425, 566, 437, 578}));
    ExpectGreyDots(c, {{239, 554, 251, 566}, {239, 634, 251, 646}, {239, 620, 251, 632}});
    // Hole 3 at (431, 592), near column 4r.
    ASSERT_NE(c.FindText("A3"), nullptr);
    // Off the plate's side at P1.X + 3r = 449 by half its pen (2) and a
    // pen and a pixel (6).
    EXPECT_EQ(c.FindText("A3")->points[0], (Point{457, 587}));
    // The plate outline, 5 pixels wide, reaches the frame's row less the
    // pen's half width: P2.X - 3r = 393, P7.Y + 3r = 650, P1.X + 3r = 449.
    const Point outline[] = {{393, 502}, {393, 650}, {449, 656}, {449, 502}};
    const auto segs = c.Segments();
    for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(std::any_of(segs.begin(), segs.end(), [&](const rtl::Segment& s) {
            return s.pen.width == 5 && s.from == outline[k] && s.to == outline[k + 1];
        })) << k;
    }
    EXPECT_TRUE(AllInside(c, {1, 500, 1001, 1071}));
}

// The mini cabinet (type 7) printed into 1000 x 1000 at (1, 500): layout
// 330 x 350, scale 0.1445 / 350, r = Round(7.27) = 7, OX = 330 +
// Round(96.89) = 427, so P1.X = 428 and T = (428 - 26 x 7, 570).
TEST(HoleDetail, MiniCabinetCutCornerAndMirrorNote) {
    auto a = CreateLoudspeakerArray("Dovi");
    ASSERT_EQ(a->TypeCode, 7);
    RecordingCanvas c(1100, 1600);
    DrawArrayHoleDetail(*a, c, true, true, 1000, 1000, 1, 500, true, 1);
    // The cut: from (T.X + 3r, T.Y + 3r) to (T.X + 2r, Round(570 - 17.5)).
    EXPECT_TRUE(c.HasSegment({267, 591}, {260, 552}));
    const auto grey = Ellipses(c, rtl::colors::Grey);
    ASSERT_EQ(grey.size(), 3u);
    EXPECT_EQ(grey[2]->rect, (rtl::Rect{246, 640, 260, 654}));  // M one r right, 11r down
    const CanvasOp* note = c.FindText("Other side mirrored");
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->points[0], (Point{246, 780 + 105}));
    EXPECT_EQ(note->brush.color, kPaleGreen);
    EXPECT_EQ(Ellipses(c, rtl::colors::Silver).size(), 8u);

    // On screen the note would fall below the picture: it is left out.
    RecordingCanvas s(400, 300);
    DrawArrayHoleDetail(*a, s, true, false, 400, 300, 0, 0, true, 1);
    EXPECT_EQ(s.FindText("Other side mirrored"), nullptr);
    EXPECT_TRUE(AllInside(s, {0, 0, 400, 300}));
}

// The mini downfill has a single rigging hole.  Screen 400 x 300 at
// (50, 40): scale 0.095 / 300; OX = 400 - Round(241.58) = 158, OY = 300 -
// Round(220.42) = 80, so P1 = (50 + 158, 40 + 80).  The plate closes under
// that hole; nothing is read or drawn for holes the cabinet does not have.
TEST(HoleDetail, SingleHoleCabinetStaysInsideItsArea) {
    auto a = CreateLoudspeakerArray("Elka");
    ASSERT_EQ(a->TypeCode, 12);
    a->GroundStackBar->CurrentIndex = 0;  // cabinet hole 1
    RecordingCanvas c(600, 500);
    DrawArrayHoleDetail(*a, c, true, false, 400, 300, 50, 40, true, 1);
    EXPECT_EQ(Ellipses(c, rtl::colors::Silver).size(), 1u);
    EXPECT_TRUE(HasEllipse(c, rtl::colors::Silver, {204, 116, 212, 124}));
    const auto paths = c.OfKind(OpKind::Polyline);
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_EQ(paths[0]->points, Pts({{196, 40}, {196, 132}, {220, 136}, {220, 40}}));
    ASSERT_NE(c.FindText(" 20 \xC2\xB0"), nullptr);
    const auto fills = c.OfKind(OpKind::FloodFill);
    ASSERT_EQ(fills.size(), 3u);
    EXPECT_EQ(fills[1]->points[0], (Point{208, 128}));
    EXPECT_TRUE(AllInside(c, {50, 40, 450, 340}));

    // Settings that meet a hole this cabinet lacks label no cabinet hole.
    a->GroundStackBar->CurrentIndex = 4;  // cabinet hole 3
    RecordingCanvas d(600, 500);
    DrawArrayHoleDetail(*a, d, true, false, 400, 300, 50, 40, true, 1);
    EXPECT_EQ(d.Texts().size(), 2u);
    EXPECT_TRUE(AllInside(d, {50, 40, 450, 340}));

    RecordingCanvas p(1200, 1200);
    DrawArrayHoleDetail(*a, p, true, true, 1000, 600, 100, 500, true, 1);
    EXPECT_TRUE(AllInside(p, {100, 500, 1100, 1100}));
}

TEST(HoleDetail, EveryTypeStaysInsideItsArea) {
    for (const char* name : {"Arvo", "Bexa", "Rudd", "Hoba", "Ivor", "MIXBexaCadri"}) {
        auto a = CreateLoudspeakerArray(name);
        RecordingCanvas c(700, 500);
        DrawArrayHoleDetail(*a, c, true, false, 400, 300, 30, 20, true, 1);
        EXPECT_TRUE(AllInside(c, {30, 20, 430, 320})) << name;
        RecordingCanvas p(1500, 1500);
        DrawArrayHoleDetail(*a, p, true, true, 1000, 700, 1, 600, true, 1);
        EXPECT_TRUE(AllInside(p, {1, 600, 1001, 1300})) << name;
    }
}

TEST(HoleDetail, EmptyAreaDrawsNothing) {
    HoleArray a;
    RecordingCanvas c(400, 200);
    DrawArrayHoleDetail(a, c, true, false, 0, 0, 0, 0, true, 1);
    EXPECT_TRUE(c.Ops().empty());
}

// The stacked mini downfill on the printed report, in the places the report
// gives its hole detail on A4 and Letter pages at several resolutions: the
// whole detail lies inside the area and is really drawn (the cabinet hole,
// its label, the three bar holes, the plate, the bar and the fills).
TEST(HoleDetail, PrintedDownfillDrawsInsideItsArea) {
    struct Row {
        const char* page;
        int dpi, left, top, width, height;
    };
    const Row rows[] = {
        {"A4 150", 150, 546, 965, 273, 702},     {"A4 200", 200, 728, 1286, 364, 936},
        {"A4 300", 300, 1091, 1929, 546, 1403},  {"A4 600", 600, 2182, 3859, 1091, 2806},
        {"Letter 300", 300, 1122, 1815, 561, 1320},
    };
    // The downfill alone, and stacked on the mini cabinet (its detail drawn
    // for that cabinet and centred like the downfill's).
    for (const char* type : {"Elka", "MIXDoviElka"})
    for (const Row& row : rows) {
        for (int setting : {0, 1}) {
            auto a = CreateLoudspeakerArray(type);
            a->GroundStackBar->CurrentIndex = setting;
            RecordingCanvas c(row.left + row.width + 50, row.top + row.height + 50, row.dpi);
            DrawArrayHoleDetail(*a, c, true, true, row.width, row.height, row.left, row.top, true,
                                1);
            const std::string where = std::string(type) + " " + row.page + " setting " + std::to_string(setting);
            EXPECT_TRUE(AllInside(c, {row.left, row.top, row.left + row.width, row.top + row.height}))
                << where;
            EXPECT_EQ(Ellipses(c, rtl::colors::Silver).size(), 1u) << where;
            EXPECT_EQ(Ellipses(c, rtl::colors::Grey).size(), 3u) << where;
            EXPECT_NE(c.FindText("Grid Hole"), nullptr) << where;
            EXPECT_EQ(c.OfKind(OpKind::FloodFill).size(), 3u) << where;
            EXPECT_GE(c.Count(OpKind::Arc), 2u) << where;  // the bar's two ends
            // Plate (three sides) and bar (two sides), cut at the frame.
            const auto segs = c.Segments();
            EXPECT_GE(std::count_if(segs.begin(), segs.end(),
                                    [](const rtl::Segment& g) { return g.pen.width == 5; }),
                      5) << where;
        }
    }
}

// A4 at 150 dpi, the cabinet hole labelled: the layout is 90 x 246, scale
// 0.095 / 246, r = Round(7.77) = 8.  The caption " 20 °" is 51 wide (size 8
// is 17 pixels at 150 dpi), so bar side to label end takes 26r + 4r + 51 =
// 291 of the 265 left off the frame: r drops to (265 - 51) div 30 = 7 at
// 0.003 / 7 metres a pixel.  Then OY = 246 - Round(0.059 / 0.00042857) =
// 108, the span is 182 + 79 = 261 and OX = (273 - 261) div 2 + 182 = 188:
// hole 1 at (546 + 188, 965 + 108), T = (734 - 24 x 7, 965 + 70), G 70 above
// the layout's bottom at 965 + 246, M half-way.
TEST(HoleDetail, PrintedDownfillPlacement) {
    auto a = CreateLoudspeakerArray("Elka");
    a->GroundStackBar->CurrentIndex = 0;
    RecordingCanvas c(900, 1800, 150);
    DrawArrayHoleDetail(*a, c, true, true, 273, 702, 546, 965, true, 1);
    EXPECT_TRUE(HasEllipse(c, rtl::colors::Silver, {727, 1066, 741, 1080}));
    ExpectGreyDots(c, {{559, 1028, 573, 1042}, {559, 1134, 573, 1148}, {559, 1081, 573, 1095}});
    const CanvasOp* caption = c.FindText(" 20 \xC2\xB0");
    ASSERT_NE(caption, nullptr);
    // At 8 points it would end 6 + 1 pixels short of the frame only left
    // of the plate (P1.X + 3r = 755, clear from 763): set at 7 points (15
    // high, 45 wide), from 763, centred on 1073.
    EXPECT_EQ(caption->points[0], (Point{763, 1066}));
    EXPECT_EQ(caption->fontSize, 7);
}


// Every stacked type's detail, for every setting of its bar, on screen and in
// the places of the printed report: each text keeps a pixel at least from
// the area's frame and from the plate's and the bar's outlines, and only the
// mini cabinet's array (type code 7) notes that the other side is mirrored.
TEST(HoleDetail, LabelsStandClearOfOutlinesAndFrame) {
    struct Area {
        const char* name;
        bool printing;
        int dpi, left, top, width, height;
    };
    const Area areas[] = {
        {"screen", false, 96, 0, 0, 240, 120},       {"screen large", false, 96, 30, 20, 400, 300},
        {"A4 150", true, 150, 546, 965, 273, 702},   {"A4 300", true, 300, 1091, 1929, 546, 1403},
        {"A4 600", true, 600, 2182, 3859, 1091, 2806}, {"Letter 300", true, 300, 1122, 1815, 561, 1320},
    };
    // The subwoofer bars' layouts leave their labels no room between bar
    // and plate in the narrow areas: they stand beyond the bar's ends or
    // are left out, never under the plate.
    const char* const types[] = {"Arvo", "Bexa",        "Dovi", "Elka", "MIXDoviElka",
                                 "MIXBexaCadri", "Rudd", "Ivor", "MIXIvorDovi"};
    for (const char* type : types)
        for (const Area& area : areas) {
            auto probe = CreateLoudspeakerArray(type);
            const int settings = std::clamp(probe->GroundStackBar->HoleCount, 1, 12);
            for (int setting = 0; setting < settings; ++setting) {
                const std::string where = std::string(type) + " " + area.name + " setting " +
                                          std::to_string(setting);
                auto a = CreateLoudspeakerArray(type);
                a->GroundStackBar->CurrentIndex = setting;
                RecordingCanvas c(area.left + area.width + 50, area.top + area.height + 50, area.dpi);
                DrawArrayHoleDetail(*a, c, true, area.printing, area.width, area.height, area.left,
                                    area.top, true, 2);
                const rtl::Rect frame{area.left, area.top, area.left + area.width - 1,
                                      area.top + area.height - 1};
                const int outline = area.printing ? 5 : 1;
                std::vector<rtl::Segment> outlines;
                const auto segments = c.Segments();
                // The frame's four sides come first; on screen every
                // outline is 1 wide like the leaders, which end at a label.
                for (size_t i = 4; i < segments.size(); ++i)
                    if (segments[i].pen.width == outline && area.printing)
                        outlines.push_back(segments[i]);
                for (const CanvasOp* t : c.OfKind(OpKind::TextOut)) {
                    const rtl::Rect box{t->points[0].x, t->points[0].y, t->points[0].x + t->textWidth,
                                        t->points[0].y + t->textHeight};
                    EXPECT_TRUE(box.left > frame.left + 1 && box.top > frame.top + 1 &&
                                box.right < frame.right - 1 && box.bottom < frame.bottom - 1)
                        << where << ": " << t->text << " at the frame";
                    for (const rtl::Segment& g : outlines) {
                        // The leader from the label's left edge to its hole.
                        if (g.from.y == g.to.y && (g.from.x == box.left || g.to.x == box.left)) continue;
                        const int half = g.pen.width / 2 + 1;
                        const rtl::Rect line{std::min(g.from.x, g.to.x) - half, std::min(g.from.y, g.to.y) - half,
                                             std::max(g.from.x, g.to.x) + half + 1,
                                             std::max(g.from.y, g.to.y) + half + 1};
                        EXPECT_FALSE(std::max(box.left, line.left) < std::min(box.right, line.right) &&
                                     std::max(box.top, line.top) < std::min(box.bottom, line.bottom))
                            << where << ": " << t->text << " [" << box.left << "," << box.top << "," << box.right << "," << box.bottom << "] under the outline (" << g.from.x << ","
                            << g.from.y << ")-(" << g.to.x << "," << g.to.y << ")";
                    }
                }
                // A caption moved beyond the bar's end keeps off the others.
                const auto texts = c.OfKind(OpKind::TextOut);
                for (size_t i = 0; i < texts.size(); ++i)
                    for (size_t k = i + 1; k < texts.size(); ++k) {
                        const CanvasOp& p = *texts[i];
                        const CanvasOp& q = *texts[k];
                        EXPECT_FALSE(std::max(p.points[0].x, q.points[0].x) <
                                         std::min(p.points[0].x + p.textWidth, q.points[0].x + q.textWidth) &&
                                     std::max(p.points[0].y, q.points[0].y) <
                                         std::min(p.points[0].y + p.textHeight, q.points[0].y + q.textHeight))
                            << where << ": " << p.text << " on " << q.text;
                    }
                EXPECT_NE(c.FindText("Grid Hole"), nullptr) << where;
                EXPECT_EQ(c.FindText("Other side mirrored") != nullptr,
                          std::string(type) == "Dovi" && area.printing)
                    << where;
            }
        }
}
