#include "LoopbackHttpServer.h"

#include <ws2tcpip.h>
#include "../../common/WaitUntil.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace vitrex::win32::testing {
namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Reads the request head and its Content-Length body; what arrived when the client stops sending.
ReceivedRequest ReadRequest(SOCKET socket) {
    std::string data;
    char buffer[4096];
    std::size_t headEnd = std::string::npos;
    while ((headEnd = data.find("\r\n\r\n")) == std::string::npos) {
        const int got = ::recv(socket, buffer, sizeof buffer, 0);
        if (got <= 0) return {};
        data.append(buffer, got);
    }
    ReceivedRequest request;
    std::size_t lineStart = 0;
    bool first = true;
    while (lineStart < headEnd) {
        std::size_t lineEnd = data.find("\r\n", lineStart);
        const std::string line = data.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 2;
        if (first) {
            request.requestLine = line;
            first = false;
            continue;
        }
        const auto colon = line.find(':');
        if (colon != std::string::npos)
            request.headers[Lower(line.substr(0, colon))] = Trim(line.substr(colon + 1));
    }
    request.body = data.substr(headEnd + 4);
    const std::size_t length = std::stoul("0" + request.Header("content-length"));
    while (request.body.size() < length) {
        const int got = ::recv(socket, buffer, sizeof buffer, 0);
        if (got <= 0) break;
        request.body.append(buffer, got);
    }
    return request;
}

}  // namespace

std::string ReceivedRequest::Header(const std::string& lowerName) const {
    const auto found = headers.find(lowerName);
    return found == headers.end() ? std::string() : found->second;
}

void ServerConnection::Send(std::string_view bytes) {
    while (!bytes.empty()) {
        const int sent = ::send(socket_, bytes.data(), static_cast<int>(bytes.size()), 0);
        if (sent <= 0) return;
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
}

bool ServerConnection::Pause(std::chrono::milliseconds duration) {
    return ::WaitForSingleObject(stop_, static_cast<DWORD>(duration.count())) == WAIT_TIMEOUT;
}

std::string Response(int status, std::string_view reason, std::string_view body,
                     std::string_view extraHeaders) {
    std::string reply = "HTTP/1.1 " + std::to_string(status) + " " + std::string(reason) + "\r\n";
    reply += "Content-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n";
    reply += extraHeaders;
    reply += "\r\n";
    reply += body;
    return reply;
}

LoopbackHttpServer::LoopbackHttpServer(Script script) : script_(std::move(script)) {
    WSADATA data{};
    if (::WSAStartup(MAKEWORD(2, 2), &data) != 0) throw std::runtime_error("WSAStartup failed");
    stop_ = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    listener_ = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 8) != 0)
        throw std::runtime_error("the test server cannot listen");
    int size = sizeof address;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
    acceptor_ = std::thread([this] { Accept(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
    ::SetEvent(stop_);
    ::closesocket(listener_);
    acceptor_.join();
    for (std::thread& connection : connections_)
        connection.join();
    ::CloseHandle(stop_);
    ::WSACleanup();
}

std::string LoopbackHttpServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::vector<ReceivedRequest> LoopbackHttpServer::Requests() const {
    const std::lock_guard lock(mutex_);
    return requests_;
}

bool LoopbackHttpServer::WaitForRequests(std::size_t count, std::chrono::milliseconds limit) const {
    return vitrex::testing::WaitUntil([&] { return Requests().size() >= count; }, limit);
}

void LoopbackHttpServer::Accept() {
    for (int index = 0;; ++index) {
        const SOCKET socket = ::accept(listener_, nullptr, nullptr);
        if (socket == INVALID_SOCKET) return;
        if (::WaitForSingleObject(stop_, 0) == WAIT_OBJECT_0) {
            ::closesocket(socket);
            return;
        }
        // A client that never sends its request must not keep the server from stopping.
        const DWORD receiveLimitMs = 10000;
        ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&receiveLimitMs),
                     sizeof receiveLimitMs);
        // Only this thread touches the list until the destructor joins it.
        connections_.emplace_back([this, socket, index] { Serve(socket, index); });
    }
}

void LoopbackHttpServer::Serve(SOCKET socket, int index) {
    const ReceivedRequest request = ReadRequest(socket);
    {
        const std::lock_guard lock(mutex_);
        requests_.push_back(request);
    }
    ServerConnection connection(socket, stop_, request);
    script_(connection, index);
    ::shutdown(socket, SD_SEND);
    ::closesocket(socket);
}

}  // namespace vitrex::win32::testing
