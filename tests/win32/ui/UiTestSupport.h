#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

#include "core/ui/Component.h"

namespace vitrex::win32::testing {

// Runs the tests with the common controls 6 classes, as the program's manifest asks for.
class CommonControls6Scope {
public:
    CommonControls6Scope();
    ~CommonControls6Scope();
    CommonControls6Scope(const CommonControls6Scope&) = delete;
    CommonControls6Scope& operator=(const CommonControls6Scope&) = delete;

private:
    HANDLE context_ = INVALID_HANDLE_VALUE;
    ULONG_PTR cookie_ = 0;
};

// Dispatches what is in the queue now (sent messages, posted notifications, paints).
void Pump();
// Dispatches messages until `done` holds or the time is up; returns whether it held.
bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(3));

std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window);
LONG_PTR StyleOf(HWND window);
RECT ClientRectOf(HWND window);
// The window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window);

// Sends a control's WM_COMMAND notification to its parent as the control would.
void NotifyParent(HWND control, UINT code);

// Counts the user events that reach the form's dispatcher.
class CountingDispatcher : public ui::EventDispatcher {
public:
    void Dispatch(const ui::Component* sender, const std::function<void()>& action) override {
        senders.push_back(sender->Name());
        action();
    }
    std::vector<std::string> senders;
};

}  // namespace vitrex::win32::testing
