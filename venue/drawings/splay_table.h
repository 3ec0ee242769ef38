#pragma once
// The "TILT AND SPLAY ANGLES" sheet: the cabinets of the current array from
// the top down with the splay to set and the model (left table), and the
// amplifier output group and controller channels of each cabinet (right
// table). On paper a band above the tables carries the caller's logo and
// the venue name.

#include "platform/core/canvas.h"

class TVenue;

// Draws the sheet into the area (Left, Top, Width, Height) of the canvas.
// OnScreen picks the screen layout (15-pixel rows, no band, and a heading
// too wide for its cells drawn smaller until it fits them); on paper the
// rows share the area's height and the headings keep one size. Picture is the logo placed in the band on
// paper only. RigMode (1 flown, otherwise ground-stacked) decides the grid
// label and the angle texts; the patching rules read the venue's own rig
// mode, and callers pass the same value.
//
// The array's current cabinet is left at the last one the sheet selected;
// the canvas keeps a white brush, a navy pen and the last font set. A splay
// choice outside the cabinet's table, or more cabinet rows than the splay
// list holds, stops with rtl::RangeError.
void DrawSplayTable(TVenue& Venue, rtl::Canvas& Canvas, int Left, int Top, int Width, int Height,
                    bool OnScreen, const rtl::Picture& Picture, int RigMode);

// The height the screen layout needs, at Width, to show every row and the
// footnote under them whole.  The canvas is used to measure the texts.
int SplayTableScreenHeight(TVenue& Venue, rtl::Canvas& Canvas, int Width);
