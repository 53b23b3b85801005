#include "core/views/transparency/TransparencyPage.h"

#include <optional>

#include "core/transparency/Alpha.h"

namespace vitrex::views::levels {

void TransparencyPage::AttachHandlers() {
    c_.TAB_TPZ_CB.OnClick = [this] { TAB_TPZ_CBClick(); };
    c_.TAB_TPZ_TLCB.OnClick = [this] { TAB_TPZ_TLCBClick(); };
    c_.TAB_TPZ_RESET.OnClick = [this] { TAB_TPZ_RESETClick(); };
}

void TransparencyPage::AttachLevelPreviews() {
    c_.TAB_TPZ_TB_Active.OnChange = [this] { TAB_TPZ_TB_ActiveChange(); };
    c_.TAB_TPZ_TB_InActive.OnChange = [this] { TAB_TPZ_TB_InActiveChange(); };
}

void TransparencyPage::AttachTaskbarPreview() {
    c_.TAB_TPZ_TB_TL.OnChange = [this] { TAB_TPZ_TB_TLChange(); };
}

using vitrex::transparency::ClearWindowTransparency;
using vitrex::transparency::SetWindowTransparency;

std::string LevelCaption(const std::string& name, int position) {
    return name + " (" + std::to_string(position) + "%)";
}

void TransparencyPage::TAB_TPZ_CBClick() {
    const bool on = c_.TAB_TPZ_CB.Checked();
    if (!on) c_.GB_Start_Active.SetChecked(false);
    c_.GB_Start_Active.SetEnabled(on);
    c_.TAB_TPZ_TB_Active.SetEnabled(on);
    c_.TAB_TPZ_TB_InActive.SetEnabled(on);
    showState_();
}

void TransparencyPage::TAB_TPZ_TB_ActiveChange() {
    c_.TAB_TPZ_GB_Active.SetCaption(
        LevelCaption(texts_.Text("TabTransparency", "ActiveWindow"), c_.TAB_TPZ_TB_Active.Position()));
    SetWindowTransparency(windows_, ownWindow_, c_.TAB_TPZ_TB_Active.Position());
}

void TransparencyPage::TAB_TPZ_TB_InActiveChange() {
    c_.TAB_TPZ_GB_Inactive.SetCaption(
        LevelCaption(texts_.Text("TabTransparency", "InActiveWindows"), c_.TAB_TPZ_TB_InActive.Position()));
    SetWindowTransparency(windows_, ownWindow_, c_.TAB_TPZ_TB_InActive.Position());
}

void TransparencyPage::TAB_TPZ_TB_TLChange() {
    c_.TAB_TPZ_GB_TL.SetCaption(
        LevelCaption(texts_.Text("TabTransparency", "Transparency"), c_.TAB_TPZ_TB_TL.Position()));
    SetWindowTransparency(windows_, Taskbar(), c_.TAB_TPZ_TB_TL.Position());
}

void TransparencyPage::TAB_TPZ_TLCBClick() {
    if (c_.TAB_TPZ_TLCB.Checked()) {
        SetWindowTransparency(windows_, Taskbar(), c_.TAB_TPZ_TB_TL.Position());
    } else {
        ClearWindowTransparency(windows_, Taskbar());
    }
    c_.TAB_TPZ_TB_TL.SetEnabled(c_.TAB_TPZ_TLCB.Checked());
}

void TransparencyPage::TAB_TPZ_RESETClick() {
    SetWindowTransparency(windows_, ownWindow_, 0);
}

void TransparencyPage::ShowLevelCaptions() {
    c_.TAB_TPZ_GB_TL.SetCaption(
        LevelCaption(texts_.Text("TabTransparency", "Transparency"), c_.TAB_TPZ_TB_TL.Position()));
    c_.TAB_TPZ_GB_Active.SetCaption(
        LevelCaption(texts_.Text("TabTransparency", "ActiveWindow"), c_.TAB_TPZ_TB_Active.Position()));
    c_.TAB_TPZ_GB_Inactive.SetCaption(
        LevelCaption(texts_.Text("TabTransparency", "InActiveWindows"), c_.TAB_TPZ_TB_InActive.Position()));
}

void TransparencyPage::LeaveTaskbarOpaque() {
    if (c_.TAB_TPZ_TLCB.Checked()) SetWindowTransparency(windows_, Taskbar(), 0);
}

WindowHandle TransparencyPage::Taskbar() {
    return windows_.FindTopLevel("Shell_TrayWnd", std::nullopt);
}

}  // namespace vitrex::views::levels
