#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "win32/platform/TextConvert.h"
#include "win32/platform/Win32Files.h"

namespace vitrex::win32 {
namespace {

// A folder in the temporary folder with a file, a hidden file, a system file and a subfolder;
// removed at the end.
class ListedFolder {
public:
    ListedFolder() {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, temp);
        path_ = std::wstring(temp) + L"Vitrex listing \x00E4 " + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(path_.c_str(), nullptr);
        for (const wchar_t* name : {L"de.ini", L"hidden.ini", L"system.ini", L"readme.txt"}) {
            HANDLE file = CreateFileW((path_ + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
            CloseHandle(file);
        }
        SetFileAttributesW((path_ + L"\\hidden.ini").c_str(), FILE_ATTRIBUTE_HIDDEN);
        SetFileAttributesW((path_ + L"\\system.ini").c_str(), FILE_ATTRIBUTE_SYSTEM);
        CreateDirectoryW((path_ + L"\\sub.ini").c_str(), nullptr);
    }
    ~ListedFolder() {
        for (const wchar_t* name : {L"de.ini", L"hidden.ini", L"system.ini", L"readme.txt"}) {
            SetFileAttributesW((path_ + L"\\" + name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW((path_ + L"\\" + name).c_str());
        }
        RemoveDirectoryW((path_ + L"\\sub.ini").c_str());
        RemoveDirectoryW(path_.c_str());
    }
    ListedFolder(const ListedFolder&) = delete;
    ListedFolder& operator=(const ListedFolder&) = delete;

    std::string Utf8() const { return Narrow(path_); }

private:
    std::wstring path_;
};

const FolderEntry* Find(const std::vector<FolderEntry>& entries, const std::string& name) {
    auto found =
        std::find_if(entries.begin(), entries.end(), [&](const FolderEntry& e) { return e.name == name; });
    return found == entries.end() ? nullptr : &*found;
}

TEST(Win32FolderListing, ListsEveryEntryWithItsAttributesWhateverTheSeparator) {
    ListedFolder folder;
    Win32Files files;
    // The language folder is formed as the program's folder followed by "/languages/".
    for (const std::string& path : {folder.Utf8(), folder.Utf8() + "\\", folder.Utf8() + "/"}) {
        const std::vector<FolderEntry> entries = files.ListFolder(path);
        EXPECT_EQ(entries.size(), 7u) << path;
        ASSERT_NE(Find(entries, "."), nullptr);
        ASSERT_NE(Find(entries, "de.ini"), nullptr);
        EXPECT_FALSE(Find(entries, "de.ini")->directory);
        ASSERT_NE(Find(entries, "hidden.ini"), nullptr);
        EXPECT_TRUE(Find(entries, "hidden.ini")->hidden);
        ASSERT_NE(Find(entries, "system.ini"), nullptr);
        EXPECT_TRUE(Find(entries, "system.ini")->system);
        ASSERT_NE(Find(entries, "sub.ini"), nullptr);
        EXPECT_TRUE(Find(entries, "sub.ini")->directory);
        EXPECT_NE(Find(entries, "readme.txt"), nullptr);
    }
    EXPECT_TRUE(files.ListFolder(folder.Utf8() + "\\missing").empty());
    EXPECT_TRUE(files.ListFolder(folder.Utf8() + "\\de.ini").empty()) << "a file is no folder";
}

}  // namespace
}  // namespace vitrex::win32
