#include "update/CommandLine.h"

#include <algorithm>
#include <stdexcept>

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

std::wstring PrivateFolderName(const std::array<std::uint8_t, 16>& random) {
    static constexpr wchar_t kDigits[] = L"0123456789abcdef";
    std::wstring name = L"Vitrex-update-";
    for (const std::uint8_t byte : random) {
        name += kDigits[byte >> 4];
        name += kDigits[byte & 15];
    }
    return name;
}

std::wstring RemovalCommandLine(const std::wstring& cmd, const std::wstring& folderName, int attempts) {
    const bool plain =
        !folderName.empty() && std::all_of(folderName.begin(), folderName.end(), [](wchar_t c) {
            return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') ||
                   c == L'-';
        });
    if (!plain) throw std::invalid_argument("the folder's name must be letters, digits and '-' only");
    // A blank ends the last redirection before the block's ")", which Wine's cmd would otherwise
    // take as part of the file name "nul)".
    return QuoteArgument(cmd) + L" /d /q /c for /l %i in (1,1," + std::to_wstring(attempts) +
           L") do @if exist " + folderName + L" (ping -n 2 127.0.0.1 >nul & rd /s /q " + folderName +
           L" 2>nul )";
}

}  // namespace vitrex::update
