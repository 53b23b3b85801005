#pragma once

#include "core/app/Version.h"
#include "core/ui/Controls.h"
#include "core/ui/Form.h"
#include "core/ui/ListControls.h"
#include "core/ui/Menu.h"
#include "core/ui/PageControl.h"
#include "core/ui/TaskPanel.h"
#include "core/ui/WebBrowser.h"
#include "core/views/applications/ApplicationsMenu.h"

namespace vitrex::app {

// Page indices of `Pages`.
enum PageIndex : int {
    kPageGeneral = 0,
    kPageTransparency = 1,
    kPageExceptions = 2,
    kPageApplications = 3,
    kPageAbout = 4,
    kPageUpdate = 5,
    kPageBugReport = 6,
    kPageHomepage = 7,
    kPageWelcome = 8,
    kPageDebug = 9,
};

// The controls of the main window `VTXForm`, each a typed member under the name the program's
// design gives it, laid out in 96-DPI pixels (client area 531 x 333). The captions that come
// from the language files are not written here: the main window shows the English texts of the
// list (core/i18n/Texts.def) when it is made, and the language's at start-up. Controls are declared parent
// before child, which is also their tab order. What they do is the pages' presenters' business (MainForm
// wires them); this class only makes them and gives them their fixed properties.
class MainFormControls : public ui::Form {
public:
    MainFormControls();
    MainFormControls(const MainFormControls&) = delete;
    MainFormControls& operator=(const MainFormControls&) = delete;
    // Task panel on the left.
    ui::TaskPanel LeftPanel{"LeftPanel", this, {0, 0, 140, 333}};
    ui::TaskGroup& XPBarConfig;
    ui::TaskGroup& XPBarVTX;
    ui::TaskGroup& XPBarStatus;

    ui::PageControl Pages{"Pages", this, {146, 5, 380, 323}};

    // Page 0: general settings, two columns down to the page's foot.
    ui::TabSheet TabAllgemein{"TabAllgemein", &Pages};
    ui::GroupBox GB_CPU{"GB_CPU", &TabAllgemein, {6, 4, 178, 92}};
    ui::CheckBox GB_CPU_CB{"GB_CPU_CB", &GB_CPU, {10, 18, 160, 17}};
    ui::Label GB_CPU_Label1{"GB_CPU_Label1", &GB_CPU, {10, 39, 160, 14}};
    ui::TrackBar GB_CPU_TB{"GB_CPU_TB", &GB_CPU, {4, 53, 170, 22}};
    ui::Label GB_CPU_Label2{"GB_CPU_Label2", &GB_CPU, {6, 75, 24, 14}, "0,5"};
    ui::Label GB_CPU_Label3{"GB_CPU_Label3", &GB_CPU, {39, 75, 16, 14}, "1"};
    ui::Label GB_CPU_Label4{"GB_CPU_Label4", &GB_CPU, {98, 75, 16, 14}, "2"};
    ui::Label GB_CPU_Label5{"GB_CPU_Label5", &GB_CPU, {157, 75, 16, 14}, "3"};

    ui::GroupBox GB_STRAY{"GB_STRAY", &TabAllgemein, {6, 102, 178, 72}};
    ui::RadioButton GB_STRAY_RB1{"GB_STRAY_RB1", &GB_STRAY, {10, 17, 160, 17}};
    ui::RadioButton GB_STRAY_RB2{"GB_STRAY_RB2", &GB_STRAY, {10, 34, 160, 17}};
    ui::RadioButton GB_STRAY_RB3{"GB_STRAY_RB3", &GB_STRAY, {10, 51, 160, 17}};

    ui::GroupBox GB_Transparenz{"GB_Transparenz", &TabAllgemein, {6, 180, 178, 56}};
    ui::RadioButton GB_Transparenz_One{"GB_Transparenz_One", &GB_Transparenz, {10, 17, 160, 17}};
    ui::RadioButton GB_Transparenz_All{"GB_Transparenz_All", &GB_Transparenz, {10, 34, 160, 17}};

    ui::GroupBox GB_Language{"GB_Language", &TabAllgemein, {6, 242, 178, 50}};
    ui::ComboBox GB_Language_CB{"GB_Language_CB", &GB_Language, {10, 18, 158, 21}};

    // Rows of 16 pixels in the two groups on the right, so that the short-cut group holds three
    // key fields of the group's whole width.
    ui::GroupBox GB_Start{"GB_Start", &TabAllgemein, {190, 4, 178, 84}};
    ui::CheckBox GB_Start_AutoStart{"GB_Start_AutoStart", &GB_Start, {10, 15, 162, 16}};
    ui::CheckBox GB_Start_Hide{"GB_Start_Hide", &GB_Start, {10, 31, 162, 16}};
    ui::CheckBox GB_Start_Active{"GB_Start_Active", &GB_Start, {10, 47, 162, 16}};
    ui::CheckBox GB_Start_CUpdate{"GB_Start_CUpdate", &GB_Start, {10, 63, 162, 16}};

    ui::GroupBox GB_ShortCuts{"GB_ShortCuts", &TabAllgemein, {190, 92, 178, 200}};
    ui::CheckBox GB_ShortCuts_ChTransCB{"GB_ShortCuts_ChTransCB", &GB_ShortCuts, {10, 13, 162, 16}};
    ui::RadioButton GB_ShortCuts_ChTransRB1{"GB_ShortCuts_ChTransRB1", &GB_ShortCuts, {22, 29, 150, 15}};
    ui::RadioButton GB_ShortCuts_ChTransRB2{"GB_ShortCuts_ChTransRB2", &GB_ShortCuts, {22, 44, 150, 15}};
    ui::CheckBox GB_ShortCuts_AoTCB{"GB_ShortCuts_AoTCB", &GB_ShortCuts, {10, 60, 132, 16}};
    // Each label above its field, so that the field takes the group's whole width: the names the
    // system gives keys can be long ("Control + Shift + KP_Delete" under Wine).
    ui::Label GB_ShortCuts_AoTOnL{"GB_ShortCuts_AoTOnL", &GB_ShortCuts, {8, 78, 164, 13}};
    ui::HotKeyEdit GB_ShortCuts_AoTOn{"GB_ShortCuts_AoTOn", &GB_ShortCuts, {6, 91, 166, 21}};
    ui::Label GB_ShortCuts_AoTOffL{"GB_ShortCuts_AoTOffL", &GB_ShortCuts, {8, 113, 164, 13}};
    ui::HotKeyEdit GB_ShortCuts_AoTOff{"GB_ShortCuts_AoTOff", &GB_ShortCuts, {6, 126, 166, 21}};
    // The key that makes the foreground window click-through and releases it; not governed by
    // the always-on-top box.
    ui::Label GB_ShortCuts_ClickThroughL{"GB_ShortCuts_ClickThroughL", &GB_ShortCuts, {8, 148, 164, 13}};
    ui::HotKeyEdit GB_ShortCuts_ClickThrough{"GB_ShortCuts_ClickThrough", &GB_ShortCuts, {6, 161, 166, 21}};
    // Names the combinations the system refused, so a ticked box never promises a dead key.
    ui::Label GB_ShortCuts_Warning{"GB_ShortCuts_Warning", &GB_ShortCuts, {8, 183, 164, 13}, ""};
    ui::Button GB_ShortCuts_ShowHelp{"GB_ShortCuts_ShowHelp", &GB_ShortCuts, {148, 59, 24, 19}, "?"};
    // Shown over the group by the "?" button.
    ui::Panel GB_ShortCuts_HelpWin{"GB_ShortCuts_HelpWin", &GB_ShortCuts, {6, 13, 166, 183}};
    ui::Label GB_ShortCuts_HelpTitle{"GB_ShortCuts_HelpTitle", &GB_ShortCuts_HelpWin, {8, 6, 150, 15}};
    ui::Label GB_ShortCuts_HelpText{"GB_ShortCuts_HelpText", &GB_ShortCuts_HelpWin, {8, 24, 150, 120}};
    ui::Button GB_ShortCuts_CloseBTN{"GB_ShortCuts_CloseBTN", &GB_ShortCuts_HelpWin, {88, 152, 70, 23}, "OK"};

    // Page 1: transparency levels.
    ui::TabSheet TabTransparenz{"TabTransparenz", &Pages};
    ui::CheckBox TAB_TPZ_CB{"TAB_TPZ_CB", &TabTransparenz, {10, 8, 354, 17}};
    ui::GroupBox TAB_TPZ_GB_Active{
        "TAB_TPZ_GB_Active", &TabTransparenz, {6, 30, 362, 64}, "Active Window (10%)"};
    ui::TrackBar TAB_TPZ_TB_Active{"TAB_TPZ_TB_Active", &TAB_TPZ_GB_Active, {6, 17, 350, 26}};
    ui::Label TAB_TPZ_L_Active0{"TAB_TPZ_L_Active0", &TAB_TPZ_GB_Active, {12, 44, 30, 14}, "0%"};
    ui::Label TAB_TPZ_L_Active90{"TAB_TPZ_L_Active90", &TAB_TPZ_GB_Active, {318, 44, 30, 14}, "90%"};
    ui::GroupBox TAB_TPZ_GB_Inactive{
        "TAB_TPZ_GB_Inactive", &TabTransparenz, {6, 98, 362, 64}, "Inactive Windows (25%)"};
    ui::TrackBar TAB_TPZ_TB_InActive{"TAB_TPZ_TB_InActive", &TAB_TPZ_GB_Inactive, {6, 17, 350, 26}};
    ui::Label TAB_TPZ_L_Inactive0{"TAB_TPZ_L_Inactive0", &TAB_TPZ_GB_Inactive, {12, 44, 30, 14}, "0%"};
    ui::Label TAB_TPZ_L_Inactive90{"TAB_TPZ_L_Inactive90", &TAB_TPZ_GB_Inactive, {318, 44, 30, 14}, "90%"};
    ui::CheckBox TAB_TPZ_FullScreenCB{"TAB_TPZ_FullScreenCB", &TabTransparenz, {10, 172, 262, 17}};
    ui::Button TAB_TPZ_RESET{"TAB_TPZ_RESET", &TabTransparenz, {278, 168, 90, 25}};
    ui::CheckBox TAB_TPZ_TLCB{"TAB_TPZ_TLCB", &TabTransparenz, {10, 200, 354, 17}};
    ui::GroupBox TAB_TPZ_GB_TL{"TAB_TPZ_GB_TL", &TabTransparenz, {6, 222, 362, 64}, "Transparency (25%)"};
    ui::TrackBar TAB_TPZ_TB_TL{"TAB_TPZ_TB_TL", &TAB_TPZ_GB_TL, {6, 17, 350, 26}};
    ui::Label TAB_TPZ_L_TL0{"TAB_TPZ_L_TL0", &TAB_TPZ_GB_TL, {12, 44, 30, 14}, "0%"};
    ui::Label TAB_TPZ_L_TL90{"TAB_TPZ_L_TL90", &TAB_TPZ_GB_TL, {318, 44, 30, 14}, "90%"};

    // Page 2: the exceptions list.
    ui::TabSheet TabAusnahmen{"TabAusnahmen", &Pages};
    ui::GroupBox TAB_Ausnahmen_GB1{"TAB_Ausnahmen_GB1", &TabAusnahmen, {6, 4, 362, 114}};
    ui::ListBox TAB_Ausnahmen_List{"TAB_Ausnahmen_List", &TAB_Ausnahmen_GB1, {10, 18, 232, 88}};
    ui::Button TAB_AUS_BTN_Add{"TAB_AUS_BTN_Add", &TAB_Ausnahmen_GB1, {250, 18, 104, 25}};
    ui::Button TAB_AUS_BTN_Delete{"TAB_AUS_BTN_Delete", &TAB_Ausnahmen_GB1, {250, 48, 104, 25}};
    ui::Button TAB_AUS_BTN_DeleteAll{"TAB_AUS_BTN_DeleteAll", &TAB_Ausnahmen_GB1, {250, 78, 104, 25}};
    // The programs whose level is remembered, with the button that forgets one.
    ui::GroupBox TAB_AUS_GB_Remembered{"TAB_AUS_GB_Remembered", &TabAusnahmen, {6, 122, 362, 92}};
    ui::ListView TAB_AUS_RememberedList{"TAB_AUS_RememberedList", &TAB_AUS_GB_Remembered, {10, 18, 232, 66}};
    ui::Button TAB_AUS_BTN_Forget{"TAB_AUS_BTN_Forget", &TAB_AUS_GB_Remembered, {250, 18, 104, 25}};
    ui::GroupBox TAB_Ausnahmen_GB2{"TAB_Ausnahmen_GB2", &TabAusnahmen, {6, 218, 362, 60}};
    ui::Button TAB_AUS_BTN_Import{"TAB_AUS_BTN_Import", &TAB_Ausnahmen_GB2, {10, 22, 100, 25}};
    ui::Button TAB_AUS_BTN_Export{"TAB_AUS_BTN_Export", &TAB_Ausnahmen_GB2, {118, 22, 100, 25}};

    // Page 3: open applications.
    ui::TabSheet TabAnwendungen{"TabAnwendungen", &Pages};
    ui::ListView TAB_AW_List{"TAB_AW_List", &TabAnwendungen, {4, 4, 364, 282}};
    ui::ImageList ImageList_AW{16, 16};
    ui::PopupMenu PMenu_AW_List{"PMenu_AW_List", this};
    views::applications::ApplicationsMenu PMenu_AW_ListItems =
        views::applications::BuildApplicationsMenu(PMenu_AW_List);

    // Page 4: about.
    ui::TabSheet TabUeber{"TabUeber", &Pages};
    ui::Label TINFO_Title{"TINFO_Title", &TabUeber, {12, 10, 350, 24}, "Vitrex"};
    ui::Label TINFO_Label1{"TINFO_Label1", &TabUeber, {12, 38, 350, 16}};
    ui::Label TINFO_Label2{"TINFO_Label2", &TabUeber, {12, 62, 110, 16}};
    ui::Label TINFO_LabelVersion{"TINFO_LabelVersion", &TabUeber, {128, 62, 234, 16}, ""};
    ui::Label TINFO_Label3{"TINFO_Label3", &TabUeber, {12, 82, 110, 16}, "Datum:"};
    ui::Label TINFO_LabelDatum{"TINFO_LabelDatum", &TabUeber, {128, 82, 234, 16}, ""};
    ui::Label TINFO_Label4{"TINFO_Label4", &TabUeber, {12, 106, 110, 16}};
    ui::Label TINFO_LabelHomepage{"TINFO_LabelHomepage", &TabUeber, {128, 106, 234, 16}, ""};
    ui::Label TINFO_Label5{"TINFO_Label5", &TabUeber, {12, 126, 110, 16}};
    ui::Label TINFO_LabelEmail{"TINFO_LabelEmail", &TabUeber, {128, 126, 234, 16}, ""};
    ui::Label TINFO_LabelTranslatorText{"TINFO_LabelTranslatorText", &TabUeber, {12, 154, 350, 16}};
    ui::Label TINFO_LabelTranslator{"TINFO_LabelTranslator", &TabUeber, {24, 172, 338, 16}};
    ui::Label TINFO_LabelDonate{"TINFO_LabelDonate", &TabUeber, {12, 204, 350, 16}};
    ui::Image Image1{"Image1", &TabUeber, {24, 226, 110, 40}};

    // Page 5: update information and download.
    ui::TabSheet TabUpdate{"TabUpdate", &Pages};
    ui::Label TAB_U_Label1{"TAB_U_Label1", &TabUpdate, {10, 10, 110, 16}};
    ui::Label TAB_U_Install{"TAB_U_Install", &TabUpdate, {124, 10, 240, 16}, ""};
    ui::Label TAB_U_Label2{"TAB_U_Label2", &TabUpdate, {10, 30, 110, 16}};
    ui::Label TAB_U_New{"TAB_U_New", &TabUpdate, {124, 30, 240, 16}, ""};
    ui::GroupBox GB_Changelog{"GB_Changelog", &TabUpdate, {6, 52, 362, 188}};
    ui::Memo TAB_U_Infos{"TAB_U_Infos", &GB_Changelog, {8, 18, 346, 162}};
    ui::Panel TAB_U_BottomPanel{"TAB_U_BottomPanel", &TabUpdate, {6, 246, 362, 40}};
    ui::ProgressBar TAB_U_Progress{"TAB_U_Progress", &TAB_U_BottomPanel, {0, 2, 140, 16}};
    ui::Label TAB_U_SpeedLabel{"TAB_U_SpeedLabel", &TAB_U_BottomPanel, {0, 20, 140, 16}, ""};
    ui::Button TAB_U_ManuellBTN{"TAB_U_ManuellBTN", &TAB_U_BottomPanel, {146, 6, 116, 25}};
    ui::Button TAB_U_UpdateBTN{"TAB_U_UpdateBTN", &TAB_U_BottomPanel, {266, 6, 96, 25}};
    ui::Button TAB_U_AbbrechenBTN{"TAB_U_AbbrechenBTN", &TAB_U_BottomPanel, {266, 6, 96, 25}};
    ui::Label TAB_U_ErrorLabel{"TAB_U_ErrorLabel", &TAB_U_BottomPanel, {0, 0, 142, 40}, ""};
    // Covers the whole page while the update information is fetched; made last so it lies on top.
    ui::Panel TAB_U_WaitPanel{"TAB_U_WaitPanel", &TabUpdate, {0, 0, 372, 292}};
    ui::Button TAB_U_NoConnection{"TAB_U_NoConnection", &TAB_U_WaitPanel, {132, 176, 110, 25}};

    // Page 6: bug report.
    ui::TabSheet TabFehler{"TabFehler", &Pages};
    ui::LabeledEdit Bug_Headline{"Bug_Headline", &TabFehler, {10, 22, 354, 21}};
    ui::LabeledEdit Bug_Mail{"Bug_Mail", &TabFehler, {10, 64, 354, 21}};
    ui::Label Bug_Label1{"Bug_Label1", &TabFehler, {10, 92, 354, 14}};
    ui::ComboBox Bug_OS{"Bug_OS", &TabFehler, {10, 108, 220, 21}};
    ui::Label Bug_Label2{"Bug_Label2", &TabFehler, {10, 136, 90, 14}};
    ui::Label Bug_Label3{"Bug_Label3", &TabFehler, {104, 136, 260, 14}};
    ui::Memo Bug_Text{"Bug_Text", &TabFehler, {10, 152, 354, 100}};
    ui::Button Bug_Send{"Bug_Send", &TabFehler, {274, 258, 90, 25}};

    // Page 7: the project's web page.
    ui::TabSheet TabHomepage{"TabHomepage", &Pages, "Homepage"};
    ui::WebBrowser WebBrowser{"WebBrowser", &TabHomepage, {0, 0, 372, 292}};
    // In the browser's place when no page ever finishes loading.
    ui::Panel WebBrowserMessage{"WebBrowserMessage", &TabHomepage, {0, 0, 372, 292}};
    ui::Label WebBrowserMessageText{"WebBrowserMessageText", &WebBrowserMessage, {16, 110, 340, 32}};
    ui::Label WebBrowserMessageLink{"WebBrowserMessageLink", &WebBrowserMessage, {16, 150, 340, 16}};

    // Page 8: welcome page of the first start.
    ui::TabSheet TabWillkommen{"TabWillkommen", &Pages};
    ui::Label WelcomeTopL1{"WelcomeTopL1", &TabWillkommen, {10, 8, 354, 22}};
    ui::Label WelcomeL1{"WelcomeL1", &TabWillkommen, {10, 36, 354, 16}};
    ui::Label WelcomeL2{"WelcomeL2", &TabWillkommen, {10, 56, 354, 58}};
    ui::Label WelcomeL3{"WelcomeL3", &TabWillkommen, {10, 118, 354, 44}};
    ui::ComboBox WelcomeLangCB{"WelcomeLangCB", &TabWillkommen, {10, 170, 180, 21}};
    ui::Label WelcomePayPalLabel{"WelcomePayPalLabel", &TabWillkommen, {10, 204, 240, 16}};
    ui::Image WelcomePayPal{"WelcomePayPal", &TabWillkommen, {10, 224, 110, 40}};
    ui::Button WelcomeOKBtn{"WelcomeOKBtn", &TabWillkommen, {278, 258, 86, 25}};

    // Page 9: debug tools and the crash log.
    ui::TabSheet TabDebug{"TabDebug", &Pages, "Debug"};
    ui::Label TabDebugNote{"TabDebugNote",
                           &TabDebug,
                           {6, 2, 362, 28},
                           "You should'nt see this Tab. ;-) But this Tab has no useful function for you!"};
    ui::GroupBox TabDebugGB1{"TabDebugGB1", &TabDebug, {6, 30, 176, 176}, "Window Info"};
    ui::Label TabDebugL9{"TabDebugL9", &TabDebugGB1, {8, 16, 162, 14}, "Window From Point"};
    ui::Label TabDebugL1{"TabDebugL1", &TabDebugGB1, {8, 32, 162, 14}, "Title: "};
    ui::Label TabDebugL2{"TabDebugL2", &TabDebugGB1, {8, 47, 162, 14}, "Class: "};
    ui::Label TabDebugL3{"TabDebugL3", &TabDebugGB1, {8, 62, 162, 14}, "HWnd: "};
    ui::Label TabDebugL4{"TabDebugL4", &TabDebugGB1, {8, 77, 162, 14}, "Style: "};
    ui::Label TabDebugL10{"TabDebugL10", &TabDebugGB1, {8, 96, 162, 14}, "Forground Window"};
    ui::Label TabDebugL5{"TabDebugL5", &TabDebugGB1, {8, 112, 162, 14}, "Title: "};
    ui::Label TabDebugL6{"TabDebugL6", &TabDebugGB1, {8, 127, 162, 14}, "Class:"};
    ui::Label TabDebugL7{"TabDebugL7", &TabDebugGB1, {8, 142, 162, 14}, "HWnd:"};
    ui::Label TabDebugL8{"TabDebugL8", &TabDebugGB1, {8, 157, 162, 14}, "Style:"};
    ui::GroupBox TabDebugGB2{"TabDebugGB2", &TabDebug, {186, 30, 182, 176}, "Functions"};
    ui::HotKeyEdit DebugHotKey{"DebugHotKey", &TabDebugGB2, {8, 16, 166, 21}};
    ui::Button TabDebugBTN{"TabDebugBTN", &TabDebugGB2, {8, 40, 166, 23}, "Register HotKey"};
    ui::LabeledEdit DebugMakeHandleTransEdit{"DebugMakeHandleTransEdit", &TabDebugGB2, {8, 82, 166, 21}};
    ui::Button DebugMakeHandleTrans{"DebugMakeHandleTrans", &TabDebugGB2, {6, 106, 84, 23}, "Make Trans."};
    ui::Button DebugDeleteTrans{"DebugDeleteTrans", &TabDebugGB2, {92, 106, 84, 23}, "Delete Trans."};
    ui::LabeledEdit DebugClassException{"DebugClassException", &TabDebugGB2, {8, 148, 166, 21}};
    ui::Label TabDebugListL{"TabDebugListL", &TabDebug, {6, 210, 200, 14}, "&Exceptions:"};
    ui::ListBox TabDebugList{"TabDebugList", &TabDebug, {6, 225, 362, 64}};

private:
    void SetUpControls();
};

}  // namespace vitrex::app
