#include "win32/ui/MessageLoop.h"

#include "win32/ui/FailureReport.h"

namespace vitrex::win32 {

int RunMessageLoop(FormWindow& window, const MessageFilter& filter) {
    MSG message{};
    for (;;) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(message.wParam);
        if (got == -1) return -1;
        bool handled = false;
        try {
            window.SeeQueuedMessage(message);
            if (filter) handled = filter(message);
        } catch (...) {
            // Both run the program's handlers through its dispatcher; a failure that still
            // escapes must not end the loop.
            ReportFailure(&window.Model(), std::current_exception());
            handled = false;
        }
        if (handled || window.TranslateDialogMessage(message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

}  // namespace vitrex::win32
