#include "core/ui/TaskPanelLayout.h"

#include <gtest/gtest.h>

#include "core/ui/DpiScale.h"
#include "core/ui/Form.h"

namespace vitrex::ui {
namespace {

TEST(DpiScale, ScalesTheMainWindowsClientAreaAtCommonDpis) {
    struct Case {
        int dpi, width, height;
    };
    for (const Case& c :
         {Case{96, 531, 333}, Case{120, 664, 416}, Case{144, 797, 500}, Case{192, 1062, 666}}) {
        EXPECT_EQ(ScaleForDpi(531, c.dpi), c.width) << c.dpi;
        EXPECT_EQ(ScaleForDpi(333, c.dpi), c.height) << c.dpi;
    }
    // Half pixels round away from zero on both sides, so offsets above a control mirror below.
    EXPECT_EQ(ScaleForDpi(1, 144), 2);
    EXPECT_EQ(ScaleForDpi(-1, 144), -2);
    EXPECT_EQ(ScaleForDpi(0, 192), 0);
}

struct TaskPanelLayoutTest : ::testing::Test {
    TaskPanelLayoutTest() {
        settings.AddItem("S0", "Generic");
        settings.AddItem("S1", "Transparency").SetVisible(false);
        settings.AddItem("S2", "Exceptions");
        state.AddItem("T0", "Active").SetVisible(false);
    }
    Form form{"F", "TF", 200, 300};
    TaskPanel panel{"Panel", &form, {0, 0, 140, 300}};
    TaskGroup& settings = panel.AddGroup("Settings", "Settings");
    TaskGroup& state = panel.AddGroup("State", "State");
};

TEST_F(TaskPanelLayoutTest, StacksGroupsWithTheirVisibleItemsOnly) {
    for (int dpi : {96, 144}) {
        const auto entries = LayOutTaskPanel(panel, ScaleForDpi(140, dpi), dpi);
        ASSERT_EQ(entries.size(), 4u) << "two headers, two visible items";
        EXPECT_EQ(entries[0].item, -1);
        EXPECT_EQ(entries[1].item, 0);
        EXPECT_EQ(entries[2].item, 2);
        EXPECT_EQ(entries[3].group, 1);
        EXPECT_EQ(entries[3].item, -1) << "a group with no visible item keeps its header";
        for (std::size_t i = 1; i < entries.size(); ++i) {
            EXPECT_GE(entries[i].bounds.top, entries[i - 1].bounds.bottom) << "top to bottom, no overlap";
        }
        EXPECT_LE(entries[1].bounds.right, ScaleForDpi(140, dpi));
        EXPECT_GE(entries[1].bounds.bottom - entries[1].bounds.top, ScaleForDpi(18, dpi))
            << "room for a line";
        // The body reaches from below the header past the last item, the same for the group.
        EXPECT_EQ(entries[0].body, entries[2].body);
        EXPECT_EQ(entries[0].body.top, entries[0].bounds.bottom);
        EXPECT_GT(entries[0].body.bottom, entries[2].bounds.bottom);
        EXPECT_EQ(entries[3].body.top, entries[3].body.bottom) << "no body without items";
    }
}

TEST_F(TaskPanelLayoutTest, APointHitsTheItemWhoseBandHoldsIt) {
    const auto entries = LayOutTaskPanel(panel, 140, 96);
    const Edges first = entries[1].bounds;
    const Edges second = entries[2].bounds;
    EXPECT_EQ(TaskItemAt(entries, first.left, first.top), (TaskItemRef{0, 0}));
    EXPECT_EQ(TaskItemAt(entries, first.right - 1, first.bottom - 1), (TaskItemRef{0, 0}));
    // Items touch: the first one's bottom edge is the next one's first line.
    EXPECT_EQ(TaskItemAt(entries, first.left, first.bottom), (TaskItemRef{0, 2}));
    EXPECT_EQ(TaskItemAt(entries, second.right, second.top), kNoTaskItem) << "right of the item";
    EXPECT_EQ(TaskItemAt(entries, 20, entries[0].bounds.top + 2), kNoTaskItem) << "a header";
    EXPECT_EQ(TaskItemAt(entries, 20, 2), kNoTaskItem) << "the margin";
}

TEST_F(TaskPanelLayoutTest, StepsMoveAmongVisibleItemsAndStopAtTheEnds) {
    state.Item(0).SetVisible(true);
    const auto entries = LayOutTaskPanel(panel, 140, 96);
    EXPECT_EQ(VisibleTaskItems(entries), (std::vector<TaskItemRef>{{0, 0}, {0, 2}, {1, 0}}));
    EXPECT_EQ(StepTaskItem(entries, {0, 0}, 1), (TaskItemRef{0, 2})) << "past the hidden one";
    EXPECT_EQ(StepTaskItem(entries, {0, 2}, 1), (TaskItemRef{1, 0})) << "into the next group";
    EXPECT_EQ(StepTaskItem(entries, {1, 0}, 1), (TaskItemRef{1, 0}));
    EXPECT_EQ(StepTaskItem(entries, {0, 0}, -1), (TaskItemRef{0, 0}));
    EXPECT_EQ(StepTaskItem(entries, kNoTaskItem, 1), (TaskItemRef{0, 0}));
    EXPECT_EQ(StepTaskItem(entries, kNoTaskItem, -1), (TaskItemRef{1, 0}));
    EXPECT_EQ(StepTaskItem(entries, {0, 1}, 1), (TaskItemRef{0, 0})) << "a hidden item is no place";

    EXPECT_EQ(StepTaskItem({}, kNoTaskItem, 1), kNoTaskItem);
}

}  // namespace
}  // namespace vitrex::ui
