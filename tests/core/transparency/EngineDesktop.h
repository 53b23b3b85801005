#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/sysinfo/SystemInspector.h"
#include "core/transparency/Eligibility.h"
#include "core/transparency/Engine.h"
#include "testing/FakeDesktop.h"
#include "testing/FakeProcesses.h"
#include "testing/FakeRegistry.h"
#include "testing/FakeWindowSystem.h"

namespace vitrex::transparency::testing {

// The exceptions list and class exception as plain values.
class ListedExceptions : public ExceptionsSource {
public:
    std::vector<std::string> names;
    std::string classException;
    // Asking about this program fails, as a list that cannot be read would.
    std::string failing;

    bool Contains(std::string_view exeName) const override {
        if (!failing.empty() && exeName == failing) throw std::runtime_error("list unreadable");
        const auto lower = [](std::string_view s) {
            std::string out(s);
            std::transform(out.begin(), out.end(), out.begin(),
                           [](unsigned char c) { return std::tolower(c); });
            return out;
        };
        return std::any_of(names.begin(), names.end(),
                           [&](const std::string& n) { return lower(n) == lower(exeName); });
    }
    std::string ClassException() const override { return classException; }
};

// A fake desktop with processes, and the engine on it. Levels 10 % and 25 % are alphas 229 and
// 191.
struct EngineDesktop : ::testing::Test {
    static constexpr int kActive = 229;
    static constexpr int kInactive = 191;

    // Opens a window of the program (one process per exe name) created by `thread`.
    WindowHandle Open(const std::string& exe, std::uint32_t thread = 0, bool visible = true,
                      const std::string& className = "AppWindow", const std::string& title = "Window") {
        auto [it, added] =
            processIds.try_emplace(exe, static_cast<std::uint32_t>(1000 + 4 * processIds.size()));
        if (added) processes.AddProcess(it->second, exe);
        return fakes::Open(desktop, processes,
                           {.title = title,
                            .className = className,
                            .pid = it->second,
                            .tid = thread != 0 ? thread : it->second + 1,
                            .visible = visible});
    }

    // The window's alpha; -1 when it is not layered, -2 when layered without an alpha.
    int Alpha(WindowHandle window) const {
        const fakes::FakeWindow* w = desktop.Find(window);
        if ((w->exStyle & fakes::kWsExLayered) == 0) return -1;
        return w->alpha ? *w->alpha : -2;
    }

    void Tick() { engine.Tick(settings); }

    fakes::FakeWindowSystem desktop;
    fakes::FakeProcesses processes;
    fakes::FakeRegistry registry;
    sysinfo::SystemInspector inspector{processes, registry, desktop};
    ListedExceptions exceptions;
    Eligibility eligibility{desktop, inspector, exceptions};
    Engine engine{desktop, eligibility};
    EngineSettings settings{10, 25, false};
    std::map<std::string, std::uint32_t> processIds;
};

}  // namespace vitrex::transparency::testing
