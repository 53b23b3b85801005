#include <chrono>
#include <regex>
#include <thread>

#include "ReportStoreReader.h"
#include "TestSite.h"

namespace vitrex::server::testing {
namespace {

constexpr const char* kSha256OfAbc = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";

std::vector<std::string> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "every line ends in CR LF";
    return lines;
}

std::string Title(const std::string& html) {
    std::smatch match;
    return std::regex_search(html, match, std::regex("<title>([^<]*)</title>")) ? match[1].str() : "(none)";
}

using ContractTest = TestSite;

TEST_F(ContractTest, TheCheckAnswersTheGreatestBuildAloneWhateverTheOrderOfTheReleases) {
    Write("releases.txt", "0022 | 0.22 | d | a.exe\n0019 | 0.19 | d | b.exe\n0021 | 0.21 | d | c.exe\n");
    Start();
    EXPECT_EQ(Body("/update.php?check=1"), "0022");
}

TEST_F(ContractTest, TheInformationLinesLeadToTheChangeLogTheDownloadAndTheManualPage) {
    WriteReleases("abc");
    Start();
    const auto lines = CrLfLines(Body("/update.php?infos=1&language=de"));
    ASSERT_EQ(lines.size(), 7u);
    const std::string base = server_->BaseUrl();
    EXPECT_EQ(base, "http://127.0.0.1:" + std::to_string(server_->Port()) + "/");
    EXPECT_EQ(lines[0], "0022");
    EXPECT_EQ(lines[1], "0.22 PreBuild");
    EXPECT_EQ(lines[2], "1. M\xE4rz 2006") << "the program reads its texts in its 8-bit code page";
    EXPECT_EQ(lines[3], base + "download.php?build=0022");
    EXPECT_EQ(lines[4], base + "page.php?page=manual&build=");
    EXPECT_EQ(lines[5], base + "changelog.php?build=");
    EXPECT_EQ(lines[6], kSha256OfAbc);

    // The program follows the lines as they are, with its build and language appended.
    const std::string prefix = "/" + lines[5].substr(base.size());
    EXPECT_EQ(Body(prefix + "0021&language=de"),
              "0.22 PreBuild (1. M\xE4rz 2006)\r\nSchneller.\r\nGr\xF6\xDF"
              "er.\r\n");
    EXPECT_EQ(Body("/" + lines[3].substr(base.size())), "abc");
    const std::string manual = Body("/" + lines[4].substr(base.size()) + "0021&language=de");
    EXPECT_NE(manual.find("0021"), std::string::npos);
    EXPECT_NE(manual.find(base + "download.php?build=0022"), std::string::npos);
}

TEST_F(ContractTest, TheUpdatesSignatureIsTheEighthLineInHexOnlyWhenTheDataFolderHasOne) {
    WriteReleases("abc");
    Start();
    EXPECT_EQ(CrLfLines(Body("/update.php?infos=1&language=en")).size(), 7u) << "unsigned: seven lines";
    Write("files/update-0022.exe.sig", std::string("\x30\x06\x02\x01\x01\x02\x01\xff", 8));
    auto lines = CrLfLines(Body("/update.php?infos=1&language=en"));
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[6], kSha256OfAbc);
    EXPECT_EQ(lines[7], "30060201010201ff");
    // Whatever is far too large for a signature is none.
    Write("files/update-0022.exe.sig", std::string(4096, 'x'));
    EXPECT_EQ(CrLfLines(Body("/update.php?infos=1&language=en")).size(), 7u);
}

TEST_F(ContractTest, APublicBaseUrlIsUsedForEveryLink) {
    WriteReleases();
    Options options;
    options.base_url = "https://vitrex.example/updates/";
    Start(options);
    const auto lines = CrLfLines(Body("/update.php?infos=1&language=en"));
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[3], "https://vitrex.example/updates/download.php?build=0022");
    EXPECT_EQ(lines[5], "https://vitrex.example/updates/changelog.php?build=");
}

TEST_F(ContractTest, TheChangeLogHoldsTheNewerReleasesNewestFirstInTheLanguageOrElseEnglish) {
    WriteReleases();
    Start();
    EXPECT_EQ(Body("/changelog.php?build=0020&language=fr"),
              "0.22 PreBuild (1. M\xE4rz 2006)\r\nFaster.\r\nSafer.\r\n"
              "\r\n0.21 PreBuild (26. Oktober 2005)\r\nFirst.\r\n");
    EXPECT_EQ(Body("/changelog.php?build=0022&language=en"), "") << "nothing is newer than the newest";
    auto client = Client();
    EXPECT_EQ(client.Get("/changelog.php?build=abc&language=en")->status, 400);
    EXPECT_EQ(client.Get("/update.php")->status, 400);
}

TEST_F(ContractTest, TheDownloadServesOnlyTheListedReleasesFiles) {
    WriteReleases(std::string(200000, '\x90'));
    Write("releases.txt", "0022 | 0.22 | d | update-0022.exe\n0023 | 0.23 | d | missing.exe\n");
    Start();
    auto client = Client();
    const auto update = client.Get("/download.php?build=0022");
    ASSERT_TRUE(update);
    EXPECT_EQ(update->body, std::string(200000, '\x90'));
    EXPECT_EQ(update->get_header_value("Content-Length"), "200000");
    EXPECT_EQ(client.Get("/download.php?build=0023")->status, 404) << "listed, but its file is missing";
    EXPECT_EQ(client.Get("/download.php?build=0024")->status, 404);
    EXPECT_EQ(client.Get("/download.php?build=../releases.txt")->status, 404);
}

TEST_F(ContractTest, PagesComeFromTheDataFolderByLanguageElseBuiltIn) {
    WriteReleases();
    Write("pages/intern.de.html", "<title>Vitrex WebBrowser</title>Hallo {version} {nothing}");
    Write("pages/intern.en.html", "<title>Vitrex WebBrowser</title>Hello <{language}>");
    Write("pages/secret.en.html", "top secret");
    Start();
    EXPECT_EQ(Body("/page.php?intern=1&language=de"),
              "<title>Vitrex WebBrowser</title>Hallo 0.22 PreBuild {nothing}");
    EXPECT_EQ(Body("/page.php?intern=1&language=fr"), "<title>Vitrex WebBrowser</title>Hello <fr>");
    EXPECT_EQ(Body("/page.php?intern=1&language=../pages/x"), "<title>Vitrex WebBrowser</title>Hello <en>")
        << "a language that is no plain code reads as English";

    // The embedded browser replaces any page without this exact title by its error page.
    for (const char* path :
         {"/page.php?intern=1&language=en&page=languages", "/page.php?paypal=1&language=de",
          "/page.php?page=update&update=0021&language=en", "/", "/page.php?nothing=1"}) {
        EXPECT_EQ(Title(Body(path)), "Vitrex WebBrowser") << path;
    }
    const std::string update = Body("/page.php?page=update&update=<b>0021</b>&language=en");
    EXPECT_NE(update.find("&lt;b&gt;0021&lt;/b&gt;"), std::string::npos) << "values are escaped";
    const auto unknown = Client().Get("/page.php?page=secret&language=en");
    EXPECT_EQ(unknown->status, 404);
    EXPECT_EQ(unknown->body.find("top secret"), std::string::npos) << "only the known pages are read";
}

TEST_F(ContractTest, AReportIsStoredWithEveryFieldTheTimeAndTheAddressAndAnswered1) {
    WriteReleases();
    Start();
    // As the program encodes it: Windows-1252 bytes, blanks as "+", every field followed by "&".
    const std::string body =
        "sendbug=1&language=de&title=Men%FC+%26+Tray&mail=a%40b.example&os=Windows+XP+Home+Edition&"
        "text=1%2B1%3D2%2C+100%25%0D%0Azweite+Zeile&version=0.21+PreBuild&datum=26.+Oktober+2005&"
        "buildnumber=0021&";
    const auto reply = Client().Post("/sendbug.php", body, "application/x-www-form-urlencoded");
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->body, "1");

    const auto reports = ReadReports(root_ / "reports.sqlite");
    ASSERT_EQ(reports.size(), 1u);
    const auto& c = reports[0].columns;
    EXPECT_TRUE(std::regex_match(c[0], std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ)"))) << c[0];
    EXPECT_EQ(c[1], "127.0.0.1");
    EXPECT_EQ(c[2], "de");
    EXPECT_EQ(c[3], "Men\xC3\xBC & Tray") << "stored as UTF-8";
    EXPECT_EQ(c[4], "a@b.example");
    EXPECT_EQ(c[5], "Windows XP Home Edition");
    EXPECT_EQ(c[6], "1+1=2, 100%\r\nzweite Zeile");
    EXPECT_EQ(c[7], "0.21 PreBuild");
    EXPECT_EQ(c[8], "26. Oktober 2005");
    EXPECT_EQ(c[9], "0021");
    EXPECT_EQ(c[10], body) << "the request as it came";
}

TEST_F(ContractTest, AnUnencodedReportKeepsTheFieldsSentFirst) {
    WriteReleases();
    Start();
    const std::string body =
        "sendbug=1&language=en&title=Crash&mail=x@y&os=Windows 2000&text=Tom & Jerry&title=injected&"
        "version=0.21 PreBuild&datum=26. Oktober 2005&buildnumber=0021&";
    EXPECT_EQ(Client().Post("/sendbug.php", body, "application/x-www-form-urlencoded")->body, "1");
    const auto reports = ReadReports(root_ / "reports.sqlite");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].columns[3], "Crash");
    EXPECT_EQ(reports[0].columns[6], "Tom ") << "the rest of the text is lost by that sender, not here";
}

TEST_F(ContractTest, AnIncompleteReportIsRefusedAndNothingIsStored) {
    WriteReleases();
    Start();
    const std::string rest = "&language=en&mail=m&version=v&datum=d&buildnumber=0021&";
    for (const std::string& body : {"sendbug=0&title=t&os=o&text=x" + rest, "title=t&os=o&text=x" + rest,
                                    "sendbug=1&os=o&text=x" + rest, "sendbug=1&title=t&os=&text=x" + rest,
                                    "sendbug=1&title=t&os=o" + rest, std::string()}) {
        const auto reply = Client().Post("/sendbug.php", body, "application/x-www-form-urlencoded");
        ASSERT_TRUE(reply);
        EXPECT_EQ(reply->body, "0") << body;
    }
    EXPECT_TRUE(ReadReports(root_ / "reports.sqlite").empty());
    EXPECT_EQ(Client().Post("/sendbug.php", std::string(2 * 1024 * 1024, 'a'), "text/plain")->status, 413);
}

TEST_F(ContractTest, BehindAProxyTheFrontEndsAddressHeaderNamesTheSender) {
    WriteReleases();
    Options options;
    options.behind_proxy = true;
    Start(options);
    const std::string report = "sendbug=1&title=t&os=o&text=x&";
    EXPECT_EQ(Client().Post("/sendbug.php", {{"X-Real-IP", "203.0.113.7"}}, report, "text/plain")->body, "1");
    server_.reset();
    Start();  // a server reached directly takes no client's word for its address
    EXPECT_EQ(Client().Post("/sendbug.php", {{"X-Real-IP", "203.0.113.8"}}, report, "text/plain")->body, "1");
    const auto reports = ReadReports(root_ / "reports.sqlite");
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].columns[1], "203.0.113.7");
    EXPECT_EQ(reports[1].columns[1], "127.0.0.1");
}

TEST_F(ContractTest, EveryRequestIsLoggedOnOneLine) {
    WriteReleases();
    Start();
    Body("/update.php?check=1");
    server_->Stop();
    const auto lines = LogLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "127.0.0.1 \"GET /update.php?check=1\" 200 4");
}

TEST_F(ContractTest, CharacterReferencesBecomeTheirCharactersAndANulStaysVisible) {
    WriteReleases();
    Start();
    // "&" and ";" percent-encoded as the program sends them.
    const std::string body =
        "sendbug=1&language=ja&title=%26%2326085%3B%26%23x672C%3B%26%23X8A9E%3B&mail=m&os=o&"
        "text=a%00b+%26%230%3B+%26%23xD800%3B+%26%23x110000%3B+%26%2312+%26%23%3B+%26%23128512%3B+%E4&"
        "version=%26%2326085%3B&";
    EXPECT_EQ(Client().Post("/sendbug.php", body, "application/x-www-form-urlencoded")->body, "1");
    const auto reports = ReadReports(root_ / "reports.sqlite");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].columns[3], "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E");
    EXPECT_EQ(reports[0].columns[6],
              "a\xE2\x90\x80"
              "b &#0; &#xD800; &#x110000; &#12 &#; \xF0\x9F\x98\x80 \xC3\xA4")
        << "only well-formed references to characters are turned back";
    EXPECT_EQ(reports[0].columns[7], "&#26085;") << "the version is no text the user typed";
    EXPECT_EQ(reports[0].columns[10], body);
}

TEST_F(ContractTest, TheUpdatesDigestIsComputedAgainOnlyWhenTheFileChanges) {
    WriteReleases("abc");
    Start();
    const auto path = root_ / "files" / "update-0022.exe";
    const auto digest = [this] { return CrLfLines(Body("/update.php?infos=1&language=en")).back(); };
    EXPECT_EQ(digest(), kSha256OfAbc);
    const auto modified = std::filesystem::last_write_time(path);
    Write("files/update-0022.exe", "abd");
    std::filesystem::last_write_time(path, modified);
    EXPECT_EQ(digest(), kSha256OfAbc) << "same path, size and time: the digest is not computed again";
    std::filesystem::last_write_time(path, modified + std::chrono::seconds(1));
    EXPECT_EQ(digest(), "a52d159f262b2c6ddb724a61840befc36eb30c88877a4030b65cbe86298449c9");
    Write("files/update-0022.exe", "abcd");
    EXPECT_EQ(digest(), "88d4266fd4e6338d13b845fcf289579d209c897823b9217da3e161936f031589");
}

TEST_F(ContractTest, AnAbortedDownloadIsLoggedWithTheBytesSent) {
    WriteReleases(std::string(400000, 'u'));
    Options options;
    options.script.throttle = 200000;
    Start(options);
    std::size_t received = 0;
    auto client = Client();
    const auto reply = client.Get("/download.php?build=0022", [&](const char*, std::size_t length) {
        received += length;
        return received < 20000;
    });
    EXPECT_FALSE(reply);
    // The reply ends at the next write into the closed connection.
    std::string line;
    for (int i = 0; i < 500 && line.empty(); ++i) {
        for (const auto& logged : LogLines()) {
            if (logged.find("download.php") != std::string::npos) line = logged;
        }
        if (line.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::smatch sent;
    ASSERT_TRUE(std::regex_search(line, sent, std::regex(R"( 200 (\d+) of 400000$)"))) << line;
    EXPECT_GE(std::stoul(sent[1]), received);
    EXPECT_LT(std::stoul(sent[1]), 400000u);
}

TEST_F(ContractTest, TheLogEscapesControlCharactersFromTheRequest) {
    WriteReleases();
    Options options;
    options.behind_proxy = true;
    Start(options);
    RawConnection connection(server_->Port());
    connection.Send(
        "GET /update.php?check=1&\x1B[2J\x07\x7F\" HTTP/1.1\r\nX-Real-IP: 10.0.0.1\x1B]0;owned\x07\r\n\r\n");
    connection.ReadReply();
    server_->Stop();
    EXPECT_EQ(LogLines().back(),
              "10.0.0.1\\x1B]0;owned\\x07 \"GET /update.php?check=1&\\x1B[2J\\x07\\x7F\\x22\" 200 4");
}

}  // namespace
}  // namespace vitrex::server::testing
