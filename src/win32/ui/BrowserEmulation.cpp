#include "win32/ui/BrowserEmulation.h"

#include <windows.h>

#include "win32/UniqueHandle.h"
#include "win32/platform/TextConvert.h"
#include "win32/platform/Win32Files.h"

namespace vitrex::win32 {

std::wstring ExecutableFileName() {
    const std::wstring path = Widen(Win32Files().ExecutablePath());
    const std::size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

namespace {

// One feature's value for the executable, under the current user.
bool SetFeature(const std::wstring& keyPath, const std::wstring& executableName, DWORD value) {
    if (executableName.empty()) return false;
    UniqueRegKey key;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_SET_VALUE, nullptr, key.Put(), nullptr) != ERROR_SUCCESS) {
        return false;
    }
    return ::RegSetValueExW(key.Get(), executableName.c_str(), 0, REG_DWORD,
                            reinterpret_cast<const BYTE*>(&value), sizeof value) == ERROR_SUCCESS;
}

}  // namespace

bool SetBrowserEmulation(const std::wstring& keyPath, const std::wstring& executableName) {
    return SetFeature(keyPath, executableName, kBrowserEmulationNewest);
}

bool SetLocalMachineLockdown(const std::wstring& keyPath, const std::wstring& executableName) {
    return SetFeature(keyPath, executableName, 1);
}

}  // namespace vitrex::win32
