#include "core/sysinfo/cpu/CpuRecords.h"

namespace vitrex::sysinfo::cpu {

namespace {

std::uint32_t ReadWord(std::span<const std::uint8_t> record, std::size_t offset) {
    return static_cast<std::uint32_t>(record[offset]) | static_cast<std::uint32_t>(record[offset + 1]) << 8 |
           static_cast<std::uint32_t>(record[offset + 2]) << 16 |
           static_cast<std::uint32_t>(record[offset + 3]) << 24;
}

}  // namespace

std::optional<std::int64_t> ReadCount(std::span<const std::uint8_t> record, std::size_t offset) {
    if (offset > record.size() || record.size() - offset < 8) return std::nullopt;
    const std::uint32_t low = ReadWord(record, offset);
    const auto high = static_cast<std::int32_t>(ReadWord(record, offset + 4));
    return static_cast<std::int64_t>(high) * 4294967296LL + low;
}

std::optional<int> ReadProcessorCount(std::span<const std::uint8_t> record, const RecordLayout& layout) {
    if (layout.processorCountOffset >= record.size()) return std::nullopt;
    const int count = record[layout.processorCountOffset];
    if (count == 0) return std::nullopt;
    return count;
}

}  // namespace vitrex::sysinfo::cpu
