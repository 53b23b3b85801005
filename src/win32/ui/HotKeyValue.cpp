#include "win32/ui/HotKeyValue.h"

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

namespace vitrex::win32 {

namespace {

constexpr std::uint16_t kShortcutShift = 0x2000;
constexpr std::uint16_t kShortcutCtrl = 0x4000;
constexpr std::uint16_t kShortcutAlt = 0x8000;

bool IsExtendedKey(std::uint8_t vk) {
    switch (vk) {
        case VK_PRIOR:
        case VK_NEXT:
        case VK_END:
        case VK_HOME:
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
        case VK_INSERT:
        case VK_DELETE:
        case VK_DIVIDE:
        case VK_NUMLOCK:
            return true;
        default:
            return false;
    }
}

}  // namespace

std::uint16_t ShortcutFromHotKey(std::uint16_t hotKey) {
    const std::uint8_t vk = hotKey & 0xFF;
    if (vk == 0) return 0;
    const std::uint8_t flags = hotKey >> 8;
    std::uint16_t shortcut = vk;
    if (flags & HOTKEYF_SHIFT) shortcut |= kShortcutShift;
    if (flags & HOTKEYF_CONTROL) shortcut |= kShortcutCtrl;
    if (flags & HOTKEYF_ALT) shortcut |= kShortcutAlt;
    return shortcut;
}

std::uint16_t HotKeyFromShortcut(std::uint16_t shortcut) {
    const std::uint8_t vk = shortcut & 0xFF;
    if (vk == 0) return 0;
    std::uint8_t flags = 0;
    if (shortcut & kShortcutShift) flags |= HOTKEYF_SHIFT;
    if (shortcut & kShortcutCtrl) flags |= HOTKEYF_CONTROL;
    if (shortcut & kShortcutAlt) flags |= HOTKEYF_ALT;
    if (IsExtendedKey(vk)) flags |= HOTKEYF_EXT;
    return static_cast<std::uint16_t>(flags << 8 | vk);
}

}  // namespace vitrex::win32
