#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/WindowSystem.h"

namespace vitrex::fakes {

// Extended-style bits of the simulated desktop, numbered as the system numbers them.
inline constexpr std::uint32_t kWsExLayered = 0x00080000;
inline constexpr std::uint32_t kWsExTopmost = 0x00000008;
inline constexpr std::uint32_t kWsExToolWindow = 0x00000080;
inline constexpr std::uint32_t kWsExTransparent = 0x00000020;

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
    WindowRect rect;
    std::uint32_t exStyle = 0;
    // The layered alpha; the system drops it when WS_EX_LAYERED is cleared.
    std::optional<std::uint8_t> alpha;
    // A colour key the window's own program set; dropped like the alpha.
    std::optional<std::uint32_t> colorKey;
    // The window's program draws it with per-pixel alpha (UpdateLayeredWindow): its attributes
    // cannot be read, and giving it attributes switches that drawing off.
    bool perPixelAlpha = false;
    bool zoomed = false;
    // The small icon of the window's class, and the icons the window answers WM_GETICON with.
    std::optional<imaging::Bitmap> classSmallIcon;
    std::optional<imaging::Bitmap> smallIcon;
    std::optional<imaging::Bitmap> bigIcon;
    // The window's thread answers no message: the icon questions wait in vain and a new title is
    // not taken.
    bool hung = false;
    // The window's program runs with higher rights than the program under test: the system
    // refuses every change to it (style, attributes, z-order) with access denied.
    bool higherRights = false;
    // Changes refused to it so far.
    int refusedChanges = 0;
    // System commands posted to the window, in order; the window does not act on them.
    std::vector<SystemCommand> systemCommands;
};

// A simulated desktop: windows with properties, kept in z-order (front first). It behaves as the
// system does where the program's rules depend on it: a handle of a window that does not exist
// reads as style 0 and ignores changes; an alpha is taken only by a layered window.
class FakeWindowSystem : public WindowSystem {
public:
    // Puts a new top-level window in front of all others and returns its handle. Handles are
    // never reused, so a removed window's handle stays invalid.
    WindowHandle AddWindow(FakeWindow window);
    // Puts a window with the given handle in front, as when the system hands a closed window's
    // number to a new one. The handle must be one AddWindow gave out and must not be in use.
    void AddWindowWithHandle(WindowHandle handle, FakeWindow window);
    void RemoveWindow(WindowHandle window);
    // The window closes right after the next enumeration has listed it, before the program can
    // act on what it saw.
    void CloseAfterNextEnumeration(WindowHandle window) { closeAfterEnumeration_.push_back(window); }
    FakeWindow* Find(WindowHandle window);
    const FakeWindow* Find(WindowHandle window) const;
    // The window's properties; the window must exist.
    FakeWindow& Window(WindowHandle window);
    const std::vector<WindowHandle>& ZOrder() const { return zOrder_; }

    // Activates the window: it becomes the foreground window and moves in front of the others,
    // as activation does. 0 leaves the desktop without a foreground window.
    void SetForeground(WindowHandle window);
    // Moves a window in front of the others without activating it.
    void BringToFront(WindowHandle window);

    // A system without the layered-attributes function.
    void SetLayeredAlphaAvailable(bool available) { layeredAlphaAvailable_ = available; }
    // How often the program changed a window's extended style or layered attributes.
    int ExStyleWrites() const { return exStyleWrites_; }
    int AlphaWrites() const { return alphaWrites_; }
    // The window whose layered attributes were written last; 0 before any.
    WindowHandle LastAlphaWritten() const { return lastAlphaWritten_; }
    // How often the program asked for the foreground window, enumerated the top-level windows, or
    // searched one by class.
    int ForegroundQueries() const { return foregroundQueries_; }
    int Enumerations() const { return enumerations_; }
    int FindQueries() const { return findQueries_; }
    // How often the program asked for a window's rectangle.
    int RectQueries() const { return rectQueries_; }
    // The monitors' whole rectangles; one of 1920 x 1080 at the origin unless set.
    void SetMonitors(std::vector<WindowRect> monitors) { monitors_ = std::move(monitors); }
    // The time icon questions spent waiting for hung windows, in milliseconds.
    std::uint64_t IconWaitMs() const { return iconWaitMs_; }

    WindowStyle StyleOf(WindowHandle window) override;
    bool HasLayeredAlpha() override { return layeredAlphaAvailable_; }
    WindowChange MakeLayered(WindowHandle window, std::uint8_t alpha) override;
    WindowChange ClearLayered(WindowHandle window) override;
    std::optional<std::uint8_t> GetLayeredAlpha(WindowHandle window) override;
    std::optional<LayeredAttributes> GetLayeredAttributes(WindowHandle window) override;
    void SetLayeredAttributes(WindowHandle window, const LayeredAttributes& attributes) override;
    WindowChange SetClickThrough(WindowHandle window, bool clickThrough) override;
    // Sets the whole word, WS_EX_TOPMOST included, as the system's adapter leaves it.
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
    // Sets or clears WS_EX_TOPMOST, as the system shows it in the extended style.
    void SetTopmost(WindowHandle window, bool topmost) override;
    std::string FullTextOf(WindowHandle window) override;
    void SetText(WindowHandle window, const std::string& text) override;
    bool IsZoomed(WindowHandle window) override;
    void PostSystemCommand(WindowHandle window, SystemCommand command) override;
    WindowIcon SmallIconOf(WindowHandle window, std::uint32_t waitMs) override;
    // The monitor the window overlaps most, else the one nearest to its centre.
    std::optional<WindowRect> MonitorRectOf(WindowHandle window) override;

private:
    // Sets the whole extended-style word, as SetWindowLong does; a window that loses the layered
    // style loses its attributes with it.
    WindowChange WriteExStyle(WindowHandle window, std::uint32_t exStyle);

    std::vector<WindowHandle> closeAfterEnumeration_;
    static constexpr WindowHandle kFirstHandle = 0x10010;
    static constexpr WindowHandle kHandleStep = 4;

    // Windows by handle, the handle's number serving as the index, as in the system's own handle
    // table; so looking a window up costs the same on a desktop of ten windows or of thousands.
    std::vector<std::unique_ptr<FakeWindow>> windows_;
    std::vector<WindowHandle> zOrder_;
    WindowHandle nextHandle_ = kFirstHandle;
    WindowHandle foreground_ = 0;
    bool layeredAlphaAvailable_ = true;
    int exStyleWrites_ = 0;
    int alphaWrites_ = 0;
    WindowHandle lastAlphaWritten_ = 0;
    int foregroundQueries_ = 0;
    int enumerations_ = 0;
    int findQueries_ = 0;
    int rectQueries_ = 0;
    std::vector<WindowRect> monitors_{WindowRect{0, 0, 1920, 1080}};
    std::uint64_t iconWaitMs_ = 0;
};

}  // namespace vitrex::fakes
