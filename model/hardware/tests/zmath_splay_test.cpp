#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "platform/core/errors.h"
#include "model/hardware/splay.h"
#include "model/hardware/zmath.h"

using zmath::ArcTan2;
using zmath::Tan;

// Results are single precision and compared exactly.
TEST(ArcTan2, AxesAndQuadrants) {
    const struct {
        float y, x, want;
    } cases[] = {
        // Zero numerator: minus pi on the negative axis, else zero.
        {0.0f, -1.0f, -3.1415927f}, {0.0f, -1e-30f, -3.1415927f}, {0.0f, 0.0f, 0.0f}, {0.0f, 5.0f, 0.0f},
        // Zero denominator: half pi by the sign of Y.
        {1.0f, 0.0f, 1.5707964f}, {-1.0f, 0.0f, -1.5707964f}, {1e-20f, 0.0f, 1.5707964f},
        // Quadrants follow the signs of X and Y: pi/4, 3pi/4 and their negatives.
        {1.0f, 1.0f, 0.78539819f}, {-1.0f, 1.0f, -0.78539819f},
        {1.0f, -1.0f, 2.3561945f}, {-1.0f, -1.0f, -2.3561945f},
        // Y is the numerator: (Y, X) = (1, 2) is arctan 0.5.
        {1.0f, 2.0f, 0.46364760f}, {2.0f, 1.0f, 1.10714877f},
    };
    for (const auto& c : cases) EXPECT_EQ(ArcTan2(c.y, c.x), c.want) << c.y << ", " << c.x;
}

// Doubles beyond single precision keep their ratio's angle instead of the
// angle of two infinities or two zeros.
TEST(ArcTan2OfDoubles, HugeAndTinyValuesKeepTheirRatio) {
    const struct {
        double y, x;
        float want;
    } cases[] = {
        {1e300, 1e300, 0.78539819f},    {-1e300, 1e300, -0.78539819f},
        {1e-300, -1e-300, 2.3561945f},  {3e200, 0.0, 1.5707964f},
        {0.0, -1e-200, -3.1415927f},    {1.0, 2.0, 0.46364760f},
        {0.0, 0.0, 0.0f},
    };
    for (const auto& c : cases)
        EXPECT_EQ(zmath::ArcTan2OfDoubles(c.y, c.x), c.want) << c.y << ", " << c.x;
}

TEST(Tan, SineOverCosineInSinglePrecision) {
    EXPECT_EQ(Tan(0.0f), 0.0f);
    EXPECT_EQ(Tan(0.78539819f), 1.0f);
    EXPECT_FLOAT_EQ(Tan(1.0f), 1.5574077f);
    EXPECT_FLOAT_EQ(Tan(-1.0f), -1.5574077f);
    // Near the pole the quotient is large but the call returns.
    EXPECT_GT(std::fabs(Tan(1.5707964f)), 1e6f);
}

TEST(TSplay, FreshListIsAllZero) {
    TSplay s;
    for (int i = 0; i <= 40; ++i) EXPECT_EQ(s.Angle[i], 0.0) << i;
    for (int i = 0; i <= 39; ++i) EXPECT_EQ(s.ChoiceIndex[i], 0) << i;
}

TEST(TSplay, SetAnglesCopiesAll41AndKeepsTheChoiceIndexes) {
    TSplay s;
    s.ChoiceIndex[0] = 3;
    s.ChoiceIndex[39] = 8;
    TSplayAngles a;
    for (int i = 0; i <= 40; ++i) a[i] = 0.5 * i - 2;
    s.SetAngles(a);
    EXPECT_EQ(s.Angle[0], -2.0);
    EXPECT_EQ(s.Angle[7], 1.5);
    EXPECT_EQ(s.Angle[40], 18.0);  // the 41st value
    EXPECT_EQ(s.ChoiceIndex[0], 3);
    EXPECT_EQ(s.ChoiceIndex[39], 8);

    std::array<double, 41> b{};
    b[40] = 7.5;
    b[1] = -3.75;
    s.SetAngles(b);
    EXPECT_EQ(s.Angle[40], 7.5);
    EXPECT_EQ(s.Angle[1], -3.75);
    EXPECT_EQ(s.Angle[7], 0.0);
    EXPECT_EQ(s.ChoiceIndex[39], 8);
}

TEST(TSplay, IndexesOutsideTheTablesAreRefused) {
    TSplay s;
    EXPECT_THROW(s.Angle[41] = 1.0, rtl::RangeError);
    EXPECT_THROW(s.Angle[-1] = 1.0, rtl::RangeError);
    EXPECT_THROW(s.ChoiceIndex[40] = 1, rtl::RangeError);
    EXPECT_THROW(s.ChoiceIndex[-1] = 1, rtl::RangeError);
    EXPECT_EQ(TSplay().Angle, s.Angle);
    EXPECT_EQ(TSplay().ChoiceIndex, s.ChoiceIndex);
    try {
        (void)s.Angle[41];
        FAIL();
    } catch (const rtl::RuntimeError& e) {
        EXPECT_STREQ(e.what(), "Range check error");
    }
}
