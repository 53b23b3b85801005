#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vitrex::probe {

// The words of one command line; options are taken out as they are read, and what is left over
// is an error, so a mistyped option never passes silently.
class Args {
public:
    explicit Args(std::vector<std::wstring> words) : words_(std::move(words)) {}

    std::optional<std::wstring> Option(const std::wstring& name) {
        for (size_t i = 0; i + 1 < words_.size(); ++i) {
            if (words_[i] == name) {
                std::wstring value = words_[i + 1];
                words_.erase(words_.begin() + i, words_.begin() + i + 2);
                return value;
            }
        }
        return std::nullopt;
    }

    bool Flag(const std::wstring& name) {
        for (size_t i = 0; i < words_.size(); ++i) {
            if (words_[i] == name) {
                words_.erase(words_.begin() + i);
                return true;
            }
        }
        return false;
    }

    std::optional<std::wstring> Next() {
        if (words_.empty()) return std::nullopt;
        std::wstring word = words_.front();
        words_.erase(words_.begin());
        return word;
    }

    const std::vector<std::wstring>& Rest() const { return words_; }

private:
    std::vector<std::wstring> words_;
};

}  // namespace vitrex::probe
