#pragma once

#include <windows.h>

#include <optional>

#include "core/imaging/Bitmap.h"
#include "core/platform/WindowSystem.h"

namespace vitrex::win32 {

// The icon drawn at size x size pixels, with the alpha it has (from its alpha channel or its
// mask); nothing when it cannot be drawn.
std::optional<imaging::Bitmap> IconToBitmap(HICON icon, int size);

// A window's small icon at the system's small-icon size: the class's small icon, else the
// window's answer to WM_GETICON small, else big. Each message waits at most `waitMs` and gives up
// at once on a thread the system knows to be hung. When the system refuses to pass the question
// on at all (Wine does so for windows of other processes, since an icon handle is only valid in
// its own process there), the first icon of the window's program file stands in.
WindowIcon QuerySmallIcon(HWND window, UINT waitMs);

}  // namespace vitrex::win32
