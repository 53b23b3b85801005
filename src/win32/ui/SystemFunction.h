#pragma once

#include <windows.h>

namespace vitrex::win32 {

// A function the running system may lack (per-monitor DPI, visual styles), looked up at run
// time; null when it is not there. The module stays loaded for the life of the process.
template <typename Function>
Function LoadSystemFunction(const wchar_t* module, const char* name) {
    HMODULE handle = ::GetModuleHandleW(module);
    if (handle == nullptr) handle = ::LoadLibraryW(module);
    if (handle == nullptr) return nullptr;
    // Through void(*)(): GetProcAddress's FARPROC has another signature than the function.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(handle, name)));
}

}  // namespace vitrex::win32
