#include "win32/platform/Win32Dialogs.h"

#include <commdlg.h>

#include <vector>

#include "win32/platform/TextConvert.h"

namespace vitrex::win32 {

namespace {

constexpr wchar_t kTitle[] = L"Vitrex";
// Room for many picked files in one multi-select answer.
constexpr DWORD kFileBufferChars = 64 * 1024;

}  // namespace

std::wstring FilterForDialog(const std::string& filter) {
    std::wstring wide = Widen(filter);
    for (wchar_t& c : wide) {
        if (c == L'|') c = L'\0';
    }
    wide.push_back(L'\0');
    wide.push_back(L'\0');
    return wide;
}

void Win32Dialogs::ShowMessage(const std::string& text) {
    MessageBoxW(owner_, Widen(text).c_str(), kTitle, MB_OK);
}

bool Win32Dialogs::AskYesNo(const std::string& text) {
    return MessageBoxW(owner_, Widen(text).c_str(), kTitle, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

std::optional<std::vector<std::string>> Win32Dialogs::OpenFiles(const FileDialogOptions& options) {
    std::vector<wchar_t> buffer(kFileBufferChars, L'\0');
    const std::wstring filter = FilterForDialog(options.filter);
    const std::wstring title = Widen(options.title);
    const std::wstring folder = Widen(options.initialFolder);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_ENABLESIZING;
    if (options.multiSelect) dialog.Flags |= OFN_ALLOWMULTISELECT;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;

    // One file: its full path. Several: the folder, then each name, NUL-separated.
    std::vector<std::wstring> parts;
    for (const wchar_t* p = buffer.data(); *p != L'\0'; p += wcslen(p) + 1)
        parts.emplace_back(p);
    std::vector<std::string> paths;
    if (parts.size() == 1) {
        paths.push_back(Narrow(parts[0]));
    } else if (!parts.empty()) {
        std::wstring folderPath = parts[0];
        if (!folderPath.empty() && folderPath.back() != L'\\') folderPath.push_back(L'\\');
        for (std::size_t i = 1; i < parts.size(); ++i)
            paths.push_back(Narrow(folderPath + parts[i]));
    }
    return paths;
}

std::optional<SaveChoice> Win32Dialogs::SaveFile(const FileDialogOptions& options) {
    std::vector<wchar_t> buffer(MAX_PATH * 4, L'\0');
    const std::wstring filter = FilterForDialog(options.filter);
    const std::wstring title = Widen(options.title);
    const std::wstring folder = Widen(options.initialFolder);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_ENABLESIZING;
    if (!GetSaveFileNameW(&dialog)) return std::nullopt;
    return SaveChoice{Narrow(buffer.data()), static_cast<int>(dialog.nFilterIndex)};
}

}  // namespace vitrex::win32
