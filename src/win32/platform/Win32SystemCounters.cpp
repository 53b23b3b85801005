#include "win32/platform/Win32SystemCounters.h"

#include <windows.h>

#include <limits>

namespace vitrex::win32 {

Win32SystemCounters::Win32SystemCounters() {
    // ntdll is mapped into every process, so the handle needs no freeing.
    if (HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll")) {
        query_ = reinterpret_cast<QueryFunction>(
            reinterpret_cast<void*>(::GetProcAddress(ntdll, "NtQuerySystemInformation")));
    }
}

std::uint32_t Win32SystemCounters::QuerySystemInformation(SystemInfoClass infoClass,
                                                          std::span<std::uint8_t> record) {
    if (query_ == nullptr) return kStatusProcedureNotFound;
    if (record.size() > std::numeric_limits<unsigned long>::max()) return kStatusInfoLengthMismatch;
    unsigned long returned = 0;
    return static_cast<std::uint32_t>(query_(static_cast<int>(infoClass), record.data(),
                                             static_cast<unsigned long>(record.size()), &returned));
}

}  // namespace vitrex::win32
