#pragma once
// The venue values as the main window holds them.  For every value the
// venue takes in one hand-over (VenueData) the window field that holds it;
// for the fourteen lengths of the venue page also the edit that shows it,
// the up/down that steps it, its step, and what the page makes of it.
//
// These tables are the window's only list of those pairs.  The roads that
// move values between the fields, the edits, the up/downs and the venue
// read them: the venue page's up/downs and edits, the design start's
// reading of the typed values, the array controls' rewrite of the edits,
// the load's copy and up/down positions, the unit switch and the hand-over.
// Where a road has an order of its own it keeps an ordered list of rows
// below, never pairs of its own.

#include <array>
#include <cstddef>
#include <tuple>

#include "app/background1.h"
#include "app/rules/venue_steps.h"
#include "venue/model/venue.h"

namespace venuevalues {

// The lengths of the venue page, in the page's order: each is its row's
// index in kLengths.
enum class Length {
    MaxPick,
    MinTrim,
    ArrayHeight,
    CovStart,
    CovStop,
    P1Length,
    P1Height,
    P2Length,
    P2Height,
    P2Elev,
    P3Length,
    P3Height,
    P3Elev,
    P3Dist,
};
inline constexpr std::size_t kLengthCount = 14;

// The step of a value's up/down and of its position (value / step).
enum class Step { Height, Coverage };

// What a length's up/down does besides its step and its floor.
enum class After {
    None,
    RewriteP2elev,    // plane-1 height: the plane-2 elevation's edit too
    RewriteP1Height,  // plane-2 elevation: the plane-1 height's edit too
    Plane2Gone,       // plane-2 length below a step: stop at plane 1, no plane 3
    Plane3Gone,       // plane-3 length below a step: stop at the end of plane 2
    Plane3Flat,       // plane-3 height 0: coverage stop not beyond plane 2
};

struct LengthRow {
    Length Id;
    double VenueData::*Data;  // the venue's value
    double TForm1::*Field;    // the window's field, metres
    QLineEdit* TForm1::*Edit;
    const char* EditName;
    const char* Caption;
    const char* StartText;  // the edit's text when the window opens
    qtapp::UpDown* TForm1::*UpDown;
    const char* UpDownName;
    int Min, Max, Position;  // the up/down's range and first position
    Step StepBy;
    rules::StepFloor Floor;  // after a step of its up/down
    After AfterStep;
    bool NotNegative;  // typed or loaded, a value below 0 becomes 0
};

using F = rules::StepFloor;
using D = VenueData;
using W = TForm1;

inline constexpr LengthRow kLengths[] = {
    {Length::MaxPick, &D::MaxPickHeight, &W::FMaxPickHeight, &W::MaxPickHeight, "MaxPickHeight",
     "Max pick height", "20", &W::maxpickupdn, "maxpickupdn", 8, 1000, 8, Step::Height, F::None,
     After::None, false},
    {Length::MinTrim, &D::MinTrimHeight, &W::FMinTrimHeight, &W::MinTrimHeight, "MinTrimHeight",
     "Min trim height", "3", &W::mintrimupdn, "mintrimupdn", 0, 1000, 0, Step::Height, F::None,
     After::None, false},
    {Length::ArrayHeight, &D::ArrayHeight, &W::FArrayHeight, &W::ArrayHeight, "ArrayHeight",
     "Array height", "6", &W::arrhupdn, "arrhupdn", 0, 1000, 200, Step::Height, F::None,
     After::None, false},
    {Length::CovStart, &D::CoverageStart, &W::FCovStart, &W::CovStart, "CovStart",
     "Coverage start", "1", &W::covstartupdn, "covstartupdn", 0, 1000, 40, Step::Coverage,
     F::ZeroBelowZero, After::None, true},
    {Length::CovStop, &D::CoverageStop, &W::FCovStop, &W::CovStop, "CovStop", "Coverage stop",
     "80", &W::covstopupdn, "covstopupdn", 4, 1000, 4, Step::Coverage, F::None, After::None,
     false},
    {Length::P1Length, &D::Plane1Length, &W::FP1Length, &W::P1Length, "P1Length",
     "Plane 1 length", "60", &W::P1Lupdn, "P1Lupdn", 0, 1000, 0, Step::Coverage, F::None,
     After::None, false},
    {Length::P1Height, &D::Plane1Height, &W::FP1Height, &W::P1Height, "P1Height",
     "Plane 1 height", "0", &W::P1Hupdn, "P1Hupdn", -100, 200, 0, Step::Height, F::None,
     After::RewriteP2elev, false},
    {Length::P2Length, &D::Plane2Length, &W::FP2Length, &W::P2Length, "P2Length",
     "Plane 2 length", "20", &W::P2Lupdn, "P2Lupdn", 0, 1000, 200, Step::Coverage, F::None,
     After::Plane2Gone, false},
    {Length::P2Height, &D::Plane2Height, &W::FP2Height, &W::P2Height, "P2Height",
     "Plane 2 height", "4", &W::P2Hupdn, "P2Hupdn", 0, 1000, 12, Step::Height,
     F::ZeroBelowOneStep, After::None, false},
    {Length::P2Elev, &D::Plane2Elevation, &W::FP2Elev, &W::P2elev, "P2elev",
     "Plane 2 elevation", "0", &W::P2elevupdn, "P2elevupdn", -100, 1000, 12, Step::Height,
     F::None, After::RewriteP1Height, false},
    {Length::P3Length, &D::Plane3Length, &W::FP3Length, &W::P3Length, "P3Length",
     "Plane 3 length", "13", &W::P3Lupdn, "P3Lupdn", 0, 1000, 200, Step::Coverage, F::None,
     After::Plane3Gone, false},
    {Length::P3Height, &D::Plane3Height, &W::FP3Height, &W::P3Height, "P3Height",
     "Plane 3 height", "0", &W::P3Hupdn, "P3Hupdn", 0, 1000, 12, Step::Height,
     F::ZeroBelowOneStep, After::Plane3Flat, false},
    {Length::P3Elev, &D::Plane3Elevation, &W::FP3Elev, &W::p3elev, "p3elev",
     "Plane 3 elevation", "0", &W::P3elevupdn, "P3elevupdn", 0, 1000, 12, Step::Height,
     F::ZeroBelowOneStep, After::None, false},
    {Length::P3Dist, &D::Plane3Distance, &W::FP3Dist, &W::P3dist, "P3dist", "Plane 3 distance",
     "80", &W::P3distupdn, "P3distupdn", 0, 1000, 10, Step::Coverage, F::None, After::None,
     false},
};
static_assert(std::size(kLengths) == kLengthCount);

constexpr bool RowsInIdOrder() {
    for (std::size_t i = 0; i < kLengthCount; ++i)
        if (static_cast<std::size_t>(kLengths[i].Id) != i) return false;
    return true;
}
static_assert(RowsInIdOrder(), "kLengths is indexed by Length");

constexpr const LengthRow& Row(Length id) { return kLengths[static_cast<std::size_t>(id)]; }

// The row of a length's edit or up/down; nullptr when it has none.
const LengthRow* RowOfEdit(const TForm1& w, const QLineEdit* edit);
const LengthRow* RowOfUpDown(const TForm1& w, const qtapp::UpDown* upDown);

// The row's step in metres: the window's height or coverage step.
double StepOf(const TForm1& w, const LengthRow& row);

// A length as the window takes it from anywhere but its own up/downs (the
// design start's typed values, a venue file, a plane tool): below 0 it
// becomes 0 where the page allows no negative value; one that its up/down
// could not stand at (value / step outside the up/down's positions, or no
// finite number) is refused with "Range check error (<caption>)".  The
// coverage stop may lie anywhere from 0 to the end of planes 1 and 2 at
// their longest: the window itself moves it to the end of plane 1 or 2
// when a plane goes.  The value to keep.
double TakenLength(const TForm1& w, const LengthRow& row, double metres);

// The ear heights of the three planes: each has its custom edit and its
// up/down, which steps it by the height step between these positions.
struct EarHeightRow {
    double VenueData::*Data;
    double TForm1::*Field;
    QRadioButton* TForm1::*Sit;
    QRadioButton* TForm1::*Stand;
    QLineEdit* TForm1::*Edit;
    const char* Caption;
};
inline constexpr int kEarHeightMin = 0, kEarHeightMax = 1000;
inline constexpr EarHeightRow kEarHeights[] = {
    {&D::Plane1EarHeight, &W::FP1EarHeight, &W::P1sit, &W::P1stand, &W::P1custedit, "Plane 1 ear height"},
    {&D::Plane2EarHeight, &W::FP2EarHeight, &W::P2sit, &W::P2stand, &W::p2custedit, "Plane 2 ear height"},
    {&D::Plane3EarHeight, &W::FP3EarHeight, &W::P3sit, &W::P3stand, &W::p3custedit, "Plane 3 ear height"},
};

// An ear height taken as TakenLength takes a length, within the custom
// up/down's positions.
double TakenEarHeight(const TForm1& w, const EarHeightRow& row, double metres);

// --- the roads' orders ---------------------------------------------------------

// The unit switch converts the typed lengths in this order.
inline constexpr Length kUnitConversionOrder[] = {
    Length::MaxPick,  Length::MinTrim,  Length::P1Length, Length::P1Height, Length::CovStart,
    Length::CovStop,  Length::P2Length, Length::P2Height, Length::P2Elev,   Length::P3Length,
    Length::P3Height, Length::P3Elev,   Length::P3Dist,   Length::ArrayHeight,
};
// The array controls rewrite the edits in this order.
inline constexpr Length kRewriteOrder[] = {
    Length::MaxPick,  Length::MinTrim,  Length::CovStart, Length::CovStop,  Length::P1Length,
    Length::P2Length, Length::P3Length, Length::P1Height, Length::P2Height, Length::P3Height,
    Length::P3Dist,   Length::P2Elev,   Length::P3Elev,   Length::ArrayHeight,
};
// The design start reads the typed values in this order; the array height
// it works out itself.
inline constexpr Length kDesignStartOrder[] = {
    Length::MaxPick,  Length::MinTrim,  Length::CovStart, Length::CovStop,  Length::P1Length,
    Length::P2Length, Length::P3Length, Length::P1Height, Length::P2Height, Length::P3Height,
    Length::P2Elev,   Length::P3Dist,   Length::P3Elev,
};

template <std::size_t N>
constexpr bool EachOnce(const Length (&order)[N]) {
    for (std::size_t i = 0; i < N; ++i)
        for (std::size_t j = i + 1; j < N; ++j)
            if (order[i] == order[j]) return false;
    return true;
}
static_assert(std::size(kUnitConversionOrder) == kLengthCount && EachOnce(kUnitConversionOrder));
static_assert(std::size(kRewriteOrder) == kLengthCount && EachOnce(kRewriteOrder));
static_assert(std::size(kDesignStartOrder) == kLengthCount - 1 && EachOnce(kDesignStartOrder));

// --- every value with a window field ----------------------------------------------

// A venue value the window holds in a field of its own type (a flag of the
// venue is a byte of the window).
template <class T, class U>
struct FieldRow {
    T VenueData::*Data;
    U TForm1::*Field;
};

template <class T, class U>
constexpr FieldRow<T, U> Field(T VenueData::*data, U TForm1::*field) {
    return {data, field};
}

// The values besides the lengths above.  The splay list has no field: the
// window and the venue share the one TSplay (FSplay).
inline constexpr auto kOtherFields = std::make_tuple(
    Field(&D::VenueName, &W::FVenueName), Field(&D::MaxBoxes, &W::FMaxBoxes),
    Field(&D::NumBoxes1, &W::FNumBoxes1), Field(&D::NumBoxes2, &W::FNumBoxes2),
    Field(&D::NumBoxes3, &W::FNumBoxes3), Field(&D::Plane1EarHeight, &W::FP1EarHeight),
    Field(&D::Plane2EarHeight, &W::FP2EarHeight), Field(&D::Plane3EarHeight, &W::FP3EarHeight),
    Field(&D::AutoDesign, &W::FAutoDesign), Field(&D::DesignMode, &W::FDesignMode),
    Field(&D::GridPosition, &W::FGridPosition), Field(&D::PickOption, &W::FPickOption),
    Field(&D::LiftBarPosition, &W::FLiftBarPosition), Field(&D::RigMode, &W::FRigMode),
    Field(&D::SplayHoba, &W::FSplayHoba), Field(&D::FTValue, &W::FFTValue),
    Field(&D::ArrayType, &W::FArrayType), Field(&D::CombinationGrid, &W::FCombinationGrid));

// Calls f(FieldRow) for every value with a window field: the lengths, then
// the others.
template <class Fn>
void ForEachField(Fn&& f) {
    for (const LengthRow& r : kLengths) f(FieldRow<double, double>{r.Data, r.Field});
    std::apply([&](const auto&... row) { (f(row), ...); }, kOtherFields);
}

// Every value of D into the window's field that holds it.
void ToWindow(TForm1& w, const VenueData& d);
// The window's fields as a hand-over gives them, with the window's splay
// list.
VenueData FromWindow(const TForm1& w);

// The ear height a plane's three radios choose: seated, standing, or the
// number in its custom edit (the conversion error when it holds none).
double ChosenEarHeight(const QRadioButton* sit, const QRadioButton* stand, const QLineEdit* custom);

}  // namespace venuevalues
