#pragma once

#include <bitset>
#include <initializer_list>
#include <span>

#include "core/app/settings/SettingsTable.h"

namespace vitrex::settings {

// The settings that start-up put into their controls. The close path writes back only these: a
// value that start-up never reached (because an earlier value could not be read) keeps what the
// key holds, so one unreadable value cannot cost the others theirs at the next quit.
class LoadedSettings {
public:
    void Mark(std::initializer_list<SettingId> ids) {
        for (SettingId id : ids)
            loaded_.set(static_cast<std::size_t>(id));
    }
    void Mark(std::span<const SettingId> ids) {
        for (SettingId id : ids)
            loaded_.set(static_cast<std::size_t>(id));
    }
    bool Contains(SettingId id) const { return loaded_.test(static_cast<std::size_t>(id)); }
    bool Empty() const { return loaded_.none(); }

    // Every setting, as a test or a caller that loaded them all by other means needs.
    static LoadedSettings All() {
        LoadedSettings all;
        all.loaded_.set();
        return all;
    }

private:
    std::bitset<kSettingCount> loaded_;
};

}  // namespace vitrex::settings
