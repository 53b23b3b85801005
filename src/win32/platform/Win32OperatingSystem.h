#pragma once

#include "core/platform/OperatingSystem.h"

namespace vitrex::win32 {

class Win32OperatingSystem : public OperatingSystem {
public:
    std::uint32_t PlatformId() override;
    std::optional<std::string> EnvironmentVariable(const std::string& name) override;
};

}  // namespace vitrex::win32
