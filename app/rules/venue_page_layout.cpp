#include "app/rules/venue_page_layout.h"

#include <algorithm>

namespace rules::venuepage {

Box SplayGridSlot(int slot, int shown) {
    const int n = std::clamp(shown, 1, 3);
    const int s = std::clamp(slot, 0, n - 1);
    const int width = (kSplayGrids.Width - (n - 1) * kGridGap) / n;
    return {kSplayGrids.Left + s * (width + kGridGap), kSplayGrids.Top, width, kSplayGrids.Height};
}

Box SplayGridTitle(int slot, int shown) {
    const Box grid = SplayGridSlot(slot, shown);
    return {grid.Left, kGridTitleTop, grid.Width, kGridTitleHeight};
}

}  // namespace rules::venuepage
