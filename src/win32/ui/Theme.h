#pragma once

#include <windows.h>

namespace vitrex::win32 {

// Lets a tab page take the tab control's body texture where the system has visual styles.
void EnableTabPageTexture(HWND page);

// For WM_CTLCOLORSTATIC / WM_CTLCOLORBTN of a control that sits on a textured or coloured
// container: paints the container's background into the control's DC and returns a hollow
// brush, so that labels and check boxes on a tab page are not grey boxes.
HBRUSH ParentBackgroundBrush(HWND control, HDC dc);

// A colour between two, `percent` of the way from `from` to `to`.
COLORREF BlendColor(COLORREF from, COLORREF to, int percent);

// The contrast ratio of two colours as readability guidelines define it (1 to 21).
double ContrastRatio(COLORREF a, COLORREF b);

// Text colour for links on the window colour: the system's hot-tracking colour where it is
// readable there, else a dark shade of the selection colour (some colour schemes make the
// hot-tracking colour a pale background tint).
COLORREF LinkTextColor();

}  // namespace vitrex::win32
