#pragma once

#include "core/platform/SystemCounters.h"

namespace vitrex::win32 {

// The system-information query of ntdll, looked up once at construction (it is not part of the
// documented import libraries). Without it every query answers kStatusProcedureNotFound.
class Win32SystemCounters : public SystemCounters {
public:
    Win32SystemCounters();
    std::uint32_t QuerySystemInformation(SystemInfoClass infoClass, std::span<std::uint8_t> record) override;

private:
    using QueryFunction = long(__stdcall*)(int infoClass, void* buffer, unsigned long length,
                                           unsigned long* returnLength);
    QueryFunction query_ = nullptr;
};

}  // namespace vitrex::win32
