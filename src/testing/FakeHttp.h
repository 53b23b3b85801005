#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/Http.h"

namespace vitrex::fakes {

// A server in memory: scripted replies per URL, delivered in pieces with progress, failures, and
// a hook that runs "inside" the transfer (where the real client processes window messages), so a
// test can press Cancel, quit or move the clock while a call waits. Every request is recorded.
class FakeHttp : public Http {
public:
    struct Reply {
        std::vector<std::string> pieces;  // the body as it arrives
        // Thrown as HttpError after the pieces (a refused connection when there are none, a
        // connection lost half-way when there are some).
        std::optional<std::string> failure;
        std::optional<std::int64_t> expected;  // the announced size; the body's size by default
        // The pieces are sent this many times over, so that a test can send a gigabyte without
        // holding one.
        std::size_t repeat = 1;
        std::string contentType;  // the reply's Content-Type header
        // With a status, the failure is the server's answer of that status (no body is read).
        std::optional<std::uint32_t> status;
    };
    struct Request {
        std::string method;  // "GET" or "POST"
        std::string url;
        std::string body;
        std::string contentType;
    };

    void Respond(const std::string& url, std::string body) {
        replies[url] = Reply{{std::move(body)}, {}, {}, 1, {}, {}};
    }
    // A reply with a Content-Type header.
    void RespondTyped(const std::string& url, std::string body, std::string contentType) {
        replies[url] = Reply{{std::move(body)}, {}, {}, 1, std::move(contentType), {}};
    }
    // The server answers with an error status.
    void AnswerStatus(const std::string& url, std::uint32_t status) {
        replies[url] = Reply{{}, "the server answered " + std::to_string(status), {}, 1, {}, status};
    }
    void RespondInPieces(const std::string& url, std::vector<std::string> pieces) {
        replies[url] = Reply{std::move(pieces), {}, {}, 1, {}, {}};
    }
    void Fail(const std::string& url, std::string message = "Connection refused") {
        replies[url] = Reply{{}, std::move(message), {}, 1, {}, {}};
    }

    // Replies by URL, kept for every request. A URL without one gets an empty body, as from a
    // server with nothing to say, so that tests of other things need not script the start-up's
    // update check.
    std::map<std::string, Reply> replies;
    std::vector<Request> requests;
    // Runs inside the transfer before each piece is delivered (once for an empty body), with the
    // piece's index.
    std::function<void(std::size_t piece)> inside;
    // Calls made while another call was waiting: the program must never make one.
    int overlappingCalls = 0;

    std::string Get(const std::string& url) override;
    void Get(const std::string& url, FunctionRef<void(std::string_view)> sink) override;
    std::string Post(const std::string& url, std::string_view body, const std::string& contentType) override;
    void Disconnect() override {
        if (busy_) disconnected_ = true;
    }
    bool Busy() const override { return busy_; }
    std::string ReplyContentType() const override { return contentType_; }

private:
    void Transfer(const Request& request, FunctionRef<void(std::string_view)> sink);

    bool busy_ = false;
    bool disconnected_ = false;
    std::string contentType_;
};

}  // namespace vitrex::fakes
