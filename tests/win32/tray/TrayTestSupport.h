#pragma once

#include <windows.h>

#include <string>

namespace vitrex::win32::testing {

// Whether the tests run under Wine, where the host's tools can be started like Windows programs.
bool UnderWine();
// Whether the host's xdotool can be started (it drives the X display the tests run on).
bool HostHasXdotool();

// Starts `/bin/sh -c command` on the host (under Wine only) and returns at once; the command
// must not hold double quotes. False when it could not be started.
bool StartHostCommand(const std::string& command);
// Runs it to the end, pumping this thread's messages meanwhile, and gives its exit status, or -1
// when it did not start or end in time. Wine hands out no usable process handle for a host
// program, so the status comes back through a file.
int RunHostCommand(const std::string& command, DWORD timeoutMs = 10000);

// Whether the shell holds the icon `id` of `window` (a modify that changes nothing succeeds).
bool ShellHasIcon(HWND window, UINT id = 1);

// Wine's notification area when no desktop taskbar hosts it: a window of its own, with a child
// window per icon.
HWND WineSystemTray();
int WineTrayIconCount();

}  // namespace vitrex::win32::testing
