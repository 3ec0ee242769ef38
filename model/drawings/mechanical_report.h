#pragma once
// The framed "Mechanical" summary of an array's rig for the printed page:
// the safety verdict, the last cabinet's face angle, the two pick loads, the
// centre of gravity, the lift-bar hole and the grid angle it gives, and the
// total mass, in kilograms and metres or pounds and feet.

#include <cstdint>
#include <string>

class TLoudspeakerArray;

namespace rtl {
class Canvas;
}

// A figure of the report: 4 significant digits, fixed notation from 0.0001
// up to below 10000, else "1.235E4" style; "." as decimal point.
std::string MechanicalReportNumber(double Value);

// Writes the box at (Left, Top), Width x Height pixels.  Reads the rig as the
// last evaluation left it: the grid's pick loads and the lift-bar hole from
// the array, the centre of gravity and mass from the array's rigging library,
// asked after the verdict (SafetyLevel, which re-evaluates a ground stack).
// The lift-bar hole and grid angle read as on the array page (see
// lift_bar_reading.h): without a hole within reach the hole reads "NA" and
// the angle's line has no value.  Spare is not read.
// Leaves the canvas with Arial 8 regular in black, a white brush and a black
// pen.
void PrintArrayMechanicalReport(TLoudspeakerArray& Array, rtl::Canvas& Canvas, int32_t Left,
                                int32_t Top, int32_t Width, int32_t Height, int32_t Spare,
                                bool Metric);
