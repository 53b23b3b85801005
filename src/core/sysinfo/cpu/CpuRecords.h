#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace vitrex::sysinfo::cpu {

// Where the meter's fields lie in the system-information records. The basic record holds
// pointer-sized fields, so its size and the processor count's place follow the bitness of the
// process; a 64-bit process that offers the 32-bit size is refused with a length mismatch on
// every query and would show 0 % for ever.
struct RecordLayout {
    std::size_t basicSize;
    std::size_t processorCountOffset;  // one unsigned byte
    std::size_t performanceSize;       // the least the system accepts; it fills what it has
    std::size_t idleTimeOffset;        // 64-bit, 100-ns units, all processors together
    std::size_t timeOfDaySize;         // the most the system accepts
    std::size_t currentTimeOffset;     // 64-bit, 100-ns units
};

inline constexpr RecordLayout kLayout32{44, 40, 312, 0, 32, 8};
inline constexpr RecordLayout kLayout64{64, 56, 312, 0, 48, 8};
inline constexpr RecordLayout kNativeLayout = sizeof(void*) == 8 ? kLayout64 : kLayout32;

// A 64-bit count stored little-endian as a low (unsigned) and a high (signed) 32-bit half:
// high * 4294967296 + low. Nothing when the record is too short to hold it.
std::optional<std::int64_t> ReadCount(std::span<const std::uint8_t> record, std::size_t offset);

// The processor count of a basic record; nothing when the record is too short or says 0 (no
// load can be computed from it).
std::optional<int> ReadProcessorCount(std::span<const std::uint8_t> record, const RecordLayout& layout);

}  // namespace vitrex::sysinfo::cpu
