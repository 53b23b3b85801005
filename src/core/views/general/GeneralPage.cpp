#include "core/views/general/GeneralPage.h"

#include "core/app/Version.h"
#include "core/sysinfo/cpu/CpuLoad.h"

namespace vitrex::views::general {

void GeneralPage::AttachHandlers() {
    c_.GB_CPU_CB.OnClick = [this] { GB_CPU_CBClick(); };
    c_.GB_CPU_TB.OnChange = [this] { GB_CPU_TBChange(); };
    cpuTimer_.OnTimer = [this] { CPU_TimerTimer(); };
    c_.GB_STRAY_RB1.OnClick = [this] { GB_STRAY_RB1Click(); };
    c_.GB_STRAY_RB2.OnClick = [this] { GB_STRAY_RB2Click(); };
    c_.GB_STRAY_RB3.OnClick = [this] { GB_STRAY_RB3Click(); };
}

void GeneralPage::GB_CPU_CBClick() {
    if (c_.GB_CPU_CB.Checked()) {
        cpuTimer_.SetIntervalMs(c_.GB_CPU_TB.Position() * 100);
        cpuTimer_.SetEnabled(true);
        c_.GB_CPU_TB.SetEnabled(true);
        c_.GB_STRAY_RB1.SetEnabled(true);
    } else {
        cpuTimer_.SetEnabled(false);
        window_.SetCaption(app::kApplicationTitle);
        c_.GB_CPU_TB.SetEnabled(false);
        // Without the read-out the gauge has nothing to show: fall back to the logo.
        if (c_.GB_STRAY_RB1.Checked()) GB_STRAY_RB2Click();
        c_.GB_STRAY_RB1.SetEnabled(false);
    }
}

void GeneralPage::GB_CPU_TBChange() {
    cpuTimer_.SetIntervalMs(c_.GB_CPU_TB.Position() * 100);
}

void GeneralPage::CPU_TimerTimer() {
    const float load = cpu_.GetCPUUsage();
    window_.SetCaption(sysinfo::cpu::CpuTitle(texts_.Text("TabGeneric", "CPUUsage"), load));
    if (c_.GB_STRAY_RB1.Checked()) {
        gauge_.SetHint(window_.Caption());
        gauge_.SetIconIndex(sysinfo::cpu::GaugeIndex(load));
    }
}

// The icon that goes leaves before the other one comes. A shell that lays its icons out in a
// row otherwise moves the new icon into the place of the one that left, and Wine's tray shows
// such a moved icon blank until its picture changes (the gauge changes at every tick, the logo
// never does).
void GeneralPage::GB_STRAY_RB1Click() {
    c_.GB_STRAY_RB1.SetChecked(true);
    logo_.SetIconVisible(false);
    gauge_.SetIconVisible(true);
}

void GeneralPage::GB_STRAY_RB2Click() {
    c_.GB_STRAY_RB2.SetChecked(true);
    gauge_.SetIconVisible(false);
    logo_.SetHint(app::kApplicationTitle);
    logo_.SetIconVisible(true);
}

void GeneralPage::GB_STRAY_RB3Click() {
    c_.GB_STRAY_RB3.SetChecked(true);
    gauge_.SetIconVisible(false);
    logo_.SetIconVisible(false);
}

void GeneralPage::SelectTrayMode(int mode) {
    if (mode == 0) {
        GB_STRAY_RB1Click();
    } else if (mode == 1) {
        GB_STRAY_RB2Click();
    } else {
        GB_STRAY_RB3Click();
    }
}

int GeneralPage::TrayMode() const {
    return c_.GB_STRAY_RB1.Checked() ? 0 : (c_.GB_STRAY_RB2.Checked() ? 1 : 2);
}

}  // namespace vitrex::views::general
