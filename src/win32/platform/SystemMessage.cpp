#include "win32/platform/SystemMessage.h"

#include <windows.h>

#include "win32/platform/TextConvert.h"

namespace vitrex::win32 {

std::string SystemMessage(std::uint32_t code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (length == 0 || buffer == nullptr) return {};
    std::wstring text(buffer, length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    return Narrow(text);
}

std::uint32_t LastErrorCode() noexcept {
    return ::GetLastError();
}

std::string FailureText(const std::string& api, std::uint32_t code) {
    std::string text = api + " failed (" + std::to_string(code) + ")";
    const std::string description = SystemMessage(code);
    if (!description.empty()) text += ": " + description;
    return text;
}

}  // namespace vitrex::win32
