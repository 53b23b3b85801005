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

bool Win32InstanceLock::WaitForOtherToEnd(std::chrono::milliseconds limit) {
    if (!mutex_) return true;
    // The other instance holds the mutex for its whole life and never gives it back: it becomes
    // ours (abandoned) only once that process has ended. It is let go at once, name and all, so
    // that a program started right after this one is a first start.
    const DWORD wait = WaitForSingleObject(mutex_.Get(), static_cast<DWORD>(limit.count()));
    if (wait != WAIT_OBJECT_0 && wait != WAIT_ABANDONED) return false;
    ReleaseMutex(mutex_.Get());
    mutex_.Reset();
    return true;
}

}  // namespace vitrex::win32
