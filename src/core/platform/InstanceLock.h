#pragma once

#include <chrono>
#include <string_view>

namespace vitrex {

// The named object that marks a running instance for the logged-on user.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // Creates the object, or opens it when it exists, and holds it until the process ends.
    // True when another instance already held it.
    virtual bool AcquireOrDetectOther(std::string_view name) = 0;
    // After AcquireOrDetectOther found another instance: waits until that instance has ended,
    // at most `limit`. False when it still runs then.
    virtual bool WaitForOtherToEnd(std::chrono::milliseconds limit) = 0;
};

}  // namespace vitrex
