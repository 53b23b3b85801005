#include <windows.h>

#include <cwchar>
#include <optional>
#include <string>

#include "Commands.h"
#include "Output.h"
#include "StyleNames.h"
#include "Target.h"

namespace vitrex::probe {
namespace {

std::string RectText(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

}  // namespace

int FindCommand(Args& args) {
    HWND hwnd = nullptr;
    if (int code = ResolveTarget(args, hwnd); code != kDone) return code;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
    DWORD exStyle = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE));
    RECT client = {};
    GetClientRect(hwnd, &client);
    RECT window = {};
    GetWindowRect(hwnd, &window);

    Field("hwnd", HandleText(hwnd));
    Field("class", ClassOf(hwnd));
    Field("title", Escaped(TextOf(hwnd)));
    Field("pid", static_cast<long long>(pid));
    Field("style", Hex(style));
    Field("styles", StyleNames(style));
    Field("exstyle", Hex(exStyle));
    Field("exstyles", ExStyleNames(exStyle));
    Field("visible", IsWindowVisible(hwnd) ? 1 : 0);
    Field("enabled", IsWindowEnabled(hwnd) ? 1 : 0);
    Field("iconic", IsIconic(hwnd) ? 1 : 0);
    Field("zoomed", IsZoomed(hwnd) ? 1 : 0);
    Field("foreground", GetForegroundWindow() == hwnd ? 1 : 0);
    Field("owner", HandleText(GetWindow(hwnd, GW_OWNER)));
    Field("dpi", static_cast<long long>(GetDpiForWindow(hwnd)));
    // Wine reports 96 for every window; the system's setting is what the program scales by.
    Field("sysdpi", static_cast<long long>(GetDpiForSystem()));
    Field("client",
          std::to_string(client.right - client.left) + "x" + std::to_string(client.bottom - client.top));
    Field("rect", RectText(window));
    Field("size",
          std::to_string(window.right - window.left) + "x" + std::to_string(window.bottom - window.top));
    return kDone;
}

// One row per descendant, in creation order of EnumChildWindows:
// hwnd <TAB> parent <TAB> class <TAB> id <TAB> visible <TAB> x,y,w,h <TAB> text
// with x,y relative to the top-level window's client area.
int ChildrenCommand(Args& args) {
    HWND top = nullptr;
    if (int code = ResolveTarget(args, top); code != kDone) return code;
    EnumChildWindows(
        top,
        [](HWND child, LPARAM param) -> BOOL {
            HWND topLevel = reinterpret_cast<HWND>(param);
            RECT r = {};
            GetWindowRect(child, &r);
            MapWindowPoints(HWND_DESKTOP, topLevel, reinterpret_cast<POINT*>(&r), 2);
            std::string row = HandleText(child) + "\t" + HandleText(GetParent(child)) + "\t" +
                              Utf8(ClassOf(child)) + "\t" + std::to_string(GetDlgCtrlID(child)) + "\t" +
                              (IsWindowVisible(child) ? "1" : "0") + "\t" + std::to_string(r.left) + "," +
                              std::to_string(r.top) + "," + std::to_string(r.right - r.left) + "," +
                              std::to_string(r.bottom - r.top) + "\t" + Escaped(TextOf(child));
            Line(row);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(top));
    return kDone;
}

// Waits until the window exists (default), is visible, exists hidden, or is gone.
int WaitCommand(Args& args) {
    Target target;
    if (!TakeTarget(args, target)) return kMisuse;
    bool visible = args.Flag(L"--visible");
    bool hidden = args.Flag(L"--hidden");
    bool gone = args.Flag(L"--gone");
    auto timeoutText = args.Option(L"--timeout");
    if (!NoLeftovers(args) || visible + hidden + gone > 1) return kMisuse;
    auto timeout = timeoutText ? ParseNumber(*timeoutText) : std::optional<std::uint64_t>(10000);
    if (!timeout) {
        Error("--timeout wants milliseconds");
        return kMisuse;
    }
    ULONGLONG deadline = GetTickCount64() + *timeout;
    for (;;) {
        HWND hwnd = target.Find();
        bool reached = gone      ? hwnd == nullptr
                       : visible ? hwnd && IsWindowVisible(hwnd)
                       : hidden  ? hwnd && !IsWindowVisible(hwnd)
                                 : hwnd != nullptr;
        if (reached) {
            if (hwnd) Field("hwnd", HandleText(hwnd));
            return kDone;
        }
        if (GetTickCount64() >= deadline) {
            const char* state = gone      ? "to go"
                                : visible ? "to be visible"
                                : hidden  ? "to be hidden"
                                          : "to appear";
            Error("timed out waiting for the " + target.Describe() + " " + state);
            return kFailed;
        }
        Sleep(50);
    }
}

int AlphaCommand(Args& args) {
    HWND hwnd = nullptr;
    if (int code = ResolveTarget(args, hwnd); code != kDone) return code;
    DWORD exStyle = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE));
    Field("layered", (exStyle & WS_EX_LAYERED) ? 1 : 0);
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags)) {
        Field("error", static_cast<long long>(GetLastError()));
        return kFailed;
    }
    Field("alpha", static_cast<long long>(alpha));
    Field("flags", Hex(flags));
    Field("colorkey", Hex(key));
    return kDone;
}

int MoveCommand(Args& args) {
    const std::optional<std::wstring> rect = args.Option(L"--rect");
    RECT r{};
    if (!rect || std::swscanf(rect->c_str(), L"%ld,%ld,%ld,%ld", &r.left, &r.top, &r.right, &r.bottom) != 4) {
        Error("move wants --rect LEFT,TOP,RIGHT,BOTTOM");
        return kMisuse;
    }
    HWND hwnd = nullptr;
    if (int code = ResolveTarget(args, hwnd); code != kDone) return code;
    if (!SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                      SWP_NOZORDER | SWP_NOACTIVATE)) {
        Field("error", static_cast<long long>(GetLastError()));
        return kFailed;
    }
    RECT now{};
    GetWindowRect(hwnd, &now);
    Field("rect", RectText(now));
    return kDone;
}

}  // namespace vitrex::probe
