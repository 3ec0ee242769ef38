#pragma once
// The 19 array types and everything that is keyed on them.
//
// TLoudspeakerArray keeps its type as the byte TypeCode (the venue file and
// the rig library's callers rely on it); TArrayType is the same number as an
// enum.  The rules that every type has an answer to read a column of
// kArrayTypes instead of listing codes.  A new type touches:
// - its row here and its array class, with its rows in the factory's
//   kMakers (model/arrays/factory.cpp) and the rig element lists
//   (model/rig/element_lists.cpp), and its case in the controller advice
//   (model/advice/controller_advice.cpp);
// - the window's rows of it: the cabinet-choice radio (kChoices in
//   app/form_cabinet_choice.cpp, with the touring-only and flown-only lists
//   there), the array controls (app/rules/type_controls.h, checked against
//   this order) and the count limits (app/rules/count_limits.cpp, by code);
// - the fuzzing dictionary (fuzz/venue.dict);
// - and only where it shares a special behaviour of named types, the
//   IsAnyOf lists that name them (venue/model/design*.cpp, the side view and
//   flying detail, the venue page's files and design start, the picture's
//   patch page).
//
// Header only and free of the array classes, so that the rig element lists
// and the controller advice (which the array classes link) can use it too.

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "platform/core/errors.h"

// In type-code order; the numbers are those of TLoudspeakerArray::TypeCode.
enum class TArrayType : uint8_t {
    Arvo = 0,
    Bexa = 1,
    Rudd = 2,
    ArvoBexa = 3,
    RuddBexa = 4,
    Hoba = 5,
    HobaBexa = 6,
    Dovi = 7,
    RuddArvo = 8,
    BexaDovi = 9,
    HobaDovi = 10,
    ArvoGiraF = 11,
    Elka = 12,
    DoviElka = 13,
    Ivor = 14,
    IvorDovi = 15,
    IvorElka = 16,
    IvorDoviElka = 17,
    BexaCadri = 18,
};

inline constexpr std::size_t kArrayTypeCount = 19;

// The cabinet models an array is built from.
enum class TCabinetModel : uint8_t {
    None,
    Arvo,   // full-size
    Bexa,   // compact
    Rudd,   // full-size subwoofer
    Hoba,   // compact subwoofer
    Dovi,   // mini
    GiraF,  // full-size downfill
    Elka,   // mini downfill
    Ivor,   // mini subwoofer
    Cadri,  // compact downfill
};

constexpr bool IsSubwoofer(TCabinetModel M) {
    return M == TCabinetModel::Rudd || M == TCabinetModel::Hoba || M == TCabinetModel::Ivor;
}

// Which lift bar the rig evaluation hands to the library for a lift-bar pick.
enum class TLiftBarUse : uint8_t {
    None,              // no lift bar at all
    Compact,           // always the compact bar
    ByGrid,            // compact on the combination grid, else mini
    ByGridOnOnePoint,  // as ByGrid for a one-point lift; mini for a two-point lift
};

// The ground-stack bar (base) the array class carries.
enum class TGroundStackBarModel : uint8_t { None, Arvo, Bexa, Dovi, Elka };

// How the spiral search sets the junction between a hung first model and
// the model it aims.
enum class TJunctionDesign : uint8_t {
    None,
    TableStep,     // the largest table step not above the top angle
    TopAngleBack,  // the top angle stays, the junction is left as it is
    AllowedAngle,  // from the shared allowed-angle table
};

struct TArrayTypeInfo {
    TArrayType Type;
    std::string_view Name;  // the type string of the venue file and the window

    // Models top first; None past the last.
    std::array<TCabinetModel, 3> Models;
    TLiftBarUse LiftBar;
    TGroundStackBarModel GroundStackBar;

    // Design and drawing rules.
    bool DownfillMix;         // a main model over downfill cabinets: the near target lies
                              // further out, and the main rays must reach their start
    bool SpiralLaysDownfill;  // the spiral search sets fixed downfill splays below its
                              // main model and stops on the downfill test
    bool EndsInDownfill;      // the last cabinets are downfills (coverage-start line)
    bool SubwooferRays;       // rays of the first model drawn dotted
    bool AimsFromSecondModel; // a hung first model above the aimed one: the top aim and
                              // the spiral search start at the second model
    bool AimsTopCabinet;      // the spiral and curve designs aim the top cabinet
    TJunctionDesign Junction;
    bool HoldsSubJunctionLevel;  // the junction under the subwoofers stays at 0
    bool HalvesFirstStepLimit;   // the spiral's first step limit is half the elements
    bool OwnModelPerElement;     // the side view selects each element's own model
    bool SingleGridLinkSet;      // the grid shows one set of link points only
    uint8_t SplayTableLayout;    // sheet of the tilt and splay tables; 0 the bare frame

    // Per-type tables of the array page (controls per type, cabinet-count
    // limits, mouse and key junction rules) belong here as further columns.

    constexpr int ModelCount() const {
        int n = 0;
        for (TCabinetModel m : Models)
            if (m != TCabinetModel::None) ++n;
        return n;
    }
    constexpr bool HasLiftBar() const { return LiftBar != TLiftBarUse::None; }
    // Subwoofers alone, which aim nowhere in particular.
    constexpr bool SubwooferOnly() const { return ModelCount() == 1 && IsSubwoofer(Models[0]); }
    // m, what the design adds to the coverage start for its near target.
    constexpr double DownfillFactor() const { return DownfillMix ? 3.0 : 2.0; }
};

namespace array_types_detail {

using M = TCabinetModel;
using L = TLiftBarUse;
using G = TGroundStackBarModel;
using J = TJunctionDesign;
using T = TArrayType;
constexpr bool o = false;
constexpr bool X = true;

}  // namespace array_types_detail

// clang-format off
inline constexpr std::array<TArrayTypeInfo, kArrayTypeCount> kArrayTypes = [] {
    using namespace array_types_detail;
    // Columns: type, name, models, lift bar, ground-stack bar,
    //   DownfillMix, SpiralLaysDownfill, EndsInDownfill, SubwooferRays,
    //   AimsFromSecondModel, AimsTopCabinet, Junction, HoldsSubJunctionLevel,
    //   HalvesFirstStepLimit, OwnModelPerElement, SingleGridLinkSet, SplayTableLayout
    return std::array<TArrayTypeInfo, kArrayTypeCount>{{
        {T::Arvo, "Arvo", {M::Arvo, M::None, M::None}, L::None, G::Arvo,
         o, o, o, o, o, X, J::None, o, o, o, o, 1},
        {T::Bexa, "Bexa", {M::Bexa, M::None, M::None}, L::Compact, G::Bexa,
         o, o, o, o, o, X, J::None, o, X, o, o, 1},
        {T::Rudd, "Rudd", {M::Rudd, M::None, M::None}, L::None, G::Arvo,
         o, o, o, X, o, X, J::None, o, o, o, o, 2},
        {T::ArvoBexa, "MIXArvoBexa", {M::Arvo, M::Bexa, M::None}, L::None, G::None,
         o, o, o, o, o, X, J::None, o, o, X, o, 4},
        {T::RuddBexa, "MIXRuddBexa", {M::Rudd, M::Bexa, M::None}, L::None, G::None,
         o, o, o, X, X, X, J::TableStep, o, o, X, o, 3},
        {T::Hoba, "Hoba", {M::Hoba, M::None, M::None}, L::Compact, G::None,
         o, o, o, X, o, X, J::None, o, o, o, X, 2},
        {T::HobaBexa, "MIXHobaBexa", {M::Hoba, M::Bexa, M::None}, L::Compact, G::None,
         o, o, o, X, X, X, J::AllowedAngle, o, o, X, X, 3},
        {T::Dovi, "Dovi", {M::Dovi, M::None, M::None}, L::ByGrid, G::Dovi,
         o, o, o, o, o, X, J::None, o, X, o, o, 8},
        {T::RuddArvo, "MIXRuddArvo", {M::Rudd, M::Arvo, M::None}, L::None, G::None,
         o, o, o, X, X, X, J::TableStep, o, o, o, o, 3},
        {T::BexaDovi, "MIXBexaDovi", {M::Bexa, M::Dovi, M::None}, L::Compact, G::None,
         o, o, o, o, o, X, J::None, o, o, X, o, 6},
        {T::HobaDovi, "MIXHobaDovi", {M::Hoba, M::Dovi, M::None}, L::Compact, G::None,
         o, o, o, X, X, X, J::TopAngleBack, o, o, X, o, 7},
        {T::ArvoGiraF, "MIXArvoGiraF", {M::Arvo, M::GiraF, M::None}, L::None, G::None,
         X, X, X, o, o, X, J::None, o, o, X, o, 5},
        {T::Elka, "Elka", {M::Elka, M::None, M::None}, L::ByGrid, G::Elka,
         o, o, X, o, o, o, J::None, o, o, o, o, 8},
        {T::DoviElka, "MIXDoviElka", {M::Dovi, M::Elka, M::None}, L::ByGrid, G::Elka,
         X, X, X, o, o, X, J::None, o, X, X, o, 8},
        {T::Ivor, "Ivor", {M::Ivor, M::None, M::None}, L::ByGrid, G::Elka,
         o, o, o, X, o, o, J::None, o, o, o, X, 2},
        {T::IvorDovi, "MIXIvorDovi", {M::Ivor, M::Dovi, M::None}, L::ByGridOnOnePoint, G::Dovi,
         o, o, o, X, X, X, J::TopAngleBack, X, o, X, X, 9},
        {T::IvorElka, "MIXIvorElka", {M::Ivor, M::Elka, M::None}, L::ByGridOnOnePoint, G::Elka,
         o, o, X, o, o, o, J::None, o, o, X, X, 9},
        {T::IvorDoviElka, "MIXIvorDoviElka", {M::Ivor, M::Dovi, M::Elka}, L::ByGridOnOnePoint, G::Elka,
         o, X, X, X, X, X, J::TopAngleBack, X, o, X, X, 9},
        {T::BexaCadri, "MIXBexaCadri", {M::Bexa, M::Cadri, M::None}, L::Compact, G::None,
         X, X, X, o, o, X, J::None, o, X, X, o, 0},
    }};
}();
// clang-format on

// Rows in type-code order: row i is type i.
static_assert([] {
    for (std::size_t i = 0; i < kArrayTypeCount; ++i)
        if (static_cast<std::size_t>(kArrayTypes[i].Type) != i) return false;
    return true;
}());

// The enum of a type code byte; "Range check error" beyond the last type.
constexpr TArrayType ArrayTypeOf(int Code) {
    if (Code < 0 || static_cast<std::size_t>(Code) >= kArrayTypeCount) throw rtl::RangeError();
    return static_cast<TArrayType>(Code);
}

constexpr uint8_t TypeCodeOf(TArrayType Type) { return static_cast<uint8_t>(Type); }

constexpr const TArrayTypeInfo& ArrayTypeInfo(TArrayType Type) {
    return kArrayTypes[TypeCodeOf(ArrayTypeOf(static_cast<int>(Type)))];
}

// The row of a type code byte; "Range check error" beyond the last type.
constexpr const TArrayTypeInfo& ArrayTypeInfo(int Code) { return kArrayTypes[TypeCodeOf(ArrayTypeOf(Code))]; }

// The type named by a type string (exact, case matters); the empty string is
// "Arvo"; nothing for any other string.
constexpr std::optional<TArrayType> FindArrayType(std::string_view Name) {
    if (Name.empty()) return TArrayType::Arvo;
    for (const TArrayTypeInfo& t : kArrayTypes)
        if (t.Name == Name) return t.Type;
    return std::nullopt;
}

// Whether Type is one of Types, for rules that single out a type by name.
constexpr bool IsAnyOf(TArrayType Type, std::initializer_list<TArrayType> Types) {
    for (TArrayType t : Types)
        if (t == Type) return true;
    return false;
}

// The amplifier patch of the mini-cabinet families is two diagrams, the
// passive rack and the active rack: one above the other on the screen, side
// by side on paper.  Every other type draws one diagram.  The window and the
// printed report both read this one list.
constexpr bool PatchInTwoDiagrams(TArrayType Type) {
    using T = TArrayType;
    return IsAnyOf(Type, {T::Dovi, T::HobaDovi, T::Elka, T::DoviElka, T::IvorDovi, T::IvorElka,
                          T::IvorDoviElka});
}
