#include "model/details/hole_detail.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/checked.h"
#include "platform/core/rounding.h"

using rtl::CheckedAdd;
using rtl::CheckedMul;
using rtl::CheckedSub;
using rtl::Color;
using rtl::Point;
using rtl::Round;

namespace {

constexpr Color kPaleGreen{192, 220, 192};

// The smallest size a hole's caption is written in to find room in the area.
constexpr int kSmallestLabel = 6;

// The scale pair is kept on the array where the array class declares it.
template <class Array>
void StoreHoleScale(Array& A, const THoleDetailScale& S) {
    if constexpr (requires { A.HoleMetresPerPixelX = S.X; A.HoleMetresPerPixelY = S.Y; }) {
        A.HoleMetresPerPixelX = S.X;
        A.HoleMetresPerPixelY = S.Y;
    }
}

// Keeps every operation of the drawing inside its area.  Lines are cut at
// the area's edge (allowing for the pen's width); dots, arcs, texts and
// fills that would reach outside are left out.  Texts and fill seeds must
// also stay off the frame: an opaque text cell painted over the frame would
// open it, and a fill starting on it would run out of the picture.
class AreaClip {
public:
    AreaClip(rtl::Canvas& C, int32_t Left, int32_t Top, int32_t Width, int32_t Height)
        : C_(C), L_(Left), T_(Top), R_(CheckedAdd(Left, Width)), B_(CheckedAdd(Top, Height)) {}

    rtl::Canvas& Canvas() { return C_; }
    bool Empty() const { return R_ <= L_ || B_ <= T_; }

    // The area itself as a filled polygon, its outline on the area's last
    // column and row.
    void FillArea() {
        if (Empty()) return;
        const int32_t r = R_ - 1;
        const int32_t b = B_ - 1;
        const Point pts[] = {{L_, T_}, {r, T_}, {r, b}, {L_, b}};
        C_.Polygon(pts);
    }

    void Line(Point A, Point B) {
        Point a = A;
        Point b = B;
        if (!ClipSegment(a, b)) return;
        C_.MoveTo(a.x, a.y);
        C_.LineTo(b.x, b.y);
    }

    // An open path: one polyline when it lies inside, else its pieces.
    void Path(const std::vector<Point>& Pts) {
        bool inside = true;
        for (const Point& p : Pts) inside = inside && Inside(p, PenHalf());
        if (inside) {
            C_.Polyline(Pts);
            return;
        }
        for (size_t i = 1; i < Pts.size(); ++i) Line(Pts[i - 1], Pts[i]);
    }

    void Ellipse(int32_t Left, int32_t Top, int32_t Right, int32_t Bottom) {
        if (BoxInside(Left, Top, Right, Bottom, 0)) C_.Ellipse(Left, Top, Right, Bottom);
    }

    // An arc that reaches outside is drawn as short lines cut at the edge,
    // like the straight sides it joins: the outline it closes stays closed
    // up to the frame, so a fill seeded inside cannot run out through the
    // gap a dropped arc would leave.
    void Arc(int32_t Left, int32_t Top, int32_t Right, int32_t Bottom, Point Start, Point End) {
        if (BoxInside(Left, Top, Right, Bottom, PenHalf())) {
            C_.Arc(Left, Top, Right, Bottom, Start.x, Start.y, End.x, End.y);
            return;
        }
        const double cx = (static_cast<double>(Left) + Right) / 2;
        const double cy = (static_cast<double>(Top) + Bottom) / 2;
        const double rx = (static_cast<double>(Right) - Left) / 2;
        const double ry = (static_cast<double>(Bottom) - Top) / 2;
        // Angles as seen on the canvas, counter-clockwise with y downwards.
        const double a0 = std::atan2(cy - Start.y, Start.x - cx);
        double a1 = std::atan2(cy - End.y, End.x - cx);
        constexpr double kTurn = 2 * 3.14159265358979323846;
        while (a1 <= a0) a1 += kTurn;
        // About one line every three pixels of the arc, and never more than
        // 256 lines whatever the size.
        const double length = (a1 - a0) * std::max(std::fabs(rx), std::fabs(ry));
        const int pieces = static_cast<int>(std::clamp(std::ceil(length / 3.0), 4.0, 256.0));
        auto at = [&](int k) {
            const double a = a0 + (a1 - a0) * k / pieces;
            return Point{Round(cx + rx * std::cos(a)), Round(cy - ry * std::sin(a))};
        };
        Point from = at(0);
        for (int k = 1; k <= pieces; ++k) {
            const Point to = at(k);
            Line(from, to);
            from = to;
        }
    }

    void Text(int32_t X, int32_t Y, const std::string& S) {
        const int32_t w = C_.TextWidth(S);
        const int32_t h = C_.TextHeight(S);
        if (X > L_ && Y > T_ && static_cast<int64_t>(X) + w < R_ && static_cast<int64_t>(Y) + h < B_)
            C_.TextOut(X, Y, S);
    }

    // A hole's label: the caption wants its left edge at X, centred on the
    // row Y, never left of MinX (clear of the outline beside the hole) and
    // ending before MaxRight (clear of an outline beyond it), Gap pixels off
    // the area's frame.  Where it would run out of that room it moves left,
    // down to MinX, then steps down from the canvas's font size to
    // kSmallestLabel points, and moves up or down into the area, its top
    // not above MinTop and its bottom not below MaxBottom.  Returns the left
    // edge written, or nothing when even the smallest size has no room.
    std::optional<int32_t> Label(int32_t X, int32_t Y, int32_t MinX, int32_t MaxRight, int32_t Gap,
                                 const std::string& S, int64_t MinTop = INT64_MIN,
                                 int64_t MaxBottom = INT64_MAX) {
        const rtl::Font font = C_.GetFont();
        const int size = C_.FontSize();
        std::optional<int32_t> written;
        for (int points = size; points >= std::min(size, kSmallestLabel) && !written; --points) {
            C_.SetFontSize(points);
            const int64_t w = C_.TextWidth(S);
            const int64_t h = C_.TextHeight(S);
            const int64_t end = std::min<int64_t>(MaxRight, static_cast<int64_t>(R_) - 1 - Gap);
            const int64_t right = end - w;  // last left edge that fits
            const int64_t left = std::max<int64_t>(MinX, static_cast<int64_t>(L_) + 1 + Gap);
            const int64_t top = std::max<int64_t>(MinTop, static_cast<int64_t>(T_) + 1 + Gap);
            const int64_t bottom = std::min<int64_t>(MaxBottom, static_cast<int64_t>(B_) - 1 - Gap) - h;
            if (left > right || top > bottom) continue;
            const int64_t centred = static_cast<int64_t>(Y) - h / 2;
            const auto x = static_cast<int32_t>(std::clamp<int64_t>(X, left, right));
            const auto y = static_cast<int32_t>(std::clamp<int64_t>(centred, top, bottom));
            C_.TextOut(x, y, S);
            written = x;
        }
        C_.SetFont(font);
        return written;
    }

    void FloodFill(Point Seed, Color Surface) {
        if (Seed.x > L_ && Seed.y > T_ && Seed.x < R_ - 1 && Seed.y < B_ - 1)
            C_.FloodFill(Seed.x, Seed.y, Surface);
    }

private:
    int32_t PenHalf() const { return std::max(C_.GetPen().width, 1) / 2; }

    bool Inside(Point P, int32_t Inset) const {
        return P.x >= static_cast<int64_t>(L_) + Inset && P.x <= static_cast<int64_t>(R_) - 1 - Inset &&
               P.y >= static_cast<int64_t>(T_) + Inset && P.y <= static_cast<int64_t>(B_) - 1 - Inset;
    }

    bool BoxInside(int32_t Left, int32_t Top, int32_t Right, int32_t Bottom, int32_t Inset) const {
        return static_cast<int64_t>(Left) - Inset >= L_ && static_cast<int64_t>(Top) - Inset >= T_ &&
               static_cast<int64_t>(Right) + Inset <= R_ && static_cast<int64_t>(Bottom) + Inset <= B_;
    }

    // Liang-Barsky on the pixel centres the pen may cover.
    bool ClipSegment(Point& A, Point& B) const {
        const int32_t inset = PenHalf();
        const double xmin = static_cast<double>(L_) + inset;
        const double xmax = static_cast<double>(R_) - 1 - inset;
        const double ymin = static_cast<double>(T_) + inset;
        const double ymax = static_cast<double>(B_) - 1 - inset;
        if (xmin > xmax || ymin > ymax) return false;
        if (Inside(A, inset) && Inside(B, inset)) return true;
        const double x0 = A.x, y0 = A.y;
        const double dx = static_cast<double>(B.x) - x0;
        const double dy = static_cast<double>(B.y) - y0;
        double t0 = 0.0, t1 = 1.0;
        const double p[4] = {-dx, dx, -dy, dy};
        const double q[4] = {x0 - xmin, xmax - x0, y0 - ymin, ymax - y0};
        for (int i = 0; i < 4; ++i) {
            if (p[i] == 0.0) {
                if (q[i] < 0.0) return false;
                continue;
            }
            const double t = q[i] / p[i];
            if (p[i] < 0.0)
                t0 = std::max(t0, t);
            else
                t1 = std::min(t1, t);
            if (t0 > t1) return false;
        }
        auto at = [&](double t) {
            const double x = std::clamp(x0 + t * dx, xmin, xmax);
            const double y = std::clamp(y0 + t * dy, ymin, ymax);
            return Point{Round(x), Round(y)};
        };
        const Point a = t0 > 0.0 ? at(t0) : A;
        const Point b = t1 < 1.0 ? at(t1) : B;
        A = a;
        B = b;
        return true;
    }

    rtl::Canvas& C_;
    int32_t L_, T_, R_, B_;
};

enum class Column { Near, Middle, Far };

}  // namespace

THoleDetailScale FitHoleDetailScale(TLoudspeakerArray& A, bool EqualScale, int32_t Width,
                                    int32_t Height) {
    A.ViewMarginY = 0.02;
    A.ViewMarginX = 0.012;
    A.SelectCabinet(1);
    const TBox& box = *A.CurrentBox;
    // The extents cross the two margins as the layout was tuned with them.
    if (A.ArrayType() == TArrayType::Dovi) {
        A.ViewExtentX = (0.04 + box.LinkDrop) * A.ViewMarginY;
        A.ViewExtentY = 2 * A.ViewMarginX + box.FrontHeight / 2;
    } else {
        A.ViewExtentX = box.LinkDrop * A.ViewMarginY;
        A.ViewExtentY = 2 * A.ViewMarginX + box.FrontHeight / 4;
    }
    THoleDetailScale s;
    s.X = Width > 0 ? A.ViewExtentX / Width : A.ViewExtentX;
    s.Y = Height > 0 ? A.ViewExtentY / Height : A.ViewExtentY;
    if (EqualScale) {
        if (s.X > s.Y)
            s.Y = s.X;
        else
            s.X = s.Y;
    }
    StoreHoleScale(A, s);
    return s;
}

THoleDetailScale DrawArrayHoleDetail(TLoudspeakerArray& A, rtl::Canvas& Canvas, bool EqualScale,
                                     bool Printing, int32_t Width, int32_t Height, int32_t Left,
                                     int32_t Top, bool /*Metric*/, int32_t /*RigMode*/) {
    THoleDetailScale s = FitHoleDetailScale(A, EqualScale, Width, Height);
    AreaClip clip(Canvas, Left, Top, Width, Height);
    // On paper a mix standing on the mini cabinet gets the mini cabinet's
    // detail: its plate, bar and label columns are drawn for that model.
    const bool miniBox = A.CurrentBox != nullptr && A.CurrentBox->ModelName == "Dovi";
    const TArrayType type = Printing && miniBox ? TArrayType::Dovi : A.ArrayType();

    // Clear the area and frame it.
    Canvas.SetBrush(rtl::Brush{rtl::colors::White, rtl::BrushStyle::Solid});
    Canvas.SetPenColor(Printing ? rtl::colors::White : rtl::colors::Black);
    clip.FillArea();
    Canvas.SetPenColor(rtl::colors::Black);
    Canvas.SetPenWidth(1);
    {
        const int32_t r1 = CheckedSub(CheckedAdd(Left, Width), 1);
        const int32_t b1 = CheckedSub(CheckedAdd(Top, Height), 1);
        clip.Line({Left, Top}, {r1, Top});
        clip.Line({r1, Top}, {r1, b1});
        clip.Line({r1, b1}, {Left, b1});
        clip.Line({Left, b1}, {Left, Top});
    }

    int32_t W = Width;
    int32_t H = Height;
    int32_t r = 4;
    const TBox& box = *A.CurrentBox;
    const double linkDrop = box.LinkDrop;
    const double frontHeight = box.FrontHeight;
    int32_t OX, OY;
    if (type == TArrayType::Dovi || type == TArrayType::Elka) {
        OX = CheckedSub(W, Round(0.9 * linkDrop / s.X));
        OY = CheckedSub(H, Round((0.25 * frontHeight - 0.1 * A.ViewMarginX) / s.Y));
    } else {
        OX = CheckedSub(W, Round(0.5 * linkDrop / s.X));
        OY = CheckedSub(H, Round((0.25 * frontHeight - A.ViewMarginX) / s.Y));
    }
    if (Printing) {
        // On paper the detail takes a third of the cleared area.
        W = Round(W * 0.33);
        H = Round(H * 0.35);
        s = FitHoleDetailScale(A, EqualScale, W, H);
        if (type == TArrayType::Arvo || type == TArrayType::Dovi)
            OX = CheckedAdd(W, Round(0.5 * linkDrop / s.X));
        else if (type == TArrayType::Bexa)
            OX = CheckedAdd(W, Round(0.57 * linkDrop / s.X));
        OY = CheckedSub(H, Round((0.25 * frontHeight - A.ViewMarginX) / s.Y));
        r = Round(0.003 / s.Y);
        const TArrayType own = A.ArrayType();
        if (own != TArrayType::Arvo && own != TArrayType::Dovi && own != TArrayType::Bexa) {
            // The downfill's single hole is its reference hole, so hole 1
            // sits at OX; a mix standing on the downfill hangs the same way.
            // The screen's offset belongs to the full-size
            // scale and would put it far outside the printed area: the
            // detail is centred instead, from the bar's left side (24r + 2r
            // left of the hole) to the end of the hole's label (4r right,
            // then the caption), made smaller when the area is too narrow.
            Canvas.SetFontSize(8);
            const TGroundStackBar& gsb = *A.GroundStackBar;
            const int labelled = gsb.CabinetHole[gsb.CurrentIndex];
            const int64_t caption = labelled == 1 && box.HoleCountInUse() >= 1
                                        ? Canvas.TextWidth(box.HoleCaptions[0])
                                        : 0;
            const int64_t room = static_cast<int64_t>(Width) - 8;  // off the frame
            const int64_t fit = (room - caption) / 30;
            if (fit >= 1 && r > fit) {
                r = static_cast<int32_t>(fit);
                s.X = s.Y = 0.003 / r;
                OY = CheckedSub(H, Round((0.25 * frontHeight - A.ViewMarginX) / s.Y));
            }
            // A cabinet with more holes than the downfill's reaches further:
            // its plate (3r round each hole) and the label of the hole in use
            // (at most 13r and the caption beyond it); the scale is made
            // smaller again when all of it is wider than the area.
            const int holes = std::min(box.HoleCountInUse(), 8);
            int64_t lo = 0, hi = 0;
            const auto extent = [&] {
                const auto dx = [&](int k) {
                    return static_cast<int64_t>(Round(-box.Holes[k - 1].X / s.X)) +
                           Round(box.HoleOrigin[1] / s.X);
                };
                const int64_t first = holes >= 1 ? dx(1) : 0;
                lo = first - (type == TArrayType::Dovi ? 29LL : 26LL) * r;  // the bar's left side
                hi = first + std::max<int64_t>(3LL * r, 4LL * r + caption);
                for (int k = 2; k <= holes; ++k) {
                    lo = std::min<int64_t>(lo, dx(k) - 3LL * r);
                    hi = std::max<int64_t>(hi, dx(k) + 3LL * r);
                }
                if (type == TArrayType::Dovi)  // the note under the bar
                    hi = std::max<int64_t>(hi, first - 26LL * r + Canvas.TextWidth("Other side mirrored"));
                if (labelled > 1 && labelled <= holes)
                    hi = std::max<int64_t>(hi, dx(labelled) + 13LL * r +
                                                   Canvas.TextWidth(box.HoleCaptions[labelled - 1]));
            };
            extent();
            if (hi - lo > room && r > 1) {
                r = static_cast<int32_t>(std::max<int64_t>(1, r * room / (hi - lo)));
                s.X = s.Y = 0.003 / r;
                OY = CheckedSub(H, Round((0.25 * frontHeight - A.ViewMarginX) / s.Y));
                extent();
            }
            OX = static_cast<int32_t>(std::clamp<int64_t>(
                (Width - (hi - lo)) / 2 - lo, std::numeric_limits<int32_t>::min(),
                std::numeric_limits<int32_t>::max()));
        }
    }
    const int32_t AX = CheckedAdd(OX, Round(box.HoleOrigin[1] / s.X));
    const int32_t AY = CheckedAdd(OY, Round(box.HoleOrigin[0] / s.Y));
    auto map = [&](double x, double y) {
        return Point{CheckedAdd(CheckedAdd(Round(x / s.X), AX), Left),
                     CheckedAdd(CheckedAdd(Round(y / s.Y), AY), Top)};
    };
    auto times = [](double c, int32_t v) { return Round(c * v); };

    auto dot = [&](Point P, Color Colour) {
        Canvas.SetPenWidth(1);
        const rtl::Brush saved = Canvas.GetBrush();
        Canvas.SetBrush(rtl::Brush{Colour, rtl::BrushStyle::Solid});
        clip.Ellipse(CheckedSub(P.x, r), CheckedSub(P.y, r), CheckedAdd(P.x, r), CheckedAdd(P.y, r));
        Canvas.SetBrush(saved);
    };
    const int32_t outlineWidth = Printing ? 5 : 1;
    // The pixels a text keeps off an outline's edge and off the frame.
    const int32_t gap = CheckedAdd(outlineWidth, 1);
    // A label's caption keeps clear of the outline whose right side is at
    // `outlineRight` and of one whose left side is at `outlineLeft` beyond
    // it; its leader runs from the caption to the hole.
    // Where the room is only on the outline's other side (`besideLeft`, the
    // left side of the bar), the caption ends before it instead, its
    // leader running on to the hole.  A hole at an end of the bar may have
    // its caption beyond that end (`beyond`: the rows the caption may take,
    // from the bar's left side on, ending before `outlineLeft` unless it
    // stands below `freeBelow`), where the red dot marks the hole.  With no
    // room anywhere the caption is left out rather than written under an
    // outline.
    struct Beyond {
        int64_t minTop, maxBottom;
        int64_t freeBelow;
    };
    auto label = [&](Point P, const std::string& Caption, Column Col, int32_t outlineRight,
                     int32_t outlineLeft, std::optional<int32_t> besideLeft = std::nullopt,
                     std::optional<Beyond> beyond = std::nullopt) {
        Canvas.SetFontColor(rtl::colors::Black);
        Canvas.SetFontSize(8);
        int32_t dx = 0;
        switch (Col) {
            case Column::Near: dx = Printing ? CheckedMul(4, r) : times(3.5, r); break;
            case Column::Middle: dx = CheckedMul(Printing ? 9 : 8, r); break;
            case Column::Far: dx = CheckedMul(Printing ? 13 : 12, r); break;
        }
        const int32_t X = CheckedAdd(P.x, dx);
        const int32_t clear = CheckedAdd(std::max(outlineRight, CheckedAdd(P.x, r)),
                                         CheckedAdd(outlineWidth / 2, gap));
        const int32_t before = CheckedSub(outlineLeft, CheckedAdd(outlineWidth / 2, gap));
        std::optional<int32_t> written = clip.Label(X, P.y, clear, before, gap, Caption);
        const int32_t end =
            besideLeft ? CheckedSub(*besideLeft, CheckedAdd(outlineWidth / 2, gap)) : INT32_MIN;
        std::optional<int32_t> at;
        if (!written && besideLeft) at = clip.Label(end, P.y, INT32_MIN, end, gap, Caption);
        if (!written && !at && beyond && besideLeft) {
            // Set as near the hole's row as those rows allow; below every
            // outline it may run on to the frame.
            const bool below = beyond->minTop > beyond->freeBelow;
            clip.Label(CheckedSub(*besideLeft, outlineWidth / 2), P.y, INT32_MIN,
                       below ? INT32_MAX : before, gap, Caption, beyond->minTop, beyond->maxBottom);
        } else if (written) {
            clip.Line({*written, P.y}, {CheckedAdd(P.x, r), P.y});
        } else if (at) {
            // Set right-aligned to `end`: the leader runs on from there.
            clip.Line({end, P.y}, {CheckedSub(P.x, r), P.y});
        } else if (!besideLeft) {
            // A cabinet hole's leader stays where its caption had no room.
            clip.Line({X, P.y}, {CheckedAdd(P.x, r), P.y});
        }
        dot(P, rtl::colors::Red);
    };

    // The cabinet's holes: only those the model has, the eighth only with
    // more than seven splay choices.
    const int holesInModel = std::min(box.HoleCountInUse(), 8);
    auto exists = [&](int k) {
        if (k < 1 || k > holesInModel) return false;
        return k < 8 || box.SplayCount > 7;
    };
    Point P[9];
    for (int k = 1; k <= 8; ++k)
        if (exists(k)) P[k] = map(-box.Holes[k - 1].X, -box.Holes[k - 1].Y);
    // A model without holes still places the bar by its reference hole.
    if (!exists(1)) P[1] = map(-box.HoleOrigin[1], -box.HoleOrigin[0]);
    for (int k = 1; k <= 8; ++k)
        if (exists(k)) dot(P[k], rtl::colors::Silver);

    // The cabinet's plate round its holes, open at the top.
    const int32_t r3 = CheckedMul(3, r);
    const int32_t r4 = CheckedMul(4, r);
    std::vector<Point> plate;
    if (box.SplayCount > 7 && type == TArrayType::Dovi && exists(6)) {
        const int32_t right = CheckedAdd(P[5].x, r3);
        const int32_t left = CheckedSub(P[1].x, r3);
        plate = {{right, Top},
                 {right, CheckedAdd(P[6].y, r4)},
                 {left, CheckedAdd(P[6].y, r3)},
                 {left, Top}};
    } else if (holesInModel >= 1) {
        const int last = exists(8) ? 8 : std::min(7, holesInModel);
        const int second = std::min(2, holesInModel);
        const int32_t left = CheckedSub(P[second].x, r3);
        const int32_t right = CheckedAdd(P[1].x, r3);
        plate = {{left, Top},
                 {left, CheckedAdd(P[last].y, r3)},
                 {right, CheckedAdd(P[last].y, r4)},
                 {right, Top}};
    }
    const TGroundStackBar& bar = *A.GroundStackBar;
    const int cabinetHole = bar.CabinetHole[bar.CurrentIndex];
    if (exists(cabinetHole)) {
        static constexpr Column kMini[8] = {Column::Far,  Column::Middle, Column::Far,
                                            Column::Middle, Column::Near, Column::Far,
                                            Column::Middle, Column::Near};
        static constexpr Column kOther[8] = {Column::Near, Column::Middle, Column::Near,
                                             Column::Middle, Column::Near, Column::Middle,
                                             Column::Near, Column::Middle};
        const Column col = (type == TArrayType::Dovi ? kMini : kOther)[cabinetHole - 1];
        int32_t plateRight = P[cabinetHole].x;
        for (const Point& q : plate) plateRight = std::max(plateRight, q.x);
        label(P[cabinetHole], box.HoleCaptions[cabinetHole - 1], col, plateRight, INT32_MAX);
    }

    auto drawPlate = [&] {
        Canvas.SetPenColor(rtl::colors::Black);
        Canvas.SetPenWidth(outlineWidth);
        if (!plate.empty()) clip.Path(plate);
    };
    drawPlate();

    // The bar's three holes: top, grid, middle.
    int m = 26;
    if (Printing)
        m = type == TArrayType::Arvo   ? 31
            : type == TArrayType::Bexa ? 27
            : type == TArrayType::Dovi ? 26
                                       : 24;
    Point Tp{CheckedSub(P[1].x, CheckedMul(m, r)),
             CheckedAdd(Top, CheckedMul(Printing ? 10 : 4, r))};
    Point Gp{Tp.x, CheckedSub(CheckedAdd(Top, H), CheckedMul(Printing ? 10 : 4, r))};
    Point Mp{type == TArrayType::Dovi ? CheckedAdd(Tp.x, r) : Tp.x, 0};
    if (!Printing)
        Mp.y = CheckedSub(Gp.y, Tp.y) / 2;
    else if (type == TArrayType::Arvo || type == TArrayType::Dovi)
        Mp.y = CheckedAdd(Tp.y, CheckedMul(11, r));
    else if (type == TArrayType::Bexa)
        Mp.y = CheckedAdd(Tp.y, CheckedMul(7, r));
    else
        Mp.y = static_cast<int32_t>((static_cast<int64_t>(Tp.y) + Gp.y) / 2);
    dot(Tp, rtl::colors::Grey);
    dot(Gp, rtl::colors::Grey);
    dot(Mp, rtl::colors::Grey);

    // The bar: a slot with rounded ends; the mini bar's top corner is cut.
    const bool miniBar = type == TArrayType::Dovi;
    const int32_t wr = CheckedMul(miniBar ? 3 : 2, r);
    const int32_t barTop = CheckedSub(Tp.y, 1);
    const int32_t barBottom = CheckedAdd(Gp.y, 1);
    const Point rightStart{CheckedAdd(Tp.x, wr), miniBar ? CheckedAdd(Tp.y, r3) : barTop};
    const Point topStart = miniBar ? Point{CheckedAdd(Tp.x, wr), CheckedSub(Tp.y, wr)}
                                   : Point{CheckedAdd(Tp.x, wr), Tp.y};
    auto drawBar = [&] {
        Canvas.SetPenColor(rtl::colors::Black);
        Canvas.SetPenWidth(outlineWidth);
        clip.Line({CheckedSub(Tp.x, wr), barTop}, {CheckedSub(Tp.x, wr), barBottom});
        clip.Line(rightStart, {CheckedAdd(Tp.x, wr), barBottom});
        if (type == TArrayType::Dovi)
            clip.Line(rightStart, {CheckedAdd(Tp.x, CheckedMul(2, r)), Round(Tp.y - 2.5 * r)});
        clip.Arc(CheckedSub(Tp.x, wr), CheckedSub(Tp.y, wr), CheckedAdd(Tp.x, wr),
                 CheckedAdd(Tp.y, wr), topStart, {CheckedSub(Tp.x, wr), Tp.y});
        clip.Arc(CheckedSub(Gp.x, wr), CheckedSub(Gp.y, wr), CheckedAdd(Gp.x, wr),
                 CheckedAdd(Gp.y, wr), {CheckedSub(Gp.x, wr), Gp.y}, {CheckedAdd(Gp.x, wr), Gp.y});
    };
    drawBar();

    // The bar's labels end before the plate's left side.
    int32_t plateLeft = INT32_MAX;
    for (const Point& q : plate)
        if (q.x > Tp.x) plateLeft = std::min(plateLeft, q.x);
    const int32_t barLeft = CheckedSub(Tp.x, wr);
    // Beyond the bar's ends: above its top arc (the plate, open at the
    // top, runs up to the area's edge) or below its bottom arc.
    const int64_t clearance = outlineWidth / 2 + gap;
    int64_t plateBottom = INT64_MIN;
    for (const Point& q : plate) plateBottom = std::max<int64_t>(plateBottom, q.y);
    const Beyond aboveBar{INT64_MIN, static_cast<int64_t>(Tp.y) - wr - clearance, INT64_MAX};
    const Beyond belowBar{static_cast<int64_t>(Gp.y) + wr + clearance, INT64_MAX,
                          plateBottom + clearance};
    if (bar.CurrentHoleNumber() == 0)
        label(Tp, "TOP Hole", Column::Near, CheckedAdd(Tp.x, wr), plateLeft, barLeft, aboveBar);
    else
        label(Mp, "MID Hole", Column::Near, CheckedAdd(Tp.x, wr), plateLeft, barLeft);
    label(Gp, "Grid Hole", Column::Near, CheckedAdd(Tp.x, wr), plateLeft, barLeft, belowBar);

    // The labels' opaque cells may have cut into the outlines, depending on
    // the font; the fills need them whole.
    drawPlate();
    drawBar();
    Canvas.SetPenWidth(1);

    Canvas.SetBrush(rtl::Brush{kPaleGreen, rtl::BrushStyle::Solid});
    clip.FloodFill({Tp.x, CheckedAdd(Tp.y, CheckedMul(5, r))}, rtl::colors::White);
    if (holesInModel >= 1)
        clip.FloodFill({P[1].x, CheckedAdd(P[1].y, CheckedMul(2, r))}, rtl::colors::White);
    clip.FloodFill({Tp.x, CheckedAdd(Tp.y, CheckedMul(2, r))}, rtl::colors::White);

    // The note belongs to the mini cabinet's own array: a mix drawn with
    // the mini cabinet's layout has no mirrored side.
    if (A.ArrayType() == TArrayType::Dovi) {
        Canvas.SetFontSize(8);
        clip.Text(Gp.x, CheckedAdd(Gp.y, CheckedMul(15, r)), "Other side mirrored");
    }
    return s;
}
