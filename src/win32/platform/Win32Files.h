#pragma once

#include "core/platform/Files.h"

namespace vitrex::win32 {

// Paths are UTF-8 inside and go to the W functions, so a folder whose name lies outside the
// ANSI code page still works; file contents in "ANSI" use the system's code page (CP_ACP).
class Win32Files : public Files {
public:
    std::string ExecutablePath() override;
    std::string TemporaryFolder() override;
    std::string ReadWholeFile(const std::string& path) override;
    void WriteWholeFile(const std::string& path, std::string_view bytes) override;
    std::string Utf8ToAnsi(std::string_view utf8) override;
    std::optional<std::string> Utf8ToAnsiExactly(std::string_view utf8) override;
    std::string AnsiToUtf8(std::string_view ansi) override;
    std::unique_ptr<WritableFile> CreateForWriting(const std::string& path) override;
    bool RemoveFile(const std::string& path) override;
    std::unique_ptr<HeldFile> OpenHeld(const std::string& path) override;
    std::vector<FolderEntry> ListFolder(const std::string& folder) override;
};

}  // namespace vitrex::win32
