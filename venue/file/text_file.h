#pragma once
// Line-by-line reading and writing of a venue file.
//
// Reading works on the whole file held in memory.  A line ends at CR LF, at a
// lone LF or at a lone CR, so files that went through a Unix or an old Mac
// tool read the same as the program's own; a last line without an ending
// still counts, and an ending at the very end of the file opens no further
// line.  Every failure throws rtl::InOutError with the run-time text, the
// path and the line: "Invalid numeric input (hall.ven, line 7)".
//
// Writing collects the lines, each ended by CR LF, and Save() puts them on
// the disk all or nothing (see SaveFileAtomically).

#include <cstdint>
#include <string>
#include <string_view>

namespace venuefile {

class TextFileReader {
public:
    // Reads lines out of `contents`; `path` only names the file in errors.
    TextFileReader(std::string path, std::string contents);
    // Reads the whole file first (errors as ReadWholeFile).
    static TextFileReader Open(const std::string& path);

    // Each reads the next line; past the last line they throw
    // "Read beyond end of file".
    // The first number on the line (see ParseReal); "Invalid numeric input"
    // when there is none.
    double ReadReal();
    // The first integer on the line (see ParseInteger); "Invalid numeric
    // input" when there is none or it does not fit 32 bits.
    std::int32_t ReadInteger();
    // The whole line; exactly "TRUE" is true.
    bool ReadBoolean();
    // The whole line, bytes as they are.
    std::string ReadString();
    // The whole line taken as Windows-1252 and given back as UTF-8 (the venue
    // name).
    std::string ReadText();

    // Back to line 1.
    void Restart() noexcept;
    // Number of lines read so far; the line read next is LinesRead() + 1.
    int LinesRead() const noexcept { return line_; }
    bool AtEnd() const noexcept { return pos_ >= contents_.size(); }
    const std::string& Path() const noexcept { return path_; }

private:
    std::string_view NextLine();
    [[noreturn]] void Fail(int code) const;

    std::string path_;
    std::string contents_;
    std::size_t pos_ = 0;
    int line_ = 0;
};

class TextFileWriter {
public:
    // `path` is where Save() writes and what errors name.
    explicit TextFileWriter(std::string path);

    // The 23-character real form.  A NaN or an infinity is not written: it
    // throws "Invalid numeric input" naming the line, so the save stops
    // before the disk is touched and no unreadable file replaces a good one.
    void WriteReal(double value);
    void WriteInteger(std::int32_t value);
    void WriteBoolean(bool value);
    // The text as it is, except that CR and LF become blanks: a line break
    // inside a value would shift every following line.
    void WriteString(std::string_view text);
    // UTF-8 text written as Windows-1252 ("?" for what that lacks), then as
    // WriteString.
    void WriteText(std::string_view utf8);

    int LineCount() const noexcept { return lines_; }
    const std::string& Contents() const noexcept { return contents_; }
    const std::string& Path() const noexcept { return path_; }

    // Replaces the file at Path() by the lines written (SaveFileAtomically).
    void Save() const;

private:
    void Put(std::string_view line);

    std::string path_;
    std::string contents_;
    int lines_ = 0;
};

}  // namespace venuefile
