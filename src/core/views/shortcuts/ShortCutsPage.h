#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "core/i18n/Catalogue.h"
#include "core/platform/HotKeys.h"
#include "core/platform/WindowSystem.h"
#include "core/ui/Controls.h"

namespace vitrex::views::shortcuts {

// The controls of the general page's short-cut group.
struct ShortCutsControls {
    ui::CheckBox& GB_ShortCuts_ChTransCB;
    ui::RadioButton& GB_ShortCuts_ChTransRB1;
    ui::RadioButton& GB_ShortCuts_ChTransRB2;
    ui::CheckBox& GB_ShortCuts_AoTCB;
    ui::Label& GB_ShortCuts_AoTOnL;
    ui::HotKeyEdit& GB_ShortCuts_AoTOn;
    ui::Label& GB_ShortCuts_AoTOffL;
    ui::HotKeyEdit& GB_ShortCuts_AoTOff;
    ui::HotKeyEdit& GB_ShortCuts_ClickThrough;
    ui::Label& GB_ShortCuts_Warning;
    ui::Button& GB_ShortCuts_ShowHelp;
    ui::Panel& GB_ShortCuts_HelpWin;
    ui::Button& GB_ShortCuts_CloseBTN;
    // The debug page's key field: leaving it registers the two keys again, as leaving theirs does.
    ui::HotKeyEdit& DebugHotKey;
};

// The short-cut group: registers the transparency digits, the two always-on-top keys and the
// click-through key as its controls say, and names under the keys the combinations the system refused, so
// that a ticked box never promises a dead key.
class ShortCutsPage {
public:
    // `texts` are the current language's, which must outlive the page.
    ShortCutsPage(ShortCutsControls controls, HotKeys& hotKeys, WindowSystem& windows,
                  const i18n::Catalogue& texts)
        : c_(controls), hotKeys_(hotKeys), windows_(windows), texts_(texts) {}
    ShortCutsPage(const ShortCutsPage&) = delete;
    ShortCutsPage& operator=(const ShortCutsPage&) = delete;

    // Runs the handlers below on its controls' events.
    void AttachHandlers();
    // The ten digits with Ctrl or the Windows key, or none of them.
    void GB_ShortCuts_ChTransCBClick();
    // The on and off keys of the two fields, or neither.
    void GB_ShortCuts_AoTCBClick();
    // The click-through key, whenever its field holds one; what it does is the main window's.
    void GB_ShortCuts_ClickThroughExit();
    void GB_ShortCuts_ShowHelpClick();
    void GB_ShortCuts_CloseBTNClick();
    // One of the group's hot keys was pressed: a digit sets the foreground window's transparency
    // in steps of 10 % (0 takes the layered style away), the two others put it on top or take it
    // off. False for an identifier that is not the group's.
    bool HotKeyPressed(int id);

private:
    void NoteRegistration(int id, std::uint16_t shortcut, bool enabled, bool registered);
    void ShowRefusedHotKeys();

    ShortCutsControls c_;
    HotKeys& hotKeys_;
    WindowSystem& windows_;
    const i18n::Catalogue& texts_;
    // Hot keys the system refused, by identifier, as "Win+1".
    std::map<int, std::string> refusedHotKeys_;
};

}  // namespace vitrex::views::shortcuts
