#pragma once

// What a user, a cleaner tool or an older build may have left in the settings key, and what the
// settings' read rules make of each: shared by the host tests (fake registry) and the Windows
// tests (the real registry), which must agree.

#include <cstdint>
#include <string>
#include <vector>

#include "core/app/settings/SettingsStore.h"
#include "core/platform/Errors.h"

namespace vitrex::testing {

struct BadSettingValue {
    const char* label;
    const char* setting;
    RegistryType type;
    std::vector<std::uint8_t> bytes;  // exactly as stored
    // What reading it gives: "fetch" or "type" for the two failures (the program's messages),
    // otherwise the value as ReadAs renders it.
    std::string expected;
};

inline std::vector<std::uint8_t> Utf16(const std::string& ascii, bool terminated = true) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(2 * ascii.size() + 2);
    for (char c : ascii) {
        bytes.push_back(static_cast<std::uint8_t>(c));
        bytes.push_back(0);
    }
    if (terminated) bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

inline std::vector<std::uint8_t> Concat(std::vector<std::uint8_t> a, const std::vector<std::uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// About a megabyte of exceptions: 40000 program names.
inline std::string HugeExceptionsList() {
    std::string text;
    for (int i = 0; i < 40000; ++i)
        text += "program" + std::to_string(100000 + i) + ".exe\r\n";
    return text;
}

inline std::vector<BadSettingValue> BadSettingValues() {
    using enum RegistryType;
    return {
        {"DwordForText", "Language", Dword, {1, 0, 0, 0}, "type"},
        {"ShortTextForNumber", "CPU_TIME", Sz, Utf16("7"), "type"},
        {"LongTextForNumber", "AB_ActiveWindow", Sz, Utf16("10"), "fetch"},
        {"BinaryForNumber", "SYSTRAY", Binary, {1, 0, 0, 0}, "type"},
        {"QwordForBoolean", "SC_AoT", Qword, {1, 0, 0, 0, 0, 0, 0, 0}, "fetch"},
        {"MultiSzForText", "NoABList", MultiSz, Concat(Utf16("a.exe"), Utf16("")), "type"},
        {"MultiSzForBoolean", "HideProgram", MultiSz, Concat(Utf16("1"), Utf16("")), "fetch"},
        {"BigEndianForNumber", "AB_TaskBar", DwordBigEndian, {0, 0, 0, 30}, "type"},
        {"LevelAboveRange", "AB_ActiveWindow", Dword, {120, 0, 0, 0}, "90"},
        {"NegativeInterval", "CPU_TIME", Dword, {0xFF, 0xFF, 0xFF, 0xFF}, "5"},
        {"UnknownTrayMode", "SYSTRAY", Dword, {5, 0, 0, 0}, "2"},
        {"TwoByteDword", "AB_InActiveWindow", Dword, {40, 0}, "40"},
        {"EmptyDword", "ChangeProcessAB", Dword, {}, "0"},
        {"HugeExceptionsList", "NoABList", Sz, Utf16(HugeExceptionsList()),
         "40000 entries, program100000.exe"},
        {"TextWithoutTerminator", "NoABList", Sz, Utf16("a.exe\r\nb.exe", false), "2 entries, a.exe"},
        {"TextWithOddByteCount", "NoABList", Sz, Concat(Utf16("a.exe", false), {'x'}), "1 entries, a.exe"},
        {"TextWithEmbeddedNul", "NoABList", Sz, Concat(Utf16("a.exe\r\n"), Utf16("b.exe\r\n")),
         "1 entries, a.exe"},
        {"EmptyText", "NoABList", Sz, {}, "0 entries"},
        {"EmptyBinaryForText", "DebugClassException", Binary, {}, ""},
        {"ExpandSzText", "DebugClassException", ExpandSz, Utf16("%CLASS%"), "%CLASS%"},
    };
}

inline settings::SettingId SettingNamed(const std::string& name) {
    for (const settings::SettingDef& setting : settings::AllSettings()) {
        if (name == setting.name) return setting.id;
    }
    throw std::invalid_argument("no setting " + name);
}

// Reads the setting as start-up does and renders the outcome as BadSettingValue::expected does.
inline std::string ReadAs(const settings::SettingsStore& store, const std::string& name) {
    const settings::SettingId id = SettingNamed(name);
    try {
        switch (settings::Setting(id).type) {
            case settings::SettingType::Boolean:
                return store.ReadBool(id) ? "1" : "0";
            case settings::SettingType::Integer:
                return std::to_string(store.ReadInteger(id));
            case settings::SettingType::Text:
                break;
        }
        if (id != settings::SettingId::NoABList) return store.ReadText(id);
        const std::vector<std::string> entries = store.ReadNoABList();
        return std::to_string(entries.size()) + " entries" + (entries.empty() ? "" : ", " + entries.front());
    } catch (const RegistryError& error) {
        const std::string message = error.what();
        if (message == FetchFailedMessage(name)) return "fetch";
        if (message == InvalidTypeMessage(name)) return "type";
        return "other failure: " + message;
    }
}

}  // namespace vitrex::testing
