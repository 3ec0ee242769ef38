#include "platform/core/canvas.h"

#include <cstdint>
#include <cstdlib>
#include <utility>

#include "platform/core/errors.h"

namespace rtl {

Picture::Picture(int w, int h, Color fill, std::string pictureName)
    : width(w > 0 ? w : 0), height(h > 0 ? h : 0), name(std::move(pictureName)) {
    pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), fill);
}

Color Picture::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) throw RangeError();
    return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
}

void Picture::Set(int x, int y, Color c) {
    if (x < 0 || y < 0 || x >= width || y >= height) throw RangeError();
    pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] = c;
}

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    long long num = static_cast<long long>(a) * b;
    long long den = c;
    bool negative = (num < 0) != (den < 0);
    long long n = std::llabs(num);
    long long d = std::llabs(den);
    long long q = (n + d / 2) / d;
    long long r = negative ? -q : q;
    // Windows answers -1 when the result does not fit.
    if (r > INT32_MAX || r < INT32_MIN) return -1;
    return static_cast<int>(r);
}

int FontHeightFromPoints(int points, int dpi) { return -MulDiv(points, dpi, 72); }

int PointsFromFontHeight(int height, int dpi) { return -MulDiv(height, 72, dpi); }

void Canvas::FillRect(const Rect& r) {
    if (brush_.style == BrushStyle::Clear) return;
    if (r.right <= r.left || r.bottom <= r.top) return;
    DoFillRect(r);
}

void Canvas::MoveTo(int x, int y) {
    penPos_ = Point{x, y};
    DoMoveTo(penPos_);
}

void Canvas::LineTo(int x, int y) {
    Point from = penPos_;
    penPos_ = Point{x, y};
    DoLine(from, penPos_);
}

void Canvas::Polyline(std::span<const Point> points) {
    if (points.empty()) return;
    DoPolyline(points);
}

void Canvas::Polygon(std::span<const Point> points) {
    if (points.empty()) return;
    DoPolygon(points);
}

void Canvas::Rectangle(int left, int top, int right, int bottom) {
    DoRectangle(Rect{left, top, right, bottom});
}

void Canvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
    DoRoundRect(Rect{left, top, right, bottom}, cornerWidth, cornerHeight);
}

void Canvas::Ellipse(int left, int top, int right, int bottom) {
    DoEllipse(Rect{left, top, right, bottom});
}

void Canvas::Arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY) {
    DoArc(Rect{left, top, right, bottom}, Point{startX, startY}, Point{endX, endY}, false);
}

void Canvas::Pie(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY) {
    DoArc(Rect{left, top, right, bottom}, Point{startX, startY}, Point{endX, endY}, true);
}

int SaturatedAdd(int a, int b) {
    long long v = static_cast<long long>(a) + b;
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return static_cast<int>(v);
}

void Canvas::TextOut(int x, int y, const std::string& text) {
    DoTextOut(x, y, text);
    penPos_ = Point{SaturatedAdd(x, TextWidth(text)), y};
}

void Canvas::Draw(int x, int y, const Picture& picture) {
    StretchDraw(Rect{x, y, SaturatedAdd(x, picture.width), SaturatedAdd(y, picture.height)}, picture);
}

void Canvas::StretchDraw(const Rect& r, const Picture& picture) { DoStretchDraw(r, picture); }

void Canvas::FloodFill(int x, int y, Color surface) { DoFloodFill(x, y, surface); }

}  // namespace rtl
