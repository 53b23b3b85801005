#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/ui/Controls.h"
#include "core/ui/Form.h"
#include "core/ui/ListControls.h"
#include "core/ui/PageControl.h"
#include "core/ui/TaskPanel.h"
#include "core/ui/Timer.h"

namespace vitrex::ui {
namespace {

class RecordingDispatcher : public EventDispatcher {
public:
    void Dispatch(const Component* sender, const std::function<void()>& action) override {
        senders.push_back(sender->Name());
        action();
    }
    std::vector<std::string> senders;
};

struct ModelFixture : ::testing::Test {
    ModelFixture() { form.SetDispatcher(&dispatcher); }
    RecordingDispatcher dispatcher;
    Form form{"TestForm", "TTestForm", 300, 200};
    int clicks = 0;
};

TEST_F(ModelFixture, ProgrammaticChangesNotifyTheBinderButRunNoHandler) {
    CheckBox box("Box", &form, {});
    TrackBar bar("Bar", &form, {});
    bar.SetRange(0, 90);
    std::vector<Change> changes;
    box.SetObserver([&](Widget&, Change c) { changes.push_back(c); });
    bar.SetObserver([&](Widget&, Change c) { changes.push_back(c); });
    box.OnClick = [&] { ++clicks; };
    bar.OnChange = [&] { ++clicks; };

    box.SetChecked(true);
    bar.SetPosition(40);

    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(changes, (std::vector<Change>{Change::Checked, Change::Position}));
    EXPECT_TRUE(dispatcher.senders.empty());
}

TEST_F(ModelFixture, UserActionsUpdateStateThenRunTheHandlerThroughTheDispatcher) {
    CheckBox box("Box", &form, {});
    bool seenChecked = false;
    box.OnClick = [&] { seenChecked = box.Checked(); };
    box.UserClick();
    EXPECT_TRUE(seenChecked);
    EXPECT_EQ(dispatcher.senders, std::vector<std::string>{"Box"});

    box.SetEnabled(false);
    box.UserClick();
    EXPECT_TRUE(box.Checked()) << "a disabled control ignores the user";
    EXPECT_EQ(dispatcher.senders.size(), 1u);
}

TEST_F(ModelFixture, RadioButtonsOfOneParentExcludeEachOther) {
    GroupBox groupA("A", &form, {});
    GroupBox groupB("B", &form, {});
    RadioButton a1("a1", &groupA, {}), a2("a2", &groupA, {});
    RadioButton b1("b1", &groupB, {});
    a1.SetChecked(true);
    b1.SetChecked(true);
    a2.OnClick = [&] { ++clicks; };

    a2.UserClick();
    EXPECT_FALSE(a1.Checked());
    EXPECT_TRUE(a2.Checked());
    EXPECT_TRUE(b1.Checked()) << "another group keeps its choice";
    EXPECT_EQ(clicks, 1);

    a2.UserClick();
    EXPECT_EQ(clicks, 1) << "picking the chosen radio again reports nothing";
}

TEST_F(ModelFixture, TrackBarHoldsPositionsToItsRange) {
    TrackBar bar("Bar", &form, {});
    bar.SetRange(5, 30);
    bar.SetPosition(2);
    EXPECT_EQ(bar.Position(), 5);
    bar.SetPosition(120);
    EXPECT_EQ(bar.Position(), 30);
    bar.OnChange = [&] { ++clicks; };
    bar.UserSetPosition(30);
    EXPECT_EQ(clicks, 0) << "no change, no event";
    bar.UserSetPosition(7);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(bar.Position(), 7);
}

TEST_F(ModelFixture, SortedListBoxKeepsItsOrderAndSelectionAcrossInserts) {
    ListBox list("List", &form, {});
    list.SetSorted([](const std::string& a, const std::string& b) { return a.compare(b); });
    list.SetItems({"c", "a"});
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"a", "c"}));
    list.SetSelection({1});
    EXPECT_EQ(list.AddItem("b"), 1);
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(list.Selection(), std::vector<int>{2}) << "the chosen item stays chosen";
    list.DeleteItem(0);
    EXPECT_EQ(list.Selection(), std::vector<int>{1});
}

TEST_F(ModelFixture, ComboBoxIndexFollowsInsertsAndDeletes) {
    ComboBox combo("Combo", &form, {});
    combo.SetItems({"x", "y", "z"});
    combo.SetItemIndex(2);
    combo.InsertItem(0, "w");
    EXPECT_EQ(combo.Text(), "z");
    combo.DeleteItem(3);
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(combo.Text(), "");
    combo.SetItemIndex(7);
    EXPECT_EQ(combo.ItemIndex(), -1);
}

TEST_F(ModelFixture, UserTabChoiceCountsOnlyVisibleTabs) {
    PageControl pages("Pages", &form, {});
    TabSheet p0("P0", &pages), p1("P1", &pages), p2("P2", &pages);
    p1.SetTabVisible(false);
    pages.SetActivePage(0);
    pages.OnChange = [&] { ++clicks; };
    EXPECT_EQ(pages.VisibleTabs(), (std::vector<int>{0, 2}));
    pages.UserSelectTab(1);
    EXPECT_EQ(pages.ActivePageIndex(), 2);
    EXPECT_EQ(clicks, 1);
    pages.UserSelectTab(5);
    EXPECT_EQ(pages.ActivePageIndex(), 2);
}

TEST_F(ModelFixture, HiddenTaskItemsTakeNoClicks) {
    TaskPanel panel("Panel", &form, {});
    TaskGroup& group = panel.AddGroup("Group", "Settings");
    TaskItem& item = group.AddItem("Item0", "Generic");
    int notifications = 0;
    panel.SetObserver([&](Widget&, Change c) {
        if (c == Change::TaskItems) ++notifications;
    });
    item.OnClick = [&] { ++clicks; };
    item.SetVisible(false);
    item.UserClick();
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(notifications, 1);
    item.SetVisible(true);
    item.UserClick();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(dispatcher.senders, std::vector<std::string>{"Item0"});
}

TEST_F(ModelFixture, TimersTickOnlyWhileEnabled) {
    Timer timer("T", &form, 100, false);
    timer.OnTimer = [&] { ++clicks; };
    timer.Tick();
    timer.SetEnabled(true);
    timer.Tick();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(dispatcher.senders, std::vector<std::string>{"T"});
}

TEST_F(ModelFixture, AppearanceSettersNotifyOnlyRealChangesAndRunNoHandler) {
    Label label("Label", &form, {});
    Button button("Button", &form, {});
    Edit edit("Edit", &form, {});
    ListBox list("List", &form, {});
    TrackBar bar("Bar", &form, {});
    std::vector<std::pair<std::string, Change>> changes;
    for (Widget* w : std::vector<Widget*>{&label, &button, &edit, &list, &bar}) {
        w->SetObserver([&](Widget& sender, Change c) { changes.emplace_back(sender.Name(), c); });
    }
    button.OnClick = [&] { ++clicks; };
    edit.OnChange = [&] { ++clicks; };

    label.SetStyle(TextStyle::Link);
    label.SetStyle(TextStyle::Link);
    label.SetWordWrap(true);
    button.SetDefault(true);
    edit.SetReadOnly(true);
    list.SetItems({"a", "b", "c"});
    list.SetMultiSelect(true);
    list.SetSelection({0, 2});
    list.SetMultiSelect(false);
    bar.SetFrequency(5);
    bar.SetPageSize(5);
    bar.SetPageSize(5);

    using C = std::pair<std::string, Change>;
    EXPECT_EQ(changes, (std::vector<C>{{"Label", Change::Style},
                                       {"Label", Change::Style},
                                       {"Button", Change::Style},
                                       {"Edit", Change::Style},
                                       {"List", Change::Items},
                                       {"List", Change::Style},
                                       {"List", Change::Selection},
                                       {"List", Change::Style},
                                       {"Bar", Change::Range},
                                       {"Bar", Change::Range}}));
    EXPECT_EQ(list.Selection(), std::vector<int>{0}) << "a single-choice list keeps one chosen item";
    EXPECT_EQ(clicks, 0);
}

TEST_F(ModelFixture, BringingTheFormToFrontMakesItVisible) {
    std::vector<FormRequest> requests;
    form.SetRequestHandler([&](FormRequest r) {
        EXPECT_TRUE(form.Visible()) << "the window is shown before it is brought forward";
        requests.push_back(r);
    });
    form.BringToFront();
    EXPECT_EQ(requests, std::vector<FormRequest>{FormRequest::BringToFront});
}

TEST_F(ModelFixture, ClosingAsksTheFormFirst) {
    bool allow = false;
    form.OnCloseQuery = [&] { return allow; };
    form.OnClose = [&] { ++clicks; };
    form.SetVisible(true);
    form.Close();
    EXPECT_FALSE(form.Closed());
    EXPECT_EQ(clicks, 0);
    allow = true;
    form.Close();
    EXPECT_TRUE(form.Closed());
    EXPECT_TRUE(form.Terminated());
    EXPECT_EQ(clicks, 1);
}

TEST_F(ModelFixture, WhollyHiddenRowsCloseUpAndOpenAgain) {
    Panel page("Page", &form, {0, 0, 300, 200});
    Label title("Title", &page, {10, 10, 100, 16}, "");
    Label dateName("DateName", &page, {10, 40, 60, 16}, "");
    Label date("Date", &page, {80, 40, 100, 16}, "");
    Label link("Link", &page, {10, 64, 60, 16}, "");
    Label linkValue("LinkValue", &page, {80, 64, 100, 16}, "");
    Label last("Last", &page, {10, 90, 100, 16}, "");
    std::vector<std::string> moved;
    for (Label* label : {&title, &link, &linkValue, &last})
        label->SetObserver([&](Widget& w, Change c) {
            if (c == Change::Bounds) moved.push_back(w.Name());
        });
    page.SetCollapseHiddenRows(true);
    EXPECT_TRUE(moved.empty()) << "nothing hidden, nothing moves";

    dateName.SetVisible(false);
    EXPECT_EQ(link.Bounds().y, 64) << "half a row hidden keeps its place";
    date.SetVisible(false);
    EXPECT_EQ(link.Bounds(), (Rect{10, 40, 60, 16})) << "the row below takes the hidden row's place";
    EXPECT_EQ(linkValue.Bounds().y, 40);
    EXPECT_EQ(last.Bounds().y, 66) << "every row below moves by the same height";
    EXPECT_EQ(title.Bounds().y, 10);

    last.SetVisible(false);
    EXPECT_EQ(link.Bounds().y, 40) << "hiding the last row moves nothing";
    dateName.SetVisible(true);
    EXPECT_EQ(link.Bounds().y, 64);
    EXPECT_EQ(last.Bounds().y, 90);
}

}  // namespace
}  // namespace vitrex::ui
