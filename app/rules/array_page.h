#pragma once
// What the array page shows in its rows: which choice list a row's splay
// list offers and in what colour, what its list shows, how its number reads,
// and the colour that tells how level the lifting bar hangs.
//
// Rows are counted by cabinet index k (0 the top cabinet); the list of row k
// sits at the joint above cabinet k.  Elements are counted from 1 at the top,
// so element k is the cabinet above that joint.  n1, n2, n3 are the counts
// of the first, second and third model.

#include <cstdint>
#include <string>

#include "app/rules/array_type.h"

namespace rules {

// A colour as the system's colour constants give it: $00BBGGRR.
struct Rgb {
    std::uint8_t R = 0, G = 0, B = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
constexpr Rgb FromWindowsColour(std::uint32_t bgr) {
    return {static_cast<std::uint8_t>(bgr & 0xFFu), static_cast<std::uint8_t>((bgr >> 8) & 0xFFu),
            static_cast<std::uint8_t>((bgr >> 16) & 0xFFu)};
}
inline constexpr std::uint32_t kMoneyGreen = 0xC0DCC0;
inline constexpr std::uint32_t kSkyBlue = 0xF0CAA6;
inline constexpr std::uint32_t kOlive = 0x008080;
inline constexpr std::uint32_t kRed = 0x0000FF;
inline constexpr std::uint32_t kBlack = 0x000000;

// The two group boxes of rows.
enum class RowBox { First, Second };

// The choice lists the page fills on every update (L1 to L6), the
// ground-stack bar's hole values, or the items left as they were.
enum class ListItems { Unchanged, L1, L2, L3, L4, L5, L6, StackBar };
// The system colours the lists take; Unchanged leaves the list's colour.
enum class ListColour { Unchanged, MoneyGreen, SkyBlue, Window };

struct RowList {
    ListItems Items = ListItems::Unchanged;
    ListColour Colour = ListColour::Unchanged;
    friend bool operator==(const RowList&, const RowList&) = default;
};

// The items and colour of the list of row k in `box`.
RowList RowListFor(ArrayType type, int rigMode, RowBox box, int k, int n1, int n2);

// What the list of row k shows.
enum class RowShows {
    SplayLabel,      // the label of Element's model at row k's splay index
    StackBarValue,   // the ground-stack bar's current value (Element selected)
    JoinAngle,       // the join angle of Element's model
    AllowedAngle,    // the allowed-angle table's chosen angle
    SplayAngle,      // row k's splay angle itself (a joint set by angle, not by step)
};
struct RowText {
    RowShows Shows = RowShows::SplayLabel;
    int Element = 0;  // the element to select for the lookup (counted from 1)
    friend bool operator==(const RowText&, const RowText&) = default;
};
RowText RowTextFor(ArrayType type, int rigMode, int k, int n1, int n2);

// Whether row k of `box` belongs to the array: shown and filled.
bool RowInUse(ArrayType type, RowBox box, int k, int n1, int n2, int n3);

// The number label of row k: "4", or "4*" where a downfill model's tilt bar
// meets the model above.  The second box of a mixed array numbers its own
// cabinets from 1.
std::string RowNumber(ArrayType type, int rigMode, RowBox box, int k, int n1);

// How level the lifting bar hangs: d = |top angle + lift-bar angle|, black
// up to 0.3 degrees, olive up to 0.6, red beyond.
std::uint32_t LiftBarLevelColour(double topAngle, double liftBarAngle);

// Arrays of one model: "Arvo", "Bexa", "Rudd", "Hoba", "Dovi", "Elka", "Ivor".
bool IsSingleModel(ArrayType type);

}  // namespace rules
