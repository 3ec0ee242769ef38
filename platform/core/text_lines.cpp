#include "platform/core/text_lines.h"

namespace rtl {

std::vector<std::string> BreakLines(Canvas& c, const std::string& text, long long room) {
    if (c.TextWidth(text) <= room) return {text};
    std::vector<std::string> lines;
    std::string line;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find(' ', at);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(at, end - at);
        at = end + 1;
        if (word.empty()) continue;
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && c.TextWidth(longer) > room) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

int TextHeightAt(Canvas& c, int points, const std::string& sample) {
    const Font font = c.GetFont();
    c.SetFontSize(points);
    const int height = c.TextHeight(sample);
    c.SetFont(font);
    return height;
}

void ShrinkToWidth(Canvas& c, const std::string& text, long long room, int least) {
    for (int h = c.TextHeight(text); c.TextWidth(text) > room && h > least;) c.SetFontHeight(--h);
}

}  // namespace rtl
