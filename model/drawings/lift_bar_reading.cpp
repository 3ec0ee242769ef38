#include "model/drawings/lift_bar_reading.h"

#include "model/arrays/arraytypes.h"
#include "platform/core/numtext.h"

TLiftBarReading ReadLiftBar(int32_t BestHole, double GridAngle, uint8_t TypeCode,
                            double TopAngleOffset) {
    TLiftBarReading r;
    if (BestHole < 0) {
        r.Hole = "NA";
        return r;
    }
    r.HoleInReach = true;
    r.Hole = rtl::IntToStr(BestHole);
    double angle = -GridAngle;
    if (TypeCode == TypeCodeOf(TArrayType::Elka)) angle -= TopAngleOffset;
    r.Angle = rtl::FormatGeneral(angle, 3);
    return r;
}
