#pragma once

#include "core/platform/Clock.h"
#include "core/platform/Dialogs.h"
#include "core/platform/Files.h"
#include "core/platform/Hashing.h"
#include "core/platform/HotKeys.h"
#include "core/platform/Http.h"
#include "core/platform/OperatingSystem.h"
#include "core/platform/Processes.h"
#include "core/platform/Registry.h"
#include "core/platform/ReleaseSignature.h"
#include "core/platform/Shell.h"
#include "core/platform/TextCollation.h"
#include "core/platform/WindowEvents.h"
#include "core/platform/WindowSystem.h"
#include "core/sysinfo/cpu/CpuSampler.h"
#include "core/transparency/OwnAlphas.h"

namespace vitrex::app {

// The ports the main window reaches the system through; the Windows adapters in the program,
// the in-memory fakes in the tests. They are put together where the form is composed.
struct Platform {
    Registry& registry;
    // The desktop with a note of every alpha this run gives: one per run of the program, wrapped
    // around the system's desktop where the form is composed.
    transparency::OwnAlphas& windows;
    Files& files;
    Clock& clock;
    Dialogs& dialogs;
    OperatingSystem& system;
    HotKeys& hotKeys;
    Processes& processes;
    TextCollation& collation;
    // The load the sampling worker publishes.
    const sysinfo::cpu::CpuMeter& cpu;
    // The project's web server, and the user's browser and programs.
    Http& http;
    Shell& shell;
    // What the system reports about other programs' windows.
    WindowEvents& windowEvents;
    // The project's release key, which an update must be signed with.
    ReleaseSignature& releaseKey;
    // The system's SHA-256, which the downloaded update is hashed with.
    Hashing& hashing;
};

}  // namespace vitrex::app
