// Program entry: the ports, the main window model and its real window (with its timers, tray
// icons and menus), the message loop.

#include <windows.h>

#include <shellapi.h>

#include <memory>
#include <string>

#include "core/app/MadeFiles.h"
#include "core/app/MainForm.h"
#include "core/app/SingleInstance.h"
#include "core/sysinfo/cpu/CpuSamplerThread.h"
#include "win32/app/ConsoleOutput.h"
#include "win32/app/CrashRestore.h"
#include "win32/app/ReleaseKey.h"
#include "win32/platform/TextConvert.h"
#include "win32/platform/Win32Clock.h"
#include "win32/platform/Win32Dialogs.h"
#include "win32/platform/Win32Files.h"
#include "win32/platform/Win32Hashing.h"
#include "win32/platform/Win32HotKeys.h"
#include "win32/platform/Win32Http.h"
#include "win32/platform/Win32OperatingSystem.h"
#include "win32/platform/Win32Processes.h"
#include "win32/platform/Win32Registry.h"
#include "win32/platform/Win32ReleaseSignature.h"
#include "win32/platform/Win32Shell.h"
#include "win32/platform/Win32SystemCounters.h"
#include "win32/platform/Win32TextCollation.h"
#include "win32/platform/Win32WindowEvents.h"
#include "win32/platform/Win32WindowSystem.h"
#include "win32/platform/WindowHandle.h"
#include "win32/ui/FormWindow.h"
#include "win32/ui/MessageLoop.h"

namespace {

constexpr int kAppIconId = 1;

// The program's icon on the title bar, in the task switcher and on the taskbar button.
void SetWindowIcons(HINSTANCE instance, HWND window) {
    const auto load = [&](int widthMetric, int heightMetric) {
        return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kAppIconId), IMAGE_ICON,
                                             GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric),
                                             LR_SHARED));
    };
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(load(SM_CXICON, SM_CYICON)));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(load(SM_CXSMICON, SM_CYSMICON)));
}

// The first command-line argument, or empty text.
std::string FirstArgument() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::string first;
    if (arguments != nullptr && count > 1) first = vitrex::win32::Narrow(arguments[1]);
    LocalFree(arguments);
    return first;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace vitrex;
    // First of all: a DLL loaded by name from now on comes from System32 only, never from the
    // program's folder, where a portable copy may share a folder with anything.
    ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);

    win32::Win32Registry registry;
    const std::string argument = FirstArgument();
    // The package's removal: nothing of the program starts and no instance is looked at.
    if (app::UpperCaseAscii(argument) == app::kCommandCleanUp) {
        win32::Win32Files files;
        return app::RemoveMadeFiles(registry, files) ? 0 : app::kExitCleanUpIncomplete;
    }
    // Held for the whole process: while it is held, a second start hands over its command.
    win32::Win32InstanceLock instanceLock;
    const app::InstanceCheck check = app::CheckSingleInstance(instanceLock, registry, argument);
    if (!check.startProgram) {
        // A wrong word is an error; the usage asked for with --help is the output.
        if (!check.error.empty()) win32::WriteToStarter(win32::StarterStream::Error, check.error + "\r\n");
        if (!check.usage.empty()) {
            win32::WriteToStarter(
                check.error.empty() ? win32::StarterStream::Output : win32::StarterStream::Error,
                check.usage);
        }
        return check.exitCode;
    }
    // A crash must not leave other programs' windows translucent: the engine's windows are given
    // back before the process ends.
    win32::InstallCrashRestore();

    // The load is measured from the start, whatever the settings say; the worker is stopped and
    // joined when this scope ends, after the window is gone.
    win32::Win32SystemCounters counters;
    sysinfo::cpu::CpuMeter cpuMeter;
    sysinfo::cpu::CpuSamplerThread cpuSampler(counters, cpuMeter);

    win32::Win32WindowSystem desktop;
    // Every alpha this run gives is noted, so that a window found layered later is told apart
    // from one its own program made layered.
    transparency::OwnAlphas windows(desktop);
    win32::Win32Files files;
    win32::Win32Clock clock;
    win32::Win32Dialogs dialogs(instance);
    win32::Win32OperatingSystem system;
    win32::Win32HotKeys hotKeys;
    win32::Win32Processes processes;
    win32::Win32TextCollation collation;
    // The transfers wait with the window's messages flowing; the pump learns the window once bound.
    win32::Win32Http http;
    win32::Win32Shell shell;
    // Reports other programs' windows until the form switches the engine off.
    win32::Win32WindowEvents windowEvents;
    win32::Win32ReleaseSignature releaseKey(win32::kReleasePublicKey);
    win32::Win32Hashing hashing;
    app::Platform platform{registry,  windows,  files, clock, dialogs,      system,     hotKeys, processes,
                           collation, cpuMeter, http,  shell, windowEvents, releaseKey, hashing};

    app::MainForm form(platform);
    form.Journal().SetObserver(&win32::KeepForCrashRestore);
    std::unique_ptr<win32::FormWindow> window = win32::Bind(form, instance);
    const HWND handle = window->HandleOf(form);
    SetWindowIcons(instance, handle);
    dialogs.SetOwner(handle);
    http.SetWindow(window.get());
    shell.SetOwner(handle);
    hotKeys.SetWindow(handle);
    form.SetOwnWindow(win32::FromHwnd(handle));
    form.FormCreate();
    form.RunStartCommand(check.startCommand);
    if (form.Terminated()) return 0;

    return win32::RunMessageLoop(*window);
}
