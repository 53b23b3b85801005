#include "win32/platform/Win32Dialogs.h"

#include <commdlg.h>

#include <vector>

#include "win32/platform/TextConvert.h"

namespace vitrex::win32 {

namespace {

constexpr wchar_t kTitle[] = L"Vitrex";
// Room for many picked files in one multi-select answer.
constexpr DWORD kFileBufferChars = 64 * 1024;

// The settings both file dialogs share, with the texts they point to kept alive beside them.
struct FileDialog {
    FileDialog(HWND owner, const FileDialogOptions& options, DWORD bufferChars)
        : buffer(bufferChars, L'\0'),
          filter(FilterForDialog(options.filter)),
          title(Widen(options.title)),
          folder(Widen(options.initialFolder)) {
        data.lStructSize = sizeof(data);
        data.hwndOwner = owner;
        data.lpstrFilter = filter.c_str();
        data.nFilterIndex = 1;
        data.lpstrFile = buffer.data();
        data.nMaxFile = bufferChars;
        data.lpstrTitle = title.c_str();
        data.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
        data.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_ENABLESIZING;
    }
    std::vector<wchar_t> buffer;
    std::wstring filter;
    std::wstring title;
    std::wstring folder;
    OPENFILENAMEW data{};
};

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
    FileDialog dialog(owner_, options, kFileBufferChars);
    dialog.data.Flags |= OFN_FILEMUSTEXIST;
    if (options.multiSelect) dialog.data.Flags |= OFN_ALLOWMULTISELECT;
    if (!GetOpenFileNameW(&dialog.data)) return std::nullopt;

    // One file: its full path. Several: the folder, then each name, NUL-separated.
    std::vector<std::wstring> parts;
    for (const wchar_t* p = dialog.buffer.data(); *p != L'\0'; p += wcslen(p) + 1)
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
    FileDialog dialog(owner_, options, MAX_PATH * 4);
    if (!GetSaveFileNameW(&dialog.data)) return std::nullopt;
    return SaveChoice{Narrow(dialog.buffer.data()), static_cast<int>(dialog.data.nFilterIndex)};
}

}  // namespace vitrex::win32
