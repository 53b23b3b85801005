// The bare 100 ms policy tick, as the yardstick of the outside benchmarks: every 100 ms it reads
// the foreground window and enumerates the top-level windows, asks the hidden ones it has not met
// whether they are visible now, and gives a window a level when it first sees it visible or when
// the foreground moves (alpha 229 for the foreground, 191 for the others). Nothing else: no
// events, no eligibility rules. Runs until it is killed or its hidden window is closed, and
// gives every window it changed back at a close.
//   vtxbaretick.exe [--interval MS]
#include <windows.h>

#include <shellapi.h>

#include <cwchar>
#include <unordered_set>
#include <vector>

namespace {

constexpr BYTE kActive = 229;
constexpr BYTE kInactive = 191;

std::unordered_set<HWND> known;
std::vector<HWND> changed;
std::vector<HWND> sequence;
HWND lastForeground = nullptr;
DWORD ownProcess = 0;

bool Foreign(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process != ownProcess;
}

void SetLevel(HWND window, BYTE alpha) {
    if (window == nullptr || !Foreign(window)) return;
    const LONG style = GetWindowLongW(window, GWL_EXSTYLE);
    if ((style & WS_EX_LAYERED) == 0) {
        SetWindowLongW(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
        changed.push_back(window);
    }
    SetLayeredWindowAttributes(window, 0, alpha, LWA_ALPHA);
}

BOOL CALLBACK Collect(HWND window, LPARAM) {
    sequence.push_back(window);
    return TRUE;
}

void Tick() {
    const HWND foreground = GetForegroundWindow();
    if (foreground != lastForeground) {
        SetLevel(lastForeground, kInactive);
        SetLevel(foreground, kActive);
        known.insert(foreground);
        lastForeground = foreground;
    }
    sequence.clear();
    EnumWindows(&Collect, 0);
    for (HWND window : sequence) {
        if (known.count(window) != 0 || !IsWindowVisible(window)) continue;
        known.insert(window);
        SetLevel(window, window == foreground ? kActive : kInactive);
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            Tick();
            return 0;
        case WM_DESTROY:
            for (HWND changedWindow : changed) {
                if (IsWindow(changedWindow))
                    SetWindowLongW(changedWindow, GWL_EXSTYLE,
                                   GetWindowLongW(changedWindow, GWL_EXSTYLE) & ~WS_EX_LAYERED);
            }
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int intervalMs = 100;
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::wcscmp(argv[i], L"--interval") == 0) intervalMs = _wtoi(argv[i + 1]);
    }
    LocalFree(argv);
    ownProcess = GetCurrentProcessId();

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"VtxBareTick";
    RegisterClassW(&windowClass);
    // A hidden top-level window, as the program's own: the timer's messages come to it.
    const HWND window = CreateWindowExW(0, L"VtxBareTick", L"Bare tick", WS_OVERLAPPED, 0, 0, 100, 100,
                                        nullptr, nullptr, instance, nullptr);
    SetTimer(window, 1, static_cast<UINT>(intervalMs), nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
