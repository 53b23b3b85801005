#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "core/platform/Errors.h"
#include "win32/platform/SystemMessage.h"
#include "win32/platform/TextConvert.h"
#include "win32/platform/Win32Clock.h"
#include "win32/platform/Win32Files.h"
#include "win32/platform/Win32OperatingSystem.h"

namespace vitrex::win32 {
namespace {

// A folder of its own in the temporary folder, whose name holds characters outside every
// single-byte code page; removed with its files at the end.
class ScratchFolder {
public:
    ScratchFolder() {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, temp);
        path_ = std::wstring(temp) + L"Vitrex \x0412\x0438\x0442\x0440\x0435\x043A\x0441 \x2603 " +
                std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~ScratchFolder() {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                DeleteFileW((path_ + L"\\" + found.cFileName).c_str());
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(path_.c_str());
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::wstring& Wide() const { return path_; }
    std::string Utf8() const { return Narrow(path_); }

private:
    std::wstring path_;
};

struct Win32FilesFixture : ::testing::Test {
    ScratchFolder folder;
    Win32Files files;
};

TEST_F(Win32FilesFixture, PathOutsideTheAnsiCodePageRoundTrips) {
    const std::string path = folder.Utf8() + "\\\xE2\x82\xAC\xD0\xBB\xD0\xBE\xD0\xB3.txt";
    files.WriteWholeFile(path, std::string("a\0b", 3));
    EXPECT_NE(GetFileAttributesW((folder.Wide() + L"\\\x20AC\x043B\x043E\x0433.txt").c_str()),
              INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(files.ReadWholeFile(path), std::string("a\0b", 3));
}

TEST_F(Win32FilesFixture, CrashLogIsSavedAsAnsiTextWithCrLfAndReplaced) {
    if (GetACP() != 1252) GTEST_SKIP() << "expects the Western code page, this system has " << GetACP();
    const std::string path = folder.Utf8() + "\\exceptions.log";
    files.WriteAnsiText(path, "first\r\n");
    files.WriteAnsiText(path,
                        "Gr\xC3\xBC\xC3\x9F"
                        "e \xE2\x82\xAC \xD0\x96\r\nzwei\r\n");
    EXPECT_EQ(files.ReadWholeFile(path),
              "Gr\xFC\xDF"
              "e \x80 ?\r\nzwei\r\n");
    EXPECT_EQ(files.ReadAnsiText(path),
              "Gr\xC3\xBC\xC3\x9F"
              "e \xE2\x82\xAC ?\r\nzwei\r\n");
}

// What the code page cannot carry exactly is said so, not replaced by a look-alike or '?'.
TEST_F(Win32FilesFixture, AnExactConversionRefusesWhatTheCodePageLacks) {
    if (GetACP() != 1252) GTEST_SKIP() << "expects the Western code page, this system has " << GetACP();
    EXPECT_EQ(files.Utf8ToAnsiExactly("Gr\xc3\xbc\xc3\x9f \xe2\x82\xac?"), "Gr\xfc\xdf \x80?");
    EXPECT_EQ(files.Utf8ToAnsiExactly(""), "");
    for (const char* lacking :
         {"\xe6\x97\xa5", "\xf0\x9f\x98\x80", "\xc4\x81" /* a with macron: best fit "a" */})
        EXPECT_EQ(files.Utf8ToAnsiExactly(std::string("x") + lacking), std::nullopt) << lacking;
}

TEST_F(Win32FilesFixture, FailuresAreFileErrorsWithTheSystemCode) {
    try {
        files.WriteWholeFile(folder.Utf8() + "\\missing\\x.log", "x");
        FAIL() << "writing into a missing folder must fail";
    } catch (const FileError& error) {
        EXPECT_EQ(error.Api(), "CreateFileW");
        EXPECT_EQ(error.Code(), static_cast<std::uint32_t>(ERROR_PATH_NOT_FOUND));
        EXPECT_NE(std::string(error.what()).find("missing\\x.log"), std::string::npos);
    }
    try {
        files.ReadWholeFile(folder.Utf8() + "\\nothing.txt");
        FAIL() << "reading a missing file must fail";
    } catch (const Error& error) {
        EXPECT_STREQ(error.ClassName(), "FileError");
        EXPECT_EQ(error.Api(), "CreateFileW");
        EXPECT_EQ(std::string(error.what()),
                  "Cannot open file \"" + folder.Utf8() +
                      "\\nothing.txt\": CreateFileW failed (2): " + SystemMessage(ERROR_FILE_NOT_FOUND));
    }
}

TEST_F(Win32FilesFixture, DownloadIsWrittenInPiecesOverAnOldFileAndCanBeRemoved) {
    const std::string path = folder.Utf8() + "\\update.exe";
    files.WriteWholeFile(path, "an older and longer file");
    auto file = files.CreateForWriting(path);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ASSERT_TRUE(GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(data.nFileSizeLow, 0u);  // truncated at once
    file->Write("MZ");
    file->Write(std::string("\0\1", 2));
    file->Close();
    EXPECT_THROW(file->Write("late"), FileError);
    EXPECT_EQ(files.ReadWholeFile(path), std::string("MZ\0\1", 4));
    EXPECT_TRUE(files.RemoveFile(path));
    EXPECT_FALSE(files.RemoveFile(path));
    EXPECT_EQ(GetFileAttributesW(Widen(path).c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_THROW(files.CreateForWriting(folder.Utf8() + "\\missing\\update.exe"), FileError);
}

TEST(Win32OperatingSystem, ReadsEnvironmentVariablesAsUtf8) {
    Win32OperatingSystem system;
    SetEnvironmentVariableW(L"VITREX_TEST_VALUE", L"https://example.test/\x20AC/");
    EXPECT_EQ(system.EnvironmentVariable("VITREX_TEST_VALUE"), "https://example.test/\xE2\x82\xAC/");
    SetEnvironmentVariableW(L"VITREX_TEST_VALUE", std::wstring(300, L'x').c_str());
    EXPECT_EQ(system.EnvironmentVariable("VITREX_TEST_VALUE"), std::string(300, 'x'));
    SetEnvironmentVariableW(L"VITREX_TEST_VALUE", nullptr);
    EXPECT_EQ(system.EnvironmentVariable("VITREX_TEST_VALUE"), std::nullopt);
}

TEST_F(Win32FilesFixture, ExecutableDirectoryEndsWithASeparatorBesideTheExecutable) {
    const std::string directory = files.ExecutableDirectory();
    const std::string path = files.ExecutablePath();
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(directory.back(), '\\');
    EXPECT_EQ(path.substr(0, directory.size()), directory);
    EXPECT_EQ(path.substr(directory.size()), "vitrex_win32_tests.exe");
}

TEST(Win32Clock, GivesTheLongTimeWithSeconds) {
    Win32Clock clock;
    const std::string time = clock.LocalLongTime();
    EXPECT_GE(time.size(), 7u);  // h:mm:ss at least
    EXPECT_NE(time.find(':'), std::string::npos);
    const std::uint32_t before = clock.TickCountMs();
    Sleep(20);
    EXPECT_GE(clock.TickCountMs() - before, 10u);
}

}  // namespace
}  // namespace vitrex::win32
