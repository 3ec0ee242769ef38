#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/core/errors.h"
#include "venue/file/text_values.h"

using namespace venuefile;

TEST(RealForm, TwentyThreeCharactersWithFourDigitExponent) {
    struct Case {
        double value;
        const char* text;
    };
    // Worked out by hand: 15 significant digits, rounded to nearest.
    const Case cases[] = {
        {1.4, " 1.40000000000000E+0000"},
        {80.0, " 8.00000000000000E+0001"},
        {-4.0, "-4.00000000000000E+0000"},
        {0.0, " 0.00000000000000E+0000"},
        {-0.0, " 0.00000000000000E+0000"},  // not a negative number
        {2.5, " 2.50000000000000E+0000"},
        {0.1, " 1.00000000000000E-0001"},
        {1e-5, " 1.00000000000000E-0005"},
        {12.0, " 1.20000000000000E+0001"},
        {-1e-300, "-1.00000000000000E-0300"},
        {1.23456789012345e123, " 1.23456789012345E+0123"},
        // 0.29999999999999998889... rounds up at the 15th digit.
        {0.3, " 3.00000000000000E-0001"},
        // 1.2345678901234567e14: ...345|67 rounds up.
        {123456789012345.67, " 1.23456789012346E+0014"},
        // -1.23456789012345678e-4: ...345|678 rounds up.
        {-0.000123456789012345678, "-1.23456789012346E-0004"},
        // 9.999999999999999e99: the carry runs through every digit into the
        // exponent.
        {9.999999999999999e99, " 1.00000000000000E+0100"},
        {-9.999999999999999e99, "-1.00000000000000E+0100"},
        // Largest double 1.7976931348623157e308: ...231|57 rounds up.
        {std::numeric_limits<double>::max(), " 1.79769313486232E+0308"},
        // Smallest normal 2.2250738585072014e-308: ...720|14 rounds down.
        {std::numeric_limits<double>::min(), " 2.22507385850720E-0308"},
        // Smallest subnormal 4.9406564584124654e-324: ...246|54 rounds up.
        {std::numeric_limits<double>::denorm_min(), " 4.94065645841247E-0324"},
        // 100000000000000.5 is exact in binary: a true tie at the 16th digit
        // keeps the even digit.
        {100000000000000.5, " 1.00000000000000E+0014"},
        // 999999999999999.5, also exact: the tie goes up to the even 10.
        {999999999999999.5, " 1.00000000000000E+0015"},
    };
    for (const Case& c : cases) {
        const std::string s = FormatReal(c.value);
        EXPECT_EQ(s, c.text) << "value " << c.value;
        EXPECT_EQ(s.size(), 23u);
    }
}

TEST(RealForm, NonFiniteHasNoForm) {
    EXPECT_THROW(FormatReal(std::numeric_limits<double>::quiet_NaN()), rtl::InOutError);
    EXPECT_THROW(FormatReal(std::numeric_limits<double>::infinity()), rtl::InOutError);
    try {
        FormatReal(-std::numeric_limits<double>::infinity());
        ADD_FAILURE();
    } catch (const rtl::InOutError& e) {
        EXPECT_EQ(e.code(), 106);
    }
}

TEST(RealForm, ReadsBackToTheFifteenDigitValue) {
    const double values[] = {1.4, -4.0, 80.0, 0.0, 1e-5, 1.23456789012345e123, 4.94065645841247e-324,
                             1.79769313486231e308};
    for (double v : values) {
        double back = -123;
        ASSERT_TRUE(ParseReal(FormatReal(v), back)) << v;
        EXPECT_EQ(back, v);
    }
    // The largest double, 1.7976931348623157e308, is written rounded up to
    // 1.79769313486232e308, past every double; that text must still read
    // back as the largest double (never as infinity), or the file would not
    // load again.
    const double largest = std::numeric_limits<double>::max();
    double back = -123;
    ASSERT_TRUE(ParseReal(FormatReal(largest), back));
    EXPECT_EQ(back, largest);
    ASSERT_TRUE(ParseReal(FormatReal(-largest), back));
    EXPECT_EQ(back, -largest);
    ASSERT_TRUE(ParseReal("179769313486232e294", back));
    EXPECT_EQ(back, largest);
    // One unit further in the 15th digit is beyond what any double is
    // written as.
    back = -123;
    EXPECT_FALSE(ParseReal(" 1.79769313486233E+0308", back));
    EXPECT_FALSE(ParseReal("-1.79769313486233E+0308", back));
    EXPECT_FALSE(ParseReal("1.8e308", back));
    EXPECT_EQ(back, -123);
}

TEST(IntegerAndBooleanForms, AsPlainText) {
    EXPECT_EQ(FormatInteger(0), "0");
    EXPECT_EQ(FormatInteger(16), "16");
    EXPECT_EQ(FormatInteger(-3), "-3");
    EXPECT_EQ(FormatInteger(INT32_MIN), "-2147483648");
    EXPECT_EQ(FormatBoolean(true), "TRUE");
    EXPECT_EQ(FormatBoolean(false), "FALSE");
    EXPECT_TRUE(ParseBoolean("TRUE"));
    for (const char* other : {"True", "TRUE ", " TRUE", "FALSE", "", "1"}) EXPECT_FALSE(ParseBoolean(other)) << other;
}

TEST(ReadingReals, FirstNumberInAnyDecimalForm) {
    struct Case {
        const char* line;
        double value;
    };
    const Case cases[] = {
        {" 1.40000000000000E+0000", 1.4},
        {"-4.00000000000000E+0000", -4.0},
        {"80", 80.0},
        {"   2.5", 2.5},
        {"\t2.5", 2.5},
        {"+2.5e1", 25.0},
        {"2.5E-1", 0.25},
        {"-.5", -0.5},
        {".5", 0.5},
        {"5.", 5.0},
        {"5.e2", 500.0},
        {"007", 7.0},
        {"0.000125", 0.000125},
        {"1.5 metres and more", 1.5},
        {" 3 4 5", 3.0},
        {"-4\t-5", -4.0},
        {"1e-400", 0.0},  // too small for a double
        {"0e99999999999", 0.0},
    };
    for (const Case& c : cases) {
        double v = -123;
        EXPECT_TRUE(ParseReal(c.line, v)) << c.line;
        EXPECT_EQ(v, c.value) << c.line;
    }
    double v = 1;
    ASSERT_TRUE(ParseReal("-1e-400", v));
    EXPECT_EQ(v, 0.0);
    EXPECT_TRUE(std::signbit(v));
    ASSERT_TRUE(ParseReal("-0", v));
    EXPECT_TRUE(std::signbit(v));
    // A long mantissa with a negative exponent can still be large:
    // 1 followed by 400 zeros, times 1e-50, is 1e350.
    EXPECT_FALSE(ParseReal("1" + std::string(400, '0') + "e-50", v));
    // And 0.(399 zeros)1 times 1e50 is 1e-350: zero.
    ASSERT_TRUE(ParseReal("0." + std::string(399, '0') + "1e50", v));
    EXPECT_EQ(v, 0.0);
    // 1e-305 written the long way is an ordinary number.
    ASSERT_TRUE(ParseReal("0." + std::string(304, '0') + "1", v));
    EXPECT_DOUBLE_EQ(v, 1e-305);
}

TEST(ReadingReals, NoNumberIsRefused) {
    const char* bad[] = {"",     "   ",   "abc",  "1.4abc", "1,4",  "nan",   "NaN",   "inf",  "-inf",
                         "INF",  "Infinity", "1e", "1e+",   "e5",   ".",     "-",     "+",    "--1",
                         "+-1",  "0x1p3", "$10",  "1e400",  "-1e400", "1.2.3", "TRUE", "1e5x"};
    for (const char* line : bad) {
        double v = -123;
        EXPECT_FALSE(ParseReal(line, v)) << line;
        EXPECT_EQ(v, -123) << line;
    }
}

TEST(ReadingIntegers, FirstIntegerWithinThirtyTwoBits) {
    struct Case {
        const char* line;
        std::int32_t value;
    };
    const Case cases[] = {
        {"5", 5}, {"  -12  rest", -12}, {"+7", 7}, {"0", 0}, {"-0", 0}, {"0016", 16},
        {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}, {"\t3\t4", 3},
    };
    for (const Case& c : cases) {
        std::int32_t v = -123;
        EXPECT_TRUE(ParseInteger(c.line, v)) << c.line;
        EXPECT_EQ(v, c.value) << c.line;
    }
    const char* bad[] = {"", " ", "2147483648", "-2147483649", "99999999999999999999", "3.5", "1e3",
                         "abc", "5abc", "+", "-", "+-5", "--5", "0x10", "$10", "1,000"};
    for (const char* line : bad) {
        std::int32_t v = -123;
        EXPECT_FALSE(ParseInteger(line, v)) << line;
        EXPECT_EQ(v, -123) << line;
    }
}
