#pragma once
// Whole-file reading and atomic saving, with failures reported as
// rtl::InOutError carrying the run-time code, its text and the path:
// "File not found (/home/me/hall.ven)".

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
void SaveFileAtomically(const std::string& path, std::string_view contents);

}  // namespace venuefile
