#include "win32/ui/Binding.h"

#include <windowsx.h>

#include "win32/ui/ControlBinder.h"
#include "win32/ui/Dpi.h"

namespace vitrex::win32 {

Binding::Binding(HINSTANCE instance, HWND form, int dpi)
    : instance_(instance), form_(form), dpi_(dpi), fonts_(std::make_unique<FontSet>(dpi)) {}

Binding::~Binding() {
    // Children were created after their parents: destroy them first.
    while (!binders_.empty())
        binders_.pop_back();
}

void Binding::BindTree(ui::Widget& root) {
    const std::size_t first = binders_.size();
    BindChildren(root);
    for (std::size_t i = first; i < binders_.size(); ++i)
        binders_[i]->Finish();
}

void Binding::BindChildren(ui::Widget& parent) {
    for (ui::Widget* child : parent.Children()) {
        std::unique_ptr<ControlBinder> binder = MakeBinder(*this, *child);
        if (binder == nullptr) continue;
        ControlBinder* raw = binder.get();
        byWidget_[child] = raw;
        binders_.push_back(std::move(binder));
        raw->Create();
        child->SetObserver([raw](ui::Widget&, ui::Change change) { raw->Apply(change); });
        BindChildren(*child);
    }
}

void Binding::SetDpi(int dpi) {
    if (dpi == dpi_) return;
    dpi_ = dpi;
    fonts_ = std::make_unique<FontSet>(dpi);
    for (const auto& binder : binders_) {
        binder->ApplyFont();
        binder->Layout();
        binder->DpiChanged();
    }
}

ControlBinder* Binding::BinderFor(const ui::Widget& widget) const {
    const auto found = byWidget_.find(&widget);
    return found == byWidget_.end() ? nullptr : found->second;
}

ControlBinder* Binding::BinderForHandle(HWND control) const {
    const auto found = byHandle_.find(control);
    return found == byHandle_.end() ? nullptr : found->second;
}

HWND Binding::HandleOf(const ui::Widget& widget) const {
    if (widget.Kind() == ui::WidgetKind::Form) return form_;
    const ControlBinder* binder = BinderFor(widget);
    return binder == nullptr ? nullptr : binder->Handle();
}

void Binding::RegisterHandle(HWND control, ControlBinder* binder) {
    if (control != nullptr) byHandle_[control] = binder;
}

void Binding::UnregisterHandle(HWND control) {
    byHandle_.erase(control);
}

bool Binding::IsWindowParent(const ui::Widget& widget) const {
    if (widget.Kind() == ui::WidgetKind::Form) return true;
    const ControlBinder* binder = BinderFor(widget);
    return binder != nullptr && binder->ContainerHandle() != nullptr;
}

HWND Binding::ParentHandleFor(const ui::Widget& widget) const {
    for (const ui::Widget* p = widget.Parent(); p != nullptr; p = p->Parent()) {
        if (p->Kind() == ui::WidgetKind::Form) return form_;
        if (const ControlBinder* binder = BinderFor(*p);
            binder != nullptr && binder->ContainerHandle() != nullptr) {
            return binder->ContainerHandle();
        }
    }
    return form_;
}

ui::Rect Binding::BoundsInParent(const ui::Widget& widget) const {
    ui::Rect bounds = widget.Bounds();
    for (const ui::Widget* p = widget.Parent(); p != nullptr && !IsWindowParent(*p); p = p->Parent()) {
        bounds.x += p->Bounds().x;
        bounds.y += p->Bounds().y;
    }
    return bounds;
}

RECT Binding::DeviceBounds(const ui::Widget& widget) const {
    return ScaleRect(BoundsInParent(widget), dpi_);
}

int Binding::Scale(int value) const {
    return ScaleForDpi(value, dpi_);
}

bool Binding::ShownInParent(const ui::Widget& widget) const {
    for (const ui::Widget* w = &widget; w != nullptr; w = w->Parent()) {
        if (!w->Visible()) return false;
        if (w->Parent() == nullptr || IsWindowParent(*w->Parent())) return true;
    }
    return true;
}

bool Binding::EnabledInParent(const ui::Widget& widget) const {
    for (const ui::Widget* w = &widget; w != nullptr; w = w->Parent()) {
        if (!w->Enabled()) return false;
        if (w->Parent() == nullptr || IsWindowParent(*w->Parent())) return true;
    }
    return true;
}

DWORD Binding::NavigationStyle(const ui::Widget& widget) const {
    DWORD style = widget.TabStop() ? WS_TABSTOP : 0;
    if (widget.Kind() != ui::WidgetKind::RadioButton) return style | WS_GROUP;
    // Radio buttons of one parent form one group: only the first starts it.
    for (const ui::Widget* sibling : widget.Parent()->Children()) {
        if (sibling->Kind() == ui::WidgetKind::RadioButton) {
            return sibling == &widget ? style | WS_GROUP : style;
        }
    }
    return style;
}

void Binding::MoveFocusToFirstControl() const {
    const HWND first = ::GetNextDlgTabItem(form_, nullptr, FALSE);
    ::SetFocus(first != nullptr ? first : form_);
}

void Binding::RefreshNested(const ui::Widget& frame, ui::Change change) {
    if (IsWindowParent(frame)) return;
    for (const auto& binder : binders_) {
        for (const ui::Widget* p = binder->Model().Parent(); p != nullptr && !IsWindowParent(*p);
             p = p->Parent()) {
            if (p != &frame) continue;
            if (change == ui::Change::Visible) binder->ApplyVisibility();
            if (change == ui::Change::Enabled) binder->ApplyEnabled();
            if (change == ui::Change::Bounds) binder->Layout();
            break;
        }
    }
}

bool Binding::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    ControlBinder* binder = nullptr;
    HWND control = nullptr;
    switch (message) {
        case WM_COMMAND:
            control = reinterpret_cast<HWND>(lParam);
            binder = BinderForHandle(control);
            // IsDialogMessage sends IDOK and IDCANCEL with the focused control as lParam.
            if (binder == nullptr || static_cast<UINT>(::GetDlgCtrlID(control)) != LOWORD(wParam))
                return false;
            binder->OnCommand(control, HIWORD(wParam));
            result = 0;
            return true;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            binder = BinderForHandle(header->hwndFrom);
            if (binder == nullptr) return false;
            result = binder->OnNotify(*header);
            return true;
        }
        case WM_HSCROLL:
        case WM_VSCROLL:
            binder = BinderForHandle(reinterpret_cast<HWND>(lParam));
            if (binder == nullptr) return false;
            binder->OnScroll(LOWORD(wParam));
            result = 0;
            return true;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            binder = BinderForHandle(item->hwndItem);
            if (binder == nullptr) return false;
            binder->OnDrawItem(*item);
            result = TRUE;
            return true;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX: {
            control = reinterpret_cast<HWND>(lParam);
            binder = BinderForHandle(control);
            if (binder == nullptr) return false;
            const HBRUSH brush = binder->OnCtlColor(control, message, reinterpret_cast<HDC>(wParam));
            if (brush == nullptr) return false;
            result = reinterpret_cast<LRESULT>(brush);
            return true;
        }
        case WM_SETCURSOR:
            binder = BinderForHandle(reinterpret_cast<HWND>(wParam));
            if (binder == nullptr || LOWORD(lParam) != HTCLIENT || !binder->OnSetCursor()) return false;
            result = TRUE;
            return true;
        case WM_CONTEXTMENU:
            binder = BinderForHandle(reinterpret_cast<HWND>(wParam));
            if (binder == nullptr) return false;
            binder->OnContextMenu(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            result = 0;
            return true;
        case kDeferredMessage:
            binder = BinderForHandle(reinterpret_cast<HWND>(lParam));
            if (binder != nullptr) binder->OnDeferred();
            result = 0;
            return true;
        default:
            return false;
    }
}

}  // namespace vitrex::win32
