#include <gtest/gtest.h>

#include <string>

#include "core/i18n/IniFile.h"
#include "testing/FakeFiles.h"

namespace vitrex::i18n {
namespace {

constexpr const char* kPath = "C:\\Program Files\\Vitrex/languages/de.ini";

struct IniFileFixture : ::testing::Test {
    IniFile Load(std::string bytes) {
        files.Seed(kPath, std::move(bytes));
        return IniFile::Load(files, kPath);
    }
    fakes::FakeFiles files;
};

TEST_F(IniFileFixture, NamesCompareWithoutCaseAndBlanksAndOnePairOfQuotesGo) {
    const IniFile ini = Load(
        "[Compatible]\r\n0021=1\r\n"
        "  [ TabGeneric ]  \r\n"
        "  GroupCPU  =   CPU-Auslastung   \r\n"
        "Quoted=\"  Programm  \"\r\n"
        "Single='Sprache'\r\n"
        "Twice=\"\"Doppelt\"\"\r\n"
        "Mixed=\"Halb'\r\n"
        "Empty=\r\n"
        "Equals=a=b\r\n");
    EXPECT_EQ(ini.Read("compatible", "0021", "0"), "1");
    EXPECT_EQ(ini.Read("TABGENERIC", "groupcpu", "x"), "CPU-Auslastung");
    EXPECT_EQ(ini.Read("TabGeneric", "Quoted", "x"), "  Programm  ");
    EXPECT_EQ(ini.Read("TabGeneric", "Single", "x"), "Sprache");
    EXPECT_EQ(ini.Read("TabGeneric", "Twice", "x"), "\"Doppelt\"");
    EXPECT_EQ(ini.Read("TabGeneric", "Mixed", "x"), "\"Halb'");
    EXPECT_EQ(ini.Read("TabGeneric", "Empty", "x"), "") << "an empty value is a value";
    EXPECT_EQ(ini.Read("TabGeneric", "Equals", "x"), "a=b");
}

TEST_F(IniFileFixture, MissingFileSectionOrKeyGiveTheDefaultAndTheFirstOfTwoKeysCounts) {
    const IniFile ini = Load("[Info]\nlanguage=Deutsch\nlanguage=German\n[Other]\nwriter=A\n");
    EXPECT_EQ(ini.Read("Info", "language", "x"), "Deutsch");
    EXPECT_EQ(ini.Read("Info", "writer", "Unknown"), "Unknown") << "the key lives in another section";
    EXPECT_EQ(ini.Read("Nowhere", "language", "d"), "d");
    EXPECT_FALSE(ini.HasSection("Compatible"));
    EXPECT_TRUE(ini.HasSection("other"));
    EXPECT_EQ(IniFile::Load(files, "C:\\missing.ini").Read("Info", "language", "d"), "d");
}

TEST_F(IniFileFixture, ValuesAreCutAfter2047Characters) {
    const IniFile ini =
        Load("[S]\nlong=" + std::string(3000, 'a') + "\nutf=" + std::string(2046, 'b') + "\xE4\xE4\n");
    EXPECT_EQ(ini.Read("S", "long", ""), std::string(2047, 'a'));
    // ANSI: the cut counts bytes, then the kept byte becomes its UTF-8 form.
    EXPECT_EQ(ini.Read("S", "utf", ""), std::string(2046, 'b') + "\xC3\xA4");
}

TEST_F(IniFileFixture, AnsiTextIsConvertedAndAByteOrderMarkMeansUtf8) {
    EXPECT_EQ(Load("[Info]\nlanguage=Fran\xE7"
                   "ais\n")
                  .Read("Info", "language", ""),
              "Fran\xC3\xA7"
              "ais");
    const IniFile utf8 = Load(
        "\xEF\xBB\xBF[Info]\nlanguage=Fran\xC3\xA7"
        "ais\n[S]\nv=" +
        std::string(2046, 'c') + "\xC3\xA4\xC3\xA4\n");
    EXPECT_EQ(utf8.Read("Info", "language", ""),
              "Fran\xC3\xA7"
              "ais")
        << "the section after the mark is found";
    EXPECT_EQ(utf8.Read("S", "v", ""), std::string(2046, 'c') + "\xC3\xA4") << "whole characters are kept";
}

TEST_F(IniFileFixture, BinaryJunkAndOtherFilesHoldNothingAndNeverFail) {
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk += static_cast<char>((i * 37) % 256);
    const IniFile binary = Load(junk);
    EXPECT_EQ(binary.Read("Compatible", "0021", "0"), "0");
    // A zero byte ends a line, not the file.
    constexpr char kWithZero[] = "[Compatible]\n0021=1\0junk\n[Info]\nlanguage=X\n";
    const IniFile zero = Load(std::string(kWithZero, sizeof kWithZero - 1));
    EXPECT_EQ(zero.Read("Compatible", "0021", "0"), "1");
    EXPECT_EQ(zero.Read("Info", "language", ""), "X");
    // Keys before any section belong to none, and a header without its bracket still names one.
    const IniFile loose = Load("0021=1\n[Compatible\n0021=2\n");
    EXPECT_EQ(loose.Read("Compatible", "0021", "0"), "2");
}

}  // namespace
}  // namespace vitrex::i18n
