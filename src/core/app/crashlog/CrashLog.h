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
//
// The log is bounded, so a failure that repeats every second cannot eat the machine's memory over
// a long run: a failure identical to the one before it (same message, class and sender) is counted
// on that entry's first line instead of adding four more; past kKeptFirstEntries +
// kKeptLastEntries entries the oldest of the later ones make room, and one line between the two
// groups says how many were dropped. Messages are cut at kMaxMessageLength characters.
class CrashLog {
public:
    static constexpr std::size_t kKeptFirstEntries = 100;
    static constexpr std::size_t kKeptLastEntries = 100;
    static constexpr std::size_t kMaxMessageLength = 1000;

    explicit CrashLog(Clock& clock) : clock_(clock) {}

    // Told after every change of the lines (the debug page's list box mirrors the log). What the
    // observer throws is dropped: a failing mirror must not cost the log its entry.
    void SetObserver(std::function<void()> observer) { observer_ = std::move(observer); }

    // The title line and the rule.
    void AddHeader() noexcept;
    // Appends the four lines of an entry, or counts a repeat of the last one; never throws,
    // whatever the clock or memory does.
    void AddEntry(std::string_view message, std::string_view className, const ui::Component* sender) noexcept;

    const std::vector<std::string>& Lines() const { return lines_; }

private:
    static constexpr std::size_t kEntryLines = 4;

    void Append(std::vector<std::string> lines);
    void CountRepeat(const std::string& time);
    void DropOldestLaterEntry();
    void Changed() noexcept;

    Clock& clock_;
    std::function<void()> observer_;
    std::vector<std::string> lines_;
    // Where the first entry begins (after the header, when there is one).
    std::size_t entriesBegin_ = 0;
    std::size_t entries_ = 0;
    std::size_t dropped_ = 0;
    // The last entry as it came, to recognise a repeat of it.
    std::string lastMessage_, lastClass_, lastSender_, lastFirstLine_;
    std::size_t lastLine_ = 0;
    std::size_t repeats_ = 0;
};

std::string Rule();
// "Sender: " and the component's name and class in brackets; for an unnamed component its class
// and, when it has one, its named owner; "Sender: (none)" without a component.
std::string SenderLine(const ui::Component* sender);

// Writes the lines, each ended by CR LF, in the ANSI code page to "exceptions.log" beside the
// executable, replacing the file. Returns the file's full path. Throws FileError.
std::string SaveLog(const std::vector<std::string>& lines, Files& files);

}  // namespace vitrex::crashlog
