#pragma once
// A canvas that draws nothing and keeps the box round everything a drawing
// would put down, texts measured with another canvas's fonts: a drawing is
// run on it first to learn how much room it takes on that canvas.

#include <optional>

#include "platform/core/canvas.h"

namespace rtl {

class BoundsCanvas : public Canvas {
public:
    // Texts are measured on `metrics` (its font is set for each measure and
    // put back).
    explicit BoundsCanvas(Canvas& metrics);

    int Dpi() const override { return metrics_.Dpi(); }
    Rect ClipRect() const override { return metrics_.ClipRect(); }
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;

    // The box round all that was drawn (right and bottom exclusive), or
    // nothing before anything was.
    const std::optional<Rect>& Bounds() const { return bounds_; }
    void Reset() { bounds_.reset(); }

protected:
    void DoFillRect(const Rect& r) override { Add(r); }
    void DoLine(Point from, Point to) override;
    void DoPolyline(std::span<const Point> points) override { AddPoints(points); }
    void DoPolygon(std::span<const Point> points) override { AddPoints(points); }
    void DoRectangle(const Rect& r) override { Add(r); }
    void DoRoundRect(const Rect& r, int, int) override { Add(r); }
    void DoEllipse(const Rect& r) override { Add(r); }
    void DoArc(const Rect& r, Point, Point, bool) override { Add(r); }
    void DoTextOut(int x, int y, const std::string& text) override;
    void DoStretchDraw(const Rect& r, const Picture&) override { Add(r); }
    void DoFloodFill(int, int, Color) override {}

private:
    void Add(const Rect& r);
    void AddPoints(std::span<const Point> points);

    Canvas& metrics_;
    std::optional<Rect> bounds_;
};

}  // namespace rtl
