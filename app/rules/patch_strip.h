#pragma once
// The patch page's strip of row pictures over the amplifier patch diagram.
// Row 1, 2 and 3 are the diagram's three racks of five, four and three
// amplifiers.  The strip shows them side by side, each where the pointer
// picks it: row 3 left of x = 110, row 2 from 121 to 219, row 1 right of
// 220; the pointer between them picks nothing.

#include "platform/core/canvas.h"

namespace rules {

// The row under the pointer at x in the strip, 0 in the gaps (110 to 120,
// and 220).
int PatchStripRowAt(int x);

// Amplifiers in the rack of row 1, 2 or 3; 0 for any other row.
int PatchStripAmplifiers(int row);

// The x range (right edge not included) that picks row 1, 2 or 3 in a strip
// of the given width; empty for any other row or where the strip ends.
struct StripSpan {
    int Left = 0;
    int Right = 0;
    friend bool operator==(const StripSpan&, const StripSpan&) = default;
};
StripSpan PatchStripRowSpan(int row, int stripWidth);

// The highlight of the chosen row's amplifiers: the diagram's first colour.
inline constexpr rtl::Color kPatchRowHighlight = rtl::colors::SkyBlue;

// The picture of `row` chosen, over the whole strip (width x height): the
// three racks on the window's face colour, each a rack outline standing on
// one shared bottom line with its amplifier fronts and its label ("Row 1"
// ...) above it, each centred in the range that picks it; the chosen row's
// fronts are filled with kPatchRowHighlight and its label is bold and navy.
// Any other row value highlights none.  A strip too small for the racks
// shows its face colour only.
void DrawPatchStripRow(rtl::Canvas& c, int width, int height, int row);

}  // namespace rules
