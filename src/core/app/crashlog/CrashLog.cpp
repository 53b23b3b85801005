#include "core/app/crashlog/CrashLog.h"

namespace vitrex::crashlog {
namespace {

// Shown instead of the time when the clock fails, so the entry still gets written.
constexpr std::string_view kUnknownTime = "--:--:--";

}  // namespace

std::string Rule() {
    return std::string(kRuleWidth, '-');
}

std::string SenderLine(const ui::Component* sender) {
    if (sender == nullptr) return "Sender: (none)";
    if (!sender->Name().empty()) return "Sender: " + sender->Name() + " [" + sender->ClassName() + "]";
    std::string line = "Sender: [" + sender->ClassName() + "]";
    for (const ui::Component* owner = sender->Owner(); owner != nullptr; owner = owner->Owner()) {
        if (!owner->Name().empty()) {
            line += " in " + owner->Name() + " [" + owner->ClassName() + "]";
            break;
        }
    }
    return line;
}

void CrashLog::AddHeader() noexcept {
    try {
        Append({std::string(kLogTitle), Rule()});
    } catch (...) {
        // Out of memory: nothing sensible is left to record it in.
    }
}

void CrashLog::AddEntry(std::string_view message, std::string_view className,
                        const ui::Component* sender) noexcept {
    try {
        std::string time;
        try {
            time = clock_.LocalLongTime();
        } catch (...) {
            time = kUnknownTime;
        }
        Append({time + " " + std::string(message), "Typ: " + std::string(className), SenderLine(sender),
                Rule()});
    } catch (...) {
        // Out of memory: nothing sensible is left to record it in.
    }
}

void CrashLog::Append(std::vector<std::string> lines) noexcept {
    try {
        // Reserved first, so an entry is added whole or not at all.
        lines_.reserve(lines_.size() + lines.size());
    } catch (...) {
        return;
    }
    for (std::string& line : lines) {
        lines_.push_back(std::move(line));
        if (!observer_) continue;
        try {
            observer_(lines_.back());
        } catch (...) {
            // The mirror is a view of the log; the log itself keeps the line.
        }
    }
}

std::string SaveLog(const std::vector<std::string>& lines, Files& files) {
    const std::string path = files.ExecutableDirectory() + std::string(kLogFileName);
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    files.WriteAnsiText(path, text);
    return path;
}

}  // namespace vitrex::crashlog
