#include "win32/platform/Win32OperatingSystem.h"

#include <windows.h>

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

}  // namespace vitrex::win32
