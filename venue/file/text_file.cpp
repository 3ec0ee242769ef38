#include "venue/file/text_file.h"

#include <cmath>
#include <utility>

#include "platform/core/errors.h"
#include "venue/file/disk.h"
#include "venue/file/text_values.h"
#include "venue/file/windows1252.h"

namespace venuefile {

using rtl::InOutError;

TextFileReader::TextFileReader(std::string path, std::string contents)
    : path_(std::move(path)), contents_(std::move(contents)) {}

TextFileReader TextFileReader::Open(const std::string& path) {
    return TextFileReader(path, ReadWholeFile(path));
}

void TextFileReader::Fail(int code) const {
    throw InOutError(code, path_ + ", line " + std::to_string(line_));
}

std::string_view TextFileReader::NextLine() {
    if (line_ == INT32_MAX) Fail(InOutError::ReadBeyondEnd);
    ++line_;
    if (pos_ >= contents_.size()) Fail(InOutError::ReadBeyondEnd);
    const std::size_t start = pos_;
    const std::size_t end = contents_.find_first_of("\r\n", start);
    if (end == std::string::npos) {
        pos_ = contents_.size();
        return std::string_view(contents_).substr(start);
    }
    pos_ = end + 1;
    if (contents_[end] == '\r' && pos_ < contents_.size() && contents_[pos_] == '\n') ++pos_;
    return std::string_view(contents_).substr(start, end - start);
}

double TextFileReader::ReadReal() {
    double v = 0;
    if (!ParseReal(NextLine(), v)) Fail(InOutError::InvalidNumericInput);
    return v;
}

std::int32_t TextFileReader::ReadInteger() {
    std::int32_t v = 0;
    if (!ParseInteger(NextLine(), v)) Fail(InOutError::InvalidNumericInput);
    return v;
}

bool TextFileReader::ReadBoolean() { return ParseBoolean(NextLine()); }

std::string TextFileReader::ReadString() { return std::string(NextLine()); }

std::string TextFileReader::ReadText() { return Windows1252ToUtf8(NextLine()); }

void TextFileReader::Restart() noexcept {
    pos_ = 0;
    line_ = 0;
}

TextFileWriter::TextFileWriter(std::string path) : path_(std::move(path)) {}

void TextFileWriter::Put(std::string_view line) {
    contents_.append(line);
    contents_.append("\r\n");
    ++lines_;
}

void TextFileWriter::WriteReal(double value) {
    if (!std::isfinite(value))
        throw InOutError(InOutError::InvalidNumericInput, path_ + ", line " + std::to_string(lines_ + 1));
    Put(FormatReal(value));
}

void TextFileWriter::WriteInteger(std::int32_t value) { Put(FormatInteger(value)); }

void TextFileWriter::WriteBoolean(bool value) { Put(FormatBoolean(value)); }

void TextFileWriter::WriteString(std::string_view text) {
    std::string line(text);
    for (char& c : line)
        if (c == '\r' || c == '\n') c = ' ';
    Put(line);
}

void TextFileWriter::WriteText(std::string_view utf8) { WriteString(Utf8ToWindows1252(utf8)); }

void TextFileWriter::Save() const { SaveFileAtomically(path_, contents_); }

}  // namespace venuefile
