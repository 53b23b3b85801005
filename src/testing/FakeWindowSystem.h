#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/WindowSystem.h"

namespace vitrex::fakes {

// One window of the simulated desktop and the properties the program's rules look at.
struct FakeWindow {
    std::string className;
    std::string title;
    std::uint32_t processId = 0;
    std::uint32_t threadId = 0;
    bool visible = true;
    bool enabled = true;
    WindowHandle parent = 0;
    WindowHandle owner = 0;
    std::uint32_t exStyle = 0;
    // The layered alpha; the system drops it when WS_EX_LAYERED is cleared.
    std::optional<std::uint8_t> alpha;
};

// A simulated desktop: windows with properties, kept in z-order (front first). It behaves as the
// system does where the program's rules depend on it: a handle of a window that does not exist
// reads as style 0 and ignores changes; an alpha is taken only by a layered window.
class FakeWindowSystem : public WindowSystem {
public:
    // Puts a new top-level window in front of all others and returns its handle. Handles are
    // never reused, so a removed window's handle stays invalid.
    WindowHandle AddWindow(FakeWindow window);
    void RemoveWindow(WindowHandle window);
    FakeWindow* Find(WindowHandle window);
    const FakeWindow* Find(WindowHandle window) const;
    // The window's properties; the window must exist.
    FakeWindow& Window(WindowHandle window);
    const std::vector<WindowHandle>& ZOrder() const { return zOrder_; }

    // A system without the layered-attributes function.
    void SetLayeredAlphaAvailable(bool available) { layeredAlphaAvailable_ = available; }
    // How often the program changed a window's extended style or alpha.
    int ExStyleWrites() const { return exStyleWrites_; }
    int AlphaWrites() const { return alphaWrites_; }

    WindowHandle FindTopLevel(std::string_view className, std::optional<std::string_view> title) override;
    std::uint32_t GetExStyle(WindowHandle window) override;
    void SetExStyle(WindowHandle window, std::uint32_t exStyle) override;
    bool HasLayeredAlpha() override { return layeredAlphaAvailable_; }
    bool SetLayeredAlpha(WindowHandle window, std::uint8_t alpha) override;
    std::optional<std::uint8_t> GetLayeredAlpha(WindowHandle window) override;

private:
    std::map<WindowHandle, FakeWindow> windows_;
    std::vector<WindowHandle> zOrder_;
    WindowHandle nextHandle_ = 0x10010;
    bool layeredAlphaAvailable_ = true;
    int exStyleWrites_ = 0;
    int alphaWrites_ = 0;
};

}  // namespace vitrex::fakes
