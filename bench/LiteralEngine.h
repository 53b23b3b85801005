#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/platform/WindowSystem.h"
#include "core/sysinfo/SystemInspector.h"
#include "core/transparency/Eligibility.h"
#include "core/transparency/Engine.h"

namespace vitrex::bench {

// The tick written the plain way, as the yardstick the engine is measured against: the known
// windows as a list of decimal texts searched from the front, and a fresh process list and fresh
// shell-window lookups for every eligibility check.
class LiteralEngine {
public:
    LiteralEngine(WindowSystem& windows, sysinfo::SystemInspector& inspector,
                  const transparency::ExceptionsSource& exceptions)
        : windows_(windows), inspector_(inspector), exceptions_(exceptions) {}

    void Tick(const transparency::EngineSettings& settings);
    void SwitchOff();
    std::size_t KnownCount() const { return known_.size(); }

private:
    bool IsTransparencyAllowed(WindowHandle window);
    bool IsKnown(const std::string& text) const;
    void ApplyToWindowProc(WindowHandle window, const transparency::EngineSettings& settings);

    WindowSystem& windows_;
    sysinfo::SystemInspector& inspector_;
    const transparency::ExceptionsSource& exceptions_;
    std::vector<std::string> known_;
    sysinfo::ProcessList processCache_;
    WindowHandle lastForegroundWindow_ = 0;
    std::uint32_t activeThreadId_ = 0;
    std::uint32_t previousThreadId_ = 0;
};

}  // namespace vitrex::bench
