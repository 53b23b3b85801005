#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/transparency/RememberedPrograms.h"
#include "testing/FakeRegistry.h"

namespace vitrex::transparency {
namespace {

constexpr const char* kKey = "Software\\Vitrex\\Remembered";

std::string Stored(const fakes::FakeRegistry& registry, std::string_view key, std::string_view name) {
    const auto value = registry.Value(key, name);
    return value ? value->text : "(none)";
}

TEST(RememberedFormat, WritesAndReadsLevelAndOnTopAndPassesOverWhatItCannotRead) {
    EXPECT_EQ(FormatRemembered({40, true}), "level=40;ontop=1");
    EXPECT_EQ(FormatRemembered({std::nullopt, false}), "ontop=0");
    for (const Remembered& r : {Remembered{0, false}, Remembered{90, true}, Remembered{std::nullopt, true}})
        EXPECT_EQ(ParseRemembered(FormatRemembered(r)), r);

    EXPECT_EQ(ParseRemembered("ontop=1;level=5;"), (Remembered{5, true})) << "any order, a trailing ';'";
    EXPECT_EQ(ParseRemembered("level=30;alpha=3"), (Remembered{30, false})) << "a field of a later version";
    for (const char* bad : {"", ";", "level=", "level=91", "level=-1", "level=4O", "level=40x", "ontop=2",
                            "level 40", "colour=3"}) {
        EXPECT_FALSE(ParseRemembered(bad)) << bad;
    }
}

TEST(RememberedPrograms, KeepsOneValuePerProgramAndSurvivesARestart) {
    fakes::FakeRegistry registry;
    RememberedPrograms first(registry, kKey);
    first.Remember("NotePad.EXE", {40, false});
    first.Remember("mail.exe", {std::nullopt, true});
    first.Remember("notepad.exe", {50, true});
    first.Forget("MAIL.exe");
    EXPECT_EQ(Stored(registry, kKey, "notepad.exe"), "level=50;ontop=1");
    EXPECT_FALSE(registry.Value(kKey, "mail.exe"));
    EXPECT_FALSE(registry.Value("Software\\Vitrex", "notepad.exe")) << "the settings key keeps its values";

    // A hand-edited value that does not read is passed over and left as it is.
    registry.Seed(kKey, "broken.exe", fakes::FakeRegistryValue::Sz("level=lots"));
    RememberedPrograms next(registry, kKey);
    next.Load();
    ASSERT_EQ(next.All().size(), 1u);
    EXPECT_EQ(next.Find("NOTEPAD.exe"), (Remembered{50, true}));
    EXPECT_FALSE(next.Find("broken.exe"));
    EXPECT_EQ(Stored(registry, kKey, "broken.exe"), "level=lots");
}

TEST(RememberedPrograms, FollowsChosenLevelsOnlyForRememberedPrograms) {
    fakes::FakeRegistry registry;
    std::vector<std::string> told;
    RememberedPrograms programs(registry, kKey,
                                [&told](const std::string& program) { told.push_back(program); });
    EXPECT_FALSE(programs.Follow("editor.exe", 30, std::nullopt));
    EXPECT_FALSE(registry.Value(kKey, "editor.exe"));

    programs.Remember("Editor.exe", {40, false});
    EXPECT_TRUE(programs.Follow("editor.EXE", 30, std::nullopt));
    EXPECT_TRUE(programs.Follow("editor.exe", std::nullopt, true));
    EXPECT_TRUE(programs.Follow("editor.exe", std::nullopt, true)) << "no change: nothing written";
    EXPECT_EQ(programs.Find("editor.exe"), (Remembered{30, true}));
    EXPECT_EQ(Stored(registry, kKey, "editor.exe"), "level=30;ontop=1");
    EXPECT_EQ(told, (std::vector<std::string>{"editor.exe", "editor.exe", "editor.exe"}));
}

TEST(RememberedPrograms, AMissingSubkeyIsNoRememberedProgramAndIsNotCreatedByReading) {
    fakes::FakeRegistry registry;
    RememberedPrograms programs(registry, kKey);
    programs.Load();
    EXPECT_TRUE(programs.Empty());
    EXPECT_FALSE(registry.KeyExists(kKey));
}

}  // namespace
}  // namespace vitrex::transparency
