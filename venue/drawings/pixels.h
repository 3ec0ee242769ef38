#pragma once
// Pixel arithmetic of the result drawings.
//
// The drawings place their shapes from the caller's area (window or page
// size) and from text metrics. The sums and products are taken in 64 bits and
// every coordinate is held to +-2^30 when it reaches the canvas, so an absurd
// area draws a clipped picture instead of wrapping, and leaves the canvas
// room for its own sums. Rounding takes halves to the even neighbour, as the
// layouts were designed with.

#include <cstdint>
#include <initializer_list>
#include <string>

#include "platform/core/canvas.h"

namespace vdraw {

using px = long long;

inline constexpr px kPixelLimit = px{1} << 30;

// v held to -2^30 .. 2^30.
int Pix(px v);

// Nearest integer, halves to even; NaN gives 0 and the result is held to
// +-2^40 (beyond any sum of a few clamped coordinates).
px RoundPx(double v);

// Integer division that truncates toward zero, with a zero divisor giving 0.
px Div(px a, px b);

struct PxPoint {
    px x = 0;
    px y = 0;
};

// The canvas calls with clamped coordinates.
void MoveTo(rtl::Canvas& c, px x, px y);
void LineTo(rtl::Canvas& c, px x, px y);
void Line(rtl::Canvas& c, px x1, px y1, px x2, px y2);
void FillRect(rtl::Canvas& c, px left, px top, px right, px bottom);
void Rectangle(rtl::Canvas& c, px left, px top, px right, px bottom);
void RoundRect(rtl::Canvas& c, px left, px top, px right, px bottom, px cw, px ch);
void Ellipse(rtl::Canvas& c, px left, px top, px right, px bottom);
void Polyline(rtl::Canvas& c, std::initializer_list<PxPoint> points);
void Polygon(rtl::Canvas& c, std::initializer_list<PxPoint> points);
// An empty text draws nothing (as on the Windows canvas, where it leaves no
// mark; skipping it also keeps the brush from painting an empty cell).
void Text(rtl::Canvas& c, px x, px y, const std::string& text);
void FontHeight(rtl::Canvas& c, px height);

// The first n code points of a UTF-8 text, and the count of code points.
std::string Utf8Left(const std::string& s, px n);
std::string Utf8From(const std::string& s, px n);
px Utf8Length(const std::string& s);

}  // namespace vdraw
