#pragma once

#include <windows.h>

#include <functional>
#include <stop_token>
#include <thread>

#include "win32/UniqueHandle.h"

namespace vitrex::win32 {

// Watches the foreground window from a thread of its own: every kPeriodMs it asks only for the
// foreground window, and only when that changed does it wake the thread that started it, through a
// message-only window of that thread, where `changed` runs. A timer on the user-interface thread
// would wake its message loop a hundred times a second for nothing, several round trips to the
// window server each under Wine; this costs one question per period. The thread sleeps between
// questions rather than waiting on an event: a wait with a time limit is itself a round trip to the
// window server under Wine, dearer than the question; the stop is seen within one period.
class ForegroundWatch {
public:
    static constexpr DWORD kPeriodMs = 10;

    explicit ForegroundWatch(std::function<void()> changed) : changed_(std::move(changed)) {}
    ~ForegroundWatch();
    ForegroundWatch(const ForegroundWatch&) = delete;
    ForegroundWatch& operator=(const ForegroundWatch&) = delete;

    // On the thread that is to receive the changes; false when the thread or window cannot be
    // made. Watching already: nothing.
    bool Start();
    // Ends the watching thread before it returns; changes it had posted are dropped.
    void Stop();
    bool Watching() const { return thread_.joinable(); }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    static void Watch(HWND target, const std::stop_token& stop);

    std::function<void()> changed_;
    UniqueWindow window_;
    // Last: stopped and joined before the window goes.
    std::jthread thread_;
};

}  // namespace vitrex::win32
