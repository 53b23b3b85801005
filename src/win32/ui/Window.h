#pragma once

#include <windows.h>

#include <string>

#include "core/ui/Component.h"
#include "win32/UniqueHandle.h"

namespace vitrex::win32 {

// A native window of a class this program registers. `this` is bound to the HWND at
// WM_NCCREATE; the window procedure hands each message to HandleMessage, where subclasses only
// unpack the parameters and call named On... members. No exception ever leaves the procedure.
class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return handle_.Get(); }

    // The window of this program behind a handle, or null for other windows.
    static Window* FromHandle(HWND window);

protected:
    // Registers the class once per process (later calls with the same name are no-ops).
    static void RegisterClassOnce(HINSTANCE instance, const std::wstring& className, UINT classStyle,
                                  HBRUSH background);

    // Creates the window; throws SystemError when the system refuses.
    void CreateNative(HINSTANCE instance, const std::wstring& className, DWORD exStyle, const wchar_t* title,
                      DWORD style, const RECT& bounds, HWND parent, UINT_PTR id = 0);

    // Messages the subclass does not handle go here.
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
        return ::DefWindowProcW(Handle(), message, wParam, lParam);
    }

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    // The component a failure caught at this window's procedure is logged for; by default the
    // one of the top-level window this window lies in.
    virtual const ui::Component* FailureSender() const;

    // Destroys the native window now; the object no longer receives messages.
    void DestroyNative();

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    UniqueWindow handle_;
};

}  // namespace vitrex::win32
