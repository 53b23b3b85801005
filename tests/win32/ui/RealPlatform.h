#pragma once

#include <windows.h>

#include <deque>

#include "core/app/Platform.h"
#include "core/sysinfo/cpu/CpuSampler.h"
#include "testing/ComposeRun.h"
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
#include "win32/platform/Win32TextCollation.h"
#include "win32/platform/Win32WindowEvents.h"
#include "win32/platform/Win32WindowSystem.h"

namespace vitrex::win32::testing {

// The main window's ports on the real system, as the program makes them; a test may choose the
// files adapter (to read the shipped language files from the source tree, say).
template <typename FilesAdapter = Win32Files>
struct RealPlatform {
    Win32Registry registry;
    Win32WindowSystem windows;
    FilesAdapter files;
    Win32Clock clock;
    Win32Dialogs dialogs{::GetModuleHandleW(nullptr)};
    Win32OperatingSystem system;
    Win32HotKeys hotKeys;
    Win32Processes processes;
    Win32TextCollation collation;
    sysinfo::cpu::CpuMeter cpu;
    Win32Http http;
    Win32Shell shell;
    Win32WindowEvents windowEvents;
    // No key: these tests start no update.
    Win32ReleaseSignature releaseKey{{}};
    Win32Hashing hashing;

    // The ports of one run of the program, composed as the program composes them.
    app::Platform NewRun() { return fakes::ComposeRun(*this, runs_); }

private:
    std::deque<transparency::OwnAlphas> runs_;
};

}  // namespace vitrex::win32::testing
