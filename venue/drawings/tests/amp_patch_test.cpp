// The amplifier patch diagrams on a recording canvas. Rack geometry is
// worked out here from the layout rules: rack widths as fractions of the
// area's width, the unit height 88/493 of the rack width, rounding halves
// to even.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "venue/drawings/tests/drawing_test_util.h"
#include "venue/drawings/amp_patch.h"

using drawtest::SetUpVenue;

namespace {

const rtl::Color kSky{166, 202, 240};
const rtl::Color kSilver{192, 192, 192};
const rtl::Color kWhite{255, 255, 255};
const rtl::Color kNoHalf{1, 2, 3};  // no such polygon drawn

int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

struct Racks {
    int rackWidth = 0, unit = 0, top = 0;
    int col[4] = {0, 0, 0, 0};
};

// The print layout with all three racks, from the rules.
Racks PrintLayout(int width, int height, int numBoxes1) {
    Racks r;
    r.rackWidth = numBoxes1 > 12 ? RoundEven(width * 3.0 / 16.0) : RoundEven(width * 5.0 / 18.0);
    r.unit = RoundEven(r.rackWidth * 88.0 / 493.0);
    const int rw = r.rackWidth;
    r.col[1] = numBoxes1 <= 12 ? (width - (2 * rw + RoundEven(rw / 4.0))) / 2
                               : (width - (RoundEven(3.5 * rw) + RoundEven(0.5 * rw))) / 2;
    r.col[2] = r.col[1] + RoundEven(rw / 4.0) + rw;
    r.col[3] = r.col[2] + RoundEven(0.75 * rw) + rw;
    r.top = (height - 5 * r.unit) / 2;
    return r;
}

// The print layout as drawn: on paper the racks are made smaller and moved
// until they stand whole in the area, so their width, unit and columns are
// read from the panel outlines (rack 1 holds slot 0, so its top is the
// highest corner; the columns left to right are racks 1, 2 and 3).
Racks DrawnLayout(const rtl::RecordingCanvas& c) {
    Racks r;
    std::set<int> columns;
    r.top = INT_MAX;
    for (const rtl::CanvasOp* op : c.OfKind(rtl::OpKind::Polyline)) {
        const auto& p = op->points;
        if (p.size() != 5 || p[4] != p[0]) continue;
        const int w = p[1].x - p[0].x, u = p[2].y - p[1].y;
        if (w < r.rackWidth || u != RoundEven(w * 88.0 / 493.0) || w < 40) continue;
        if (w > r.rackWidth) columns.clear(), r.top = INT_MAX;
        r.rackWidth = w;
        r.unit = u;
        columns.insert(p[0].x);
        r.top = std::min(r.top, p[0].y);
    }
    int k = 1;
    for (int x : columns)
        if (k <= 3) r.col[k++] = x;
    return r;
}

// Panel outlines: the five-point polylines of a panel's rectangle.
struct PanelSeen {
    rtl::Point corner;
    rtl::Pen pen;
};
std::vector<PanelSeen> PanelOutlines(const rtl::RecordingCanvas& c, int width, int unit) {
    std::vector<PanelSeen> out;
    for (const rtl::CanvasOp* op : c.OfKind(rtl::OpKind::Polyline)) {
        const auto& p = op->points;
        if (p.size() == 5 && p[1].x - p[0].x == width && p[2].y - p[1].y == unit && p[4] == p[0])
            out.push_back({p[0], op->pen});
    }
    return out;
}

// The brush colour of the last left-half (or right-half) polygon drawn at a
// panel, kNoHalf when there is none.
rtl::Color HalfColour(const rtl::RecordingCanvas& c, rtl::Point corner, int width, int unit,
                      bool rightHalf) {
    rtl::Color last = kNoHalf;
    const int x0 = rightHalf ? corner.x + width / 2 : corner.x;
    for (const rtl::CanvasOp* op : c.OfKind(rtl::OpKind::Polygon)) {
        const auto& p = op->points;
        if (p.size() == 4 && p[0] == rtl::Point{x0, corner.y} && p[2].y == corner.y + unit)
            last = op->brush.color;
    }
    return last;
}

// Half-panel colours of a rack at column x: slot counted from the rack top.
struct Half {
    int slot;
    bool right;
    rtl::Color colour;
};
void ExpectHalves(const rtl::RecordingCanvas& c, int x, int top, int W, int U,
                  std::initializer_list<Half> halves) {
    for (const Half& h : halves)
        EXPECT_EQ(HalfColour(c, {x, top + h.slot * U}, W, U, h.right), h.colour)
            << "slot " << h.slot << (h.right ? " right" : " left");
}

struct Diagram {
    TVenue venue;
    TSplay splay;
    rtl::RecordingCanvas canvas{2400, 1200};

    Diagram(const std::string& type, int n1, int n2 = 0) { SetUpVenue(venue, splay, type, n1, n2, 0, 1); }
    // Screen layout (titles) with the given racks.
    Diagram& Screen(int w, int h, bool r1, bool r2, bool r3, bool second = false) {
        DrawAmpPatch(venue, canvas, 0, 0, w, h, true, r1, r2, r3, second);
        return *this;
    }
    // Print layout, all three racks.
    Diagram& Print(int w, int h, int left = 0, int top = 0) {
        DrawAmpPatch(venue, canvas, left, top, w, h, false, true, true, true, false);
        return *this;
    }
    bool Has(const std::string& text) const { return canvas.FindText(text) != nullptr; }
    bool HasOp(rtl::OpKind kind, const rtl::Rect& rect) const {
        for (const rtl::CanvasOp* op : canvas.OfKind(kind))
            if (op->rect == rect) return true;
        return false;
    }
};

// Tags of a mini diagram keyed by slot and side, for a rack at column x.
std::map<std::pair<int, char>, std::string> MiniTags(const rtl::RecordingCanvas& c, int x, int top,
                                                     int W, int U) {
    std::map<std::pair<int, char>, std::string> out;
    for (const rtl::CanvasOp* op : c.OfKind(rtl::OpKind::TextOut)) {
        const int slot = (op->points[0].y - top) / U;
        if (op->points[0].x == x + W + U) out[{slot, 'R'}] = op->text;
        if (op->points[0].x + op->textWidth + U == x) out[{slot, 'L'}] = op->text;
    }
    return out;
}
using Tags = std::map<std::pair<int, char>, std::string>;

}  // namespace

TEST(AmpPatch, PanelGeometryFollowsTheRackWidth) {
    // Rack 2 alone on the screen, in a picture tall enough that the racks
    // keep their place between the titles: 450 x 5/9 = 250; 250 x 88/493 =
    // 44.6 -> 45; column (450 - 138) div 2 - 112 = 44, top (460 - 225) div 2
    // = 117.
    Diagram d("Arvo", 2);
    d.Screen(450, 460, false, true, false);
    const int X = 44, Y = 117;

    // Rack 2 slot 1 carries the pair 1&2: outline, halves, tag arrow.
    const rtl::Point p{X, Y + 45};
    EXPECT_TRUE(d.canvas.HasSegment(p, {X + 250, Y + 45}));
    EXPECT_TRUE(d.canvas.HasSegment({X + 250, Y + 45}, {X + 250, Y + 90}));
    EXPECT_EQ(HalfColour(d.canvas, p, 250, 45, false), kSky);
    const rtl::CanvasOp* tag = d.canvas.FindText("Cabs 1&2");
    ASSERT_NE(tag, nullptr);
    // Right tag: x = X + W + U; y = Y + U div 2 - h div 2, font F div 2 = 36 div 2.
    EXPECT_EQ(tag->points[0], (rtl::Point{X + 250 + 45, Y + 45 + 22 - 9}));
    EXPECT_EQ(tag->font.height, 18);

    // Connectors of that panel: r = 5, s = 3, q = 14, centre y Y + 67.
    std::vector<rtl::Rect> rings;
    for (const rtl::CanvasOp* op : d.canvas.OfKind(rtl::OpKind::Ellipse))
        if (op->rect.top == Y + 67 - 5 && op->rect.left >= X && op->rect.right <= X + 250) rings.push_back(op->rect);
    // Two cabinets: rack 2 has no background, so the panel is drawn once:
    // out A at X + q, out B at X + W - q, in A and in B either side of X + W div 2.
    const int outA = X + 14, outB = X + 250 - 14, mid = X + 125;
    const std::vector<rtl::Rect> expectedRings = {{outA - 5, Y + 62, outA + 5, Y + 72},
                                                  {outB - 5, Y + 62, outB + 5, Y + 72},
                                                  {mid - 14 - 5, Y + 62, mid - 14 + 5, Y + 72},
                                                  {mid + 14 - 5, Y + 62, mid + 14 + 5, Y + 72}};
    EXPECT_EQ(rings, expectedRings);
    // Its housing: r + s = 8 above and below the centre, corners r div 4.
    bool housing = false;
    for (const rtl::CanvasOp* op : d.canvas.OfKind(rtl::OpKind::RoundRect))
        housing = housing || (op->rect == rtl::Rect{outA - 5, Y + 59, outA + 5, Y + 75} && op->corner == rtl::Point{1, 1});
    EXPECT_TRUE(housing);
    // Label box of channel A: K = 75, F = 36 at (X + 25, Y + 2).
    EXPECT_TRUE(d.HasOp(rtl::OpKind::Rectangle, {X + 25, Y + 47, X + 100, Y + 83}));
    const rtl::CanvasOp* low = d.canvas.FindText("Low - A");
    ASSERT_NE(low, nullptr);
    // Centred in the box's lower half: X + 25 + round((75 - 0.6*18*7)/2).
    EXPECT_EQ(low->points[0], (rtl::Point{X + 25 + RoundEven((75 - 76) / 2.0), Y + 47 + 27 - 9}));
}

TEST(AmpPatch, ThreeWayTagsFollowThePairRule) {
    // Tagged positions in the rule's order: rack 3 slot 2, rack 3 slot 4,
    // rack 1 slots 0, 2, 4, rack 2 slot 4, rack 2 slot 3 (up to 12) or slot
    // 2 (13 to 16), rack 2 slot 1. The last tagged one carries the pair
    // (count - 1)&count, each earlier one the next pair up, the first "Cab 1"
    // when the count is odd.
    for (int count = 1; count <= 16; ++count) {
        SCOPED_TRACE(count);
        Diagram d("Arvo", count);
        d.Print(1600, 600);
        const Racks r = DrawnLayout(d.canvas);
        ASSERT_GT(r.col[3], r.col[2]);
        const int U = r.unit, W = r.rackWidth;

        // Last tag text seen at each (rack, slot, side).
        std::map<std::tuple<int, int, char>, std::string> tags;
        for (const rtl::CanvasOp* op : d.canvas.OfKind(rtl::OpKind::TextOut)) {
            if (op->text.rfind("Cab", 0) != 0) continue;
            const int x = op->points[0].x, slot = (op->points[0].y - r.top) / U;
            bool found = false;
            for (int rack = 1; rack <= 3; ++rack) {
                if (x == r.col[rack] + W + U) tags[{rack, slot, 'R'}] = op->text, found = true;
                if (x + op->textWidth + U == r.col[rack]) tags[{rack, slot, 'L'}] = op->text, found = true;
            }
            EXPECT_TRUE(found) << op->text;
        }
        const std::vector<std::tuple<int, int, char>> order = {
            {3, 2, 'R'}, {3, 4, 'R'}, {1, 0, 'L'}, {1, 2, 'L'}, {1, 4, 'L'},
            {2, 4, 'R'}, {2, count <= 12 ? 3 : 2, 'R'}, {2, 1, 'R'}};
        std::vector<std::string> seen;
        for (const auto& key : order) {
            auto it = tags.find(key);
            if (it != tags.end()) seen.push_back(it->second), tags.erase(it);
        }
        EXPECT_TRUE(tags.empty()) << "tag outside the rule's positions";

        std::vector<std::string> expected;
        if (count <= 2) {
            expected = {"Cabs 1&2"};
        } else {
            if (count % 2 == 1) expected.push_back("Cab 1");
            for (int k = count % 2 == 1 ? 2 : 1; k < count; k += 2)
                expected.push_back("Cabs " + std::to_string(k) + "&" + std::to_string(k + 1));
        }
        EXPECT_EQ(seen, expected);
    }
}

TEST(AmpPatch, RackTwoAloneForTwoAndThreeCabinets) {
    // Screen layout, one rack: 600 x 5/9 = 333, unit 59; rack 2 stands at
    // (600 - 183) div 2 - 150 = 58.  Centred, the rack top (500 - 295) div
    // 2 = 102 would lie under the hint (95 to 106): it stands 4 under it.
    for (int count : {2, 3}) {
        SCOPED_TRACE(count);
        Diagram d("Arvo", count);
        d.Screen(600, 500, false, true, false);
        std::map<int, int> bySlot;
        const auto panels = PanelOutlines(d.canvas, 333, 59);
        for (const PanelSeen& p : panels) {
            EXPECT_EQ(p.corner.x, 58);
            ++bySlot[(p.corner.y - 110) / 59];
            // Panels of up to twelve cabinets are drawn in grey.
            EXPECT_EQ(p.pen.color, (rtl::Color{128, 128, 128}));
        }
        if (count == 2) {
            EXPECT_EQ(panels.size(), 2u);
            EXPECT_EQ(bySlot.count(2), 1u);
            EXPECT_EQ(bySlot.count(1), 1u);
            ExpectHalves(d.canvas, 58, 110, 333, 59, {{2, false, kWhite}, {2, true, kSky}});
        } else {
            EXPECT_EQ(bySlot.size(), 4u);
            ExpectHalves(d.canvas, 58, 110, 333, 59,
                         {{4, false, kWhite}, {4, true, kWhite}, {3, false, kSilver},
                          {2, false, kSilver}, {1, false, kSky}});
        }
        EXPECT_TRUE(d.Has("Float mouse over amp rack to view"));
    }
}

TEST(AmpPatch, ThirteenToSixteenCabinetsAreDark) {
    Diagram d("Bexa", 13);
    d.Print(1600, 600);
    const Racks r = PrintLayout(1600, 600, 13);
    ASSERT_EQ(r.rackWidth, 300);
    bool darkPanel = false;
    for (const PanelSeen& p : PanelOutlines(d.canvas, r.rackWidth, r.unit))
        darkPanel = darkPanel || p.pen.color == rtl::Color{0, 0, 0};
    EXPECT_TRUE(darkPanel);
    EXPECT_TRUE(d.Has("Low - H"));
    EXPECT_TRUE(d.Has("Amplifier patch diagram (rear of Nadir amp shown)"));
}

TEST(AmpPatch, ThreeOutputVariantUpToFourCabinetsAndSwappedTitles) {
    Diagram four("MIXArvoBexa", 2, 4);
    four.Screen(600, 500, false, true, false, true);
    EXPECT_TRUE(four.Has("HF1 Ch3"));
    EXPECT_FALSE(four.Has("HF1 Ch4"));
    // With the second model this mix draws its compact cabinets.
    EXPECT_TRUE(four.Has("Bexa Amplifier patch diagram (rear of Nadir amp shown)"));
    EXPECT_TRUE(four.Has("Bexa Racks"));

    Diagram five("MIXArvoBexa", 2, 5);
    five.Screen(600, 500, false, true, false, true);
    EXPECT_FALSE(five.Has("HF1 Ch3"));
    EXPECT_TRUE(five.Has("HF1 Ch4"));
    EXPECT_TRUE(five.Has("HF2 Ch5"));
    EXPECT_TRUE(five.Has("Cab 1"));  // five cabinets: odd

    // Without the second model: the full-size cabinets, counted by the first
    // count (two: one pair).
    Diagram upper("MIXArvoBexa", 2, 5);
    upper.Screen(600, 500, false, true, false, false);
    EXPECT_TRUE(upper.Has("Arvo Amplifier patch diagram (rear of Pryce amp shown)"));
    EXPECT_TRUE(upper.Has("Arvo Racks"));
    EXPECT_FALSE(upper.Has("Cab 1"));
}

TEST(AmpPatch, MiniTenCabinetsInGroupsOfFour) {
    // 900 x 4/9 = 400, unit 71, column 250; active top (400 - 284) div 2 =
    // 58, passive top (400 - 142) div 2 = 129.
    Diagram d("Dovi", 10);
    d.Screen(900, 400, true, false, false);
    EXPECT_EQ(MiniTags(d.canvas, 250, 58, 400, 71),
              (Tags{{{0, 'L'}, "Cabs 7-10"}, {{1, 'R'}, "Cabs 3-6"}, {{2, 'L'}, "Cabs 1-2"}}));
    ExpectHalves(d.canvas, 250, 58, 400, 71, {{3, false, kWhite}, {1, true, kSilver}});
    EXPECT_TRUE(d.Has("Active"));

    Diagram p("Dovi", 10);
    p.Screen(900, 400, false, true, false);
    EXPECT_EQ(MiniTags(p.canvas, 250, 129, 400, 71),
              (Tags{{{0, 'L'}, "Cabs 7-10"}, {{0, 'R'}, "Cabs 1-2"}, {{1, 'L'}, "Cabs 3-6"}}));
    ExpectHalves(p.canvas, 250, 129, 400, 71,
                 {{0, false, kSky}, {0, true, kSilver}, {1, false, kSilver}, {1, true, kWhite}});
    EXPECT_TRUE(p.Has("Passive"));
}

TEST(AmpPatch, MiniSmallCounts) {
    Diagram four("Dovi", 4);
    four.Screen(900, 400, true, false, false);
    EXPECT_EQ(MiniTags(four.canvas, 250, 58, 400, 71),
              (Tags{{{0, 'L'}, "L Cabs 1-4"}, {{1, 'L'}, "Sub L"}, {{1, 'R'}, "Sub R"}, {{2, 'L'}, "R Cabs 1-4"}}));

    Diagram six("Dovi", 6);
    six.Screen(900, 400, false, true, false);
    EXPECT_EQ(MiniTags(six.canvas, 250, 129, 400, 71),
              (Tags{{{0, 'L'}, "L Cabs 3-6"}, {{0, 'R'}, "R Cabs 3-6"}, {{1, 'L'}, "L Cabs 1-2"},
                    {{1, 'R'}, "R Cabs 1-2"}}));
}

TEST(AmpPatch, SubwooferMixPatchesItsMiniCabinets) {
    // Two subwoofers over eight mini cabinets: the groups are of the eight.
    Diagram d("MIXHobaDovi", 2, 8);
    d.Screen(900, 400, true, false, false, true);
    EXPECT_EQ(MiniTags(d.canvas, 250, 58, 400, 71), (Tags{{{0, 'L'}, "Cabs 5-8"}, {{1, 'R'}, "Cabs 1-4"}}));
    // Two subwoofers as the first model: the background has the two slots of
    // a small rig, both covered by the groups.
    EXPECT_FALSE(d.Has("Low - D"));
}

// The active rack's background has four labelled slots when the array's
// first model counts more than four cabinets, else two; the groups of the
// mini cabinets are drawn over it.  Screen 900 x 400 as above: rack width
// 400, unit 71, column 250, rack top 58.
TEST(AmpPatch, MiniBackgroundFollowsTheFirstModelsCount) {
    const struct {
        const char* type;
        int n1, n2;
        rtl::Color slot2, slot3;  // left halves
    } cases[] = {
        {"MIXBexaDovi", 6, 4, kSilver, kWhite},   // three small-rig panels over four slots
        {"MIXBexaDovi", 4, 6, kNoHalf, kNoHalf},  // groups 3-6 and 1-2 over two slots
        {"MIXBexaDovi", 5, 6, kWhite, kWhite},
        {"MIXHobaDovi", 2, 8, kNoHalf, kNoHalf},
        {"MIXHobaDovi", 6, 2, kSilver, kWhite},
        {"MIXIvorDovi", 4, 10, kSky, kNoHalf},
        {"Dovi", 10, 0, kSky, kWhite},
        {"Dovi", 4, 0, kSilver, kNoHalf},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(std::string(k.type) + " " + std::to_string(k.n1) + "/" + std::to_string(k.n2));
        Diagram d(k.type, k.n1, k.n2);
        d.Screen(900, 400, true, false, false, true);
        ExpectHalves(d.canvas, 250, 58, 400, 71, {{2, false, k.slot2}, {3, false, k.slot3}});
        EXPECT_EQ(d.Has("Low - D"), k.slot3 == kWhite);
    }
}

TEST(AmpPatch, TypesWithoutADiagramGetTheFrameOnly) {
    for (const char* type : {"Rudd", "Hoba", "Ivor", "MIXBexaCadri"}) {
        SCOPED_TRACE(type);
        Diagram d(type, 4, 2);
        DrawAmpPatch(d.venue, d.canvas, 10, 20, 500, 300, true, true, false, false, false);
        EXPECT_TRUE(d.canvas.Texts().empty());
        EXPECT_EQ(d.canvas.Count(rtl::OpKind::Polygon), 0u);
        EXPECT_EQ(d.canvas.Count(rtl::OpKind::FillRect), 1u);
        EXPECT_TRUE(d.canvas.HasSegment({10, 20}, {510, 20}));
        EXPECT_TRUE(d.canvas.HasSegment({510, 20}, {510, 315}));
        EXPECT_TRUE(d.canvas.HasSegment({10, 315}, {10, 20}));
    }
}

TEST(AmpPatch, PrintTitles) {
    Diagram d("MIXRuddArvo", 2, 6);
    d.Print(1000, 400);
    const rtl::CanvasOp* title = d.canvas.FindText("Amplifier patch diagram (rear of Nadir amp shown)");
    ASSERT_NE(title, nullptr);
    // Size 8 (height 11), centred on 500, its top one line over the bottom 395.
    EXPECT_EQ(title->points[0], (rtl::Point{500 - title->textWidth / 2, 395 - 11}));
    EXPECT_EQ(title->font.color, (rtl::Color{0, 0, 0}));
    EXPECT_FALSE(title->font.bold);
    const rtl::CanvasOp* sub = d.canvas.FindText("Arvo Racks");
    ASSERT_NE(sub, nullptr);
    // Bold 12 (height 16): one "W" (10) in, one line down.
    EXPECT_EQ(sub->points[0], (rtl::Point{10, 16}));
    EXPECT_TRUE(sub->font.bold);
    EXPECT_FALSE(d.Has("Float mouse over amp rack to view"));
}

TEST(AmpPatch, RacksStandInsideTheAreaWhenItIsMoved) {
    // The same diagram 100 pixels further right and 50 down: every rack
    // moves with its frame.
    Diagram a("Arvo", 6), b("Arvo", 6);
    a.Print(900, 300);
    b.Print(900, 300, 100, 50);
    const Racks r = DrawnLayout(a.canvas);
    const auto pa = PanelOutlines(a.canvas, r.rackWidth, r.unit);
    const auto pb = PanelOutlines(b.canvas, r.rackWidth, r.unit);
    ASSERT_EQ(pa.size(), pb.size());
    ASSERT_FALSE(pa.empty());
    for (size_t k = 0; k < pa.size(); ++k)
        EXPECT_EQ(pb[k].corner, (rtl::Point{pa[k].corner.x + 100, pa[k].corner.y + 50}));
}

TEST(AmpPatch, AbsurdAreaIsClampedNotAnError) {
    for (const char* type : {"Arvo", "Dovi"}) {
        Diagram d(type, 16);
        EXPECT_NO_THROW(DrawAmpPatch(d.venue, d.canvas, INT_MAX, INT_MAX, INT_MAX, INT_MAX, true,
                                     true, true, true, false));
        EXPECT_TRUE(drawtest::AllWithin(d.canvas, 1LL << 30));
        rtl::RecordingCanvas e;
        EXPECT_NO_THROW(DrawAmpPatch(d.venue, e, INT_MIN, 0, INT_MIN, INT_MAX, false, true, true,
                                     true, false));
        EXPECT_TRUE(drawtest::AllWithin(e, 1LL << 30));
    }
}

TEST(AmpPatch, CabPairLabel) {
    EXPECT_EQ(CabPairLabel(1, 2), "Cabs 1&2");
    EXPECT_EQ(CabPairLabel(15, 16), "Cabs 15&16");
}

// On screen the main title, the hint and the sub-title lie within the frame,
// clear of its lines, of each other and of everything the racks draw, at
// every size the patch page's picture takes, whole pictures and halves.
TEST(AmpPatch, ScreenTitlesStandApartFromEachOtherTheRacksAndTheFrame) {
    const struct {
        const char* type;
        int n1, n2;
        bool r1, r2, second;
    } diagrams[] = {
        {"Arvo", 6, 0, true, false, false},       {"Arvo", 3, 0, false, true, false},
        {"MIXArvoBexa", 4, 4, true, false, false}, {"MIXArvoBexa", 4, 4, true, false, true},
        {"MIXRuddArvo", 2, 8, true, false, false}, {"MIXArvoGiraF", 8, 2, true, false, false},
        {"MIXBexaDovi", 4, 8, false, true, true},  {"Dovi", 10, 0, true, false, false},
        {"Dovi", 10, 0, false, true, false},
    };
    const auto isTitle = [](const std::string& t) {
        return t == "Float mouse over amp rack to view" || t.find("Racks") != std::string::npos ||
               t.find("patch diagram") != std::string::npos || t == "Active" || t == "Passive";
    };
    const auto apart = [](const rtl::Rect& a, const rtl::Rect& b) {
        return a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
    };
    for (const auto& k : diagrams) {
        for (const auto& [w, h] : {std::pair{325, 380}, {325, 190}, {640, 300}, {1000, 600}, {1700, 1100}}) {
            SCOPED_TRACE(std::string(k.type) + " " + std::to_string(w) + "x" + std::to_string(h) +
                         (k.second ? " second" : ""));
            Diagram d(k.type, k.n1, k.n2);
            DrawAmpPatch(d.venue, d.canvas, 0, 0, w, h, true, k.r1, k.r2, false, k.second);
            std::vector<rtl::Rect> titles;
            rtl::Rect racks{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
            for (const rtl::CanvasOp& op : d.canvas.Ops()) {
                const std::vector<rtl::Point> c = drawtest::Corners(op);
                if (op.kind == rtl::OpKind::TextOut && isTitle(op.text)) {
                    titles.push_back({c[0].x, c[0].y, c[1].x, c[1].y});
                } else if (!(op.kind == rtl::OpKind::TextOut && op.text.empty()) &&
                           op.kind != rtl::OpKind::LineTo && op.kind != rtl::OpKind::MoveTo &&
                           op.kind != rtl::OpKind::FillRect) {  // the frame's lines and the paper
                    for (const rtl::Point& p : c)
                        racks = {std::min(racks.left, p.x), std::min(racks.top, p.y),
                                 std::max(racks.right, p.x), std::max(racks.bottom, p.y)};
                }
            }
            ASSERT_GE(titles.size(), 2u);
            for (size_t i = 0; i < titles.size(); ++i) {
                const rtl::Rect& t = titles[i];
                EXPECT_TRUE(t.left > 0 && t.right < w && t.top > 0 && t.bottom < h - 5)  // the frame
                    << "title " << i << " at " << t.left << "," << t.top << "-" << t.right << "," << t.bottom;
                EXPECT_TRUE(racks.left > racks.right || apart(t, racks)) << "title " << i << " on the racks";
                for (size_t j = i + 1; j < titles.size(); ++j) EXPECT_TRUE(apart(t, titles[j])) << i << " on " << j;
            }
        }
    }
}

// On paper every rack, tag and text stands inside the diagram's area,
// whatever the count, for the three-rack diagrams that are wider than their
// area at the rules' rack width (the third rack and the tags of its left
// neighbour) and the mixes whose rack width follows the other model's count.
TEST(AmpPatch, PrintedRacksStandWholeInTheirArea) {
    const struct {
        const char* type;
        int n1, n2;
    } cases[] = {{"Arvo", 10, 0}, {"Arvo", 16, 0}, {"Bexa", 6, 0}, {"MIXRuddArvo", 4, 13},
                 {"MIXRuddArvo", 4, 15}, {"Dovi", 16, 0}, {"MIXBexaDovi", 8, 8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + std::to_string(c.n1) + "/" + std::to_string(c.n2));
        Diagram d(c.type, c.n1, c.n2);
        d.Print(1100, 300, 30, 700);
        EXPECT_GT(d.canvas.OfKind(rtl::OpKind::TextOut).size(), 20u);
        for (const rtl::CanvasOp& op : d.canvas.Ops())
            for (const rtl::Point& p : drawtest::Corners(op))
                EXPECT_TRUE(p.x >= 30 && p.x <= 1130 && p.y >= 700 && p.y <= 1000)
                    << rtl::OpKindName(op.kind) << " " << op.text << " at " << p.x << "," << p.y;
    }
}
