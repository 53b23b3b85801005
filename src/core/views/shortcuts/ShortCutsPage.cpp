#include "core/views/shortcuts/ShortCutsPage.h"
#include "core/i18n/CatalogueKeys.h"

#include <initializer_list>

#include "core/transparency/Alpha.h"
#include "core/transparency/ShortCuts.h"
#include "core/ui/ShortCut.h"

namespace vitrex::views::shortcuts {

using namespace vitrex::transparency;

void ShortCutsPage::AttachHandlers() {
    for (ui::CheckControl* control : std::initializer_list<ui::CheckControl*>{
             &c_.GB_ShortCuts_ChTransCB, &c_.GB_ShortCuts_ChTransRB1, &c_.GB_ShortCuts_ChTransRB2}) {
        control->OnClick = [this] { GB_ShortCuts_ChTransCBClick(); };
    }
    c_.GB_ShortCuts_AoTCB.OnClick = [this] { GB_ShortCuts_AoTCBClick(); };
    for (ui::HotKeyEdit* field : {&c_.GB_ShortCuts_AoTOn, &c_.GB_ShortCuts_AoTOff, &c_.DebugHotKey}) {
        field->OnExit = [this] { GB_ShortCuts_AoTCBClick(); };
    }
    c_.GB_ShortCuts_ClickThrough.OnExit = [this] { GB_ShortCuts_ClickThroughExit(); };
    c_.GB_ShortCuts_ShowHelp.OnClick = [this] { GB_ShortCuts_ShowHelpClick(); };
    c_.GB_ShortCuts_CloseBTN.OnClick = [this] { GB_ShortCuts_CloseBTNClick(); };
}

bool ShortCutsPage::HotKeyPressed(int id) {
    const WindowHandle foreground = windows_.ForegroundWindow();
    if (id == kHotKeyDigit0) {
        ClearWindowTransparency(windows_, foreground);
    } else if (id > kHotKeyDigit0 && id <= kHotKeyDigit0 + 9) {
        SetWindowTransparency(windows_, foreground, (id - kHotKeyDigit0) * 10);
    } else if (id == kHotKeyOnTop || id == kHotKeyNotOnTop) {
        windows_.SetTopmost(foreground, id == kHotKeyOnTop);
    } else {
        return false;
    }
    return true;
}

void ShortCutsPage::GB_ShortCuts_ChTransCBClick() {
    const bool enabled = c_.GB_ShortCuts_ChTransCB.Checked();
    c_.GB_ShortCuts_ChTransRB1.SetEnabled(enabled);
    c_.GB_ShortCuts_ChTransRB2.SetEnabled(enabled);
    const std::uint16_t modifier = c_.GB_ShortCuts_ChTransRB1.Checked() ? ui::ShortCut::kCtrl : 0;
    for (int digit = 0; digit <= 9; ++digit) {
        const auto shortcut = static_cast<std::uint16_t>(('0' + digit) | modifier);
        const int id = kHotKeyDigit0 + digit;
        NoteRegistration(id, shortcut, enabled, RegisterShortCut(hotKeys_, shortcut, id, enabled));
    }
    ShowRefusedHotKeys();
}

void ShortCutsPage::GB_ShortCuts_AoTCBClick() {
    const bool enabled = c_.GB_ShortCuts_AoTCB.Checked();
    for (ui::Widget* field :
         std::initializer_list<ui::Widget*>{&c_.GB_ShortCuts_AoTOn, &c_.GB_ShortCuts_AoTOff,
                                            &c_.GB_ShortCuts_AoTOnL, &c_.GB_ShortCuts_AoTOffL}) {
        field->SetEnabled(enabled);
    }
    const std::uint16_t on = c_.GB_ShortCuts_AoTOn.Value();
    const std::uint16_t off = c_.GB_ShortCuts_AoTOff.Value();
    NoteRegistration(kHotKeyOnTop, on, enabled, RegisterShortCut(hotKeys_, on, kHotKeyOnTop, enabled));
    NoteRegistration(kHotKeyNotOnTop, off, enabled,
                     RegisterShortCut(hotKeys_, off, kHotKeyNotOnTop, enabled));
    ShowRefusedHotKeys();
}

void ShortCutsPage::GB_ShortCuts_ClickThroughExit() {
    const std::uint16_t key = c_.GB_ShortCuts_ClickThrough.Value();
    // An emptied field gives the key up; it is no refusal.
    const bool enabled = ui::ShortCut(key).WithoutModifiers() != 0;
    NoteRegistration(kHotKeyClickThrough, key, enabled,
                     RegisterShortCut(hotKeys_, key, kHotKeyClickThrough, enabled));
    ShowRefusedHotKeys();
}

void ShortCutsPage::NoteRegistration(int id, std::uint16_t shortcut, bool enabled, bool registered) {
    if (!enabled || registered) {
        refusedHotKeys_.erase(id);
    } else {
        refusedHotKeys_[id] = HotKeyText(ShortCutToModifiers(shortcut), ui::ShortCut(shortcut).Key());
    }
}

void ShortCutsPage::ShowRefusedHotKeys() {
    std::string text;
    for (const auto& [id, combination] : refusedHotKeys_) {
        text += (text.empty() ? texts_.Text(i18n::kOwnSection, "NotAvailable") + " " : ", ") + combination;
    }
    c_.GB_ShortCuts_Warning.SetCaption(text);
    c_.GB_ShortCuts_Warning.SetVisible(!text.empty());
}

void ShortCutsPage::GB_ShortCuts_ShowHelpClick() {
    c_.GB_ShortCuts_HelpWin.SetVisible(true);
}

void ShortCutsPage::GB_ShortCuts_CloseBTNClick() {
    c_.GB_ShortCuts_HelpWin.SetVisible(false);
}

}  // namespace vitrex::views::shortcuts
