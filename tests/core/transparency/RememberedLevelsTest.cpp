#include <gtest/gtest.h>

#include "EngineDesktop.h"
#include "core/transparency/RememberedPrograms.h"

namespace vitrex::transparency {
namespace {

// The engine with programs remembered at 40 % (alpha 153).
struct RememberedLevels : testing::EngineDesktop {
    static constexpr int kRemembered = 153;
    RememberedPrograms remembered{registry, "Software\\Vitrex\\Remembered"};

    RememberedLevels() { engine.SetRemembered(&remembered); }
    bool OnTop(WindowHandle window) { return desktop.StyleOf(window).topmost; }
};

TEST_F(RememberedLevels, ReplaceBothLevelsForEveryWindowOfTheProgramInBothModes) {
    for (const bool wholeGroup : {false, true}) {
        SCOPED_TRACE(wholeGroup ? "whole-group mode" : "only-active-window mode");
        engine.SwitchOff();
        settings.wholeGroupMode = wholeGroup;
        remembered.Remember("Editor.EXE", {40, false});
        const WindowHandle editor = Open("editor.exe");
        const WindowHandle mail = Open("mail.exe");
        desktop.SetForeground(editor);
        Tick();
        EXPECT_EQ(Alpha(editor), kRemembered) << "in front";
        EXPECT_EQ(Alpha(mail), kInactive);

        desktop.SetForeground(mail);
        Tick();
        EXPECT_EQ(Alpha(editor), kRemembered) << "behind";
        EXPECT_EQ(Alpha(mail), kActive);

        // Windows opened while the engine runs, behind and in front.
        const WindowHandle second = Open("editor.exe");
        desktop.BringToFront(mail);
        Tick();
        EXPECT_EQ(Alpha(second), kRemembered);
        const WindowHandle third = Open("editor.exe");
        desktop.SetForeground(third);
        Tick();
        EXPECT_EQ(Alpha(third), kRemembered);
        EXPECT_EQ(Alpha(mail), kInactive) << "other programs keep the normal levels";
        desktop.RemoveWindow(editor);
        desktop.RemoveWindow(mail);
        desktop.RemoveWindow(second);
        desktop.RemoveWindow(third);
    }
}

TEST_F(RememberedLevels, TheExceptionsListWinsAndOnTopIsGivenToWindowsOfAllowedProgramsOnly) {
    remembered.Remember("editor.exe", {40, true});
    remembered.Remember("mail.exe", {60, true});
    exceptions.names = {"MAIL.EXE"};
    const WindowHandle editor = Open("editor.exe");
    const WindowHandle mail = Open("mail.exe");
    desktop.SetForeground(mail);
    Tick();
    EXPECT_EQ(Alpha(mail), -1);
    EXPECT_FALSE(OnTop(mail));
    EXPECT_EQ(Alpha(editor), kRemembered);
    EXPECT_TRUE(OnTop(editor));
}

TEST_F(RememberedLevels, ChangesWhileTheEngineRunsReachTheProgramsWindowsAtOnce) {
    const WindowHandle editor = Open("editor.exe");
    const WindowHandle palette = Open("editor.exe");
    const WindowHandle mail = Open("mail.exe");
    desktop.SetForeground(editor);
    Tick();

    remembered.Remember("editor.exe", {40, false});
    engine.Relevel(settings, "editor.exe");
    EXPECT_EQ(Alpha(editor), kRemembered);
    EXPECT_EQ(Alpha(palette), kRemembered);
    EXPECT_EQ(Alpha(mail), kInactive);

    // Forgotten: the foreground window gets the active level again, the rest the inactive one.
    remembered.Forget("editor.exe");
    engine.Relevel(settings, "editor.exe");
    EXPECT_EQ(Alpha(editor), kActive);
    EXPECT_EQ(Alpha(palette), kInactive);
    EXPECT_EQ(Alpha(mail), kInactive);
    desktop.SetForeground(mail);
    Tick();
    EXPECT_EQ(Alpha(editor), kInactive);
}

TEST_F(RememberedLevels, AProgramRememberedWithoutALevelKeepsTheNormalLevels) {
    remembered.Remember("editor.exe", {std::nullopt, true});
    const WindowHandle editor = Open("editor.exe");
    desktop.SetForeground(editor);
    Tick();
    EXPECT_EQ(Alpha(editor), kActive);
    EXPECT_TRUE(OnTop(editor));
}

}  // namespace
}  // namespace vitrex::transparency
