#pragma once
// What the venue page's array controls show for each array type: the
// rigging controls a type enables, the design fields it fixes, its count
// labels and splay-grid titles, the width texts and row-label prefixes of
// its grids and how their rows are laid out.  One row per type, in
// type-code order; the window reads these and lists no type itself.

#include <array>
#include <cstdint>
#include <string_view>

#include "app/rules/array_type.h"

namespace rules {

// Row 0 of the second or third splay grid of a mix.
enum class FirstRowOfModel : uint8_t {
    Step,          // a step row of its own element
    StepOfAbove,   // a step row read from the model above (the joint is its)
    Junction,      // the joining angle of the model's first cabinet
    AllowedAngle,  // the chosen entry of the allowed-angle table
    Zero,          // the text "0"
    SplayAngle,    // the element's splay angle
};

enum class GridRows : uint8_t {
    Single,          // flown: top row and steps; stacked: steps and the base row
    SingleFlownOnly, // the flown rows whatever the rig mode
    Mix,             // the flown rows whatever the rig mode
    MixStackable,    // flown rows when flown; steps ending in junction / base when stacked
};

// A switch of a control that a type may leave alone.
enum class Set : int8_t { Keep = -1, Off = 0, On = 1, OnChecked = 2 };

struct TypeControls {
    TArrayType Type;
    double FTDefault;        // push-over test force; 0: the type has none
    bool ForcesFlown;        // the rig mode becomes flown
    bool MatchAfterDesign;   // the Hoba match works once a design exists
    bool StackRad, LiftBarRad, InstallRad;
    Set FrontRearPick;       // the front-and-rear pick radio
    int8_t PickOption;       // -1: left alone
    bool GridFront;          // the grid position becomes "FRONT"
    bool LiftBarZero;        // the lift-bar position becomes 0
    bool SplayHoba;          // the Hoba splay check box applies
    bool SecondGridGreyed;   // single types whose second grid is disabled and grey
    bool PrefixAfterDesign;  // rows carry bare numbers until the first design
    bool TopLessOffset;      // the top row shows the angle less the cabinet's wedge
    std::string_view Count1, Count2, Count3;  // count labels; empty: hidden
    std::string_view Title1, Title2, Title3;  // grid titles
    std::array<std::string_view, 3> Width;    // measured for column 0 of each grid
    std::array<std::string_view, 3> Prefix;   // row labels: prefix + row number
    GridRows Rows;
    FirstRowOfModel Row0Grid2, Row0Grid3;

    constexpr int Grids() const { return Count3.empty() ? (Count2.empty() ? 1 : 2) : 3; }
};

namespace type_controls_detail {
using T = TArrayType;
using R = GridRows;
using F = FirstRowOfModel;
constexpr bool o = false;
constexpr bool X = true;
constexpr std::string_view W3 = "1 Grid   ";
constexpr std::string_view W4 = "1 Grid    ";
}  // namespace type_controls_detail

// clang-format off
inline constexpr std::array<TypeControls, kArrayTypeCount> kTypeControls = [] {
    using namespace type_controls_detail;
    // type, FT, forces flown, match, stackrad, liftbarrad, installrad, front+rear pick,
    // pick option, grid front, lift bar 0, Hoba splay, second grid grey, prefix after
    // design, top less offset, count labels, titles, width texts, prefixes, rows,
    // row 0 of grids 2 and 3
    return std::array<TypeControls, kArrayTypeCount>{{
        {T::Arvo, 550.0, o, X, X, o, o, Set::On, -1, o, X, o, X, X, o,
         "Num Arvo", "", "", "Arvo Splay Angles", "", "", {W3}, {"rvo "},
         R::Single, F::Step, F::Step},
        {T::Bexa, 400.0, o, X, X, X, X, Set::Keep, -1, o, o, o, o, o, o,
         "Num Bexa", "", "", "Bexa Splay Angles", "", "", {W4}, {"exa "},
         R::Single, F::Step, F::Step},
        {T::Rudd, 450.0, o, o, o, o, o, Set::On, -1, o, X, o, X, X, o,
         "Num Rudd", "", "", "Rudd Splay Angles", "", "", {W3}, {"udd "},
         R::Single, F::Step, F::Step},
        {T::ArvoBexa, 200.0, X, o, o, o, o, Set::Off, 1, X, X, o, o, o, o,
         "Num Arvo", "Num Bexa", "", "Arvo Splay Angles", "Bexa Splay Angles", "",
         {W3, W4}, {"rvo ", "exa "}, R::Mix, F::StepOfAbove, F::Step},
        {T::RuddBexa, 0.0, X, o, o, o, o, Set::OnChecked, -1, o, X, o, o, o, o,
         "Num Rudd", "Num Bexa", "", "Rudd Splay Angles", "Bexa Splay Angles", "",
         {W3, W4}, {"udd ", "exa "}, R::Mix, F::StepOfAbove, F::Step},
        {T::Hoba, 0.0, o, o, o, X, o, Set::Keep, -1, X, o, o, X, o, o,
         "Num Hoba", "", "", "Hoba Splay Angles", "", "", {W3}, {"Hoba "},
         R::SingleFlownOnly, F::Step, F::Step},
        {T::HobaBexa, 0.0, o, o, o, X, o, Set::Keep, -1, o, o, X, o, o, o,
         "Num Hoba", "Num Bexa", "", "Hoba Splay Angles", "Bexa Splay Angles", "",
         {W3, W4}, {"oba  ", "exa "}, R::Mix, F::AllowedAngle, F::Step},
        {T::Dovi, 200.0, o, o, X, X, X, Set::Keep, -1, o, o, o, o, o, o,
         "Num Dovi", "", "", "Dovi Splay Angles", "", "", {W4}, {"ovi "},
         R::Single, F::Step, F::Step},
        {T::RuddArvo, 0.0, X, o, o, o, o, Set::OnChecked, -1, o, X, o, o, o, o,
         "Num Rudd", "Num Arvo", "", "Rudd Splay Angles", "Arvo Splay Angles", "",
         {W3, W4}, {"udd ", "rvo "}, R::Mix, F::Step, F::Step},
        {T::BexaDovi, 0.0, X, o, o, X, o, Set::Keep, -1, o, o, o, o, o, o,
         "Num Bexa", "Num Dovi", "", "Bexa Splay Angles", "Dovi Splay Angles", "",
         {W3, W4}, {"exa ", "ovi "}, R::Mix, F::Step, F::Step},
        {T::HobaDovi, 0.0, o, o, o, X, o, Set::Keep, -1, o, o, o, o, o, o,
         "Num Hoba", "Num Dovi", "", "Hoba Splay Angles", "Dovi Splay Angles", "",
         {W3, W4}, {"oba  ", "ovi "}, R::Mix, F::Zero, F::Step},
        {T::ArvoGiraF, 0.0, X, o, o, o, o, Set::Off, 1, X, X, o, o, o, o,
         "Num Arvo", "Num Gira", "", "Arvo Splay Angles", "Gira Splay Angles", "",
         {W3, W4}, {"rvo ", "ira "}, R::Mix, F::Junction, F::Step},
        {T::Elka, 200.0, o, o, X, X, X, Set::Keep, -1, o, o, o, o, o, X,
         "Num Elka", "", "", "Elka Splay Angles", "", "", {W4}, {"lka "},
         R::Single, F::Step, F::Step},
        {T::DoviElka, 200.0, o, o, X, X, X, Set::On, -1, o, o, o, o, o, o,
         "Num Dovi", "Num Elka", "", "Dovi Splay Angles", "Elka Splay Angles", "",
         {W3, W4}, {"ovi ", "lka "}, R::MixStackable, F::Junction, F::Step},
        {T::Ivor, 200.0, o, o, o, X, o, Set::Keep, -1, o, o, o, o, o, X,
         "Num Ivor", "", "", "Ivor Splay Angles", "", "", {W4}, {"vor "},
         R::Single, F::Step, F::Step},
        {T::IvorDovi, 200.0, o, o, o, X, o, Set::Keep, -1, o, o, o, o, o, o,
         "Ivor", "Num Dovi", "", "Ivor Splay Angles", "Dovi Splay Angles", "",
         {W3, W4}, {"vor  ", "ovi "}, R::Mix, F::SplayAngle, F::Step},
        {T::IvorElka, 200.0, o, o, o, X, o, Set::Keep, -1, o, o, o, o, o, o,
         "Ivor", "Num Elka", "", "Ivor Splay Angles", "Elka Splay Angles", "",
         {W3, W4}, {"vor  ", "lka "}, R::Mix, F::SplayAngle, F::Step},
        {T::IvorDoviElka, 200.0, o, o, o, X, o, Set::Keep, -1, o, o, o, o, o, o,
         "Ivor", "Num Dovi", "Num Elka", "Ivor Splay Angles", "Dovi Splay Angles",
         "Elka Splay Angles", {W3, W4, W4}, {"vor  ", "ovi ", "lka "}, R::Mix,
         F::SplayAngle, F::SplayAngle},
        {T::BexaCadri, 200.0, o, o, o, X, o, Set::On, -1, o, o, o, o, o, o,
         "Num Bexa", "Num Cadri", "", "Bexa Splay Angles", "Cadri Splay Angles", "",
         {W3, W4}, {"exa ", "adri "}, R::MixStackable, F::Junction, F::Step},
    }};
}();
// clang-format on

static_assert([] {
    for (std::size_t i = 0; i < kArrayTypeCount; ++i)
        if (static_cast<std::size_t>(kTypeControls[i].Type) != i) return false;
    return true;
}());

constexpr const TypeControls& TypeControlsFor(TArrayType type) {
    return kTypeControls[TypeCodeOf(type)];
}

}  // namespace rules
