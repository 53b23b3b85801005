#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/platform/FunctionRef.h"

namespace vitrex {

// The program's one HTTP client. Every call runs on the user-interface thread and returns when the
// transfer has ended; while it waits, the window's messages are processed, so handlers (the cancel
// button, a quit) can run nested inside a call. Only one transfer runs at a time.
//
// Requests carry the client's fixed User-Agent and Accept headers, keep the cookies the server sets
// for the rest of the run and never follow a redirect. Every request has bounded connect and
// receive time-outs, so a server that accepts and never answers ends the call with an error.
//
// Failures (transport, time-out, an error status, a cancel) throw HttpError. URLs are absolute
// ("https://host/path?query"), bodies are bytes as sent on the wire.
class Http {
public:
    // The calls that return the whole body hold it in memory, so they fail with HttpError once it
    // passes this size; a larger body (a download) goes through a sink.
    static constexpr std::size_t kWholeReplyLimit = 1024 * 1024;

    virtual ~Http() = default;

    // Progress of every transfer, raised on the user-interface thread: the expected byte count
    // once the headers are in (0 when the server sends none), then the running count as the body
    // arrives.
    std::function<void(std::int64_t expected)> OnWorkBegin;
    std::function<void(std::int64_t count)> OnWork;

    // The whole reply body, at most kWholeReplyLimit bytes.
    virtual std::string Get(const std::string& url) = 0;
    // The reply body in pieces as they arrive, in order; the sink may throw to end the transfer.
    virtual void Get(const std::string& url, FunctionRef<void(std::string_view)> sink) = 0;
    // Posts the body with the given content type and returns the whole reply body, at most
    // kWholeReplyLimit bytes.
    virtual std::string Post(const std::string& url, std::string_view body,
                             const std::string& contentType) = 0;
    // Ends a running transfer at once: the running call throws HttpError. Does nothing when no
    // transfer runs.
    virtual void Disconnect() = 0;
    // Whether a call is waiting for its transfer.
    virtual bool Busy() const = 0;
    // The Content-Type header of the latest transfer's reply ("text/plain; charset=utf-8"):
    // empty before its headers are in, and when the server sent none.
    virtual std::string ReplyContentType() const = 0;
};

// Adds a piece to a body held whole; once the body would pass `limit` bytes it fails with
// HttpError ("GET <url>: the reply is larger than N bytes"), which ends the transfer there.
void AppendWithinLimit(std::string& body, std::string_view piece, std::size_t limit, std::string_view method,
                       const std::string& url);

}  // namespace vitrex
