#pragma once
// The venue values: the one list of the 33 values the main window hands to
// the venue in one call.  For each value it gives its name, the window field
// that holds it, the VenueData and TVenue members, the line of the venue
// file that keeps it and its kind (which also says whether the window's unit
// switch converts its edit).  Copying between VenueData and TVenue, the
// checks of a hand-over and the window's unit conversion all read this list,
// so a new value is one line here and a member in VenueData and TVenue.
//
// The list is in hand-over order, which is the order of VenueData's members;
// a static_assert below ties its length to VenueData.

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "platform/core/errors.h"
#include "venue/model/venue.h"

// What a value is, for conversion and checking.
enum class VenueValueKind {
    Length,        // metres; must be a finite number
    Force,         // the push-over force of a stack test; a finite number above 0
    CabinetCount,  // not negative; the three together within the splay list
    Integer,       // carried as it is
    RigMode,       // 1 flown or 2 ground-stacked
    Option,        // a choice code the array reads (pick option, lift-bar side)
    Flag,
    Text,
    SplayList,     // the caller's splay list; every angle a finite number
};

// The cabinets of one array together: the splay list has 40 per-cabinet entries.
inline constexpr int kMaxVenueCabinets = 40;
// A splay angle of the hand-over lies within a full turn either way (degrees).
inline constexpr double kMaxSplayAngle = 360.0;

template <class T>
struct VenueValue {
    std::string_view Name;       // as VenueData and TVenue name it
    std::string_view FormField;  // the main window's field
    T VenueData::*Data;
    // The venue's own field; nullptr when the value lives elsewhere (the
    // combination grid is a flag of the new array).
    T TVenue::*Venue;
    int FileLine;  // line of the current venue file layout; 0 none
    VenueValueKind Kind;
    // Position in the window's unit conversion of the typed lengths (0
    // first), -1 when its edit is not converted.
    int UnitStep;
    // The window's edit that shows it when UnitStep >= 0.
    std::string_view UnitEdit;
};

namespace venue_values_detail {

template <class T>
constexpr VenueValue<T> V(std::string_view name, std::string_view form, T VenueData::*data,
                          T TVenue::*venue, int line, VenueValueKind kind, int step = -1,
                          std::string_view edit = {}) {
    return VenueValue<T>{name, form, data, venue, line, kind, step, edit};
}

using K = VenueValueKind;
using D = VenueData;
using T = TVenue;

inline constexpr auto kTable = std::make_tuple(
    V("VenueName", "FVenueName", &D::VenueName, &T::VenueName, 1, K::Text),
    V("MaxBoxes", "FMaxBoxes", &D::MaxBoxes, &T::MaxBoxes, 5, K::Integer),
    V("ArrayHeight", "FArrayHeight", &D::ArrayHeight, &T::ArrayHeight, 4, K::Length, 13, "ArrayHeight"),
    V("NumBoxes1", "FNumBoxes1", &D::NumBoxes1, &T::NumBoxes1, 6, K::CabinetCount),
    V("NumBoxes2", "FNumBoxes2", &D::NumBoxes2, &T::NumBoxes2, 7, K::CabinetCount),
    // Kept on line 112 by three-model arrays only.
    V("NumBoxes3", "FNumBoxes3", &D::NumBoxes3, &T::NumBoxes3, 0, K::CabinetCount),
    V("MaxPickHeight", "FMaxPickHeight", &D::MaxPickHeight, &T::MaxPickHeight, 8, K::Length, 0, "MaxPickHeight"),
    V("MinTrimHeight", "FMinTrimHeight", &D::MinTrimHeight, &T::MinTrimHeight, 9, K::Length, 1, "MinTrimHeight"),
    V("Plane1Length", "FP1Length", &D::Plane1Length, &T::Plane1Length, 10, K::Length, 2, "P1Length"),
    V("Plane1Height", "FP1Height", &D::Plane1Height, &T::Plane1Height, 11, K::Length, 3, "P1Height"),
    V("Plane2Length", "FP2Length", &D::Plane2Length, &T::Plane2Length, 12, K::Length, 6, "P2Length"),
    V("Plane2Height", "FP2Height", &D::Plane2Height, &T::Plane2Height, 13, K::Length, 7, "P2Height"),
    V("Plane2Elevation", "FP2Elev", &D::Plane2Elevation, &T::Plane2Elevation, 14, K::Length, 8, "P2elev"),
    V("Plane3Length", "FP3Length", &D::Plane3Length, &T::Plane3Length, 15, K::Length, 9, "P3Length"),
    V("Plane3Height", "FP3Height", &D::Plane3Height, &T::Plane3Height, 16, K::Length, 10, "P3Height"),
    V("Plane3Distance", "FP3Dist", &D::Plane3Distance, &T::Plane3Distance, 17, K::Length, 12, "P3dist"),
    V("Plane3Elevation", "FP3Elev", &D::Plane3Elevation, &T::Plane3Elevation, 18, K::Length, 11, "p3elev"),
    V("CoverageStart", "FCovStart", &D::CoverageStart, &T::CoverageStart, 19, K::Length, 4, "CovStart"),
    V("CoverageStop", "FCovStop", &D::CoverageStop, &T::CoverageStop, 20, K::Length, 5, "CovStop"),
    // The ear heights are set by their seated/standing/custom choices, whose
    // edits the unit switch leaves alone.
    V("Plane1EarHeight", "FP1EarHeight", &D::Plane1EarHeight, &T::Plane1EarHeight, 21, K::Length),
    V("Plane2EarHeight", "FP2EarHeight", &D::Plane2EarHeight, &T::Plane2EarHeight, 22, K::Length),
    V("Plane3EarHeight", "FP3EarHeight", &D::Plane3EarHeight, &T::Plane3EarHeight, 23, K::Length),
    V("AutoDesign", "FAutoDesign", &D::AutoDesign, &T::AutoDesign, 24, K::Flag),
    V("DesignMode", "FDesignMode", &D::DesignMode, &T::DesignMode, 0, K::Text),
    // Lines 32 to 111 hold its 40 pairs of angle and per-cabinet value.
    V("Splay", "FSplay", &D::Splay, &T::Splay, 32, K::SplayList),
    V("GridPosition", "FGridPosition", &D::GridPosition, &T::GridPosition, 25, K::Text),
    V("PickOption", "FPickOption", &D::PickOption, &T::PickOption, 26, K::Option),
    V("LiftBarPosition", "FLiftBarPosition", &D::LiftBarPosition, &T::LiftBarPosition, 27, K::Option),
    V("RigMode", "FRigMode", &D::RigMode, &T::RigMode, 28, K::RigMode),
    V("SplayHoba", "FSplayHoba", &D::SplayHoba, &T::SplayHoba, 29, K::Flag),
    V("FTValue", "FFTValue", &D::FTValue, &T::FTValue, 30, K::Force),
    V("ArrayType", "FArrayType", &D::ArrayType, &T::ArrayType, 3, K::Text),
    V("CombinationGrid", "FCombinationGrid", &D::CombinationGrid, static_cast<bool T::*>(nullptr), 31,
      K::Flag));

// Number of members of an aggregate: the most initialisers it takes.
struct AnyValue {
    template <class U>
    constexpr operator U() const;  // never defined: only asked in unevaluated checks
};

template <class A, std::size_t... I>
constexpr bool TakesInitialisers(std::index_sequence<I...>) {
    return requires { A{(static_cast<void>(I), AnyValue{})...}; };
}

template <class A, std::size_t N = 0>
constexpr std::size_t MemberCount() {
    if constexpr (TakesInitialisers<A>(std::make_index_sequence<N + 1>{}))
        return MemberCount<A, N + 1>();
    else
        return N;
}

}  // namespace venue_values_detail

inline constexpr std::size_t kVenueValueCount =
    std::tuple_size_v<std::remove_cvref_t<decltype(venue_values_detail::kTable)>>;

static_assert(kVenueValueCount == venue_values_detail::MemberCount<VenueData>(),
              "every member of VenueData needs its line in the venue value list");
static_assert(kVenueValueCount == 33);

// Calls f(value) for every venue value, in hand-over order; f takes any
// VenueValue<T>.
template <class F>
constexpr void ForEachVenueValue(F&& f) {
    std::apply([&](const auto&... v) { (f(v), ...); }, venue_values_detail::kTable);
}

// Name and kind of every value, in hand-over order.
struct VenueValueInfo {
    std::string_view Name;
    std::string_view FormField;
    int FileLine;
    VenueValueKind Kind;
    int UnitStep;
    std::string_view UnitEdit;
};
constexpr std::array<VenueValueInfo, kVenueValueCount> VenueValueInfos() {
    std::array<VenueValueInfo, kVenueValueCount> out{};
    std::size_t i = 0;
    ForEachVenueValue([&](const auto& v) {
        out[i++] = {v.Name, v.FormField, v.FileLine, v.Kind, v.UnitStep, v.UnitEdit};
    });
    return out;
}

// The edits the window's unit switch converts, in the order it converts
// them.
inline constexpr std::size_t kUnitEditCount = 14;
constexpr std::array<std::string_view, kUnitEditCount> UnitConversionEdits() {
    std::array<std::string_view, kUnitEditCount> out{};
    for (const VenueValueInfo& v : VenueValueInfos())
        if (v.UnitStep >= 0) out.at(static_cast<std::size_t>(v.UnitStep)) = v.UnitEdit;
    return out;
}

// A hand-over value the venue refuses.  Name() is the value's name in the
// list above (or "Splay" for a splay angle); the text says what is wrong
// with it.
class VenueValueError : public rtl::RuntimeError {
public:
    VenueValueError(std::string name, const std::string& text)
        : rtl::RuntimeError(rtl::RangeError().code(), text), name_(std::move(name)) {}
    const std::string& Name() const noexcept { return name_; }

private:
    std::string name_;
};

// Throws VenueValueError for the first value of D the venue cannot take:
// a length or a splay angle that is no finite number, a splay angle beyond
// kMaxSplayAngle either way, a push-over force not
// above 0, a negative cabinet count or more cabinets than the splay list
// holds, a rig mode other than 1 and 2.  The array type is checked where the
// array is built.
void CheckVenueData(const VenueData& D);

// The same checks on one value, found by its name in the list: a number
// (length or force) or an integer (a cabinet count on its own, the rig
// mode).  A name the list does not hold, or of another type, passes.
void CheckVenueValue(std::string_view Name, double X);
void CheckVenueValue(std::string_view Name, int X);

// The line of the current venue file layout that keeps the value named
// (0 none; a splay list's first line).
int VenueValueFileLine(std::string_view Name);

// The refusal of an array set-up that failed with E ("Range check error",
// "Integer overflow") on values CheckVenueData let through: the array
// cannot hold its cabinets.  It names the last cabinet count that is not 0.
VenueValueError SetUpRefusal(const rtl::RuntimeError& E, const std::string& ArrayType, int N1,
                             int N2, int N3);

// The venue's values as a hand-over would give them (the combination grid
// from the array).
VenueData VenueDataOf(const TVenue& V);

// Copies every value that goes straight to a venue field of the same name:
// all but the splay list, the array type and the combination grid, which
// the hand-over treats on their own.
void StoreVenueValues(TVenue& V, const VenueData& D);

// Everything of a venue that a hand-over or a load may change: its values,
// the derived plane lines and heights, its splay list (and the caller's new
// one), and the very array object.  Restore() puts it all back.
class TVenueSnapshot {
public:
    // `NewSplay` is a splay list the coming operation will work on besides
    // the venue's own (nullptr none).
    explicit TVenueSnapshot(TVenue& V, TSplay* NewSplay = nullptr);
    TVenueSnapshot(const TVenueSnapshot&) = delete;
    TVenueSnapshot& operator=(const TVenueSnapshot&) = delete;
    ~TVenueSnapshot();

    // Once only.
    void Restore();

private:
    struct State;
    TVenue& venue_;
    std::unique_ptr<State> state_;
};
