#pragma once

#include <cstdint>

namespace vitrex::ui {

// A shortcut as the key fields show it and the settings store it: the virtual key in bits 0-7,
// Shift 0x2000, Ctrl 0x4000, Alt 0x8000; no key is no shortcut. The one place that knows the
// encoding: the widget model, the hot keys, the settings and the binder all read it from here.
class ShortCut {
public:
    static constexpr std::uint16_t kShift = 0x2000;
    static constexpr std::uint16_t kCtrl = 0x4000;
    static constexpr std::uint16_t kAlt = 0x8000;
    static constexpr std::uint16_t kModifiers = kShift | kCtrl | kAlt;

    constexpr ShortCut() = default;
    constexpr explicit ShortCut(std::uint16_t value) : value_(value) {}
    static constexpr ShortCut Of(std::uint8_t key, bool shift, bool ctrl, bool alt) {
        return ShortCut(
            static_cast<std::uint16_t>(key | (shift ? kShift : 0) | (ctrl ? kCtrl : 0) | (alt ? kAlt : 0)));
    }

    constexpr std::uint16_t Value() const { return value_; }
    constexpr std::uint8_t Key() const { return static_cast<std::uint8_t>(value_ & 0xFF); }
    // Every bit but the modifiers: what the system is asked to register as the key.
    constexpr std::uint16_t WithoutModifiers() const {
        return static_cast<std::uint16_t>(value_ & ~kModifiers);
    }
    // The modifier bits alone, to compare as a whole set.
    constexpr std::uint16_t Modifiers() const { return value_ & kModifiers; }
    constexpr bool Shift() const { return (value_ & kShift) != 0; }
    constexpr bool Ctrl() const { return (value_ & kCtrl) != 0; }
    constexpr bool Alt() const { return (value_ & kAlt) != 0; }
    constexpr bool Empty() const { return Key() == 0; }

private:
    std::uint16_t value_ = 0;
};

}  // namespace vitrex::ui
