#pragma once
// The array in side view: a scaled elevation with a measuring grid in metres
// or feet, every cabinet with its rear link bar and number, the flying grid
// with its link and pick points (flown) or the base with its tipping bands
// (ground-stacked), the junction pieces of the mixed arrays, the marks "X",
// "Y" and "Z" the venue's dimension texts refer to, and the centre of gravity
// as a plumb line and a symbol.
//
// World coordinates are metres with x to the right and y DOWNWARDS; y = 0 is
// the front-face centre of the top cabinet (of the top subwoofer for the
// stacked mini subwoofer mix, which measures from its stage height instead).

#include <cstdint>

class TLoudspeakerArray;

namespace rtl {
class Canvas;
}

// Sets the array's ViewMarginX/Y, ViewExtentX/Y and MetresPerPixelX/Y for a
// picture of Width x Height pixels (an axis of 0 pixels or less takes its
// extent as its scale).  With EqualScale both axes take the larger scale.
// Makes the first cabinet model current.
void FitArraySideViewScale(TLoudspeakerArray& Array, bool EqualScale, int32_t Width,
                           int32_t Height);

// Draws the array into (0, 0)-(Width - 1, Height - 1) of the canvas.
// DrawArray false draws only the background, measuring grid, plumb line and
// centre-of-gravity symbol.  RigMode: 1 flown, 2 ground-stacked (the caller's
// mode; the scale fit reads the array's own).  Printing widens the plumb line
// to half a link-bar width.  Spare is not read.
//
// Evaluates the rig first (CalcMechanics; a ground stack also runs its
// tipping check), so the picture always shows this array's own centre of
// gravity.  Leaves the last cabinet model it selected current and the
// canvas's pen, brush and font as the last shape set them.  Needs
// ElementCount >= 1; pixel arithmetic that leaves the 32-bit range stops
// with the platform's range or overflow error.
void DrawArraySideView(TLoudspeakerArray& Array, rtl::Canvas& Canvas, bool DrawArray,
                       bool EqualScale, int32_t Width, int32_t Height, bool Metric,
                       int32_t RigMode, bool Printing, bool Spare);
