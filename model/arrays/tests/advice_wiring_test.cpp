// The controller advice reaches the array's own fields, one class of each
// family.

#include <gtest/gtest.h>

#include "model/arrays/lsarray.h"

namespace {

TEST(AdviceWiring, FullSizeOneCabinet) {
    TArvoArray a;
    TSplay s;
    a.SetUp(s, 1, 0, 0, 10.0, 0.0);
    a.CalcControllerSettings();
    EXPECT_EQ(a.Presets1[1], "2Arvo HFCUT");
    EXPECT_EQ(a.Presets1[2], "2Arvo HFNORMAL");
    EXPECT_EQ(a.Presets1[3], "");
    EXPECT_EQ(a.PresetEQ1[1], "Reduced HF EQ");
    EXPECT_EQ(a.PresetEQ1[3], "Increased HF EQ");
}

TEST(AdviceWiring, CompactCurveFromTheLastCabinet) {
    TBexaArray a;
    TSplay s;
    s.Angle[3] = 6.0;
    a.SetUp(s, 4, 0, 0, 10.0, 0.0);
    a.CalcControllerSettings();
    EXPECT_EQ(a.Presets1[1], "4Bexa HICRV HFN");
    EXPECT_EQ(a.PresetEQ1[1], "Standard HF EQ");
}

TEST(AdviceWiring, MiniGroundStackTakesTheRigMode) {
    TDoviArray a;
    a.SetRigMode(2);
    TSplay s;
    s.Angle[3] = 9.0;
    a.SetUp(s, 4, 0, 0, 0.0, 0.0);
    a.CalcControllerSettings();
    EXPECT_EQ(a.ColumnHeading1, "Passive");
    EXPECT_EQ(a.ColumnHeading2, "Active");
    EXPECT_EQ(a.Presets1[1], "4Pavo LOCRV ST");
    EXPECT_EQ(a.Presets2[1], "4Dovi LOCRV ST");
    EXPECT_EQ(a.ControllerNote,
              "SUBS on [CH1+CH3]passive [CH1+CH4]active are Hoba. Refer to HELP and \"Line Array "
              "Systems Applications Guide\" for controller settings for Jumo/Rudd/Hoba/Kato");
}

TEST(AdviceWiring, MixCountsAndReferenceCabinet) {
    TIvorDoviElkaArray a;
    TSplay s;
    s.Angle[5] = 6.0;  // element 6, the last Dovi
    a.SetUp(s, 2, 4, 1, 10.0, 0.0);
    a.CalcControllerSettings();
    EXPECT_EQ(a.Presets1[1], "6Pavo HICRV ST");
    EXPECT_EQ(a.PresetEQ1[1], "Stereo");
    EXPECT_EQ(a.Presets2[1], "6Dovi HICRV");
    EXPECT_EQ(a.PresetEQ2[1], "Mono");
}

TEST(AdviceWiring, FieldsTheClassDoesNotWriteKeepTheirValue) {
    TBexaCadriArray a;
    TSplay s;
    a.SetUp(s, 3, 1, 0, 10.0, 0.0);
    a.ColumnHeading1 = "kept";
    a.Presets2[2] = "kept too";
    a.CalcControllerSettings();
    EXPECT_EQ(a.ControllerNote, "Not yet available in this build of Orandel");
    EXPECT_EQ(a.ColumnHeading1, "kept");
    EXPECT_EQ(a.Presets2[2], "kept too");
}

}  // namespace
