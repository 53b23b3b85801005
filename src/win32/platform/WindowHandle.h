#pragma once

#include <windows.h>

#include <cstdint>

#include "core/platform/WindowSystem.h"

namespace vitrex::win32 {

// Core code holds window handles as plain numbers.
inline HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window));
}
inline WindowHandle FromHwnd(HWND window) {
    return reinterpret_cast<std::uintptr_t>(window);
}

}  // namespace vitrex::win32
