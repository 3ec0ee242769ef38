// A save that fails leaves the previous file as it was, no temporary file
// behind, and says why.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cmath>
#include <csignal>
#include <ctime>
#include <limits>

#include "venue/storage/venue_storage.h"
#include "venue/storage/tests/storage_test_util.h"

using namespace storage_test;

namespace {

class FailedSave : public ::testing::Test {
protected:
    FailedSave() {
        venue_.SetArrayType("Arvo");
        venue_.VenueName = "new design";
        venue_.NumBoxes1 = 8;
        previous_ = ReadRaw(DataPath("current.ven"));
        WriteRaw(dir_ / "hall.ven", previous_);
    }
    void ExpectPreviousKept() {
        EXPECT_EQ(ReadRaw(dir_ / "hall.ven"), previous_);
        EXPECT_EQ(dir_.Entries(), std::set<std::string>{"hall.ven"});
    }

    TempFolder dir_;
    TVenue venue_;
    std::string previous_;
};

}  // namespace

TEST_F(FailedSave, MissingFolder) {
    EXPECT_EQ(ErrorOf([&] { SaveVenueToFile(venue_, dir_ / "gone/hall"); }),
              "Invalid filename (" + (dir_ / "gone/hall.ven") + ")");
    ExpectPreviousKept();
}

TEST_F(FailedSave, TargetIsAFolder) {
    ASSERT_EQ(::mkdir((dir_ / "folder.ven").c_str(), 0700), 0);
    EXPECT_EQ(ErrorOf([&] { SaveVenueToFile(venue_, dir_ / "folder"); }),
              "File access denied (" + (dir_ / "folder.ven") + ")");
    EXPECT_EQ(dir_.Entries(), (std::set<std::string>{"folder.ven", "hall.ven"}));
    EXPECT_EQ(ReadRaw(dir_ / "hall.ven"), previous_);
}

TEST_F(FailedSave, WriteFailingMidway) {
    // The file size limit stops the write after 1000 of some 2600 bytes.
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string error = ErrorOf([&] { SaveVenueToFile(venue_, dir_ / "hall"); });
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(error, "Disk full (" + (dir_ / "hall.ven") + ")");
    ExpectPreviousKept();
}

TEST_F(FailedSave, ValueWithoutAFormStopsBeforeTheDisk) {
    venue_.CoverageStop = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(ErrorOf([&] { SaveVenueToFile(venue_, dir_ / "hall"); }),
              "Cannot write CoverageStop = NaN: not a finite number (" + (dir_ / "hall.ven") + ", line 20)");
    ExpectPreviousKept();
    venue_.CoverageStop = 30;
    venue_.Splay->Angle[39] = -std::numeric_limits<double>::infinity();
    EXPECT_EQ(ErrorOf([&] { SaveVenueToFile(venue_, dir_ / "hall"); }),
              "Cannot write Splay angle 39: not a finite number (" + (dir_ / "hall.ven") + ", line 110)");
    ExpectPreviousKept();
}

TEST_F(FailedSave, SuccessfulSaveReplacesTheFile) {
    SaveVenueToFile(venue_, dir_ / "hall");
    const std::vector<std::string> lines = Lines(ReadRaw(dir_ / "hall.ven"));
    ASSERT_EQ(lines.size(), 111u);
    EXPECT_EQ(lines[0], "new design");
    EXPECT_EQ(lines[5], "8");
    EXPECT_EQ(dir_.Entries(), std::set<std::string>{"hall.ven"});
}

TEST_F(FailedSave, VenueTheReaderWouldRefuseIsNotWritten) {
    const struct {
        const char* what;
        void (*edit)(TVenue&);
        std::string error;  // before " (path, line N)"
        int line;
    } cases[] = {
        {"41 cabinets", [](TVenue& v) { v.NumBoxes1 = 41; },
         "NumBoxes1 = 41: more cabinets in the array than the 40 of the splay list", 6},
        {"-1 cabinets", [](TVenue& v) { v.NumBoxes1 = -1; },
         "NumBoxes1 = -1: a cabinet count cannot be negative", 6},
        {"second count over", [](TVenue& v) { v.NumBoxes1 = 30; v.NumBoxes2 = 11; },
         "NumBoxes2 = 11: more cabinets in the array than the 40 of the splay list", 7},
        {"third count over",
         [](TVenue& v) { v.SetArrayType("MIXIvorDoviElka"); v.NumBoxes2 = 30; v.NumBoxes3 = 3; },
         "NumBoxes3 = 3: more cabinets in the array than the 40 of the splay list", 112},
        {"NaN height", [](TVenue& v) { v.ArrayHeight = std::numeric_limits<double>::quiet_NaN(); },
         "ArrayHeight = NaN: not a finite number", 4},
        {"force -2000", [](TVenue& v) { v.FTValue = -2000; },
         "FTValue = -2000: the push-over force must be above 0", 30},
        {"rig mode 3", [](TVenue& v) { v.RigMode = 3; },
         "RigMode = 3: unknown rig mode (1 flown, 2 ground-stacked)", 28},
        {"unknown type", [](TVenue& v) { v.ArrayType = "Zeta"; }, "Unknown array type \"Zeta\"", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TVenue v;
        v.SetArrayType("Arvo");
        v.NumBoxes1 = 8;
        c.edit(v);
        EXPECT_EQ(ErrorOf([&] { SaveVenueToFile(v, dir_ / "hall"); }),
                  "Cannot write " + c.error + " (" + (dir_ / "hall.ven") + ", line " +
                      std::to_string(c.line) + ")");
        ExpectPreviousKept();
    }
    // A count of a model the type does not have is not written, so not refused.
    venue_.NumBoxes3 = -5;
    EXPECT_EQ(ErrorOf([&] { SaveVenueToFile(venue_, dir_ / "hall"); }), "");
}

TEST_F(FailedSave, NoNameIsAnInvalidFilename) {
    EXPECT_EQ(ErrorOf([&] { SaveVenueToFile(venue_, ""); }), "Invalid filename");
    EXPECT_EQ(ErrorOf([&] { SaveVenueToFile(venue_, dir_.path() + "/"); }),
              "Invalid filename (" + dir_.path() + "/.ven)");
    ExpectPreviousKept();
}

// A save killed before its rename leaves its complete temporary beside the
// file; the next save of that file removes it, and only such left-overs.  A
// temporary only just made may belong to a save that has not locked it yet.
TEST_F(FailedSave, NextSaveRemovesTheLeftoversOfAKilledSave) {
    const struct {
        const char* name;
        bool removed;
        bool fresh = false;  // written now, else a minute ago
    } cases[] = {
        {".hall.ven.a1B2c3", true},    // a killed save's temporary
        {".hall.ven.ZZZZZZ", true},
        {".hall.ven.held00", false},   // a save still running holds it
        {".hall.ven.new000", false, true},  // one just starting, not locked yet
        {".hall.ven.bak", false},      // not the temporaries' form
        {".hall.ven.a1B2c3d", false},
        {".hall.ven.a1-2c3", false},
        {"hall.ven.a1B2c3", false},
        {".other.ven.a1B2c3", false},  // another file's
        {".hall.VEN.a1B2c3", false},
    };
    std::set<std::string> kept{"hall.ven"};
    for (const auto& c : cases) {
        WriteRaw(dir_ / c.name, previous_);
        if (!c.fresh) {
            timespec now{};
            ASSERT_EQ(::clock_gettime(CLOCK_REALTIME, &now), 0);
            const timespec times[2] = {{now.tv_sec - 60, 0}, {now.tv_sec - 60, 0}};
            ASSERT_EQ(::utimensat(AT_FDCWD, (dir_ / c.name).c_str(), times, 0), 0);
        }
        if (!c.removed) kept.insert(c.name);
    }
    const int held = ::open((dir_ / ".hall.ven.held00").c_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    SaveVenueToFile(venue_, dir_ / "hall");
    ::close(held);
    EXPECT_EQ(dir_.Entries(), kept);
    EXPECT_EQ(Lines(ReadRaw(dir_ / "hall.ven")).at(0), "new design");
}
