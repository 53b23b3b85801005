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

// What the program's rules ask of a window's extended style, from one read of it. The system's
// bits stay in its adapter: a new need is one more field here, named after what it means.
struct WindowStyle {
    // The window can carry layered attributes (a constant alpha, a colour key).
    bool layered = false;
    // It stays above all windows that are not topmost (always on top).
    bool topmost = false;
    // A floating palette: no taskbar button, and no application window.
    bool toolWindow = false;
    // Transparent to the mouse: clicks and the wheel reach the windows beneath it.
    bool clickThrough = false;
    // The whole style as the system keeps it. The rules never look into it; the debug page shows
    // it as a number, and RestoreStyle takes it back as it was read.
    std::uint32_t word = 0;
    bool operator==(const WindowStyle&) const = default;
};

// The attributes a program gave its layered window: a colour drawn as transparent and/or one
// alpha for the whole window (255 opaque); either may be missing.
struct LayeredAttributes {
    std::optional<std::uint32_t> colorKey;
    std::optional<std::uint8_t> alpha;
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
    bool operator==(const WindowThreadProcess&) const = default;
};

// The commands of another program's window menu that the program gives.
enum class SystemCommand { Restore, Minimize, Maximize, Close };

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

    // All false for a window that does not exist.
    virtual WindowStyle StyleOf(WindowHandle window) = 0;

    // Whether the system offers the layered-attributes function; asked anew on every call.
    virtual bool HasLayeredAlpha() = 0;
    // Makes the window layered, its other styles kept, and gives it a constant alpha (255 opaque)
    // without a colour key. The style is written also when the window is layered already: another
    // program may have taken it away meanwhile, and the alpha only sticks to a layered window.
    // Unavailable, the window untouched, when the system lacks the layered-attributes function;
    // Refused when the window's program runs with higher rights (then no alpha is given either).
    virtual WindowChange MakeLayered(WindowHandle window, std::uint8_t alpha) = 0;
    // Takes the layered style away, its other styles kept; the system drops the window's layered
    // attributes with it, so it is drawn opaque again. Done or Refused.
    virtual WindowChange ClearLayered(WindowHandle window) = 0;
    // The alpha last set, while the window is layered and has one.
    virtual std::optional<std::uint8_t> GetLayeredAlpha(WindowHandle window) = 0;
    // The attributes a layered window was given. Nothing when the window is not layered, was
    // never given attributes, or is drawn by its program with per-pixel alpha (such a window
    // must not be given attributes: it would stop showing what its program draws).
    virtual std::optional<LayeredAttributes> GetLayeredAttributes(WindowHandle window) = 0;
    // Gives a layered window exactly these attributes, colour key included.
    virtual void SetLayeredAttributes(WindowHandle window, const LayeredAttributes& attributes) = 0;
    // Makes the window transparent to the mouse, or takes that away, its other styles kept.
    // Done or Refused.
    virtual WindowChange SetClickThrough(WindowHandle window, bool clickThrough) = 0;
    // Gives the window back the whole extended style `word` that StyleOf read earlier, topmost
    // included: the window goes into or out of the topmost band as the word says, without being
    // moved, sized or activated. A word without the layered style drops the window's layered
    // attributes. Done or Refused.
    virtual WindowChange RestoreStyle(WindowHandle window, std::uint32_t word) = 0;

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
    // Asks the window to carry out the command of its window menu, as a click on that entry
    // would, and does not wait for it.
    virtual void PostSystemCommand(WindowHandle window, SystemCommand command) = 0;
    // The window's small icon: its class's small icon, else the small icon the window answers
    // WM_GETICON with, else its big icon. Each question waits at most `waitMs` for the window's
    // thread; a thread that does not answer in time gives no icon.
    virtual WindowIcon SmallIconOf(WindowHandle window, std::uint32_t waitMs) = 0;

    // The whole rectangle (not only the work area) of the monitor the window is on: the one it
    // overlaps most, else the nearest. Nothing for a window that does not exist.
    virtual std::optional<WindowRect> MonitorRectOf(WindowHandle window) = 0;
};

}  // namespace vitrex
