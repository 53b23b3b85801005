#include "win32/ui/FailureReport.h"

#include <windows.h>

namespace vitrex::win32 {

void ReportFailure(const ui::Component* sender, std::exception_ptr failure) noexcept {
    ui::EventDispatcher* dispatcher = sender != nullptr ? sender->Dispatcher() : nullptr;
    if (dispatcher != nullptr && failure) {
        try {
            // The boundary catches what its action throws: rethrown there, the failure keeps its
            // type, so the log's class line is the same as for a failing handler.
            dispatcher->Dispatch(sender, [&failure] { std::rethrow_exception(failure); });
            return;
        } catch (...) {
            // A dispatcher that lets it through: fall back to the debugger.
        }
    }
    ::OutputDebugStringW(L"Vitrex: exception stopped at a window procedure\n");
}

}  // namespace vitrex::win32
