// Flying detail on a recording canvas.  The rig is a made-up one with round
// sizes; every expected pixel is worked out by hand from the sizes below.
//
// Grid: plate 0.1, gap 0.02, link inset 0.02, base 0.78 behind and 0.18 in
// front, front pick -0.1, rear pick -0.7 at height 0.03.  Cabinet: front 0.38.
// Lift bar: 23 holes at 0.0406, 0.065 above the pick points, 0.06 high.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/errors.h"
#include "core/recording_canvas.h"
#include "details/flying_detail.h"

using rtl::CanvasOp;
using rtl::OpKind;
using rtl::Point;
using rtl::RecordingCanvas;

namespace {

class TestArray : public TLoudspeakerArray {
public:
    TBox Box;
    TGrid TestGrid;
    TLiftBar Bar;
    TGroundStackBar StackBar;
    std::vector<int> Selected;
    uint8_t StackLevel = 0;
    int LevelCalls = 0;

    TestArray() {
        TypeCode = 1;
        Count1 = 6;
        Box.FrontHeight = 0.38;
        Box.RearHeight = 0.3;
        Box.Depth = 0.5;
        Box.TaperAngle = std::atan(0.04 / 0.5);
        Box.LinkSetback = 0.07;
        Box.LinkDrop = 0.08;
        Box.SplayCount = 8;
        Box.ModelName = "Testa";
        for (int n = 0; n < 8; ++n) Box.Holes[n] = TBoxHole{0.45 + 0.01 * (n % 2), 0.1 - 0.01 * n};
        TestGrid.PlateThickness = 0.1;
        TestGrid.TopGap = 0.02;
        TestGrid.LinkInset = 0.02;
        TestGrid.BaseRearLength = 0.78;
        TestGrid.BaseFrontLength = 0.18;
        TestGrid.BaseFrontStep = 0.005;
        TestGrid.AlternateHoleShift = 0.25;
        TestGrid.LinkSpacing = 0.5;
        TestGrid.RearLinkHeight = 0.05;
        TestGrid.HoleInset = 0.02;
        TestGrid.FrontPickX = -0.1;
        TestGrid.RearPickX = -0.7;
        TestGrid.PickHeight = 0.03;
        TestGrid.PickMode = TGrid::PickLiftBarOnePoint;
        TestGrid.PrimaryHolesUsed = 1;
        TestGrid.AlternateHolesUsed = 0;
        StackBar.Angles[0] = 0.0;
        StackBar.CabinetHole[0] = 3;
        Bar.PickSide = TGrid::SideFront;
        CurrentBox = &Box;
        Grid = &TestGrid;
        GroundStackBar = &StackBar;
        CurrentLiftBar = &Bar;
        LiftBarBestHole = 5;
    }
    void SelectCabinet(int32_t I) override {
        Selected.push_back(I);
        CurrentBox = &Box;
    }
    uint8_t GroundStackSafetyLevel() override {
        ++LevelCalls;
        return StackLevel;
    }
};

std::vector<const CanvasOp*> PolygonsFilled(const RecordingCanvas& c, rtl::Color colour) {
    std::vector<const CanvasOp*> out;
    for (const CanvasOp* op : c.OfKind(OpKind::Polygon))
        if (op->brush.color == colour) out.push_back(op);
    return out;
}

std::vector<const CanvasOp*> EllipsesFilled(const RecordingCanvas& c, rtl::Color colour) {
    std::vector<const CanvasOp*> out;
    for (const CanvasOp* op : c.OfKind(OpKind::Ellipse))
        if (op->brush.color == colour) out.push_back(op);
    return out;
}

bool HasEllipse(const RecordingCanvas& c, rtl::Color colour, rtl::Rect box) {
    for (const CanvasOp* op : EllipsesFilled(c, colour))
        if (op->rect == box) return true;
    return false;
}

std::vector<Point> Pts(std::initializer_list<Point> p) { return p; }

void DrawLift(TestArray& a, RecordingCanvas& c, bool printing, Point& pick, int32_t rigMode = 1) {
    DrawArrayFlyingDetailWithLiftBar(a, a.CurrentLiftBar, c, true, printing, 600, 300, 0, 0, true,
                                     rigMode, 0, 0, 0, 0, pick);
}

}  // namespace

// One-point lift from the front side, best hole 5.  Shifts from the scale
// without the bar (0.7 / 300 m per pixel): y Round(0.1 / 0.002333) = 43.
// Base scale 0.75 / 300 = 0.0025; origin x (600 - 424) div 2 = 88; datum
// (88 + 332, 48 + 43) = (420, 91); front pick point (380, 103).  Hole 5 at
// x -0.6 + 4 x 0.0406 = -0.4376 -> -175, y -0.065 -> -26: (205, 77).
TEST(FlyingDetailLiftBar, OnePointLiftMarksTheBestHoleOnly) {
    TestArray a;
    RecordingCanvas c(600, 300);
    Point pick{-7, -7};
    DrawLift(a, c, false, pick);

    const auto red = PolygonsFilled(c, rtl::colors::Red);
    ASSERT_EQ(red.size(), 2u);
    EXPECT_EQ(red[0]->points, Pts({{205, 71}, {209, 63}, {201, 63}}));
    EXPECT_EQ(red[1]->points, Pts({{203, 63}, {207, 63}, {207, 55}, {203, 55}}));

    // The bar from 0.015 behind the rear pick point to 0.015 past hole 23.
    const auto blue = PolygonsFilled(c, rtl::colors::SkyBlue);
    ASSERT_FALSE(blue.empty());
    EXPECT_EQ(blue.back()->points, Pts({{134, 65}, {134, 89}, {503, 89}, {503, 65}}));
    // Front side: every hole a grey dot first, then the 22 not picked again.
    EXPECT_EQ(EllipsesFilled(c, rtl::colors::Grey).size(), 45u);
    EXPECT_TRUE(HasEllipse(c, rtl::colors::Grey, {203, 75, 207, 79}));
    // The grid's two pick points, red, radius 2.
    EXPECT_TRUE(HasEllipse(c, rtl::colors::Red, {378, 101, 382, 105}));
    EXPECT_TRUE(HasEllipse(c, rtl::colors::Red, {138, 101, 142, 105}));
    // The bar draws from its own point: the caller's stays as it was.
    EXPECT_EQ(pick, (Point{-7, -7}));
    EXPECT_TRUE(c.Texts().empty());
}

TEST(FlyingDetailLiftBar, TwoPointLiftMarksFirstAndLastHole) {
    TestArray a;
    a.TestGrid.PickMode = TGrid::PickLiftBarTwoPoint;
    RecordingCanvas c(600, 300);
    Point pick;
    DrawLift(a, c, false, pick);
    const auto red = PolygonsFilled(c, rtl::colors::Red);
    ASSERT_EQ(red.size(), 4u);
    // Hole 1 at x -240; hole 23 at -0.6 + 0.8932 = 0.2932 -> 117.
    EXPECT_EQ(red[0]->points, Pts({{140, 71}, {144, 63}, {136, 63}}));
    EXPECT_EQ(red[2]->points, Pts({{497, 71}, {501, 63}, {493, 63}}));
    EXPECT_EQ(EllipsesFilled(c, rtl::colors::Grey).size(), 23u + 21u);
}

TEST(FlyingDetailLiftBar, NoUsableHoleGetsNoArrow) {
    TestArray a;
    a.LiftBarBestHole = -1;
    RecordingCanvas c(600, 300);
    Point pick;
    DrawLift(a, c, false, pick);
    EXPECT_TRUE(PolygonsFilled(c, rtl::colors::Red).empty());
    EXPECT_EQ(EllipsesFilled(c, rtl::colors::Grey).size(), 46u);
}

// Rear side: the base picture moves right by Round(0.11 / 0.002333) = 47, the
// front pick point to (427, 103); the bar runs back from it without first
// dots.  Hole 5 at -0.1624 -> -65.
TEST(FlyingDetailLiftBar, RearSideRunsBackFromTheFrontPickPoint) {
    TestArray a;
    a.Bar.PickSide = TGrid::SideRear;
    RecordingCanvas c(600, 300);
    Point pick;
    DrawLift(a, c, false, pick);
    const auto red = PolygonsFilled(c, rtl::colors::Red);
    ASSERT_EQ(red.size(), 2u);
    EXPECT_EQ(red[0]->points, Pts({{362, 71}, {366, 63}, {358, 63}}));
    const auto blue = PolygonsFilled(c, rtl::colors::SkyBlue);
    EXPECT_EQ(blue.back()->points, Pts({{433, 65}, {433, 89}, {64, 89}, {64, 65}}));
    EXPECT_EQ(EllipsesFilled(c, rtl::colors::Grey).size(), 22u);
    EXPECT_TRUE(HasEllipse(c, rtl::colors::Red, {425, 101, 429, 105}));
}

TEST(FlyingDetailLiftBar, PrintedDotsScaleAndTitleIsCentred) {
    TestArray a;
    RecordingCanvas c(600, 300);
    Point pick;
    DrawLift(a, c, true, pick);
    // r = Round(0.008 / 0.0025) = 3.
    const auto red = PolygonsFilled(c, rtl::colors::Red);
    ASSERT_EQ(red.size(), 2u);
    EXPECT_EQ(red[0]->points, Pts({{205, 68}, {211, 56}, {199, 56}}));
    // 40 characters at 10 pt: width Round(0.6 x 13 x 40) = 312, height 13;
    // x (600 - 312) div 2, y Round(6.5) = 6.
    const auto texts = c.Texts();
    ASSERT_EQ(texts.size(), 1u);
    const CanvasOp* t = c.FindText("Flying Detail - side view - Grid = Testa");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->points[0], (Point{144, 6}));
    EXPECT_EQ(t->fontSize, 10);
    EXPECT_TRUE(t->font.bold);
    EXPECT_EQ(t->brush.color, rtl::colors::White);
}

// Neither link-hole set in use, or a rig mode other than flown or stacked:
// the base draws no grid, so the bar has nothing to hang from.
TEST(FlyingDetailLiftBar, NoGridNoBar) {
    for (int variant = 0; variant < 2; ++variant) {
        TestArray a;
        int32_t rigMode = 1;
        if (variant == 0)
            a.TestGrid.PrimaryHolesUsed = 0;
        else
            rigMode = 3;
        RecordingCanvas c(600, 300);
        Point pick{-7, -7};
        DrawLift(a, c, false, pick, rigMode);
        EXPECT_EQ(c.Count(OpKind::Polygon), 1u) << variant;  // the cleared frame
        EXPECT_EQ(c.Count(OpKind::Ellipse), 0u) << variant;
        EXPECT_EQ(c.Count(OpKind::LineTo), 4u) << variant;
        EXPECT_EQ(pick, (Point{-7, -7})) << variant;
    }
}

TEST(FlyingDetailLiftBar, UnknownSideDrawsNothing) {
    TestArray a;
    a.Bar.PickSide = 0;
    RecordingCanvas c(600, 300);
    Point pick;
    DrawLift(a, c, false, pick);
    EXPECT_TRUE(c.Ops().empty());
}

TEST(FlyingDetailLiftBar, OtherPickModesAreTheBaseDrawing) {
    TestArray a;
    a.TestGrid.PickMode = TGrid::PickFrontRear;
    RecordingCanvas c(600, 350);
    Point pick{-7, -7};
    DrawArrayFlyingDetailWithLiftBar(a, a.CurrentLiftBar, c, true, false, 600, 350, 0, 0, true, 1,
                                     0, 0, 0, 0, pick);
    // As the base drawing below: the caller's point is written.
    EXPECT_EQ(pick, (Point{400, 75}));
    EXPECT_TRUE(EllipsesFilled(c, rtl::colors::Grey).empty());
}

// Base drawing, flown, 600 x 350: scale 0.7 / 350 = 0.002; origin x
// (600 - 530) div 2 = 35; datum (35 + 415, 60) = (450, 60).
TEST(FlyingDetailBase, FlownGridPickPointsAndFrame) {
    TestArray a;
    a.TestGrid.PickMode = TGrid::PickFrontRear;
    RecordingCanvas c(600, 350);
    Point pick{-7, -7};
    EXPECT_TRUE(DrawArrayFlyingDetail(a, c, true, false, 600, 350, 0, 0, true, 1, 0, 0, 0, 0, pick));
    EXPECT_EQ(pick, (Point{400, 75}));
    EXPECT_DOUBLE_EQ(a.DetailMetresPerPixelX, a.DetailMetresPerPixelY);
    EXPECT_NEAR(a.DetailMetresPerPixelY, 0.002, 1e-15);
    EXPECT_DOUBLE_EQ(a.ViewMarginX, 0.05);
    EXPECT_DOUBLE_EQ(a.ViewMarginY, 0.05);
    EXPECT_NEAR(a.ViewExtentX, 1.06, 1e-12);
    EXPECT_NEAR(a.ViewExtentY, 0.7, 1e-12);
    EXPECT_TRUE(HasEllipse(c, rtl::colors::Red, {398, 73, 402, 77}));
    EXPECT_TRUE(HasEllipse(c, rtl::colors::Red, {98, 73, 102, 77}));
    // Front link holes of the grid at (-0.02, 0.08) and (-0.02, 0.02).
    EXPECT_TRUE(HasEllipse(c, rtl::colors::Silver, {438, 98, 442, 102}));
    EXPECT_TRUE(HasEllipse(c, rtl::colors::Silver, {438, 68, 442, 72}));
    // Cleared white, framed black inside the picture.
    const CanvasOp& clear = c.Ops().front();
    EXPECT_EQ(clear.kind, OpKind::Polygon);
    EXPECT_EQ(clear.points, Pts({{0, 0}, {600, 0}, {600, 350}, {0, 350}}));
    EXPECT_EQ(clear.brush.color, rtl::colors::White);
    EXPECT_TRUE(c.HasSegment({599, 0}, {599, 349}));
    EXPECT_TRUE(c.HasSegment({599, 349}, {0, 349}));
    // Cabinet front-bottom corner (0, 0.5) at (450, 310); the plate's rear end
    // -0.8 at x 50.
    const auto cream = PolygonsFilled(c, rtl::colors::Cream);
    ASSERT_EQ(cream.size(), 1u);
    EXPECT_EQ(cream[0]->points[0], (Point{450, 310}));
    const auto blue = PolygonsFilled(c, rtl::colors::SkyBlue);
    ASSERT_GE(blue.size(), 2u);
    // The cabinet's front link bar first (x -0.01 .. -0.03, y 0.1 .. 0.12),
    // then the plate.
    EXPECT_EQ(blue[0]->points, Pts({{445, 110}, {435, 110}, {435, 120}, {445, 120}}));
    EXPECT_EQ(blue[1]->points, Pts({{450, 60}, {50, 60}, {50, 110}, {450, 110}}));
    EXPECT_EQ(a.Selected, std::vector<int>({1}));
}

TEST(FlyingDetailBase, AlternateHolesMoveOnlyTheCabinet) {
    TestArray a;
    a.TestGrid.PickMode = TGrid::PickFrontRear;
    a.TestGrid.PrimaryHolesUsed = 0;
    a.TestGrid.AlternateHolesUsed = 1;
    RecordingCanvas c(600, 350);
    Point pick;
    DrawArrayFlyingDetail(a, c, true, false, 600, 350, 0, 0, true, 1, 0, 0, 0, 0, pick);
    // Cabinet datum 35 + Round(0.58 / 0.002) = 325; the grid stays at 450.
    const auto cream = PolygonsFilled(c, rtl::colors::Cream);
    ASSERT_EQ(cream.size(), 1u);
    EXPECT_EQ(cream[0]->points[0], (Point{325, 310}));
    EXPECT_EQ(pick, (Point{400, 75}));
}

// The mini downfill hangs 0.02 further forward, turned by minus its bottom
// face angle of 10 degrees: (0, 0.5) turns to (-0.086824, 0.492404), i.e.
// (460 - 43, 60 + 246); and it has no rear link bar.
TEST(FlyingDetailBase, MiniDownfillTurnsAndHasNoRearLinkBar) {
    TestArray a;
    a.TypeCode = 12;
    a.Box.BottomFaceAngle = 10;
    a.TestGrid.PickMode = TGrid::PickFrontRear;
    RecordingCanvas c(600, 350);
    Point pick;
    DrawArrayFlyingDetail(a, c, true, false, 600, 350, 0, 0, true, 1, 0, 0, 0, 0, pick);
    const auto cream = PolygonsFilled(c, rtl::colors::Cream);
    ASSERT_EQ(cream.size(), 1u);
    EXPECT_EQ(cream[0]->points[0], (Point{417, 306}));
    EXPECT_EQ(PolygonsFilled(c, rtl::colors::MoneyGreen).size(), 2u);

    TestArray b;
    b.TestGrid.PickMode = TGrid::PickFrontRear;
    RecordingCanvas d(600, 350);
    DrawArrayFlyingDetail(b, d, true, false, 600, 350, 0, 0, true, 1, 0, 0, 0, 0, pick);
    EXPECT_EQ(PolygonsFilled(d, rtl::colors::MoneyGreen).size(), 3u);
}

TEST(FlyingDetailBase, SubwooferGridsHaveNoAlternateRearLinkDot) {
    auto silverDots = [](int type) {
        TestArray a;
        a.TypeCode = static_cast<uint8_t>(type);
        a.Box.SplayCount = 3;  // no silver cabinet holes
        a.TestGrid.PickMode = TGrid::PickFrontRear;
        RecordingCanvas c(600, 350);
        Point pick;
        DrawArrayFlyingDetail(a, c, true, false, 600, 350, 0, 0, true, 1, 0, 0, 0, 0, pick);
        return EllipsesFilled(c, rtl::colors::Silver).size();
    };
    // Grid: 3 front holes, rear link, alternate rear link; cabinet: front and
    // rear link holes.
    EXPECT_EQ(silverDots(1), 7u);
    EXPECT_EQ(silverDots(5), 6u);
    EXPECT_EQ(silverDots(6), 6u);
}

TEST(FlyingDetailBase, CabinetHoleDotsFollowTheSplayCount) {
    auto dots = [](int splayCount, rtl::Color colour) {
        TestArray a;
        a.Box.SplayCount = splayCount;
        a.TestGrid.PickMode = TGrid::PickFrontRear;
        RecordingCanvas c(600, 350);
        Point pick;
        DrawArrayFlyingDetail(a, c, true, false, 600, 350, 0, 0, true, 1, 0, 0, 0, 0, pick);
        return EllipsesFilled(c, colour).size();
    };
    // Two red pick points always; the single hole of a one-choice cabinet red.
    EXPECT_EQ(dots(1, rtl::colors::Red), 3u);
    EXPECT_EQ(dots(4, rtl::colors::Red), 2u);
    EXPECT_EQ(dots(4, rtl::colors::Silver), 7u);
    EXPECT_EQ(dots(7, rtl::colors::Silver), 7u + 7u);
    EXPECT_EQ(dots(8, rtl::colors::Silver), 7u + 8u);
}

// Ground-stacked, 600 x 350, scale 0.002: base datum (415, 250).  The base's
// ends at (0.18, 0.2) and (-0.8, 0.2): (505, 350) and (15, 350).
TEST(FlyingDetailBase, UnsafeStackShowsArrowsAtTheBaseEnds) {
    TestArray a;
    a.RigMode = TLoudspeakerArray::GroundStacked;
    a.StackLevel = 2;
    RecordingCanvas c(600, 350);
    Point pick{-7, -7};
    EXPECT_TRUE(DrawArrayFlyingDetail(a, c, true, false, 600, 350, 0, 0, true, 2, 0, 0, 0, 0, pick));
    const auto red = PolygonsFilled(c, rtl::colors::Red);
    ASSERT_EQ(red.size(), 4u);
    EXPECT_EQ(red[0]->points, Pts({{505, 344}, {509, 336}, {501, 336}}));
    EXPECT_EQ(red[2]->points, Pts({{15, 344}, {19, 336}, {11, 336}}));
    EXPECT_EQ(pick, (Point{365, 265}));
    // The fit's cabinet, then the bottom one twice.
    EXPECT_EQ(a.Selected, std::vector<int>({1, 7, 7}));
    // The strut from the rear link hole (-0.52, 0.05) -> (155, 275), money
    // green, Round(0.03 / 0.002) = 15 wide.
    bool strut = false;
    for (const rtl::Segment& s : c.Segments())
        if (s.from == Point{155, 275} && s.pen.color == rtl::colors::MoneyGreen && s.pen.width == 15)
            strut = true;
    EXPECT_TRUE(strut);

    TestArray safe;
    safe.RigMode = TLoudspeakerArray::GroundStacked;
    RecordingCanvas d(600, 350);
    DrawArrayFlyingDetail(safe, d, true, false, 600, 350, 0, 0, true, 2, 0, 0, 0, 0, pick);
    EXPECT_TRUE(PolygonsFilled(d, rtl::colors::Red).empty());
    EXPECT_EQ(safe.LevelCalls, 1);

    // The arrows follow the array's own rig mode, not the argument.
    TestArray flown;
    flown.StackLevel = 2;
    RecordingCanvas e(600, 350);
    DrawArrayFlyingDetail(flown, e, true, false, 600, 350, 0, 0, true, 2, 0, 0, 0, 0, pick);
    EXPECT_TRUE(PolygonsFilled(e, rtl::colors::Red).empty());
    EXPECT_EQ(flown.LevelCalls, 0);
}

TEST(FlyingDetailBase, TitleOnlyWhenPrinting) {
    TestArray a;
    a.TestGrid.PickMode = TGrid::PickFrontRear;
    RecordingCanvas screen(600, 350);
    Point pick;
    DrawArrayFlyingDetail(a, screen, true, false, 600, 350, 0, 0, true, 1, 0, 0, 0, 0, pick);
    EXPECT_TRUE(screen.Texts().empty());

    a.Selected.clear();
    RecordingCanvas paper(600, 350);
    DrawArrayFlyingDetail(a, paper, true, true, 600, 350, 10, 20, true, 1, 0, 0, 0, 0, pick);
    ASSERT_EQ(paper.Texts().size(), 1u);
    const CanvasOp* t = paper.FindText("Flying Detail - side view - Grid = Testa");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->points[0], (Point{10 + 144, 20 + 6}));
    EXPECT_EQ(a.Selected, std::vector<int>({1, 0}));
    // Printed dots have radius Round(0.008 / 0.002) = 4: the front pick
    // point at (10 + 400, 20 + 75).
    EXPECT_TRUE(HasEllipse(paper, rtl::colors::Red, {406, 91, 414, 99}));

    TestArray b;
    b.TestGrid.PickMode = TGrid::PickFrontRear;
    b.CombinationGrid = true;
    RecordingCanvas combo(600, 350);
    DrawArrayFlyingDetail(b, combo, true, true, 600, 350, 0, 0, true, 1, 0, 0, 0, 0, pick);
    // 51 characters: width Round(397.8) = 398; x (600 - 398) div 2 = 101.
    const CanvasOp* u = combo.FindText("Flying Detail - side view - Grid = Combination Grid");
    ASSERT_NE(u, nullptr);
    EXPECT_EQ(u->points[0], (Point{101, 6}));
    EXPECT_EQ(b.Selected, std::vector<int>({1}));

    // Any other rig mode: frame and title only.
    TestArray m;
    RecordingCanvas other(600, 350);
    Point untouched{-7, -7};
    EXPECT_FALSE(DrawArrayFlyingDetail(m, other, true, true, 600, 350, 0, 0, true, 0, 0, 0, 0, 0,
                                       untouched));
    EXPECT_EQ(untouched, (Point{-7, -7}));
    EXPECT_EQ(other.Count(OpKind::Ellipse), 0u);
    EXPECT_EQ(other.Texts().size(), 1u);
}

TEST(FlyingDetailFit, ScalesExtentsAndMiniSubwoofers) {
    TestArray a;
    FitFlyingDetailScale(a, false, 530, 350, 0, 0);
    EXPECT_NEAR(a.DetailMetresPerPixelX, 0.002, 1e-15);
    EXPECT_NEAR(a.DetailMetresPerPixelY, 0.002, 1e-15);
    FitFlyingDetailScale(a, true, 1060, 350, 0, 0);
    EXPECT_NEAR(a.DetailMetresPerPixelX, 0.002, 1e-15);
    EXPECT_NEAR(a.DetailMetresPerPixelY, 0.002, 1e-15);
    FitFlyingDetailScale(a, false, 0, -5, 0.1, 0.2);
    EXPECT_NEAR(a.DetailMetresPerPixelX, 1.16, 1e-12);
    EXPECT_NEAR(a.DetailMetresPerPixelY, 0.9, 1e-12);

    // Mini subwoofer arrays: the cabinet's depth, and half a metre more for
    // front and rear pick points.
    TestArray m;
    m.TypeCode = 15;
    m.TestGrid.PickMode = TGrid::PickFrontRear;
    RecordingCanvas c(550, 350);
    Point pick;
    DrawArrayFlyingDetail(m, c, false, false, 550, 350, 0, 0, true, 1, 0, 0, 0, 0, pick);
    EXPECT_NEAR(m.ViewExtentX, 1.1, 1e-12);
    m.TestGrid.PickMode = TGrid::PickLiftBarOnePoint;
    DrawArrayFlyingDetail(m, c, false, false, 550, 350, 0, 0, true, 1, 0, 0, 0, 0, pick);
    EXPECT_NEAR(m.ViewExtentX, 0.6, 1e-12);
}

TEST(FlyingDetailBase, OverflowingPixelIsAnError) {
    TestArray a;
    a.TestGrid.PickMode = TGrid::PickFrontRear;
    RecordingCanvas c(600, 350);
    Point pick;
    EXPECT_THROW(DrawArrayFlyingDetail(a, c, true, false, 600, 350, 0, 0, true, 1, 0, 0,
                                       2147483600, 0, pick),
                 rtl::RuntimeError);
}
