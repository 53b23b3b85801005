#include "core/ui/HotKeyWord.h"

namespace vitrex::ui {

namespace {

// Virtual keys of the extended block and the number pad's divide and lock keys.
constexpr std::uint8_t kVkPageUp = 0x21;
constexpr std::uint8_t kVkPageDown = 0x22;
constexpr std::uint8_t kVkEnd = 0x23;
constexpr std::uint8_t kVkHome = 0x24;
constexpr std::uint8_t kVkLeft = 0x25;
constexpr std::uint8_t kVkUp = 0x26;
constexpr std::uint8_t kVkRight = 0x27;
constexpr std::uint8_t kVkDown = 0x28;
constexpr std::uint8_t kVkInsert = 0x2D;
constexpr std::uint8_t kVkDelete = 0x2E;
constexpr std::uint8_t kVkDivide = 0x6F;
constexpr std::uint8_t kVkNumLock = 0x90;

bool IsExtendedKey(std::uint8_t vk) {
    switch (vk) {
        case kVkPageUp:
        case kVkPageDown:
        case kVkEnd:
        case kVkHome:
        case kVkLeft:
        case kVkUp:
        case kVkRight:
        case kVkDown:
        case kVkInsert:
        case kVkDelete:
        case kVkDivide:
        case kVkNumLock:
            return true;
        default:
            return false;
    }
}

}  // namespace

std::uint8_t HotKeyModifierFlags(ShortCut modifiers) {
    return static_cast<std::uint8_t>((modifiers.Shift() ? kHotKeyShift : 0) |
                                     (modifiers.Ctrl() ? kHotKeyControl : 0) |
                                     (modifiers.Alt() ? kHotKeyAlt : 0));
}

std::uint16_t ShortcutFromHotKey(std::uint16_t hotKey) {
    const std::uint8_t vk = hotKey & 0xFF;
    if (vk == 0) return 0;
    const std::uint8_t flags = hotKey >> 8;
    return ShortCut::Of(vk, (flags & kHotKeyShift) != 0, (flags & kHotKeyControl) != 0,
                        (flags & kHotKeyAlt) != 0)
        .Value();
}

std::uint16_t HotKeyFromShortcut(std::uint16_t shortcut) {
    const ShortCut value(shortcut);
    const std::uint8_t vk = value.Key();
    if (vk == 0) return 0;
    std::uint8_t flags = HotKeyModifierFlags(value);
    if (IsExtendedKey(vk)) flags |= kHotKeyExtended;
    return static_cast<std::uint16_t>(flags << 8 | vk);
}

}  // namespace vitrex::ui
