#include "app/rules/patch_strip.h"

#include <algorithm>
#include <string>

namespace rules {

namespace {

// The window's face colour behind the racks.
constexpr rtl::Color kFace{240, 240, 240};
constexpr rtl::Color kRackCase{96, 96, 96};
// Space around a rack and between a label and its rack.
constexpr int kMargin = 4;
constexpr int kLabelGap = 2;
// The case shows this much round the amplifiers.
constexpr int kCaseBorder = 2;

}  // namespace

int PatchStripRowAt(int x) {
    if (x < 110) return 3;
    if (x > 120 && x < 220) return 2;
    if (x > 220) return 1;
    return 0;
}

int PatchStripAmplifiers(int row) {
    switch (row) {
    case 1: return 5;
    case 2: return 4;
    case 3: return 3;
    default: return 0;
    }
}

StripSpan PatchStripRowSpan(int row, int stripWidth) {
    StripSpan s;
    switch (row) {
    case 1: s = {221, stripWidth}; break;
    case 2: s = {121, 220}; break;
    case 3: s = {0, 110}; break;
    default: return {};
    }
    s.Right = std::clamp(s.Right, 0, std::max(0, stripWidth));
    s.Left = std::min(s.Left, s.Right);
    return s;
}

void DrawPatchStripRow(rtl::Canvas& c, int width, int height, int row) {
    if (width <= 0 || height <= 0) return;
    c.SetPen(rtl::Pen{kFace, 1, rtl::PenStyle::Solid});
    c.SetBrush(rtl::Brush{kFace, rtl::BrushStyle::Solid});
    c.FillRect(0, 0, width, height);

    // All three racks as wide as the narrowest range allows, on one bottom
    // line, with one unit height: the tallest rack and its label fill the
    // strip's height.
    int rackWidth = width;
    for (int r = 1; r <= 3; ++r) {
        const StripSpan span = PatchStripRowSpan(r, width);
        rackWidth = std::min(rackWidth, span.Right - span.Left);
    }
    rackWidth -= 2 * kMargin;
    c.SetFont(rtl::Font{"Arial", 0, false, rtl::colors::Black});
    c.SetFontSize(8);
    const int labelHeight = c.TextHeight("Row 1");
    const int bottom = height - kMargin;
    const int unit =
        (bottom - (kMargin + labelHeight + kLabelGap) - 2 * kCaseBorder) / PatchStripAmplifiers(1);
    if (rackWidth < 24 || unit < 5) return;

    for (int r = 1; r <= 3; ++r) {
        const StripSpan span = PatchStripRowSpan(r, width);
        const bool chosen = r == row;
        const int left = span.Left + (span.Right - span.Left - rackWidth) / 2;
        const int right = left + rackWidth;
        const int amplifiers = PatchStripAmplifiers(r);
        const int top = bottom - amplifiers * unit - 2 * kCaseBorder;

        // The rack case, then one front per amplifier from the top down.
        c.SetPen(rtl::Pen{rtl::colors::Black, 1, rtl::PenStyle::Solid});
        c.SetBrush(rtl::Brush{kRackCase, rtl::BrushStyle::Solid});
        c.Rectangle(left, top, right, bottom);
        const int frontLeft = left + kCaseBorder;
        const int frontRight = right - kCaseBorder;
        for (int k = 0; k < amplifiers; ++k) {
            const int y = top + kCaseBorder + k * unit;
            c.SetPen(rtl::Pen{rtl::colors::Black, 1, rtl::PenStyle::Solid});
            c.SetBrush(rtl::Brush{chosen ? kPatchRowHighlight : rtl::colors::White,
                                  rtl::BrushStyle::Solid});
            c.Rectangle(frontLeft, y, frontRight, y + unit);
            // The two handles and the power lamp of the front.
            c.SetPen(rtl::Pen{rtl::colors::Grey, 1, rtl::PenStyle::Solid});
            for (int hx : {frontLeft + 3, frontRight - 4}) {
                c.MoveTo(hx, y + 2);
                c.LineTo(hx, y + unit - 2);
            }
            c.SetPen(rtl::Pen{rtl::colors::Black, 1, rtl::PenStyle::Solid});
            c.SetBrush(rtl::Brush{chosen ? rtl::colors::Lime : rtl::colors::Silver,
                                  rtl::BrushStyle::Solid});
            const int lampY = y + unit / 2;
            c.Ellipse(frontRight - 11, lampY - 2, frontRight - 7, lampY + 2);
        }

        // The label above its rack, on the face colour.
        const std::string label = "Row " + std::to_string(r);
        c.SetFontBold(chosen);
        c.SetFontColor(chosen ? rtl::colors::Navy : rtl::colors::Grey);
        c.SetBrush(rtl::Brush{kFace, rtl::BrushStyle::Solid});
        c.TextOut(left + (rackWidth - c.TextWidth(label)) / 2, top - kLabelGap - labelHeight, label);
    }
}

}  // namespace rules
