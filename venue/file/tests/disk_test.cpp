#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "platform/core/errors.h"
#include "venue/file/disk.h"

using namespace venuefile;

namespace {

// A fresh folder under the temporary directory, removed with its files.
class TempFolder {
public:
    TempFolder() {
        const char* base = std::getenv("TMPDIR");
        std::string tmpl = std::string(base && *base ? base : "/tmp") + "/venuefile-test.XXXXXX";
        char* made = ::mkdtemp(tmpl.data());
        if (made) path_ = made;
    }
    ~TempFolder() {
        ::chmod(path_.c_str(), 0700);
        std::string cmd = "rm -rf '" + path_ + "'";
        if (!path_.empty()) (void)std::system(cmd.c_str());
    }
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

void WriteRaw(const std::string& path, const std::string& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f << bytes;
}

std::string ReadRaw(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

std::set<std::string> Entries(const std::string& folder) {
    std::set<std::string> names;
    if (DIR* d = ::opendir(folder.c_str())) {
        while (dirent* e = ::readdir(d)) {
            std::string n = e->d_name;
            if (n != "." && n != "..") names.insert(n);
        }
        ::closedir(d);
    }
    return names;
}

int CodeOf(void (*fn)(const std::string&), const std::string& arg, std::string* text = nullptr) {
    try {
        fn(arg);
    } catch (const rtl::InOutError& e) {
        if (text) *text = e.what();
        return e.code();
    }
    return 0;
}

void Read(const std::string& p) { ReadWholeFile(p); }
void SaveX(const std::string& p) { SaveFileAtomically(p, "x"); }
void SaveNew(const std::string& p) { SaveFileAtomically(p, "new"); }

}  // namespace

TEST(ErrnoMapping, RunTimeCodes) {
    // An error number that is also a run-time code must not pass for it:
    // EIO (5) is no "File access denied".
    const struct {
        int error;
        bool forPath;
        int code;
    } cases[] = {{ENOENT, false, 2}, {ENOENT, true, 3}, {ENOTDIR, false, 3}, {EMFILE, false, 4},
                 {EACCES, true, 5},  {EROFS, true, 5},  {EISDIR, true, 5},   {ENOSPC, true, 101},
                 {EFBIG, true, 101}, {EIO, false, 1000 + EIO}};
    for (const auto& c : cases)
        EXPECT_EQ(InOutCodeFromErrno(c.error, c.forPath), c.code) << c.error << " " << c.forPath;
    EXPECT_STREQ(rtl::InOutError(InOutCodeFromErrno(EIO, false)).what(), "I/O error 1005");
    EXPECT_EQ(InOutCodeFromErrno(EXDEV, true), EXDEV);
}

TEST(ReadingAFile, BytesAsTheyAre) {
    TempFolder dir;
    const std::string bytes("a\r\nb\rc\n\0\xFF", 9);
    WriteRaw(dir / "x.ven", bytes);
    EXPECT_EQ(ReadWholeFile(dir / "x.ven"), bytes);
    WriteRaw(dir / "empty.ven", "");
    EXPECT_EQ(ReadWholeFile(dir / "empty.ven"), "");
}

TEST(ReadingAFile, FailuresNameThePath) {
    TempFolder dir;
    std::string text;
    EXPECT_EQ(CodeOf(Read, dir / "missing.ven", &text), 2);
    EXPECT_EQ(text, "File not found (" + (dir / "missing.ven") + ")");
    // A folder is no venue file.
    EXPECT_EQ(CodeOf(Read, dir.path(), &text), 5);
    EXPECT_EQ(text, "File access denied (" + dir.path() + ")");
    // A file used as a folder.
    WriteRaw(dir / "plain", "x");
    EXPECT_EQ(CodeOf(Read, dir / "plain/x.ven"), 3);
    // A pipe with no writer: refused at once instead of waiting.
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(CodeOf(Read, dir / "pipe"), 5);
}

TEST(ReadingAFile, UnreadableFileIsAccessDenied) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads any file";
    TempFolder dir;
    WriteRaw(dir / "locked.ven", "x");
    ::chmod((dir / "locked.ven").c_str(), 0200);
    EXPECT_EQ(CodeOf(Read, dir / "locked.ven"), 5);
}

TEST(SavingAFile, CreatesAndReplaces) {
    TempFolder dir;
    const std::string target = dir / "hall.ven";
    SaveFileAtomically(target, "one\r\n");
    EXPECT_EQ(ReadRaw(target), "one\r\n");
    EXPECT_EQ(Entries(dir.path()), std::set<std::string>{"hall.ven"});
    SaveFileAtomically(target, "two\r\nlines\r\n");
    EXPECT_EQ(ReadRaw(target), "two\r\nlines\r\n");
    SaveFileAtomically(target, "");
    EXPECT_EQ(ReadRaw(target), "");
    EXPECT_EQ(Entries(dir.path()), std::set<std::string>{"hall.ven"});
}

TEST(SavingAFile, KeepsThePermissionsOfTheOldFile) {
    TempFolder dir;
    const std::string target = dir / "hall.ven";
    WriteRaw(target, "old");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    SaveFileAtomically(target, "new");
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(SavingAFile, SymbolicLinkIsFollowed) {
    TempFolder dir;
    WriteRaw(dir / "real.ven", "old");
    ASSERT_EQ(::symlink((dir / "real.ven").c_str(), (dir / "link.ven").c_str()), 0);
    SaveFileAtomically(dir / "link.ven", "new");
    EXPECT_EQ(ReadRaw(dir / "real.ven"), "new");
    struct stat st {};
    ASSERT_EQ(::lstat((dir / "link.ven").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
}

TEST(SavingAFile, DanglingSymbolicLinkGetsItsFileAndStaysALink) {
    // Each link names a file that does not exist yet: the save creates that
    // file and leaves the link as it was.
    TempFolder dir;
    ASSERT_EQ(::mkdir((dir / "sub").c_str(), 0700), 0);
    const struct {
        const char* link;
        std::string pointsTo;
        std::string created;
    } cases[] = {
        {"absolute.ven", dir / "abs-target.ven", dir / "abs-target.ven"},
        {"relative.ven", "sub/rel-target.ven", dir / "sub/rel-target.ven"},
        {"sub/up.ven", "../up-target.ven", dir / "up-target.ven"},
        {"chain.ven", "absolute.ven", dir / "abs-target.ven"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.link);
        ASSERT_EQ(::symlink(c.pointsTo.c_str(), (dir / c.link).c_str()), 0);
        SaveFileAtomically(dir / c.link, std::string("saved via ") + c.link);
        EXPECT_EQ(ReadRaw(c.created), std::string("saved via ") + c.link);
        struct stat st {};
        ASSERT_EQ(::lstat((dir / c.link).c_str(), &st), 0);
        EXPECT_TRUE(S_ISLNK(st.st_mode));
    }
}

TEST(SavingAFile, LinkIntoAMissingFolderOrALoopIsRefused) {
    TempFolder dir;
    ASSERT_EQ(::symlink((dir / "gone/target.ven").c_str(), (dir / "missing.ven").c_str()), 0);
    ASSERT_EQ(::symlink("loop-b.ven", (dir / "loop-a.ven").c_str()), 0);
    ASSERT_EQ(::symlink("loop-a.ven", (dir / "loop-b.ven").c_str()), 0);
    for (const char* name : {"missing.ven", "loop-a.ven"}) {
        SCOPED_TRACE(name);
        std::string text;
        EXPECT_EQ(CodeOf(SaveX, dir / name, &text), 3);
        EXPECT_EQ(text, "Invalid filename (" + (dir / name) + ")");
        struct stat st {};
        ASSERT_EQ(::lstat((dir / name).c_str(), &st), 0);
        EXPECT_TRUE(S_ISLNK(st.st_mode));
    }
    EXPECT_EQ(Entries(dir.path()), (std::set<std::string>{"loop-a.ven", "loop-b.ven", "missing.ven"}));
}

TEST(SavingAFile, MissingFolderLeavesNothingBehind) {
    TempFolder dir;
    std::string text;
    const std::string target = dir / "no-such-folder/hall.ven";
    EXPECT_EQ(CodeOf(SaveX, target, &text), 3);
    EXPECT_EQ(text, rtl::InOutError::TextFor(3) + " (" + target + ")");
    EXPECT_TRUE(Entries(dir.path()).empty());
}

TEST(SavingAFile, TargetThatIsAFolderIsLeftAlone) {
    TempFolder dir;
    ASSERT_EQ(::mkdir((dir / "hall.ven").c_str(), 0700), 0);
    WriteRaw(dir / "hall.ven/inside", "keep");
    std::string text;
    EXPECT_EQ(CodeOf(SaveX, dir / "hall.ven", &text), 5);
    EXPECT_EQ(text, "File access denied (" + (dir / "hall.ven") + ")");
    EXPECT_EQ(Entries(dir.path()), std::set<std::string>{"hall.ven"});
    EXPECT_EQ(ReadRaw(dir / "hall.ven/inside"), "keep");
}

TEST(SavingAFile, WriteFailingMidwayKeepsTheOldFile) {
    // A file-size limit makes the write fail part way through, for root as
    // for anybody: what a full disk does.
    TempFolder dir;
    const std::string target = dir / "hall.ven";
    const std::string old = "the old design\r\n";
    WriteRaw(target, old);

    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string text;
    const int code = CodeOf([](const std::string& p) { SaveFileAtomically(p, std::string(5000, 'x')); },
                            target, &text);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(code, 101);
    EXPECT_EQ(text, "Disk full (" + target + ")");
    EXPECT_EQ(ReadRaw(target), old);
    EXPECT_EQ(Entries(dir.path()), std::set<std::string>{"hall.ven"});
}

TEST(SavingAFile, ReadOnlyFolderOrFileIsAccessDenied) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    TempFolder dir;
    const std::string target = dir / "hall.ven";
    WriteRaw(target, "old");
    ASSERT_EQ(::chmod(dir.path().c_str(), 0500), 0);
    EXPECT_EQ(CodeOf(SaveNew, target), 5);
    ASSERT_EQ(::chmod(dir.path().c_str(), 0700), 0);
    EXPECT_EQ(ReadRaw(target), "old");
    EXPECT_EQ(Entries(dir.path()), std::set<std::string>{"hall.ven"});
    // A read-only file in a writable folder is not replaced either.
    ASSERT_EQ(::chmod(target.c_str(), 0400), 0);
    EXPECT_EQ(CodeOf(SaveNew, target), 5);
    EXPECT_EQ(ReadRaw(target), "old");
    EXPECT_EQ(Entries(dir.path()), std::set<std::string>{"hall.ven"});
}
