#include "core/transparency/RememberedPrograms.h"

#include <algorithm>
#include <charconv>

namespace vitrex::transparency {

namespace {

constexpr int kHighestLevel = 90;

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

}  // namespace

std::string FormatRemembered(const Remembered& remembered) {
    std::string text;
    if (remembered.level) text = "level=" + std::to_string(*remembered.level) + ";";
    return text + "ontop=" + (remembered.onTop ? "1" : "0");
}

std::optional<Remembered> ParseRemembered(std::string_view text) {
    Remembered remembered;
    bool any = false;
    while (!text.empty()) {
        const std::size_t end = text.find(';');
        const std::string_view field = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (field.empty()) continue;
        const std::size_t equals = field.find('=');
        if (equals == std::string_view::npos) return std::nullopt;
        const std::string_view name = field.substr(0, equals);
        const std::optional<int> value = WholeNumber(field.substr(equals + 1));
        if (!value) return std::nullopt;
        if (name == "level") {
            if (*value < 0 || *value > kHighestLevel) return std::nullopt;
            remembered.level = *value;
        } else if (name == "ontop") {
            if (*value != 0 && *value != 1) return std::nullopt;
            remembered.onTop = *value == 1;
        } else {
            // A field a later version may add: this one keeps what it knows.
            continue;
        }
        any = true;
    }
    if (!any) return std::nullopt;
    return remembered;
}

std::string ProgramKey(std::string_view exeName) {
    std::string key(exeName);
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return key;
}

void RememberedPrograms::Load() {
    programs_.clear();
    if (!registry_.KeyExists(keyPath_)) return;
    const std::unique_ptr<RegistryKey> key = registry_.OpenOrCreateKey(keyPath_);
    for (const std::string& name : key->ValueNames()) {
        const std::optional<RegistryValue> value = key->QueryValue(name);
        if (!value || (value->type != RegistryType::Sz && value->type != RegistryType::ExpandSz)) continue;
        if (const std::optional<Remembered> remembered = ParseRemembered(value->text);
            remembered && !name.empty())
            programs_[ProgramKey(name)] = *remembered;
    }
}

std::optional<Remembered> RememberedPrograms::Find(std::string_view exeName) const {
    if (programs_.empty() || exeName.empty()) return std::nullopt;
    const auto found = programs_.find(ProgramKey(exeName));
    if (found == programs_.end()) return std::nullopt;
    return found->second;
}

void RememberedPrograms::Remember(std::string_view exeName, const Remembered& remembered) {
    if (exeName.empty()) return;
    const std::string name = ProgramKey(exeName);
    programs_[name] = remembered;
    if (observer_) observer_(name);
    registry_.OpenOrCreateKey(keyPath_)->WriteText(name, FormatRemembered(remembered));
}

bool RememberedPrograms::Follow(std::string_view exeName, std::optional<int> level,
                                std::optional<bool> onTop) {
    std::optional<Remembered> remembered = Find(exeName);
    if (!remembered) return false;
    Remembered changed = *remembered;
    if (level) changed.level = std::clamp(*level, 0, kHighestLevel);
    if (onTop) changed.onTop = *onTop;
    if (changed != *remembered) Remember(exeName, changed);
    return true;
}

void RememberedPrograms::Forget(std::string_view exeName) {
    const std::string name = ProgramKey(exeName);
    if (programs_.erase(name) == 0) return;
    if (observer_) observer_(name);
    registry_.OpenOrCreateKey(keyPath_)->DeleteValue(name);
}

}  // namespace vitrex::transparency
