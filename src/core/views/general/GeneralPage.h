#pragma once

#include <string>

#include "core/i18n/Catalogue.h"
#include "core/sysinfo/cpu/CpuSampler.h"
#include "core/ui/Controls.h"
#include "core/ui/Form.h"
#include "core/ui/Timer.h"
#include "core/ui/TrayIcon.h"

namespace vitrex::views::general {

// The controls of the general page the presenter works on.
struct GeneralControls {
    ui::CheckBox& GB_CPU_CB;
    ui::TrackBar& GB_CPU_TB;
    ui::RadioButton& GB_STRAY_RB1;
    ui::RadioButton& GB_STRAY_RB2;
    ui::RadioButton& GB_STRAY_RB3;
};

// The general page's CPU read-out (the load in the window title and in the gauge icon) and the
// notification-area icon mode: the gauge, the logo, or no icon.
class GeneralPage {
public:
    // `window` carries the read-out in its title; `gauge` and `logo` are the two tray icons.
    // `texts` are the current language's, which must outlive the page.
    GeneralPage(GeneralControls controls, ui::Form& window, ui::Timer& cpuTimer, ui::TrayIcon& gauge,
                ui::TrayIcon& logo, const sysinfo::cpu::CpuMeter& cpu, const i18n::Catalogue& texts)
        : c_(controls),
          window_(window),
          cpuTimer_(cpuTimer),
          gauge_(gauge),
          logo_(logo),
          cpu_(cpu),
          texts_(texts) {}
    GeneralPage(const GeneralPage&) = delete;
    GeneralPage& operator=(const GeneralPage&) = delete;

    // Runs the handlers below on its controls' events.
    void AttachHandlers();
    void GB_CPU_CBClick();
    void GB_CPU_TBChange();
    void CPU_TimerTimer();
    void GB_STRAY_RB1Click();
    void GB_STRAY_RB2Click();
    void GB_STRAY_RB3Click();
    // The stored mode: 0 the gauge, 1 the logo, anything else no icon; applied as its click is.
    void SelectTrayMode(int mode);
    // The stored mode of the selection.
    int TrayMode() const;

private:
    GeneralControls c_;
    ui::Form& window_;
    ui::Timer& cpuTimer_;
    ui::TrayIcon& gauge_;
    ui::TrayIcon& logo_;
    const sysinfo::cpu::CpuMeter& cpu_;
    const i18n::Catalogue& texts_;
};

}  // namespace vitrex::views::general
