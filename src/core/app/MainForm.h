#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/app/ActivationState.h"
#include "core/app/MainFormControls.h"
#include "core/app/Platform.h"
#include "core/app/crashlog/CrashDispatcher.h"
#include "core/app/crashlog/CrashLog.h"
#include "core/app/settings/LoadedSettings.h"
#include "core/app/settings/SettingTargets.h"
#include "core/i18n/Catalogue.h"
#include "core/net/Client.h"
#include "core/sysinfo/SystemInspector.h"
#include "core/transparency/Eligibility.h"
#include "core/transparency/Engine.h"
#include "core/transparency/Overlays.h"
#include "core/transparency/OwnAlphas.h"
#include "core/transparency/RefusedWindows.h"
#include "core/transparency/RememberedPrograms.h"
#include "core/transparency/WindowJournal.h"
#include "core/ui/Menu.h"
#include "core/ui/Timer.h"
#include "core/ui/TrayIcon.h"
#include "core/views/applications/ApplicationsPage.h"
#include "core/views/bugreport/BugReportPage.h"
#include "core/views/debug/DebugPage.h"
#include "core/views/exceptions/ExceptionsList.h"
#include "core/views/exceptions/ExceptionsPage.h"
#include "core/views/exceptions/RememberedView.h"
#include "core/views/general/GeneralPage.h"
#include "core/views/shortcuts/ShortCutsPage.h"
#include "core/views/transparency/TransparencyPage.h"
#include "core/views/update/UpdatePage.h"
#include "core/views/web/OutsideLinks.h"
#include "core/views/web/WebPage.h"

namespace vitrex::app {

// The identifier of the window-menu entry that quits, appended to the window menu at start-up.
inline constexpr unsigned kExitCommand = 1025;

// The main window `VTXForm`: the controls (MainFormControls), the timers, tray icons and menus,
// and the composition of the pages' presenters (views/...), which hold each page's logic and state
// and take their controls' events directly. What is left here is the window's own: start-up,
// navigation, the activation state, the command channel and the close path.
class MainForm : public MainFormControls {
public:
    explicit MainForm(const Platform& platform);
    ~MainForm() override;

    // The start-up sequence; a failing step ends it there and becomes a crash-log entry.
    void FormCreate();
    // The real window's handle, once the binder has made it (the level previews use it).
    void SetOwnWindow(WindowHandle window) { ownWindow_ = window; }
    WindowHandle OwnWindow() const { return ownWindow_; }

    // Hides every other page's tab, shows the tab of page `index` and makes it the active page,
    // so the tab strip holds just the tab of the page on display.
    bool ShowPage(int index);

    // Every real quit: the close path then saves, and the window closes instead of hiding.
    void RequestQuit();
    bool QuitRequested() const { return quitRequested_; }
    // The current language file's name without extension.
    const std::string& LanguageFileBase() const { return languageFileBase_; }
    // The texts of the current language.
    const i18n::Catalogue& Texts() const { return texts_; }

    // The captions from a language file.
    void LoadLanguage(const std::string& fileBase);

    // Activation state and the transparency engine.
    void SetEngineActive(bool active) { activation_.SetEngineActive(active); }
    // False when start-up ended before the engine was made: nothing can be switched on then.
    bool ActivationAvailable() const { return activation_.ActivationAvailable(); }
    // Absent until start-up has created it (with the known windows).
    transparency::Engine* Engine() { return activation_.Engine(); }
    // The windows the running engine changed, kept where a later start finds them.
    transparency::WindowJournal& Journal() { return journal_; }
    // The windows made click-through, by the hot key or the applications list's menu.
    const transparency::Overlays& Overlays() const { return overlays_; }

    // A first start's command ("CONFIG", "DEBUG", "CHANGESTATUS"), once start-up is done: as the
    // running instance carries out a second start's.
    void RunStartCommand(std::string_view command);
    // The windows of the applications page listed again (the debug page asks for it too).
    void ReloadApplicationList();

    // Crash log.
    crashlog::CrashLog& Log() { return crashLog_; }

    // Timers of the main window.
    ui::Timer Vitrex_Timer{"Vitrex_Timer", this, 100, false};
    ui::Timer CPU_Timer{"CPU_Timer", this, 1000, false};
    ui::Timer CommandTimer{"CommandTimer", this, 1000, true};
    // Between the policy ticks, while the engine needs them.
    ui::Timer ForegroundPoll{"ForegroundPoll", this, transparency::kForegroundPollMs, false};
    ui::Timer ShownWindowsLook{"ShownWindowsLook", this, transparency::kLookAgainMs, false};
    // Stops when a page finishes in the web tab; its tick shows the message in the browser's place.
    ui::Timer WebBrowserWait{"WebBrowserWait", this, views::web::kDocumentWaitMs, false};
    // Runs while the update page waits for another request of the client to end.
    ui::Timer UpdateLoadTimer{"UpdateLoadTimer", this, 100, false};

    // Notification-area icons: the load gauge, the logo, and the update notice.
    ui::ImageList TrayIcons{16, 16};
    ui::TrayIcon Tray{"Tray", this, kApplicationTitle};
    ui::TrayIcon Tray2{"Tray2", this, kApplicationTitle};
    ui::TrayIcon TrayUpdate{"TrayUpdate", this, std::string(kApplicationTitle) + " Update"};

    // The notification-area menu.
    ui::PopupMenu TrayPopup{"TrayPopup", this};
    ui::MenuItem& TrayPopup_Aktiv;
    ui::MenuItem& TrayPopup_Inaktiv;
    ui::MenuItem& TrayPopup_Deaktiv;
    // Shown only while some window is click-through: a window that lets every click pass cannot
    // be clicked to be given back.
    ui::MenuItem& TrayPopup_ClickThrough;
    ui::MenuItem& TrayPopup_ueber;
    ui::MenuItem& TrayPopup_Resize;
    ui::MenuItem& TrayPopup_Exit;

private:
    // The handlers the program's design names and other parts call by name: the tray, the
    // command channel, the hot keys, the left panel's navigation and the close path. The pages'
    // own controls go straight to their presenters (AttachHandlers).
    void XPBarStatusItems0Click();
    void XPBarStatusItems1Click();
    void XPBarConfigItems0Click();
    void XPBarConfigItems1Click();
    void XPBarConfigItems2Click();
    void XPBarConfigItems3Click();
    void XPBarVTXItems0Click();
    void XPBarVTXItems1Click();
    void XPBarVTXItems2Click();
    void XPBarVTXItems3Click();
    void XPBarStatusItems2Click();
    void WelcomeOKBtnClick();
    void TrayPopup_ueberClick();
    void TrayDblClick();
    void TrayPopup_ExitClick();
    void TrayUpdateBalloonHintClick();
    void CommandTimerTimer();
    void OnHotKey(int id);
    // The click-through key: gives back the foreground or the most recent overlay, or makes the
    // foreground window one.
    void ClickThroughHotKey();
    void TrayPopup_ClickThroughClick();
    void SetUpOverlays();
    // After every change of the overlays: the tray menu's entry and the applications list's marks.
    void ShowOverlays();
    // Language: the scan of the language folder (it refills the language boxes and names the file
    // to load), and the two language boxes.
    std::string FindLanguageFiles(const std::string& wanted);
    void GB_Language_CBChange();
    void WelcomeLangCBChange();
    bool FormCloseQuery();
    void FormClose();
    // The system asks whether the session may end: quit with saving, and answer yes.
    bool QueryEndSession();

    void SetUpTrayIcons();
    // The pages' presenters attach their controls' events; the window attaches its own.
    void AttachHandlers();
    void SaveAllSettings();
    // The language chosen by its display name: the scan, then its captions.
    void ChangeLanguage(const std::string& wanted);
    void ApplyCaptions();
    // One command of the command channel.
    void CarryOut(std::string_view command);
    void SetUpProgramMemory();
    // What is remembered for the program changed, or one of its windows was found refused.
    void ProgramRemembered(const std::string& program);
    void WindowRefused(WindowHandle window, WindowThreadProcess owner);

    Platform platform_;
    transparency::WindowJournal journal_;
    crashlog::CrashLog crashLog_;
    crashlog::CrashDispatcher dispatcher_;
    WindowHandle ownWindow_ = 0;
    bool messageHookInstalled_ = false;
    bool quitRequested_ = false;
    std::string languageFileBase_;
    // The language box's entry of the file in use, as the box shows it.
    std::string languageChoice_;
    i18n::Catalogue texts_;
    // The settings start-up put into their controls: the only ones the close path writes back.
    settings::LoadedSettings loaded_;

    views::exceptions::ControlsExceptionsSource exceptionsSource_;
    sysinfo::SystemInspector inspector_;
    transparency::Eligibility eligibility_;
    transparency::RememberedPrograms remembered_;
    transparency::RefusedWindows refused_;
    transparency::Overlays overlays_;
    ActivationState activation_;

    // The pages' presenters.
    views::general::GeneralPage general_;
    views::shortcuts::ShortCutsPage shortCuts_;
    views::levels::TransparencyPage transparency_;
    views::exceptions::ExceptionsPage exceptions_;
    views::exceptions::RememberedView rememberedView_;
    views::applications::ApplicationsPage applications_;
    views::debug::DebugPage debug_;
    // What the settings' rows put their values into and read them back from.
    settings::SettingTargets settings_;

    // The project's web server, one request at a time.
    net::Client client_;
    views::update::UpdatePage update_;
    views::bugreport::BugReportPage bugReport_;
    views::web::WebPage web_;
    views::web::OutsideLinks links_;
};

}  // namespace vitrex::app
