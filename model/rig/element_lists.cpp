#include "model/rig/element_lists.h"

#include "model/arrays/arraytypes.h"
#include "platform/core/errors.h"

namespace {

// How the cabinets of a flown array follow the head elements.
enum class Pattern {
    OneModel,         // A ...
    TwoModels,        // A ... B ...
    Junction,         // A ... D B ...
    LastAndJunction,  // A ... A' D B ...
    LastDirect,       // A ... A' B ... (C ...)
};

enum class GridFamily { FullSize, Compact, CompactCadri, Subwoofer, Mini, MiniOneFacing };

enum class GroundList { None, OneModel, TwoModels, SubsUnderMinis };

struct TypeData {
    Pattern pattern;
    uint8_t a, aLast, d, b, c;
    bool threeModels;
    GridFamily grid;
    GroundList ground;
    bool groundAddsGridMass;
};

constexpr uint8_t kNone = 0;

// The rig side of each array type, in type-code order (the lift bar is a
// column of the type table).
constexpr std::array<TypeData, kArrayTypeCount> kTypes{{
    /* 0 Arvo */ {Pattern::OneModel, 0, kNone, kNone, kNone, kNone, false, GridFamily::FullSize,
                  GroundList::OneModel, false},
    /* 1 Bexa */ {Pattern::OneModel, 4, kNone, kNone, kNone, kNone, false, GridFamily::Compact,
                  GroundList::OneModel, true},
    /* 2 Rudd */ {Pattern::OneModel, 1, kNone, kNone, kNone, kNone, false, GridFamily::FullSize,
                  GroundList::OneModel, false},
    /* 3 Arvo/Bexa */ {Pattern::Junction, 0, kNone, 15, 4, kNone, false, GridFamily::FullSize,
                       GroundList::None, false},
    /* 4 Rudd/Bexa */ {Pattern::Junction, 1, kNone, 15, 4, kNone, false, GridFamily::FullSize,
                       GroundList::None, false},
    /* 5 Hoba */ {Pattern::OneModel, 5, kNone, kNone, kNone, kNone, false, GridFamily::Subwoofer,
                  GroundList::None, false},
    /* 6 Hoba/Bexa */ {Pattern::LastAndJunction, 5, 6, 10, 4, kNone, false, GridFamily::Subwoofer,
                       GroundList::None, false},
    /* 7 Dovi */ {Pattern::OneModel, 16, kNone, kNone, kNone, kNone, false, GridFamily::Mini,
                  GroundList::OneModel, true},
    /* 8 Rudd/Arvo */ {Pattern::TwoModels, 1, kNone, kNone, 0, kNone, false, GridFamily::FullSize,
                       GroundList::None, false},
    /* 9 Bexa/Dovi */ {Pattern::Junction, 4, kNone, 23, 16, kNone, false, GridFamily::Compact,
                       GroundList::None, false},
    /* 10 Hoba/Dovi */ {Pattern::LastAndJunction, 5, 6, 24, 16, kNone, false, GridFamily::Subwoofer,
                        GroundList::None, false},
    /* 11 Arvo/GiraF */ {Pattern::TwoModels, 0, kNone, kNone, 30, kNone, false, GridFamily::FullSize,
                         GroundList::None, false},
    /* 12 Elka */ {Pattern::OneModel, 31, kNone, kNone, kNone, kNone, false, GridFamily::Mini,
                   GroundList::OneModel, true},
    /* 13 Dovi/Elka */ {Pattern::TwoModels, 16, kNone, kNone, 31, kNone, false, GridFamily::Mini,
                        GroundList::TwoModels, true},
    /* 14 Ivor */ {Pattern::OneModel, 32, kNone, kNone, kNone, kNone, false, GridFamily::Mini,
                   GroundList::OneModel, true},
    /* 15 Ivor/Dovi */ {Pattern::LastDirect, 32, 33, kNone, 16, kNone, false, GridFamily::MiniOneFacing,
                        GroundList::SubsUnderMinis, false},
    /* 16 Ivor/Elka */ {Pattern::LastDirect, 32, 33, kNone, 31, kNone, false, GridFamily::MiniOneFacing,
                        GroundList::None, false},
    /* 17 Ivor/Dovi/Elka */ {Pattern::LastDirect, 32, 33, kNone, 16, 31, true, GridFamily::MiniOneFacing,
                             GroundList::None, false},
    /* 18 Bexa/Cadri */ {Pattern::TwoModels, 4, kNone, kNone, 34, kNone, false, GridFamily::CompactCadri,
                         GroundList::TwoModels, true},
}};

// Refuses a code beyond the last type with "Range check error".
const TypeData& DataFor(int typeCode) { return kTypes[TypeCodeOf(ArrayTypeOf(typeCode))]; }

TLiftBarUse LiftBarUseOf(int typeCode) { return ArrayTypeInfo(typeCode).LiftBar; }

double Splay(const RigListInput& in, long long k) {
    rtl::CheckIndex(k, 0, 40);
    return in.S[static_cast<std::size_t>(k)];
}

int NonNegative(int count) {
    if (count < 0) throw rtl::RangeError();
    return count;
}

// Cabinets below the head, by model.
struct Counts {
    int c1, c2, c3;
};

Counts CountsOf(const RigListInput& in, const TypeData& t) {
    if (t.pattern == Pattern::OneModel) return {NonNegative(in.ElementCount), 0, 0};
    return {NonNegative(in.Count1), NonNegative(in.Count2), t.threeModels ? NonNegative(in.Count3) : 0};
}

bool ListHasRoom(int count) { return count <= kMaxRigElements; }

// Builds into a scratch table first so that a refused list leaves the
// caller's entries as they were.
void CopyOut(const RigElementTable& from, int count, RigElementTable& to) {
    for (int i = 1; i <= count; ++i) to[i] = from[i];
}

bool IsLiftBarPickMode(int pickMode) { return pickMode == 4 || pickMode == 5; }

}  // namespace

bool HasLiftBar(int typeCode) { return ArrayTypeInfo(typeCode).HasLiftBar(); }

LiftBarKind LiftBarFor(int typeCode, int pickMode, bool combinationGrid) {
    const TLiftBarUse use = LiftBarUseOf(typeCode);
    if (!IsLiftBarPickMode(pickMode)) return LiftBarKind::None;
    switch (use) {
        case TLiftBarUse::None:
            return LiftBarKind::None;
        case TLiftBarUse::Compact:
            return LiftBarKind::Compact;
        case TLiftBarUse::ByGrid:
            return combinationGrid ? LiftBarKind::Compact : LiftBarKind::Mini;
        case TLiftBarUse::ByGridOnOnePoint:
            if (pickMode == 5) return LiftBarKind::Mini;
            return combinationGrid ? LiftBarKind::Compact : LiftBarKind::Mini;
    }
    return LiftBarKind::None;
}

uint8_t GridElementCode(int typeCode, bool primaryHolesUsed, bool combinationGrid) {
    const TypeData& t = DataFor(typeCode);
    const bool p = primaryHolesUsed;
    switch (t.grid) {
        case GridFamily::FullSize:
            return p ? 2 : 3;
        case GridFamily::Compact:
            return combinationGrid ? (p ? 28 : 29) : (p ? 7 : 8);
        case GridFamily::CompactCadri:
            return combinationGrid ? (p ? 25 : 26) : (p ? 7 : 8);
        case GridFamily::Subwoofer:
            return combinationGrid ? 27 : 9;
        case GridFamily::Mini:
            return combinationGrid ? (p ? 25 : 26) : (p ? 17 : 18);
        case GridFamily::MiniOneFacing:
            return combinationGrid ? 25 : 17;
    }
    return 0;
}

uint8_t LiftBarElementCode(LiftBarKind kind, int pickMode, int side) {
    const bool rear = side == 2;
    const bool onePoint = pickMode == 4;
    switch (kind) {
        case LiftBarKind::Compact:
            return onePoint ? (rear ? 13 : 11) : (rear ? 14 : 12);
        case LiftBarKind::Mini:
            return onePoint ? (rear ? 21 : 19) : (rear ? 22 : 20);
        case LiftBarKind::None:
            break;
    }
    throw rtl::RangeError();
}

bool HasGroundStackedPass(int typeCode, int rigMode) {
    const TypeData& t = DataFor(typeCode);
    if (rigMode == 1 || t.ground == GroundList::None) return false;
    if (ArrayTypeOf(typeCode) == TArrayType::IvorDovi) return rigMode == 2;
    return true;
}

int BuildFlownElementList(const RigListInput& in, RigElementTable& elements) {
    const TypeData& t = DataFor(in.TypeCode);
    // A lift-bar array in a pick mode it does not know has no list that fits
    // its element count; evaluating anything would report a stale model.
    if (LiftBarUseOf(in.TypeCode) != TLiftBarUse::None && in.PickMode != 1 &&
        !IsLiftBarPickMode(in.PickMode))
        return kNoRigList;

    const LiftBarKind bar = LiftBarFor(in.TypeCode, in.PickMode, in.CombinationGrid);
    const int h = bar == LiftBarKind::None ? 1 : 2;
    const Counts n = CountsOf(in, t);
    const bool junction = t.pattern == Pattern::Junction || t.pattern == Pattern::LastAndJunction;
    const bool lastCode = t.pattern == Pattern::LastAndJunction || t.pattern == Pattern::LastDirect;
    // The last-cabinet code marks the cabinet that carries the lower model;
    // without one there is nothing to hang the rest from.
    if (lastCode && n.c1 < 1) throw rtl::RangeError();

    int count = rtl::CheckedAdd(h, n.c1);
    count = rtl::CheckedAdd(count, n.c2);
    count = rtl::CheckedAdd(count, n.c3);
    if (junction) count = rtl::CheckedAdd(count, 1);
    if (!ListHasRoom(count)) throw rtl::RangeError();

    RigElementTable list;
    if (h == 2) {
        list[1] = {LiftBarElementCode(bar, in.PickMode, in.LiftBarSide), 0.0};
        list[2] = {GridElementCode(in.TypeCode, in.PrimaryHolesUsed, in.CombinationGrid), 0.0};
    } else {
        list[1] = {GridElementCode(in.TypeCode, in.PrimaryHolesUsed, in.CombinationGrid), 0.0};
    }

    // Each cabinet carries minus its own splay angle, which turns it against
    // the cabinet above.  The one directly under the grid carries none: the
    // top angle reaches the library as the target angle, and giving it here
    // as well would turn the column twice.
    int i = h;
    for (int k = 0; k < n.c1; ++k) {
        const uint8_t code = (lastCode && k == n.c1 - 1) ? t.aLast : t.a;
        ++i;
        list[i] = {code, k == 0 ? 0.0 : -Splay(in, k)};
    }
    if (junction) {
        // The junction takes the splay of the first lower cabinet, which then
        // hangs straight from it.
        ++i;
        list[i] = {t.d, i == h + 1 ? 0.0 : -Splay(in, n.c1)};
        for (int k = n.c1; k < n.c1 + n.c2; ++k) {
            ++i;
            list[i] = {t.b, k == n.c1 ? 0.0 : -Splay(in, k)};
        }
    } else {
        for (int k = n.c1; k < n.c1 + n.c2 + n.c3; ++k) {
            ++i;
            list[i] = {k < n.c1 + n.c2 ? t.b : t.c, k == 0 ? 0.0 : -Splay(in, k)};
        }
    }
    CopyOut(list, count, elements);
    return count;
}

int BuildGroundElementList(const RigListInput& in, RigElementTable& elements) {
    const TypeData& t = DataFor(in.TypeCode);
    if (t.ground == GroundList::None) return kNoRigList;

    RigElementTable list;
    int count = 0;
    if (t.ground == GroundList::OneModel) {
        count = NonNegative(in.ElementCount);
        if (!ListHasRoom(count)) throw rtl::RangeError();
        for (int i = 1; i <= count; ++i) list[i] = {t.a, i == 1 ? 0.0 : -Splay(in, i - 2)};
    } else if (t.ground == GroundList::TwoModels) {
        const int c1 = NonNegative(in.Count1);
        const int c2 = NonNegative(in.Count2);
        count = rtl::CheckedAdd(c1, c2);
        if (!ListHasRoom(count)) throw rtl::RangeError();
        // With no cabinet of the first model the first of the second would
        // need the splay before element 0, which does not exist.
        if (c1 < 1 && count > 0) throw rtl::RangeError();
        for (int i = 1; i <= count; ++i)
            list[i] = {i <= c1 ? t.a : t.b, i == 1 ? 0.0 : -Splay(in, i - 2)};
    } else {
        // The subwoofers stand on the stage and the mini cabinets on top of
        // them, so the list starts with the mini cabinets.  The minis are
        // elements c1..count-1 of the array: each turns against the one above
        // by the splay entry before its own (the stacked rule), the lowest
        // stands on the subwoofers at its own entry, and the subwoofers stand
        // level, so the first of them turns back by that entry.
        const int c1 = NonNegative(in.Count1);
        const int c2 = NonNegative(in.Count2);
        count = rtl::CheckedAdd(c1, c2);
        if (!ListHasRoom(count)) throw rtl::RangeError();
        for (int i = 1; i <= count; ++i) {
            if (i <= c2)
                list[i] = {t.b, i == 1 ? 0.0 : -Splay(in, static_cast<long long>(c1) + i - 2)};
            else if (i == c2 + 1 && c2 > 0)
                list[i] = {t.a, Splay(in, static_cast<long long>(count) - 1)};
            else
                list[i] = {t.a, 0.0};
        }
    }
    // A stack needs a cabinet to stand on the stage; an empty column has no
    // mass and no centre of gravity for the tipping check to use.
    if (count < 1) throw rtl::RangeError();
    CopyOut(list, count, elements);
    return count;
}

RigPassPlan PlanRigPass(const RigListInput& in, RigElementTable& elements) {
    RigPassPlan plan;
    if (in.RigMode == 1) {
        const int count = BuildFlownElementList(in, elements);
        if (count == kNoRigList) return plan;
        plan.Pass = RigPass::Flown;
        plan.Count = count;
        plan.TargetAngle = -Splay(in, 0);
        const bool bar = HasLiftBar(in.TypeCode);
        const bool twoPointHole =
            in.PickMode == 5 && ArrayTypeOf(in.TypeCode) == TArrayType::BexaDovi;
        plan.LiftBarHole = bar && (in.PickMode == 4 || twoPointHole);
        plan.LiftBarAngles = bar && in.PickMode == 4;
        plan.InternalForces = true;
        return plan;
    }
    if (!HasGroundStackedPass(in.TypeCode, in.RigMode)) return plan;
    const int count = BuildGroundElementList(in, elements);
    plan.Pass = RigPass::GroundStacked;
    plan.Count = count;
    if (ArrayTypeOf(in.TypeCode) == TArrayType::IvorDovi) {
        // The top mini cabinet heads this list, so the column turns by minus
        // its tilt: the lowest mini's own entry less the splays above it
        // (element c1's tilt in the stacked geometry).  Subwoofers alone
        // stand level.
        double sum = 0.0;
        if (in.Count2 > 0) {
            const long long first = in.Count1;
            const long long last = static_cast<long long>(in.Count1) + in.Count2 - 1;
            for (long long k = first; k < last; ++k) sum += Splay(in, k);
            sum -= Splay(in, last);
        }
        plan.TargetAngle = sum;
    } else {
        plan.TargetAngle = -in.T0;
    }
    plan.AddGridMass = DataFor(in.TypeCode).groundAddsGridMass;
    return plan;
}
