#pragma once

#include <windows.h>

#include <optional>

namespace vitrex::win32 {

enum class TrayEvent {
    None,            // a mouse message the icon does not act on
    Select,          // left click, or its keyboard form
    KeySelect,       // Enter or Space on the icon chosen with the keyboard
    DoubleClick,     // left double click
    ContextMenu,     // right click, or the menu key / Shift+F10 on the icon
    BalloonClick,    // the user clicked the balloon
    BalloonHide,     // the balloon went away (icon deleted, closed by the user)
    BalloonTimeout,  // the balloon timed out
};

struct TrayNotification {
    TrayEvent event = TrayEvent::None;
    UINT iconId = 0;
    // Where to open a menu, in screen coordinates: the anchor the shell gives in version 4
    // (the icon's place for a keyboard request); nothing in the old form, where the cursor is.
    std::optional<POINT> anchor;
};

// Unpacks a tray icon's callback message. In version 4 the event is the low word of lParam, the
// icon id its high word and the anchor point is in wParam; in the old form lParam is the event
// and wParam the id. A right click is taken from WM_CONTEXTMENU in version 4 (it follows the
// button-up and also stands for the keyboard), from the button-up in the old form.
TrayNotification DecodeTrayCallback(WPARAM wParam, LPARAM lParam, bool version4);

}  // namespace vitrex::win32
