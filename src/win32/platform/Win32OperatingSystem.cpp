#include "win32/platform/Win32OperatingSystem.h"

#include <windows.h>

#include "win32/platform/TextConvert.h"

namespace vitrex::win32 {

std::uint32_t Win32OperatingSystem::PlatformId() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    // Only the platform family is asked for, which the compatibility shims do not change.
    if (!GetVersionExW(&info)) return 0;
#pragma GCC diagnostic pop
    return info.dwPlatformId;
}

std::optional<std::string> Win32OperatingSystem::EnvironmentVariable(const std::string& name) {
    const std::wstring wideName = Widen(name);
    std::wstring value(64, L'\0');
    for (;;) {
        SetLastError(ERROR_SUCCESS);
        const DWORD length =
            GetEnvironmentVariableW(wideName.c_str(), value.data(), static_cast<DWORD>(value.size()));
        if (length == 0) {
            if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
            return std::string();  // set, but empty
        }
        if (length < value.size()) {
            value.resize(length);
            return Narrow(value);
        }
        value.resize(length);  // the size asked for, terminator included
    }
}

}  // namespace vitrex::win32
