#include "core/transparency/Overlays.h"

#include <algorithm>

#include "core/transparency/Alpha.h"

namespace vitrex::transparency {

const std::uint8_t Overlays::kOpaqueOverlayAlpha = TransparencyToAlpha(40);

bool Overlays::Holds(WindowHandle window) const {
    return FindOverlay(window) != overlays_.end();
}

std::vector<WindowHandle> Overlays::Windows() const {
    std::vector<WindowHandle> windows;
    for (const Overlay& overlay : overlays_)
        windows.push_back(overlay.window);
    return windows;
}

std::vector<Overlays::Overlay>::const_iterator Overlays::FindOverlay(WindowHandle window) const {
    return std::find_if(overlays_.begin(), overlays_.end(),
                        [window](const Overlay& overlay) { return overlay.window == window; });
}

std::optional<OverlayBefore> Overlays::BeforeOf(WindowHandle window) const {
    const auto found = FindOverlay(window);
    if (found == overlays_.end()) return std::nullopt;
    return found->before;
}

OverlayChange Overlays::Make(WindowHandle window) {
    if (window == 0) return OverlayChange::NotAllowed;
    const WindowThreadProcess owner = windows_.ThreadProcessOf(window);
    if (owner.threadId == 0) return OverlayChange::NotAllowed;
    if (Holds(window)) return OverlayChange::Made;
    if (refused_.Holds(window, owner)) return OverlayChange::Refused;
    if (!windows_.HasLayeredAlpha()) return OverlayChange::NotAllowed;

    const WindowStyle style = windows_.StyleOf(window);
    Overlay overlay{window, owner, {style.word, std::nullopt, std::nullopt}, std::nullopt};
    std::optional<std::uint8_t> alphaNow;
    if (style.layered) {
        overlay.before.attributes = windows_.GetLayeredAttributes(window);
        overlay.before.ownAlpha = windows_.CurrentOwnAlpha(window);
        alphaNow = windows_.GetLayeredAlpha(window);
    }
    // Layered without readable attributes: its program draws it with per-pixel alpha, and an
    // alpha given to it would stop showing what that program draws. It only goes on top and lets
    // the mouse through.
    const bool perPixel = style.layered && !overlay.before.attributes;

    // The style first: a window of a program with higher rights refuses it, and nothing is made.
    if (windows_.SetClickThrough(window, true) == WindowChange::Refused) {
        refused_.Note(window, owner);
        return OverlayChange::Refused;
    }
    if (!perPixel) {
        if (alphaNow && *alphaNow < 255) {
            overlay.alpha = alphaNow;  // translucent already: it keeps its level
        } else if (style.layered) {
            // Its program's colour key stays with the new alpha.
            LayeredAttributes attributes = overlay.before.attributes.value_or(LayeredAttributes{});
            attributes.alpha = kOpaqueOverlayAlpha;
            windows_.SetLayeredAttributes(window, attributes);
            overlay.alpha = kOpaqueOverlayAlpha;
        } else {
            const WindowChange change = windows_.MakeLayered(window, kOpaqueOverlayAlpha);
            if (change != WindowChange::Done) {
                // It was not layered before, so its earlier word is all it needs back.
                windows_.RestoreStyle(window, overlay.before.styleWord);
                if (change == WindowChange::Unavailable) return OverlayChange::NotAllowed;
                refused_.Note(window, owner);
                return OverlayChange::Refused;
            }
            overlay.alpha = kOpaqueOverlayAlpha;
        }
    }
    windows_.SetTopmost(window, true);
    overlays_.push_back(overlay);
    Changed();
    return OverlayChange::Made;
}

bool Overlays::GiveBack(const Overlay& overlay) {
    // A handle another window took since is that window's: it is not given the old one's style.
    if (windows_.ThreadProcessOf(overlay.window) != overlay.owner) return false;
    const OverlayBefore& before = overlay.before;
    windows_.RestoreStyle(overlay.window, before.styleWord);
    if (before.attributes && windows_.StyleOf(overlay.window).layered) {
        if (before.ownAlpha && *before.attributes == LayeredAttributes{std::nullopt, before.ownAlpha}) {
            // The alpha this run had given it: noted as ours again, so that the engine clears it
            // at switch-off and the journal keeps it.
            windows_.MakeLayered(overlay.window, *before.ownAlpha);
        } else {
            windows_.SetLayeredAttributes(overlay.window, *before.attributes);
        }
    }
    return true;
}

bool Overlays::Release(WindowHandle window) {
    const auto found = FindOverlay(window);
    if (found == overlays_.end()) return false;
    const Overlay overlay = *found;
    overlays_.erase(found);
    GiveBack(overlay);
    Changed();
    return true;
}

OverlayChange Overlays::HotKey(WindowHandle foreground, bool allowed) {
    ForgetClosed();
    if (Release(foreground)) return OverlayChange::Released;
    if (!overlays_.empty()) {
        Release(overlays_.back().window);
        return OverlayChange::Released;
    }
    return allowed ? Make(foreground) : OverlayChange::NotAllowed;
}

int Overlays::ReleaseAll() {
    if (overlays_.empty()) return 0;
    int released = 0;
    // The most recent first, as each was made over the ones before it.
    for (auto overlay = overlays_.rbegin(); overlay != overlays_.rend(); ++overlay)
        released += GiveBack(*overlay) ? 1 : 0;
    overlays_.clear();
    Changed();
    return released;
}

void Overlays::ForgetClosed() {
    const auto closed = std::remove_if(overlays_.begin(), overlays_.end(), [this](const Overlay& overlay) {
        return windows_.ThreadProcessOf(overlay.window) != overlay.owner;
    });
    if (closed == overlays_.end()) return;
    overlays_.erase(closed, overlays_.end());
    Changed();
}

void Overlays::Changed() {
    if (observer_) observer_();
    // Last: a registry that refuses the journal must not keep the others from the change.
    if (journal_ != nullptr) {
        std::vector<JournalEntry> entries;
        for (const Overlay& overlay : overlays_) {
            // 255 for a window given no alpha: its program's per-pixel drawing shows no constant
            // alpha either.
            entries.push_back({overlay.window, overlay.alpha.value_or(255), overlay.before.attributes,
                               overlay.before.styleWord});
        }
        journal_->WriteOverlays(entries);
    }
}

}  // namespace vitrex::transparency
