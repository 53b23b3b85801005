#include <gtest/gtest.h>

#include <windows.h>
#include <winsock2.h>

#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "LoopbackHttpServer.h"
#include "core/net/Client.h"
#include "core/platform/Errors.h"
#include "win32/platform/Win32Files.h"
#include "win32/platform/Win32Http.h"

namespace vitrex::win32 {
namespace {

using testing::LoopbackHttpServer;
using testing::Response;
using testing::ServerConnection;
using namespace std::chrono_literals;

constexpr std::uint32_t kCancelled = 12017;
constexpr std::uint32_t kTimedOut = 12002;
constexpr std::uint32_t kCannotConnect = 12029;

// Runs an action once from a thread timer, that is from whatever message loop the thread runs.
class PumpTimer {
public:
    PumpTimer(UINT delayMs, std::function<void()> action) {
        id_ = ::SetTimer(nullptr, 0, delayMs, &PumpTimer::Fire);
        Actions()[id_] = std::move(action);
    }
    ~PumpTimer() {
        ::KillTimer(nullptr, id_);
        Actions().erase(id_);
    }
    PumpTimer(const PumpTimer&) = delete;
    PumpTimer& operator=(const PumpTimer&) = delete;

private:
    static std::map<UINT_PTR, std::function<void()>>& Actions() {
        static std::map<UINT_PTR, std::function<void()>> actions;
        return actions;
    }
    static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(nullptr, id);
        const auto found = Actions().find(id);
        if (found == Actions().end()) return;
        const std::function<void()> action = std::move(found->second);
        Actions().erase(found);
        action();
    }

    UINT_PTR id_ = 0;
};

// The error the call ended with; fails the test when it ended without one.
template <typename Call>
HttpError HttpFailureOf(Call&& call) {
    try {
        call();
    } catch (const HttpError& error) {
        return error;
    }
    ADD_FAILURE() << "the call did not fail";
    return HttpError("none");
}

// Long enough never to end a test that works; a test that needs a time-out sets short ones.
const HttpTimeouts kPatient{20s, 20s};

TEST(Win32HttpTest, GetSendsTheClientsHeadersAndReturnsTheBody) {
    LoopbackHttpServer server(
        [](ServerConnection& connection, int) { connection.Send(Response(200, "OK", "0022")); });
    Win32Http http(nullptr, kPatient);
    EXPECT_EQ(http.Get(server.Url("/update.php?check=1")), "0022");
    ASSERT_EQ(server.Requests().size(), 1u);
    const auto request = server.Requests()[0];
    EXPECT_EQ(request.requestLine, "GET /update.php?check=1 HTTP/1.1");
    EXPECT_EQ(request.Header("user-agent"), "Mozilla/3.0 (compatible; Indy Library)");
    EXPECT_EQ(request.Header("accept"), "text/html, */*");
    EXPECT_FALSE(http.Busy());
}

// The reply's Content-Type reaches the program, which reads the text by its charset: the
// server's Windows-1252, UTF-8, and the system's code page when it names none.
TEST(Win32HttpTest, TextRepliesAreReadByTheCharsetTheyDeclare) {
    if (GetACP() != 1252) GTEST_SKIP() << "expects the Western code page, this system has " << GetACP();
    LoopbackHttpServer server([](ServerConnection& connection, int index) {
        const char* types[] = {"Content-Type: text/plain; charset=windows-1252\r\n",
                               "Content-Type: text/plain;charset=UTF-8\r\n", "Content-Type: text/plain\r\n",
                               ""};
        const char* bodies[] = {
            "Pr\xfc"
            "fsumme",
            "Pr\xc3\xbc"
            "fsumme",
            "vollst\xe4ndig", "vollst\xe4ndig"};
        connection.Send(Response(200, "OK", bodies[index % 4], types[index % 4]));
    });
    Win32Http http(nullptr, kPatient);
    Win32Files files;
    net::Client client(http, server.Url("/"));
    EXPECT_EQ(client.GetText("a", files),
              "Pr\xc3\xbc"
              "fsumme");
    EXPECT_EQ(http.ReplyContentType(), "text/plain; charset=windows-1252");
    EXPECT_EQ(client.GetText("b", files),
              "Pr\xc3\xbc"
              "fsumme");
    EXPECT_EQ(client.GetText("c", files), "vollst\xc3\xa4ndig");
    EXPECT_EQ(client.GetText("d", files), "vollst\xc3\xa4ndig");
    EXPECT_EQ(http.ReplyContentType(), "");
}

TEST(Win32HttpTest, PostSendsTheBodyWithItsContentTypeAsHttp10) {
    LoopbackHttpServer server(
        [](ServerConnection& connection, int) { connection.Send(Response(200, "OK", "1")); });
    Win32Http http(nullptr, kPatient);
    const std::string body = "name=a b&text=\xC3\xA4&";
    EXPECT_EQ(http.Post(server.Url("/sendbug.php"), body, "application/x-www-form-urlencoded"), "1");
    ASSERT_EQ(server.Requests().size(), 1u);
    const auto request = server.Requests()[0];
    EXPECT_EQ(request.requestLine, "POST /sendbug.php HTTP/1.0");
    EXPECT_EQ(request.Header("content-type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(request.body, body);
    EXPECT_EQ(request.Header("user-agent"), "Mozilla/3.0 (compatible; Indy Library)");
}

struct Progress {
    std::vector<std::string> events;
    std::string body;

    void Watch(Win32Http& http) {
        http.OnWorkBegin = [this](std::int64_t expected) {
            events.push_back("begin " + std::to_string(expected));
        };
        http.OnWork = [this](std::int64_t count) { events.push_back("work " + std::to_string(count)); };
    }
};

TEST(Win32HttpTest, ProgressBeginsWithTheExpectedSizeAndCountsUpToTheWholeBody) {
    const std::string body(30000, 'x');
    LoopbackHttpServer server([&](ServerConnection& connection, int) {
        connection.Send("HTTP/1.1 200 OK\r\nContent-Length: 30000\r\nConnection: close\r\n\r\n");
        for (int piece = 0; piece < 3; ++piece) {
            connection.Pause(50ms);
            connection.Send(body.substr(piece * 10000, 10000));
        }
    });
    Win32Http http(nullptr, kPatient);
    Progress progress;
    progress.Watch(http);
    http.Get(server.Url("/download"), [&](std::string_view piece) {
        progress.body.append(piece);
        progress.events.push_back("piece " + std::to_string(progress.body.size()));
    });
    EXPECT_EQ(progress.body, body);
    ASSERT_GE(progress.events.size(), 3u);
    EXPECT_EQ(progress.events.front(), "begin 30000");
    EXPECT_EQ(progress.events.back(), "work 30000");
    // Each piece is in the sink before its count is reported, and the counts only grow.
    for (std::size_t i = 1; i < progress.events.size(); i += 2) {
        ASSERT_EQ(progress.events[i].rfind("piece ", 0), 0u) << progress.events[i];
        EXPECT_EQ(progress.events[i + 1], "work " + progress.events[i].substr(6));
    }
}

TEST(Win32HttpTest, AReplyWithoutALengthBeginsAtZeroAndEndsWithTheConnection) {
    LoopbackHttpServer server([](ServerConnection& connection, int) {
        connection.Send("HTTP/1.0 200 OK\r\n\r\nfirst ");
        connection.Pause(30ms);
        connection.Send("second");
    });
    Win32Http http(nullptr, kPatient);
    Progress progress;
    progress.Watch(http);
    EXPECT_EQ(http.Get(server.Url("/changes")), "first second");
    ASSERT_FALSE(progress.events.empty());
    EXPECT_EQ(progress.events.front(), "begin 0");
    EXPECT_EQ(progress.events.back(), "work 12");
}

TEST(Win32HttpTest, AnErrorStatusOrARedirectFailsWithTheStatusAndIsNotFollowed) {
    LoopbackHttpServer server([](ServerConnection& connection, int) {
        if (connection.Request().requestLine.find("/moved") != std::string::npos)
            connection.Send(Response(302, "Found", "<html>moved</html>", "Location: /elsewhere\r\n"));
        else
            connection.Send(Response(404, "Not Found", "<html>no</html>"));
    });
    Win32Http http(nullptr, kPatient);
    Progress progress;
    progress.Watch(http);

    const HttpError missing = HttpFailureOf([&] { http.Get(server.Url("/missing")); });
    EXPECT_EQ(missing.Code(), 404u);
    EXPECT_NE(std::string(missing.what()).find("404 Not Found"), std::string::npos) << missing.what();

    const HttpError moved = HttpFailureOf([&] { http.Get(server.Url("/moved")); });
    EXPECT_EQ(moved.Code(), 302u);
    EXPECT_EQ(server.Requests().size(), 2u) << "the redirect was followed";
    EXPECT_TRUE(progress.events.empty()) << "a failed reply has no body to report";
}

TEST(Win32HttpTest, CookiesSetByTheServerGoBackWithLaterRequests) {
    LoopbackHttpServer server([](ServerConnection& connection, int index) {
        connection.Send(index == 0 ? Response(200, "OK", "set", "Set-Cookie: visit=42; path=/\r\n")
                                   : Response(200, "OK", "again"));
    });
    Win32Http http(nullptr, kPatient);
    http.Get(server.Url("/first"));
    http.Get(server.Url("/second"));
    ASSERT_EQ(server.Requests().size(), 2u);
    EXPECT_EQ(server.Requests()[0].Header("cookie"), "");
    EXPECT_EQ(server.Requests()[1].Header("cookie"), "visit=42");
}

TEST(Win32HttpTest, AServerThatStallsEndsTheCallWithATimeOut) {
    LoopbackHttpServer server([](ServerConnection& connection, int index) {
        if (index == 1) {
            connection.Send("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nonly the start");
        }
        connection.Stall();
    });
    Win32Http http(nullptr, {2s, 1s});
    const HttpError noAnswer = HttpFailureOf([&] { http.Get(server.Url("/silent")); });
    EXPECT_EQ(noAnswer.Code(), kTimedOut) << noAnswer.what();
    ASSERT_TRUE(server.WaitForRequests(1));
    const HttpError stalledBody = HttpFailureOf([&] { http.Get(server.Url("/half")); });
    EXPECT_EQ(stalledBody.Code(), kTimedOut) << stalledBody.what();
}

TEST(Win32HttpTest, ABodyCutShortIsAFailureNotAShorterFile) {
    LoopbackHttpServer server([](ServerConnection& connection, int) {
        connection.Send("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n0123456789");
    });
    Win32Http http(nullptr, kPatient);
    const HttpError cut = HttpFailureOf([&] { http.Get(server.Url("/update.exe")); });
    EXPECT_NE(std::string(cut.what()).find("10 of 100"), std::string::npos) << cut.what();
}

// A server that sends without end: a reply read whole stops at the limit with a clear failure
// (and the memory it holds with it), while a sink takes the body piece by piece, as a download.
TEST(Win32HttpTest, AWholeReplyPastTheLimitFailsWhileASinkTakesEveryPiece) {
    constexpr std::size_t kSent = 4 * Http::kWholeReplyLimit;
    LoopbackHttpServer server([](ServerConnection& connection, int) {
        connection.Send("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n");
        const std::string filler(64 * 1024, 'x');
        for (std::size_t sent = 0; sent < kSent; sent += filler.size())
            connection.Send(filler);
    });
    Win32Http http(nullptr, kPatient);
    const HttpError huge = HttpFailureOf([&] { http.Get(server.Url("/update.php?infos=1")); });
    EXPECT_NE(std::string(huge.what()).find("larger than 1048576 bytes"), std::string::npos) << huge.what();
    const HttpError hugePost =
        HttpFailureOf([&] { http.Post(server.Url("/sendbug.php"), "a=1", "text/plain"); });
    EXPECT_NE(std::string(hugePost.what()).find("larger than"), std::string::npos) << hugePost.what();

    std::size_t received = 0;
    std::size_t largestPiece = 0;
    http.Get(server.Url("/update.exe"), [&](std::string_view piece) {
        received += piece.size();
        largestPiece = std::max(largestPiece, piece.size());
    });
    EXPECT_EQ(received, kSent);
    EXPECT_LE(largestPiece, 64u * 1024u);
}

TEST(Win32HttpTest, DisconnectFromAHandlerRunByTheWaitEndsTheCallAtOnce) {
    LoopbackHttpServer server([](ServerConnection& connection, int index) {
        if (index == 0) connection.Stall();
        connection.Send(Response(200, "OK", "afterwards"));
    });
    Win32Http http(nullptr, kPatient);
    bool secondCallFailed = false;
    PumpTimer timer(100, [&] {
        EXPECT_TRUE(http.Busy());
        try {
            http.Get(server.Url("/meanwhile"));
        } catch (const HttpError&) {
            secondCallFailed = true;
        }
        http.Disconnect();
    });
    // The server never answers and the time-outs are long: only the cancel can end the call.
    const HttpError cancelled = HttpFailureOf([&] { http.Get(server.Url("/stalls")); });
    EXPECT_EQ(cancelled.Code(), kCancelled) << cancelled.what();
    EXPECT_TRUE(secondCallFailed) << "one transfer at a time";
    EXPECT_FALSE(http.Busy());
    EXPECT_EQ(http.Get(server.Url("/next")), "afterwards") << "the client works on after a cancel";
}

TEST(Win32HttpTest, DisconnectFromTheProgressHandlerStopsTheBody) {
    LoopbackHttpServer server([](ServerConnection& connection, int) {
        connection.Send("HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\nfirst piece");
        connection.Stall();
    });
    Win32Http http(nullptr, kPatient);
    http.OnWork = [&](std::int64_t) { http.Disconnect(); };
    std::string body;
    const HttpError cancelled = HttpFailureOf(
        [&] { http.Get(server.Url("/big"), [&](std::string_view piece) { body.append(piece); }); });
    EXPECT_EQ(cancelled.Code(), kCancelled);
    EXPECT_EQ(body, "first piece");
}

TEST(Win32HttpTest, ASinkThatThrowsEndsTheTransferWithItsFailure) {
    LoopbackHttpServer server([](ServerConnection& connection, int) {
        connection.Send("HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\nfirst piece");
        connection.Stall();
    });
    Win32Http http(nullptr, kPatient);
    EXPECT_THROW(
        http.Get(server.Url("/big"), [](std::string_view) { throw std::runtime_error("disk full"); }),
        std::runtime_error);
    EXPECT_FALSE(http.Busy());
}

TEST(Win32HttpTest, AQuitMetWhileWaitingCancelsAndGoesBackToTheOuterLoop) {
    LoopbackHttpServer server([](ServerConnection& connection, int) { connection.Stall(); });
    Win32Http http(nullptr, kPatient);
    PumpTimer timer(100, [] { ::PostQuitMessage(5); });
    EXPECT_THROW(http.Get(server.Url("/stalls")), SilentAbort);
    EXPECT_FALSE(http.Busy());
    MSG message{};
    ASSERT_TRUE(::PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 5u);
}

TEST(Win32HttpTest, ARefusedConnectionFailsWithTheSystemsReason) {
    // A port that was free a moment ago: nothing listens there.
    std::string url;
    {
        LoopbackHttpServer closed([](ServerConnection&, int) {});
        url = closed.Url("/");
    }
    Win32Http http(nullptr, kPatient);
    const HttpError refused = HttpFailureOf([&] { http.Get(url); });
    EXPECT_EQ(refused.Code(), kCannotConnect) << refused.what();
    EXPECT_EQ(refused.Api(), "WinHttpSendRequest");
}

}  // namespace
}  // namespace vitrex::win32
