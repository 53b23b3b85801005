#pragma once

#include <windows.h>

#include <chrono>
#include <functional>

#include "win32/ui/FormWindow.h"

namespace vitrex::win32 {

// Sees every message taken from the queue before anything else; true means it was handled
// and is not dispatched.
using MessageFilter = std::function<bool(MSG&)>;

// GetMessage until WM_QUIT: the form window sees each message first (its window-menu entries),
// then the filter, then the form's keyboard navigation, then TranslateMessage and
// DispatchMessage. Returns the WM_QUIT exit code.
int RunMessageLoop(FormWindow& window, const MessageFilter& filter = {});

// How a wait in the nested pump ended.
enum class PumpWait { Signalled, TimedOut, Quit };

// The message loop of a wait inside a handler (a transfer on a worker thread, say): while the
// caller waits for an event, each message is handled exactly as RunMessageLoop handles it, so
// the window stays usable and its keyboard navigation works. A WM_QUIT met is posted again with
// its exit code, so the outer loop still ends once the waiting handler has unwound.
class NestedPump {
public:
    // Without a window, messages are only translated and dispatched.
    explicit NestedPump(FormWindow* window = nullptr, MessageFilter filter = {})
        : window_(window), filter_(std::move(filter)) {}

    void SetWindow(FormWindow* window) { window_ = window; }

    // Handles messages until `wake` is signalled, the time-out has passed or a WM_QUIT is met.
    // A handler run here that signals `wake` ends the wait before the next message.
    PumpWait WaitFor(HANDLE wake, std::chrono::milliseconds timeout);

private:
    FormWindow* window_;
    MessageFilter filter_;
};

}  // namespace vitrex::win32
