#pragma once
// The venue values: the one list of the 33 values the main window hands to
// the venue in one call.  For each value it gives its name, the VenueData
// and TVenue members, the line of the venue file that keeps it and its kind.
// Copying between VenueData and TVenue, the checks of a hand-over and the
// undo snapshot read this list.  A new value touches: its line here, its
// member in VenueData and in TVenue; where the venue file keeps it, the file
// layouts (a new line is a new layout with its version number, and the
// readers of the older layouts give it a default); and where the window
// holds it, its TForm1 field and its row in the window's table
// (app/form_venue_values.h).
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
    std::string_view Name;  // as VenueData and TVenue name it
    T VenueData::*Data;
    // The venue's own field; nullptr when the value lives elsewhere (the
    // combination grid is a flag of the new array).
    T TVenue::*Venue;
    int FileLine;  // line of the current venue file layout; 0 none
    VenueValueKind Kind;
};

namespace venue_values_detail {

template <class T>
constexpr VenueValue<T> V(std::string_view name, T VenueData::*data, T TVenue::*venue, int line,
                          VenueValueKind kind) {
    return VenueValue<T>{name, data, venue, line, kind};
}

using K = VenueValueKind;
using D = VenueData;
using T = TVenue;

inline constexpr auto kTable = std::make_tuple(
    V("VenueName", &D::VenueName, &T::VenueName, 1, K::Text),
    V("MaxBoxes", &D::MaxBoxes, &T::MaxBoxes, 5, K::Integer),
    V("ArrayHeight", &D::ArrayHeight, &T::ArrayHeight, 4, K::Length),
    V("NumBoxes1", &D::NumBoxes1, &T::NumBoxes1, 6, K::CabinetCount),
    V("NumBoxes2", &D::NumBoxes2, &T::NumBoxes2, 7, K::CabinetCount),
    // Kept on line 112 by three-model arrays only.
    V("NumBoxes3", &D::NumBoxes3, &T::NumBoxes3, 0, K::CabinetCount),
    V("MaxPickHeight", &D::MaxPickHeight, &T::MaxPickHeight, 8, K::Length),
    V("MinTrimHeight", &D::MinTrimHeight, &T::MinTrimHeight, 9, K::Length),
    V("Plane1Length", &D::Plane1Length, &T::Plane1Length, 10, K::Length),
    V("Plane1Height", &D::Plane1Height, &T::Plane1Height, 11, K::Length),
    V("Plane2Length", &D::Plane2Length, &T::Plane2Length, 12, K::Length),
    V("Plane2Height", &D::Plane2Height, &T::Plane2Height, 13, K::Length),
    V("Plane2Elevation", &D::Plane2Elevation, &T::Plane2Elevation, 14, K::Length),
    V("Plane3Length", &D::Plane3Length, &T::Plane3Length, 15, K::Length),
    V("Plane3Height", &D::Plane3Height, &T::Plane3Height, 16, K::Length),
    V("Plane3Distance", &D::Plane3Distance, &T::Plane3Distance, 17, K::Length),
    V("Plane3Elevation", &D::Plane3Elevation, &T::Plane3Elevation, 18, K::Length),
    V("CoverageStart", &D::CoverageStart, &T::CoverageStart, 19, K::Length),
    V("CoverageStop", &D::CoverageStop, &T::CoverageStop, 20, K::Length),
    V("Plane1EarHeight", &D::Plane1EarHeight, &T::Plane1EarHeight, 21, K::Length),
    V("Plane2EarHeight", &D::Plane2EarHeight, &T::Plane2EarHeight, 22, K::Length),
    V("Plane3EarHeight", &D::Plane3EarHeight, &T::Plane3EarHeight, 23, K::Length),
    V("AutoDesign", &D::AutoDesign, &T::AutoDesign, 24, K::Flag),
    V("DesignMode", &D::DesignMode, &T::DesignMode, 0, K::Text),
    // Lines 32 to 111 hold its 40 pairs of angle and per-cabinet value.
    V("Splay", &D::Splay, &T::Splay, 32, K::SplayList),
    V("GridPosition", &D::GridPosition, &T::GridPosition, 25, K::Text),
    V("PickOption", &D::PickOption, &T::PickOption, 26, K::Option),
    V("LiftBarPosition", &D::LiftBarPosition, &T::LiftBarPosition, 27, K::Option),
    V("RigMode", &D::RigMode, &T::RigMode, 28, K::RigMode),
    V("SplayHoba", &D::SplayHoba, &T::SplayHoba, 29, K::Flag),
    V("FTValue", &D::FTValue, &T::FTValue, 30, K::Force),
    V("ArrayType", &D::ArrayType, &T::ArrayType, 3, K::Text),
    V("CombinationGrid", &D::CombinationGrid, static_cast<bool T::*>(nullptr), 31,
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
    int FileLine;
    VenueValueKind Kind;
};
constexpr std::array<VenueValueInfo, kVenueValueCount> VenueValueInfos() {
    std::array<VenueValueInfo, kVenueValueCount> out{};
    std::size_t i = 0;
    ForEachVenueValue([&](const auto& v) {
        out[i++] = {v.Name, v.FileLine, v.Kind};
    });
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
