#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>

#include "core/app/settings/SettingsStore.h"
#include "core/platform/Errors.h"
#include "win32/platform/SystemMessage.h"
#include "win32/platform/TextConvert.h"
#include "win32/platform/Win32Registry.h"

namespace vitrex::win32 {
namespace {

// A key of its own under HKCU for one test, removed with everything below it at the end.
class ScratchKey {
public:
    ScratchKey()
        : path_("Software\\VitrexTest\\" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(GetTickCount())) {}
    ~ScratchKey() {
        RegDeleteTreeW(HKEY_CURRENT_USER, Widen(path_).c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\VitrexTest");  // only goes when empty
    }
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    const std::string& Path() const { return path_; }

    // Stores a value behind the adapter's back.
    void SetRaw(const wchar_t* name, DWORD type, const void* data, DWORD size) const {
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, Widen(path_).c_str(), name, type, data, size),
                  ERROR_SUCCESS);
    }
    // The value's type and size as the system sees them; type REG_NONE and size 0 when missing.
    std::pair<DWORD, DWORD> TypeAndSize(const std::string& name) const {
        DWORD type = REG_NONE;
        DWORD size = 0;
        if (RegGetValueW(HKEY_CURRENT_USER, Widen(path_).c_str(), Widen(name).c_str(),
                         RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, &size) != ERROR_SUCCESS) {
            return {REG_NONE, 0};
        }
        return {type, size};
    }

private:
    std::string path_;
};

std::string ErrorOf(const std::function<void()>& read) {
    try {
        read();
    } catch (const RegistryError& error) {
        return error.what();
    }
    return "(no error)";
}

// Gives everyone only `access` to the key (and the right to change that) while it lives; full
// access again at the end, so that the scratch key can go.
class KeyAccess {
public:
    KeyAccess(const std::string& path, DWORD access) : path_(Widen(path)) {
        Allow(access | WRITE_DAC | READ_CONTROL);
    }
    ~KeyAccess() { Allow(KEY_ALL_ACCESS); }
    KeyAccess(const KeyAccess&) = delete;
    KeyAccess& operator=(const KeyAccess&) = delete;

private:
    void Allow(DWORD access) const {
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, READ_CONTROL | WRITE_DAC, &key),
                  ERROR_SUCCESS);
        alignas(ACL) BYTE aclBuffer[256];
        auto* acl = reinterpret_cast<PACL>(aclBuffer);
        SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
        PSID everyone = nullptr;
        AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
        InitializeAcl(acl, sizeof aclBuffer, ACL_REVISION);
        AddAccessAllowedAce(acl, ACL_REVISION, access, everyone);
        SECURITY_DESCRIPTOR descriptor;
        InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
        SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE);
        const LSTATUS status = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor);
        FreeSid(everyone);
        RegCloseKey(key);
        ASSERT_EQ(status, ERROR_SUCCESS);
    }

    std::wstring path_;
};

struct Win32RegistryFixture : ::testing::Test {
    ScratchKey scratch;
    Win32Registry registry;
};

TEST_F(Win32RegistryFixture, WritesNumbersAsDwordsAndTextAsUtf16Sz) {
    const std::string text =
        "Zw\xC3\xB6lf \xD0\x92\xD0\xB8\xD1\x82\xD1\x80\xD0\xB5\xD0\xBA\xD1\x81 \xE2\x82\xAC";
    {
        auto key = registry.OpenOrCreateKey(scratch.Path());
        key->WriteInteger("Number", -7);
        key->WriteBool("Flag", true);
        key->WriteText("Text", text);
        key->WriteText("\xD0\x98\xD0\xBC\xD1\x8F", "");
    }
    EXPECT_EQ(scratch.TypeAndSize("Number"), (std::pair<DWORD, DWORD>{REG_DWORD, 4}));
    EXPECT_EQ(scratch.TypeAndSize("Text"), (std::pair<DWORD, DWORD>{REG_SZ, 2 * (Widen(text).size() + 1)}));

    auto key = registry.OpenOrCreateKey("\\" + scratch.Path());  // the rooted path names the same key
    EXPECT_EQ(key->ReadInteger("Number"), -7);
    EXPECT_TRUE(key->ReadBool("Flag"));
    EXPECT_EQ(key->ReadText("Text"), text);
    EXPECT_TRUE(key->ValueExists("\xD0\x98\xD0\xBC\xD1\x8F"));
    EXPECT_TRUE(key->DeleteValue("Flag"));
    EXPECT_FALSE(key->DeleteValue("Flag"));
    EXPECT_FALSE(key->ValueExists("Flag"));
}

TEST_F(Win32RegistryFixture, ValueNamesListsEveryValueWithItsWholeName) {
    auto key = registry.OpenOrCreateKey(scratch.Path());
    EXPECT_TRUE(key->ValueNames().empty());
    const std::string long_(300, 'x');
    key->WriteText("notepad.exe", "level=40;ontop=0");
    key->WriteInteger("\xD0\x98\xD0\xBC\xD1\x8F.exe", 1);
    key->WriteText(long_, "");
    std::vector<std::string> names = key->ValueNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"notepad.exe", long_, "\xD0\x98\xD0\xBC\xD1\x8F.exe"}));
}

TEST_F(Win32RegistryFixture, ExpandSzIsReadUnexpanded) {
    const wchar_t expand[] = L"%SystemRoot%\\system32";
    scratch.SetRaw(L"Expand", REG_EXPAND_SZ, expand, sizeof expand);
    EXPECT_EQ(registry.OpenOrCreateKey(scratch.Path())->ReadText("Expand"), "%SystemRoot%\\system32");
}

TEST_F(Win32RegistryFixture, MissingAndWrongTypedValuesFailWithTheirMessages) {
    const ULONGLONG quad = 1;
    const wchar_t one[] = L"1";
    const BYTE blob[] = {1, 0};
    const DWORD number = 5;
    scratch.SetRaw(L"Quad", REG_QWORD, &quad, sizeof quad);
    scratch.SetRaw(L"One", REG_SZ, one, sizeof one);
    scratch.SetRaw(L"Blob", REG_BINARY, blob, sizeof blob);
    scratch.SetRaw(L"Number", REG_DWORD, &number, sizeof number);
    auto key = registry.OpenOrCreateKey(scratch.Path());

    EXPECT_EQ(ErrorOf([&] { key->ReadInteger("Missing"); }),
              "Fehler beim Holen der Daten f\xC3\xBCr 'Missing'");
    EXPECT_EQ(ErrorOf([&] { key->ReadInteger("Quad"); }), "Fehler beim Holen der Daten f\xC3\xBCr 'Quad'");
    EXPECT_EQ(ErrorOf([&] { key->ReadBool("One"); }), "Ung\xC3\xBCltiger Datentyp f\xC3\xBCr 'One'");
    EXPECT_EQ(ErrorOf([&] { key->ReadInteger("Blob"); }), "Ung\xC3\xBCltiger Datentyp f\xC3\xBCr 'Blob'");
    EXPECT_EQ(ErrorOf([&] { key->ReadText("Number"); }), "Ung\xC3\xBCltiger Datentyp f\xC3\xBCr 'Number'");
    EXPECT_EQ(key->ReadText("Missing"), "");
}

TEST_F(Win32RegistryFixture, FailuresOfAProtectedKeyNameTheCallThatFailedAndTheSystemsMessage) {
    registry.OpenOrCreateKey(scratch.Path())->WriteInteger("Number", 3);
    std::optional<KeyAccess> readOnly(std::in_place, scratch.Path(), KEY_READ);
    const std::string denied = SystemMessage(ERROR_ACCESS_DENIED);
    ASSERT_FALSE(denied.empty());

    auto key = registry.OpenOrCreateKey(scratch.Path());
    EXPECT_EQ(key->ReadInteger("Number"), 3) << "reads still work";
    try {
        key->WriteInteger("Number", 4);
        FAIL() << "a write to a read-only key must fail";
    } catch (const Error& error) {
        EXPECT_STREQ(error.ClassName(), "RegistryError");
        EXPECT_EQ(error.Api(), "RegSetValueExW");
        EXPECT_EQ(error.Code(), static_cast<std::uint32_t>(ERROR_ACCESS_DENIED));
        EXPECT_EQ(std::string(error.what()), "Value 'Number': RegSetValueExW failed (5): " + denied);
    }
    try {
        key->DeleteValue("Number");
        FAIL() << "a delete in a read-only key must fail";
    } catch (const RegistryError& error) {
        EXPECT_EQ(error.Api(), "RegDeleteValueW");
    }
    key.reset();
    readOnly.reset();

    // Refused for writing, then for reading too: the error names the call that answered last.
    KeyAccess noAccess(scratch.Path(), 0);
    try {
        registry.OpenOrCreateKey(scratch.Path());
        FAIL() << "a key that refuses reading cannot be opened";
    } catch (const RegistryError& error) {
        EXPECT_EQ(error.Api(), "RegOpenKeyExW");
        EXPECT_EQ(std::string(error.what()),
                  "Key '" + scratch.Path() + "': RegOpenKeyExW failed (5): " + denied);
    }
}

TEST_F(Win32RegistryFixture, FirstStartCreatesTheKeyWithNineteenValues) {
    const std::string path = scratch.Path() + "\\Vitrex";
    EXPECT_FALSE(registry.KeyExists(path));
    settings::SettingsStore store(registry, path);
    EXPECT_EQ(settings::WriteMissingDefaults(store), settings::StartKind::FirstStart);
    EXPECT_TRUE(registry.KeyExists("\\" + path));

    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, Widen(path).c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD values = 0;
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr,
                     nullptr, nullptr);
    RegCloseKey(key);
    EXPECT_EQ(values, 19u);
    EXPECT_EQ(store.ReadInteger(settings::SettingId::SC_AoT_On), 49264);
}

TEST_F(Win32RegistryFixture, PerformanceDataComesBackWholeDespiteTheReportedSize) {
    const std::vector<std::uint8_t> block = registry.QueryPerformanceData("230 232");
    ASSERT_GE(block.size(), 8u);
    // PERF_DATA_BLOCK starts with the signature "PERF" in UTF-16.
    EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(block.data()), 4), L"PERF");
}

}  // namespace
}  // namespace vitrex::win32
