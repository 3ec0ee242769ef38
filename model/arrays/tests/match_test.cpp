// A column of subwoofers matched to the main array beside it.

#include <gtest/gtest.h>

#include "model/arrays/lsarray.h"
#include "platform/core/errors.h"
#include "model/arrays/tests/splay_of.h"

namespace {

TEST(SubArrayMatch, CreateBuildsTheMainArrayButNotTheSubGeometry) {
    TSplay main = SplayOf({-2, 1, 2});
    auto sub = THobaARRAY::CreateWithMainArray(1, main, 3, 9.0, 4, 8.0);
    EXPECT_EQ(sub->TypeCode, 5);
    EXPECT_EQ(sub->ElementCount, 4);
    EXPECT_DOUBLE_EQ(sub->PositionOffset, 8.0);
    ASSERT_NE(sub->MainArray, nullptr);
    EXPECT_EQ(sub->MainArray->TypeCode, 1);
    EXPECT_EQ(sub->MainArray->ElementCount, 3);
    EXPECT_DOUBLE_EQ(sub->MainArray->TipForce, 1000.0);
    EXPECT_DOUBLE_EQ(sub->MainArray->Tilt[2], 1.0);
    EXPECT_EQ(sub->ElementHeight[0], 0.0);  // the sub array's own set-up has not run

    EXPECT_THROW(THobaARRAY::CreateWithMainArray(2, main, 3, 9.0, 4, 8.0), rtl::RangeError);
}

TEST(SubArrayMatch, OneElementSubArrayIsUnchanged) {
    TSplay main = SplayOf({-3, 2, 2, 2});
    auto sub = THobaARRAY::CreateWithMainArray(0, main, 4, 10.0, 1, 10.0);
    TSplay result = SplayOf({9, 9, 9});
    result.ChoiceIndex[1] = 5;
    sub->MatchToMainArray(result);
    for (int i = 0; i <= 40; ++i) EXPECT_EQ(result.Angle[i], 0.0);
    EXPECT_EQ(result.ChoiceIndex[1], 0);
    EXPECT_EQ(sub->Splay->Angle[0], 0.0);  // not even the top angle is taken
}

TEST(SubArrayMatch, NearestHeightThenNearestTilt) {
    // Main: 3 full-size cabinets at 10 m with splays 0, 1, 2 (tilts 0, 1, 3).
    // Sub elements 1 and 2 hang nearest to main elements 1 and 2: the sub
    // tilts 0 (choice 0, off by 1 against 1) and 2.5 (choice 1, off by 0.5
    // against 3).
    TSplay main = SplayOf({0, 1, 2});
    auto sub = THobaARRAY::CreateWithMainArray(0, main, 3, 10.0, 3, 10.0);
    TSplay result;
    sub->MatchToMainArray(result);
    EXPECT_EQ(result.ChoiceIndex[1], 0);
    EXPECT_EQ(result.ChoiceIndex[2], 1);
    EXPECT_EQ(result.Angle[0], 0.0);
    EXPECT_EQ(result.Angle[1], 0.0);
    EXPECT_EQ(result.Angle[2], 2.5);
    // The sub array is set up with its result.
    EXPECT_DOUBLE_EQ(sub->Tilt[2], 2.5);
}

TEST(SubArrayMatch, TiesTakeTheLowerSplayChoiceAndTheTopAngleIsShared) {
    // One main candidate (element 1) at tilt -2 + 1.25: the sub choices 0
    // and 2.5 are both 1.25 away.
    TSplay main = SplayOf({-2, 1.25});
    auto tie = THobaARRAY::CreateWithMainArray(0, main, 2, 10.0, 2, 10.0);
    TSplay result;
    tie->MatchToMainArray(result);
    EXPECT_EQ(result.Angle[0], -2.0);
    EXPECT_EQ(result.ChoiceIndex[1], 0);
    EXPECT_EQ(result.Angle[1], 0.0);

    // Just past the middle the upper choice wins.
    TSplay main2 = SplayOf({-2, 1.3});
    auto upper = THobaARRAY::CreateWithMainArray(0, main2, 2, 10.0, 2, 10.0);
    upper->MatchToMainArray(result);
    EXPECT_EQ(result.ChoiceIndex[1], 1);
    EXPECT_EQ(result.Angle[1], 2.5);
}

TEST(SubArrayMatch, SingleMainElementMatchesItsTopTilt) {
    // With one main cabinet every sub element is compared with main element
    // 0, whose tilt is the top angle 5: the sub elements stay at 5 with
    // choice 0.
    TSplay main = SplayOf({5});
    auto sub = THobaARRAY::CreateWithMainArray(0, main, 1, 10.0, 3, 10.0);
    TSplay result;
    sub->MatchToMainArray(result);
    EXPECT_EQ(result.ChoiceIndex[1], 0);
    EXPECT_EQ(result.ChoiceIndex[2], 0);
    EXPECT_EQ(result.Angle[0], 5.0);
}

TEST(SubArrayMatch, ResultOutlivesTheArrays) {
    TSplay result;
    {
        // The main splay list goes away before the match: the main array
        // keeps its own copy.
        std::unique_ptr<THobaARRAY> sub;
        {
            TSplay main = SplayOf({0, 1, 2});
            sub = THobaARRAY::CreateWithMainArray(0, main, 3, 10.0, 3, 10.0);
            main.Angle[0] = 99.0;  // later edits of the caller's list do not reach it
        }
        sub->MatchToMainArray(result);
    }  // sub array, main array and their splay lists are gone
    EXPECT_EQ(result.Angle[0], 0.0);
    EXPECT_EQ(result.Angle[2], 2.5);
    EXPECT_EQ(result.ChoiceIndex[2], 1);
}

TEST(SubArrayMatch, PlainSubArrayHasNothingToMatch) {
    THobaARRAY sub;
    TSplay s;
    sub.SetUp(s, 3, 0, 0, 10.0, 0.0);
    TSplay result;
    EXPECT_THROW(sub.MatchToMainArray(result), rtl::RuntimeError);
}

}  // namespace
