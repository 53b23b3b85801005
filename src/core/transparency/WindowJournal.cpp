#include "core/transparency/WindowJournal.h"

#include <algorithm>
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
    if (fields.size() != 2 && fields.size() != 5 && fields.size() != 6) return std::nullopt;
    JournalEntry entry;
    unsigned alpha = 0;
    if (!ParseNumber(fields[0], entry.window) || entry.window == 0) return std::nullopt;
    if (!ParseNumber(fields[1], alpha) || alpha > 255) return std::nullopt;
    entry.alpha = static_cast<std::uint8_t>(alpha);
    if (fields.size() >= 5) {
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
        // An overlay that was not layered before holds none.
        if (fields.size() == 6 && held > (kStoredColorKey | kStoredAlpha)) return std::nullopt;
        if (fields.size() == 5 || held != 0) entry.programAttributes = attributes;
    }
    if (fields.size() == 6) {
        std::uint32_t word = 0;
        if (!ParseNumber(fields[5], word)) return std::nullopt;
        entry.overlayStyleWord = word;
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
        const std::optional<LayeredAttributes>& own = entry.programAttributes;
        if (own || entry.overlayStyleWord) {
            const LayeredAttributes attributes = own.value_or(LayeredAttributes{});
            const std::uint32_t held =
                (attributes.colorKey ? kStoredColorKey : 0) | (attributes.alpha ? kStoredAlpha : 0);
            for (std::uint32_t number :
                 {attributes.colorKey.value_or(0), std::uint32_t{attributes.alpha.value_or(255)}, held}) {
                text += kFieldSeparator;
                text += std::to_string(number);
            }
        }
        if (entry.overlayStyleWord) {
            text += kFieldSeparator;
            text += std::to_string(*entry.overlayStyleWord);
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
    if (entries == engine_ && (engineWritten_ || entries.empty())) return;
    engine_ = entries;
    engineWritten_ = true;
    Store();
}

void WindowJournal::WriteOverlays(const std::vector<JournalEntry>& overlays) {
    if (overlays == overlays_ && (overlaysWritten_ || overlays.empty())) return;
    overlays_ = overlays;
    overlaysWritten_ = true;
    Store();
}

void WindowJournal::Store() {
    std::vector<JournalEntry> entries = overlays_;
    entries.insert(entries.end(), engine_.begin(), engine_.end());
    if (observer_) observer_(entries);
    std::unique_ptr<RegistryKey> key = registry_.OpenOrCreateKey(keyPath_);
    if (entries.empty()) {
        key->DeleteValue(kValueName);
    } else {
        key->WriteText(kValueName, FormatJournal(entries));
    }
}

void WindowJournal::Clear() {
    if (!engineWritten_) return;
    engine_.clear();
    engineWritten_ = false;
    if (!overlays_.empty()) {
        Store();
        return;
    }
    if (observer_) observer_({});
    if (registry_.KeyExists(keyPath_)) registry_.OpenOrCreateKey(keyPath_)->DeleteValue(kValueName);
}

int WindowJournal::RestoreLeftBehind(WindowSystem& windows) {
    // Opened only when it exists: a first start must find no settings key made by this.
    if (!registry_.KeyExists(keyPath_)) return 0;
    std::unique_ptr<RegistryKey> key = registry_.OpenOrCreateKey(keyPath_);
    const std::string text = key->ReadText(kValueName);
    const std::vector<JournalEntry> entries = ParseJournal(text);
    std::vector<WindowHandle> restored;
    const auto count = [&restored](WindowHandle window) {
        if (std::find(restored.begin(), restored.end(), window) == restored.end()) restored.push_back(window);
    };
    // The overlays first: one may carry an alpha the engine gave it before, which the engine's
    // entry then takes away.
    for (const JournalEntry& entry : entries) {
        if (!entry.overlayStyleWord) continue;
        if (windows.ThreadProcessOf(entry.window).threadId == 0) continue;
        const WindowStyle style = windows.StyleOf(entry.window);
        // Still the overlay this journal holds: transparent to the mouse with its alpha (none is
        // read from a window drawn with per-pixel alpha).
        if (!style.clickThrough || !style.layered) continue;
        if (windows.GetLayeredAlpha(entry.window).value_or(255) != entry.alpha) continue;
        windows.RestoreStyle(entry.window, *entry.overlayStyleWord);
        if (entry.programAttributes && windows.StyleOf(entry.window).layered)
            windows.SetLayeredAttributes(entry.window, *entry.programAttributes);
        count(entry.window);
    }
    for (const JournalEntry& entry : entries) {
        if (entry.overlayStyleWord) continue;
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
        count(entry.window);
    }
    key->DeleteValue(kValueName);
    return static_cast<int>(restored.size());
}

}  // namespace vitrex::transparency
