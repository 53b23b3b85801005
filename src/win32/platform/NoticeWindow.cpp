#include "win32/platform/NoticeWindow.h"

namespace vitrex::win32 {

namespace {

constexpr UINT kNoticeMessage = WM_APP + 1;

}  // namespace

bool NoticeWindow::Create() {
    if (window_) return true;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &WindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className_;
    // A second window of the class finds it registered already; any other refusal ends it.
    if (::RegisterClassExW(&windowClass) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    window_.Reset(::CreateWindowExW(0, className_, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    windowClass.hInstance, nullptr));
    if (!window_) return false;
    ::SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return true;
}

bool NoticeWindow::Post(HWND window, WPARAM value) {
    return ::PostMessageW(window, kNoticeMessage, value, 0) != FALSE;
}

void NoticeWindow::DropPosted() {
    if (!window_) return;
    MSG message;
    while (::PeekMessageW(&message, window_.Get(), kNoticeMessage, kNoticeMessage, PM_REMOVE)) {
    }
}

LRESULT CALLBACK NoticeWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message != kNoticeMessage) return ::DefWindowProcW(window, message, wParam, lParam);
    auto* self = reinterpret_cast<NoticeWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || !self->receiving_ || !self->received_) return 0;
    // Nothing may leave a window procedure.
    try {
        self->received_(wParam);
    } catch (...) {
        ::OutputDebugStringW(L"Vitrex: a watch's notice failed\n");
    }
    return 0;
}

}  // namespace vitrex::win32
