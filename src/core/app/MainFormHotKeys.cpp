// The short-cut group of the general page and the hot-key message of the main window.

#include "core/app/MainForm.h"
#include "core/transparency/Alpha.h"
#include "core/transparency/ShortCuts.h"

namespace vitrex::app {

using namespace transparency;

void MainForm::GB_ShortCuts_ChTransCBClick() {
    shortCuts_.GB_ShortCuts_ChTransCBClick();
}

void MainForm::GB_ShortCuts_AoTCBClick() {
    shortCuts_.GB_ShortCuts_AoTCBClick();
}

void MainForm::GB_ShortCuts_ShowHelpClick() {
    shortCuts_.GB_ShortCuts_ShowHelpClick();
}

void MainForm::GB_ShortCuts_CloseBTNClick() {
    shortCuts_.GB_ShortCuts_CloseBTNClick();
}

void MainForm::OnHotKey(int id) {
    dispatcher_.Run(this, [this, id] {
        const WindowHandle foreground = platform_.windows.ForegroundWindow();
        if (id == kHotKeyDigit0) {
            ClearWindowTransparency(platform_.windows, foreground);
        } else if (id > kHotKeyDigit0 && id <= kHotKeyDigit0 + 9) {
            SetWindowTransparency(platform_.windows, foreground, (id - kHotKeyDigit0) * 10);
        } else if (id == kHotKeyOnTop || id == kHotKeyNotOnTop) {
            platform_.windows.SetTopmost(foreground, id == kHotKeyOnTop);
        } else if (id == kHotKeyDebug) {
            DebugWindowInformation();
        }
    });
}

}  // namespace vitrex::app
