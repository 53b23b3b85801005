#include "core/ui/HotKeyWord.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace vitrex::ui {
namespace {

constexpr std::uint16_t Word(std::uint8_t key, std::uint8_t flags) {
    return static_cast<std::uint16_t>(flags << 8 | key);
}

TEST(HotKeyWord, ConvertsBetweenTheFieldsWordAndTheShortcut) {
    // Ctrl+Alt+F1 as the field reports it.
    EXPECT_EQ(ShortcutFromHotKey(0x0670), 0xC070);
    EXPECT_EQ(HotKeyFromShortcut(0xC070), 0x0670);
    EXPECT_EQ(ShortcutFromHotKey(Word('A', kHotKeyShift)), 0x2000 | 'A');
    EXPECT_EQ(HotKeyFromShortcut(0x2000 | 'A'), Word('A', kHotKeyShift));
    EXPECT_EQ(HotKeyFromShortcut(0xE000 | '5'), Word('5', kHotKeyShift | kHotKeyControl | kHotKeyAlt));
    // No key, no shortcut, whatever the modifiers.
    EXPECT_EQ(ShortcutFromHotKey(Word(0, kHotKeyAlt)), 0);
    EXPECT_EQ(HotKeyFromShortcut(0x8000), 0);
}

TEST(HotKeyWord, KeysWithATwinOnTheNumberPadAreMarkedExtended) {
    // Page Up to Down, Insert, Delete, the pad's divide key and Num Lock.
    for (std::uint8_t key : {0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x2D, 0x2E, 0x6F, 0x90}) {
        EXPECT_EQ(HotKeyFromShortcut(0x4000 | key), Word(key, kHotKeyControl | kHotKeyExtended)) << int{key};
        // The flag means nothing to the shortcut.
        EXPECT_EQ(ShortcutFromHotKey(Word(key, kHotKeyControl | kHotKeyExtended)), 0x4000 | key) << int{key};
    }
    // Their twins on the pad (Num 0 to Num 9), Space, Enter and the function keys are not.
    for (std::uint8_t key : {0x60, 0x67, 0x69, 0x20, 0x0D, 0x70, 0x2C}) {
        EXPECT_EQ(HotKeyFromShortcut(key), Word(key, 0)) << int{key};
    }
}

TEST(HotKeyWord, ModifierFlagsIgnoreTheKey) {
    EXPECT_EQ(HotKeyModifierFlags(ShortCut(0)), 0);
    EXPECT_EQ(HotKeyModifierFlags(ShortCut(ShortCut::kAlt)), kHotKeyAlt);
    EXPECT_EQ(HotKeyModifierFlags(ShortCut::Of(0x24, true, true, false)), kHotKeyShift | kHotKeyControl);
}

}  // namespace
}  // namespace vitrex::ui
