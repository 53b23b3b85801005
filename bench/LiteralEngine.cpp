#include "LiteralEngine.h"

#include <algorithm>

#include "core/transparency/Alpha.h"

namespace vitrex::bench {

using transparency::ClearWindowTransparency;
using transparency::SetWindowTransparency;

bool LiteralEngine::IsTransparencyAllowed(WindowHandle window) {
    for (const transparency::ShellWindowRule& rule : transparency::kShellWindowRules) {
        if (windows_.FindTopLevel(rule.className, rule.title) == window) return false;
    }
    const std::string classException = exceptions_.ClassException();
    if (!classException.empty() && windows_.FindTopLevel(classException, std::nullopt) == window)
        return false;
    inspector_.GetProcessList(processCache_);
    const std::uint32_t processId = windows_.ThreadProcessOf(window).processId;
    std::string name;
    if (processId != 0) {
        for (const sysinfo::ProcessInfo& process : processCache_) {
            if (process.ProcessID == processId) {
                name = process.ExeName;
                break;
            }
        }
    }
    return !exceptions_.Contains(name);
}

bool LiteralEngine::IsKnown(const std::string& text) const {
    return std::find(known_.begin(), known_.end(), text) != known_.end();
}

void LiteralEngine::Tick(const transparency::EngineSettings& settings) {
    const WindowHandle foreground = windows_.ForegroundWindow();
    if (foreground == lastForegroundWindow_) {
        previousThreadId_ = activeThreadId_;
    } else {
        if (!settings.wholeGroupMode && IsTransparencyAllowed(lastForegroundWindow_))
            SetWindowTransparency(windows_, lastForegroundWindow_, settings.inactiveLevel);
        if (settings.wholeGroupMode) {
            const std::uint32_t thread = windows_.ThreadProcessOf(foreground).threadId;
            previousThreadId_ = thread == activeThreadId_ ? 0 : activeThreadId_;
        }
        lastForegroundWindow_ = foreground;
        if (settings.wholeGroupMode)
            activeThreadId_ = windows_.ThreadProcessOf(lastForegroundWindow_).threadId;
        if (IsTransparencyAllowed(lastForegroundWindow_))
            SetWindowTransparency(windows_, lastForegroundWindow_, settings.activeLevel);
        const std::string text = std::to_string(lastForegroundWindow_);
        if (!IsKnown(text)) known_.push_back(text);
    }
    windows_.EnumerateTopLevel([&](WindowHandle window) {
        ApplyToWindowProc(window, settings);
        return true;
    });
}

void LiteralEngine::ApplyToWindowProc(WindowHandle window, const transparency::EngineSettings& settings) {
    const std::string text = std::to_string(window);
    if (!IsKnown(text) && windows_.IsVisible(window)) {
        if (IsTransparencyAllowed(window)) {
            const bool active = window == windows_.ForegroundWindow();
            SetWindowTransparency(windows_, window, active ? settings.activeLevel : settings.inactiveLevel);
        }
        known_.push_back(text);
    }
    if (!IsKnown(text)) return;
    if (!settings.wholeGroupMode) return;
    if (activeThreadId_ == previousThreadId_) return;
    const std::uint32_t thread = windows_.ThreadProcessOf(window).threadId;
    if (thread == previousThreadId_ && IsTransparencyAllowed(window))
        SetWindowTransparency(windows_, window, settings.inactiveLevel);
    if (thread == activeThreadId_ && IsTransparencyAllowed(window))
        SetWindowTransparency(windows_, window, settings.activeLevel);
}

void LiteralEngine::SwitchOff() {
    for (const std::string& text : known_) {
        const WindowHandle window = std::stoull(text);
        if (IsTransparencyAllowed(window)) ClearWindowTransparency(windows_, window);
    }
    known_.clear();
}

}  // namespace vitrex::bench
