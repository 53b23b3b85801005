#pragma once

#include <windows.h>

#include "core/imaging/Color.h"

namespace vitrex::win32 {

// Lets a tab page take the tab control's body texture where the system has visual styles.
void EnableTabPageTexture(HWND page);

// For WM_CTLCOLORSTATIC / WM_CTLCOLORBTN of a control that sits on a textured or coloured
// container: paints the container's background into the control's DC and returns a hollow
// brush, so that labels and check boxes on a tab page are not grey boxes.
HBRUSH ParentBackgroundBrush(HWND control, HDC dc);

inline imaging::Rgb ToRgb(COLORREF colour) {
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}
inline COLORREF ToColorRef(imaging::Rgb colour) {
    return RGB(colour.r, colour.g, colour.b);
}

// imaging::BlendColor for the system's colour values.
COLORREF BlendColor(COLORREF from, COLORREF to, int percent);

// Text colour for links on the window colour, readable in any colour scheme
// (imaging::ReadableLinkColor of the system's colours).
COLORREF LinkTextColor();

}  // namespace vitrex::win32
