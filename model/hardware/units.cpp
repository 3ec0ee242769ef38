#include "model/hardware/units.h"

#include "platform/core/numtext.h"

namespace units {

std::string LengthText(double metres, bool metric, int precision, int decimals) {
    return rtl::FormatFixed(ShownLength(metres, metric), precision, decimals) +
           (metric ? " m" : " ft");
}

std::string MassText(double kg, bool metric, int precision, int decimals) {
    return rtl::FormatFixed(ShownMass(kg, metric), precision, decimals) +
           (metric ? " kg" : " lb");
}

}  // namespace units
