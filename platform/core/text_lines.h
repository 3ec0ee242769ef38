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

}  // namespace rtl
