#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "venue/drawings/pixels.h"

using namespace vdraw;

TEST(Pixels, RoundingHalvesToEvenAndHeld) {
    EXPECT_EQ(RoundPx(2.5), 2);
    EXPECT_EQ(RoundPx(3.5), 4);
    EXPECT_EQ(RoundPx(-2.5), -2);
    EXPECT_EQ(RoundPx(-3.5), -4);
    EXPECT_EQ(RoundPx(62.5), 62);
    EXPECT_EQ(RoundPx(44.62), 45);
    EXPECT_EQ(RoundPx(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(RoundPx(1e300), px{1} << 40);
    EXPECT_EQ(RoundPx(-INFINITY), -(px{1} << 40));
}

TEST(Pixels, CoordinatesHeldToTheCanvasRange) {
    EXPECT_EQ(Pix(5), 5);
    EXPECT_EQ(Pix(px{1} << 40), 1 << 30);
    EXPECT_EQ(Pix(-(px{1} << 40)), -(1 << 30));
    EXPECT_EQ(Div(7, 2), 3);
    EXPECT_EQ(Div(-7, 2), -3);
    EXPECT_EQ(Div(7, 0), 0);
}

TEST(Pixels, Utf8PiecesKeepWholeCharacters) {
    const std::string s = "a\xC2\xB0" "bc";  // a, degree sign, b, c
    EXPECT_EQ(Utf8Length(s), 4);
    EXPECT_EQ(Utf8Left(s, 2), "a\xC2\xB0");
    EXPECT_EQ(Utf8From(s, 2), "bc");
    EXPECT_EQ(Utf8Left(s, 9), s);
    EXPECT_EQ(Utf8From(s, 9), "");
}
