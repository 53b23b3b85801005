#pragma once

#include <windows.h>

#include "core/platform/Dialogs.h"

namespace vitrex::win32 {

// The system's modal dialogs, owned by the main window once it exists.
class Win32Dialogs : public Dialogs {
public:
    explicit Win32Dialogs(HINSTANCE instance) : instance_(instance) {}
    void SetOwner(HWND owner) { owner_ = owner; }

    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    std::optional<std::vector<std::string>> OpenFiles(const FileDialogOptions& options) override;
    std::optional<SaveChoice> SaveFile(const FileDialogOptions& options) override;
    std::optional<std::string> InputQuery(const std::string& title, const std::string& prompt,
                                          const std::string& initial, const InputButtons& buttons) override;

private:
    HINSTANCE instance_;
    HWND owner_ = nullptr;
};

// "Label|*.ext|..." as the file dialogs take it: pairs separated by NULs, ending in two.
std::wstring FilterForDialog(const std::string& filter);

}  // namespace vitrex::win32
