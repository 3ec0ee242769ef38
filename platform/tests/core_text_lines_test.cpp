// Breaking a text into lines that fit a width, on the recording canvas
// (6 pixels a letter at font height 10).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/recording_canvas.h"
#include "platform/core/text_lines.h"

TEST(BreakLines, WordsFillEachLineAndALongWordStandsAlone) {
    const struct {
        const char* text;
        int room;
        std::vector<std::string> lines;
    } cases[] = {
        {"2L / 5R", 42, {"2L / 5R"}},           // fits exactly
        {"2L / 5R", 41, {"2L /", "5R"}},
        {"TILT AND SPLAY ANGLES", 60, {"TILT AND", "SPLAY", "ANGLES"}},
        {"12.75**", 30, {"12.75**"}},          // one word: never cut
        {"a  b", 6, {"a", "b"}},               // blanks between words collapse
        {"", 10, {""}},
    };
    rtl::RecordingCanvas c;
    c.SetFontHeight(10);
    for (const auto& k : cases) EXPECT_EQ(rtl::BreakLines(c, k.text, k.room), k.lines) << k.text;
}
