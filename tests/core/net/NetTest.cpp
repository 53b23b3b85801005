#include <gtest/gtest.h>

#include <string>

#include "core/net/Client.h"
#include "core/net/FormEncoding.h"
#include "core/net/PostForm.h"
#include "core/net/ServerAddress.h"
#include "core/net/ServerText.h"
#include "core/platform/Errors.h"
#include "testing/FakeDialogs.h"
#include "testing/FakeFiles.h"
#include "testing/FakeHttp.h"
#include "testing/FakePlatform.h"

namespace vitrex::net {
namespace {

TEST(FormEncoding, EncodesEveryByteButTheUnreservedAndEndsEachFieldWithAnAmpersand) {
    EXPECT_EQ(PercentEncode("AZaz09*-._"), "AZaz09*-._");
    EXPECT_EQ(PercentEncode("a&b=c+d%e f/\r\n"), "a%26b%3Dc%2Bd%25e%20f%2F%0D%0A");
    fakes::FakeFiles files;
    // UTF-8 inside, the ANSI bytes on the wire: the server decodes what it always received.
    EXPECT_EQ(EncodeForm({{"title",
                           "Gr\xC3\xBC\xC3\x9F"
                           "e"},
                          {"text", "x&os=evil"}},
                         files),
              "title=Gr%FC%DFe&text=x%26os%3Devil&");
    EXPECT_EQ(EncodeForm({{"mail", ""}}, files), "mail=&");
    EXPECT_EQ(EncodeForm({}, files), "");
}

TEST(ServerAddress, TheEnvironmentNamesAnotherServerAndTheDefaultIsHttps) {
    fakes::FakeOperatingSystem system;
    EXPECT_EQ(ServerBase(system), "https://vitrex.example.org/");
    system.environment["VITREX_SERVER_URL"] = "";
    EXPECT_EQ(ServerBase(system), "https://vitrex.example.org/");
    system.environment["VITREX_SERVER_URL"] = "http://127.0.0.1:8080/vitrex";
    EXPECT_EQ(ServerBase(system), "http://127.0.0.1:8080/vitrex/");
    system.environment["VITREX_SERVER_URL"] = "http://127.0.0.1:8080/";
    EXPECT_EQ(ServerBase(system), "http://127.0.0.1:8080/");

    EXPECT_TRUE(IsHttps("HTTPS://host/x"));
    EXPECT_FALSE(IsHttps("http://host/x"));
    EXPECT_FALSE(IsHttps("https:/host"));
    EXPECT_EQ(Resolve("https://a/", "update.php?check=1"), "https://a/update.php?check=1");
    EXPECT_EQ(Resolve("https://a/", "http://b/setup.exe"), "http://b/setup.exe");
}

struct ClientFixture : ::testing::Test {
    fakes::FakeHttp http;
    Client client{http, "https://server/"};
};

TEST_F(ClientFixture, RefusesASecondRequestWhileOneWaits) {
    http.Respond("https://server/a", "A");
    bool refused = false;
    http.inside = [&](std::size_t) {
        http.inside = nullptr;
        EXPECT_TRUE(client.Busy());
        try {
            client.Get("b");
        } catch (const HttpError&) {
            refused = true;
        }
    };
    EXPECT_EQ(client.Get("a"), "A");
    EXPECT_TRUE(refused);
    EXPECT_EQ(http.overlappingCalls, 0);
    EXPECT_FALSE(client.Busy());
}

TEST_F(ClientFixture, AQuitDuringATransferEndsItAndRunsOnceTheCallHasUnwound) {
    http.RespondInPieces("https://server/big", {"1", "2", "3"});
    int quits = 0;
    http.inside = [&](std::size_t piece) {
        if (piece != 1) return;
        client.QuitWhenIdle([&] {
            EXPECT_FALSE(http.Busy()) << "the transfer's call has returned";
            ++quits;
        });
        client.QuitWhenIdle([&] { ++quits; });
        EXPECT_EQ(quits, 0) << "not inside the wait";
    };
    std::string received;
    EXPECT_THROW(client.Get("big", [&](std::string_view piece) { received += piece; }), SilentAbort);
    EXPECT_EQ(received, "1") << "the transfer ended at the quit";
    EXPECT_EQ(quits, 1);

    http.inside = nullptr;
    client.QuitWhenIdle([&] { ++quits; });
    EXPECT_EQ(quits, 2) << "with nothing running the quit is at once";
    EXPECT_EQ(client.Get("big"), "123") << "nothing left pending";
}

TEST_F(ClientFixture, PostFormSaysSoWhenThePostFailsAndReturnsNothing) {
    fakes::FakeFiles files;
    fakes::FakeDialogs dialogs;
    i18n::Catalogue texts;
    http.Respond("https://server/sendbug.php", "1");
    EXPECT_EQ(PostForm(&client, "sendbug.php", {{"a", "b c"}}, files, dialogs, texts), "1");
    ASSERT_EQ(http.requests.size(), 1u);
    EXPECT_EQ(http.requests[0].method, "POST");
    EXPECT_EQ(http.requests[0].body, "a=b%20c&");
    EXPECT_EQ(http.requests[0].contentType, "application/x-www-form-urlencoded");
    EXPECT_TRUE(dialogs.shown.empty());

    http.Fail("https://server/sendbug.php", "Connection reset");
    EXPECT_EQ(PostForm(&client, "sendbug.php", {{"a", "b"}}, files, dialogs, texts), std::nullopt);
    EXPECT_EQ(dialogs.Messages(),
              std::vector<std::string>{"Bug report could'nt send. Please check your internet connection."});

    // The server's refusal is the caller's to tell; so is a form larger than any server takes,
    // which is never sent.
    dialogs.shown.clear();
    http.AnswerStatus("https://server/sendbug.php", 500);
    EXPECT_THROW(PostForm(&client, "sendbug.php", {{"a", "b"}}, files, dialogs, texts), HttpError);
    EXPECT_THROW(
        PostForm(&client, "sendbug.php", {{"a", std::string(kLargestFormBody, 'b')}}, files, dialogs, texts),
        HttpError);
    EXPECT_TRUE(dialogs.shown.empty());

    EXPECT_EQ(PostForm(nullptr, "sendbug.php", {{"a", "b"}}, files, dialogs, texts), "");
    EXPECT_EQ(http.requests.size(), 3u);
}

TEST(ServerAddress, OnlyHttpAddressesOfTheServerAreFetchedOrOpened) {
    const std::string base = "https://server/";
    EXPECT_EQ(WebAddress(base, "download.php?build=22"), "https://server/download.php?build=22");
    EXPECT_EQ(WebAddress(base, "HTTP://mirror/u.exe"), "HTTP://mirror/u.exe");
    EXPECT_EQ(WebAddress(base, "page.php?next=http://x/"), "https://server/page.php?next=http://x/")
        << "an address inside the query keeps the address relative";
    for (const char* refused :
         {"file:///C:/Windows/calc.exe", "FILE://host/share", "\\\\host\\share\\u.exe", "C:\\Temp\\u.exe",
          "c:/temp/u.exe", "ftp://host/u.exe", "mailto:x@y", "javascript:x", "ms-settings:", "http:relative",
          "https://", "https://a/\r\nX: y", ""})
        EXPECT_EQ(WebAddress(base, refused), std::nullopt) << refused;
    EXPECT_EQ(WebAddress("file:///C:/", "u.exe"), std::nullopt) << "whatever the base is";
}

TEST(ServerText, RepliesReadByTheirCharsetAndExcerptsReadPlainly) {
    EXPECT_EQ(CharsetOf("text/plain"), ReplyCharset::SystemAnsi);
    EXPECT_EQ(CharsetOf(""), ReplyCharset::SystemAnsi);
    EXPECT_EQ(CharsetOf("text/plain; charset=koi8-r"), ReplyCharset::SystemAnsi);
    EXPECT_EQ(CharsetOf("text/plain; format=flowed; Charset = \"UTF-8\""), ReplyCharset::Utf8);
    EXPECT_EQ(CharsetOf("text/html;charset=us-ascii"), ReplyCharset::Windows1252);
    EXPECT_EQ(CharsetOf("text/plain; name=\"charset=utf-8\""), ReplyCharset::SystemAnsi);
    EXPECT_EQ(Excerpt("ab\x01\\c\xff", 40), "ab\\x01\\x5Cc\\xFF");
    EXPECT_EQ(Excerpt("0123456789", 4), "0123...");
}

}  // namespace
}  // namespace vitrex::net
