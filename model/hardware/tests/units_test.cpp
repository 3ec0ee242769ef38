// Unit factors and the unit texts built from them, worked by hand.
#include <gtest/gtest.h>

#include <string>

#include "model/hardware/units.h"

namespace {

TEST(Units, FactorsAreTheImperialDefinitions) {
    EXPECT_EQ(units::kMetresPerFoot, 0.3048);
    EXPECT_EQ(units::kPoundsPerKilogram, 2.2);
    // The feet per metre are the reciprocal of the metres per foot.
    EXPECT_NEAR(units::kFeetPerMetre * units::kMetresPerFoot, 1.0, 1e-15);
    EXPECT_DOUBLE_EQ(units::MetresToFeet(0.3048), 1.0);
    EXPECT_DOUBLE_EQ(units::MetresToFeet(3.048), 10.0);
    EXPECT_DOUBLE_EQ(units::FeetToMetres(10.0), 3.048);
    EXPECT_DOUBLE_EQ(units::KilogramsToPounds(50.0), 110.0);
}

TEST(Units, LengthTexts) {
    struct Case {
        double metres;
        bool metric;
        int precision, decimals;
        const char* text;
    };
    const Case cases[] = {
        {6.0, true, 5, 1, "6.0 m"},
        {6.0, false, 5, 1, "19.7 ft"},       // 19.685 ft
        {10.0, false, 4, 1, "32.8 ft"},      // 32.808 ft
        {0.3048, false, 4, 1, "1.0 ft"},
        {-1.524, false, 4, 1, "-5.0 ft"},
        {12.345, true, 4, 1, "12.3 m"},      // 12.345 at 4 digits is 12.35, shown to 1 decimal
        {2.5, true, 4, 1, "2.5 m"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(units::LengthText(c.metres, c.metric, c.precision, c.decimals), c.text)
            << c.metres << (c.metric ? " m" : " ft");
}

TEST(Units, MassTexts) {
    struct Case {
        double kg;
        bool metric;
        int precision, decimals;
        const char* text;
    };
    const Case cases[] = {
        {100.0, true, 5, 2, "100.00 kg"},
        {100.0, false, 5, 2, "220.00 lb"},
        {381.0, false, 4, 0, "838 lb"},      // 838.2 lb
        {381.0, true, 4, 0, "381 kg"},
        {-20.0, false, 5, 2, "-44.00 lb"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(units::MassText(c.kg, c.metric, c.precision, c.decimals), c.text)
            << c.kg << (c.metric ? " kg" : " lb");
}

}  // namespace
