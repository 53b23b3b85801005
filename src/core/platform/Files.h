#pragma once

#include <string>
#include <string_view>

namespace vitrex {

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
