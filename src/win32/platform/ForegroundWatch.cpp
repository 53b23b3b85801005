#include "win32/platform/ForegroundWatch.h"

namespace vitrex::win32 {

namespace {

constexpr UINT kChangedMessage = WM_APP + 1;
constexpr wchar_t kClassName[] = L"VitrexForegroundWatch";

}  // namespace

ForegroundWatch::~ForegroundWatch() {
    Stop();
}

bool ForegroundWatch::Start() {
    if (Watching()) return true;
    if (!window_) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &WindowProc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kClassName;
        // A second watch finds the class registered already; any other refusal ends the start.
        if (::RegisterClassExW(&windowClass) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            return false;
        window_.Reset(::CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        windowClass.hInstance, nullptr));
        if (!window_) return false;
        ::SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    try {
        thread_ = std::jthread([target = window_.Get()](std::stop_token stop) { Watch(target, stop); });
    } catch (...) {
        return false;
    }
    return true;
}

void ForegroundWatch::Stop() {
    if (!Watching()) return;
    thread_.request_stop();
    thread_.join();
    // What the thread posted before it stopped is no longer wanted.
    MSG message;
    while (::PeekMessageW(&message, window_.Get(), kChangedMessage, kChangedMessage, PM_REMOVE)) {
    }
}

void ForegroundWatch::Watch(HWND target, const std::stop_token& stop) {
    // Nothing is known at the start: the first look reports whatever has the foreground, so a
    // change made just before the watch began is not missed.
    HWND last = reinterpret_cast<HWND>(-1);
    for (;;) {
        ::Sleep(kPeriodMs);
        if (stop.stop_requested()) return;
        const HWND foreground = ::GetForegroundWindow();
        if (foreground == last) continue;
        last = foreground;
        ::PostMessageW(target, kChangedMessage, 0, 0);
    }
}

LRESULT CALLBACK ForegroundWatch::WindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) noexcept {
    if (message != kChangedMessage) return ::DefWindowProcW(window, message, wParam, lParam);
    auto* self = reinterpret_cast<ForegroundWatch*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || !self->Watching() || !self->changed_) return 0;
    // Nothing may leave a window procedure.
    try {
        self->changed_();
    } catch (...) {
        ::OutputDebugStringW(L"Vitrex: a foreground change's handler failed\n");
    }
    return 0;
}

}  // namespace vitrex::win32
