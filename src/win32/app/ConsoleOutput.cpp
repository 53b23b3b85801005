#include "win32/app/ConsoleOutput.h"

#include <windows.h>

#include "win32/platform/TextConvert.h"

namespace vitrex::win32 {
namespace {

bool Usable(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

// A console takes UTF-16 through WriteConsoleW; a file or pipe gets the bytes as they are.
bool WriteTo(HANDLE handle, const std::string& text) {
    DWORD mode = 0;
    if (::GetConsoleMode(handle, &mode)) {
        const std::wstring wide = Widen(text);
        DWORD written = 0;
        return ::WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) != 0;
    }
    DWORD written = 0;
    return ::WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != 0;
}

}  // namespace

void WriteToStarter(StarterStream stream, const std::string& text) noexcept {
    try {
        ::OutputDebugStringW(Widen(text).c_str());
        const DWORD which = stream == StarterStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
        const HANDLE given = ::GetStdHandle(which);
        if (Usable(given) && WriteTo(given, text)) return;
        if (!::AttachConsole(ATTACH_PARENT_PROCESS)) return;
        const HANDLE console = ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE,
                                             nullptr, OPEN_EXISTING, 0, nullptr);
        if (!Usable(console)) return;
        WriteTo(console, text);
        ::CloseHandle(console);
    } catch (...) {
        // Nothing more can be said to anyone.
    }
}

}  // namespace vitrex::win32
