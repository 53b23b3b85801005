#pragma once

#include <functional>
#include <unordered_map>
#include <vector>

#include "core/platform/WindowSystem.h"

namespace vitrex::transparency {

// The windows whose program runs with higher rights than this one, so that the system refuses
// every change to them. Such a window stays refused for as long as it exists, so it is asked
// once, not at every tick. A handle is only a number the system hands out again: each window is
// noted with the thread and process that own it, and a handle now owned by another thread is a
// new window, which may well take a change.
class RefusedWindows {
public:
    RefusedWindows() = default;
    // `observer` is told of each window newly found refused.
    explicit RefusedWindows(std::function<void(WindowHandle, WindowThreadProcess)> observer)
        : observer_(std::move(observer)) {}

    // Notes the window as refused, with its owners as they are now. Tells the observer when the
    // window was not noted before.
    void Note(WindowHandle window, WindowThreadProcess owner);
    // Whether the window with these owners was refused.
    bool Holds(WindowHandle window, WindowThreadProcess owner) const;
    // Asks the desktop about each noted window and forgets those that closed or whose handle a
    // new window took; returns the handles taken by new windows.
    std::vector<WindowHandle> ForgetChanged(WindowSystem& windows);
    bool Empty() const { return noted_.empty(); }

private:
    std::unordered_map<WindowHandle, WindowThreadProcess> noted_;
    std::function<void(WindowHandle, WindowThreadProcess)> observer_;
};

}  // namespace vitrex::transparency
