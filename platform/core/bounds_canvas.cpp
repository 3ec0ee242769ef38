#include "platform/core/bounds_canvas.h"

#include <algorithm>

namespace rtl {

namespace {

// Measures with the drawing's font on the other canvas, whose own font is
// kept.
template <class F>
int WithFont(Canvas& metrics, const Font& font, F measure) {
    const Font saved = metrics.GetFont();
    metrics.SetFont(font);
    const int v = measure();
    metrics.SetFont(saved);
    return v;
}

}  // namespace

BoundsCanvas::BoundsCanvas(Canvas& metrics) : metrics_(metrics) { SetFont(metrics.GetFont()); }

int BoundsCanvas::TextWidth(const std::string& text) {
    return WithFont(metrics_, GetFont(), [&] { return metrics_.TextWidth(text); });
}

int BoundsCanvas::TextHeight(const std::string& text) {
    return WithFont(metrics_, GetFont(), [&] { return metrics_.TextHeight(text); });
}

void BoundsCanvas::Add(const Rect& r) {
    const Rect n{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
                 std::max(r.top, r.bottom)};
    bounds_ = bounds_ ? Union(*bounds_, n) : n;
}

void BoundsCanvas::AddPoints(std::span<const Point> points) {
    for (const Point& p : points) Add(Rect{p.x, p.y, p.x + 1, p.y + 1});
}

void BoundsCanvas::DoLine(Point from, Point to) {
    const Point both[] = {from, to};
    AddPoints(both);
}

void BoundsCanvas::DoTextOut(int x, int y, const std::string& text) {
    if (text.empty()) return;
    Add(Rect{x, y, x + TextWidth(text), y + TextHeight(text)});
}

}  // namespace rtl
