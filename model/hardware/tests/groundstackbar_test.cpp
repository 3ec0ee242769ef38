#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/errors.h"
#include "model/hardware/groundstackbar.h"

namespace {

std::vector<std::unique_ptr<TGroundStackBar>> AllBars() {
    std::vector<std::unique_ptr<TGroundStackBar>> v;
    v.push_back(std::make_unique<TBexaGroundStackBar>());
    v.push_back(std::make_unique<TArvoGroundStackBar>());
    v.push_back(std::make_unique<TDoviGroundStackBar>());
    v.push_back(std::make_unique<TElkaGroundStackBar>());
    return v;
}

}  // namespace

TEST(TGroundStackBar, EmptyBar) {
    TGroundStackBar b;
    EXPECT_EQ(b.HoleCount, 0);
    EXPECT_EQ(b.CurrentIndex, 0);
    EXPECT_EQ(b.Texts.Count(), 0);
    b.SelectNearestHole(5);
    EXPECT_EQ(b.CurrentIndex, 0);
    EXPECT_EQ(b.CurrentValue, 0.0);
    EXPECT_EQ(b.CurrentValueText(), "0.00");
}

TEST(TGroundStackBar, FirstAndLastHoleOfAnEmptyBarChangeNothing) {
    TGroundStackBar b;
    b.CurrentValue = 1.5;
    TSplay s;
    s.Angle[4] = 3.25;
    b.SelectLastHole(s, 5);
    b.SelectFirstHole(s, 5);
    EXPECT_EQ(b.CurrentIndex, 0);
    EXPECT_EQ(b.CurrentValue, 1.5);
    EXPECT_EQ(s.Angle[4], 3.25);
}

TEST(TGroundStackBar, HoleCountsAndEnds) {
    const int counts[] = {11, 12, 14, 12};
    const double mins[] = {-1.75, -2.5, -3.89, 9};
    const double maxs[] = {10.03, 10, 10.36, 20};
    auto bars = AllBars();
    for (std::size_t k = 0; k < bars.size(); ++k) {
        const TGroundStackBar& b = *bars[k];
        SCOPED_TRACE(k);
        EXPECT_EQ(b.HoleCount, counts[k]);
        EXPECT_EQ(b.MinAngle, mins[k]);
        EXPECT_EQ(b.MaxAngle, maxs[k]);
        EXPECT_EQ(b.Angles[0], b.MinAngle);
        EXPECT_EQ(b.Angles[b.HoleCount - 1], b.MaxAngle);
        EXPECT_EQ(b.Texts.Count(), b.HoleCount);
        EXPECT_EQ(b.CurrentIndex, 0);
        for (int i = 1; i < b.HoleCount; ++i) EXPECT_LT(b.Angles[i - 1], b.Angles[i]) << i;
        // A hole's tilt lies within half a degree of its printed value.
        for (int i = 0; i < b.HoleCount; ++i) EXPECT_LE(std::abs(b.Angles[i] - b.Values[i]), 0.5) << i;
        for (int i = b.HoleCount; i <= 40; ++i) {
            EXPECT_EQ(b.Angles[i], 0.0);
            EXPECT_EQ(b.Values[i], 0.0);
            EXPECT_EQ(b.BarHole[i], 0);
            EXPECT_EQ(b.CabinetHole[i], 0);
        }
    }
}

namespace {

// Sampled entries of one table: {index, value} pairs.
template <typename T, int Lo, int Hi>
void ExpectAt(const rtl::CheckedArray<T, Lo, Hi>& t, std::initializer_list<std::pair<int, T>> want,
              const char* what) {
    for (const auto& [i, v] : want) EXPECT_EQ(t[i], v) << what << "[" << i << "]";
}

}  // namespace

TEST(TGroundStackBar, TableSamples) {
    TBexaGroundStackBar x;
    ExpectAt(x.Angles, {{1, 0.25}, {2, 2.29}, {5, 5.03}, {8, 7.98}}, "Bexa Angles");
    EXPECT_EQ(x.Values[0], -2.0);
    ExpectAt(x.BarHole, {{2, 1}, {3, 0}}, "Bexa BarHole");
    ExpectAt(x.CabinetHole, {{0, 4}, {2, 8}, {9, 7}}, "Bexa CabinetHole");

    TArvoGroundStackBar a;
    ExpectAt(a.Angles, {{1, -1.0}, {7, 5.5}}, "Arvo Angles");
    ExpectAt(a.BarHole, {{4, 1}, {5, 0}}, "Arvo BarHole");
    ExpectAt(a.CabinetHole, {{0, 3}, {4, 7}, {11, 7}}, "Arvo CabinetHole");
    for (int i = 0; i < a.HoleCount; ++i) EXPECT_EQ(a.Angles[i], a.Values[i]) << i;

    TDoviGroundStackBar d;
    ExpectAt(d.Angles, {{1, -2.19}, {2, -0.82}, {8, 6.0}, {10, 7.42}}, "Dovi Angles");
    ExpectAt(d.Values, {{1, -2.25}, {8, 5.5}, {13, 10.5}}, "Dovi Values");
    ExpectAt(d.BarHole, {{7, 1}, {8, 0}}, "Dovi BarHole");
    ExpectAt(d.CabinetHole, {{0, 2}, {5, 8}, {12, 7}}, "Dovi CabinetHole");
    EXPECT_EQ(d.Texts[0], "-3.75");
    EXPECT_EQ(d.Texts[8], "5.50");
    EXPECT_EQ(d.Texts[13], "10.50");

    // The downfill bar alternates its bar holes 3 and 4 and climbs one
    // cabinet hole every second row; the last row meets none.
    TElkaGroundStackBar e;
    for (int i = 0; i < e.HoleCount; ++i) {
        EXPECT_EQ(e.Angles[i], 9.0 + i) << i;
        EXPECT_EQ(e.Values[i], 9.0 + i) << i;
        EXPECT_EQ(e.BarHole[i], i % 2 == 0 ? 3 : 4) << i;
        if (i < 11) {
            EXPECT_EQ(e.CabinetHole[i], 1 + i / 2) << i;
        }
    }
    EXPECT_EQ(e.CabinetHole[11], 9);
}

TEST(TGroundStackBar, TextsUseFixedTwoDecimalsWithAPoint) {
    TBexaGroundStackBar b;
    EXPECT_EQ(b.Texts[0], "-2.00");
    EXPECT_EQ(b.Texts[1], "0.00");
    EXPECT_EQ(b.Texts[2], "2.00");
    EXPECT_EQ(b.Texts[3], "2.50");
    EXPECT_EQ(b.Texts[10], "10.00");
    EXPECT_THROW(b.Texts[11], rtl::RangeError);
    EXPECT_EQ(TArvoGroundStackBar().Texts[0], "-2.50");
}

TEST(TGroundStackBar, NearestHoleTieKeepsTheLowerIndex) {
    TArvoGroundStackBar a;
    a.SelectNearestHole(2.25);  // equally near 2 (hole 4) and 2.5 (hole 5)
    EXPECT_EQ(a.CurrentIndex, 4);
    EXPECT_EQ(a.CurrentValue, 2.0);
    a.SelectNearestHole(2.26);
    EXPECT_EQ(a.CurrentIndex, 5);
    EXPECT_EQ(a.CurrentValue, 2.5);
}

TEST(TGroundStackBar, NearestHoleByTiltNotByValue) {
    TBexaGroundStackBar b;
    b.SelectNearestHole(2.4);  // 2.49 is 0.09 away, 2.29 is 0.11
    EXPECT_EQ(b.CurrentIndex, 3);
    EXPECT_EQ(b.CurrentValue, 2.5);
    EXPECT_EQ(b.CurrentValueText(), "2.50");
    EXPECT_EQ(b.CurrentAngle(), 2.49);
    EXPECT_EQ(b.CurrentHoleNumber(), 0);

    TDoviGroundStackBar d;
    d.SelectNearestHole(5.9);  // tilt 6 (printed 5.5), not tilt 4.21 (printed 4)
    EXPECT_EQ(d.CurrentIndex, 8);
    EXPECT_EQ(d.CurrentValueText(), "5.50");
}

TEST(TGroundStackBar, NearestHoleBeyondTheEnds) {
    for (auto& b : AllBars()) {
        b->SelectNearestHole(b->MaxAngle + 100);
        EXPECT_EQ(b->CurrentIndex, b->HoleCount - 1);
        EXPECT_EQ(b->CurrentValue, b->Values[b->HoleCount - 1]);
        b->SelectNearestHole(b->MinAngle - 100);
        EXPECT_EQ(b->CurrentIndex, 0);
        EXPECT_EQ(b->CurrentValue, b->Values[0]);
    }
}

TEST(TGroundStackBar, FirstAndLastHoleWriteTheTiltIntoTheSplayList) {
    TDoviGroundStackBar d;
    TSplay s;
    d.SelectLastHole(s, 6);
    EXPECT_EQ(d.CurrentIndex, 13);
    EXPECT_EQ(d.CurrentValue, 10.5);
    EXPECT_EQ(s.Angle[5], 10.36);
    d.SelectFirstHole(s, 41);
    EXPECT_EQ(d.CurrentIndex, 0);
    EXPECT_EQ(d.CurrentValue, -3.75);
    EXPECT_EQ(s.Angle[40], -3.89);
    EXPECT_EQ(s.Angle[5], 10.36);

    d.CurrentIndex = 8;  // the main window steps the index itself
    d.StoreCurrentAngle(s, 1);
    EXPECT_EQ(s.Angle[0], 6.0);
    EXPECT_EQ(d.CurrentValueText(), "5.50");
    EXPECT_EQ(d.CurrentAngle(), 6.0);
}

TEST(TGroundStackBar, HoleNumbersAndCabinetHoles) {
    TElkaGroundStackBar e;
    for (int i = 0; i < e.HoleCount; ++i) {
        e.CurrentIndex = i;
        EXPECT_NE(e.CurrentHoleNumber(), 0) << i;  // always a middle hole
    }
    e.CurrentIndex = 11;
    EXPECT_EQ(e.CurrentCabinetHoleEntry(), -1);  // cabinet hole 9: none
    e.CurrentIndex = 10;
    EXPECT_EQ(e.CurrentCabinetHoleEntry(), 5);

    TBexaGroundStackBar b;
    b.CurrentIndex = 10;
    EXPECT_EQ(b.CurrentCabinetHoleEntry(), 7);
    EXPECT_EQ(b.CurrentHoleNumber(), 0);
    b.CurrentIndex = 0;
    EXPECT_EQ(b.CurrentHoleNumber(), 1);

    TGroundStackBar empty;
    EXPECT_EQ(empty.CurrentCabinetHoleEntry(), -1);  // cabinet hole 0: none
}

TEST(TGroundStackBar, BadIndexesAreRefusedAndWriteNothing) {
    TArvoGroundStackBar a;
    TSplay s;
    s.Angle[40] = 1.5;
    a.SelectNearestHole(7);  // hole 8
    for (int n : {0, 42, -5}) {
        EXPECT_THROW(a.StoreCurrentAngle(s, n), rtl::RangeError) << n;
        EXPECT_THROW(a.SelectLastHole(s, n), rtl::RangeError) << n;
        EXPECT_THROW(a.SelectFirstHole(s, n), rtl::RangeError) << n;
        EXPECT_EQ(a.CurrentIndex, 8);
        EXPECT_EQ(a.CurrentValue, 7.0);
    }
    EXPECT_THROW(a.StoreCurrentAngle(s, -2147483647 - 1), rtl::RangeError);
    TSplay untouched;
    untouched.Angle[40] = 1.5;
    EXPECT_EQ(s.Angle, untouched.Angle);

    a.CurrentIndex = 41;
    EXPECT_THROW(a.StoreCurrentAngle(s, 1), rtl::RangeError);
    EXPECT_EQ(s.Angle[0], 0.0);
    EXPECT_THROW(a.CurrentValueText(), rtl::RangeError);
    EXPECT_THROW(a.CurrentAngle(), rtl::RangeError);
    EXPECT_THROW(a.CurrentHoleNumber(), rtl::RangeError);
    EXPECT_THROW(a.CurrentCabinetHoleEntry(), rtl::RangeError);
    a.CurrentIndex = -1;
    EXPECT_THROW(a.CurrentAngle(), rtl::RangeError);

    EXPECT_THROW(a.Angles[41] = 1, rtl::RangeError);
    EXPECT_THROW(a.Values[-1] = 1, rtl::RangeError);
    EXPECT_THROW(a.BarHole[41] = 1, rtl::RangeError);
    EXPECT_THROW(a.CabinetHole[41] = 1, rtl::RangeError);
    EXPECT_EQ(a.Angles, TArvoGroundStackBar().Angles);
    try {
        a.CurrentIndex = 40 + 1;
        (void)a.CurrentAngle();
        FAIL();
    } catch (const rtl::RuntimeError& e) {
        EXPECT_STREQ(e.what(), "Range check error");
    }
}
