// update.exe: the installer the update check downloads. It carries the Windows Installer package
// of a newer Vitrex, waits for the old program to end, installs the package for this user and
// starts the installed program.

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "update/Bootstrap.h"

namespace {

using namespace vitrex::update;

// Given to the copy in the temporary folder, which does the work.
constexpr const wchar_t* kRelocatedArgument = L"/relocated";

std::wstring TempFolder() {
    wchar_t buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    return length > 0 && length <= MAX_PATH ? std::wstring(buffer, length) : std::wstring();
}

std::wstring OwnPath() {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path;
}

std::wstring SystemFolder() {
    wchar_t buffer[MAX_PATH + 1] = {};
    const UINT length = GetSystemDirectoryW(buffer, MAX_PATH + 1);
    return length > 0 && length <= MAX_PATH ? std::wstring(buffer, length)
                                            : std::wstring(L"C:\\Windows\\System32");
}

void Tell(const std::wstring& text) {
    MessageBoxW(nullptr, text.c_str(), L"Vitrex", MB_OK | MB_ICONERROR);
}

// The arguments after the program's name.
std::vector<std::wstring> Arguments() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> result;
    for (int i = 1; arguments != nullptr && i < count; ++i)
        result.emplace_back(arguments[i]);
    LocalFree(arguments);
    return result;
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()),
                                TRUE) == CSTR_EQUAL;
}

// Vitrex writes this program beside itself, into the folder the package replaces: the work is
// done by a copy in the temporary folder, so that no file of the old installation stays in use.
// The copy learns where this one was, to remove it when it is the program's download.
bool StartedCopyInTempFolder(const std::wstring& temp) {
    const std::wstring copy = temp + L"Vitrex-update-" + std::to_wstring(GetCurrentProcessId()) + L".exe";
    const std::wstring own = OwnPath();
    if (!CopyFileW(own.c_str(), copy.c_str(), FALSE)) return false;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = QuoteArgument(copy) + L" " + kRelocatedArgument + L" " + QuoteArgument(own);
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, temp.c_str(),
                        &startup, &process)) {
        DeleteFileW(copy.c_str());
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

// The copy in the temporary folder cannot delete itself while it runs: a hidden cmd.exe does once
// it has ended.
void RemoveOwnImageLater() {
    std::wstring commandLine = RemovalCommandLine(SystemFolder() + L"\\cmd.exe", OwnPath(), 30);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                       nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

void StartProgram(const std::wstring& program) {
    if (GetFileAttributesW(program.c_str()) == INVALID_FILE_ATTRIBUTES) return;
    const std::wstring folder = program.substr(0, program.find_last_of(L'\\'));
    ShellExecuteW(nullptr, L"open", program.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::wstring temp = TempFolder();
    const std::vector<std::wstring> arguments = Arguments();
    const bool relocated = !arguments.empty() && arguments[0] == kRelocatedArgument;
    if (!relocated && !temp.empty() && StartedCopyInTempFolder(temp)) return 0;
    // Where update.exe was started from, which has ended by now.
    const std::wstring original = relocated && arguments.size() > 1 ? arguments[1] : std::wstring();
    const auto done = [relocated](int code) {
        if (relocated) RemoveOwnImageLater();
        return code;
    };

    const std::span<const std::uint8_t> package = CarriedPackage();
    if (package.empty()) {
        Tell(L"This update carries no installer package.");
        return done(1);
    }
    // The old program quits right after starting this one; its settings are saved on the way out.
    // Should it hang, the package's own removal of the old version asks it to close once more.
    WaitForMutexToGo(kInstanceMutex, kInstanceEndTimeoutMs);

    const std::wstring msi = temp + L"Vitrex-update-" + std::to_wstring(GetCurrentProcessId()) + L".msi";
    if (temp.empty() || !WriteWholeFile(msi, package)) {
        Tell(L"The update could not be written to the temporary folder.");
        return done(1);
    }
    const long result = RunAndWait(InstallCommandLine(SystemFolder() + L"\\msiexec.exe", msi));
    DeleteFileW(msi.c_str());
    // 3010: installed, and a file that was in use is replaced at the next restart.
    const bool installed = result == ERROR_SUCCESS || result == ERROR_SUCCESS_REBOOT_REQUIRED;
    if (!installed && result != ERROR_INSTALL_USEREXIT) {
        Tell(L"The update could not be installed (Windows Installer error " + std::to_wstring(result) +
             L").");
    }
    // Also after a failure: the package rolls back, and the user keeps the program they had.
    const std::wstring program = InstalledProgramPath();
    StartProgram(program);
    // The program's download has served its purpose; an update.exe kept elsewhere is the user's.
    const std::wstring download = program.substr(0, program.find_last_of(L'\\') + 1) + L"update.exe";
    if (installed && !original.empty() && SamePath(original, download)) DeleteFileW(original.c_str());
    return done(installed ? 0 : 1);
}
