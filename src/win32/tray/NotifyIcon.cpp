#include "win32/tray/NotifyIcon.h"

#include <algorithm>
#include <cwchar>

namespace vitrex::win32 {

std::wstring FitNotifyText(std::wstring_view text, std::size_t capacity) {
    if (capacity == 0) return {};
    std::size_t length = std::min(text.size(), capacity - 1);
    if (length < text.size() && length > 0 && IS_HIGH_SURROGATE(text[length - 1])) --length;
    return std::wstring(text.substr(0, length));
}

namespace {

template <std::size_t N>
void CopyField(wchar_t (&field)[N], const std::wstring& text) {
    const std::wstring fitted = FitNotifyText(text, N);
    std::wmemcpy(field, fitted.c_str(), fitted.size() + 1);
}

}  // namespace

NotifyIcon::NotifyIcon(HWND window, UINT callbackMessage, HICON icon, std::wstring tip)
    : window_(window), callbackMessage_(callbackMessage), icon_(icon), tip_(std::move(tip)) {
    Add();
}

NotifyIcon::~NotifyIcon() {
    if (!added_) return;
    NOTIFYICONDATAW data = Data(0);
    ::Shell_NotifyIconW(NIM_DELETE, &data);
}

NOTIFYICONDATAW NotifyIcon::Data(UINT flags) const {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window_;
    data.uID = kId;
    data.uFlags = flags;
    return data;
}

bool NotifyIcon::Add() {
    NOTIFYICONDATAW data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP);
    data.uCallbackMessage = callbackMessage_;
    data.hIcon = icon_;
    CopyField(data.szTip, tip_);
    // An icon still there from before (a "TaskbarCreated" that was not a restart) is taken over.
    if (!::Shell_NotifyIconW(NIM_ADD, &data) && !::Shell_NotifyIconW(NIM_MODIFY, &data)) return false;
    added_ = true;
    NOTIFYICONDATAW version = Data(0);
    version.uVersion = NOTIFYICON_VERSION_4;
    version4_ = ::Shell_NotifyIconW(NIM_SETVERSION, &version) != FALSE;
    return true;
}

bool NotifyIcon::Modify(UINT flags) {
    // An icon the shell refused so far gets its whole state at once.
    if (!added_) return Add();
    NOTIFYICONDATAW data = Data(flags);
    data.hIcon = icon_;
    CopyField(data.szTip, tip_);
    if (flags & NIF_TIP) data.uFlags |= NIF_SHOWTIP;
    return ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

bool NotifyIcon::SetIcon(HICON icon) {
    icon_ = icon;
    return Modify(NIF_ICON);
}

bool NotifyIcon::SetTip(std::wstring tip) {
    tip_ = std::move(tip);
    return Modify(NIF_TIP);
}

bool NotifyIcon::ShowBalloon(const std::wstring& title, const std::wstring& text, UINT timeoutMs,
                             DWORD infoFlags) {
    if (!added_ && !Add()) return false;
    NOTIFYICONDATAW data = Data(NIF_INFO);
    CopyField(data.szInfoTitle, title);
    CopyField(data.szInfo, text);
    data.uTimeout = timeoutMs;
    data.dwInfoFlags = infoFlags | NIIF_RESPECT_QUIET_TIME;
    return ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

bool NotifyIcon::Readd(HICON icon) {
    icon_ = icon;
    added_ = false;
    return Add();
}

}  // namespace vitrex::win32
