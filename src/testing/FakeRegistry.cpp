#include "testing/FakeRegistry.h"

#include <algorithm>
#include <set>

#include "core/platform/Errors.h"
#include "core/text/AsciiCase.h"
#include "core/text/Utf8.h"

namespace vitrex::fakes {

struct FakeRegistry::Key {
    std::string path;  // as first created, normalised
    bool writeProtected = false;
    bool queriesFail = false;
    std::set<std::string> refusedValues;   // lower case
    std::set<std::string> failingQueries;  // lower case
    std::vector<std::pair<std::string, FakeRegistryValue>> values;

    using Entry = std::pair<std::string, FakeRegistryValue>;
    std::vector<Entry>::iterator Find(std::string_view name);
    std::vector<Entry>::const_iterator Find(std::string_view name) const;
};

namespace {

bool SameName(std::string_view a, std::string_view b) {
    return text::EqualIgnoringCase(a, b);
}

std::string Normalise(std::string_view path) {
    while (!path.empty() && path.front() == '\\')
        path.remove_prefix(1);
    while (!path.empty() && path.back() == '\\')
        path.remove_suffix(1);
    return std::string(path);
}

std::string Lookup(std::string_view path) {
    return text::LowerAscii(Normalise(path));
}

std::vector<std::uint8_t> LittleEndian(std::uint64_t value, std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    return bytes;
}

std::string LowerName(std::string_view name) {
    return text::LowerAscii(name);
}

bool IsText(RegistryType type) {
    return type == RegistryType::Sz || type == RegistryType::ExpandSz;
}

// An opened key; it finds its node on every call, like a handle that names the key.
class FakeKey : public RegistryKey {
public:
    FakeKey(FakeRegistry& registry, std::string path) : registry_(registry), path_(std::move(path)) {}

    std::optional<RegistryValue> QueryValue(std::string_view name) const override {
        const FakeRegistry::Key& key = QueryableNode();
        if (key.failingQueries.contains(LowerName(name)))
            throw RegistryError("Value '" + std::string(name) +
                                    "': RegQueryValueExW failed (1015): The registry is corrupted",
                                "RegQueryValueExW", 1015);
        auto it = key.Find(name);
        if (it == key.values.end()) return std::nullopt;
        const FakeRegistryValue& stored = it->second;
        RegistryValue value;
        value.type = stored.type;
        value.byteSize = FakeRegistryByteSize(stored);
        if (IsText(stored.type) && !stored.bytes.empty()) {
            value.text = text::Utf16LeToUtf8(stored.bytes);
        } else if (IsText(stored.type)) {
            value.text = stored.text.substr(0, stored.text.find('\0'));
        } else if (stored.type == RegistryType::Dword && stored.bytes.size() <= 4) {
            for (std::size_t i = 0; i < 4 && i < stored.bytes.size(); ++i) {
                value.number |= static_cast<std::uint32_t>(stored.bytes[i]) << (8 * i);
            }
        }
        return value;
    }

    void SetDwordValue(std::string_view name, std::uint32_t value) override {
        Store(name, FakeRegistryValue::Dword(value));
    }

    void SetSzValue(std::string_view name, std::string_view utf8) override {
        Store(name, FakeRegistryValue::Sz(std::string(utf8)));
    }

    bool DeleteValue(std::string_view name) override {
        FakeRegistry::Key& key = WritableNode("RegDeleteValueW", name);
        auto it = key.Find(name);
        if (it == key.values.end()) return false;
        registry_.RecordChange({FakeRegistryChange::Kind::Delete, key.path, it->first});
        key.values.erase(it);
        return true;
    }

    std::vector<std::string> ValueNames() const override {
        std::vector<std::string> names;
        for (const auto& [name, value] : QueryableNode().values)
            names.push_back(name);
        return names;
    }

private:
    const FakeRegistry::Key& Node() const {
        const FakeRegistry::Key* key = registry_.FindKey(path_);
        if (key == nullptr)
            throw RegistryError("Key '" + path_ + "' has been deleted", "RegQueryValueExW", 1018);
        return *key;
    }

    const FakeRegistry::Key& QueryableNode() const {
        const FakeRegistry::Key& key = Node();
        if (key.queriesFail)
            throw RegistryError(
                "Key '" + path_ + "': RegQueryValueExW failed (1015): The registry is corrupted",
                "RegQueryValueExW", 1015);
        return key;
    }

    FakeRegistry::Key& WritableNode(const char* api, std::string_view name) {
        FakeRegistry::Key* key = registry_.FindKey(path_);
        if (key == nullptr) throw RegistryError("Key '" + path_ + "' has been deleted", api, 1018);
        if (key->writeProtected) throw RegistryError(std::string(api) + " failed (5): Access denied", api, 5);
        if (key->refusedValues.contains(LowerName(name)))
            throw RegistryError("Value '" + std::string(name) + "': " + api + " failed (1016): I/O error",
                                api, 1016);
        return *key;
    }

    void Store(std::string_view name, FakeRegistryValue value) {
        FakeRegistry::Key& key = WritableNode("RegSetValueExW", name);
        auto it = key.Find(name);
        if (it == key.values.end()) {
            key.values.emplace_back(std::string(name), std::move(value));
        } else {
            it->second = std::move(value);
        }
        registry_.RecordChange({FakeRegistryChange::Kind::Write, key.path, std::string(name)});
    }

    FakeRegistry& registry_;
    std::string path_;
};

}  // namespace

std::vector<FakeRegistry::Key::Entry>::iterator FakeRegistry::Key::Find(std::string_view name) {
    return std::find_if(values.begin(), values.end(),
                        [&](const Entry& e) { return SameName(e.first, name); });
}

std::vector<FakeRegistry::Key::Entry>::const_iterator FakeRegistry::Key::Find(std::string_view name) const {
    return std::find_if(values.begin(), values.end(),
                        [&](const Entry& e) { return SameName(e.first, name); });
}

FakeRegistryValue FakeRegistryValue::Dword(std::uint32_t value) {
    return {RegistryType::Dword, {}, LittleEndian(value, 4)};
}
FakeRegistryValue FakeRegistryValue::Qword(std::uint64_t value) {
    return {RegistryType::Qword, {}, LittleEndian(value, 8)};
}
FakeRegistryValue FakeRegistryValue::Sz(std::string text) {
    return {RegistryType::Sz, std::move(text), {}};
}
FakeRegistryValue FakeRegistryValue::ExpandSz(std::string text) {
    return {RegistryType::ExpandSz, std::move(text), {}};
}
FakeRegistryValue FakeRegistryValue::Binary(std::vector<std::uint8_t> bytes) {
    return {RegistryType::Binary, {}, std::move(bytes)};
}
FakeRegistryValue FakeRegistryValue::Raw(RegistryType type, std::vector<std::uint8_t> bytes) {
    return {type, {}, std::move(bytes)};
}

std::uint32_t FakeRegistryByteSize(const FakeRegistryValue& value) {
    if (!IsText(value.type) || !value.bytes.empty()) return static_cast<std::uint32_t>(value.bytes.size());
    // UTF-16 code units and the NUL.
    return static_cast<std::uint32_t>(text::Utf16Length(value.text) + 1) * 2;
}

FakeRegistry::FakeRegistry() {
    CreateKey("");
}
FakeRegistry::~FakeRegistry() = default;

FakeRegistry::Key& FakeRegistry::CreateKey(std::string_view path) {
    const std::string normalised = Normalise(path);
    // The system creates missing parents along with the key.
    for (std::size_t end = 0;; ++end) {
        end = normalised.find('\\', end);
        const std::string prefix = normalised.substr(0, end);
        auto [it, inserted] = keys_.try_emplace(Lookup(prefix));
        if (inserted) {
            it->second = std::make_unique<Key>();
            it->second->path = prefix;
        }
        if (end == std::string::npos) return *it->second;
    }
}

FakeRegistry::Key* FakeRegistry::FindKey(std::string_view path) {
    auto it = keys_.find(Lookup(path));
    return it == keys_.end() ? nullptr : it->second.get();
}

const FakeRegistry::Key* FakeRegistry::FindKey(std::string_view path) const {
    auto it = keys_.find(Lookup(path));
    return it == keys_.end() ? nullptr : it->second.get();
}

std::unique_ptr<RegistryKey> FakeRegistry::OpenOrCreateKey(std::string_view path) {
    if (openRefused_.contains(Lookup(path)))
        throw RegistryError("Key '" + std::string(path) + "': RegOpenKeyExW failed (5): Access denied",
                            "RegOpenKeyExW", 5);
    return std::make_unique<FakeKey>(*this, CreateKey(path).path);
}

bool FakeRegistry::KeyExists(std::string_view path) const {
    return FindKey(path) != nullptr;
}

std::vector<std::uint8_t> FakeRegistry::QueryPerformanceData(std::string_view counters) {
    auto it = performanceData_.find(std::string(counters));
    if (it == performanceData_.end()) {
        throw RegistryError("No performance data for '" + std::string(counters) + "'", "RegQueryValueExW", 2);
    }
    return it->second;
}

void FakeRegistry::Seed(std::string_view keyPath, std::string_view valueName, FakeRegistryValue value) {
    Key& key = CreateKey(keyPath);
    auto it = key.Find(valueName);
    if (it == key.values.end()) {
        key.values.emplace_back(std::string(valueName), std::move(value));
    } else {
        it->second = std::move(value);
    }
}

void FakeRegistry::Remove(std::string_view keyPath, std::string_view valueName) {
    if (Key* key = FindKey(keyPath)) {
        auto it = key->Find(valueName);
        if (it != key->values.end()) key->values.erase(it);
    }
}

std::optional<FakeRegistryValue> FakeRegistry::Value(std::string_view keyPath,
                                                     std::string_view valueName) const {
    const Key* key = FindKey(keyPath);
    if (key == nullptr) return std::nullopt;
    auto it = key->Find(valueName);
    if (it == key->values.end()) return std::nullopt;
    return it->second;
}

std::vector<std::string> FakeRegistry::ValueNames(std::string_view keyPath) const {
    std::vector<std::string> names;
    if (const Key* key = FindKey(keyPath)) {
        for (const auto& [name, value] : key->values)
            names.push_back(name);
    }
    return names;
}

void FakeRegistry::SetWriteProtected(std::string_view keyPath, bool writeProtected) {
    CreateKey(keyPath).writeProtected = writeProtected;
}

void FakeRegistry::SetValueRefused(std::string_view keyPath, std::string_view valueName, bool refused) {
    Key& key = CreateKey(keyPath);
    if (refused) {
        key.refusedValues.insert(LowerName(valueName));
    } else {
        key.refusedValues.erase(LowerName(valueName));
    }
}

void FakeRegistry::SetValueQueryFails(std::string_view keyPath, std::string_view valueName, bool fail) {
    Key& key = CreateKey(keyPath);
    if (fail) {
        key.failingQueries.insert(LowerName(valueName));
    } else {
        key.failingQueries.erase(LowerName(valueName));
    }
}

void FakeRegistry::SetOpenRefused(std::string_view keyPath, bool refused) {
    if (refused) {
        openRefused_.insert(Lookup(keyPath));
    } else {
        openRefused_.erase(Lookup(keyPath));
    }
}

void FakeRegistry::SetQueriesFail(std::string_view keyPath, bool fail) {
    CreateKey(keyPath).queriesFail = fail;
}

void FakeRegistry::SetPerformanceData(std::string_view counters, std::vector<std::uint8_t> block) {
    performanceData_[std::string(counters)] = std::move(block);
}

}  // namespace vitrex::fakes
