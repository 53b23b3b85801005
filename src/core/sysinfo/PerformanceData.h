#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "core/sysinfo/SystemLists.h"

namespace vitrex::sysinfo {

// Counter title indexes of the system's performance data.
inline constexpr std::uint32_t kProcessObjectIndex = 230;
inline constexpr std::uint32_t kThreadObjectIndex = 232;
inline constexpr std::uint32_t kIdProcessCounterIndex = 784;
inline constexpr std::uint32_t kIdThreadCounterIndex = 804;

// Byte layout of the records in a performance-data block (the same for 32- and 64-bit processes:
// the 64-bit headers hold title offsets as 32-bit words too).
namespace perf_layout {
inline constexpr std::size_t kBlockHeaderLength = 24;
inline constexpr std::size_t kBlockNumObjectTypes = 28;
inline constexpr std::size_t kObjectTotalByteLength = 0;
inline constexpr std::size_t kObjectDefinitionLength = 4;
inline constexpr std::size_t kObjectHeaderLength = 8;
inline constexpr std::size_t kObjectNameTitleIndex = 12;
inline constexpr std::size_t kObjectNumCounters = 32;
inline constexpr std::size_t kObjectNumInstances = 40;
inline constexpr std::size_t kObjectSize = 64;
inline constexpr std::size_t kCounterNameTitleIndex = 4;
inline constexpr std::size_t kCounterOffset = 36;
inline constexpr std::size_t kCounterDefinitionSize = 40;
inline constexpr std::size_t kInstanceByteLength = 0;
inline constexpr std::size_t kInstanceNameOffset = 16;
inline constexpr std::size_t kInstanceNameLength = 20;
inline constexpr std::size_t kInstanceSize = 24;
inline constexpr std::size_t kCounterBlockByteLength = 0;
inline constexpr std::size_t kCounterBlockSize = 4;
}  // namespace perf_layout

// What a block yielded: the lists that were asked for, and whether their object was found.
struct PerformanceLists {
    ProcessList processes;
    ThreadList threads;
    bool processesRead = false;
    bool threadsRead = false;
};

// Reads the (first) Process and/or Thread object of a raw performance-data block. Of n instances the
// first n-1 become entries (the last is the total); a process with id 0 is "[System Process]",
// one named exactly "System" keeps its name and every other name gets ".exe". Every offset and
// length taken from the block is checked against it: a block that points outside itself, or
// whose records cannot be walked, gives nothing at all rather than a partial list.
std::optional<PerformanceLists> ParsePerformanceData(std::span<const std::uint8_t> block, bool wantProcesses,
                                                     bool wantThreads);

}  // namespace vitrex::sysinfo
