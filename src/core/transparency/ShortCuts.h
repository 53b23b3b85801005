#pragma once

#include <cstdint>
#include <string>

#include "core/platform/HotKeys.h"

namespace vitrex::transparency {

// Hot-key identifiers of the main window.
inline constexpr int kHotKeyDigit0 = 255;  // digits 0..9: 255..264
inline constexpr int kHotKeyOnTop = 265;
inline constexpr int kHotKeyNotOnTop = 266;
inline constexpr int kHotKeyDebug = 267;
// Makes the foreground window click-through, or releases one that is.
inline constexpr int kHotKeyClickThrough = 268;

// The modifiers a shortcut registers with, compared as a whole set: Ctrl, Alt+Ctrl, Shift,
// Shift+Ctrl and Shift+Alt map to themselves; any other set (none, Alt alone, all three) becomes
// the Windows key.
std::uint32_t ShortCutToModifiers(std::uint16_t shortcut);

// Replaces whatever was registered under the identifier; with enable false it only unregisters.
// False when the system refuses the combination.
bool RegisterShortCut(HotKeys& hotKeys, std::uint16_t shortcut, int id, bool enable);

// The combination as registered, for messages: "Ctrl+Alt+F1", "Win+5".
std::string HotKeyText(std::uint32_t modifiers, std::uint32_t virtualKey);

}  // namespace vitrex::transparency
