#include "model/drawings/mechanical_report.h"

#include <algorithm>

#include "model/arrays/lsarray.h"
#include "platform/core/canvas.h"
#include "platform/core/checked.h"
#include "platform/core/numtext.h"
#include "platform/core/rounding.h"
#include "model/hardware/box.h"
#include "model/hardware/grid.h"
#include "model/drawings/lift_bar_reading.h"
#include "model/hardware/units.h"
#include "model/arrays/riglibrary.h"
#include "riglink/mechdll5.h"

namespace {

using rtl::CheckedAdd;
using rtl::CheckedMul;
using rtl::CheckedSub;

using units::kMetresPerFoot;
using units::kPoundsPerKilogram;

// Line k lies at first + (k - 1) * pitch below the title line.
class Report {
public:
    Report(rtl::Canvas& c, int x0, int first, int pitch, int valueColumn)
        : c_(c), x0_(x0), first_(first), pitch_(pitch), valueColumn_(valueColumn) {}

    void Line(int k, const std::string& label, const std::string& value) {
        const int y = CheckedAdd(first_, CheckedMul(k - 1, pitch_));
        c_.SetFontBold(false);
        c_.TextOut(x0_, y, label);
        c_.SetFontBold(true);
        c_.TextOut(CheckedAdd(x0_, valueColumn_), y, value);
        c_.SetFontBold(false);
    }

private:
    rtl::Canvas& c_;
    int x0_;
    int first_;
    int pitch_;
    int valueColumn_;
};

}  // namespace

std::string MechanicalReportNumber(double Value) { return rtl::FormatGeneral(Value, 4); }

void PrintArrayMechanicalReport(TLoudspeakerArray& Array, rtl::Canvas& Canvas, int32_t Left,
                                int32_t Top, int32_t Width, int32_t Height, int32_t /*Spare*/,
                                bool Metric) {
    TLoudspeakerArray& a = Array;
    rtl::Canvas& c = Canvas;

    c.SetFontColor(rtl::colors::Black);
    c.SetFontName("Arial");
    c.SetFontSize(10);
    c.SetFontBold(false);
    c.SetBrushColor(rtl::colors::White);
    c.SetBrushStyle(rtl::BrushStyle::Solid);

    const int right = CheckedAdd(Left, Width);
    const int bottom = CheckedAdd(Top, Height);
    const int x0 = CheckedAdd(Left, Width / 32);
    const int th = c.TextHeight("TesT");
    const int pitch = rtl::Round(th * 1.05);

    c.FillRect(Left, Top, right, bottom);
    c.SetPenColor(rtl::colors::Black);
    const rtl::Point frame[] = {{Left, Top}, {right, Top}, {right, bottom}, {Left, bottom}, {Left, Top}};
    c.Polyline(frame);

    const int th10 = c.TextHeight("TesT");
    const int y0 = CheckedSub(CheckedAdd(Top, CheckedMul(2, th10)), rtl::Round(1.5 * th10));

    c.SetBrushColor(rtl::colors::White);
    c.SetFontBold(true);
    c.TextOut(x0, y0, "Mechanical :");

    const uint8_t level = a.SafetyLevel();
    std::string verdict;
    switch (level) {
        case 0:
            verdict = " SAFE ";
            c.SetBrushColor(rtl::colors::Green);
            break;
        case 1:
            verdict = " CAUTION ";
            c.SetBrushColor(rtl::colors::Yellow);
            break;
        default:  // 2; anything else is no better
            verdict = " UNSAFE ";
            c.SetBrushColor(rtl::colors::Red);
            break;
    }
    c.TextOut(CheckedAdd(x0, c.TextWidth("Mechanical   ")), y0, verdict);

    c.SetBrushColor(rtl::colors::White);
    c.SetFontBold(false);
    c.SetFontSize(8);
    const int valueColumn = c.TextWidth("C.O.G. re. top front corner box 1  ");
    // Seven lines under the title; a box too low for them at the pitch
    // closes them up, never so far that one line's cell reaches the next.
    const int th8 = c.TextHeight("TesT");
    const int first = CheckedAdd(y0, std::max(pitch, th10));
    const int room = CheckedSub(CheckedSub(CheckedSub(bottom, 2), th8), first);
    const int linePitch = std::max(th8, std::min(pitch, room / 6));
    Report report(c, x0, first, linePitch, valueColumn);

    const TGrid& grid = *a.Grid;
    const std::string massUnit = Metric ? " kg" : " lb";
    const double massFactor = Metric ? 1.0 : kPoundsPerKilogram;
    // A ground stack hangs from no pick point.  The full-size grid keeps no
    // pick mode of its own, so its mode still reads front and rear there.
    const bool picksLoaded = a.RigMode != TLoudspeakerArray::GroundStacked &&
                             (grid.PickMode == TGrid::PickFrontRear ||
                              grid.PickMode == TGrid::PickLiftBarTwoPoint);
    const bool liftBarOnePoint = grid.PickMode == TGrid::PickLiftBarOnePoint;

    report.Line(1, "Angle last box face with Hor",
                " = " + MechanicalReportNumber(a.LastBoxFaceAngle) + " deg");
    report.Line(2, "Load on Front Pick Point ",
                " = " + (picksLoaded ? MechanicalReportNumber(grid.FrontPickLoad * massFactor) : "NA") +
                    massUnit);
    report.Line(3, "Load on Rear Pick Point ",
                " = " + (picksLoaded ? MechanicalReportNumber(grid.RearPickLoad * massFactor) : "NA") +
                    massUnit);

    TMechPoint cog{};
    a.RigLibrary->COG(&cog);
    report.Line(4, "C.O.G. re. top front corner box 1 ",
                Metric ? " = " + MechanicalReportNumber(cog.x) + " m"
                       : " = " + MechanicalReportNumber(cog.x / kMetresPerFoot) + " ft");

    if (liftBarOnePoint) {
        // The hole and the angle as the array page reads them.
        const TLiftBarReading lift =
            ReadLiftBar(a.LiftBarBestHole, a.LiftBarGridAngle, a.TypeCode,
                        a.CurrentBox != nullptr ? a.CurrentBox->BottomFaceAngle : 0.0);
        report.Line(5, "Nearest Hole in lift bar ", " = " + lift.Hole);
        report.Line(6, "Actual angle of grid ", lift.HoleInReach ? " = " + lift.Angle + " Deg" : "");
    }

    // The evaluation's total, as the window shows it: a stack's base plate
    // is not in the library's element list but weighs on the stage.
    report.Line(7, "Total mass of Array ", " = " + MechanicalReportNumber(a.TotalMass * massFactor) + massUnit);
}
