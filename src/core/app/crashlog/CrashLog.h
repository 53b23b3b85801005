#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/Clock.h"
#include "core/platform/Files.h"
#include "core/ui/Component.h"

namespace vitrex::crashlog {

inline constexpr std::string_view kLogTitle = "Vitrex v0.21 PreBuild Log";
inline constexpr std::size_t kRuleWidth = 88;
inline constexpr std::string_view kLogFileName = "exceptions.log";

// The record of failures that no handler dealt with, one line of text per item, for the whole
// run. Entries are four lines: time and message, "Typ: " and the failure's class, "Sender: "
// and the component it happened in, and a rule.
class CrashLog {
public:
    using LineObserver = std::function<void(const std::string& line)>;

    explicit CrashLog(Clock& clock) : clock_(clock) {}

    // Told of every line appended (the debug page's list box mirrors the log). What the observer
    // throws is dropped: a failing mirror must not cost the log its entry.
    void SetLineObserver(LineObserver observer) { observer_ = std::move(observer); }

    // The title line and the rule.
    void AddHeader() noexcept;
    // Appends the four lines of an entry; never throws, whatever the clock or memory does.
    void AddEntry(std::string_view message, std::string_view className, const ui::Component* sender) noexcept;

    const std::vector<std::string>& Lines() const { return lines_; }

private:
    void Append(std::vector<std::string> lines) noexcept;

    Clock& clock_;
    LineObserver observer_;
    std::vector<std::string> lines_;
};

std::string Rule();
// "Sender: " and the component's name and class in brackets; for an unnamed component its class
// and, when it has one, its named owner; "Sender: (none)" without a component.
std::string SenderLine(const ui::Component* sender);

// Writes the lines, each ended by CR LF, in the ANSI code page to "exceptions.log" beside the
// executable, replacing the file. Returns the file's full path. Throws FileError.
std::string SaveLog(const std::vector<std::string>& lines, Files& files);

}  // namespace vitrex::crashlog
