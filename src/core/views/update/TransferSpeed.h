#pragma once

#include <cstdint>
#include <string>

#include "core/platform/Clock.h"
#include "core/platform/TextCollation.h"
#include "core/ui/Controls.h"

namespace vitrex::views::update {

// "1250,00 KB/s": bytes per millisecond (a KB counted as 1000 bytes) with two decimals and the
// user's decimal separator.
std::string FormatSpeed(double bytesPerMs, const std::string& decimalSeparator);

// The progress bar and the speed label of every transfer. The speed is measured over at least a
// second; tick differences are taken as unsigned 32-bit numbers, so the tick count's wrap after
// 49.7 days costs nothing.
class TransferSpeed {
public:
    TransferSpeed(ui::ProgressBar& progress, ui::Label& speedLabel, Clock& clock, TextCollation& locale)
        : progress_(progress), speedLabel_(speedLabel), clock_(clock), locale_(locale) {}

    void HTTPWorkBegin(std::int64_t expected);
    void HTTPWork(std::int64_t count);

private:
    ui::ProgressBar& progress_;
    ui::Label& speedLabel_;
    Clock& clock_;
    TextCollation& locale_;
    std::uint32_t lastTick_ = 0;
    std::int64_t lastCount_ = 0;
};

}  // namespace vitrex::views::update
