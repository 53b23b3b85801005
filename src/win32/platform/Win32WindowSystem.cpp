#include "win32/platform/Win32WindowSystem.h"

#include <windows.h>

#include "win32/platform/TextConvert.h"
#include "win32/platform/WindowHandle.h"

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

}  // namespace

WindowHandle Win32WindowSystem::FindTopLevel(std::string_view className, std::optional<std::string_view> title) {
    const std::wstring wideClass = Widen(className);
    const std::wstring wideTitle = title ? Widen(*title) : std::wstring();
    return FromHwnd(FindWindowW(wideClass.c_str(), title ? wideTitle.c_str() : nullptr));
}

std::uint32_t Win32WindowSystem::GetExStyle(WindowHandle window) {
    return static_cast<std::uint32_t>(GetWindowLongPtrW(ToHwnd(window), GWL_EXSTYLE));
}

void Win32WindowSystem::SetExStyle(WindowHandle window, std::uint32_t exStyle) {
    SetWindowLongPtrW(ToHwnd(window), GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle));
}

bool Win32WindowSystem::HasLayeredAlpha() {
    return LookUpSetLayeredWindowAttributes() != nullptr;
}

bool Win32WindowSystem::SetLayeredAlpha(WindowHandle window, std::uint8_t alpha) {
    const SetLayeredWindowAttributesFn setLayered = LookUpSetLayeredWindowAttributes();
    if (setLayered == nullptr) return false;
    setLayered(ToHwnd(window), 0, alpha, LWA_ALPHA);
    return true;
}

std::optional<std::uint8_t> Win32WindowSystem::GetLayeredAlpha(WindowHandle window) {
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(ToHwnd(window), nullptr, &alpha, &flags) || (flags & LWA_ALPHA) == 0) {
        return std::nullopt;
    }
    return alpha;
}

}  // namespace vitrex::win32
