// The applications page and the debug page's tools.

#include "core/app/MainForm.h"
#include "core/transparency/DebugTools.h"

namespace vitrex::app {

void MainForm::AttachApplicationHandlers() {
    applications_.SetOwnWindow([this] { return ownWindow_; });
    // The engine runs exactly while its policy timer does.
    applications_.SetEngineSwitch(
        {[this] { return Vitrex_Timer.Enabled(); }, [this](bool active) { SetEngineActive(active); }});
    applications_.AttachHandlers();

    TabDebugBTN.OnClick = [this] { TabDebugBTNClick(); };
    DebugMakeHandleTrans.OnClick = [this] { DebugMakeHandleTransClick(); };
    DebugDeleteTrans.OnClick = [this] { DebugDeleteTransClick(); };
}

void MainForm::ReloadApplicationList() {
    applications_.ReloadApplicationList();
}

void MainForm::TabDebugBTNClick() {
    transparency::TabDebugBTNClick(platform_.hotKeys, DebugHotKey);
}

void MainForm::DebugMakeHandleTransClick() {
    transparency::DebugMakeHandleTransClick(platform_.windows, DebugMakeHandleTransEdit);
}

void MainForm::DebugDeleteTransClick() {
    transparency::DebugDeleteTransClick(platform_.windows, DebugMakeHandleTransEdit);
}

void MainForm::DebugWindowInformation() {
    transparency::DebugWindowInformation(platform_.windows, TAB_AW_List, [this] { ReloadApplicationList(); },
                                         {TabDebugL1, TabDebugL2, TabDebugL3, TabDebugL4},
                                         {TabDebugL5, TabDebugL6, TabDebugL7, TabDebugL8});
}

}  // namespace vitrex::app
