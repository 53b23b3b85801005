#include "core/transparency/OwnAlphas.h"

namespace vitrex::transparency {

std::optional<std::uint8_t> OwnAlphas::CurrentOwnAlpha(WindowHandle window) {
    const auto noted = noted_.find(window);
    if (noted == noted_.end()) return std::nullopt;
    if ((system_.GetExStyle(window) & kWsExLayered) == 0) return std::nullopt;
    if (system_.GetLayeredAlpha(window) != noted->second) return std::nullopt;
    return noted->second;
}

WindowChange OwnAlphas::SetExStyle(WindowHandle window, std::uint32_t exStyle) {
    const WindowChange change = system_.SetExStyle(window, exStyle);
    // The system drops a window's layered attributes with its layered style.
    if (change == WindowChange::Done && (exStyle & kWsExLayered) == 0) Forget(window);
    return change;
}

WindowChange OwnAlphas::SetLayeredAlpha(WindowHandle window, std::uint8_t alpha) {
    const WindowChange change = system_.SetLayeredAlpha(window, alpha);
    if (change != WindowChange::Done) return change;
    const auto [noted, added] = noted_.try_emplace(window, alpha);
    if (added || noted->second != alpha) {
        noted->second = alpha;
        ++version_;
    }
    return change;
}

void OwnAlphas::SetLayeredAttributes(WindowHandle window, const LayeredAttributes& attributes) {
    // Only ever its own program's attributes, given back: the window is no longer ours.
    system_.SetLayeredAttributes(window, attributes);
    Forget(window);
}

void OwnAlphas::Forget(WindowHandle window) {
    if (noted_.erase(window) != 0) ++version_;
}

}  // namespace vitrex::transparency
