#include "win32/ui/ButtonBinders.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "win32/UniqueHandle.h"
#include "win32/platform/TextConvert.h"
#include "win32/ui/FailureReport.h"
#include "win32/ui/Theme.h"

namespace vitrex::win32 {

namespace {
constexpr COLORREF kWarningColor = RGB(0xC0, 0x00, 0x00);
}  // namespace

LabelBinder::~LabelBinder() {
    if (Handle() != nullptr) ::RemoveWindowSubclass(Handle(), &LabelBinder::LinkProc, 0);
}

void LabelBinder::Create() {
    CreateControl(L"STATIC", StaticStyle(), 0, label_.Caption());
    ::SetWindowSubclass(Handle(), &LabelBinder::LinkProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK LabelBinder::LinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR self) noexcept {
    auto* binder = reinterpret_cast<LabelBinder*>(self);
    if (!binder->IsLink()) return ::DefSubclassProc(window, message, wParam, lParam);
    switch (message) {
        case WM_GETDLGCODE: {
            // Enter would otherwise press the form's default button.
            const auto* key = reinterpret_cast<const MSG*>(lParam);
            LRESULT code = ::DefSubclassProc(window, message, wParam, lParam);
            if (key != nullptr && key->message == WM_KEYDOWN &&
                (key->wParam == VK_RETURN || key->wParam == VK_SPACE))
                code |= DLGC_WANTMESSAGE;
            return code;
        }
        case WM_KEYDOWN:
            if (wParam == VK_RETURN || wParam == VK_SPACE) {
                try {
                    binder->label_.UserClick();
                } catch (...) {
                    ReportFailure(&binder->label_, std::current_exception());
                }
                return 0;
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            ::InvalidateRect(window, nullptr, TRUE);
            break;
        case WM_PAINT: {
            const LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
            if (::GetFocus() == window) binder->PaintFocus();
            return result;
        }
        default:
            break;
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}

void LabelBinder::PaintFocus() const {
    const WindowDcScope window(Handle());
    const HDC dc = window.Dc();
    if (dc == nullptr) return;
    SelectObjectScope font(dc, binding_.Fonts().For(label_.Style()));
    const std::wstring text = Widen(label_.Caption());
    RECT area{};
    ::GetClientRect(Handle(), &area);
    RECT extent = area;
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &extent,
                DT_CALCRECT | DT_NOPREFIX | (label_.WordWrap() ? DT_WORDBREAK : DT_SINGLELINE));
    extent.right = std::min(extent.right + 1, area.right);
    extent.bottom = std::min(extent.bottom, area.bottom);
    ::DrawFocusRect(dc, &extent);
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
    style = (style & ~static_cast<LONG_PTR>(SS_TYPEMASK | WS_TABSTOP)) | StaticStyle() |
            (label_.TabStop() ? WS_TABSTOP : 0);
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
