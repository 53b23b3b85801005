#include "core/app/MainFormControls.h"

#include "core/app/settings/SettingsTable.h"
#include "core/imaging/Resources.h"
#include "core/ui/ShortCut.h"

namespace vitrex::app {

MainFormControls::MainFormControls()
    : ui::Form("VTXForm", "TVTXForm", 531, 333),
      XPBarConfig(LeftPanel.AddGroup("XPBarConfig", "")),
      XPBarVTX(LeftPanel.AddGroup("XPBarVTX", kApplicationTitle)),
      XPBarStatus(LeftPanel.AddGroup("XPBarStatus", "")) {
    SetCaption(kApplicationTitle);
    SetUpControls();
}

void MainFormControls::SetUpControls() {
    XPBarConfig.AddItem("XPBarConfigItems0", "");
    XPBarConfig.AddItem("XPBarConfigItems1", "");
    XPBarConfig.AddItem("XPBarConfigItems2", "");
    XPBarConfig.AddItem("XPBarConfigItems3", "");
    XPBarVTX.AddItem("XPBarVTXItems0", "");
    XPBarVTX.AddItem("XPBarVTXItems1", "");
    XPBarVTX.AddItem("XPBarVTXItems2", "");
    XPBarVTX.AddItem("XPBarVTXItems3", "");
    XPBarConfig.SetIcon(resources::PanelIconBitmap(resources::PanelIcon::Settings, 32));
    XPBarVTX.SetIcon(resources::PanelIconBitmap(resources::PanelIcon::Logo, 32));
    XPBarStatus.SetIcon(resources::PanelIconBitmap(resources::PanelIcon::State, 32));
    // The large badge, so that it stays crisp when the binder scales it up for the monitor.
    if (std::optional<imaging::Bitmap> badge = resources::DonatePicture(192)) {
        WelcomePayPal.SetPicture(*badge);
        Image1.SetPicture(std::move(*badge));
    }
    // The state items are hidden until start-up shows the one that holds.
    for (int i = 0; i < 3; ++i)
        XPBarStatus.AddItem("XPBarStatusItems" + std::to_string(i), "").SetVisible(false);

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
    // On unless the stored settings say otherwise.
    TAB_TPZ_FullScreenCB.SetChecked(true);
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
    GB_ShortCuts_ClickThrough.SetRules(Rules::kCombNone | Rules::kCombAlt | Rules::kCombShiftCtrlAlt, 0);
    // Older settings do not hold this key: the field starts with the row's default.
    GB_ShortCuts_ClickThrough.SetValue(
        static_cast<std::uint16_t>(settings::Setting(settings::SettingId::SC_ClickThrough).defaultNumber));
    DebugHotKey.SetRules(0, ui::ShortCut::kCtrl);

    TAB_Ausnahmen_List.SetHorizontalScroll(true);
    // A crash-log line (a long message, the rule) is wider than the list: it scrolls, not cut.
    TabDebugList.SetHorizontalScroll(true);

    TINFO_Title.SetStyle(ui::TextStyle::Heading);
    // The version and the date are start-up's to fill in. The date row shows only with the German
    // captions; without it the rows below move up.
    TabUeber.SetCollapseHiddenRows(true);
    TINFO_Label3.SetVisible(false);
    TINFO_LabelDatum.SetVisible(false);
    // The links' targets and looks are the links' presenter's (views/web).

    TAB_U_WaitPanel.SetBordered(false);
    TAB_U_NoConnection.SetVisible(false);
    TAB_U_Progress.SetVisible(false);
    TAB_U_AbbrechenBTN.SetVisible(false);
    TAB_U_ErrorLabel.SetVisible(false);
    TAB_U_ErrorLabel.SetWordWrap(true);
    TAB_U_ErrorLabel.SetStyle(ui::TextStyle::Warning);
    TAB_U_Infos.SetReadOnly(true);

    // The bug page's presenter adds the language's "Other" as the last item.
    Bug_OS.SetItems({"Windows 2000", "Windows XP Home Edition", "Windows XP Professional"});
    Bug_Label3.SetStyle(ui::TextStyle::Warning);

    WelcomeTopL1.SetStyle(ui::TextStyle::Heading);
    WelcomeL1.SetStyle(ui::TextStyle::Bold);
    for (ui::Label* text : {&WelcomeL2, &WelcomeL3})
        text->SetWordWrap(true);
    WelcomeOKBtn.SetDefault(true);

    TabDebugNote.SetWordWrap(true);
    TabDebugL9.SetStyle(ui::TextStyle::Bold);
    TabDebugL10.SetStyle(ui::TextStyle::Bold);
    DebugHotKey.SetValue(16610);
    DebugMakeHandleTransEdit.SetCaption("Handle:");
    DebugClassException.SetCaption("Class exception:");
}

}  // namespace vitrex::app
