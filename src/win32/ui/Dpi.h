#pragma once

#include <windows.h>

#include "core/ui/DpiScale.h"
#include "core/ui/Widget.h"

namespace vitrex::win32 {

using ui::kDefaultDpi;
using ui::ScaleForDpi;

// A layout rectangle in 96-DPI pixels as device pixels at `dpi`. Edges are scaled rather than
// sizes, so controls that touch at 96 DPI still touch, with no gap or overlap, at any DPI.
RECT ScaleRect(const ui::Rect& rect, int dpi);

// The DPI the window is shown at: GetDpiForWindow where the system has it, else the screen's
// LOGPIXELSX (systems without per-monitor DPI have one DPI for everything).
int DpiForWindow(HWND window);

// The size of the window rectangle for a client area of the given size.
SIZE WindowSizeForClient(SIZE client, DWORD style, DWORD exStyle, int dpi);

// GetSystemMetricsForDpi, or the system's metric scaled from the system DPI.
int SystemMetricForDpi(int index, int dpi);

// The work area of the monitor that holds most of `window` (or the primary monitor).
RECT WorkAreaFor(HWND window);

}  // namespace vitrex::win32
