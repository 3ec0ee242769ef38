#pragma once
// Stepping the splay angles by hand: the array page's lists and top-angle
// up/down, the mouse on the venue section and the arrow keys all go
// through these.  Element i is the cabinet under joint i; element 0 is the
// top cabinet, whose angle is the grid (top) angle.  Cabinets are selected
// in the array by their number counted from 1 at the top.

#include "app/rules/array_type.h"

namespace rules {

// The grid angle moves a quarter degree per step, without bounds.
inline constexpr double kGridAngleStep = 0.25;
double StepGridAngle(double angle, int direction);

// One step (+1 / -1) of an index into a table of `count` entries, clamped
// at both ends: a splay step within a model's SplayCount, a ground-stack
// bar hole, an entry of the shared allowed-angle table.  A table without
// entries leaves index 0.
int StepIndex(int index, int direction, int count);

// What a mouse click or an arrow key changes at the selected element s.
enum class ClickTarget {
    Nothing,          // no element selected, or a joint that does not move
    GridAngle,        // s = 0: the top angle, StepGridAngle
    AllowedAngle,     // the Hoba-Bexa joint: the allowed-angle table's index
    GroundStackHole,  // the cabinet on the ground-stack bar: the bar's hole
    SplayStep,        // any other: the splay index within the model of element s
};

// `key` is true for the arrow keys, false for the mouse; `direction` +1 is
// an increase (left button, left key), -1 a decrease.  n1 is the count of
// the first model.
ClickTarget ClickTargetFor(ArrayType type, int rigMode, int s, int n1, int direction, bool key);

// What a choice in an element's splay list on the array page sets.
enum class ListTarget {
    Nothing,          // a rig mode that is neither flown nor stacked
    AllowedAngle,     // the allowed-angle table's entry k and its chosen index
    JunctionAngle,    // the junction angle of `Cabinet`, index 0
    ZeroJunction,     // angle 0, index 0
    GroundStackHole,  // the ground-stack bar's hole k
    SplayStep,        // the splay step k of `Cabinet`'s model
};

struct ListChoice {
    ListTarget Target = ListTarget::Nothing;
    int Cabinet = 0;  // the cabinet to select (counted from 1), 0 when none
    // For a ground-stacked junction: the cabinet selected again afterwards.
    int ThenSelect = 0;
    friend bool operator==(const ListChoice&, const ListChoice&) = default;
};

// Element i's list (i = the list's tag - 100), n1 and n2 the counts of the
// first and second models.
ListChoice ListChoiceFor(ArrayType type, int rigMode, int i, int n1, int n2);

}  // namespace rules
