// Stands in for the update's installer: leaves installer-ran.txt beside itself, holding its own
// path, so a test can tell that the downloaded file was started, and ends.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 1;
    std::wstring self(path, length);
    const std::wstring marker = self.substr(0, self.find_last_of(L"\\/") + 1) + L"installer-ran.txt";
    HANDLE file =
        CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, self.data(), static_cast<DWORD>(self.size() * sizeof(wchar_t)), &written, nullptr);
    CloseHandle(file);
    return ok ? 0 : 1;
}
