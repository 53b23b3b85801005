#pragma once

#include <cstdint>
#include <span>

namespace vitrex {

// The system-information records the CPU meter reads, by class number of the system's native
// query (NtQuerySystemInformation). The records are handed over as raw bytes: their layout
// depends on the bitness of the process, and core reads them with bounds checks.
enum class SystemInfoClass : std::uint32_t {
    Basic = 0,        // processor count
    Performance = 2,  // idle time of all processors
    TimeOfDay = 3,    // current system time
};

// NT status codes the meter distinguishes; any other non-zero status is a failure as well.
inline constexpr std::uint32_t kStatusSuccess = 0;
inline constexpr std::uint32_t kStatusInfoLengthMismatch = 0xC0000004;
inline constexpr std::uint32_t kStatusProcedureNotFound = 0xC000007A;

class SystemCounters {
public:
    virtual ~SystemCounters() = default;

    // Fills `record` (its whole size is offered to the system) with the record of `infoClass`
    // and returns the NT status: 0 on success. kStatusProcedureNotFound when the system has no
    // such query. May be called from a worker thread.
    virtual std::uint32_t QuerySystemInformation(SystemInfoClass infoClass,
                                                 std::span<std::uint8_t> record) = 0;
};

}  // namespace vitrex
