#include "update/Bootstrap.h"

#include <shlobj.h>

#include <algorithm>

#include "win32/UniqueHandle.h"

namespace vitrex::update {

bool WaitForMutexToGo(const wchar_t* name, DWORD timeoutMs) {
    win32::UniqueHandle mutex(OpenMutexW(SYNCHRONIZE, FALSE, name));
    if (!mutex) return true;
    // Its holder ending abandons it. Taking it means no one holds it any more, even while another
    // process (a second start, say) still has it open and so keeps the name alive.
    const DWORD wait = WaitForSingleObject(mutex.Get(), timeoutMs);
    if (wait != WAIT_OBJECT_0 && wait != WAIT_ABANDONED) return false;
    ReleaseMutex(mutex.Get());
    return true;
}

bool WriteWholeFile(const std::wstring& path, std::span<const std::uint8_t> bytes) {
    bool written = false;
    {
        win32::UniqueFileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                 FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return false;
        written = true;
        std::size_t done = 0;
        while (written && done < bytes.size()) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
            DWORD wrote = 0;
            written = WriteFile(file.Get(), bytes.data() + done, chunk, &wrote, nullptr) && wrote == chunk;
            done += wrote;
        }
    }
    if (!written) DeleteFileW(path.c_str());
    return written;
}

std::span<const std::uint8_t> CarriedPackage() {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (found == nullptr) return {};
    HGLOBAL loaded = LoadResource(nullptr, found);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) return {};
    return {static_cast<const std::uint8_t*>(data), SizeofResource(nullptr, found)};
}

std::wstring InstalledProgramPath() {
    PWSTR folder = nullptr;
    std::wstring path;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &folder))) {
        path = std::wstring(folder) + L"\\Programs\\Vitrex\\Vitrex.exe";
    }
    CoTaskMemFree(folder);
    return path;
}

long RunAndWait(const std::wstring& commandLine) {
    std::wstring writable = commandLine;  // CreateProcessW may write into its command line
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return -1;
    }
    win32::UniqueHandle thread(process.hThread);
    win32::UniqueHandle owned(process.hProcess);
    WaitForSingleObject(owned.Get(), INFINITE);
    DWORD code = 0;
    if (!GetExitCodeProcess(owned.Get(), &code)) return -1;
    return static_cast<long>(code);
}

}  // namespace vitrex::update
