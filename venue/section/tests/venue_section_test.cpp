// The venue section drawing on a recording canvas.  Every expected pixel
// is worked out by hand from the scale rules: the flat venue below, drawn
// 1000 x 500 at equal scale, has 0.055 m per pixel both ways, MarginX 5,
// ExtentY 27.5 and MarginY 9.75, so the world point (x, y) lies at pixel
// (round((5 + x) / 0.055), round((17.75 - y) / 0.055)).

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <utility>

#include "platform/core/checked.h"
#include "platform/core/errors.h"
#include "platform/core/recording_canvas.h"
#include "venue/section/venue_section.h"

namespace {

using rtl::Point;
namespace col = section_colors;

// Never drawn: the colour reported for a segment or fill that is missing.
constexpr rtl::Color kNone{1, 2, 3};

// A flat floor of 40 m, seated listening line at 1.4 m, an array of two
// cabinets flown at 8 m, coverage from 5 m to 30 m.
class FlatVenue : public ::testing::Test {
protected:
    void SetUp() override { Build("Arvo", 2, 0); }

    void Build(const std::string& type, int n1, int n2) {
        v.SetVenueData(VenueData{
            .VenueName = "flat", .ArrayHeight = 8.0, .NumBoxes1 = n1, .NumBoxes2 = n2,
            .MaxPickHeight = 20.0, .MinTrimHeight = 2.0, .Plane1Length = 40.0,
            .CoverageStart = 5.0, .CoverageStop = 30.0, .Plane1EarHeight = 1.4,
            .Plane2EarHeight = 1.4, .Plane3EarHeight = 1.4, .AutoDesign = false,
            .DesignMode = "", .Splay = &splay, .ArrayType = type,
        });
        // The listening line of the flat floor and the array's geometry,
        // given by hand so that the pixels follow from the text alone.
        v.Plane1Slope = 0.0;
        v.Plane1Intercept = 1.4;
        v.TopHeight = 9.125;
        TLoudspeakerArray& a = *v.LSArray;
        for (int m = 1; m <= 2; ++m) {
            a.SelectCabinet(m == 1 ? 1 : n1 + 1);
            a.CurrentBox->FrontHeight = 0.5;
            a.CurrentBox->RearHeight = 0.4;
            a.CurrentBox->Depth = 0.75;
        }
        // Element 0 level at 7.75 m aiming at 31.75 m; element 1 tilted 10
        // degrees, its line meeting the listening line at 11.65 m.
        SetElement(0, 0.0, 0.0, 7.75, -0.2, 7.75);
        SetElement(1, 10.0, 0.05, 7.25, -0.5, 7.225);
    }

    void SetElement(int i, double tilt, double d, double h, double slope, double intercept) {
        TLoudspeakerArray& a = *v.LSArray;
        a.Tilt[i] = tilt;
        a.ElementDistance[i] = d;
        a.ElementHeight[i] = h;
        a.AimSlope[i] = slope;
        a.AimIntercept[i] = intercept;
    }

    // Draws 1000 x 500 on a cleared canvas.
    VenueSectionResult Draw(VenueSectionArgs args = {}) {
        args.Width = 1000;
        args.Height = 500;
        canvas.Clear();
        return DrawVenue(v, canvas, args);
    }

    // Draws with the default arguments as `set` changes them.
    template <class F>
    VenueSectionResult DrawWith(F set) {
        VenueSectionArgs args;
        set(args);
        return Draw(args);
    }

    // Scale fit fields, in the order ScaleX, ScaleY, ExtentX, ExtentY,
    // MarginX, MarginY.
    void ExpectFit(std::initializer_list<double> want) const {
        const double got[] = {v.ScaleX, v.ScaleY, v.ExtentX, v.ExtentY, v.MarginX, v.MarginY};
        int k = 0;
        for (double w : want) {
            EXPECT_DOUBLE_EQ(got[k], w) << "field " << k;
            ++k;
        }
    }

    const rtl::CanvasOp* FirstFill(Point topLeft) const {
        for (const rtl::CanvasOp* op : canvas.OfKind(rtl::OpKind::FillRect)) {
            if (op->rect.left == topLeft.x && op->rect.top == topLeft.y) return op;
        }
        return nullptr;
    }
    rtl::Color FillColour(Point topLeft) const {
        const rtl::CanvasOp* op = FirstFill(topLeft);
        return op ? op->brush.color : kNone;
    }
    const rtl::Segment* FindSegment(Point a, Point b) const {
        segments_ = canvas.Segments();
        for (const rtl::Segment& s : segments_) {
            if ((s.from == a && s.to == b) || (s.from == b && s.to == a)) return &s;
        }
        return nullptr;
    }
    rtl::Color SegmentColour(Point a, Point b) const {
        const rtl::Segment* s = FindSegment(a, b);
        return s ? s->pen.color : kNone;
    }

    TSplay splay;
    TVenue v;
    rtl::RecordingCanvas canvas{1000, 500};
    mutable std::vector<rtl::Segment> segments_;
};

TEST(SectionColours, WindowsValuesBecomeTheNamedColours) {
    const std::pair<rtl::Color, rtl::Color> named[] = {
        {col::Red, {255, 0, 0}},        {col::Blue, {0, 0, 255}},       {col::Navy, {0, 0, 128}},
        {col::Green, {0, 128, 0}},      {col::Lime, {0, 255, 0}},       {col::Yellow, {255, 255, 0}},
        {col::Silver, {192, 192, 192}}, {col::Grey, {128, 128, 128}},   {col::White, {255, 255, 255}},
        {col::Black, {0, 0, 0}}};
    for (size_t k = 0; k < std::size(named); ++k) EXPECT_EQ(named[k].first, named[k].second) << k;
}

// ---------------------------------------------------------------------------
// The scale fit.

TEST_F(FlatVenue, EqualScaleLimitedByWidthCentresVertically) {
    EXPECT_DOUBLE_EQ(FitVenueScale(v, true, 1000, 500), 0.0);
    // Across 55 m / 1000 px beats up 23 m / 500 px.
    ExpectFit({0.055, 0.055, 50.0, 27.5, 5.0, 9.75});
    EXPECT_EQ(WorldToPixel(v, 0, 0), (Point{91, 323}));
    EXPECT_EQ(WorldToPixel(v, 40, 0), (Point{818, 323}));
    EXPECT_EQ(WorldToPixel(v, 0, 8), (Point{91, 177}));
}

TEST_F(FlatVenue, EqualScaleLimitedByHeightCentresAcross) {
    FitVenueScale(v, true, 1000, 200);
    ExpectFit({0.115, 0.115, 115.0, 18.0, 37.5, 5.0});
    // 0 m and 40 m sit equally far from the two edges.
    EXPECT_EQ(WorldToPixel(v, 0, 0).x, 326);
    EXPECT_EQ(WorldToPixel(v, 40, 0).x, 674);
}

TEST_F(FlatVenue, PlaneThreeAndTheDropDecideTheFit) {
    v.Plane1Length = 20;
    v.Plane1Height = -2;
    v.Plane2Length = 10;
    v.Plane2Height = 3;
    v.Plane2Elevation = -1;
    v.Plane3Distance = 15;
    v.Plane3Length = 25;
    v.Plane3Height = 4;
    v.Plane3Elevation = 6;
    v.ArrayHeight = 7;
    EXPECT_DOUBLE_EQ(VenueDrop(v), 2.0);

    // Unequal: the margins stay 5 m; plane 3 (6 + 4 m high, 40 m far) sets
    // the extents, and the 2 m drop is added to the height.
    FitVenueScale(v, false, 500, 300);
    ExpectFit({0.11, 0.09, 50.0, 22.0, 5.0, 5.0});

    FitVenueScale(v, true, 500, 300);
    EXPECT_DOUBLE_EQ(v.ScaleY, 0.11);
    EXPECT_DOUBLE_EQ(v.ExtentY, 31.0);
    EXPECT_DOUBLE_EQ(v.MarginX, 5.0);
    EXPECT_DOUBLE_EQ(v.MarginY, 10.5);

    // A zero size does not divide: the scale is the extent.
    FitVenueScale(v, false, 0, 0);
    ExpectFit({50.0, 22.0});
}

TEST_F(FlatVenue, PixelsOutsideTheIntegerRangeAreHeld) {
    FitVenueScale(v, true, 1000, 500);
    v.ScaleX = 1e-300;
    EXPECT_EQ(WorldToPixel(v, 1, 0).x, kSectionPixelLimit);
    EXPECT_EQ(WorldToPixel(v, -1e6, 0).x, -kSectionPixelLimit);
    v.ScaleY = 0.0;
    v.MarginY = v.ExtentY;  // 0 / 0
    EXPECT_EQ(WorldToPixel(v, 0, 0).y, 0);

    // An absurd venue draws (distorted) without an error and without
    // drawing millions of scale ticks.
    v.Plane1Length = 1e300;
    v.CoverageStop = 1e299;
    EXPECT_NO_THROW(Draw());
    EXPECT_LT(canvas.Ops().size(), 10000u);
    v.Plane1Length = std::numeric_limits<double>::quiet_NaN();
    EXPECT_NO_THROW(Draw());
}

// ---------------------------------------------------------------------------
// Where the aiming lines land.

class RayHitTest : public FlatVenue {
protected:
    RayHitResult Hit(double tilt, double d, double slope, double intercept) {
        SetElement(0, tilt, d, 7.0, slope, intercept);
        return RayHit(v, 0);
    }
};

// A cabinet at 7 m and where its line lands. A tolerance of 0 stands for
// EXPECT_DOUBLE_EQ; a NaN y is not checked.
struct HitCase {
    const char* what;
    double tilt, d, slope, intercept;
    int plane;
    double x, xTol, y, yTol;
};
constexpr double kAnyY = std::numeric_limits<double>::quiet_NaN();

void ExpectHit(const RayHitResult& r, const HitCase& c) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(r.Plane, c.plane);
    if (c.xTol == 0) {
        EXPECT_DOUBLE_EQ(r.X, c.x);
    } else {
        EXPECT_NEAR(r.X, c.x, c.xTol);
    }
    if (std::isnan(c.y)) return;
    if (c.yTol == 0) {
        EXPECT_DOUBLE_EQ(r.Y, c.y);
    } else {
        EXPECT_NEAR(r.Y, c.y, c.yTol);
    }
}

TEST_F(RayHitTest, PlaneOneConstantsAndLimits) {
    const HitCase cases[] = {
        {"plane 1, meets 1.4 at 30 m", 10, 0.2, -0.2, 7.4, 1, 30.0, 1e-12, 1.4, 1e-12},
        {"beyond the plane's end it still counts, on the side the cabinet aims",
         10, 0.2, -0.1, 7.4, 1, 60.0, 1e-9, kAnyY, 0},
        {"plane 1 reaches back to -1 m", 10, 0.2, 0.2, 1.5, 1, -0.5, 1e-12, kAnyY, 0},
        {"behind that and behind the cabinet: 500 m out on the line",
         10, 0.2, 0.1, 1.9, 0, 500.0, 0, 51.9, 1e-12},
        {"aiming backwards counts crossings behind its distance",
         120, 0.3, 0.1, 1.9, 1, -5.0, 1e-12, kAnyY, 0},
        {"a parallel line meets nothing", 0, 0, 0.0, 8.0, 0, 500.0, 0, 8.0, 0},
        {"straight down counts on no plane; y held to -1000", 90, 0, -5.0, 8.0, 0, 500.0, 0, -1000.0, 0},
        {"a slope above 1000 is taken as 1000: 101.4 / 1000, not / 5000",
         10, 0, 5000.0, -100.0, 1, 0.1014, 1e-12, kAnyY, 0},
        {"x is held to 10000", 10, 0, -0.0003, 7.4, 1, 10000.0, 0, 1.4, 1e-9},
    };
    for (const HitCase& c : cases) ExpectHit(Hit(c.tilt, c.d, c.slope, c.intercept), c);
    // A negative element index is element 0.
    const RayHitResult e0 = RayHit(v, 0);
    const RayHitResult neg = RayHit(v, -3);
    EXPECT_EQ(neg.Plane, e0.Plane);
    EXPECT_DOUBLE_EQ(neg.X, e0.X);
}

TEST_F(RayHitTest, PlaneChoice) {
    v.Plane1Length = 20;
    v.Plane3Present = true;
    v.Plane3Distance = 10;
    v.Plane3Length = 20;
    v.Plane3Slope = 0.5;
    v.Plane3Intercept = -3.4;  // at 12 m: 2.6
    // Meets plane 1 at 18 m and the balcony at 12 m, both inside: the
    // nearer balcony wins.
    RayHitResult r = Hit(10, 0, -0.2, 5.0);
    EXPECT_EQ(r.Plane, 3);
    EXPECT_NEAR(r.X, 12.0, 1e-9);
    EXPECT_NEAR(r.Y, 2.6, 1e-9);
    // The balcony's start counts as inside: exactly at 10 m it beats plane
    // 1 at 14.4 m.
    v.Plane3Intercept = -2.5;
    r = Hit(10, 0, -0.25, 5.0);
    EXPECT_EQ(r.Plane, 3);
    EXPECT_EQ(r.X, 10.0);
    v.Plane3Intercept = -3.4;
    // Balcony crossing behind the balcony (x = 2 m, second grade) loses
    // against plane 1 inside (18 m).
    v.Plane3Intercept = 2.6 - 0.5 * 12 + 0.7 * 10;  // crossing at 2 m
    r = Hit(10, 0, -0.2, 5.0);
    EXPECT_EQ(r.Plane, 1);
    EXPECT_NEAR(r.X, 18.0, 1e-9);
    // Without plane 1 inside, the second grade: plane 1 at 18 m beyond its
    // 15 m length, the balcony line nearer at 2 m replaces it.
    v.Plane1Length = 15;
    r = Hit(10, 0, -0.2, 5.0);
    EXPECT_EQ(r.Plane, 3);
    EXPECT_NEAR(r.X, 2.0, 1e-9);
    // An absent plane gives no crossing.
    v.Plane3Present = false;
    r = Hit(10, 0, -0.2, 5.0);
    EXPECT_EQ(r.Plane, 1);
    // Plane 2 inside its range, with plane 1 missing (parallel), is taken
    // as nearer than the 1000 m start.
    v.Plane2Present = true;
    v.Plane2Slope = 0.1;
    v.Plane2Intercept = -1.5;  // 0.5 m at 20 m
    v.Plane1Length = 15;
    v.Plane2Length = 10;
    r = Hit(10, 0, 0.0, 0.5);
    EXPECT_EQ(r.Plane, 2);
    EXPECT_NEAR(r.X, 20.0, 1e-9);
    // Equal slopes give no crossing on that plane.
    r = Hit(10, 0, 0.1, 0.0);
    EXPECT_EQ(r.Plane, 1);
}

// ---------------------------------------------------------------------------
// The picture and what it writes back.

TEST_F(FlatVenue, WritesBackScaleHandlesRayEndsAndLowestHeight) {
    v.LowestHeight = -99;
    const VenueSectionResult r = Draw();
    EXPECT_DOUBLE_EQ(v.ScaleX, 0.055);
    EXPECT_DOUBLE_EQ(r.ScaleY, 0.055);
    EXPECT_DOUBLE_EQ(r.MarginY, 9.75);
    ASSERT_EQ(r.RayEnds.size(), 2u);
    EXPECT_EQ(r.RayEnds[0], (Point{668, 297}));  // (31.75, 1.4)
    EXPECT_EQ(r.RayEnds[1], (Point{303, 297}));  // (11.65, 1.4)
    EXPECT_EQ(r.RayPlane[0], 1);
    ASSERT_TRUE(r.StartHandle && r.StopHandle && r.TopHandle);
    EXPECT_EQ(*r.StartHandle, (Point{182, 323}));  // (5, 0)
    EXPECT_EQ(*r.StopHandle, (Point{636, 323}));   // (30, 0)
    EXPECT_EQ(*r.TopHandle, (Point{91, 157}));     // (0, 9.125)
    // Front bottom corner of the 10-degree cabinet: 7.25 - cos 10 x 0.25.
    EXPECT_NEAR(v.LowestHeight, 7.003798061746948, 1e-12);
    EXPECT_TRUE(r.LowestHeightSet);

    // Handed to the window's marks.
    rtl::CheckedArray<Point, 0, 140> marks;
    marks.Fill(Point{-1, -1});
    Point a{7, 7}, b{7, 7}, c{7, 7};
    StoreSectionMarks(r, marks, a, b, c);
    EXPECT_EQ(marks[1], (Point{303, 297}));
    EXPECT_EQ(marks[2], (Point{-1, -1}));
    EXPECT_EQ(a, (Point{182, 323}));
    EXPECT_EQ(c, (Point{91, 157}));

    // A drawing without coverage, rays and cabinets leaves the marks and
    // LowestHeight alone.
    v.LowestHeight = 3.0;
    const VenueSectionResult r2 =
        DrawWith([](VenueSectionArgs& a) { a.ShowCoverage = a.ShowRays = a.ShowRayEnds = a.ShowArray = false; });
    EXPECT_TRUE(r2.RayEnds.empty());
    EXPECT_FALSE(r2.StartHandle || r2.StopHandle || r2.TopHandle);
    EXPECT_DOUBLE_EQ(v.LowestHeight, 3.0);
    StoreSectionMarks(r2, marks, a, b, c);
    EXPECT_EQ(marks[1], (Point{303, 297}));
    EXPECT_EQ(b, (Point{636, 323}));
}

TEST_F(FlatVenue, PlanesMarksCabinetsAndRays) {
    DrawWith([&](VenueSectionArgs& a) { a.Selected = 0; a.StartHot = true; });
    // Frame with a one-pixel pen.
    EXPECT_TRUE(canvas.HasSegment({0, 0}, {998, 0}));
    EXPECT_TRUE(canvas.HasSegment({998, 499}, {0, 499}));
    struct Seg {
        const char* what;
        Point a, b;
        rtl::Color colour;
    };
    const Seg coloured[] = {
        {"floor", {91, 323}, {818, 323}, col::Black},
        {"listening line", {91, 297}, {818, 297}, col::Red},
        {"coverage start mark, scale line to listening line", {182, 323}, {182, 297}, col::Silver},
        {"scale tick at 5 m, 0.5 m long", {182, 323}, {182, 332}, col::Grey},
        // The selected top cabinet in red: front top (0, 8), front bottom
        // (0, 7.5), rear bottom (-0.75, 7.55), rear top (-0.75, 7.95).
        {"selected cabinet's front", {91, 177}, {91, 186}, col::Red},
        {"top cabinet's ray from (0, 7.75), plane 1", {91, 182}, {668, 297}, col::Red},
    };
    for (const Seg& s : coloured) EXPECT_EQ(SegmentColour(s.a, s.b), s.colour) << s.what;
    for (const auto& [a, b] : {std::pair<Point, Point>{{636, 323}, {636, 297}},
                               {{91, 186}, {77, 185}}, {{77, 185}, {77, 178}}, {{77, 178}, {91, 177}}})
        EXPECT_NE(FindSegment(a, b), nullptr) << a.x << "," << a.y;
    const rtl::Segment* ray = FindSegment({91, 182}, {668, 297});
    ASSERT_NE(ray, nullptr);
    EXPECT_EQ(ray->pen.style, rtl::PenStyle::Solid);
    // Handles: the hot start red, the stop navy, 2 pixels each way.
    const rtl::CanvasOp* hot = FirstFill({180, 321});
    ASSERT_NE(hot, nullptr);
    EXPECT_EQ(hot->rect, (rtl::Rect{180, 321, 185, 326}));
    EXPECT_EQ(hot->brush.color, col::Red);
    EXPECT_EQ(FillColour({634, 321}), col::Navy);
    // Ray-end squares: selected red, the other navy.
    EXPECT_EQ(FillColour({666, 295}), col::Red);
    EXPECT_EQ(FillColour({301, 295}), col::Navy);
    // Flown: no stage.
    EXPECT_EQ(canvas.Count(rtl::OpKind::Polygon), 1u);  // the grid only
}

TEST_F(FlatVenue, ListeningLinesNeedBothFirstEarHeights) {
    v.Plane2EarHeight = 0;
    Draw();
    EXPECT_EQ(FindSegment({91, 297}, {818, 297}), nullptr);
    EXPECT_NE(FindSegment({91, 323}, {818, 323}), nullptr);
}

TEST_F(FlatVenue, GroundStackShowsTheStage) {
    v.CoverageStart = 1.0;  // would fail the coverage test if flown
    const VenueSectionResult r = DrawWith([&](VenueSectionArgs& a) { a.RigMode = 2; });
    bool stage = false;
    for (const rtl::CanvasOp* op : canvas.OfKind(rtl::OpKind::Polygon)) {
        if (op->points == std::vector<Point>{{91, 323}, {91, 177}, {64, 177}, {64, 323}}) {
            stage = true;
            EXPECT_EQ(op->pen.color, col::Navy);
            EXPECT_EQ(op->brush.color, col::White);
        }
    }
    EXPECT_TRUE(stage);
    EXPECT_DOUBLE_EQ(v.LowestHeight, 8.0);  // the array height
    EXPECT_FALSE(r.CoverageStartNotMet);
    EXPECT_EQ(canvas.FindText(kCoverageStartNotMet), nullptr);
}

TEST_F(FlatVenue, ScaleLabelsInMetresAndFeet) {
    Draw();
    // Ticks 0..35 m; 40 m is the far end and gets none.  Labels 1 m below
    // the scale line (pixel 341), 5 pixels left of the tick, grey 6 pt.
    const rtl::CanvasOp* five = canvas.FindText("5");
    ASSERT_NE(five, nullptr);
    EXPECT_EQ(five->points[0], (Point{177, 341}));
    EXPECT_EQ(five->font.color, col::Grey);
    EXPECT_EQ(five->fontSize, 6);
    EXPECT_NE(canvas.FindText("35"), nullptr);
    EXPECT_EQ(canvas.FindText("40"), nullptr);

    DrawWith([&](VenueSectionArgs& a) { a.WideLines = true; a.Metric = false; });
    for (const char* label : {"0", "16", "33", "49", "66", "82", "98", "115"}) {
        const rtl::CanvasOp* op = canvas.FindText(label);
        ASSERT_NE(op, nullptr) << label;
        EXPECT_EQ(op->fontSize, 10);
    }
    EXPECT_EQ(canvas.FindText("16")->points[0].x, 177);
    EXPECT_EQ(canvas.FindText("131"), nullptr);
}

TEST_F(FlatVenue, HeightsAndTheirWarnings) {
    VenueSectionResult r = Draw();
    // Lowest 7.0038 m with 3 digits, highest 9.125 m with 4, at x =
    // round(MarginX) = 5, level with their heights.
    const rtl::CanvasOp* low = canvas.FindText("7m");
    ASSERT_NE(low, nullptr);
    EXPECT_EQ(low->points[0], (Point{5, 195}));
    const rtl::CanvasOp* high = canvas.FindText("9.125m");
    ASSERT_NE(high, nullptr);
    EXPECT_EQ(high->points[0], (Point{5, 157}));
    EXPECT_TRUE(r.TrimWarning.empty() && r.BottomWarning.empty() && r.PickWarning.empty());

    DrawWith([&](VenueSectionArgs& a) { a.Metric = false; });
    EXPECT_NE(canvas.FindText("23ft"), nullptr);
    EXPECT_NE(canvas.FindText("29.94ft"), nullptr);

    // Trim 7.5 m is above the lowest point, the seated ear 7.1 m too, and a
    // pick limit equal to the top is already too low.
    v.MinTrimHeight = 7.5;
    v.SeatedEarHeight = 7.1;
    v.MaxPickHeight = 9.125;
    r = Draw();
    EXPECT_EQ(r.TrimWarning, "Trim Height is below Minimum Value");
    EXPECT_EQ(r.BottomWarning, "Bottom Cabinet below Ear Height");
    EXPECT_EQ(r.PickWarning, "Pick Height is above Maximum Value");
    // In the footer (Arial 8: 11 px high, 0.6 x 11 px a character) after
    // the empty readout line "     " (Arial 7: 27 px) and three blanks
    // (20 px) each: x = 2 + 27 + 20, then + 224 + 20, then + 205 + 20.
    const rtl::CanvasOp* trim = canvas.FindText(r.TrimWarning);
    ASSERT_NE(trim, nullptr);
    EXPECT_EQ(trim->points[0], (Point{49, 491}));
    EXPECT_EQ(trim->brush.color, col::Yellow);
    EXPECT_EQ(trim->font.color, col::Navy);
    EXPECT_EQ(canvas.FindText(r.BottomWarning)->points[0], (Point{293, 491}));
    EXPECT_EQ(canvas.FindText(r.PickWarning)->points[0], (Point{518, 491}));
    EXPECT_EQ(canvas.FindTexts("   ").size(), 3u);

    // Ground-stacked: no trim warning, the stage height is the lowest point.
    r = DrawWith([&](VenueSectionArgs& a) { a.RigMode = 2; });
    EXPECT_TRUE(r.TrimWarning.empty());
    EXPECT_EQ(r.PickWarning, "Pick Height is above Maximum Value");

    // The help text hides the footer warnings.
    DrawWith([&](VenueSectionArgs& a) { a.ShowHelp = true; });
    EXPECT_EQ(canvas.FindText("Trim Height is below Minimum Value"), nullptr);
}

TEST_F(FlatVenue, FooterReadout) {
    VenueSectionArgs args;
    args.StatusText = "Cov start selected";
    args.ShowReadout = true;
    args.ReadoutX = 200;  // 200 x 0.055 - 5 = 6 m
    args.ReadoutY = 100;  // 27.5 - 9.75 - 5.5 = 12.25 m
    Draw(args);
    const rtl::CanvasOp* line = canvas.FindText("Cov start selected   6.00  12.25");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->points[0], (Point{2, 491}));
    EXPECT_EQ(line->fontSize, 7);
    EXPECT_EQ(line->font.color, col::Navy);
    // The white band under it.
    const auto fills = canvas.OfKind(rtl::OpKind::FillRect);
    EXPECT_TRUE(std::any_of(fills.begin(), fills.end(), [](const rtl::CanvasOp* op) {
        return op->rect == rtl::Rect{0, 491, 1000, 500};
    }));

    args.Metric = false;
    args.ReadoutY = 400;  // below the floor
    Draw(args);
    EXPECT_NE(canvas.FindText("Cov start selected   19.69  --.--"), nullptr);

    args.ShowReadout = false;
    Draw(args);
    EXPECT_NE(canvas.FindText("Cov start selected     "), nullptr);
}

TEST_F(FlatVenue, HelpTextRows) {
    rtl::RecordingCanvas big(1000, 5000, 960);
    VenueSectionArgs args;
    args.Width = 1000;
    args.Height = 5000;
    args.ShowHelp = true;
    DrawVenue(v, big, args);
    // Arial 10 at 960 dpi is 133 px; the step round(133 x 1.01) = 134;
    // top = (5000 - 15 x 134) div 2 = 1495.
    struct Row {
        int k, x;
        const char* text;
    };
    const Row rows[] = {
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
    for (const Row& row : rows) {
        const rtl::CanvasOp* op = big.FindText(row.text);
        ASSERT_NE(op, nullptr) << row.text;
        EXPECT_EQ(op->points[0], (Point{row.x, 1495 + row.k * 134})) << row.text;
        EXPECT_EQ(op->font.color, col::Black);
        EXPECT_EQ(op->font.name, "Arial");
    }
    // No maker's notice with the help, even when printing.
    EXPECT_EQ(big.FindText(kMakerNotice), nullptr);
}

TEST_F(FlatVenue, PrintedDrawingHasWidePensNoticeAndPicture) {
    rtl::Picture logo(40, 30, col::Yellow, "logo");
    DrawWith([&](VenueSectionArgs& a) { a.WideLines = true; a.Picture = &logo; });
    // Frame w = 7: right edge at 1000 - 14, bottom at 500 - 7.
    EXPECT_TRUE(canvas.HasSegment({0, 0}, {986, 0}));
    EXPECT_TRUE(canvas.HasSegment({986, 493}, {0, 493}));
    const rtl::Segment* floor = FindSegment({91, 323}, {818, 323});
    ASSERT_NE(floor, nullptr);
    EXPECT_EQ(floor->pen.width, 7);
    // Notice in Arial 10 (13 px): its right end 1 px left of the picture,
    // both inside the frame's corner (right line 986 and bottom line 493,
    // 7 px wide): right to 986 - 7, down to 493 - 7.
    const rtl::CanvasOp* notice = canvas.FindText(kMakerNotice);
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->points[0].x + notice->textWidth, 979 - 1 - 40);
    EXPECT_EQ(notice->points[0].y, 486 - 13);
    const auto pictures = canvas.OfKind(rtl::OpKind::StretchDraw);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0]->rect, (rtl::Rect{939, 456, 979, 486}));
}

// ---------------------------------------------------------------------------
// The coverage-start test of the bottom cabinet.

TEST_F(FlatVenue, CoverageStartTestMovesTheLastRayBack) {
    VenueSectionResult r = Draw();
    // Last ray ends at 11.65 m; 2 m back is 9.65 m, past the corner.
    ASSERT_TRUE(r.CoverageTestDone);
    EXPECT_NEAR(r.CoverageTestX, 9.65, 1e-12);
    EXPECT_NEAR(r.CoverageTestY, 1.4, 1e-12);
    // Both rays end at 1.4 m: the corner (-0.0934, 7.0038) is joined to it.
    EXPECT_TRUE(r.CoverageLineDrawn);
    EXPECT_EQ(SegmentColour({89, 195}, {266, 297}), col::Black);
    // Start 5 m + 1 < 9.65 m: the centred warning, navy 14 pt on yellow
    // (19 px high, 251 px wide): x = 500 - 125, y = 250.
    EXPECT_TRUE(r.CoverageStartNotMet);
    const rtl::CanvasOp* warn = canvas.FindText("Coverage start not met");
    ASSERT_NE(warn, nullptr);
    EXPECT_EQ(warn->points[0], (Point{375, 250}));
    EXPECT_EQ(warn->font.color, col::Navy);
    EXPECT_EQ(warn->brush.color, col::Yellow);
    EXPECT_EQ(warn->fontSize, 14);
    EXPECT_EQ(warn->pen.width, 2);

    // At the boundary (values exact in binary): the last ray meets a 1.5 m
    // listening line at 11.5 m, so the test point is 9.5 m; a start of
    // 8.5 m is met, one a little nearer is not.
    v.Plane1Intercept = 1.5;
    SetElement(1, 10.0, 0.05, 7.25, -0.5, 7.25);
    v.CoverageStart = 8.5;
    r = Draw();
    EXPECT_EQ(r.CoverageTestX, 9.5);
    EXPECT_FALSE(r.CoverageStartNotMet);
    EXPECT_EQ(canvas.FindText("Coverage start not met"), nullptr);
    v.CoverageStart = 8.49;
    EXPECT_TRUE(Draw().CoverageStartNotMet);
    v.Plane1Intercept = 1.4;
    SetElement(1, 10.0, 0.05, 7.25, -0.5, 7.225);

    // Not near the corner: with a 20 m downfill factor the point stops at
    // the corner's distance.
    v.DownfillFactor = 20.0;
    EXPECT_NEAR(Draw().CoverageTestX, -0.09341204441673259, 1e-12);

    // Rays ending 6.35 m apart in height: no joining line.
    v.DownfillFactor = 2.0;
    SetElement(0, 0.0, 0.0, 7.75, 0.0, 7.75);  // parallel: ends at (500, 7.75)
    EXPECT_FALSE(Draw().CoverageLineDrawn);
    EXPECT_EQ(FindSegment({89, 195}, {266, 297}), nullptr);
}

TEST_F(FlatVenue, CoverageWarningNotForSubwooferTypes) {
    Build("Rudd", 2, 0);
    const VenueSectionResult r = Draw();
    EXPECT_TRUE(r.CoverageTestDone);
    EXPECT_FALSE(r.CoverageStartNotMet);
    // Subwoofer rays are dotted one-pixel lines.
    const rtl::Segment* ray = FindSegment({91, 182}, {668, 297});
    ASSERT_NE(ray, nullptr);
    EXPECT_EQ(ray->pen.style, rtl::PenStyle::Dot);
    EXPECT_EQ(ray->pen.width, 1);
}

TEST_F(FlatVenue, SubwoofersOverMainCabinetsDotOnlyTheSubwoofers) {
    Build("MIXRuddArvo", 1, 1);
    DrawWith([&](VenueSectionArgs& a) { a.WideLines = true; });
    const rtl::Segment* sub = FindSegment({91, 182}, {668, 297});
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->pen.style, rtl::PenStyle::Dot);
    bool mainSolidWide = false;
    for (const rtl::Segment& s : canvas.Segments()) {
        if (s.to == Point{303, 297} && s.pen.style == rtl::PenStyle::Solid) {
            mainSolidWide = s.pen.width == 7;
        }
    }
    EXPECT_TRUE(mainSolidWide);
}

TEST_F(FlatVenue, DownfillTypesTraceTenDegreesBelowTheLastAxis) {
    Build("MIXArvoGiraF", 1, 1);
    const VenueSectionResult r = Draw();
    // slope -tan 20 deg through (-0.05, 7.25) meets 1.4 m at 16.0227 m.
    EXPECT_NEAR(r.CoverageTestX, 16.022742902936713, 1e-9);
    EXPECT_NEAR(r.CoverageTestY, 1.4, 1e-9);
    EXPECT_TRUE(r.CoverageStartNotMet);
}

TEST_F(FlatVenue, DownfillMixWarnsWithHysteresis) {
    Build("MIXArvoGiraF", 1, 1);
    // The main cabinet's ray (element 0) meets 1.4 m at 7.4 / slope.
    auto throwTo = [&](double x) {
        SetElement(0, 0.0, 0.0, 7.75, -(7.75 - 1.4) / x, 7.75);
        return !Draw().DownfillWarning.empty();
    };
    EXPECT_TRUE(throwTo(21.0));   // beyond 20 m
    EXPECT_DOUBLE_EQ(v.DrawOffset, 0.0);
    EXPECT_NE(canvas.FindText(kDownfillNotSuitable), nullptr);
    EXPECT_FALSE(throwTo(19.0));
    EXPECT_DOUBLE_EQ(v.DrawOffset, 2.0);
    EXPECT_FALSE(throwTo(21.0));  // now 22 m is the limit
    EXPECT_TRUE(throwTo(23.0));
    EXPECT_TRUE(throwTo(21.0));   // back to 20 m
    // Not a downfill mix: no test.
    Build("Arvo", 2, 0);
    EXPECT_FALSE(throwTo(30.0));
}

// Counts left in the venue by a hand-over that was refused: only a first
// count that names a drawn cabinet gets the downfill test, and the smallest
// integer does not overflow on the way.
TEST_F(FlatVenue, DownfillTestOnlyForAFirstCountThatNamesACabinet) {
    const struct {
        int n1, n2, n3;
        bool warned;
    } cases[] = {
        {1, 1, 0, true},
        {2, 0, 0, true},
        {INT_MIN, INT_MAX, 2, false},
        {0, 2, 0, false},
        {-1, 3, 0, false},
        {3, -1, 0, false},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(std::to_string(k.n1) + "/" + std::to_string(k.n2) + "/" + std::to_string(k.n3));
        Build("MIXArvoGiraF", 1, 1);
        SetElement(0, 0.0, 0.0, 7.75, -(7.75 - 1.4) / 21.0, 7.75);  // meets 1.4 m at 21 m
        SetElement(1, 0.0, 0.0, 7.75, -(7.75 - 1.4) / 21.0, 7.75);
        v.NumBoxes1 = k.n1;
        v.NumBoxes2 = k.n2;
        v.NumBoxes3 = k.n3;
        v.DrawOffset = 0.0;
        VenueSectionResult r;
        ASSERT_NO_THROW(r = Draw());
        EXPECT_EQ(!r.DownfillWarning.empty(), k.warned);
    }
}

TEST_F(FlatVenue, RayEndsWithoutRaysAreStillCurrent) {
    const VenueSectionResult r = DrawWith([&](VenueSectionArgs& a) { a.ShowRays = false; });
    ASSERT_EQ(r.RayEnds.size(), 2u);
    EXPECT_EQ(r.RayEnds[0], (Point{668, 297}));
    EXPECT_EQ(FillColour({666, 295}), col::Navy);
    EXPECT_EQ(FindSegment({91, 182}, {668, 297}), nullptr);
    EXPECT_FALSE(r.CoverageTestDone);
}

TEST_F(FlatVenue, ElementsBeyondTheTablesStop) {
    v.NumBoxes1 = 42;
    EXPECT_THROW(Draw(), rtl::RangeError);
}

// ---------------------------------------------------------------------------
// Three planes: which listening line the coverage marks reach.

TEST_F(FlatVenue, CoverageMarksReachTheirPlanesListeningLine) {
    v.Plane1Length = 20;
    v.Plane2Present = true;
    v.Plane2Length = 10;
    v.Plane2Slope = 0.0;
    v.Plane2Intercept = 3.4;
    v.Plane3Present = true;
    v.Plane3Distance = 25;
    v.Plane3Length = 15;
    v.Plane3Slope = 0.0;
    v.Plane3Intercept = 6.4;
    v.CoverageStart = 22;  // on plane 2
    v.CoverageStop = 35;   // beyond planes 1 and 2: plane 3
    const VenueSectionResult r = Draw();
    // Same fit as before (far end 40 m, height 8 m).
    EXPECT_DOUBLE_EQ(r.ScaleX, 0.055);
    // x 22 -> 491, x 35 -> 727; heights 3.4 -> 261, 6.4 -> 206, 0 -> 323.
    EXPECT_NE(FindSegment({491, 323}, {491, 261}), nullptr);
    EXPECT_NE(FindSegment({727, 323}, {727, 206}), nullptr);
    v.CoverageStop = 28;  // on plane 2
    Draw();
    EXPECT_NE(FindSegment({600, 323}, {600, 261}), nullptr);

    // A plane that is not there has no listening line: a mark beyond the
    // planes there are ends at the last one's (its line held on), never at
    // the absent plane's leftover line, here far below the floor.
    // Both marks pick their plane alike: beyond planes 1 and 2 the third
    // plane's line where it is there.
    v.Plane2Intercept = 3.4;
    const struct {
        bool plane2, plane3;
        double start, stop;
        int startTop, stopTop;  // pixel y; 1.4 m -> 297
    } cases[] = {
        {true, false, 22, 35, 261, 261},
        {false, false, 22, 35, 297, 297},
        {true, true, 33, 35, 206, 206},
        {false, true, 33, 35, 206, 206},
        {true, false, 33, 35, 261, 261},
        {false, false, 33, 35, 297, 297},
    };
    // 0 m -> pixel 91, 1 / 0.055 pixels a metre.
    const auto px = [](double x) { return 91 + static_cast<int>(std::lround(x / 0.055)); };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.plane2 << c.plane3 << " " << c.start);
        v.Plane2Present = c.plane2;
        v.Plane3Present = c.plane3;
        v.Plane3Intercept = c.plane3 ? 6.4 : -30.0;
        v.CoverageStart = c.start;
        v.CoverageStop = c.stop;
        Draw();
        EXPECT_NE(FindSegment({px(c.start), 323}, {px(c.start), c.startTop}), nullptr);
        EXPECT_NE(FindSegment({px(c.stop), 323}, {px(c.stop), c.stopTop}), nullptr);
    }
}

TEST_F(FlatVenue, BackgroundClearedOnlyWhenAsked) {
    Draw();
    ASSERT_FALSE(canvas.Ops().empty());
    const rtl::CanvasOp& first = canvas.Ops().front();
    EXPECT_EQ(first.kind, rtl::OpKind::FillRect);
    EXPECT_EQ(first.rect, (rtl::Rect{0, 0, 1000, 500}));
    EXPECT_EQ(first.brush.color, col::White);

    DrawWith([&](VenueSectionArgs& a) { a.ClearBackground = false; });
    for (const rtl::CanvasOp* op : canvas.OfKind(rtl::OpKind::FillRect)) {
        EXPECT_NE(op->rect, (rtl::Rect{0, 0, 1000, 500}));
    }
}

}  // namespace

// A printed page keeps to its frame (wide pens, w = 7): rays aimed at
// nothing stop at it, nothing is filled over its lines, and every text (the
// warning strip set smaller or broken into lines where the page is narrow,
// the heights, the scale, the footer and the notice) and the picture lie
// inside it, at 6 points or more, none over another.
TEST_F(FlatVenue, PrintedPageKeepsInsideItsFrame) {
    const struct {
        int width, height;
        bool metric;
        bool downfill;
    } cases[] = {
        {1000, 500, true, false}, {1000, 500, false, true}, {600, 400, true, true},
        {400, 300, false, true},
    };
    rtl::Picture logo(120, 27, col::Navy, "logo");
    for (const auto& k : cases) {
        SCOPED_TRACE(testing::Message() << k.width << "x" << k.height << (k.downfill ? " DF" : ""));
        Build(k.downfill ? "MIXArvoGiraF" : "Arvo", 1, 1);
        // The top cabinet aims above every plane; the downfill mix's main
        // cabinet throws beyond 20 m.
        SetElement(0, -20.0, 0.0, 7.75, k.downfill ? -(7.75 - 1.4) / 21.0 : 0.3, 7.75);
        // The trim and pick warnings in the footer, in larger letters.
        v.MinTrimHeight = 9.0;
        v.MaxPickHeight = 5.0;
        VenueSectionArgs a;
        a.Width = k.width;
        a.Height = k.height;
        a.WideLines = true;
        a.Metric = k.metric;
        a.Picture = &logo;
        a.StatusText = "Printed";
        canvas.Clear();
        const VenueSectionResult r = DrawVenue(v, canvas, a);
        ASSERT_EQ(!r.DownfillWarning.empty(), k.downfill);
        const int w = 7, right = k.width - 2 * w, bottom = k.height - w;
        const rtl::Rect inside{w, w, right - w, bottom - w};
        const auto segments = canvas.Segments();
        ASSERT_GT(segments.size(), 4u);
        for (size_t i = 4; i < segments.size(); ++i) {
            for (const Point& p : {segments[i].from, segments[i].to})
                EXPECT_TRUE(p.x >= 0 && p.x <= right && p.y >= 0 && p.y <= bottom)
                    << "segment " << i << " ends at " << p.x << "," << p.y;
        }
        const auto fills = canvas.OfKind(rtl::OpKind::FillRect);
        for (size_t i = 1; i < fills.size(); ++i) {
            const rtl::Rect& f = fills[i]->rect;
            EXPECT_FALSE(f.bottom > bottom - w / 2 && f.top < bottom + w / 2) << "over the bottom line";
            EXPECT_FALSE(f.right > right - w / 2 && f.left < right + w / 2) << "over the right line";
        }
        const auto within = [&](const rtl::Rect& b) {
            return b.left >= inside.left && b.right <= inside.right && b.top >= inside.top &&
                   b.bottom <= inside.bottom;
        };
        std::vector<rtl::Rect> boxes;
        for (const rtl::CanvasOp* t : canvas.OfKind(rtl::OpKind::TextOut)) {
            boxes.push_back({t->points[0].x, t->points[0].y, t->points[0].x + t->textWidth,
                             t->points[0].y + t->textHeight});
            EXPECT_GE(t->textHeight, 8) << t->text;  // 6 points at 96 dpi
            EXPECT_TRUE(within(boxes.back())) << t->text << " at " << boxes.back().left << "," << boxes.back().top;
        }
        const auto pictures = canvas.OfKind(rtl::OpKind::StretchDraw);
        ASSERT_EQ(pictures.size(), 1u);
        boxes.push_back(pictures[0]->rect);
        EXPECT_TRUE(within(boxes.back()));
        for (size_t i = 0; i < boxes.size(); ++i)
            for (size_t j = i + 1; j < boxes.size(); ++j)
                EXPECT_TRUE(std::max(boxes[i].left, boxes[j].left) >= std::min(boxes[i].right, boxes[j].right) ||
                            std::max(boxes[i].top, boxes[j].top) >= std::min(boxes[i].bottom, boxes[j].bottom))
                    << "box " << i << " over box " << j;
    }
}
