#include "model/drawings/side_view.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/arrays/lsarray.h"
#include "platform/core/canvas.h"
#include "platform/core/checked.h"
#include "platform/core/errors.h"
#include "platform/core/numtext.h"
#include "platform/core/rounding.h"
#include "model/hardware/box.h"
#include "model/hardware/grid.h"
#include "model/arrays/riglibrary.h"
#include "riglink/mechdll5.h"

namespace {

using rtl::CheckedAdd;
using rtl::CheckedMul;
using rtl::CheckedSub;
using rtl::Round;
namespace colors = rtl::colors;

constexpr long double kPi = 3.141592653589793238462643383279502884L;

double SinDeg(double Degrees) {
    return static_cast<double>(std::sin(static_cast<long double>(Degrees) * kPi / 180.0L));
}
double CosDeg(double Degrees) {
    return static_cast<double>(std::cos(static_cast<long double>(Degrees) * kPi / 180.0L));
}

struct Vec {
    double x = 0.0;
    double y = 0.0;
};
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
Vec operator*(double k, Vec a) { return {k * a.x, k * a.y}; }

// How far the column's fronts run back and forward of the top cabinet's
// front.  A column hung from a grid tilted down hard runs forward, below the
// top cabinet: the picture's width and its horizontal origin take that reach
// too, or the bottom cabinets would stand outside the picture.
struct ColumnReach {
    double back = 0.0;     // the rearmost front's distance (the column's own)
    double forward = 0.0;  // how far the foremost front stands before the top one's
};
ColumnReach ReachOf(const TLoudspeakerArray& a) {
    const int32_t last = CheckedSub(a.ElementCount, 1);
    ColumnReach r{a.ElementDistance[last], 0.0};
    for (int32_t i = 0; i <= last; ++i) {
        r.back = std::max(r.back, a.ElementDistance[i]);
        r.forward = std::max(r.forward, a.ElementDistance[0] - a.ElementDistance[i]);
    }
    return r;
}

// One cabinet of the column as drawn.
struct Element {
    double t = 0.0;  // tilt, degrees
    Vec U;           // up along the front face
    Vec K;           // back along the depth
    Vec F;           // front-face centre
    Vec P1, P2, P3, P4;  // front-top, front-bottom, rear-bottom, rear-top
};

// The cabinets that close a column of mini cabinets standing on subwoofers
// (MIXIvorDovi on the ground) at its top and at its bottom: the top mini
// cabinet and the bottom subwoofer.  A column without mini cabinets ends in
// its top subwoofer, one without subwoofers in its bottom mini cabinet, so
// that the picture is always measured from cabinets that exist.
struct ColumnEnds {
    int32_t top = 0;
    int32_t bottom = 0;
};
ColumnEnds MinisOnSubwoofersEnds(const TLoudspeakerArray& A) {
    const int32_t n = A.ElementCount, c1 = A.Count1;
    ColumnEnds e;
    e.top = c1 >= 0 && c1 < n ? c1 : 0;
    e.bottom = c1 >= 1 && c1 <= n ? c1 - 1 : CheckedSub(n, 1);
    return e;
}

// A pixel whose y is still counted from the vertical origin, which is fixed
// only once the whole picture is laid out.
struct Pix {
    int x = 0;
    int ry = 0;
};

class SideView {
public:
    SideView(TLoudspeakerArray& Array, rtl::Canvas& Canvas, bool DrawArray, bool EqualScale,
             int32_t Width, int32_t Height, bool Metric, int32_t RigMode, bool Printing)
        : a_(Array),
          c_(Canvas),
          drawArray_(DrawArray),
          equalScale_(EqualScale),
          width_(Width),
          height_(Height),
          metric_(Metric),
          rigMode_(RigMode),
          printing_(Printing) {}

    void Draw();

private:
    // --- geometry ----------------------------------------------------------
    Element ElementAt(int32_t i) const {
        const TBox& box = *a_.CurrentBox;
        Element e;
        e.t = a_.Tilt[i];
        const double s = SinDeg(e.t), c = CosDeg(e.t);
        e.U = {s, -c};
        e.K = {-c, -s};
        const double fy = type15Stacked_ ? a_.PositionOffset - a_.ElementHeight[i]
                                         : a_.ElementHeight[0] - a_.ElementHeight[i];
        e.F = {-a_.ElementDistance[i], fy};
        const double h = box.FrontHeight, hr = box.RearHeight, d = box.Depth;
        e.P1 = e.F + (h / 2) * e.U;
        e.P2 = e.F - (h / 2) * e.U;
        e.P3 = e.F + d * e.K - (hr / 2) * e.U;
        e.P4 = e.F + d * e.K + (hr / 2) * e.U;
        return e;
    }

    int PixX(double x) const { return CheckedAdd(originX_, Round(x / a_.MetresPerPixelX)); }
    int RelY(double y) const { return Round(y / a_.MetresPerPixelY); }
    Pix ToPix(Vec p) const { return {PixX(p.x), RelY(p.y)}; }
    int Y(int ry) const { return CheckedAdd(originY_, ry); }
    rtl::Point At(Pix p) const { return {p.x, Y(p.ry)}; }
    int Pixels(double metres) const { return Round(metres / a_.MetresPerPixelX); }

    // --- deferred drawing ------------------------------------------------------
    // Everything after the background waits until the vertical extent of the
    // array is known; the shapes then run in the order they were laid out.
    void Later(std::function<void()> op) { pending_.push_back(std::move(op)); }
    void Cover(int top, int bottom) {
        spanTop_ = std::min(spanTop_, top);
        spanBottom_ = std::max(spanBottom_, bottom);
    }
    // The box a shape drawn over the measuring grid takes (x in pixels, y
    // from the vertical origin), for the grid's labels to keep clear of.
    void Occupy(int left, int topRy, int right, int bottomRy) {
        shapes_.push_back({left, topRy, right, bottomRy});
    }
    void Polygon(std::vector<Vec> corners);
    void Dot(Vec p, rtl::Color colour);
    void ThickLine(Vec from, Vec to, int width);
    void Mark(const char* text, Vec p, int r, bool textAbove);
    void Number(Vec p, bool shiftLeft, int32_t number);

    // --- the steps ---------------------------------------------------------------
    void Background();
    void Origins();
    void MeasuringGrid();
    void PlumbLine();
    void Cabinets();
    void FlyingGrid();
    void Junctions();
    void JunctionPiece();
    void SubToMiniFrame();
    void SubToCompactBracket();
    void GroundStackBase();
    void GridMark();
    void GravitySymbol();

    TLoudspeakerArray& a_;
    rtl::Canvas& c_;
    bool drawArray_;
    bool equalScale_;
    int32_t width_;
    int32_t height_;
    bool metric_;
    int32_t rigMode_;
    bool printing_;

    TArrayType type_ = TArrayType::Arvo;
    int32_t n_ = 0;
    int32_t c1_ = 0;
    // Mini cabinets stacked on their subwoofers (type code 15 on the
    // ground): heights count from the stage and the top mini cabinet leads.
    bool type15Stacked_ = false;

    int originX_ = 0;
    int originY_ = 0;
    double theta_ = 0.0;  // grid angle
    double st_ = 0.0, ct_ = 1.0, s0_ = 0.0, c0_ = 1.0;
    Vec G_;             // along the grid
    Vec S_;             // hole-set shift of the grid
    Vec cogShift_;      // the shift as it applies to the library's centre of gravity
    int refRY_ = 0;     // measuring reference line
    int gx_ = 0;        // measuring x origin
    double cogRefY_ = 0.0;  // world y of the library's origin
    int dotR_ = 0;
    int lastMarkR_ = -1;
    Vec gridFrontTop_, gridRearTop_;

    std::vector<std::function<void()>> pending_;
    // The lettered marks, for the paper's texts to keep clear of.
    struct MarkText {
        Pix q;
        std::string text;
        bool above;
    };
    std::vector<MarkText> marks_;
    std::optional<rtl::Rect> MarkUnder(const rtl::Rect& box);
    std::vector<rtl::Rect> shapes_;  // top and bottom relative to the origin
    // The first shape or mark drawn later that would cover the box.
    std::optional<rtl::Rect> Covering(const rtl::Rect& box);
    // Where a scale label stands clear of what is drawn over the grid: in
    // its place, or (a line's label over the picture, `rise`) moved up
    // above what would cover it; left out where that is off the picture,
    // and on paper where the drawing's edge would cut it.
    std::optional<rtl::Rect> PlaceLabel(rtl::Rect box, bool rise);
    int spanTop_ = INT_MAX;
    int spanBottom_ = INT_MIN;
};

void SideView::Polygon(std::vector<Vec> corners) {
    std::vector<Pix> px;
    px.reserve(corners.size());
    rtl::Rect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (Vec v : corners) {
        px.push_back(ToPix(v));
        Cover(px.back().ry, px.back().ry);
        box.left = std::min(box.left, px.back().x);
        box.right = std::max(box.right, CheckedAdd(px.back().x, 1));
        box.top = std::min(box.top, px.back().ry);
        box.bottom = std::max(box.bottom, CheckedAdd(px.back().ry, 1));
    }
    if (!px.empty()) Occupy(box.left, box.top, box.right, box.bottom);
    Later([this, px] {
        std::vector<rtl::Point> pts;
        pts.reserve(px.size());
        for (Pix p : px) pts.push_back(At(p));
        c_.Polygon(pts);
    });
}

void SideView::Dot(Vec p, rtl::Color colour) {
    const Pix q = ToPix(p);
    const int r = dotR_;
    Cover(CheckedSub(q.ry, r), CheckedAdd(q.ry, r));
    Occupy(CheckedSub(q.x, r), CheckedSub(q.ry, r), CheckedAdd(q.x, r), CheckedAdd(q.ry, r));
    Later([this, q, r, colour] {
        const rtl::Point m = At(q);
        c_.SetPenWidth(1);
        const rtl::Color kept = c_.GetBrush().color;
        c_.SetBrushColor(colour);
        c_.Ellipse(CheckedSub(m.x, r), CheckedSub(m.y, r), CheckedAdd(m.x, r), CheckedAdd(m.y, r));
        c_.SetBrushColor(kept);
    });
}

void SideView::ThickLine(Vec from, Vec to, int width) {
    const Pix p = ToPix(from), q = ToPix(to);
    const int half = std::abs(width) / 2;
    Cover(CheckedSub(std::min(p.ry, q.ry), half), CheckedAdd(std::max(p.ry, q.ry), half));
    Occupy(CheckedSub(std::min(p.x, q.x), half), CheckedSub(std::min(p.ry, q.ry), half),
           CheckedAdd(std::max(p.x, q.x), half + 1), CheckedAdd(std::max(p.ry, q.ry), half + 1));
    Later([this, p, q, width] {
        c_.SetBrushStyle(rtl::BrushStyle::Solid);
        c_.SetPenWidth(width);
        const rtl::Point s = At(p), e = At(q);
        c_.MoveTo(s.x, s.y);
        c_.LineTo(e.x, e.y);
    });
}

void SideView::Mark(const char* text, Vec p, int r, bool textAbove) {
    const Pix q = ToPix(p);
    Cover(CheckedSub(q.ry, r), CheckedAdd(q.ry, r));
    Occupy(CheckedSub(q.x, r), CheckedSub(q.ry, r), CheckedAdd(q.x, r), CheckedAdd(q.ry, r));
    lastMarkR_ = r;
    const std::string t = text;
    marks_.push_back({q, t, textAbove});
    Later([this, q, r, t, textAbove] {
        c_.SetFontSize(12);
        c_.SetBrushColor(colors::Yellow);
        c_.SetFontColor(colors::Black);
        const rtl::Point m = At(q);
        c_.TextOut(m.x, textAbove ? CheckedSub(m.y, c_.TextHeight(t)) : m.y, t);
        c_.Ellipse(CheckedSub(m.x, r), CheckedSub(m.y, r), CheckedAdd(m.x, r), CheckedAdd(m.y, r));
    });
}

std::optional<rtl::Rect> SideView::MarkUnder(const rtl::Rect& box) {
    const rtl::Font font = c_.GetFont();
    c_.SetFontSize(12);
    std::optional<rtl::Rect> hit;
    for (const MarkText& k : marks_) {
        const rtl::Point m = At(k.q);
        const int h = c_.TextHeight(k.text);
        const int top = k.above ? CheckedSub(m.y, h) : m.y;
        const rtl::Rect r{m.x, top, CheckedAdd(m.x, c_.TextWidth(k.text)), CheckedAdd(top, h)};
        if (std::max(r.left, box.left) < std::min(r.right, box.right) &&
            std::max(r.top, box.top) < std::min(r.bottom, box.bottom)) {
            hit = r;
            break;
        }
    }
    c_.SetFont(font);
    return hit;
}

std::optional<rtl::Rect> SideView::Covering(const rtl::Rect& box) {
    for (const rtl::Rect& k : shapes_) {
        const rtl::Rect r{k.left, Y(k.top), k.right, Y(k.bottom)};
        if (std::max(r.left, box.left) < std::min(r.right, box.right) &&
            std::max(r.top, box.top) < std::min(r.bottom, box.bottom))
            return r;
    }
    return MarkUnder(box);
}

std::optional<rtl::Rect> SideView::PlaceLabel(rtl::Rect box, bool rise) {
    const int h = CheckedSub(box.bottom, box.top);
    // Each move clears one shape and goes above it: at most one per shape.
    for (size_t moves = 0; moves <= shapes_.size() + marks_.size(); ++moves) {
        const std::optional<rtl::Rect> over = Covering(box);
        if (!over) {
            const bool inside =
                box.left >= 0 && box.top >= 0 && box.right <= width_ && box.bottom <= height_;
            if (printing_ && !inside) return std::nullopt;
            return box;
        }
        if (!rise || over->top - 1 - h < 0) return std::nullopt;
        box.bottom = CheckedSub(over->top, 1);
        box.top = CheckedSub(box.bottom, h);
    }
    return std::nullopt;
}

// The number moves up (and, from two digits on, left) by half the height of
// the font then in effect; the font colour is left as the earlier texts set it.
void SideView::Number(Vec p, bool shiftLeft, int32_t number) {
    const Pix q = ToPix(p);
    const std::string text = rtl::IntToStr(number);
    Later([this, q, shiftLeft, text] {
        const int half = c_.FontHeight() / 2;
        const rtl::Point m = At(q);
        int nx = shiftLeft ? CheckedAdd(m.x, half) : m.x;
        const int ny = CheckedAdd(m.y, half);
        c_.SetFontSize(10);
        c_.SetBrushColor(colors::Cream);
        if (printing_) {
            // On paper a number that a mark would cover stands left of it.
            const int w = c_.TextWidth(text);
            const rtl::Rect box{nx, ny, CheckedAdd(nx, w), CheckedAdd(ny, c_.TextHeight(text))};
            if (const std::optional<rtl::Rect> mark = MarkUnder(box)) nx = CheckedSub(mark->left, w + 2);
            nx = std::min(nx, CheckedSub(width_, w));  // and stays on the drawing
        }
        c_.TextOut(nx, ny, text);
    });
}

// ---------------------------------------------------------------------------

void SideView::Background() {
    c_.SetBrushColor(colors::White);
    c_.SetBrushStyle(rtl::BrushStyle::Solid);
    c_.FillRect(c_.ClipRect());
    c_.SetPenColor(colors::Black);
    const int r = CheckedSub(width_, 1), b = CheckedSub(height_, 1);
    const rtl::Point border[] = {{0, 0}, {r, 0}, {r, b}, {0, b}, {0, 0}};
    c_.Polyline(border);
}

void SideView::Origins() {
    const TBox& box = *a_.CurrentBox;
    const TGrid& g = *a_.Grid;
    const double h = box.FrontHeight, d = box.Depth;
    const double D0 = a_.ElementDistance[0];

    // The column from its rearmost front to its foremost, placed as a column
    // running back from its top cabinet is: its foremost front a little
    // right of the middle.
    const ColumnReach reach = ReachOf(a_);
    const double W = std::max(reach.back - D0 + d + reach.forward,
                              g.RearLength + g.ExtraLength + g.FrontLength);
    const double Wr = Round(W / 0.1) * 0.1;
    originX_ = Round(0.45 * (Wr / a_.MetresPerPixelX + width_) - reach.forward / a_.MetresPerPixelX);

    theta_ = type_ == TArrayType::Elka ? a_.Tilt[0] - box.BottomFaceAngle : a_.Tilt[0];
    st_ = SinDeg(theta_);
    ct_ = CosDeg(theta_);
    s0_ = SinDeg(a_.Tilt[0]);
    c0_ = CosDeg(a_.Tilt[0]);
    G_ = {ct_, st_};
    S_ = g.PrimaryHolesUsed ? Vec{} : g.AlternateHoleShift * G_;
    // The stacked column the library solves has no grid, so the hole set of
    // the grid does not move its centre of gravity.
    cogShift_ = rigMode_ == 1 ? S_ : Vec{};

    const Vec top{-D0, 0.0};
    Vec E;
    if (rigMode_ == 2) {
        E = top + (h / 2) * Vec{st_, -ct_} + S_;
    } else {
        const double k = h / 2 + g.TopGap + g.Thickness;
        E = top + k * Vec{st_, -ct_} + S_;
        if (theta_ < 0) E = E + g.FrontLength * G_;
    }
    const Vec R = E - g.RearLength * G_;

    if (type15Stacked_) {
        // Measured from the top of the mini cabinets standing on the subwoofers.
        const int32_t top = MinisOnSubwoofersEnds(a_).top;
        a_.SelectCabinet(CheckedAdd(top, 1));
        const double h2 = a_.CurrentBox->FrontHeight;
        const double y = a_.PositionOffset - a_.ElementHeight[top] - (h2 / 2) * CosDeg(a_.Tilt[top]);
        refRY_ = RelY(y);
        cogRefY_ = y;
    } else {
        const double top0 = type_ == TArrayType::Elka ? a_.Splay->Angle[0] - box.BottomFaceAngle
                                                      : a_.Splay->Angle[0];
        refRY_ = top0 > 0 ? RelY(R.y) : RelY(E.y);
    }

    // The top cabinet's front-top corner: the origin of the library's frame.
    const double hNow = a_.CurrentBox->FrontHeight;
    const Vec corner{-D0 + (hNow / 2) * st_, -(hNow / 2) * ct_};
    gx_ = PixX(corner.x);
    if (!type15Stacked_) cogRefY_ = corner.y + cogShift_.y;
}

// The measuring grid steps 0.2 m (half a foot) from line to line, every
// N-th line labelled in whole metres (feet).  At a scale where those lines
// would crowd closer than kMinGridGap pixels, or in a picture so long that one
// direction would need more than kMaxGridLines of them, it steps by N, 10,
// 10 N, 100, ... times as much instead; the labels stay in metres (feet).  So
// no array, stage or picture size asks for more than kMaxGridLines + 51
// vertical and kMaxGridLines + 1 horizontal lines (each a move, a line and at
// most one label): lines closer than a few pixels show nothing but grey.
constexpr double kMinGridGap = 4.0;  // pixels
constexpr int kMaxGridLines = 1000;

// The step in metres, or 0 when no step fits (a scale that is no number).
double GridStep(double baseStep, int N, double Mpx, double Mpy, double across, double down) {
    double step = baseStep;
    for (int k = 0; std::isfinite(step); ++k) {
        const bool apart = std::fabs(step / Mpx) >= kMinGridGap && std::fabs(step / Mpy) >= kMinGridGap;
        const bool few = std::fabs(across / step) <= kMaxGridLines && std::fabs(down / step) <= kMaxGridLines;
        if (apart && few) return step;
        // 1, N, 10, 10 N, 100, ... times the base step.
        step = k % 2 == 0 ? step * N : step * 10.0 / N;
    }
    return 0.0;
}

void SideView::MeasuringGrid() {
    const double baseStep = metric_ ? 0.2 : 0.1524;  // half a foot
    const int N = metric_ ? 5 : 2;
    const double labelUnit = N * baseStep;
    const std::string unit = metric_ ? "m" : "ft";
    const double Mpx = a_.MetresPerPixelX, Mpy = a_.MetresPerPixelY;
    const double V = a_.ViewExtentY - a_.ViewMarginX + 1.0;
    const double step = GridStep(baseStep, N, Mpx, Mpy, width_ * Mpx, V);
    if (step == 0.0) return;
    const int lastI = Round(width_ * Mpx / step);
    const int lastJ = Round(V / step);
    const int down = Round(V / Mpy);
    Later([=, this] {
        const int refY = Y(refRY_);
        c_.SetPenWidth(1);
        c_.SetPenColor(colors::Silver);
        c_.SetFontSize(10);
        const int bottom = CheckedAdd(refY, down);
        int labelsEnd = INT_MIN;  // paper: the right end of the last label written
        for (int i = -50; i <= lastI; ++i) {
            const double x = i * step;
            if (!(gx_ * Mpx + x < width_ * Mpx)) continue;
            c_.SetPenWidth(1);
            const int lx = CheckedAdd(gx_, Round(x / Mpx));
            if (i % N == 0) {
                const int L = Round(x / labelUnit);
                if (L == 0) {
                    c_.SetPenColor(colors::Blue);
                    c_.SetPenWidth(2);
                } else {
                    c_.SetPenColor(colors::Lime);
                }
                c_.SetFontSize(10);
                c_.SetFontColor(colors::Silver);
                const std::string text = rtl::IntToStr(L) + unit;
                const int tx = CheckedSub(lx, c_.TextWidth(text) / 2);
                const int ty = CheckedSub(refY, c_.TextHeight(text));
                // On paper a label that would run into the one before, or
                // come closer to it than a blank, is left out.
                const bool clear = !printing_ || labelsEnd == INT_MIN ||
                                   tx >= CheckedAdd(labelsEnd, c_.TextWidth(" "));
                const std::optional<rtl::Rect> at =
                    clear ? PlaceLabel({tx, ty, CheckedAdd(tx, c_.TextWidth(text)), refY}, true)
                          : std::nullopt;
                if (at) {
                    c_.TextOut(at->left, at->top, text);
                    labelsEnd = at->right;
                }
            } else {
                c_.SetPenColor(colors::Silver);
            }
            c_.MoveTo(lx, bottom);
            c_.LineTo(lx, refY);
        }
        const int left = CheckedAdd(gx_, Round(-50 * step / Mpx));
        const int labelRight = CheckedAdd(gx_, Round((-50 * step - 0.1) / Mpx));
        for (int j = 0; j <= lastJ; ++j) {
            const double y = j * step;
            if (!(refY * Mpy + y < height_ * Mpy)) continue;
            const int ly = CheckedAdd(refY, Round(y / Mpy));
            if (j % N == 0) {
                c_.SetPenColor(colors::Green);
                const int L = Round(y / labelUnit);
                c_.SetFontSize(10);
                c_.SetFontColor(colors::Silver);
                const std::string text = rtl::IntToStr(L) + unit;
                const int tx = CheckedSub(labelRight, c_.TextWidth(text));
                const int ty = CheckedSub(ly, c_.TextHeight(text) / 2);
                if (PlaceLabel({tx, ty, labelRight, CheckedAdd(ty, c_.TextHeight(text))}, false))
                    c_.TextOut(tx, ty, text);
            } else {
                c_.SetPenColor(colors::Silver);
            }
            c_.MoveTo(left, ly);
            c_.LineTo(width_, ly);
        }
    });
}

void SideView::PlumbLine() {
    TMechPoint cog{};
    a_.RigLibrary->COG(&cog);
    const int x = CheckedAdd(gx_, Round((cog.x + cogShift_.x) / a_.MetresPerPixelX));
    const int width = printing_ ? Round(0.5 * a_.CurrentBox->LineWidth / a_.MetresPerPixelX) : 2;
    const int down = Round((a_.ViewExtentY - a_.ViewMarginX + 1.0) / a_.MetresPerPixelY);
    Later([this, x, width, down] {
        const int refY = Y(refRY_);
        c_.SetPenColor(colors::Red);
        c_.SetPenWidth(width);
        c_.MoveTo(x, CheckedAdd(refY, down));
        c_.LineTo(x, refY);
    });
}

void SideView::Cabinets() {
    dotR_ = Pixels(a_.CurrentBox->LineWidth);
    Later([this] { c_.SetPenColor(colors::Black); });
    const bool perElement = a_.TypeInfo().OwnModelPerElement;
    for (int32_t i = CheckedSub(n_, 1); i >= 0; --i) {
        if (perElement) a_.SelectCabinet(CheckedAdd(i, 1));
        const TBox& box = *a_.CurrentBox;
        const Element e = ElementAt(i);

        // Rear link bar.
        bool bar = true;
        if (rigMode_ == 2 && i == 0 && !type15Stacked_) bar = false;
        if (type_ == TArrayType::HobaBexa && i == c1_) bar = false;
        if (type15Stacked_ && i == c1_) bar = false;
        if (type_ == TArrayType::IvorDovi && rigMode_ != 2 && i == 0) bar = false;
        if (bar) {
            Vec Q = e.P4;
            double tb = e.t;
            const bool miniSubBar =
                IsAnyOf(type_, {TArrayType::Ivor, TArrayType::IvorElka, TArrayType::IvorDoviElka}) ||
                (type_ == TArrayType::IvorDovi && rigMode_ != 2);
            if (miniSubBar) {
                Q.x += box.TopOffset + 0.065;
            } else if (type15Stacked_ && i == 0) {
                // The mini cabinets' bar, down from the top subwoofer.
                Q.x += box.TopOffset + 0.235;
                tb = a_.Tilt[CheckedSub(CheckedAdd(c1_, a_.Count2), 1)];
            }
            const Vec Q2 = Q + box.AxisMarkLength * Vec{SinDeg(tb), -CosDeg(tb)};
            ThickLine(Q, Q2, Pixels(box.LineWidth));
        }

        Later([this] {
            c_.SetPenWidth(1);
            c_.SetBrushColor(colors::Cream);
        });
        Polygon({e.P1, e.P2, e.P3, e.P4});

        if (type15Stacked_ ? i == MinisOnSubwoofersEnds(a_).top : i == 0)
            Mark("Y", e.P1, Pixels(box.LineWidth), false);
        if (i == n_ - 1 && rigMode_ == 1) Mark("Z", e.P2, Pixels(box.LineWidth), true);

        const int32_t number = i >= c1_ ? CheckedSub(CheckedAdd(i, 1), c1_) : CheckedAdd(i, 1);
        Number(e.F + (box.Depth / 2) * e.K, i >= 9, number);
    }
}

void SideView::FlyingGrid() {
    const TBox& box = *a_.CurrentBox;
    const TGrid& g = *a_.Grid;
    const double h = box.FrontHeight, d = box.Depth;
    const Vec A = Vec{-a_.ElementDistance[0], 0.0} + (h / 2 + g.TopGap) * Vec{s0_, -c0_} + S_;
    const Vec B = A + g.Thickness * Vec{st_, -ct_};
    gridFrontTop_ = B + g.FrontLength * G_;
    gridRearTop_ = B - g.RearLength * G_;
    const Vec rearUnder = A - g.RearLength * G_;
    const Vec frontUnder = A + g.FrontLength * G_;
    Later([this] {
        c_.SetBrushStyle(rtl::BrushStyle::Solid);
        c_.SetBrushColor(colors::SkyBlue);
        c_.SetPenColor(colors::Navy);
    });
    Polygon({gridFrontTop_, gridRearTop_, rearUnder, frontUnder});

    const rtl::Color primary = g.PrimaryHolesUsed ? colors::Red : colors::Grey;
    const rtl::Color alternate = g.AlternateHolesUsed ? colors::Red : colors::Grey;
    const double L = type_ == TArrayType::Elka ? d : d - box.TopOffset - 0.065;
    const Vec rearLink = A - L * G_;
    Dot(A, primary);
    Dot(rearLink, primary);
    if (!a_.TypeInfo().SingleGridLinkSet) {
        Dot(A - g.AlternateHoleShift * G_, alternate);
        Dot(rearLink - g.AlternateHoleShift * G_, alternate);
    }
    Dot(B + g.FrontPickOffset * G_, colors::Red);
    Dot(B + g.RearPickOffset * G_, colors::Red);
}

void SideView::Junctions() {
    switch (type_) {
        case TArrayType::ArvoBexa: case TArrayType::RuddBexa: case TArrayType::BexaDovi:
            JunctionPiece();
            break;
        case TArrayType::HobaDovi:
            SubToMiniFrame();
            break;
        case TArrayType::HobaBexa:
            SubToCompactBracket();
            break;
        default:
            break;
    }
}

void SideView::JunctionPiece() {
    Later([this] {
        c_.SetBrushStyle(rtl::BrushStyle::Solid);
        c_.SetBrushColor(colors::SkyBlue);
        c_.SetPenColor(colors::Navy);
    });
    a_.SelectCabinet(CheckedAdd(c1_, 1));
    const TBox& box = *a_.CurrentBox;
    const Element e = ElementAt(c1_);
    const double g = a_.JunctionGap, m2 = a_.MixOffset2, m3 = a_.MixOffset3;
    const double h = box.FrontHeight, hr = box.RearHeight, d = box.Depth;
    const Vec J1 = e.F + (h / 2 + g) * e.U;
    const Vec J4 = e.F + m3 * e.K + (hr / 2 + g) * e.U;
    const Vec J2 = J1 - m2 * e.U;
    const Vec J3 = J4 - m2 * e.U;
    const Vec J5 = e.F + d * e.K + (hr / 2 + g - m2) * e.U;
    Polygon({J1, J4, J3, J2});
    Dot(J5, colors::Red);
    Dot(J2, colors::Red);
    Dot(J4, colors::Red);
    Dot(J1, colors::Red);
}

void SideView::SubToMiniFrame() {
    Later([this] {
        c_.SetBrushStyle(rtl::BrushStyle::Solid);
        c_.SetBrushColor(colors::SkyBlue);
        c_.SetPenColor(colors::Navy);
    });
    const int32_t ia = CheckedSub(c1_, 1), ib = c1_;
    a_.SelectCabinet(CheckedAdd(ia, 1));
    const Element ea = ElementAt(ia);
    a_.SelectCabinet(CheckedAdd(ib, 1));
    const Element eb = ElementAt(ib);
    Dot(ea.P2, colors::Red);
    Dot(ea.P3, colors::Red);
    Dot(eb.P1, colors::Red);
    const Vec K0 = ea.P3;
    const Vec K1 = ea.P2 + Vec{0.15 * CosDeg(ea.t), 0.0};
    const Vec K2 = eb.P1 + Vec{0.15 * CosDeg(eb.t), 0.0};
    const Vec K3 = ea.P3 - 0.1 * ea.U;
    Polygon({K0, K1, K2, K3});
}

void SideView::SubToCompactBracket() {
    Later([this] {
        c_.SetBrushStyle(rtl::BrushStyle::Solid);
        c_.SetBrushColor(colors::SkyBlue);
        c_.SetPenColor(colors::Navy);
    });
    a_.SelectCabinet(CheckedAdd(c1_, 1));
    const TBox& box = *a_.CurrentBox;
    const Element e = ElementAt(c1_);
    const double a1 = AllowedAngles.FirstDrawLength, a3 = AllowedAngles.ThirdDrawLength;
    const double phi = static_cast<double>(static_cast<long double>(e.t) * kPi / 180.0L) - box.TaperAngle;
    const Vec ev{std::cos(phi), std::sin(phi)};
    const double t2 = e.t - 3.75;
    const Vec U2{SinDeg(t2), -CosDeg(t2)};
    const Vec e2{CosDeg(t2), SinDeg(t2)};
    const Vec Q0 = e.P4 - a3 * e.U;
    const Vec Q1 = Q0 - 2 * a3 * ev;
    const Vec Q2 = Q0 - a1 * ev;
    const Vec Q3 = Q2 + a3 * e.U;
    const Vec Q4 = Q2 + (0.05 + a1) * U2;
    const Vec Q5 = Q3 + a3 * e2;
    const Vec Q6 = Q4 + a3 * e2;
    const Vec Q7 = Q2 + a1 * U2;
    const Vec Q8 = Q2 + (a1 - 2 * a3) * U2;
    Polygon({Q0, Q2, Q3, Q4, Q6, Q5, e.P4});
    Polygon({Q0, Q7, Q8, Q1});

    // The last subwoofer again, over the bracket.
    a_.SelectCabinet(c1_);
    const int32_t ia = CheckedSub(c1_, 1);
    const Element ea = ElementAt(ia);
    Later([this] {
        c_.SetPenWidth(1);
        c_.SetBrushColor(colors::Cream);
        c_.SetPenColor(colors::Black);
    });
    Polygon({ea.P1, ea.P2, ea.P3, ea.P4});
    Number(ea.F + 0.4 * ea.K, ia >= 9, c1_);
    Later([this] {
        c_.SetBrushColor(colors::SkyBlue);
        c_.SetPenColor(colors::Navy);
    });
    Polygon({Q0, Q7, Q8, Q1});
}

void SideView::GroundStackBase() {
    (void)a_.GroundStackSafetyLevel();  // refreshes the tipping limits
    const int32_t b = CheckedSub(n_, 1);
    a_.SelectCabinet(n_);
    const TBox& box = *a_.CurrentBox;
    const TGrid& g = *a_.Grid;
    const Element e = ElementAt(b);
    const Vec B0 = e.P2;
    const double T = g.PlateThickness;
    const double under = B0.y + T;

    const Vec B1 = B0 - Vec{g.BaseRearLength, 0.0};
    Later([this] { c_.SetBrushColor(colors::SkyBlue); });
    Polygon({B0, B1, B1 + Vec{0.0, T}, B0 + Vec{0.0, T}});
    // A limit that is no number (a column without mass) has no band.
    const double rear = a_.RearTipLimit, front = a_.FrontTipLimit;
    if (std::isfinite(rear)) {
        Later([this] { c_.SetBrushColor(colors::Red); });
        Polygon({{B1.x, under}, B1, {rear, B0.y}, {rear, under}});
    }

    const Vec F0 = B0 + Vec{0.0, g.BaseFrontStep};
    const Vec F1 = F0 + Vec{g.BaseFrontLength, 0.0};
    Later([this] { c_.SetBrushColor(colors::SkyBlue); });
    Polygon({F0, F1, {F1.x, under}, {F0.x, under}});
    if (std::isfinite(front)) {
        Later([this] { c_.SetBrushColor(colors::Red); });
        Polygon({{front, F0.y}, F1, {F1.x, under}, {front, under}});
    }

    const Vec W1 = B0 - Vec{box.Depth, 0.0};
    ThickLine(W1, e.P3, Pixels(box.LineWidth));
    Dot(B0, colors::Red);
    Dot(W1, colors::Red);
}

void SideView::GridMark() {
    const Vec p = theta_ < 0 ? gridFrontTop_ : gridRearTop_;
    Mark("X", p, Pixels(a_.CurrentBox->LineWidth), true);
}

// The library measures the centre of gravity from the top of its column (the
// top cabinet's front-top corner, shifted with the grid's hole set when flown)
// with y upwards; the symbol goes where that point lies in this picture.
void SideView::GravitySymbol() {
    TMechPoint cog{};
    a_.RigLibrary->COG(&cog);
    const int cx = CheckedAdd(gx_, Round((cog.x + cogShift_.x) / a_.MetresPerPixelX));
    // The library measures upwards from its origin.
    const int cry = RelY(cogRefY_ - cog.y);
    const int r = lastMarkR_ >= 0 ? lastMarkR_ : Pixels(a_.CurrentBox->LineWidth);
    const int r4 = CheckedMul(4, r), r3 = CheckedMul(3, r);
    Cover(CheckedSub(cry, r4), CheckedAdd(cry, r4));
    Occupy(CheckedSub(cx, r4), CheckedSub(cry, r4), CheckedAdd(cx, r4), CheckedAdd(cry, r4));
    Later([this, cx, cry, r4, r3] {
        const int cy = Y(cry);
        const int l = CheckedSub(cx, r4), t = CheckedSub(cy, r4);
        const int rt = CheckedAdd(cx, r4), b = CheckedAdd(cy, r4);
        c_.SetPenWidth(1);
        c_.SetBrushColor(colors::Yellow);
        c_.Ellipse(l, t, rt, b);
        c_.SetBrushColor(colors::Black);
        c_.Pie(l, t, rt, b, cx, CheckedSub(cy, r3), CheckedSub(cx, r3), cy);
        c_.Pie(l, t, rt, b, cx, CheckedAdd(cy, r3), CheckedAdd(cx, r3), cy);
    });
}

void SideView::Draw() {
    type_ = a_.ArrayType();
    n_ = a_.ElementCount;
    c1_ = a_.Count1;
    type15Stacked_ = type_ == TArrayType::IvorDovi && rigMode_ == 2;
    if (n_ < 1) throw rtl::RangeError();

    FitArraySideViewScale(a_, equalScale_, width_, height_);
    a_.CalcMechanics();
    Background();
    Origins();
    MeasuringGrid();
    PlumbLine();
    if (drawArray_) {
        Cabinets();
        if (rigMode_ == 1) {
            FlyingGrid();
            Junctions();
        }
        if (rigMode_ == 2 && type_ != TArrayType::IvorDovi) GroundStackBase();
        if (rigMode_ == 1) GridMark();
    }
    GravitySymbol();

    // The array as drawn (cabinets, grid or base, dots, marks and the
    // symbol), centred in the picture's height: a vertical origin tied to
    // the column's nominal height pushes a tall array off the bottom.
    if (spanTop_ <= spanBottom_)
        originY_ = Round(0.5 * (static_cast<double>(height_) - 1.0 - spanTop_ - spanBottom_));
    else
        originY_ = Round(0.5 * height_);
    for (const auto& op : pending_) op();
}

}  // namespace

void FitArraySideViewScale(TLoudspeakerArray& Array, bool EqualScale, int32_t Width,
                           int32_t Height) {
    TLoudspeakerArray& a = Array;
    a.SelectCabinet(1);
    const TBox& box = *a.CurrentBox;
    const double h = box.FrontHeight, d = box.Depth;
    const int32_t last = CheckedSub(a.ElementCount, 1);
    a.ViewMarginY = 0.5;
    a.ViewMarginX = 0.5;
    const ColumnReach reach = ReachOf(a);
    a.ViewExtentX = reach.back + reach.forward + d + 2 * a.ViewMarginX;
    if (a.ArrayType() == TArrayType::IvorDovi && a.RigMode == 2) {
        const ColumnEnds ends = MinisOnSubwoofersEnds(a);
        a.ViewExtentY = a.ElementHeight[ends.top] - a.ElementHeight[ends.bottom] + h + 2 * a.ViewMarginY;
    } else {
        a.ViewExtentY = a.ElementHeight[0] - a.ElementHeight[last] + h + 2 * a.ViewMarginY;
    }
    a.MetresPerPixelX = Width > 0 ? a.ViewExtentX / Width : a.ViewExtentX;
    a.MetresPerPixelY = Height > 0 ? a.ViewExtentY / Height : a.ViewExtentY;
    if (EqualScale) {
        if (a.MetresPerPixelX > a.MetresPerPixelY)
            a.MetresPerPixelY = a.MetresPerPixelX;
        else
            a.MetresPerPixelX = a.MetresPerPixelY;
    }
}

void DrawArraySideView(TLoudspeakerArray& Array, rtl::Canvas& Canvas, bool DrawArray,
                       bool EqualScale, int32_t Width, int32_t Height, bool Metric,
                       int32_t RigMode, bool Printing, bool /*Spare*/) {
    SideView(Array, Canvas, DrawArray, EqualScale, Width, Height, Metric, RigMode, Printing).Draw();
}
