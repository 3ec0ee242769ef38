// The settings file: what it says, where it is read and written.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/core/errors.h"
#include "app/settings.h"
#include "app/tests/test_support.h"

using settings::ParseSettings;
using settings::Units;

TEST(SettingsFile, TextsThatChooseUnits) {
    EXPECT_EQ(ParseSettings("1\r\nBRIT\r\n"), Units::Metric);
    EXPECT_EQ(ParseSettings("1\r\nYANK\r\n"), Units::Imperial);
    EXPECT_EQ(ParseSettings("1\nYANK\n"), Units::Imperial);
    EXPECT_EQ(ParseSettings("1\nYANK"), Units::Imperial);
    EXPECT_EQ(ParseSettings("1\rYANK\r"), Units::Imperial);
    // The number is read but not used; blanks around it are fine.
    EXPECT_EQ(ParseSettings("  7  \nYANK\n"), Units::Imperial);
    EXPECT_EQ(ParseSettings("\n1\nYANK\n"), Units::Imperial);
}

TEST(SettingsFile, TextsThatChangeNothing) {
    for (const char* text : {"1\nyank\n", "1\nYANK \n", "1\n YANK\n", "1\nBRITISH\n", "", "1",
                             "1\n", "hello\nYANK\n", "1x\nYANK\n", "YANK\n", "\nYANK\n",
                             "99999999999\nYANK\n", "1\n\nYANK\n", "\x01\x02\xff garbage"}) {
        EXPECT_FALSE(ParseSettings(text).has_value()) << '"' << text << '"';
    }
}

TEST(SettingsFile, WrittenBytes) {
    EXPECT_EQ(settings::FormatSettings(Units::Metric), "1\r\nBRIT\r\n");
    EXPECT_EQ(settings::FormatSettings(Units::Imperial), "1\r\nYANK\r\n");
}

TEST(SettingsFile, UserFolderFirstThenBesideTheProgram) {
    ScratchDir user, program;
    EXPECT_EQ(settings::SettingsPathToRead(user.Dir(), program.Dir()), "");
    WriteFile(program.Path("orandel.ini"), "1\nYANK\n");
    EXPECT_EQ(settings::SettingsPathToRead(user.Dir(), program.Dir()), program.Path("orandel.ini"));
    WriteFile(user.Path("orandel.ini"), "1\nBRIT\n");
    EXPECT_EQ(settings::SettingsPathToRead(user.Dir(), program.Dir()), user.Path("orandel.ini"));
    EXPECT_EQ(settings::SettingsPathToRead("", program.Dir()), program.Path("orandel.ini"));
    EXPECT_EQ(settings::SettingsPathToWrite(user.Dir(), program.Dir()), user.Path("orandel.ini"));
    EXPECT_EQ(settings::SettingsPathToWrite("", program.Dir()), program.Path("orandel.ini"));
}

TEST(SettingsFile, WriteCreatesTheFolderAndReplacesTheFile) {
    ScratchDir d;
    const std::string path = d.Path("config/orandel/orandel.ini");
    settings::WriteSettingsFile(path, Units::Imperial);
    EXPECT_EQ(ReadFile(path), "1\r\nYANK\r\n");
    settings::WriteSettingsFile(path, Units::Metric);
    EXPECT_EQ(ReadFile(path), "1\r\nBRIT\r\n");
    EXPECT_EQ(settings::ReadSettingsFile(path), Units::Metric);
}

TEST(SettingsFile, UnreadableFilesAreIgnored) {
    ScratchDir d;
    EXPECT_FALSE(settings::ReadSettingsFile(d.Path("missing.ini")).has_value());
    // Far too large to be a settings file, whatever it begins with.
    WriteFile(d.Path("big.ini"), "1\nYANK\n" + std::string(100000, ' '));
    EXPECT_FALSE(settings::ReadSettingsFile(d.Path("big.ini")).has_value());
    // A folder where the file should be.
    std::filesystem::create_directories(d.Path("orandel.ini"));
    EXPECT_FALSE(settings::ReadSettingsFile(d.Path("orandel.ini")).has_value());
}

TEST(SettingsFile, FailedWriteThrowsAndKeepsTheOldFile) {
    ScratchDir d;
    // A folder that cannot exist: its parent is a file (permission bits do
    // not stop root).
    WriteFile(d.Path("plain"), "x");
    EXPECT_THROW(settings::WriteSettingsFile(d.Path("plain/orandel/orandel.ini"), Units::Metric),
                 rtl::InOutError);
    // A folder where the file should be is not replaced.
    std::filesystem::create_directories(d.Path("taken/orandel.ini"));
    EXPECT_THROW(settings::WriteSettingsFile(d.Path("taken/orandel.ini"), Units::Metric),
                 rtl::InOutError);
    EXPECT_TRUE(std::filesystem::is_directory(d.Path("taken/orandel.ini")));
}
