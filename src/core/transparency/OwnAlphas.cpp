#include "core/transparency/OwnAlphas.h"

namespace vitrex::transparency {

std::optional<std::uint8_t> OwnAlphas::CurrentOwnAlpha(WindowHandle window) {
    const auto noted = noted_.find(window);
    if (noted == noted_.end()) return std::nullopt;
    if (!system_.StyleOf(window).layered) return std::nullopt;
    if (system_.GetLayeredAlpha(window) != noted->second) return std::nullopt;
    return noted->second;
}

WindowChange OwnAlphas::ClearLayered(WindowHandle window) {
    const WindowChange change = system_.ClearLayered(window);
    // The system drops a window's layered attributes with its layered style.
    if (change == WindowChange::Done) Forget(window);
    return change;
}

WindowChange OwnAlphas::MakeLayered(WindowHandle window, std::uint8_t alpha) {
    const WindowChange change = system_.MakeLayered(window, alpha);
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

WindowChange OwnAlphas::RestoreStyle(WindowHandle window, std::uint32_t word) {
    const WindowChange change = system_.RestoreStyle(window, word);
    // Only the system knows which bit of the word is the layered style: asked after the write.
    if (change == WindowChange::Done && !system_.StyleOf(window).layered) Forget(window);
    return change;
}

void OwnAlphas::Forget(WindowHandle window) {
    if (noted_.erase(window) != 0) ++version_;
}

}  // namespace vitrex::transparency
