#include "win32/platform/Win32WindowSystem.h"

#include <windows.h>

#include <exception>

#include "win32/platform/ExStyleRestore.h"
#include "win32/platform/LayeredAttributesBits.h"
#include "win32/platform/TextConvert.h"
#include "win32/platform/WindowChangeOutcome.h"
#include "win32/platform/WindowHandle.h"
#include "win32/platform/WindowIcon.h"

namespace vitrex::win32 {
namespace {

using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

// Looked up in the already loaded user32 on every call, never cached and never loaded: systems
// without the function simply get no translucency.
SetLayeredWindowAttributesFn LookUpSetLayeredWindowAttributes() {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (user32 == nullptr) return nullptr;
    FARPROC proc = GetProcAddress(user32, "SetLayeredWindowAttributes");
    return reinterpret_cast<SetLayeredWindowAttributesFn>(reinterpret_cast<void*>(proc));
}

// The enumeration callbacks run inside user32: an exception must not unwind through it, so it is
// caught, the enumeration stopped, and the exception thrown again once user32 has returned.
struct Enumeration {
    WindowVisitor& visit;
    std::exception_ptr failure;
};

BOOL CALLBACK VisitWindow(HWND window, LPARAM context) noexcept {
    auto* enumeration = reinterpret_cast<Enumeration*>(context);
    try {
        return enumeration->visit(FromHwnd(window)) ? TRUE : FALSE;
    } catch (...) {
        enumeration->failure = std::current_exception();
        return FALSE;
    }
}

// The system hands out at most 260 characters of a title or class name.
constexpr int kTextCharacters = 260;

// How long a new title may wait for the window's thread: WM_SETTEXT to another program's window
// is sent, and a hung program would otherwise hang this one.
constexpr UINT kSetTextWaitMs = 1000;

// A bound on the whole title, far beyond any real one.
constexpr std::size_t kLongestTitle = 1 << 20;

DWORD ReadExStyle(HWND window) {
    return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
}

WindowChange WriteExStyle(HWND window, DWORD exStyle) {
    // The previous style may be 0, so only the last error tells a failure.
    SetLastError(ERROR_SUCCESS);
    const LONG_PTR previous = SetWindowLongPtrW(window, GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle));
    const DWORD error = GetLastError();
    return WindowChangeOf(previous != 0 || error == ERROR_SUCCESS, error);
}

UINT SystemCommandNumber(SystemCommand command) {
    switch (command) {
        case SystemCommand::Restore:
            return SC_RESTORE;
        case SystemCommand::Minimize:
            return SC_MINIMIZE;
        case SystemCommand::Maximize:
            return SC_MAXIMIZE;
        case SystemCommand::Close:
            return SC_CLOSE;
    }
    return SC_RESTORE;
}

}  // namespace

WindowStyle Win32WindowSystem::StyleOf(WindowHandle window) {
    const DWORD exStyle = ReadExStyle(ToHwnd(window));
    return {(exStyle & WS_EX_LAYERED) != 0, (exStyle & WS_EX_TOPMOST) != 0, (exStyle & WS_EX_TOOLWINDOW) != 0,
            (exStyle & WS_EX_TRANSPARENT) != 0, exStyle};
}

bool Win32WindowSystem::HasLayeredAlpha() {
    return LookUpSetLayeredWindowAttributes() != nullptr;
}

WindowChange Win32WindowSystem::MakeLayered(WindowHandle window, std::uint8_t alpha) {
    const SetLayeredWindowAttributesFn setLayered = LookUpSetLayeredWindowAttributes();
    if (setLayered == nullptr) return WindowChange::Unavailable;
    const HWND hwnd = ToHwnd(window);
    if (WriteExStyle(hwnd, ReadExStyle(hwnd) | WS_EX_LAYERED) == WindowChange::Refused)
        return WindowChange::Refused;
    const bool succeeded = setLayered(hwnd, 0, alpha, LWA_ALPHA) != FALSE;
    return WindowChangeOf(succeeded, succeeded ? ERROR_SUCCESS : GetLastError());
}

WindowChange Win32WindowSystem::ClearLayered(WindowHandle window) {
    const HWND hwnd = ToHwnd(window);
    return WriteExStyle(hwnd, ReadExStyle(hwnd) & ~static_cast<DWORD>(WS_EX_LAYERED));
}

std::optional<std::uint8_t> Win32WindowSystem::GetLayeredAlpha(WindowHandle window) {
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(ToHwnd(window), nullptr, &alpha, &flags) || (flags & LWA_ALPHA) == 0) {
        return std::nullopt;
    }
    return alpha;
}

std::optional<LayeredAttributes> Win32WindowSystem::GetLayeredAttributes(WindowHandle window) {
    // Fails for a window that is not layered, and for one whose program draws it with
    // UpdateLayeredWindow (per-pixel alpha).
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(ToHwnd(window), &key, &alpha, &flags)) return std::nullopt;
    return FromLayeredCall(key, alpha, flags);
}

void Win32WindowSystem::SetLayeredAttributes(WindowHandle window, const LayeredAttributes& attributes) {
    if (const SetLayeredWindowAttributesFn setLayered = LookUpSetLayeredWindowAttributes()) {
        const LayeredAttributesCall call = ToLayeredCall(attributes);
        setLayered(ToHwnd(window), call.colorKey, call.alpha, call.flags);
    }
}

WindowChange Win32WindowSystem::SetClickThrough(WindowHandle window, bool clickThrough) {
    const HWND hwnd = ToHwnd(window);
    const DWORD exStyle = ReadExStyle(hwnd);
    return WriteExStyle(hwnd, clickThrough ? (exStyle | WS_EX_TRANSPARENT)
                                           : (exStyle & ~static_cast<DWORD>(WS_EX_TRANSPARENT)));
}

WindowChange Win32WindowSystem::RestoreStyle(WindowHandle window, std::uint32_t word) {
    return RestoreExStyle(ToHwnd(window), static_cast<DWORD>(word));
}

WindowHandle Win32WindowSystem::ForegroundWindow() {
    return FromHwnd(GetForegroundWindow());
}

void Win32WindowSystem::EnumerateTopLevel(WindowVisitor visit) {
    Enumeration enumeration{visit, nullptr};
    // The same top-level windows in the same order as EnumWindows, which under Wine asks the
    // window server whether each still exists before visiting it: a round trip per window on
    // every tick. A window closed since the listing is one the engine meets as vanished anyway.
    // The desktop is named: without it Wine lists the message-only windows too. A thread keeps
    // its desktop (this program never moves one), and asking is a round trip of its own.
    static thread_local const HDESK desktop = GetThreadDesktop(GetCurrentThreadId());
    if (desktop != nullptr) {
        EnumDesktopWindows(desktop, VisitWindow, reinterpret_cast<LPARAM>(&enumeration));
    } else {
        EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&enumeration));
    }
    if (enumeration.failure) std::rethrow_exception(enumeration.failure);
}

void Win32WindowSystem::EnumerateThreadWindows(std::uint32_t threadId, WindowVisitor visit) {
    Enumeration enumeration{visit, nullptr};
    EnumThreadWindows(threadId, VisitWindow, reinterpret_cast<LPARAM>(&enumeration));
    if (enumeration.failure) std::rethrow_exception(enumeration.failure);
}

WindowHandle Win32WindowSystem::FindTopLevel(std::string_view className,
                                             std::optional<std::string_view> title) {
    if (className.empty()) return 0;
    const std::wstring wideClass = Widen(className);
    const std::wstring wideTitle = title ? Widen(*title) : std::wstring();
    return FromHwnd(FindWindowW(wideClass.c_str(), title ? wideTitle.c_str() : nullptr));
}

bool Win32WindowSystem::IsVisible(WindowHandle window) {
    return IsWindowVisible(ToHwnd(window)) != FALSE;
}

bool Win32WindowSystem::IsEnabled(WindowHandle window) {
    return IsWindowEnabled(ToHwnd(window)) != FALSE;
}

WindowHandle Win32WindowSystem::ParentOf(WindowHandle window) {
    return FromHwnd(GetParent(ToHwnd(window)));
}

WindowHandle Win32WindowSystem::OwnerOf(WindowHandle window) {
    return FromHwnd(GetWindow(ToHwnd(window), GW_OWNER));
}

WindowRect Win32WindowSystem::RectOf(WindowHandle window) {
    RECT rect{};
    if (!GetWindowRect(ToHwnd(window), &rect)) return {};
    return {rect.left, rect.top, rect.right, rect.bottom};
}

std::string Win32WindowSystem::TextOf(WindowHandle window) {
    wchar_t text[kTextCharacters + 1] = {};
    const int length = GetWindowTextW(ToHwnd(window), text, kTextCharacters + 1);
    return Narrow(std::wstring_view(text, length > 0 ? static_cast<std::size_t>(length) : 0));
}

std::string Win32WindowSystem::ClassOf(WindowHandle window) {
    wchar_t name[kTextCharacters + 1] = {};
    const int length = GetClassNameW(ToHwnd(window), name, kTextCharacters + 1);
    return Narrow(std::wstring_view(name, length > 0 ? static_cast<std::size_t>(length) : 0));
}

WindowThreadProcess Win32WindowSystem::ThreadProcessOf(WindowHandle window) {
    DWORD processId = 0;
    const DWORD threadId = GetWindowThreadProcessId(ToHwnd(window), &processId);
    return {threadId, threadId == 0 ? 0 : processId};
}

void Win32WindowSystem::SetTopmost(WindowHandle window, bool topmost) {
    SetWindowPos(ToHwnd(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

std::string Win32WindowSystem::FullTextOf(WindowHandle window) {
    // Not GetWindowTextLength: it sends WM_GETTEXTLENGTH, which a hung window never answers.
    // GetWindowText reads another program's title without asking it; a text that fills the
    // buffer may be longer, so the buffer grows until it does not.
    std::wstring text(kTextCharacters + 1, L'\0');
    for (;;) {
        const int copied = GetWindowTextW(ToHwnd(window), text.data(), static_cast<int>(text.size()));
        if (copied <= 0) return {};
        if (static_cast<std::size_t>(copied) + 1 < text.size() || text.size() >= kLongestTitle) {
            text.resize(static_cast<std::size_t>(copied));
            return Narrow(text);
        }
        text.assign(text.size() * 4, L'\0');
    }
}

void Win32WindowSystem::SetText(WindowHandle window, const std::string& text) {
    const std::wstring wide = Widen(text);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(ToHwnd(window), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()),
                        SMTO_ABORTIFHUNG, kSetTextWaitMs, &result);
}

bool Win32WindowSystem::IsZoomed(WindowHandle window) {
    return ::IsZoomed(ToHwnd(window)) != FALSE;
}

std::optional<WindowRect> Win32WindowSystem::MonitorRectOf(WindowHandle window) {
    HWND hwnd = ToHwnd(window);
    // A handle that names no window has no monitor, whatever MonitorFromWindow's default gives.
    if (!IsWindow(hwnd)) return std::nullopt;
    HMONITOR monitor = MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (monitor == nullptr || !GetMonitorInfoW(monitor, &info)) return std::nullopt;
    return WindowRect{info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
}

void Win32WindowSystem::PostSystemCommand(WindowHandle window, SystemCommand command) {
    PostMessageW(ToHwnd(window), WM_SYSCOMMAND, SystemCommandNumber(command), 0);
}

WindowIcon Win32WindowSystem::SmallIconOf(WindowHandle window, std::uint32_t waitMs) {
    return QuerySmallIcon(ToHwnd(window), waitMs);
}

}  // namespace vitrex::win32
