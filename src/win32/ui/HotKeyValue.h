#pragma once

#include <cstdint>

namespace vitrex::win32 {

// The hot-key control speaks HKM_GETHOTKEY / HKM_SETHOTKEY words (virtual key in the low byte,
// HOTKEYF_SHIFT 1, _CONTROL 2, _ALT 4, _EXT 8 in the high byte); the model keeps shortcuts as
// virtual key | Shift 0x2000 | Ctrl 0x4000 | Alt 0x8000.
std::uint16_t ShortcutFromHotKey(std::uint16_t hotKey);

// The extended-key flag is set for the keys that have a twin on the number pad, so that the
// control names the key the user pressed ("Home", not "Num 7").
std::uint16_t HotKeyFromShortcut(std::uint16_t shortcut);

}  // namespace vitrex::win32
