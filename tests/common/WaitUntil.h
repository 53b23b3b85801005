#pragma once

// The one way a test waits for something another thread or process does: it asks again until
// the answer comes, and gives up only after `limit`, which a passing run never reaches.

#include <chrono>
#include <functional>
#include <thread>

namespace vitrex::testing {

// True as soon as `done` holds; false when it still does not after `limit`. Between two
// questions runs `between` (by default a millisecond's sleep; a window's test pumps its
// messages there instead).
inline bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit,
                      const std::function<void()>& between = {}) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        if (between) {
            between();
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    return true;
}

}  // namespace vitrex::testing
