#pragma once

#include <cstdint>
#include <deque>
#include <map>

#include "core/app/Platform.h"
#include "host/OpenSslHashing.h"
#include "testing/ComposeRun.h"
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
// that gives every text its default. A form is composed on NewRun's ports.
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

    // The ports of one run of the program, its desktop wrapped with notes of its own of the alphas
    // it gives: a second form on the same fakes stands for the program started again, which knows
    // nothing of the alphas the first one gave.
    app::Platform NewRun() { return fakes::ComposeRun(*this, runs_); }

private:
    std::deque<transparency::OwnAlphas> runs_;
};

}  // namespace vitrex::fakes
