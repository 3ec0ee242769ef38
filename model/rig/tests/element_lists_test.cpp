#include "model/rig/element_lists.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>
#include <vector>

#include "platform/core/errors.h"

namespace {

// Splay entry k of every test array is k + 0.125, so a list entry tells by
// its angle which splay entry it carries: M(k) is that entry negated.
double M(int k) { return -(k + 0.125); }

struct E {
    int code;
    double angle;
};
using List = std::vector<E>;

bool IsSingleModel(int type) {
    return type == 0 || type == 1 || type == 2 || type == 5 || type == 7 || type == 12 || type == 14;
}

// Single-model arrays count their cabinets in ElementCount, mixed arrays in
// Count1..Count3; the other fields get values that must not be read.
RigListInput Input(int type, int c1, int c2 = 0, int c3 = 0) {
    RigListInput in;
    in.TypeCode = type;
    if (IsSingleModel(type)) {
        in.ElementCount = c1;
        in.Count1 = 7;
        in.Count2 = 5;
        in.Count3 = 4;
    } else {
        in.ElementCount = 11;
        in.Count1 = c1;
        in.Count2 = c2;
        in.Count3 = c3;
    }
    for (int k = 0; k <= 40; ++k) in.S[k] = k + 0.125;
    in.T0 = 2.5;
    return in;
}

RigElementTable Stale() {
    RigElementTable t;
    t.Fill(RigElement{99, 99.0});
    return t;
}

void ExpectEntries(const RigElementTable& t, int first, const List& want, const std::string& what) {
    for (std::size_t k = 0; k < want.size(); ++k) {
        const int i = first + static_cast<int>(k);
        EXPECT_EQ(t[i].Code, want[k].code) << what << " entry " << i;
        EXPECT_DOUBLE_EQ(t[i].Angle, want[k].angle) << what << " entry " << i;
    }
}

void ExpectList(const RigElementTable& t, int n, const List& want, const std::string& what) {
    ASSERT_EQ(n, static_cast<int>(want.size())) << what;
    ExpectEntries(t, 1, want, what);
    for (int i = n + 1; i <= kMaxRigElements; ++i) EXPECT_EQ(t[i].Code, 99) << what << " entry " << i;
}

// Builds the flown list into a stale table and checks all of it.
void ExpectFlown(const RigListInput& in, const List& want, const std::string& what) {
    RigElementTable t = Stale();
    const int n = BuildFlownElementList(in, t);
    ExpectList(t, n, want, what);
}

// Flown lists with the grid only (pick mode 1, primary holes, no combination
// grid), first model 3 cabinets, second 2, third 2.
const List kFlown322[19] = {
    /* 0 */ {{2, 0}, {0, 0}, {0, M(1)}, {0, M(2)}},
    /* 1 */ {{7, 0}, {4, 0}, {4, M(1)}, {4, M(2)}},
    /* 2 */ {{2, 0}, {1, 0}, {1, M(1)}, {1, M(2)}},
    /* 3 */ {{2, 0}, {0, 0}, {0, M(1)}, {0, M(2)}, {15, M(3)}, {4, 0}, {4, M(4)}},
    /* 4 */ {{2, 0}, {1, 0}, {1, M(1)}, {1, M(2)}, {15, M(3)}, {4, 0}, {4, M(4)}},
    /* 5 */ {{9, 0}, {5, 0}, {5, M(1)}, {5, M(2)}},
    /* 6 */ {{9, 0}, {5, 0}, {5, M(1)}, {6, M(2)}, {10, M(3)}, {4, 0}, {4, M(4)}},
    /* 7 */ {{17, 0}, {16, 0}, {16, M(1)}, {16, M(2)}},
    /* 8 */ {{2, 0}, {1, 0}, {1, M(1)}, {1, M(2)}, {0, M(3)}, {0, M(4)}},
    /* 9 */ {{7, 0}, {4, 0}, {4, M(1)}, {4, M(2)}, {23, M(3)}, {16, 0}, {16, M(4)}},
    /* 10 */ {{9, 0}, {5, 0}, {5, M(1)}, {6, M(2)}, {24, M(3)}, {16, 0}, {16, M(4)}},
    /* 11 */ {{2, 0}, {0, 0}, {0, M(1)}, {0, M(2)}, {30, M(3)}, {30, M(4)}},
    /* 12 */ {{17, 0}, {31, 0}, {31, M(1)}, {31, M(2)}},
    /* 13 */ {{17, 0}, {16, 0}, {16, M(1)}, {16, M(2)}, {31, M(3)}, {31, M(4)}},
    /* 14 */ {{17, 0}, {32, 0}, {32, M(1)}, {32, M(2)}},
    /* 15 */ {{17, 0}, {32, 0}, {32, M(1)}, {33, M(2)}, {16, M(3)}, {16, M(4)}},
    /* 16 */ {{17, 0}, {32, 0}, {32, M(1)}, {33, M(2)}, {31, M(3)}, {31, M(4)}},
    /* 17 */ {{17, 0}, {32, 0}, {32, M(1)}, {33, M(2)}, {16, M(3)}, {16, M(4)}, {31, M(5)}, {31, M(6)}},
    /* 18 */ {{7, 0}, {4, 0}, {4, M(1)}, {4, M(2)}, {34, M(3)}, {34, M(4)}},
};

// The same with a first model of one cabinet (second 2, third 1).  The lone
// first cabinet hangs straight from the grid, also where it takes the
// last-cabinet code.
const List kFlown121[19] = {
    /* 0 */ {{2, 0}, {0, 0}},
    /* 1 */ {{7, 0}, {4, 0}},
    /* 2 */ {{2, 0}, {1, 0}},
    /* 3 */ {{2, 0}, {0, 0}, {15, M(1)}, {4, 0}, {4, M(2)}},
    /* 4 */ {{2, 0}, {1, 0}, {15, M(1)}, {4, 0}, {4, M(2)}},
    /* 5 */ {{9, 0}, {5, 0}},
    /* 6 */ {{9, 0}, {6, 0}, {10, M(1)}, {4, 0}, {4, M(2)}},
    /* 7 */ {{17, 0}, {16, 0}},
    /* 8 */ {{2, 0}, {1, 0}, {0, M(1)}, {0, M(2)}},
    /* 9 */ {{7, 0}, {4, 0}, {23, M(1)}, {16, 0}, {16, M(2)}},
    /* 10 */ {{9, 0}, {6, 0}, {24, M(1)}, {16, 0}, {16, M(2)}},
    /* 11 */ {{2, 0}, {0, 0}, {30, M(1)}, {30, M(2)}},
    /* 12 */ {{17, 0}, {31, 0}},
    /* 13 */ {{17, 0}, {16, 0}, {31, M(1)}, {31, M(2)}},
    /* 14 */ {{17, 0}, {32, 0}},
    /* 15 */ {{17, 0}, {33, 0}, {16, M(1)}, {16, M(2)}},
    /* 16 */ {{17, 0}, {33, 0}, {31, M(1)}, {31, M(2)}},
    /* 17 */ {{17, 0}, {33, 0}, {16, M(1)}, {16, M(2)}, {31, M(3)}},
    /* 18 */ {{7, 0}, {4, 0}, {34, M(1)}, {34, M(2)}},
};

// Grid codes: primary / alternate holes without, then with the combination grid.
const int kGrid[19][4] = {
    {2, 3, 2, 3},     {7, 8, 28, 29},   {2, 3, 2, 3},     {2, 3, 2, 3},     {2, 3, 2, 3},
    {9, 9, 27, 27},   {9, 9, 27, 27},   {17, 18, 25, 26}, {2, 3, 2, 3},     {7, 8, 28, 29},
    {9, 9, 27, 27},   {2, 3, 2, 3},     {17, 18, 25, 26}, {17, 18, 25, 26}, {17, 18, 25, 26},
    {17, 17, 25, 25}, {17, 17, 25, 25}, {17, 17, 25, 25}, {7, 8, 25, 26},
};

// Lift-bar codes without the combination grid: pick mode 4 front, 4 rear,
// 5 front, 5 rear; then the same four with it.  0: no lift bar.
const int kLiftBar[19][8] = {
    /* 0 */ {0, 0, 0, 0, 0, 0, 0, 0},
    /* 1 */ {11, 13, 12, 14, 11, 13, 12, 14},
    /* 2 */ {0, 0, 0, 0, 0, 0, 0, 0},
    /* 3 */ {0, 0, 0, 0, 0, 0, 0, 0},
    /* 4 */ {0, 0, 0, 0, 0, 0, 0, 0},
    /* 5 */ {11, 13, 12, 14, 11, 13, 12, 14},
    /* 6 */ {11, 13, 12, 14, 11, 13, 12, 14},
    /* 7 */ {19, 21, 20, 22, 11, 13, 12, 14},
    /* 8 */ {0, 0, 0, 0, 0, 0, 0, 0},
    /* 9 */ {11, 13, 12, 14, 11, 13, 12, 14},
    /* 10 */ {11, 13, 12, 14, 11, 13, 12, 14},
    /* 11 */ {0, 0, 0, 0, 0, 0, 0, 0},
    /* 12 */ {19, 21, 20, 22, 11, 13, 12, 14},
    /* 13 */ {19, 21, 20, 22, 11, 13, 12, 14},
    /* 14 */ {19, 21, 20, 22, 11, 13, 12, 14},
    /* 15 */ {19, 21, 20, 22, 11, 13, 20, 22},
    /* 16 */ {19, 21, 20, 22, 11, 13, 20, 22},
    /* 17 */ {19, 21, 20, 22, 11, 13, 20, 22},
    /* 18 */ {11, 13, 12, 14, 11, 13, 12, 14},
};

std::string Name(int type, int pick, int side, bool primary, bool comb) {
    return "type " + std::to_string(type) + " pick " + std::to_string(pick) + " side " +
           std::to_string(side) + (primary ? " primary" : " alternate") + (comb ? " comb" : "");
}

TEST(FlownList, GridOnlyListsForEveryType) {
    for (int type = 0; type <= 18; ++type) {
        ExpectFlown(Input(type, 3, 2, 2), kFlown322[type], "3+2+2 type " + std::to_string(type));
        ExpectFlown(Input(type, 1, 2, 1), kFlown121[type], "1+2+1 type " + std::to_string(type));
    }
}

// Every pick mode, side, hole set and grid choice: the head elements follow
// the tables, and the cabinets and junctions below them are the grid-only
// list shifted down by the lift bar.
TEST(FlownList, HeadElementsForEveryRigging) {
    for (int type = 0; type <= 18; ++type)
        for (int pick : {1, 4, 5})
            for (int side : {1, 2})
                for (bool primary : {true, false})
                    for (bool comb : {false, true}) {
                        RigListInput in = Input(type, 3, 2, 2);
                        in.PickMode = pick;
                        in.LiftBarSide = side;
                        in.PrimaryHolesUsed = primary;
                        in.CombinationGrid = comb;
                        const std::string what = Name(type, pick, side, primary, comb);
                        const int grid = kGrid[type][(primary ? 0 : 1) + (comb ? 2 : 0)];
                        const int bar = pick == 1 ? 0 : kLiftBar[type][(pick == 4 ? 0 : 2) + (side == 2 ? 1 : 0) + (comb ? 4 : 0)];
                        const List& body = kFlown322[type];

                        List want;
                        if (bar != 0) want.push_back({bar, 0});
                        want.push_back({grid, 0});
                        want.insert(want.end(), body.begin() + 1, body.end());
                        ExpectFlown(in, want, what);
                    }
}

TEST(FlownList, WorkedExamples) {
    // Dovi array on the combination grid, one-point lift at the front.
    RigListInput dovi = Input(7, 4);
    dovi.CombinationGrid = true;
    dovi.PickMode = 4;
    dovi.LiftBarSide = 1;
    ExpectFlown(dovi, {{11, 0}, {25, 0}, {16, 0}, {16, M(1)}, {16, M(2)}, {16, M(3)}}, "dovi comb");
    dovi.CombinationGrid = false;
    ExpectFlown(dovi, {{19, 0}, {17, 0}, {16, 0}, {16, M(1)}, {16, M(2)}, {16, M(3)}}, "dovi mini");

    // Ivor over Dovi, two-point lift on the combination grid: mini bar.
    RigListInput ivor = Input(15, 2, 1);
    ivor.CombinationGrid = true;
    ivor.PickMode = 5;
    ivor.LiftBarSide = 2;
    ExpectFlown(ivor, {{22, 0}, {25, 0}, {32, 0}, {33, M(1)}, {16, M(2)}}, "ivor/dovi");
    ivor.LiftBarSide = 1;
    ivor.PrimaryHolesUsed = false;
    ExpectFlown(ivor, {{20, 0}, {25, 0}, {32, 0}, {33, M(1)}, {16, M(2)}}, "ivor/dovi front");

    // Hoba over Bexa 3 + 2 on the combination grid.
    RigListInput hoba = Input(6, 3, 2);
    hoba.CombinationGrid = true;
    ExpectFlown(hoba, {{27, 0}, {5, 0}, {5, M(1)}, {6, M(2)}, {10, M(3)}, {4, 0}, {4, M(4)}}, "hoba/bexa");

    // Arvo over Bexa 2 + 2, rearward grid holes.
    RigListInput arvo = Input(3, 2, 2);
    arvo.PrimaryHolesUsed = false;
    ExpectFlown(arvo, {{3, 0}, {0, 0}, {0, M(1)}, {15, M(2)}, {4, 0}, {4, M(3)}}, "arvo/bexa");
}

TEST(FlownList, EmptyFirstModel) {
    // Without upper cabinets the first element under the grid still hangs
    // straight; the top angle goes to the library as the target angle.
    ExpectFlown(Input(3, 0, 2), {{2, 0}, {15, 0}, {4, 0}, {4, M(1)}}, "arvo/bexa 0+2");
    ExpectFlown(Input(13, 0, 2), {{17, 0}, {31, 0}, {31, M(1)}}, "dovi/elka 0+2");
    // The last-cabinet code needs a cabinet to sit on.
    for (int type : {6, 10, 15, 16, 17}) {
        RigElementTable t = Stale();
        EXPECT_THROW(BuildFlownElementList(Input(type, 0, 2, 1), t), rtl::RangeError) << type;
        EXPECT_EQ(t[1].Code, 99);
    }
    // No cabinets at all: the grid alone.
    ExpectFlown(Input(0, 0), {{2, 0}}, "arvo 0");
}

TEST(FlownList, OneUpperCabinetCarryingTheLowerModelHangsStraightFromTheGrid) {
    // One subwoofer is both the first and the last of its model: it takes
    // the last-cabinet code but, like every first cabinet, no angle of its
    // own against the grid (the top angle goes as the target angle).
    ExpectFlown(Input(6, 1, 2), {{9, 0}, {6, 0}, {10, M(1)}, {4, 0}, {4, M(2)}}, "hoba 1 / bexa 2");
    ExpectFlown(Input(15, 1, 2), {{17, 0}, {33, 0}, {16, M(1)}, {16, M(2)}}, "ivor 1 / dovi 2");
    ExpectFlown(Input(17, 1, 1, 1), {{17, 0}, {33, 0}, {16, M(1)}, {31, M(2)}}, "ivor 1 / dovi 1 / elka 1");
}

TEST(FlownList, UnknownPickModeBuildsNothingOnLiftBarArrays) {
    for (int type : {1, 5, 6, 7, 9, 10, 12, 13, 14, 15, 16, 17, 18})
        for (int pick : {0, 2, 3, 6}) {
            RigListInput in = Input(type, 3, 2, 2);
            in.PickMode = pick;
            RigElementTable t = Stale();
            EXPECT_EQ(BuildFlownElementList(in, t), kNoRigList) << type << " " << pick;
            EXPECT_EQ(t[1].Code, 99);
            EXPECT_EQ(PlanRigPass(in, t).Pass, RigPass::None);
            EXPECT_EQ(t[1].Code, 99);
        }
    // Arrays without a lift bar hang from the grid in any pick mode.
    for (int type : {0, 2, 3, 4, 8, 11})
        for (int pick : {2, 4, 6}) {
            RigListInput in = Input(type, 3, 2, 2);
            in.PickMode = pick;
            ExpectFlown(in, kFlown322[type], "no bar type " + std::to_string(type));
        }
}

TEST(FlownList, LongestListsAndRefusals) {
    RigElementTable t = Stale();
    EXPECT_EQ(BuildFlownElementList(Input(0, 29), t), 30);
    EXPECT_EQ(t[30].Code, 0);
    EXPECT_DOUBLE_EQ(t[30].Angle, M(28));

    RigListInput bexa = Input(1, 28);
    bexa.PickMode = 4;
    t = Stale();
    EXPECT_EQ(BuildFlownElementList(bexa, t), 30);
    bexa.ElementCount = 29;
    t = Stale();
    EXPECT_THROW(BuildFlownElementList(bexa, t), rtl::RangeError);
    for (int i = 1; i <= 30; ++i) EXPECT_EQ(t[i].Code, 99);

    t = Stale();
    EXPECT_EQ(BuildFlownElementList(Input(3, 14, 14), t), 30);
    EXPECT_EQ(t[16].Code, 15);
    EXPECT_THROW(BuildFlownElementList(Input(3, 15, 14), t), rtl::RangeError);
    EXPECT_THROW(BuildFlownElementList(Input(0, 30), t), rtl::RangeError);
    EXPECT_THROW(BuildFlownElementList(Input(17, 10, 10, 10), t), rtl::RangeError);

    EXPECT_THROW(BuildFlownElementList(Input(0, -1), t), rtl::RangeError);
    EXPECT_THROW(BuildFlownElementList(Input(8, 2, -1), t), rtl::RangeError);
    EXPECT_THROW(BuildFlownElementList(Input(8, INT_MAX, 1), t), rtl::OverflowError);
    EXPECT_THROW(BuildFlownElementList(Input(19, 1), t), rtl::RangeError);
    EXPECT_THROW(BuildFlownElementList(Input(-1, 1), t), rtl::RangeError);
}

TEST(GroundList, ListsOfTheStackingTypes) {
    struct Case {
        int type, c1, c2;
        List want;
    };
    const Case cases[] = {
        {0, 3, 0, {{0, 0}, {0, M(0)}, {0, M(1)}}},
        {2, 3, 0, {{1, 0}, {1, M(0)}, {1, M(1)}}},
        {1, 3, 0, {{4, 0}, {4, M(0)}, {4, M(1)}}},
        {7, 3, 0, {{16, 0}, {16, M(0)}, {16, M(1)}}},
        {14, 3, 0, {{32, 0}, {32, M(0)}, {32, M(1)}}},
        {12, 3, 0, {{31, 0}, {31, M(0)}, {31, M(1)}}},
        {13, 3, 2, {{16, 0}, {16, M(0)}, {16, M(1)}, {31, M(2)}, {31, M(3)}}},
        {13, 1, 2, {{16, 0}, {31, M(0)}, {31, M(1)}}},
        {18, 3, 2, {{4, 0}, {4, M(0)}, {4, M(1)}, {34, M(2)}, {34, M(3)}}},
        {18, 1, 1, {{4, 0}, {34, M(0)}}},
        // Mini cabinets first (elements c1.. of the array, each against the
        // one above by the entry before its own), then the subwoofers they
        // stand on, turned back level by the lowest mini's own entry.
        {15, 3, 2, {{16, 0}, {16, M(3)}, {32, -M(4)}, {32, 0}, {32, 0}}},
        {15, 1, 3, {{16, 0}, {16, M(1)}, {16, M(2)}, {32, -M(3)}}},
        {15, 2, 0, {{32, 0}, {32, 0}}},
        {0, 1, 0, {{0, 0}}},
    };
    for (const Case& c : cases) {
        RigElementTable t = Stale();
        const int n = BuildGroundElementList(Input(c.type, c.c1, c.c2), t);
        ExpectList(t, n, c.want, "ground type " + std::to_string(c.type));
    }
    for (int type : {3, 4, 5, 6, 8, 9, 10, 11, 16, 17}) {
        RigElementTable t = Stale();
        EXPECT_EQ(BuildGroundElementList(Input(type, 3, 2, 1), t), kNoRigList) << type;
        EXPECT_EQ(t[1].Code, 99);
    }
    RigElementTable t = Stale();
    EXPECT_EQ(BuildGroundElementList(Input(0, 30), t), 30);
    EXPECT_THROW(BuildGroundElementList(Input(0, 31), t), rtl::RangeError);
    EXPECT_THROW(BuildGroundElementList(Input(13, 20, 11), t), rtl::RangeError);
    EXPECT_THROW(BuildGroundElementList(Input(13, 0, 2), t), rtl::RangeError);
    EXPECT_THROW(BuildGroundElementList(Input(7, -2), t), rtl::RangeError);
    EXPECT_THROW(BuildGroundElementList(Input(0, 0), t), rtl::RangeError);
    EXPECT_THROW(BuildGroundElementList(Input(15, 0, 0), t), rtl::RangeError);
    EXPECT_EQ(t[1].Code, 0);
}

TEST(Plan, FlownPassQueries) {
    RigElementTable t = Stale();
    RigListInput one = Input(0, 1);
    RigPassPlan p = PlanRigPass(one, t);
    EXPECT_EQ(p.Pass, RigPass::Flown);
    EXPECT_EQ(p.Count, 2);
    EXPECT_DOUBLE_EQ(p.TargetAngle, -0.125);
    EXPECT_TRUE(p.InternalForces);
    EXPECT_FALSE(p.LiftBarHole);
    EXPECT_FALSE(p.LiftBarAngles);
    EXPECT_FALSE(p.AddGridMass);

    for (int type = 0; type <= 18; ++type)
        for (int pick : {1, 4, 5}) {
            RigListInput in = Input(type, 3, 2, 2);
            in.PickMode = pick;
            in.RigMode = 1;
            in.S[0] = -4.5;
            RigElementTable u = Stale();
            p = PlanRigPass(in, u);
            const bool bar = kLiftBar[type][0] != 0;
            const std::string what = "type " + std::to_string(type) + " pick " + std::to_string(pick);
            EXPECT_EQ(p.Pass, RigPass::Flown) << what;
            EXPECT_EQ(p.Count, static_cast<int>(kFlown322[type].size()) + (bar && pick != 1 ? 1 : 0)) << what;
            EXPECT_DOUBLE_EQ(p.TargetAngle, 4.5) << what;
            EXPECT_EQ(p.LiftBarHole, bar && (pick == 4 || (pick == 5 && type == 9))) << what;
            EXPECT_EQ(p.LiftBarAngles, bar && pick == 4) << what;
            EXPECT_TRUE(p.InternalForces) << what;
            EXPECT_FALSE(p.AddGridMass) << what;
        }
}

TEST(Plan, GroundPasses) {
    const bool withGridMass[19] = {false, true, false, false, false, false, false, true, false, false,
                                   false, false, true, true,  true,  false, false, false, true};
    const bool stacks[19] = {true,  true,  true,  false, false, false, false, true, false, false,
                             false, false, true,  true,  true,  true,  false, false, true};
    for (int type = 0; type <= 18; ++type)
        for (int mode : {2, 3}) {
            RigListInput in = Input(type, 3, 2, 1);
            in.RigMode = mode;
            RigElementTable t = Stale();
            const RigPassPlan p = PlanRigPass(in, t);
            const std::string what = "type " + std::to_string(type) + " mode " + std::to_string(mode);
            const bool runs = stacks[type] && (type != 15 || mode == 2);
            EXPECT_EQ(HasGroundStackedPass(type, mode), runs) << what;
            if (!runs) {
                EXPECT_EQ(p.Pass, RigPass::None) << what;
                EXPECT_EQ(t[1].Code, 99) << what;
                continue;
            }
            EXPECT_EQ(p.Pass, RigPass::GroundStacked) << what;
            EXPECT_EQ(p.Count, IsSingleModel(type) ? 3 : 5) << what;
            // Minus the tilt of the list's top element: for the stacked
            // minis of type 15 (elements 3 and 4) that is S[3] - S[4].
            EXPECT_DOUBLE_EQ(p.TargetAngle, type == 15 ? 3.125 - 4.125 : -2.5) << what;
            EXPECT_EQ(p.AddGridMass, withGridMass[type]) << what;
            EXPECT_FALSE(p.LiftBarHole || p.LiftBarAngles || p.InternalForces) << what;
        }
    // Minis alone: the top one's stacked tilt is S[2] - S[0] - S[1]; the
    // column turns by minus that.  Subwoofers alone stand level.
    for (auto [c1, c2, want] : {std::tuple{0, 3, 0.125 + 1.125 - 2.125}, std::tuple{2, 0, 0.0},
                                std::tuple{1, 1, -1.125}}) {
        RigListInput in = Input(15, c1, c2);
        in.RigMode = 2;
        RigElementTable t = Stale();
        EXPECT_DOUBLE_EQ(PlanRigPass(in, t).TargetAngle, want) << c1 << " " << c2;
    }
    // A flown request always takes the flown list, also in stacking types.
    RigElementTable t = Stale();
    EXPECT_EQ(PlanRigPass(Input(15, 3, 2), t).Pass, RigPass::Flown);
    EXPECT_FALSE(HasGroundStackedPass(0, 1));
}

}  // namespace
