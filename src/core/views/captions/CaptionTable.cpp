#include "core/views/captions/CaptionTable.h"

#include "core/app/MainForm.h"

namespace vitrex::views::captions {
namespace {

// The list's rows with their targets; the texts themselves are the catalogue's.
#define VITREX_TEXT_OR(section, key, builtIn, english, german, ...) Caption{section, key, {__VA_ARGS__}},
#define VITREX_TEXT(section, key, english, german, ...) Caption{section, key, {__VA_ARGS__}},
#define VITREX_SHOWN_AS(where, control, before_, after_, builtIn_, setter, getter)      \
    Target {                                                                            \
        .page = Page::where, .before = before_, .after = after_, .builtIn = builtIn_,   \
        .show = [](app::MainForm& f, const std::string& caption) { f.control.setter; }, \
        .shown = [](const app::MainForm& f) { return std::string(f.control.getter); }   \
    }
#define AFFIX(where, control, before, after) \
    VITREX_SHOWN_AS(where, control, before, after, nullptr, SetCaption(caption), Caption())
#define ON(where, control) AFFIX(where, control, "", "")
#define COLON(where, control) AFFIX(where, control, "", ":")
#define ON_OR(where, control, builtIn) \
    VITREX_SHOWN_AS(where, control, "", "", builtIn, SetCaption(caption), Caption())
#define COLUMN(where, list, index)                                                  \
    VITREX_SHOWN_AS(where, list, "", "", nullptr, SetColumnCaption(index, caption), \
                    Columns().at(index).caption)
constexpr Caption kCaptions[] = {
#include "core/i18n/Texts.def"
};
#undef COLUMN
#undef ON_OR
#undef COLON
#undef ON
#undef AFFIX
#undef VITREX_SHOWN_AS
#undef VITREX_TEXT
#undef VITREX_TEXT_OR

}  // namespace

std::span<const Caption> Captions() {
    return kCaptions;
}

std::string Composed(const Caption& caption, const Target& target, const i18n::Catalogue& texts) {
    const std::string text = target.builtIn != nullptr
                                 ? texts.Text(caption.section, caption.key, target.builtIn)
                                 : texts.Text(caption.section, caption.key);
    return std::string(target.before) + text + std::string(target.after);
}

void ShowCaptions(Page page, app::MainForm& form, const i18n::Catalogue& texts) {
    for (const Caption& caption : kCaptions) {
        for (const Target& target : caption.targets) {
            if (target.show != nullptr && target.page == page)
                target.show(form, Composed(caption, target, texts));
        }
    }
}

}  // namespace vitrex::views::captions
