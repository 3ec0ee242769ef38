#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "core/checked.h"
#include "core/errors.h"
#include "core/numtext.h"
#include "core/rounding.h"

using namespace rtl;

TEST(RuntimeErrors, CarryTheTextsTheUserSees) {
    EXPECT_STREQ(RangeError().what(), "Range check error");
    EXPECT_STREQ(OverflowError().what(), "Integer overflow");
    EXPECT_STREQ(AbstractError().what(), "Abstract error");
    EXPECT_STREQ(InOutError(2).what(), "File not found");
    EXPECT_STREQ(InOutError(100).what(), "Read beyond end of file");
    EXPECT_STREQ(InOutError(106).what(), "Invalid numeric input");
    EXPECT_STREQ(InOutError(5).what(), "File access denied");
    EXPECT_STREQ(InOutError(101).what(), "Disk full");
    EXPECT_STREQ(InOutError(998).what(), "I/O error 998");
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
    EXPECT_EQ(Round(0.5), 0);
    EXPECT_EQ(Round(1.5), 2);
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(-3.5), -4);
    EXPECT_EQ(Round(2.4999999), 2);
    EXPECT_EQ(Round(-0.6), -1);
    EXPECT_EQ(Round(2147483647.0), 2147483647);
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
    EXPECT_EQ(FormatGeneral(10), "10");
    EXPECT_EQ(FormatGeneral(3.75), "3.75");
    EXPECT_EQ(FormatGeneral(0.1), "0.1");
    EXPECT_EQ(FormatGeneral(-4), "-4");
    EXPECT_EQ(FormatGeneral(0), "0");
    EXPECT_EQ(FormatGeneral(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(FormatGeneral(12345, 4), "1.235E4");
    EXPECT_EQ(FormatGeneral(20000, 4), "2E4");
    EXPECT_EQ(FormatGeneral(1234.5, 4), "1235");
    EXPECT_EQ(FormatGeneral(9999.5, 4), "1E4");
    EXPECT_EQ(FormatGeneral(-0.5, 4), "-0.5");
    EXPECT_EQ(FormatGeneral(0.00009, 4), "9E-5");
    EXPECT_EQ(FormatGeneral(0.0001, 4), "0.0001");
    EXPECT_EQ(FormatGeneral(-0.0000123456, 4), "-1.235E-5");
    EXPECT_EQ(FormatGeneral(6.0 / 0.3048, 4), "19.69");
    EXPECT_EQ(FormatFixed(6.41, 4, 1), "6.4");
    EXPECT_EQ(FormatFixed(6.45, 4, 1), "6.5");
    EXPECT_EQ(FormatFixed(220, 5, 2), "220.00");
    EXPECT_EQ(FormatFixed(100 * 2.2, 4, 0), "220");
    EXPECT_EQ(FormatFixed(9999.4, 4, 0), "9999");
    EXPECT_EQ(FormatFixed(12345, 4, 0), "1.235E4");
    EXPECT_EQ(FormatFixed(9999.6, 4, 0), "1E4");
    EXPECT_EQ(FormatFixed(-0.04, 3, 1), "0.0");
    EXPECT_EQ(FormatFixed(-12.34, 3, 1), "-12.3");
    EXPECT_EQ(FormatFixed(1.875, 3, 1), "1.9");
    EXPECT_EQ(FormatFixed(0.000123, 4, 5), "0.00012");
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
