// The start-up sequence of the main window: named steps in a fixed order, run by one loop. The
// first step that fails ends the sequence there (the crash log records it, with the form as the
// sender) and the steps after it are not done.

#include <optional>
#include <vector>

#include "core/app/MainForm.h"
#include "core/app/settings/Autostart.h"
#include "core/app/settings/NoABList.h"
#include "core/app/settings/SettingsStore.h"
#include "core/i18n/CatalogueKeys.h"
#include "core/i18n/StoredTexts.h"

namespace vitrex::app {

using settings::LoadStep;

class MainFormStartup {
public:
    explicit MainFormStartup(MainForm& form) : form_(form) {}

    void Run();

private:
    // The steps, in their order.
    void AddLogHeader();
    void PassPlatformGate();
    void RestoreLeftBehindWindows();
    void OpenSettings();
    void WriteMissingDefaults();
    void ReadLanguage();
    void ReadCpuReadOut();
    void ReadTrayMode();
    void ReadTransparencyScope();
    void ReadMasterSwitchAndLevels();
    void AttachLevelPreviews();
    void ShowActivationState();
    void ReadTaskbar();
    void ShowLevelCaptions();
    void ReadExceptions();
    void ReadRememberedPrograms();
    void ReadTransparencyHotKeys();
    void ReadOnTopHotKeys();
    void ReadClassException();
    void ReadOptions();
    void ShowVersion();
    void ReadStartActive();
    void ReadHideAtStartup();
    void StartActive();
    void ShowTrayActiveEntry();
    void ReadAutostart();
    void InstallMessageHook();
    void AppendExitToWindowMenu();
    void CreateEngine();
    void ReadUpdateCheck();

    // A step that fails ends the sequence, unless it is one whose failure is only logged.
    enum class OnFailure { EndStartup, LogAndGoOn };
    struct Step {
        void (MainFormStartup::*run)();
        OnFailure onFailure = OnFailure::EndStartup;
    };
    static const Step kSteps[];

    settings::SettingsStore& Store() { return *store_; }
    // Puts the values of the rows of `step` into their controls through their accessors, in the
    // table's order, and returns them to be marked loaded. A value that is missing or of another
    // type loads as its default, with one crash-log entry that names it, and start-up goes on.
    std::vector<settings::SettingId> Put(LoadStep step, const settings::SettingsStore& store);
    // Puts the step's values and marks them loaded together.
    void Load(LoadStep step) { form_.loaded_.Mark(Put(step, Store())); }
    // Logs an unreadable value with the form as the sender.
    settings::SettingsStore::UnreadableHandler LogUnreadable();

    MainForm& form_;
    // Open from OpenSettings on.
    std::optional<settings::SettingsStore> store_;
    // Set by a step after which nothing more may run.
    bool ended_ = false;
};

const MainFormStartup::Step MainFormStartup::kSteps[] = {
    {&MainFormStartup::AddLogHeader},
    {&MainFormStartup::PassPlatformGate},
    // On its own: a damaged journal is logged, and start-up goes on.
    {&MainFormStartup::RestoreLeftBehindWindows, OnFailure::LogAndGoOn},
    {&MainFormStartup::OpenSettings},
    {&MainFormStartup::WriteMissingDefaults},
    {&MainFormStartup::ReadLanguage},
    {&MainFormStartup::ReadCpuReadOut},
    {&MainFormStartup::ReadTrayMode},
    {&MainFormStartup::ReadTransparencyScope},
    {&MainFormStartup::ReadMasterSwitchAndLevels},
    {&MainFormStartup::AttachLevelPreviews},
    {&MainFormStartup::ShowActivationState},
    {&MainFormStartup::ReadTaskbar},
    {&MainFormStartup::ShowLevelCaptions},
    {&MainFormStartup::ReadExceptions},
    // On its own: remembered levels that cannot be read cost only themselves.
    {&MainFormStartup::ReadRememberedPrograms, OnFailure::LogAndGoOn},
    {&MainFormStartup::ReadTransparencyHotKeys},
    {&MainFormStartup::ReadOnTopHotKeys},
    {&MainFormStartup::ReadClassException},
    {&MainFormStartup::ReadOptions},
    {&MainFormStartup::ShowVersion},
    {&MainFormStartup::ReadStartActive},
    {&MainFormStartup::ReadHideAtStartup},
    {&MainFormStartup::StartActive},
    {&MainFormStartup::ShowTrayActiveEntry},
    {&MainFormStartup::ReadAutostart},
    {&MainFormStartup::InstallMessageHook},
    {&MainFormStartup::AppendExitToWindowMenu},
    {&MainFormStartup::CreateEngine},
    {&MainFormStartup::ReadUpdateCheck},
};

void MainFormStartup::Run() {
    for (const Step& step : kSteps) {
        if (step.onFailure == OnFailure::LogAndGoOn) {
            form_.dispatcher_.Run(&form_, [this, &step] { (this->*step.run)(); });
        } else {
            (this->*step.run)();
        }
        if (ended_) return;
    }
}

void MainForm::FormCreate() {
    MainFormStartup startup(*this);
    dispatcher_.Run(this, [&startup] { startup.Run(); });
    // A step that failed before the engine was made leaves nothing that could be switched on.
    if (!ActivationAvailable()) dispatcher_.Run(this, [this] { activation_.ShowEngineUnavailable(); });
}

std::vector<settings::SettingId> MainFormStartup::Put(LoadStep step, const settings::SettingsStore& store) {
    std::vector<settings::SettingId> put;
    for (const settings::SettingDef& setting : settings::AllSettings()) {
        if (setting.loadStep != step) continue;
        // An optional value that is not stored leaves its control as it is.
        if (!setting.optional || store.Exists(setting.id)) {
            setting.access.put(form_.settings_, store.ReadOrDefault(setting.id, LogUnreadable()));
        }
        put.push_back(setting.id);
    }
    return put;
}

settings::SettingsStore::UnreadableHandler MainFormStartup::LogUnreadable() {
    return [this](const UnreadableValueError& error) {
        form_.crashLog_.AddEntry(error.what(), crashlog::ErrorClassName(error), &form_);
    };
}

// The log's header; from here on every failure ends up in the log (the form's dispatcher).
void MainFormStartup::AddLogHeader() {
    form_.crashLog_.AddHeader();
}

// The program needs a system of the NT family; on another it says so and ends before any setting
// is touched.
void MainFormStartup::PassPlatformGate() {
    if (form_.platform_.system.PlatformId() == kPlatformWin32Nt) return;
    // No language is loaded yet: the English text.
    form_.platform_.dialogs.ShowMessage(form_.texts_.Text(i18n::kOwnSection, "PlatformMessage"));
    form_.Terminate();
    ended_ = true;
}

// Windows an earlier run left translucent (it was killed, or crashed) are given back before
// anything can switch the engine on.
void MainFormStartup::RestoreLeftBehindWindows() {
    form_.journal_.RestoreLeftBehind(form_.platform_.windows);
}

// The settings key, created when missing.
void MainFormStartup::OpenSettings() {
    store_.emplace(form_.platform_.registry, settings::kSettingsKey);
}

// First start and upgrade: the missing defaults, and the welcome page on its own, shown.
void MainFormStartup::WriteMissingDefaults() {
    if (settings::WriteMissingDefaults(Store()) == settings::StartKind::Regular) return;
    form_.TabAllgemein.SetTabVisible(false);
    form_.TabWillkommen.SetTabVisible(true);
    form_.Pages.SetActivePage(kPageWelcome);
    form_.SetVisible(true);
}

// The stored display name chooses the file; its captions are on before any setting is applied.
// Without a usable file the program is asked to end, and start-up still finishes.
void MainFormStartup::ReadLanguage() {
    Load(LoadStep::Language);
}

void MainFormStartup::ReadCpuReadOut() {
    Load(LoadStep::CpuReadOut);
    form_.general_.GB_CPU_CBClick();
}

void MainFormStartup::ReadTrayMode() {
    Load(LoadStep::TrayMode);
}

// Only the active window, or its whole process.
void MainFormStartup::ReadTransparencyScope() {
    Load(LoadStep::TransparencyScope);
}

void MainFormStartup::ReadMasterSwitchAndLevels() {
    Load(LoadStep::MasterSwitch);
    // Each level counts as loaded as soon as it is in its slider.
    for (const settings::SettingDef& setting : settings::AllSettings()) {
        if (setting.loadStep != LoadStep::Levels) continue;
        setting.access.put(form_.settings_, Store().ReadOrDefault(setting.id, LogUnreadable()));
        form_.loaded_.Mark({setting.id});
    }
}

// Only now may moving a level slider preview it: loading the positions did not.
void MainFormStartup::AttachLevelPreviews() {
    form_.TAB_TPZ_TB_Active.OnChange = [&form = form_] { form.transparency_.TAB_TPZ_TB_ActiveChange(); };
    form_.TAB_TPZ_TB_InActive.OnChange = [&form = form_] { form.transparency_.TAB_TPZ_TB_InActiveChange(); };
}

// The state display follows the master switch.
void MainFormStartup::ShowActivationState() {
    form_.transparency_.TAB_TPZ_CBClick();
}

// The taskbar's level applies at once, whatever the state; then its slider previews.
void MainFormStartup::ReadTaskbar() {
    Load(LoadStep::Taskbar);
    form_.transparency_.TAB_TPZ_TLCBClick();
    form_.TAB_TPZ_TB_TL.OnChange = [&form = form_] { form.transparency_.TAB_TPZ_TB_TLChange(); };
}

void MainFormStartup::ShowLevelCaptions() {
    form_.transparency_.ShowLevelCaptions();
}

// The list box keeps the list sorted.
void MainFormStartup::ReadExceptions() {
    Load(LoadStep::Exceptions);
}

// The programs with a remembered level, before the engine may start.
void MainFormStartup::ReadRememberedPrograms() {
    form_.remembered_.Load();
    form_.rememberedView_.Show();
}

// The box, then the modifier, each registering as its click does.
void MainFormStartup::ReadTransparencyHotKeys() {
    std::vector<settings::SettingId> put = Put(LoadStep::TransparencyHotKeys, Store());
    form_.shortCuts_.GB_ShortCuts_ChTransCBClick();
    const std::vector<settings::SettingId> modifier = Put(LoadStep::HotKeyModifier, Store());
    put.insert(put.end(), modifier.begin(), modifier.end());
    form_.loaded_.Mark(put);
    form_.shortCuts_.GB_ShortCuts_ChTransCBClick();
}

void MainFormStartup::ReadOnTopHotKeys() {
    Load(LoadStep::OnTopHotKeys);
    form_.shortCuts_.GB_ShortCuts_AoTCBClick();
    form_.shortCuts_.GB_ShortCuts_ClickThroughExit();
}

// Only when stored; the field keeps its text otherwise.
void MainFormStartup::ReadClassException() {
    Load(LoadStep::ClassException);
}

void MainFormStartup::ReadOptions() {
    Load(LoadStep::Options);
}

void MainFormStartup::ShowVersion() {
    form_.TINFO_LabelVersion.SetCaption(kVersionText);
    form_.TINFO_LabelDatum.SetCaption(kDateText);
}

// "Active at Startup" counts only with the master switch on.
void MainFormStartup::ReadStartActive() {
    Load(LoadStep::StartActive);
}

void MainFormStartup::ReadHideAtStartup() {
    Load(LoadStep::HideAtStartup);
    if (!form_.GB_Start_Hide.Checked()) form_.SetVisible(true);
}

void MainFormStartup::StartActive() {
    if (form_.GB_Start_Active.Checked()) form_.SetEngineActive(true);
}

// The tray menu's "Active" entry shows exactly while the engine runs.
void MainFormStartup::ShowTrayActiveEntry() {
    form_.activation_.ShowState();
}

// Only whether the value exists.
void MainFormStartup::ReadAutostart() {
    form_.GB_Start_AutoStart.SetChecked(settings::AutostartExists(form_.platform_.registry));
}

// From now on the exit command of the window menu quits.
void MainFormStartup::InstallMessageHook() {
    form_.messageHookInstalled_ = true;
}

void MainFormStartup::AppendExitToWindowMenu() {
    form_.AppendExitToWindowMenu();
}

// The engine, with no window known yet.
void MainFormStartup::CreateEngine() {
    form_.activation_.CreateEngine();
}

// The update check at start-up, from the key opened again under its rooted path. A failed
// request shows nothing; it ends the sequence here, as the last step, with its log entry.
void MainFormStartup::ReadUpdateCheck() {
    settings::SettingsStore rooted(form_.platform_.registry, settings::kSettingsKeyRooted);
    form_.loaded_.Mark(Put(LoadStep::UpdateCheck, rooted));
    if (form_.GB_Start_CUpdate.Checked()) form_.update_.StartupCheck();
}

void MainForm::AppendExitToWindowMenu() {
    // The main window owns its taskbar button, so its window menu is also the taskbar button's:
    // one separator and one exit entry serve both.
    ui::WindowMenu& menu = SystemMenu();
    menu.AppendSeparator();
    ui::MenuItem& exit = menu.AppendItem(kExitCommand, "WindowMenu_Exit", i18n::ExitEntry(texts_));
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
