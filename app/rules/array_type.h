#pragma once
// The array type as the window's rules see it: the array's type code, 0 to
// 18, in the order "Arvo", "Bexa", "Rudd", "MIXArvoBexa", "MIXRuddBexa",
// "Hoba", "MIXHobaBexa", "Dovi", "MIXRuddArvo", "MIXBexaDovi", "MIXHobaDovi",
// "MIXArvoGiraF", "Elka", "MIXDoviElka", "Ivor", "MIXIvorDovi",
// "MIXIvorElka", "MIXIvorDoviElka", "MIXBexaCadri".

#include <cstdint>

namespace rules {

using ArrayType = std::uint8_t;

// The codes the rules name.
namespace type {
inline constexpr ArrayType Arvo = 0, Bexa = 1, Rudd = 2, ArvoBexa = 3, RuddBexa = 4, Hoba = 5,
                           HobaBexa = 6, Dovi = 7, RuddArvo = 8, BexaDovi = 9, HobaDovi = 10,
                           ArvoGiraF = 11, Elka = 12, DoviElka = 13, Ivor = 14, IvorDovi = 15,
                           IvorElka = 16, IvorDoviElka = 17, BexaCadri = 18;
inline constexpr int kCount = 19;
}  // namespace type

// Rig modes.
inline constexpr int kFlown = 1;
inline constexpr int kGroundStacked = 2;

}  // namespace rules
