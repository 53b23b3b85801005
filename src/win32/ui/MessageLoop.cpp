#include "win32/ui/MessageLoop.h"

#include <algorithm>

#include "win32/ui/FailureReport.h"

namespace vitrex::win32 {
namespace {

void Deliver(FormWindow* window, const MessageFilter& filter, MSG& message) {
    bool handled = false;
    if (window != nullptr) {
        try {
            window->SeeQueuedMessage(message);
            if (filter) handled = filter(message);
        } catch (...) {
            // Both run the program's handlers through its dispatcher; a failure that still
            // escapes must not end the loop.
            ReportFailure(&window->Model(), std::current_exception());
            handled = false;
        }
        if (handled || window->TranslateDialogMessage(message)) return;
    } else if (filter) {
        try {
            handled = filter(message);
        } catch (...) {
            ReportFailure(nullptr, std::current_exception());
        }
        if (handled) return;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
}

bool IsSignalled(HANDLE handle) {
    return ::WaitForSingleObject(handle, 0) == WAIT_OBJECT_0;
}

}  // namespace

int RunMessageLoop(FormWindow& window, const MessageFilter& filter) {
    MSG message{};
    for (;;) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(message.wParam);
        if (got == -1) return -1;
        Deliver(&window, filter, message);
    }
}

PumpWait NestedPump::WaitFor(HANDLE wake, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        const DWORD waitMs = static_cast<DWORD>(std::clamp<long long>(left.count(), 0, INFINITE - 1));
        // MWMO_INPUTAVAILABLE: messages that were already in the queue before the wait (seen by
        // an earlier PeekMessage but left there) still wake it.
        const DWORD woke = ::MsgWaitForMultipleObjectsEx(1, &wake, waitMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woke == WAIT_OBJECT_0) return PumpWait::Signalled;
        if (woke == WAIT_TIMEOUT) return PumpWait::TimedOut;
        if (woke == WAIT_FAILED) {
            // Never spin: a handle that cannot be waited for ends the wait as if its time had come.
            return PumpWait::TimedOut;
        }
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                ::PostQuitMessage(static_cast<int>(message.wParam));
                return PumpWait::Quit;
            }
            Deliver(window_, filter_, message);
            if (IsSignalled(wake)) return PumpWait::Signalled;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return IsSignalled(wake) ? PumpWait::Signalled : PumpWait::TimedOut;
    }
}

}  // namespace vitrex::win32
