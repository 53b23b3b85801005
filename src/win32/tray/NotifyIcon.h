#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>
#include <string_view>

namespace vitrex::win32 {

// Text cut to fit a NOTIFYICONDATAW field of `capacity` characters with its terminating zero,
// never between the two halves of a surrogate pair.
std::wstring FitNotifyText(std::wstring_view text, std::size_t capacity);

// One icon in the notification area, owned: the constructor adds it, the destructor deletes it.
// It speaks NOTIFYICON_VERSION_4 (callbacks carry the event in the low word of lParam and the
// anchor point in wParam) and shows the standard tooltip (NIF_SHOWTIP). The icon handle stays
// the caller's; the shell keeps a copy of its own.
//
// A shell that is not running yet (a program started at logon before the taskbar) refuses the
// add: Added() is then false, and the next change, or Readd once the shell announces itself
// with "TaskbarCreated", adds it.
class NotifyIcon {
public:
    static constexpr UINT kId = 1;

    NotifyIcon(HWND window, UINT callbackMessage, HICON icon, std::wstring tip);
    ~NotifyIcon();
    NotifyIcon(const NotifyIcon&) = delete;
    NotifyIcon& operator=(const NotifyIcon&) = delete;

    bool Added() const { return added_; }
    // Whether the shell took version 4; callbacks come in the old form otherwise.
    bool Version4() const { return version4_; }

    bool SetIcon(HICON icon);
    bool SetTip(std::wstring tip);
    // NIF_INFO: a balloon at the icon. `infoFlags` is NIIF_NONE, NIIF_INFO, NIIF_WARNING or
    // NIIF_ERROR.
    bool ShowBalloon(const std::wstring& title, const std::wstring& text, UINT timeoutMs, DWORD infoFlags);
    // The shell restarted and forgot its icons: add this one again, with `icon` (made anew at the
    // current small-icon size) and the current tip.
    bool Readd(HICON icon);

private:
    NOTIFYICONDATAW Data(UINT flags) const;
    bool Add();
    bool Modify(UINT flags);

    HWND window_;
    UINT callbackMessage_;
    HICON icon_;
    std::wstring tip_;
    bool added_ = false;
    bool version4_ = false;
};

}  // namespace vitrex::win32
