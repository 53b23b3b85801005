#include "core/transparency/Eligibility.h"

#include <algorithm>

namespace vitrex::transparency {

bool Eligibility::IsTransparencyAllowed(WindowHandle window) {
    return !IsShellOrClassException(window) && !IsExceptedProgram(window);
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

bool Eligibility::IsExceptedProgram(WindowHandle window) {
    if (sharedDepth_ == 0) {
        const std::string name = GetWindowProcessName(window, true);
        return (unreadableExcepted_ && processesUnreadable_) || exceptions_.Contains(name);
    }
    // Within shared lookups, one answer per process: the process list and the exceptions are
    // taken not to change until the lookups end.
    const std::uint32_t processId = windows_.ThreadProcessOf(window).processId;
    if (!sharedSnapshotTaken_ && !ListNamesRightly(window, processId)) RefreshProcessCache();
    if (unreadableExcepted_ && processesUnreadable_) return true;
    // Answers from a trusted list are kept like those of a fresh one, until the lookups end.
    if (sharedExcepted_.size() != processCache_.size() + 1)
        sharedExcepted_.assign(processCache_.size() + 1, -1);
    const std::optional<std::size_t> entry = processId == 0 ? std::nullopt : FindProcess(processId);
    std::int8_t& excepted = sharedExcepted_[entry.value_or(processCache_.size())];
    if (excepted < 0)
        excepted = exceptions_.Contains(entry ? processCache_[*entry].ExeName : std::string()) ? 1 : 0;
    return excepted == 1;
}

std::string Eligibility::GetWindowProcessName(WindowHandle window, bool refresh) {
    const std::uint32_t processId = windows_.ThreadProcessOf(window).processId;
    if (refresh && !(sharedDepth_ > 0 && (sharedSnapshotTaken_ || ListNamesRightly(window, processId))))
        RefreshProcessCache();
    const std::optional<std::size_t> entry = processId == 0 ? std::nullopt : FindProcess(processId);
    return entry ? processCache_[*entry].ExeName : std::string();
}

namespace {

std::size_t SlotOf(std::uint32_t processId, std::size_t mask) {
    return static_cast<std::size_t>((processId * 0x9E3779B1u) >> 7) & mask;
}

}  // namespace

std::optional<std::size_t> Eligibility::FindProcess(std::uint32_t processId) const {
    if (processId == 0 || entryById_.empty()) return std::nullopt;
    const std::size_t mask = entryById_.size() - 1;
    for (std::size_t i = SlotOf(processId, mask);; i = (i + 1) & mask) {
        if (entryById_[i].first == processId) return entryById_[i].second;
        if (entryById_[i].first == 0) return std::nullopt;
    }
}

void Eligibility::RefreshProcessCache() {
    const sysinfo::ListOutcome outcome = inspector_.GetProcessList(processCache_);
    if (outcome != sysinfo::ListOutcome::Listed && listFailed_) listFailed_(outcome);
    processesUnreadable_ = inspector_.ProcessSnapshotFailed();
    std::size_t slots = 16;
    while (slots < 2 * processCache_.size())
        slots *= 2;
    entryById_.assign(slots, {0, 0});
    const std::size_t mask = slots - 1;
    for (std::size_t entry = 0; entry < processCache_.size(); ++entry) {
        const std::uint32_t processId = processCache_[entry].ProcessID;
        if (processId == 0) continue;
        std::size_t i = SlotOf(processId, mask);
        while (entryById_[i].first != 0 && entryById_[i].first != processId)
            i = (i + 1) & mask;
        // The first entry of an id is the one a scan from the front would find.
        if (entryById_[i].first == 0) entryById_[i] = {processId, static_cast<std::uint32_t>(entry)};
    }
    if (sharedDepth_ > 0) {
        sharedSnapshotTaken_ = true;
        sharedExcepted_.assign(processCache_.size() + 1, -1);
    }
}

bool Eligibility::ListNamesRightly(WindowHandle window, std::uint32_t processId) {
    if (sharedDepth_ == 0 || processesUnreadable_) return false;
    const std::optional<std::size_t> entry = FindProcess(processId);
    if (!entry) return false;
    if (trusted_ != nullptr && trusted_->Contains(window)) return true;
    if (std::find(namesConfirmed_.begin(), namesConfirmed_.end(), processId) != namesConfirmed_.end())
        return true;
    if (namesAsked_ == kNamesConfirmedAtMost) return false;
    ++namesAsked_;
    const std::optional<std::string> name = inspector_.ExeNameOf(processId);
    if (!name || *name != processCache_[*entry].ExeName) return false;
    namesConfirmed_.push_back(processId);
    return true;
}

void Eligibility::BeginShared(const KnownWindows* trusted) {
    // The outermost lookups decide what is trusted.
    if (sharedDepth_++ == 0) trusted_ = trusted;
}

void Eligibility::EndShared() {
    if (--sharedDepth_ > 0) return;
    sharedSnapshotTaken_ = false;
    trusted_ = nullptr;
    namesConfirmed_.clear();
    namesAsked_ = 0;
    sharedRefused_.reset();
    sharedExcepted_.clear();
}

}  // namespace vitrex::transparency
