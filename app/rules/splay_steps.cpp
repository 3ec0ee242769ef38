#include "app/rules/splay_steps.h"

#include <initializer_list>

namespace rules {

namespace {

bool IsOneOf(ArrayType t, std::initializer_list<ArrayType> types) {
    for (ArrayType u : types)
        if (t == u) return true;
    return false;
}

int Sign(int direction) { return direction > 0 ? 1 : direction < 0 ? -1 : 0; }

}  // namespace

double StepGridAngle(double angle, int direction) {
    return angle + Sign(direction) * kGridAngleStep;
}

int StepIndex(int index, int direction, int count) {
    if (count < 1) return 0;
    const int last = count - 1;
    if (index < 0) index = 0;
    if (index > last) index = last;
    const int step = Sign(direction);
    if ((step > 0 && index < last) || (step < 0 && index > 0)) index += step;
    return index;
}

ClickTarget ClickTargetFor(ArrayType type, int rigMode, int s, int n1, int direction, bool key) {
    if (s < 0) return ClickTarget::Nothing;
    if (s == 0) return ClickTarget::GridAngle;
    if (type == type::HobaBexa && s == n1) return ClickTarget::AllowedAngle;
    // The Hoba-Dovi joint is fixed: the mouse only refuses to raise it, the
    // keys leave it alone both ways.
    if (type == type::HobaDovi && s == n1 && (direction > 0 || key)) return ClickTarget::Nothing;
    if (rigMode == kGroundStacked && s == n1 - 1) return ClickTarget::GroundStackHole;
    return ClickTarget::SplayStep;
}

ListChoice ListChoiceFor(ArrayType type, int rigMode, int i, int n1, int n2) {
    if (rigMode == kFlown) {
        if (type == type::HobaBexa && i == n1) return {ListTarget::AllowedAngle, 0, 0};
        if (IsOneOf(type, {type::ArvoGiraF, type::DoviElka, type::BexaCadri}) && i == n1)
            return {ListTarget::JunctionAngle, i + 1, 0};
        if (IsOneOf(type, {type::IvorElka, type::IvorDovi, type::IvorDoviElka}) && i == n1)
            return {ListTarget::ZeroJunction, i + 1, 0};
        if (type == type::IvorDoviElka && i == n1 + n2) return {ListTarget::JunctionAngle, i + 1, 0};
        return {ListTarget::SplayStep, i, 0};
    }
    if (rigMode == kGroundStacked) {
        if (i == n1 + n2 - 1) return {ListTarget::GroundStackHole, 0, 0};
        if (IsOneOf(type, {type::ArvoGiraF, type::DoviElka, type::BexaCadri, type::IvorDovi,
                           type::IvorElka}) &&
            i == n1 - 1)
            return {ListTarget::JunctionAngle, n1 + 1, i};
        return {ListTarget::SplayStep, i + 1, 0};
    }
    return {};
}

}  // namespace rules
