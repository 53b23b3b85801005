#include "TrayTestSupport.h"

#include <shellapi.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "../ui/UiTestSupport.h"

namespace vitrex::win32::testing {

bool UnderWine() {
    HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

bool HostHasXdotool() {
    return UnderWine() && ::GetFileAttributesW(L"Z:\\usr\\bin\\xdotool") != INVALID_FILE_ATTRIBUTES;
}

bool StartHostCommand(const std::string& command) {
    if (!UnderWine()) return false;
    // Wine starts a host (ELF) program named by its Unix path like a Windows one.
    std::wstring line = L"/bin/sh -c \"" + std::wstring(command.begin(), command.end()) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process)) {
        return false;
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
}

int RunHostCommand(const std::string& command, DWORD timeoutMs) {
    static int serial = 0;
    const std::string status =
        "/tmp/vitrex-tray-test-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++serial);
    const std::wstring statusFile = L"Z:" + std::wstring(status.begin(), status.end());
    if (!StartHostCommand("(" + command + "); echo $? > " + status + ".part; mv " + status + ".part " +
                          status))
        return -1;
    int code = -1;
    PumpUntil(
        [&] {
            std::FILE* file = _wfopen(statusFile.c_str(), L"r");
            if (file == nullptr) return false;
            if (std::fscanf(file, "%d", &code) != 1) code = -1;
            std::fclose(file);
            return true;
        },
        std::chrono::milliseconds(timeoutMs));
    ::DeleteFileW(statusFile.c_str());
    return code;
}

bool ShellHasIcon(HWND window, UINT id) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = id;
    return ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

HWND WineSystemTray() {
    return ::FindWindowW(nullptr, L"Wine System Tray");
}

int WineTrayIconCount() {
    int count = 0;
    for (HWND child = ::GetWindow(WineSystemTray(), GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::IsWindowVisible(child)) ++count;
    }
    return count;
}

}  // namespace vitrex::win32::testing
