#pragma once
// Breaking a text into lines that fit a width on a canvas, for the printed
// drawings whose texts must stay inside their cells.

#include <string>
#include <vector>

#include "platform/core/canvas.h"

namespace rtl {

// The text broken at its blanks into lines no wider than `room` in the
// canvas's current font where the words allow: each line takes as many
// words as fit, a word wider than the room stands alone.  A text that fits
// is its one line.
std::vector<std::string> BreakLines(Canvas& c, const std::string& text, long long room);

// The height of `sample` set at `points` in the canvas's font; the font is
// left as it was.  The smallest height a printed text may be set at is
// TextHeightAt(c, 6).
int TextHeightAt(Canvas& c, int points, const std::string& sample = "S");

// The canvas's font made a pixel smaller at a time while `text` is wider
// than `room`, down to `least` pixels high.
void ShrinkToWidth(Canvas& c, const std::string& text, long long room, int least);

}  // namespace rtl
