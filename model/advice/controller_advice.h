#pragma once
// Controller and amplifier settings advice of a loudspeaker array: which
// controller presets to load for the array as designed, the HF EQ each gives,
// how the subs are wired, and where to read further.  Pure text work on the
// array's counts, rig mode and splay list; the array classes call it from
// their CalcControllerSettings and keep the fields it fills.

#include <array>
#include <string>

// The array's advice texts, under the array's own field names.
struct ControllerAdvice {
    // Entries 1..3 of each column are stored at [0..2].
    std::array<std::string, 3> Presets1, PresetEQ1, Presets2, PresetEQ2;
    std::string ColumnHeading1, ColumnHeading2, ControllerNote;
};

// What the advice reads of the array and of the splay list in use.
struct ControllerInput {
    int TypeCode = 0;  // 0..18, the array class
    int ElementCount = 0, Count1 = 0, Count2 = 0, Count3 = 0;
    int RigMode = 1;  // 1 flown; anything else is taken as ground-stacked
    // TSplay.Angle[0..40]: entry k-1 is the splay of element k (1 = top)
    // against the element above it.
    std::array<double, 41> SplayAngle{};
    // TSplay.ChoiceIndex[0..39]: entry k-1 is element k's choice in its
    // cabinet's splay table (0 = the 0.0 degree step).
    std::array<int, 40> ChoiceIndex{};
};

// Rewrites the fields the class of in.TypeCode owns; a field the class does
// not write keeps its value.  A type code outside 0..18, or a count that
// would read an element outside the splay list, throws rtl::RangeError and an
// overflowing count sum rtl::OverflowError; in both cases inout is left
// untouched.
void ComposeControllerAdvice(const ControllerInput& in, ControllerAdvice& inout);
