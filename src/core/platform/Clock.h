#pragma once

#include <cstdint>
#include <string>

namespace vitrex {

class Clock {
public:
    virtual ~Clock() = default;

    // Milliseconds since the system started; wraps around after about 49.7 days.
    virtual std::uint32_t TickCountMs() = 0;
    // The current local time in the user's long time format, for example "14:03:59".
    virtual std::string LocalLongTime() = 0;
};

}  // namespace vitrex
