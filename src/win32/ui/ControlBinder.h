#pragma once

#include <windows.h>

#include <string>

#include "core/ui/Widget.h"
#include "win32/UniqueHandle.h"
#include "win32/ui/Binding.h"

namespace vitrex::win32 {

// Keeps one real control in step with one widget: creates it, applies the widget's changes
// (observer), and turns the control's notifications, reflected by its container, into the
// widget's User... calls. One subclass per widget kind.
class ControlBinder {
public:
    ControlBinder(Binding& binding, ui::Widget& widget) : binding_(binding), widget_(widget) {}
    virtual ~ControlBinder();
    ControlBinder(const ControlBinder&) = delete;
    ControlBinder& operator=(const ControlBinder&) = delete;

    ui::Widget& Model() const { return widget_; }
    HWND Handle() const { return handle_; }
    // The window the widget's children are created in, for container kinds.
    virtual HWND ContainerHandle() const { return nullptr; }

    virtual void Create() = 0;
    // After every control of the tree exists.
    virtual void Finish() {}

    // A programmatic change of the widget.
    virtual void Apply(ui::Change change);
    virtual void Layout();
    virtual void ApplyFont();
    virtual void ApplyVisibility();
    virtual void ApplyEnabled();
    virtual void DpiChanged() {}

    // Notifications of the control, reflected by its container.
    virtual void OnCommand(HWND /*control*/, UINT /*code*/) {}
    virtual LRESULT OnNotify(const NMHDR& /*header*/) { return 0; }
    virtual void OnScroll(UINT /*code*/) {}
    virtual void OnDrawItem(const DRAWITEMSTRUCT& /*item*/) {}
    // A brush for WM_CTLCOLOR..., or null for the system's default colours.
    virtual HBRUSH OnCtlColor(HWND /*control*/, UINT /*message*/, HDC /*dc*/) { return nullptr; }
    virtual bool OnSetCursor() { return false; }
    virtual void OnContextMenu(POINT /*screen*/) {}
    virtual void OnDeferred() {}

protected:
    // Creates a system control in the widget's parent window at the widget's place, with the
    // widget's visibility, state, tab-order style and the form's font.
    HWND CreateControl(const wchar_t* className, DWORD style, DWORD exStyle, const std::string& text);
    // A second window that belongs to the same widget (the label of a labelled edit).
    HWND CreateCompanion(const wchar_t* className, DWORD style, DWORD exStyle, const std::string& text);
    // WS_CHILD with the widget's visibility, state and tab-order style.
    DWORD ChildStyle() const;
    // For controls that are windows of this program's own classes.
    void SetHandle(HWND handle);
    void PostDeferred();
    // Shows or hides one of the widget's windows; the keyboard focus does not stay behind in a
    // window that is hidden.
    void ShowNative(HWND window, bool shown) const;

    // While a programmatic change is written to the control, the notifications it echoes
    // are not user actions.
    class ApplyScope {
    public:
        explicit ApplyScope(ControlBinder& binder) : binder_(binder) { ++binder_.applying_; }
        ~ApplyScope() { --binder_.applying_; }
        ApplyScope(const ApplyScope&) = delete;
        ApplyScope& operator=(const ApplyScope&) = delete;

    private:
        ControlBinder& binder_;
    };
    bool Applying() const { return applying_ > 0; }

    Binding& binding_;

private:
    ui::Widget& widget_;
    HWND handle_ = nullptr;
    UniqueWindow control_;
    UniqueWindow companion_;
    int applying_ = 0;
};

}  // namespace vitrex::win32
