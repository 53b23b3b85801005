// The one-line input box: a small modal dialog built in memory, so it needs no resource script
// and takes the system's dialog font and DPI scaling like any other dialog.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "win32/platform/TextConvert.h"
#include "win32/platform/Win32Dialogs.h"

namespace vitrex::win32 {

namespace {

constexpr WORD kPromptId = 100;
constexpr WORD kEditId = 101;

struct InputState {
    std::wstring title;
    std::wstring prompt;
    std::wstring text;
    std::wstring ok;
    std::wstring cancel;
};

class TemplateWriter {
public:
    void Word(WORD value) { words_.push_back(value); }
    void Dword(DWORD value) {
        Word(LOWORD(value));
        Word(HIWORD(value));
    }
    void Text(const wchar_t* text) {
        for (; *text != L'\0'; ++text)
            Word(static_cast<WORD>(*text));
        Word(0);
    }
    void AlignDword() {
        if (words_.size() % 2 != 0) Word(0);
    }
    // One control: style, position in dialog units, identifier, predefined class atom, text.
    void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD classAtom,
              const wchar_t* text) {
        AlignDword();
        Dword(0);  // help id
        Dword(0);  // extended style
        Dword(style | WS_CHILD | WS_VISIBLE);
        Word(static_cast<WORD>(x));
        Word(static_cast<WORD>(y));
        Word(static_cast<WORD>(cx));
        Word(static_cast<WORD>(cy));
        Dword(id);
        Word(0xFFFF);
        Word(classAtom);
        Text(text);
        Word(0);  // no creation data
    }
    std::vector<WORD>& Words() { return words_; }

private:
    std::vector<WORD> words_;
};

// An extended dialog template (DLGTEMPLATEEX) with the prompt, the edit field, OK and Cancel.
std::vector<WORD> BuildTemplate() {
    TemplateWriter t;
    t.Word(1);       // version
    t.Word(0xFFFF);  // extended template
    t.Dword(0);      // help id
    t.Dword(0);      // extended style
    t.Dword(DS_SHELLFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    t.Word(4);  // items
    t.Word(0);
    t.Word(0);
    t.Word(220);
    t.Word(62);
    t.Word(0);  // no menu
    t.Word(0);  // default class
    t.Word(0);  // title set at run time
    t.Word(8);  // point size
    t.Word(FW_NORMAL);
    t.Word(0);  // italic, charset
    t.Text(L"MS Shell Dlg");
    t.Item(SS_LEFT | SS_NOPREFIX, 7, 7, 206, 10, kPromptId, 0x0082, L"");
    t.Item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 19, 206, 14, kEditId, 0x0081, L"");
    t.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 109, 41, 50, 14, IDOK, 0x0080, L"OK");
    t.Item(BS_PUSHBUTTON | WS_TABSTOP, 163, 41, 50, 14, IDCANCEL, 0x0080, L"Cancel");
    return std::move(t.Words());
}

INT_PTR CALLBACK InputProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case WM_INITDIALOG: {
            auto* state = reinterpret_cast<InputState*>(lParam);
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            SetWindowTextW(dialog, state->title.c_str());
            SetDlgItemTextW(dialog, kPromptId, state->prompt.c_str());
            SetDlgItemTextW(dialog, kEditId, state->text.c_str());
            SetDlgItemTextW(dialog, IDOK, state->ok.c_str());
            SetDlgItemTextW(dialog, IDCANCEL, state->cancel.c_str());
            HWND edit = GetDlgItem(dialog, kEditId);
            SendMessageW(edit, EM_SETSEL, 0, -1);
            SetFocus(edit);
            return FALSE;  // the focus is set
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                auto* state = reinterpret_cast<InputState*>(GetWindowLongPtrW(dialog, DWLP_USER));
                HWND edit = GetDlgItem(dialog, kEditId);
                std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
                text.resize(static_cast<std::size_t>(
                    GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
                state->text = std::move(text);
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

std::optional<std::string> Win32Dialogs::InputQuery(const std::string& title, const std::string& prompt,
                                                    const std::string& initial, const InputButtons& buttons) {
    InputState state{Widen(title), Widen(prompt), Widen(initial), Widen(buttons.ok), Widen(buttons.cancel)};
    std::vector<WORD> dialogTemplate = BuildTemplate();
    const INT_PTR result =
        DialogBoxIndirectParamW(instance_, reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()), owner_,
                                InputProc, reinterpret_cast<LPARAM>(&state));
    if (result != IDOK) return std::nullopt;
    return Narrow(state.text);
}

}  // namespace vitrex::win32
