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

// What the start-up's steps work on: the window with its controls, and the parts of it that the
// steps read the settings into or start.
struct StartupParts {
    MainForm& form;
    const Platform& platform;
    crashlog::CrashLog& log;
    crashlog::CrashDispatcher& dispatcher;
    const i18n::Catalogue& texts;
    transparency::WindowJournal& journal;
    // The settings' controls, and the settings put into them, which the close path writes back.
    settings::SettingTargets& settings;
    settings::LoadedSettings& loaded;
    views::general::GeneralPage& general;
    views::levels::TransparencyPage& transparency;
    views::shortcuts::ShortCutsPage& shortCuts;
    transparency::RememberedPrograms& remembered;
    views::exceptions::RememberedView& rememberedView;
    ActivationState& activation;
    views::update::UpdatePage& update;
    // Set once the window menu's exit entry may quit.
    bool& messageHookInstalled;
};

class MainFormStartup {
public:
    explicit MainFormStartup(StartupParts parts) : p_(parts), form_(parts.form) {}

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
    void Load(LoadStep step) { p_.loaded.Mark(Put(step, Store())); }
    // Logs an unreadable value with the form as the sender.
    settings::SettingsStore::UnreadableHandler LogUnreadable();

    StartupParts p_;
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
            p_.dispatcher.Run(&form_, [this, &step] { (this->*step.run)(); });
        } else {
            (this->*step.run)();
        }
        if (ended_) return;
    }
}

void MainForm::FormCreate() {
    MainFormStartup startup({.form = *this,
                             .platform = platform_,
                             .log = crashLog_,
                             .dispatcher = dispatcher_,
                             .texts = texts_,
                             .journal = journal_,
                             .settings = settings_,
                             .loaded = loaded_,
                             .general = general_,
                             .transparency = transparency_,
                             .shortCuts = shortCuts_,
                             .remembered = remembered_,
                             .rememberedView = rememberedView_,
                             .activation = activation_,
                             .update = update_,
                             .messageHookInstalled = messageHookInstalled_});
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
            setting.access.put(p_.settings, store.ReadOrDefault(setting.id, LogUnreadable()));
        }
        put.push_back(setting.id);
    }
    return put;
}

settings::SettingsStore::UnreadableHandler MainFormStartup::LogUnreadable() {
    return [this](const UnreadableValueError& error) {
        p_.log.AddEntry(error.what(), crashlog::ErrorClassName(error), &form_);
    };
}

// The log's header; from here on every failure ends up in the log (the form's dispatcher).
void MainFormStartup::AddLogHeader() {
    p_.log.AddHeader();
}

// The program needs a system of the NT family; on another it says so and ends before any setting
// is touched.
void MainFormStartup::PassPlatformGate() {
    if (p_.platform.system.PlatformId() == kPlatformWin32Nt) return;
    // No language is loaded yet: the English text.
    p_.platform.dialogs.ShowMessage(p_.texts.Text(i18n::kOwnSection, "PlatformMessage"));
    form_.Terminate();
    ended_ = true;
}

// Windows an earlier run left translucent (it was killed, or crashed) are given back before
// anything can switch the engine on.
void MainFormStartup::RestoreLeftBehindWindows() {
    p_.journal.RestoreLeftBehind(p_.platform.windows);
}

// The settings key, created when missing.
void MainFormStartup::OpenSettings() {
    store_.emplace(p_.platform.registry, settings::kSettingsKey);
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
    p_.general.GB_CPU_CBClick();
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
        setting.access.put(p_.settings, Store().ReadOrDefault(setting.id, LogUnreadable()));
        p_.loaded.Mark({setting.id});
    }
}

// Only now may moving a level slider preview it: loading the positions did not.
void MainFormStartup::AttachLevelPreviews() {
    p_.transparency.AttachLevelPreviews();
}

// The state display follows the master switch.
void MainFormStartup::ShowActivationState() {
    p_.transparency.TAB_TPZ_CBClick();
}

// The taskbar's level applies at once, whatever the state; then its slider previews.
void MainFormStartup::ReadTaskbar() {
    Load(LoadStep::Taskbar);
    p_.transparency.TAB_TPZ_TLCBClick();
    p_.transparency.AttachTaskbarPreview();
}

void MainFormStartup::ShowLevelCaptions() {
    p_.transparency.ShowLevelCaptions();
}

// The list box keeps the list sorted.
void MainFormStartup::ReadExceptions() {
    Load(LoadStep::Exceptions);
}

// The programs with a remembered level, before the engine may start.
void MainFormStartup::ReadRememberedPrograms() {
    p_.remembered.Load();
    p_.rememberedView.Show();
}

// The box, then the modifier, each registering as its click does.
void MainFormStartup::ReadTransparencyHotKeys() {
    std::vector<settings::SettingId> put = Put(LoadStep::TransparencyHotKeys, Store());
    p_.shortCuts.GB_ShortCuts_ChTransCBClick();
    const std::vector<settings::SettingId> modifier = Put(LoadStep::HotKeyModifier, Store());
    put.insert(put.end(), modifier.begin(), modifier.end());
    p_.loaded.Mark(put);
    p_.shortCuts.GB_ShortCuts_ChTransCBClick();
}

void MainFormStartup::ReadOnTopHotKeys() {
    Load(LoadStep::OnTopHotKeys);
    p_.shortCuts.GB_ShortCuts_AoTCBClick();
    p_.shortCuts.GB_ShortCuts_ClickThroughExit();
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
    p_.activation.ShowState();
}

// Only whether the value exists.
void MainFormStartup::ReadAutostart() {
    form_.GB_Start_AutoStart.SetChecked(settings::AutostartExists(p_.platform.registry));
}

// From now on the exit command of the window menu quits.
void MainFormStartup::InstallMessageHook() {
    p_.messageHookInstalled = true;
}

// The engine, with no window known yet.
void MainFormStartup::CreateEngine() {
    p_.activation.CreateEngine();
}

// The update check at start-up, from the key opened again under its rooted path. A failed
// request shows nothing; it ends the sequence here, as the last step, with its log entry.
void MainFormStartup::ReadUpdateCheck() {
    settings::SettingsStore rooted(p_.platform.registry, settings::kSettingsKeyRooted);
    p_.loaded.Mark(Put(LoadStep::UpdateCheck, rooted));
    if (form_.GB_Start_CUpdate.Checked()) p_.update.StartupCheck();
}

void MainFormStartup::AppendExitToWindowMenu() {
    // The main window owns its taskbar button, so its window menu is also the taskbar button's:
    // one separator and one exit entry serve both.
    ui::WindowMenu& menu = form_.SystemMenu();
    menu.AppendSeparator();
    ui::MenuItem& exit = menu.AppendItem(kExitCommand, "WindowMenu_Exit", i18n::ExitEntry(p_.texts));
    // The binder reports the entry as soon as the command is taken from the queue, before it is
    // dispatched: the taskbar button's menu posts it to the window.
    exit.OnClick = [&form = form_, &installed = p_.messageHookInstalled] {
        if (installed) form.RequestQuit();
    };
    const int exitPosition = static_cast<int>(menu.Entries().size()) - 1;
    menu.SetBitmapAt(exitPosition, form_.XPBarVTX.Icon());
    // Without Restore, Size and Maximize the fixed-border window's menu offers what applies.
    menu.DeleteAt(0);
    menu.DeleteAt(1);
    menu.DeleteAt(2);
}

}  // namespace vitrex::app
