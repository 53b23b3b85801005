// A DLL planted beside a copy of the program under a system DLL's name (winhttp.dll, ...): loaded,
// it leaves "<its name>.loaded" beside itself and refuses to load, so a test sees whether the
// program took it instead of the system's.
#include <windows.h>

#include <string>

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    std::wstring path(MAX_PATH, L'\0');
    path.resize(::GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size())));
    const HANDLE mark =
        ::CreateFileW((path + L".loaded").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (mark != INVALID_HANDLE_VALUE) ::CloseHandle(mark);
    return FALSE;
}
