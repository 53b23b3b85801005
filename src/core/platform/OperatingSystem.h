#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vitrex {

// The platform family of the NT line of systems, the only one the program runs on.
inline constexpr std::uint32_t kPlatformWin32Nt = 2;

class OperatingSystem {
public:
    virtual ~OperatingSystem() = default;
    // The running system's platform identifier.
    virtual std::uint32_t PlatformId() = 0;
    // The process's environment variable, UTF-8; nothing when it is not set.
    virtual std::optional<std::string> EnvironmentVariable(const std::string& name) = 0;
};

}  // namespace vitrex
