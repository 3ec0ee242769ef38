// The side view on a recording canvas.  Pixel figures are worked out by hand
// from the drawing rules (a desk calculator for the divisions), for one
// full-size cabinet (front 0.497, rear 0.395, depth 0.751, link-bar width
// 0.02) under the full-size grid at tilt 0 in a 600 x 400 picture:
// 1.497 m / 400 = 0.0037425 m per pixel on both axes, origin x
// Round(0.45 * (1.1 / 0.0037425 + 600)) = 402, dot radius Round(5.344) = 5.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <tuple>
#include <string>
#include <vector>

#include "model/arrays/lsarray.h"
#include "platform/core/errors.h"
#include "platform/core/recording_canvas.h"
#include "model/drawings/side_view.h"
#include "riglink/mechdll5.h"

namespace {

using rtl::CanvasOp;
using rtl::OpKind;
using rtl::Point;
using rtl::Rect;
namespace colors = rtl::colors;

// Records the array operations the drawing calls, in order; a rig evaluation
// or tipping check of the test's own can stand in for the real one.
template <class Base>
class Spy : public Base {
public:
    std::vector<std::string> calls;
    std::function<void()> mechanics;
    std::function<uint8_t(Spy&)> tipping;

    void SelectCabinet(int32_t I) override {
        if (!quiet_) calls.push_back("S" + std::to_string(I));
        Base::SelectCabinet(I);
    }
    void CalcMechanics() override {
        if (!quiet_) calls.push_back("M");
        if (mechanics)
            mechanics();
        else
            Base::CalcMechanics();
    }
    uint8_t GroundStackSafetyLevel() override {
        if (!quiet_) calls.push_back("G");
        if (tipping) return tipping(*this);
        quiet_ = true;  // what the check does inside is its own business
        const uint8_t r = Base::GroundStackSafetyLevel();
        quiet_ = false;
        return r;
    }

private:
    bool quiet_ = false;
};

// The library's worked example: one full-size cabinet alone, target angle 0,
// centre of gravity (-0.352, -0.25).
void OneCabinetMechanics() {
    mechInit();
    TMechElemSpec elems[30] = {};
    elems[0].TypeCode = 0;
    mechSetArrayElems(elems, 1, 0.0, 0);
    mechCalculate();
}

struct OneArvo {
    TSplay splay{};
    Spy<TArvoArray> a;
    rtl::RecordingCanvas c{600, 400};

    int rigMode;

    explicit OneArvo(int mode) : rigMode(mode) {
        a.mechanics = OneCabinetMechanics;
        a.SetRigMode(rigMode);
        a.SetUp(splay, 1, 0, 0, 10.0, 0.0);
    }
    void Draw(bool metric = true, bool printing = false) {
        a.calls.clear();
        DrawArraySideView(a, c, true, true, 600, 400, metric, rigMode, printing, false);
    }
};

std::vector<const CanvasOp*> Polygons(const rtl::RecordingCanvas& c, rtl::Color brush) {
    std::vector<const CanvasOp*> r;
    for (const CanvasOp* op : c.OfKind(OpKind::Polygon))
        if (op->brush.color == brush) r.push_back(op);
    return r;
}

const CanvasOp* EllipseAt(const rtl::RecordingCanvas& c, Rect r) {
    for (const CanvasOp* op : c.OfKind(OpKind::Ellipse))
        if (op->rect == r) return op;
    return nullptr;
}

const rtl::Segment* SegmentOf(const std::vector<rtl::Segment>& segs, Point a, Point b) {
    for (const auto& s : segs)
        if ((s.from == a && s.to == b) || (s.from == b && s.to == a)) return &s;
    return nullptr;
}

TEST(SideView, ScaleFitOfOneCabinet) {
    OneArvo t(1);
    FitArraySideViewScale(t.a, true, 600, 400);
    EXPECT_DOUBLE_EQ(t.a.ViewMarginX, 0.5);
    EXPECT_DOUBLE_EQ(t.a.ViewMarginY, 0.5);
    EXPECT_NEAR(t.a.ViewExtentX, 1.751, 1e-12);
    EXPECT_NEAR(t.a.ViewExtentY, 1.497, 1e-12);
    EXPECT_NEAR(t.a.MetresPerPixelX, 0.0037425, 1e-15);
    EXPECT_NEAR(t.a.MetresPerPixelY, 0.0037425, 1e-15);

    FitArraySideViewScale(t.a, false, 600, 400);
    EXPECT_NEAR(t.a.MetresPerPixelX, 1.751 / 600, 1e-15);
    EXPECT_NEAR(t.a.MetresPerPixelY, 0.0037425, 1e-15);

    // An empty axis takes its extent as its scale.
    FitArraySideViewScale(t.a, false, 0, -3);
    EXPECT_NEAR(t.a.MetresPerPixelX, 1.751, 1e-12);
    EXPECT_NEAR(t.a.MetresPerPixelY, 1.497, 1e-12);
}

// Vertical placement: the drawn span runs from the pick dots and the "X"
// 107 pixels above the top cabinet's centre (grid top at -0.3835 m: -102,
// minus radius 5) down to the "Z" mark 71 below (66 + 5), so the origin sits
// at Round(0.5 * (399 + 107 - 71)) = 218 and the array is centred with
// margins of 111 and 110 pixels.
TEST(SideView, OneCabinetFlownWorkedPicture) {
    OneArvo t(1);
    t.Draw();
    const auto& c = t.c;

    auto bodies = Polygons(c, colors::Cream);
    ASSERT_EQ(bodies.size(), 1u);
    EXPECT_EQ(bodies[0]->points, (std::vector<Point>{{402, 152}, {402, 284}, {201, 271}, {201, 165}}));
    EXPECT_EQ(bodies[0]->pen.color, colors::Black);
    EXPECT_EQ(bodies[0]->pen.width, 1);

    auto grids = Polygons(c, colors::SkyBlue);
    ASSERT_EQ(grids.size(), 1u);
    EXPECT_EQ(grids[0]->points, (std::vector<Point>{{407, 116}, {120, 116}, {120, 149}, {407, 149}}));
    EXPECT_EQ(grids[0]->pen.color, colors::Navy);

    // Link and pick dots of radius 5: primary links red, alternate grey.
    struct DotCase {
        Rect box;
        rtl::Color colour;
    };
    const DotCase dots[] = {
        {{397, 144, 407, 154}, colors::Red},   // primary front link
        {{214, 144, 224, 154}, colors::Red},   // primary rear link, 0.686 m behind
        {{333, 144, 343, 154}, colors::Grey},  // alternate front link
        {{149, 144, 159, 154}, colors::Grey},  // alternate rear link
        {{377, 111, 387, 121}, colors::Red},   // front pick point
        {{125, 111, 135, 121}, colors::Red},   // rear pick point
    };
    for (const auto& d : dots) {
        const CanvasOp* op = EllipseAt(c, d.box);
        ASSERT_NE(op, nullptr) << d.box.left << "," << d.box.top;
        EXPECT_EQ(op->brush.color, d.colour) << d.box.left;
    }

    // Marks: "Y" at the front-top corner, "Z" above the front-bottom corner,
    // "X" above the grid's rear-top corner (top angle 0), each on its dot.
    const struct {
        const char* text;
        Point at;
        Rect dot;
    } marks[] = {
        {"Y", {402, 152}, {397, 147, 407, 157}},
        {"Z", {402, 284 - 16}, {397, 279, 407, 289}},
        {"X", {120, 116 - 16}, {115, 111, 125, 121}},
    };
    for (const auto& m : marks) {
        SCOPED_TRACE(m.text);
        const CanvasOp* op = c.FindText(m.text);
        ASSERT_NE(op, nullptr);
        EXPECT_EQ(op->points[0], m.at);
        EXPECT_NE(EllipseAt(c, m.dot), nullptr);
    }
    const CanvasOp* y = c.FindText("Y");
    EXPECT_EQ(y->fontSize, 12);
    EXPECT_EQ(y->brush.color, colors::Yellow);
    EXPECT_EQ(y->font.color, colors::Black);

    // Number at the middle of the depth, moved up by half the 12-point font
    // height the "Z" left (-16 div 2).
    const CanvasOp* number = c.FindText("1");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->points[0], (Point{302, 210}));
    EXPECT_EQ(number->fontSize, 10);
    EXPECT_EQ(number->brush.color, colors::Cream);
    EXPECT_EQ(number->font.color, colors::Black);

    // The reference line is the grid's top (-0.3835 m: 218 - 102 = 116); the
    // vertical lines reach Round(1.997 / 0.0037425) = 534 below it.  Width 0:
    // not checked.
    const struct {
        const char* what;
        Point a, b;
        rtl::Color colour;
        int width;
    } lines[] = {
        {"rear link bar, 0.15 m up from the rear-top corner", {201, 165}, {201, 125}, colors::Black, 5},
        {"0 m", {402, 650}, {402, 116}, colors::Blue, 2},
        {"-1 m", {135, 650}, {135, 116}, colors::Lime, 1},
        {"0.2 m, minor", {455, 650}, {455, 116}, colors::Silver, 0},
        // Horizontal lines every 0.2 m; the fifth (1 m, 267 pixels down) green.
        {"1 m across", {402 - 2672, 383}, {600, 383}, colors::Green, 0},
        {"plumb line through x = -0.352 m: 402 - 94", {308, 650}, {308, 116}, colors::Red, 2},
    };
    const auto segs = c.Segments();
    for (const auto& l : lines) {
        SCOPED_TRACE(l.what);
        const rtl::Segment* s = SegmentOf(segs, l.a, l.b);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->pen.color, l.colour);
        if (l.width != 0) {
            EXPECT_EQ(s->pen.width, l.width);
        }
    }
    // x = 0.8 m is at 1.504 + 0.8 >= 2.2455 m: beyond the right edge, not drawn.
    EXPECT_EQ(SegmentOf(segs, {616, 650}, {616, 116}), nullptr);
    // 6 * 0.2 m = 1.2 m lies beyond the picture's height.
    for (const auto& s : segs) EXPECT_FALSE(s.from.y == s.to.y && s.from.y > 399 && s.from.x < 0);
    const CanvasOp* zeroLabel = c.FindText("0m");
    ASSERT_NE(zeroLabel, nullptr);
    EXPECT_EQ(zeroLabel->points[0], (Point{402 - 8, 116 - 13}));
    EXPECT_EQ(zeroLabel->font.color, colors::Silver);
    EXPECT_EQ(zeroLabel->brush.color, colors::White);
    const CanvasOp* minusOne = c.FindText("-1m");
    ASSERT_NE(minusOne, nullptr);
    // In its place (124, 103) the yellow "X" of the grid's rear-top corner
    // (12 points, 16 high, from 116 - 16 = 100) would cover it: it stands
    // above the mark, its bottom at 99.
    EXPECT_EQ(minusOne->points[0], (Point{135 - 11, 100 - 1 - 13}));

    // Centre-of-gravity symbol: 0.25 m below the front-top corner is
    // 0.0015 m below the cabinet's centre, pixel 218; radius 4 * 5.
    const CanvasOp* disc = EllipseAt(c, {288, 198, 328, 238});
    ASSERT_NE(disc, nullptr);
    EXPECT_EQ(disc->brush.color, colors::Yellow);
    auto pies = c.OfKind(OpKind::Pie);
    ASSERT_EQ(pies.size(), 2u);
    EXPECT_EQ(pies[0]->rect, (Rect{288, 198, 328, 238}));
    EXPECT_EQ(pies[0]->points, (std::vector<Point>{{308, 203}, {293, 218}}));
    EXPECT_EQ(pies[1]->points, (std::vector<Point>{{308, 233}, {323, 218}}));
    EXPECT_EQ(pies[0]->brush.color, colors::Black);
    EXPECT_EQ(pies[1]->pen.color, colors::Navy);  // outline as the grid left it
}

TEST(SideView, BackgroundAndBorderComeFirst) {
    OneArvo t(1);
    t.c.SetBrushStyle(rtl::BrushStyle::Clear);
    t.Draw();
    const auto& ops = t.c.Ops();
    ASSERT_GE(ops.size(), 2u);
    EXPECT_EQ(ops[0].kind, OpKind::FillRect);
    EXPECT_EQ(ops[0].rect, (Rect{0, 0, 600, 400}));
    EXPECT_EQ(ops[0].brush.color, colors::White);
    EXPECT_EQ(ops[0].brush.style, rtl::BrushStyle::Solid);
    EXPECT_EQ(ops[1].kind, OpKind::Polyline);
    EXPECT_EQ(ops[1].points, (std::vector<Point>{{0, 0}, {599, 0}, {599, 399}, {0, 399}, {0, 0}}));
}

TEST(SideView, ImperialGridStepsHalfAFoot) {
    OneArvo t(1);
    t.Draw(false);
    const auto segs = t.c.Segments();
    // Every second line labelled: 1 ft at 0.3048 m (81 pixels), 2 ft at
    // 0.6096 m (163), -5 ft at -1.524 m (-407).
    const struct {
        const char* text;
        int x;
    } labels[] = {{"0ft", 402}, {"1ft", 483}, {"2ft", 565}, {"-5ft", -5}};
    for (const auto& l : labels) {
        const CanvasOp* op = t.c.FindText(l.text);
        ASSERT_NE(op, nullptr) << l.text;
        EXPECT_EQ(op->points[0].x, l.x - op->textWidth / 2) << l.text;
        EXPECT_NE(SegmentOf(segs, {l.x, 650}, {l.x, 116}), nullptr) << l.text;
    }
    EXPECT_EQ(t.c.FindText("1m"), nullptr);
    // Half a foot (41 pixels) is a minor line; the first horizontal label
    // below the top is 1 ft at 116 + 81.
    const rtl::Segment* half = SegmentOf(segs, {443, 650}, {443, 116});
    ASSERT_NE(half, nullptr);
    EXPECT_EQ(half->pen.color, colors::Silver);
    const rtl::Segment* oneFoot = SegmentOf(segs, {402 - 2036, 197}, {600, 197});
    ASSERT_NE(oneFoot, nullptr);
    EXPECT_EQ(oneFoot->pen.color, colors::Green);
}

TEST(SideView, PrintingWidensOnlyThePlumbLine) {
    OneArvo screen(1), paper(1);
    screen.Draw(true, false);
    paper.Draw(true, true);
    // Texts aside: on paper a scale label that the drawing's edge would cut,
    // or that runs into the one before or under a mark, is left out.
    const auto shapes = [](const rtl::RecordingCanvas& c) {
        std::vector<CanvasOp> ops;
        for (const CanvasOp& op : c.Ops())
            if (op.kind != OpKind::TextOut) ops.push_back(op);
        return ops;
    };
    const std::vector<CanvasOp> a = shapes(screen.c);
    const std::vector<CanvasOp> b = shapes(paper.c);
    ASSERT_EQ(a.size(), b.size());
    int differing = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].kind == b[i].kind && a[i].points == b[i].points && a[i].rect == b[i].rect &&
            a[i].text == b[i].text && a[i].pen == b[i].pen && a[i].brush == b[i].brush)
            continue;
        ++differing;
        // Only the plumb line (its move and its line): 2 pixels on the
        // screen, Round(0.5 * 0.02 / 0.0037425) = 3 on paper.
        EXPECT_TRUE(a[i].kind == OpKind::MoveTo || a[i].kind == OpKind::LineTo);
        EXPECT_EQ(a[i].pen.color, colors::Red);
        EXPECT_EQ(a[i].pen.width, 2);
        EXPECT_EQ(b[i].pen.width, 3);
        if (b[i].kind == OpKind::LineTo) {
            EXPECT_EQ(b[i].points, (std::vector<Point>{{308, 650}, {308, 116}}));
        }
    }
    EXPECT_EQ(differing, 2);
    // The side view writes no titles: every text on paper is one of the
    // screen's in its place, and lies whole on the drawing, which the
    // screen's scale labels leave.
    std::multiset<std::tuple<std::string, int, int>> onScreen;
    size_t off = 0;
    for (const CanvasOp* op : screen.c.OfKind(OpKind::TextOut)) {
        onScreen.insert({op->text, op->points[0].x, op->points[0].y});
        off += op->points[0].x < 0 || op->points[0].x + op->textWidth > 600;
    }
    EXPECT_GT(off, 0u);
    for (const CanvasOp* op : paper.c.OfKind(OpKind::TextOut)) {
        EXPECT_GE(op->points[0].x, 0) << op->text;
        EXPECT_LE(op->points[0].x + op->textWidth, 600) << op->text;
        const auto it = onScreen.find({op->text, op->points[0].x, op->points[0].y});
        ASSERT_NE(it, onScreen.end()) << op->text;
        onScreen.erase(it);
    }
}

// Ground-stacked: the base under the bottom cabinet's front-bottom corner,
// with tipping limits the test sets (rear -0.8 m, front 0.1 m).  The span now
// runs from the "Y" mark (-71) to the plates' underside (0.3735 m: 100), so
// the origin is Round(0.5 * (399 + 71 - 100)) = 185.
TEST(SideView, OneCabinetStackedBaseAndBands) {
    OneArvo t(2);
    t.a.tipping = [](Spy<TArvoArray>& s) -> uint8_t {
        s.RearTipLimit = -0.8;
        s.FrontTipLimit = 0.1;
        return 0;
    };
    t.Draw();
    const auto& c = t.c;

    auto plates = Polygons(c, colors::SkyBlue);
    ASSERT_EQ(plates.size(), 2u);
    EXPECT_EQ(plates[0]->points, (std::vector<Point>{{402, 251}, {127, 251}, {127, 285}, {402, 285}}));
    EXPECT_EQ(plates[1]->points, (std::vector<Point>{{402, 253}, {450, 253}, {450, 285}, {402, 285}}));
    EXPECT_EQ(plates[0]->pen.color, colors::Black);
    auto bands = Polygons(c, colors::Red);
    ASSERT_EQ(bands.size(), 2u);
    EXPECT_EQ(bands[0]->points, (std::vector<Point>{{127, 285}, {127, 251}, {188, 251}, {188, 285}}));
    EXPECT_EQ(bands[1]->points, (std::vector<Point>{{429, 253}, {450, 253}, {450, 285}, {429, 285}}));

    // Foot bar from 0.751 m behind the corner to the rear-bottom corner, red
    // dots at both ends of the base line.
    const std::vector<rtl::Segment> segs = c.Segments();
    const rtl::Segment* foot = SegmentOf(segs, {201, 251}, {201, 238});
    ASSERT_NE(foot, nullptr);
    EXPECT_EQ(foot->pen.width, 5);
    EXPECT_EQ(EllipseAt(c, {397, 246, 407, 256})->brush.color, colors::Red);
    EXPECT_EQ(EllipseAt(c, {196, 246, 206, 256})->brush.color, colors::Red);

    // No grid, no link or pick dots, no rear bar on the top cabinet.
    EXPECT_EQ(Polygons(c, colors::Cream).size(), 1u);
    EXPECT_EQ(SegmentOf(segs, {201, 132}, {201, 92}), nullptr);
    // The reference line is the top cabinet's front-top corner (-66: 119).
    EXPECT_NE(SegmentOf(segs, {402, 119 + 534}, {402, 119}), nullptr);
    // Symbol with the "Y" mark's radius, centred on the plumb line.
    EXPECT_NE(EllipseAt(c, {288, 165, 328, 205}), nullptr);
    EXPECT_NE(SegmentOf(c.Segments(), {308, 119 + 534}, {308, 119}), nullptr);
    EXPECT_EQ(t.a.calls, (std::vector<std::string>{"S1", "M", "G", "S1"}));
}

// The grid on its alternate link points moves forward by 0.2404 m (64
// pixels) over the cabinet, and the library's frame moves with it: the plumb
// line stands at Round((-0.352 + 0.2404) / 0.0037425) = -30 from the corner.
// A stack has no grid in its rig, so its plumb line does not move.
TEST(SideView, AlternateLinkPointsShiftTheGridAndTheFlownPlumbLine) {
    OneArvo flown(1);
    flown.a.Grid->PrimaryHolesUsed = 0;
    flown.a.Grid->AlternateHolesUsed = 1;
    flown.Draw();
    auto grids = Polygons(flown.c, colors::SkyBlue);
    ASSERT_EQ(grids.size(), 1u);
    EXPECT_EQ(grids[0]->points, (std::vector<Point>{{472, 116}, {185, 116}, {185, 149}, {472, 149}}));
    EXPECT_EQ(EllipseAt(flown.c, {461, 144, 471, 154})->brush.color, colors::Grey);  // primary front
    EXPECT_EQ(EllipseAt(flown.c, {397, 144, 407, 154})->brush.color, colors::Red);   // alternate front
    EXPECT_NE(SegmentOf(flown.c.Segments(), {372, 650}, {372, 116}), nullptr);
    EXPECT_NE(EllipseAt(flown.c, {352, 198, 392, 238}), nullptr);
    EXPECT_EQ(flown.c.FindText("X")->points[0], (Point{185, 100}));

    OneArvo stacked(2);
    stacked.a.Grid->PrimaryHolesUsed = 0;
    stacked.a.Grid->AlternateHolesUsed = 1;
    stacked.Draw();
    EXPECT_NE(EllipseAt(stacked.c, {288, 165, 328, 205}), nullptr);
    const auto segs = stacked.c.Segments();
    EXPECT_TRUE(std::any_of(segs.begin(), segs.end(), [](const rtl::Segment& s) {
        return s.pen.color == colors::Red && s.from.x == 308 && s.to.x == 308;
    }));
}

TEST(SideView, StackedBandsWithoutFiniteLimitsAreLeftOut) {
    for (double bad : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
        OneArvo t(2);
        t.a.tipping = [bad](Spy<TArvoArray>& s) -> uint8_t {
            s.RearTipLimit = bad;
            s.FrontTipLimit = -bad;
            return 2;
        };
        ASSERT_NO_THROW(t.Draw());
        EXPECT_EQ(Polygons(t.c, colors::Red).size(), 0u);
        EXPECT_EQ(Polygons(t.c, colors::SkyBlue).size(), 2u);  // both plates stay
    }
}

TEST(SideView, MarksByRigMode) {
    OneArvo flown(1), stacked(2);
    flown.Draw();
    stacked.Draw();
    for (const char* m : {"X", "Y", "Z"}) EXPECT_EQ(flown.c.FindTexts(m).size(), 1u) << m;
    EXPECT_EQ(stacked.c.FindTexts("Y").size(), 1u);
    EXPECT_TRUE(stacked.c.FindTexts("X").empty());
    EXPECT_TRUE(stacked.c.FindTexts("Z").empty());
}

TEST(SideView, WithoutTheArrayOnlyGridPlumbAndSymbol) {
    OneArvo t(1);
    t.a.calls.clear();
    DrawArraySideView(t.a, t.c, false, true, 600, 400, true, 1, false, false);
    EXPECT_EQ(t.c.Count(OpKind::Polygon), 0u);
    EXPECT_EQ(t.c.Count(OpKind::Pie), 2u);
    EXPECT_EQ(t.c.Count(OpKind::Ellipse), 1u);
    EXPECT_EQ(t.c.FindText("1"), nullptr);
    // The symbol alone is centred: cos(0) * 0.2485 - 0.25 gives pixel 0
    // relative, so its centre lands on row Round(0.5 * 399) = 200.
    const CanvasOp* disc = t.c.OfKind(OpKind::Ellipse)[0];
    EXPECT_EQ(disc->rect.top + disc->rect.bottom, 400);
    EXPECT_EQ(t.a.calls, (std::vector<std::string>{"S1", "M"}));
}

std::vector<std::string> NumberTexts(const rtl::RecordingCanvas& c) {
    std::vector<std::string> r;
    for (const CanvasOp* op : c.OfKind(OpKind::TextOut))
        if (op->brush.color == colors::Cream) r.push_back(op->text);
    return r;
}

// Sets the array up straight (flown under a 12 degree target, stacked on 1)
// and draws it into 600 x 400; the calls list then holds the drawing's own.
template <class A>
rtl::RecordingCanvas SetUpAndDraw(Spy<A>& a, int n1, int n2, int n3, int rigMode = 1) {
    static TSplay straight;
    if (rigMode == 2) a.SetRigMode(2);
    a.SetUp(straight, n1, n2, n3, rigMode == 1 ? 12.0 : 1.0, 0.0);
    a.calls.clear();
    rtl::RecordingCanvas c(600, 400);
    DrawArraySideView(a, c, true, true, 600, 400, true, rigMode, false, false);
    return c;
}

TEST(SideView, NumbersRestartAtTheSecondModel) {
    {
        Spy<TArvoBexaArray> a;  // full-size over compact
        const auto c = SetUpAndDraw(a, 2, 3, 0);
        EXPECT_EQ(NumberTexts(c), (std::vector<std::string>{"3", "2", "1", "2", "1"}));
        // Bottom up per element, then the junction with the second model's
        // first cabinet.
        EXPECT_EQ(a.calls, (std::vector<std::string>{"S1", "M", "S5", "S4", "S3", "S2", "S1", "S3"}));
    }
    {
        Spy<TIvorDoviElkaArray> a;  // counting goes on into the third model
        EXPECT_EQ(NumberTexts(SetUpAndDraw(a, 2, 3, 1)), (std::vector<std::string>{"4", "3", "2", "1", "2", "1"}));
    }
    {
        Spy<TArvoArray> a;
        const auto c = SetUpAndDraw(a, 11, 0, 0);
        auto n = NumberTexts(c);
        ASSERT_EQ(n.size(), 11u);
        EXPECT_EQ(n.front(), "11");
        EXPECT_EQ(n.back(), "1");
        // Two-digit numbers move left by half the font height; "10" and "9"
        // share the column of their cabinets' middles otherwise.
        const CanvasOp* ten = c.FindText("10");
        const CanvasOp* nine = c.FindText("9");
        ASSERT_NE(ten, nullptr);
        ASSERT_NE(nine, nullptr);
        EXPECT_EQ(nine->points[0].x - ten->points[0].x, 6);  // -13 div 2
        EXPECT_EQ(a.calls, (std::vector<std::string>{"S1", "M"}));  // one model: no selection
    }
}

// Full-size over compact, one of each, flown straight: the compact cabinet's
// front-face centre lies (0.497 + 0.05) / 2 + (0.365 + 0.05) / 2 = 0.481 m
// below the top one's (the junction gap widens both half heights).  Scale
// 1.978 / 400 = 0.004945 (the vertical axis rules), origin x
// Round(0.45 * (1.1 / 0.004945 + 600)) = 370.  The junction piece around the
// compact cabinet's top (h 0.365, rear 0.3, gap 0.05, offsets 0.06, 0.752):
// J1 (0, 0.2485), J4 (-0.752, 0.281), J3 (-0.752, 0.341), J2 (0, 0.3085),
// dot J5 (-0.545, 0.341); pixels relative to the "Y" corner at -0.2485 m.
TEST(SideView, JunctionPieceBetweenTwoModels) {
    Spy<TArvoBexaArray> a;
    const auto c = SetUpAndDraw(a, 1, 1, 0);
    EXPECT_NEAR(a.MetresPerPixelY, 0.004945, 1e-15);
    const CanvasOp* y = c.FindText("Y");
    ASSERT_NE(y, nullptr);
    EXPECT_EQ(y->points[0].x, 370);
    const int o = y->points[0].y + 50;  // the vertical origin
    auto blue = Polygons(c, colors::SkyBlue);
    ASSERT_EQ(blue.size(), 2u);  // grid, then the junction piece
    EXPECT_EQ(blue[1]->points, (std::vector<Point>{{370, o + 50}, {218, o + 57}, {218, o + 69}, {370, o + 62}}));
    EXPECT_EQ(blue[1]->pen.color, colors::Navy);
    // Dots of radius Round(0.02 / 0.004945) = 4, in the order J5, J2, J4, J1.
    const Point dots[] = {{260, o + 69}, {370, o + 62}, {218, o + 57}, {370, o + 50}};
    auto ellipses = c.OfKind(OpKind::Ellipse);
    size_t first = 0;
    while (first < ellipses.size() && ellipses[first]->rect != Rect{256, o + 65, 264, o + 73}) ++first;
    ASSERT_LE(first + 4, ellipses.size());
    for (int k = 0; k < 4; ++k) {
        const Rect r = ellipses[first + k]->rect;
        EXPECT_EQ((Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2}), dots[k]) << k;
        EXPECT_EQ(r.right - r.left, 8);
        EXPECT_EQ(ellipses[first + k]->brush.color, colors::Red);
    }
}

// Subwoofers over compact cabinets: the bracket at the first compact
// cabinet, then the last subwoofer once more over it with its number, then
// the bracket's front part again on top.
TEST(SideView, SubwooferBracketRedrawsTheLastSubwoofer) {
    Spy<THobaBexaARRAY> a;
    const auto c = SetUpAndDraw(a, 2, 2, 0);
    EXPECT_EQ(NumberTexts(c), (std::vector<std::string>{"2", "1", "2", "1", "2"}));
    EXPECT_EQ(a.calls, (std::vector<std::string>{"S1", "M", "S4", "S3", "S2", "S1", "S3", "S2"}));
    auto blue = Polygons(c, colors::SkyBlue);
    ASSERT_EQ(blue.size(), 4u);  // grid, bracket, its front part, that part again
    EXPECT_EQ(blue[1]->points.size(), 7u);
    EXPECT_EQ(blue[2]->points, blue[3]->points);
    auto cabinets = Polygons(c, colors::Cream);
    ASSERT_EQ(cabinets.size(), 5u);
    EXPECT_EQ(cabinets[4]->points, cabinets[2]->points);  // the second subwoofer again
    // No rear link bar at the first compact cabinet (its bracket takes it).
    int bars = 0;
    for (const auto& op : c.Ops())
        if (op.kind == OpKind::LineTo && op.pen.color == colors::Black && op.pen.width > 1) ++bars;
    EXPECT_EQ(bars, 3);
}

// Stacked: scale, rig, then every cabinet bottom up.  The mini cabinets'
// stack draws no base, so asks no tipping check; the mix asks it for its
// base and selects the bottom cabinet again.
TEST(SideView, StackedCallOrder) {
    Spy<TIvorDoviArray> mini;
    const auto c = SetUpAndDraw(mini, 2, 3, 0, 2);
    EXPECT_EQ(mini.calls, (std::vector<std::string>{"S1", "M", "S3", "S5", "S4", "S3", "S2", "S1"}));
    EXPECT_EQ(c.FindTexts("Y").size(), 1u);
    EXPECT_EQ(Polygons(c, colors::SkyBlue).size(), 0u);

    Spy<TBexaCadriArray> mix;
    SetUpAndDraw(mix, 2, 1, 0, 2);
    EXPECT_EQ(mix.calls, (std::vector<std::string>{"S1", "M", "S3", "S2", "S1", "G", "S3"}));
}

TEST(SideView, NeedsACabinet) {
    TArvoArray a;
    rtl::RecordingCanvas c(600, 400);
    EXPECT_THROW(DrawArraySideView(a, c, true, true, 600, 400, true, 1, false, false), rtl::RangeError);
}

}  // namespace
