#pragma once

#include <cstdint>
#include <string>

#include "core/platform/Errors.h"

namespace vitrex::win32 {

// The system's description of an error code, without the trailing line break; empty when the
// system has none.
std::string SystemMessage(std::uint32_t code);

// "<api> failed (<code>): <description>" for the message of a typed error.
std::string FailureText(const std::string& api, std::uint32_t code);

// The calling thread's last error, read before anything else can overwrite it.
std::uint32_t LastErrorCode() noexcept;

// The one way an adapter fails: a typed error of the program (SystemError unless the port has a
// class of its own) whose message names the call and gives the system's description, after what
// was being done when `context` says so; Api() and Code() carry the same for callers that act on them.
// For the calls that return their error code (the registry's).
template <class ErrorType = SystemError>
[[noreturn]] void ThrowErrorCode(const char* api, std::uint32_t code, const std::string& context = {}) {
    const std::string failure = FailureText(api, code);
    throw ErrorType(context.empty() ? failure : context + ": " + failure, api, code);
}

// For the calls that leave their error code to GetLastError. The code is taken before the
// message is built: formatting it makes system calls of its own.
template <class ErrorType = SystemError>
[[noreturn]] void ThrowLastError(const char* api, const std::string& context = {}) {
    ThrowErrorCode<ErrorType>(api, LastErrorCode(), context);
}

}  // namespace vitrex::win32
