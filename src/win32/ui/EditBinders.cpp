#include "win32/ui/EditBinders.h"

#include <commctrl.h>

#include <string>

#include "core/ui/HotKeyWord.h"
#include "core/ui/ShortCut.h"
#include "win32/platform/TextConvert.h"
#include "win32/ui/Theme.h"

namespace vitrex::win32 {

static_assert(ui::kHotKeyShift == HOTKEYF_SHIFT && ui::kHotKeyControl == HOTKEYF_CONTROL &&
              ui::kHotKeyAlt == HOTKEYF_ALT && ui::kHotKeyExtended == HOTKEYF_EXT);

namespace {

std::string WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

// Gap between the label of a labelled edit and its field, in 96-DPI pixels.
constexpr int kLabelSpacing = 3;

}  // namespace

void EditBinder::Create() {
    DWORD style = ES_AUTOHSCROLL;
    if (edit_.Kind() == ui::WidgetKind::Memo) {
        style = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
    }
    if (edit_.ReadOnly()) style |= ES_READONLY;
    if (Labeled()) label_ = CreateCompanion(L"STATIC", SS_LEFTNOWORDWRAP, 0, edit_.Caption());
    CreateControl(WC_EDITW, style, WS_EX_CLIENTEDGE, edit_.Text());
    if (edit_.MaxLength() != 0) ::SendMessageW(Handle(), EM_SETLIMITTEXT, edit_.MaxLength(), 0);
    if (Labeled()) Layout();
}

void EditBinder::Apply(ui::Change change) {
    switch (change) {
        case ui::Change::Text: {
            ApplyScope scope(*this);
            ::SetWindowTextW(Handle(), Widen(edit_.Text()).c_str());
            break;
        }
        case ui::Change::Style:
            ::SendMessageW(Handle(), EM_SETREADONLY, edit_.ReadOnly() ? TRUE : FALSE, 0);
            if (edit_.MaxLength() != 0) ::SendMessageW(Handle(), EM_SETLIMITTEXT, edit_.MaxLength(), 0);
            break;
        case ui::Change::Caption:
            // An edit's caption is the text of its label; plain edits and memos have none.
            if (label_ != nullptr) ::SetWindowTextW(label_, Widen(edit_.Caption()).c_str());
            break;
        default:
            ControlBinder::Apply(change);
            break;
    }
}

void EditBinder::Layout() {
    ControlBinder::Layout();
    if (label_ == nullptr) return;
    const RECT field = binding_.DeviceBounds(edit_);
    const int height = binding_.Fonts().LineHeight();
    const int bottom = field.top - binding_.Scale(kLabelSpacing);
    ::SetWindowPos(label_, nullptr, field.left, bottom - height, field.right - field.left, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void EditBinder::OnCommand(HWND control, UINT code) {
    if (control != Handle()) return;
    if (code == EN_CHANGE && !Applying()) edit_.UserSetText(WindowText(Handle()));
    if (code == EN_SETFOCUS) edit_.UserEnter();
    if (code == EN_KILLFOCUS) edit_.UserExit();
}

HBRUSH EditBinder::OnCtlColor(HWND control, UINT, HDC dc) {
    // The label stands on the container; a read-only field keeps the system's colours.
    return control == label_ ? ParentBackgroundBrush(control, dc) : nullptr;
}

HotKeyBinder::~HotKeyBinder() {
    if (Handle() != nullptr) ::RemoveWindowSubclass(Handle(), &HotKeyBinder::FieldProc, 0);
}

void HotKeyBinder::Create() {
    CreateControl(HOTKEY_CLASSW, 0, WS_EX_CLIENTEDGE, {});
    // The model's combination flags are the control's HKCOMB_ values; the replacement is turned
    // from shortcut bits into the control's modifier flags.
    const std::uint8_t flags = ui::HotKeyModifierFlags(ui::ShortCut(hotKey_.ReplacementModifiers()));
    ::SendMessageW(Handle(), HKM_SETRULES, hotKey_.RefusedCombinations(), MAKELPARAM(flags, 0));
    // The control tells nobody when it loses the focus.
    ::SetWindowSubclass(Handle(), &HotKeyBinder::FieldProc, 0, reinterpret_cast<DWORD_PTR>(this));
    Apply(ui::Change::Value);
}

LRESULT CALLBACK HotKeyBinder::FieldProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self) noexcept {
    if (message == WM_KILLFOCUS) reinterpret_cast<HotKeyBinder*>(self)->PostDeferred();
    return ::DefSubclassProc(window, message, wParam, lParam);
}

void HotKeyBinder::Apply(ui::Change change) {
    if (change != ui::Change::Value) {
        ControlBinder::Apply(change);
        return;
    }
    ApplyScope scope(*this);
    ::SendMessageW(Handle(), HKM_SETHOTKEY, ui::HotKeyFromShortcut(hotKey_.Value()), 0);
}

void HotKeyBinder::OnCommand(HWND, UINT code) {
    if (code != EN_CHANGE || Applying()) return;
    const auto hotKey = static_cast<std::uint16_t>(::SendMessageW(Handle(), HKM_GETHOTKEY, 0, 0));
    hotKey_.UserSetValue(ui::ShortcutFromHotKey(hotKey));
}

}  // namespace vitrex::win32
