#pragma once

#include "core/platform/WindowSystem.h"

namespace vitrex::win32 {

// Windows of every process through user32. Calls on a window that has gone fail silently.
class Win32WindowSystem : public WindowSystem {
public:
    WindowHandle FindTopLevel(std::string_view className, std::optional<std::string_view> title) override;
    std::uint32_t GetExStyle(WindowHandle window) override;
    void SetExStyle(WindowHandle window, std::uint32_t exStyle) override;
    bool HasLayeredAlpha() override;
    bool SetLayeredAlpha(WindowHandle window, std::uint8_t alpha) override;
    std::optional<std::uint8_t> GetLayeredAlpha(WindowHandle window) override;
};

}  // namespace vitrex::win32
