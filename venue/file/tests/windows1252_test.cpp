#include <gtest/gtest.h>

#include <string>

#include "venue/file/windows1252.h"

using namespace venuefile;

TEST(Windows1252, ToUtf8) {
    EXPECT_EQ(Windows1252ToUtf8(""), "");
    EXPECT_EQ(Windows1252ToUtf8("Main Hall 2"), "Main Hall 2");
    EXPECT_EQ(Windows1252ToUtf8("Caf\xE9"), "Caf\xC3\xA9");                 // é U+00E9
    EXPECT_EQ(Windows1252ToUtf8("\x80"), "\xE2\x82\xAC");                   // € U+20AC
    EXPECT_EQ(Windows1252ToUtf8("\x8C\x9C"), "\xC5\x92\xC5\x93");           // Œ œ
    EXPECT_EQ(Windows1252ToUtf8("\x99"), "\xE2\x84\xA2");                   // ™ U+2122
    EXPECT_EQ(Windows1252ToUtf8("\x9F"), "\xC5\xB8");                       // Ÿ U+0178
    EXPECT_EQ(Windows1252ToUtf8("\xA0\xFF"), "\xC2\xA0\xC3\xBF");           // nbsp ÿ
    EXPECT_EQ(Windows1252ToUtf8("\x81\x8D\x8F\x90\x9D"),
              "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");                  // unassigned
    EXPECT_EQ(Windows1252ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Windows1252, FromUtf8) {
    EXPECT_EQ(Utf8ToWindows1252(""), "");
    EXPECT_EQ(Utf8ToWindows1252("Main Hall 2"), "Main Hall 2");
    EXPECT_EQ(Utf8ToWindows1252("Caf\xC3\xA9"), "Caf\xE9");
    EXPECT_EQ(Utf8ToWindows1252("\xE2\x82\xAC" "5"), "\x80" "5");
    EXPECT_EQ(Utf8ToWindows1252("\xE2\x80\x93"), "\x96");                   // – U+2013
    EXPECT_EQ(Utf8ToWindows1252("\xC2\x81"), "\x81");
    // Not in the code page: one "?" per character.
    EXPECT_EQ(Utf8ToWindows1252("\xE6\x97\xA5\xE6\x9C\xAC"), "??");         // 日本
    EXPECT_EQ(Utf8ToWindows1252("a\xF0\x9F\x98\x80" "b"), "a?b");           // U+1F600
    EXPECT_EQ(Utf8ToWindows1252("\xC4\x80"), "?");                          // Ā U+0100
    EXPECT_EQ(Utf8ToWindows1252("\xC2\x80"), "?");                          // C1 U+0080 has no byte
}

TEST(Windows1252, MalformedUtf8BecomesQuestionMarks) {
    EXPECT_EQ(Utf8ToWindows1252("\xFF"), "?");
    EXPECT_EQ(Utf8ToWindows1252("x\x80y"), "x?y");                          // stray continuation
    EXPECT_EQ(Utf8ToWindows1252("\xE2\x82" "A"), "?A");                     // cut short
    EXPECT_EQ(Utf8ToWindows1252("\xE2\x82"), "?");                          // cut short at the end
    EXPECT_EQ(Utf8ToWindows1252("\xC0\xAF"), "??");                         // overlong "/"
    EXPECT_EQ(Utf8ToWindows1252("\xE0\x80\xAF"), "???");                    // overlong, 3 bytes
    EXPECT_EQ(Utf8ToWindows1252("\xED\xA0\x80"), "???");                    // surrogate U+D800
    EXPECT_EQ(Utf8ToWindows1252("\xF4\x90\x80\x80"), "????");               // beyond U+10FFFF
    EXPECT_EQ(Utf8ToWindows1252("\xC3"), "?");
}

TEST(Windows1252, EveryByteComesBack) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all)), all);
}
