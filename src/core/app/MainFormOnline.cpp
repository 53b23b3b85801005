// The online pages' handlers: the update page with the update notice, and the bug report. Each
// is one call into its page's presenter.

#include "core/app/MainForm.h"

namespace vitrex::app {

void MainForm::AttachOnlineHandlers() {
    TAB_U_ManuellBTN.OnClick = [this] { TAB_U_ManuellBTNClick(); };
    TAB_U_NoConnection.OnClick = [this] { TAB_U_NoConnectionClick(); };
    TAB_U_UpdateBTN.OnClick = [this] { TAB_U_UpdateBTNClick(); };
    TAB_U_AbbrechenBTN.OnClick = [this] { TAB_U_AbbrechenBTNClick(); };
    TrayUpdate.OnBalloonClick = [this] { TrayUpdateBalloonHintClick(); };
    // The icon itself opens the page too: a balloon the user missed is gone, the icon stays.
    TrayUpdate.OnClick = [this] { TrayUpdateBalloonHintClick(); };
    UpdateLoadTimer.OnTimer = [this] { update_.UpdateLoadTimerTimer(); };
    TrayUpdate.OnBalloonClose = [this] { TrayUpdateBalloonHintHide(); };
    TrayUpdate.OnBalloonTimeout = [this] { TrayUpdateBalloonHintTimeout(); };
    // Raised inside the transfer's wait, for every transfer.
    platform_.http.OnWorkBegin = [this](std::int64_t expected) { HTTPWorkBegin(expected); };
    platform_.http.OnWork = [this](std::int64_t count) { HTTPWork(count); };

    Bug_Mail.OnEnter = [this] { Bug_MailClick(); };
    Bug_Mail.OnExit = [this] { Bug_MailExit(); };
    Bug_Send.OnClick = [this] { Bug_SendClick(); };
}

void MainForm::TAB_U_ManuellBTNClick() {
    update_.TAB_U_ManuellBTNClick();
}
void MainForm::TAB_U_NoConnectionClick() {
    update_.TAB_U_NoConnectionClick();
}
void MainForm::TAB_U_UpdateBTNClick() {
    update_.TAB_U_UpdateBTNClick();
}
void MainForm::TAB_U_AbbrechenBTNClick() {
    update_.TAB_U_AbbrechenBTNClick();
}
void MainForm::HTTPWorkBegin(std::int64_t expected) {
    update_.HTTPWorkBegin(expected);
}
void MainForm::HTTPWork(std::int64_t count) {
    update_.HTTPWork(count);
}

// The notice goes once its balloon is clicked; the page then loads.
void MainForm::TrayUpdateBalloonHintClick() {
    BringToFront();
    TrayUpdate.SetIconVisible(false);
    XPBarVTXItems1Click();
}
void MainForm::TrayUpdateBalloonHintHide() {
    update_.TrayUpdateBalloonHintHide();
}
void MainForm::TrayUpdateBalloonHintTimeout() {
    update_.TrayUpdateBalloonHintHide();
}

void MainForm::Bug_MailClick() {
    bugReport_.Bug_MailClick();
}
void MainForm::Bug_MailExit() {
    bugReport_.Bug_MailExit();
}
void MainForm::Bug_SendClick() {
    bugReport_.Bug_SendClick();
}

}  // namespace vitrex::app
