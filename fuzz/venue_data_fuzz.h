#pragma once
// One hand-over of venue values, decoded from bytes, through the venue, the
// rig evaluation and every drawing.

#include <cstddef>
#include <cstdint>

// Decodes the bytes into a VenueData (array type, counts, numbers that may
// be no number, infinite or huge, flags, rig modes, splay angles), hands it
// to a venue that holds a design already, and checks what must hold
// whatever the values are: only run-time errors come out; a refused
// hand-over leaves every venue value, the splay lists and the array as they
// were; a taken one gives finite geometry and rig figures (or the rig graded
// unsafe), and every drawing of it finishes within its budget of canvas
// calls.  Aborts when one of these fails.  True when the hand-over was
// taken.
bool CheckVenueDataBytes(const std::uint8_t* Data, std::size_t Size);
