#pragma once
// Where each drawing of a printed page goes, in device pixels of a page
// PW wide and PH high.  The printing code walks these places; the tests
// check them against hand-worked numbers.

#include <array>
#include <optional>
#include <vector>

#include "app/rules/array_type.h"

namespace rules {

// The names of the array report's blocks, as the printed page's texts are
// told apart by (tests).
inline constexpr const char* kSideViewBlock = "Side view";
inline constexpr const char* kSplayTableBlock = "Tilt and splay table";
inline constexpr const char* kFlyingDetailBlock = "Flying detail";
inline constexpr const char* kDimensionsBlock = "Dimensions";
inline constexpr const char* kControllerBlock = "Controller settings";
inline constexpr const char* kMechanicalBlock = "Mechanical report";
inline constexpr const char* kHoleDetailBlock = "Hole detail";
inline constexpr const char* kPatchBlock = "Patch diagram";
inline constexpr const char* kPageHeaderBlock = "Page header";

struct PrintRect {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    friend bool operator==(const PrintRect&, const PrintRect&) = default;
};

// One amplifier patch diagram: its area and the five switches of the
// diagram drawing, in its order: titles (screen layout), rack 1, rack 2,
// rack 3, second model.
struct PatchDiagramPlace {
    PrintRect Area;
    std::array<bool, 5> Flags{};
    friend bool operator==(const PatchDiagramPlace&, const PatchDiagramPlace&) = default;
};

// The blocks of the first page of the array report.
struct ArrayReportLayout {
    PrintRect SideView;      // width and height; drawn from the page's corner
    PrintRect SplayTable;
    PrintRect FlyingDetail;
    PrintRect Dimensions;
    PrintRect Controller;
    PrintRect Mechanical;
    // Ground-stacked only: the narrower flying detail and the hole detail
    // (drawn to the scale of its whole area; on paper only the part above
    // the patch diagrams, which holds all of the drawing).
    std::optional<PrintRect> StackFlyingDetail;
    std::optional<PrintRect> HoleDetail;
    std::optional<PrintRect> HoleDetailShown;
    std::vector<PatchDiagramPlace> PatchDiagrams;  // along the bottom fifth
    // The extra page's header (the band above y = 0.1 PH) and diagram, for
    // the types that get one.
    std::optional<PrintRect> ExtraHeader;
    std::optional<PatchDiagramPlace> ExtraPatchDiagram;
};

// Integer places, rounded half to even; "Range check error" for a page of
// no size.  Blocks that the fractions would overlap, or put past the page's
// right edge, are cut back so that none covers another.
ArrayReportLayout ArrayReportLayoutFor(ArrayType type, int rigMode, int pageWidth,
                                       int pageHeight);

}  // namespace rules
