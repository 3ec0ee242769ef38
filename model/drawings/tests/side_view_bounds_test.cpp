// Every array type, flown and (where it can stand) stacked, with one cabinet
// and with the most the main window allows, in metres and feet: the side view
// must keep every shape inside the picture, and the centre-of-gravity symbol
// must sit on the plumb line within the array.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "model/arrays/lsarray.h"
#include "platform/core/errors.h"
#include "platform/core/recording_canvas.h"
#include "model/drawings/side_view.h"

namespace {

using rtl::CanvasOp;
using rtl::OpKind;
using rtl::Point;
namespace colors = rtl::colors;

struct Counts {
    int c1, c2, c3;
};

struct TypeCase {
    const char* type;
    Counts flownMost;
    Counts one;
    bool stacks;  // the array has a ground-stacked rig evaluation
    Counts stackedMost;
    bool liftBar = false;  // may hang from a lift bar
};

// The cabinet-count limits of the main window.
const TypeCase kTypes[] = {
    {"Arvo", {16, 0, 0}, {1, 0, 0}, true, {6, 0, 0}},
    {"Bexa", {16, 0, 0}, {1, 0, 0}, true, {6, 0, 0}, true},
    {"Rudd", {16, 0, 0}, {1, 0, 0}, true, {16, 0, 0}},
    {"MIXArvoBexa", {15, 1, 0}, {1, 1, 0}, false, {}},
    {"MIXRuddBexa", {15, 1, 0}, {1, 1, 0}, false, {}},
    {"Hoba", {12, 0, 0}, {1, 0, 0}, false, {}, true},
    {"MIXHobaBexa", {8, 6, 0}, {1, 1, 0}, false, {}, true},
    {"Dovi", {16, 0, 0}, {1, 0, 0}, true, {6, 0, 0}, true},
    {"MIXRuddArvo", {15, 1, 0}, {1, 1, 0}, false, {}},
    {"MIXBexaDovi", {15, 1, 0}, {1, 1, 0}, false, {}, true},
    {"MIXHobaDovi", {6, 7, 0}, {1, 1, 0}, false, {}, true},
    {"MIXArvoGiraF", {15, 1, 0}, {1, 1, 0}, false, {}},
    {"Elka", {6, 0, 0}, {1, 0, 0}, true, {3, 0, 0}, true},
    {"MIXDoviElka", {15, 1, 0}, {1, 1, 0}, true, {5, 1, 0}, true},
    {"Ivor", {8, 0, 0}, {1, 0, 0}, true, {8, 0, 0}, true},
    {"MIXIvorDovi", {4, 10, 0}, {1, 1, 0}, true, {4, 10, 0}, true},
    {"MIXIvorElka", {4, 6, 0}, {1, 1, 0}, false, {}, true},
    {"MIXIvorDoviElka", {4, 8, 2}, {1, 1, 1}, false, {}, true},
    {"MIXBexaCadri", {15, 1, 0}, {1, 1, 0}, true, {15, 1, 0}, true},
};

struct Picture {
    int w, h;
};
const Picture kPictures[] = {{600, 400}, {320, 480}};

// A J-shaped design flown (top angle -2, splays growing to 6 degrees) or a
// stack leaning back a little; straight columns as a second pattern.
TSplay Design(int rigMode, int n, bool curved) {
    TSplay s;
    if (!curved) return s;
    for (int i = 0; i < n && i <= 40; ++i) {
        if (rigMode == 1)
            s.Angle[i] = i == 0 ? -2.0 : std::min(0.5 * i, 6.0);
        else
            s.Angle[i] = i == n - 1 ? 0.0 : 1.0;
    }
    return s;
}

struct Drawn {
    std::unique_ptr<TLoudspeakerArray> array;
    std::unique_ptr<rtl::RecordingCanvas> canvas;
    std::string what;
};

// Builds the array the way the venue drives it and draws its side view.
// Rigging of a flown array: pick mode and lift-bar side.
struct Rigging {
    int pick, side;
};

Drawn DrawCase(const TypeCase& t, int rigMode, Rigging rig, Counts n, bool curved, bool metric, Picture pic,
               bool printing = false, int dpi = 96) {
    Drawn d;
    d.what = std::string(t.type) + (rigMode == 1 ? " flown pick " + std::to_string(rig.pick) + "/" +
                                                       std::to_string(rig.side) + " "
                                                 : std::string(" stacked ")) +
             std::to_string(n.c1) +
             "/" + std::to_string(n.c2) + "/" + std::to_string(n.c3) + (curved ? " curved" : " straight") +
             (metric ? " m " : " ft ") + std::to_string(pic.w) + "x" + std::to_string(pic.h);
    d.array = CreateLoudspeakerArray(t.type);
    TLoudspeakerArray& a = *d.array;
    const int pick = rigMode == 1 ? rig.pick : TGrid::PickGroundStacked;
    if (pick == TGrid::PickLiftBarOnePoint || pick == TGrid::PickLiftBarTwoPoint) a.SetLiftBarOption(rig.side);
    try {
        a.Grid->SetRigMode(pick, rig.side);
    } catch (const rtl::AbstractError&) {
        a.Grid->PickMode = pick;  // a grid with one rigging only
    }
    a.SetRigMode(rigMode);
    static TSplay splay;
    splay = Design(rigMode, n.c1 + n.c2 + n.c3, curved);
    a.SetUp(splay, n.c1, n.c2, n.c3, rigMode == 1 ? 12.0 : 1.0, 100.0);
    a.CalcMechanics();
    d.canvas = std::make_unique<rtl::RecordingCanvas>(pic.w, pic.h, dpi);
    DrawArraySideView(a, *d.canvas, true, true, pic.w, pic.h, metric, rigMode, printing, false);
    return d;
}

template <class F>
void ForEveryCase(F&& check) {
    for (const TypeCase& t : kTypes)
        for (int rigMode : {1, 2}) {
            if (rigMode == 2 && !t.stacks) continue;
            std::vector<Rigging> rigs{{TGrid::PickFrontRear, TGrid::SideRear}};
            if (rigMode == 1 && t.liftBar) {
                rigs.push_back({TGrid::PickLiftBarOnePoint, TGrid::SideFront});
                rigs.push_back({TGrid::PickLiftBarTwoPoint, TGrid::SideRear});
            }
            for (Rigging rig : rigs)
                for (bool most : {false, true})
                    for (bool curved : {false, true})
                        for (bool metric : {true, false})
                            for (Picture pic : kPictures) {
                                const Counts n = !most ? t.one : (rigMode == 1 ? t.flownMost : t.stackedMost);
                                check(DrawCase(t, rigMode, rig, n, curved, metric, pic), pic);
                            }
        }
}

// The symbol's disc is the ellipse drawn right before its two quarters.
const CanvasOp* GravityDisc(const rtl::RecordingCanvas& c) {
    const auto& ops = c.Ops();
    for (size_t i = 1; i < ops.size(); ++i)
        if (ops[i].kind == OpKind::Pie && ops[i - 1].kind == OpKind::Ellipse) return &ops[i - 1];
    return nullptr;
}


TEST(SideViewBounds, EveryShapeInsideThePicture) {
    int drawings = 0;
    ForEveryCase([&](const Drawn& d, Picture pic) {
        ++drawings;
        const auto& c = *d.canvas;
        // Without a rig evaluation the library's centre of gravity belongs to
        // another array; the symbol is checked in the test below.
        const CanvasOp* disc = d.array->MechanicsDone ? nullptr : GravityDisc(c);
        for (const CanvasOp& op : c.Ops()) {
            if (op.kind == OpKind::Polygon) {
                for (Point p : op.points) {
                    EXPECT_TRUE(p.x >= 0 && p.x < pic.w && p.y >= 0 && p.y < pic.h)
                        << d.what << ": polygon point " << p.x << "," << p.y;
                }
            } else if (op.kind == OpKind::Ellipse || op.kind == OpKind::Pie) {
                if (disc != nullptr && (&op == disc || op.kind == OpKind::Pie)) continue;
                EXPECT_TRUE(op.rect.left >= 0 && op.rect.top >= 0 && op.rect.right <= pic.w &&
                            op.rect.bottom <= pic.h)
                    << d.what << ": ellipse " << op.rect.left << "," << op.rect.top << ","
                    << op.rect.right << "," << op.rect.bottom;
            }
        }
    });
    EXPECT_EQ(drawings, (19 + 9 + 2 * 13) * 2 * 2 * 2 * 2);
}

// Twice the signed area of (a, b, p): its sign tells the side of p.
long long Cross(Point a, Point b, Point p) {
    return static_cast<long long>(b.x - a.x) * (p.y - a.y) - static_cast<long long>(b.y - a.y) * (p.x - a.x);
}

std::vector<Point> Hull(std::vector<Point> pts) {
    std::sort(pts.begin(), pts.end(), [](Point a, Point b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
    std::vector<Point> h(2 * pts.size());
    size_t k = 0;
    for (size_t i = 0; i < pts.size(); ++i) {
        while (k >= 2 && Cross(h[k - 2], h[k - 1], pts[i]) <= 0) --k;
        h[k++] = pts[i];
    }
    for (size_t i = pts.size() - 1, t = k + 1; i-- > 0;) {
        while (k >= t && Cross(h[k - 2], h[k - 1], pts[i]) <= 0) --k;
        h[k++] = pts[i];
    }
    h.resize(k > 0 ? k - 1 : 0);
    return h;
}

bool InHull(const std::vector<Point>& hull, Point p) {
    if (hull.size() < 3) return false;
    for (size_t i = 0; i < hull.size(); ++i)
        if (Cross(hull[i], hull[(i + 1) % hull.size()], p) < 0) return false;
    return true;
}

TEST(SideViewBounds, GravitySymbolOnThePlumbLineWithinTheArray) {
    {
        auto probe = CreateLoudspeakerArray("Arvo");
        TSplay s;
        probe->SetUp(s, 1, 0, 0, 10.0, 0.0);
        probe->CalcMechanics();
        if (!probe->MechanicsDone) GTEST_SKIP() << "the rig evaluation is not wired in yet";
    }
    ForEveryCase([&](const Drawn& d, Picture) {
        const auto& c = *d.canvas;
        const CanvasOp* disc = GravityDisc(c);
        ASSERT_NE(disc, nullptr) << d.what;
        const Point centre{(disc->rect.left + disc->rect.right) / 2, (disc->rect.top + disc->rect.bottom) / 2};
        bool onPlumb = false;
        for (const auto& s : c.Segments())
            if (s.pen.color == colors::Red && s.pen.width == 2 && s.from.x == s.to.x && s.from.x == centre.x &&
                std::min(s.from.y, s.to.y) <= centre.y && std::max(s.from.y, s.to.y) >= centre.y)
                onPlumb = true;
        EXPECT_TRUE(onPlumb) << d.what;
        std::vector<Point> outline;
        for (const CanvasOp* op : c.OfKind(OpKind::Polygon))
            if (op->brush.color == colors::Cream) outline.insert(outline.end(), op->points.begin(), op->points.end());
        EXPECT_TRUE(InHull(Hull(outline), centre)) << d.what << ": symbol at " << centre.x << "," << centre.y;
    });
}

// Subwoofers stacked on the stage with no mini cabinets on them: the picture
// is fitted to the subwoofers themselves (0.62 m each, 0.5 m margins above
// and below), whatever the stage height, and the top subwoofer carries "Y".
// A picture of any stage takes a few hundred drawing calls.
TEST(SideViewBounds, SubwooferStackWithoutMiniCabinetsFitsItsCabinets) {
    const struct {
        int subwoofers;
        double stage;
        double extentY;
    } cases[] = {
        {1, 1.0, 1.62}, {1, 0.0, 1.62}, {1, -100000.0, 1.62},
        {2, 1.0, 2.24}, {3, 0.5, 2.86}, {4, 250000.0, 3.48},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(std::to_string(k.subwoofers) + " on a stage of " + std::to_string(k.stage));
        auto a = CreateLoudspeakerArray("MIXIvorDovi");
        try {
            a->Grid->SetRigMode(TGrid::PickGroundStacked, TGrid::SideRear);
        } catch (const rtl::AbstractError&) {
            a->Grid->PickMode = TGrid::PickGroundStacked;
        }
        a->SetRigMode(2);
        TSplay splay;
        a->SetUp(splay, k.subwoofers, 0, 0, k.stage, 100.0);
        FitArraySideViewScale(*a, true, 600, 400);
        EXPECT_NEAR(a->ViewExtentY, k.extentY, 1e-9);

        rtl::RecordingCanvas c(600, 400);
        DrawArraySideView(*a, c, true, true, 600, 400, true, 2, false, false);
        EXPECT_LT(c.Ops().size(), 1000u);
        EXPECT_NE(c.FindText("Y"), nullptr);
    }
}

// One full-size cabinet flown (1.751 m by 1.497 m with margins).
std::unique_ptr<TLoudspeakerArray> OneFlownArvo() {
    auto a = CreateLoudspeakerArray("Arvo");
    a->SetRigMode(1);
    static TSplay splay;
    a->SetUp(splay, 1, 0, 0, 10.0, 100.0);
    return a;
}

// The x of every vertical measuring line drawn in this colour.
std::vector<int> GridLinesX(const rtl::RecordingCanvas& c, rtl::Color colour) {
    std::vector<int> xs;
    for (const auto& s : c.Segments())
        if (s.from.x == s.to.x && s.from.y != s.to.y && s.pen.color == colour) xs.push_back(s.from.x);
    return xs;
}

// In a 600 x 20 strip the scale is 1.497 / 20 = 0.07485 m per pixel, so
// 0.2 m lines would stand 2.7 pixels apart: the grid steps 1 m (13.4
// pixels) and labels every fifth line.  The top cabinet's front-top corner
// is at x = Round(0.45 * (1.1 / 0.07485 + 600)) = 277: 0 m there, 1 m at
// 277 + 13 = 290, 5 m at 277 + Round(66.80) = 344, -5 m at 277 - 67 = 210;
// lines reach as far as 277 * 0.07485 + x < 600 * 0.07485, so up to 24 m.
TEST(SideViewBounds, CrowdedMeasuringLinesStepInWholeMetres) {
    auto a = OneFlownArvo();
    rtl::RecordingCanvas c(600, 20);
    DrawArraySideView(*a, c, true, true, 600, 20, true, 1, false, false);
    const std::vector<int> silver = GridLinesX(c, colors::Silver);
    const std::vector<int> lime = GridLinesX(c, colors::Lime);
    const std::vector<int> blue = GridLinesX(c, colors::Blue);
    auto has = [](const std::vector<int>& xs, int x) { return std::find(xs.begin(), xs.end(), x) != xs.end(); };
    EXPECT_TRUE(has(blue, 277));
    EXPECT_TRUE(has(silver, 290));
    EXPECT_TRUE(has(lime, 344));
    EXPECT_TRUE(has(lime, 210));
    EXPECT_FALSE(has(silver, 280));  // no line 0.2 m on
    for (const char* label : {"0m", "5m", "20m", "-5m", "-50m"}) EXPECT_NE(c.FindText(label), nullptr) << label;
    for (const char* label : {"1m", "2m", "25m", "-1m"}) EXPECT_EQ(c.FindText(label), nullptr) << label;
}

// Pictures far wider than high, or far higher than wide, put a whole
// stage's worth of metres into the picture: the grid keeps to at most 1000
// lines each way (two calls a line and a label on every fifth), so the
// whole drawing stays under 7000 calls.
TEST(SideViewBounds, LongPicturesKeepTheGridBounded) {
    const struct {
        int w, h;
    } pictures[] = {{100000, 1}, {30000, 3}, {1, 100000}, {3, 40000}};
    for (const auto& p : pictures) {
        SCOPED_TRACE(std::to_string(p.w) + " x " + std::to_string(p.h));
        for (bool metric : {true, false}) {
            auto a = OneFlownArvo();
            rtl::RecordingCanvas c(p.w, p.h);
            DrawArraySideView(*a, c, true, true, p.w, p.h, metric, 1, false, false);
            EXPECT_LT(c.Ops().size(), 7000u);
            EXPECT_LE(c.Count(OpKind::LineTo), 2 * 1000u + 60u);
        }
    }
}

}  // namespace

namespace {

bool Meets(const rtl::Rect& a, const rtl::Rect& b) {
    return std::max(a.left, b.left) < std::min(a.right, b.right) &&
           std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

// Whether a polygon's outline runs through the box or the box lies in it.
bool PolygonMeets(const std::vector<Point>& poly, const rtl::Rect& box) {
    const auto in = [&](double x, double y) {
        return x > box.left && x < box.right && y > box.top && y < box.bottom;
    };
    for (size_t i = 0; i < poly.size(); ++i) {
        const Point a = poly[i], b = poly[(i + 1) % poly.size()];
        const int steps = std::max({std::abs(b.x - a.x), std::abs(b.y - a.y), 1});
        for (int k = 0; k <= steps; ++k)
            if (in(a.x + (b.x - a.x) * double(k) / steps, a.y + (b.y - a.y) * double(k) / steps))
                return true;
    }
    const std::vector<Point> hull = Hull(poly);
    return hull.size() >= 3 && InHull(hull, {(box.left + box.right) / 2, (box.top + box.bottom) / 2});
}

}  // namespace

// The measuring grid's labels (silver) are drawn first: none may lie under a
// cabinet, the grid or base, a dot, a lettered mark or the centre-of-gravity
// symbol drawn over it, on screen and on paper; and every drawing shows
// some of the labels of its vertical lines.
TEST(SideViewBounds, RulerLabelsStandClearOfTheDrawing) {
    struct Sheet {
        Picture pic;
        bool printing;
        int dpi;
    };
    const Sheet sheets[] = {{{600, 400}, false, 96}, {{320, 480}, false, 96}, {{1240, 1754}, true, 300}};
    int drawings = 0;
    for (const TypeCase& t : kTypes)
        for (int rigMode : {1, 2})
            for (bool most : {false, true})
                for (bool metric : {true, false})
                    for (const Sheet& sheet : sheets) {
                        if (rigMode == 2 && !t.stacks) continue;
                        const Counts n = !most ? t.one : (rigMode == 1 ? t.flownMost : t.stackedMost);
                        const Drawn d = DrawCase(t, rigMode, {TGrid::PickFrontRear, TGrid::SideRear}, n,
                                                 true, metric, sheet.pic, sheet.printing, sheet.dpi);
                        const std::string what = d.what + (sheet.printing ? " paper" : "");
                        ++drawings;
                        const auto& c = *d.canvas;
                        std::vector<const CanvasOp*> labels;
                        for (const CanvasOp* op : c.OfKind(OpKind::TextOut))
                            if (op->font.color == colors::Silver && op->brush.color == colors::White)
                                labels.push_back(op);
                        int vertical = 0;
                        for (const CanvasOp* l : labels) {
                            const rtl::Rect box{l->points[0].x, l->points[0].y, l->points[0].x + l->textWidth,
                                                l->points[0].y + l->textHeight};
                            vertical += box.right > 0 && box.left < sheet.pic.w;
                            for (const CanvasOp& op : c.Ops()) {
                                if (op.kind == OpKind::Polygon) {
                                    EXPECT_FALSE(PolygonMeets(op.points, box)) << what << ": " << l->text;
                                } else if (op.kind == OpKind::Ellipse || op.kind == OpKind::Pie) {
                                    EXPECT_FALSE(Meets(op.rect, box)) << what << ": " << l->text;
                                } else if (op.kind == OpKind::TextOut && op.brush.color == colors::Yellow) {
                                    const rtl::Rect mark{op.points[0].x, op.points[0].y,
                                                         op.points[0].x + op.textWidth,
                                                         op.points[0].y + op.textHeight};
                                    EXPECT_FALSE(Meets(mark, box)) << what << ": " << l->text << " under " << op.text;
                                }
                            }
                        }
                        EXPECT_GE(vertical, 1) << what;
                    }
    EXPECT_GT(drawings, 200);
}
