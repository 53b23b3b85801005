#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/Registry.h"

namespace vitrex::fakes {

// A stored value. Text types keep their UTF-8 text; every other type keeps its raw bytes, so a
// test can seed odd data such as an eight-byte REG_DWORD. Raw() keeps the bytes of any type, text
// included (UTF-16, as the system stores it, with or without its terminator).
struct FakeRegistryValue {
    RegistryType type = RegistryType::None;
    std::string text;
    std::vector<std::uint8_t> bytes;

    static FakeRegistryValue Dword(std::uint32_t value);
    static FakeRegistryValue Qword(std::uint64_t value);
    static FakeRegistryValue Sz(std::string text);
    static FakeRegistryValue ExpandSz(std::string text);
    static FakeRegistryValue Binary(std::vector<std::uint8_t> bytes);
    static FakeRegistryValue Raw(RegistryType type, std::vector<std::uint8_t> bytes);

    bool operator==(const FakeRegistryValue&) const = default;
};

// One change the program made, in the order made.
struct FakeRegistryChange {
    enum class Kind { Write, Delete } kind = Kind::Write;
    std::string keyPath;
    std::string valueName;
    bool operator==(const FakeRegistryChange&) const = default;
};

// The current user's registry in memory: a tree of keys, each with named, typed values in the
// order they were created. Key and value names compare without regard to ASCII case, as the
// system's do; a leading backslash of a path is ignored.
class FakeRegistry : public Registry {
public:
    FakeRegistry();
    ~FakeRegistry() override;

    std::unique_ptr<RegistryKey> OpenOrCreateKey(std::string_view path) override;
    bool KeyExists(std::string_view path) const override;
    std::vector<std::uint8_t> QueryPerformanceData(std::string_view counters) override;

    // Seeding and inspection; these do not show up in Changes().
    void Seed(std::string_view keyPath, std::string_view valueName, FakeRegistryValue value);
    void Remove(std::string_view keyPath, std::string_view valueName);
    std::optional<FakeRegistryValue> Value(std::string_view keyPath, std::string_view valueName) const;
    // Value names of the key in the order they were first created; empty for a missing key.
    std::vector<std::string> ValueNames(std::string_view keyPath) const;
    // Writes and deletes made through opened keys.
    const std::vector<FakeRegistryChange>& Changes() const { return changes_; }
    void ClearChanges() { changes_.clear(); }
    // A key whose writes and deletes fail with "access denied", as a key without write access does.
    void SetWriteProtected(std::string_view keyPath, bool writeProtected);
    // One value whose writes and deletes fail (the system's store refusing it), the key's other
    // values still written.
    void SetValueRefused(std::string_view keyPath, std::string_view valueName, bool refused);
    // One value whose queries fail as in a damaged hive; the key's other values still read.
    void SetValueQueryFails(std::string_view keyPath, std::string_view valueName, bool fail);
    // A key that cannot be opened at all, as one whose access list shuts the user out.
    void SetOpenRefused(std::string_view keyPath, bool refused);
    // A key whose values cannot be queried or listed (a damaged hive).
    void SetQueriesFail(std::string_view keyPath, bool fail);
    void SetPerformanceData(std::string_view counters, std::vector<std::uint8_t> block);

    // Used by the opened keys.
    struct Key;
    Key* FindKey(std::string_view path);
    const Key* FindKey(std::string_view path) const;
    void RecordChange(FakeRegistryChange change) { changes_.push_back(std::move(change)); }

private:
    Key& CreateKey(std::string_view path);

    std::map<std::string, std::unique_ptr<Key>> keys_;  // by lower-case normalised path
    std::set<std::string> openRefused_;                 // by lower-case normalised path
    std::map<std::string, std::vector<std::uint8_t>> performanceData_;
    std::vector<FakeRegistryChange> changes_;
};

// Bytes the system would count for the value's data (text: UTF-16 with its terminator).
std::uint32_t FakeRegistryByteSize(const FakeRegistryValue& value);

}  // namespace vitrex::fakes
