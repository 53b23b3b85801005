#pragma once

#include <exception>
#include <functional>
#include <string>

#include "core/app/crashlog/CrashLog.h"
#include "core/ui/Component.h"

namespace vitrex::crashlog {

// The program's one dispatch boundary: every event, timer tick, hot key and the start-up run
// through it. A failure ends the action and becomes an entry of the crash log; nothing is shown
// to the user and the program carries on. A SilentAbort ends the action without an entry.
class CrashDispatcher : public ui::EventDispatcher {
public:
    explicit CrashDispatcher(CrashLog& log) : log_(log) {}

    void Dispatch(const ui::Component* sender, const std::function<void()>& action) override {
        Run(sender, action);
    }
    // As Dispatch; true when the action ran to its end.
    bool Run(const ui::Component* sender, const std::function<void()>& action) noexcept;

private:
    CrashLog& log_;
};

// The class name the log prints for a failure: the program's errors carry their own, others get
// their demangled type name ("std::out_of_range").
std::string ErrorClassName(const std::exception& error) noexcept;

}  // namespace vitrex::crashlog
