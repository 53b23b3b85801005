#include <string>
#include <string_view>

#include "core/app/MainForm.h"
#include "core/i18n/CatalogueKeys.h"
#include "core/i18n/StoredTexts.h"

namespace vitrex::app {
namespace {

constexpr std::string_view kDigitKeys = "+0...9";
constexpr std::string_view kProductSuffix = " Vitrex";
constexpr std::string_view kProductPrefix = "Vitrex - ";

}  // namespace

// Every caption of the window from the catalogue, with its composition. Texts outside the
// catalogue (scale marks, the debug page, the operating-system names, the product's name in
// headings) stay as built.
void MainForm::ApplyCaptions() {
    const i18n::Catalogue& t = texts_;
    auto text = [&t](std::string_view section, std::string_view key) { return t.Text(section, key); };
    auto colon = [&t](std::string_view section, std::string_view key) { return t.Text(section, key) + ":"; };

    // Settings page.
    XPBarConfig.Item(0).SetCaption(text("TabGeneric", "Generic"));
    TabAllgemein.SetCaption(text("TabGeneric", "Generic"));
    GB_CPU.SetCaption(text("TabGeneric", "CPUUsage"));
    GB_CPU_CB.SetCaption(text("TabGeneric", "ShowCPUUsage"));
    GB_STRAY_RB1.SetCaption(text("TabGeneric", "ShowCPUUsage"));
    GB_CPU_Label1.SetCaption(colon("TabGeneric", "UpdateRange"));
    GB_STRAY.SetCaption(text("TabGeneric", "TrayIcon"));
    GB_STRAY_RB2.SetCaption(text("TabGeneric", "ShowVitrexLogo"));
    GB_STRAY_RB3.SetCaption(text("TabGeneric", "NoTrayIcon"));
    GB_Transparenz.SetCaption(text("TabGeneric", "ChangeTransparency"));
    GB_Transparenz_One.SetCaption(text("TabGeneric", "OnlyActiveWindow"));
    GB_Transparenz_All.SetCaption(text("TabGeneric", "ActiveProcess"));
    GB_Start.SetCaption(text("TabGeneric", "Program"));
    GB_Start_AutoStart.SetCaption(text("TabGeneric", "StartWithWindows"));
    GB_Start_Hide.SetCaption(text("TabGeneric", "HideAtStartup"));
    GB_Start_Active.SetCaption(text("TabGeneric", "ActiveAtStartup"));
    GB_Start_CUpdate.SetCaption(text("TabGeneric", "UpdateCheck"));
    GB_Language.SetCaption(text("TabGeneric", "Language"));
    GB_Language_CB.AddItem(i18n::MoreLanguagesEntry(t));
    GB_ShortCuts.SetCaption(text("TabGeneric", "ShortCuts"));
    GB_ShortCuts_ChTransCB.SetCaption(text("TabGeneric", "ChangeTransparency"));
    GB_ShortCuts_ChTransRB1.SetCaption(text("TabGeneric", "Ctrl") + std::string(kDigitKeys));
    GB_ShortCuts_ChTransRB2.SetCaption(text("TabGeneric", "WIN") + std::string(kDigitKeys));
    GB_ShortCuts_AoTCB.SetCaption(text("TabGeneric", "AllwaysOnTop"));
    GB_ShortCuts_AoTOnL.SetCaption(colon("TabGeneric", "On"));
    GB_ShortCuts_AoTOffL.SetCaption(colon("TabGeneric", "Off"));
    GB_ShortCuts_HelpTitle.SetCaption(text("TabGeneric", "Help"));
    GB_ShortCuts_HelpText.SetCaption(text("TabGeneric", "HelpText"));

    // Transparency page; the level groups name their sliders' positions.
    XPBarConfig.Item(1).SetCaption(text("TabTransparency", "Transparency"));
    TabTransparenz.SetCaption(text("TabTransparency", "Transparency"));
    TAB_TPZ_CB.SetCaption(text("TabTransparency", "MakeAllWindowsTransparency"));
    TAB_TPZ_RESET.SetCaption(text("TabTransparency", "Reset"));
    TAB_TPZ_FullScreenCB.SetCaption(text(i18n::kOwnSection, "LeaveFullScreenOpaque"));
    TAB_TPZ_TLCB.SetCaption(text("TabTransparency", "TransparencyTaskbar"));
    transparency_.ShowLevelCaptions();

    // Exceptions page.
    XPBarConfig.Item(2).SetCaption(text("TabExceptions", "Exceptions"));
    TabAusnahmen.SetCaption(text("TabExceptions", "Exceptions"));
    TAB_Ausnahmen_GB1.SetCaption(text("TabExceptions", "Programs"));
    TAB_AUS_BTN_Add.SetCaption(text("TabExceptions", "Add"));
    TAB_AUS_BTN_Delete.SetCaption(text("TabExceptions", "DeleteItem"));
    TAB_AUS_BTN_DeleteAll.SetCaption(text("TabExceptions", "DeleteAll"));
    TAB_Ausnahmen_GB2.SetCaption(text("TabExceptions", "ImportExport"));
    TAB_AUS_BTN_Import.SetCaption(text("TabExceptions", "Import"));
    TAB_AUS_BTN_Export.SetCaption(text("TabExceptions", "Export"));
    TAB_AUS_GB_Remembered.SetCaption(text(i18n::kOwnSection, "RememberedLevels"));
    TAB_AUS_BTN_Forget.SetCaption(text(i18n::kOwnSection, "Remove"));
    rememberedView_.ShowColumns();
    rememberedView_.Show();

    // Applications page: the list's columns and its menu.
    XPBarConfig.Item(3).SetCaption(text("TabApplications", "Applications"));
    TabAnwendungen.SetCaption(text("TabApplications", "Applications"));
    TAB_AW_List.SetColumnCaption(0, text("TabApplications", "Windows"));
    TAB_AW_List.SetColumnCaption(1, text("TabApplications", "Handle"));
    TAB_AW_List.SetColumnCaption(2, text("TabApplications", "PID"));
    TAB_AW_List.SetColumnCaption(3, text("TabApplications", "Process"));
    const views::applications::ApplicationsMenu& menu = PMenu_AW_ListItems;
    menu.PMReload.SetCaption(text("TabApplications", "ReloadList"));
    menu.PMRestore.SetCaption(text("TabApplications", "Restore"));
    menu.PMMinimize.SetCaption(text("TabApplications", "Minimize"));
    menu.PMMaximize.SetCaption(text("TabApplications", "Maximize"));
    menu.PMClose.SetCaption(text("TabApplications", "Close"));
    menu.PMAusnahme.SetCaption(text("TabApplications", "Exception"));
    menu.PMFenstertransparent.SetCaption(text("TabApplications", "ChangeTransparency"));
    menu.PMNo.SetCaption(t.Text("TabApplications", "Off", "&Off"));
    menu.PMFensterumbennen.SetCaption(text("TabApplications", "RenameWindow"));
    menu.PMAlwaysOnTop.SetCaption(text("TabApplications", "AlwaysOnTop"));
    menu.PM_AOT_True.SetCaption(text("TabApplications", "On"));
    menu.PM_AOT_False.SetCaption(t.Text("TabApplications", "Off", "O&ff"));

    // About page; the build date shows only with the German captions.
    XPBarVTX.Item(0).SetCaption(text("TabInfo", "About") + std::string(kProductSuffix));
    TabUeber.SetCaption(text("TabInfo", "About") + std::string(kProductSuffix));
    TINFO_Label1.SetCaption(text("TabInfo", "Freeware"));
    TINFO_Label2.SetCaption(colon("TabInfo", "Version"));
    TINFO_Label4.SetCaption(colon("TabInfo", "Homepage"));
    TINFO_Label5.SetCaption(colon("TabInfo", "EMail"));
    TINFO_LabelTranslatorText.SetCaption(colon("TabInfo", "TranslatorText"));
    TINFO_LabelTranslator.SetCaption(text("Info", "writer") + " (" + t.Text("Info", "email", "No E-Mail") +
                                     ")");
    TINFO_LabelDonate.SetCaption(colon("TabInfo", "Donate"));
    const bool german = i18n::LanguageDisplayName(t) == "Deutsch";
    TINFO_Label3.SetVisible(german);
    TINFO_LabelDatum.SetVisible(german);

    // Update page.
    XPBarVTX.Item(1).SetCaption(text("TabUpdate", "Update"));
    TabUpdate.SetCaption(text("TabUpdate", "Update"));
    TAB_U_WaitPanel.SetCaption(text("TabUpdate", "CheckingForUpdates"));
    TAB_U_NoConnection.SetCaption(text("TabUpdate", "ManualUpdate"));
    TAB_U_UpdateBTN.SetCaption(text("TabUpdate", "Update"));
    TAB_U_ManuellBTN.SetCaption(text("TabUpdate", "ManualUpdate"));
    TAB_U_AbbrechenBTN.SetCaption(text("TabUpdate", "Cancel"));
    GB_Changelog.SetCaption(text("TabUpdate", "WhatIsNew"));
    TAB_U_Label1.SetCaption(colon("TabUpdate", "YourVersion"));
    TAB_U_Label2.SetCaption(colon("TabUpdate", "CurrentVersion"));

    // Bug report page: a mail typed before the change gives way to the placeholder.
    XPBarVTX.Item(2).SetCaption(text("TabReportBug", "ReportBug"));
    TabFehler.SetCaption(text("TabReportBug", "ReportBug"));
    Bug_Headline.SetCaption(colon("TabReportBug", "Description"));
    Bug_Mail.SetCaption(colon("TabReportBug", "YourEMailAdress"));
    Bug_Mail.SetText(i18n::MailPlaceholder(t));
    Bug_Label1.SetCaption(colon("TabReportBug", "OperatingSystem"));
    const bool otherChosen = Bug_OS.ItemIndex() == 3;
    if (Bug_OS.Items().size() > 3) Bug_OS.DeleteItem(3);
    Bug_OS.InsertItem(3, text("TabReportBug", "Other"));
    if (otherChosen) Bug_OS.SetItemIndex(3);
    Bug_Label2.SetCaption(colon("TabReportBug", "BugReport"));
    Bug_Label3.SetCaption(text("TabReportBug", "EnglishOnly"));
    Bug_Send.SetCaption(text("TabReportBug", "Send"));
    Bug_Label3.SetVisible(languageFileBase_ != "de" && languageFileBase_ != "en");

    // Welcome page.
    TabWillkommen.SetCaption(text("TabWelcome", "Welcome"));
    WelcomeTopL1.SetCaption(std::string(kProductPrefix) + text("TabWelcome", "FirstSteps"));
    WelcomeL1.SetCaption(text("TabWelcome", "Attention"));
    WelcomeL2.SetCaption(text("TabWelcome", "AttentionInfo"));
    WelcomeL3.SetCaption(text("TabWelcome", "HelpMessage"));
    WelcomePayPalLabel.SetCaption(colon("TabInfo", "Donate"));
    WelcomeOKBtn.SetCaption(text("TabWelcome", "OK"));

    // The task panels and the notification-area menu.
    XPBarConfig.SetCaption(text("Other", "Settings"));
    XPBarStatus.SetCaption(text("Other", "State"));
    XPBarStatus.Item(0).SetCaption(text("Other", "Active"));
    XPBarStatus.Item(1).SetCaption(text("Other", "Inactive"));
    XPBarStatus.Item(2).SetCaption(text("Other", "Deactivated"));
    XPBarVTX.Item(3).SetCaption(text("Other", "Homepage"));
    TrayPopup_Aktiv.SetCaption(text("Other", "Active"));
    TrayPopup_Inaktiv.SetCaption(text("Other", "Inactive"));
    TrayPopup_Deaktiv.SetCaption(text("Other", "Deactivated"));
    TrayPopup_ueber.SetCaption(text("Other", "About"));
    TrayPopup_Resize.SetCaption(text("Other", "Resotre"));
    TrayPopup_Exit.SetCaption(text("Other", "Exit"));
}

}  // namespace vitrex::app
