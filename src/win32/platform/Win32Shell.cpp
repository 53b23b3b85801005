#include "win32/platform/Win32Shell.h"

#include <shellapi.h>

#include "win32/platform/SystemMessage.h"
#include "win32/platform/TextConvert.h"

namespace vitrex::win32 {

void Win32Shell::Open(const std::string& target) {
    Execute(target, {}, "Opening " + target);
}

void Win32Shell::Run(const std::string& program, const std::string& arguments) {
    Execute(program, arguments, "Starting " + program);
}

void Win32Shell::Execute(const std::string& file, const std::string& parameters, const std::string& context) {
    const std::wstring wideFile = Widen(file);
    const std::wstring wideParameters = Widen(parameters);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // No shell message of its own on failure: the caller reports it. NOASYNC: the program may
    // end right after the call (the installer's start), which must not cut the start short.
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.hwnd = owner_;
    info.lpVerb = L"open";
    info.lpFile = wideFile.c_str();
    info.lpParameters = wideParameters.empty() ? nullptr : wideParameters.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!::ShellExecuteExW(&info)) ThrowLastError<SystemError>("ShellExecuteExW", context);
}

}  // namespace vitrex::win32
