#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "core/i18n/Catalogue.h"

namespace vitrex::app {
class MainForm;
}

namespace vitrex::views::captions {

// The pages whose captions are shown together; the task panels on the left and the
// notification-area menu count as one.
enum class Page {
    General,
    Transparency,
    Exceptions,
    Applications,
    About,
    Update,
    BugReport,
    Welcome,
    Panels
};
inline constexpr Page kPages[] = {Page::General,      Page::Transparency, Page::Exceptions,
                                  Page::Applications, Page::About,        Page::Update,
                                  Page::BugReport,    Page::Welcome,      Page::Panels};

// A control of the main window that shows a text of the list: the text between `before` and
// `after`.
struct Target {
    Page page = Page::General;
    std::string_view before;
    std::string_view after;
    // The control's own text when the file lacks the key; null for the key's built-in text.
    const char* builtIn = nullptr;
    void (*show)(app::MainForm& form, const std::string& caption) = nullptr;
    std::string (*shown)(const app::MainForm& form) = nullptr;
};

// A text of the list (core/i18n/Texts.def) with the controls that show it; unused targets have no
// `show`.
struct Caption {
    std::string_view section;
    std::string_view key;
    std::array<Target, 3> targets;
};

// Every text of the list, those without targets included, in the list's order.
std::span<const Caption> Captions();

// What the target shows in the given language.
std::string Composed(const Caption& caption, const Target& target, const i18n::Catalogue& texts);

// Puts every text of the list that the page shows on its control.
void ShowCaptions(Page page, app::MainForm& form, const i18n::Catalogue& texts);

}  // namespace vitrex::views::captions
