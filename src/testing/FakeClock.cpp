#include "testing/FakeClock.h"

#include "core/platform/Errors.h"

namespace vitrex::fakes {

std::string FakeClock::LocalLongTime() {
    if (failing_) throw SystemError("GetTimeFormatEx failed (87)", "GetTimeFormatEx", 87);
    return time_;
}

}  // namespace vitrex::fakes
