#include "core/transparency/FullScreenWindows.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "core/text/AsciiCase.h"

namespace vitrex::transparency {
namespace {

// The desktop's and the taskbars' windows, which cover a monitor (or a strip of it) by design.
constexpr std::array<std::string_view, 4> kShellClasses{"Progman", "WorkerW", "Shell_TrayWnd",
                                                        "Shell_SecondaryTrayWnd"};

bool Contains(const WindowRect& outer, const WindowRect& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
           outer.bottom >= inner.bottom;
}

bool CoversMonitor(WindowSystem& windows, WindowHandle window, const WindowRect& rect) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return false;
    const std::optional<WindowRect> monitor = windows.MonitorRectOf(window);
    if (!monitor || !Contains(rect, *monitor)) return false;
    // Asked only of the few windows that reach this far.
    if (windows.IsZoomed(window)) return false;
    return !IsDesktopOrTaskbar(windows, window);
}

}  // namespace

bool IsDesktopOrTaskbar(WindowSystem& windows, WindowHandle window) {
    const std::string className = windows.ClassOf(window);
    return std::any_of(kShellClasses.begin(), kShellClasses.end(),
                       [&](std::string_view shell) { return text::EqualIgnoringCase(className, shell); });
}

bool CoversItsMonitor(WindowSystem& windows, WindowHandle window) {
    return CoversMonitor(windows, window, windows.RectOf(window));
}

bool FullScreenWindows::Holds(WindowHandle window) {
    return LookAt(window);
}

bool FullScreenWindows::LookAt(WindowHandle window) {
    const WindowRect rect = windows_.RectOf(window);
    auto seen = seen_.find(window);
    if (seen != seen_.end() && seen->second.rect == rect) return seen->second.fullScreen;
    const bool fullScreen = CoversMonitor(windows_, window, rect);
    const bool before = seen != seen_.end() && seen->second.fullScreen;
    if (seen != seen_.end()) {
        seen->second = {rect, fullScreen};
    } else {
        seen_.emplace(window, Seen{rect, fullScreen});
    }
    if (fullScreen != before) {
        changes_.push_back({window, fullScreen});
        if (fullScreen) {
            held_.push_back(window);
        } else {
            held_.erase(std::remove(held_.begin(), held_.end(), window), held_.end());
        }
    }
    return fullScreen;
}

const std::vector<FullScreenWindows::Change>& FullScreenWindows::Look(
    WindowHandle foreground, const std::vector<WindowHandle>& known) {
    // Changes noted by Holds since the last look were acted on when they were noted.
    changes_.clear();
    if (foreground != 0) LookAt(foreground);
    // From the back: a window that left full screen leaves the list, and only the places already
    // looked at move.
    for (std::size_t i = held_.size(); i-- > 0;) {
        if (held_[i] != foreground) LookAt(held_[i]);
    }
    if (!known.empty()) {
        if (nextInTurn_ >= known.size()) nextInTurn_ = 0;
        const WindowHandle inTurn = known[nextInTurn_++];
        if (inTurn != foreground && std::find(held_.begin(), held_.end(), inTurn) == held_.end())
            LookAt(inTurn);
    }
    return changes_;
}

std::vector<WindowHandle> FullScreenWindows::ReleaseAll() {
    std::vector<WindowHandle> released;
    released.swap(held_);
    seen_.clear();
    changes_.clear();
    return released;
}

void FullScreenWindows::Clear() {
    seen_.clear();
    held_.clear();
    changes_.clear();
    nextInTurn_ = 0;
}

}  // namespace vitrex::transparency
