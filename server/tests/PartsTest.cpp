#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "../../tests/common/Sha256Vectors.h"
#include "Cp1252.h"
#include "DataFolder.h"
#include "FormDecoding.h"
#include "LogLine.h"
#include "Options.h"
#include "ReportText.h"
#include "RequestFraming.h"
#include "Script.h"
#include "Sha256.h"

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

    std::string crowd;
    for (int i = 0; i < 100000; ++i)
        crowd += "a&";
    EXPECT_EQ(Form::Decode("text=first&" + crowd, 64).Fields().size(), 64u)
        << "a body of empty fields stops early";
}

TEST(RequestFraming, FindsTheEndOfARequestAndRefusesWhatItCannotBound) {
    const auto frame = [](const std::string& bytes) { return FrameRequest(bytes, 100); };
    EXPECT_EQ(frame("GET / HTTP/1.1\r\nHost: x\r\n").state, Frame::State::Incomplete);
    const Frame post = frame("POST /x HTTP/1.1\r\ncontent-length: 5\r\nExpect: 100-continue\r\n\r\nab");
    ASSERT_EQ(post.state, Frame::State::Complete);
    EXPECT_EQ(post.head_size, 61u);
    EXPECT_EQ(post.body_size, 5u);
    EXPECT_TRUE(post.ExpectsContinue());
    EXPECT_EQ(post.request_line, "POST /x HTTP/1.1");
    EXPECT_EQ(frame("GET / HTTP/1.1\n\n").head_size, 16u);
    const std::pair<std::string, int> refused[] = {
        {"POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n", 411},
        {"POST / HTTP/1.1\r\nContent-Length: 101\r\n\r\n", 413},
        {"POST / HTTP/1.1\r\nContent-Length: 99999999999999999999999\r\n\r\n", 413},
        {"POST / HTTP/1.1\r\nContent-Length: -1\r\n\r\n", 400},
        {"POST / HTTP/1.1\r\nContent-Length: 5\r\nContent-Length: 6\r\n\r\n", 400},
        {"GET / HTTP/1.1\r\nRange: bytes=0-1, 1-2\r\n\r\n", 416},
        {"GET / HTTP/1.1\r\nX: " + std::string(RequestLimits::kHeaderLine, 'x'), 431},
        {"GET /" + std::string(RequestLimits::kRequestLine, 'x'), 414},
    };
    for (const auto& [bytes, status] : refused) {
        const Frame refusal = frame(bytes);
        EXPECT_EQ(refusal.state, Frame::State::Refused) << bytes.substr(0, 60);
        EXPECT_EQ(refusal.status, status) << bytes.substr(0, 60);
    }
    EXPECT_EQ(frame("GET / HTTP/1.1\r\n" + std::string(RequestLimits::kHead, 'x')).status, 431)
        << "an endless line is refused before it ends";
}

TEST(ReportText, TurnsWellFormedCharacterReferencesIntoCharacters) {
    EXPECT_EQ(DecodeCharacterReferences("&#26085;&#x65e5;&#X65E5;&#65;&#x10FFFF;"),
              "\xE6\x97\xA5\xE6\x97\xA5\xE6\x97\xA5"
              "A\xF4\x8F\xBF\xBF");
    for (const char* kept : {"&#0;", "&#xDFFF;", "&#x110000;", "&#99999999999999999999;", "&#12", "&#;",
                             "&#x;", "&#-5;", "&# 5;", "&amp;", "&#", "&"}) {
        EXPECT_EQ(DecodeCharacterReferences(kept), kept);
    }
    EXPECT_EQ(DecodeCharacterReferences("&&#65;&#&#66;"), "&A&#B");
    EXPECT_EQ(WithVisibleNul(std::string("a\0b", 3)),
              "a\xE2\x90\x80"
              "b");
}

TEST(LogLine, EscapesControlCharactersAndNamesAShortReply) {
    EXPECT_EQ(EscapeForLog(std::string("a\x1B[1m\r\n\x7F\0\"\\\xC3\xA4", 13)),
              "a\\x1B[1m\\x0D\\x0A\\x7F\\x00\\x22\\x5C\xC3\xA4");
    EXPECT_EQ(RequestLogLine("1.2.3.4", "GET /", 200, 4, 4), "1.2.3.4 \"GET /\" 200 4");
    EXPECT_EQ(RequestLogLine("1.2.3.4", "GET /", 200, 3, 4), "1.2.3.4 \"GET /\" 200 3 of 4");
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
    EXPECT_FALSE(ParseOptions({"--data", "d", "--bogus"}, error, help));
    EXPECT_EQ(error, "unknown option --bogus");
    EXPECT_FALSE(ParseOptions({"--data", "d", "stray"}, error, help));
    EXPECT_EQ(error, "unexpected argument stray");
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--base-url", "not a url"},
                                                {"--base-url", "ftp://x.example/"},
                                                {"--base-url", "https://"},
                                                {"--bind", "localhost"},
                                                {"--newest-build", "9999\r\nx"},
                                                {"--test-control", "short"},
                                                {"--test-control", "0123456789abcdef&x"},
                                                {"--port", "+80"},
                                                {"--database", ""}}) {
        auto args = bad;
        args.insert(args.begin(), {"--data", "d"});
        EXPECT_FALSE(ParseOptions(args, error, help)) << bad[0] << " " << bad[1];
        EXPECT_TRUE(error.starts_with(bad[0])) << error;
    }
    const auto control = ParseOptions(
        {"--data", "d", "--test-control", "0123456789abcdef", "--bind", "::1", "--newest-build", ""}, error,
        help);
    ASSERT_TRUE(control) << error;
    EXPECT_EQ(control->test_control_token, "0123456789abcdef");
    EXPECT_EQ(control->script.newest_build, "");
    ParseOptions({"--help"}, error, help);
    EXPECT_TRUE(help);
}

TEST(Sha256, TheFilesDigestsAreTheStandardOnes) {
    const auto path =
        std::filesystem::temp_directory_path() / ("vitrex-sha256-" + std::to_string(::getpid()));
    for (const auto& vector : testing::Sha256Vectors()) {
        std::ofstream(path, std::ios::binary) << vector.message;
        EXPECT_EQ(Sha256HexOfFile(path), vector.digest) << vector.label;
    }
    std::filesystem::remove(path);
    EXPECT_EQ(Sha256HexOfFile(path), std::nullopt) << "no file";
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
    EXPECT_EQ(open("\xEF\xBB\xBF"
                   "0022 | 0.22 | d | u.exe\n"),
              "")
        << "a UTF-8 byte-order mark is no part of line 1";
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
