#pragma once

#include <cstdint>
#include <map>

#include "core/app/Platform.h"
#include "host/OpenSslHashing.h"
#include "testing/FakeClock.h"
#include "testing/FakeDialogs.h"
#include "testing/FakeFiles.h"
#include "testing/FakeHotKeys.h"
#include "testing/FakeHttp.h"
#include "testing/FakeProcesses.h"
#include "testing/FakeRegistry.h"
#include "testing/FakeReleaseSignature.h"
#include "testing/FakeShell.h"
#include "testing/FakeTextCollation.h"
#include "testing/FakeWindowEvents.h"
#include "testing/FakeWindowSystem.h"

namespace vitrex::fakes {

class FakeOperatingSystem : public OperatingSystem {
public:
    std::uint32_t platformId = kPlatformWin32Nt;
    std::map<std::string, std::string> environment;
    std::uint32_t PlatformId() override { return platformId; }
    std::optional<std::string> EnvironmentVariable(const std::string& name) override {
        auto it = environment.find(name);
        if (it == environment.end()) return std::nullopt;
        return it->second;
    }
};

// Every port of the main window, in memory; the program's folder holds an English language file
// that gives every text its default.
struct FakePlatform {
    FakePlatform() {
        files.SeedFolder("C:\\Program Files\\Vitrex\\languages");
        files.Seed("C:\\Program Files\\Vitrex\\languages\\en.ini",
                   "[Compatible]\r\n0021=1\r\n[Info]\r\nlanguage=English\r\n");
    }

    FakeRegistry registry;
    FakeWindowSystem windows;
    FakeFiles files;
    FakeClock clock;
    FakeDialogs dialogs;
    FakeOperatingSystem system;
    FakeHotKeys hotKeys;
    FakeProcesses processes;
    FakeTextCollation collation;
    sysinfo::cpu::CpuMeter cpu;
    FakeHttp http;
    FakeShell shell;
    FakeWindowEvents windowEvents;
    FakeReleaseSignature releaseKey;
    host::OpenSslHashing hashing;
    app::Platform ports{registry,  windows, files, clock, dialogs,      system,     hotKeys, processes,
                        collation, cpu,     http,  shell, windowEvents, releaseKey, hashing};
};

}  // namespace vitrex::fakes
