#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "core/platform/HotKeys.h"
#include "core/platform/InstanceLock.h"

namespace vitrex::fakes {

// Hot keys of the main window: what is registered now, and combinations that another program
// holds, which the system refuses.
class FakeHotKeys : public HotKeys {
public:
    struct Key {
        std::uint32_t modifiers = 0;
        std::uint32_t virtualKey = 0;
        bool operator==(const Key&) const = default;
        auto operator<=>(const Key&) const = default;
    };

    std::map<int, Key> registered;
    std::set<Key> heldElsewhere;
    int registerCalls = 0;

    bool Register(int id, std::uint32_t modifiers, std::uint32_t virtualKey) override {
        ++registerCalls;
        const Key key{modifiers, virtualKey};
        if (heldElsewhere.contains(key)) return false;
        for (const auto& [otherId, otherKey] : registered) {
            if (otherId != id && otherKey == key) return false;
        }
        registered[id] = key;
        return true;
    }
    void Unregister(int id) override { registered.erase(id); }
};

// The instance object of the logged-on user: taken once another instance has started.
class FakeInstanceLock : public InstanceLock {
public:
    bool heldByOther = false;
    std::string lastName;
    // Whether the other instance ends within the wait, and the limit of the last wait (zero: none).
    bool otherEnds = true;
    std::chrono::milliseconds waitedUpTo{0};
    bool AcquireOrDetectOther(std::string_view name) override {
        lastName = std::string(name);
        return heldByOther;
    }
    bool WaitForOtherToEnd(std::chrono::milliseconds limit) override {
        waitedUpTo = limit;
        return otherEnds;
    }
};

}  // namespace vitrex::fakes
