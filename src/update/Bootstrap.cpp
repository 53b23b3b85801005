#include "update/Bootstrap.h"

#include <shlobj.h>

#include <algorithm>

#include "win32/UniqueHandle.h"

namespace vitrex::update {

std::wstring QuoteArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes before a quote are doubled, and the quote itself escaped; elsewhere they
        // are taken literally.
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    // The closing quote follows: backslashes at the end must not escape it.
    quoted.append(backslashes * 2, L'\\');
    quoted += L'"';
    return quoted;
}

std::wstring InstallCommandLine(const std::wstring& msiexec, const std::wstring& package) {
    // /passive shows the progress and asks nothing; REBOOT=ReallySuppress keeps a file in use
    // from restarting the computer under the user.
    return QuoteArgument(msiexec) + L" /i " + QuoteArgument(package) + L" /passive REBOOT=ReallySuppress";
}

bool WaitForMutexToGo(const wchar_t* name, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        win32::UniqueHandle mutex(OpenMutexW(SYNCHRONIZE, FALSE, name));
        if (!mutex) return true;
        // Its holder ending abandons it; the name then goes with the last handle, ours included.
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        const DWORD wait = WaitForSingleObject(mutex.Get(), static_cast<DWORD>(deadline - now));
        if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) ReleaseMutex(mutex.Get());
        if (wait == WAIT_TIMEOUT) return false;
        Sleep(50);
    }
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
