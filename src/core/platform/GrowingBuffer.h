#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace vitrex {

// One attempt to fill a buffer: either the data fitted (and `used` bytes of it are valid), or the
// buffer was too small.
struct FillAttempt {
    bool tooSmall = false;
    std::size_t used = 0;
};

inline constexpr std::size_t kGrowingBufferStart = 64 * 1024;
inline constexpr std::size_t kGrowingBufferLimit = 64 * 1024 * 1024;

// Calls `fill` with a buffer that doubles after every "too small" until the data fits. Sizes the
// system reports along with "too small" are not trusted (the performance-data query reports 0),
// so the loop only ever grows by doubling, up to `limit` bytes; beyond it, RegistryError.
std::vector<std::uint8_t> ReadWithGrowingBuffer(
    const std::function<FillAttempt(std::vector<std::uint8_t>&)>& fill,
    std::size_t start = kGrowingBufferStart, std::size_t limit = kGrowingBufferLimit);

}  // namespace vitrex
