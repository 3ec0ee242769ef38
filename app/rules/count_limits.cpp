#include "app/rules/count_limits.h"

#include <algorithm>
#include <array>
#include <climits>

namespace rules {

namespace {

enum class TotalRule { EqualsMax1, Max1PlusOne, Fixed };

struct TypeLimits {
    // First model: flown touring, flown install and stacked maxima; flown
    // and stacked minima.
    int Max1Touring, Max1Install, Max1Stacked, Min1Flown, Min1Stacked;
    int Max2, Min2, Max3, Min3;
    TotalRule Total;
    int FixedTotal;
};

constexpr TotalRule M1 = TotalRule::EqualsMax1;
constexpr TotalRule M1P1 = TotalRule::Max1PlusOne;
constexpr TotalRule FX = TotalRule::Fixed;

// By type code.
constexpr std::array<TypeLimits, type::kCount> kLimits = {{
    /*  0 Arvo            */ {16, 16, 6, 1, 2, 0, 0, 0, 0, M1, 0},
    /*  1 Bexa            */ {16, 12, 6, 1, 2, 0, 0, 0, 0, M1, 0},
    /*  2 Rudd            */ {16, 16, 16, 1, 1, 0, 0, 0, 0, FX, 16},
    /*  3 MIXArvoBexa     */ {15, 15, 15, 1, 1, 8, 1, 0, 0, FX, 16},
    /*  4 MIXRuddBexa     */ {15, 15, 15, 1, 1, 8, 1, 0, 0, FX, 16},
    /*  5 Hoba            */ {12, 12, 12, 1, 1, 0, 0, 0, 0, FX, 12},
    /*  6 MIXHobaBexa     */ {8, 8, 8, 1, 1, 10, 1, 0, 0, FX, 14},
    /*  7 Dovi            */ {16, 12, 6, 1, 2, 0, 0, 0, 0, M1, 0},
    /*  8 MIXRuddArvo     */ {15, 15, 15, 1, 1, 15, 1, 0, 0, FX, 16},
    /*  9 MIXBexaDovi     */ {15, 15, 15, 1, 1, 8, 1, 0, 0, FX, 16},
    /* 10 MIXHobaDovi     */ {6, 6, 6, 1, 1, 12, 1, 0, 0, FX, 13},
    /* 11 MIXArvoGiraF    */ {15, 15, 15, 1, 1, 2, 1, 0, 0, FX, 16},
    /* 12 Elka            */ {6, 6, 3, 1, 1, 0, 0, 0, 0, M1, 0},
    /* 13 MIXDoviElka     */ {15, 11, 5, 1, 1, 2, 1, 0, 0, M1P1, 0},
    /* 14 Ivor            */ {8, 8, 8, 1, 1, 0, 0, 0, 0, FX, 8},
    /* 15 MIXIvorDovi     */ {4, 4, 4, 1, 1, 10, 1, 0, 0, FX, 14},
    /* 16 MIXIvorElka     */ {4, 4, 4, 1, 1, 6, 1, 0, 0, FX, 10},
    /* 17 MIXIvorDoviElka */ {4, 4, 4, 1, 1, 9, 1, 2, 1, FX, 15},
    /* 18 MIXBexaCadri    */ {15, 15, 15, 1, 1, 2, 1, 0, 0, FX, 16},
}};

// The mini cabinets and the subwoofers of "MIXIvorDoviElka" hang together
// from at most this many cabinets; its Ivor count plays no part.
constexpr int kIvorDoviElkaLowerMax = 10;

int Clamp(int n, int lo, int hi) { return std::max(lo, std::min(n, hi)); }

int& Count(BoxCounts& c, int k) { return k == 1 ? c.N1 : k == 2 ? c.N2 : c.N3; }
int Min(const BoxLimits& l, int k) { return k == 1 ? l.Min1 : k == 2 ? l.Min2 : l.Min3; }

// Lowers the first of the counts `order` that is above its minimum, else the
// last of them.
void GiveWay(BoxCounts& c, const BoxLimits& l, std::array<int, 3> order) {
    for (int i = 0; i < 2; ++i) {
        const int k = order[static_cast<std::size_t>(i)];
        if (Count(c, k) > Min(l, k)) {
            --Count(c, k);
            return;
        }
    }
    --Count(c, order[2]);
}

void Reset(BoxCounts& c, const BoxLimits& l) { c = {l.Max1, l.Min2, l.Min3}; }

bool WithinRanges(const BoxCounts& c, const BoxLimits& l) {
    return c.N1 >= l.Min1 && c.N1 <= l.Max1 && c.N2 >= l.Min2 && c.N2 <= l.Max2 &&
           c.N3 >= l.Min3 && c.N3 <= l.Max3;
}

}  // namespace

std::optional<BoxLimits> BoxLimitsFor(ArrayType type, int rigMode, bool install) {
    const std::size_t code = TypeCodeOf(type);
    if (code >= kLimits.size()) return std::nullopt;
    const TypeLimits& t = kLimits[code];
    const bool stacked = rigMode == kGroundStacked;
    BoxLimits l;
    l.Max1 = stacked ? t.Max1Stacked : install ? t.Max1Install : t.Max1Touring;
    l.Min1 = stacked ? t.Min1Stacked : t.Min1Flown;
    l.Max2 = t.Max2;
    l.Min2 = t.Min2;
    l.Max3 = t.Max3;
    l.Min3 = t.Min3;
    switch (t.Total) {
        case TotalRule::EqualsMax1: l.MaxTotal = l.Max1; break;
        case TotalRule::Max1PlusOne: l.MaxTotal = l.Max1 + 1; break;
        case TotalRule::Fixed: l.MaxTotal = t.FixedTotal; break;
    }
    return l;
}

BoxCounts ClampBoxCounts(ArrayType type, const BoxLimits& l, BoxCounts c,
                         CountBeingChanged changing) {
    c.N1 = Clamp(std::min(c.N1, l.Max1), l.Min1, INT_MAX);
    c.N2 = Clamp(std::min(c.N2, l.Max2), l.Min2, INT_MAX);
    c.N3 = Clamp(std::min(c.N3, l.Max3), l.Min3, INT_MAX);
    // Limits whose minima exceed their maxima or whose minima alone pass the
    // total cannot be met; they come from no array type.
    const long long minimumSum = 0LL + l.Min1 + l.Min2 + l.Min3;

    if (type == type::IvorDoviElka) {
        // One step of an up/down needs one reduction; counts that broke the
        // rule before the step (never the case after an earlier clamp)
        // are reset rather than left over it.
        for (int guard = 0; c.N2 + c.N3 > kIvorDoviElkaLowerMax && guard < 64; ++guard) {
            if (changing == CountBeingChanged::Second) {
                if (c.N3 > l.Min3) --c.N3;
                else --c.N2;
            } else if (changing == CountBeingChanged::Third && c.N2 > l.Min2) {
                --c.N2;
            } else {
                Reset(c, l);
                break;
            }
        }
        if (c.N2 + c.N3 > kIvorDoviElkaLowerMax || !WithinRanges(c, l)) Reset(c, l);
        return c;
    }

    if (minimumSum > l.MaxTotal) return c;
    for (int guard = 0; 0LL + c.N1 + c.N2 + c.N3 > l.MaxTotal && guard < 256; ++guard) {
        switch (changing) {
            case CountBeingChanged::First: GiveWay(c, l, {2, 3, 1}); break;
            case CountBeingChanged::Second: GiveWay(c, l, {1, 3, 2}); break;
            case CountBeingChanged::Third: GiveWay(c, l, {2, 1, 3}); break;
            case CountBeingChanged::None: Reset(c, l); break;
        }
    }
    if (0LL + c.N1 + c.N2 + c.N3 > l.MaxTotal || !WithinRanges(c, l)) Reset(c, l);
    return c;
}

std::optional<CountRefusal> CountsOutsideLimits(ArrayType type, const BoxLimits& l,
                                                BoxCounts c) {
    if (l.Max2 == 0 && l.Min2 == 0) c.N2 = 0;
    if (l.Max3 == 0 && l.Min3 == 0) c.N3 = 0;
    const struct {
        int count, value, min, max;
    } each[] = {{1, c.N1, l.Min1, l.Max1}, {2, c.N2, l.Min2, l.Max2}, {3, c.N3, l.Min3, l.Max3}};
    for (const auto& e : each)
        if (e.value < e.min || e.value > e.max) return CountRefusal{e.count, e.value, e.min, e.max};
    // Within their ranges the counts are small: their sums cannot overflow.
    if (type == type::IvorDoviElka) {
        if (c.N2 + c.N3 > kIvorDoviElkaLowerMax)
            return CountRefusal{0, c.N2 + c.N3, 0, kIvorDoviElkaLowerMax};
    } else if (c.N1 + c.N2 + c.N3 > l.MaxTotal) {
        return CountRefusal{0, c.N1 + c.N2 + c.N3, 0, l.MaxTotal};
    }
    return std::nullopt;
}

BoxCounts StepBoxCount(ArrayType type, const BoxLimits& l, BoxCounts c, CountBeingChanged which,
                       int direction) {
    const int step = direction > 0 ? 1 : direction < 0 ? -1 : 0;
    if (which != CountBeingChanged::None) {
        int& n = Count(c, static_cast<int>(which));
        // An up/down never goes past its range, so neither does the count.
        const int lo = Min(l, static_cast<int>(which));
        const int hi = which == CountBeingChanged::First ? l.Max1
                       : which == CountBeingChanged::Second ? l.Max2 : l.Max3;
        n = Clamp(n, lo, hi);
        if ((step > 0 && n < hi) || (step < 0 && n > lo)) n += step;
    }
    return ClampBoxCounts(type, l, c, which);
}

}  // namespace rules
