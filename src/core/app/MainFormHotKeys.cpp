// The short-cut group of the general page and the hot-key message of the main window.

#include "core/app/MainForm.h"
#include "core/transparency/Alpha.h"
#include "core/transparency/ShortCuts.h"

namespace vitrex::app {

using namespace transparency;

void MainForm::GB_ShortCuts_ChTransCBClick() {
    const bool enabled = GB_ShortCuts_ChTransCB.Checked();
    GB_ShortCuts_ChTransRB1.SetEnabled(enabled);
    GB_ShortCuts_ChTransRB2.SetEnabled(enabled);
    const std::uint16_t modifier = GB_ShortCuts_ChTransRB1.Checked() ? kShortcutCtrl : 0;
    for (int digit = 0; digit <= 9; ++digit) {
        const auto shortcut = static_cast<std::uint16_t>(('0' + digit) | modifier);
        const int id = kHotKeyDigit0 + digit;
        NoteRegistration(id, shortcut, enabled, RegisterShortCut(platform_.hotKeys, shortcut, id, enabled));
    }
    ShowRefusedHotKeys();
}

void MainForm::GB_ShortCuts_AoTCBClick() {
    const bool enabled = GB_ShortCuts_AoTCB.Checked();
    for (ui::Widget* field : std::initializer_list<ui::Widget*>{
             &GB_ShortCuts_AoTOn, &GB_ShortCuts_AoTOff, &GB_ShortCuts_AoTOnL, &GB_ShortCuts_AoTOffL}) {
        field->SetEnabled(enabled);
    }
    const std::uint16_t on = GB_ShortCuts_AoTOn.Value();
    const std::uint16_t off = GB_ShortCuts_AoTOff.Value();
    NoteRegistration(kHotKeyOnTop, on, enabled,
                     RegisterShortCut(platform_.hotKeys, on, kHotKeyOnTop, enabled));
    NoteRegistration(kHotKeyNotOnTop, off, enabled,
                     RegisterShortCut(platform_.hotKeys, off, kHotKeyNotOnTop, enabled));
    ShowRefusedHotKeys();
}

void MainForm::NoteRegistration(int id, std::uint16_t shortcut, bool enabled, bool registered) {
    if (!enabled || registered) {
        refusedHotKeys_.erase(id);
    } else {
        refusedHotKeys_[id] = HotKeyText(ShortCutToModifiers(shortcut), shortcut & 0xFF);
    }
}

void MainForm::ShowRefusedHotKeys() {
    std::string text;
    for (const auto& [id, combination] : refusedHotKeys_) {
        if (id == kHotKeyDebug) continue;
        text += (text.empty() ? "Not available: " : ", ") + combination;
    }
    GB_ShortCuts_Warning.SetCaption(text);
    GB_ShortCuts_Warning.SetVisible(!text.empty());
}

void MainForm::GB_ShortCuts_ShowHelpClick() {
    GB_ShortCuts_HelpWin.SetVisible(true);
}

void MainForm::GB_ShortCuts_CloseBTNClick() {
    GB_ShortCuts_HelpWin.SetVisible(false);
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
