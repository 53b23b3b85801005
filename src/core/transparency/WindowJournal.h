#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/Registry.h"
#include "core/platform/WindowSystem.h"

namespace vitrex::transparency {

// One window the running engine changed: the alpha it gave the window and, for a window its own
// program had made layered, the attributes that program had given it.
struct JournalEntry {
    WindowHandle window = 0;
    std::uint8_t alpha = 255;
    std::optional<LayeredAttributes> programAttributes;
    bool operator==(const JournalEntry&) const = default;
};

// The stored form: entries separated by ';', each "handle:alpha" or, with the program's own
// attributes, "handle:alpha:colorKey:programAlpha:held", all numbers in decimal; `held` says which
// of the two the program gave (1 the colour key, 2 the alpha, 3 both).
std::string FormatJournal(const std::vector<JournalEntry>& entries);
// Entries that are not in that form are left out: a damaged journal costs only its damaged part.
std::vector<JournalEntry> ParseJournal(std::string_view text);

// The windows the running engine changed, kept in the registry so that a later start can give
// them back when this process ends without switching the engine off (killed, crashed). It is
// written only when the set changes, and emptied when the engine is switched off.
class WindowJournal {
public:
    // The journal is one text value, "Windows", of `keyPath`.
    WindowJournal(Registry& registry, std::string keyPath)
        : registry_(registry), keyPath_(std::move(keyPath)) {}

    // Stores the engine's windows, unless they are what was stored last. The observer hears of
    // them first, so that a registry that refuses the write does not keep them from it.
    void Write(const std::vector<JournalEntry>& entries);
    // Empties the journal, if this run wrote to it.
    void Clear();
    // Told of every new content of the journal (empty when it is emptied).
    void SetObserver(std::function<void(const std::vector<JournalEntry>&)> observer) {
        observer_ = std::move(observer);
    }

    // What an earlier run left in the journal: every window that still exists and still carries
    // the alpha the journal gave it is given back its own program's attributes, or loses the
    // layered style; windows changed since by someone else, and handles of closed windows, are
    // left alone. Then the journal is emptied. Returns how many windows were given back.
    int RestoreLeftBehind(WindowSystem& windows);

    static constexpr std::string_view kValueName = "Windows";

private:
    Registry& registry_;
    std::string keyPath_;
    std::vector<JournalEntry> stored_;
    bool written_ = false;
    std::function<void(const std::vector<JournalEntry>&)> observer_;
};

}  // namespace vitrex::transparency
