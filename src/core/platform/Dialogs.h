#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vitrex {

// A file dialog's settings. The filter is label|pattern pairs joined by '|', as in
// "Programs|*.exe|All Files|*.*".
struct FileDialogOptions {
    std::string title;
    std::string filter;
    bool multiSelect = false;
    std::string initialFolder;  // empty: the system's choice
};

// The captions of an input box's buttons, in the current language.
struct InputButtons {
    std::string ok = "OK";
    std::string cancel = "Cancel";
};

struct SaveChoice {
    std::string path;
    int filterIndex = 1;  // 1-based: the filter pair left selected
};

// The system's modal dialogs, owned by the main window. Texts are UTF-8.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A plain message box with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    // A message box with Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
    // The picked files' full paths; nothing when cancelled. Picked files must exist.
    virtual std::optional<std::vector<std::string>> OpenFiles(const FileDialogOptions& options) = 0;
    // The chosen path and filter; nothing when cancelled. Never asks before overwriting.
    virtual std::optional<SaveChoice> SaveFile(const FileDialogOptions& options) = 0;
    // A one-line input box; nothing when cancelled.
    virtual std::optional<std::string> InputQuery(const std::string& title, const std::string& prompt,
                                                  const std::string& initial,
                                                  const InputButtons& buttons) = 0;
};

}  // namespace vitrex
