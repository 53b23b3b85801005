#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "core/platform/Errors.h"
#include "win32/platform/TextConvert.h"
#include "win32/platform/Win32Shell.h"

namespace vitrex::win32 {
namespace {

// A path of its own in the temporary folder, removed at the end.
struct ScratchPath {
    explicit ScratchPath(const std::wstring& name) {
        wchar_t temp[MAX_PATH + 1] = {};
        ::GetTempPathW(MAX_PATH + 1, temp);
        wide = std::wstring(temp) + L"vitrex shell " + std::to_wstring(::GetCurrentProcessId()) + L" " + name;
        ::DeleteFileW(wide.c_str());
    }
    ~ScratchPath() { ::DeleteFileW(wide.c_str()); }
    std::string Utf8() const { return Narrow(wide); }
    bool Exists() const { return ::GetFileAttributesW(wide.c_str()) != INVALID_FILE_ATTRIBUTES; }
    // The started program runs on its own: wait a while for what it leaves.
    bool AppearsWithin(DWORD limitMs) const {
        for (DWORD waited = 0; waited < limitMs; waited += 50) {
            if (Exists()) return true;
            ::Sleep(50);
        }
        return Exists();
    }
    std::wstring wide;
};

TEST(Win32ShellTest, RunStartsAProgramWithItsArguments) {
    ScratchPath marker(L"ran.txt");
    Win32Shell shell;
    shell.Run("cmd.exe", "/c echo ran> \"" + marker.Utf8() + "\"");
    EXPECT_TRUE(marker.AppearsWithin(15000));
}

TEST(Win32ShellTest, OpenStartsAProgramFile) {
    ScratchPath script(L"open.cmd");
    ScratchPath marker(L"opened.txt");
    const std::string text = "@echo opened> \"" + marker.Utf8() + "\"\r\n";
    const HANDLE file =
        ::CreateFileW(script.wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    ::CloseHandle(file);

    Win32Shell shell;
    shell.Open(script.Utf8());
    EXPECT_TRUE(marker.AppearsWithin(15000));
}

TEST(Win32ShellTest, WhatCannotBeFoundFailsWithTheSystemsReason) {
    ScratchPath missing(L"missing.txt");
    Win32Shell shell;
    try {
        shell.Open(missing.Utf8());
        ADD_FAILURE() << "opening a missing file succeeded";
    } catch (const SystemError& error) {
        EXPECT_EQ(error.Api(), "ShellExecuteExW");
        EXPECT_NE(error.Code(), 0u);
        EXPECT_NE(std::string(error.what()).find(missing.Utf8()), std::string::npos) << error.what();
    }
    EXPECT_THROW(shell.Run(missing.Utf8() + ".exe", "/x"), SystemError);
}

}  // namespace
}  // namespace vitrex::win32
