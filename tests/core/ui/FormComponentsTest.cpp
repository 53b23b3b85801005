#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/ui/Controls.h"
#include "core/ui/Form.h"
#include "core/ui/Menu.h"
#include "core/ui/Timer.h"
#include "core/ui/TrayIcon.h"

namespace vitrex::ui {
namespace {

// Names each sender and, like the program's boundary, stops a failing handler there.
class CatchingDispatcher : public EventDispatcher {
public:
    void Dispatch(const Component* sender, const std::function<void()>& action) override {
        senders.push_back(sender->Name());
        try {
            action();
        } catch (const std::exception&) {
            ++failures;
        }
    }
    std::vector<std::string> senders;
    int failures = 0;
};

struct FormComponents : ::testing::Test {
    FormComponents() { form.SetDispatcher(&dispatcher); }
    CatchingDispatcher dispatcher;
    Form form{"TestForm", "TTestForm", 300, 200};
};

template <typename T>
std::vector<std::string> Names(const ComponentList<T>& list) {
    std::vector<std::string> names;
    for (const T* item : list.Items())
        names.push_back(item->Name());
    return names;
}

TEST_F(FormComponents, TimersIconsAndMenusRegisterWithTheirFormUntilTheyAreDestroyed) {
    std::vector<std::string> events;
    OwnedComponents& owned = form.Components();
    owned.timers.SetObservers([&](Timer& t) { events.push_back("+" + t.Name()); },
                              [&](Timer& t) { events.push_back("-" + t.Name()); });
    Panel panel("Panel", &form, {});
    Timer direct("Direct", &form, 100, false);
    // Made under a control, a component still belongs to the control's form.
    auto nested = std::make_unique<Timer>("Nested", &panel, 100, false);
    TrayIcon tray("Tray", &form);
    PopupMenu menu("Menu", &panel);
    Form other("Other", "TOther", 10, 10);
    Timer elsewhere("Elsewhere", &other, 100, false);
    Timer loose("Loose", nullptr, 100, false);

    EXPECT_EQ(Names(owned.timers), (std::vector<std::string>{"Direct", "Nested"}));
    EXPECT_EQ(Names(owned.trayIcons), std::vector<std::string>{"Tray"});
    EXPECT_EQ(Names(owned.popupMenus), std::vector<std::string>{"Menu"});
    EXPECT_EQ(Names(other.Components().timers), std::vector<std::string>{"Elsewhere"});

    nested.reset();
    EXPECT_EQ(Names(owned.timers), std::vector<std::string>{"Direct"});
    EXPECT_EQ(events, (std::vector<std::string>{"+Direct", "+Nested", "-Nested"}));
}

TEST_F(FormComponents, WindowMenuEntriesOfTheProgramRunTheirClickByIdentifier) {
    WindowMenu& menu = form.SystemMenu();
    menu.AppendSeparator();
    MenuItem& exit = menu.AppendItem(1025, "WindowMenu_Exit", "Exit");
    int clicks = 0;
    exit.OnClick = [&] { ++clicks; };

    EXPECT_FALSE(menu.UserCommand(WindowMenu::kClose)) << "the system's own entry";
    EXPECT_FALSE(menu.UserCommand(1026));
    EXPECT_FALSE(menu.UserCommand(0)) << "a separator";
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(menu.UserCommand(1025));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(dispatcher.senders, std::vector<std::string>{"WindowMenu_Exit"});

    // A handler may change the menu it was chosen from.
    exit.OnClick = [&] {
        ++clicks;
        menu.DeleteAt(static_cast<int>(menu.Entries().size()) - 1);
    };
    EXPECT_TRUE(menu.UserCommand(1025));
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(menu.UserCommand(1025)) << "a deleted entry can no longer be chosen";
    EXPECT_EQ(clicks, 2);
}

TEST_F(FormComponents, HotKeysReachTheFormWithTheirIdentifier) {
    form.UserHotKey(3);  // no handler: nothing happens
    std::vector<int> pressed;
    form.OnHotKeyPressed = [&](int id) { pressed.push_back(id); };
    form.UserHotKey(260);
    form.UserHotKey(0);
    EXPECT_EQ(pressed, (std::vector<int>{260, 0}));
    EXPECT_EQ(dispatcher.senders, (std::vector<std::string>{"TestForm", "TestForm"}));
}

TEST_F(FormComponents, TheSessionMayEndUnlessTheFormSaysNo) {
    EXPECT_TRUE(form.UserQueryEndSession()) << "no handler";
    form.OnQueryEndSession = [] { return false; };
    EXPECT_FALSE(form.UserQueryEndSession());
    form.OnQueryEndSession = []() -> bool { throw std::runtime_error("settings key refused"); };
    EXPECT_TRUE(form.UserQueryEndSession()) << "a failing handler does not hold up the log-off";
    EXPECT_EQ(dispatcher.failures, 1);
}

}  // namespace
}  // namespace vitrex::ui
