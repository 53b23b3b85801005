#include "win32/platform/ShownWatch.h"

#include <algorithm>

namespace vitrex::win32 {

ShownWatch::~ShownWatch() {
    Stop();
}

bool ShownWatch::Start() {
    if (Started()) return true;
    if (!window_.Create()) return false;
    try {
        thread_ = std::jthread([this, target = window_.Get()](std::stop_token stop) { Run(target, stop); });
    } catch (...) {
        return false;
    }
    window_.SetReceiving(true);
    return true;
}

void ShownWatch::Stop() {
    if (!Started()) return;
    thread_.request_stop();
    thread_.join();
    {
        std::lock_guard lock(mutex_);
        watched_.clear();
    }
    window_.SetReceiving(false);
    window_.DropPosted();
}

bool ShownWatch::Watch(HWND window) {
    if (!Started()) return false;
    {
        std::lock_guard lock(mutex_);
        const bool known = std::any_of(watched_.begin(), watched_.end(),
                                       [window](const Entry& entry) { return entry.window == window; });
        if (known) return true;
        if (watched_.size() >= kMaxWatched) return false;
        watched_.push_back({window, std::chrono::steady_clock::now() + kWatchFor});
    }
    wake_.notify_one();
    return true;
}

std::size_t ShownWatch::Watched() {
    std::lock_guard lock(mutex_);
    return watched_.size();
}

void ShownWatch::Run(HWND target, const std::stop_token& stop) {
    std::vector<Entry> looking;
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            if (!wake_.wait(lock, stop, [this] { return !watched_.empty(); })) return;
            looking = watched_;
        }
        ::Sleep(kPeriodMs);
        if (stop.stop_requested()) return;
        // Asked outside the lock: each question is a round trip to the window server under Wine.
        const auto now = std::chrono::steady_clock::now();
        std::vector<HWND> done;
        for (const Entry& entry : looking) {
            if (!::IsWindow(entry.window) || now >= entry.until) {
                done.push_back(entry.window);
            } else if (::IsWindowVisible(entry.window)) {
                done.push_back(entry.window);
                NoticeWindow::Post(target, reinterpret_cast<WPARAM>(entry.window));
            }
        }
        if (done.empty()) continue;
        std::lock_guard lock(mutex_);
        std::erase_if(watched_, [&done](const Entry& entry) {
            return std::find(done.begin(), done.end(), entry.window) != done.end();
        });
    }
}

}  // namespace vitrex::win32
