#include "app/rules/array_page.h"

#include <cmath>
#include <initializer_list>
#include <string>

namespace rules {

namespace {

bool IsOneOf(ArrayType t, std::initializer_list<ArrayType> types) {
    for (ArrayType u : types)
        if (t == u) return true;
    return false;
}

// The downfill mixes whose second model hangs from the first by a tilt bar.
bool IsTiltBarMix(ArrayType t) { return IsOneOf(t, {type::ArvoGiraF, type::DoviElka, type::BexaCadri}); }

// Single-model arrays shown in the first box; the others of one model sit
// in the second.
bool IsFirstBoxSingle(ArrayType t) { return IsOneOf(t, {type::Arvo, type::Rudd, type::Ivor}); }

}  // namespace

bool IsSingleModel(ArrayType type) {
    return IsOneOf(type, {type::Arvo, type::Bexa, type::Rudd, type::Hoba, type::Dovi, type::Elka,
                          type::Ivor});
}

RowList RowListFor(ArrayType type, int rigMode, RowBox box, int k, int n1, int n2) {
    if (rigMode == kFlown) {
        if (box == RowBox::First) return {ListItems::L1, ListColour::MoneyGreen};
        if (type == type::IvorDoviElka) {
            if (k == n1) return {ListItems::L2, ListColour::Unchanged};
            if (k > n1 && k < n1 + n2) return {ListItems::L3, ListColour::Unchanged};
            if (k == n1 + n2) return {ListItems::L4, ListColour::Unchanged};
            if (k > n1 + n2) return {ListItems::L5, ListColour::Unchanged};
            return {};
        }
        if (k == n1) {
            if (IsOneOf(type, {type::HobaBexa, type::ArvoGiraF, type::DoviElka, type::BexaCadri,
                               type::IvorDovi, type::IvorElka}))
                return {ListItems::L3, ListColour::MoneyGreen};
            if (IsOneOf(type, {type::RuddBexa, type::ArvoBexa}))
                return {ListItems::L1, ListColour::MoneyGreen};
            if (type == type::HobaDovi) return {ListItems::L6, ListColour::MoneyGreen};
        }
        return {ListItems::L2, ListColour::MoneyGreen};
    }
    if (rigMode == kGroundStacked) {
        const bool tiltBarPair = IsOneOf(type, {type::DoviElka, type::BexaCadri});
        if (box == RowBox::First) {
            if (k == n1 - 1)
                return tiltBarPair ? RowList{ListItems::L3, ListColour::Window}
                                   : RowList{ListItems::StackBar, ListColour::SkyBlue};
            return {ListItems::L1, ListColour::Window};
        }
        const int onBar = tiltBarPair ? n1 + n2 - 1 : n1 - 1;
        if (k == onBar) return {ListItems::StackBar, ListColour::SkyBlue};
        return {ListItems::L2, ListColour::Window};
    }
    return {};
}

RowText RowTextFor(ArrayType type, int rigMode, int k, int n1, int n2) {
    const bool stacked = rigMode == kGroundStacked;
    const bool tiltBarPair = IsOneOf(type, {type::DoviElka, type::BexaCadri});
    if (stacked && tiltBarPair) {
        if (k == n1 + n2 - 1) return {RowShows::StackBarValue, n1 + 1};
        if (k == n1 - 1) return {RowShows::JoinAngle, n1 + 1};
    } else if (stacked && k == n1 - 1) {
        return {RowShows::StackBarValue, k};
    }
    if (!IsSingleModel(type) && k == n1) {
        if (type == type::HobaBexa) return {RowShows::AllowedAngle, k};
        if (IsOneOf(type, {type::RuddBexa, type::ArvoBexa})) return {RowShows::SplayLabel, k - 1};
        if (IsTiltBarMix(type))
            return stacked ? RowText{RowShows::SplayLabel, k + 1} : RowText{RowShows::JoinAngle, k + 1};
        // Under the subwoofers the design, the list and the mouse set the
        // joint's angle itself (the design hangs a first Elka at its wedge,
        // the list sets 0): the row reads it.
        if (IsOneOf(type, {type::IvorDovi, type::IvorElka, type::IvorDoviElka}))
            return {RowShows::SplayAngle, k};
    }
    if (type == type::IvorDoviElka && k == n1 + n2) return {RowShows::SplayAngle, k};
    return {RowShows::SplayLabel, k};
}

bool RowInUse(ArrayType type, RowBox box, int k, int n1, int n2, int n3) {
    if (k < 0) return false;
    if (IsSingleModel(type)) {
        const bool ownBox = (box == RowBox::First) == IsFirstBoxSingle(type);
        return ownBox && k < n1;
    }
    if (box == RowBox::First) return k < n1;
    return k > n1 - 1 && k < n1 + n2 + n3;
}

std::string RowNumber(ArrayType type, int rigMode, RowBox box, int k, int n1) {
    const bool mixed = !IsSingleModel(type);
    const int number = (mixed && box == RowBox::Second) ? k - n1 + 1 : k + 1;
    std::string text = std::to_string(number);
    if (IsTiltBarMix(type)) {
        const bool lastOfFirst = rigMode == kGroundStacked && k == n1 - 1;
        const bool firstOfSecond = rigMode == kFlown && k == n1;
        if (lastOfFirst || firstOfSecond) text += "*";
    }
    return text;
}

std::uint32_t LiftBarLevelColour(double topAngle, double liftBarAngle) {
    // The bounds hold for the angles as the user reads them: 1.8 and -1.5
    // are level to 0.3 even where their sum carries a rounding error.
    constexpr double kSlack = 1e-9;
    const double d = std::fabs(topAngle + liftBarAngle);
    if (d <= 0.3 + kSlack) return kBlack;
    if (d <= 0.6 + kSlack) return kOlive;
    return kRed;
}

}  // namespace rules
