#include <windows.h>

#include <psapi.h>

#include "Commands.h"
#include "Output.h"
#include "Target.h"

namespace vitrex::probe {

// process TARGET: what the process that owns the window costs the system now: pid=, private=
// and workingset= in bytes, handles=, gdi= and user= (the GUI objects it holds).
int ProcessCommand(Args& args) {
    HWND hwnd = nullptr;
    if (const int code = ResolveTarget(args, hwnd); code != kDone) return code;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (process == nullptr) {
        Field("error", static_cast<long long>(GetLastError()));
        return kFailed;
    }
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    const BOOL haveMemory =
        GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    DWORD handles = 0;
    const BOOL haveHandles = GetProcessHandleCount(process, &handles);
    const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD user = GetGuiResources(process, GR_USEROBJECTS);
    CloseHandle(process);
    Field("pid", static_cast<long long>(pid));
    if (haveMemory) {
        Field("private", static_cast<long long>(memory.PrivateUsage));
        Field("workingset", static_cast<long long>(memory.WorkingSetSize));
    }
    if (haveHandles) Field("handles", static_cast<long long>(handles));
    Field("gdi", static_cast<long long>(gdi));
    Field("user", static_cast<long long>(user));
    return haveMemory ? kDone : kFailed;
}

}  // namespace vitrex::probe
