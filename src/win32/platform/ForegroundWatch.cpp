#include "win32/platform/ForegroundWatch.h"

namespace vitrex::win32 {

ForegroundWatch::~ForegroundWatch() {
    Stop();
}

bool ForegroundWatch::Start() {
    if (Watching()) return true;
    if (!window_.Create()) return false;
    try {
        thread_ = std::jthread([target = window_.Get()](std::stop_token stop) { Watch(target, stop); });
    } catch (...) {
        return false;
    }
    window_.SetReceiving(true);
    return true;
}

void ForegroundWatch::Stop() {
    if (!Watching()) return;
    thread_.request_stop();
    thread_.join();
    // What the thread posted before it stopped is no longer wanted.
    window_.SetReceiving(false);
    window_.DropPosted();
}

void ForegroundWatch::Watch(HWND target, const std::stop_token& stop) {
    // Nothing is known at the start: the first look reports whatever has the foreground, so a
    // change made just before the watch began is not missed.
    HWND last = reinterpret_cast<HWND>(-1);
    for (;;) {
        ::Sleep(kPeriodMs);
        if (stop.stop_requested()) return;
        const HWND foreground = ::GetForegroundWindow();
        if (foreground == last) continue;
        last = foreground;
        NoticeWindow::Post(target, 0);
    }
}

}  // namespace vitrex::win32
