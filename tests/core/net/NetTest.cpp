#include <gtest/gtest.h>

#include <string>

#include "core/net/Client.h"
#include "core/net/FormEncoding.h"
#include "core/net/PostForm.h"
#include "core/net/ServerAddress.h"
#include "core/net/Sha256.h"
#include "core/platform/Errors.h"
#include "testing/FakeDialogs.h"
#include "testing/FakeFiles.h"
#include "testing/FakeHttp.h"
#include "testing/FakePlatform.h"

namespace vitrex::net {
namespace {

TEST(Sha256, GivesTheStandardDigestsHoweverTheBytesArePieced) {
    EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    const std::string twoBlocks = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq";
    EXPECT_EQ(Sha256Hex(twoBlocks), "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    const std::string million(1'000'000, 'a');
    EXPECT_EQ(Sha256Hex(million), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
    // Pieces that end inside a block, on a block's edge and across several blocks.
    for (std::size_t size : {1u, 55u, 56u, 63u, 64u, 65u, 1000u, 8192u}) {
        Sha256 hash;
        for (std::size_t at = 0; at < million.size(); at += size)
            hash.Update(std::string_view(million).substr(at, size));
        EXPECT_EQ(hash.FinishHex(), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0")
            << size;
    }
}

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

    http.Fail("https://server/sendbug.php", "HTTP/1.1 500 Internal Server Error");
    EXPECT_EQ(PostForm(&client, "sendbug.php", {{"a", "b"}}, files, dialogs, texts), "");
    EXPECT_EQ(dialogs.Messages(),
              std::vector<std::string>{"Bug report could'nt send. Please check your internet connection."});

    EXPECT_EQ(PostForm(nullptr, "sendbug.php", {{"a", "b"}}, files, dialogs, texts), "");
    EXPECT_EQ(http.requests.size(), 2u);
}

}  // namespace
}  // namespace vitrex::net
