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
// program had made layered, the attributes that program had given it. Or one overlay: the alpha
// it carries as one (255 when it was given none: its program draws it with per-pixel alpha), the
// attributes it had before, when it was layered, and its whole extended style from before.
struct JournalEntry {
    WindowHandle window = 0;
    std::uint8_t alpha = 255;
    std::optional<LayeredAttributes> programAttributes;
    // Set for an overlay only.
    std::optional<std::uint32_t> overlayStyleWord;
    bool operator==(const JournalEntry&) const = default;
};

// The stored form: entries separated by ';', each "handle:alpha" or, with the program's own
// attributes, "handle:alpha:colorKey:programAlpha:held", all numbers in decimal; `held` says which
// of the two the program gave (1 the colour key, 2 the alpha, 3 both). An overlay is
// "handle:alpha:colorKey:programAlpha:held:styleWord" with `held` 0 when it had no attributes;
// a parser that knows only the first two forms leaves it out.
std::string FormatJournal(const std::vector<JournalEntry>& entries);
// Entries that are not in that form are left out: a damaged journal costs only its damaged part.
std::vector<JournalEntry> ParseJournal(std::string_view text);

// The windows the running engine changed and the overlays, kept in the registry so that a later
// start can give them back when this process ends without switching the engine off or releasing
// the overlays (killed, crashed). Both sets are one value, the overlays first; it is written only
// when a set changes, and the engine's set is emptied when the engine is switched off.
class WindowJournal {
public:
    // The journal is one text value, "Windows", of `keyPath`.
    WindowJournal(Registry& registry, std::string keyPath)
        : registry_(registry), keyPath_(std::move(keyPath)) {}

    // Stores the engine's windows, unless they are what was stored last. The observer hears of
    // the whole new content first, so that a registry that refuses the write does not keep it
    // from it.
    void Write(const std::vector<JournalEntry>& entries);
    // Stores the overlays (entries with an earlier style word) in the same way.
    void WriteOverlays(const std::vector<JournalEntry>& overlays);
    // Empties the engine's part of the journal, if this run wrote to it.
    void Clear();
    // Told of every new content of the journal, the overlays first (empty when it is emptied).
    void SetObserver(std::function<void(const std::vector<JournalEntry>&)> observer) {
        observer_ = std::move(observer);
    }

    // What an earlier run left in the journal. First each overlay that still exists, is still
    // transparent to the mouse and carries the alpha it had as an overlay gets its earlier style
    // (topmost included) and attributes back. Then every window that still exists and still
    // carries the alpha the engine gave it is given back its own program's attributes, or loses
    // the layered style. Windows changed since by someone else, and handles of closed windows,
    // are left alone. Then the journal is emptied. Returns how many windows were given back.
    int RestoreLeftBehind(WindowSystem& windows);

    static constexpr std::string_view kValueName = "Windows";

private:
    // Stores both parts as one value and tells the observer.
    void Store();

    Registry& registry_;
    std::string keyPath_;
    std::vector<JournalEntry> engine_;
    std::vector<JournalEntry> overlays_;
    // Whether this run wrote each part since it was last emptied.
    bool engineWritten_ = false;
    bool overlaysWritten_ = false;
    std::function<void(const std::vector<JournalEntry>&)> observer_;
};

}  // namespace vitrex::transparency
