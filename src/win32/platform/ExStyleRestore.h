#pragma once

#include <windows.h>

#include "core/platform/WindowSystem.h"
#include "win32/platform/WindowChangeOutcome.h"

namespace vitrex::win32 {

// Gives a window back the whole extended style `word` read from it earlier. The style word does
// not move a window into or out of the topmost band, only its place in the z-order does: so every
// bit but WS_EX_TOPMOST is written, and then the window is put in the band the word says, without
// being moved, sized or activated (a window in that band already keeps its place). Allocates
// nothing, so the crash filter calls it too.
inline WindowChange RestoreExStyle(HWND window, DWORD word) noexcept {
    const DWORD topmostNow = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)) & WS_EX_TOPMOST;
    // The previous style may be 0, so only the last error tells a failure.
    SetLastError(ERROR_SUCCESS);
    const LONG_PTR previous = SetWindowLongPtrW(
        window, GWL_EXSTYLE, static_cast<LONG_PTR>((word & ~static_cast<DWORD>(WS_EX_TOPMOST)) | topmostNow));
    const DWORD error = GetLastError();
    const WindowChange change = WindowChangeOf(previous != 0 || error == ERROR_SUCCESS, error);
    if (change != WindowChange::Done || (word & WS_EX_TOPMOST) == topmostNow) return change;
    SetWindowPos(window, (word & WS_EX_TOPMOST) != 0 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    return change;
}

}  // namespace vitrex::win32
