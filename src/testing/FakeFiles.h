#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/Files.h"

namespace vitrex::fakes {

// Files in memory, with paths that compare without regard to ASCII case as the system's do. The
// "ANSI" code page is Windows-1252.
class FakeFiles : public Files {
public:
    void SetExecutablePath(std::string path) { executablePath_ = std::move(path); }
    void SetTemporaryFolder(std::string path) { temporaryFolder_ = std::move(path); }
    // Every write to a path under this folder fails, as in a folder without write permission.
    void DenyWritesUnder(std::string folder) { deniedFolders_.push_back(std::move(folder)); }
    void AllowWrites() { deniedFolders_.clear(); }
    void Seed(const std::string& path, std::string bytes);
    // A folder (it lists "." and ".." and its entries); files seeded under it are listed in the
    // order they were first seeded.
    void SeedFolder(const std::string& path, bool hidden = false, bool system = false);
    // The attributes a listing shows for a seeded file.
    void SetAttributes(const std::string& path, bool hidden, bool system);
    // The file's bytes, if it exists.
    std::optional<std::string> File(const std::string& path) const;
    int WriteCount() const { return writeCount_; }
    // Whether a HeldFile of this path is open.
    bool IsHeld(const std::string& path) const;

    std::string ExecutablePath() override { return executablePath_; }
    std::string TemporaryFolder() override { return temporaryFolder_; }
    std::string ReadWholeFile(const std::string& path) override;
    void WriteWholeFile(const std::string& path, std::string_view bytes) override;
    std::string Utf8ToAnsi(std::string_view utf8) override;
    std::optional<std::string> Utf8ToAnsiExactly(std::string_view utf8) override;
    std::string AnsiToUtf8(std::string_view ansi) override;
    std::vector<FolderEntry> ListFolder(const std::string& folder) override;
    std::unique_ptr<WritableFile> CreateForWriting(const std::string& path) override;
    bool RemoveFile(const std::string& path) override;
    std::unique_ptr<HeldFile> OpenHeld(const std::string& path) override;

private:
    class Writer;
    class Holder;
    void RefuseDenied(const std::string& path) const;
    struct Listed {
        std::string path;  // as seeded, separators made '\\'
        bool directory = false;
        bool hidden = false;
        bool system = false;
    };
    Listed& Remember(const std::string& path, bool directory);
    std::vector<Listed> listed_;  // in the order first seeded
    std::string executablePath_ = "C:\\Program Files\\Vitrex\\Vitrex.exe";
    std::string temporaryFolder_ = "C:\\Users\\User\\AppData\\Local\\Temp";
    std::vector<std::string> deniedFolders_;
    std::map<std::string, std::string> files_;  // by lower-case path
    int writeCount_ = 0;
    std::map<std::string, int> held_;  // open HeldFiles by lower-case path
};

}  // namespace vitrex::fakes
