#include "core/views/update/TransferSpeed.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace vitrex::views::update {
namespace {

// The progress bar counts in int; an installer never comes near that.
int BarValue(std::int64_t bytes) {
    return static_cast<int>(std::clamp<std::int64_t>(bytes, 0, INT_MAX));
}

}  // namespace

std::string FormatSpeed(double bytesPerMs, const std::string& decimalSeparator) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", bytesPerMs);
    std::string text = buffer;
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text + " KB/s";
}

void TransferSpeed::HTTPWorkBegin(std::int64_t expected) {
    progress_.SetRange(0, BarValue(expected));
    lastTick_ = clock_.TickCountMs();
    lastCount_ = 0;
}

void TransferSpeed::HTTPWork(std::int64_t count) {
    progress_.SetPosition(BarValue(count));
    if (static_cast<std::uint32_t>(clock_.TickCountMs() - lastTick_) < 1000) return;
    const std::uint32_t now = clock_.TickCountMs();
    const double elapsedMs = static_cast<std::uint32_t>(now - lastTick_);
    const double speed = static_cast<double>(count - lastCount_) / elapsedMs;
    speedLabel_.SetCaption(FormatSpeed(speed, locale_.DecimalSeparator()));
    speedLabel_.SetVisible(true);
    lastTick_ = now;
    lastCount_ = count;
}

}  // namespace vitrex::views::update
