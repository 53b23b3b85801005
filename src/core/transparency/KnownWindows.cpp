#include "core/transparency/KnownWindows.h"

#include <algorithm>
#include <charconv>

namespace vitrex::transparency {
namespace {

// Fibonacci hashing: handles are multiples of small powers of two, so their low bits alone
// would crowd into a few slots.
std::size_t SlotOf(WindowHandle window, std::size_t mask) {
    return static_cast<std::size_t>((window * 0x9E3779B97F4A7C15ull) >> 32) & mask;
}

}  // namespace

bool KnownWindows::Contains(WindowHandle window) const {
    if (window == 0) return hasZero_;
    if (slots_.empty()) return false;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = SlotOf(window, mask);; i = (i + 1) & mask) {
        if (slots_[i] == window) return true;
        if (slots_[i] == 0) return false;
    }
}

bool KnownWindows::Contains(std::string_view decimalText) const {
    if (decimalText.empty() || (decimalText.size() > 1 && decimalText[0] == '0')) return false;
    WindowHandle window = 0;
    const char* end = decimalText.data() + decimalText.size();
    const auto [rest, error] = std::from_chars(decimalText.data(), end, window);
    return error == std::errc() && rest == end && Contains(window);
}

void KnownWindows::Add(WindowHandle window) {
    if (Contains(window)) return;
    if (window == 0) {
        order_.push_back(window);
        hasZero_ = true;
        return;
    }
    // Kept at most half full, so a miss ends after a probe or two.
    if ((order_.size() + 1) * 2 > slots_.size()) Rehash(slots_.empty() ? 64 : slots_.size() * 2);
    order_.push_back(window);
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = SlotOf(window, mask);
    while (slots_[i] != 0)
        i = (i + 1) & mask;
    slots_[i] = window;
}

void KnownWindows::Clear() {
    order_.clear();
    // The table keeps its size: the next run of the engine meets about as many windows.
    std::fill(slots_.begin(), slots_.end(), 0);
    hasZero_ = false;
}

std::vector<std::string> KnownWindows::Texts() const {
    std::vector<std::string> texts;
    texts.reserve(order_.size());
    for (WindowHandle window : order_)
        texts.push_back(std::to_string(window));
    return texts;
}

void KnownWindows::Rehash(std::size_t slots) {
    slots_.assign(slots, 0);
    const std::size_t mask = slots - 1;
    for (WindowHandle window : order_) {
        if (window == 0) continue;
        std::size_t i = SlotOf(window, mask);
        while (slots_[i] != 0)
            i = (i + 1) & mask;
        slots_[i] = window;
    }
}

}  // namespace vitrex::transparency
