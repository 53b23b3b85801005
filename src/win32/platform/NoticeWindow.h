#pragma once

#include <windows.h>

#include <functional>

#include "win32/UniqueHandle.h"

namespace vitrex::win32 {

// A message-only window of the thread that makes it, through which a worker thread hands that
// thread a notice: Post may be called from any thread, `received` runs on the window's own thread
// with the notice's value, between its other messages.
class NoticeWindow {
public:
    using Received = std::function<void(WPARAM)>;

    NoticeWindow(const wchar_t* className, Received received)
        : className_(className), received_(std::move(received)) {}
    NoticeWindow(const NoticeWindow&) = delete;
    NoticeWindow& operator=(const NoticeWindow&) = delete;

    // On the receiving thread; false when the class or the window cannot be made. Made already:
    // nothing.
    bool Create();
    // The window to post to; null before Create. The handle may be handed to another thread.
    HWND Get() const { return window_.Get(); }
    // From any thread; false when the notice could not be queued.
    static bool Post(HWND window, WPARAM value);
    // On the receiving thread: the notices posted and not yet received are dropped.
    void DropPosted();
    // While held, notices are received; otherwise they are dropped as they arrive.
    void SetReceiving(bool receiving) { receiving_ = receiving; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    const wchar_t* className_;
    Received received_;
    bool receiving_ = false;
    UniqueWindow window_;
};

}  // namespace vitrex::win32
