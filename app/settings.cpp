#include "app/settings.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/core/errors.h"
#include "venue/file/disk.h"

namespace settings {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Position just past the line end that closes the line holding `pos`
// (CR LF, LF or CR), or the end of the text.
std::size_t NextLine(const std::string& s, std::size_t pos) {
    while (pos < s.size() && s[pos] != '\r' && s[pos] != '\n') ++pos;
    if (pos < s.size() && s[pos] == '\r') {
        ++pos;
        if (pos < s.size() && s[pos] == '\n') ++pos;
    } else if (pos < s.size()) {
        ++pos;
    }
    return pos;
}

}  // namespace

std::string UserConfigDir() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/') return std::string(xdg) + "/orandel/";
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') return std::string(home) + "/.config/orandel/";
    return {};
}

std::optional<Units> ParseSettings(const std::string& s) {
    // Line 1: an integer, read the way the run-time library reads one:
    // blanks and line ends before it are skipped, and it must be followed
    // by a blank, a line end or the end of the file.
    std::size_t pos = 0;
    while (pos < s.size() && IsBlank(s[pos])) ++pos;
    const std::size_t start = pos;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) ++pos;
    const std::size_t digits = pos;
    while (pos < s.size() && std::isdigit(static_cast<unsigned char>(s[pos]))) ++pos;
    if (pos == digits || pos - digits > 10) return std::nullopt;
    if (std::stoll(s.substr(digits, pos - digits)) > (s[start] == '-' ? 2147483648LL : 2147483647LL))
        return std::nullopt;
    if (pos < s.size() && !IsBlank(s[pos])) return std::nullopt;
    // The rest of that line is skipped; line 2 is taken as it is.
    pos = NextLine(s, pos);
    std::size_t end = pos;
    while (end < s.size() && s[end] != '\r' && s[end] != '\n') ++end;
    const std::string line2 = s.substr(pos, end - pos);
    if (line2 == "BRIT") return Units::Metric;
    if (line2 == "YANK") return Units::Imperial;
    return std::nullopt;
}

std::string FormatSettings(Units units) {
    return units == Units::Metric ? "1\r\nBRIT\r\n" : "1\r\nYANK\r\n";
}

std::string SettingsPathToRead(const std::string& userDir, const std::string& programDir) {
    std::error_code ec;
    if (!userDir.empty()) {
        const std::string p = userDir + FileName;
        if (std::filesystem::exists(p, ec)) return p;
    }
    const std::string p = programDir + FileName;
    if (std::filesystem::exists(p, ec)) return p;
    return {};
}

std::string SettingsPathToWrite(const std::string& userDir, const std::string& programDir) {
    return (userDir.empty() ? programDir : userDir) + FileName;
}

std::optional<Units> ReadSettingsFile(const std::string& path) {
    if (path.empty()) return std::nullopt;
    // Two short lines; anything far larger is not a settings file.
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec && size > 65536) return std::nullopt;
    try {
        return ParseSettings(venuefile::ReadWholeFile(path));
    } catch (...) {
        return std::nullopt;
    }
}

void WriteSettingsFile(const std::string& path, Units units) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (ec) {
            throw rtl::InOutError(venuefile::InOutCodeFromErrno(ec.value(), true), path);
        }
    }
    venuefile::SaveFileAtomically(path, FormatSettings(units));
}

}  // namespace settings
