#include "core/transparency/WindowJournal.h"

#include <charconv>

#include "core/transparency/Alpha.h"

namespace vitrex::transparency {

namespace {

constexpr char kEntrySeparator = ';';
constexpr char kFieldSeparator = ':';
// Which of a program's own attributes an entry holds, in its last field: the numbers the system
// gives the two kinds of attributes, as journals have always been written.
constexpr unsigned kStoredColorKey = 1;
constexpr unsigned kStoredAlpha = 2;

template <typename Number>
bool ParseNumber(std::string_view text, Number& out) {
    if (text.empty()) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc{} && end == text.data() + text.size();
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return parts;
        text.remove_prefix(at + 1);
    }
}

std::optional<JournalEntry> ParseEntry(std::string_view text) {
    const std::vector<std::string_view> fields = Split(text, kFieldSeparator);
    if (fields.size() != 2 && fields.size() != 5) return std::nullopt;
    JournalEntry entry;
    unsigned alpha = 0;
    if (!ParseNumber(fields[0], entry.window) || entry.window == 0) return std::nullopt;
    if (!ParseNumber(fields[1], alpha) || alpha > 255) return std::nullopt;
    entry.alpha = static_cast<std::uint8_t>(alpha);
    if (fields.size() == 5) {
        std::uint32_t colorKey = 0;
        unsigned programAlpha = 0;
        std::uint32_t held = 0;
        if (!ParseNumber(fields[2], colorKey) || !ParseNumber(fields[3], programAlpha) ||
            programAlpha > 255 || !ParseNumber(fields[4], held)) {
            return std::nullopt;
        }
        LayeredAttributes attributes;
        if ((held & kStoredColorKey) != 0) attributes.colorKey = colorKey;
        if ((held & kStoredAlpha) != 0) attributes.alpha = static_cast<std::uint8_t>(programAlpha);
        entry.programAttributes = attributes;
    }
    return entry;
}

}  // namespace

std::string FormatJournal(const std::vector<JournalEntry>& entries) {
    std::string text;
    for (const JournalEntry& entry : entries) {
        if (!text.empty()) text += kEntrySeparator;
        text += std::to_string(entry.window);
        text += kFieldSeparator;
        text += std::to_string(entry.alpha);
        if (const std::optional<LayeredAttributes>& own = entry.programAttributes) {
            const std::uint32_t held =
                (own->colorKey ? kStoredColorKey : 0) | (own->alpha ? kStoredAlpha : 0);
            for (std::uint32_t number :
                 {own->colorKey.value_or(0), std::uint32_t{own->alpha.value_or(255)}, held}) {
                text += kFieldSeparator;
                text += std::to_string(number);
            }
        }
    }
    return text;
}

std::vector<JournalEntry> ParseJournal(std::string_view text) {
    std::vector<JournalEntry> entries;
    if (text.empty()) return entries;
    for (std::string_view part : Split(text, kEntrySeparator)) {
        if (std::optional<JournalEntry> entry = ParseEntry(part)) entries.push_back(*entry);
    }
    return entries;
}

void WindowJournal::Write(const std::vector<JournalEntry>& entries) {
    if (entries == stored_ && (written_ || entries.empty())) return;
    if (observer_) observer_(entries);
    stored_ = entries;
    written_ = true;
    std::unique_ptr<RegistryKey> key = registry_.OpenOrCreateKey(keyPath_);
    if (entries.empty()) {
        key->DeleteValue(kValueName);
    } else {
        key->WriteText(kValueName, FormatJournal(entries));
    }
}

void WindowJournal::Clear() {
    if (!written_) return;
    if (observer_) observer_({});
    stored_.clear();
    written_ = false;
    if (registry_.KeyExists(keyPath_)) registry_.OpenOrCreateKey(keyPath_)->DeleteValue(kValueName);
}

int WindowJournal::RestoreLeftBehind(WindowSystem& windows) {
    // Opened only when it exists: a first start must find no settings key made by this.
    if (!registry_.KeyExists(keyPath_)) return 0;
    std::unique_ptr<RegistryKey> key = registry_.OpenOrCreateKey(keyPath_);
    const std::string text = key->ReadText(kValueName);
    int restored = 0;
    for (const JournalEntry& entry : ParseJournal(text)) {
        // A closed window's handle reads as no thread at all.
        if (windows.ThreadProcessOf(entry.window).threadId == 0) continue;
        if (!windows.StyleOf(entry.window).layered) continue;
        // Another alpha means someone else changed the window since: it is theirs now.
        if (windows.GetLayeredAlpha(entry.window) != entry.alpha) continue;
        if (entry.programAttributes) {
            windows.SetLayeredAttributes(entry.window, *entry.programAttributes);
        } else {
            ClearWindowTransparency(windows, entry.window);
        }
        ++restored;
    }
    key->DeleteValue(kValueName);
    return restored;
}

}  // namespace vitrex::transparency
