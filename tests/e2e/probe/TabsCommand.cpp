#include <windows.h>

#include <commctrl.h>

#include "Commands.h"
#include "Output.h"
#include "Target.h"

namespace vitrex::probe {

// tabs TARGET: count= of the tabs a tab control shows (any process: the count needs no buffer).
// TARGET is usually --hwnd of the SysTabControl32 child found with "children".
int TabsCommand(Args& args) {
    HWND hwnd = nullptr;
    if (int code = ResolveTarget(args, hwnd); code != kDone) return code;
    Field("count", static_cast<long long>(SendMessageW(hwnd, TCM_GETITEMCOUNT, 0, 0)));
    return kDone;
}

}  // namespace vitrex::probe
