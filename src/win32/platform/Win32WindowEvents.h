#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "core/platform/WindowEvents.h"
#include "win32/platform/ForegroundWatch.h"

namespace vitrex::win32 {

// Which window events are reported: a whole top-level window (not a part of it, not a child
// window) becoming the foreground, created or shown, and the keyboard focus moving to any window.
// Nothing for every other event.
std::optional<WindowEvent> ReportedWindowEvent(DWORD event, LONG objectId, LONG childId, bool topLevel);

// The system's window events through out-of-context event hooks of the calling thread: the
// system queues them to that thread, which receives them while it pumps its messages, so they
// arrive on the user-interface thread between other messages. The program's own windows are left
// out, unless a test asks for them. Wine never reports foreground or show events; it reports
// creation and focus events, but only from threads that have learnt of the hooks (a thread
// learns when it next receives a message through the window server). The caller must not rely on
// any of them, and can have the foreground watched instead (ForegroundWatch), its changes
// delivered the same way.
class Win32WindowEvents : public WindowEvents {
public:
    explicit Win32WindowEvents(bool skipOwnProcess = true) : skipOwnProcess_(skipOwnProcess) {}
    ~Win32WindowEvents() override;
    Win32WindowEvents(const Win32WindowEvents&) = delete;
    Win32WindowEvents& operator=(const Win32WindowEvents&) = delete;

    bool Start(Sink sink) override;
    void Stop() override;
    bool WatchForeground(bool on) override;

private:
    static void CALLBACK OnEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG objectId, LONG childId,
                                 DWORD thread, DWORD time) noexcept;

    bool skipOwnProcess_;
    Sink sink_;
    HWINEVENTHOOK foregroundHook_ = nullptr;
    HWINEVENTHOOK objectHook_ = nullptr;
    HWINEVENTHOOK focusHook_ = nullptr;
    ForegroundWatch watch_{[this] { OnForegroundSeen(); }};

    void OnForegroundSeen();
};

}  // namespace vitrex::win32
