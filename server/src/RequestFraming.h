#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vitrex::server {

// What one request may bring before any of it is parsed, decoded or stored. The largest body is
// the largest bug report the program sends; the head limits leave room for any browser's cookies.
struct RequestLimits {
    static constexpr std::size_t kRequestLine = 8 * 1024;
    static constexpr std::size_t kHeaderLine = 8 * 1024;
    static constexpr std::size_t kHeaderLines = 100;
    static constexpr std::size_t kHead = 32 * 1024;
};

// Where one request ends in the bytes a connection received, or why it is refused unread.
struct Frame {
    enum class State { Incomplete, Complete, Refused };
    State state = State::Incomplete;
    std::size_t head_size = 0;  // up to and including the blank line
    std::size_t body_size = 0;  // Content-Length
    // The "Expect: 100-continue" line, [begin, end) in the head, when the client waits for it.
    std::size_t expect_begin = 0, expect_end = 0;
    int status = 0;            // of a refusal: 400, 411, 413, 414, 416 or 431
    std::string reason;        // of a refusal, for the reply and the log
    std::string request_line;  // as far as it came, for the log

    bool ExpectsContinue() const { return expect_end > expect_begin; }
};

// Frames the request at the start of `bytes`. A body comes with a Content-Length of at most
// `largest_body` bytes; one sent in chunks (no length known ahead) is refused with 411, a longer
// one with 413, a second or overlapping range with 416, an oversized head with 431 (414 for the
// request line).
Frame FrameRequest(std::string_view bytes, std::size_t largest_body);

}  // namespace vitrex::server
