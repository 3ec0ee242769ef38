#pragma once
// The venue name travels as Windows-1252 bytes in the file and as UTF-8 in
// the program.

#include <string>
#include <string_view>

namespace venuefile {

// Every byte has a character: 0x00-0x7F as they are, 0xA0-0xFF the Latin-1
// characters, 0x80-0x9F the Windows characters (0x80 the euro sign); the five
// bytes Windows leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the
// control characters U+0081 etc., as Windows itself maps them, so that they
// come back unchanged.
std::string Windows1252ToUtf8(std::string_view bytes);

// Each character without a Windows-1252 byte becomes one "?".  Malformed
// UTF-8 also becomes "?": one for each maximal start of a sequence that
// cannot be completed (so "\xE2\x82" followed by "A" is "?A"), one for each
// stray continuation byte, overlong form, surrogate or code beyond U+10FFFF.
std::string Utf8ToWindows1252(std::string_view utf8);

}  // namespace venuefile
