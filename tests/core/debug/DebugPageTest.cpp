#include <gtest/gtest.h>

#include "core/app/crashlog/CrashDispatcher.h"
#include "core/app/crashlog/CrashLog.h"
#include "core/platform/Errors.h"
#include "core/views/debug/DebugPage.h"
#include "testing/FakeClock.h"
#include "testing/FakeDialogs.h"
#include "testing/FakeFiles.h"
#include "testing/FakeHotKeys.h"
#include "testing/FakeWindowSystem.h"

namespace vitrex::views::debug {
namespace {

struct DebugTools : ::testing::Test {
    fakes::FakeWindowSystem desktop;
    ui::Label l1{"TabDebugL1", nullptr, {}}, l2{"TabDebugL2", nullptr, {}}, l3{"TabDebugL3", nullptr, {}},
        l4{"TabDebugL4", nullptr, {}};
    ui::Label l5{"TabDebugL5", nullptr, {}}, l6{"TabDebugL6", nullptr, {}}, l7{"TabDebugL7", nullptr, {}},
        l8{"TabDebugL8", nullptr, {}};
    WindowInfoLabels first{l1, l2, l3, l4};
    WindowInfoLabels foreground{l5, l6, l7, l8};
    ui::ListView applications{"TAB_AW_List", nullptr, {}};
    ui::LabeledEdit handleField{"DebugMakeHandleTransEdit", nullptr, {}};
    ui::HotKeyEdit hotKeyField{"DebugHotKey", nullptr, {}};
    ui::ListBox logList{"TabDebugList", nullptr, {}};
    ui::Button registerKey{"TabDebugBTN", nullptr, {}}, makeTrans{"DebugMakeHandleTrans", nullptr, {}},
        deleteTrans{"DebugDeleteTrans", nullptr, {}};
    fakes::FakeHotKeys hotKeys;
    fakes::FakeFiles files;
    fakes::FakeDialogs dialogs;
    fakes::FakeClock clock;
    crashlog::CrashLog log{clock};
    std::function<void()> reload;
    DebugPage page{{.DebugHotKey = hotKeyField,
                    .DebugMakeHandleTransEdit = handleField,
                    .TabDebugList = logList,
                    .TabDebugBTN = registerKey,
                    .DebugMakeHandleTrans = makeTrans,
                    .DebugDeleteTrans = deleteTrans,
                    .firstRow = first,
                    .foreground = foreground},
                   {applications,
                    [this] {
                        if (reload) reload();
                    }},
                   desktop,
                   hotKeys,
                   files,
                   dialogs,
                   log};

    WindowHandle Open(const std::string& className, const std::string& title, bool layered = false) {
        fakes::FakeWindow window;
        window.className = className;
        window.title = title;
        if (layered) window.exStyle = fakes::kWsExLayered;
        return desktop.AddWindow(window);
    }
    std::vector<std::string> Captions(const WindowInfoLabels& labels) const {
        return {labels.title.Caption(), labels.className.Caption(), labels.handle.Caption(),
                labels.style.Caption()};
    }
};

TEST_F(DebugTools, WindowInformationDescribesTheFirstListedWindowAndTheForegroundWindow) {
    const WindowHandle listed = Open("Notepad", "Notes - Notepad", true);
    const WindowHandle active = Open("Shell", std::string(300, 't'));
    desktop.SetForeground(active);
    int reloads = 0;
    reload = [&] {
        ++reloads;
        applications.SetRows({{{"Notes - Notepad", std::to_string(listed), "1", "notepad.exe"}}});
    };
    page.DebugWindowInformation();

    EXPECT_EQ(reloads, 1) << "the list is rebuilt first";
    EXPECT_EQ(Captions(first), (std::vector<std::string>{"Title: Notes - Notepad", "Class: Notepad",
                                                         "HWnd: " + std::to_string(listed), "Style: 524288"}))
        << "the extended style, which carries WS_EX_LAYERED";
    EXPECT_EQ(l5.Caption(), "Title: " + std::string(300, 't')) << "the whole title";
    EXPECT_EQ(l7.Caption(), "HWnd: " + std::to_string(active));
    EXPECT_EQ(l8.Caption(), "Style: 0");
}

TEST_F(DebugTools, WithAnEmptyListTheFirstGroupShowsOnlyItsPrefixes) {
    const WindowHandle active = Open("Shell", "Desktop");
    desktop.SetForeground(active);
    l1.SetCaption("Title: stale");
    page.DebugWindowInformation();
    EXPECT_EQ(Captions(first), (std::vector<std::string>{"Title: ", "Class: ", "HWnd: ", "Style: "}));
    EXPECT_EQ(l5.Caption(), "Title: Desktop");

    desktop.SetForeground(0);
    page.DebugWindowInformation();
    EXPECT_EQ(Captions(foreground), (std::vector<std::string>{"Title: ", "Class: ", "HWnd: 0", "Style: 0"}));
}

TEST_F(DebugTools, HandleTextIsDecimalOrHexadecimalWithinThirtyTwoBits) {
    EXPECT_EQ(ParseHandleText("65552"), 65552u);
    EXPECT_EQ(ParseHandleText("  65552"), 65552u);
    EXPECT_EQ(ParseHandleText("+7"), 7u);
    EXPECT_EQ(ParseHandleText("$10010"), 0x10010u);
    EXPECT_EQ(ParseHandleText("0x1001A"), 0x1001Au);
    EXPECT_EQ(ParseHandleText("4294967295"), 0xFFFFFFFFu) << "as the list shows a handle";
    EXPECT_EQ(ParseHandleText("-1"), ~WindowHandle{0});
    for (const char* bad :
         {"", " ", "abc", "12 ", "1.5", "0x", "$", "-", "4294967296", "-2147483649", "12abc"}) {
        EXPECT_THROW(ParseHandleText(bad), ConvertError) << "'" << bad << "'";
    }
    try {
        ParseHandleText("Notepad");
    } catch (const ConvertError& error) {
        EXPECT_STREQ(error.what(), "'Notepad' is not a valid integer value");
    }
}

TEST_F(DebugTools, MakeAndDeleteTransByTypedHandle) {
    const WindowHandle window = Open("Notepad", "Notes");
    handleField.SetText(std::to_string(window));
    page.DebugMakeHandleTransClick();
    EXPECT_TRUE(desktop.StyleOf(window).layered);
    EXPECT_EQ(desktop.GetLayeredAlpha(window), std::optional<std::uint8_t>(102));
    page.DebugDeleteTransClick();
    EXPECT_FALSE(desktop.StyleOf(window).layered);

    // A handle that names no window changes nothing and reports nothing.
    handleField.SetText("12345");
    EXPECT_NO_THROW(page.DebugMakeHandleTransClick());
}

TEST_F(DebugTools, ATextThatIsNoNumberBecomesACrashLogEntryAndChangesNoWindow) {
    const WindowHandle window = Open("Notepad", "Notes");
    crashlog::CrashDispatcher dispatcher(log);
    ui::Button button{"DebugMakeHandleTrans", nullptr, {}, "Make Trans."};
    handleField.SetText("window");
    EXPECT_FALSE(dispatcher.Run(&button, [&] { page.DebugMakeHandleTransClick(); }));
    ASSERT_EQ(log.Lines().size(), 4u);
    EXPECT_NE(log.Lines()[0].find("'window' is not a valid integer value"), std::string::npos);
    EXPECT_EQ(log.Lines()[1], "Typ: ConvertError");
    EXPECT_EQ(logList.Items(), log.Lines()) << "the page's list mirrors the log";
    EXPECT_EQ(desktop.ExStyleWrites(), 0);
    EXPECT_EQ(desktop.StyleOf(window).word, 0u);
}

TEST_F(DebugTools, RegisterHotKeyRegistersIdentifier267WithTheFieldsShortcut) {
    hotKeyField.SetValue(16610);
    EXPECT_TRUE(hotKeys.registered.empty()) << "nothing before the button";
    EXPECT_TRUE(page.TabDebugBTNClick());
    ASSERT_TRUE(hotKeys.registered.contains(267));
    EXPECT_EQ(hotKeys.registered[267], (fakes::FakeHotKeys::Key{2, 0xE2})) << "Ctrl with key 0xE2";

    // Another program holds the new combination: silently not registered, the old one gone.
    hotKeys.heldElsewhere.insert({2, 0x70});
    hotKeyField.SetValue(0x4070);
    EXPECT_FALSE(page.TabDebugBTNClick());
    EXPECT_FALSE(hotKeys.registered.contains(267));
}

}  // namespace
}  // namespace vitrex::views::debug
