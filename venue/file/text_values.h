#pragma once
// The value lines of a venue file, one value a line:
//   real     23 characters, " 1.40000000000000E+0000" / "-4.00000000000000E+0000"
//   integer  decimal digits, "-" when negative, no blanks
//   boolean  "TRUE" or "FALSE"
//   string   the text itself
// Nothing here depends on the process locale.

#include <cstdint>
#include <string>
#include <string_view>

namespace venuefile {

// A blank or "-", one digit, ".", 14 digits, "E", the exponent's sign and
// four exponent digits.  The 15 significant digits are the value correctly
// rounded (an exact tie goes to the even digit).  Zero, negative zero
// included, is " 0.00000000000000E+0000".  A NaN or an infinity has no such
// form: rtl::InOutError "Invalid numeric input" is thrown.
std::string FormatReal(double value);

std::string FormatInteger(std::int32_t value);

inline std::string FormatBoolean(bool value) { return value ? "TRUE" : "FALSE"; }

// The first number on a line.  Leading blanks (any character up to and
// including ' ') are skipped; the number runs up to the next blank or the end
// of the line and must be wholly a decimal number:
//   [+|-] digits [. [digits]] [E|e [+|-] digits]   or   [+|-] . digits [...]
// Whatever follows the next blank is ignored.  False, and `value` untouched,
// for an empty line, a token that is not such a number ("1.4abc", "1,4",
// "nan", "inf", hexadecimal), or a number too large for a double.  A number
// too small for a double reads as zero with its sign; the largest double's
// own 15-digit form, a little above it, reads as the largest double.
bool ParseReal(std::string_view line, double& value);

// The first integer on a line, the same way: [+|-] digits, within 32 bits.
bool ParseInteger(std::string_view line, std::int32_t& value);

// Exactly "TRUE" is true; anything else ("True", "TRUE ", "") is false.
inline bool ParseBoolean(std::string_view line) { return line == "TRUE"; }

}  // namespace venuefile
