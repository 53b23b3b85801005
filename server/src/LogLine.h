#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vitrex::server {

// Bytes below 0x20, 0x7F, the quote and the backslash as \xHH, so that nothing a client sends
// can forge a line of the log or drive the operator's terminal.
std::string EscapeForLog(std::string_view text);

// `ADDRESS "METHOD TARGET" STATUS BYTES`, the bytes being those of the body actually sent; a
// reply cut short adds " of PROMISED".
std::string RequestLogLine(std::string_view address, std::string_view request, int status, std::uint64_t sent,
                           std::uint64_t promised);

}  // namespace vitrex::server
