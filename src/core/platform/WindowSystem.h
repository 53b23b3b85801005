#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vitrex {

// A window of any process, as a plain number. Core code never dereferences it; a handle of a
// window that no longer exists is harmless in every operation.
using WindowHandle = std::uint64_t;

// The extended-style bit that makes a window layered, so that it can have a constant alpha.
inline constexpr std::uint32_t kWsExLayered = 0x00080000;

// The desktop's windows as the program's rules see them.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // The first top-level window in z-order whose class matches (letter case ignored) and, when a
    // title is given, whose title is exactly that; 0 when there is none.
    virtual WindowHandle FindTopLevel(std::string_view className, std::optional<std::string_view> title) = 0;

    // The extended style word; 0 for a window that does not exist.
    virtual std::uint32_t GetExStyle(WindowHandle window) = 0;
    // Does nothing for a window that does not exist.
    virtual void SetExStyle(WindowHandle window, std::uint32_t exStyle) = 0;

    // Whether the system offers the layered-attributes function; asked anew on every call.
    virtual bool HasLayeredAlpha() = 0;
    // Gives a layered window a constant alpha (255 opaque), without a colour key. False when the
    // function is not available; the system's own result is not reported.
    virtual bool SetLayeredAlpha(WindowHandle window, std::uint8_t alpha) = 0;
    // The alpha last set, while the window is layered and has one.
    virtual std::optional<std::uint8_t> GetLayeredAlpha(WindowHandle window) = 0;
};

}  // namespace vitrex
