#pragma once
// The venue section as the main window draws it into its off-screen image.
// Everything the venue drawing takes is gathered here, so the window makes
// one call whatever draws the picture.

#include <array>
#include <cstdint>
#include <string>

#include "platform/core/canvas.h"

class TForm1;

struct TVenueDrawCall {
    int Width = 0;
    int Height = 0;
    // The view switches as handed over (elements 0 to 10).
    std::array<uint8_t, 11> ViewFlags{};
    int SelElement = 0;
    // Image2's picture instead of Image5's.
    bool UseImage2 = false;
};

// Draws the venue section of `form` into `canvas`.  Writes the screen
// positions of the coverage points and the array back into the form.
void DrawVenueSection(TForm1& form, rtl::Canvas& canvas, const TVenueDrawCall& call);
