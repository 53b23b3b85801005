#pragma once

#include <windows.h>
#include <winsock2.h>

#include <chrono>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace vitrex::win32::testing {

// One request as the server read it; header names in lower case.
struct ReceivedRequest {
    std::string requestLine;
    std::map<std::string, std::string> headers;
    std::string body;

    std::string Header(const std::string& lowerName) const;
};

// What a scripted reply can do with its connection.
class ServerConnection {
public:
    ServerConnection(SOCKET socket, HANDLE stop, const ReceivedRequest& request)
        : socket_(socket), stop_(stop), request_(request) {}

    const ReceivedRequest& Request() const { return request_; }
    void Send(std::string_view bytes);
    // Waits, unless the server is stopped first; false then.
    bool Pause(std::chrono::milliseconds duration);
    // Holds the connection open without a word until the server stops.
    void Stall() { Pause(std::chrono::hours(1)); }

private:
    SOCKET socket_;
    HANDLE stop_;
    const ReceivedRequest& request_;
};

// A whole reply with the given status and body, and "Connection: close".
std::string Response(int status, std::string_view reason, std::string_view body,
                     std::string_view extraHeaders = {});

// An HTTP server on 127.0.0.1 for one test: every connection gets one request, answered by the
// test's script (the request count, starting at 0, tells the requests apart), and is closed
// afterwards. Stopping it ends the replies that stall.
class LoopbackHttpServer {
public:
    using Script = std::function<void(ServerConnection&, int requestIndex)>;

    explicit LoopbackHttpServer(Script script);
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    std::string Url(const std::string& path) const;
    std::vector<ReceivedRequest> Requests() const;
    // Waits until this many requests have arrived.
    bool WaitForRequests(std::size_t count, std::chrono::milliseconds limit = std::chrono::seconds(10)) const;

private:
    void Accept();
    void Serve(SOCKET socket, int index);

    Script script_;
    SOCKET listener_ = INVALID_SOCKET;
    unsigned short port_ = 0;
    HANDLE stop_ = nullptr;
    mutable std::mutex mutex_;
    std::vector<ReceivedRequest> requests_;
    std::vector<std::thread> connections_;
    std::thread acceptor_;
};

}  // namespace vitrex::win32::testing
