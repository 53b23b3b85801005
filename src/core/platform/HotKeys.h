#pragma once

#include <cstdint>

namespace vitrex {

// Modifier flags of a system-wide hot key, numbered as the system numbers them.
inline constexpr std::uint32_t kModAlt = 1;
inline constexpr std::uint32_t kModControl = 2;
inline constexpr std::uint32_t kModShift = 4;
inline constexpr std::uint32_t kModWin = 8;

// System-wide hot keys of the main window; a press comes back as the window's hot-key message.
class HotKeys {
public:
    virtual ~HotKeys() = default;
    // False when the system refuses the combination (another program holds it, say).
    virtual bool Register(int id, std::uint32_t modifiers, std::uint32_t virtualKey) = 0;
    virtual void Unregister(int id) = 0;
};

}  // namespace vitrex
