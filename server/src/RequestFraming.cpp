#include "RequestFraming.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace vitrex::server {
namespace {

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

Frame Refuse(Frame frame, int status, std::string reason) {
    frame.state = Frame::State::Refused;
    frame.status = status;
    frame.reason = std::move(reason);
    return frame;
}

}  // namespace

Frame FrameRequest(std::string_view bytes, std::size_t largest_body) {
    Frame frame;
    bool length_seen = false;
    bool range_seen = false;
    std::size_t lines = 0;
    for (std::size_t start = 0;;) {
        const std::size_t end = bytes.find('\n', start);
        const std::size_t limit = start == 0 ? RequestLimits::kRequestLine : RequestLimits::kHeaderLine;
        const std::size_t length = (end == std::string_view::npos ? bytes.size() : end) - start;
        if (start == 0) frame.request_line = std::string(Trim(bytes.substr(0, std::min(length, limit))));
        if (length > limit) {
            return start == 0 ? Refuse(std::move(frame), 414, "request line too long")
                              : Refuse(std::move(frame), 431, "header line too long");
        }
        if (end == std::string_view::npos) {
            if (start + length > RequestLimits::kHead)
                return Refuse(std::move(frame), 431, "header too large");
            return frame;
        }
        const std::string_view line = Trim(bytes.substr(start, end - start));
        const std::size_t next = end + 1;
        if (next > RequestLimits::kHead) return Refuse(std::move(frame), 431, "header too large");
        if (start > 0 && line.empty()) {
            frame.head_size = next;
            break;
        }
        if (start > 0) {
            if (++lines > RequestLimits::kHeaderLines)
                return Refuse(std::move(frame), 431, "too many header lines");
            const std::size_t colon = line.find(':');
            const std::string_view name = colon == std::string_view::npos ? line : line.substr(0, colon);
            const std::string_view value =
                colon == std::string_view::npos ? "" : Trim(line.substr(colon + 1));
            if (SameName(name, "Transfer-Encoding")) {
                return Refuse(std::move(frame), 411, "a body needs a Content-Length");
            }
            if (SameName(name, "Content-Length")) {
                const bool digits = !value.empty() && std::all_of(value.begin(), value.end(), [](char c) {
                    return c >= '0' && c <= '9';
                });
                std::size_t size = 0;
                const auto [stop, ec] = std::from_chars(value.data(), value.data() + value.size(), size);
                if (!digits || (ec != std::errc() && ec != std::errc::result_out_of_range) ||
                    (length_seen && size != frame.body_size)) {
                    return Refuse(std::move(frame), 400, "malformed Content-Length");
                }
                if (ec == std::errc::result_out_of_range || size > largest_body) {
                    return Refuse(std::move(frame), 413, "body too large");
                }
                frame.body_size = size;
                length_seen = true;
            } else if (SameName(name, "Range")) {
                if (value.find(',') != std::string_view::npos || range_seen) {
                    return Refuse(std::move(frame), 416, "one range at most");
                }
                range_seen = true;
            } else if (SameName(name, "Expect") && SameName(value, "100-continue")) {
                frame.expect_begin = start;
                frame.expect_end = next;
            }
        }
        start = next;
    }
    frame.state = Frame::State::Complete;
    return frame;
}

}  // namespace vitrex::server
