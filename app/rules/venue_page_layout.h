#pragma once
// Where the venue page's controls sit, in the page's pixels at 96 dots per
// inch, so that the whole page is seen at once in a window of 1280 x 720 and
// larger: the page control is as high as the first splay grid plus 110
// pixels, and every block below ends inside that.
//
//   column A: the splay grids side by side, their titles, the units;
//   column B: the cabinet choice, the cabinet counts, touring / install and
//             the sub stack button;
//   columns C to E: the fourteen venue values, five rows a column, the
//             calculator buttons beside the plane lengths, and under them
//             the three ear-height choices.

#include "app/rules/picture_layout.h"

namespace rules::venuepage {

// Column A.  The first grid's height sets the page control's height.
constexpr Box kSplayGrids{4, 4, 284, 124};
constexpr int kGridGap = 4;
constexpr int kGridTitleTop = kSplayGrids.Top + kSplayGrids.Height + 2;
constexpr int kGridTitleHeight = 18;
constexpr Box kUnits{4, kGridTitleTop + kGridTitleHeight + 2, 284, 40};

// Column B.
constexpr Box kCabinetChoice{294, 4, 340, 140};
constexpr int kCountTop = kCabinetChoice.Top + kCabinetChoice.Height + 2;
constexpr int kCountPanelWidth = 108;
constexpr int kCountPanelPitch = 112;
constexpr int kCountPanelHeight = 24;
constexpr int kModeTop = kCountTop + kCountPanelHeight + 2;
constexpr Box kTouring{294, kModeTop, 80, 20};
constexpr Box kInstall{376, kModeTop, 90, 20};
constexpr Box kAddSubs{520, kModeTop, 70, 22};

// Columns C to E.
constexpr int kValuesLeft = 638;
constexpr int kValueColumnWidth = 206;
constexpr int kValuesTop = 22;
constexpr int kValueRowPitch = 22;
constexpr int kValueRowsPerColumn = 5;
constexpr int kValueCount = 14;
// "Venue planes", over the two columns of the planes.
constexpr Box kVenuePlanesTitle{kValuesLeft + kValueColumnWidth, 2, 120, 18};
// Inside one value's cell: caption, up/down, edit, calculator button.
constexpr int kCaptionWidth = 88;
constexpr int kUpDownOffset = 89;
constexpr int kEditOffset = 108;
constexpr int kEditWidth = 64;
constexpr int kCellButtonOffset = 174;
constexpr int kCellButtonWidth = 30;
constexpr int kCellHeight = 20;
// The ear-height choices: one group a plane under the value columns.
constexpr int kEarTop =
    kValuesTop + kValueRowsPerColumn * kValueRowPitch + 2;
constexpr int kEarWidth = 186;
constexpr int kEarHeight = 66;

// The top left corner of value `index` (0 to 13, five to a column).
constexpr Box ValueCell(int index) {
    return {kValuesLeft + (index / kValueRowsPerColumn) * kValueColumnWidth,
            kValuesTop + (index % kValueRowsPerColumn) * kValueRowPitch,
            kValueColumnWidth - 4, kCellHeight};
}

// The group of plane `plane` (0 to 2).
constexpr Box EarGroup(int plane) {
    return {kValuesLeft + plane * kValueColumnWidth, kEarTop, kEarWidth, kEarHeight};
}

// Grid `slot` (0 to shown - 1) of `shown` splay grids side by side (1 to 3;
// fewer counts as one, more as three); its title goes under it, as wide.
Box SplayGridSlot(int slot, int shown);
Box SplayGridTitle(int slot, int shown);

}  // namespace rules::venuepage
