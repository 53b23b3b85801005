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
    GeneralPage(GeneralControls controls, ui::Form& window, ui::Timer& cpuTimer, ui::TrayIcon& gauge,
                ui::TrayIcon& logo, const sysinfo::cpu::CpuMeter& cpu)
        : c_(controls), window_(window), cpuTimer_(cpuTimer), gauge_(gauge), logo_(logo), cpu_(cpu) {}
    GeneralPage(const GeneralPage&) = delete;
    GeneralPage& operator=(const GeneralPage&) = delete;

    // The texts of the current language; the English ones until a language is set. The catalogue
    // must outlive the page.
    void SetTexts(const i18n::Catalogue& texts) { texts_ = &texts; }

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
    const i18n::Catalogue* texts_ = &i18n::Catalogue::English();
};

}  // namespace vitrex::views::general
