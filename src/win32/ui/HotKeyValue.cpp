#include "win32/ui/HotKeyValue.h"

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "core/ui/ShortCut.h"

namespace vitrex::win32 {

namespace {

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
    return ui::ShortCut::Of(vk, (flags & HOTKEYF_SHIFT) != 0, (flags & HOTKEYF_CONTROL) != 0,
                            (flags & HOTKEYF_ALT) != 0)
        .Value();
}

std::uint16_t HotKeyFromShortcut(std::uint16_t shortcut) {
    const ui::ShortCut value(shortcut);
    const std::uint8_t vk = value.Key();
    if (vk == 0) return 0;
    std::uint8_t flags = 0;
    if (value.Shift()) flags |= HOTKEYF_SHIFT;
    if (value.Ctrl()) flags |= HOTKEYF_CONTROL;
    if (value.Alt()) flags |= HOTKEYF_ALT;
    if (IsExtendedKey(vk)) flags |= HOTKEYF_EXT;
    return static_cast<std::uint16_t>(flags << 8 | vk);
}

}  // namespace vitrex::win32
