#pragma once

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

#include "win32/platform/NoticeWindow.h"

namespace vitrex::win32 {

// Watches windows that were created hidden, from a thread of its own, until they are shown: every
// kPeriodMs it asks whether each is visible, and hands each one that is to the thread that started
// the watch, where `shown` runs with it. Wine reports no show event at all, and a window shown
// without taking the foreground (a notification, a program started in the background) announces
// itself no other way; a timer on the user-interface thread cannot wake it more often than every
// 10 ms, each wake a round trip to the window server. The thread sleeps on a condition while no
// window is watched, so an idle desktop costs nothing.
class ShownWatch {
public:
    static constexpr DWORD kPeriodMs = 2;
    // A window shown later than this is met by the policy tick.
    static constexpr std::chrono::milliseconds kWatchFor{120};
    // A program opening hundreds of hidden windows at once leaves the rest to the tick.
    static constexpr std::size_t kMaxWatched = 64;

    explicit ShownWatch(std::function<void(HWND)> shown)
        : window_(L"VitrexShownWatch",
                  [shown = std::move(shown)](WPARAM window) { shown(reinterpret_cast<HWND>(window)); }) {}
    ~ShownWatch();
    ShownWatch(const ShownWatch&) = delete;
    ShownWatch& operator=(const ShownWatch&) = delete;

    // On the thread that is to receive the shown windows; false when the thread or window cannot
    // be made. Started already: nothing.
    bool Start();
    // Ends the watching thread before it returns; what it had found and not delivered is dropped.
    void Stop();
    bool Started() const { return thread_.joinable(); }
    // Watches `window` until it is shown, destroyed, or kWatchFor has passed; false when it is not
    // watched (not started, or too many watched already).
    bool Watch(HWND window);
    // How many windows are watched now.
    std::size_t Watched();

private:
    struct Entry {
        HWND window;
        std::chrono::steady_clock::time_point until;
    };

    void Run(HWND target, const std::stop_token& stop);

    NoticeWindow window_;
    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::vector<Entry> watched_;
    // Last: stopped and joined before the rest goes.
    std::jthread thread_;
};

}  // namespace vitrex::win32
