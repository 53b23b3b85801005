#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>

namespace vitrex {

// Base of the program's own failures. The class name is what the crash log prints on its
// "Typ: " line; it is a string literal, so reading it can never fail.
class Error : public std::runtime_error {
public:
    const char* ClassName() const noexcept { return className_; }
    // The system call that failed and its error code, when a Windows adapter raised it; empty and 0
    // for failures of the program's own rules.
    const std::string& Api() const noexcept { return api_; }
    std::uint32_t Code() const noexcept { return code_; }

protected:
    Error(const char* className, const std::string& message, std::string api = {}, std::uint32_t code = 0)
        : std::runtime_error(message), className_(className), api_(std::move(api)), code_(code) {}

private:
    const char* className_;
    std::string api_;
    std::uint32_t code_;
};

// A registry value that cannot be fetched or has the wrong type, or a key that cannot be opened.
class RegistryError : public Error {
public:
    explicit RegistryError(const std::string& message, std::string api = {}, std::uint32_t code = 0)
        : Error("RegistryError", message, std::move(api), code) {}
};

// Text that does not convert to the number or encoding asked for.
class ConvertError : public Error {
public:
    explicit ConvertError(const std::string& message, std::string api = {}, std::uint32_t code = 0)
        : Error("ConvertError", message, std::move(api), code) {}
};

// A file that cannot be read or written.
class FileError : public Error {
public:
    explicit FileError(const std::string& message, std::string api = {}, std::uint32_t code = 0)
        : Error("FileError", message, std::move(api), code) {}
};

// A request to the project's web server that failed.
class HttpError : public Error {
public:
    explicit HttpError(const std::string& message, std::string api = {}, std::uint32_t code = 0)
        : Error("HttpError", message, std::move(api), code) {}
    // The server answered, with a status other than success (held in Code()): a refusal, not a
    // transfer that failed on the way.
    bool IsRefusal() const noexcept { return Api().empty() && Code() >= 300 && Code() < 600; }
};

// Any other system call that failed.
class SystemError : public Error {
public:
    explicit SystemError(const std::string& message, std::string api = {}, std::uint32_t code = 0)
        : Error("SystemError", message, std::move(api), code) {}
};

// Cancels an operation without a trace: the dispatch boundary swallows it and logs nothing (a
// cancelled download, for example).
class SilentAbort : public Error {
public:
    SilentAbort() : Error("SilentAbort", "Operation aborted") {}
};

}  // namespace vitrex
