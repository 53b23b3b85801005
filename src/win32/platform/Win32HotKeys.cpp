#include "win32/platform/Win32HotKeys.h"

#include "win32/platform/TextConvert.h"

namespace vitrex::win32 {

bool Win32HotKeys::Register(int id, std::uint32_t modifiers, std::uint32_t virtualKey) {
    return RegisterHotKey(window_, id, modifiers, virtualKey) != FALSE;
}

void Win32HotKeys::Unregister(int id) {
    UnregisterHotKey(window_, id);
}

bool Win32InstanceLock::AcquireOrDetectOther(std::string_view name) {
    mutex_.Reset(CreateMutexW(nullptr, TRUE, Widen(name).c_str()));
    return GetLastError() == ERROR_ALREADY_EXISTS;
}

}  // namespace vitrex::win32
