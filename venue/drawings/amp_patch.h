#pragma once
// Amplifier patch diagrams: the amplifier racks the current array needs,
// seen from the rear. One panel per two-channel amplifier, each channel
// labelled with the controller output feeding its input and the cabinet
// section its output drives, with tags beside the panels naming the cabinets
// wired there.
//
// Two families: the three-way diagram of the full-size and compact cabinets
// (up to three racks, cabinets patched in pairs) and the mini-cabinet
// diagram (an active and a passive rack, cabinets in groups of four).

#include <string>

#include "platform/core/canvas.h"

class TVenue;

// Draws the diagram of the venue's array into the area (Left, Top, Width,
// Height). ShowTitles picks the screen layout (large racks, titles and the
// hint) over the print layout. Rack1..Rack3 choose the racks; all three
// together stand side by side. SecondModel draws, for the two mixes with two
// patched models, the diagram of the second model; inside the three-way
// diagram of at most four cabinets it selects the three-output controller
// variant. Reads the venue and its array only; the canvas's pen, brush and
// font are left changed.
void DrawAmpPatch(const TVenue& Venue, rtl::Canvas& Canvas, int Left, int Top, int Width,
                  int Height, bool ShowTitles, bool Rack1, bool Rack2, bool Rack3,
                  bool SecondModel);

// What a diagram reads of the venue and its array: the array's type code
// (-1 without an array), its first model's cabinet count and the venue's
// three cabinet counts.  With the same place and flags, the same inputs
// give the same diagram (splay angles and venue sizes do not enter it).
struct AmpPatchInputs {
    int TypeCode = -1;
    int FirstModelCount = 0;
    int NumBoxes1 = 0;
    int NumBoxes2 = 0;
    int NumBoxes3 = 0;
    friend bool operator==(const AmpPatchInputs&, const AmpPatchInputs&) = default;
};
AmpPatchInputs AmpPatchInputsOf(const TVenue& Venue);

// The tag of a pair of cabinets wired to one amplifier: "Cabs A&B".
std::string CabPairLabel(int A, int B);
