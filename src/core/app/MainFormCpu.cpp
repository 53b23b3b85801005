// The CPU read-out in the window title and the notification-area icon modes.

#include "core/app/MainForm.h"
#include "core/sysinfo/cpu/CpuLoad.h"

namespace vitrex::app {

void MainForm::GB_CPU_CBClick() {
    if (GB_CPU_CB.Checked()) {
        CPU_Timer.SetIntervalMs(GB_CPU_TB.Position() * 100);
        CPU_Timer.SetEnabled(true);
        GB_CPU_TB.SetEnabled(true);
        GB_STRAY_RB1.SetEnabled(true);
    } else {
        CPU_Timer.SetEnabled(false);
        SetCaption(kApplicationTitle);
        GB_CPU_TB.SetEnabled(false);
        // Without the read-out the gauge has nothing to show: fall back to the logo.
        if (GB_STRAY_RB1.Checked()) GB_STRAY_RB2Click();
        GB_STRAY_RB1.SetEnabled(false);
    }
}

void MainForm::GB_CPU_TBChange() {
    CPU_Timer.SetIntervalMs(GB_CPU_TB.Position() * 100);
}

void MainForm::CPU_TimerTimer() {
    const float load = platform_.cpu.GetCPUUsage();
    SetCaption(sysinfo::cpu::CpuTitle(Texts.cpuUsage, load));
    if (GB_STRAY_RB1.Checked()) {
        Tray.SetHint(Caption());
        Tray.SetIconIndex(sysinfo::cpu::GaugeIndex(load));
    }
}

// The icon that goes leaves before the other one comes. A shell that lays its icons out in a
// row otherwise moves the new icon into the place of the one that left, and Wine's tray shows
// such a moved icon blank until its picture changes (the gauge changes at every tick, the logo
// never does).
void MainForm::GB_STRAY_RB1Click() {
    GB_STRAY_RB1.SetChecked(true);
    Tray2.SetIconVisible(false);
    Tray.SetIconVisible(true);
}

void MainForm::GB_STRAY_RB2Click() {
    GB_STRAY_RB2.SetChecked(true);
    Tray.SetIconVisible(false);
    Tray2.SetHint(kApplicationTitle);
    Tray2.SetIconVisible(true);
}

void MainForm::GB_STRAY_RB3Click() {
    GB_STRAY_RB3.SetChecked(true);
    Tray.SetIconVisible(false);
    Tray2.SetIconVisible(false);
}

}  // namespace vitrex::app
