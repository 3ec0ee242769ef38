#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "platform/core/checked.h"
#include "platform/core/errors.h"
#include "platform/core/numtext.h"
#include "platform/core/rounding.h"

using namespace rtl;

TEST(RuntimeErrors, CarryTheTextsTheUserSees) {
    EXPECT_STREQ(RangeError().what(), "Range check error");
    EXPECT_STREQ(OverflowError().what(), "Integer overflow");
    EXPECT_STREQ(AbstractError().what(), "Abstract error");
    const std::pair<int, const char*> io[] = {{2, "File not found"},  {100, "Read beyond end of file"},
                                              {106, "Invalid numeric input"}, {5, "File access denied"},
                                              {101, "Disk full"},     {998, "I/O error 998"}};
    for (const auto& [code, text] : io) EXPECT_STREQ(InOutError(code).what(), text) << code;
    EXPECT_STREQ(InOutError(106, "a.ven, line 7").what(), "Invalid numeric input (a.ven, line 7)");
    // One base type catches them all.
    try {
        throw InOutError(2);
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), 2);
    }
}

TEST(CheckedArithmetic, ThrowsInsteadOfWrapping) {
    EXPECT_EQ(CheckedAdd(2147483646, 1), 2147483647);
    EXPECT_THROW(CheckedAdd(2147483647, 1), OverflowError);
    EXPECT_THROW(CheckedSub(-2147483647 - 1, 1), OverflowError);
    EXPECT_EQ(CheckedSub(-5, 7), -12);
    EXPECT_THROW(CheckedMul(65536, 32768), OverflowError);
    EXPECT_EQ(CheckedMul(-46340, 46340), -2147395600);
}

TEST(CheckedArray, HonoursPascalBoundsAndWritesNothingOutside) {
    CheckedArray<double, 0, 40> a;
    a[0] = 1;
    a[40] = 2;
    EXPECT_EQ(a[40], 2);
    EXPECT_THROW(a[41] = 5, RangeError);
    EXPECT_THROW(a[-1], RangeError);
    CheckedArray<int, 1, 30> b;
    EXPECT_THROW(b[0], RangeError);
    b[30] = 7;
    EXPECT_EQ(b[30], 7);
    EXPECT_EQ(b.data()[29], 7);
    for (int i = 1; i <= 29; ++i) EXPECT_EQ(b[i], 0);
    EXPECT_THROW((CheckedArray<int, 1, 2>{1, 2, 3}), RangeError);
}

TEST(Round, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, int32_t> cases[] = {{0.5, 0},        {1.5, 2},   {2.5, 2},
                                                {-2.5, -2},      {-3.5, -4}, {2.4999999, 2},
                                                {-0.6, -1},      {2147483647.0, 2147483647}};
    for (const auto& [v, rounded] : cases) EXPECT_EQ(Round(v), rounded) << v;
    EXPECT_EQ(Trunc(-2.9), -2);
}

TEST(Round, NonNumbersAndHugeValuesRaiseTheRangeError) {
    EXPECT_THROW(Round(std::nan("")), RangeError);
    EXPECT_THROW(Round(INFINITY), RangeError);
    EXPECT_THROW(Round(-INFINITY), RangeError);
    EXPECT_THROW(Round(2147483648.0), RangeError);
    EXPECT_THROW(Round(-2147483649.0), RangeError);
    EXPECT_THROW(Trunc(3e9), RangeError);
}

namespace {
void ExpectNumberTexts() {
    const struct {
        double v;
        const char* text;
    } general[] = {{10, "10"}, {3.75, "3.75"}, {0.1, "0.1"}, {-4, "-4"}, {0, "0"},
                   {1.0 / 3.0, "0.333333333333333"}};
    for (const auto& c : general) EXPECT_EQ(FormatGeneral(c.v), c.text) << c.v;
    const struct {
        double v;
        int precision, digits;  // digits -1: the general form
        const char* text;
    } sized[] = {
        {12345, 4, -1, "1.235E4"}, {20000, 4, -1, "2E4"}, {1234.5, 4, -1, "1235"}, {9999.5, 4, -1, "1E4"},
        {-0.5, 4, -1, "-0.5"}, {0.00009, 4, -1, "9E-5"}, {0.0001, 4, -1, "0.0001"},
        {-0.0000123456, 4, -1, "-1.235E-5"}, {6.0 / 0.3048, 4, -1, "19.69"},
        {6.41, 4, 1, "6.4"}, {6.45, 4, 1, "6.5"}, {220, 5, 2, "220.00"}, {100 * 2.2, 4, 0, "220"},
        {9999.4, 4, 0, "9999"}, {12345, 4, 0, "1.235E4"}, {9999.6, 4, 0, "1E4"}, {-0.04, 3, 1, "0.0"},
        {-12.34, 3, 1, "-12.3"}, {1.875, 3, 1, "1.9"}, {0.000123, 4, 5, "0.00012"},
    };
    for (const auto& c : sized) {
        const std::string got =
            c.digits < 0 ? FormatGeneral(c.v, c.precision) : FormatFixed(c.v, c.precision, c.digits);
        EXPECT_EQ(got, c.text) << c.v << " " << c.precision << " " << c.digits;
    }
    double v = 0;
    EXPECT_TRUE(TryParseDouble(" 1.40000000000000E+0000", v));
    EXPECT_EQ(v, 1.4);
    EXPECT_TRUE(TryParseDouble("-4.5 ", v));
    EXPECT_EQ(v, -4.5);
    EXPECT_FALSE(TryParseDouble("4,5", v));
    EXPECT_FALSE(TryParseDouble("", v));
    EXPECT_FALSE(TryParseDouble("nan", v));
    EXPECT_FALSE(TryParseDouble("inf", v));
    EXPECT_FALSE(TryParseDouble("1e999", v));
    EXPECT_FALSE(TryParseDouble("12abc", v));
}
}  // namespace

TEST(NumberTexts, GeneralAndFixedFormats) { ExpectNumberTexts(); }

// Rounding that carries through every digit gives one digit more in front,
// also when no digit of the value is kept.
TEST(NumberTexts, ACarryThroughAllNinesAddsALeadingOne) {
    const struct {
        double v;
        int precision, digits;
        const char* text;
    } cases[] = {
        {0.06, 4, 1, "0.1"},     {0.96, 4, 1, "1.0"},    {99.96, 4, 1, "100.0"},
        {-0.96, 4, 1, "-1.0"},   {0.996, 2, -1, "1"},    {0.0996, 2, -1, "0.1"},
        {999.96, 4, 0, "1000"},
    };
    for (const auto& c : cases) {
        const std::string got =
            c.digits < 0 ? FormatGeneral(c.v, c.precision) : FormatFixed(c.v, c.precision, c.digits);
        EXPECT_EQ(got, c.text) << c.v << " " << c.precision << " " << c.digits;
    }
}

TEST(NumberTexts, UseAPointUnderACommaLocale) {
    const char* locales[] = {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "C.UTF-8"};
    const char* chosen = nullptr;
    for (const char* l : locales) {
        if (std::setlocale(LC_ALL, l)) {
            chosen = l;
            break;
        }
    }
    ExpectNumberTexts();
    std::setlocale(LC_ALL, "C");
    if (!chosen || std::string(chosen) == "C.UTF-8") GTEST_SKIP() << "no comma locale installed";
}
