#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/platform/WindowSystem.h"

namespace vitrex::sysinfo {

// One window with everything the lists show of it. Texts are UTF-8.
struct WindowInfo {
    std::uint32_t ProcessID = 0;
    std::uint32_t ThreadID = 0;
    WindowHandle Handle = 0;
    WindowHandle Parent = 0;
    WindowHandle Owner = 0;
    bool Visible = false;
    bool Enabled = false;
    // No owner, no parent, visible and not a tool window: what gets a taskbar button.
    bool IsAppWindow = false;
    WindowRect Rect;
    std::string Caption;
    std::string ClassName;
};
using WindowList = std::vector<WindowInfo>;

struct ThreadInfo {
    std::uint32_t OwnerProcessID = 0;
    std::uint32_t ThreadID = 0;
    WindowList Windows;  // empty unless windows were asked for
};
using ThreadList = std::vector<ThreadInfo>;

struct ProcessInfo {
    std::uint32_t ProcessID = 0;
    std::string ExeName;
    ThreadList Threads;  // empty unless threads were asked for
};
using ProcessList = std::vector<ProcessInfo>;

}  // namespace vitrex::sysinfo
