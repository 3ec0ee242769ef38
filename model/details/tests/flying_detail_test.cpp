// Flying detail on a recording canvas.  The rig is a made-up one with round
// sizes; every expected pixel is worked out by hand from the sizes below.
//
// Grid: plate 0.1, gap 0.02, link inset 0.02, base 0.78 behind and 0.18 in
// front, front pick -0.1, rear pick -0.7 at height 0.03.  Cabinet: front 0.38.
// Lift bar: 23 holes at 0.0406, 0.065 above the pick points, 0.06 high.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/core/errors.h"
#include "platform/core/recording_canvas.h"
#include "model/details/flying_detail.h"

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

// The lift-bar drawing, 600 x 300 on the screen; the caller's point starts
// at (-7, -7) so that a write shows.
struct Lift {
    TestArray a;
    RecordingCanvas c{600, 300};
    Point pick{-7, -7};

    void Draw(bool printing = false, int32_t rigMode = 1) {
        DrawArrayFlyingDetailWithLiftBar(a, a.CurrentLiftBar, c, true, printing, 600, 300, 0, 0, true,
                                         rigMode, 0, 0, 0, 0, pick);
    }
};

// The drawing without a lift bar, 600 x 350, on the grid's front and rear
// pick points unless told otherwise.
struct Base {
    TestArray a;
    RecordingCanvas c{600, 350};
    Point pick{-7, -7};

    explicit Base(int pickMode = TGrid::PickFrontRear) { a.TestGrid.PickMode = pickMode; }
    bool Draw(int32_t rigMode = 1, bool printing = false, int32_t left = 0, int32_t top = 0) {
        return DrawArrayFlyingDetail(a, c, true, printing, 600, 350, left, top, true, rigMode, 0, 0, 0,
                                     0, pick);
    }
};

}  // namespace

// One-point lift from the front side, best hole 5.  Shifts from the scale
// without the bar (0.7 / 300 m per pixel): y Round(0.1 / 0.002333) = 43.
// Base scale 0.75 / 300 = 0.0025; origin x (600 - 424) div 2 = 88; datum
// (88 + 332, 48 + 43) = (420, 91); front pick point (380, 103).  Hole 5 at
// x -0.6 + 4 x 0.0406 = -0.4376 -> -175, y -0.065 -> -26: (205, 77).
// Two-point: hole 1 at x -240; hole 23 at -0.6 + 0.8932 = 0.2932 -> 117.
// Rear side: the base picture moves right by Round(0.11 / 0.002333) = 47, the
// front pick point to (427, 103); the bar runs back from it without first
// dots.  Hole 5 at -0.1624 -> -65.
TEST(FlyingDetailLiftBar, MarkedHolesBarAndDots) {
    const struct {
        const char* what;
        int pickMode, side, bestHole;
        std::vector<std::vector<Point>> heads;  // red arrow heads, each followed by its shaft
        size_t greyDots;
        std::vector<Point> bar;  // outline; empty: not checked
        rtl::Rect frontPick;     // the grid's front pick dot; empty: not checked
    } cases[] = {
        // Front side: every hole a grey dot first, then the 22 not picked again.
        {"one point, front", TGrid::PickLiftBarOnePoint, TGrid::SideFront, 5,
         {Pts({{205, 71}, {209, 63}, {201, 63}})}, 45,
         Pts({{134, 65}, {134, 89}, {503, 89}, {503, 65}}), {378, 101, 382, 105}},
        {"two points, first and last hole", TGrid::PickLiftBarTwoPoint, TGrid::SideFront, 5,
         {Pts({{140, 71}, {144, 63}, {136, 63}}), Pts({{497, 71}, {501, 63}, {493, 63}})}, 23u + 21u,
         {}, {}},
        {"no usable hole, no arrow", TGrid::PickLiftBarOnePoint, TGrid::SideFront, -1, {}, 46u, {}, {}},
        {"one point, rear", TGrid::PickLiftBarOnePoint, TGrid::SideRear, 5,
         {Pts({{362, 71}, {366, 63}, {358, 63}})}, 22u,
         Pts({{433, 65}, {433, 89}, {64, 89}, {64, 65}}), {425, 101, 429, 105}},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.what);
        Lift l;
        l.a.TestGrid.PickMode = t.pickMode;
        l.a.Bar.PickSide = t.side;
        l.a.LiftBarBestHole = t.bestHole;
        l.Draw();
        const auto red = PolygonsFilled(l.c, rtl::colors::Red);
        ASSERT_EQ(red.size(), 2 * t.heads.size());
        for (size_t k = 0; k < t.heads.size(); ++k) EXPECT_EQ(red[2 * k]->points, t.heads[k]) << k;
        EXPECT_EQ(EllipsesFilled(l.c, rtl::colors::Grey).size(), t.greyDots);
        if (!t.bar.empty()) {
            // From 0.015 behind the rear pick point to 0.015 past hole 23.
            const auto blue = PolygonsFilled(l.c, rtl::colors::SkyBlue);
            ASSERT_FALSE(blue.empty());
            EXPECT_EQ(blue.back()->points, t.bar);
        }
        if (t.frontPick != rtl::Rect{}) {
            EXPECT_TRUE(HasEllipse(l.c, rtl::colors::Red, t.frontPick));
        }
        // The bar draws from its own point: the caller's stays as it was.
        EXPECT_EQ(l.pick, (Point{-7, -7}));
        EXPECT_TRUE(l.c.Texts().empty());
    }
}

TEST(FlyingDetailLiftBar, OnePointShaftHoleDotAndRearPick) {
    Lift l;
    l.Draw();
    const auto red = PolygonsFilled(l.c, rtl::colors::Red);
    ASSERT_EQ(red.size(), 2u);
    EXPECT_EQ(red[1]->points, Pts({{203, 63}, {207, 63}, {207, 55}, {203, 55}}));
    EXPECT_TRUE(HasEllipse(l.c, rtl::colors::Grey, {203, 75, 207, 79}));
    // Pick points are red, radius 2.
    EXPECT_TRUE(HasEllipse(l.c, rtl::colors::Red, {138, 101, 142, 105}));
}

TEST(FlyingDetailLiftBar, PrintedDotsScaleAndTitleIsCentred) {
    Lift l;
    l.Draw(true);
    // r = Round(0.008 / 0.0025) = 3.
    const auto red = PolygonsFilled(l.c, rtl::colors::Red);
    ASSERT_EQ(red.size(), 2u);
    EXPECT_EQ(red[0]->points, Pts({{205, 68}, {211, 56}, {199, 56}}));
    // 40 characters at 10 pt: width Round(0.6 x 13 x 40) = 312, height 13;
    // x (600 - 312) div 2, y Round(6.5) = 6.
    ASSERT_EQ(l.c.Texts().size(), 1u);
    const CanvasOp* t = l.c.FindText("Flying Detail - side view - Grid = Testa");
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
        SCOPED_TRACE(variant);
        Lift l;
        if (variant == 0) l.a.TestGrid.PrimaryHolesUsed = 0;
        l.Draw(false, variant == 0 ? 1 : 3);
        EXPECT_EQ(l.c.Count(OpKind::Polygon), 1u);  // the cleared frame
        EXPECT_EQ(l.c.Count(OpKind::Ellipse), 0u);
        EXPECT_EQ(l.c.Count(OpKind::LineTo), 4u);
        EXPECT_EQ(l.pick, (Point{-7, -7}));
    }
}

TEST(FlyingDetailLiftBar, UnknownSideDrawsNothing) {
    Lift l;
    l.a.Bar.PickSide = 0;
    l.Draw();
    EXPECT_TRUE(l.c.Ops().empty());
}

TEST(FlyingDetailLiftBar, OtherPickModesAreTheBaseDrawing) {
    Base b;
    DrawArrayFlyingDetailWithLiftBar(b.a, b.a.CurrentLiftBar, b.c, true, false, 600, 350, 0, 0, true, 1,
                                     0, 0, 0, 0, b.pick);
    // As the base drawing below: the caller's point is written.
    EXPECT_EQ(b.pick, (Point{400, 75}));
    EXPECT_TRUE(EllipsesFilled(b.c, rtl::colors::Grey).empty());
}

// Base drawing, flown, 600 x 350: scale 0.7 / 350 = 0.002; origin x
// (600 - 530) div 2 = 35; datum (35 + 415, 60) = (450, 60).
TEST(FlyingDetailBase, FlownGridPickPointsAndFrame) {
    Base b;
    TestArray& a = b.a;
    const RecordingCanvas& c = b.c;
    EXPECT_TRUE(b.Draw());
    EXPECT_EQ(b.pick, (Point{400, 75}));
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
    // The plate's rear end -0.8 at x 50 (the cabinet: CabinetPlacement).
    const auto blue = PolygonsFilled(c, rtl::colors::SkyBlue);
    ASSERT_GE(blue.size(), 2u);
    // The cabinet's front link bar first (x -0.01 .. -0.03, y 0.1 .. 0.12),
    // then the plate.
    EXPECT_EQ(blue[0]->points, Pts({{445, 110}, {435, 110}, {435, 120}, {445, 120}}));
    EXPECT_EQ(blue[1]->points, Pts({{450, 60}, {50, 60}, {50, 110}, {450, 110}}));
    EXPECT_EQ(a.Selected, std::vector<int>({1}));
}

// Alternate holes: cabinet datum 35 + Round(0.58 / 0.002) = 325; the grid
// stays at 450.  The mini downfill hangs 0.02 further forward, turned by
// minus its bottom face angle of 10 degrees: (0, 0.5) turns to (-0.086824,
// 0.492404), i.e. (460 - 43, 60 + 246); and it has no rear link bar (two
// link bars in money green instead of three).
TEST(FlyingDetailBase, CabinetPlacement) {
    const struct {
        const char* what;
        bool alternate;
        uint8_t type;
        double bottomFaceAngle;
        Point frontBottom;
        size_t linkBars;
    } cases[] = {
        // Front-bottom corner (0, 0.5) at (450, 310).
        {"primary holes", false, 1, 0.0, {450, 310}, 3u},
        {"alternate holes move only the cabinet", true, 1, 0.0, {325, 310}, 3u},
        {"mini downfill", false, 12, 10.0, {417, 306}, 2u},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.what);
        Base b;
        b.a.TypeCode = t.type;
        b.a.Box.BottomFaceAngle = t.bottomFaceAngle;
        b.a.TestGrid.PrimaryHolesUsed = t.alternate ? 0 : 1;
        b.a.TestGrid.AlternateHolesUsed = t.alternate ? 1 : 0;
        b.Draw();
        const auto cream = PolygonsFilled(b.c, rtl::colors::Cream);
        ASSERT_EQ(cream.size(), 1u);
        EXPECT_EQ(cream[0]->points[0], t.frontBottom);
        EXPECT_EQ(PolygonsFilled(b.c, rtl::colors::MoneyGreen).size(), t.linkBars);
        EXPECT_EQ(b.pick, (Point{400, 75}));
    }
}

TEST(FlyingDetailBase, SilverAndRedDotCounts) {
    const struct {
        uint8_t type;
        int splayCount;
        rtl::Color colour;
        size_t dots;
    } cases[] = {
        // Grid: 3 front holes, rear link, alternate rear link; cabinet: front
        // and rear link holes (3 splays: no silver cabinet holes).  Subwoofer
        // grids have no alternate rear link dot.
        {1, 3, rtl::colors::Silver, 7u},
        {5, 3, rtl::colors::Silver, 6u},
        {6, 3, rtl::colors::Silver, 6u},
        // Two red pick points always; the single hole of a one-choice cabinet red.
        {1, 1, rtl::colors::Red, 3u},
        {1, 4, rtl::colors::Red, 2u},
        {1, 4, rtl::colors::Silver, 7u},
        {1, 7, rtl::colors::Silver, 7u + 7u},
        {1, 8, rtl::colors::Silver, 7u + 8u},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(testing::Message() << "type " << int(t.type) << ", " << t.splayCount << " splays");
        Base b;
        b.a.TypeCode = t.type;
        b.a.Box.SplayCount = t.splayCount;
        b.Draw();
        EXPECT_EQ(EllipsesFilled(b.c, t.colour).size(), t.dots);
    }
}

// Ground-stacked, 600 x 350, scale 0.002: base datum (415, 250).  The base's
// ends at (0.18, 0.2) and (-0.8, 0.2): (505, 350) and (15, 350).
TEST(FlyingDetailBase, UnsafeStackShowsArrowsAtTheBaseEnds) {
    Base b(TGrid::PickLiftBarOnePoint);
    b.a.RigMode = TLoudspeakerArray::GroundStacked;
    b.a.StackLevel = 2;
    EXPECT_TRUE(b.Draw(2));
    const auto red = PolygonsFilled(b.c, rtl::colors::Red);
    ASSERT_EQ(red.size(), 4u);
    EXPECT_EQ(red[0]->points, Pts({{505, 344}, {509, 336}, {501, 336}}));
    EXPECT_EQ(red[2]->points, Pts({{15, 344}, {19, 336}, {11, 336}}));
    EXPECT_EQ(b.pick, (Point{365, 265}));
    // The fit's cabinet, then the bottom one twice.
    EXPECT_EQ(b.a.Selected, std::vector<int>({1, 7, 7}));
    // The strut from the rear link hole (-0.52, 0.05) -> (155, 275), money
    // green, Round(0.03 / 0.002) = 15 wide.
    bool strut = false;
    for (const rtl::Segment& s : b.c.Segments())
        if (s.from == Point{155, 275} && s.pen.color == rtl::colors::MoneyGreen && s.pen.width == 15)
            strut = true;
    EXPECT_TRUE(strut);

    Base safe(TGrid::PickLiftBarOnePoint);
    safe.a.RigMode = TLoudspeakerArray::GroundStacked;
    safe.Draw(2);
    EXPECT_TRUE(PolygonsFilled(safe.c, rtl::colors::Red).empty());
    EXPECT_EQ(safe.a.LevelCalls, 1);

    // The arrows follow the array's own rig mode, not the argument.
    Base flown(TGrid::PickLiftBarOnePoint);
    flown.a.StackLevel = 2;
    flown.Draw(2);
    EXPECT_TRUE(PolygonsFilled(flown.c, rtl::colors::Red).empty());
    EXPECT_EQ(flown.a.LevelCalls, 0);
}

TEST(FlyingDetailBase, TitleOnlyWhenPrinting) {
    Base b;
    b.Draw();
    EXPECT_TRUE(b.c.Texts().empty());

    b.a.Selected.clear();
    b.c.Clear();
    b.Draw(1, true, 10, 20);
    ASSERT_EQ(b.c.Texts().size(), 1u);
    const CanvasOp* t = b.c.FindText("Flying Detail - side view - Grid = Testa");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->points[0], (Point{10 + 144, 20 + 6}));
    EXPECT_EQ(b.a.Selected, std::vector<int>({1, 0}));
    // Printed dots have radius Round(0.008 / 0.002) = 4: the front pick
    // point at (10 + 400, 20 + 75).
    EXPECT_TRUE(HasEllipse(b.c, rtl::colors::Red, {406, 91, 414, 99}));

    Base combo;
    combo.a.CombinationGrid = true;
    combo.Draw(1, true);
    // 51 characters: width Round(397.8) = 398; x (600 - 398) div 2 = 101.
    const CanvasOp* u = combo.c.FindText("Flying Detail - side view - Grid = Combination Grid");
    ASSERT_NE(u, nullptr);
    EXPECT_EQ(u->points[0], (Point{101, 6}));
    EXPECT_EQ(combo.a.Selected, std::vector<int>({1}));

    // Any other rig mode: frame and title only.
    Base other(TGrid::PickLiftBarOnePoint);
    EXPECT_FALSE(other.Draw(0, true));
    EXPECT_EQ(other.pick, (Point{-7, -7}));
    EXPECT_EQ(other.c.Count(OpKind::Ellipse), 0u);
    EXPECT_EQ(other.c.Texts().size(), 1u);
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
