#pragma once

#include "core/platform/Registry.h"

namespace vitrex::win32 {

// The current user's registry through the W functions: names and text are UTF-8 inside and
// UTF-16 in the registry.
class Win32Registry : public Registry {
public:
    std::unique_ptr<RegistryKey> OpenOrCreateKey(std::string_view path) override;
    bool KeyExists(std::string_view path) const override;
    std::vector<std::uint8_t> QueryPerformanceData(std::string_view counters) override;
};

}  // namespace vitrex::win32
