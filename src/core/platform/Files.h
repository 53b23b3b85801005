#pragma once

#include <memory>
#include <optional>
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

// A file open for writing from its start, written in pieces (a download). Throws FileError.
class WritableFile {
public:
    virtual ~WritableFile() = default;
    virtual void Write(std::string_view bytes) = 0;
    // Flushes and closes; writing afterwards is an error. The destructor closes a file left open.
    virtual void Close() = 0;
};

// A file held open for reading while nobody else may write, rename or delete it: what was read
// through it stays what is on disk until it is closed (by the destructor). Throws FileError.
class HeldFile {
public:
    virtual ~HeldFile() = default;
    // Up to `size` bytes from where the last read ended; 0 at the end of the file.
    virtual std::size_t Read(char* buffer, std::size_t size) = 0;
};

// Whole files and the system's single-byte ("ANSI") code page. Paths are UTF-8.
class Files {
public:
    virtual ~Files() = default;

    // The full path of the running executable, exactly as the system reports it.
    virtual std::string ExecutablePath() = 0;
    // The user's folder for temporary files, without a trailing separator.
    virtual std::string TemporaryFolder() = 0;
    // The file's bytes as they are. Throws FileError.
    virtual std::string ReadWholeFile(const std::string& path) = 0;
    // Creates the file or replaces it as a whole. Throws FileError.
    virtual void WriteWholeFile(const std::string& path, std::string_view bytes) = 0;
    // Creates the file or truncates an existing one, open for writing. Throws FileError.
    virtual std::unique_ptr<WritableFile> CreateForWriting(const std::string& path) = 0;
    // Opens an existing file for reading, sharing it for reading only. Throws FileError (also
    // while the file is open for writing elsewhere).
    virtual std::unique_ptr<HeldFile> OpenHeld(const std::string& path) = 0;
    // Deletes the file; false when it did not exist or could not be deleted.
    virtual bool RemoveFile(const std::string& path) = 0;
    // Every entry of the folder ("*.*" with all attributes: directories, hidden and system entries,
    // "." and ".." included), in the order the system returns them. Empty when the folder cannot
    // be listed (missing, or not a folder).
    virtual std::vector<FolderEntry> ListFolder(const std::string& folder) = 0;
    // Characters the code page lacks become '?'.
    virtual std::string Utf8ToAnsi(std::string_view utf8) = 0;
    // Nothing when a character has no exact counterpart in the code page (no look-alike stands in
    // for it, as the plain conversion may let one do).
    virtual std::optional<std::string> Utf8ToAnsiExactly(std::string_view utf8) = 0;
    virtual std::string AnsiToUtf8(std::string_view ansi) = 0;

    // The executable's folder with its trailing separator.
    std::string ExecutableDirectory();
    void WriteAnsiText(const std::string& path, std::string_view utf8) {
        WriteWholeFile(path, Utf8ToAnsi(utf8));
    }
    std::string ReadAnsiText(const std::string& path) { return AnsiToUtf8(ReadWholeFile(path)); }
};

}  // namespace vitrex
