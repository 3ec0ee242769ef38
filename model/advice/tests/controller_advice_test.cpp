// Expected texts are typed out in full here, never built from pieces, so a
// blank too many or too few in the advice shows up as a failure.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "model/advice/controller_advice.h"
#include "platform/core/errors.h"

namespace {

const std::string K = "<kept>";  // marks a field the class must leave alone

ControllerInput In(int type, int ec, int c1 = 0, int c2 = 0, int c3 = 0, int rig = 1) {
    ControllerInput in;
    in.TypeCode = type;
    in.ElementCount = ec;
    in.Count1 = c1;
    in.Count2 = c2;
    in.Count3 = c3;
    in.RigMode = rig;
    in.SplayAngle.fill(0.0);
    in.ChoiceIndex.fill(1);  // no zero splays unless a test sets them
    return in;
}

ControllerAdvice Marked() {
    ControllerAdvice a;
    a.Presets1.fill(K);
    a.PresetEQ1.fill(K);
    a.Presets2.fill(K);
    a.PresetEQ2.fill(K);
    a.ColumnHeading1 = a.ColumnHeading2 = a.ControllerNote = K;
    return a;
}

ControllerAdvice Advise(const ControllerInput& in) {
    ControllerAdvice a = Marked();
    ComposeControllerAdvice(in, a);
    return a;
}

struct Col {
    std::string p1, e1, p2, e2, p3, e3;
};

// Column 1 or 2 of the advice: its three presets, each with its EQ text.
void ExpectCol(const ControllerAdvice& a, int col, const Col& c) {
    const auto& p = col == 1 ? a.Presets1 : a.Presets2;
    const auto& e = col == 1 ? a.PresetEQ1 : a.PresetEQ2;
    const std::string* want[] = {&c.p1, &c.e1, &c.p2, &c.e2, &c.p3, &c.e3};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(p[k], *want[2 * k]) << "column " << col << " preset " << k;
        EXPECT_EQ(e[k], *want[2 * k + 1]) << "column " << col << " EQ " << k;
    }
}

const Col kKeptCol{K, K, K, K, K, K};
const Col kEmptyCol{"", "", "", "", "", ""};

const std::string kRuddNote =
    "Refer to HELP and \"Tesk Line Array Systems Applications Guide\" for controller settings for "
    "Jumo/Rudd/Hoba/Kato";
const std::string kMixNote =
    "Refer to \"Tesk Line Array Systems Applications Guide\" for controller settings ";
const std::string kKato = "Setting for Kato as Sub are equivalent to those for Rudd";

// Type codes used below.
enum {
    Arvo = 0, Bexa = 1, Rudd = 2, ArvoBexa = 3, RuddBexa = 4, Hoba = 5, HobaBexa = 6, Dovi = 7,
    RuddArvo = 8, BexaDovi = 9, HobaDovi = 10, GiraFArvo = 11, Elka = 12, DoviElka = 13,
    Ivor = 14, IvorDovi = 15, IvorElka = 16, IvorDoviElka = 17, BexaCadri = 18
};

// ---- full-size ----------------------------------------------------------

TEST(FullSizeAdvice, SmallFlownArvoArrays) {
    ControllerAdvice a = Advise(In(Arvo, 1));
    ExpectCol(a, 1, {"2Arvo HFCUT", "Reduced HF EQ", "2Arvo HFNORMAL", "Standard HF EQ", "",
                     "Increased HF EQ"});
    EXPECT_EQ(a.ColumnHeading1, "");
    EXPECT_EQ(a.ColumnHeading2, "");
    EXPECT_EQ(a.ControllerNote, "");
    ExpectCol(a, 2, kKeptCol);

    ExpectCol(Advise(In(Arvo, 7)), 1, {"8Arvo HFCUT", "Reduced HF EQ", "8Arvo HFNORMAL",
                                    "Standard HF EQ", "8Arvo HFBOOST", "Increased HF EQ"});
    // Size 6 is the last without the boost preset.
    ExpectCol(Advise(In(Arvo, 6)), 1, {"6Arvo HFCUT", "Reduced HF EQ", "6Arvo HFNORMAL",
                                    "Standard HF EQ", "", "Increased HF EQ"});
    ExpectCol(Advise(In(Arvo, 0)), 1, {"0Arvo HFCUT", "Reduced HF EQ", "0Arvo HFNORMAL",
                                    "Standard HF EQ", "", "Increased HF EQ"});
}

TEST(FullSizeAdvice, SizeNumberBandEdges) {
    const struct { int n; const char* cut; } cases[] = {
        {2, "2Arvo HFCUT"},   {3, "4Arvo HFCUT"},   {4, "4Arvo HFCUT"},   {5, "6Arvo HFCUT"},
        {8, "8Arvo HFCUT"},   {9, "10Arvo HFCUT"},  {10, "10Arvo HFCUT"}, {11, "12Arvo HFCUT"},
        {12, "12Arvo HFCUT"}, {13, "14Arvo HFCUT"}, {14, "14Arvo HFCUT"}, {15, "16Arvo HFCUT"},
        {16, "16Arvo HFCUT"}, {20, "16Arvo HFCUT"}, {40, "16Arvo HFCUT"},
    };
    for (const auto& c : cases) EXPECT_EQ(Advise(In(Arvo, c.n)).Presets1[0], c.cut) << c.n;
}

TEST(FullSizeAdvice, ZeroSplayPrefix) {
    ControllerInput in = In(Arvo, 10);
    // Elements 1..5 (entries 0..4) at the 0 degree step: exactly one half.
    for (int i = 0; i < 5; ++i) in.ChoiceIndex[i] = 0;
    ExpectCol(Advise(in), 1, {"0D10Arvo HFCUT", "Reduced HF EQ", "0D10Arvo HFNORMAL", "Standard HF EQ",
                           "0D10Arvo HFBOOST", "Increased HF EQ"});

    // Four inside the array, one just below it (element 11) that must not count.
    in = In(Arvo, 10);
    for (int i = 1; i <= 4; ++i) in.ChoiceIndex[i] = 0;
    in.ChoiceIndex[10] = 0;
    ExpectCol(Advise(in), 1, {"10Arvo HFCUT", "Reduced HF EQ", "10Arvo HFNORMAL", "Standard HF EQ",
                           "10Arvo HFBOOST", "Increased HF EQ"});

    // Below size 10 there is no prefix however many splays are at 0.
    in = In(Arvo, 8);
    in.ChoiceIndex.fill(0);
    EXPECT_EQ(Advise(in).Presets1[0], "8Arvo HFCUT");
    // Nine cabinets already make size 10.
    in.ElementCount = 9;
    EXPECT_EQ(Advise(in).Presets1[0], "0D10Arvo HFCUT");
    in.ElementCount = 20;
    EXPECT_EQ(Advise(in).Presets1[2], "0D16Arvo HFBOOST");
}

TEST(FullSizeAdvice, GroundStackedArvo) {
    for (int rig : {2, 0, 3}) {
        ControllerAdvice a = Advise(In(Arvo, 4, 0, 0, 0, rig));
        ExpectCol(a, 1, {"4Arvo GNDSTK Jumo", "Standard HF EQ", "4Arvo GNDSTK Rudd", "", "", ""});
        ExpectCol(a, 2, kKeptCol);
    }
    // No zero-splay prefix on the ground.
    ControllerInput in = In(Arvo, 12, 0, 0, 0, 2);
    in.ChoiceIndex.fill(0);
    EXPECT_EQ(Advise(in).Presets1[0], "12Arvo GNDSTK Jumo");
    EXPECT_EQ(Advise(In(Arvo, 0, 0, 0, 0, 2)).Presets1[0], "0Arvo GNDSTK Jumo");
}

TEST(FullSizeAdvice, ArvoBexaMix) {
    ControllerInput in = In(ArvoBexa, 20, 10, 10);
    in.ChoiceIndex.fill(0);  // Bexa cabinets at 0 too; only Arvo ones count
    for (int i = 0; i < 6; ++i) in.ChoiceIndex[i] = 1;
    // 4 of 10 Arvo at 0, divided by all 20 elements.
    ControllerAdvice a = Advise(in);
    ExpectCol(a, 1, {"10Arvo HFCUT", "Reduced HF EQ", "10Arvo HFNORMAL", "Standard HF EQ",
                     "10Arvo HFBOOST", "Increased HF EQ"});
    ExpectCol(a, 2, kEmptyCol);
    EXPECT_EQ(a.ColumnHeading1, "Arvo Cabinets");
    EXPECT_EQ(a.ColumnHeading2, "Bexa Cabinets");
    EXPECT_EQ(a.ControllerNote, kMixNote);

    // All 10 Arvo at 0 is one half of the whole array.
    for (int i = 0; i < 10; ++i) in.ChoiceIndex[i] = 0;
    for (int i = 10; i < 40; ++i) in.ChoiceIndex[i] = 1;
    EXPECT_EQ(Advise(in).Presets1[1], "0D10Arvo HFNORMAL");
    // Nine of them is less than half of 20, although most Arvo are at 0.
    in.ChoiceIndex[0] = 1;
    EXPECT_EQ(Advise(in).Presets1[1], "10Arvo HFNORMAL");

    // A mix handed no element count has no zero-splay share to take.
    in = In(ArvoBexa, 0, 10, 0);
    in.ChoiceIndex.fill(0);
    EXPECT_EQ(Advise(in).Presets1[0], "10Arvo HFCUT");

    // Ground-stacked mixes offer no Rudd pairing.
    a = Advise(In(ArvoBexa, 7, 3, 4, 0, 2));
    ExpectCol(a, 1, {"4Arvo GNDSTK Jumo", "Standard HF EQ", "", "", "", ""});
    ExpectCol(a, 2, kEmptyCol);
}

TEST(FullSizeAdvice, RuddArvoUsesSecondColumnAndArvoElements) {
    ControllerAdvice a = Advise(In(RuddArvo, 6, 2, 4));
    ExpectCol(a, 2, {"4Arvo HFCUT", "Reduced HF EQ", "4Arvo HFNORMAL", "Standard HF EQ", "",
                     "Increased HF EQ"});
    ExpectCol(a, 1, {"", "", K, K, K, K});
    EXPECT_EQ(a.ColumnHeading1, "Rudd Cabinets");
    EXPECT_EQ(a.ColumnHeading2, "Arvo Cabinets");
    EXPECT_EQ(a.ControllerNote, kRuddNote);

    // 2 subs and 10 Arvo: elements 3..12 are the Arvo; the subs at 0 do not count.
    ControllerInput in = In(RuddArvo, 12, 2, 10);
    in.ChoiceIndex[0] = in.ChoiceIndex[1] = 0;
    for (int i = 2; i < 7; ++i) in.ChoiceIndex[i] = 0;  // 5 of 12
    EXPECT_EQ(Advise(in).Presets2[0], "10Arvo HFCUT");
    in.ChoiceIndex[11] = 0;  // element 12, the last Arvo: 6 of 12
    EXPECT_EQ(Advise(in).Presets2[0], "0D10Arvo HFCUT");

    a = Advise(In(RuddArvo, 6, 2, 4, 0, 2));
    ExpectCol(a, 2, {"4Arvo GNDSTK Jumo", "Standard HF EQ", "", "", "", ""});
}

TEST(FullSizeAdvice, GiraFArvoCountsTheTopModel) {
    ControllerInput in = In(GiraFArvo, 12, 10, 2);
    for (int i = 0; i < 6; ++i) in.ChoiceIndex[i] = 0;
    ControllerAdvice a = Advise(in);
    ExpectCol(a, 2, {"0D10Arvo HFCUT", "Reduced HF EQ", "0D10Arvo HFNORMAL", "Standard HF EQ",
                     "0D10Arvo HFBOOST", "Increased HF EQ"});
    ExpectCol(a, 1, {"", "", K, K, K, K});
    EXPECT_EQ(a.ColumnHeading1, "Gira Cabinets");
    EXPECT_EQ(a.ColumnHeading2, "Arvo Cabinets");
    EXPECT_EQ(a.ControllerNote,
              "Refer to HELP and \"Tesk Line Array Systems Applications Guide\" for controller "
              "settings for Gira");
}

// ---- compact ------------------------------------------------------------

TEST(CompactAdvice, CurveThresholdsAndThirdEntry) {
    ControllerInput in = In(Bexa, 8);
    in.SplayAngle[6] = in.SplayAngle[8] = 3.0;
    in.SplayAngle[7] = 7.5;  // element 8, the last
    ControllerAdvice a = Advise(in);
    ExpectCol(a, 1, {"8Bexa HICRV HFN", "Standard HF EQ", "8Bexa HICRV HFC", "Reduced HF EQ", "", ""});
    EXPECT_EQ(a.ControllerNote, "");
    ExpectCol(a, 2, kKeptCol);

    in.SplayAngle[7] = 7.49;
    in.SplayAngle[6] = in.SplayAngle[8] = 10.0;
    ExpectCol(Advise(in), 1, {"8Bexa LOCRV HFN", "Standard HF EQ", "8Bexa LOCRV HFC", "Reduced HF EQ",
                           "8Bexa LOCRV HFB", "Increased HF EQ"});

    // 11 and 12 always give the boost entry.
    in = In(Bexa, 11);
    in.SplayAngle[10] = 8.0;
    ExpectCol(Advise(in), 1, {"12Bexa HICRV HFN", "Standard HF EQ", "12Bexa HICRV HFC", "Reduced HF EQ",
                           "12Bexa HICRV HFB", "Increased HF EQ"});
    in.SplayAngle[10] = 7.5;
    EXPECT_EQ(Advise(in).Presets1[2], "12Bexa HICRV HFB");
    in.SplayAngle[10] = 7.49;
    EXPECT_EQ(Advise(in).Presets1[2], "12Bexa LOCRV HFB");
    in.ElementCount = 10;
    in.SplayAngle[9] = 8.0;
    EXPECT_EQ(Advise(in).Presets1[2], "");
}

TEST(CompactAdvice, SmallArraysAndBandEdges) {
    ControllerInput in = In(Bexa, 4);
    in.SplayAngle[3] = 6.0;
    ExpectCol(Advise(in), 1, {"4Bexa HICRV HFN", "Standard HF EQ", "", "", "", ""});
    in.SplayAngle[3] = 5.99;
    EXPECT_EQ(Advise(in).Presets1[0], "4Bexa LOCRV HFN");

    // 6 still uses the 6.0 threshold, 7 the 7.5 one.
    in = In(Bexa, 6);
    in.SplayAngle[5] = 6.5;
    ExpectCol(Advise(in), 1, {"6Bexa HICRV HFN", "Standard HF EQ", "", "", "", ""});
    in.ElementCount = 7;
    in.SplayAngle[6] = 6.5;
    EXPECT_EQ(Advise(in).Presets1[2], "8Bexa LOCRV HFB");

    for (int n : {2, 1, 0, -1}) {
        ControllerAdvice a = Advise(In(Bexa, n));
        ExpectCol(a, 1, kKeptCol);
        EXPECT_EQ(a.ColumnHeading1, "");
        EXPECT_EQ(a.ControllerNote, "");
    }
    EXPECT_EQ(Advise(In(Bexa, 3)).Presets1[0], "4Bexa LOCRV HFN");
}

TEST(CompactAdvice, ThirteenAndMoreHaveTwoBlanks) {
    for (int n : {13, 14}) {
        ExpectCol(Advise(In(Bexa, n)), 1, {"14Bexa  HF NORM", "Standard HF EQ", "14Bexa  HF CUT",
                                        "Reduced HF EQ", "14Bexa  HF BOOST", "Increased HF EQ"});
    }
    EXPECT_EQ(Advise(In(Bexa, 20)).Presets1[0], "16Bexa  HF NORM");
}

TEST(CompactAdvice, GroundStackedBexa) {
    ControllerAdvice a = Advise(In(Bexa, 5, 0, 0, 0, 2));
    ExpectCol(a, 1, {"6Bexa GNDSTK Jumo", "Standard HF EQ", "6Bexa GNDSTK Hoba", "",
                     "6Bexa GNDSTK Rudd", ""});
    EXPECT_EQ(a.ControllerNote, kKato);

    // From 7 on the flown presets, but the note stays.
    ControllerInput in = In(Bexa, 7, 0, 0, 0, 2);
    in.SplayAngle[6] = 7.5;
    a = Advise(in);
    ExpectCol(a, 1, {"8Bexa HICRV HFN", "Standard HF EQ", "8Bexa HICRV HFC", "Reduced HF EQ", "", ""});
    EXPECT_EQ(a.ControllerNote, kKato);

    a = Advise(In(Bexa, 2, 0, 0, 0, 2));
    ExpectCol(a, 1, kKeptCol);
    EXPECT_EQ(a.ControllerNote, "");
}

TEST(CompactAdvice, SubAndBexaMixesUseColumnTwo) {
    for (int type : {RuddBexa, HobaBexa}) {
        ControllerInput in = In(type, 10, 2, 8);
        in.SplayAngle[7] = 9.0;  // element 8, not the reference
        in.SplayAngle[9] = 7.5;  // element 10, the last Bexa
        ControllerAdvice a = Advise(in);
        ExpectCol(a, 2, {"8Bexa HICRV HFN", "Standard HF EQ", "8Bexa HICRV HFC", "Reduced HF EQ",
                         "", ""});
        ExpectCol(a, 1, {"", "", K, K, K, K});
        EXPECT_EQ(a.ColumnHeading1, type == RuddBexa ? "Rudd Cabinets" : "Hoba Cabinets");
        EXPECT_EQ(a.ColumnHeading2, "Bexa Cabinets");
        EXPECT_EQ(a.ControllerNote, kRuddNote);

        a = Advise(In(type, 7, 2, 5, 0, 2));
        ExpectCol(a, 2, {"6Bexa GNDSTK Jumo", "Standard HF EQ", "", "", "", ""});
        EXPECT_EQ(a.ControllerNote, kRuddNote);

        ExpectCol(Advise(In(type, 4, 2, 2)), 2, kKeptCol);
    }
}

TEST(CompactAdvice, BexaDoviTakesTheLastBexa) {
    ControllerInput in = In(BexaDovi, 7, 4, 3);
    in.SplayAngle[3] = 6.0;  // element 4, the last Bexa
    ControllerAdvice a = Advise(in);
    ExpectCol(a, 1, {"4Bexa HICRV HFN", "Standard HF EQ", "", "", "", ""});
    ExpectCol(a, 2, kKeptCol);
    EXPECT_EQ(a.ColumnHeading1, "Bexa Cabinets");
    EXPECT_EQ(a.ColumnHeading2, "");
    EXPECT_EQ(a.ControllerNote, kMixNote);

    in.SplayAngle[3] = 0.0;
    in.SplayAngle[6] = 9.0;
    EXPECT_EQ(Advise(in).Presets1[0], "4Bexa LOCRV HFN");

    a = Advise(In(BexaDovi, 8, 5, 3, 0, 2));
    ExpectCol(a, 1, {"6Bexa GNDSTK Jumo", "Standard HF EQ", "6Bexa GNDSTK Hoba", "",
                     "6Bexa GNDSTK Rudd", ""});
    EXPECT_EQ(a.ControllerNote, kKato);
}

// ---- subwoofer-only classes and the compact downfill mix ------------------

TEST(SubArrayAdvice, OnlyFirstEntryAndNote) {
    for (int type : {Rudd, Hoba, Ivor}) {
        ControllerAdvice a = Advise(In(type, 6));
        ExpectCol(a, 1, {"", "", K, K, K, K});
        ExpectCol(a, 2, kKeptCol);
        EXPECT_EQ(a.ColumnHeading1, "");
        EXPECT_EQ(a.ColumnHeading2, "");
        EXPECT_EQ(a.ControllerNote,
                  type == Ivor ? "Refer to HELP and \"Tesk Line Array Systems Applications Guide\" "
                                 "for controller settings for Jumo/Rudd/Hoba/Kato/Ivor"
                               : kRuddNote);
    }
}

TEST(SubArrayAdvice, BexaCadriChangesOnlyTheNote) {
    ControllerAdvice a = Advise(In(BexaCadri, 8, 6, 2));
    ExpectCol(a, 1, kKeptCol);
    ExpectCol(a, 2, kKeptCol);
    EXPECT_EQ(a.ColumnHeading1, K);
    EXPECT_EQ(a.ColumnHeading2, K);
    EXPECT_EQ(a.ControllerNote, "Not yet available in this build of Orandel");
}

// ---- mini ---------------------------------------------------------------

const std::string kDoviRef =
    "Refer to HELP and \"Line Array Systems Applications Guide\" for controller settings for "
    "Jumo/Rudd/Hoba/Kato";
const std::string kDoviA =
    "SUBS on [CH1+CH4]passive or active are Hoba. Refer to HELP and \"Line Array Systems "
    "Applications Guide\" for controller settings for Jumo/Rudd/Hoba/Kato";
const std::string kDoviB =
    "SUBS on [CH1+CH3]passive [CH1+CH4]active are Hoba. Refer to HELP and \"Line Array Systems "
    "Applications Guide\" for controller settings for Jumo/Rudd/Hoba/Kato";
const std::string kDoviC =
    "SUBS on [CH1+CH4]passive [CH1]active are Hoba. Refer to HELP and \"Line Array Systems "
    "Applications Guide\" for controller settings for Jumo/Rudd/Hoba/Kato";
const std::string kElkaC =
    "SUBS on [CH1+CH4]passive [CH1]active are Hoba. Refer to HELP and \"Line Array Systems "
    "Applications Guide\" for controller settings for Jumo/Rudd/Hoba/Kato/Ivor";
const std::string kDoviD =
    "SUBS on [CH1]passive [CH1]active are Hoba. Refer to HELP and \"Line Array Systems "
    "Applications Guide\" for controller settings for Jumo/Rudd/Hoba/Kato";

TEST(MiniAdvice, FourDovi) {
    ControllerInput in = In(Dovi, 4, 0, 0, 0, 2);
    in.SplayAngle[3] = 9.0;
    ControllerAdvice a = Advise(in);
    ExpectCol(a, 1, {"4Pavo LOCRV ST", "Stereo", "", "", "", ""});
    ExpectCol(a, 2, {"4Dovi LOCRV ST", "Stereo", "", "", "", ""});
    EXPECT_EQ(a.ColumnHeading1, "Passive");
    EXPECT_EQ(a.ColumnHeading2, "Active");
    EXPECT_EQ(a.ControllerNote, kDoviB);

    in.RigMode = 1;
    in.SplayAngle[3] = 5.0;
    a = Advise(in);
    ExpectCol(a, 1, {"4Pavo HICRV ST", "Stereo", "", "", "", ""});
    ExpectCol(a, 2, {"4Dovi HICRV ST", "Stereo", "", "", "", ""});
    EXPECT_EQ(a.ControllerNote, kDoviA);
    in.SplayAngle[3] = 4.99;
    EXPECT_EQ(Advise(in).Presets2[0], "4Dovi LOCRV ST");
}

TEST(MiniAdvice, DoviBands) {
    // Too few: headings and the reference note only.
    ControllerAdvice a = Advise(In(Dovi, 2));
    ExpectCol(a, 1, kKeptCol);
    ExpectCol(a, 2, kKeptCol);
    EXPECT_EQ(a.ColumnHeading1, "Passive");
    EXPECT_EQ(a.ControllerNote, kDoviRef);

    ControllerInput in = In(Dovi, 5);
    in.SplayAngle[4] = 6.0;
    a = Advise(in);
    ExpectCol(a, 1, {"6Pavo HICRV ST", "Stereo", "", "", "", ""});
    ExpectCol(a, 2, {"6Dovi HICRV", "Mono", "", "", "", ""});
    EXPECT_EQ(a.ControllerNote, kDoviC);
    in.SplayAngle[4] = 5.99;  // just below this band's 6.0
    a = Advise(in);
    EXPECT_EQ(a.Presets1[0], "6Pavo LOCRV ST");
    EXPECT_EQ(a.Presets2[0], "6Dovi LOCRV");
    in.SplayAngle[4] = 6.0;
    in.RigMode = 2;
    a = Advise(in);
    EXPECT_EQ(a.Presets1[0], "6Pavo LOCRV ST");
    EXPECT_EQ(a.Presets2[0], "6Dovi LOCRV");
    EXPECT_EQ(a.ControllerNote, kDoviC);

    // 7..8 read the curve on the ground as well; 6.0 is below 7.5.
    in = In(Dovi, 7, 0, 0, 0, 2);
    in.SplayAngle[6] = 7.5;
    a = Advise(in);
    EXPECT_EQ(a.Presets1[0], "8Pavo HICRV ST");
    EXPECT_EQ(a.Presets2[0], "8Dovi HICRV");
    EXPECT_EQ(a.PresetEQ2[0], "Mono");
    EXPECT_EQ(a.ControllerNote, kDoviC);
    in.ElementCount = 8;
    in.SplayAngle[7] = 6.0;
    EXPECT_EQ(Advise(in).Presets1[0], "8Pavo LOCRV ST");

    in = In(Dovi, 9);
    in.SplayAngle[8] = 7.5;
    a = Advise(in);
    ExpectCol(a, 1, {"10Pavo HICRV", "Mono", "", "", "", ""});
    ExpectCol(a, 2, {"10Dovi HICRV", "Mono", "", "", "", ""});
    EXPECT_EQ(a.ControllerNote, kDoviD);
    in.ElementCount = 12;
    in.SplayAngle[11] = 7.49;
    EXPECT_EQ(Advise(in).Presets1[0], "12Pavo LOCRV");

    a = Advise(In(Dovi, 13));
    ExpectCol(a, 1, {"14Pavo ", "Mono", "", "", "", ""});
    ExpectCol(a, 2, {"14Dovi ", "Mono", "", "", "", ""});
    EXPECT_EQ(a.ControllerNote, kDoviD);
    EXPECT_EQ(Advise(In(Dovi, 20)).Presets2[0], "16Dovi ");
}

TEST(MiniAdvice, MixedDoviClasses) {
    ControllerInput in = In(HobaDovi, 5, 2, 3);
    in.SplayAngle[4] = 5.0;
    ControllerAdvice a = Advise(in);
    EXPECT_EQ(a.Presets1[0], "4Pavo HICRV ST");
    EXPECT_EQ(a.ControllerNote, kDoviA);

    in.TypeCode = IvorDovi;
    a = Advise(in);
    EXPECT_EQ(a.Presets2[0], "4Dovi HICRV ST");
    EXPECT_EQ(a.ControllerNote,
              "SUBS on [CH1+CH4]passive or active are Ivor. Refer to HELP and \"Line Array Systems "
              "Applications Guide\" for controller settings for Jumo/Rudd/Hoba/Kato");
    EXPECT_EQ(Advise(In(IvorDovi, 4, 2, 2)).ControllerNote, kDoviRef);

    // Dovi then Elka: five in all, the curve from element 3, the last Dovi.
    in = In(DoviElka, 5, 3, 2);
    in.SplayAngle[2] = 6.0;
    a = Advise(in);
    ExpectCol(a, 1, {"6Pavo HICRV ST", "Stereo", "", "", "", ""});
    ExpectCol(a, 2, {"6Dovi HICRV", "Mono", "", "", "", ""});
    EXPECT_EQ(a.ControllerNote, kElkaC);
}

TEST(MiniAdvice, IvorDoviElka) {
    ControllerInput in = In(IvorDoviElka, 7, 2, 4, 1);
    in.SplayAngle[5] = 6.0;  // element 6, the last Dovi
    ControllerAdvice a = Advise(in);
    ExpectCol(a, 1, {"6Pavo HICRV ST", "Stereo", "", "", "", ""});
    ExpectCol(a, 2, {"6Dovi HICRV", "Mono", "", "", "", ""});
    EXPECT_EQ(a.ColumnHeading1, "Passive");
    EXPECT_EQ(a.ColumnHeading2, "Active");
    EXPECT_EQ(a.ControllerNote,
              "SUBS on [CH1+CH4]passive [CH1]active are Ivor. Refer to HELP and \"Line Array "
              "Systems Applications Guide\" for controller settings for Jumo/Rudd/Hoba/Kato/Ivor");
    in.SplayAngle[5] = 0.0;
    in.SplayAngle[6] = 9.0;  // the Elka below must not decide
    EXPECT_EQ(Advise(in).Presets1[0], "6Pavo LOCRV ST");
}

TEST(MiniAdvice, NoCabinetOfTheReferenceModelGivesLowCurve) {
    // Only Elka in a Dovi-Elka mix: no Dovi to take the curve from.
    ControllerInput in = In(DoviElka, 4, 0, 4);
    in.SplayAngle.fill(9.0);
    EXPECT_EQ(Advise(in).Presets1[0], "4Pavo LOCRV ST");
    // Ivor and Elka only: element 2 is the last Ivor, not a Dovi.
    in = In(IvorDoviElka, 6, 2, 0, 4);
    in.SplayAngle.fill(9.0);
    ControllerAdvice a = Advise(in);
    EXPECT_EQ(a.Presets1[0], "4Pavo LOCRV ST");
    EXPECT_EQ(a.Presets2[0], "4Dovi LOCRV ST");
}

// ---- mini downfill ------------------------------------------------------

TEST(MiniDownfillAdvice, ElkaBands) {
    ControllerAdvice a = Advise(In(Elka, 3));
    ExpectCol(a, 1, {"4Quil  ST", "Stereo", "", "", "", ""});
    ExpectCol(a, 2, {"4Elka  ST", "Stereo", "", "", "", ""});
    EXPECT_EQ(a.ColumnHeading1, "Passive");
    EXPECT_EQ(a.ColumnHeading2, "Active");
    EXPECT_EQ(a.ControllerNote,
              "SUBS on [CH1+CH4]passive or active are Hoba. Refer to HELP and \"Line Array Systems "
              "Applications Guide\" for controller settings for Jumo/Rudd/Hoba/Kato/Ivor");
    EXPECT_EQ(Advise(In(Elka, 4, 0, 0, 0, 2)).ControllerNote,
              "SUBS on [CH1+CH3]passive [CH1+CH4]active are Hoba. Refer to HELP and \"Line Array "
              "Systems Applications Guide\" for controller settings for Jumo/Rudd/Hoba/Kato/Ivor");
    EXPECT_EQ(Advise(In(Elka, 1)).Presets1[0], "2Quil  ST");

    for (int n : {5, 6}) {
        a = Advise(In(Elka, n, 0, 0, 0, 2));
        ExpectCol(a, 1, {"6Quil  ST", "Stereo", "", "", "", ""});
        ExpectCol(a, 2, {"6Elka ", "Mono", "", "", "", ""});
        EXPECT_EQ(a.ControllerNote, kElkaC);
    }
    EXPECT_EQ(Advise(In(Elka, 8)).Presets2[0], "8Elka ");

    a = Advise(In(Elka, 9));
    ExpectCol(a, 1, {"10Quil ", "Mono", "", "", "", ""});
    ExpectCol(a, 2, {"10Elka ", "Mono", "", "", "", ""});
    EXPECT_EQ(a.ControllerNote,
              "SUBS on [CH1]passive [CH1]active are Hoba. Refer to HELP and \"Line Array Systems "
              "Applications Guide\" for controller settings for Jumo/Rudd/Hoba/Kato/Ivor");

    // No cabinet: headings only, no note.
    a = Advise(In(Elka, 0));
    EXPECT_EQ(a.ColumnHeading2, "Active");
    EXPECT_EQ(a.ControllerNote, K);
    ExpectCol(a, 1, kKeptCol);
    ExpectCol(a, 2, kKeptCol);
}

TEST(MiniDownfillAdvice, IvorElkaCountsTheElka) {
    ControllerAdvice a = Advise(In(IvorElka, 6, 2, 4));
    EXPECT_EQ(a.Presets1[0], "4Quil  ST");
    EXPECT_EQ(a.Presets2[0], "4Elka  ST");
    EXPECT_EQ(a.ControllerNote,
              "SUBS on [CH1+CH4]passive or active are Ivor. Refer to HELP and \"Line Array Systems "
              "Applications Guide\" for controller settings for Jumo/Rudd/Hoba/Kato/Ivor");
}

// ---- repeated calls and guarded failures --------------------------------

TEST(AdviceRewrite, FieldsNotWrittenKeepTheirValue) {
    ControllerAdvice a = Marked();
    ComposeControllerAdvice(In(Dovi, 13), a);
    ComposeControllerAdvice(In(Dovi, 2), a);  // writes headings and the note only
    EXPECT_EQ(a.Presets1[0], "14Pavo ");
    EXPECT_EQ(a.Presets2[0], "14Dovi ");
    EXPECT_EQ(a.ControllerNote, kDoviRef);

    ComposeControllerAdvice(In(Rudd, 4), a);
    EXPECT_EQ(a.Presets1[0], "");
    EXPECT_EQ(a.Presets2[0], "14Dovi ");
    EXPECT_EQ(a.ColumnHeading1, "");
}

TEST(AdviceRewrite, GuardedFailuresLeaveTheAdviceAlone) {
    // Choice indexes exist for 40 elements: a 41-cabinet flown Arvo cannot
    // count its zero splays; on the ground it needs none.
    ControllerInput in = In(Arvo, 40);
    in.ChoiceIndex.fill(0);
    EXPECT_EQ(Advise(in).Presets1[0], "0D16Arvo HFCUT");
    in.ElementCount = 41;
    ControllerAdvice a = Marked();
    EXPECT_THROW(ComposeControllerAdvice(in, a), rtl::RangeError);
    EXPECT_EQ(a.Presets1[0], K);
    EXPECT_EQ(a.ControllerNote, K);
    in.RigMode = 2;
    EXPECT_EQ(Advise(in).Presets1[0], "16Arvo GNDSTK Jumo");

    // Splay angles exist for 41 elements.
    in = In(HobaDovi, 41, 34, 7);
    in.SplayAngle[40] = 7.5;
    EXPECT_EQ(Advise(in).Presets1[0], "8Pavo HICRV ST");
    in.ElementCount = 42;
    EXPECT_THROW(Advise(in), rtl::RangeError);

    for (int type : {-1, 19, 255}) EXPECT_THROW(Advise(In(type, 4)), rtl::RangeError) << type;
    EXPECT_THROW(Advise(In(IvorDoviElka, 5, 1, INT_MAX, 1)), rtl::OverflowError);
}

}  // namespace
