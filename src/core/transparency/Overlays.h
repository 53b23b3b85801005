#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "core/platform/WindowSystem.h"
#include "core/transparency/OwnAlphas.h"
#include "core/transparency/RefusedWindows.h"
#include "core/transparency/WindowJournal.h"

namespace vitrex::transparency {

// What a window had before it became an overlay.
struct OverlayBefore {
    // The whole extended style, as StyleOf read it: layered, topmost and click-through included.
    std::uint32_t styleWord = 0;
    // The attributes it carried, when it was layered and they could be read.
    std::optional<LayeredAttributes> attributes;
    // The alpha this run had given it (an engine level, a hot key), so that it is noted as ours
    // again when it gets it back.
    std::optional<std::uint8_t> ownAlpha;
    bool operator==(const OverlayBefore&) const = default;
};

// How an attempt to make a window an overlay, or the hot key, ended.
enum class OverlayChange {
    Made,
    Released,
    // The window's program runs with higher rights: nothing was changed, and it is noted in the
    // refused windows.
    Refused,
    // No window, one that may not become an overlay, or a system without layered windows.
    NotAllowed,
};

// The overlays: windows made to stay on top, translucent and transparent to the mouse, so that
// every click and turn of the wheel reaches the windows beneath them. Each is given back exactly
// what it had when it is released. The engine leaves them alone while they are overlays.
class Overlays {
public:
    // The alpha of an overlay that was opaque: 40 %.
    static const std::uint8_t kOpaqueOverlayAlpha;

    // `windows` is the desktop through the notes of this run's alphas, as every alpha the program
    // gives goes. With a journal, the overlays are written down on every change of the set, so
    // that a later start can release them if this process ends without doing so.
    // The observer is told after every change of the set.
    Overlays(OwnAlphas& windows, RefusedWindows& refused, WindowJournal* journal = nullptr,
             std::function<void()> observer = {})
        : windows_(windows), refused_(refused), journal_(journal), observer_(std::move(observer)) {}

    // Makes the window an overlay: it keeps its alpha when it is translucent now, else it gets
    // 40 %; it goes on top and becomes transparent to the mouse. Made also for a window that is
    // one already. NotAllowed for 0 and for a window that does not exist.
    OverlayChange Make(WindowHandle window);
    // Gives the window back what it had. False when it is not an overlay.
    bool Release(WindowHandle window);
    // The hot key: releases the foreground window when it is an overlay, else the most recent
    // overlay; with none, makes the foreground window one when `allowed` says it may be.
    OverlayChange HotKey(WindowHandle foreground, bool allowed);
    // Releases every overlay; returns how many still existed to be given back.
    int ReleaseAll();
    // Drops the overlays whose window has closed (or whose handle another window took).
    void ForgetClosed();

    bool Holds(WindowHandle window) const;
    bool Empty() const { return overlays_.empty(); }
    // In the order they were made.
    std::vector<WindowHandle> Windows() const;
    // What the overlay had before; nothing when the window is not one.
    std::optional<OverlayBefore> BeforeOf(WindowHandle window) const;

private:
    struct Overlay {
        WindowHandle window = 0;
        WindowThreadProcess owner;
        OverlayBefore before;
        // The alpha it carries as an overlay; nothing for a window its program draws with
        // per-pixel alpha, which is given none.
        std::optional<std::uint8_t> alpha;
    };

    std::vector<Overlay>::const_iterator FindOverlay(WindowHandle window) const;
    // Gives the window back what it had, when the handle is still that window's.
    bool GiveBack(const Overlay& overlay);
    void Changed();

    OwnAlphas& windows_;
    RefusedWindows& refused_;
    WindowJournal* journal_;
    // In the order they were made.
    std::vector<Overlay> overlays_;
    std::function<void()> observer_;
};

}  // namespace vitrex::transparency
