#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "core/app/crashlog/CrashDispatcher.h"
#include "core/app/crashlog/CrashLog.h"
#include "core/platform/Errors.h"
#include "core/ui/Controls.h"
#include "core/ui/Form.h"
#include "testing/FakeClock.h"
#include "testing/FakeFiles.h"

namespace vitrex::crashlog {
namespace {

using Lines = std::vector<std::string>;

const std::string kRule(88, '-');

struct CrashLogFixture : ::testing::Test {
    CrashLogFixture() {
        clock.SetLocalLongTime("14:03:59");
        form.SetDispatcher(&dispatcher);
    }
    // The lines added since the header.
    Lines Entries() const { return Lines(log.Lines().begin() + 2, log.Lines().end()); }

    fakes::FakeClock clock;
    CrashLog log{clock};
    CrashDispatcher dispatcher{log};
    ui::Form form{"VTXForm", "TVTXForm", 531, 333};
};

TEST_F(CrashLogFixture, HeaderIsTitleAndRule) {
    log.AddHeader();
    EXPECT_EQ(log.Lines(), (Lines{"Vitrex v0.21 PreBuild Log", kRule}));
}

TEST_F(CrashLogFixture, FailureInStartUpBecomesAFourLineEntryNamingTheForm) {
    log.AddHeader();
    bool laterStepRan = false;
    const bool completed = dispatcher.Run(&form, [&] {
        throw RegistryError("Fehler beim Holen der Daten f\xC3\xBCr 'HideProgram'");
        laterStepRan = true;
    });
    EXPECT_FALSE(completed);
    EXPECT_FALSE(laterStepRan);
    EXPECT_EQ(Entries(), (Lines{"14:03:59 Fehler beim Holen der Daten f\xC3\xBCr 'HideProgram'",
                                "Typ: RegistryError", "Sender: VTXForm [TVTXForm]", kRule}));
}

TEST_F(CrashLogFixture, ControlsHandlerFailureNamesTheControlAndTheProgramCarriesOn) {
    log.AddHeader();
    ui::Button button("TAB_TPZ_RESET", &form, {});
    int index = 7;
    button.OnClick = [&] { throw std::out_of_range("index " + std::to_string(index++)); };
    button.UserClick();
    button.UserClick();
    ASSERT_EQ(Entries().size(), 8u);
    EXPECT_EQ(Entries()[0], "14:03:59 index 7");
    EXPECT_EQ(Entries()[1], "Typ: std::out_of_range");
    EXPECT_EQ(Entries()[2], "Sender: TAB_TPZ_RESET [TButton]");
}

TEST_F(CrashLogFixture, AnythingThrownIsRecordedWithItsType) {
    dispatcher.Dispatch(nullptr, [] { throw 42; });
    EXPECT_EQ(log.Lines(), (Lines{"14:03:59 Unknown exception", "Typ: int", "Sender: (none)", kRule}));
}

TEST_F(CrashLogFixture, UnnamedSenderIsNamedByItsClassAndItsNamedOwner) {
    ui::Component list("", "TList", &form);
    ui::Component orphan("", "TStrings");
    EXPECT_EQ(SenderLine(&list), "Sender: [TList] in VTXForm [TVTXForm]");
    EXPECT_EQ(SenderLine(&orphan), "Sender: [TStrings]");
}

TEST_F(CrashLogFixture, SilentAbortLeavesNoEntry) {
    EXPECT_FALSE(dispatcher.Run(&form, [] { throw SilentAbort(); }));
    EXPECT_TRUE(log.Lines().empty());
}

TEST_F(CrashLogFixture, EntryIsWrittenEvenWhenTheClockFails) {
    clock.SetFailing(true);
    dispatcher.Dispatch(&form, [] { throw FileError("disk full"); });
    EXPECT_EQ(log.Lines(),
              (Lines{"--:--:-- disk full", "Typ: FileError", "Sender: VTXForm [TVTXForm]", kRule}));
}

TEST_F(CrashLogFixture, ObserverMirrorsEveryChangeAndCannotLoseALine) {
    Lines mirror;
    log.SetObserver([&] {
        mirror = log.Lines();
        throw std::runtime_error("list box gone");
    });
    log.AddHeader();
    dispatcher.Dispatch(&form, [] { throw ConvertError("'x' is not a valid integer value"); });
    EXPECT_EQ(log.Lines().size(), 6u);
    EXPECT_EQ(mirror, log.Lines());
    clock.SetLocalLongTime("14:04:00");
    dispatcher.Dispatch(&form, [] { throw ConvertError("'x' is not a valid integer value"); });
    EXPECT_EQ(mirror, log.Lines()) << "a counted repeat reaches the mirror too";
}

TEST_F(CrashLogFixture, AFailureRepeatingEverySecondStaysOneEntryWithItsCount) {
    log.AddHeader();
    ui::Component timer("CommandTimer", "TTimer", &form);
    for (int second = 0; second < 60; ++second) {
        clock.SetLocalLongTime("14:05:" + std::string(second < 10 ? "0" : "") + std::to_string(second));
        dispatcher.Dispatch(&timer, [] { throw RegistryError("Zugriff verweigert"); });
    }
    ASSERT_EQ(Entries().size(), 4u);
    EXPECT_EQ(Entries()[0], "14:05:00 Zugriff verweigert (60 times, last at 14:05:59)");
    EXPECT_EQ(Entries()[2], "Sender: CommandTimer [TTimer]");

    // Another failure in between starts a new entry; the same one after it is new again.
    dispatcher.Dispatch(&form, [] { throw RegistryError("Zugriff verweigert"); });
    dispatcher.Dispatch(&timer, [] { throw RegistryError("Zugriff verweigert"); });
    EXPECT_EQ(Entries().size(), 12u);
}

TEST_F(CrashLogFixture, KeepsTheFirstAndTheLastEntriesAndCountsTheDropped) {
    log.AddHeader();
    constexpr std::size_t kKept = CrashLog::kKeptFirstEntries + CrashLog::kKeptLastEntries;
    const std::size_t total = kKept + 25;
    for (std::size_t n = 0; n < total; ++n) {
        dispatcher.Dispatch(&form, [n] { throw FileError("failure " + std::to_string(n)); });
    }
    const Lines& lines = log.Lines();
    ASSERT_EQ(lines.size(), 2 + kKept * 4 + 1);
    EXPECT_EQ(lines[2], "14:03:59 failure 0");
    const std::size_t marker = 2 + CrashLog::kKeptFirstEntries * 4;
    EXPECT_EQ(lines[marker - 4], "14:03:59 failure 99");
    EXPECT_EQ(lines[marker].substr(0, 26), "(25 later entries dropped;");
    EXPECT_EQ(lines[marker + 1], "14:03:59 failure 125");
    EXPECT_EQ(lines[lines.size() - 4], "14:03:59 failure " + std::to_string(total - 1));

    const std::string longMessage(5000, 'x');
    dispatcher.Dispatch(&form, [&] { throw FileError(longMessage); });
    EXPECT_EQ(log.Lines()[log.Lines().size() - 4].size(), 9 + CrashLog::kMaxMessageLength);
}

struct SaveLogFixture : CrashLogFixture {
    SaveLogFixture() { files.SetExecutablePath("C:\\Program Files\\Vitrex\\Vitrex.exe"); }
    fakes::FakeFiles files;
};

TEST_F(SaveLogFixture, SavesTheLinesInAnsiWithCrLfBesideTheExecutable) {
    log.AddHeader();
    dispatcher.Dispatch(&form, [] { throw HttpError("Verbindung zum Server fehlgeschlagen: \xC3\xBC"); });
    const std::string path = SaveLog(log.Lines(), files);
    EXPECT_EQ(path, "C:\\Program Files\\Vitrex\\exceptions.log");
    EXPECT_EQ(files.File(path), "Vitrex v0.21 PreBuild Log\r\n" + kRule + "\r\n" +
                                    "14:03:59 Verbindung zum Server fehlgeschlagen: \xFC\r\n" +
                                    "Typ: HttpError\r\nSender: VTXForm [TVTXForm]\r\n" + kRule + "\r\n");
}

TEST_F(SaveLogFixture, SavingTwiceReplacesTheFile) {
    log.AddHeader();
    SaveLog(log.Lines(), files);
    const std::string path = SaveLog(log.Lines(), files);
    EXPECT_EQ(files.File(path), "Vitrex v0.21 PreBuild Log\r\n" + kRule + "\r\n");
}

TEST_F(SaveLogFixture, FailedSaveBecomesAnEntryAndNoConfirmation) {
    log.AddHeader();
    files.DenyWritesUnder("C:\\Program Files\\");
    ui::Component list("TabDebugList", "TListBox", &form);
    std::string confirmation;
    dispatcher.Dispatch(&list, [&] { confirmation = "List saved to: " + SaveLog(log.Lines(), files); });
    EXPECT_EQ(confirmation, "");
    EXPECT_FALSE(files.File("C:\\Program Files\\Vitrex\\exceptions.log"));
    ASSERT_EQ(Entries().size(), 4u);
    EXPECT_EQ(Entries()[1], "Typ: FileError");
    EXPECT_EQ(Entries()[2], "Sender: TabDebugList [TListBox]");
}

}  // namespace
}  // namespace vitrex::crashlog
