#include "core/app/settings/SettingsStore.h"

#include <stdexcept>

#include "core/app/settings/NoABList.h"

namespace vitrex::settings {
namespace {

// A read or write with a type other than the table's is a fault of the program, not of the
// stored data.
const SettingDef& Checked(SettingId id, SettingType type) {
    const SettingDef& setting = Setting(id);
    if (setting.type != type) {
        throw std::logic_error("setting '" + std::string(setting.name) + "' accessed with the wrong type");
    }
    return setting;
}

}  // namespace

SettingsStore::SettingsStore(Registry& registry, std::string_view keyPath)
    : key_(registry.OpenOrCreateKey(keyPath)) {}

bool SettingsStore::Exists(SettingId id) const {
    return key_->ValueExists(Setting(id).name);
}

bool SettingsStore::ReadBool(SettingId id) const {
    return key_->ReadBool(Checked(id, SettingType::Boolean).name);
}

std::int32_t SettingsStore::ReadInteger(SettingId id) const {
    const SettingDef& setting = Checked(id, SettingType::Integer);
    return LoadedNumber(setting, key_->ReadInteger(setting.name));
}

std::string SettingsStore::ReadText(SettingId id) const {
    return key_->ReadText(Checked(id, SettingType::Text).name);
}

std::vector<std::string> SettingsStore::ReadNoABList() const {
    return SplitNoABList(ReadText(SettingId::NoABList));
}

namespace {

template <class Read, class Value>
auto OrDefault(const Read& read, Value fallback, const SettingsStore::UnreadableHandler& unreadable) {
    try {
        return read();
    } catch (const UnreadableValueError& error) {
        if (unreadable) unreadable(error);
        return decltype(read())(std::move(fallback));
    }
}

}  // namespace

bool SettingsStore::ReadBoolOrDefault(SettingId id, const UnreadableHandler& unreadable) const {
    return OrDefault([&] { return ReadBool(id); }, Setting(id).defaultNumber != 0, unreadable);
}

std::int32_t SettingsStore::ReadIntegerOrDefault(SettingId id, const UnreadableHandler& unreadable) const {
    return OrDefault([&] { return ReadInteger(id); }, Setting(id).defaultNumber, unreadable);
}

std::string SettingsStore::ReadTextOrDefault(SettingId id, const UnreadableHandler& unreadable) const {
    return OrDefault([&] { return ReadText(id); }, std::string(Setting(id).defaultText), unreadable);
}

SettingValue SettingsStore::ReadOrDefault(SettingId id, const UnreadableHandler& unreadable) const {
    switch (Setting(id).type) {
        case SettingType::Boolean:
            return {ReadBoolOrDefault(id, unreadable) ? 1 : 0};
        case SettingType::Integer:
            return {ReadIntegerOrDefault(id, unreadable)};
        case SettingType::Text:
            break;
    }
    return {0, ReadTextOrDefault(id, unreadable)};
}

void SettingsStore::WriteBool(SettingId id, bool value) {
    key_->WriteBool(Checked(id, SettingType::Boolean).name, value);
}

void SettingsStore::WriteInteger(SettingId id, std::int32_t value) {
    key_->WriteInteger(Checked(id, SettingType::Integer).name, value);
}

void SettingsStore::WriteText(SettingId id, std::string_view value) {
    key_->WriteText(Checked(id, SettingType::Text).name, value);
}

void SettingsStore::WriteNoABList(const std::vector<std::string>& entries) {
    WriteText(SettingId::NoABList, JoinNoABList(entries));
}

bool SettingsStore::Delete(SettingId id) {
    return key_->DeleteValue(Setting(id).name);
}

void SettingsStore::WriteDefault(const SettingDef& setting) {
    switch (setting.type) {
        case SettingType::Boolean:
            key_->WriteBool(setting.name, setting.defaultNumber != 0);
            break;
        case SettingType::Integer:
            key_->WriteInteger(setting.name, setting.defaultNumber);
            break;
        case SettingType::Text:
            key_->WriteText(setting.name, setting.defaultText);
            break;
    }
}

void SettingsStore::WriteMissingDefaults(WrittenAt when) {
    for (const SettingDef& setting : AllSettings()) {
        if (setting.writtenAt == when && !Exists(setting.id)) WriteDefault(setting);
    }
}

namespace {

// Nothing of the program's yet, but perhaps the command slot: a second start can write its command
// while the very first start is still on its way here.
bool NothingStoredYet(const SettingsStore& store) {
    for (const SettingDef& setting : AllSettings()) {
        if (setting.writtenAt != WrittenAt::QuitOnly && setting.id != SettingId::ApplicationCommand &&
            store.Exists(setting.id)) {
            return false;
        }
    }
    return true;
}

}  // namespace

StartKind WriteMissingDefaults(SettingsStore& store) {
    const bool firstStart = NothingStoredYet(store);
    const bool upgrade = !store.Exists(SettingId::UpdateCheck);
    if (firstStart || !store.Exists(SettingId::ApplicationCommand)) {
        store.WriteMissingDefaults(WrittenAt::FirstStart);
    }
    if (upgrade || firstStart) store.WriteMissingDefaults(WrittenAt::Upgrade);
    if (firstStart) return StartKind::FirstStart;
    return upgrade ? StartKind::Upgrade : StartKind::Regular;
}

}  // namespace vitrex::settings
