#pragma once

#include <string_view>

namespace vitrex {

// The named object that marks a running instance for the logged-on user.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // Creates the object, or opens it when it exists, and holds it until the process ends.
    // True when another instance already held it.
    virtual bool AcquireOrDetectOther(std::string_view name) = 0;
};

}  // namespace vitrex
