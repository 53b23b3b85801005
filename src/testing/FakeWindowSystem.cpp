#include "testing/FakeWindowSystem.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <string>

namespace vitrex::fakes {

WindowHandle FakeWindowSystem::AddWindow(FakeWindow window) {
    const WindowHandle handle = nextHandle_;
    nextHandle_ += 4;
    windows_.emplace(handle, std::move(window));
    zOrder_.insert(zOrder_.begin(), handle);
    return handle;
}

void FakeWindowSystem::RemoveWindow(WindowHandle window) {
    windows_.erase(window);
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), window), zOrder_.end());
}

FakeWindow* FakeWindowSystem::Find(WindowHandle window) {
    auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : &it->second;
}

const FakeWindow* FakeWindowSystem::Find(WindowHandle window) const {
    auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : &it->second;
}

FakeWindow& FakeWindowSystem::Window(WindowHandle window) {
    FakeWindow* found = Find(window);
    if (found == nullptr)
        throw std::out_of_range("no window " + std::to_string(window) + " on the fake desktop");
    return *found;
}

std::uint32_t FakeWindowSystem::GetExStyle(WindowHandle window) {
    const FakeWindow* found = Find(window);
    return found == nullptr ? 0 : found->exStyle;
}

void FakeWindowSystem::SetExStyle(WindowHandle window, std::uint32_t exStyle) {
    FakeWindow* found = Find(window);
    if (found == nullptr) return;
    ++exStyleWrites_;
    found->exStyle = exStyle;
    if ((exStyle & kWsExLayered) == 0) found->alpha.reset();
}

bool FakeWindowSystem::SetLayeredAlpha(WindowHandle window, std::uint8_t alpha) {
    if (!layeredAlphaAvailable_) return false;
    FakeWindow* found = Find(window);
    // The system refuses attributes for a window that is not layered; the caller is not told.
    if (found != nullptr && (found->exStyle & kWsExLayered) != 0) {
        ++alphaWrites_;
        found->alpha = alpha;
    }
    return true;
}

std::optional<std::uint8_t> FakeWindowSystem::GetLayeredAlpha(WindowHandle window) {
    const FakeWindow* found = Find(window);
    return found == nullptr ? std::nullopt : found->alpha;
}

WindowHandle FakeWindowSystem::FindTopLevel(std::string_view className,
                                            std::optional<std::string_view> title) {
    const auto lower = [](std::string_view text) {
        std::string out(text);
        for (char& c : out)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return out;
    };
    const std::string wanted = lower(className);
    for (WindowHandle handle : zOrder_) {
        const FakeWindow& window = windows_.at(handle);
        if (window.parent != 0 || lower(window.className) != wanted) continue;
        if (title && window.title != *title) continue;
        return handle;
    }
    return 0;
}

}  // namespace vitrex::fakes
