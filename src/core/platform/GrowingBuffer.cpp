#include "core/platform/GrowingBuffer.h"

#include <algorithm>

#include "core/platform/Errors.h"

namespace vitrex {

std::vector<std::uint8_t> ReadWithGrowingBuffer(
    const std::function<FillAttempt(std::vector<std::uint8_t>&)>& fill, std::size_t start,
    std::size_t limit) {
    std::vector<std::uint8_t> buffer(std::clamp<std::size_t>(start, 1, limit));
    for (;;) {
        const FillAttempt attempt = fill(buffer);
        if (!attempt.tooSmall) {
            buffer.resize(std::min(attempt.used, buffer.size()));
            return buffer;
        }
        if (buffer.size() >= limit) {
            throw RegistryError("Performance data larger than " + std::to_string(limit) + " bytes");
        }
        buffer.resize(std::min(buffer.size() * 2, limit));
    }
}

}  // namespace vitrex
