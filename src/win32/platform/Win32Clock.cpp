#include "win32/platform/Win32Clock.h"

#include <windows.h>

#include "core/platform/Errors.h"
#include "win32/platform/SystemMessage.h"
#include "win32/platform/TextConvert.h"

namespace vitrex::win32 {

std::uint32_t Win32Clock::TickCountMs() {
    return GetTickCount();
}

std::string Win32Clock::LocalLongTime() {
    // No format string and no flags: the user's long time format, as the control panel sets it.
    const int length = GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, nullptr, nullptr, nullptr, 0);
    if (length > 0) {
        std::wstring text(static_cast<std::size_t>(length), L'\0');
        if (GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, nullptr, nullptr, text.data(), length) > 0) {
            text.resize(static_cast<std::size_t>(length - 1));
            return Narrow(text);
        }
    }
    ThrowLastError("GetTimeFormatEx");
}

}  // namespace vitrex::win32
