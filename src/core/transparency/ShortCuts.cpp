#include "core/transparency/ShortCuts.h"

#include "core/ui/ShortCut.h"

namespace vitrex::transparency {

std::uint32_t ShortCutToModifiers(std::uint16_t shortcut) {
    using ui::ShortCut;
    switch (ShortCut(shortcut).Modifiers()) {
        case ShortCut::kCtrl:
            return kModControl;
        case ShortCut::kAlt | ShortCut::kCtrl:
            return kModAlt | kModControl;
        case ShortCut::kShift:
            return kModShift;
        case ShortCut::kShift | ShortCut::kCtrl:
            return kModControl | kModShift;
        case ShortCut::kShift | ShortCut::kAlt:
            return kModAlt | kModShift;
        default:
            return kModWin;
    }
}

bool RegisterShortCut(HotKeys& hotKeys, std::uint16_t shortcut, int id, bool enable) {
    hotKeys.Unregister(id);
    if (!enable) return true;
    const std::uint32_t key = ui::ShortCut(shortcut).WithoutModifiers();
    return hotKeys.Register(id, ShortCutToModifiers(shortcut), key);
}

namespace {

std::string KeyName(std::uint32_t vk) {
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return std::string(1, static_cast<char>(vk));
    if (vk >= 0x70 && vk <= 0x87) return "F" + std::to_string(vk - 0x70 + 1);
    if (vk >= 0x60 && vk <= 0x69) return "Num " + std::to_string(vk - 0x60);
    switch (vk) {
        case 0x08:
            return "Backspace";
        case 0x09:
            return "Tab";
        case 0x0D:
            return "Enter";
        case 0x1B:
            return "Esc";
        case 0x20:
            return "Space";
        case 0x21:
            return "Page Up";
        case 0x22:
            return "Page Down";
        case 0x23:
            return "End";
        case 0x24:
            return "Home";
        case 0x25:
            return "Left";
        case 0x26:
            return "Up";
        case 0x27:
            return "Right";
        case 0x28:
            return "Down";
        case 0x2D:
            return "Insert";
        case 0x2E:
            return "Delete";
        default:
            break;
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    return std::string("Key 0x") + kHex[(vk >> 4) & 0xF] + kHex[vk & 0xF];
}

}  // namespace

std::string HotKeyText(std::uint32_t modifiers, std::uint32_t virtualKey) {
    std::string text;
    if (modifiers & kModWin) text += "Win+";
    if (modifiers & kModControl) text += "Ctrl+";
    if (modifiers & kModShift) text += "Shift+";
    if (modifiers & kModAlt) text += "Alt+";
    return text + KeyName(virtualKey);
}

}  // namespace vitrex::transparency
