#pragma once

#include <cstddef>
#include <unordered_set>
#include <vector>

#include "core/platform/WindowSystem.h"

namespace vitrex::transparency {

// The windows the engine has dealt with, once each, in the order it met them. The set answers the
// tick's check per window without walking the list.
class KnownWindows {
public:
    bool Contains(WindowHandle window) const { return index_.count(window) != 0; }
    // Appends the window unless it is already listed.
    void Add(WindowHandle window) {
        if (index_.insert(window).second) order_.push_back(window);
    }
    void Clear() {
        order_.clear();
        index_.clear();
    }

    std::size_t Size() const { return order_.size(); }
    bool Empty() const { return order_.empty(); }
    // The windows in the order they were added.
    const std::vector<WindowHandle>& Windows() const { return order_; }

private:
    std::vector<WindowHandle> order_;
    std::unordered_set<WindowHandle> index_;
};

}  // namespace vitrex::transparency
