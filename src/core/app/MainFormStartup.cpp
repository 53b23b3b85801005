// The start-up sequence of the main window. The steps run in a fixed order; the first that
// fails ends the sequence there (the crash log records it) and the steps after it are not done.

#include "core/app/MainForm.h"
#include "core/app/settings/Autostart.h"
#include "core/app/settings/SettingsStore.h"

namespace vitrex::app {

using settings::SettingId;

void MainForm::FormCreate() {
    dispatcher_.Run(this, [this] { RunStartup(); });
    // A step that failed before the engine was made leaves nothing that could be switched on.
    if (!engine_) dispatcher_.Run(this, [this] { ShowEngineUnavailable(); });
}

void MainForm::RunStartup() {
    // 1-2. The log's header; from here on every failure ends up in the log (the dispatcher).
    crashLog_.AddHeader();

    // 3. The program needs a system of the NT family.
    if (platform_.system.PlatformId() != kPlatformWin32Nt) {
        platform_.dialogs.ShowMessage("This Programm runs only with Windows 2000, XP or newer!");
        Terminate();
        return;
    }

    // Windows an earlier run left translucent (it was killed, or crashed) are given back before
    // anything can switch the engine on. On its own: a failure there is logged, and start-up goes on.
    dispatcher_.Run(this, [this] { journal_.RestoreLeftBehind(platform_.windows); });

    // 4. The settings key, created when missing.
    settings::SettingsStore store(platform_.registry, settings::kSettingsKey);

    // 5. First start and upgrade: write the missing defaults and welcome the user.
    if (settings::WriteMissingDefaults(store) != settings::StartKind::Regular) ShowWelcomePage();

    // 6. Language: the stored display name stays chosen, so that the next quit keeps it.
    const std::string language = store.ReadText(SettingId::Language);
    GB_Language_CB.SetItems(language.empty() ? std::vector<std::string>{}
                                             : std::vector<std::string>{language});
    GB_Language_CB.SetItemIndex(language.empty() ? -1 : 0);
    loaded_.Mark({SettingId::Language});

    // 7. CPU read-out.
    GB_CPU_CB.SetChecked(store.ReadBool(SettingId::CPU));
    GB_CPU_TB.SetPosition(store.ReadInteger(SettingId::CPU_TIME));
    loaded_.Mark({SettingId::CPU, SettingId::CPU_TIME});
    GB_CPU_CBClick();

    // 8. Tray icon mode.
    LoadTrayMode(store.ReadInteger(SettingId::SYSTRAY));
    loaded_.Mark({SettingId::SYSTRAY});

    // 9. Transparency scope.
    const bool wholeGroup = store.ReadBool(SettingId::ChangeProcessAB);
    GB_Transparenz_One.SetChecked(!wholeGroup);
    GB_Transparenz_All.SetChecked(wholeGroup);
    loaded_.Mark({SettingId::ChangeProcessAB});

    // 10-11. Master switch and levels.
    TAB_TPZ_CB.SetChecked(store.ReadBool(SettingId::AB_Active));
    loaded_.Mark({SettingId::AB_Active});
    TAB_TPZ_TB_Active.SetPosition(store.ReadInteger(SettingId::AB_ActiveWindow));
    loaded_.Mark({SettingId::AB_ActiveWindow});
    TAB_TPZ_TB_InActive.SetPosition(store.ReadInteger(SettingId::AB_InActiveWindow));
    loaded_.Mark({SettingId::AB_InActiveWindow});

    // 12. Only now may moving a level slider preview it.
    TAB_TPZ_TB_Active.OnChange = [this] { TAB_TPZ_TB_ActiveChange(); };
    TAB_TPZ_TB_InActive.OnChange = [this] { TAB_TPZ_TB_InActiveChange(); };

    // 13. The state display follows the master switch.
    TAB_TPZ_CBClick();

    // 14. Taskbar level, applied at once whatever the state.
    TAB_TPZ_TLCB.SetChecked(store.ReadBool(SettingId::AB_TaskbarActive));
    TAB_TPZ_TB_TL.SetPosition(store.ReadInteger(SettingId::AB_TaskBar));
    loaded_.Mark({SettingId::AB_TaskbarActive, SettingId::AB_TaskBar});
    TAB_TPZ_TLCBClick();
    TAB_TPZ_TB_TL.OnChange = [this] { TAB_TPZ_TB_TLChange(); };

    // 15. Level group captions.
    TAB_TPZ_GB_TL.SetCaption(LevelCaption(Texts.transparency, TAB_TPZ_TB_TL.Position()));
    TAB_TPZ_GB_Active.SetCaption(LevelCaption(Texts.activeWindow, TAB_TPZ_TB_Active.Position()));
    TAB_TPZ_GB_Inactive.SetCaption(LevelCaption(Texts.inactiveWindows, TAB_TPZ_TB_InActive.Position()));

    // 16. The exceptions list (the list box keeps it sorted).
    TAB_Ausnahmen_List.SetItems(store.ReadNoABList());
    loaded_.Mark({SettingId::NoABList});

    // 17. Transparency hot keys: the box, then the modifier, each registering as its click does.
    GB_ShortCuts_ChTransCB.SetChecked(store.ReadBool(SettingId::SC_Transparency));
    GB_ShortCuts_ChTransCBClick();
    const bool withCtrl = store.ReadBool(SettingId::SC_STRG);
    GB_ShortCuts_ChTransRB1.SetChecked(withCtrl);
    GB_ShortCuts_ChTransRB2.SetChecked(!withCtrl);
    loaded_.Mark({SettingId::SC_Transparency, SettingId::SC_STRG});
    GB_ShortCuts_ChTransCBClick();

    // 18. Always-on-top hot keys.
    GB_ShortCuts_AoTCB.SetChecked(store.ReadBool(SettingId::SC_AoT));
    GB_ShortCuts_AoTOn.SetValue(static_cast<std::uint16_t>(store.ReadInteger(SettingId::SC_AoT_On)));
    GB_ShortCuts_AoTOff.SetValue(static_cast<std::uint16_t>(store.ReadInteger(SettingId::SC_AoT_Off)));
    loaded_.Mark({SettingId::SC_AoT, SettingId::SC_AoT_On, SettingId::SC_AoT_Off});
    GB_ShortCuts_AoTCBClick();

    // 19. The class exception, only when stored.
    if (store.Exists(SettingId::DebugClassException)) {
        DebugClassException.SetText(store.ReadText(SettingId::DebugClassException));
    }
    loaded_.Mark({SettingId::DebugClassException});

    // 20. About page.
    TINFO_LabelVersion.SetCaption(kVersionText);
    TINFO_LabelDatum.SetCaption(kDateText);

    // 21. "Active at Startup" counts only with the master switch on.
    GB_Start_Active.SetChecked(TAB_TPZ_CB.Checked() && store.ReadBool(SettingId::StartActive));
    loaded_.Mark({SettingId::StartActive});

    // 22. "Hide at Startup".
    GB_Start_Hide.SetChecked(store.ReadBool(SettingId::HideProgram));
    loaded_.Mark({SettingId::HideProgram});
    if (!GB_Start_Hide.Checked()) SetVisible(true);

    // 23. Start active.
    if (GB_Start_Active.Checked()) SetEngineActive(true);

    // 24.
    TrayPopup_Aktiv.SetVisible(Vitrex_Timer.Enabled());

    // 25. Autostart: only whether the value exists.
    GB_Start_AutoStart.SetChecked(settings::AutostartExists(platform_.registry));

    // 26. From now on the exit entry of the window menu quits.
    messageHookInstalled_ = true;

    // 27. The window menu gets the exit command.
    AppendExitToWindowMenu();

    // 28. The engine and its known windows.
    engine_.emplace(platform_.windows, eligibility_, &ownAlphas_, &journal_);

    // 29-30. The update check at start-up.
    settings::SettingsStore rooted(platform_.registry, settings::kSettingsKeyRooted);
    if (rooted.ReadBool(SettingId::UpdateCheck)) GB_Start_CUpdate.SetChecked(true);
    loaded_.Mark({SettingId::UpdateCheck});
}

void MainForm::ShowWelcomePage() {
    TabAllgemein.SetTabVisible(false);
    TabWillkommen.SetTabVisible(true);
    Pages.SetActivePage(kPageWelcome);
    SetVisible(true);
}

void MainForm::LoadTrayMode(int mode) {
    if (mode == 0) {
        GB_STRAY_RB1Click();
    } else if (mode == 1) {
        GB_STRAY_RB2Click();
    } else {
        GB_STRAY_RB3Click();
    }
}

void MainForm::AppendExitToWindowMenu() {
    // The main window owns its taskbar button, so its window menu is also the taskbar button's:
    // one separator and one exit entry serve both.
    ui::WindowMenu& menu = SystemMenu();
    menu.AppendSeparator();
    ui::MenuItem& exit = menu.AppendItem(kExitCommand, "WindowMenu_Exit", Texts.exitEntry);
    // The binder reports the entry as soon as the command is taken from the queue, before it is
    // dispatched: the taskbar button's menu posts it to the window.
    exit.OnClick = [this] {
        if (messageHookInstalled_) RequestQuit();
    };
    const int exitPosition = static_cast<int>(menu.Entries().size()) - 1;
    menu.SetBitmapAt(exitPosition, XPBarVTX.Icon());
    // Without Restore, Size and Maximize the fixed-border window's menu offers what applies.
    menu.DeleteAt(0);
    menu.DeleteAt(1);
    menu.DeleteAt(2);
}

}  // namespace vitrex::app
