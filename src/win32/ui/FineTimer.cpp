#include "win32/ui/FineTimer.h"

namespace vitrex::win32 {

FineTimer::FineTimer(HWND target, UINT message, WPARAM id, DWORD periodMs)
    : target_(target), message_(message), id_(id) {
    timer_ = ::CreateThreadpoolTimer(&OnPeriod, this, nullptr);
    if (timer_ == nullptr) return;
    // A relative first tick, in 100 ns units; no window for coalescing.
    ULARGE_INTEGER due{};
    due.QuadPart = static_cast<ULONGLONG>(-static_cast<LONGLONG>(periodMs) * 10'000);
    FILETIME first{due.LowPart, due.HighPart};
    ::SetThreadpoolTimer(timer_, &first, periodMs, 0);
}

FineTimer::~FineTimer() {
    if (timer_ == nullptr) return;
    ::SetThreadpoolTimer(timer_, nullptr, 0, 0);
    ::WaitForThreadpoolTimerCallbacks(timer_, TRUE);
    ::CloseThreadpoolTimer(timer_);
}

void CALLBACK FineTimer::OnPeriod(PTP_CALLBACK_INSTANCE, void* context, PTP_TIMER) noexcept {
    auto& self = *static_cast<FineTimer*>(context);
    self.periods_.fetch_add(1, std::memory_order_acq_rel);
    if (self.pending_.exchange(true, std::memory_order_acq_rel)) return;
    if (!::PostMessageW(self.target_, self.message_, self.id_, 0)) self.Delivered();
}

}  // namespace vitrex::win32
