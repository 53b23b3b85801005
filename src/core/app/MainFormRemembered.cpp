// The programs whose level is remembered, and the windows that refuse changes: their wiring to
// the engine, the applications page, the exceptions page and the hot keys.

#include <string>

#include "core/app/MainForm.h"
#include "core/app/RememberedHotKeys.h"
#include "core/transparency/ShortCuts.h"

namespace vitrex::app {

void MainForm::SetUpProgramMemory() {
    rememberedView_.ShowColumns();
    rememberedView_.Show();
}

// Shown at once, and while the engine runs the program's windows take the change at once.
void MainForm::ProgramRemembered(const std::string& program) {
    rememberedView_.Show();
    activation_.Relevel(program);
}

// One entry per window: the engine does not ask it again while it exists.
void MainForm::WindowRefused(WindowHandle window, WindowThreadProcess owner) {
    crashLog_.AddEntry("The window " + std::to_string(window) + " of process " +
                           std::to_string(owner.processId) +
                           " refused a change (access denied): its program runs with higher rights",
                       "AccessDenied", this);
}

void FollowHotKeyInRemembered(transparency::RememberedPrograms& remembered,
                              transparency::Eligibility& eligibility, int id, WindowHandle foreground) {
    using namespace transparency;
    if (remembered.Empty()) return;
    std::optional<int> level;
    std::optional<bool> onTop;
    if (id >= kHotKeyDigit0 && id <= kHotKeyDigit0 + 9) {
        level = (id - kHotKeyDigit0) * 10;
    } else if (id == kHotKeyOnTop || id == kHotKeyNotOnTop) {
        onTop = id == kHotKeyOnTop;
    } else {
        return;
    }
    remembered.Follow(eligibility.GetWindowProcessName(foreground, true), level, onTop);
}

}  // namespace vitrex::app
