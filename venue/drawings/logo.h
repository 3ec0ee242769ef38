#pragma once
// The program's own small logo for the printed sheets and the window: the
// name "Orandel" in white on a navy band, framed, on white.

#include "platform/core/canvas.h"

// A square logo of side Size pixels (at least 48; smaller sizes give 48).
rtl::Picture MakeLogoPicture(int Size = 96);
