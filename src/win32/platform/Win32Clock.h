#pragma once

#include "core/platform/Clock.h"

namespace vitrex::win32 {

class Win32Clock : public Clock {
public:
    std::uint32_t TickCountMs() override;
    std::string LocalLongTime() override;
};

}  // namespace vitrex::win32
