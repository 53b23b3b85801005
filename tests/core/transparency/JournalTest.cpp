#include <gtest/gtest.h>

#include <string>

#include "EngineDesktop.h"
#include "core/transparency/Alpha.h"
#include "core/transparency/Overlays.h"
#include "core/transparency/OwnAlphas.h"
#include "core/transparency/WindowJournal.h"

namespace vitrex::transparency {
namespace {

using fakes::FakeRegistryChange;
using fakes::FakeRegistryValue;

constexpr const char* kJournalKey = "Software\\Vitrex\\Journal";

// The engine as the program runs it: every alpha through the notes, and a journal.
struct Journalled : testing::EngineDesktop {
    OwnAlphas own{desktop};
    WindowJournal journal{registry, kJournalKey};
    Engine journalled{own, eligibility, &own, &journal};

    void Tick() { journalled.Tick(settings); }
    std::string Stored() const {
        const std::optional<FakeRegistryValue> value = registry.Value(kJournalKey, "Windows");
        return value ? value->text : "<none>";
    }
    int JournalWrites() const {
        int writes = 0;
        for (const FakeRegistryChange& change : registry.Changes())
            writes += change.keyPath.find("Journal") != std::string::npos ? 1 : 0;
        return writes;
    }
};

TEST_F(Journalled, IsWrittenWhenTheWindowsOrTheirAlphasChangeAndEmptiedAtSwitchOff) {
    const WindowHandle a = Open("a.exe");
    const WindowHandle b = Open("b.exe");
    desktop.SetForeground(a);
    Tick();
    EXPECT_EQ(Stored(), std::to_string(a) + ":229;" + std::to_string(b) + ":191");
    EXPECT_EQ(JournalWrites(), 1);

    Tick();
    Tick();
    EXPECT_EQ(JournalWrites(), 1) << "a quiet tick writes nothing";

    desktop.SetForeground(b);
    Tick();
    EXPECT_EQ(Stored(), std::to_string(a) + ":191;" + std::to_string(b) + ":229");
    EXPECT_EQ(JournalWrites(), 2);

    const WindowHandle c = Open("c.exe");
    Tick();
    EXPECT_NE(Stored().find(std::to_string(c) + ":191"), std::string::npos) << "a new window joins";

    journalled.SwitchOff();
    EXPECT_EQ(Stored(), "<none>");
    EXPECT_EQ(Alpha(a), -1);
}

TEST_F(Journalled, HoldsTheOwnAttributesOfAProgramsLayeredWindowAndNeverAPerPixelWindow) {
    const WindowHandle own = Open("player.exe");
    desktop.Window(own).exStyle = fakes::kWsExLayered;
    desktop.Window(own).alpha = 200;
    const WindowHandle perPixel = Open("widget.exe");
    desktop.Window(perPixel).exStyle = fakes::kWsExLayered;
    desktop.Window(perPixel).perPixelAlpha = true;
    Open("explorer.exe", 0, true, "Shell_TrayWnd", "");  // refused, so never changed
    desktop.SetForeground(0);
    Tick();
    EXPECT_EQ(Stored(), std::to_string(own) + ":191:0:200:2") << "only the window the engine changed";
}

TEST_F(Journalled, AnAlphaThisRunGaveBeforeTheEngineMetTheWindowIsClearedAtSwitchOff) {
    // A hot key, the applications menu or a level preview while the engine was off.
    const WindowHandle window = Open("app.exe");
    SetWindowTransparency(own, window, 50);
    desktop.SetForeground(window);
    Tick();
    EXPECT_EQ(Alpha(window), kActive);
    journalled.SwitchOff();
    EXPECT_EQ(Alpha(window), -1) << "ours, not its program's";
}

TEST_F(Journalled, AWindowItsProgramChangedAfterOurAlphaIsItsProgramsAgain) {
    const WindowHandle window = Open("app.exe");
    SetWindowTransparency(own, window, 50);
    desktop.Window(window).alpha = 210;  // its program sets an alpha of its own
    Tick();
    journalled.SwitchOff();
    EXPECT_EQ(Alpha(window), 210);
}

TEST_F(Journalled, ARegistryThatRefusesTheJournalIsNotAskedAgainAtEveryTick) {
    registry.OpenOrCreateKey(kJournalKey);
    registry.SetWriteProtected(kJournalKey, true);
    std::vector<JournalEntry> seen;
    journal.SetObserver([&seen](const std::vector<JournalEntry>& entries) { seen = entries; });
    const WindowHandle window = Open("app.exe");
    EXPECT_ANY_THROW(Tick());
    EXPECT_EQ(seen.size(), 1u) << "the crash copy hears of it all the same";
    EXPECT_NO_THROW(Tick());
    EXPECT_EQ(Alpha(window), kInactive);
}

// The engine and the overlays writing one journal, as the program runs them.
struct JournalledOverlays : Journalled {
    RefusedWindows refused;
    Overlays overlays{own, refused, &journal};
    Engine both{own, eligibility, &own, &journal, &overlays};
};

TEST_F(JournalledOverlays, TheOverlaysComeFirstInTheSameValueAndTheObserverHearsTheWholeSet) {
    std::vector<JournalEntry> seen;
    journal.SetObserver([&seen](const std::vector<JournalEntry>& entries) { seen = entries; });
    const WindowHandle a = Open("a.exe");
    const WindowHandle b = Open("b.exe");
    desktop.SetForeground(a);
    both.Tick(settings);
    const std::string engine = std::to_string(a) + ":229;" + std::to_string(b) + ":191";
    ASSERT_EQ(Stored(), engine);

    ASSERT_EQ(overlays.Make(b), OverlayChange::Made);
    const std::string overlay = std::to_string(b) + ":191:0:191:2:" + std::to_string(fakes::kWsExLayered);
    EXPECT_EQ(Stored(), overlay + ";" + engine) << "it keeps the alpha the engine gave it";
    EXPECT_EQ(seen.size(), 3u);

    both.SwitchOff();
    EXPECT_EQ(Stored(), overlay) << "switching off empties the engine's part only";
    EXPECT_EQ(seen.size(), 1u);
    overlays.ReleaseAll();
    EXPECT_EQ(Stored(), "<none>");
    EXPECT_TRUE(seen.empty());
}

// What a later start does with a journal an earlier run left.
struct EarlierJournal : testing::EngineDesktop {
    WindowJournal journal{registry, kJournalKey};

    WindowHandle LeftAt(std::uint8_t alpha) {
        const WindowHandle window = Open("app.exe");
        desktop.Window(window).exStyle = fakes::kWsExLayered;
        desktop.Window(window).alpha = alpha;
        return window;
    }
    void Seed(const std::string& text) { registry.Seed(kJournalKey, "Windows", FakeRegistryValue::Sz(text)); }
};

TEST_F(EarlierJournal, WindowsStillAtTheJournalledAlphaAreGivenBackAndTheRestLeftAlone) {
    const WindowHandle left = LeftAt(191);
    const WindowHandle changedSince = LeftAt(127);
    const WindowHandle program = LeftAt(191);
    const WindowHandle gone = LeftAt(191);
    desktop.RemoveWindow(gone);
    const WindowHandle clearedSince = Open("app.exe");
    Seed(std::to_string(left) + ":191;" + std::to_string(changedSince) + ":191;" + std::to_string(program) +
         ":191:0:200:2;" + std::to_string(gone) + ":191;" + std::to_string(clearedSince) + ":191");

    EXPECT_EQ(journal.RestoreLeftBehind(desktop), 2);
    EXPECT_EQ(Alpha(left), -1);
    EXPECT_EQ(Alpha(changedSince), 127) << "another program set it since";
    EXPECT_EQ(Alpha(program), 200) << "its program's own attributes";
    EXPECT_TRUE(desktop.Window(program).exStyle & fakes::kWsExLayered);
    EXPECT_EQ(Alpha(clearedSince), -1);
    EXPECT_FALSE(registry.Value(kJournalKey, "Windows")) << "emptied";
}

TEST_F(EarlierJournal, OverlaysStillAsTheJournalSaysGetTheirEarlierStyleAndAttributesBack) {
    using fakes::kWsExLayered;
    using fakes::kWsExTopmost;
    using fakes::kWsExTransparent;
    constexpr std::uint32_t kOverlay = kWsExLayered | kWsExTopmost | kWsExTransparent;
    const auto overlayAt = [this](std::uint8_t alpha, std::uint32_t exStyle) {
        const WindowHandle window = LeftAt(alpha);
        desktop.Window(window).exStyle = exStyle;
        return window;
    };
    const WindowHandle plain = overlayAt(153, kOverlay);
    const WindowHandle keyed = overlayAt(153, kOverlay);
    desktop.Window(keyed).colorKey = 0xFF00FF;
    const WindowHandle engineToo = overlayAt(191, kOverlay);
    const WindowHandle clickableAgain = overlayAt(153, kWsExLayered | kWsExTopmost);
    const WindowHandle otherAlpha = overlayAt(100, kOverlay);
    const WindowHandle gone = overlayAt(153, kOverlay);
    desktop.RemoveWindow(gone);
    const auto entry = [](WindowHandle window, const std::string& rest) {
        return std::to_string(window) + rest;
    };
    Seed(entry(plain, ":153:0:255:0:0;") + entry(keyed, ":153:16711935:255:1:") +
         std::to_string(kWsExLayered) + ";" + entry(engineToo, ":191:0:191:2:") +
         std::to_string(kWsExLayered) + ";" + entry(clickableAgain, ":153:0:255:0:0;") +
         entry(otherAlpha, ":153:0:255:0:0;") + entry(gone, ":153:0:255:0:0;") + entry(engineToo, ":191"));

    EXPECT_EQ(journal.RestoreLeftBehind(desktop), 3);
    EXPECT_EQ(desktop.Window(plain).exStyle, 0u);
    EXPECT_EQ(desktop.Window(keyed).exStyle, kWsExLayered);
    EXPECT_EQ(Alpha(keyed), -2) << "its colour key only, as before";
    EXPECT_EQ(desktop.Window(keyed).colorKey, 0xFF00FFu);
    EXPECT_EQ(desktop.Window(engineToo).exStyle, 0u) << "the overlay first, then the engine's alpha";
    EXPECT_EQ(desktop.Window(clickableAgain).exStyle, kWsExLayered | kWsExTopmost) << "changed since";
    EXPECT_EQ(Alpha(otherAlpha), 100);
    EXPECT_TRUE(desktop.Window(otherAlpha).exStyle & kWsExTransparent);
}

TEST_F(EarlierJournal, NoJournalKeyMeansNothingIsTouchedOrCreated) {
    const WindowHandle window = LeftAt(191);
    EXPECT_EQ(journal.RestoreLeftBehind(desktop), 0);
    EXPECT_EQ(Alpha(window), 191);
    EXPECT_FALSE(registry.KeyExists("Software\\Vitrex"));
}

TEST(JournalText, RoundTripsAndLeavesOutDamagedEntries) {
    const std::vector<JournalEntry> entries{
        {4294967296u, 191, std::nullopt, std::nullopt},
        {66, 229, LayeredAttributes{0xFF00FF, std::nullopt}, std::nullopt}};
    EXPECT_EQ(FormatJournal(entries), "4294967296:191;66:229:16711935:255:1");
    EXPECT_EQ(ParseJournal(FormatJournal(entries)), entries);
    EXPECT_TRUE(ParseJournal("").empty());
    EXPECT_EQ(ParseJournal("x:1;5:256;0:100;7;8:1:2;9:-1;;12:34;13:1:2:300:4"),
              (std::vector<JournalEntry>{{12, 34, std::nullopt, std::nullopt}}));
}

TEST(JournalText, OverlaysRoundTripAndADamagedOneCostsOnlyItself) {
    const std::vector<JournalEntry> overlays{{70, 153, std::nullopt, 0x88u},
                                             {71, 200, LayeredAttributes{0xFF, 200}, 0x80000u}};
    EXPECT_EQ(FormatJournal(overlays), "70:153:0:255:0:136;71:200:255:200:3:524288");
    EXPECT_EQ(ParseJournal(FormatJournal(overlays)), overlays);
    EXPECT_EQ(ParseJournal("70:153:0:255:0:x;72:1:0:255:4:0;73:1:0:255:0:1:2;74:1:0:255:0:-5;12:34"),
              (std::vector<JournalEntry>{{12, 34, std::nullopt, std::nullopt}}));
}

}  // namespace
}  // namespace vitrex::transparency
