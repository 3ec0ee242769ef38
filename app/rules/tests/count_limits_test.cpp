// Cabinet-count limits per array type and the clamping of the counts.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/rules/count_limits.h"

namespace {

using rules::BoxCounts;
using rules::BoxLimits;
using rules::CountBeingChanged;
namespace type = rules::type;

constexpr int F = rules::kFlown;
constexpr int S = rules::kGroundStacked;

TEST(CountLimits, LimitsPerTypeModeAndInstall) {
    struct Case {
        rules::ArrayType type;
        int rigMode;
        bool install;
        BoxLimits limits;  // max1 min1 max2 min2 max3 min3 total
    };
    const Case cases[] = {
        {type::Arvo, F, false, {16, 1, 0, 0, 0, 0, 16}},
        {type::Arvo, F, true, {16, 1, 0, 0, 0, 0, 16}},
        {type::Arvo, S, false, {6, 2, 0, 0, 0, 0, 6}},
        {type::Bexa, F, false, {16, 1, 0, 0, 0, 0, 16}},
        {type::Bexa, F, true, {12, 1, 0, 0, 0, 0, 12}},
        {type::Bexa, S, true, {6, 2, 0, 0, 0, 0, 6}},
        {type::Dovi, F, true, {12, 1, 0, 0, 0, 0, 12}},
        {type::Dovi, S, false, {6, 2, 0, 0, 0, 0, 6}},
        {type::Elka, F, false, {6, 1, 0, 0, 0, 0, 6}},
        {type::Elka, S, false, {3, 1, 0, 0, 0, 0, 3}},
        {type::Rudd, S, false, {16, 1, 0, 0, 0, 0, 16}},
        {type::Hoba, F, true, {12, 1, 0, 0, 0, 0, 12}},
        {type::Ivor, F, false, {8, 1, 0, 0, 0, 0, 8}},
        {type::ArvoBexa, F, false, {15, 1, 8, 1, 0, 0, 16}},
        {type::ArvoGiraF, S, false, {15, 1, 2, 1, 0, 0, 16}},
        {type::BexaCadri, F, true, {15, 1, 2, 1, 0, 0, 16}},
        {type::BexaDovi, F, false, {15, 1, 8, 1, 0, 0, 16}},
        {type::DoviElka, F, false, {15, 1, 2, 1, 0, 0, 16}},
        {type::DoviElka, F, true, {11, 1, 2, 1, 0, 0, 12}},
        {type::DoviElka, S, true, {5, 1, 2, 1, 0, 0, 6}},
        {type::RuddArvo, F, false, {15, 1, 15, 1, 0, 0, 16}},
        {type::RuddBexa, F, false, {15, 1, 8, 1, 0, 0, 16}},
        {type::HobaBexa, F, false, {8, 1, 10, 1, 0, 0, 14}},
        {type::HobaDovi, F, false, {6, 1, 12, 1, 0, 0, 13}},
        {type::IvorDovi, F, false, {4, 1, 10, 1, 0, 0, 14}},
        {type::IvorElka, F, false, {4, 1, 6, 1, 0, 0, 10}},
        {type::IvorDoviElka, F, false, {4, 1, 9, 1, 2, 1, 15}},
    };
    for (const Case& c : cases) {
        const auto l = rules::BoxLimitsFor(c.type, c.rigMode, c.install);
        ASSERT_TRUE(l.has_value()) << int(c.type);
        EXPECT_EQ(*l, c.limits) << "type " << int(c.type) << " mode " << c.rigMode << " install "
                                << c.install;
    }
}

TEST(CountLimits, CodeOfNoArrayTypeHasNoLimits) {
    for (int code : {19, 20, 255}) EXPECT_FALSE(rules::BoxLimitsFor(rules::ArrayType(code), F, false));
}

TEST(CountLimits, ClampingAndStepping) {
    struct Case {
        const char* name;
        rules::ArrayType type;
        int rigMode;
        bool install;
        BoxCounts before;
        CountBeingChanged which;  // None: clamping only
        int direction;
        BoxCounts after;
    };
    const auto None = CountBeingChanged::None, First = CountBeingChanged::First,
               Second = CountBeingChanged::Second, Third = CountBeingChanged::Third;
    const Case cases[] = {
        // 2 and 14 clamp to 2 and 12; 14 > 13 with no count stepped resets.
        {"RuddArvo 2+14 to HobaDovi", type::HobaDovi, F, false, {2, 14, 0}, None, 0, {6, 1, 0}},
        {"ArvoBexa 14+2, count 1 up", type::ArvoBexa, F, false, {14, 2, 0}, First, +1, {15, 1, 0}},
        {"ArvoBexa 15+1, count 2 up", type::ArvoBexa, F, false, {15, 1, 0}, Second, +1, {14, 2, 0}},
        {"ArvoBexa 15+1, count 1 up at its max", type::ArvoBexa, F, false, {15, 1, 0}, First, +1,
         {15, 1, 0}},
        {"ArvoBexa 8+8, count 2 down", type::ArvoBexa, F, false, {8, 8, 0}, Second, -1, {8, 7, 0}},
        {"ArvoBexa 1+1, count 1 down at its min", type::ArvoBexa, F, false, {1, 1, 0}, First, -1,
         {1, 1, 0}},
        {"Arvo flown 10 to stacked", type::Arvo, S, false, {10, 0, 0}, None, 0, {6, 0, 0}},
        {"Arvo stacked 1 up to its min", type::Arvo, S, false, {1, 0, 0}, None, 0, {2, 0, 0}},
        {"Arvo stacked 6, count 1 up", type::Arvo, S, false, {6, 0, 0}, First, +1, {6, 0, 0}},
        {"Bexa flown 16 to install", type::Bexa, F, true, {16, 0, 0}, None, 0, {12, 0, 0}},
        {"Bexa flown 16 touring stays", type::Bexa, F, false, {16, 0, 0}, None, 0, {16, 0, 0}},
        {"mixed counts to a single type", type::Rudd, F, false, {10, 5, 2}, None, 0, {10, 0, 0}},
        {"IvorDoviElka 4,9,1 count 3 up", type::IvorDoviElka, F, false, {4, 9, 1}, Third, +1,
         {4, 8, 2}},
        {"IvorDoviElka 4,8,2 count 2 up", type::IvorDoviElka, F, false, {4, 8, 2}, Second, +1,
         {4, 9, 1}},
        {"IvorDoviElka 3,9,1 count 1 up", type::IvorDoviElka, F, false, {3, 9, 1}, First, +1,
         {4, 9, 1}},
        {"IvorDoviElka 2,9,2 from another type", type::IvorDoviElka, F, false, {2, 9, 2}, None, 0,
         {4, 1, 1}},
        {"DoviElka stacked 10+2", type::DoviElka, S, false, {10, 2, 0}, None, 0, {5, 1, 0}},
        {"DoviElka install 11+1, count 2 up", type::DoviElka, F, true, {11, 1, 0}, Second, +1,
         {10, 2, 0}},
        {"HobaBexa 8+6, count 2 up", type::HobaBexa, F, false, {8, 6, 0}, Second, +1, {7, 7, 0}},
        {"HobaBexa 1+10 within the total", type::HobaBexa, F, false, {1, 10, 0}, None, 0,
         {1, 10, 0}},
        // -5 up to 1, the huge count down to 8, the third model has none.
        {"negative and huge counts", type::ArvoBexa, F, false, {-5, 2147483647, 7}, None, 0,
         {1, 8, 0}},
        {"huge count stepped up", type::Arvo, F, false, {2147483647, 0, 0}, First, +1,
         {16, 0, 0}},
    };
    for (const Case& c : cases) {
        const BoxLimits l = *rules::BoxLimitsFor(c.type, c.rigMode, c.install);
        const BoxCounts got =
            c.which == CountBeingChanged::None
                ? rules::ClampBoxCounts(c.type, l, c.before, CountBeingChanged::None)
                : rules::StepBoxCount(c.type, l, c.before, c.which, c.direction);
        EXPECT_EQ(got, c.after) << c.name << ": got " << got.N1 << "," << got.N2 << "," << got.N3;
    }
}

// Whatever the counts, the type and the count being stepped, the result
// lies within every model's range and within the total.
TEST(CountLimits, ResultAlwaysWithinTheLimits) {
    for (int code = 0; code < type::kCount; ++code)
        for (int mode : {F, S})
            for (bool install : {false, true}) {
                const auto t = rules::ArrayType(code);
                const BoxLimits l = *rules::BoxLimitsFor(t, mode, install);
                for (int which = 0; which <= 3; ++which)
                    for (int n1 = -1; n1 <= 18; ++n1)
                        for (int n2 = -1; n2 <= 17; n2 += 3)
                            for (int n3 = -1; n3 <= 3; ++n3) {
                                const BoxCounts c = rules::ClampBoxCounts(
                                    t, l, {n1, n2, n3}, CountBeingChanged(which));
                                const std::string at = std::to_string(code) + " " +
                                                       std::to_string(mode) + " " +
                                                       std::to_string(which) + " " +
                                                       std::to_string(n1) + "," +
                                                       std::to_string(n2) + "," + std::to_string(n3);
                                ASSERT_TRUE(c.N1 >= l.Min1 && c.N1 <= l.Max1) << at;
                                ASSERT_TRUE(c.N2 >= l.Min2 && c.N2 <= l.Max2) << at;
                                ASSERT_TRUE(c.N3 >= l.Min3 && c.N3 <= l.Max3) << at;
                                if (t == type::IvorDoviElka)
                                    ASSERT_LE(c.N2 + c.N3, 10) << at;
                                else
                                    ASSERT_LE(c.N1 + c.N2 + c.N3, l.MaxTotal) << at;
                            }
            }
}

// Counts from a file: the first count outside its model's range, or the sum
// the total rule weighs; a count of a model the type has not is no fault.
TEST(CountLimits, CountsOutsideTheLimits) {
    using R = rules::CountRefusal;
    const struct Case {
        const char* name;
        rules::ArrayType type;
        int mode;
        bool install;
        BoxCounts counts;
        std::optional<R> want;
    } cases[] = {
        {"Arvo 16", type::Arvo, F, false, {16, 0, 0}, std::nullopt},
        {"Arvo 17", type::Arvo, F, false, {17, 0, 0}, R{1, 17, 1, 16}},
        {"Arvo 0", type::Arvo, F, false, {0, 0, 0}, R{1, 0, 1, 16}},
        {"Arvo stacked 1", type::Arvo, S, false, {1, 0, 0}, R{1, 1, 2, 6}},
        {"Arvo with a second count of an older file", type::Arvo, F, false, {10, 10, 3}, std::nullopt},
        {"Bexa install 13", type::Bexa, F, true, {13, 0, 0}, R{1, 13, 1, 12}},
        {"Bexa touring 13", type::Bexa, F, false, {13, 0, 0}, std::nullopt},
        {"Arvo Bexa 15 + 1", type::ArvoBexa, F, false, {15, 1, 0}, std::nullopt},
        {"Arvo Bexa 15 + 2", type::ArvoBexa, F, false, {15, 2, 0}, R{0, 17, 0, 16}},
        {"Arvo Bexa 4 + 0", type::ArvoBexa, F, false, {4, 0, 0}, R{2, 0, 1, 8}},
        {"Hoba Dovi 2 + 12", type::HobaDovi, F, false, {2, 12, 0}, R{0, 14, 0, 13}},
        {"Ivor Dovi Elka 4 + 9 + 1", type::IvorDoviElka, F, false, {4, 9, 1}, std::nullopt},
        {"Ivor Dovi Elka 4 + 9 + 2", type::IvorDoviElka, F, false, {4, 9, 2}, R{0, 11, 0, 10}},
        {"Ivor Dovi Elka 4 + 8 + 3", type::IvorDoviElka, F, false, {4, 8, 3}, R{3, 3, 1, 2}},
    };
    for (const Case& c : cases) {
        const BoxLimits l = *rules::BoxLimitsFor(c.type, c.mode, c.install);
        EXPECT_EQ(rules::CountsOutsideLimits(c.type, l, c.counts), c.want) << c.name;
    }
}

}  // namespace
