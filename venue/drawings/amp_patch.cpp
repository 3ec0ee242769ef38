#include "venue/drawings/amp_patch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "platform/core/bounds_canvas.h"
#include "platform/core/numtext.h"
#include "platform/core/text_lines.h"
#include "venue/drawings/pixels.h"
#include "venue/model/venue.h"

using namespace vdraw;

std::string CabPairLabel(int A, int B) { return "Cabs " + rtl::IntToStr(A) + "&" + rtl::IntToStr(B); }

namespace {

constexpr int Code(TArrayType Type) { return TypeCodeOf(Type); }

const rtl::Color kSkyBlue = rtl::RgbColor(166, 202, 240);
const rtl::Color kSilver = rtl::RgbColor(192, 192, 192);
const rtl::Color kWhite = rtl::RgbColor(255, 255, 255);
const rtl::Color kGrey = rtl::RgbColor(128, 128, 128);
const rtl::Color kNavy = rtl::RgbColor(0, 0, 128);
const rtl::Color kBlack = rtl::RgbColor(0, 0, 0);

// What the two channels of one amplifier read: input and output of A, then
// of B.
struct Labels {
    const char* inA;
    const char* outA;
    const char* inB;
    const char* outB;
};

constexpr Labels kBlank{"", "", "", ""};

// The label sets of the three-way panels.
Labels SetOf(char code, bool threeOutput) {
    switch (code) {
        case 'a': return {"LF1 Ch1", "Low - A", "MF1 Ch2", "Mid - A"};
        case 'A': return {"LF1 Ch 1", "Low - A", "MF1 Ch 2", "Mid - A"};  // a'
        case 'b':
            return threeOutput ? Labels{"LF1 Ch1", "Low - B", "HF1 Ch3", "High - A"}
                               : Labels{"LF1 Ch1", "Low - B", "HF1 Ch4", "High - A"};
        case 'B': return {"HF1 Ch4", "High - A", "LF1 Ch 1", "Low - B"};  // b'
        case 'c':
            return threeOutput ? Labels{"MF1 Ch2", "Mid - B", "HF1 Ch3", "High - B"}
                               : Labels{"MF1 Ch2", "Mid - B", "HF2 Ch5", "High - B"};
        case 'd': return {"LF1 Ch1", "Low - C", "MF2 Ch3", "Mid - C"};
        case 'e': return {"LF1 Ch1", "Low - D", "HF2 Ch5", "High - C"};
        case 'f': return {"MF2 Ch3", "Mid - D", "HF3 Ch6", "High - D"};
        case 'g': return {"LF1 Ch1", "Low - E", "MF3 Ch3", "Mid - E"};
        case 'G': return {"LF1 Ch 1", "Low - E", "MF2 Ch3", "Mid - E"};  // g'
        case 'h': return {"LF1 Ch1", "Low - F", "HF3 Ch6", "High - E"};
        case 'H': return {"LF1 Ch 1", "Low - F", "HF3 Ch6", "High - E"};  // h'
        case 'i': return {"MF2 Ch3", "Mid - F", "HF3 Ch6", "High - F"};
        case 'j': return {"LF1 Ch 1", "Low - G", "MF2 Ch3", "Mid - G"};
        case 'k': return {"LF1 Ch 1", "Low - H", "HF3 Ch 6", "High - G"};
        case 'l': return {"MF2 Ch3", "Mid - H", "HF3 Ch6", "High - H"};
        default: return kBlank;
    }
}

// One panel of a count's three-way patch. Colours: 'B' sky blue, 'S'
// silver, 'W' white. side: 'L' tag left of the panel, 'R' right, 0 none;
// tag 0 is "Cab 1", k the pair of cabinets k and k + 1.
struct PanelSpec {
    int rack;
    int slot;
    char set;
    char colourA;
    char colourB;
    char side;
    int tag;
};

// Rack 2's lower two amplifiers of one or two cabinets; every count starts
// with them.
const std::vector<PanelSpec> kOneOrTwo = {{2, 2, 'b', 'W', 'B', 0, 0}, {2, 1, 'a', 'B', 'B', 'R', 1}};

// The panels of counts 3 to 16, rack by rack.
const std::vector<PanelSpec>& CountPanels(px count) {
    static const std::array<std::vector<PanelSpec>, 17> kTable = {{
        {},
        {},
        {},
        // 3
        {{2, 3, 'c', 'S', 'S', 'R', 0}, {2, 2, 'b', 'S', 'B', 0, 0}, {2, 1, 'a', 'B', 'B', 'R', 2}},
        // 4
        {{2, 3, 'c', 'S', 'S', 'R', 1}, {2, 2, 'b', 'S', 'B', 0, 0}, {2, 1, 'a', 'B', 'B', 'R', 3}},
        // 5
        {{1, 4, 'e', 'W', 'B', 0, 0},
         {2, 4, 'd', 'B', 'B', 'R', 0}, {2, 3, 'c', 'S', 'S', 'R', 2}, {2, 2, 'b', 'S', 'B', 0, 0},
         {2, 1, 'a', 'B', 'B', 'R', 4}},
        // 6
        {{1, 4, 'e', 'W', 'B', 0, 0},
         {2, 4, 'd', 'B', 'B', 'R', 1}, {2, 3, 'c', 'S', 'S', 'R', 3}, {2, 2, 'b', 'S', 'B', 0, 0},
         {2, 1, 'a', 'B', 'B', 'R', 5}},
        // 7
        {{1, 3, 'f', 'S', 'S', 0, 0}, {1, 4, 'e', 'S', 'B', 'L', 0},
         {2, 4, 'd', 'B', 'B', 'R', 2}, {2, 3, 'c', 'S', 'S', 'R', 4}, {2, 2, 'b', 'S', 'B', 0, 0},
         {2, 1, 'a', 'B', 'B', 'R', 6}},
        // 8
        {{1, 3, 'f', 'S', 'S', 0, 0}, {1, 4, 'e', 'S', 'B', 'L', 1},
         {2, 4, 'd', 'B', 'B', 'R', 3}, {2, 3, 'c', 'S', 'S', 'R', 5}, {2, 2, 'b', 'S', 'B', 0, 0},
         {2, 1, 'a', 'B', 'B', 'R', 7}},
        // 9
        {{1, 1, 'h', 'W', 'B', 0, 0}, {1, 2, 'g', 'B', 'B', 'L', 0}, {1, 3, 'f', 'S', 'S', 0, 0},
         {1, 4, 'e', 'S', 'B', 'L', 2},
         {2, 4, 'd', 'B', 'B', 'R', 4}, {2, 3, 'c', 'S', 'S', 'R', 6}, {2, 2, 'b', 'S', 'B', 0, 0},
         {2, 1, 'a', 'B', 'B', 'R', 8}},
        // 10
        {{1, 1, 'h', 'W', 'B', 0, 0}, {1, 2, 'g', 'B', 'B', 'L', 1}, {1, 3, 'f', 'S', 'S', 0, 0},
         {1, 4, 'e', 'S', 'B', 'L', 3},
         {2, 4, 'd', 'B', 'B', 'R', 5}, {2, 3, 'c', 'S', 'S', 'R', 7}, {2, 2, 'b', 'S', 'B', 0, 0},
         {2, 1, 'a', 'B', 'B', 'R', 9}},
        // 11
        {{1, 0, 'i', 'S', 'S', 'L', 0}, {1, 1, 'h', 'S', 'B', 0, 0}, {1, 2, 'g', 'B', 'B', 'L', 2},
         {1, 3, 'f', 'S', 'S', 0, 0}, {1, 4, 'e', 'S', 'B', 'L', 4},
         {2, 4, 'd', 'B', 'B', 'R', 6}, {2, 3, 'c', 'S', 'S', 'R', 8}, {2, 2, 'b', 'S', 'B', 0, 0},
         {2, 1, 'a', 'B', 'B', 'R', 10}},
        // 12
        {{1, 0, 'i', 'S', 'S', 'L', 1}, {1, 1, 'h', 'S', 'B', 0, 0}, {1, 2, 'g', 'B', 'B', 'L', 3},
         {1, 3, 'f', 'S', 'S', 0, 0}, {1, 4, 'e', 'S', 'B', 'L', 5},
         {2, 4, 'd', 'B', 'B', 'R', 7}, {2, 3, 'c', 'S', 'S', 'R', 9}, {2, 2, 'b', 'S', 'B', 0, 0},
         {2, 1, 'a', 'B', 'B', 'R', 11}},
        // 13
        {{1, 0, 'i', 'B', 'B', 'L', 2}, {1, 1, 'H', 'B', 'S', 0, 0}, {1, 2, 'G', 'S', 'S', 'L', 4},
         {1, 3, 'f', 'B', 'B', 0, 0}, {1, 4, 'e', 'B', 'S', 'L', 6},
         {2, 4, 'd', 'S', 'S', 'R', 8}, {2, 3, 'c', 'B', 'B', 0, 0}, {2, 2, 'B', 'S', 'B', 'R', 10},
         {2, 1, 'A', 'S', 'S', 'R', 12},
         {3, 4, 'j', 'B', 'B', 'R', 0}, {3, 3, 'k', 'W', 'B', 0, 0}, {3, 2, 'l', 'W', 'W', 0, 0}},
        // 14
        {{1, 0, 'i', 'B', 'B', 'L', 3}, {1, 1, 'H', 'B', 'S', 0, 0}, {1, 2, 'G', 'S', 'S', 'L', 5},
         {1, 3, 'f', 'B', 'B', 0, 0}, {1, 4, 'e', 'B', 'S', 'L', 7},
         {2, 4, 'd', 'S', 'S', 'R', 9}, {2, 3, 'c', 'B', 'B', 0, 0}, {2, 2, 'B', 'S', 'B', 'R', 11},
         {2, 1, 'A', 'S', 'S', 'R', 13},
         {3, 4, 'j', 'B', 'B', 'R', 1}, {3, 3, 'k', 'W', 'B', 0, 0}, {3, 2, 'l', 'W', 'W', 0, 0}},
        // 15
        {{1, 0, 'i', 'B', 'B', 'L', 4}, {1, 1, 'H', 'B', 'S', 0, 0}, {1, 2, 'G', 'S', 'S', 'L', 6},
         {1, 3, 'f', 'B', 'B', 0, 0}, {1, 4, 'e', 'B', 'S', 'L', 8},
         {2, 4, 'd', 'S', 'S', 'R', 10}, {2, 3, 'c', 'B', 'B', 0, 0}, {2, 2, 'B', 'S', 'B', 'R', 12},
         {2, 1, 'A', 'S', 'S', 'R', 14},
         {3, 4, 'j', 'B', 'B', 'R', 2}, {3, 3, 'k', 'S', 'B', 0, 0}, {3, 2, 'l', 'S', 'S', 'R', 0}},
        // 16
        {{1, 0, 'i', 'B', 'B', 'L', 5}, {1, 1, 'H', 'B', 'S', 0, 0}, {1, 2, 'G', 'S', 'S', 'L', 7},
         {1, 3, 'f', 'B', 'B', 0, 0}, {1, 4, 'e', 'B', 'S', 'L', 9},
         {2, 4, 'd', 'S', 'S', 'R', 11}, {2, 3, 'c', 'B', 'B', 0, 0}, {2, 2, 'B', 'S', 'B', 'R', 13},
         {2, 1, 'A', 'S', 'S', 'R', 15},
         {3, 4, 'j', 'B', 'B', 'R', 3}, {3, 3, 'k', 'S', 'B', 0, 0}, {3, 2, 'l', 'S', 'S', 'R', 1}},
    }};
    static const std::vector<PanelSpec> kNone;
    if (count < 3 || count > 16) return kNone;
    return kTable[static_cast<size_t>(count)];
}

// The white background panels of the three-way racks, slot by slot in the
// order they are drawn.
struct BackgroundSlot {
    int rack;
    int slot;
    Labels labels;
};

const std::vector<BackgroundSlot>& ThreeWayBackground(bool threeOutput) {
    static const std::vector<BackgroundSlot> kThree = {
        {1, 0, kBlank}, {1, 1, kBlank}, {1, 2, kBlank}, {1, 3, kBlank}, {1, 4, kBlank},
        {2, 4, kBlank},
        {2, 3, {"MF1 Ch2", "Mid - B", "HF2 Ch3", "High - B"}},
        {2, 2, {"LF1 Ch1", "Low - B", "HF1 Ch3", "High - A"}},
        {2, 1, {"LF1 Ch1", "Low - A", "MF1 Ch2", "Mid - A"}},
        {3, 4, kBlank}, {3, 3, kBlank}, {3, 2, kBlank},
    };
    static const std::vector<BackgroundSlot> kSix = {
        {1, 0, {"MF2 Ch3", "Mid - F", "HF3 Ch6", "High - F"}},
        {1, 1, {"LF1 Ch1", "Low - F", "HF3 Ch6", "High - E"}},
        {1, 2, {"LF1 Ch1", "Low - E", "MF3 Ch3", "Mid - E"}},
        {1, 3, {"MF2 Ch3", "Mid - D", "HF3 Ch6", "High - D"}},
        {1, 4, {"LF1 Ch1", "Low - D", "HF2 Ch5", "High - C"}},
        {2, 4, {"LF1 Ch1", "Low - C", "MF2 Ch3", "Mid - C"}},
        {2, 3, {"MF1 Ch2", "Mid - B", "HF2 Ch5", "High - B"}},
        {2, 2, {"LF1 Ch1", "Low - B", "HF1 Ch4", "High - A"}},
        {2, 1, {"LF1 Ch1", "Low - A", "MF1 Ch2", "Mid - A"}},
        {3, 4, {"LF1 Ch 1", "Low - E", "MF2 Ch3", "Mid - E"}},
        {3, 3, {"LF1 Ch 1", "Low - F", "HF3 Ch 6", "High - E"}},
        {3, 2, {"MF2 Ch3", "Mid - F", "HF3 Ch6", "High - F"}},
    };
    return threeOutput ? kThree : kSix;
}

// Where a diagram goes and what it shows, apart from the canvas it is
// drawn on: a fitting run draws the same diagram on a measuring canvas.
struct DiagramPlace {
    px Left = 0, Top = 0, Width = 0, Height = 0;
    bool ShowTitles = false;
    bool Rack1 = false, Rack2 = false, Rack3 = false;
    bool SecondModel = false;
    px Count = 0;
    // Paper only: the racks made smaller (Scale) and moved (Shift) to stand
    // whole inside the area, and no text cell below MinCell pixels.
    double Scale = 1.0;
    px ShiftX = 0, ShiftY = 0;
    px MinCell = 0;
};

struct Diagram : DiagramPlace {
    Diagram(rtl::Canvas& canvas, const TVenue& v, const DiagramPlace& place)
        : DiagramPlace(place), c(canvas), venue(v) {}

    rtl::Canvas& c;
    const TVenue& venue;
    // On screen, the racks stand between the titles above and the main
    // title below (ScreenTitles): the band from BandTop to BandBottom.
    px BandTop = 0, BandBottom = 0;

    px RackWidth = 0;
    px UnitHeight = 0;
    rtl::Color Colour1 = kSkyBlue;
    rtl::Color Colour2 = kSilver;
    std::array<px, 4> Column{};  // racks 1..3
    px RackTop = 0;
    px ShortRackTop = 0;
    std::array<std::string, 16> PairTags;

    // The same diagram on another canvas.
    Diagram On(rtl::Canvas& other) const { return Diagram(other, venue, *this); }
    px Scaled(px width) const {
        return Scale == 1.0 ? width : std::max<px>(1, RoundPx(static_cast<double>(width) * Scale));
    }

    rtl::Color ColourOf(char code) const {
        return code == 'B' ? Colour1 : (code == 'S' ? Colour2 : kWhite);
    }
    const std::string& PairTag(int k) const { return PairTags[static_cast<size_t>(std::clamp(k, 0, 15))]; }

    void Panel(px X, px Y, const Labels& l, bool dark, rtl::Color colourA, rtl::Color colourB,
               const std::string& tagA, const std::string& tagB);
    void DrawPanel(px X, px Y, const Labels& l, bool dark, rtl::Color colourA, rtl::Color colourB,
                   const std::string& tagA, const std::string& tagB);
    // On paper the panels are kept until the racks are done, and a panel
    // that a later one covers (the same place) is left out: its texts would
    // lie under the other's.
    struct Kept {
        px X, Y;
        std::function<void()> draw;
    };
    std::vector<Kept> kept;
    void DrawKeptPanels();
    void LayoutRacks();
    void LayoutMiniRacks();
    px WidthForUnits(px units) const;
    px TopInBand(px top, px units) const;
    void ThreeWayBackground(int rack);
    void ThreeWayPatch();
    void MiniBackground(int rack);
    void MiniPatch();
};

void Diagram::Panel(px X, px Y, const Labels& l, bool dark, rtl::Color colourA,
                    rtl::Color colourB, const std::string& tagA, const std::string& tagB) {
    if (ShowTitles) {
        DrawPanel(X, Y, l, dark, colourA, colourB, tagA, tagB);
        return;
    }
    kept.push_back({X, Y, [=, this] { DrawPanel(X, Y, l, dark, colourA, colourB, tagA, tagB); }});
}

void Diagram::DrawKeptPanels() {
    std::map<std::pair<px, px>, size_t> last;
    for (size_t i = 0; i < kept.size(); ++i) last[{kept[i].X, kept[i].Y}] = i;
    for (size_t i = 0; i < kept.size(); ++i)
        if (last[{kept[i].X, kept[i].Y}] == i) kept[i].draw();
    kept.clear();
}

void Diagram::DrawPanel(px X, px Y, const Labels& l, bool dark, rtl::Color colourA,
                        rtl::Color colourB, const std::string& tagA, const std::string& tagB) {
    const px W = RackWidth;
    const px U = UnitHeight;
    const rtl::Color line = dark ? kBlack : kGrey;
    c.SetPen(rtl::Pen{line, 1, rtl::PenStyle::Solid});
    const px F = RoundPx(0.8 * static_cast<double>(U));
    const px K = RoundPx(0.3 * static_cast<double>(W));

    Polyline(c, {{X, Y}, {X + W, Y}, {X + W, Y + U}, {X, Y + U}, {X, Y}});

    c.SetFontName("Arial");
    c.SetFontBold(true);
    FontHeight(c, std::max(F / 2, MinCell));
    c.SetBrush(rtl::Brush{colourA, rtl::BrushStyle::Solid});
    Polygon(c, {{X, Y}, {X + W / 2, Y}, {X + W / 2, Y + U}, {X, Y + U}});
    c.SetFontColor(kBlack);
    if (!tagA.empty()) {
        Polygon(c, {{X, Y}, {X - U, Y + U / 2}, {X, Y + U}});
        Text(c, X - U - c.TextWidth(tagA), Y + U / 2 - c.TextHeight(tagA) / 2, tagA);
    }
    c.SetBrush(rtl::Brush{colourB, rtl::BrushStyle::Solid});
    Polygon(c, {{X + W / 2, Y}, {X + W, Y}, {X + W, Y + U}, {X + W / 2, Y + U}});
    if (!tagB.empty()) {
        Polygon(c, {{X + W, Y}, {X + W + U, Y + U / 2}, {X + W, Y + U}});
        Text(c, X + W + U, Y + U / 2 - c.TextHeight(tagB) / 2, tagB);
    }

    // Connectors: the outputs at the outer edges, the inputs either side of
    // the middle.
    c.SetBrush(rtl::Brush{kWhite, rtl::BrushStyle::Solid});
    c.SetFontColor(kBlack);
    FontHeight(c, std::max(F / 3, MinCell));
    const px r = RoundPx(static_cast<double>(W) / 48.0);
    const px s = RoundPx(static_cast<double>(W) * 0.0125);
    const px q = RoundPx(static_cast<double>(W) / 18.0);
    const px cy = Y + U / 2;
    const px outA = X + q;
    const px outB = X + W - q;
    const px inA = X + W / 2 - q;
    const px inB = X + W / 2 + q;
    for (auto [cx, word] : {std::pair<px, const char*>{outA, "out"}, {outB, "out"}, {inA, "in"},
                            {inB, "in"}}) {
        RoundRect(c, cx - r, cy - r - s, cx + r, cy + r + s, r / 4, r / 4);
        Ellipse(c, cx - r, cy - r, cx + r, cy + r);
        const std::string w = word;
        Text(c, cx - c.TextWidth(w) / 2, cy - r - s - c.TextHeight(w), w);
    }

    // Label boxes: the controller output on top, the cabinet section below,
    // with leaders to the connectors.
    const px by = Y + RoundPx(0.05 * static_cast<double>(U));
    const px f25 = RoundPx(0.25 * static_cast<double>(F));
    const px f50 = RoundPx(0.5 * static_cast<double>(F));
    const px f75 = RoundPx(0.75 * static_cast<double>(F));
    // On paper the two lines of a box never run into each other.
    FontHeight(c, MinCell > 0 ? std::max(std::min(F / 2, f75 - f25), MinCell) : F / 2);
    auto centred = [&](px bx, px at, const std::string& text) {
        if (text.empty()) return;
        Text(c, bx + RoundPx(static_cast<double>(K - c.TextWidth(text)) / 2.0),
             by + at - c.TextHeight(text) / 2, text);
    };
    auto outline = [&](px bx) {
        c.SetPenColor(kBlack);
        Polyline(c, {{bx, by}, {bx + K, by}, {bx + K, by + F}, {bx, by + F}});
    };

    px bx = X + RoundPx(0.1 * static_cast<double>(W));
    Rectangle(c, bx, by, bx + K, by + F);
    Line(c, bx, by + f75, outA, cy);
    Line(c, bx + K, by + f25, inA, cy);
    Line(c, bx, by + f50, bx + K, by + f50);
    centred(bx, f75, l.outA);
    centred(bx, f25, l.inA);
    outline(bx);

    bx = X + W - RoundPx(0.1 * static_cast<double>(W)) - K;
    Rectangle(c, bx, by, bx + K, by + F);
    Line(c, bx + K, by + f75, outB, cy);
    Line(c, bx, by + f25, inB, cy);
    Line(c, bx, by + f50, bx + K, by + f50);
    centred(bx, f75, l.outB);
    centred(bx, f25, l.inB);
    outline(bx);
}

// The widest rack whose `units` amplifiers fit the band's height.
px Diagram::WidthForUnits(px units) const {
    const px room = BandBottom - BandTop;
    if (room <= 0 || units <= 0) return 0;
    px rw = static_cast<px>(std::floor((static_cast<double>(room) / static_cast<double>(units) + 0.5) * 493.0 / 88.0));
    while (rw > 0 && RoundPx(static_cast<double>(rw) * 88.0 / 493.0) * units > room) --rw;
    return std::max<px>(rw, 0);
}

// A rack of `units` amplifiers at `top`, moved into the band where it would
// reach past it.
px Diagram::TopInBand(px top, px units) const {
    return std::clamp(top, BandTop, std::max(BandTop, BandBottom - units * UnitHeight));
}

void Diagram::LayoutRacks() {
    const px n1 = venue.NumBoxes1;
    const double w = static_cast<double>(Width);
    if (ShowTitles)
        RackWidth = std::min(RoundPx(w * 5.0 / 9.0), WidthForUnits(5));
    else
        RackWidth = n1 > 12 ? RoundPx(w * 3.0 / 16.0) : RoundPx(w * 5.0 / 18.0);
    RackWidth = Scaled(RackWidth);
    Colour1 = kSkyBlue;
    Colour2 = kSilver;
    const double rw = static_cast<double>(RackWidth);
    UnitHeight = RoundPx(rw * 88.0 / 493.0);
    // The racks stand inside the area like the frame and the titles.
    if (Rack1 && Rack2 && Rack3) {
        if (n1 <= 12)
            Column[1] = (Width - (2 * RackWidth + RoundPx(rw / 4.0))) / 2;
        else
            Column[1] = (Width - (RoundPx(3.5 * rw) + RoundPx(0.5 * rw))) / 2;
        Column[1] += Left;
        Column[2] = Column[1] + RoundPx(rw / 4.0) + RackWidth;
        Column[3] = Column[2] + RoundPx(0.75 * rw) + RackWidth;
    } else {
        // Rack 1 right of the centre line with its tags on its left, racks 2
        // and 3 left of it with their tags on their right.
        Column[1] = Left + (Width - RoundPx(0.55 * rw)) / 2;
        Column[2] = Column[1] - RoundPx(0.45 * rw);
        Column[3] = Column[2];
    }
    for (px& x : Column) x += ShiftX;
    RackTop = (Height - 5 * UnitHeight) / 2 + Top + ShiftY;
    if (ShowTitles) RackTop = TopInBand(RackTop, 5);
}

void Diagram::LayoutMiniRacks() {
    RackWidth = Scaled(RoundPx(static_cast<double>(Width) * 4.0 / 9.0));
    if (ShowTitles) RackWidth = std::min(RackWidth, WidthForUnits(4));
    Colour1 = kSkyBlue;
    Colour2 = kSilver;
    UnitHeight = RoundPx(static_cast<double>(RackWidth) * 88.0 / 493.0);
    Column[1] = (Width - RackWidth) / 2 + Left + ShiftX;
    Column[2] = Column[1];
    RackTop = (Height - 4 * UnitHeight) / 2 + Top + ShiftY;
    ShortRackTop = (Height - 2 * UnitHeight) / 2 + Top + ShiftY;
    if (ShowTitles) {
        RackTop = TopInBand(RackTop, 4);
        ShortRackTop = TopInBand(ShortRackTop, 2);
    }
}

void Diagram::ThreeWayBackground(int rack) {
    const bool threeOutput = SecondModel && Count <= 4;
    for (const BackgroundSlot& b : ::ThreeWayBackground(threeOutput)) {
        if (b.rack != rack) continue;
        Panel(Column[static_cast<size_t>(rack)], RackTop + b.slot * UnitHeight, b.labels, false, kWhite,
              kWhite, "", "");
    }
}

void Diagram::ThreeWayPatch() {
    LayoutRacks();
    PairTags[0] = "Cab 1";
    for (int k = 1; k <= 15; ++k) PairTags[static_cast<size_t>(k)] = CabPairLabel(k, k + 1);

    const bool threeOutput = SecondModel && Count <= 4;
    const bool dark = Count >= 13 && Count <= 16;
    auto draw = [&](const PanelSpec& p) {
        const std::string none;
        const std::string& tag = p.side ? PairTag(p.tag) : none;
        Panel(Column[static_cast<size_t>(p.rack)], RackTop + p.slot * UnitHeight,
              SetOf(p.set, threeOutput), dark, ColourOf(p.colourA), ColourOf(p.colourB),
              p.side == 'L' ? tag : none, p.side == 'R' ? tag : none);
    };

    if (Rack1) ThreeWayBackground(1);
    if (Rack3) ThreeWayBackground(3);
    if (Rack2)
        for (const PanelSpec& p : kOneOrTwo) draw(p);

    if (Count < 3 || Count > 16) return;
    const std::array<bool, 4> flag{false, Rack1, Rack2, Rack3};
    for (int rack = 1; rack <= 3; ++rack) {
        if (!flag[static_cast<size_t>(rack)]) continue;
        ThreeWayBackground(rack);
        for (const PanelSpec& p : CountPanels(Count))
            if (p.rack == rack) draw(p);
    }
}

void Diagram::MiniBackground(int rack) {
    if (rack == 1) {
        // Four labelled slots when the array's first model counts more than
        // four cabinets (the subwoofers or compact cabinets of a mix), else
        // the two of a small rig.
        if (venue.LSArray->FirstModelCount() > 4) {
            const Labels slots[4] = {{"LF1 Ch2", "Low - A", "HF1 Ch4", "High - A"},
                                     {"LF2 Ch3", "Low - B", "HF2 Ch5", "High - B"},
                                     {"LF2 Ch3", "Low - C", "HF3 Ch6", "High - C"},
                                     {"LF2 Ch3", "Low - D", "HF3 Ch6", "High - D"}};
            for (int s = 0; s < 4; ++s)
                Panel(Column[1], RackTop + s * UnitHeight, slots[s], false, kWhite, kWhite, "", "");
        } else {
            Panel(Column[1], RackTop, {"LF Ch2", "Low - A", "HF3 Ch4", "High - A"}, false, kWhite,
                  kWhite, "", "");
            Panel(Column[1], RackTop + UnitHeight, {"SUB Ch1", "SUB", "", ""}, false, kWhite, kWhite,
                  "", "");
        }
    } else {
        Panel(Column[2], ShortRackTop, {"Ch2", "A", "Ch4", "C"}, false, kWhite, kWhite, "", "");
        Panel(Column[2], ShortRackTop + UnitHeight, {"Ch3", "B", "Ch5", "D"}, false, kWhite, kWhite,
              "", "");
    }
}

void Diagram::MiniPatch() {
    LayoutMiniRacks();
    const TArrayType type = venue.LSArray->ArrayType();
    const px n1 = venue.NumBoxes1, n2 = venue.NumBoxes2, n3 = venue.NumBoxes3;
    switch (type) {
        // The mini cabinets are the second model below the subwoofers or
        // the compact cabinets.
        case TArrayType::BexaDovi:
        case TArrayType::HobaDovi:
        case TArrayType::IvorDovi:
        case TArrayType::IvorElka:
            Count = n2;
            break;
        case TArrayType::DoviElka: Count = n1 + n2; break;
        case TArrayType::IvorDoviElka: Count = n2 + n3; break;
        default: Count = n1; break;
    }
    const px n = Count;

    if (Rack1) MiniBackground(1);
    if (Rack2) MiniBackground(2);

    // Groups of four from the highest cabinet down; the last one reaches
    // cabinet 1.
    struct Group {
        std::string tag;
    };
    std::vector<Group> groups;  // at most four
    for (px g = 0; groups.size() < 4; ++g) {
        const px upper = n - 4 * g;
        const px lower = upper - 3;
        if (lower <= 1) {
            groups.push_back({"Cabs 1-" + rtl::IntToStr(upper)});
            break;
        }
        groups.push_back({"Cabs " + rtl::IntToStr(lower) + "-" + rtl::IntToStr(upper)});
    }

    const std::string none;
    if (Rack1) {
        const px X = Column[1];
        if (n > 4) {
            const Labels slots[4] = {{"LF1 Ch2", "Low - A", "HF1 Ch4", "High - A"},
                                     {"LF2 Ch3", "Low - B", "HF2 Ch5", "High - B"},
                                     {"LF2 Ch3", "Low - C", "HF3 Ch6", "High - C"},
                                     {"LF2 Ch3", "Low - D", "HF3 Ch6", "High - D"}};
            for (size_t g = 0; g < groups.size(); ++g) {
                const bool blue = g % 2 == 0;
                const rtl::Color colour = blue ? Colour1 : Colour2;
                Panel(X, RackTop + static_cast<px>(g) * UnitHeight, slots[g], false, colour, colour,
                      blue ? groups[g].tag : none, blue ? none : groups[g].tag);
            }
        } else {
            const std::string all = "Cabs 1-" + rtl::IntToStr(n);
            Panel(X, RackTop, {"LF Ch2", "Low", "HF Ch3", "High"}, false, Colour1, Colour1,
                  "L " + all, none);
            Panel(X, RackTop + UnitHeight, {"SUB Ch1", "SUB", "SUB Ch4", "SUB"}, false, Colour1,
                  Colour2, "Sub L", "Sub R");
            Panel(X, RackTop + 2 * UnitHeight, {"LF Ch5", "Low", "HF Ch6", "High"}, false, Colour2,
                  Colour2, "R " + all, none);
        }
    }
    if (Rack2) {
        const px X = Column[2];
        const px Y0 = ShortRackTop;
        const px Y1 = ShortRackTop + UnitHeight;
        if (n >= 9) {
            // Outputs A and C on the first amplifier, B and D on the second.
            for (size_t slot = 0; slot < 2; ++slot) {
                const size_t left = slot;
                const size_t right = slot + 2;
                const Labels l = slot == 0 ? Labels{"Ch2", "A", "Ch4", "C"} : Labels{"Ch3", "B", "Ch5", "D"};
                const px Y = slot == 0 ? Y0 : Y1;
                if (left >= groups.size()) continue;
                if (right < groups.size())
                    Panel(X, Y, l, false, Colour1, Colour2, groups[left].tag, groups[right].tag);
                else
                    Panel(X, Y, l, false, slot == 0 ? Colour1 : Colour2, kWhite, groups[left].tag,
                          none);
            }
        } else if (n >= 5) {
            const std::string upper = rtl::IntToStr(n - 3) + "-" + rtl::IntToStr(n);
            const std::string lower = "1-" + rtl::IntToStr(n - 4);
            Panel(X, Y0, {"Ch2", "A", "Ch5", "A"}, false, Colour1, Colour1, "L Cabs " + upper,
                  "R Cabs " + upper);
            Panel(X, Y1, {"Ch3", "B", "Ch6", "B"}, false, Colour2, Colour2, "L Cabs " + lower,
                  "R Cabs " + lower);
        } else {
            const std::string all = "Cabs 1-" + rtl::IntToStr(n);
            Panel(X, Y0, {"SUB Ch1", "SUB", "Ch2", "Dovi"}, false, Colour1, Colour1, "L SUB",
                  "L " + all);
            Panel(X, Y1, {"SUB Ch4", "SUB", "Ch5", "Dovi"}, false, Colour2, Colour2, "R SUB",
                  "R " + all);
        }
    }
}

enum class Family { None, ThreeWay, Mini };

// The screen's titles: the main title over the bottom frame line, the hint
// under the rack strip laid over the picture's top (95 pixels down), the
// sub-title under the hint (the mini diagrams, which have no strip, near
// the top); each text in a font made smaller where it would not fit the
// width, and every text clear of the others and of the frame.  The racks
// get the band between them.
struct ScreenTitles {
    int TitleSize = 8, HintSize = 8, SubSize = 12;
    px TitleY = 0, HintY = 0, SubY = 0;
    px BandTop = 0, BandBottom = 0;
};

constexpr px kTitleGap = 4;
constexpr int kSmallestTitleSize = 5;

// The largest size up to `size` at which `text` fits `room`.
int FittedSize(rtl::Canvas& c, const std::string& text, px room, int size) {
    c.SetFontSize(size);
    while (size > kSmallestTitleSize && c.TextWidth(text) > room) c.SetFontSize(--size);
    return size;
}

ScreenTitles PlaceScreenTitles(rtl::Canvas& c, px top, px bottom, px width, const std::string& title,
                               const std::string& hint, const std::string& subTitle, bool mini) {
    ScreenTitles t;
    const px room = width - 2 * kTitleGap;
    c.SetFontBold(false);
    t.TitleSize = FittedSize(c, title, room, 8);
    t.TitleY = bottom - 2 * c.TextHeight(title);
    t.HintSize = FittedSize(c, hint, room, 8);
    t.HintY = top + 95;
    const px hintBottom = hint.empty() ? top : t.HintY + c.TextHeight(hint);
    c.SetFontBold(true);
    t.SubSize = FittedSize(c, subTitle, room, 12);
    const px subHeight = c.TextHeight(subTitle);
    t.SubY = top + subHeight * (mini ? 1 : 6);
    if (!hint.empty()) t.SubY = std::max(t.SubY, hintBottom + kTitleGap);
    const px subBottom = subTitle.empty() ? top : t.SubY + subHeight;
    t.BandTop = std::max({hintBottom, subBottom, top}) + kTitleGap;
    t.BandBottom = (title.empty() ? bottom : t.TitleY) - kTitleGap;
    return t;
}

void DrawRacks(Diagram& d, Family family) {
    if (family == Family::ThreeWay) d.ThreeWayPatch();
    if (family == Family::Mini) d.MiniPatch();
    d.DrawKeptPanels();
}

// The box round the racks and their tags as they would be drawn.
std::optional<rtl::Rect> RackBounds(const Diagram& d, Family family) {
    rtl::BoundsCanvas bounds(d.c);
    Diagram dry = d.On(bounds);
    DrawRacks(dry, family);
    return bounds.Bounds();
}

bool Inside(const rtl::Rect& a, const rtl::Rect& room) {
    return a.left >= room.left && a.top >= room.top && a.right <= room.right &&
           a.bottom <= room.bottom;
}

// Paper: racks that would leave `room` are made smaller until they fit and
// centred in it; racks that fit keep their places.
void FitRacks(Diagram& d, Family family, const rtl::Rect& room) {
    // A page too small for any room keeps the racks as placed (cut by its
    // block) rather than turn them over.
    if (room.Width() <= 0 || room.Height() <= 0) return;
    for (int tries = 0; tries < 8; ++tries) {
        const std::optional<rtl::Rect> b = RackBounds(d, family);
        if (!b || Inside(*b, room)) return;
        const double fx = static_cast<double>(room.Width()) / std::max(1, b->Width());
        const double fy = static_cast<double>(room.Height()) / std::max(1, b->Height());
        const double f = std::min(fx, fy);
        if (f < 1.0) d.Scale *= f * 0.99;
        const std::optional<rtl::Rect> n = RackBounds(d, family);
        if (!n) return;
        d.ShiftX += (px{room.left} + room.right - n->left - n->right) / 2;
        d.ShiftY += (px{room.top} + room.bottom - n->top - n->bottom) / 2;
    }
}

}  // namespace

AmpPatchInputs AmpPatchInputsOf(const TVenue& Venue) {
    AmpPatchInputs in;
    if (Venue.LSArray) {
        in.TypeCode = Venue.LSArray->TypeCode;
        in.FirstModelCount = Venue.LSArray->FirstModelCount();
    }
    in.NumBoxes1 = Venue.NumBoxes1;
    in.NumBoxes2 = Venue.NumBoxes2;
    in.NumBoxes3 = Venue.NumBoxes3;
    return in;
}

void DrawAmpPatch(const TVenue& Venue, rtl::Canvas& Canvas, int Left, int Top, int Width,
                  int Height, bool ShowTitles, bool Rack1, bool Rack2, bool Rack3,
                  bool SecondModel) {
    rtl::Canvas& c = Canvas;
    Diagram d(c, Venue,
              DiagramPlace{.Left = Left, .Top = Top, .Width = Width, .Height = Height,
                           .ShowTitles = ShowTitles, .Rack1 = Rack1, .Rack2 = Rack2,
                           .Rack3 = Rack3, .SecondModel = SecondModel});

    const px right = d.Left + d.Width;
    const px bottom = d.Top + d.Height - 5;
    c.SetBrush(rtl::Brush{kWhite, rtl::BrushStyle::Solid});
    FillRect(c, d.Left, d.Top, right, bottom);
    MoveTo(c, d.Left, d.Top);
    LineTo(c, right, d.Top);
    LineTo(c, right, bottom);
    LineTo(c, d.Left, bottom);
    LineTo(c, d.Left, d.Top);
    c.SetPenColor(kNavy);
    c.SetFontColor(kNavy);

    // No array draws the frame alone.
    const int typeCode = Venue.LSArray ? Venue.LSArray->TypeCode : -1;
    Family family = Family::None;
    switch (typeCode) {
        case Code(TArrayType::Arvo):
        case Code(TArrayType::Bexa):
        case Code(TArrayType::ArvoGiraF):
            family = Family::ThreeWay;
            d.Count = Venue.NumBoxes1;
            break;
        case Code(TArrayType::ArvoBexa):
            family = Family::ThreeWay;
            d.Count = SecondModel ? Venue.NumBoxes2 : Venue.NumBoxes1;
            break;
        case Code(TArrayType::RuddBexa):
        case Code(TArrayType::HobaBexa):
        case Code(TArrayType::RuddArvo):
            family = Family::ThreeWay;
            d.Count = Venue.NumBoxes2;
            break;
        case Code(TArrayType::BexaDovi):
            family = SecondModel ? Family::Mini : Family::ThreeWay;
            d.Count = Venue.NumBoxes1;
            break;
        case Code(TArrayType::Dovi):
        case Code(TArrayType::HobaDovi):
        case Code(TArrayType::Elka):
        case Code(TArrayType::DoviElka):
        case Code(TArrayType::IvorDovi):
        case Code(TArrayType::IvorElka):
        case Code(TArrayType::IvorDoviElka):
            family = Family::Mini;
            break;
        default:
            break;
    }
    // Titles.
    const std::string hint = "Float mouse over amp rack to view";
    const std::string active = Rack1 ? "Active" : "Passive";
    std::string title, shownHint, subTitle;
    switch (typeCode) {
        case Code(TArrayType::Arvo):
        case Code(TArrayType::ArvoGiraF):
            title = "Amplifier patch diagram (rear of Pryce amp shown)";
            shownHint = hint;
            break;
        case Code(TArrayType::Bexa):
            title = "Amplifier patch diagram (rear of Nadir amp shown)";
            shownHint = hint;
            break;
        case Code(TArrayType::ArvoBexa):
            // The second model of this mix is the compact cabinet.
            if (SecondModel) {
                title = "Bexa Amplifier patch diagram (rear of Nadir amp shown)";
                subTitle = "Bexa Racks";
            } else {
                title = "Arvo Amplifier patch diagram (rear of Pryce amp shown)";
                subTitle = "Arvo Racks";
            }
            shownHint = hint;
            break;
        case Code(TArrayType::BexaDovi):
            if (SecondModel) {
                title = "Dovi Amplifier patch diagram (rear of Oxley/Quarn amp shown)";
                subTitle = active;
            } else {
                title = "Bexa Amplifier patch diagram (rear of Nadir amp shown)";
                shownHint = hint;
                subTitle = "Bexa Racks";
            }
            break;
        case Code(TArrayType::Dovi):
        case Code(TArrayType::HobaDovi):
        case Code(TArrayType::Elka):
        case Code(TArrayType::DoviElka):
        case Code(TArrayType::IvorDovi):
        case Code(TArrayType::IvorElka):
        case Code(TArrayType::IvorDoviElka):
            title = "Amplifier patch diagram (rear of Oxley/Quarn amp shown)";
            subTitle = active;
            break;
        case Code(TArrayType::RuddBexa):
        case Code(TArrayType::HobaBexa):
            title = "Amplifier patch diagram (rear of Nadir amp shown)";
            shownHint = hint;
            subTitle = "Bexa Racks";
            break;
        case Code(TArrayType::RuddArvo):
            title = "Amplifier patch diagram (rear of Nadir amp shown)";
            shownHint = hint;
            subTitle = "Arvo Racks";
            break;
        default:
            break;
    }

    ScreenTitles t;
    if (ShowTitles) {
        const rtl::Font font = c.GetFont();
        t = PlaceScreenTitles(c, d.Top, bottom, d.Width, title, shownHint, subTitle,
                              family == Family::Mini);
        c.SetFont(font);
        d.BandTop = t.BandTop;
        d.BandBottom = t.BandBottom;
    }
    if (!ShowTitles && family != Family::None) {
        // On paper every rack stands whole between the sub-title and the
        // title, and no text is set below 6 pt.
        const rtl::Font font = c.GetFont();
        c.SetFontName("Arial");
        c.SetFontBold(true);
        d.MinCell = rtl::TextHeightAt(c, 6, "Ag");
        c.SetFontSize(12);
        const px above = subTitle.empty() ? 0 : 2 * c.TextHeight(subTitle);
        c.SetFontBold(false);
        c.SetFontSize(8);
        const px below = title.empty() ? 0 : c.TextHeight(title);
        c.SetFont(font);
        const px margin = 4;
        FitRacks(d, family,
                 rtl::Rect{static_cast<int>(d.Left + margin), static_cast<int>(d.Top + above + margin),
                           static_cast<int>(right - margin), static_cast<int>(bottom - below - margin)});
    }
    DrawRacks(d, family);

    c.SetFontBold(false);
    c.SetFontSize(8);
    c.SetPenColor(kBlack);
    const px centre = d.Left + d.Width / 2;
    if (ShowTitles) {
        c.SetFontSize(t.TitleSize);
        Text(c, centre - c.TextWidth(title) / 2, t.TitleY, title);
        c.SetFontSize(t.HintSize);
        Text(c, centre - c.TextWidth(shownHint) / 2, t.HintY, shownHint);
        c.SetFontBold(true);
        c.SetFontSize(t.SubSize);
        Text(c, centre - c.TextWidth(subTitle) / 2, t.SubY, subTitle);
    } else {
        c.SetFontColor(kBlack);
        Text(c, centre - c.TextWidth(title) / 2, bottom - c.TextHeight(title), title);
        c.SetFontBold(true);
        c.SetFontSize(12);
        Text(c, d.Left + c.TextWidth("W"), d.Top + c.TextHeight(subTitle), subTitle);
    }
}
