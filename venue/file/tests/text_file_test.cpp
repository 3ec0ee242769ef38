#include <gtest/gtest.h>

#include <dirent.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>

#include "platform/core/errors.h"
#include "venue/file/text_file.h"

using namespace venuefile;

namespace {

// The message and code of what `fn` throws; code 0 when it throws nothing.
template <typename Fn>
std::pair<int, std::string> Thrown(Fn fn) {
    try {
        fn();
    } catch (const rtl::InOutError& e) {
        return {e.code(), e.what()};
    }
    return {0, ""};
}

std::string ReadRaw(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

}  // namespace

TEST(Writer, LinesEndWithCrLf) {
    TextFileWriter w("hall.ven");
    w.WriteText("Salle Pl\xC3\xA9yel");
    w.WriteReal(-4);
    w.WriteString("Arvo");
    w.WriteReal(1.4);
    w.WriteInteger(16);
    w.WriteInteger(-2);
    w.WriteBoolean(true);
    w.WriteBoolean(false);
    w.WriteString("");
    EXPECT_EQ(w.LineCount(), 9);
    EXPECT_EQ(w.Contents(),
              "Salle Pl\xE9yel\r\n"
              "-4.00000000000000E+0000\r\n"
              "Arvo\r\n"
              " 1.40000000000000E+0000\r\n"
              "16\r\n"
              "-2\r\n"
              "TRUE\r\n"
              "FALSE\r\n"
              "\r\n");
}

TEST(Writer, LineBreaksInsideAStringBecomeBlanks) {
    TextFileWriter w("hall.ven");
    w.WriteString("Hall\r\nB\rC\nD");
    w.WriteText("x\ny");
    EXPECT_EQ(w.Contents(), "Hall  B C D\r\nx y\r\n");
    EXPECT_EQ(w.LineCount(), 2);
}

TEST(Writer, NonFiniteRealStopsBeforeTheDisk) {
    TextFileWriter w("hall.ven");
    w.WriteString("name");
    w.WriteReal(1);
    auto [code, text] = Thrown([&] { w.WriteReal(std::numeric_limits<double>::quiet_NaN()); });
    EXPECT_EQ(code, 106);
    EXPECT_EQ(text, "Invalid numeric input (hall.ven, line 3)");
    EXPECT_EQ(w.LineCount(), 2);
    EXPECT_EQ(Thrown([&] { w.WriteReal(-std::numeric_limits<double>::infinity()); }).first, 106);
    EXPECT_EQ(w.Contents(), "name\r\n 1.00000000000000E+0000\r\n");
}

TEST(Reader, ValuesLineByLine) {
    TextFileReader r("hall.ven",
                     "Salle Pl\xE9yel\r\n"
                     "-4.00000000000000E+0000\r\n"
                     "MIXArvoBexa\r\n"
                     " 8.00000000000000E+0001\r\n"
                     "16\r\n"
                     "TRUE\r\n"
                     "True\r\n"
                     "  REAR  \r\n");
    EXPECT_FALSE(r.AtEnd());
    EXPECT_EQ(r.ReadText(), "Salle Pl\xC3\xA9yel");
    EXPECT_EQ(r.ReadReal(), -4.0);
    EXPECT_EQ(r.ReadString(), "MIXArvoBexa");
    EXPECT_EQ(r.ReadReal(), 80.0);
    EXPECT_EQ(r.ReadInteger(), 16);
    EXPECT_TRUE(r.ReadBoolean());
    EXPECT_FALSE(r.ReadBoolean());
    EXPECT_EQ(r.ReadString(), "  REAR  ");
    EXPECT_EQ(r.LinesRead(), 8);
    EXPECT_TRUE(r.AtEnd());
    // Read again from the top, as a layout reader does.
    r.Restart();
    EXPECT_EQ(r.LinesRead(), 0);
    EXPECT_EQ(r.ReadString(), "Salle Pl\xE9yel");
    // "-4.00000000000000E+0000" is a real, not an integer.
    EXPECT_EQ(Thrown([&] { r.ReadInteger(); }).second, "Invalid numeric input (hall.ven, line 2)");
}

TEST(Reader, FailuresNamePathAndLine) {
    const std::string file =
        "name\r\n"       // 1
        "-4\r\n"         // 2
        "Arvo\r\n"       // 3
        "\r\n"           // 4 empty number line
        "   \r\n"        // 5 blank number line
        "1.4abc\r\n"     // 6
        "nan\r\n"        // 7
        "3.5\r\n"        // 8 not an integer
        "2147483648\r\n" // 9 beyond 32 bits
        "1e999\r\n";     // 10 beyond a double
    TextFileReader r("C:/venues/venue.ven", file);
    r.ReadString();
    r.ReadReal();
    r.ReadString();
    // Lines 4 to 10, read as real (R) or integer (I).
    const char kinds[] = "RIRRIIR";
    for (int line = 4; line <= 10; ++line) {
        const bool real = kinds[line - 4] == 'R';
        auto [code, text] = Thrown([&] { real ? (void)r.ReadReal() : (void)r.ReadInteger(); });
        EXPECT_EQ(code, 106) << line;
        EXPECT_EQ(text, "Invalid numeric input (C:/venues/venue.ven, line " + std::to_string(line) + ")");
    }
    auto [code, text] = Thrown([&] { r.ReadString(); });
    EXPECT_EQ(code, 100);
    EXPECT_EQ(text, "Read beyond end of file (C:/venues/venue.ven, line 11)");
}

TEST(Reader, CutShortFiles) {
    // Empty file: even line 1 is beyond the end.
    TextFileReader empty("a.ven", "");
    EXPECT_TRUE(empty.AtEnd());
    EXPECT_EQ(Thrown([&] { empty.ReadString(); }).second, "Read beyond end of file (a.ven, line 1)");

    // Cut in the middle of a number: what is there is still read.
    TextFileReader cut("a.ven", "n\r\n-4.0000");
    cut.ReadString();
    EXPECT_EQ(cut.ReadReal(), -4.0);
    for (int i = 0; i < 3; ++i) {
        auto [code, text] = Thrown([&] { cut.ReadBoolean(); });
        EXPECT_EQ(code, 100);
        EXPECT_EQ(text, "Read beyond end of file (a.ven, line " + std::to_string(3 + i) + ")");
    }

    // Cut between CR and LF: the CR ends the line, nothing follows.
    TextFileReader cr("a.ven", "n\r\n12\r");
    cr.ReadString();
    EXPECT_EQ(cr.ReadInteger(), 12);
    EXPECT_TRUE(cr.AtEnd());
    EXPECT_EQ(Thrown([&] { cr.ReadReal(); }).first, 100);
}

TEST(Reader, LineEndingsOfEveryKind) {
    const char* files[] = {
        "a\r\n\r\n1\r\nTRUE\r\n",  // CR LF
        "a\n\n1\nTRUE\n",          // LF only
        "a\r\r1\rTRUE\r",          // CR only
        "a\r\n\n1\rTRUE",          // mixed, no ending on the last line
    };
    for (const char* f : files) {
        TextFileReader r("a.ven", f);
        EXPECT_EQ(r.ReadString(), "a") << f;
        EXPECT_EQ(r.ReadString(), "") << f;
        EXPECT_EQ(r.ReadInteger(), 1) << f;
        EXPECT_TRUE(r.ReadBoolean()) << f;
        EXPECT_TRUE(r.AtEnd()) << f;
        EXPECT_EQ(Thrown([&] { r.ReadString(); }).first, 100) << f;
    }
    // LF CR is two endings with an empty line between.
    TextFileReader r("a.ven", "a\n\rb");
    EXPECT_EQ(r.ReadString(), "a");
    EXPECT_EQ(r.ReadString(), "");
    EXPECT_EQ(r.ReadString(), "b");
}

TEST(Reader, ZeroBytesStayInTheLine) {
    TextFileReader r("a.ven", std::string("a\0b\r\n7\0\r\n", 9));
    EXPECT_EQ(r.ReadString(), std::string("a\0b", 3));
    EXPECT_EQ(r.ReadInteger(), 7);  // NUL counts as a blank after the number
}

TEST(FileRoundTrip, SavedFileReadsBack) {
    char tmpl[] = "/tmp/venuefile-rt.XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    const std::string path = std::string(tmpl) + "/hall.ven";

    TextFileWriter w(path);
    w.WriteText("Z\xC3\xBCrich \xE2\x82\xAC \xE6\x97\xA5");  // Zürich € 日
    w.WriteReal(-4);
    w.WriteString("MIXIvorDoviElka");
    w.WriteReal(12.345678901234);
    w.WriteInteger(-2147483647 - 1);
    w.WriteBoolean(true);
    w.WriteReal(-0.0);
    w.WriteReal(1e-320);
    w.Save();
    EXPECT_EQ(ReadRaw(path).substr(0, 12), "Z\xFCrich \x80 ?\r\n");

    TextFileReader r = TextFileReader::Open(path);
    EXPECT_EQ(r.ReadText(), "Z\xC3\xBCrich \xE2\x82\xAC ?");
    EXPECT_EQ(r.ReadReal(), -4.0);
    EXPECT_EQ(r.ReadString(), "MIXIvorDoviElka");
    EXPECT_EQ(r.ReadReal(), 12.345678901234);
    EXPECT_EQ(r.ReadInteger(), INT32_MIN);
    EXPECT_TRUE(r.ReadBoolean());
    EXPECT_EQ(r.ReadReal(), 0.0);
    EXPECT_EQ(r.ReadReal(), 1e-320);  // 9.99988671826831E-0321 reads back to the same subnormal
    EXPECT_TRUE(r.AtEnd());

    // Opening a missing file names it.
    auto [code, text] = Thrown([&] { TextFileReader::Open(path + ".bak"); });
    EXPECT_EQ(code, 2);
    EXPECT_EQ(text, "File not found (" + path + ".bak)");

    // Saving into a folder that is gone fails and creates nothing.
    TextFileWriter lost(std::string(tmpl) + "/gone/hall.ven");
    lost.WriteInteger(1);
    EXPECT_EQ(Thrown([&] { lost.Save(); }).first, 3);

    ::unlink(path.c_str());
    ::rmdir(tmpl);
}
