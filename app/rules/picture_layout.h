#pragma once
// The main window's layout around its picture, without Qt: the docking of
// the page control and the picture panel (top, bottom, left, then the client
// area takes the rest), the sizes each page asks for, the scaling of design
// pixels by the screen's dots per inch, the smallest window that still shows
// a page whole, and the scrolling of a page whose controls do not fit.

#include <vector>

namespace rules {

struct Box {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    friend bool operator==(const Box&, const Box&) = default;
};

enum class Dock { None, Top, Bottom, Left, Client };

struct Docked {
    Dock Align = Dock::None;
    int Size = 0;  // height for Top and Bottom, width for Left; not read for Client
};

// Places the items in `area`: first every Top item, in the order given, each
// taking the full width and its height off the top; then every Bottom item
// off the bottom; then every Left item off the left; then every Client item
// fills what is left.  A size larger than what is left is cut to it; a
// negative size counts as 0.  An item docked None keeps an empty box.
std::vector<Box> DockLayout(Box area, const std::vector<Docked>& items);

// Design pixels at the screen's logical dots per inch (96 is the design):
// rounded to the nearest, halves to even; the range error beyond int.
int ScaleForDpi(int designPixels, double dpi);

// How a page docks the page control and the picture panel.  The page
// control's size: its height when docked Bottom, its width when docked Left.
struct PageDock {
    Dock PageAlign = Dock::None;   // None: the page control keeps its docking
    int PageSize = 0;
    Dock PictureAlign = Dock::None;
    int PictureSize = 0;           // its height when docked Top
    int PatchPanelHeight = 0;      // the settings panel over the patch page's table
};

// What the pages measure their docking from.
struct PageMeasures {
    int GridHeight = 0;         // the first splay grid (venue page)
    int ArrayGroupsWidth = 0;   // the array page's two group boxes and its panel, side by side
    int ClientHeight = 0;       // the window's client height (amplifier page)
};

// Page 0 venue, 1 array, 2 patch, 3 amplifiers; any other page keeps the
// layout the page before it left (Dock::None everywhere).
PageDock PageDockFor(int page, double dpi, const PageMeasures& m);

// The smallest area in which every item gets its size and its smallest
// cross size: a Top or Bottom item needs MinWidth, a Left item MinHeight, a
// Client item both.  Items docked None are skipped.
struct DockNeed {
    Dock Align = Dock::None;
    int Size = 0;
    int MinWidth = 0;
    int MinHeight = 0;
};
struct Extent {
    int Width = 0, Height = 0;
    friend bool operator==(const Extent&, const Extent&) = default;
};
Extent MinimumDockArea(const std::vector<DockNeed>& items);

// Scroll bars of a view of `view` size showing content of `content` size,
// with bars `bar` pixels thick: a bar appears along an axis the content
// does not fit; a bar takes its thickness off the other axis, which may then
// need its own bar too.  Visible is what remains for the content; Range the
// largest scroll offset along each axis (0 without a bar).
struct ScrollPlan {
    bool Horizontal = false, Vertical = false;
    Extent Visible;
    Extent Range;
    friend bool operator==(const ScrollPlan&, const ScrollPlan&) = default;
};
ScrollPlan PlanScroll(Extent view, Extent content, int bar);

// The scroll offset along one axis that shows the span [start, end) of a
// view `visible` long: the span's place is the one shown at offset `value`;
// the offset moves the least that brings the span in (its start first when
// it is longer than the view), and stays within 0 to `range`.
int OffsetShowing(int value, int range, int visible, int start, int end);

// What the pointer is over on the venue section.  A mark is hit when the
// pointer lies less than 3 pixels from it in both X and Y.  The coverage
// start, the coverage stop and the array-height mark are tried in that
// order; then the cabinets from the top down, and the lowest cabinet hit
// wins.
enum class MarkKind { None, CoverageStart, CoverageStop, ArrayHeight, Cabinet };
struct MarkHit {
    MarkKind Kind = MarkKind::None;
    int Cabinet = -1;  // for Kind Cabinet
    friend bool operator==(const MarkHit&, const MarkHit&) = default;
};
struct MarkPoint {
    int X = 0, Y = 0;
};
bool PointerOnMark(int x, int y, MarkPoint mark);
// `cabinets` holds `count` points (the caller bounds count by its table).
MarkHit MarkAt(int x, int y, MarkPoint start, MarkPoint stop, MarkPoint height,
               const MarkPoint* cabinets, int count);

}  // namespace rules
