#include "core/app/MainForm.h"

#include "core/app/settings/SettingsStore.h"
#include "core/imaging/Resources.h"
#include "core/net/ServerAddress.h"
#include "core/sysinfo/cpu/GaugeImages.h"
#include "core/views/captions/CaptionTable.h"
#include "core/views/web/PageAddress.h"

namespace vitrex::app {

MainForm::MainForm(const Platform& platform)
    : TrayPopup_Aktiv(TrayPopup.Add("TrayPopup_Aktiv", "")),
      TrayPopup_Inaktiv(TrayPopup.Add("TrayPopup_Inaktiv", "")),
      TrayPopup_Deaktiv(TrayPopup.Add("TrayPopup_Deaktiv", "")),
      TrayPopup_ClickThrough((TrayPopup.AddSeparator(), TrayPopup.Add("TrayPopup_ClickThrough", ""))),
      TrayPopup_ueber(TrayPopup.Add("TrayPopup_ueber", "")),
      TrayPopup_Resize((TrayPopup.AddSeparator(), TrayPopup.Add("TrayPopup_Resize", ""))),
      TrayPopup_Exit(TrayPopup.Add("TrayPopup_Exit", "")),
      platform_(platform),
      journal_(platform_.registry, std::string(settings::kSettingsKey) + "\\Journal"),
      crashLog_(platform_.clock),
      dispatcher_(crashLog_),
      exceptionsSource_(TAB_Ausnahmen_List, DebugClassException, platform_.collation),
      inspector_(platform_.processes, platform_.registry, platform_.windows),
      // Only systems without Toolhelp list processes from the performance counters; when those
      // cannot be read, each request says so at once, whichever handler made it.
      eligibility_(platform_.windows, inspector_, exceptionsSource_,
                   [&dialogs = platform_.dialogs](sysinfo::ListOutcome) {
                       dialogs.ShowMessage(sysinfo::kPerformanceDataError);
                   }),
      remembered_(platform_.registry, std::string(settings::kSettingsKey) + "\\Remembered",
                  [this](const std::string& program) { ProgramRemembered(program); }),
      refused_([this](WindowHandle window, WindowThreadProcess owner) { WindowRefused(window, owner); }),
      overlays_(platform_.windows, refused_, &journal_, [this] { ShowOverlays(); }),
      activation_(
          {.XPBarStatus = XPBarStatus,
           .TrayPopup_Aktiv = TrayPopup_Aktiv,
           .TrayPopup_Inaktiv = TrayPopup_Inaktiv,
           .TrayPopup_Deaktiv = TrayPopup_Deaktiv,
           .Vitrex_Timer = Vitrex_Timer,
           .TAB_TPZ_CB = TAB_TPZ_CB,
           .GB_Start_Active = GB_Start_Active,
           .lockedWhileActive = {&TAB_TPZ_CB, &TAB_TPZ_TB_InActive, &TAB_TPZ_GB_Inactive, &TAB_TPZ_TB_Active,
                                 &TAB_TPZ_GB_Active, &TAB_TPZ_RESET, &GB_Transparenz, &GB_Transparenz_One,
                                 &GB_Transparenz_All, &TAB_AUS_BTN_Add, &TAB_AUS_BTN_Delete,
                                 &TAB_AUS_BTN_DeleteAll, &TAB_AUS_BTN_Import},
           .DebugClassException = DebugClassException,
           .TAB_TPZ_TB_Active = TAB_TPZ_TB_Active,
           .TAB_TPZ_TB_InActive = TAB_TPZ_TB_InActive,
           .GB_Transparenz_All = GB_Transparenz_All,
           .TAB_TPZ_FullScreenCB = TAB_TPZ_FullScreenCB,
           .ForegroundPoll = ForegroundPoll,
           .ShownWindowsLook = ShownWindowsLook},
          platform_.windows, platform_.windowEvents, eligibility_, journal_, remembered_, refused_,
          overlays_),
      general_({.GB_CPU_CB = GB_CPU_CB,
                .GB_CPU_TB = GB_CPU_TB,
                .GB_STRAY_RB1 = GB_STRAY_RB1,
                .GB_STRAY_RB2 = GB_STRAY_RB2,
                .GB_STRAY_RB3 = GB_STRAY_RB3},
               *this, CPU_Timer, Tray, Tray2, platform_.cpu, texts_),
      shortCuts_({.GB_ShortCuts_ChTransCB = GB_ShortCuts_ChTransCB,
                  .GB_ShortCuts_ChTransRB1 = GB_ShortCuts_ChTransRB1,
                  .GB_ShortCuts_ChTransRB2 = GB_ShortCuts_ChTransRB2,
                  .GB_ShortCuts_AoTCB = GB_ShortCuts_AoTCB,
                  .GB_ShortCuts_AoTOnL = GB_ShortCuts_AoTOnL,
                  .GB_ShortCuts_AoTOn = GB_ShortCuts_AoTOn,
                  .GB_ShortCuts_AoTOffL = GB_ShortCuts_AoTOffL,
                  .GB_ShortCuts_AoTOff = GB_ShortCuts_AoTOff,
                  .GB_ShortCuts_ClickThrough = GB_ShortCuts_ClickThrough,
                  .GB_ShortCuts_Warning = GB_ShortCuts_Warning,
                  .GB_ShortCuts_ShowHelp = GB_ShortCuts_ShowHelp,
                  .GB_ShortCuts_HelpWin = GB_ShortCuts_HelpWin,
                  .GB_ShortCuts_CloseBTN = GB_ShortCuts_CloseBTN,
                  .DebugHotKey = DebugHotKey},
                 platform_.hotKeys, platform_.windows, texts_),
      transparency_({.TAB_TPZ_CB = TAB_TPZ_CB,
                     .TAB_TPZ_GB_Active = TAB_TPZ_GB_Active,
                     .TAB_TPZ_TB_Active = TAB_TPZ_TB_Active,
                     .TAB_TPZ_GB_Inactive = TAB_TPZ_GB_Inactive,
                     .TAB_TPZ_TB_InActive = TAB_TPZ_TB_InActive,
                     .TAB_TPZ_TLCB = TAB_TPZ_TLCB,
                     .TAB_TPZ_GB_TL = TAB_TPZ_GB_TL,
                     .TAB_TPZ_TB_TL = TAB_TPZ_TB_TL,
                     .TAB_TPZ_RESET = TAB_TPZ_RESET,
                     .GB_Start_Active = GB_Start_Active},
                    platform_.windows, ownWindow_, texts_, [this] { activation_.ShowState(); }),
      exceptions_({.TAB_Ausnahmen_List = TAB_Ausnahmen_List,
                   .TAB_AUS_BTN_Add = TAB_AUS_BTN_Add,
                   .TAB_AUS_BTN_Delete = TAB_AUS_BTN_Delete,
                   .TAB_AUS_BTN_DeleteAll = TAB_AUS_BTN_DeleteAll,
                   .TAB_AUS_BTN_Import = TAB_AUS_BTN_Import,
                   .TAB_AUS_BTN_Export = TAB_AUS_BTN_Export},
                  platform_.dialogs, platform_.files, platform_.collation, texts_),
      rememberedView_(TAB_AUS_RememberedList, TAB_AUS_BTN_Forget, remembered_, texts_),
      applications_(
          {.TAB_AW_List = TAB_AW_List,
           .ImageList_AW = ImageList_AW,
           .PMenu_AW_List = PMenu_AW_List,
           .menu = PMenu_AW_ListItems,
           .TAB_Ausnahmen_List = TAB_Ausnahmen_List},
          {.windows = platform_.windows,
           .dialogs = platform_.dialogs,
           .collation = platform_.collation,
           .eligibility = eligibility_,
           .remembered = remembered_,
           .refused = refused_,
           .overlays = overlays_},
          {[this] { return activation_.EngineRunning(); }, [this](bool active) { SetEngineActive(active); }},
          ownWindow_, texts_),
      debug_({.DebugHotKey = DebugHotKey,
              .DebugMakeHandleTransEdit = DebugMakeHandleTransEdit,
              .TabDebugList = TabDebugList,
              .TabDebugBTN = TabDebugBTN,
              .DebugMakeHandleTrans = DebugMakeHandleTrans,
              .DebugDeleteTrans = DebugDeleteTrans,
              .firstRow =
                  {.title = TabDebugL1, .className = TabDebugL2, .handle = TabDebugL3, .style = TabDebugL4},
              .foreground =
                  {.title = TabDebugL5, .className = TabDebugL6, .handle = TabDebugL7, .style = TabDebugL8}},
             {.list = TAB_AW_List, .reload = [this] { ReloadApplicationList(); }}, platform_.windows,
             platform_.hotKeys, platform_.files, platform_.dialogs, crashLog_),
      settings_{*this, general_, [this](const std::string& wanted) { ChangeLanguage(wanted); }},
      client_(platform_.http, net::ServerBase(platform_.system)),
      update_({.TAB_U_WaitPanel = TAB_U_WaitPanel,
               .TAB_U_NoConnection = TAB_U_NoConnection,
               .TAB_U_Install = TAB_U_Install,
               .TAB_U_New = TAB_U_New,
               .TAB_U_Infos = TAB_U_Infos,
               .TAB_U_Progress = TAB_U_Progress,
               .TAB_U_SpeedLabel = TAB_U_SpeedLabel,
               .TAB_U_ManuellBTN = TAB_U_ManuellBTN,
               .TAB_U_UpdateBTN = TAB_U_UpdateBTN,
               .TAB_U_AbbrechenBTN = TAB_U_AbbrechenBTN,
               .TAB_U_ErrorLabel = TAB_U_ErrorLabel,
               .TrayUpdate = TrayUpdate,
               .UpdateLoadTimer = UpdateLoadTimer},
              {.client = client_,
               .files = platform_.files,
               .shell = platform_.shell,
               .dialogs = platform_.dialogs,
               .clock = platform_.clock,
               .locale = platform_.collation,
               .releaseKey = platform_.releaseKey,
               .hashing = platform_.hashing},
              texts_, languageFileBase_, [this] { RequestQuit(); }),
      bugReport_({.Bug_Headline = Bug_Headline,
                  .Bug_Mail = Bug_Mail,
                  .Bug_OS = Bug_OS,
                  .Bug_Text = Bug_Text,
                  .Bug_Send = Bug_Send},
                 client_, platform_.files, platform_.dialogs, texts_, languageFileBase_),
      web_({.WebBrowser = WebBrowser,
            .WebBrowserMessage = WebBrowserMessage,
            .WebBrowserMessageText = WebBrowserMessageText,
            .WebBrowserMessageLink = WebBrowserMessageLink,
            .WebBrowserWait = WebBrowserWait},
           platform_.files, platform_.system, platform_.shell, client_.Base(), texts_),
      links_({.TINFO_LabelHomepage = TINFO_LabelHomepage,
              .TINFO_LabelEmail = TINFO_LabelEmail,
              .TINFO_LabelTranslator = TINFO_LabelTranslator,
              .Image1 = Image1,
              .WelcomePayPal = WelcomePayPal},
             platform_.shell, client_.Base(), languageFileBase_, texts_) {
    // Every event of the window and its controls runs through the crash log's boundary.
    SetDispatcher(&dispatcher_);
    exceptions_.SetUpList();
    bugReport_.SetUpFields();
    applications_.SetUpList();
    SetUpProgramMemory();
    SetUpOverlays();
    SetUpTrayIcons();
    AttachHandlers();
    // The captions a missing language file leaves: the list's English texts.
    for (views::captions::Page page : views::captions::kPages)
        views::captions::ShowCaptions(page, *this, i18n::Catalogue::English());
    links_.ShowTranslator();
    bugReport_.ShowCaptions();
}

MainForm::~MainForm() = default;

void MainForm::SetUpTrayIcons() {
    // The gauge drawn for the size the shell asks, so it stays crisp at any DPI.
    for (imaging::Bitmap& image : sysinfo::cpu::GaugeImages(16))
        TrayIcons.Add(std::move(image));
    Tray.SetIconList(&TrayIcons,
                     [](int index, int sizePx) { return sysinfo::cpu::GaugeImage(index, sizePx); });
    Tray.SetIconIndex(0);
    Tray2.SetProgramIcon();
    // The update notice has a picture of its own, so it is not taken for the program's icon.
    TrayUpdate.SetIcon(resources::PanelIconBitmap(resources::PanelIcon::Update, 32));
    for (ui::TrayIcon* icon : {&Tray, &Tray2}) {
        icon->SetPopupMenu(&TrayPopup);
        icon->OnDblClick = [this] { TrayDblClick(); };
    }
    TrayPopup_Resize.SetDefault(true);
}

void MainForm::AttachHandlers() {
    // Each page's controls go straight to its presenter.
    activation_.AttachHandlers();
    general_.AttachHandlers();
    shortCuts_.AttachHandlers();
    transparency_.AttachHandlers();
    exceptions_.AttachHandlers();
    rememberedView_.AttachHandlers();
    applications_.AttachHandlers();
    debug_.AttachHandlers();
    update_.AttachHandlers();
    bugReport_.AttachHandlers();
    web_.AttachHandlers();
    links_.AttachHandlers();
    // Raised inside the transfer's wait, for every transfer.
    platform_.http.OnWorkBegin = [this](std::int64_t expected) { update_.HTTPWorkBegin(expected); };
    platform_.http.OnWork = [this](std::int64_t count) { update_.HTTPWork(count); };

    // The window's own: the left panel, the welcome page and the language boxes, the command
    // channel, the tray menu and the update notice, which open pages or quit.
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
    WelcomeLangCB.OnChange = [this] { WelcomeLangCBChange(); };
    GB_Language_CB.OnChange = [this] { GB_Language_CBChange(); };
    CommandTimer.OnTimer = [this] { CommandTimerTimer(); };
    TrayPopup_Aktiv.OnClick = [this] { XPBarStatusItems0Click(); };
    TrayPopup_Inaktiv.OnClick = [this] { XPBarStatusItems1Click(); };
    TrayPopup_ClickThrough.OnClick = [this] { TrayPopup_ClickThroughClick(); };
    TrayPopup_ueber.OnClick = [this] { TrayPopup_ueberClick(); };
    TrayPopup_Resize.OnClick = [this] { TrayDblClick(); };
    TrayPopup_Exit.OnClick = [this] { TrayPopup_ExitClick(); };
    TrayUpdate.OnBalloonClick = [this] { TrayUpdateBalloonHintClick(); };
    // The icon itself opens the page too: a balloon the user missed is gone, the icon stays.
    TrayUpdate.OnClick = [this] { TrayUpdateBalloonHintClick(); };

    OnCloseQuery = [this] { return FormCloseQuery(); };
    OnClose = [this] { FormClose(); };
    OnQueryEndSession = [this] { return QueryEndSession(); };
    OnHotKeyPressed = [this](int id) { OnHotKey(id); };
}

bool MainForm::ShowPage(int index) {
    if (index < 0 || index >= Pages.PageCount()) return false;
    // Every other tab goes, not only the active page's: the strip never holds two.
    for (int i = 0; i < Pages.PageCount(); ++i) {
        if (i != index) Pages.Page(i).SetTabVisible(false);
    }
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
    update_.XPBarVTXItems1Click();
}
void MainForm::XPBarVTXItems2Click() {
    ShowPage(kPageBugReport);
}
void MainForm::XPBarVTXItems3Click() {
    ShowPage(kPageHomepage);
    web_.ShowProjectPage(views::web::ProjectPage(languageFileBase_));
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
