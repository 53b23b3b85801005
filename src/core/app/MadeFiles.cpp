#include "core/app/MadeFiles.h"

#include <exception>
#include <string>

#include "core/app/SingleInstance.h"
#include "core/app/crashlog/CrashLog.h"
#include "core/app/settings/Autostart.h"
#include "core/views/update/UpdateInfo.h"

namespace vitrex::app {

bool RemoveMadeFiles(Registry& registry, Files& files) {
    bool removed = true;
    try {
        settings::DeleteAutostart(registry);
    } catch (const std::exception&) {
        removed = false;
    }
    const std::string folder = files.ExecutableDirectory();
    const std::string_view names[] = {views::update::kInstallerFileName, crashlog::kLogFileName};
    for (const std::string_view name : names)
        files.RemoveFile(folder + std::string(name));
    // The system's names compare without regard to case.
    for (const FolderEntry& entry : files.ListFolder(folder)) {
        for (const std::string_view name : names) {
            if (UpperCaseAscii(entry.name) == UpperCaseAscii(name)) removed = false;
        }
    }
    return removed;
}

}  // namespace vitrex::app
