// The handlers the tray menu shares with the left panel's state group, and the applications
// page's list, which the debug page asks for too.

#include "core/app/MainForm.h"

namespace vitrex::app {

void MainForm::XPBarStatusItems0Click() {
    SetEngineActive(false);
}
void MainForm::XPBarStatusItems1Click() {
    if (ActivationAvailable()) SetEngineActive(true);
}

void MainForm::ReloadApplicationList() {
    applications_.ReloadApplicationList();
}

}  // namespace vitrex::app
