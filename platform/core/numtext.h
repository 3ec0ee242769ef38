#pragma once
// Number texts as the program shows and prints them.  The decimal separator
// is always "." whatever the process locale.
//
// Values are first taken to 18 significant digits, then rounded half up at
// the position a format asks for, the way the program has always rounded its
// figures (1234.5 at four digits is "1235", not printf's "1234").

#include <string>

namespace rtl {

// General format: the shortest text with at most `precision` significant
// digits, trailing zeros dropped.  Fixed notation while the rounded value's
// magnitude is at least 0.0001 and its integer part has at most `precision`
// digits, else scientific ("1.235E4", "9E-5").  10 -> "10", 3.75 -> "3.75".
std::string FormatGeneral(double value, int precision = 15);

// Fixed format: rounded to `precision` significant digits and at most
// `decimals` decimals, written with exactly `decimals` decimals.  When the
// integer part has more digits than `precision` the general format with that
// precision is used instead (12345 at precision 4 -> "1.235E4").
std::string FormatFixed(double value, int precision, int decimals);

// The shortest general text (at most 15 significant digits).
inline std::string FloatToStr(double value) { return FormatGeneral(value, 15); }

// A decimal text read back with "." as separator whatever the locale.
// Leading and trailing blanks are allowed; anything else left over fails.
bool TryParseDouble(const std::string& text, double& value);

std::string IntToStr(long long value);

}  // namespace rtl
