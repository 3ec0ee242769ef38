#include "venue/section/venue_section.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <utility>

#include "platform/core/checked.h"
#include "platform/core/numtext.h"
#include "platform/core/rounding.h"
#include "platform/core/text_lines.h"
#include "model/hardware/units.h"

namespace {

namespace col = section_colors;

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr double kFeet = units::kMetresPerFoot;
// Beyond this many ticks the scale is a grey smear anyway; an absurd venue
// must not keep the window busy drawing them.
constexpr int kMaxScaleTicks = 2000;

int ToPixel(double v) {
    if (std::isnan(v)) return 0;
    const double limit = kSectionPixelLimit;
    return rtl::Round(std::clamp(v, -limit, limit));
}

double SinDeg(double deg) { return static_cast<double>(std::sin(deg * kPi / 180.0L)); }
double CosDeg(double deg) { return static_cast<double>(std::cos(deg * kPi / 180.0L)); }

double FarEnd(const TVenue& v) {
    const double near = v.Plane1Length + v.Plane2Length;
    const double far3 = v.Plane3Distance + v.Plane3Length;
    return far3 >= near ? far3 : near;
}

// The plane (1, 2 or 3) a distance from the array lies over, of the planes
// that are there: beyond planes 1 and 2 the third where it is there, beyond
// plane 1 the second where it is there, else the first.
int PlaneUnder(const TVenue& v, double x) {
    if (x > v.Plane1Length + v.Plane2Length && v.Plane3Present) return 3;
    if (x > v.Plane1Length && v.Plane2Present) return 2;
    return 1;
}

// The part of the segment inside the rectangle (edges included), or
// nothing when it misses it.
std::optional<std::pair<rtl::Point, rtl::Point>> ClipSegment(rtl::Point a, rtl::Point b,
                                                             const rtl::Rect& r) {
    const double dx = static_cast<double>(b.x) - a.x;
    const double dy = static_cast<double>(b.y) - a.y;
    double t0 = 0.0;
    double t1 = 1.0;
    // Each edge as p * t <= q (Liang-Barsky).
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {static_cast<double>(a.x) - r.left, static_cast<double>(r.right) - a.x,
                         static_cast<double>(a.y) - r.top, static_cast<double>(r.bottom) - a.y};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0.0) {
            if (q[k] < 0.0) return std::nullopt;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) return std::nullopt;
    }
    const auto at = [&](double t) {
        return rtl::Point{rtl::Round(a.x + t * dx), rtl::Round(a.y + t * dy)};
    };
    return std::make_pair(at(t0), at(t1));
}

// A filled square 2 pixels each way about the point.
void Square(rtl::Canvas& c, rtl::Point p, rtl::Color color) {
    c.SetBrushColor(color);
    c.SetBrushStyle(rtl::BrushStyle::Solid);
    c.FillRect(p.x - 2, p.y - 2, p.x + 3, p.y + 3);
}

void SetFont(rtl::Canvas& c, int points, rtl::Color color) {
    c.SetFontName("Arial");
    c.SetFontBold(false);
    c.SetFontSize(points);
    c.SetFontColor(color);
}

class SectionPainter {
public:
    SectionPainter(TVenue& venue, rtl::Canvas& canvas, const VenueSectionArgs& args)
        : v_(venue), c_(canvas), a_(args), w_(args.WideLines ? 7 : 1) {}

    VenueSectionResult Paint();

private:
    rtl::Point P(double x, double y) const { return WorldToPixel(v_, x, y); }
    void Line(double x1, double y1, double x2, double y2) {
        const rtl::Point a = P(x1, y1);
        const rtl::Point b = P(x2, y2);
        c_.MoveTo(a.x, a.y);
        c_.LineTo(b.x, b.y);
    }
    void WidePen(rtl::Color color) {
        c_.SetPen(rtl::Pen{color, w_, rtl::PenStyle::Solid});
    }
    // Widens the array's box to a pixel drawn with a pen `width` wide.
    void Cover(rtl::Point q, int width) {
        const int half = width / 2 + 1;
        const rtl::Rect r{q.x - half, q.y - half, q.x + half + 1, q.y + half + 1};
        arrayBox_ = arrayBox_ ? rtl::Union(*arrayBox_, r) : r;
    }

    void Frame();
    void Help();
    void Planes();
    void Coverage();
    void Rays();
    void CoverageStartTest(int last);
    void DownfillTest(int count);
    void Cabinets(int count);
    void Grid();
    void RayEndSquares();
    void Heights();
    void Footer();
    void PaperFooter(const std::string& line);
    void Notice();
    // Paper: the area inside the frame's lines, which the printed texts and
    // rays keep to (the screen draws as ever).
    rtl::Rect Inside() const;
    void RayLine(rtl::Point from, rtl::Point to);
    void FittedStrip(const std::string& text);
    int ScaleLabelPitch(int lastTick, int widestLabel);
    void HeightLabels(const std::string& lowest, const std::string& highest);

    TVenue& v_;
    rtl::Canvas& c_;
    const VenueSectionArgs& a_;
    const int w_;
    int lineStep_ = 0;
    // Where the footer line starts (top) and its texts end (right).
    int footerTop_ = 0;
    int footerEnd_ = 0;
    // The pixels the cabinets and the grid cover, with their pens.
    std::optional<rtl::Rect> arrayBox_;
    VenueSectionResult r_;
};

VenueSectionResult SectionPainter::Paint() {
    r_.Drop = FitVenueScale(v_, a_.EqualScale, a_.Width, a_.Height);
    c_.SetBrush(rtl::Brush{col::White, rtl::BrushStyle::Solid});
    if (a_.ClearBackground) c_.FillRect(c_.ClipRect());

    Frame();
    SetFont(c_, 10, col::Black);
    lineStep_ = rtl::Round(c_.TextHeight("S") * 1.01);
    if (a_.ShowHelp) Help();

    const int count = rtl::CheckedAdd(rtl::CheckedAdd(v_.NumBoxes1, v_.NumBoxes2), v_.NumBoxes3);
    if (a_.ShowPlanes) Planes();
    if (a_.ShowCoverage) Coverage();
    if (a_.ShowRays || a_.ShowRayEnds) Rays();
    if (a_.ShowRays && count > 0) {
        CoverageStartTest(count - 1);
        DownfillTest(count);
    }
    if (a_.ShowArray) Cabinets(count);
    if (a_.ShowRayEnds) RayEndSquares();
    if (a_.ShowCoverage) Heights();
    Footer();
    if (a_.WideLines && !a_.ShowHelp) Notice();

    r_.MarginX = v_.MarginX;
    r_.MarginY = v_.MarginY;
    r_.ExtentY = v_.ExtentY;
    r_.ExtentX = v_.ExtentX;
    r_.ScaleX = v_.ScaleX;
    r_.ScaleY = v_.ScaleY;
    r_.LowestHeight = v_.LowestHeight;
    return r_;
}

void SectionPainter::Frame() {
    c_.SetPenWidth(w_);
    c_.SetPenStyle(rtl::PenStyle::Solid);
    const int right = rtl::CheckedSub(a_.Width, rtl::CheckedMul(2, w_));
    const int bottom = rtl::CheckedSub(a_.Height, w_);
    c_.MoveTo(0, 0);
    c_.LineTo(right, 0);
    c_.LineTo(right, bottom);
    c_.LineTo(0, bottom);
    c_.LineTo(0, 0);
}

void SectionPainter::Help() {
    struct Row {
        int k;
        int x;
        const char* text;
    };
    static constexpr Row kRows[] = {
        {2, 50, "TO DESIGN AN ARRAY "},
        {2, 235, "- enter venue dimensions"},
        {3, 235, "- start and end of required coverage"},
        {4, 235, "- Array fixing - Fly or Stack"},
        {5, 235, "- min trim height or Stage height for stacks"},
        {6, 235, "- max pick height"},
        {7, 235, "- number and type of cabinets"},
        {8, 235, "- click on 'Design' to automatically calculate splay angles"},
        {9, 50, " OR"},
        {9, 235, "- click on 'Load' to recall a saved design"},
        {11, 50, " NOTE "},
        {11, 235, "- Initial values are defaults and not recommendations "},
    };
    const int top = rtl::CheckedSub(a_.Height, rtl::CheckedMul(15, lineStep_)) / 2;
    for (const Row& row : kRows) {
        c_.TextOut(row.x, rtl::CheckedAdd(top, rtl::CheckedMul(row.k, lineStep_)), row.text);
    }
}

void SectionPainter::Planes() {
    const TVenue& v = v_;
    WidePen(col::Black);
    Line(0, 0, v.Plane1Length, v.Plane1Height);
    const double start2 = v.Plane1Length;
    const double end2 = v.Plane1Length + v.Plane2Length;
    const double start3 = v.Plane3Distance;
    const double end3 = v.Plane3Distance + v.Plane3Length;
    if (v.Plane2Present) {
        Line(start2, v.Plane2Elevation, end2, v.Plane2Elevation + v.Plane2Height);
    }
    if (v.Plane3Present) {
        Line(start3, v.Plane3Elevation, end3, v.Plane3Elevation + v.Plane3Height);
    }
    if (v.Plane2EarHeight > 0 && v.Plane1EarHeight > 0) {
        c_.SetPenColor(col::Red);
        Line(0, v.Plane1EarHeight, v.Plane1Length, v.Plane1Height + v.Plane1EarHeight);
        if (v.Plane2Present) {
            c_.SetPenColor(col::Green);
            Line(start2, v.Plane2Elevation + v.Plane2EarHeight, end2,
                 v.Plane2Elevation + v.Plane2Height + v.Plane2EarHeight);
        }
        if (v.Plane3Present) {
            c_.SetPenColor(col::Blue);
            Line(start3, v.Plane3Elevation + v.Plane3EarHeight, end3,
                 v.Plane3Elevation + v.Plane3Height + v.Plane3EarHeight);
        }
    }
    if (a_.RigMode == 2) {
        c_.SetPenColor(col::Navy);
        c_.SetBrush(rtl::Brush{col::White, rtl::BrushStyle::Solid});
        c_.Polygon({P(0, 0), P(0, v.ArrayHeight), P(-1.5, v.ArrayHeight), P(-1.5, 0)});
    }
}

void SectionPainter::Coverage() {
    const TVenue& v = v_;
    const double drop = r_.Drop;
    WidePen(col::Silver);

    // Each mark ends on the listening line of the plane it lies over; an
    // absent plane has none, so beyond the planes there are the mark ends
    // on the last one's line.
    const auto listening = [&v](int plane, double x) {
        switch (plane) {
        case 3: return v.Plane3Slope * x + v.Plane3Intercept;
        case 2: return v.Plane2Slope * x + v.Plane2Intercept;
        default: return v.Plane1Slope * x + v.Plane1Intercept;
        }
    };
    const double start = v.CoverageStart;
    Line(start, -drop, start, listening(PlaneUnder(v, start), start));
    const double stop = v.CoverageStop;
    Line(stop, -drop, stop, listening(PlaneUnder(v, stop), stop));

    r_.StartHandle = P(start, -drop);
    r_.StopHandle = P(stop, -drop);
    if (a_.ShowHandles) {
        Square(c_, *r_.StartHandle, a_.StartHot ? col::Red : col::Navy);
        Square(c_, *r_.StopHandle, a_.StopHot ? col::Red : col::Navy);
    }

    // The distance scale along the floor line.
    c_.SetPenColor(col::Grey);
    c_.SetBrush(rtl::Brush{col::White, rtl::BrushStyle::Solid});
    const double far = FarEnd(v);
    Line(0, -drop, far, -drop);
    SetFont(c_, a_.WideLines ? 10 : 6, col::Grey);
    const double ticks = far / 5.0;
    if (!(ticks >= 0.0)) return;  // a venue without any length (or not a number)
    const int last = ticks > kMaxScaleTicks ? kMaxScaleTicks : rtl::Round(ticks);
    const auto labelOf = [&](int k) {
        return rtl::IntToStr(a_.Metric ? 5LL * k : rtl::Round(5.0 * k / kFeet));
    };
    const int pitch = ScaleLabelPitch(last, c_.TextWidth(labelOf(last)));
    for (int k = 0; k <= last; ++k) {
        const double x = 5.0 * k;
        if (x >= far) break;
        Line(x, -drop, x, -drop - 0.5);
        if (k % pitch != 0) continue;
        const rtl::Point label = P(x, -drop - 1.0);
        c_.TextOut(label.x - 5, label.y, labelOf(k));
    }
}

// Every tick of the scale is labelled where its 5 m give a label room; else
// every 2nd, 5th, 10th, 20th ... tick, the first pitch at which the widest
// label keeps a blank's width from the next.
int SectionPainter::ScaleLabelPitch(int lastTick, int widestLabel) {
    const int room = rtl::CheckedAdd(rtl::CheckedAdd(widestLabel, c_.TextWidth(" ")), 1);
    const auto apart = [&](int pitch) {
        return P(5.0 * pitch, 0).x - P(0, 0).x >= room;
    };
    int pitch = 1;
    for (int decade = 1; pitch < lastTick && !apart(pitch);) {
        if (pitch == decade)
            pitch = 2 * decade;
        else if (pitch == 2 * decade)
            pitch = 5 * decade;
        else
            pitch = decade *= 10;
    }
    return pitch;
}

void SectionPainter::Rays() {
    TLoudspeakerArray& a = *v_.LSArray;
    const int count = rtl::CheckedAdd(rtl::CheckedAdd(v_.NumBoxes1, v_.NumBoxes2), v_.NumBoxes3);
    const bool subs = a.TypeInfo().SubwooferRays;
    for (int i = 0; i < count; ++i) {
        rtl::CheckIndex(i, 0, 140);
        const RayHitResult hit = RayHit(v_, i);
        const rtl::Point end = P(hit.X, hit.Y);
        r_.RayEnds.push_back(end);
        r_.RayEndX.push_back(hit.X);
        r_.RayEndY.push_back(hit.Y);
        r_.RayPlane.push_back(hit.Plane);
        if (!a_.ShowRays) continue;

        static constexpr rtl::Color kPlaneColor[] = {col::Black, col::Red, col::Green, col::Blue};
        const rtl::Color color = kPlaneColor[hit.Plane];
        if (subs && i < v_.NumBoxes1) {
            c_.SetPen(rtl::Pen{color, 1, rtl::PenStyle::Dot});
        } else {
            WidePen(color);
        }
        RayLine(P(-a.ElementDistance[i], a.ElementHeight[i]), end);
    }
}

rtl::Rect SectionPainter::Inside() const {
    const int right = rtl::CheckedSub(a_.Width, rtl::CheckedMul(2, w_));
    const int bottom = rtl::CheckedSub(a_.Height, w_);
    return rtl::Rect{w_, w_, rtl::CheckedSub(right, w_), rtl::CheckedSub(bottom, w_)};
}

// A ray aimed at nothing runs 500 m out: on paper it stops at the frame.
void SectionPainter::RayLine(rtl::Point from, rtl::Point to) {
    if (!a_.WideLines) {
        c_.MoveTo(from.x, from.y);
        c_.LineTo(to.x, to.y);
        return;
    }
    const std::optional<std::pair<rtl::Point, rtl::Point>> part = ClipSegment(from, to, Inside());
    if (!part) return;
    c_.MoveTo(part->first.x, part->first.y);
    c_.LineTo(part->second.x, part->second.y);
}

void SectionPainter::CoverageStartTest(int last) {
    TLoudspeakerArray& a = *v_.LSArray;
    const double tilt = a.Tilt[last];
    const double d = a.ElementDistance[last];
    const double h = a.ElementHeight[last];
    a.SelectCabinet(rtl::CheckedAdd(last, 1));
    const double f = a.CurrentBox->FrontHeight;
    const double cornerX = -d - SinDeg(tilt) * f / 2.0;
    const double cornerY = h - CosDeg(tilt) * f / 2.0;

    double x;
    double y;
    if (a.TypeInfo().EndsInDownfill) {
        // The bottom edge of a downfill cabinet's beam, 10 degrees under its
        // axis.
        const double slope = -static_cast<double>(
            std::tan((static_cast<long double>(tilt) + 10.000000001L) * kPi / 180.0L));
        const RayHitResult hit = RayHit(v_, last, slope, h + slope * d);
        x = hit.X;
        y = hit.Y;
    } else {
        x = std::max(r_.RayEndX[last] - v_.DownfillFactor, cornerX);
        y = r_.RayEndY[last];
    }
    r_.CoverageTestDone = true;
    r_.CoverageTestX = x;
    r_.CoverageTestY = y;

    // A single cabinet has no neighbour: its own ray stands for the pair.
    const double above = last > 0 ? r_.RayEndY[last - 1] : r_.RayEndY[last];
    if (std::fabs(r_.RayEndY[last] - above) < 3.0) {
        WidePen(col::Black);
        Line(cornerX, cornerY, x, y);
        r_.CoverageLineDrawn = true;
    }

    if (v_.CoverageStart + 1.0 < x && !a.TypeInfo().SubwooferOnly() && a_.RigMode != 2) {
        SetFont(c_, 14, col::Navy);
        c_.SetBrush(rtl::Brush{col::Yellow, rtl::BrushStyle::Solid});
        c_.SetPenWidth(2);
        const int tw = c_.TextWidth(kCoverageStartNotMet);
        c_.TextOut(a_.Width / 2 - tw / 2, a_.Height / 2, kCoverageStartNotMet);
        c_.SetBrushColor(col::White);
        r_.CoverageStartNotMet = true;
    }
}

void SectionPainter::DownfillTest(int count) {
    TLoudspeakerArray& a = *v_.LSArray;
    if (!a.TypeInfo().DownfillMix || a_.RigMode == 2) return;
    // Only a count that names a drawn cabinet has a last main cabinet; the
    // test comes before the subtraction, which then cannot overflow.
    if (v_.NumBoxes1 < 1 || v_.NumBoxes1 > count) return;
    const int main = rtl::CheckedSub(v_.NumBoxes1, 1);
    // Once over the limit the warning stays until the throw comes back 2 m
    // inside it, so that it does not flicker while the user steps.
    const bool tooFar = r_.RayEndX[main] > 20.0 + v_.DrawOffset;
    v_.DrawOffset = tooFar ? 0.0 : 2.0;
    if (!tooFar) return;
    r_.DownfillWarning = kDownfillNotSuitable;
    SetFont(c_, 10, col::Navy);
    c_.SetBrush(rtl::Brush{col::Yellow, rtl::BrushStyle::Solid});
    if (a_.WideLines) {
        FittedStrip(kDownfillNotSuitable);
    } else {
        const int tw = c_.TextWidth(kDownfillNotSuitable);
        c_.TextOut(a_.Width / 2 - tw / 2, a_.Height / 2 + 2 * lineStep_, kDownfillNotSuitable);
    }
    c_.SetBrushColor(col::White);
}

// On paper the warning strip stands at the top inside the frame, clear of
// the distance scale and the footer, which lie lower: set smaller (not
// below 6 points) until it fits the frame's width, and broken at its blanks
// into centred lines where even that is too wide.
void SectionPainter::FittedStrip(const std::string& text) {
    const rtl::Rect in = Inside();
    const int room = rtl::CheckedSub(in.right, in.left);
    c_.SetFontSize(10);
    rtl::ShrinkToWidth(c_, text, room, rtl::TextHeightAt(c_, 6));
    int y = rtl::CheckedAdd(in.top, lineStep_ / 2);
    for (const std::string& line : rtl::BreakLines(c_, text, room)) {
        c_.TextOut(in.left + (room - c_.TextWidth(line)) / 2, y, line);
        y = rtl::CheckedAdd(y, c_.TextHeight(line));
    }
}

void SectionPainter::Cabinets(int count) {
    TLoudspeakerArray& a = *v_.LSArray;
    double lowest = v_.ArrayHeight;
    for (int i = 0; i < count; ++i) {
        const double t = a.Tilt[i];
        const double d = a.ElementDistance[i];
        const double h = a.ElementHeight[i];
        a.SelectCabinet(rtl::CheckedAdd(i, 1));
        const TBox& box = *a.CurrentBox;
        const double f = box.FrontHeight;
        const double rh = box.RearHeight;
        const double depth = box.Depth;
        const double s = SinDeg(t);
        const double co = CosDeg(t);
        const rtl::Point frontTop = P(-d + f / 2 * s, h + f / 2 * co);
        const rtl::Point frontBottom = P(-d - f / 2 * s, h - f / 2 * co);
        const rtl::Point rearBottom = P(-d - depth * co - rh / 2 * s, h + depth * s - rh / 2 * co);
        const rtl::Point rearTop = P(-d - depth * co + rh / 2 * s, h + depth * s + rh / 2 * co);
        WidePen(i == a_.Selected ? col::Red : col::Black);
        for (const rtl::Point& q : {frontTop, frontBottom, rearBottom, rearTop}) Cover(q, w_);
        c_.MoveTo(frontTop.x, frontTop.y);
        c_.LineTo(frontBottom.x, frontBottom.y);
        c_.LineTo(rearBottom.x, rearBottom.y);
        c_.LineTo(rearTop.x, rearTop.y);
        c_.LineTo(frontTop.x, frontTop.y);
        if (i == count - 1 && a_.RigMode == 1) lowest = h - f / 2 * co;
    }
    if (a_.RigMode == 1 && count > 0) Grid();
    v_.LowestHeight = lowest;
    r_.LowestHeightSet = true;
}

// The flying grid as a plate above the top cabinet, tilted with it: from
// its front overhang to its rear end, the grid's gap above the cabinet.
void SectionPainter::Grid() {
    TLoudspeakerArray& a = *v_.LSArray;
    const TGrid& g = *a.Grid;
    const double front = g.FrontLength;
    const double rear = g.RearLength;
    const double low = g.TopGap;
    const double high = g.TopGap + g.Thickness;
    if (!(front + rear > 0.0) || !(high > low)) return;
    const double t = a.Tilt[0];
    a.SelectCabinet(1);
    const double f = a.CurrentBox->FrontHeight;
    const double s = SinDeg(t);
    const double co = CosDeg(t);
    // The front top corner of the top cabinet; backwards along the grid is
    // (-cos, sin), upwards across it (sin, cos).
    const double ox = -a.ElementDistance[0] + f / 2 * s;
    const double oy = a.ElementHeight[0] + f / 2 * co;
    auto at = [&](double along, double up) {
        return P(ox - along * co + up * s, oy + along * s + up * co);
    };
    c_.SetPen(rtl::Pen{col::Black, 1, rtl::PenStyle::Solid});
    c_.SetBrush(rtl::Brush{col::Grey, rtl::BrushStyle::Solid});
    const rtl::Point plate[] = {at(-front, low), at(-front, high), at(rear, high), at(rear, low)};
    for (const rtl::Point& q : plate) Cover(q, 1);
    c_.Polygon({plate[0], plate[1], plate[2], plate[3]});
    c_.SetBrushColor(col::White);
}

void SectionPainter::RayEndSquares() {
    for (std::size_t i = 0; i < r_.RayEnds.size(); ++i) {
        const bool selected = static_cast<int>(i) == a_.Selected;
        Square(c_, r_.RayEnds[i], selected ? col::Red : col::Navy);
    }
    c_.SetBrushColor(col::White);
}

void SectionPainter::Heights() {
    const TVenue& v = v_;
    if (a_.RigMode == 1 && v.LowestHeight <= v.MinTrimHeight) r_.TrimWarning = kTrimWarning;
    if (v.LowestHeight < v.SeatedEarHeight) r_.BottomWarning = kBottomWarning;

    SetFont(c_, a_.WideLines ? 10 : 6, col::Black);
    c_.SetBrush(rtl::Brush{col::White, rtl::BrushStyle::Solid});
    auto heightText = [&](double metres, int digits) {
        return a_.Metric ? rtl::FormatGeneral(metres, digits) + "m"
                         : rtl::FormatGeneral(metres / kFeet, digits) + "ft";
    };
    if (v.TopHeight >= v.MaxPickHeight) r_.PickWarning = kPickWarning;
    HeightLabels(heightText(v.LowestHeight, 3), heightText(v.TopHeight, 4));

    r_.TopHandle = P(0, v.TopHeight);
    Square(c_, *r_.TopHandle, a_.TopHot ? col::Red : col::Navy);
    c_.SetBrushColor(col::White);
}

// The lowest and the highest point's heights, each level with its height
// at the left margin.  A label the array would stand under goes left of the
// array where there is room; else both stand above the array, the lowest
// next to it and the highest above that (under the array the lowest would
// lie on the rays to the near seats).  The highest goes above the lowest
// wherever they would meet.
void SectionPainter::HeightLabels(const std::string& lowest, const std::string& highest) {
    const TVenue& v = v_;
    // The margin's metres stand for pixels here; on paper the texts keep a
    // pen's width clear of the frame's left line.
    const int least = a_.WideLines ? rtl::CheckedAdd(Inside().left, w_) : 0;
    const int x = std::max(ToPixel(v.MarginX), least);
    const int gap = std::max(2, w_);
    const auto boxAt = [&](const std::string& text, int left, int top) {
        return rtl::Rect{left, top, rtl::CheckedAdd(left, c_.TextWidth(text)),
                         rtl::CheckedAdd(top, c_.TextHeight(text))};
    };
    const auto meet = [](const rtl::Rect& a, const rtl::Rect& b, int apart) {
        return a.left < b.right + apart && b.left < a.right + apart && a.top < b.bottom + apart &&
               b.top < a.bottom + apart;
    };
    // Level with its height, or nothing where only the room above is left.
    const auto level = [&](const std::string& text, int y) -> std::optional<rtl::Rect> {
        const rtl::Rect box = boxAt(text, x, y);
        if (!arrayBox_ || !meet(box, *arrayBox_, gap)) return box;
        const int left = rtl::CheckedSub(rtl::CheckedSub(arrayBox_->left, gap), box.right - box.left);
        if (left >= least) return boxAt(text, left, y);
        return std::nullopt;
    };
    std::optional<rtl::Rect> low = level(lowest, P(0, v.LowestHeight).y);
    std::optional<rtl::Rect> high = level(highest, P(0, v.TopHeight).y);
    int above = arrayBox_ ? rtl::CheckedSub(arrayBox_->top, gap) : 0;
    if (!low) {
        low = boxAt(lowest, x, rtl::CheckedSub(above, c_.TextHeight(lowest)));
        above = rtl::CheckedSub(low->top, 1);
    }
    if (!high) high = boxAt(highest, x, rtl::CheckedSub(above, c_.TextHeight(highest)));
    if (meet(*low, *high, 0)) {
        const int th = high->bottom - high->top;
        high->top = rtl::CheckedSub(rtl::CheckedSub(low->top, 1), th);
        high->bottom = rtl::CheckedAdd(high->top, th);
    }
    c_.TextOut(low->left, low->top, lowest);
    c_.TextOut(high->left, high->top, highest);
}

void SectionPainter::Footer() {
    SetFont(c_, 7, col::Navy);
    c_.SetBrush(rtl::Brush{col::White, rtl::BrushStyle::Solid});
    const int textHeight = c_.TextHeight("S");

    std::string x;
    std::string yText;
    if (a_.ShowReadout) {
        double wx = a_.ReadoutX * v_.ScaleX - v_.MarginX;
        double wy = v_.ExtentY - v_.MarginY - a_.ReadoutY * v_.ScaleY;
        if (!a_.Metric) {
            wx /= kFeet;
            wy /= kFeet;
        }
        x = rtl::FormatFixed(wx, 4, 2);
        yText = wy < 0 ? "--.--" : rtl::FormatFixed(wy, 4, 2);
    }
    const std::string line = a_.StatusText + "   " + x + "  " + yText;
    if (a_.WideLines) {
        PaperFooter(line);
        return;
    }
    const int y = rtl::CheckedSub(a_.Height, textHeight);
    c_.FillRect(0, y, a_.Width, a_.Height);
    c_.TextOut(2, y, line);
    if (a_.ShowHelp) return;

    int at = rtl::CheckedAdd(2, c_.TextWidth(line));
    SetFont(c_, 8, col::Navy);
    for (const std::string* warning : {&r_.TrimWarning, &r_.BottomWarning, &r_.PickWarning}) {
        c_.SetBrushColor(col::White);
        c_.TextOut(at, y, "   ");
        at = rtl::CheckedAdd(at, c_.TextWidth("   "));
        c_.SetBrushColor(col::Yellow);
        if (!warning->empty()) c_.TextOut(at, y, *warning);
        at = rtl::CheckedAdd(at, c_.TextWidth(*warning));
    }
    c_.SetBrushColor(col::White);
}

// On paper the footer lies inside the frame, above its bottom line: the
// line, then each warning after three blanks, in the same order and
// letters; the warnings are set smaller (not below 6 points) where they do
// not fit the frame's width, and a piece that still does not fit starts a
// new footer line under the last.
void SectionPainter::PaperFooter(const std::string& line) {
    const rtl::Rect in = Inside();
    const int left = rtl::CheckedAdd(in.left, 2);
    const int room = rtl::CheckedSub(in.right, left);
    struct Piece {
        std::string text;
        bool warning;
    };
    std::vector<Piece> pieces{{line, false}};
    if (!a_.ShowHelp)
        for (const std::string* warning : {&r_.TrimWarning, &r_.BottomWarning, &r_.PickWarning})
            if (!warning->empty()) pieces.push_back({*warning, true});

    SetFont(c_, 7, col::Navy);
    const int lineWidth = c_.TextWidth(line);
    int lineHeight = c_.TextHeight("S");
    SetFont(c_, 6, col::Navy);
    const int least = c_.TextHeight("S");
    SetFont(c_, 8, col::Navy);
    const int gap = c_.TextWidth("   ");
    const auto total = [&] {
        int w = lineWidth;
        for (size_t i = 1; i < pieces.size(); ++i)
            w = rtl::CheckedAdd(w, rtl::CheckedAdd(c_.TextWidth("   "), c_.TextWidth(pieces[i].text)));
        return w;
    };
    for (int h = c_.TextHeight("S"); total() > room && h > least;) c_.SetFontHeight(--h);
    const rtl::Font warningFont = c_.GetFont();
    if (pieces.size() > 1) lineHeight = std::max(lineHeight, c_.TextHeight("S"));

    // Where each piece goes: its line (0 the first) and its left end.
    std::vector<std::pair<int, int>> places;
    int row = 0;
    int at = left;
    for (size_t i = 0; i < pieces.size(); ++i) {
        const int w = i == 0 ? lineWidth : c_.TextWidth(pieces[i].text);
        int start = i == 0 ? at : rtl::CheckedAdd(at, gap);
        if (i > 0 && rtl::CheckedSub(rtl::CheckedAdd(start, w), left) > room) {
            ++row;
            start = left;
        }
        places.emplace_back(row, start);
        at = rtl::CheckedAdd(start, w);
        footerEnd_ = std::max(footerEnd_, at);
    }
    const int top = rtl::CheckedSub(in.bottom, rtl::CheckedMul(row + 1, lineHeight));
    c_.SetBrushColor(col::White);
    c_.FillRect(in.left, top, in.right, in.bottom);
    footerTop_ = top;
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (pieces[i].warning) {
            c_.SetFont(warningFont);
        } else {
            SetFont(c_, 7, col::Navy);
        }
        c_.SetBrushColor(pieces[i].warning ? col::Yellow : col::White);
        c_.TextOut(places[i].second,
                   rtl::CheckedAdd(top, rtl::CheckedMul(places[i].first, lineHeight)),
                   pieces[i].text);
    }
    c_.SetBrushColor(col::White);
}

void SectionPainter::Notice() {
    SetFont(c_, 10, col::Black);
    c_.SetBrush(rtl::Brush{col::White, rtl::BrushStyle::Solid});
    const bool picture = a_.Picture != nullptr && !a_.Picture->Empty();
    const int pw = picture ? a_.Picture->width : 0;
    // Printed (the only road here), the notice and the picture stand in the
    // frame's lower right corner, above its bottom line; the notice is set
    // smaller (not below 6 points) where it does not fit beside the
    // picture, and both stand on the footer line where its texts reach
    // under them.
    const rtl::Rect in = Inside();
    const int room = rtl::CheckedSub(rtl::CheckedSub(rtl::CheckedSub(in.right, in.left), 1), pw);
    c_.SetFontSize(10);
    rtl::ShrinkToWidth(c_, kMakerNotice, room, rtl::TextHeightAt(c_, 6));
    const int tw = c_.TextWidth(kMakerNotice);
    const int th = c_.TextHeight(kMakerNotice);
    const int left = rtl::CheckedSub(rtl::CheckedSub(rtl::CheckedSub(in.right, tw), 1), pw);
    const int base = footerEnd_ > left ? footerTop_ : in.bottom;
    c_.TextOut(left, rtl::CheckedSub(base, th), kMakerNotice);
    if (picture) {
        c_.Draw(rtl::CheckedSub(in.right, pw), rtl::CheckedSub(base, a_.Picture->height),
                *a_.Picture);
    }
}

// Crossing of the line with one plane's listening line, and how it counts.
struct Crossing {
    bool first = false;   // inside the plane
    bool second = false;  // outside, but on the side the element aims
    double x = 0.0;
    double y = 0.0;
};

}  // namespace

double VenueDrop(const TVenue& v) {
    if (v.Plane2Elevation < 0 || v.Plane1Height < 0) {
        return std::fabs(std::min(v.Plane2Elevation, v.Plane1Height));
    }
    return 0.0;
}

double FitVenueScale(TVenue& v, bool EqualScale, int Width, int Height) {
    v.MarginX = 5.0;
    v.MarginY = 5.0;
    const double rise12 = v.Plane1Height + v.Plane2Height;
    const double rise3 = v.Plane3Height + v.Plane3Elevation;
    v.ExtentY = (rise12 >= v.ArrayHeight ? rise12 : v.ArrayHeight) + 2 * v.MarginY;
    if (rise3 > v.ArrayHeight) v.ExtentY = rise3 + 2 * v.MarginY;
    const double drop = VenueDrop(v);
    v.ExtentY += drop;
    const double far = FarEnd(v);
    v.ExtentX = far + 2 * v.MarginX;
    v.ScaleX = Width >= 1 ? (v.ExtentX + v.MarginX) / Width : v.ExtentX;
    v.ScaleY = Height >= 1 ? (v.ExtentY + v.MarginY) / Height : v.ExtentY;
    if (EqualScale) {
        if (v.ScaleX <= v.ScaleY) {
            v.ExtentX = Width * v.ScaleY;
            v.ScaleX = v.ScaleY;
        } else {
            v.ExtentY = Height * v.ScaleX;
            v.ScaleY = v.ScaleX;
        }
        v.ExtentY -= drop;
        v.MarginX = (v.ExtentX - far) / 2;
        v.MarginY = rise12 <= v.ArrayHeight ? (v.ExtentY - v.ArrayHeight) / 2
                                            : (v.ExtentY - rise12) / 2;
        if (rise3 > v.ArrayHeight) v.MarginY = (v.ExtentY - rise3) / 2;
    }
    return drop;
}

rtl::Point WorldToPixel(const TVenue& v, double X, double Y) {
    return rtl::Point{ToPixel((v.MarginX + X) / v.ScaleX),
                      ToPixel((v.ExtentY - v.MarginY - Y) / v.ScaleY)};
}

RayHitResult RayHit(const TVenue& venue, int Element) {
    const int e = Element < 0 ? 0 : Element;
    const TLoudspeakerArray& a = *venue.LSArray;
    return RayHit(venue, e, a.AimSlope[e], a.AimIntercept[e]);
}

RayHitResult RayHit(const TVenue& v, int Element, double Slope, double Intercept) {
    const int e = Element < 0 ? 0 : Element;
    const TLoudspeakerArray& a = *v.LSArray;
    const double tilt = a.Tilt[e];
    const double d = a.ElementDistance[e];
    const double slope = Slope > 1000.0 ? 1000.0 : Slope;

    auto cross = [&](bool present, double planeSlope, double planeIntercept, double from,
                     double to, bool mayBeFirst) {
        Crossing c;
        if (!present || planeSlope == slope) return c;
        c.x = (planeIntercept - Intercept) / (slope - planeSlope);
        c.y = slope * c.x + Intercept;
        if (mayBeFirst && c.x >= from && c.x <= to) {
            c.first = true;
        } else if ((tilt < 90.0 && c.x >= d) || (tilt > 90.0 && c.x <= d)) {
            c.second = true;
        }
        return c;
    };
    const Crossing planes[3] = {
        cross(true, v.Plane1Slope, v.Plane1Intercept, -1.0, v.Plane1Length, tilt != 90.0),
        cross(v.Plane2Present, v.Plane2Slope, v.Plane2Intercept, v.Plane1Length,
              v.Plane1Length + v.Plane2Length, true),
        cross(v.Plane3Present, v.Plane3Slope, v.Plane3Intercept, v.Plane3Distance,
              v.Plane3Distance + v.Plane3Length, true),
    };

    RayHitResult r;
    for (bool firstGrade : {true, false}) {
        auto counts = [&](const Crossing& c) { return firstGrade ? c.first : c.second; };
        double best = 1000.0;
        int plane = 0;
        for (int p = 0; p < 3; ++p) {
            const Crossing& c = planes[p];
            if (!counts(c)) continue;
            // Plane 1 is taken whenever it counts; the others only nearer.
            if (p == 0 || c.x < best) {
                best = c.x;
                plane = p + 1;
                r.X = c.x;
                r.Y = c.y;
            }
        }
        if (plane != 0) {
            r.Plane = plane;
            break;
        }
    }
    if (r.Plane == 0) {
        r.X = 500.0;
        r.Y = slope * 500.0 + Intercept;
    }
    r.X = std::clamp(r.X, -10000.0, 10000.0);
    r.Y = std::clamp(r.Y, -1000.0, 1000.0);
    return r;
}

VenueSectionResult DrawVenue(TVenue& venue, rtl::Canvas& canvas, const VenueSectionArgs& args) {
    SectionPainter painter(venue, canvas, args);
    return painter.Paint();
}

KeptSectionState::KeptSectionState(TVenue& venue)
    : venue_(venue),
      marginX_(venue.MarginX),
      marginY_(venue.MarginY),
      extentY_(venue.ExtentY),
      extentX_(venue.ExtentX),
      scaleX_(venue.ScaleX),
      scaleY_(venue.ScaleY),
      lowestHeight_(venue.LowestHeight),
      drawOffset_(venue.DrawOffset) {}

KeptSectionState::~KeptSectionState() {
    venue_.MarginX = marginX_;
    venue_.MarginY = marginY_;
    venue_.ExtentY = extentY_;
    venue_.ExtentX = extentX_;
    venue_.ScaleX = scaleX_;
    venue_.ScaleY = scaleY_;
    venue_.LowestHeight = lowestHeight_;
    venue_.DrawOffset = drawOffset_;
}
