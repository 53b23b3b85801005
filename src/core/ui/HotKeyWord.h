#pragma once

#include <cstdint>

#include "core/ui/ShortCut.h"

namespace vitrex::ui {

// The system's hot-key field takes and gives its value as one word: the virtual key in the low
// byte, these flags in the high byte.
inline constexpr std::uint8_t kHotKeyShift = 0x01;
inline constexpr std::uint8_t kHotKeyControl = 0x02;
inline constexpr std::uint8_t kHotKeyAlt = 0x04;
// The key is one of the extended keys (those with a twin on the number pad).
inline constexpr std::uint8_t kHotKeyExtended = 0x08;

// The field's Shift, Control and Alt flags for the modifiers of a shortcut (the key is ignored).
std::uint8_t HotKeyModifierFlags(ShortCut modifiers);

// The shortcut of the field's word; the extended flag means nothing to it, and no key is no
// shortcut, whatever the modifiers.
std::uint16_t ShortcutFromHotKey(std::uint16_t hotKey);

// The field's word for a shortcut. The extended flag is set for the keys that have a twin on the
// number pad, so that the field names the key the user pressed ("Home", not "Num 7").
std::uint16_t HotKeyFromShortcut(std::uint16_t shortcut);

}  // namespace vitrex::ui
