// Ordinary windows of another program for the end-to-end tests: vtxsample.exe opens a few
// plain top-level windows, titled "Sample 1", "Sample 2", ... and ends when the last one closes.
//   vtxsample.exe [--count N] [--title PREFIX] [--hang-after MS] [--own-alpha A] [--per-pixel 1]
// --hang-after stops answering messages that long after start, as a hung program does.
// --own-alpha makes the windows layered with alpha A, as a program that fades its own windows;
// --per-pixel draws them with per-pixel alpha (UpdateLayeredWindow), as a shaped widget does.
// --churn MS opens one more window every MS ms and closes the oldest, so windows come and go
// for as long as the program runs (the soak run).
// --full-screen 1 opens borderless popups the size of the primary monitor, as a video player or a
// game in full screen.
// --click-log FILE appends a line "down TITLE" to FILE for every press of the left mouse button
// in a window's client area, so a test can tell which window a click reached.
#include <windows.h>

#include <shellapi.h>

#include <cwchar>
#include <deque>
#include <string>

namespace {

int openWindows = 0;
std::wstring clickLog;

void LogClick(HWND window) {
    wchar_t title[256] = L"";
    GetWindowTextW(window, title, 256);
    char utf8[1024] = "";
    WideCharToMultiByte(CP_UTF8, 0, title, -1, utf8, sizeof utf8, nullptr, nullptr);
    const std::string line = std::string("down ") + utf8 + "\r\n";
    HANDLE file = CreateFileW(clickLog.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}

// Half-transparent blue, drawn the way programs with per-pixel alpha draw their windows.
void DrawPerPixel(HWND window, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    auto* pixels = static_cast<DWORD*>(bits);
    for (int i = 0; i < width * height; ++i)
        pixels[i] = 0x80142864u;  // premultiplied
    POINT source{0, 0};
    SIZE size{width, height};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(window, screen, nullptr, &size, memory, &source, 0, &blend, ULW_ALPHA);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(hwnd, &paint);
            RECT client;
            GetClientRect(hwnd, &client);
            // A strong colour, so that translucency shows in screenshots.
            HBRUSH brush = CreateSolidBrush(RGB(40, 90, 200));
            FillRect(dc, &client, brush);
            DeleteObject(brush);
            EndPaint(hwnd, &paint);
            return 0;
        }
        case WM_LBUTTONDOWN:
            if (!clickLog.empty()) LogClick(hwnd);
            return 0;
        case WM_DESTROY:
            if (--openWindows == 0) PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int count = 3;
    std::wstring prefix = L"Sample";
    int hangAfterMs = -1;
    int ownAlpha = -1;
    bool perPixel = false;
    int churnMs = -1;
    bool fullScreen = false;
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::wcscmp(argv[i], L"--count") == 0) count = _wtoi(argv[i + 1]);
        if (std::wcscmp(argv[i], L"--title") == 0) prefix = argv[i + 1];
        if (std::wcscmp(argv[i], L"--hang-after") == 0) hangAfterMs = _wtoi(argv[i + 1]);
        if (std::wcscmp(argv[i], L"--own-alpha") == 0) ownAlpha = _wtoi(argv[i + 1]);
        if (std::wcscmp(argv[i], L"--per-pixel") == 0) perPixel = _wtoi(argv[i + 1]) != 0;
        if (std::wcscmp(argv[i], L"--churn") == 0) churnMs = _wtoi(argv[i + 1]);
        if (std::wcscmp(argv[i], L"--full-screen") == 0) fullScreen = _wtoi(argv[i + 1]) != 0;
        if (std::wcscmp(argv[i], L"--click-log") == 0) clickLog = argv[i + 1];
    }
    LocalFree(argv);

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.lpszClassName = L"VtxSample";
    RegisterClassExW(&windowClass);

    std::deque<HWND> windows;
    const auto open = [&](int i) {
        const std::wstring title = prefix + L" " + std::to_wstring(i);
        const DWORD exStyle = ownAlpha >= 0 || perPixel ? WS_EX_LAYERED : 0;
        const int place = (i - 1) % 5;
        HWND window =
            fullScreen
                ? CreateWindowExW(exStyle, L"VtxSample", title.c_str(), WS_POPUP, 0, 0,
                                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                                  nullptr, instance, nullptr)
                : CreateWindowExW(exStyle, L"VtxSample", title.c_str(), WS_OVERLAPPEDWINDOW, 60 + 140 * place,
                                  60 + 90 * place, 360, 240, nullptr, nullptr, instance, nullptr);
        if (window == nullptr) return false;
        ++openWindows;
        if (perPixel) {
            DrawPerPixel(window, 360, 240);
        } else if (ownAlpha >= 0) {
            SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(ownAlpha), LWA_ALPHA);
        }
        ShowWindow(window, SW_SHOWNORMAL);
        UpdateWindow(window);
        windows.push_back(window);
        return true;
    };
    int opened = 0;
    for (; opened < count; ++opened) {
        if (!open(opened + 1)) return 1;
    }

    const DWORD start = GetTickCount();
    DWORD lastChurn = start;
    MSG message;
    for (;;) {
        if (hangAfterMs >= 0 && GetTickCount() - start >= static_cast<DWORD>(hangAfterMs)) {
            Sleep(INFINITE);
        }
        if (churnMs > 0 && GetTickCount() - lastChurn >= static_cast<DWORD>(churnMs)) {
            lastChurn = GetTickCount();
            // The new one first: the program ends with its last window.
            if (open(++opened)) {
                while (windows.size() > 1 && !IsWindow(windows.front()))
                    windows.pop_front();
                if (windows.size() > 1) {
                    DestroyWindow(windows.front());
                    windows.pop_front();
                }
            }
        }
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT) == WAIT_TIMEOUT) continue;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}
