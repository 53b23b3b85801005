#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "../../common/BadSettingValues.h"
#include "win32/platform/TextConvert.h"
#include "win32/platform/Win32Registry.h"

namespace vitrex::win32 {
namespace {

using vitrex::testing::BadSettingValue;

// Each odd value written with the system's own call, as another program would have written it,
// then read through the registry adapter and the settings' rules: the same outcome as on the host.
class Win32BadSettings : public ::testing::TestWithParam<BadSettingValue> {
protected:
    Win32BadSettings()
        : path_("Software\\VitrexTest\\bad-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(GetTickCount())) {}
    ~Win32BadSettings() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, Widen(path_).c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\VitrexTest");  // only goes when empty
    }
    std::string path_;
};

TEST_P(Win32BadSettings, ReadThroughTheAdapterAsOnTheHost) {
    const BadSettingValue& bad = GetParam();
    Win32Registry registry;
    const settings::SettingsStore store(registry, path_);
    ASSERT_EQ(
        RegSetKeyValueW(HKEY_CURRENT_USER, Widen(path_).c_str(), Widen(bad.setting).c_str(),
                        static_cast<DWORD>(bad.type), bad.bytes.data(), static_cast<DWORD>(bad.bytes.size())),
        ERROR_SUCCESS);
    EXPECT_EQ(vitrex::testing::ReadAs(store, bad.setting), bad.expected);
}

INSTANTIATE_TEST_SUITE_P(EachKind, Win32BadSettings, ::testing::ValuesIn(vitrex::testing::BadSettingValues()),
                         [](const ::testing::TestParamInfo<BadSettingValue>& info) {
                             return info.param.label;
                         });

}  // namespace
}  // namespace vitrex::win32
