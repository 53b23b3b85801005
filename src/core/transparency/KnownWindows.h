#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/WindowSystem.h"

namespace vitrex::transparency {

// The windows the engine has dealt with, once each, in the order it met them. An entry stands for
// the decimal text of its handle and matches exactly that text; membership is answered from an
// index beside the list, so the tick's check per window costs the same for ten windows or ten
// thousand.
class KnownWindows {
public:
    bool Contains(WindowHandle window) const;
    // Exact text: "42" is window 42, "042" and " 42" are no window.
    bool Contains(std::string_view decimalText) const;
    // Appends the window unless it is already listed.
    void Add(WindowHandle window);
    void Clear();

    std::size_t Size() const { return order_.size(); }
    bool Empty() const { return order_.empty(); }
    // The windows in the order they were added.
    const std::vector<WindowHandle>& Windows() const { return order_; }
    // The same, as the decimal texts the list stands for.
    std::vector<std::string> Texts() const;

private:
    void Rehash(std::size_t slots);

    std::vector<WindowHandle> order_;
    // Open addressing on the handle value; 0 marks a free slot, so window 0 is kept apart.
    std::vector<WindowHandle> slots_;
    bool hasZero_ = false;
};

}  // namespace vitrex::transparency
