// Reading the hand-written files of every layout: what each sets, what each
// leaves, and the steps after reading.

#include <gtest/gtest.h>

#include <cmath>

#include "venue/storage/venue_storage.h"
#include "venue/storage/tests/storage_test_util.h"

using namespace storage_test;

namespace {

std::string LoadPath(TVenue& v, const std::string& path) {
    std::string type = "unset";
    LoadVenueFromFile(v, path, type);
    return type;
}

std::string Load(TVenue& v, const std::string& name) { return LoadPath(v, DataPath(name)); }

// Describe() without the object addresses, which differ from venue to venue.
std::vector<std::string> Fields(const TVenue& v) {
    std::vector<std::string> d = Describe(v);
    std::erase_if(d, [](const std::string& s) { return s.starts_with("LSArray=") || s.starts_with("Splay="); });
    return d;
}

void ExpectHead(const TVenue& v, const char* name, const char* type, double height, int maxBoxes, int n1) {
    EXPECT_EQ(v.VenueName, name);
    EXPECT_EQ(v.ArrayType, type);
    EXPECT_EQ(v.ArrayHeight, height);
    EXPECT_EQ(v.MaxBoxes, maxBoxes);
    EXPECT_EQ(v.NumBoxes1, n1);
}

void ExpectRigging(const TVenue& v, const char* grid, int pick, int liftBar, int rigMode) {
    EXPECT_EQ(v.GridPosition, grid);
    EXPECT_EQ(v.PickOption, pick);
    EXPECT_EQ(v.LiftBarPosition, liftBar);
    EXPECT_EQ(v.RigMode, rigMode);
}

// The first 40 angles and choices, worked out from the rule each file was written with.
template <class A, class C>
void ExpectSplay(const TVenue& v, A angle, C choice) {
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(v.Splay->Angle[i], angle(i)) << i;
        EXPECT_EQ(v.Splay->ChoiceIndex[i], choice(i)) << i;
    }
}

void ExpectPlaneValues(TVenue& v, const std::vector<double>& want) {
    ASSERT_EQ(want.size(), 16u);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(*PlaneValues(v)[i], want[i]) << "plane value " << i;
}

}  // namespace

TEST(ReadingOldestLayout, SetsItsFieldsAndSixteenPairsOnly) {
    TVenue v;
    Prime(v);
    EXPECT_EQ(Load(v, "layout0.ven"), "Arvo");

    ExpectHead(v, "Old Barn", "Arvo", 7.25, 12, 8);  // the height is the number on line 2
    EXPECT_EQ(v.DownfillFactor, 2.0);
    ExpectPlaneValues(v, {15, 4.5, 40, 2, 10, 3, 2.5, 0, 0, 0, 0, 4, 45, 1.4, 1.4, 1.8});
    EXPECT_FALSE(v.AutoDesign);
    const double angles[16] = {-1.5, 1, 2.12, 3.12, 4.27, 6, 7.5, 1, 1, 2.12, 2.12, 3.12, 3.12, 4.27, 6, 7.5};
    const int choices[16] = {0, 1, 2, 3, 4, 5, 6, 1, 1, 2, 2, 3, 3, 4, 5, 6};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(v.Splay->Angle[i], angles[i]) << i;
        EXPECT_EQ(v.Splay->ChoiceIndex[i], choices[i]) << i;
    }

    // Left as they were.
    for (int i = 16; i <= 40; ++i) EXPECT_EQ(v.Splay->Angle[i], 100 + i) << i;
    for (int i = 16; i <= 39; ++i) EXPECT_EQ(v.Splay->ChoiceIndex[i], 50 + i) << i;
    EXPECT_EQ(v.NumBoxes2, 7);
    EXPECT_EQ(v.NumBoxes3, 5);
    ExpectRigging(v, "MIDDLE", 9, 7, 2);  // as primed
    EXPECT_TRUE(v.SplayHoba);
    EXPECT_EQ(v.FTValue, 650);
    EXPECT_TRUE(v.CombinationGrid);
    EXPECT_EQ(v.DesignMode, "MinCurve");
    EXPECT_EQ(v.SeatedEarHeight, 1.6);

    // Plane lines: plane 2 counts, plane 3 (length 0) does not.
    EXPECT_TRUE(v.Plane2Present);
    EXPECT_DOUBLE_EQ(v.Plane2Slope, 3 / 10.000001);
    EXPECT_DOUBLE_EQ(v.Plane2Intercept, 3 + 1.4 + 2.5 - 50 * (3 / 10.000001));
    EXPECT_NEAR(v.Plane2Angle, std::atan2(3.0, 10.0), 1e-6);
    EXPECT_FALSE(v.Plane3Present);
    EXPECT_EQ(v.Plane3Angle, 0.0);
    EXPECT_DOUBLE_EQ(v.Plane1Slope, 2 / 40.00000001);
    EXPECT_DOUBLE_EQ(v.Plane1Intercept, 2 + 1.4 - 40 * (2 / 40.00000001));

    // A new array of the type, set up once with the file's values; the
    // rigging of the oldest layout is not applied.
    EXPECT_EQ(v.LSArray->TypeCode, 0);
    EXPECT_EQ(v.LSArray->ElementCount, 8);
    EXPECT_EQ(v.LSArray->PositionOffset, 7.25);
    EXPECT_EQ(v.LSArray->TipForce, 650);
    EXPECT_EQ(v.LSArray->Splay, v.Splay);
    EXPECT_FALSE(v.LSArray->CombinationGrid);
    EXPECT_EQ(v.LSArray->RigMode, 1);
    EXPECT_EQ(v.SetUpCount, 41u);
    EXPECT_TRUE(v.LSArray->MechanicsDone);
}

TEST(ReadingLayoutOne, ArvoFileSetsRiggingButNotTheLaterFields) {
    TVenue v;
    Prime(v);
    EXPECT_EQ(Load(v, "layout1_arvo.ven"), "Arvo");

    ExpectHead(v, "Hall A", "Arvo", 9, 16, 10);
    EXPECT_EQ(v.DownfillFactor, 2.0);
    ExpectPlaneValues(v, {18, 5, 35, 0, 0, 0, 0, 6, 2, 25, 5, 2, 33, 1.4, 1.4, 1.4});
    EXPECT_FALSE(v.AutoDesign);  // "True" is not "TRUE"
    ExpectRigging(v, "REAR", 1, 1, 1);
    ExpectSplay(v, [](int i) { return (i - 12) / 4.0; }, [](int i) { return i % 7; });
    EXPECT_EQ(v.Splay->Angle[40], 140);

    EXPECT_EQ(v.NumBoxes2, 7);
    EXPECT_EQ(v.NumBoxes3, 5);
    EXPECT_TRUE(v.SplayHoba);
    EXPECT_EQ(v.FTValue, 650);
    EXPECT_TRUE(v.CombinationGrid);

    EXPECT_FALSE(v.Plane2Present);
    EXPECT_TRUE(v.Plane3Present);
    EXPECT_DOUBLE_EQ(v.Plane3Slope, 2 / 6.00000001);
    EXPECT_DOUBLE_EQ(v.Plane3Intercept, 2 + 1.4 + 5 - 31 * (2 / 6.00000001));
    EXPECT_EQ(v.LSArray->TypeCode, 0);
    EXPECT_EQ(v.LSArray->ElementCount, 10);
    EXPECT_EQ(v.LSArray->RigMode, 1);
}

TEST(ReadingLayoutOne, BexaFileStackedOnTheGround) {
    TVenue v;
    Prime(v);
    EXPECT_EQ(Load(v, "layout1_bexa.ven"), "Bexa");

    ExpectHead(v, "Stage B", "Bexa", 0.5, 20, 4);
    EXPECT_EQ(v.DownfillFactor, 2.0);
    ExpectPlaneValues(v, {12, 1, 28, 1, 14, 6, 3, 0, 0, 0, 0, 2, 30, 1.8, 1.4, 1.4});
    EXPECT_FALSE(v.AutoDesign);
    ExpectRigging(v, "FRONT", 6, 2, 2);
    ExpectSplay(v, [](int i) { return i / 8.0; }, [](int i) { return (i * 3) % 9; });
    EXPECT_EQ(v.NumBoxes2, 7);
    EXPECT_EQ(v.FTValue, 650);
    EXPECT_TRUE(v.Plane2Present);
    EXPECT_FALSE(v.Plane3Present);
    EXPECT_EQ(v.LSArray->TypeCode, 1);
    // The rig mode is handed to the array after the set-up.
    EXPECT_EQ(v.LSArray->RigMode, 2);
}

TEST(ReadingLayoutThree, TypeLineAndSecondCountButNoCombinationGrid) {
    TVenue v;
    Prime(v);
    EXPECT_EQ(Load(v, "layout3.ven"), "MIXBexaDovi");

    ExpectHead(v, "Arena 3", "MIXBexaDovi", 10.5, 24, 5);
    EXPECT_EQ(v.DownfillFactor, 2.0);
    EXPECT_EQ(v.NumBoxes2, 3);
    ExpectPlaneValues(v, {14, 6, 45, 3.5, 15, 5, 5.5, 0, 0, 0, 0, 5, 55, 1.2, 1.4, 1.4});
    EXPECT_FALSE(v.AutoDesign);
    ExpectRigging(v, "REAR", 4, 1, 1);
    EXPECT_TRUE(v.SplayHoba);
    EXPECT_EQ(v.FTValue, 500);
    ExpectSplay(v, [](int i) { return 0.5 + i / 2.0; }, [](int i) { return 8 - i % 9; });
    // No combination-grid line: the venue's flag stays, the new array's is
    // not set; the third count is not in this layout.
    EXPECT_TRUE(v.CombinationGrid);
    EXPECT_FALSE(v.LSArray->CombinationGrid);
    EXPECT_EQ(v.NumBoxes3, 5);
    EXPECT_EQ(v.LSArray->TypeCode, 9);
    EXPECT_EQ(v.LSArray->Count1, 5);
    EXPECT_EQ(v.LSArray->Count2, 3);
    EXPECT_EQ(v.LSArray->TipForce, 500);
}

TEST(ReadingCurrentLayout, VersionMinusFive) {
    TVenue v;
    Prime(v);
    EXPECT_EQ(Load(v, "layout5.ven"), "Dovi");

    ExpectHead(v, "Club 5", "Dovi", 6, 16, 9);
    EXPECT_EQ(v.NumBoxes2, 0);
    ExpectPlaneValues(v, {9, 2.5, 22, 0.5, 0, 0, 0, 4, 1.5, 12, 3, 1, 20, 1.4, 1.4, 1.8});
    ExpectRigging(v, "FRONT", 5, 2, 1);
    EXPECT_FALSE(v.SplayHoba);
    EXPECT_EQ(v.FTValue, 250);
    EXPECT_TRUE(v.CombinationGrid);
    EXPECT_TRUE(v.LSArray->CombinationGrid);
    ExpectSplay(v, [](int i) { return -i / 4.0; }, [](int i) { return i % 5; });
    EXPECT_EQ(v.NumBoxes3, 5);  // no line 112 for this type
    EXPECT_FALSE(v.Plane2Present);
    EXPECT_TRUE(v.Plane3Present);
    EXPECT_EQ(v.LSArray->TypeCode, 7);

    // The same file with -4 loads exactly alike.
    std::vector<std::string> lines = Lines(ReadRaw(DataPath("layout5.ven")));
    lines[1] = "-4";
    TempFolder dir;
    WriteRaw(dir / "four.ven", JoinCrLf(lines));
    TVenue w;
    Prime(w);
    EXPECT_EQ(LoadPath(w, dir / "four.ven"), "Dovi");
    EXPECT_EQ(Fields(v), Fields(w));
}

TEST(ReadingCurrentLayout, HandWrittenFileWithFlatUpperFloor) {
    TVenue v;
    Prime(v);
    EXPECT_EQ(Load(v, "current.ven"), "MIXArvoBexa");
    EXPECT_EQ(v.VenueName, "Th\u00e9\u00e2tre Royal");  // Windows-1252 in the file
    EXPECT_EQ(v.ArrayHeight, 8.5);
    EXPECT_EQ(v.NumBoxes1, 6);
    EXPECT_EQ(v.NumBoxes2, 2);
    ExpectPlaneValues(v, {12, 3.25, 30, -0.75, 12, 0, 2.5, 8, 3, 20, 4.5, 3, 41.5, 1.4, 1.8, 0.05});
    // A level upper floor (height 0, length above 0) is a real plane.
    EXPECT_TRUE(v.Plane2Present);
    EXPECT_EQ(v.Plane2Slope, 0.0);
    EXPECT_DOUBLE_EQ(v.Plane2Intercept, 0 + 1.8 + 2.5);
    EXPECT_EQ(v.Plane2Angle, 0.0);
    EXPECT_TRUE(v.Plane3Present);
    EXPECT_TRUE(v.SplayHoba);
    EXPECT_EQ(v.FTValue, 350);
    EXPECT_TRUE(v.CombinationGrid);
    EXPECT_TRUE(v.LSArray->CombinationGrid);
    EXPECT_EQ(v.Splay->Angle[0], -2.5);
    EXPECT_EQ(v.Splay->Angle[7], 0.43);
    EXPECT_EQ(v.Splay->ChoiceIndex[39], -1);
    EXPECT_EQ(v.LSArray->TypeCode, 3);
    EXPECT_EQ(v.LSArray->Count1, 6);
    EXPECT_EQ(v.LSArray->Count2, 2);
}

TEST(ReadingCurrentLayout, ThirdCountOfTheThreeModelArrayOnLine112) {
    std::vector<std::string> lines = Lines(ReadRaw(DataPath("current.ven")));
    lines[2] = "MIXIvorDoviElka";
    lines[5] = "4";
    lines[6] = "3";
    TempFolder dir;
    WriteRaw(dir / "without.ven", JoinCrLf(lines));
    lines.push_back("2");
    WriteRaw(dir / "with.ven", JoinCrLf(lines));

    TVenue v;
    Prime(v);
    EXPECT_EQ(LoadPath(v, dir / "with.ven"), "MIXIvorDoviElka");
    EXPECT_EQ(v.NumBoxes1, 4);
    EXPECT_EQ(v.NumBoxes2, 3);
    EXPECT_EQ(v.NumBoxes3, 2);
    EXPECT_EQ(v.LSArray->TypeCode, 17);
    EXPECT_EQ(v.LSArray->Count3, 2);

    // Without the line the count stays what it was, and no third model is
    // set up.
    TVenue w;
    Prime(w);
    LoadPath(w, dir / "without.ven");
    EXPECT_EQ(w.NumBoxes3, 5);
    EXPECT_EQ(w.LSArray->Count3, 0);

    // Nor does an empty or blank line after line 111 (an editor's last line
    // end): the file loads as the 111-line one does.
    for (const char* blank : {"", "  \t"}) {
        std::vector<std::string> ended = lines;
        ended.back() = blank;
        WriteRaw(dir / "ended.ven", JoinCrLf(ended));
        TVenue e;
        Prime(e);
        EXPECT_EQ(LoadPath(e, dir / "ended.ven"), "MIXIvorDoviElka");
        EXPECT_EQ(e.NumBoxes1, 4);
        EXPECT_EQ(e.NumBoxes2, 3);
        EXPECT_EQ(e.NumBoxes3, 5);
        EXPECT_EQ(e.LSArray->Count3, 0);
    }

    // Another type does not read on past line 111.
    lines[2] = "MIXArvoBexa";
    lines.back() = "whatever";
    WriteRaw(dir / "other.ven", JoinCrLf(lines));
    TVenue x;
    Prime(x);
    LoadPath(x, dir / "other.ven");
    EXPECT_EQ(x.NumBoxes3, 5);
}

TEST(ReadingCurrentLayout, EmptyTypeLineIsArvo) {
    std::vector<std::string> lines = Lines(ReadRaw(DataPath("layout3.ven")));
    lines[2] = "";
    lines[6] = "0";
    TempFolder dir;
    WriteRaw(dir / "empty.ven", JoinCrLf(lines));
    TVenue v;
    Prime(v);
    EXPECT_EQ(LoadPath(v, dir / "empty.ven"), "Arvo");
    EXPECT_EQ(v.ArrayType, "Arvo");
    EXPECT_EQ(v.DownfillFactor, 2.0);
    EXPECT_EQ(v.LSArray->TypeCode, 0);
}

TEST(ReadingCurrentLayout, DesignRunsWhenAutoDesignIsSet) {
    std::vector<std::string> lines = Lines(ReadRaw(DataPath("layout5.ven")));
    lines[1] = "-4";
    lines[23] = "TRUE";
    TempFolder dir;
    WriteRaw(dir / "auto.ven", JoinCrLf(lines));

    TVenue v;
    Prime(v);
    v.LastDesign = TDesignRoutine::None;
    int setUps = 0;
    v.OnSetUp = [&] { ++setUps; };
    LoadPath(v, dir / "auto.ven");
    EXPECT_TRUE(v.AutoDesign);
    EXPECT_NE(v.LastDesign, TDesignRoutine::None);
    // The load's own set-up and at least one more by the design.
    EXPECT_GT(setUps, 1);

    lines[23] = "FALSE";
    WriteRaw(dir / "manual.ven", JoinCrLf(lines));
    TVenue w;
    Prime(w);
    w.LastDesign = TDesignRoutine::None;
    setUps = 0;
    w.OnSetUp = [&] { ++setUps; };
    LoadPath(w, dir / "manual.ven");
    EXPECT_EQ(w.LastDesign, TDesignRoutine::None);
    EXPECT_EQ(setUps, 1);
}

TEST(ReadingOtherLineEnds, LfOnlyAndCrOnlyReadAsCrLf) {
    const std::string crlf = ReadRaw(DataPath("current.ven"));
    std::string lf, cr;
    for (const std::string& l : Lines(crlf)) {
        lf += l + "\n";
        cr += l + "\r";
    }
    TempFolder dir;
    WriteRaw(dir / "lf.ven", lf);
    WriteRaw(dir / "cr.ven", cr);
    auto loaded = [](const std::string& path) {
        TVenue v;
        Prime(v);
        LoadPath(v, path);
        return Fields(v);
    };
    const std::vector<std::string> want = loaded(DataPath("current.ven"));
    EXPECT_EQ(loaded(dir / "lf.ven"), want);
    EXPECT_EQ(loaded(dir / "cr.ven"), want);
}
