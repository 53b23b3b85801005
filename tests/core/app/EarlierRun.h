#pragma once

#include <string>

#include "core/app/MainForm.h"
#include "testing/FakePlatform.h"

namespace vitrex::app::testing {

// The settings a later start finds: what a first start with the defaults wrote.
inline void SeedEarlierRun(fakes::FakeRegistry& registry) {
    constexpr const char* kKey = "Software\\Vitrex";
    fakes::FakePlatform first;
    MainForm form(first.NewRun());
    form.FormCreate();
    for (const std::string& name : first.registry.ValueNames(kKey)) {
        registry.Seed(kKey, name, *first.registry.Value(kKey, name));
    }
}

}  // namespace vitrex::app::testing
