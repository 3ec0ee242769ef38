#include "venue_picture.h"

#include <algorithm>
#include <cmath>

#include "background1.h"
#include "core/numtext.h"
#include "core/rounding.h"
#include "hardware/units.h"
#include "model/venue.h"
#if ORANDEL_WITH_VENUE_SECTION
#include "section/venue_section.h"
#endif


#if ORANDEL_WITH_VENUE_SECTION

void DrawVenueSection(TForm1& f, rtl::Canvas& c, const TVenueDrawCall& call) {
    const auto flag = [&call](int i) { return call.ViewFlags[static_cast<std::size_t>(i)] != 0; };
    VenueSectionArgs a;
    a.EqualScale = f.FDrawVenueFlag != 0;
    a.Width = call.Width;
    a.Height = call.Height;
    a.WideLines = flag(0);
    a.ClearBackground = flag(10);
    a.ShowPlanes = flag(1);
    a.ShowArray = flag(2);
    a.ShowCoverage = flag(3);
    a.ShowRays = flag(4);
    a.ShowRayEnds = flag(5);
    a.Unused = flag(7);
    a.ShowHelp = flag(8);
    a.ShowReadout = flag(9);
    a.ShowHandles = f.FShowAngleHandles != 0;
    a.Selected = call.SelElement;
    a.StatusText = f.FStatusText;
    a.StartHot = f.FHotA != 0;
    a.StopHot = f.FHotB != 0;
    a.TopHot = f.FHotC != 0;
    a.Picture = call.UseImage2 ? &f.Image2Picture : &f.Image5Picture;
    a.Metric = f.FMetric != 0;
    a.ReadoutX = f.FDrawOffsetX;
    a.ReadoutY = f.FDrawOffsetY;
    a.RigMode = f.FRigMode;
    const VenueSectionResult r = DrawVenue(*f.FVenue, c, a);
    StoreSectionMarks(r, f.FHotPoints, f.FHotPointA, f.FHotPointB, f.FHotPointC);
}

#else

namespace {

struct Scale {
    double x0, y0, sx, sy;
    int X(double metres) const { return rtl::Round(x0 + metres * sx); }
    int Y(double metres) const { return rtl::Round(y0 - metres * sy); }
};

std::string Length(double metres, bool metric) { return units::LengthText(metres, metric, 4, 1); }

}  // namespace

// A simple section while the venue drawing is not built: the three audience
// planes from the window's values, the array position, the coverage points
// and the status line.
void DrawVenueSection(TForm1& f, rtl::Canvas& c, const TVenueDrawCall& call) {
    const int w = std::max(call.Width, 1);
    const int h = std::max(call.Height, 1);
    c.SetBrush({rtl::colors::White, rtl::BrushStyle::Solid});
    c.FillRect(0, 0, w, h);

    // Plane corners in metres: x forward from the array, y up from the floor.
    const double p1x = f.FP1Length, p1y = f.FP1Height;
    const double p2x0 = p1x, p2y0 = p1y + f.FP2Elev;
    const double p2x1 = p2x0 + f.FP2Length, p2y1 = p2y0 + f.FP2Height;
    const double p3x0 = f.FP3Dist, p3y0 = f.FP3Elev;
    const double p3x1 = p3x0 + f.FP3Length, p3y1 = p3y0 + f.FP3Height;
    double maxX = std::max({p1x, p2x1, p3x1, f.FCovStop, 1.0});
    double maxY = std::max({p1y, p2y1, p3y1, f.FArrayHeight, f.FMaxPickHeight, 1.0});
    if (!std::isfinite(maxX) || !std::isfinite(maxY) || maxX > 1e6 || maxY > 1e6) return;

    const int margin = 40;
    const double sx = (w - 2.0 * margin) / (maxX + 4.0);
    const double sy = (h - 2.0 * margin) / (maxY + 2.0);
    const double s = std::max(0.01, std::min(sx, sy));
    const Scale m{margin + 2.0 * s, h - margin * 1.0, s, s};

    // Floor and planes.
    c.SetPen({rtl::colors::Grey, 1, rtl::PenStyle::Dot});
    c.MoveTo(0, m.Y(0));
    c.LineTo(w, m.Y(0));
    c.SetPen({rtl::colors::Navy, 3, rtl::PenStyle::Solid});
    c.MoveTo(m.X(0), m.Y(0));
    c.LineTo(m.X(p1x), m.Y(p1y));
    if (f.FP2Length > 0) {
        c.MoveTo(m.X(p2x0), m.Y(p2y0));
        c.LineTo(m.X(p2x1), m.Y(p2y1));
    }
    if (f.FP3Length > 0) {
        c.MoveTo(m.X(p3x0), m.Y(p3y0));
        c.LineTo(m.X(p3x1), m.Y(p3y1));
    }

    // The array: a column of cabinets hanging from its height.
    const int ax = m.X(0);
    const int top = m.Y(f.FArrayHeight);
    const int boxes = std::clamp(f.FNumBoxes1 + f.FNumBoxes2 + f.FNumBoxes3, 0, 40);
    const int bh = std::max(2, rtl::Round(0.35 * s));
    c.SetPen({rtl::colors::Black, 1, rtl::PenStyle::Solid});
    c.SetBrush({rtl::colors::Silver, rtl::BrushStyle::Solid});
    for (int i = 0; i < boxes; ++i) c.Rectangle(ax - 12, top + i * bh, ax, top + (i + 1) * bh);
    c.SetPen({rtl::colors::Red, 1, rtl::PenStyle::Solid});
    c.MoveTo(ax - 20, top);
    c.LineTo(ax + 20, top);
    f.FHotPointC = {ax, top};

    // Coverage start and stop on plane 1's line.
    auto onPlane1 = [&](double x) { return p1x > 0 ? p1y * std::min(x, p1x) / p1x : 0.0; };
    c.SetPen({rtl::colors::Green, 2, rtl::PenStyle::Solid});
    c.SetBrush({rtl::colors::Green, rtl::BrushStyle::Solid});
    const rtl::Point a{m.X(f.FCovStart), m.Y(onPlane1(f.FCovStart))};
    const rtl::Point b{m.X(f.FCovStop), m.Y(onPlane1(f.FCovStop))};
    c.Ellipse(a.x - 4, a.y - 4, a.x + 5, a.y + 5);
    c.Ellipse(b.x - 4, b.y - 4, b.x + 5, b.y + 5);
    f.FHotPointA = a;
    f.FHotPointB = b;

    // Texts.
    const bool metric = f.FMetric != 0;
    c.SetBrush({rtl::colors::White, rtl::BrushStyle::Clear});
    c.SetFont({"Arial", -13, true, rtl::colors::Navy});
    c.TextOut(10, 8, f.FVenueName);
    c.SetFont({"Arial", -11, false, rtl::colors::Black});
    c.TextOut(10, 28, "Array height " + Length(f.FArrayHeight, metric) + "   Coverage " +
                          Length(f.FCovStart, metric) + " to " + Length(f.FCovStop, metric));
    c.SetFont({"Arial", -11, true, rtl::colors::Red});
    c.TextOut(10, h - 20, f.FStatusText);
}

#endif
