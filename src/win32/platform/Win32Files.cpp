#include "win32/platform/Win32Files.h"

#include <windows.h>

#include <algorithm>

#include "core/platform/Errors.h"
#include "win32/UniqueHandle.h"
#include "win32/platform/SystemMessage.h"
#include "win32/platform/TextConvert.h"

namespace vitrex::win32 {
namespace {

// Largest chunk handed to one ReadFile/WriteFile call, whose sizes are 32-bit.
constexpr std::size_t kChunk = 1 << 30;

[[noreturn]] void Fail(const std::string& what, const char* api) {
    ThrowLastError<FileError>(api, what);
}

class Win32WritableFile : public WritableFile {
public:
    Win32WritableFile(UniqueFileHandle file, std::string path)
        : file_(std::move(file)), path_(std::move(path)) {}
    void Write(std::string_view bytes) override {
        if (!file_) throw FileError("File \"" + path_ + "\" is closed");
        std::size_t done = 0;
        while (done < bytes.size()) {
            DWORD written = 0;
            const auto want = static_cast<DWORD>(std::min(bytes.size() - done, kChunk));
            if (!WriteFile(file_.Get(), bytes.data() + done, want, &written, nullptr)) {
                Fail("Cannot write file \"" + path_ + "\"", "WriteFile");
            }
            done += written;
        }
    }
    void Close() override { file_ = UniqueFileHandle(); }

private:
    UniqueFileHandle file_;
    std::string path_;
};

class Win32HeldFile : public HeldFile {
public:
    Win32HeldFile(UniqueFileHandle file, std::string path) : file_(std::move(file)), path_(std::move(path)) {}
    std::size_t Read(char* buffer, std::size_t size) override {
        DWORD read = 0;
        if (!ReadFile(file_.Get(), buffer, static_cast<DWORD>(std::min(size, kChunk)), &read, nullptr))
            Fail("Cannot read file \"" + path_ + "\"", "ReadFile");
        return read;
    }

private:
    UniqueFileHandle file_;
    std::string path_;
};

}  // namespace

std::unique_ptr<HeldFile> Win32Files::OpenHeld(const std::string& path) {
    // Read sharing only: no one can write, rename or delete the file while it is held, and the
    // loader, which opens a program for reading and executing, still can.
    UniqueFileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) Fail("Cannot open file \"" + path + "\"", "CreateFileW");
    return std::make_unique<Win32HeldFile>(std::move(file), path);
}

std::unique_ptr<WritableFile> Win32Files::CreateForWriting(const std::string& path) {
    UniqueFileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) Fail("Cannot create file \"" + path + "\"", "CreateFileW");
    return std::make_unique<Win32WritableFile>(std::move(file), path);
}

bool Win32Files::RemoveFile(const std::string& path) {
    return DeleteFileW(Widen(path).c_str()) != FALSE;
}

std::string Win32Files::ExecutablePath() {
    // The result is cut silently when the buffer is too small; grow until it is not.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) ThrowLastError("GetModuleFileNameW");
        if (length < path.size()) {
            path.resize(length);
            return Narrow(path);
        }
        if (path.size() >= 32768)
            ThrowErrorCode("GetModuleFileNameW", ERROR_INSUFFICIENT_BUFFER, "Executable path too long");
        path.resize(path.size() * 2);
    }
}

std::string Win32Files::TemporaryFolder() {
    wchar_t path[MAX_PATH + 2] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, path);
    if (length == 0 || length > MAX_PATH + 1) ThrowLastError("GetTempPathW");
    std::wstring folder(path, length);
    while (folder.size() > 3 && (folder.back() == L'\\' || folder.back() == L'/'))
        folder.pop_back();
    return Narrow(folder);
}

std::string Win32Files::ReadWholeFile(const std::string& path) {
    UniqueFileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) Fail("Cannot open file \"" + path + "\"", "CreateFileW");
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size)) Fail("Cannot read file \"" + path + "\"", "GetFileSizeEx");
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        const auto want = static_cast<DWORD>(std::min(bytes.size() - done, kChunk));
        if (!ReadFile(file.Get(), bytes.data() + done, want, &read, nullptr)) {
            Fail("Cannot read file \"" + path + "\"", "ReadFile");
        }
        if (read == 0) break;  // the file shrank meanwhile
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

void Win32Files::WriteWholeFile(const std::string& path, std::string_view bytes) {
    UniqueFileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) Fail("Cannot create file \"" + path + "\"", "CreateFileW");
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const auto want = static_cast<DWORD>(std::min(bytes.size() - done, kChunk));
        if (!WriteFile(file.Get(), bytes.data() + done, want, &written, nullptr)) {
            Fail("Cannot write file \"" + path + "\"", "WriteFile");
        }
        done += written;
    }
}

std::string Win32Files::Utf8ToAnsi(std::string_view utf8) {
    const std::wstring wide = Widen(utf8);
    if (wide.empty()) return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), size, nullptr,
                        nullptr);
    return ansi;
}

std::optional<std::string> Win32Files::Utf8ToAnsiExactly(std::string_view utf8) {
    const std::wstring wide = Widen(utf8);
    if (wide.empty()) return std::string();
    // A system whose code page is UTF-8 carries every character; the flags below are refused there.
    const bool utf8System = ::GetACP() == CP_UTF8;
    const DWORD flags = utf8System ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* lost = utf8System ? nullptr : &usedDefault;
    const int size = WideCharToMultiByte(CP_ACP, flags, wide.data(), static_cast<int>(wide.size()), nullptr,
                                         0, nullptr, lost);
    if (size <= 0 || usedDefault) return std::nullopt;
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, flags, wide.data(), static_cast<int>(wide.size()), ansi.data(), size, nullptr,
                        nullptr);
    return ansi;
}

std::string Win32Files::AnsiToUtf8(std::string_view ansi) {
    if (ansi.empty()) return {};
    const int size = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), size);
    return Narrow(wide);
}

}  // namespace vitrex::win32
