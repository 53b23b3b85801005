#include "win32/ui/Window.h"

#include "win32/platform/SystemMessage.h"
#include "win32/ui/FailureReport.h"

namespace vitrex::win32 {

namespace {

// Marks the windows whose user data is a Window*, so FromHandle never misreads a control's.
constexpr wchar_t kOwnerProperty[] = L"Vitrex.Window";

}  // namespace

Window::~Window() {
    DestroyNative();
}

Window* Window::FromHandle(HWND window) {
    if (window == nullptr || ::GetPropW(window, kOwnerProperty) == nullptr) return nullptr;
    return reinterpret_cast<Window*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}

void Window::RegisterClassOnce(HINSTANCE instance, const std::wstring& className, UINT classStyle,
                               HBRUSH background) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (::GetClassInfoExW(instance, className.c_str(), &existing)) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = &Window::Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = className.c_str();
    if (::RegisterClassExW(&windowClass) == 0) {
        ThrowLastError("RegisterClassExW");
    }
}

void Window::CreateNative(HINSTANCE instance, const std::wstring& className, DWORD exStyle,
                          const wchar_t* title, DWORD style, const RECT& bounds, HWND parent, UINT_PTR id) {
    const HWND created = ::CreateWindowExW(exStyle, className.c_str(), title, style, bounds.left, bounds.top,
                                           bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                                           reinterpret_cast<HMENU>(id), instance, this);
    if (created == nullptr) {
        ThrowLastError("CreateWindowExW");
    }
}

const ui::Component* Window::FailureSender() const {
    // A control container reports as the form it belongs to.
    const HWND root = ::GetAncestor(Handle(), GA_ROOT);
    const Window* top = root != Handle() ? FromHandle(root) : nullptr;
    return top != nullptr ? top->FailureSender() : nullptr;
}

void Window::DestroyNative() {
    const HWND window = handle_.Release();
    if (window == nullptr) return;
    // Unbind first: the destructor of the subclass has already run, so its HandleMessage must
    // not see WM_DESTROY.
    ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    ::RemovePropW(window, kOwnerProperty);
    ::DestroyWindow(window);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->handle_.Reset(window);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        ::SetPropW(window, kOwnerProperty, reinterpret_cast<HANDLE>(1));
    } else {
        self = reinterpret_cast<Window*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    if (self == nullptr) return ::DefWindowProcW(window, message, wParam, lParam);

    if (message == WM_NCDESTROY) {
        // Destroyed from outside (for example with its parent): forget the handle.
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        ::RemovePropW(window, kOwnerProperty);
        self->handle_.Release();
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // Handlers run through the form's dispatcher already; what gets here failed in the
        // binder itself, and must not unwind through the system's code.
        ReportFailure(self->FailureSender(), std::current_exception());
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace vitrex::win32
