// libFuzzer entry point.
#include "fuzz/venue_data_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    (void)CheckVenueDataBytes(Data, Size);
    return 0;
}
