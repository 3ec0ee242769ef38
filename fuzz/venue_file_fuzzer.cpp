// libFuzzer entry point.
#include "fuzz/venue_file_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    (void)CheckVenueFileBytes(Data, Size);
    return 0;
}
