#include "win32/platform/Win32Processes.h"

#include <windows.h>

#include <tlhelp32.h>

#include <cwchar>

#include "win32/UniqueHandle.h"
#include "win32/platform/TextConvert.h"

namespace vitrex::win32 {

bool Win32Processes::ToolhelpAvailable() {
    // kernel32 is always loaded; nothing is loaded or freed here. The module functions are
    // never called, but a system without them is not taken to have the snapshot interface.
    HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    if (kernel32 == nullptr) return false;
    for (const char* name : {"CreateToolhelp32Snapshot", "Process32First", "Process32Next", "Thread32First",
                             "Thread32Next", "Module32First", "Module32Next"}) {
        if (GetProcAddress(kernel32, name) == nullptr) return false;
    }
    return true;
}

std::optional<std::vector<ProcessRecord>> Win32Processes::SnapshotProcesses() {
    const UniqueFileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return std::nullopt;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    if (!Process32FirstW(snapshot.Get(), &entry)) return std::nullopt;
    std::vector<ProcessRecord> records;
    do {
        const std::size_t length = wcsnlen(entry.szExeFile, MAX_PATH);
        records.push_back({entry.th32ProcessID, Narrow(std::wstring_view(entry.szExeFile, length))});
        entry.dwSize = sizeof entry;
    } while (Process32NextW(snapshot.Get(), &entry));
    return records;
}

std::optional<std::string> Win32Processes::ExeNameOf(std::uint32_t processId) {
    // The limited right is granted for nearly every process, elevated ones included.
    const UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) return std::nullopt;
    wchar_t path[MAX_PATH * 4];
    DWORD length = static_cast<DWORD>(std::size(path));
    if (!QueryFullProcessImageNameW(process.Get(), 0, path, &length)) return std::nullopt;
    // A snapshot names the image file without its folder.
    const std::wstring_view image(path, length);
    const std::size_t folderEnd = image.find_last_of(L"\\/");
    return Narrow(folderEnd == std::wstring_view::npos ? image : image.substr(folderEnd + 1));
}

std::optional<std::vector<ThreadRecord>> Win32Processes::SnapshotThreads() {
    const UniqueFileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    if (!snapshot) return std::nullopt;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    if (!Thread32First(snapshot.Get(), &entry)) return std::nullopt;
    std::vector<ThreadRecord> records;
    do {
        records.push_back({entry.th32OwnerProcessID, entry.th32ThreadID});
        entry.dwSize = sizeof entry;
    } while (Thread32Next(snapshot.Get(), &entry));
    return records;
}

bool Win32Processes::IsNtVersion4OrOlder() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExW(&version)) return false;
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion <= 4;
}

}  // namespace vitrex::win32
