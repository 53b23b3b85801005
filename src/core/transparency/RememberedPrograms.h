#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/Registry.h"

namespace vitrex::transparency {

// What is remembered for one program: a transparency level that replaces the active and the
// inactive level for all its windows, and whether its windows are put always on top.
struct Remembered {
    // Percent, 0 to 90; nothing keeps the engine's levels.
    std::optional<int> level;
    bool onTop = false;
    bool operator==(const Remembered&) const = default;
};

// The stored form, "level=40;ontop=1": fields separated by ';', each "name=value", the level in
// whole percent (0 to 90), ontop 1 or 0; a missing level means none, a missing ontop 0.
std::string FormatRemembered(const Remembered& remembered);
// Nothing for a text that is not in that form (a hand edit gone wrong): such a value is passed
// over, never half read.
std::optional<Remembered> ParseRemembered(std::string_view text);

// The name a program is remembered under: its executable's file name in lower case (ASCII), so
// that "NotePad.EXE" and "notepad.exe" are one program, as the system itself treats them.
std::string ProgramKey(std::string_view exeName);

// The programs whose level (and always-on-top) is remembered, one text value each under their
// own subkey of the settings key (value name: the program's key). Each change is written at once,
// so a program remembered stays so whatever ends this run.
class RememberedPrograms {
public:
    // `observer` is told of the program's key after each change, before it is written.
    RememberedPrograms(Registry& registry, std::string keyPath,
                       std::function<void(const std::string&)> observer = {})
        : registry_(registry), keyPath_(std::move(keyPath)), observer_(std::move(observer)) {}

    // Reads every stored program; values that do not read are passed over and left as they are.
    // Throws RegistryError.
    void Load();

    // What is remembered for the program, letter case ignored.
    std::optional<Remembered> Find(std::string_view exeName) const;
    bool Empty() const { return programs_.empty(); }
    // Every remembered program by its key, in the key's order.
    const std::map<std::string, Remembered>& All() const { return programs_; }

    // Remembers (or changes) the program and writes it. Throws RegistryError, the program being
    // remembered for this run all the same.
    void Remember(std::string_view exeName, const Remembered& remembered);
    // For a remembered program only: takes the level and/or the always-on-top just chosen for one
    // of its windows (applications menu, hot keys) into what is remembered. False, and nothing
    // written, for a program that is not remembered. Throws RegistryError.
    bool Follow(std::string_view exeName, std::optional<int> level, std::optional<bool> onTop);
    // Forgets the program and deletes its value. Throws RegistryError.
    void Forget(std::string_view exeName);

private:
    Registry& registry_;
    std::string keyPath_;
    std::map<std::string, Remembered> programs_;
    std::function<void(const std::string&)> observer_;
};

}  // namespace vitrex::transparency
