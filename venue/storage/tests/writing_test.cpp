// Writing the current layout, and saving then loading again.

#include <gtest/gtest.h>

#include "venue/storage/venue_storage.h"
#include "venue/storage/tests/storage_test_util.h"

using namespace storage_test;

namespace {

// The venue that the hand-written file current.ven describes.
void FillHandWrittenVenue(TVenue& v) {
    v.SetArrayType("MIXArvoBexa");
    v.VenueName = "Th\u00e9\u00e2tre Royal";
    v.ArrayHeight = 8.5;
    v.MaxBoxes = 16;
    v.NumBoxes1 = 6;
    v.NumBoxes2 = 2;
    v.NumBoxes3 = 9;  // not written for a two-model type
    const double planes[16] = {12, 3.25, 30, -0.75, 12, 0, 2.5, 8, 3, 20, 4.5, 3, 41.5, 1.4, 1.8, 0.05};
    for (int i = 0; i < 16; ++i) *PlaneValues(v)[i] = planes[i];
    v.AutoDesign = false;
    v.GridPosition = "FRONT";
    v.PickOption = 1;
    v.LiftBarPosition = 2;
    v.RigMode = 1;
    v.SplayHoba = true;
    v.FTValue = 350;
    v.CombinationGrid = false;  // the array's flag is what is written
    v.LSArray->CombinationGrid = true;
    const double angles[8] = {-2.5, 1, 2.12, 3.12, 4.27, 6, 7.5, 0.43};
    const int choices[8] = {0, 1, 2, 3, 4, 5, 6, 1};
    for (int i = 0; i <= 40; ++i) v.Splay->Angle[i] = i < 8 ? angles[i] : 0.0;
    for (int i = 0; i <= 39; ++i) v.Splay->ChoiceIndex[i] = i < 8 ? choices[i] : 0;
    v.Splay->ChoiceIndex[39] = -1;
    v.Splay->Angle[40] = 55;  // the 41st angle is not in the file
}

VenueData Design(TSplay& splay, const std::string& type, int n1, int n2, int n3, bool autoDesign,
                 int rigMode) {
    return VenueData{
        .VenueName = "Round " + type,
        .ArrayHeight = rigMode == 1 ? 9.0 : 1.2,
        .NumBoxes1 = n1,
        .NumBoxes2 = n2,
        .NumBoxes3 = n3,
        .MaxPickHeight = 18.0,
        .MinTrimHeight = 4.0,
        .Plane1Length = 35.0,
        .Plane1Height = 1.0,
        .Plane2Length = 15.0,
        .Plane2Height = 0.0,
        .Plane2Elevation = 3.0,
        .Plane3Length = 10.0,
        .Plane3Height = 4.0,
        .Plane3Distance = 25.0,
        .Plane3Elevation = 6.0,
        .CoverageStart = 4.0,
        .CoverageStop = 45.0,
        .Plane1EarHeight = 1.4,
        .Plane2EarHeight = 1.8,
        .Plane3EarHeight = 1.4,
        .AutoDesign = autoDesign,
        .DesignMode = "MinSpiral",
        .Splay = &splay,
        .GridPosition = "REAR",
        .PickOption = rigMode == 1 ? 1 : 6,
        .LiftBarPosition = 1,
        .RigMode = rigMode,
        .SplayHoba = true,
        .FTValue = 450.0,
        .ArrayType = type,
        .CombinationGrid = true,
    };
}

}  // namespace

TEST(WritingAVenueFile, MatchesTheHandWrittenFileByteForByte) {
    TVenue v;
    FillHandWrittenVenue(v);
    TempFolder dir;
    SaveVenueToFile(v, dir / "hall");  // the extension is added
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"hall.ven"});
    const std::string want = ReadRaw(DataPath("current.ven"));
    const std::string got = ReadRaw(dir / "hall.ven");
    EXPECT_EQ(got, want);
    EXPECT_EQ(Lines(got), Lines(want));  // names the line when they differ
    EXPECT_EQ(VenueFileText(v, "x"), want);
}

TEST(WritingAVenueFile, EmptyTypeIsWrittenAndKeptAsArvo) {
    TVenue v;  // ArrayType empty at creation
    ASSERT_EQ(v.ArrayType, "");
    const std::vector<std::string> lines = Lines(VenueFileText(v, "x.ven"));
    ASSERT_EQ(lines.size(), 111u);
    EXPECT_EQ(lines[2], "Arvo");
    EXPECT_EQ(v.ArrayType, "Arvo");
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "-4.00000000000000E+0000");
    EXPECT_EQ(lines[30], "FALSE");
}

TEST(WritingAVenueFile, ThreeModelArrayKeepsItsThirdCountOnLine112) {
    TVenue v;
    FillHandWrittenVenue(v);
    v.SetArrayType("MIXIvorDoviElka");
    v.NumBoxes1 = 4;
    v.NumBoxes2 = 3;
    v.NumBoxes3 = 2;
    std::vector<std::string> want = Lines(ReadRaw(DataPath("current.ven")));
    want[2] = "MIXIvorDoviElka";
    want[5] = "4";
    want[6] = "3";
    want[30] = "FALSE";  // a new array
    want.push_back("2");
    EXPECT_EQ(Lines(VenueFileText(v, "x.ven")), want);
    EXPECT_EQ(VenueFileText(v, "x.ven").size(), JoinCrLf(want).size());
}

TEST(WritingAVenueFile, NameCharactersOutsideWindows1252BecomeQuestionMarks) {
    TVenue v;
    v.VenueName = "Hall \u2192 \u00c5\r\nB";
    EXPECT_EQ(Lines(VenueFileText(v, "x.ven"))[0], "Hall ? \xC5  B");
}

TEST(SavingAndLoading, SecondSaveIsByteIdentical) {
    struct Case {
        std::string type;
        int n1, n2, n3;
        bool autoDesign;
        int rigMode;
    };
    const Case cases[] = {
        {"Arvo", 8, 0, 0, true, 1},         {"Bexa", 12, 0, 0, false, 1},
        {"MIXArvoBexa", 6, 3, 0, true, 1},  {"MIXIvorDoviElka", 5, 4, 3, false, 1},
        {"MIXIvorDoviElka", 5, 4, 3, true, 1}, {"Dovi", 4, 0, 0, true, 2},
        {"MIXBexaCadri", 7, 2, 0, true, 1}, {"Elka", 10, 0, 0, true, 1},
    };
    TempFolder dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type + (c.autoDesign ? " designed" : " manual"));
        TSplay splay;
        for (int i = 0; i <= 40; ++i) splay.Angle[i] = i * 0.75;
        for (int i = 0; i <= 39; ++i) splay.ChoiceIndex[i] = i % 7;
        TVenue a;
        a.SetVenueData(Design(splay, c.type, c.n1, c.n2, c.n3, c.autoDesign, c.rigMode));
        a.SaveToFile(dir / "first");
        const std::string first = ReadRaw(dir / "first.ven");

        TVenue b;
        std::string type;
        b.LoadFromFile(dir / "first.ven", type);
        EXPECT_EQ(type, c.type);
        EXPECT_EQ(b.NumBoxes3, c.n3);
        // The design on loading starts from the saved angles and must
        // arrive where the first one did.
        b.SaveToFile(dir / "second");
        EXPECT_EQ(Lines(ReadRaw(dir / "second.ven")), Lines(first));
        EXPECT_EQ(ReadRaw(dir / "second.ven"), first);
    }
}
