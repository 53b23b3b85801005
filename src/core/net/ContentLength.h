#pragma once

#include <cstdint>
#include <string_view>

namespace vitrex::net {

// A reply's Content-Length header as the server sent it: the body's announced byte count, which
// only sizes the progress bar. 0 when the header is missing (a chunked reply) or holds anything but
// decimal digits, or a number past 64 bits.
std::int64_t ParseContentLength(std::string_view header);

}  // namespace vitrex::net
