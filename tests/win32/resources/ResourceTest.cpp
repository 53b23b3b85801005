#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

// Vitrex.exe's own resources, read from the built program as a data file: the tests do not link
// resources/vitrex.rc themselves.
namespace {

std::filesystem::path ProgramPath() {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    // This test program is built in <build>/tests/win32, the program in <build>/src/win32.
    return std::filesystem::path(self).parent_path() / L".." / L".." / L"src" / L"win32" / L"Vitrex.exe";
}

class ProgramResources : public ::testing::Test {
protected:
    void SetUp() override {
        const std::filesystem::path path = ProgramPath();
        module_ = ::LoadLibraryExW(path.c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module_, nullptr) << "cannot open " << path.string() << ", error " << ::GetLastError();
    }
    void TearDown() override {
        if (module_ != nullptr) ::FreeLibrary(module_);
    }

    std::string_view Resource(const wchar_t* type, int id) const {
        HRSRC found = ::FindResourceW(module_, MAKEINTRESOURCEW(id), type);
        if (found == nullptr) return {};
        const void* data = ::LockResource(::LoadResource(module_, found));
        return {static_cast<const char*>(data), ::SizeofResource(module_, found)};
    }

    HMODULE module_ = nullptr;
};

// The value of a string in a version resource: the UTF-16 key, its terminator, padding to four
// bytes, then the value.
std::wstring VersionString(std::string_view block, std::wstring_view key) {
    const std::string_view needle(reinterpret_cast<const char*>(key.data()),
                                  (key.size() + 1) * sizeof(wchar_t));
    std::size_t at = block.find(needle);
    while (at != std::string_view::npos && at % 2 != 0)
        at = block.find(needle, at + 1);
    if (at == std::string_view::npos) return {};
    std::size_t value = (at + needle.size() + 3) & ~std::size_t{3};
    std::wstring text;
    for (; value + 1 < block.size(); value += 2) {
        wchar_t c;
        std::memcpy(&c, block.data() + value, sizeof c);
        if (c == L'\0') break;
        text += c;
    }
    return text;
}

TEST_F(ProgramResources, ManifestAsksForCommonControls6PerMonitorDpiAndTheUsersRights) {
    const std::string_view manifest = Resource(RT_MANIFEST, 1);
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string_view::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string_view::npos);
    EXPECT_NE(manifest.find(">PerMonitorV2"), std::string_view::npos);
    EXPECT_NE(manifest.find(">true/pm<"), std::string_view::npos);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string_view::npos);
}

TEST_F(ProgramResources, VersionResourceNamesTheProgramAndItsVersion) {
    const std::string_view block = Resource(RT_VERSION, 1);
    ASSERT_FALSE(block.empty());

    VS_FIXEDFILEINFO fixed{};
    const std::uint32_t signature = 0xFEEF04BD;
    const std::size_t at = block.find(std::string_view(reinterpret_cast<const char*>(&signature), 4));
    ASSERT_NE(at, std::string_view::npos);
    ASSERT_LE(at + sizeof fixed, block.size());
    std::memcpy(&fixed, block.data() + at, sizeof fixed);
    EXPECT_EQ(fixed.dwFileVersionMS, 0x00000015u);  // 0.21
    EXPECT_EQ(fixed.dwFileVersionLS, 0x00000015u);  // .0.21
    EXPECT_EQ(fixed.dwProductVersionMS, fixed.dwFileVersionMS);
    EXPECT_EQ(fixed.dwProductVersionLS, fixed.dwFileVersionLS);

    EXPECT_EQ(VersionString(block, L"ProductName"), L"Vitrex");
    EXPECT_EQ(VersionString(block, L"FileDescription"), L"Vitrex");
    EXPECT_EQ(VersionString(block, L"ProductVersion"), L"0.21 PreBuild");
    EXPECT_EQ(VersionString(block, L"OriginalFilename"), L"Vitrex.exe");
    EXPECT_EQ(VersionString(block, L"CompanyName"), L"The Vitrex Project");
    EXPECT_EQ(VersionString(block, L"LegalCopyright"), L"Freeware");
}

TEST_F(ProgramResources, ApplicationIconLoadsAtSmallAndLargeSizes) {
    for (int size : {16, 24, 32, 48, 256}) {
        HANDLE icon = ::LoadImageW(module_, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0);
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(::GetIconInfo(static_cast<HICON>(icon), &info));
        BITMAP colour{};
        ::GetObjectW(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, size);
        EXPECT_EQ(colour.bmBitsPixel, 32) << "the icon keeps its alpha at " << size;
        ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
        ::DestroyIcon(static_cast<HICON>(icon));
    }
}

}  // namespace
