#include "model/details/flying_detail.h"

#include <cmath>
#include <initializer_list>
#include <numbers>
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

constexpr double kMargin = 0.05;  // m round the picture
constexpr double kUnit = 0.01;    // m, width unit of link bars, lugs and the bar's ends

struct WorldPoint {
    double x;
    double y;
};

// Arrays headed by mini subwoofers.
bool IsMiniSubType(const TLoudspeakerArray& A) {
    return A.TypeInfo().Models[0] == TCabinetModel::Ivor;
}

void SetSolidBrush(rtl::Canvas& C, Color Colour) {
    C.SetBrush(rtl::Brush{Colour, rtl::BrushStyle::Solid});
}

// Turns a world point about the datum; positive angles turn the front of a
// cabinet down, as everywhere in the array model.
WorldPoint RotatePoint(WorldPoint P, double AngleDegrees) {
    const double a = AngleDegrees * std::numbers::pi / 180.0;
    const double c = std::cos(a);
    const double s = std::sin(a);
    return WorldPoint{P.x * c + P.y * s, -P.x * s + P.y * c};
}

// What the parts of one drawing share: the datum, the scale, the dot radius
// and where the grid put its rear link hole.
class DetailPainter {
public:
    DetailPainter(TLoudspeakerArray& A, rtl::Canvas& C, int32_t Left, int32_t Top)
        : A_(A), C_(C), Left_(Left), Top_(Top) {}

    int32_t PX = 0;
    int32_t PY = 0;
    int32_t r = 2;
    double sx = 1.0;
    double sy = 1.0;
    Point GridRearLink{};

    Point WorldToPixel(WorldPoint P) const {
        return Point{CheckedAdd(CheckedAdd(Left_, PX), Round(P.x / sx)),
                     CheckedAdd(CheckedAdd(Top_, PY), Round(P.y / sy))};
    }

    void DrawDot(Point P, Color Colour) {
        C_.SetPenWidth(1);
        const rtl::Brush saved = C_.GetBrush();
        SetSolidBrush(C_, Colour);
        C_.Ellipse(CheckedSub(P.x, r), CheckedSub(P.y, r), CheckedAdd(P.x, r), CheckedAdd(P.y, r));
        C_.SetBrush(saved);
    }

    // Points down at P and leaves P itself free for the dot under it.
    void DrawPickArrow(Point P, Color Colour) {
        C_.SetPenWidth(1);
        const rtl::Brush saved = C_.GetBrush();
        SetSolidBrush(C_, Colour);
        const int32_t r2 = CheckedMul(2, r);
        const int32_t r3 = CheckedMul(3, r);
        const int32_t r7 = CheckedMul(7, r);
        const int32_t r11 = CheckedMul(11, r);
        const Point head[] = {{P.x, CheckedSub(P.y, r3)},
                              {CheckedAdd(P.x, r2), CheckedSub(P.y, r7)},
                              {CheckedSub(P.x, r2), CheckedSub(P.y, r7)}};
        C_.Polygon(head);
        const Point shaft[] = {{CheckedSub(P.x, r), CheckedSub(P.y, r7)},
                               {CheckedAdd(P.x, r), CheckedSub(P.y, r7)},
                               {CheckedAdd(P.x, r), CheckedSub(P.y, r11)},
                               {CheckedSub(P.x, r), CheckedSub(P.y, r11)}};
        C_.Polygon(shaft);
        C_.SetBrush(saved);
    }

    // A filled shape from world corners, each turned by Angle first.
    void Shape(std::initializer_list<WorldPoint> Corners, Color Fill, double Angle = 0.0) {
        std::vector<Point> pts;
        pts.reserve(Corners.size());
        for (const WorldPoint& w : Corners) pts.push_back(WorldToPixel(RotatePoint(w, Angle)));
        SetSolidBrush(C_, Fill);
        C_.Polygon(pts);
    }

    void ClearFrame(int32_t Width, int32_t Height) {
        C_.SetPenColor(rtl::colors::White);
        SetSolidBrush(C_, rtl::colors::White);
        const int32_t right = CheckedAdd(Left_, Width);
        const int32_t bottom = CheckedAdd(Top_, Height);
        const Point area[] = {{Left_, Top_}, {right, Top_}, {right, bottom}, {Left_, bottom}};
        C_.Polygon(area);
        C_.SetPenWidth(1);
        C_.SetPenColor(rtl::colors::Black);
        const int32_t r1 = CheckedSub(right, 1);
        const int32_t b1 = CheckedSub(bottom, 1);
        C_.MoveTo(Left_, Top_);
        C_.LineTo(r1, Top_);
        C_.LineTo(r1, b1);
        C_.LineTo(Left_, b1);
        C_.LineTo(Left_, Top_);
    }

    // The grid, or the ground-stack base, at the datum.  RigMode is the
    // caller's argument; the unsafe-stack arrows follow the array's own rig
    // mode.
    void DrawGrid(int32_t RigMode, Point& PickPoint) {
        const TGrid& g = *A_.Grid;
        const double Tp = g.PlateThickness;
        const double d = kUnit;
        C_.SetPenWidth(1);
        C_.SetPenColor(rtl::colors::Black);

        const double rearEnd = -(g.BaseRearLength + g.LinkInset);
        Shape({{0, 0}, {rearEnd, 0}, {rearEnd, Tp}, {0, Tp}}, rtl::colors::SkyBlue);
        Shape({{0, 2 * g.BaseFrontStep},
               {g.BaseFrontLength, 2 * g.BaseFrontStep},
               {g.BaseFrontLength, Tp},
               {0, Tp}},
              rtl::colors::SkyBlue);

        DrawDot(WorldToPixel({-g.LinkInset, Tp - g.HoleInset}), rtl::colors::Silver);
        DrawDot(WorldToPixel({-g.LinkInset, g.HoleInset}), rtl::colors::Silver);
        DrawDot(WorldToPixel({-g.LinkInset - g.AlternateHoleShift, Tp - g.HoleInset}),
                rtl::colors::Silver);
        GridRearLink = WorldToPixel({-g.LinkInset - g.LinkSpacing, Tp - g.RearLinkHeight});
        DrawDot(GridRearLink, rtl::colors::Silver);
        // The subwoofer grids have no alternate rear link hole.
        if (!IsAnyOf(A_.ArrayType(), {TArrayType::Hoba, TArrayType::HobaBexa}))
            DrawDot(WorldToPixel({-g.LinkInset - g.AlternateHoleShift - g.LinkSpacing,
                                  Tp - g.RearLinkHeight}),
                    rtl::colors::Silver);

        if (g.PickHeight < 0) {
            const double yL = g.PickHeight - 3 * d;
            if (RigMode == TLoudspeakerArray::Flown)
                Shape({{g.FrontPickX + 2 * d, 0},
                       {g.FrontPickX + 2 * d, yL},
                       {g.FrontPickX - 2 * d, yL},
                       {g.FrontPickX - 2 * d, 0}},
                      rtl::colors::SkyBlue);
            else
                Shape({{0, 0}, {0, yL}, {-4 * d, yL}, {-4 * d, 0}}, rtl::colors::MoneyGreen);
            Shape({{g.RearPickX + 2 * d, 0},
                   {g.RearPickX + 2 * d, yL},
                   {g.RearPickX - 2 * d, yL},
                   {g.RearPickX - 2 * d, 0}},
                  rtl::colors::SkyBlue);
        }

        const Point front = WorldToPixel({g.FrontPickX, g.PickHeight});
        DrawDot(front, rtl::colors::Red);
        PickPoint = front;
        DrawDot(WorldToPixel({g.RearPickX, g.PickHeight}), rtl::colors::Red);

        if (A_.RigMode == TLoudspeakerArray::GroundStacked && A_.GroundStackSafetyLevel() == 2) {
            DrawPickArrow(WorldToPixel({g.BaseFrontLength, 2 * Tp}), rtl::colors::Red);
            DrawPickArrow(WorldToPixel({rearEnd, 2 * Tp}), rtl::colors::Red);
        }
    }

    // The current cabinet, its front-top corner at (0, Tp + G) before the
    // turn by Angle about the datum.
    void DrawCabinet(bool Stacked, double Angle) {
        const TBox& box = *A_.CurrentBox;
        const TGrid& g = *A_.Grid;
        const double H = box.FrontHeight;
        const double Hr = box.RearHeight;
        const double D = box.Depth;
        const double k = std::tan(box.TaperAngle);
        const double Tp = g.PlateThickness;
        const double G = g.TopGap;
        const double T = Tp + G;
        const double d = kUnit;
        const TArrayType type = A_.ArrayType();
        auto pixel = [&](WorldPoint w) { return WorldToPixel(RotatePoint(w, Angle)); };

        const double halfStep = (H - Hr) / 2;
        Shape({{0, H + T}, {0, T}, {-D, T + halfStep}, {-D, H + T - halfStep}},
              rtl::colors::Cream, Angle);
        const double ls = box.LinkSetback;
        Shape({{0, H + T}, {0, T}, {-ls, T + k * ls}, {-ls, H + T - k * ls}},
              rtl::colors::MoneyGreen, Angle);
        const double x1 = -D + box.TopOffset;
        const double x2 = x1 + box.LinkDrop;
        const double yT = T + halfStep;
        const double yB = H + T - halfStep;
        Shape({{x2, yB + k * box.LinkDrop}, {x2, yT - k * box.LinkDrop}, {x1, yT}, {x1, yB}},
              rtl::colors::MoneyGreen, Angle);

        DrawDot(pixel({-g.LinkInset, T + g.HoleInset}), rtl::colors::Silver);
        if (!Stacked)
            Shape({{-g.LinkInset + d, Tp},
                   {-g.LinkInset - d, Tp},
                   {-g.LinkInset - d, Tp + G},
                   {-g.LinkInset + d, Tp + G}},
                  rtl::colors::SkyBlue, Angle);

        double xR = -g.LinkInset - g.LinkSpacing;
        if (type == TArrayType::Elka) xR += 0.02;
        if (IsMiniSubType(A_)) xR -= 0.185;
        DrawDot(pixel({xR, T + (D - g.HoleInset) * k + g.HoleInset}), rtl::colors::Silver);

        // The mini downfill hangs without a rear link bar.
        if (!Stacked && type != TArrayType::Elka) {
            const double x0 = -g.LinkInset - g.LinkSpacing;
            const double y1 = T + (D - g.HoleInset) * k + d * k;
            const double yG = Tp - g.RearLinkHeight;
            Shape({{x0 - d, y1}, {x0 + d, y1 - 2 * d * k}, {x0 + d, yG}, {x0 - d, yG}},
                  rtl::colors::MoneyGreen, Angle);
        }

        // Rigging holes: the first always, the next six with more than one
        // splay choice, the eighth with more than seven.
        Point hole[8];
        bool placed[8] = {};
        for (int n = 0; n < 8; ++n) {
            if (n == 0 || (n <= 6 && box.SplayCount > 1) || (n == 7 && box.SplayCount > 7)) {
                hole[n] = pixel({-box.Holes[n].X, T + H - box.Holes[n].Y});
                placed[n] = true;
            }
        }
        // The ground-stack strut meets the cabinet hole of the bar's setting.
        int c = 0;
        Point strutEnd{};
        bool strut = false;
        if (Stacked) {
            const TGroundStackBar& bar = *A_.GroundStackBar;
            c = bar.CabinetHole[bar.CurrentIndex];
            if (c >= 1 && c <= 8) {
                const int n = box.SplayCount >= 2 ? c - 1 : 0;
                strutEnd = placed[n] ? hole[n]
                                     : pixel({-box.Holes[n].X, T + H - box.Holes[n].Y});
                strut = true;
            }
            C_.SetPenColor(rtl::colors::MoneyGreen);
            C_.SetPenWidth(Round(3 * d / sy));
            if (strut) {
                C_.MoveTo(GridRearLink.x, GridRearLink.y);
                C_.LineTo(strutEnd.x, strutEnd.y);
            }
            C_.SetPenWidth(1);
            C_.SetPenColor(rtl::colors::Black);
        }
        if (box.SplayCount > 4) {
            if (Stacked) DrawDot(GridRearLink, rtl::colors::Red);
            for (int n = 0; n < 8; ++n)
                if (placed[n]) DrawDot(hole[n], rtl::colors::Silver);
        }
        if (Stacked && box.SplayCount > 1 && strut) DrawDot(strutEnd, rtl::colors::Red);
        if (Stacked) DrawDot(GridRearLink, rtl::colors::Red);
        if (box.SplayCount == 1) DrawDot(hole[0], rtl::colors::Red);
    }

    // The lift bar over the grid's pick points; the datum is the grid's
    // front pick point on the canvas.
    void DrawLiftBar(const TLiftBar& Bar, int32_t PickMode, int32_t BestHole) {
        const TGrid& g = *A_.Grid;
        const double delta = g.RearPickX - g.FrontPickX;
        const int32_t N = Bar.HoleCount;
        const double p = Bar.HolePitch;
        const double yH = -Bar.HoleDrop;
        const double b = Bar.BarHeight;
        const double span = static_cast<double>(CheckedSub(N, 1)) * p;
        C_.SetPenWidth(1);
        C_.SetPenColor(rtl::colors::Black);

        std::vector<Point> holes;
        if (Bar.PickSide == TGrid::SideFront) {
            Shape({{delta - 0.015, yH - b / 2},
                   {delta - 0.015, yH + b / 2},
                   {delta + span + 0.015, yH + b / 2},
                   {delta + span + 0.015, yH - b / 2}},
                  rtl::colors::SkyBlue);
            for (int32_t i = 0; i < N; ++i) {
                holes.push_back(WorldToPixel({delta + i * p, yH}));
                DrawDot(holes.back(), rtl::colors::Grey);
            }
        } else {
            Shape({{0.015, yH - b / 2},
                   {0.015, yH + b / 2},
                   {-span - 0.015, yH + b / 2},
                   {-span - 0.015, yH - b / 2}},
                  rtl::colors::SkyBlue);
            for (int32_t i = 0; i < N; ++i) holes.push_back(WorldToPixel({-i * p, yH}));
        }
        for (int32_t i = 0; i < N; ++i) {
            bool picked = false;
            if (PickMode == TGrid::PickLiftBarTwoPoint)
                picked = i == 0 || i == N - 1;
            else
                picked = static_cast<int64_t>(i) == static_cast<int64_t>(BestHole) - 1;
            if (picked)
                DrawPickArrow(holes[static_cast<size_t>(i)], rtl::colors::Red);
            else
                DrawDot(holes[static_cast<size_t>(i)], rtl::colors::Grey);
        }
        DrawDot(WorldToPixel({0, 0}), rtl::colors::Red);
        DrawDot(WorldToPixel({delta, 0}), rtl::colors::Red);
    }

private:
    TLoudspeakerArray& A_;
    rtl::Canvas& C_;
    int32_t Left_;
    int32_t Top_;
};

}  // namespace

void FitFlyingDetailScale(TLoudspeakerArray& A, bool EqualScale, int32_t Width, int32_t Height,
                          double ExtraX, double ExtraY) {
    A.ViewMarginX = kMargin;
    A.ViewMarginY = kMargin;
    A.SelectCabinet(1);
    const TGrid& g = *A.Grid;
    const TBox& box = *A.CurrentBox;
    // The mini subwoofer arrays are as wide as their cabinet, not their grid.
    if (IsMiniSubType(A))
        A.ViewExtentX = 2 * kMargin + box.Depth + ExtraX;
    else
        A.ViewExtentX = g.BaseRearLength + g.BaseFrontLength + 2 * kMargin + ExtraX;
    A.ViewExtentY = g.PlateThickness + g.TopGap + 0.1 + box.FrontHeight + 2 * kMargin + ExtraY;
    double sx = Width > 0 ? A.ViewExtentX / Width : A.ViewExtentX;
    double sy = Height > 0 ? A.ViewExtentY / Height : A.ViewExtentY;
    if (EqualScale) {
        if (sx > sy)
            sy = sx;
        else
            sx = sy;
    }
    A.DetailMetresPerPixelX = sx;
    A.DetailMetresPerPixelY = sy;
}

bool DrawArrayFlyingDetail(TLoudspeakerArray& A, rtl::Canvas& Canvas, bool EqualScale,
                           bool Printing, int32_t Width, int32_t Height, int32_t Left,
                           int32_t Top, bool /*Metric*/, int32_t RigMode, double ExtraX,
                           double ExtraY, int32_t ShiftX, int32_t ShiftY,
                           rtl::Point& PickPoint) {
    const TGrid& g = *A.Grid;
    if (IsMiniSubType(A) && g.PickMode == TGrid::PickFrontRear) ExtraX += 0.5;
    FitFlyingDetailScale(A, EqualScale, Width, Height, ExtraX, ExtraY);

    DetailPainter p(A, Canvas, Left, Top);
    p.sx = A.DetailMetresPerPixelX;
    p.sy = A.DetailMetresPerPixelY;
    p.ClearFrame(Width, Height);
    p.r = Printing ? Round(0.008 / p.sx) : 2;
    // The mini downfill hangs turned by its bottom face.
    const double cabinetAngle =
        A.ArrayType() == TArrayType::Elka ? -A.CurrentBox->BottomFaceAngle : 0.0;
    const double Tp = g.PlateThickness;
    const double G = g.TopGap;

    bool gridDrawn = false;
    if (RigMode == TLoudspeakerArray::Flown) {
        const int32_t OriginX =
            CheckedSub(Width, Round((g.BaseRearLength + g.BaseFrontLength + 0.1) / p.sx)) / 2;
        const int32_t OriginY = 0;
        p.PY = CheckedAdd(CheckedAdd(OriginY, Round((G + Tp) / p.sy)), ShiftY);
        const int32_t gridPX =
            CheckedAdd(CheckedAdd(OriginX, Round((0.05 + g.BaseRearLength) / p.sx)), ShiftX);
        // The mini downfill hangs 0.02 m further forward.
        const double inset = A.ArrayType() == TArrayType::Elka ? 0.07 : 0.05;
        if (g.PrimaryHolesUsed) {
            p.PX = CheckedAdd(CheckedAdd(OriginX, Round((inset + g.BaseRearLength) / p.sx)), ShiftX);
            p.DrawCabinet(false, cabinetAngle);
            p.PX = gridPX;
            p.DrawGrid(RigMode, PickPoint);
            gridDrawn = true;
        } else if (g.AlternateHolesUsed) {
            // The cabinet hangs from the alternate holes; the grid stays put.
            p.PX = CheckedAdd(
                CheckedAdd(OriginX,
                           Round((inset + g.BaseRearLength - g.AlternateHoleShift) / p.sx)),
                ShiftX);
            p.DrawCabinet(false, cabinetAngle);
            p.PX = gridPX;
            p.DrawGrid(RigMode, PickPoint);
            gridDrawn = true;
        }
    } else if (RigMode == TLoudspeakerArray::GroundStacked) {
        const int32_t bottom = CheckedAdd(A.Count1, 1);
        A.SelectCabinet(bottom);
        const int32_t OriginY = Printing ? Round(Tp / p.sy) : 0;
        const int32_t baseX = Round((0.05 + g.BaseRearLength) / p.sx);
        p.PY = CheckedAdd(OriginY, Round((Tp + G + A.CurrentBox->FrontHeight) / p.sy));
        p.PX = baseX;
        p.DrawGrid(RigMode, PickPoint);
        gridDrawn = true;

        A.SelectCabinet(bottom);
        const double a = A.GroundStackBar->CurrentAngle();
        const double ar = a * std::numbers::pi / 180.0;
        const double L = A.CurrentBox->FrontHeight + Tp + G;
        p.PY = CheckedAdd(OriginY, Round(((1 - std::cos(ar)) * L) / p.sy));
        // The horizontal part goes through the vertical scale; every caller
        // asks for equal scales.
        p.PX = CheckedAdd(Round(std::sin(ar) * L / p.sy), baseX);
        p.DrawCabinet(true, -a);
    }

    if (Printing) {
        std::string title;
        if (A.CombinationGrid) {
            title = "Flying Detail - side view - Grid = Combination Grid";
        } else {
            A.SelectCabinet(0);
            title = "Flying Detail - side view - Grid = " + A.CurrentBox->ModelName;
        }
        SetSolidBrush(Canvas, rtl::colors::White);
        Canvas.SetFontSize(10);
        Canvas.SetFontBold(true);
        const int32_t tw = Canvas.TextWidth(title);
        const int32_t th = Canvas.TextHeight(title);
        Canvas.TextOut(CheckedAdd(Left, CheckedSub(Width, tw) / 2),
                       CheckedAdd(Top, Round(0.5 * th)), title);
    }
    return gridDrawn;
}

void DrawArrayFlyingDetailWithLiftBar(TLoudspeakerArray& A, const TLiftBar* LiftBar,
                                      rtl::Canvas& Canvas, bool EqualScale, bool Printing,
                                      int32_t Width, int32_t Height, int32_t Left, int32_t Top,
                                      bool Metric, int32_t RigMode, double ExtraX, double ExtraY,
                                      int32_t ShiftX, int32_t ShiftY, rtl::Point& PickPoint) {
    const TGrid& g = *A.Grid;
    const int32_t mode = g.PickMode;
    if (mode != TGrid::PickLiftBarOnePoint && mode != TGrid::PickLiftBarTwoPoint) {
        DrawArrayFlyingDetail(A, Canvas, EqualScale, Printing, Width, Height, Left, Top, Metric,
                              RigMode, ExtraX, ExtraY, ShiftX, ShiftY, PickPoint);
        return;
    }
    // The shifts that make room for the bar use the scale without it.
    FitFlyingDetailScale(A, EqualScale, Width, Height, 0, 0);
    if (LiftBar == nullptr) return;
    const int32_t side = LiftBar->PickSide;
    if (side != TGrid::SideFront && side != TGrid::SideRear) return;
    const double Tp = g.PlateThickness;
    const int32_t shiftY = Round(1.0 * Tp / A.DetailMetresPerPixelY);
    const int32_t shiftX = side == TGrid::SideFront ? 0 : Round(1.1 * Tp / A.DetailMetresPerPixelX);

    // The bar hangs from the grid's front pick point as the base drawing
    // placed it; without a grid there is nothing to hang it from.
    Point datum{0, 0};
    if (!DrawArrayFlyingDetail(A, Canvas, EqualScale, Printing, Width, Height, Left, Top, Metric,
                               RigMode, 0.25, 0.05, shiftX, shiftY, datum))
        return;

    DetailPainter p(A, Canvas, 0, 0);
    p.sx = A.DetailMetresPerPixelX;
    p.sy = A.DetailMetresPerPixelY;
    p.PX = datum.x;
    p.PY = datum.y;
    p.r = Printing ? Round(0.008 / p.sx) : 2;
    p.DrawLiftBar(*LiftBar, mode, A.LiftBarBestHole);
}
