// The number of elements handed to the rigging library, per class, grid pick
// mode and rig mode.

#include <gtest/gtest.h>

#include "model/arrays/lsarray.h"

namespace {

// Counts 3, 2, 1: single-model arrays have 3 cabinets, two-model arrays 5,
// the three-model array 6.  Columns: pick modes 1, 4, 5, 6.  0 is the count
// a fresh array keeps when the pick mode does not set it.
struct CountRow {
    const char* Type;
    int Flown[4];
    int Stacked[4];
};

const CountRow kCounts[] = {
    {"Arvo", {4, 4, 4, 4}, {4, 4, 4, 4}},
    {"Bexa", {4, 5, 5, 0}, {4, 5, 5, 0}},
    {"Rudd", {4, 4, 4, 4}, {4, 4, 4, 4}},
    {"MIXArvoBexa", {7, 7, 7, 7}, {7, 7, 7, 7}},
    {"MIXRuddBexa", {7, 7, 7, 7}, {7, 7, 7, 7}},
    {"Hoba", {4, 5, 5, 0}, {4, 5, 5, 0}},
    {"MIXHobaBexa", {7, 8, 8, 0}, {7, 8, 8, 0}},
    {"Dovi", {4, 5, 5, 0}, {4, 5, 5, 0}},
    {"MIXRuddArvo", {6, 6, 6, 6}, {6, 6, 6, 6}},
    {"MIXBexaDovi", {7, 8, 8, 7}, {7, 8, 8, 7}},
    {"MIXHobaDovi", {7, 8, 8, 0}, {7, 8, 8, 0}},
    {"MIXArvoGiraF", {6, 6, 6, 6}, {6, 6, 6, 6}},
    {"Elka", {4, 5, 5, 0}, {4, 5, 5, 0}},
    {"MIXDoviElka", {6, 7, 7, 0}, {6, 7, 7, 0}},
    {"Ivor", {4, 5, 5, 0}, {4, 5, 5, 0}},
    {"MIXIvorDovi", {6, 7, 7, 0}, {5, 5, 5, 5}},
    {"MIXIvorElka", {6, 7, 7, 0}, {6, 7, 7, 0}},
    {"MIXIvorDoviElka", {7, 8, 8, 0}, {7, 8, 8, 0}},
    {"MIXBexaCadri", {6, 7, 7, 0}, {6, 7, 7, 0}},
};

TEST(RigElementCount, PerClassPickModeAndRigMode) {
    const int pickModes[4] = {1, 4, 5, 6};
    for (const CountRow& row : kCounts) {
        for (int rigMode = 1; rigMode <= 2; ++rigMode) {
            for (int p = 0; p < 4; ++p) {
                SCOPED_TRACE(std::string(row.Type) + " rig mode " + std::to_string(rigMode) +
                             " pick mode " + std::to_string(pickModes[p]));
                // The venue's order: grid, rig mode, set-up.
                auto a = CreateLoudspeakerArray(row.Type);
                a->Grid->SetRigMode(pickModes[p], 2);
                a->SetRigMode(rigMode);
                TSplay s;
                a->SetUp(s, 3, 2, 1, 5.0, 1000.0);
                const int expected = rigMode == 1 ? row.Flown[p] : row.Stacked[p];
                EXPECT_EQ(a->RigElementCount, expected);
            }
        }
    }
}

TEST(RigElementCount, OtherPickModesKeepThePreviousSetUpsCount) {
    TBexaArray a;
    TSplay s;
    a.SetUp(s, 3, 0, 0, 5.0, 0.0);
    EXPECT_EQ(a.RigElementCount, 4);
    a.Grid->SetRigMode(6, 2);
    a.SetUp(s, 7, 0, 0, 5.0, 0.0);
    EXPECT_EQ(a.ElementCount, 7);
    EXPECT_EQ(a.RigElementCount, 4);

    TIvorElkaArray ie;  // counted by pick mode even when stacked
    ie.SetRigMode(2);
    ie.Grid->SetRigMode(4, 2);
    ie.SetUp(s, 1, 2, 0, 5.0, 0.0);
    EXPECT_EQ(ie.RigElementCount, 5);
}

TEST(RigElementCount, CompactGridMassFollowsTheCombinationGrid) {
    TBexaArray a;
    TSplay s;
    a.SetUp(s, 2, 0, 0, 5.0, 0.0);
    EXPECT_DOUBLE_EQ(a.Grid->Mass, 45.0);
    a.CombinationGrid = true;
    a.SetUp(s, 2, 0, 0, 5.0, 0.0);
    EXPECT_DOUBLE_EQ(a.Grid->Mass, 60.0);
}

}  // namespace
