// The short-cut group of the general page and the hot keys of the main window.

#include "core/app/MainForm.h"
#include "core/app/RememberedHotKeys.h"
#include "core/transparency/ShortCuts.h"

namespace vitrex::app {

using namespace transparency;

void MainForm::OnHotKey(int id) {
    dispatcher_.Run(this, [this, id] {
        if (id == kHotKeyDebug) {
            debug_.DebugWindowInformation();
        } else {
            const WindowHandle foreground = platform_.windows.ForegroundWindow();
            shortCuts_.HotKeyPressed(id);
            FollowHotKeyInRemembered(remembered_, eligibility_, id, foreground);
        }
    });
}

}  // namespace vitrex::app
