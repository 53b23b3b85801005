#pragma once

#include <windows.h>

#include <memory>
#include <unordered_map>
#include <vector>

#include "core/ui/Widget.h"
#include "win32/ui/Fonts.h"

namespace vitrex::win32 {

class ControlBinder;

// Posted by a binder to its container to finish work after the control's notification burst
// (lParam: the control's window).
inline constexpr UINT kDeferredMessage = WM_APP + 0x56;

// First identifier of the controls; below it are IDOK, IDCANCEL and the other dialog commands.
inline constexpr UINT kFirstControlId = 1000;

// The real controls of one form: creates a binder per widget, in model order, knows where each
// widget goes (its real parent window and the offset of group boxes, which are frames only),
// and routes the notifications that containers receive to the binder of the sending control.
class Binding {
public:
    Binding(HINSTANCE instance, HWND form, int dpi);
    ~Binding();
    Binding(const Binding&) = delete;
    Binding& operator=(const Binding&) = delete;

    HINSTANCE Instance() const { return instance_; }
    HWND FormHandle() const { return form_; }
    int Dpi() const { return dpi_; }
    const FontSet& Fonts() const { return *fonts_; }

    // Creates the controls of every descendant of `root`, in model order (the tab order).
    void BindTree(ui::Widget& root);
    // New fonts and positions for a window moved to a monitor with another DPI.
    void SetDpi(int dpi);

    ControlBinder* BinderFor(const ui::Widget& widget) const;
    ControlBinder* BinderForHandle(HWND control) const;
    HWND HandleOf(const ui::Widget& widget) const;
    void RegisterHandle(HWND control, ControlBinder* binder);
    void UnregisterHandle(HWND control);
    UINT NextControlId() { return nextId_++; }

    // The window a widget's control is created in.
    HWND ParentHandleFor(const ui::Widget& widget) const;
    // The widget's bounds in its parent window's client area, in 96-DPI pixels.
    ui::Rect BoundsInParent(const ui::Widget& widget) const;
    // The same in device pixels at the current DPI.
    RECT DeviceBounds(const ui::Widget& widget) const;
    int Scale(int value) const;
    // Visible (enabled) itself and in every frame between it and its parent window.
    bool ShownInParent(const ui::Widget& widget) const;
    bool EnabledInParent(const ui::Widget& widget) const;
    // WS_TABSTOP for controls that take the focus; WS_GROUP to end a radio-button group.
    DWORD NavigationStyle(const ui::Widget& widget) const;

    // Focus for the first control that takes it (the one the focus was in went out of sight).
    void MoveFocusToFirstControl() const;

    // A frame changed: the controls placed through it follow its visibility, state and place.
    void RefreshNested(const ui::Widget& frame, ui::Change change);

    // WM_COMMAND, WM_NOTIFY, WM_HSCROLL, WM_DRAWITEM, WM_CTLCOLOR..., WM_SETCURSOR,
    // WM_CONTEXTMENU and kDeferredMessage that a container got, handed to the control's binder.
    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    const std::vector<std::unique_ptr<ControlBinder>>& Binders() const { return binders_; }

private:
    bool IsWindowParent(const ui::Widget& widget) const;
    void BindChildren(ui::Widget& parent);

    HINSTANCE instance_;
    HWND form_;
    int dpi_;
    std::unique_ptr<FontSet> fonts_;
    UINT nextId_ = kFirstControlId;
    std::vector<std::unique_ptr<ControlBinder>> binders_;
    std::unordered_map<const ui::Widget*, ControlBinder*> byWidget_;
    std::unordered_map<HWND, ControlBinder*> byHandle_;
};

// One binder per widget kind; defined with the binders.
std::unique_ptr<ControlBinder> MakeBinder(Binding& binding, ui::Widget& widget);

}  // namespace vitrex::win32
