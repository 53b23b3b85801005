#pragma once

#include <cstdint>
#include <optional>
#include <unordered_map>

#include "core/platform/WindowSystem.h"

namespace vitrex::transparency {

// The desktop as the program's alpha routines reach it, with a note of every window whose alpha
// this run set and the alpha it set. Every alpha the program gives (the engine, the level
// previews, the hot keys, the applications menu, the debug page) goes through here, so a window
// found layered later can be told apart: carrying the alpha noted here, it is ours; otherwise its
// own program made it layered. Taking the layered style away (ClearLayered, or a RestoreStyle of a
// word without it), or giving a window back its own program's attributes, ends the note.
class OwnAlphas final : public WindowSystem {
public:
    explicit OwnAlphas(WindowSystem& system) : system_(system) {}

    // The alpha this run gave the window, while the window still carries exactly that alpha.
    std::optional<std::uint8_t> CurrentOwnAlpha(WindowHandle window);
    // Every window with a noted alpha; windows that have closed since stay until they are cleared.
    const std::unordered_map<WindowHandle, std::uint8_t>& Noted() const { return noted_; }
    // Grows whenever a note is added, changed or ended: a caller that keeps a copy of the notes
    // compares one number to learn that nothing changed.
    std::uint64_t Version() const { return version_; }

    WindowStyle StyleOf(WindowHandle window) override { return system_.StyleOf(window); }
    bool HasLayeredAlpha() override { return system_.HasLayeredAlpha(); }
    WindowChange MakeLayered(WindowHandle window, std::uint8_t alpha) override;
    WindowChange ClearLayered(WindowHandle window) override;
    std::optional<std::uint8_t> GetLayeredAlpha(WindowHandle window) override {
        return system_.GetLayeredAlpha(window);
    }
    std::optional<LayeredAttributes> GetLayeredAttributes(WindowHandle window) override {
        return system_.GetLayeredAttributes(window);
    }
    void SetLayeredAttributes(WindowHandle window, const LayeredAttributes& attributes) override;
    WindowChange SetClickThrough(WindowHandle window, bool clickThrough) override {
        return system_.SetClickThrough(window, clickThrough);
    }
    WindowChange RestoreStyle(WindowHandle window, std::uint32_t word) override;

    WindowHandle ForegroundWindow() override { return system_.ForegroundWindow(); }
    void EnumerateTopLevel(WindowVisitor visit) override { system_.EnumerateTopLevel(visit); }
    void EnumerateThreadWindows(std::uint32_t threadId, WindowVisitor visit) override {
        system_.EnumerateThreadWindows(threadId, visit);
    }
    WindowHandle FindTopLevel(std::string_view className, std::optional<std::string_view> title) override {
        return system_.FindTopLevel(className, title);
    }
    bool IsVisible(WindowHandle window) override { return system_.IsVisible(window); }
    bool IsEnabled(WindowHandle window) override { return system_.IsEnabled(window); }
    WindowHandle ParentOf(WindowHandle window) override { return system_.ParentOf(window); }
    WindowHandle OwnerOf(WindowHandle window) override { return system_.OwnerOf(window); }
    WindowRect RectOf(WindowHandle window) override { return system_.RectOf(window); }
    std::string TextOf(WindowHandle window) override { return system_.TextOf(window); }
    std::string ClassOf(WindowHandle window) override { return system_.ClassOf(window); }
    WindowThreadProcess ThreadProcessOf(WindowHandle window) override {
        return system_.ThreadProcessOf(window);
    }
    void SetTopmost(WindowHandle window, bool topmost) override { system_.SetTopmost(window, topmost); }
    std::string FullTextOf(WindowHandle window) override { return system_.FullTextOf(window); }
    void SetText(WindowHandle window, const std::string& text) override { system_.SetText(window, text); }
    bool IsZoomed(WindowHandle window) override { return system_.IsZoomed(window); }
    void PostSystemCommand(WindowHandle window, SystemCommand command) override {
        system_.PostSystemCommand(window, command);
    }
    WindowIcon SmallIconOf(WindowHandle window, std::uint32_t waitMs) override {
        return system_.SmallIconOf(window, waitMs);
    }
    std::optional<WindowRect> MonitorRectOf(WindowHandle window) override {
        return system_.MonitorRectOf(window);
    }

private:
    void Forget(WindowHandle window);

    WindowSystem& system_;
    std::unordered_map<WindowHandle, std::uint8_t> noted_;
    std::uint64_t version_ = 0;
};

}  // namespace vitrex::transparency
