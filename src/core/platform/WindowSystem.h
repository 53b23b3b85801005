#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/imaging/Bitmap.h"
#include "core/platform/FunctionRef.h"

namespace vitrex {

// A window of any process, as a plain number. Core code never dereferences it; a handle of a
// window that no longer exists is harmless in every operation.
using WindowHandle = std::uint64_t;

// The extended-style bit that makes a window layered, so that it can have a constant alpha.
inline constexpr std::uint32_t kWsExLayered = 0x00080000;
// Set on a window that stays above all windows without it (always on top).
inline constexpr std::uint32_t kWsExTopmost = 0x00000008;
// Tool windows (floating palettes) get no taskbar button and are no application windows.
inline constexpr std::uint32_t kWsExToolWindow = 0x00000080;

// How a layered window's attributes are used, numbered as the system numbers them.
inline constexpr std::uint32_t kLwaColorKey = 0x1;
inline constexpr std::uint32_t kLwaAlpha = 0x2;

// The attributes a program gave its layered window: a colour drawn as transparent and/or one
// alpha for the whole window (255 opaque), as `flags` says.
struct LayeredAttributes {
    std::uint32_t colorKey = 0;
    std::uint8_t alpha = 255;
    std::uint32_t flags = 0;
    bool operator==(const LayeredAttributes&) const = default;
};

// Screen coordinates of a window's outer frame.
struct WindowRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool operator==(const WindowRect&) const = default;
};

// The thread that created a window and the process it belongs to; both 0 for a window that does
// not exist.
struct WindowThreadProcess {
    std::uint32_t threadId = 0;
    std::uint32_t processId = 0;
};

// Window-menu commands, as the system numbers them, for PostSystemCommand.
inline constexpr std::uint32_t kScRestore = 0xF120;
inline constexpr std::uint32_t kScMinimize = 0xF020;
inline constexpr std::uint32_t kScMaximize = 0xF030;
inline constexpr std::uint32_t kScClose = 0xF060;

// A window's small icon as the query for it ended.
struct WindowIcon {
    // At the system's small-icon size, with its alpha; nothing when the window has no icon.
    std::optional<imaging::Bitmap> picture;
    // The window's thread did not answer in time (it is busy or hung): its other windows will
    // not answer either.
    bool timedOut = false;
};

// How a change to another program's window ended. The system refuses changes to the windows of a
// program that runs with higher rights than this one (access denied); every other failure (a
// window that closed meanwhile) is not reported and counts as done.
enum class WindowChange {
    Done,
    // The system lacks the layered-attributes function.
    Unavailable,
    Refused,
};

// Called once per window; returning false stops the enumeration.
using WindowVisitor = FunctionRef<bool(WindowHandle)>;

// The desktop's windows as the program's rules see them. Every query on a window that does not
// exist gives the empty answer (0, false, empty text) and every change to one does nothing.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // The extended style word; 0 for a window that does not exist.
    virtual std::uint32_t GetExStyle(WindowHandle window) = 0;
    // Does nothing for a window that does not exist. Done or Refused.
    virtual WindowChange SetExStyle(WindowHandle window, std::uint32_t exStyle) = 0;

    // Whether the system offers the layered-attributes function; asked anew on every call.
    virtual bool HasLayeredAlpha() = 0;
    // Gives a layered window a constant alpha (255 opaque), without a colour key. Unavailable when
    // the function is missing, Refused when the window's program runs with higher rights.
    virtual WindowChange SetLayeredAlpha(WindowHandle window, std::uint8_t alpha) = 0;
    // The alpha last set, while the window is layered and has one.
    virtual std::optional<std::uint8_t> GetLayeredAlpha(WindowHandle window) = 0;
    // The attributes a layered window was given. Nothing when the window is not layered, was
    // never given attributes, or is drawn by its program with per-pixel alpha (such a window
    // must not be given attributes: it would stop showing what its program draws).
    virtual std::optional<LayeredAttributes> GetLayeredAttributes(WindowHandle window) = 0;
    // Gives a layered window exactly these attributes, colour key included.
    virtual void SetLayeredAttributes(WindowHandle window, const LayeredAttributes& attributes) = 0;

    // The window that has the user's input now; 0 when there is none.
    virtual WindowHandle ForegroundWindow() = 0;
    // Every top-level window, front to back in z-order.
    virtual void EnumerateTopLevel(WindowVisitor visit) = 0;
    // The top-level windows created by one thread, front to back.
    virtual void EnumerateThreadWindows(std::uint32_t threadId, WindowVisitor visit) = 0;
    // The first top-level window in z-order whose class matches without regard to letter case
    // and, when a title is given, whose title is exactly that ("" matches only an empty title).
    // 0 when there is none.
    virtual WindowHandle FindTopLevel(std::string_view className, std::optional<std::string_view> title) = 0;

    virtual bool IsVisible(WindowHandle window) = 0;
    virtual bool IsEnabled(WindowHandle window) = 0;
    virtual WindowHandle ParentOf(WindowHandle window) = 0;
    virtual WindowHandle OwnerOf(WindowHandle window) = 0;
    virtual WindowRect RectOf(WindowHandle window) = 0;
    // At most 260 characters each.
    virtual std::string TextOf(WindowHandle window) = 0;
    virtual std::string ClassOf(WindowHandle window) = 0;
    virtual WindowThreadProcess ThreadProcessOf(WindowHandle window) = 0;

    // Puts the window above all windows that are not topmost, or takes it back among them,
    // without moving, sizing or activating it.
    virtual void SetTopmost(WindowHandle window, bool topmost) = 0;

    // The whole title, however long.
    virtual std::string FullTextOf(WindowHandle window) = 0;
    // Gives the window a new title. A window whose thread does not answer within a short wait
    // keeps its title; the caller is not told.
    virtual void SetText(WindowHandle window, const std::string& text) = 0;
    // Maximised.
    virtual bool IsZoomed(WindowHandle window) = 0;
    // Posts WM_SYSCOMMAND with the command (kScClose, ...) and does not wait for it.
    virtual void PostSystemCommand(WindowHandle window, std::uint32_t command) = 0;
    // The window's small icon: its class's small icon, else the small icon the window answers
    // WM_GETICON with, else its big icon. Each question waits at most `waitMs` for the window's
    // thread; a thread that does not answer in time gives no icon.
    virtual WindowIcon SmallIconOf(WindowHandle window, std::uint32_t waitMs) = 0;

    // The whole rectangle (not only the work area) of the monitor the window is on: the one it
    // overlaps most, else the nearest. Nothing for a window that does not exist.
    virtual std::optional<WindowRect> MonitorRectOf(WindowHandle window) = 0;
};

}  // namespace vitrex
