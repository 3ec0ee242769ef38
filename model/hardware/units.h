#pragma once
// Unit factors and unit texts.  Lengths are held in metres and masses in
// kilograms everywhere; imperial display divides lengths by the metres per
// foot and multiplies masses by the pounds per kilogram.  Every place that
// shows or converts a value uses these, so the figures agree everywhere.

#include <string>

namespace units {

// Metres in one foot: an imperial length is metres / kMetresPerFoot, and a
// typed length in feet is feet * kMetresPerFoot metres.
inline constexpr double kMetresPerFoot = 0.3048;
// Feet in one metre, as the survey dialog and the edit conversion multiply
// by it (1 / 0.3048 to double precision).
inline constexpr double kFeetPerMetre = 3.2808398950131235;
// Pounds shown for one kilogram.
inline constexpr double kPoundsPerKilogram = 2.2;

// A length in metres as feet (divided, so 0.3048 m is exactly 1 ft).
inline constexpr double MetresToFeet(double metres) { return metres / kMetresPerFoot; }
inline constexpr double FeetToMetres(double feet) { return feet * kMetresPerFoot; }
inline constexpr double KilogramsToPounds(double kg) { return kg * kPoundsPerKilogram; }

// The shown value of a length or a mass in the chosen unit system.
inline constexpr double ShownLength(double metres, bool metric) {
    return metric ? metres : MetresToFeet(metres);
}
inline constexpr double ShownMass(double kg, bool metric) {
    return metric ? kg : KilogramsToPounds(kg);
}

// "6.0 m" / "19.7 ft": the length in fixed format with the given precision
// and decimals, then a blank and the unit.
std::string LengthText(double metres, bool metric, int precision, int decimals);
// "100.00 kg" / "220.00 lb", likewise.
std::string MassText(double kg, bool metric, int precision, int decimals);

}  // namespace units
