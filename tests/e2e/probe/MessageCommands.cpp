#include <windows.h>

#include <string>

#include "Commands.h"
#include "Output.h"
#include "Target.h"

namespace vitrex::probe {
namespace {

constexpr UINT kSendTimeoutMs = 5000;

// Posted by default, as a user's click would arrive; --send waits for the handler and prints
// what it returned (a handler that opens a modal dialog makes --send time out).
int Deliver(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool send) {
    if (!send) {
        if (!PostMessageW(hwnd, message, wParam, lParam)) {
            Field("error", static_cast<long long>(GetLastError()));
            return kFailed;
        }
        Field("posted", 1);
        return kDone;
    }
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result)) {
        Field("error", static_cast<long long>(GetLastError()));
        return kFailed;
    }
    Field("result", static_cast<long long>(result));
    return kDone;
}

std::optional<WPARAM> SysCommandId(const std::wstring& text) {
    if (text == L"SC_CLOSE") return SC_CLOSE;
    if (text == L"SC_MINIMIZE") return SC_MINIMIZE;
    if (text == L"SC_MAXIMIZE") return SC_MAXIMIZE;
    if (text == L"SC_RESTORE") return SC_RESTORE;
    if (auto value = ParseNumber(text)) return static_cast<WPARAM>(*value);
    return std::nullopt;
}

}  // namespace

int CloseCommand(Args& args) {
    bool send = args.Flag(L"--send");
    HWND hwnd = nullptr;
    if (int code = ResolveTarget(args, hwnd); code != kDone) return code;
    return Deliver(hwnd, WM_CLOSE, 0, 0, send);
}

int SysCommandCommand(Args& args) {
    bool send = args.Flag(L"--send");
    auto idText = args.Option(L"--id");
    if (!idText) {
        Error("syscmd wants --id NUMBER (or SC_CLOSE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE)");
        return kMisuse;
    }
    auto id = SysCommandId(*idText);
    if (!id) {
        Error("syscmd: \"" + Utf8(*idText) + "\" is not a number");
        return kMisuse;
    }
    HWND hwnd = nullptr;
    if (int code = ResolveTarget(args, hwnd); code != kDone) return code;
    return Deliver(hwnd, WM_SYSCOMMAND, *id, 0, send);
}

// Asks the window, as Windows does at log-off or shut-down; prints what it answered.
int QueryEndCommand(Args& args) {
    bool logoff = args.Flag(L"--logoff");
    HWND hwnd = nullptr;
    if (int code = ResolveTarget(args, hwnd); code != kDone) return code;
    return Deliver(hwnd, WM_QUERYENDSESSION, 0, logoff ? ENDSESSION_LOGOFF : 0, true);
}

}  // namespace vitrex::probe
