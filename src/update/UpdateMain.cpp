// update.exe: the installer the update check downloads. It carries the Windows Installer package
// of a newer Vitrex, waits for the old program to end, installs the package for this user and
// starts the installed program.

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

#include <array>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/app/SingleInstance.h"
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

std::wstring FolderOf(const std::wstring& path) {
    return path.substr(0, path.find_last_of(L'\\'));
}

// A folder of our own in the temporary folder, under a random name: the shared temporary folder
// is writable by other programs, which could otherwise put a file where we are about to write or
// start one. Empty when none can be made.
std::wstring MakePrivateFolder(const std::wstring& temp) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        GUID random{};  // a version-4 GUID: 122 bits from the system's random generator
        if (FAILED(CoCreateGuid(&random))) return {};
        std::array<std::uint8_t, 16> bytes{};
        static_assert(sizeof random == sizeof bytes);
        std::memcpy(bytes.data(), &random, sizeof random);
        const std::wstring folder = temp + PrivateFolderName(bytes);
        // Fails when the name exists already: a folder someone else made is never used.
        if (CreateDirectoryW(folder.c_str(), nullptr)) return folder;
    }
    return {};
}

// Vitrex writes this program beside itself, into the folder the package replaces: the work is
// done by a copy in a private folder in the temporary folder, so that no file of the old
// installation stays in use. The copy learns where this one was, to remove it when it is the
// program's download.
bool StartedCopyInTempFolder(const std::wstring& temp) {
    const std::wstring folder = MakePrivateFolder(temp);
    if (folder.empty()) return false;
    const std::wstring copy = folder + L"\\update.exe";
    const std::wstring own = OwnPath();
    if (!CopyFileW(own.c_str(), copy.c_str(), TRUE)) {
        RemoveDirectoryW(folder.c_str());
        return false;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = QuoteArgument(copy) + L" " + kRelocatedArgument + L" " + QuoteArgument(own);
    // Started in the temporary folder, not in its own: a folder that is some process's current
    // folder cannot be removed, and the installer it starts inherits the current folder.
    const std::wstring parent = FolderOf(folder);
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, parent.c_str(),
                        &startup, &process)) {
        DeleteFileW(copy.c_str());
        RemoveDirectoryW(folder.c_str());
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

// The copy cannot delete itself while it runs: a hidden cmd.exe, started in the temporary folder,
// removes the private folder with it once it has ended.
void RemoveOwnFolderLater() {
    const std::wstring folder = FolderOf(OwnPath());
    const std::wstring parent = FolderOf(folder);
    const std::wstring name = folder.substr(parent.size() + 1);
    std::wstring commandLine;
    try {
        commandLine = RemovalCommandLine(SystemFolder() + L"\\cmd.exe", name, 30);
    } catch (const std::invalid_argument&) {
        return;  // not our private folder: nothing of it is removed
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                       parent.c_str(), &startup, &process)) {
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
    // First of all: this program runs from the download folder and the temporary folder, where
    // anyone may have put a DLL of a system name. Every DLL loaded from now on (ShellExecuteW and
    // MessageBoxW load several) comes from System32 only.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    const std::wstring temp = TempFolder();
    const std::vector<std::wstring> arguments = Arguments();
    const bool relocated = !arguments.empty() && arguments[0] == kRelocatedArgument;
    if (!relocated) {
        if (!temp.empty() && StartedCopyInTempFolder(temp)) return 0;
        Tell(L"The update could not make its working folder in the temporary folder.");
        return 1;
    }
    // Where update.exe was started from, which has ended by now.
    const std::wstring original = arguments.size() > 1 ? arguments[1] : std::wstring();
    const auto done = [](int code) {
        RemoveOwnFolderLater();
        return code;
    };

    const std::span<const std::uint8_t> package = CarriedPackage();
    if (package.empty()) {
        Tell(L"This update carries no installer package.");
        return done(1);
    }
    // The old program quits right after starting this one; its settings are saved on the way out.
    // Should it hang, the package's own removal of the old version asks it to close once more.
    // The named mutex the running Vitrex holds for its whole life, by the name the program gives it.
    const std::wstring instanceMutex(vitrex::app::kInstanceName.begin(), vitrex::app::kInstanceName.end());
    WaitForMutexToGo(instanceMutex.c_str(), kInstanceEndTimeoutMs);

    // Written into the private folder, which only the copy writes to.
    const std::wstring msi = FolderOf(OwnPath()) + L"\\Vitrex.msi";
    if (!WriteWholeFile(msi, package)) {
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
