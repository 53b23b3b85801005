#include "EngineDesktop.h"

namespace vitrex::transparency {
namespace {

using testing::EngineDesktop;
using EngineFaults = EngineDesktop;

// A window can close between the enumeration that lists it and the calls that give it its level:
// the tick goes on with the others, and neither it nor switching off touches anything else.
TEST_F(EngineFaults, AWindowThatClosesBetweenEnumerationAndItsLevelCostsOnlyItself) {
    const WindowHandle first = Open("editor.exe");
    const WindowHandle vanishing = Open("player.exe");
    const WindowHandle last = Open("viewer.exe");
    desktop.SetForeground(last);
    desktop.CloseAfterNextEnumeration(vanishing);

    ASSERT_NO_THROW(Tick());
    EXPECT_EQ(Alpha(last), kActive);
    EXPECT_EQ(Alpha(first), kInactive);
    EXPECT_EQ(desktop.Find(vanishing), nullptr);

    // A later tick and a new window behave as usual; switching off clears the windows that exist.
    const WindowHandle later = Open("player.exe");
    ASSERT_NO_THROW(Tick());
    EXPECT_EQ(Alpha(later), kInactive);
    ASSERT_NO_THROW(engine.SwitchOff());
    EXPECT_EQ(Alpha(first), -1);
    EXPECT_EQ(Alpha(last), -1);
    EXPECT_EQ(Alpha(later), -1);
}

// While the process list cannot be read, no window can be told to belong to an excepted program;
// the engine must not take that for "no program is excepted".
TEST_F(EngineFaults, AnUnreadableProcessListGivesAnExceptedProgramsWindowsNoLevel) {
    exceptions.names = {"game.exe"};
    const WindowHandle game = Open("game.exe");
    const WindowHandle editor = Open("editor.exe");
    desktop.SetForeground(editor);
    processes.snapshotsFail = true;

    ASSERT_NO_THROW(Tick());
    EXPECT_EQ(Alpha(game), -1) << "an excepted program's window stays opaque";

    processes.snapshotsFail = false;
    desktop.SetForeground(game);
    Tick();
    desktop.SetForeground(editor);
    Tick();
    EXPECT_EQ(Alpha(game), -1);
    EXPECT_EQ(Alpha(editor), kActive) << "once the list reads again the others get their levels";
}

}  // namespace
}  // namespace vitrex::transparency
