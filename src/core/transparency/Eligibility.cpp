#include "core/transparency/Eligibility.h"

namespace vitrex::transparency {

bool Eligibility::IsTransparencyAllowed(WindowHandle window) {
    if (IsShellOrClassException(window)) return false;
    return !IsExcepted(GetWindowProcessName(window, true));
}

bool Eligibility::IsShellOrClassException(WindowHandle window) {
    const auto refuses = [window](const RefusedWindows& refused) {
        // A rule whose window does not exist finds 0, so it refuses window 0 itself, as the
        // lookup's plain comparison does.
        for (WindowHandle shell : refused.shell) {
            if (shell == window) return true;
        }
        return refused.hasClassException && refused.classException == window;
    };
    if (sharedDepth_ > 0 && sharedRefused_) return refuses(*sharedRefused_);

    RefusedWindows refused;
    for (std::size_t i = 0; i < kShellWindowRules.size(); ++i) {
        refused.shell[i] = windows_.FindTopLevel(kShellWindowRules[i].className, kShellWindowRules[i].title);
        if (sharedDepth_ == 0 && refused.shell[i] == window) return true;
    }
    // Only the first window of the class is excepted; an empty class excepts nothing.
    const std::string classException = exceptions_.ClassException();
    refused.hasClassException = !classException.empty();
    if (refused.hasClassException)
        refused.classException = windows_.FindTopLevel(classException, std::nullopt);
    if (sharedDepth_ > 0) sharedRefused_ = refused;
    return refuses(refused);
}

bool Eligibility::IsExcepted(const std::string& exeName) {
    if (sharedDepth_ == 0) return exceptions_.Contains(exeName);
    auto [it, inserted] = sharedExcepted_.try_emplace(exeName, false);
    if (inserted) it->second = exceptions_.Contains(exeName);
    return it->second;
}

std::string Eligibility::GetWindowProcessName(WindowHandle window, bool refresh) {
    if (refresh && !(sharedDepth_ > 0 && sharedSnapshotTaken_)) RefreshProcessCache();
    const std::uint32_t processId = windows_.ThreadProcessOf(window).processId;
    if (processId == 0) return {};
    auto it = entryById_.find(processId);
    return it == entryById_.end() ? std::string() : processCache_[it->second].ExeName;
}

void Eligibility::RefreshProcessCache() {
    inspector_.GetProcessList(processCache_);
    entryById_.clear();
    for (std::size_t i = 0; i < processCache_.size(); ++i)
        entryById_.try_emplace(processCache_[i].ProcessID, i);
    if (sharedDepth_ > 0) sharedSnapshotTaken_ = true;
}

void Eligibility::BeginShared() {
    ++sharedDepth_;
}

void Eligibility::EndShared() {
    if (--sharedDepth_ > 0) return;
    sharedSnapshotTaken_ = false;
    sharedRefused_.reset();
    sharedExcepted_.clear();
}

}  // namespace vitrex::transparency
