// The update notice in the notification area: clicked, it opens the update page.

#include "core/app/MainForm.h"

namespace vitrex::app {

// The notice goes once its balloon is clicked; the page then loads.
void MainForm::TrayUpdateBalloonHintClick() {
    BringToFront();
    TrayUpdate.SetIconVisible(false);
    XPBarVTXItems1Click();
}
}  // namespace vitrex::app
