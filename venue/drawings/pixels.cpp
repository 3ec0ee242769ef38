#include "venue/drawings/pixels.h"

#include <cmath>
#include <vector>

namespace vdraw {

int Pix(px v) {
    if (v > kPixelLimit) return static_cast<int>(kPixelLimit);
    if (v < -kPixelLimit) return static_cast<int>(-kPixelLimit);
    return static_cast<int>(v);
}

px RoundPx(double v) {
    constexpr double kLimit = 1099511627776.0;  // 2^40
    if (std::isnan(v)) return 0;
    if (v >= kLimit) return static_cast<px>(kLimit);
    if (v <= -kLimit) return -static_cast<px>(kLimit);
    double f = std::floor(v);
    double d = v - f;
    px r = static_cast<px>(f);
    if (d > 0.5 || (d == 0.5 && (r % 2 != 0))) ++r;
    return r;
}

px Div(px a, px b) { return b == 0 ? 0 : a / b; }

void MoveTo(rtl::Canvas& c, px x, px y) { c.MoveTo(Pix(x), Pix(y)); }
void LineTo(rtl::Canvas& c, px x, px y) { c.LineTo(Pix(x), Pix(y)); }

void Line(rtl::Canvas& c, px x1, px y1, px x2, px y2) {
    MoveTo(c, x1, y1);
    LineTo(c, x2, y2);
}

void FillRect(rtl::Canvas& c, px left, px top, px right, px bottom) {
    c.FillRect(Pix(left), Pix(top), Pix(right), Pix(bottom));
}

void Rectangle(rtl::Canvas& c, px left, px top, px right, px bottom) {
    c.Rectangle(Pix(left), Pix(top), Pix(right), Pix(bottom));
}

void RoundRect(rtl::Canvas& c, px left, px top, px right, px bottom, px cw, px ch) {
    c.RoundRect(Pix(left), Pix(top), Pix(right), Pix(bottom), Pix(cw), Pix(ch));
}

void Ellipse(rtl::Canvas& c, px left, px top, px right, px bottom) {
    c.Ellipse(Pix(left), Pix(top), Pix(right), Pix(bottom));
}

namespace {
std::vector<rtl::Point> ToPoints(std::initializer_list<PxPoint> points) {
    std::vector<rtl::Point> out;
    out.reserve(points.size());
    for (const PxPoint& p : points) out.push_back(rtl::Point{Pix(p.x), Pix(p.y)});
    return out;
}
}  // namespace

void Polyline(rtl::Canvas& c, std::initializer_list<PxPoint> points) {
    std::vector<rtl::Point> pts = ToPoints(points);
    c.Polyline(pts);
}

void Polygon(rtl::Canvas& c, std::initializer_list<PxPoint> points) {
    std::vector<rtl::Point> pts = ToPoints(points);
    c.Polygon(pts);
}

void Text(rtl::Canvas& c, px x, px y, const std::string& text) {
    if (text.empty()) return;
    c.TextOut(Pix(x), Pix(y), text);
}

void FontHeight(rtl::Canvas& c, px height) { c.SetFontHeight(Pix(height)); }

namespace {
bool IsContinuation(unsigned char ch) { return (ch & 0xC0) == 0x80; }

// Byte offset of code point n (the text's length when it has fewer).
size_t OffsetOf(const std::string& s, px n) {
    size_t i = 0;
    px k = 0;
    while (i < s.size() && k < n) {
        ++i;
        while (i < s.size() && IsContinuation(static_cast<unsigned char>(s[i]))) ++i;
        ++k;
    }
    return i;
}
}  // namespace

std::string Utf8Left(const std::string& s, px n) { return s.substr(0, OffsetOf(s, n)); }

std::string Utf8From(const std::string& s, px n) { return s.substr(OffsetOf(s, n)); }

px Utf8Length(const std::string& s) {
    px n = 0;
    for (unsigned char ch : s)
        if (!IsContinuation(ch)) ++n;
    return n;
}

}  // namespace vdraw
