#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vitrex {

// One entry of a folder as the system lists it.
struct FolderEntry {
    std::string name;
    bool directory = false;
    bool hidden = false;
    bool system = false;
    bool operator==(const FolderEntry&) const = default;
};

// Whole files and the system's single-byte ("ANSI") code page. Paths are UTF-8.
class Files {
public:
    virtual ~Files() = default;

    // The full path of the running executable, exactly as the system reports it.
    virtual std::string ExecutablePath() = 0;
    // The file's bytes as they are. Throws FileError.
    virtual std::string ReadWholeFile(const std::string& path) = 0;
    // Creates the file or replaces it as a whole. Throws FileError.
    virtual void WriteWholeFile(const std::string& path, std::string_view bytes) = 0;
    // Every entry of the folder ("*.*" with all attributes: directories, hidden and system entries,
    // "." and ".." included), in the order the system returns them. Empty when the folder cannot
    // be listed (missing, or not a folder).
    virtual std::vector<FolderEntry> ListFolder(const std::string& folder) = 0;
    // Characters the code page lacks become '?'.
    virtual std::string Utf8ToAnsi(std::string_view utf8) = 0;
    virtual std::string AnsiToUtf8(std::string_view ansi) = 0;

    // The executable's folder with its trailing separator.
    std::string ExecutableDirectory();
    void WriteAnsiText(const std::string& path, std::string_view utf8) {
        WriteWholeFile(path, Utf8ToAnsi(utf8));
    }
    std::string ReadAnsiText(const std::string& path) { return AnsiToUtf8(ReadWholeFile(path)); }
};

}  // namespace vitrex
