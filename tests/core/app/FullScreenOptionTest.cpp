#include <gtest/gtest.h>

#include <string>

#include "EarlierRun.h"
#include "core/app/MainForm.h"
#include "testing/FakePlatform.h"

namespace vitrex::app {
namespace {

using fakes::FakeRegistryValue;

constexpr const char* kKey = "Software\\Vitrex";

// Settings of an earlier run with "Active at Startup", and a full-screen video behind an editor.
struct FullScreenOption : ::testing::Test {
    fakes::FakePlatform platform;
    WindowHandle video = 0, editor = 0;

    FullScreenOption() {
        platform.processes.AddProcess(20, "editor.exe");
        platform.processes.AddProcess(30, "video.exe");
        fakes::FakeWindow window;
        window.className = "VideoFrame";
        window.processId = 30;
        window.rect = {0, 0, 1920, 1080};
        video = platform.windows.AddWindow(window);
        window.className = "EditorFrame";
        window.processId = 20;
        window.rect = {100, 100, 900, 700};
        editor = platform.windows.AddWindow(window);
        platform.windows.SetForeground(editor);
        testing::SeedEarlierRun(platform.registry);
        platform.registry.Seed(kKey, "StartActive", FakeRegistryValue::Dword(1));
    }
    bool Layered(WindowHandle window) { return platform.windows.StyleOf(window).layered; }
};

TEST_F(FullScreenOption, SettingsWithoutTheValueLeaveFullScreenWindowsOpaqueAndTheQuitStoresIt) {
    MainForm form(platform.NewRun());
    form.FormCreate();
    EXPECT_TRUE(form.TAB_TPZ_FullScreenCB.Checked());
    EXPECT_EQ(form.TAB_TPZ_FullScreenCB.Caption(), "Leave full-screen windows opaque");
    EXPECT_TRUE(form.TAB_TPZ_FullScreenCB.Enabled()) << "it may be changed while the engine runs";
    for (const std::string& line : form.Log().Lines())
        EXPECT_EQ(line.find("AB_FullScreenOpaque"), std::string::npos) << "a missing value is no damage";
    form.Vitrex_Timer.Tick();
    EXPECT_FALSE(Layered(video));
    EXPECT_TRUE(Layered(editor));

    // Switched off while the engine runs: the video gets the inactive level at the next tick.
    form.TAB_TPZ_FullScreenCB.UserClick();
    form.Vitrex_Timer.Tick();
    EXPECT_EQ(platform.windows.GetLayeredAlpha(video), std::optional<std::uint8_t>(191));

    form.TrayPopup_Exit.UserClick();
    EXPECT_EQ(platform.registry.Value(kKey, "AB_FullScreenOpaque"), FakeRegistryValue::Dword(0));
}

TEST_F(FullScreenOption, AStoredOffGivesFullScreenWindowsTheirLevelsAsBefore) {
    platform.registry.Seed(kKey, "AB_FullScreenOpaque", FakeRegistryValue::Dword(0));
    MainForm form(platform.NewRun());
    form.FormCreate();
    EXPECT_FALSE(form.TAB_TPZ_FullScreenCB.Checked());
    form.Vitrex_Timer.Tick();
    EXPECT_EQ(platform.windows.GetLayeredAlpha(video), std::optional<std::uint8_t>(191));
    form.TrayPopup_Exit.UserClick();
    EXPECT_EQ(platform.registry.Value(kKey, "AB_FullScreenOpaque"), FakeRegistryValue::Dword(0));
}

}  // namespace
}  // namespace vitrex::app
