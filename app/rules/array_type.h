#pragma once
// The array type as the window's rules see it: the TArrayType of the type
// table, type codes 0 to 18 in the order "Arvo", "Bexa", "Rudd", "MIXArvoBexa", "MIXRuddBexa",
// "Hoba", "MIXHobaBexa", "Dovi", "MIXRuddArvo", "MIXBexaDovi", "MIXHobaDovi",
// "MIXArvoGiraF", "Elka", "MIXDoviElka", "Ivor", "MIXIvorDovi",
// "MIXIvorElka", "MIXIvorDoviElka", "MIXBexaCadri".

#include "model/arrays/arraytypes.h"

namespace rules {

using ArrayType = TArrayType;

// The codes the rules name.
namespace type {
using enum TArrayType;
inline constexpr int kCount = static_cast<int>(kArrayTypeCount);
}  // namespace type

// Rig modes.
inline constexpr int kFlown = 1;
inline constexpr int kGroundStacked = 2;

}  // namespace rules
