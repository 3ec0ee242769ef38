#include "venue/drawings/logo.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

// 5 x 7 letters, one row a string, '#' a dot.
using Glyph = std::array<const char*, 7>;

const Glyph& GlyphOf(char ch) {
    static const Glyph kO = {" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "};
    static const Glyph kR = {"     ", "     ", "# ## ", "##  #", "#    ", "#    ", "#    "};
    static const Glyph kA = {"     ", "     ", " ### ", "    #", " ####", "#   #", " ####"};
    static const Glyph kN = {"     ", "     ", "# ## ", "##  #", "#   #", "#   #", "#   #"};
    static const Glyph kD = {"    #", "    #", " ## #", "#  ##", "#   #", "#   #", " ####"};
    static const Glyph kE = {"     ", "     ", " ### ", "#   #", "#####", "#    ", " ### "};
    static const Glyph kL = {" ##  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "};
    switch (ch) {
        case 'O': return kO;
        case 'r': return kR;
        case 'a': return kA;
        case 'n': return kN;
        case 'd': return kD;
        case 'e': return kE;
        default: return kL;
    }
}

}  // namespace

rtl::Picture MakeLogoPicture(int Size) {
    const int size = std::max(Size, 48);
    const rtl::Color navy = rtl::colors::Navy;
    rtl::Picture pic(size, size, rtl::colors::White, "Orandel logo");

    // Frame, two pixels wide.
    for (int i = 0; i < size; ++i)
        for (int t = 0; t < 2; ++t) {
            pic.Set(i, t, navy);
            pic.Set(i, size - 1 - t, navy);
            pic.Set(t, i, navy);
            pic.Set(size - 1 - t, i, navy);
        }

    // The name in the biggest whole-pixel scale that fits with a margin.
    const std::string name = "Orandel";
    const int cells = static_cast<int>(name.size()) * 6 - 1;
    const int scale = std::max(1, (size - 12) / cells);
    const int textWidth = cells * scale;
    const int textHeight = 7 * scale;
    const int bandHeight = textHeight + 4 * scale;
    const int bandTop = (size - bandHeight) / 2;
    for (int y = bandTop; y < bandTop + bandHeight; ++y)
        for (int x = 2; x < size - 2; ++x) pic.Set(x, y, navy);

    const int left = (size - textWidth) / 2;
    const int top = bandTop + 2 * scale;
    for (size_t k = 0; k < name.size(); ++k) {
        const Glyph& g = GlyphOf(name[k]);
        for (int row = 0; row < 7; ++row)
            for (int col = 0; col < 5; ++col) {
                if (g[static_cast<size_t>(row)][col] != '#') continue;
                for (int dy = 0; dy < scale; ++dy)
                    for (int dx = 0; dx < scale; ++dx)
                        pic.Set(left + (static_cast<int>(k) * 6 + col) * scale + dx,
                                top + row * scale + dy, rtl::colors::White);
            }
    }
    return pic;
}
