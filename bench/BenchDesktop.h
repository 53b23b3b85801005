#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/sysinfo/SystemInspector.h"
#include "core/views/exceptions/ExceptionsList.h"
#include "testing/FakeProcesses.h"
#include "testing/FakeRegistry.h"
#include "testing/FakeTextCollation.h"
#include "testing/FakeWindowSystem.h"

namespace vitrex::bench {

constexpr int kProcesses = 150;

// A desktop of `windows` top-level windows of 150 programs: shell windows, two creating threads
// per program, and `hiddenPercent` of the windows hidden (real desktops have many hidden top-level
// windows, and each must be asked at every tick whether it has been shown).
struct Desktop {
    Desktop(int windows, int hiddenPercent) {
        list.SetSorted(views::exceptions::LocaleCollation(collation));
        list.SetItems({"program007.exe", "Editor.exe", "mail.exe", "notes.exe", "player.exe"});
        classException.SetText("Palette");
        processes.AddProcess(0, "[System Process]");
        processes.AddProcess(4, "System");
        for (int p = 0; p < kProcesses; ++p) {
            char name[32];
            std::snprintf(name, sizeof name, "program%03d.exe", p);
            processes.AddProcess(ProcessId(p), name);
        }
        const auto shell = [&](const char* cls, const char* title) {
            fakes::FakeWindow w;
            w.className = cls;
            w.title = title;
            w.processId = ProcessId(0);
            w.threadId = ProcessId(0) + 1;
            desktop.AddWindow(w);
        };
        shell("WorkerW", "");
        shell("Progman", "Program Manager");
        shell("Shell_TrayWnd", "");
        shell("tooltips_class32", "");
        for (int i = 0; i < windows - 4; ++i) {
            fakes::FakeWindow w;
            const int p = i % kProcesses;
            w.className = "Window" + std::to_string(i % 20);
            w.title = "Document " + std::to_string(i);
            w.processId = ProcessId(p);
            w.threadId = ProcessId(p) + 1 + (i / kProcesses) % 2;
            w.visible = (i * hiddenPercent) % 100 >= hiddenPercent;
            const WindowHandle handle = desktop.AddWindow(w);
            if (w.visible) visible.push_back(handle);
        }
        desktop.SetForeground(visible[visible.size() / 2]);
    }
    static std::uint32_t ProcessId(int p) { return 1000 + 4 * static_cast<std::uint32_t>(p); }

    fakes::FakeWindowSystem desktop;
    fakes::FakeProcesses processes;
    fakes::FakeRegistry registry;
    sysinfo::SystemInspector inspector{processes, registry, desktop};
    // The exceptions page's list box and class-exception field, as the program hands them over.
    fakes::FakeTextCollation collation;
    ui::ListBox list{"TAB_Ausnahmen_List", nullptr, {}};
    ui::LabeledEdit classException{"DebugClassException", nullptr, {}};
    views::exceptions::ControlsExceptionsSource exceptions{list, classException, collation};
    std::vector<WindowHandle> visible;
};

}  // namespace vitrex::bench
