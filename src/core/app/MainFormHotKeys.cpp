// The short-cut group of the general page and the hot keys of the main window.

#include "core/app/MainForm.h"
#include "core/app/RememberedHotKeys.h"
#include "core/transparency/FullScreenWindows.h"
#include "core/transparency/ShortCuts.h"

namespace vitrex::app {

using namespace transparency;

void MainForm::OnHotKey(int id) {
    dispatcher_.Run(this, [this, id] {
        if (id == kHotKeyDebug) {
            debug_.DebugWindowInformation();
        } else if (id == kHotKeyClickThrough) {
            ClickThroughHotKey();
        } else {
            const WindowHandle foreground = platform_.windows.ForegroundWindow();
            shortCuts_.HotKeyPressed(id);
            FollowHotKeyInRemembered(remembered_, eligibility_, id, foreground);
        }
    });
}

void MainForm::ClickThroughHotKey() {
    const WindowHandle foreground = platform_.windows.ForegroundWindow();
    // The desktop and the taskbars never become overlays, nor does this program's own window: a
    // click-through settings window could not be used to give anything back.
    const bool allowed =
        foreground != 0 && foreground != ownWindow_ && !IsDesktopOrTaskbar(platform_.windows, foreground);
    overlays_.HotKey(foreground, allowed);
}

}  // namespace vitrex::app
