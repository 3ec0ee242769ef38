#pragma once
// The settings file "orandel.ini": two lines, "1" and then "BRIT" (metres
// and kilograms) or "YANK" (feet and pounds), each ended by CR LF.
//
// It is read from the user's configuration folder when it is there, else
// from beside the program, and always written to the user's folder, all or
// nothing, so an interrupted write never leaves half a file.

#include <optional>
#include <string>

namespace settings {

inline constexpr const char* FileName = "orandel.ini";

enum class Units { Metric, Imperial };

// The user's folder for the file, with a trailing "/":
// $XDG_CONFIG_HOME/orandel/ when that is an absolute path, else
// $HOME/.config/orandel/; empty when neither is known.
std::string UserConfigDir();

// What the file says: the unit system when line 1 is an integer and line 2
// is exactly "BRIT" or "YANK" (case and blanks matter); nothing for any
// other text, so the caller keeps its units.  Lines end at CR LF, LF or CR.
std::optional<Units> ParseSettings(const std::string& contents);

// The two lines as written.
std::string FormatSettings(Units units);

// The file to read: the user's when it exists, else the one beside the
// program; empty when there is none.  Both folders end with "/" (or are
// empty).
std::string SettingsPathToRead(const std::string& userDir, const std::string& programDir);
// The file to write: the user's, or beside the program when the user's
// folder is not known.
std::string SettingsPathToWrite(const std::string& userDir, const std::string& programDir);

// Reads the file at `path`; nothing when it is missing, unreadable or says
// nothing usable.  Never throws.
std::optional<Units> ReadSettingsFile(const std::string& path);

// Writes the file at `path`, creating its folder first.  Failures throw
// rtl::InOutError with the run-time text and the path.
void WriteSettingsFile(const std::string& path, Units units);

}  // namespace settings
