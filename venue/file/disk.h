#pragma once
// Whole-file reading and atomic saving, with failures reported as
// rtl::InOutError carrying the run-time code, its text and the path:
// "File not found (/home/me/hall.ven)".

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/core/errors.h"

namespace venuefile {

// The run-time code for a system error number:
//   ENOENT                          2 "File not found" (3 when creating: the folder is missing)
//   ENOTDIR, ENAMETOOLONG, ELOOP    3
//   EMFILE, ENFILE                  4 "Too many open files"
//   EACCES, EPERM, EROFS, EISDIR,
//   ETXTBSY                         5 "File access denied"
//   ENOSPC, EDQUOT, EFBIG           101 "Disk full"
//   anything else                   the error number itself ("I/O error 28"),
//                                   or 1000 + the number when it would be
//                                   taken for one of the codes above
//                                   (EIO, 5 on Linux, gives "I/O error 1005").
int InOutCodeFromErrno(int err, bool creating);

// The whole file as bytes.  Only regular files are read: a folder, a pipe or
// a device gives "File access denied" (a pipe would block, a device might
// never end).
std::string ReadWholeFile(const std::string& path);

// The same for a file that can hold at most `maxBytes`: a larger one is
// refused before it is read (and a file that grows past the limit while it
// is read), with FileTooLarge.
std::string ReadWholeFile(const std::string& path, std::size_t maxBytes);

class FileTooLarge : public rtl::RuntimeError {
public:
    FileTooLarge(std::size_t maxBytes, const std::string& path);
};

// Replaces the file at `path` by `contents`, all or nothing: the bytes go to a
// new temporary file in the same folder, are flushed to the disk, and only
// then is the temporary renamed over the target.  On any failure the
// temporary is removed, an old file at `path` is left as it was, and the
// error is thrown.
// - A target that exists must be a regular file the process may write;
//   otherwise "File access denied" (a read-only file is not silently replaced).
// - A symbolic link (or a chain of them) is followed: the file it names is
//   replaced, or created when it does not exist yet, and the link stays.  A
//   link into a missing folder, or a loop, is "Invalid filename".
// - The new file gets the old file's permission bits, or the usual ones
//   (0666 less the umask) when there was none.
// The temporary is named "." + the target's file name + "." + six letters
// or digits ("hall.ven" gets ".hall.ven.a1B2c3"), hidden and never ending in
// the target's extension, and the save holds a lock on it for as long as it
// lives.  A save that was killed leaves a complete temporary behind; the
// next save of the same file removes such left-overs first, once they are
// ten seconds old (a younger one may be a save's not yet locked).
void SaveFileAtomically(const std::string& path, std::string_view contents);

// Removes the left-over temporaries of earlier saves of `path` (the target a
// link names): files of the process's user named as above, ten seconds old
// or more, that no running save holds.  Anything else, and a folder that
// cannot be read, is left as it is; nothing is thrown.
void RemoveSaveLeftovers(const std::string& path);

}  // namespace venuefile
