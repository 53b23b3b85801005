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
        entriesBegin_ = lines_.size();
        Changed();
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
        std::string text(message.substr(0, kMaxMessageLength));
        std::string senderLine = SenderLine(sender);
        if (entries_ > 0 && text == lastMessage_ && className == lastClass_ && senderLine == lastSender_) {
            CountRepeat(time);
            Changed();
            return;
        }
        if (entries_ == 0) entriesBegin_ = lines_.size();
        if (entries_ >= kKeptFirstEntries + kKeptLastEntries) DropOldestLaterEntry();
        std::string firstLine = time + " " + text;
        Append({firstLine, "Typ: " + std::string(className), senderLine, Rule()});
        ++entries_;
        lastLine_ = lines_.size() - kEntryLines;
        lastFirstLine_ = std::move(firstLine);
        lastMessage_ = std::move(text);
        lastClass_ = className;
        lastSender_ = std::move(senderLine);
        repeats_ = 1;
        Changed();
    } catch (...) {
        // Out of memory: nothing sensible is left to record it in.
    }
}

void CrashLog::CountRepeat(const std::string& time) {
    ++repeats_;
    lines_[lastLine_] = lastFirstLine_ + " (" + std::to_string(repeats_) + " times, last at " + time + ")";
}

void CrashLog::DropOldestLaterEntry() {
    const std::size_t marker = entriesBegin_ + kKeptFirstEntries * kEntryLines;
    if (dropped_ == 0) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(marker), std::string());
    }
    const auto oldest = lines_.begin() + static_cast<std::ptrdiff_t>(marker + 1);
    lines_.erase(oldest, oldest + kEntryLines);
    --entries_;
    ++dropped_;
    lines_[marker] = "(" + std::to_string(dropped_) + " later entries dropped; the log keeps the first " +
                     std::to_string(kKeptFirstEntries) + " and the last " + std::to_string(kKeptLastEntries) +
                     ")";
}

void CrashLog::Append(std::vector<std::string> lines) {
    // Reserved first, so an entry is added whole or not at all.
    lines_.reserve(lines_.size() + lines.size());
    for (std::string& line : lines)
        lines_.push_back(std::move(line));
}

void CrashLog::Changed() noexcept {
    if (!observer_) return;
    try {
        observer_();
    } catch (...) {
        // The mirror is a view of the log; the log itself keeps the lines.
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
