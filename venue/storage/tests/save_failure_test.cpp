// A save that fails leaves the previous file as it was, no temporary file
// behind, and says why.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <cmath>
#include <csignal>
#include <limits>

#include "storage/venue_storage.h"
#include "storage_test_util.h"

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
              "Invalid numeric input (" + (dir_ / "hall.ven") + ", line 20)");
    ExpectPreviousKept();
    venue_.CoverageStop = 30;
    venue_.Splay->Angle[39] = -std::numeric_limits<double>::infinity();
    EXPECT_EQ(ErrorOf([&] { SaveVenueToFile(venue_, dir_ / "hall"); }),
              "Invalid numeric input (" + (dir_ / "hall.ven") + ", line 110)");
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
