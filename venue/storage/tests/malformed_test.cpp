// Files that must not load: each gives its error with the place, and the
// venue stays exactly as it was.

#include <gtest/gtest.h>

#include <random>

#include "venue/storage/venue_storage.h"
#include "venue/storage/tests/storage_test_util.h"

using namespace storage_test;

namespace {

class RefusedFile : public ::testing::Test {
protected:
    RefusedFile() { Prime(venue_); }

    // Loads `bytes` from a file and returns the error text; the venue and
    // the type string must be as before.
    std::string Refuse(const std::string& bytes, const std::string& name = "bad.ven") {
        WriteRaw(dir_ / name, bytes);
        const std::vector<std::string> before = Describe(venue_);
        std::string type = "kept";
        const std::string error = ErrorOf([&] { LoadVenueFromFile(venue_, dir_ / name, type); });
        EXPECT_NE(error, "") << "loaded";
        EXPECT_EQ(Describe(venue_), before);
        EXPECT_EQ(type, "kept");
        return error;
    }
    std::string Where(int line, const std::string& name = "bad.ven") const {
        return " (" + (dir_ / name) + ", line " + std::to_string(line) + ")";
    }
    // current.ven with line `line` (1-based) replaced.
    static std::string WithLine(int line, const std::string& text, const char* file = "current.ven") {
        std::vector<std::string> lines = Lines(ReadRaw(DataPath(file)));
        lines.at(static_cast<std::size_t>(line - 1)) = text;
        return JoinCrLf(lines);
    }
    struct Edit {
        int line;
        std::string text;
        const char* file = "current.ven";
    };
    // Each edit on its own must be refused with `error` at its line.
    void ExpectEachRefused(const std::string& error, std::initializer_list<Edit> edits) {
        for (const Edit& e : edits) {
            SCOPED_TRACE(std::string(e.file) + " line " + std::to_string(e.line) + " \"" + e.text + "\"");
            EXPECT_EQ(Refuse(WithLine(e.line, e.text, e.file)), error + Where(e.line));
        }
    }

    TempFolder dir_;
    TVenue venue_;
};

}  // namespace

TEST_F(RefusedFile, CutShortAtEveryLine) {
    const struct {
        const char* file;
        int lines;
    } files[] = {{"layout0.ven", 53}, {"layout1_arvo.ven", 106}, {"layout3.ven", 110}, {"current.ven", 111}};
    for (const auto& f : files) {
        const std::vector<std::string> lines = Lines(ReadRaw(DataPath(f.file)));
        ASSERT_EQ(static_cast<int>(lines.size()), f.lines);
        for (int kept = 0; kept < f.lines; ++kept) {
            SCOPED_TRACE(std::string(f.file) + " cut after line " + std::to_string(kept));
            const std::vector<std::string> part(lines.begin(), lines.begin() + kept);
            EXPECT_EQ(Refuse(JoinCrLf(part)), "Read beyond end of file" + Where(kept + 1));
        }
    }
    // Cut inside the last line's ending: the line is whole, the file loads.
    std::string whole = ReadRaw(DataPath("current.ven"));
    whole.pop_back();
    WriteRaw(dir_ / "nolf.ven", whole);
    std::string type;
    LoadVenueFromFile(venue_, dir_ / "nolf.ven", type);
    EXPECT_EQ(type, "MIXArvoBexa");
}

TEST_F(RefusedFile, NumberLinesWithoutANumber) {
    ExpectEachRefused("Invalid numeric input",
                      {{4, "x8.5"}, {6, "six"}, {30, ""}, {27, "   "}, {111, "1.5"}, {110, "1,5"},
                       {2, "version"}, {5, "fifteen", "layout0.ven"}, {26, "rig", "layout1_bexa.ven"}});
}

TEST_F(RefusedFile, NotANumberAndInfinities) {
    ExpectEachRefused("Invalid numeric input", {{10, "nan"}, {11, "NAN"}, {12, "inf"}, {13, "-Infinity"},
                                                {30, "1e999"}, {2, "nan"}, {32, "-1E400"}});
}

TEST_F(RefusedFile, CountsNegativeHugeOrBeyondTheSplayList) {
    // Too large for an integer at all.
    ExpectEachRefused("Invalid numeric input", {{6, "99999999999"}, {7, "-2147483649"}});
    // Integers, but no cabinet count. 6 + 35 on line 7 is beyond the 40
    // entries: the second count is where it shows.
    ExpectEachRefused("Range check error", {{6, "-1"}, {7, "-2147483648"}, {6, "2147483647"}, {6, "41"},
                                            {7, "35"}, {4, "-3", "layout0.ven"}, {5, "100", "layout1_arvo.ven"}});
    // The third count.
    std::vector<std::string> lines = Lines(WithLine(3, "MIXIvorDoviElka"));
    lines.push_back("33");  // 6 + 2 + 33
    EXPECT_EQ(Refuse(JoinCrLf(lines)), "Range check error" + Where(112));
    lines.back() = "-1";
    EXPECT_EQ(Refuse(JoinCrLf(lines)), "Range check error" + Where(112));
    lines.back() = "three";
    EXPECT_EQ(Refuse(JoinCrLf(lines)), "Invalid numeric input" + Where(112));
}

TEST_F(RefusedFile, UnknownArrayType) {
    EXPECT_EQ(Refuse(WithLine(3, "Zeta")), "Unknown array type \"Zeta\"" + Where(3));
    // Case matters.
    EXPECT_EQ(Refuse(WithLine(3, "arvo")), "Unknown array type \"arvo\"" + Where(3));
    EXPECT_EQ(Refuse(WithLine(3, "Arvo ")), "Unknown array type \"Arvo \"" + Where(3));
    EXPECT_EQ(Refuse(WithLine(3, "Zeta", "layout3.ven")), "Unknown array type \"Zeta\"" + Where(3));
    // Shown as Windows-1252 text, control characters as "?".
    EXPECT_EQ(Refuse(WithLine(3, std::string("Caf\xE9\x01\x00", 6))),
              "Unknown array type \"Caf\u00e9??\"" + Where(3));
}

TEST_F(RefusedFile, UnknownVersion) {
    EXPECT_EQ(Refuse(WithLine(2, "0")), "Unknown venue file version 0" + Where(2));
    EXPECT_EQ(Refuse(WithLine(2, "-6")), "Unknown venue file version -6" + Where(2));
    EXPECT_EQ(Refuse(WithLine(2, "-1.5")), "Unknown venue file version -1.5" + Where(2));
    EXPECT_EQ(Refuse(WithLine(2, " -7.00000000000000E+0000")),
              "Unknown venue file version -7" + Where(2));
    EXPECT_EQ(Refuse(WithLine(2, "-100000")), "Unknown venue file version -100000" + Where(2));
}

TEST_F(RefusedFile, OtherLineEndsCutShort) {
    const std::vector<std::string> lines = Lines(ReadRaw(DataPath("current.ven")));
    std::string lf, cr;
    for (int i = 0; i < 60; ++i) {
        lf += lines[static_cast<std::size_t>(i)] + "\n";
        cr += lines[static_cast<std::size_t>(i)] + "\r";
    }
    EXPECT_EQ(Refuse(lf), "Read beyond end of file" + Where(61));
    EXPECT_EQ(Refuse(cr), "Read beyond end of file" + Where(61));
    // Mixed endings still count lines one by one.
    EXPECT_EQ(Refuse("name\n-4\rArvo\r\n\n"), "Invalid numeric input" + Where(4));
}

TEST_F(RefusedFile, MissingFileOrFolder) {
    std::string type = "kept";
    const std::vector<std::string> before = Describe(venue_);
    EXPECT_EQ(ErrorOf([&] { LoadVenueFromFile(venue_, dir_ / "none.ven", type); }),
              "File not found (" + (dir_ / "none.ven") + ")");
    EXPECT_EQ(ErrorOf([&] { LoadVenueFromFile(venue_, dir_.path(), type); }),
              "File access denied (" + dir_.path() + ")");
    EXPECT_EQ(Describe(venue_), before);
    EXPECT_EQ(type, "kept");
}

TEST_F(RefusedFile, RandomBytes) {
    std::mt19937 gen(20261208);
    std::uniform_int_distribution<int> byte(0, 255), length(0, 4000);
    for (int n = 0; n < 300; ++n) {
        std::string bytes(static_cast<std::size_t>(length(gen)), '\0');
        for (char& c : bytes) c = static_cast<char>(byte(gen));
        SCOPED_TRACE(n);
        Refuse(bytes);
    }
    // Random lines in a valid frame: a real file with one line garbled.
    const std::vector<std::string> lines = Lines(ReadRaw(DataPath("current.ven")));
    for (int n = 0; n < 200; ++n) {
        std::vector<std::string> garbled = lines;
        const int line = 1 + static_cast<int>(gen() % 111);
        std::string junk(1 + gen() % 12, '\0');
        for (char& c : junk) c = static_cast<char>('A' + gen() % 26);
        garbled[static_cast<std::size_t>(line - 1)] = junk;
        // Text and boolean lines take anything; the others must refuse it.
        if (line == 1 || line == 24 || line == 25 || line == 29 || line == 31) continue;
        SCOPED_TRACE(line);
        const std::string what =
            line == 3 ? "Unknown array type \"" + junk + "\"" : std::string("Invalid numeric input");
        EXPECT_EQ(Refuse(JoinCrLf(garbled)), what + Where(line));
    }
}

TEST_F(RefusedFile, FailureAfterReadingPutsTheVenueBack) {
    // A set-up that fails: the venue gets back its fields, its splay list
    // and its very own array object.
    TLoudspeakerArray* const array = venue_.LSArray.get();
    int calls = 0;
    venue_.OnSetUp = [&] {
        ++calls;
        throw rtl::RangeError();
    };
    WriteRaw(dir_ / "good.ven", ReadRaw(DataPath("current.ven")));
    const std::vector<std::string> before = Describe(venue_);
    std::string type = "kept";
    EXPECT_EQ(ErrorOf([&] { LoadVenueFromFile(venue_, dir_ / "good.ven", type); }),
              "Range check error: MIXArvoBexa array cannot be set up with NumBoxes1 = 6, "
              "NumBoxes2 = 2 (" + (dir_ / "good.ven") + ", line 7)");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(Describe(venue_), before);
    EXPECT_EQ(venue_.LSArray.get(), array);
    EXPECT_TRUE(venue_.LSArray->CombinationGrid);
    EXPECT_EQ(type, "kept");

    // And the same venue loads the file once the set-up works.
    venue_.OnSetUp = nullptr;
    LoadVenueFromFile(venue_, dir_ / "good.ven", type);
    EXPECT_EQ(type, "MIXArvoBexa");
    EXPECT_EQ(venue_.NumBoxes1, 6);
}

TEST_F(RefusedFile, ForceAndRigModeTheVenueWouldRefuse) {
    ExpectEachRefused("FTValue = -2000: the push-over force must be above 0",
                      {{30, "-2000"}, {30, "-2.00000000000000E+0003"}, {30, "-2000", "layout3.ven"}});
    ExpectEachRefused("FTValue = 0: the push-over force must be above 0", {{30, " 0.0E+0000"}});
    ExpectEachRefused("RigMode = 3: unknown rig mode (1 flown, 2 ground-stacked)",
                      {{28, "3"}, {28, "3", "layout3.ven"}, {26, "3", "layout1_bexa.ven"}});
    ExpectEachRefused("RigMode = 0: unknown rig mode (1 flown, 2 ground-stacked)",
                      {{28, "0"}, {26, "0", "layout1_arvo.ven"}});
}

TEST_F(RefusedFile, CountsTheArrayCannotTakeNameTheirLine) {
    // Within the splay list, but beyond what the rig evaluation of a hung
    // array takes.
    const std::string refused = "Range check error: MIXArvoBexa array cannot be set up with ";
    std::vector<std::string> lines = Lines(ReadRaw(DataPath("current.ven")));
    lines[5] = "29";
    lines[6] = "0";
    EXPECT_EQ(Refuse(JoinCrLf(lines)), refused + "NumBoxes1 = 29" + Where(6));
    EXPECT_EQ(Refuse(WithLine(7, "25")), refused + "NumBoxes1 = 6, NumBoxes2 = 25" + Where(7));
}

// A venue file is a few kilobytes: a file larger than any venue file can be
// is refused by its size, even where its first lines make a good venue.
TEST_F(RefusedFile, LargerThanAnyVenueFile) {
    const std::string good = ReadRaw(DataPath("current.ven"));
    const std::string tooLarge = "File too large for a venue file: more than 1048576 bytes (" + (dir_ / "big.ven") + ")";
    const struct {
        std::size_t size;
        bool loads;
    } cases[] = {{1024 * 1024, true}, {1024 * 1024 + 1, false}, {4 * 1024 * 1024, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        // The good file, then a line of blanks up to the size.
        const std::string bytes = good + std::string(c.size - good.size() - 2, ' ') + "\r\n";
        if (c.loads) {
            WriteRaw(dir_ / "big.ven", bytes);
            std::string type;
            EXPECT_EQ(ErrorOf([&] { LoadVenueFromFile(venue_, dir_ / "big.ven", type); }), "");
            EXPECT_EQ(type, "MIXArvoBexa");
        } else {
            EXPECT_EQ(Refuse(bytes, "big.ven"), tooLarge);
        }
    }
}

TEST_F(RefusedFile, HugeFileIsRefusedWithoutReadingIt) {
    // 3 GB that take no room on the disk: a file with a hole.
    const std::string path = dir_ / "huge.ven";
    WriteRaw(path, "");
    ASSERT_EQ(::truncate(path.c_str(), 3LL * 1024 * 1024 * 1024), 0);
    std::string type = "kept";
    EXPECT_EQ(ErrorOf([&] { LoadVenueFromFile(venue_, path, type); }),
              "File too large for a venue file: more than 1048576 bytes (" + path + ")");
    EXPECT_EQ(type, "kept");
}
