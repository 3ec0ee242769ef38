// The table of array types: codes, strings, and every rule column against
// the code lists typed by hand; the table against the array classes.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/arrays/arraytypes.h"
#include "model/arrays/lsarray.h"
#include "platform/core/errors.h"

namespace {

const char* const kNames[19] = {
    "Arvo",         "Bexa",        "Rudd",        "MIXArvoBexa",  "MIXRuddBexa",
    "Hoba",         "MIXHobaBexa", "Dovi",        "MIXRuddArvo",  "MIXBexaDovi",
    "MIXHobaDovi",  "MIXArvoGiraF", "Elka",       "MIXDoviElka",  "Ivor",
    "MIXIvorDovi",  "MIXIvorElka", "MIXIvorDoviElka", "MIXBexaCadri"};

TEST(ArrayTypes, CodesAndStringsInOrder) {
    ASSERT_EQ(kArrayTypeCount, 19u);
    for (int code = 0; code < 19; ++code) {
        SCOPED_TRACE(code);
        const TArrayTypeInfo& t = ArrayTypeInfo(code);
        EXPECT_EQ(static_cast<int>(t.Type), code);
        EXPECT_EQ(std::string(t.Name), kNames[code]);
        EXPECT_EQ(ArrayTypeString(static_cast<uint8_t>(code)), kNames[code]);
        const auto found = FindArrayType(kNames[code]);
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(static_cast<int>(*found), code);
    }
}

TEST(ArrayTypes, StringLookup) {
    const struct {
        const char* Text;
        int Code;  // -1: no type
    } cases[] = {
        {"", 0},                  // empty means "Arvo"
        {"Arvo", 0},
        {"MIXIvorDoviElka", 17},
        {"arvo", -1},             // case matters
        {"Arvo ", -1},            // blanks are part of the text
        {" MIXBexaCadri", -1},
        {"MIX", -1},
        {"Gira", -1},             // a model name, no array type
        {"MIXGiraFArvo", -1},     // the class name order is not the type string
        {"Cadri", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.Text + "\"");
        const auto found = FindArrayType(c.Text);
        if (c.Code < 0) {
            EXPECT_FALSE(found.has_value());
            EXPECT_THROW(CreateLoudspeakerArray(c.Text), rtl::RuntimeError);
        } else {
            ASSERT_TRUE(found.has_value());
            EXPECT_EQ(static_cast<int>(*found), c.Code);
            EXPECT_EQ(CreateLoudspeakerArray(c.Text)->TypeCode, c.Code);
        }
    }
}

TEST(ArrayTypes, CodesBeyondTheTableAreRefused) {
    for (int code : {-1, 19, 20, 255, 1000}) {
        SCOPED_TRACE(code);
        EXPECT_THROW(ArrayTypeOf(code), rtl::RangeError);
        EXPECT_THROW(ArrayTypeInfo(code), rtl::RangeError);
    }
    EXPECT_THROW(ArrayTypeString(19), rtl::RangeError);
    EXPECT_EQ(ArrayTypeOf(18), TArrayType::BexaCadri);
}

// Each rule: the codes for which it holds.
struct RuleRow {
    const char* Rule;
    bool (*Holds)(const TArrayTypeInfo&);
    std::set<int> Codes;
};

const RuleRow kRules[] = {
    {"lift bar", [](const TArrayTypeInfo& t) { return t.HasLiftBar(); },
     {1, 5, 6, 7, 9, 10, 12, 13, 14, 15, 16, 17, 18}},
    {"downfill mix", [](const TArrayTypeInfo& t) { return t.DownfillMix; }, {11, 13, 18}},
    {"downfill factor 3.0", [](const TArrayTypeInfo& t) { return t.DownfillFactor() == 3.0; },
     {11, 13, 18}},
    {"downfill factor 2.0", [](const TArrayTypeInfo& t) { return t.DownfillFactor() == 2.0; },
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 14, 15, 16, 17}},
    {"spiral lays downfill", [](const TArrayTypeInfo& t) { return t.SpiralLaysDownfill; },
     {11, 13, 17, 18}},
    {"ends in downfill", [](const TArrayTypeInfo& t) { return t.EndsInDownfill; },
     {11, 12, 13, 16, 17, 18}},
    {"dotted subwoofer rays", [](const TArrayTypeInfo& t) { return t.SubwooferRays; },
     {2, 4, 5, 6, 8, 10, 14, 15, 17}},
    {"subwoofers only", [](const TArrayTypeInfo& t) { return t.SubwooferOnly(); }, {2, 5, 14}},
    {"aims from the second model", [](const TArrayTypeInfo& t) { return t.AimsFromSecondModel; },
     {4, 6, 8, 10, 15, 17}},
    {"no top-cabinet aim", [](const TArrayTypeInfo& t) { return !t.AimsTopCabinet; },
     {12, 14, 16}},
    {"junction by table step",
     [](const TArrayTypeInfo& t) { return t.Junction == TJunctionDesign::TableStep; }, {4, 8}},
    {"junction keeps the top angle",
     [](const TArrayTypeInfo& t) { return t.Junction == TJunctionDesign::TopAngleBack; },
     {10, 15, 17}},
    {"junction from the allowed angles",
     [](const TArrayTypeInfo& t) { return t.Junction == TJunctionDesign::AllowedAngle; }, {6}},
    {"subwoofer junction held level", [](const TArrayTypeInfo& t) { return t.HoldsSubJunctionLevel; },
     {15, 17}},
    {"first step limit halved", [](const TArrayTypeInfo& t) { return t.HalvesFirstStepLimit; },
     {1, 7, 13, 18}},
    {"own model per element", [](const TArrayTypeInfo& t) { return t.OwnModelPerElement; },
     {3, 4, 6, 9, 10, 11, 13, 15, 16, 17, 18}},
    {"one set of grid link points", [](const TArrayTypeInfo& t) { return t.SingleGridLinkSet; },
     {5, 6, 14, 15, 16, 17}},
    {"one model", [](const TArrayTypeInfo& t) { return t.ModelCount() == 1; },
     {0, 1, 2, 5, 7, 12, 14}},
    {"three models", [](const TArrayTypeInfo& t) { return t.ModelCount() == 3; }, {17}},
    {"mini subwoofers on top",
     [](const TArrayTypeInfo& t) { return t.Models[0] == TCabinetModel::Ivor; }, {14, 15, 16, 17}},
    {"lift bar chosen by grid",
     [](const TArrayTypeInfo& t) { return t.LiftBar == TLiftBarUse::ByGrid; }, {7, 12, 13, 14}},
    {"lift bar by grid on a one-point lift",
     [](const TArrayTypeInfo& t) { return t.LiftBar == TLiftBarUse::ByGridOnOnePoint; },
     {15, 16, 17}},
};

TEST(ArrayTypes, RuleColumns) {
    for (const RuleRow& r : kRules) {
        SCOPED_TRACE(r.Rule);
        for (int code = 0; code < 19; ++code)
            EXPECT_EQ(r.Holds(ArrayTypeInfo(code)), r.Codes.count(code) == 1) << "code " << code;
    }
}

TEST(ArrayTypes, SplayTableLayouts) {
    // Sheet per code; 18 gets the bare frame.
    const int layout[19] = {1, 1, 2, 4, 3, 2, 3, 8, 3, 6, 7, 5, 8, 8, 2, 9, 9, 9, 0};
    for (int code = 0; code < 19; ++code)
        EXPECT_EQ(ArrayTypeInfo(code).SplayTableLayout, layout[code]) << "code " << code;
}

TEST(ArrayTypes, ModelsTopFirst) {
    using M = TCabinetModel;
    const struct {
        int Code;
        M A, B, C;
    } rows[] = {
        {0, M::Arvo, M::None, M::None},  {3, M::Arvo, M::Bexa, M::None},
        {8, M::Rudd, M::Arvo, M::None},  {11, M::Arvo, M::GiraF, M::None},
        {6, M::Hoba, M::Bexa, M::None},  {9, M::Bexa, M::Dovi, M::None},
        {17, M::Ivor, M::Dovi, M::Elka}, {18, M::Bexa, M::Cadri, M::None},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.Code);
        const auto& m = ArrayTypeInfo(r.Code).Models;
        EXPECT_EQ(m[0], r.A);
        EXPECT_EQ(m[1], r.B);
        EXPECT_EQ(m[2], r.C);
    }
}

// The table and the classes it names must agree: the class of each type
// string carries the lift bar and the ground-stack bar the table gives it.
TEST(ArrayTypes, TableMatchesTheClasses) {
    for (const TArrayTypeInfo& t : kArrayTypes) {
        SCOPED_TRACE(std::string(t.Name));
        auto a = CreateLoudspeakerArray(std::string(t.Name));
        EXPECT_EQ(a->TypeCode, TypeCodeOf(t.Type));
        EXPECT_EQ(a->ArrayType(), t.Type);
        EXPECT_EQ(a->CurrentLiftBar != nullptr, t.HasLiftBar());
        const TGroundStackBar* bar = a->GroundStackBar;
        switch (t.GroundStackBar) {
            case TGroundStackBarModel::Arvo:
                EXPECT_NE(dynamic_cast<const TArvoGroundStackBar*>(bar), nullptr);
                break;
            case TGroundStackBarModel::Bexa:
                EXPECT_NE(dynamic_cast<const TBexaGroundStackBar*>(bar), nullptr);
                break;
            case TGroundStackBarModel::Dovi:
                EXPECT_NE(dynamic_cast<const TDoviGroundStackBar*>(bar), nullptr);
                break;
            case TGroundStackBarModel::Elka:
                EXPECT_NE(dynamic_cast<const TElkaGroundStackBar*>(bar), nullptr);
                break;
            case TGroundStackBarModel::None:
                EXPECT_EQ(typeid(*bar), typeid(TGroundStackBar));
                break;
        }
    }
}

// The mini-cabinet families (type codes 7, 10, 12, 13, 15, 16, 17) patch in
// two diagrams; the Bexa-with-Dovi mix (9) has its own choice, and the mini
// subwoofers alone (14) one diagram.
TEST(ArrayTypes, TwoPatchDiagramsForTheMiniCabinetFamilies) {
    const bool two[kArrayTypeCount] = {false, false, false, false, false, false, false,
                                       true,  false, false, true,  false, true,  true,
                                       false, true,  true,  true,  false};
    for (std::size_t code = 0; code < kArrayTypeCount; ++code)
        EXPECT_EQ(PatchInTwoDiagrams(ArrayTypeOf(static_cast<int>(code))), two[code]) << code;
}

}  // namespace
