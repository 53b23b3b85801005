#include <windows.h>

#include <string>

#include "Commands.h"
#include "Output.h"
#include "Target.h"

namespace vitrex::probe {
namespace {

BOOL CALLBACK CountVisibleMenu(HWND hwnd, LPARAM count) {
    wchar_t className[16] = {};
    GetClassNameW(hwnd, className, 16);
    if (wcscmp(className, L"#32768") == 0 && IsWindowVisible(hwnd)) ++*reinterpret_cast<int*>(count);
    return TRUE;
}

}  // namespace

// foreground: hwnd= and title= of the window that has the foreground now (hwnd=0x0 for none).
int ForegroundCommand(Args& args) {
    if (!NoLeftovers(args)) return kMisuse;
    const HWND hwnd = GetForegroundWindow();
    Field("hwnd", HandleText(hwnd));
    wchar_t title[512] = {};
    if (hwnd != nullptr) GetWindowTextW(hwnd, title, 512);
    Field("title", Escaped(title));
    return kDone;
}

// menus: count= of the popup menus open now (visible windows of the menu class "#32768"), so a
// test can wait for a menu or a submenu before it types into it, and for it to close after.
int MenusCommand(Args& args) {
    if (!NoLeftovers(args)) return kMisuse;
    int count = 0;
    EnumWindows(CountVisibleMenu, reinterpret_cast<LPARAM>(&count));
    Field("count", count);
    return kDone;
}

// ping TARGET [--timeout MS]: whether the window's thread answers a message within the time
// (default 1000 ms): answered=1, or answered=0 and exit code 1. A bounded question, so a test
// shows that a program is responsive without timing anything itself.
int PingCommand(Args& args) {
    auto timeoutText = args.Option(L"--timeout");
    HWND hwnd = nullptr;
    if (int code = ResolveTarget(args, hwnd); code != kDone) return code;
    const auto timeout = timeoutText ? ParseNumber(*timeoutText) : std::optional<std::uint64_t>(1000);
    if (!timeout) {
        Error("--timeout wants milliseconds");
        return kMisuse;
    }
    DWORD_PTR result = 0;
    const bool answered = SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                                              static_cast<UINT>(*timeout), &result) != 0;
    Field("answered", answered ? 1 : 0);
    return answered ? kDone : kFailed;
}

}  // namespace vitrex::probe
