#include "testing/FakeWindowSystem.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "core/text/AsciiCase.h"

namespace vitrex::fakes {
namespace {

// The system hands out at most 260 characters of a title or class name.
std::string Cut260(const std::string& utf8) {
    int characters = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80;
        if (startsCharacter && ++characters > 260) return utf8.substr(0, i);
    }
    return utf8;
}

}  // namespace

WindowHandle FakeWindowSystem::AddWindow(FakeWindow window) {
    const WindowHandle handle = nextHandle_;
    nextHandle_ += kHandleStep;
    windows_.push_back(nullptr);
    AddWindowWithHandle(handle, std::move(window));
    return handle;
}

void FakeWindowSystem::AddWindowWithHandle(WindowHandle handle, FakeWindow window) {
    if (handle < kFirstHandle || handle >= nextHandle_ || (handle - kFirstHandle) % kHandleStep != 0)
        throw std::invalid_argument("not a handle of this desktop");
    std::unique_ptr<FakeWindow>& slot = windows_[(handle - kFirstHandle) / kHandleStep];
    if (slot) throw std::invalid_argument("handle in use");
    slot = std::make_unique<FakeWindow>(std::move(window));
    zOrder_.insert(zOrder_.begin(), handle);
}

void FakeWindowSystem::RemoveWindow(WindowHandle window) {
    if (Find(window) == nullptr) return;
    windows_[(window - kFirstHandle) / kHandleStep].reset();
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), window), zOrder_.end());
    if (foreground_ == window) foreground_ = 0;
}

FakeWindow* FakeWindowSystem::Find(WindowHandle window) {
    return const_cast<FakeWindow*>(std::as_const(*this).Find(window));
}

const FakeWindow* FakeWindowSystem::Find(WindowHandle window) const {
    if (window < kFirstHandle || (window - kFirstHandle) % kHandleStep != 0) return nullptr;
    const WindowHandle index = (window - kFirstHandle) / kHandleStep;
    return index < windows_.size() ? windows_[index].get() : nullptr;
}

FakeWindow& FakeWindowSystem::Window(WindowHandle window) {
    FakeWindow* found = Find(window);
    if (found == nullptr)
        throw std::out_of_range("no window " + std::to_string(window) + " on the fake desktop");
    return *found;
}

void FakeWindowSystem::SetForeground(WindowHandle window) {
    if (window != 0) BringToFront(window);
    foreground_ = window;
}

void FakeWindowSystem::BringToFront(WindowHandle window) {
    auto it = std::find(zOrder_.begin(), zOrder_.end(), window);
    if (it == zOrder_.end()) throw std::out_of_range("no window " + std::to_string(window) + " to raise");
    std::rotate(zOrder_.begin(), it, it + 1);
}

WindowStyle FakeWindowSystem::StyleOf(WindowHandle window) {
    const FakeWindow* found = Find(window);
    if (found == nullptr) return {};
    const std::uint32_t word = found->exStyle;
    return {(word & kWsExLayered) != 0, (word & kWsExTopmost) != 0, (word & kWsExToolWindow) != 0,
            (word & kWsExTransparent) != 0, word};
}

WindowChange FakeWindowSystem::WriteExStyle(WindowHandle window, std::uint32_t exStyle) {
    FakeWindow* found = Find(window);
    if (found == nullptr) return WindowChange::Done;
    if (found->higherRights) {
        ++found->refusedChanges;
        return WindowChange::Refused;
    }
    ++exStyleWrites_;
    found->exStyle = exStyle;
    if ((exStyle & kWsExLayered) == 0) {
        found->alpha.reset();
        found->colorKey.reset();
        found->perPixelAlpha = false;
    }
    return WindowChange::Done;
}

WindowChange FakeWindowSystem::MakeLayered(WindowHandle window, std::uint8_t alpha) {
    if (!layeredAlphaAvailable_) return WindowChange::Unavailable;
    // The style is written on every call, as the system's adapter does.
    if (WriteExStyle(window, StyleOf(window).word | kWsExLayered) == WindowChange::Refused)
        return WindowChange::Refused;
    SetLayeredAttributes(window, {std::nullopt, alpha});
    return WindowChange::Done;
}

WindowChange FakeWindowSystem::ClearLayered(WindowHandle window) {
    return WriteExStyle(window, StyleOf(window).word & ~kWsExLayered);
}

WindowChange FakeWindowSystem::SetClickThrough(WindowHandle window, bool clickThrough) {
    const std::uint32_t word = StyleOf(window).word;
    return WriteExStyle(window, clickThrough ? (word | kWsExTransparent) : (word & ~kWsExTransparent));
}

WindowChange FakeWindowSystem::RestoreStyle(WindowHandle window, std::uint32_t word) {
    return WriteExStyle(window, word);
}

std::optional<std::uint8_t> FakeWindowSystem::GetLayeredAlpha(WindowHandle window) {
    const FakeWindow* found = Find(window);
    return found == nullptr ? std::nullopt : found->alpha;
}

std::optional<LayeredAttributes> FakeWindowSystem::GetLayeredAttributes(WindowHandle window) {
    const FakeWindow* found = Find(window);
    if (found == nullptr || (found->exStyle & kWsExLayered) == 0 || found->perPixelAlpha) return std::nullopt;
    if (!found->alpha && !found->colorKey) return std::nullopt;
    return LayeredAttributes{found->colorKey, found->alpha};
}

void FakeWindowSystem::SetLayeredAttributes(WindowHandle window, const LayeredAttributes& attributes) {
    FakeWindow* found = Find(window);
    // The system refuses attributes for a window that is not layered; the caller is not told.
    if (found == nullptr || (found->exStyle & kWsExLayered) == 0) return;
    if (found->higherRights) {
        ++found->refusedChanges;
        return;
    }
    ++alphaWrites_;
    lastAlphaWritten_ = window;
    found->perPixelAlpha = false;
    found->alpha = attributes.alpha;
    found->colorKey = attributes.colorKey;
}

WindowHandle FakeWindowSystem::ForegroundWindow() {
    ++foregroundQueries_;
    return foreground_;
}

void FakeWindowSystem::EnumerateTopLevel(WindowVisitor visit) {
    ++enumerations_;
    for (WindowHandle window : zOrder_) {
        if (!visit(window)) break;
    }
    for (WindowHandle window : std::exchange(closeAfterEnumeration_, {}))
        RemoveWindow(window);
}

void FakeWindowSystem::EnumerateThreadWindows(std::uint32_t threadId, WindowVisitor visit) {
    for (WindowHandle window : zOrder_) {
        if (Find(window)->threadId == threadId && !visit(window)) return;
    }
}

WindowHandle FakeWindowSystem::FindTopLevel(std::string_view className,
                                            std::optional<std::string_view> title) {
    ++findQueries_;
    for (WindowHandle window : zOrder_) {
        const FakeWindow& w = *Find(window);
        if (text::EqualIgnoringCase(w.className, className) && (!title || w.title == *title)) return window;
    }
    return 0;
}

bool FakeWindowSystem::IsVisible(WindowHandle window) {
    const FakeWindow* found = Find(window);
    return found != nullptr && found->visible;
}

bool FakeWindowSystem::IsEnabled(WindowHandle window) {
    const FakeWindow* found = Find(window);
    return found != nullptr && found->enabled;
}

WindowHandle FakeWindowSystem::ParentOf(WindowHandle window) {
    const FakeWindow* found = Find(window);
    return found == nullptr ? 0 : found->parent;
}

WindowHandle FakeWindowSystem::OwnerOf(WindowHandle window) {
    const FakeWindow* found = Find(window);
    return found == nullptr ? 0 : found->owner;
}

WindowRect FakeWindowSystem::RectOf(WindowHandle window) {
    ++rectQueries_;
    const FakeWindow* found = Find(window);
    return found == nullptr ? WindowRect{} : found->rect;
}

std::string FakeWindowSystem::TextOf(WindowHandle window) {
    const FakeWindow* found = Find(window);
    return found == nullptr ? std::string() : Cut260(found->title);
}

std::string FakeWindowSystem::ClassOf(WindowHandle window) {
    const FakeWindow* found = Find(window);
    return found == nullptr ? std::string() : Cut260(found->className);
}

WindowThreadProcess FakeWindowSystem::ThreadProcessOf(WindowHandle window) {
    const FakeWindow* found = Find(window);
    return found == nullptr ? WindowThreadProcess{} : WindowThreadProcess{found->threadId, found->processId};
}

void FakeWindowSystem::SetTopmost(WindowHandle window, bool topmost) {
    if (FakeWindow* found = Find(window)) {
        if (found->higherRights) {
            ++found->refusedChanges;
            return;
        }
        found->exStyle = topmost ? (found->exStyle | kWsExTopmost) : (found->exStyle & ~kWsExTopmost);
    }
}

std::string FakeWindowSystem::FullTextOf(WindowHandle window) {
    const FakeWindow* found = Find(window);
    return found == nullptr ? std::string() : found->title;
}

void FakeWindowSystem::SetText(WindowHandle window, const std::string& text) {
    FakeWindow* found = Find(window);
    if (found != nullptr && !found->hung) found->title = text;
}

bool FakeWindowSystem::IsZoomed(WindowHandle window) {
    const FakeWindow* found = Find(window);
    return found != nullptr && found->zoomed;
}

void FakeWindowSystem::PostSystemCommand(WindowHandle window, SystemCommand command) {
    if (FakeWindow* found = Find(window)) found->systemCommands.push_back(command);
}

WindowIcon FakeWindowSystem::SmallIconOf(WindowHandle window, std::uint32_t waitMs) {
    const FakeWindow* found = Find(window);
    if (found == nullptr) return {};
    // The class icon is read without asking the window.
    if (found->classSmallIcon) return {found->classSmallIcon, false};
    if (found->hung) {
        iconWaitMs_ += waitMs;
        return {std::nullopt, true};
    }
    return {found->smallIcon ? found->smallIcon : found->bigIcon, false};
}

std::optional<WindowRect> FakeWindowSystem::MonitorRectOf(WindowHandle window) {
    const FakeWindow* found = Find(window);
    if (found == nullptr || monitors_.empty()) return std::nullopt;
    const WindowRect& r = found->rect;
    const auto overlap = [&r](const WindowRect& m) {
        const std::int64_t width = std::min(r.right, m.right) - std::max(r.left, m.left);
        const std::int64_t height = std::min(r.bottom, m.bottom) - std::max(r.top, m.top);
        return width > 0 && height > 0 ? width * height : 0;
    };
    const auto distance = [&r](const WindowRect& m) {
        const std::int64_t x = (r.left + r.right) / 2 - std::clamp((r.left + r.right) / 2, m.left, m.right);
        const std::int64_t y = (r.top + r.bottom) / 2 - std::clamp((r.top + r.bottom) / 2, m.top, m.bottom);
        return x * x + y * y;
    };
    const WindowRect* best = &monitors_.front();
    for (const WindowRect& monitor : monitors_) {
        if (overlap(monitor) > overlap(*best) ||
            (overlap(*best) == 0 && overlap(monitor) == 0 && distance(monitor) < distance(*best)))
            best = &monitor;
    }
    return *best;
}

}  // namespace vitrex::fakes
