#include <windows.h>

#include <string>

#include "Commands.h"
#include "Output.h"
#include "Target.h"

namespace vitrex::probe {

// listbox TARGET: count= and one item= line per entry of a list box (any process: the system
// carries LB_GETTEXT across). TARGET is usually --hwnd of a child found with "children".
int ListBoxCommand(Args& args) {
    HWND hwnd = nullptr;
    if (int code = ResolveTarget(args, hwnd); code != kDone) return code;
    const LRESULT count = SendMessageW(hwnd, LB_GETCOUNT, 0, 0);
    if (count == LB_ERR) {
        Field("error", "not a list box");
        return kFailed;
    }
    Field("count", static_cast<long long>(count));
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(hwnd, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring text(length > 0 ? static_cast<size_t>(length) + 1 : 1, L'\0');
        const LRESULT copied =
            SendMessageW(hwnd, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
        Field("item", Escaped(text));
    }
    return kDone;
}

}  // namespace vitrex::probe
