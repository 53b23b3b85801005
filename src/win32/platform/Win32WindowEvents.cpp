#include "win32/platform/Win32WindowEvents.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "win32/platform/WindowHandle.h"

namespace vitrex::win32 {

namespace {

// The hook procedure gets no context of its own: the hooks of this thread name their owner here.
// Hooks are set and delivered on one thread, so no lock is needed.
thread_local std::vector<std::pair<HWINEVENTHOOK, Win32WindowEvents*>> hookOwners;

void Forget(HWINEVENTHOOK& hook) {
    if (hook == nullptr) return;
    ::UnhookWinEvent(hook);
    std::erase_if(hookOwners, [hook](const auto& entry) { return entry.first == hook; });
    hook = nullptr;
}

}  // namespace

std::optional<WindowEvent> ReportedWindowEvent(DWORD event, LONG objectId, LONG childId, bool topLevel) {
    if (childId != CHILDID_SELF) return std::nullopt;
    // Usually into a control of a window: Wine reports this where it reports no foreground change.
    if (event == EVENT_OBJECT_FOCUS && (objectId == OBJID_CLIENT || objectId == OBJID_WINDOW))
        return WindowEvent::FocusMoved;
    if (objectId != OBJID_WINDOW || !topLevel) return std::nullopt;
    switch (event) {
        case EVENT_SYSTEM_FOREGROUND:
            return WindowEvent::Foreground;
        case EVENT_OBJECT_CREATE:
            return WindowEvent::Created;
        case EVENT_OBJECT_SHOW:
            return WindowEvent::Shown;
        default:
            return std::nullopt;
    }
}

Win32WindowEvents::~Win32WindowEvents() {
    Stop();
}

bool Win32WindowEvents::Start(Sink sink) {
    Stop();
    const DWORD flags = WINEVENT_OUTOFCONTEXT | (skipOwnProcess_ ? WINEVENT_SKIPOWNPROCESS : 0);
    foregroundHook_ =
        ::SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, &OnEvent, 0, 0, flags);
    // One range for both; the destruction between them is passed over by the filter.
    objectHook_ = ::SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_SHOW, nullptr, &OnEvent, 0, 0, flags);
    focusHook_ = ::SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, &OnEvent, 0, 0, flags);
    for (HWINEVENTHOOK hook : {foregroundHook_, objectHook_, focusHook_}) {
        if (hook != nullptr) hookOwners.emplace_back(hook, this);
    }
    if (foregroundHook_ == nullptr && objectHook_ == nullptr && focusHook_ == nullptr) return false;
    sink_ = std::move(sink);
    return true;
}

void Win32WindowEvents::Stop() {
    watch_.Stop();
    Forget(foregroundHook_);
    Forget(objectHook_);
    Forget(focusHook_);
    sink_ = nullptr;
}

bool Win32WindowEvents::WatchForeground(bool on) {
    if (!on) {
        watch_.Stop();
        return true;
    }
    return sink_ && watch_.Start();
}

void Win32WindowEvents::OnForegroundSeen() {
    if (!sink_) return;
    Sink sink = sink_;
    sink(WindowEvent::ForegroundSeen, FromHwnd(::GetForegroundWindow()));
}

void CALLBACK Win32WindowEvents::OnEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG objectId,
                                         LONG childId, DWORD, DWORD) noexcept {
    const auto owner = std::find_if(hookOwners.begin(), hookOwners.end(),
                                    [hook](const auto& entry) { return entry.first == hook; });
    if (owner == hookOwners.end() || window == nullptr) return;
    Win32WindowEvents& self = *owner->second;
    // The cheap tests first: asking for the parent is a round trip to the window server under Wine,
    // and a moved focus needs no parent.
    if (!self.sink_) return;
    std::optional<WindowEvent> reported = ReportedWindowEvent(event, objectId, childId, true);
    if (reported && event != EVENT_OBJECT_FOCUS) {
        const bool topLevel = ::GetAncestor(window, GA_PARENT) == ::GetDesktopWindow();
        reported = ReportedWindowEvent(event, objectId, childId, topLevel);
    }
    if (!reported) return;
    // The sink runs its work through the dispatch boundary; nothing may leave a hook procedure.
    try {
        Sink sink = self.sink_;
        sink(*reported, FromHwnd(window));
    } catch (...) {
        ::OutputDebugStringW(L"Vitrex: a window event's handler failed\n");
    }
}

}  // namespace vitrex::win32
