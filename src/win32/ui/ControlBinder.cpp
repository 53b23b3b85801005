#include "win32/ui/ControlBinder.h"

#include "win32/platform/SystemMessage.h"
#include "win32/platform/TextConvert.h"

namespace vitrex::win32 {

ControlBinder::~ControlBinder() {
    widget_.SetObserver(nullptr);
    binding_.UnregisterHandle(handle_);
    binding_.UnregisterHandle(companion_.Get());
}

DWORD ControlBinder::ChildStyle() const {
    // Overlapping siblings paint in z-order only: frames below, overlays (a help panel) above.
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | binding_.NavigationStyle(widget_);
    if (binding_.ShownInParent(widget_)) style |= WS_VISIBLE;
    if (!binding_.EnabledInParent(widget_)) style |= WS_DISABLED;
    return style;
}

HWND ControlBinder::CreateControl(const wchar_t* className, DWORD style, DWORD exStyle,
                                  const std::string& text) {
    style |= ChildStyle();
    const RECT bounds = binding_.DeviceBounds(widget_);
    const HWND control = ::CreateWindowExW(
        exStyle, className, Widen(text).c_str(), style, bounds.left, bounds.top, bounds.right - bounds.left,
        bounds.bottom - bounds.top, binding_.ParentHandleFor(widget_),
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(binding_.NextControlId())), binding_.Instance(),
        nullptr);
    if (control == nullptr) {
        ThrowLastError("CreateWindowExW");
    }
    control_.Reset(control);
    SetHandle(control);
    ApplyFont();
    return control;
}

HWND ControlBinder::CreateCompanion(const wchar_t* className, DWORD style, DWORD exStyle,
                                    const std::string& text) {
    style |= WS_CHILD;
    if (binding_.ShownInParent(widget_)) style |= WS_VISIBLE;
    if (!binding_.EnabledInParent(widget_)) style |= WS_DISABLED;
    const HWND companion = ::CreateWindowExW(
        exStyle, className, Widen(text).c_str(), style, 0, 0, 0, 0, binding_.ParentHandleFor(widget_),
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(binding_.NextControlId())), binding_.Instance(),
        nullptr);
    if (companion == nullptr) {
        ThrowLastError("CreateWindowExW");
    }
    companion_.Reset(companion);
    binding_.RegisterHandle(companion, this);
    ::SendMessageW(companion, WM_SETFONT, reinterpret_cast<WPARAM>(binding_.Fonts().Normal()), FALSE);
    return companion;
}

void ControlBinder::SetHandle(HWND handle) {
    binding_.UnregisterHandle(handle_);
    handle_ = handle;
    binding_.RegisterHandle(handle_, this);
}

void ControlBinder::PostDeferred() {
    ::PostMessageW(::GetParent(handle_), kDeferredMessage, 0, reinterpret_cast<LPARAM>(handle_));
}

void ControlBinder::Apply(ui::Change change) {
    switch (change) {
        case ui::Change::Caption: {
            ApplyScope scope(*this);
            ::SetWindowTextW(handle_, Widen(widget_.Caption()).c_str());
            break;
        }
        case ui::Change::Visible:
            ApplyVisibility();
            binding_.RefreshNested(widget_, change);
            break;
        case ui::Change::Enabled:
            ApplyEnabled();
            binding_.RefreshNested(widget_, change);
            break;
        case ui::Change::Bounds:
            Layout();
            binding_.RefreshNested(widget_, change);
            break;
        default:
            break;
    }
}

void ControlBinder::Layout() {
    const RECT bounds = binding_.DeviceBounds(widget_);
    ::SetWindowPos(handle_, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
                   bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ControlBinder::ApplyFont() {
    ::SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(binding_.Fonts().Normal()), TRUE);
    if (companion_) {
        ::SendMessageW(companion_.Get(), WM_SETFONT, reinterpret_cast<WPARAM>(binding_.Fonts().Normal()),
                       TRUE);
    }
}

void ControlBinder::ApplyVisibility() {
    const bool shown = binding_.ShownInParent(widget_);
    ShowNative(handle_, shown);
    if (companion_) ShowNative(companion_.Get(), shown);
}

void ControlBinder::ShowNative(HWND window, bool shown) const {
    if (shown) {
        ::ShowWindow(window, SW_SHOWNA);
        return;
    }
    const HWND focus = ::GetFocus();
    const bool hadFocus = focus != nullptr && (focus == window || ::IsChild(window, focus));
    ::ShowWindow(window, SW_HIDE);
    if (hadFocus) binding_.MoveFocusToFirstControl();
}

void ControlBinder::ApplyEnabled() {
    const BOOL enabled = binding_.EnabledInParent(widget_) ? TRUE : FALSE;
    ::EnableWindow(handle_, enabled);
    if (companion_) ::EnableWindow(companion_.Get(), enabled);
}

}  // namespace vitrex::win32
