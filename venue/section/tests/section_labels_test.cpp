// The venue section's labels stand clear, on screen (6 pt) and on paper
// (10 pt, wide pens), for long, short and ordinary venues, in metres and
// feet: the distance scale's labels apart from one another, labelled at a
// regular pitch of its 5 m ticks (every one, 2nd, 5th, 10th ...), and the
// array's two height labels off the array (its outlines and grid) and off
// every other label.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/core/recording_canvas.h"
#include "venue/section/venue_section.h"

namespace {

namespace col = section_colors;

struct VenueCase {
    const char* name;
    double p1, p2, p3Distance, p3Length;  // plane lengths; plane 3 absent when its length is 0
    double arrayHeight;
    int cabinets;
};

constexpr VenueCase kVenues[] = {
    {"long", 250, 50, 280, 20, 12, 12},  // 300 m to plane 3's far end
    {"ordinary", 30, 10, 0, 0, 10, 8},
    {"short", 8, 2, 0, 0, 5, 4},
};

struct Sheet {
    const char* name;
    int width, height, dpi;
    bool paper;
};

constexpr Sheet kSheets[] = {
    {"screen", 1000, 500, 96, false},
    {"screen small", 640, 360, 96, false},
    {"paper", 3300, 2550, 300, true},
};

rtl::Rect BoxOf(const rtl::CanvasOp& t) {
    return {t.points[0].x, t.points[0].y, t.points[0].x + t.textWidth, t.points[0].y + t.textHeight};
}

bool Overlap(const rtl::Rect& a, const rtl::Rect& b) {
    return std::max(a.left, b.left) < std::min(a.right, b.right) &&
           std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

std::string Where(const rtl::Rect& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

}  // namespace

TEST(SectionLabels, StandClearOfEachOtherAndOfTheArray) {
    for (const VenueCase& vc : kVenues)
        for (const Sheet& sheet : kSheets)
            for (bool metric : {true, false}) {
                SCOPED_TRACE(std::string(vc.name) + " venue on " + sheet.name +
                             (metric ? "" : " in feet"));
                TSplay splay;
                TVenue v;
                v.SetVenueData(VenueData{
                    .VenueName = vc.name, .ArrayHeight = vc.arrayHeight, .NumBoxes1 = vc.cabinets,
                    .MaxPickHeight = 30.0, .MinTrimHeight = 2.0, .Plane1Length = vc.p1,
                    .Plane1Height = 1.0, .Plane2Length = vc.p2, .Plane2Height = 2.0,
                    .Plane2Elevation = 1.0, .Plane3Length = vc.p3Length, .Plane3Height = 2.0,
                    .Plane3Distance = vc.p3Distance, .Plane3Elevation = vc.p3Length > 0 ? 6.0 : 0.0,
                    .CoverageStart = 2.0, .CoverageStop = (vc.p1 + vc.p2) * 0.9,
                    .Plane1EarHeight = 1.4, .Plane2EarHeight = 1.4, .Plane3EarHeight = 1.4,
                    .AutoDesign = true, .DesignMode = "", .Splay = &splay, .ArrayType = "Arvo",
                });
                rtl::RecordingCanvas c(sheet.width, sheet.height, sheet.dpi);
                VenueSectionArgs a;
                a.Width = sheet.width;
                a.Height = sheet.height;
                a.WideLines = sheet.paper;
                a.Metric = metric;
                DrawVenue(v, c, a);

                // The scale's labels: grey, every label apart from the next
                // (a pixel between them at least), at one pitch of ticks.
                std::vector<const rtl::CanvasOp*> scale;
                std::vector<const rtl::CanvasOp*> heights;
                for (const rtl::CanvasOp* t : c.OfKind(rtl::OpKind::TextOut)) {
                    if (t->font.color == col::Grey) scale.push_back(t);
                    if (t->font.color == col::Black && t->text != kMakerNotice) heights.push_back(t);
                }
                ASSERT_GE(scale.size(), 2u);
                EXPECT_EQ(scale[0]->fontSize, sheet.paper ? 10 : 6);
                EXPECT_EQ(scale[0]->text, "0");
                std::vector<int> ticks;
                for (const rtl::CanvasOp* t : scale) {
                    const double value = std::stod(t->text);
                    ticks.push_back(static_cast<int>(std::lround((metric ? value : value * 0.3048) / 5.0)));
                }
                const int pitch = ticks[1] - ticks[0];
                EXPECT_TRUE(pitch == 1 || pitch == 2 || pitch == 5 || pitch == 10 || pitch == 20 ||
                            pitch == 50)
                    << pitch;
                for (size_t i = 1; i < scale.size(); ++i) {
                    EXPECT_EQ(ticks[i] - ticks[i - 1], pitch) << scale[i]->text;
                    EXPECT_LT(BoxOf(*scale[i - 1]).right, BoxOf(*scale[i]).left)
                        << scale[i - 1]->text << " touches " << scale[i]->text;
                }
                // Where 5 m give room, every tick is labelled.
                if (std::string(vc.name) != "long") {
                    EXPECT_EQ(pitch, 1);
                }

                // The heights: two labels, off the scale's and each other.
                ASSERT_EQ(heights.size(), 2u);
                for (size_t i = 0; i < heights.size(); ++i) {
                    const rtl::Rect h = BoxOf(*heights[i]);
                    EXPECT_GE(h.left, 0);
                    for (const rtl::CanvasOp* s : scale) {
                        EXPECT_FALSE(Overlap(h, BoxOf(*s))) << heights[i]->text << " on " << s->text;
                    }
                    for (size_t k = i + 1; k < heights.size(); ++k) {
                        EXPECT_FALSE(Overlap(h, BoxOf(*heights[k])))
                            << heights[i]->text << " on " << heights[k]->text;
                    }
                }
                // The array: every line drawn behind half a metre in front of
                // the array's vertical (the planes and rays start on it and
                // run forward) but the frame's, and the grid's plate, with
                // their pens' widths.
                const int x0 = WorldToPixel(v, 0.5, 0.0).x;
                std::vector<rtl::Rect> array;
                const std::vector<rtl::Segment> segments = c.Segments();
                for (size_t i = 4; i < segments.size(); ++i) {
                    const rtl::Segment& s = segments[i];
                    if (std::max(s.from.x, s.to.x) > x0) continue;
                    const int half = (s.pen.width + 1) / 2;
                    array.push_back({std::min(s.from.x, s.to.x) - half, std::min(s.from.y, s.to.y) - half,
                                     std::max(s.from.x, s.to.x) + half, std::max(s.from.y, s.to.y) + half});
                }
                for (const rtl::CanvasOp* p : c.OfKind(rtl::OpKind::Polygon)) {
                    rtl::Rect r{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
                    for (const rtl::Point& q : p->points) {
                        r.left = std::min(r.left, q.x);
                        r.top = std::min(r.top, q.y);
                        r.right = std::max(r.right, q.x + 1);
                        r.bottom = std::max(r.bottom, q.y + 1);
                    }
                    if (r.right <= x0 + 1) array.push_back(r);
                }
                ASSERT_GE(array.size(), static_cast<size_t>(vc.cabinets) * 4);
                for (const rtl::CanvasOp* t : heights) {
                    for (const rtl::Rect& r : array) {
                        EXPECT_FALSE(Overlap(BoxOf(*t), r)) << t->text << " " << Where(BoxOf(*t))
                                                            << " on the array at " << Where(r);
                    }
                }
            }
}
