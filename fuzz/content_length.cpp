// The Content-Length header of a reply, which sizes the download's progress bar.
#include <algorithm>
#include <string>

#include "FuzzCheck.h"
#include "core/net/ContentLength.h"

using namespace vitrex;
using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view header = fuzz::Text(data, size);
    const std::int64_t length = net::ParseContentLength(header);
    Require(length >= 0, "a length is never negative");
    if (length > 0) {
        const std::string_view digits = header.substr(std::min(header.find_first_not_of('0'), header.size()));
        Require(digits == std::to_string(length), "a length is the header's digits");
    }
    return 0;
}
