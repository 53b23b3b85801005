#include <gtest/gtest.h>

#include "core/app/MadeFiles.h"
#include "core/app/settings/Autostart.h"
#include "testing/FakeFiles.h"
#include "testing/FakeRegistry.h"

namespace vitrex::app {
namespace {

using fakes::FakeRegistryValue;

// A folder whose path cmd.exe would have expanded: the removal names it to no interpreter.
constexpr const char* kFolder = "C:\\Users\\a%PATH%b\\%i\\Vitrex\\";

struct MadeFilesRemoval : ::testing::Test {
    MadeFilesRemoval() {
        files.SetExecutablePath(std::string(kFolder) + "Vitrex.exe");
        files.SeedFolder("C:\\Users\\a%PATH%b\\%i\\Vitrex");
        for (const char* name :
             {"Vitrex.exe", "update.exe", "exceptions.log", "languages.ini", "update.exe.old"})
            files.Seed(std::string(kFolder) + name, "bytes");
        registry.Seed(settings::kRunKey, settings::kAutostartValue,
                      FakeRegistryValue::Sz("\"C:\\Vitrex.exe\""));
        registry.Seed(settings::kRunKey, "Other", FakeRegistryValue::Sz("other.exe"));
        registry.Seed("\\Software\\Vitrex", "Language", FakeRegistryValue::Sz("de"));
    }
    fakes::FakeFiles files;
    fakes::FakeRegistry registry;
};

TEST_F(MadeFilesRemoval, TakesTheAutostartValueTheDownloadAndTheLogAndNothingElse) {
    EXPECT_TRUE(RemoveMadeFiles(registry, files));
    EXPECT_FALSE(files.File(std::string(kFolder) + "update.exe"));
    EXPECT_FALSE(files.File(std::string(kFolder) + "exceptions.log"));
    for (const char* kept : {"Vitrex.exe", "languages.ini", "update.exe.old"})
        EXPECT_TRUE(files.File(std::string(kFolder) + kept)) << kept;
    EXPECT_FALSE(registry.Value(settings::kRunKey, settings::kAutostartValue));
    EXPECT_TRUE(registry.Value(settings::kRunKey, "Other"));
    EXPECT_TRUE(registry.Value("\\Software\\Vitrex", "Language")) << "the settings stay";

    EXPECT_TRUE(RemoveMadeFiles(registry, files)) << "nothing left to remove is no failure";
}

TEST_F(MadeFilesRemoval, SaysSoWhenAFileOrTheValueStays) {
    auto held = files.OpenHeld(std::string(kFolder) + "exceptions.log");
    EXPECT_FALSE(RemoveMadeFiles(registry, files));
    EXPECT_FALSE(files.File(std::string(kFolder) + "update.exe")) << "the rest is still removed";
    EXPECT_FALSE(registry.Value(settings::kRunKey, settings::kAutostartValue));
    held.reset();

    registry.Seed(settings::kRunKey, settings::kAutostartValue, FakeRegistryValue::Sz("x"));
    registry.SetWriteProtected(settings::kRunKey, true);
    EXPECT_FALSE(RemoveMadeFiles(registry, files));
}

}  // namespace
}  // namespace vitrex::app
