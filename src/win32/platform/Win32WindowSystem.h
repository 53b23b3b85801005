#pragma once

#include "core/platform/WindowSystem.h"

namespace vitrex::win32 {

// Windows of every process through user32. Calls on a window that has gone fail silently.
class Win32WindowSystem : public WindowSystem {
public:
    WindowStyle StyleOf(WindowHandle window) override;
    bool HasLayeredAlpha() override;
    WindowChange MakeLayered(WindowHandle window, std::uint8_t alpha) override;
    WindowChange ClearLayered(WindowHandle window) override;
    std::optional<std::uint8_t> GetLayeredAlpha(WindowHandle window) override;
    std::optional<LayeredAttributes> GetLayeredAttributes(WindowHandle window) override;
    void SetLayeredAttributes(WindowHandle window, const LayeredAttributes& attributes) override;
    WindowChange SetClickThrough(WindowHandle window, bool clickThrough) override;
    WindowChange RestoreStyle(WindowHandle window, std::uint32_t word) override;

    WindowHandle ForegroundWindow() override;
    void EnumerateTopLevel(WindowVisitor visit) override;
    void EnumerateThreadWindows(std::uint32_t threadId, WindowVisitor visit) override;
    WindowHandle FindTopLevel(std::string_view className, std::optional<std::string_view> title) override;
    bool IsVisible(WindowHandle window) override;
    bool IsEnabled(WindowHandle window) override;
    WindowHandle ParentOf(WindowHandle window) override;
    WindowHandle OwnerOf(WindowHandle window) override;
    WindowRect RectOf(WindowHandle window) override;
    std::string TextOf(WindowHandle window) override;
    std::string ClassOf(WindowHandle window) override;
    WindowThreadProcess ThreadProcessOf(WindowHandle window) override;
    void SetTopmost(WindowHandle window, bool topmost) override;
    std::string FullTextOf(WindowHandle window) override;
    void SetText(WindowHandle window, const std::string& text) override;
    bool IsZoomed(WindowHandle window) override;
    void PostSystemCommand(WindowHandle window, SystemCommand command) override;
    WindowIcon SmallIconOf(WindowHandle window, std::uint32_t waitMs) override;
    std::optional<WindowRect> MonitorRectOf(WindowHandle window) override;
};

}  // namespace vitrex::win32
