#include "venue/file/disk.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace venuefile {

namespace {

using rtl::InOutError;

[[noreturn]] void Fail(int err, const std::string& path, bool creating = false) {
    throw InOutError(InOutCodeFromErrno(err, creating), path);
}

bool IsKnownCode(int code) {
    return (code >= 2 && code <= 5) || (code >= 100 && code <= 106);
}

// Closes a descriptor when the scope is left early.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and reports the result, which for a written file can carry
    // a late write error.
    int Close() {
        int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }

private:
    int fd_;
};

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// The path a chain of symbolic links ends at (the path itself when it is no
// link); a relative link is taken from its own folder.  Too many links:
// "Invalid filename", as the system says for a loop.
std::string LinkTarget(const std::string& path) {
    std::string at = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat lst {};
        if (::lstat(at.c_str(), &lst) != 0 || !S_ISLNK(lst.st_mode)) return at;
        std::vector<char> buf(PATH_MAX + 1);
        const ssize_t n = ::readlink(at.c_str(), buf.data(), buf.size());
        if (n < 0) Fail(errno, path, true);
        if (static_cast<std::size_t>(n) >= buf.size()) Fail(ENAMETOOLONG, path, true);
        std::string next(buf.data(), static_cast<std::size_t>(n));
        if (next.empty()) Fail(ENOENT, path, true);
        at = next.front() == '/' ? next : FolderOf(at) + "/" + next;
    }
    Fail(ELOOP, path, true);
}

mode_t DefaultMode() {
    // The process runs everything on one thread, so reading the umask this
    // way cannot race.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string FileNameOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }

// "." + name + "." + the six letters or digits mkostemp puts in place of
// "XXXXXX".
constexpr std::size_t kTempTailLength = 6;
bool IsTemporaryOf(const std::string& entry, const std::string& name) {
    const std::size_t head = name.size() + 2;
    if (entry.size() != head + kTempTailLength || entry[0] != '.' ||
        entry.compare(1, name.size(), name) != 0 || entry[head - 1] != '.')
        return false;
    for (std::size_t i = head; i < entry.size(); ++i) {
        const char c = entry[i];
        const bool alnum = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!alnum) return false;
    }
    return true;
}

// A temporary younger than this may belong to a save between creating it and
// locking it; a left-over is removed by a later save instead.
constexpr std::time_t kLeftoverAgeSeconds = 10;

void RemoveLeftoversOf(const std::string& target) {
    const std::string folder = FolderOf(target);
    const std::string name = FileNameOf(target);
    DIR* d = ::opendir(folder.c_str());
    if (d == nullptr) return;
    std::vector<std::string> found;
    while (const dirent* e = ::readdir(d))
        if (IsTemporaryOf(e->d_name, name)) found.emplace_back(e->d_name);
    ::closedir(d);
    for (const std::string& entry : found) {
        const std::string at = folder + "/" + entry;
        Descriptor fd(::open(at.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY));
        if (fd.get() < 0) continue;
        struct stat st {};
        if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) continue;
        // A save only just started may not have locked its temporary yet.
        if (st.st_mtime > ::time(nullptr) - kLeftoverAgeSeconds) continue;
        // A save in progress holds its lock; a killed one holds none.
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) continue;
        ::unlink(at.c_str());
    }
}

}  // namespace

FileTooLarge::FileTooLarge(std::size_t maxBytes, const std::string& path)
    : rtl::RuntimeError(1000 + EFBIG, "File too large: more than " + std::to_string(maxBytes) +
                                          " bytes (" + path + ")") {}

int InOutCodeFromErrno(int err, bool creating) {
    switch (err) {
        case ENOENT: return creating ? InOutError::PathNotFound : InOutError::FileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP: return InOutError::PathNotFound;
        case EMFILE:
        case ENFILE: return InOutError::TooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case ETXTBSY: return InOutError::AccessDenied;
        case ENOSPC:
        case EDQUOT:
        case EFBIG: return InOutError::DiskFull;
        default: return IsKnownCode(err) ? 1000 + err : err;
    }
}

std::string ReadWholeFile(const std::string& path) {
    return ReadWholeFile(path, static_cast<std::size_t>(-1));
}

std::string ReadWholeFile(const std::string& path, std::size_t maxBytes) {
    // O_NONBLOCK so that opening a pipe cannot wait for a writer.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.get() < 0) Fail(errno, path);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) Fail(errno, path);
    if (!S_ISREG(st.st_mode)) throw InOutError(InOutError::AccessDenied, path);
    if (static_cast<unsigned long long>(st.st_size) > maxBytes) throw FileTooLarge(maxBytes, path);

    std::string data;
    if (st.st_size > 0) data.reserve(static_cast<std::size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buf, sizeof buf);
        if (got < 0) {
            if (errno == EINTR) continue;
            Fail(errno, path);
        }
        if (got == 0) break;
        if (static_cast<std::size_t>(got) > maxBytes - data.size()) throw FileTooLarge(maxBytes, path);
        data.append(buf, static_cast<std::size_t>(got));
    }
    if (fd.Close() != 0) Fail(errno, path);
    return data;
}

void SaveFileAtomically(const std::string& path, std::string_view contents) {
    if (path.empty()) throw InOutError(InOutError::FileNotFound, path);

    // Follow a symbolic link to the file it names, also when that file does
    // not exist yet: the link stays and the file appears where it points.
    const std::string target = LinkTarget(path);

    mode_t mode = 0;
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) throw InOutError(InOutError::AccessDenied, path);
        if (::access(target.c_str(), W_OK) != 0) Fail(errno, path, true);
        mode = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        Fail(errno, path, true);
    } else {
        mode = DefaultMode();
    }

    RemoveLeftoversOf(target);

    std::string temp = FolderOf(target) + "/." + FileNameOf(target) + ".XXXXXX";
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    Descriptor fd(::mkostemp(name.data(), O_CLOEXEC));
    if (fd.get() < 0) Fail(errno, path, true);
    const std::string tempPath(name.data());
    // The lock tells a later save that this temporary is no left-over.  It
    // belongs to the open file, which `held` keeps open until the rename is
    // done, also once `fd` is closed.
    ::flock(fd.get(), LOCK_EX | LOCK_NB);
    Descriptor held(::dup(fd.get()));

    int err = 0;
    if (::fchmod(fd.get(), mode) != 0) err = errno;
    std::size_t done = 0;
    while (err == 0 && done < contents.size()) {
        const ssize_t put = ::write(fd.get(), contents.data() + done, contents.size() - done);
        if (put < 0) {
            if (errno == EINTR) continue;
            err = errno;
        } else {
            done += static_cast<std::size_t>(put);
        }
    }
    if (err == 0 && ::fsync(fd.get()) != 0) err = errno;
    if (fd.Close() != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(tempPath.c_str(), target.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(tempPath.c_str());
        Fail(err, path, true);
    }

    // Make the rename itself durable.  The new file is complete and in place
    // whatever happens here, so a failure is not reported.
    Descriptor dir(::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
}

void RemoveSaveLeftovers(const std::string& path) {
    try {
        RemoveLeftoversOf(LinkTarget(path));
    } catch (const std::exception&) {
        // A link that leads nowhere has no temporaries to remove.
    }
}

}  // namespace venuefile
