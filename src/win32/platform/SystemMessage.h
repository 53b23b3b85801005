#pragma once

#include <cstdint>
#include <string>

namespace vitrex::win32 {

// The system's description of an error code, without the trailing line break; empty when the
// system has none.
std::string SystemMessage(std::uint32_t code);

// "<api> failed (<code>): <description>" for the message of a typed error.
std::string FailureText(const std::string& api, std::uint32_t code);

}  // namespace vitrex::win32
