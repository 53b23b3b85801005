// The folder listing of Win32Files: FindFirstFileExW over "*.*", every attribute, in the order the
// file system returns the entries.

#include <windows.h>

#include "win32/UniqueHandle.h"
#include "win32/platform/TextConvert.h"
#include "win32/platform/Win32Files.h"

namespace vitrex::win32 {

std::vector<FolderEntry> Win32Files::ListFolder(const std::string& folder) {
    std::string pattern = folder;
    if (pattern.empty() || (pattern.back() != '\\' && pattern.back() != '/')) pattern += '\\';
    pattern += "*.*";
    WIN32_FIND_DATAW found{};
    // FindExInfoBasic skips the short 8.3 names nobody here reads.
    const UniqueFindHandle search(::FindFirstFileExW(Widen(pattern).c_str(), FindExInfoBasic, &found,
                                                     FindExSearchNameMatch, nullptr, 0));
    if (!search) return {};
    std::vector<FolderEntry> entries;
    do {
        const DWORD attributes = found.dwFileAttributes;
        entries.push_back({Narrow(found.cFileName), (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                           (attributes & FILE_ATTRIBUTE_HIDDEN) != 0,
                           (attributes & FILE_ATTRIBUTE_SYSTEM) != 0});
    } while (::FindNextFileW(search.Get(), &found));
    return entries;
}

}  // namespace vitrex::win32
