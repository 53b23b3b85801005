#include <windows.h>

#include <string>

#include "Commands.h"
#include "Output.h"
#include "Target.h"

namespace vitrex::probe {

// combo TARGET [--select N]: count=, selected= and one item= line per entry of a combo box. With
// --select the entry is chosen first as the user's click would choose it: the selection moves and
// the owner hears CBN_SELCHANGE.
int ComboBoxCommand(Args& args) {
    const std::optional<std::wstring> select = args.Option(L"--select");
    HWND hwnd = nullptr;
    if (int code = ResolveTarget(args, hwnd); code != kDone) return code;
    const LRESULT count = SendMessageW(hwnd, CB_GETCOUNT, 0, 0);
    if (count == CB_ERR) {
        Field("error", "not a combo box");
        return kFailed;
    }
    if (select) {
        const int index = std::stoi(*select);
        if (SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0) == CB_ERR) {
            Field("error", "no such entry");
            return kFailed;
        }
        const auto id = static_cast<WORD>(GetDlgCtrlID(hwnd));
        SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(hwnd));
    }
    Field("count", static_cast<long long>(SendMessageW(hwnd, CB_GETCOUNT, 0, 0)));
    Field("selected", static_cast<long long>(SendMessageW(hwnd, CB_GETCURSEL, 0, 0)));
    for (LRESULT i = 0; i < SendMessageW(hwnd, CB_GETCOUNT, 0, 0); ++i) {
        const LRESULT length = SendMessageW(hwnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring text(length > 0 ? static_cast<size_t>(length) + 1 : 1, L'\0');
        const LRESULT copied =
            SendMessageW(hwnd, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
        Field("item", Escaped(text));
    }
    return kDone;
}

}  // namespace vitrex::probe
