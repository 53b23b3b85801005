#include "core/transparency/RefusedWindows.h"

namespace vitrex::transparency {

void RefusedWindows::Note(WindowHandle window, WindowThreadProcess owner) {
    const auto noted = noted_.find(window);
    if (noted != noted_.end() && noted->second == owner) return;
    noted_.insert_or_assign(window, owner);
    if (observer_) observer_(window, owner);
}

bool RefusedWindows::Holds(WindowHandle window, WindowThreadProcess owner) const {
    const auto noted = noted_.find(window);
    return noted != noted_.end() && noted->second == owner;
}

std::vector<WindowHandle> RefusedWindows::ForgetChanged(WindowSystem& windows) {
    std::vector<WindowHandle> taken;
    for (auto noted = noted_.begin(); noted != noted_.end();) {
        const WindowThreadProcess now = windows.ThreadProcessOf(noted->first);
        if (now == noted->second) {
            ++noted;
            continue;
        }
        if (now.threadId != 0) taken.push_back(noted->first);
        noted = noted_.erase(noted);
    }
    return taken;
}

}  // namespace vitrex::transparency
