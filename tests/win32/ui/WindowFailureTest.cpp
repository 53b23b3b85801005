#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "UiTestSupport.h"
#include "core/app/crashlog/CrashDispatcher.h"
#include "core/app/crashlog/CrashLog.h"
#include "core/platform/Errors.h"
#include "core/ui/Controls.h"
#include "win32/platform/SystemMessage.h"
#include "win32/platform/Win32Clock.h"
#include "win32/platform/Win32Files.h"
#include "win32/ui/FormWindow.h"
#include "win32/ui/MessageLoop.h"

namespace vitrex::win32 {
namespace {

using namespace vitrex::win32::testing;

constexpr UINT kFailingMessage = WM_APP + 0x31;

struct FailureForm : ui::Form {
    FailureForm() : ui::Form("FailureForm", "TVitrexFailureForm", 300, 200) {}
    ui::Panel panel{"Panel", this, {0, 0, 300, 200}};
    ui::Button button{"Button", &panel, {10, 10, 80, 25}, "Go"};
};

// A real form window whose events run through the program's crash-log boundary.
struct WindowFailureTest : ::testing::Test {
    WindowFailureTest() {
        form.SetDispatcher(&dispatcher);
        window = Bind(form, ::GetModuleHandleW(nullptr));
    }
    // The first three lines of an entry; the first without the time, which is in the user's
    // format (it may hold a space itself) and is followed by the message.
    std::vector<std::string> Entry(std::size_t index, const std::string& message) const {
        const auto& lines = log.Lines();
        if (lines.size() < 4 * (index + 1)) return {};
        std::vector<std::string> entry(lines.begin() + 4 * index, lines.begin() + 4 * index + 3);
        const std::size_t at = entry[0].find(" " + message);
        if (at != std::string::npos) entry[0] = entry[0].substr(at + 1);
        return entry;
    }

    CommonControls6Scope controls6;
    Win32Clock clock;
    crashlog::CrashLog log{clock};
    crashlog::CrashDispatcher dispatcher{log};
    FailureForm form;
    std::unique_ptr<FormWindow> window;
};

TEST_F(WindowFailureTest, ABinderCallThatThrowsInTheWindowProcedureBecomesACrashLogEntryOfItsClass) {
    const std::string missing = "C:\\vitrex-no-such-folder\\missing.txt";
    window->SetMessageHook([&](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == kFailingMessage) Win32Files().ReadWholeFile(missing);
        if (message == kFailingMessage + 1) throw 7;
        return std::nullopt;
    });

    EXPECT_EQ(::SendMessageW(window->Handle(), kFailingMessage, 0, 0), 0) << "left to the default handling";
    const std::vector<std::string> entry = Entry(0, "Cannot open file");
    ASSERT_EQ(entry.size(), 3u) << "one entry";
    EXPECT_EQ(entry[0], "Cannot open file \"" + missing + "\": CreateFileW failed (3): " + SystemMessage(3));
    EXPECT_EQ(entry[1], "Typ: FileError");
    EXPECT_EQ(entry[2], "Sender: FailureForm [TVitrexFailureForm]");

    // What is not an exception class at all still gets an entry, and the window lives on.
    ::SendMessageW(window->Handle(), kFailingMessage + 1, 0, 0);
    EXPECT_EQ(Entry(1, "Unknown exception"),
              (std::vector<std::string>{"Unknown exception", "Typ: int",
                                        "Sender: FailureForm [TVitrexFailureForm]"}));
    EXPECT_TRUE(::IsWindow(window->Handle()));
}

TEST_F(WindowFailureTest, AHandlerThatThrowsInAContainersProcedureIsLoggedForItsControl) {
    form.button.OnClick = [] { (void)std::string().at(1); };
    ::SendMessageW(window->HandleOf(form.button), BM_CLICK, 0, 0);
    const std::vector<std::string> entry = Entry(0, "basic_string");
    ASSERT_EQ(entry.size(), 3u);
    EXPECT_EQ(entry[1], "Typ: std::out_of_range");
    EXPECT_EQ(entry[2], "Sender: Button [TButton]");
}

TEST_F(WindowFailureTest, AFailingMessageFilterIsLoggedAndTheLoopRunsOn) {
    ::PostMessageW(window->Handle(), kFailingMessage, 0, 0);
    ::PostMessageW(window->Handle(), WM_NULL, 0, 0);
    int seen = 0;
    const int code = RunMessageLoop(*window, [&](MSG& message) -> bool {
        if (message.message == kFailingMessage) throw SystemError("filter failed", "Test", 1);
        if (message.message == WM_NULL && message.hwnd == window->Handle()) {
            ++seen;
            ::PostQuitMessage(5);
        }
        return false;
    });
    EXPECT_EQ(code, 5);
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(Entry(0, "filter failed"),
              (std::vector<std::string>{"filter failed", "Typ: SystemError",
                                        "Sender: FailureForm [TVitrexFailureForm]"}));
}

}  // namespace
}  // namespace vitrex::win32
