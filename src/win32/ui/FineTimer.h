#pragma once

#include <windows.h>

#include <atomic>

namespace vitrex::win32 {

// A period shorter than a window timer's floor (USER_TIMER_MINIMUM, 10 ms): the system's thread
// pool counts it off the user-interface thread and posts `message` (wParam `id`) to `target`,
// so the tick runs on the window's thread like a WM_TIMER. At most one tick waits in the queue
// at a time: a thread that falls behind gets the next tick, not a backlog. The window's thread
// calls Delivered() as it takes a tick. Where the system clock's step is coarser than the
// period (Windows runs it at 15.6 ms unless a program asks for more), the ticks come that often.
class FineTimer {
public:
    FineTimer(HWND target, UINT message, WPARAM id, DWORD periodMs);
    // Stopped, and no callback still running, before it returns.
    ~FineTimer();
    FineTimer(const FineTimer&) = delete;
    FineTimer& operator=(const FineTimer&) = delete;

    // False when the system would not make the timer; it then never ticks.
    bool Running() const { return timer_ != nullptr; }
    void Delivered() { pending_.store(false, std::memory_order_release); }
    // How many periods have passed, ticks posted or not.
    unsigned Periods() const { return periods_.load(std::memory_order_acquire); }

private:
    static void CALLBACK OnPeriod(PTP_CALLBACK_INSTANCE, void* context, PTP_TIMER) noexcept;

    HWND target_;
    UINT message_;
    WPARAM id_;
    std::atomic<bool> pending_{false};
    std::atomic<unsigned> periods_{0};
    PTP_TIMER timer_ = nullptr;
};

}  // namespace vitrex::win32
