#include "venue/file/text_values.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

#include "platform/core/errors.h"

namespace venuefile {

namespace {

// The largest double as FormatReal writes it.
constexpr long double kLargestWritten = 1.79769313486232e308L;

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The first blank-delimited token of a line.
std::string_view FirstToken(std::string_view line) {
    std::size_t b = 0;
    while (b < line.size() && IsBlank(line[b])) ++b;
    std::size_t e = b;
    while (e < line.size() && !IsBlank(line[e])) ++e;
    return line.substr(b, e - b);
}

}  // namespace

std::string FormatReal(double value) {
    if (!std::isfinite(value)) throw rtl::InOutError(rtl::InOutError::InvalidNumericInput);
    char buf[64];
    // to_chars is correctly rounded and ignores the locale.
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));  // "d.ddddddddddddddde+XX"
    const std::size_t e = s.find('e');
    const int exponent = std::atoi(std::string(s.substr(e + 1)).c_str());
    const int magnitude = std::abs(exponent);

    std::string out;
    out.reserve(23);
    // Negative zero is no negative number: it gets the blank.
    out += (value < 0) ? '-' : ' ';
    out += s.substr(0, e);
    out += 'E';
    out += exponent < 0 ? '-' : '+';
    out += static_cast<char>('0' + magnitude / 1000 % 10);
    out += static_cast<char>('0' + magnitude / 100 % 10);
    out += static_cast<char>('0' + magnitude / 10 % 10);
    out += static_cast<char>('0' + magnitude % 10);
    return out;
}

std::string FormatInteger(std::int32_t value) { return std::to_string(value); }

bool ParseReal(std::string_view line, double& value) {
    std::string_view t = FirstToken(line);
    // Check the grammar ourselves: from_chars alone would accept "inf",
    // "nan" and stop early on "1.4abc".
    std::size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    const std::size_t numberStart = i;
    std::size_t intDigits = 0, fracDigits = 0;
    // Position of the first non-zero digit relative to the decimal point
    // (its power of ten), to tell underflow from overflow below.
    long long leadPower = 0;
    bool seenNonZero = false;
    while (i < t.size() && IsDigit(t[i])) {
        if (!seenNonZero && t[i] != '0') seenNonZero = true;
        if (seenNonZero) ++leadPower;  // counts integer digits from the first non-zero
        ++intDigits;
        ++i;
    }
    if (seenNonZero) --leadPower;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && IsDigit(t[i])) {
            ++fracDigits;
            if (!seenNonZero) {
                if (t[i] != '0') {
                    seenNonZero = true;
                    leadPower = -static_cast<long long>(fracDigits);
                }
            }
            ++i;
        }
    }
    if (intDigits + fracDigits == 0) return false;
    long long exponent = 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        bool expNegative = false;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) expNegative = t[i++] == '-';
        std::size_t expDigits = 0;
        while (i < t.size() && IsDigit(t[i])) {
            if (exponent < 100000000) exponent = exponent * 10 + (t[i] - '0');
            ++expDigits;
            ++i;
        }
        if (expDigits == 0) return false;
        if (expNegative) exponent = -exponent;
    }
    if (i != t.size()) return false;

    if (!seenNonZero) {
        value = negative ? -0.0 : 0.0;
        return true;
    }
    double v = 0;
    const char* first = t.data() + numberStart;
    const char* last = t.data() + t.size();
    auto [ptr, ec] = std::from_chars(first, last, v, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Too small for a double reads as zero.
        if (leadPower + exponent < 0) {
            value = negative ? -0.0 : 0.0;
            return true;
        }
        // The writer's 15 digits round the largest double up past it
        // ("1.79769313486232E+0308"); that text still stands for the largest
        // double, or a saved design would not load again.  Anything larger is
        // no number.
        long double wide = 0;
        const auto wideRes = std::from_chars(first, last, wide, std::chars_format::general);
        if (wideRes.ec == std::errc() && wideRes.ptr == last && wide <= kLargestWritten) {
            value = negative ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
            return true;
        }
        return false;
    }
    if (ec != std::errc() || ptr != last || !std::isfinite(v)) return false;
    value = negative ? -v : v;
    return true;
}

bool ParseInteger(std::string_view line, std::int32_t& value) {
    std::string_view t = FirstToken(line);
    std::size_t i = 0;
    if (i < t.size() && t[i] == '+') ++i;  // from_chars takes "-" but not "+"
    if (i < t.size() && t[i] == '-' && i > 0) return false;
    if (i == t.size()) return false;
    std::int32_t v = 0;
    auto [ptr, ec] = std::from_chars(t.data() + i, t.data() + t.size(), v, 10);
    if (ec != std::errc() || ptr != t.data() + t.size()) return false;
    value = v;
    return true;
}

}  // namespace venuefile
