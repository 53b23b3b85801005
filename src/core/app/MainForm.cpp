#include "core/app/MainForm.h"

#include "core/app/ProjectLinks.h"
#include "core/app/settings/SettingsStore.h"
#include "core/imaging/Resources.h"
#include "core/sysinfo/cpu/GaugeImages.h"

namespace vitrex::app {

MainForm::MainForm(Platform& platform)
    : ui::Form("VTXForm", "TVTXForm", 531, 333),
      XPBarConfig(LeftPanel.AddGroup("XPBarConfig", "Settings")),
      XPBarVTX(LeftPanel.AddGroup("XPBarVTX", kApplicationTitle)),
      XPBarStatus(LeftPanel.AddGroup("XPBarStatus", "State")),
      TrayPopup_Aktiv(TrayPopup.Add("TrayPopup_Aktiv", "Active")),
      TrayPopup_Inaktiv(TrayPopup.Add("TrayPopup_Inaktiv", "Inactive")),
      TrayPopup_Deaktiv(TrayPopup.Add("TrayPopup_Deaktiv", "Deactivated")),
      TrayPopup_ueber((TrayPopup.AddSeparator(), TrayPopup.Add("TrayPopup_ueber", "About..."))),
      TrayPopup_Resize((TrayPopup.AddSeparator(), TrayPopup.Add("TrayPopup_Resize", "Restore"))),
      TrayPopup_Exit(TrayPopup.Add("TrayPopup_Exit", "&Exit")),
      ownAlphas_(platform.windows),
      platform_{platform.registry, ownAlphas_,       platform.files,     platform.clock,     platform.dialogs,
                platform.system,   platform.hotKeys, platform.processes, platform.collation, platform.cpu},
      journal_(platform.registry, std::string(settings::kSettingsKey) + "\\Journal"),
      crashLog_(platform.clock),
      dispatcher_(crashLog_),
      exceptionsSource_(TAB_Ausnahmen_List, DebugClassException, platform.collation),
      inspector_(platform.processes, platform.registry, platform_.windows, &platform.dialogs),
      eligibility_(platform_.windows, inspector_, exceptionsSource_) {
    SetCaption(kApplicationTitle);
    // Every event of the window and its controls runs through the crash log's boundary.
    SetDispatcher(&dispatcher_);
    crashLog_.SetObserver([this] { TabDebugList.SetItems(crashLog_.Lines()); });
    BuildControls();
    AttachHandlers();
}

MainForm::~MainForm() = default;

void MainForm::BuildControls() {
    XPBarConfig.AddItem("XPBarConfigItems0", "Generic");
    XPBarConfig.AddItem("XPBarConfigItems1", "Transparency");
    XPBarConfig.AddItem("XPBarConfigItems2", "Exceptions");
    XPBarConfig.AddItem("XPBarConfigItems3", "Applications");
    XPBarVTX.AddItem("XPBarVTXItems0", "About Vitrex");
    XPBarVTX.AddItem("XPBarVTXItems1", "Update");
    XPBarVTX.AddItem("XPBarVTXItems2", "Report Bug");
    XPBarVTX.AddItem("XPBarVTXItems3", "Homepage");
    XPBarConfig.SetIcon(resources::PanelIconBitmap(resources::PanelIcon::Settings, 32));
    XPBarVTX.SetIcon(resources::PanelIconBitmap(resources::PanelIcon::Logo, 32));
    XPBarStatus.SetIcon(resources::PanelIconBitmap(resources::PanelIcon::State, 32));
    // The large badge, so that it stays crisp when the binder scales it up for the monitor.
    if (std::optional<ui::Bitmap> badge = resources::DonatePicture(192)) {
        WelcomePayPal.SetPicture(*badge);
        Image1.SetPicture(std::move(*badge));
    }
    // The state items are hidden until start-up shows the one that holds.
    for (const char* caption : {"Active", "Inactive", "Deactivated"}) {
        const std::string name = "XPBarStatusItems" + std::to_string(XPBarStatus.ItemCount());
        XPBarStatus.AddItem(name, caption).SetVisible(false);
    }

    // Only the general page's tab shows at creation.
    for (int i = 0; i < Pages.PageCount(); ++i)
        Pages.Page(i).SetTabVisible(i == kPageGeneral);
    Pages.SetActivePage(kPageGeneral);

    GB_CPU_TB.SetRange(5, 30);
    GB_CPU_TB.SetPosition(5);
    GB_CPU_TB.SetFrequency(5);
    for (ui::TrackBar* level : {&TAB_TPZ_TB_Active, &TAB_TPZ_TB_InActive, &TAB_TPZ_TB_TL}) {
        level->SetRange(0, 90);
        level->SetFrequency(10);
        level->SetPageSize(10);
    }
    GB_ShortCuts_HelpWin.SetVisible(false);
    GB_ShortCuts_HelpWin.SetBordered(true);
    GB_ShortCuts_HelpTitle.SetStyle(ui::TextStyle::Bold);
    GB_ShortCuts_HelpText.SetWordWrap(true);
    GB_Start_Active.SetEnabled(false);
    GB_ShortCuts_Warning.SetStyle(ui::TextStyle::Warning);
    GB_ShortCuts_Warning.SetWordWrap(true);
    GB_ShortCuts_Warning.SetVisible(false);
    // What each key field refuses; a refused set leaves the key with the replacement modifiers.
    // Alt alone and Shift+Ctrl+Alt would be registered with the Windows key instead, so neither
    // field takes them: the key alone that stays is how the fields write the Windows-key form.
    using Rules = ui::HotKeyEdit;
    GB_ShortCuts_AoTOn.SetRules(Rules::kCombNone | Rules::kCombAlt | Rules::kCombShiftCtrlAlt, 0);
    GB_ShortCuts_AoTOff.SetRules(
        Rules::kCombNone | Rules::kCombShift | Rules::kCombAlt | Rules::kCombShiftCtrlAlt, 0);
    DebugHotKey.SetRules(0, 0x4000);

    // The gauge drawn for the size the shell asks, so it stays crisp at any DPI.
    for (ui::Bitmap& image : sysinfo::cpu::GaugeImages(16))
        TrayIcons.Add(std::move(image));
    Tray.SetIconList(&TrayIcons,
                     [](int index, int sizePx) { return sysinfo::cpu::GaugeImage(index, sizePx); });
    Tray.SetIconIndex(0);
    Tray2.SetProgramIcon();
    TrayUpdate.SetProgramIcon();
    for (ui::TrayIcon* icon : {&Tray, &Tray2}) {
        icon->SetPopupMenu(&TrayPopup);
        icon->OnDblClick = [this] { TrayDblClick(); };
    }
    TrayPopup_Resize.SetDefault(true);

    TAB_Ausnahmen_List.SetSorted(views::exceptions::LocaleCollation(platform_.collation));
    TAB_Ausnahmen_List.SetHorizontalScroll(true);

    applications_.SetUpList();

    TINFO_Title.SetStyle(ui::TextStyle::Heading);
    // The version and the date are start-up's to fill in. The date row shows only with the German
    // captions; without it the rows below move up.
    TabUeber.SetCollapseHiddenRows(true);
    TINFO_Label3.SetVisible(false);
    TINFO_LabelDatum.SetVisible(false);
    TINFO_LabelHomepage.SetCaption(kProjectServer);
    TINFO_LabelEmail.SetCaption(kContactMailbox);
    for (ui::Label* link : {&TINFO_LabelHomepage, &TINFO_LabelEmail, &TINFO_LabelTranslator}) {
        link->SetStyle(ui::TextStyle::Link);
    }

    TAB_U_WaitPanel.SetBordered(false);
    TAB_U_NoConnection.SetVisible(false);
    TAB_U_Progress.SetVisible(false);
    TAB_U_AbbrechenBTN.SetVisible(false);
    TAB_U_Infos.SetReadOnly(true);

    Bug_Headline.SetCaption("Description:");
    Bug_Mail.SetCaption("Your E-Mail Adress:");
    Bug_Mail.SetText("(Only fill in if a answer is desired!)");
    Bug_OS.SetItems(
        {"Windows 2000", "Windows XP Home Edition", "Windows XP Professional", "Other (Please declare!)"});
    Bug_Label3.SetStyle(ui::TextStyle::Warning);

    WelcomeTopL1.SetStyle(ui::TextStyle::Heading);
    WelcomeL1.SetStyle(ui::TextStyle::Bold);
    for (ui::Label* text : {&WelcomeL2, &WelcomeL3})
        text->SetWordWrap(true);
    WelcomeLangCB.SetItems({"Select Language"});
    WelcomeLangCB.SetItemIndex(0);
    WelcomeOKBtn.SetDefault(true);

    TabDebugNote.SetWordWrap(true);
    TabDebugL9.SetStyle(ui::TextStyle::Bold);
    TabDebugL10.SetStyle(ui::TextStyle::Bold);
    DebugHotKey.SetValue(16610);
    DebugMakeHandleTransEdit.SetCaption("Handle:");
    DebugClassException.SetCaption("Class exception:");
}

void MainForm::AttachHandlers() {
    XPBarConfig.Item(0).OnClick = [this] { XPBarConfigItems0Click(); };
    XPBarConfig.Item(1).OnClick = [this] { XPBarConfigItems1Click(); };
    XPBarConfig.Item(2).OnClick = [this] { XPBarConfigItems2Click(); };
    XPBarConfig.Item(3).OnClick = [this] { XPBarConfigItems3Click(); };
    XPBarVTX.Item(0).OnClick = [this] { XPBarVTXItems0Click(); };
    XPBarVTX.Item(1).OnClick = [this] { XPBarVTXItems1Click(); };
    XPBarVTX.Item(2).OnClick = [this] { XPBarVTXItems2Click(); };
    XPBarVTX.Item(3).OnClick = [this] { XPBarVTXItems3Click(); };
    XPBarStatus.Item(0).OnClick = [this] { XPBarStatusItems0Click(); };
    XPBarStatus.Item(1).OnClick = [this] { XPBarStatusItems1Click(); };
    XPBarStatus.Item(2).OnClick = [this] { XPBarStatusItems2Click(); };
    WelcomeOKBtn.OnClick = [this] { WelcomeOKBtnClick(); };

    TAB_TPZ_CB.OnClick = [this] { TAB_TPZ_CBClick(); };
    TAB_TPZ_TLCB.OnClick = [this] { TAB_TPZ_TLCBClick(); };
    TAB_TPZ_RESET.OnClick = [this] { TAB_TPZ_RESETClick(); };
    GB_CPU_CB.OnClick = [this] { GB_CPU_CBClick(); };
    GB_CPU_TB.OnChange = [this] { GB_CPU_TBChange(); };
    CPU_Timer.OnTimer = [this] { CPU_TimerTimer(); };
    GB_STRAY_RB1.OnClick = [this] { GB_STRAY_RB1Click(); };
    GB_STRAY_RB2.OnClick = [this] { GB_STRAY_RB2Click(); };
    GB_STRAY_RB3.OnClick = [this] { GB_STRAY_RB3Click(); };
    // The level sliders' change handlers are attached by the start-up, after it has loaded the
    // stored positions, so that loading neither previews nor touches the taskbar.

    TabDebugList.OnDblClick = [this] { TabDebugListDblClick(); };
    CommandTimer.OnTimer = [this] { CommandTimerTimer(); };
    Vitrex_Timer.OnTimer = [this] { Vitrex_TimerTimer(); };

    TAB_AUS_BTN_Add.OnClick = [this] { TAB_AUS_BTN_AddClick(); };
    TAB_AUS_BTN_Delete.OnClick = [this] { TAB_AUS_BTN_DeleteClick(); };
    TAB_AUS_BTN_DeleteAll.OnClick = [this] { TAB_AUS_BTN_DeleteAllClick(); };
    TAB_AUS_BTN_Import.OnClick = [this] { TAB_AUS_BTN_ImportClick(); };
    TAB_AUS_BTN_Export.OnClick = [this] { TAB_AUS_BTN_ExportClick(); };

    for (ui::CheckControl* control : std::initializer_list<ui::CheckControl*>{
             &GB_ShortCuts_ChTransCB, &GB_ShortCuts_ChTransRB1, &GB_ShortCuts_ChTransRB2}) {
        control->OnClick = [this] { GB_ShortCuts_ChTransCBClick(); };
    }
    GB_ShortCuts_AoTCB.OnClick = [this] { GB_ShortCuts_AoTCBClick(); };
    for (ui::HotKeyEdit* field : {&GB_ShortCuts_AoTOn, &GB_ShortCuts_AoTOff, &DebugHotKey}) {
        field->OnExit = [this] { GB_ShortCuts_AoTCBClick(); };
    }
    GB_ShortCuts_ShowHelp.OnClick = [this] { GB_ShortCuts_ShowHelpClick(); };
    GB_ShortCuts_CloseBTN.OnClick = [this] { GB_ShortCuts_CloseBTNClick(); };

    TrayPopup_Aktiv.OnClick = [this] { XPBarStatusItems0Click(); };
    TrayPopup_Inaktiv.OnClick = [this] { XPBarStatusItems1Click(); };
    TrayPopup_ueber.OnClick = [this] { TrayPopup_ueberClick(); };
    TrayPopup_Resize.OnClick = [this] { TrayDblClick(); };
    TrayPopup_Exit.OnClick = [this] { TrayPopup_ExitClick(); };

    AttachApplicationHandlers();

    OnCloseQuery = [this] { return FormCloseQuery(); };
    OnClose = [this] { FormClose(); };
    OnQueryEndSession = [this] { return QueryEndSession(); };
    OnHotKeyPressed = [this](int id) { OnHotKey(id); };
}

bool MainForm::ShowPage(int index) {
    if (index < 0 || index >= Pages.PageCount()) return false;
    if (ui::TabSheet* current = Pages.ActivePage()) current->SetTabVisible(false);
    Pages.Page(index).SetTabVisible(true);
    Pages.SetActivePage(index);
    return true;
}

void MainForm::XPBarConfigItems0Click() {
    ShowPage(kPageGeneral);
}
void MainForm::XPBarConfigItems1Click() {
    ShowPage(kPageTransparency);
}
void MainForm::XPBarConfigItems2Click() {
    ShowPage(kPageExceptions);
}
void MainForm::XPBarConfigItems3Click() {
    ShowPage(kPageApplications);
    ReloadApplicationList();
}
void MainForm::XPBarVTXItems0Click() {
    ShowPage(kPageAbout);
}
void MainForm::XPBarVTXItems1Click() {
    ShowPage(kPageUpdate);
}
void MainForm::XPBarVTXItems2Click() {
    ShowPage(kPageBugReport);
}
void MainForm::XPBarVTXItems3Click() {
    ShowPage(kPageHomepage);
}
void MainForm::XPBarStatusItems2Click() {
    ShowPage(kPageTransparency);
}
void MainForm::WelcomeOKBtnClick() {
    ShowPage(kPageGeneral);
}

void MainForm::TrayPopup_ueberClick() {
    BringToFront();
    ShowPage(kPageAbout);
}

void MainForm::TrayDblClick() {
    BringToFront();
}

}  // namespace vitrex::app
