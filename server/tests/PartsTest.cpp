#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Cp1252.h"
#include "DataFolder.h"
#include "FormDecoding.h"
#include "Options.h"
#include "Script.h"

namespace vitrex::server {
namespace {

TEST(FormDecoding, FollowsTheFormRulesAndKeepsStrayPercentSigns) {
    const Form form = Form::Decode("a=1+2%2B3&&b=%41%e9%4&c&d=%zz=&a=second&", 64);
    EXPECT_EQ(form.Field("a"), "1 2+3");
    EXPECT_EQ(form.Field("b"), "A\xE9%4");
    EXPECT_EQ(form.Field("c"), "");
    EXPECT_EQ(form.Field("d"), "%zz=");
    EXPECT_EQ(form.Field("e"), std::nullopt);
    EXPECT_EQ(form.Fields().size(), 5u);
    EXPECT_EQ(DecodeFormComponent("100%"), "100%");
}

TEST(Cp1252, EveryByteSurvivesTheWayToUtf8AndBack) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string utf8 = Cp1252ToUtf8(all);
    EXPECT_EQ(Utf8ToCp1252(utf8), all);
    EXPECT_EQ(Cp1252ToUtf8("\x80\xE4"), "\xE2\x82\xAC\xC3\xA4");
    EXPECT_EQ(Utf8ToCp1252("\xE2\x86\x92 \xF0\x9F\x98\x80"), "? ?") << "characters the code page lacks";
    EXPECT_EQ(Utf8ToCp1252("bad \xC3 \xE4"), "bad \xC3 \xE4") << "stray bytes pass as they are";
}

TEST(Faults, AreParsedFromModeAndTarget) {
    std::string error;
    const auto stall = ParseFault("stall@update.php?check=1&infos", error);
    ASSERT_TRUE(stall);
    EXPECT_EQ(stall->path, "/update.php");
    EXPECT_TRUE(stall->Matches("/update.php", {{"check", "1"}, {"infos", "x"}}));
    EXPECT_FALSE(stall->Matches("/update.php", {{"check", "1"}}));
    EXPECT_FALSE(stall->Matches("/update.php", {{"check", "2"}, {"infos", ""}}));
    EXPECT_FALSE(stall->Matches("/page.php", {{"check", "1"}, {"infos", ""}}));
    EXPECT_EQ(ParseFault("huge:10@/x", error)->amount, 10u);
    for (const char* bad : {"stall", "stall@", "huge@/x", "status:42@/x", "cut:3@/x", "slow@/x"}) {
        EXPECT_FALSE(ParseFault(bad, error)) << bad;
    }
}

TEST(Options, NeedADataFolderAndCheckTheirValues) {
    std::string error;
    bool help = false;
    const auto options =
        ParseOptions({"--data", "d", "--port", "0", "--base-url", "https://x.example"}, error, help);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->port, 0);
    EXPECT_EQ(options->base_url, "https://x.example/");
    EXPECT_EQ(options->database, std::filesystem::path("d") / "reports.sqlite");
    EXPECT_EQ(options->bind, "127.0.0.1");
    EXPECT_FALSE(ParseOptions({"--port", "0"}, error, help));
    EXPECT_FALSE(ParseOptions({"--data", "d", "--port", "70000"}, error, help));
    EXPECT_FALSE(ParseOptions({"--data", "d", "--port"}, error, help));
    EXPECT_FALSE(ParseOptions({"--data", "d", "--throttle", "-5"}, error, help));
    EXPECT_FALSE(ParseOptions({"--data", "d", "--frobnicate", "1"}, error, help));
    ParseOptions({"--help"}, error, help);
    EXPECT_TRUE(help);
}

TEST(Releases, AFaultyLineStopsTheServerWithItsNumber) {
    const auto root =
        std::filesystem::temp_directory_path() / ("vitrex-releases-" + std::to_string(::getpid()));
    std::filesystem::create_directories(root);
    const auto open = [&](const std::string& text) {
        std::ofstream(root / "releases.txt", std::ios::binary) << text;
        std::string error;
        DataFolder::Open(root, error);
        return error;
    };
    EXPECT_EQ(open("# comment\n\n0022 | 0.22 | | u.exe\r\n"), "");
    EXPECT_NE(open("0022 | 0.22 | d\n").find("line 1"), std::string::npos);
    EXPECT_NE(open("\n22a | 0.22 | d | u.exe\n").find("line 2"), std::string::npos);
    EXPECT_NE(open("0022 | 0.22 | d | ../u.exe\n").find("line 1"), std::string::npos);
    EXPECT_NE(open("0022 | a | d | u.exe\n0022 | b | d | v.exe\n").find("twice"), std::string::npos);
    std::filesystem::remove_all(root);
    std::string error;
    DataFolder::Open(root, error);
    EXPECT_NE(error.find("releases.txt"), std::string::npos);
}

}  // namespace
}  // namespace vitrex::server
