#pragma once
// Framed text blocks with the design results, for the printed pages: the
// header of the additional page, the array's three heights and the
// controller settings. They read the venue and its array and change only
// the canvas's font, pen and brush.

#include "platform/core/canvas.h"

class TVenue;

// The framed header of the additional printed page: its title with the
// venue name and the pointer to the applications guide, centred.
void DrawPageHeader(const TVenue& Venue, rtl::Canvas& Canvas, int Width, int Height);

// The highest point of the rig and, when flown, the heights of the top and
// bottom cabinet fronts, in metres or (Metric false) feet.
void DrawArrayDimensionsShort(const TVenue& Venue, rtl::Canvas& Canvas, int X0, int Y0, int Width,
                              int Height, bool Metric, int RigMode);

// The controller presets of the array in two columns, its note and the
// high-pass advice of the current cabinet model.
void DrawControllerSettings(const TVenue& Venue, rtl::Canvas& Canvas, int X0, int Y0, int Width,
                            int Height, int RigMode);
