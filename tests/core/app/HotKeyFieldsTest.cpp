#include <gtest/gtest.h>

#include <cstdint>

#include "EarlierRun.h"
#include "core/app/MainForm.h"
#include "core/transparency/ShortCuts.h"
#include "testing/FakePlatform.h"

namespace vitrex::app {
namespace {

using fakes::FakeHotKeys;
using transparency::ShortCutToModifiers;

constexpr std::uint16_t kF12 = 0x7B;
constexpr std::uint16_t kShift = 0x2000, kCtrl = 0x4000, kAlt = 0x8000;

struct KeyFieldForm : ::testing::Test {
    fakes::FakePlatform platform;
    MainForm form{platform.NewRun()};
    FakeHotKeys& keys = platform.hotKeys;
};

// What a field holds is registered as it reads: the sets that the key mapping would turn into
// the Windows key without saying so never stay in either always-on-top field.
TEST_F(KeyFieldForm, NeitherOnTopFieldHoldsASetThatWouldSilentlyBecomeTheWindowsKey) {
    form.FormCreate();
    for (ui::HotKeyEdit* field : {&form.GB_ShortCuts_AoTOn, &form.GB_ShortCuts_AoTOff}) {
        for (std::uint16_t modifiers : {std::uint16_t(kShift | kCtrl | kAlt), kAlt}) {
            field->UserSetValue(modifiers | kF12);
            EXPECT_EQ(field->Value(), kF12) << field->Name() << " " << modifiers;
        }
        for (std::uint16_t modifiers : {kCtrl, std::uint16_t(kCtrl | kAlt), std::uint16_t(kShift | kCtrl),
                                        std::uint16_t(kShift | kAlt)}) {
            field->UserSetValue(modifiers | kF12);
            EXPECT_EQ(field->Value(), modifiers | kF12) << field->Name() << " keeps " << modifiers;
            EXPECT_NE(ShortCutToModifiers(field->Value()), kModWin);
        }
    }
    form.GB_ShortCuts_AoTOff.UserSetValue(kShift | kF12);
    EXPECT_EQ(form.GB_ShortCuts_AoTOff.Value(), kF12) << "Shift alone stays refused in the off field";

    form.GB_ShortCuts_AoTOff.UserSetValue(kShift | kCtrl | kAlt | kF12);
    form.GB_ShortCuts_AoTOff.UserExit();
    EXPECT_EQ(keys.registered.at(266), (FakeHotKeys::Key{kModWin, kF12}))
        << "the key alone is the Windows-key form, as the help text says";
}

TEST_F(KeyFieldForm, AStoredSetTheFieldWouldRefuseShowsAndSavesAsItIsRegistered) {
    testing::SeedEarlierRun(platform.registry);
    platform.registry.Seed("Software\\Vitrex", "SC_AoT_Off",
                           fakes::FakeRegistryValue::Dword(kShift | kCtrl | kAlt | kF12));
    form.FormCreate();
    EXPECT_EQ(form.GB_ShortCuts_AoTOff.Value(), kF12);
    EXPECT_EQ(keys.registered.at(266), (FakeHotKeys::Key{kModWin, kF12})) << "the same key as before";
    EXPECT_EQ(form.GB_ShortCuts_AoTOn.Value(), kCtrl | kAlt | 0x70) << "an allowed set is kept";
}

}  // namespace
}  // namespace vitrex::app
