#include "platform/core/numtext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace rtl {

namespace {

// value = 0.digits x 10^exponent, digits without leading zeros.
struct Decimal {
    bool negative = false;
    std::string digits;  // empty means zero
    int exponent = 0;
};

Decimal ToDecimal18(double value) {
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0) return d;
    char buf[64];
    // "%.17e" gives 18 significant digits; it does not depend on the locale
    // for the digits and we never read its decimal point.
    std::snprintf(buf, sizeof buf, "%.17e", std::fabs(value));
    std::string s(buf);
    std::size_t e = s.find('e');
    d.digits.push_back(s[0]);
    for (std::size_t i = 2; i < e; ++i) d.digits.push_back(s[i]);
    d.exponent = std::atoi(s.c_str() + e + 1) + 1;
    return d;
}

// Keeps `count` leading digits, rounding half up on the next one.
void RoundTo(Decimal& d, int count) {
    if (d.digits.empty()) return;
    if (count < 0) {
        d.digits.clear();
        return;
    }
    if (static_cast<std::size_t>(count) >= d.digits.size()) return;
    bool up = d.digits[count] >= '5';
    d.digits.resize(count);
    if (up) {
        int i = count - 1;
        while (i >= 0 && d.digits[i] == '9') {
            d.digits[i] = '0';
            --i;
        }
        if (i < 0) {
            // All nines: one more digit in front, "999" -> "100" with the
            // exponent one up.
            d.digits.assign(static_cast<std::size_t>(std::max(count, 1)), '0');
            d.digits[0] = '1';
            d.exponent += 1;
        } else {
            d.digits[i] += 1;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
}

std::string Sign(const Decimal& d) { return (d.negative && !d.digits.empty()) ? "-" : ""; }

std::string Scientific(const Decimal& d) {
    std::string s = Sign(d);
    s += d.digits[0];
    if (d.digits.size() > 1) {
        s += '.';
        s.append(d.digits, 1, std::string::npos);
    }
    s += 'E';
    s += std::to_string(d.exponent - 1);
    return s;
}

// Writes the digits in plain notation with exactly `decimals` decimals
// (or as many as the digits need when decimals < 0).
std::string Plain(const Decimal& d, int decimals) {
    std::string intPart, frac;
    if (d.exponent > 0) {
        for (int i = 0; i < d.exponent; ++i)
            intPart += (static_cast<std::size_t>(i) < d.digits.size()) ? d.digits[i] : '0';
        if (d.digits.size() > static_cast<std::size_t>(d.exponent)) frac = d.digits.substr(d.exponent);
    } else {
        intPart = "0";
        frac.assign(static_cast<std::size_t>(-d.exponent), '0');
        frac += d.digits;
    }
    if (d.digits.empty()) {
        intPart.assign(1, '0');
        frac.clear();
    }
    if (decimals >= 0) {
        if (frac.size() < static_cast<std::size_t>(decimals)) frac.append(decimals - frac.size(), '0');
        frac.resize(decimals);
    }
    std::string s = Sign(d) + intPart;
    if (!frac.empty()) s += "." + frac;
    return s;
}

std::string NonFinite(double value) {
    if (std::isnan(value)) return "NAN";
    return value < 0 ? "-INF" : "INF";
}

}  // namespace

std::string FormatGeneral(double value, int precision) {
    if (!std::isfinite(value)) return NonFinite(value);
    if (precision < 1) precision = 1;
    if (precision > 18) precision = 18;
    Decimal d = ToDecimal18(value);
    RoundTo(d, precision);
    if (d.digits.empty()) return "0";
    if (d.exponent > precision || d.exponent < -3) return Scientific(d);
    return Plain(d, -1);
}

std::string FormatFixed(double value, int precision, int decimals) {
    if (!std::isfinite(value)) return NonFinite(value);
    if (precision < 1) precision = 1;
    if (precision > 18) precision = 18;
    if (decimals < 0) decimals = 0;
    Decimal d = ToDecimal18(value);
    if (!d.digits.empty() && d.exponent > precision) {
        RoundTo(d, precision);
        if (d.exponent > precision) return FormatGeneral(value, precision);
    }
    d = ToDecimal18(value);
    // Round at whichever comes first: the last significant digit or the
    // last decimal.
    int keep = std::min(precision, d.exponent + decimals);
    RoundTo(d, keep);
    if (!d.digits.empty() && d.exponent > precision) return FormatGeneral(value, precision);
    return Plain(d, decimals);
}

bool TryParseDouble(const std::string& text, double& value) {
    std::size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
    if (b == e) return false;
    const char* first = text.data() + b;
    const char* last = text.data() + e;
    if (*first == '+') ++first;
    if (first == last) return false;
    double v = 0;
    auto [ptr, ec] = std::from_chars(first, last, v, std::chars_format::general);
    if (ec != std::errc() || ptr != last || !std::isfinite(v)) return false;
    value = v;
    return true;
}

std::string IntToStr(long long value) { return std::to_string(value); }

}  // namespace rtl
