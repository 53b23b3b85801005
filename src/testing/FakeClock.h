#pragma once

#include <cstdint>
#include <string>

#include "core/platform/Clock.h"

namespace vitrex::fakes {

// A clock that stands still until a test moves it.
class FakeClock : public Clock {
public:
    void SetLocalLongTime(std::string time) { time_ = std::move(time); }
    void SetTickCount(std::uint32_t ms) { tick_ = ms; }
    void Advance(std::uint32_t ms) { tick_ += ms; }
    // Makes LocalLongTime throw, as a failing system call would.
    void SetFailing(bool failing) { failing_ = failing; }

    std::uint32_t TickCountMs() override { return tick_; }
    std::string LocalLongTime() override;

private:
    std::string time_ = "12:34:56";
    std::uint32_t tick_ = 1000;
    bool failing_ = false;
};

}  // namespace vitrex::fakes
