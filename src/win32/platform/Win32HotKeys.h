#pragma once

#include <windows.h>

#include "core/platform/HotKeys.h"
#include "core/platform/InstanceLock.h"
#include "win32/UniqueHandle.h"

namespace vitrex::win32 {

// Hot keys registered for the main window; their presses arrive there as WM_HOTKEY.
class Win32HotKeys : public HotKeys {
public:
    void SetWindow(HWND window) { window_ = window; }
    bool Register(int id, std::uint32_t modifiers, std::uint32_t virtualKey) override;
    void Unregister(int id) override;

private:
    HWND window_ = nullptr;
};

// The named mutex of the running instance, in the session's namespace; held until the process ends.
class Win32InstanceLock : public InstanceLock {
public:
    bool AcquireOrDetectOther(std::string_view name) override;
    bool WaitForOtherToEnd(std::chrono::milliseconds limit) override;

private:
    UniqueHandle mutex_;
};

}  // namespace vitrex::win32
