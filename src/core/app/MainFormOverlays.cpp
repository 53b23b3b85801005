// The click-through windows: their wiring to the engine, the applications list, the tray menu
// and the hot key.

#include "core/app/MainForm.h"

namespace vitrex::app {

void MainForm::SetUpOverlays() {
    // A window closed since the last look no longer counts as one to give back.
    TrayPopup.OnPopup = [this] { overlays_.ForgetClosed(); };
    ShowOverlays();
}

void MainForm::ShowOverlays() {
    TrayPopup_ClickThrough.SetVisible(!overlays_.Empty());
    applications_.ShowOverlayMarks();
}

void MainForm::TrayPopup_ClickThroughClick() {
    overlays_.ReleaseAll();
}

}  // namespace vitrex::app
