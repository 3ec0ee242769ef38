#pragma once
// The rigging-hole detail: the rear rigging holes of the first cabinet with
// the ground-stack bar beside them, the cabinet hole and the two bar holes of
// the bar's current setting labelled and marked red, the outlines filled
// pale green.  Everything is drawn inside the given area and nothing outside
// it; a cabinet model with fewer rigging holes than the picture has room for
// shows only the holes it has.

#include <cstdint>

#include "model/arrays/lsarray.h"
#include "platform/core/canvas.h"

// Metres per pixel of the hole detail.
struct THoleDetailScale {
    double X = 0.0;
    double Y = 0.0;
};

// Sets ViewMarginX/Y (0.012 and 0.02), selects element 1's cabinet, sets the
// view extents and returns the scale (with EqualScale both take the coarser
// one).  A width or height of 0 or less makes that axis's scale the whole
// extent.  The array's HoleMetresPerPixelX/Y, where it has them, receive the
// scale too.
THoleDetailScale FitHoleDetailScale(TLoudspeakerArray& A, bool EqualScale, int32_t Width,
                                    int32_t Height);

// Draws the detail into the area (Left, Top, Width, Height).  Printing lays
// the detail out smaller inside the cleared area, with dots of 3 mm.  Metric
// and RigMode are not read.  Returns the scale of the last fit.
THoleDetailScale DrawArrayHoleDetail(TLoudspeakerArray& A, rtl::Canvas& Canvas, bool EqualScale,
                                     bool Printing, int32_t Width, int32_t Height, int32_t Left,
                                     int32_t Top, bool Metric, int32_t RigMode);
