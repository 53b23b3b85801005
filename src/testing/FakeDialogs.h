#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/Dialogs.h"

namespace vitrex::fakes {

// Dialogs with scripted answers. Each dialog shown is recorded; a dialog without a scripted
// answer is cancelled (No for a question).
class FakeDialogs : public Dialogs {
public:
    struct Shown {
        std::string kind;  // "message", "question", "open", "save", "input"
        std::string text;  // message text, or the dialog's title
        FileDialogOptions options;
    };

    std::deque<bool> yesNoAnswers;
    std::deque<std::optional<std::vector<std::string>>> openAnswers;
    std::deque<std::optional<SaveChoice>> saveAnswers;
    std::deque<std::optional<std::string>> inputAnswers;
    std::vector<Shown> shown;

    void ShowMessage(const std::string& text) override { shown.push_back({"message", text, {}}); }
    bool AskYesNo(const std::string& text) override {
        shown.push_back({"question", text, {}});
        return Next(yesNoAnswers, false);
    }
    std::optional<std::vector<std::string>> OpenFiles(const FileDialogOptions& options) override {
        shown.push_back({"open", options.title, options});
        return Next(openAnswers, std::optional<std::vector<std::string>>{});
    }
    std::optional<SaveChoice> SaveFile(const FileDialogOptions& options) override {
        shown.push_back({"save", options.title, options});
        return Next(saveAnswers, std::optional<SaveChoice>{});
    }
    std::optional<std::string> InputQuery(const std::string& title, const std::string&, const std::string&,
                                          const InputButtons& buttons) override {
        shown.push_back({"input", title, {}});
        inputButtons = buttons;
        return Next(inputAnswers, std::optional<std::string>{});
    }

    // The buttons of the last input box.
    InputButtons inputButtons;

    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const Shown& s : shown) {
            if (s.kind == "message") texts.push_back(s.text);
        }
        return texts;
    }

private:
    template <typename T>
    static T Next(std::deque<T>& answers, T fallback) {
        if (!answers.empty()) {
            fallback = std::move(answers.front());
            answers.pop_front();
        }
        return fallback;
    }
};

}  // namespace vitrex::fakes
