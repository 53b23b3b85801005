#include "core/net/ContentLength.h"

#include <charconv>

namespace vitrex::net {

std::int64_t ParseContentLength(std::string_view header) {
    std::int64_t length = 0;
    const auto [end, error] = std::from_chars(header.data(), header.data() + header.size(), length);
    if (error != std::errc() || end != header.data() + header.size() || length < 0) return 0;
    return length;
}

}  // namespace vitrex::net
