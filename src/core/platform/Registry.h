#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/Errors.h"

namespace vitrex {

// The typed reads' failure for a value that is missing or not of the type asked for; its message
// names the value. The log prints it as a RegistryError, as every other failure of the key.
class UnreadableValueError : public RegistryError {
public:
    using RegistryError::RegistryError;
};

// Registry value types, numbered as the system numbers them; other numbers may occur as well.
enum class RegistryType : std::uint32_t {
    None = 0,
    Sz = 1,
    ExpandSz = 2,
    Binary = 3,
    Dword = 4,
    DwordBigEndian = 5,
    Link = 6,
    MultiSz = 7,
    Qword = 11,
};

// A stored value as far as the typed reads need it.
struct RegistryValue {
    RegistryType type = RegistryType::None;
    // Size of the stored data as the system counts it: text in UTF-16 with its terminator.
    std::uint32_t byteSize = 0;
    // Dword data of at most four bytes, zero-extended; 0 for every other value.
    std::uint32_t number = 0;
    // Sz and ExpandSz only: UTF-8, cut at the first NUL, variables not expanded.
    std::string text;
};

// An open key of the current user. The raw operations are the adapter's; the typed reads and
// writes on top of them carry the settings' failure rules, the same for every adapter.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;

    // Nothing when the value does not exist; throws RegistryError when it cannot be queried.
    virtual std::optional<RegistryValue> QueryValue(std::string_view name) const = 0;
    // Writes replace the value, whatever its type was. Throw RegistryError.
    virtual void SetDwordValue(std::string_view name, std::uint32_t value) = 0;
    virtual void SetSzValue(std::string_view name, std::string_view utf8) = 0;
    // False when the value did not exist; throws RegistryError on any other failure.
    virtual bool DeleteValue(std::string_view name) = 0;
    // The names of the key's values, in the system's order. Throws RegistryError.
    virtual std::vector<std::string> ValueNames() const = 0;

    bool ValueExists(std::string_view name) const { return QueryValue(name).has_value(); }
    // A REG_DWORD of at most four bytes; true for any value other than 0.
    bool ReadBool(std::string_view name) const;
    std::int32_t ReadInteger(std::string_view name) const;
    // REG_SZ or REG_EXPAND_SZ unchanged; a missing or empty value of any type reads as "".
    std::string ReadText(std::string_view name) const;
    void WriteBool(std::string_view name, bool value) { SetDwordValue(name, value ? 1u : 0u); }
    void WriteInteger(std::string_view name, std::int32_t value) {
        SetDwordValue(name, static_cast<std::uint32_t>(value));
    }
    void WriteText(std::string_view name, std::string_view utf8) { SetSzValue(name, utf8); }
};

// The current user's part of the registry, plus the system's performance counters, which the
// system hands out through the registry as well.
class Registry {
public:
    virtual ~Registry() = default;

    // Opens the key, creating it and its parents when missing. "\Software\X" and "Software\X" are
    // the same key. Throws RegistryError.
    virtual std::unique_ptr<RegistryKey> OpenOrCreateKey(std::string_view path) = 0;
    virtual bool KeyExists(std::string_view path) const = 0;
    // The raw performance-data block for a list of counter indexes such as "230 232". Throws
    // RegistryError.
    virtual std::vector<std::uint8_t> QueryPerformanceData(std::string_view counters) = 0;
};

// The two failure messages of the typed reads, with the value's name in place of %s.
std::string FetchFailedMessage(std::string_view valueName);
std::string InvalidTypeMessage(std::string_view valueName);

}  // namespace vitrex
