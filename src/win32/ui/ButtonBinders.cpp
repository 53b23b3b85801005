#include "win32/ui/ButtonBinders.h"

#include "win32/ui/Theme.h"

namespace vitrex::win32 {

namespace {
constexpr COLORREF kWarningColor = RGB(0xC0, 0x00, 0x00);
}  // namespace

void LabelBinder::Create() {
    CreateControl(L"STATIC", StaticStyle(), 0, label_.Caption());
}

DWORD LabelBinder::StaticStyle() const {
    return SS_NOTIFY | (label_.WordWrap() ? SS_LEFT : SS_LEFTNOWORDWRAP);
}

void LabelBinder::Apply(ui::Change change) {
    if (change != ui::Change::Style) {
        ControlBinder::Apply(change);
        return;
    }
    LONG_PTR style = ::GetWindowLongPtrW(Handle(), GWL_STYLE);
    style = (style & ~static_cast<LONG_PTR>(SS_TYPEMASK)) | StaticStyle();
    ::SetWindowLongPtrW(Handle(), GWL_STYLE, style);
    ApplyFont();
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

void LabelBinder::ApplyFont() {
    ::SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(binding_.Fonts().For(label_.Style())),
                   TRUE);
}

void LabelBinder::OnCommand(HWND, UINT code) {
    if (code == STN_CLICKED) label_.UserClick();
}

HBRUSH LabelBinder::OnCtlColor(HWND control, UINT, HDC dc) {
    if (label_.Style() == ui::TextStyle::Link) ::SetTextColor(dc, LinkTextColor());
    if (label_.Style() == ui::TextStyle::Warning) ::SetTextColor(dc, kWarningColor);
    return ParentBackgroundBrush(control, dc);
}

bool LabelBinder::OnSetCursor() {
    if (label_.Style() != ui::TextStyle::Link) return false;
    ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
    return true;
}

void ButtonBinder::Create() {
    CreateControl(L"BUTTON", button_.Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, 0, button_.Caption());
}

void ButtonBinder::Apply(ui::Change change) {
    if (change == ui::Change::Style) {
        ::SendMessageW(Handle(), BM_SETSTYLE, button_.Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
        return;
    }
    ControlBinder::Apply(change);
}

void ButtonBinder::OnCommand(HWND, UINT code) {
    if (code == BN_CLICKED) button_.UserClick();
}

void CheckBinder::Create() {
    CreateControl(L"BUTTON", IsRadio() ? BS_RADIOBUTTON | BS_NOTIFY : BS_CHECKBOX, 0, check_.Caption());
    ::SendMessageW(Handle(), BM_SETCHECK, check_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBinder::Finish() {
    UpdateRadioTabStops();
}

void CheckBinder::Apply(ui::Change change) {
    if (change != ui::Change::Checked) {
        ControlBinder::Apply(change);
        return;
    }
    ::SendMessageW(Handle(), BM_SETCHECK, check_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    UpdateRadioTabStops();
}

void CheckBinder::OnCommand(HWND, UINT code) {
    if (code == BN_CLICKED) check_.UserClick();
    // The arrow keys move the focus within a radio group, and the focus chooses. Some systems
    // report that as a click as well; choosing the chosen button again reports nothing.
    if (code == BN_SETFOCUS && IsRadio() && ::GetCapture() != Handle()) check_.UserClick();
}

HBRUSH CheckBinder::OnCtlColor(HWND control, UINT, HDC dc) {
    return ParentBackgroundBrush(control, dc);
}

void CheckBinder::UpdateRadioTabStops() const {
    if (!IsRadio() || check_.Parent() == nullptr) return;
    const ui::Widget* stop = nullptr;
    for (const ui::Widget* sibling : check_.Parent()->Children()) {
        if (sibling->Kind() != ui::WidgetKind::RadioButton) continue;
        if (stop == nullptr) stop = sibling;
        if (static_cast<const ui::CheckControl*>(sibling)->Checked()) {
            stop = sibling;
            break;
        }
    }
    for (const ui::Widget* sibling : check_.Parent()->Children()) {
        if (sibling->Kind() != ui::WidgetKind::RadioButton) continue;
        const HWND button = binding_.HandleOf(*sibling);
        if (button == nullptr) continue;
        LONG_PTR style = ::GetWindowLongPtrW(button, GWL_STYLE);
        style = sibling == stop ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
        ::SetWindowLongPtrW(button, GWL_STYLE, style);
    }
}

void GroupBoxBinder::Create() {
    // Clipped by the controls drawn inside it, so that repainting the frame never covers them.
    CreateControl(L"BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS, 0, Model().Caption());
}

void GroupBoxBinder::Finish() {
    // Below its siblings, so the controls inside are above the frame; a group box takes no
    // focus, so its place in the tab order does not matter.
    ::SetWindowPos(Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

HBRUSH GroupBoxBinder::OnCtlColor(HWND control, UINT, HDC dc) {
    return ParentBackgroundBrush(control, dc);
}

}  // namespace vitrex::win32
