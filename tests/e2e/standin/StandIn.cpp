// A stand-in with the outline of the program's main window (class, caption, fixed border, client
// size, a tab control and buttons; closing hides it). It exists so that the end-to-end harness
// can be checked on its own: tests/e2e/run --exe build/win64/tests/e2e/vtxstandin.exe
#include <windows.h>

#include <commctrl.h>

namespace {

constexpr int kClientWidth = 531;
constexpr int kClientHeight = 333;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            ShowWindow(hwnd, SW_HIDE);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"TVTXForm";
    RegisterClassW(&windowClass);

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    UINT dpi = GetDpiForSystem();
    RECT frame = {0, 0, MulDiv(kClientWidth, dpi, 96), MulDiv(kClientHeight, dpi, 96)};
    AdjustWindowRectExForDpi(&frame, style, FALSE, 0, dpi);
    HWND hwnd = CreateWindowExW(0, L"TVTXForm", L"Vitrex", style, CW_USEDEFAULT, CW_USEDEFAULT,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                                instance, nullptr);
    CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE, 150, 0, 381, 333, hwnd, nullptr, instance,
                    nullptr);
    CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 300, 75, 25, hwnd,
                    reinterpret_cast<HMENU>(1), instance, nullptr);
    CreateWindowExW(0, L"BUTTON", L"Shown", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 10, 10, 120, 20, hwnd,
                    reinterpret_cast<HMENU>(2), instance, nullptr);
    ShowWindow(hwnd, show);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
