#pragma once

#include <functional>
#include <string>
#include "core/i18n/Catalogue.h"

#include "core/platform/WindowSystem.h"
#include "core/ui/Controls.h"

// The namespace is `levels`, not `transparency`, so that it never hides vitrex::transparency from
// code under views.
namespace vitrex::views::levels {

// The texts of the page, in the current language.
// A level group's caption: the name, then the slider's position as "(10%)".
std::string LevelCaption(const std::string& name, int position);

// The controls the transparency page works on.
struct TransparencyControls {
    ui::CheckBox& TAB_TPZ_CB;
    ui::GroupBox& TAB_TPZ_GB_Active;
    ui::TrackBar& TAB_TPZ_TB_Active;
    ui::GroupBox& TAB_TPZ_GB_Inactive;
    ui::TrackBar& TAB_TPZ_TB_InActive;
    ui::CheckBox& TAB_TPZ_TLCB;
    ui::GroupBox& TAB_TPZ_GB_TL;
    ui::TrackBar& TAB_TPZ_TB_TL;
    ui::Button& TAB_TPZ_RESET;
    ui::CheckBox& GB_Start_Active;
};

// The transparency page: the master switch, the two levels the engine gives (previewed on the
// program's own window while a slider moves) and the taskbar's own level, which applies at once
// whatever the activation state.
class TransparencyPage {
public:
    // `ownWindow` is where the program's own window will be, read at each preview: the real window
    // exists only once it is bound. `texts` are the current language's; both must outlive the page.
    // `showState` shows the activation state again once the master switch has changed.
    TransparencyPage(TransparencyControls controls, WindowSystem& windows, const WindowHandle& ownWindow,
                     const i18n::Catalogue& texts, std::function<void()> showState)
        : c_(controls),
          windows_(windows),
          ownWindow_(ownWindow),
          texts_(texts),
          showState_(std::move(showState)) {}
    TransparencyPage(const TransparencyPage&) = delete;
    TransparencyPage& operator=(const TransparencyPage&) = delete;

    // The master switch, the taskbar's box and Reset run their handlers below. The sliders preview
    // only once start-up has put their stored positions in: loading them neither previews nor
    // touches the taskbar.
    void AttachHandlers();
    void AttachLevelPreviews();
    void AttachTaskbarPreview();

    // Between deactivated and inactive: what only the switch allows, and the state display.
    void TAB_TPZ_CBClick();
    void TAB_TPZ_TB_ActiveChange();
    void TAB_TPZ_TB_InActiveChange();
    void TAB_TPZ_TB_TLChange();
    void TAB_TPZ_TLCBClick();
    // The program's own window opaque again after a preview.
    void TAB_TPZ_RESETClick();

    // The three level groups' captions from the sliders' positions.
    void ShowLevelCaptions();
    // At quit: a taskbar the option made translucent is left opaque, still layered.
    void LeaveTaskbarOpaque();

private:
    WindowHandle Taskbar();

    TransparencyControls c_;
    WindowSystem& windows_;
    const WindowHandle& ownWindow_;
    const i18n::Catalogue& texts_;
    std::function<void()> showState_;
};

}  // namespace vitrex::views::levels
