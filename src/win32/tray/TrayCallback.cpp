#include "win32/tray/TrayCallback.h"

#include <shellapi.h>
#include <windowsx.h>

namespace vitrex::win32 {

TrayNotification DecodeTrayCallback(WPARAM wParam, LPARAM lParam, bool version4) {
    TrayNotification notification;
    UINT message = 0;
    if (version4) {
        message = LOWORD(lParam);
        notification.iconId = HIWORD(lParam);
        // Signed: monitors left of or above the primary one have negative coordinates.
        notification.anchor = POINT{GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)};
    } else {
        message = static_cast<UINT>(lParam);
        notification.iconId = static_cast<UINT>(wParam);
    }
    switch (message) {
        case NIN_SELECT:
            notification.event = TrayEvent::Select;
            break;
        case NIN_KEYSELECT:
            notification.event = TrayEvent::KeySelect;
            break;
        case WM_LBUTTONUP:
            // The older form reports a click as the button's release; the newer one as NIN_SELECT.
            if (!version4) notification.event = TrayEvent::Select;
            break;
        case WM_LBUTTONDBLCLK:
            notification.event = TrayEvent::DoubleClick;
            break;
        case WM_CONTEXTMENU:
            if (version4) notification.event = TrayEvent::ContextMenu;
            break;
        case WM_RBUTTONUP:
            if (!version4) notification.event = TrayEvent::ContextMenu;
            break;
        case NIN_BALLOONUSERCLICK:
            notification.event = TrayEvent::BalloonClick;
            break;
        case NIN_BALLOONHIDE:
            notification.event = TrayEvent::BalloonHide;
            break;
        case NIN_BALLOONTIMEOUT:
            notification.event = TrayEvent::BalloonTimeout;
            break;
        default:
            break;
    }
    return notification;
}

}  // namespace vitrex::win32
