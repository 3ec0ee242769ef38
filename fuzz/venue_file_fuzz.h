#pragma once
// One venue file, as bytes, through the reader and back through the writer.

#include <cstddef>
#include <cstdint>

// Loads the bytes into a venue and checks what must hold whatever they are:
// only the run-time errors come out, a refused file leaves the venue as it
// was and names the file and line, and a loaded design saves and loads again
// to the same bytes.  Aborts when one of these fails.  True when the bytes
// loaded.
bool CheckVenueFileBytes(const std::uint8_t* Data, std::size_t Size);
