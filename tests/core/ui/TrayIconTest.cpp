#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/ui/Form.h"
#include "core/ui/ListControls.h"
#include "core/ui/Menu.h"
#include "core/ui/TrayIcon.h"

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

imaging::Bitmap Solid(int size, std::uint32_t colour) {
    return {size, size, std::vector<std::uint32_t>(static_cast<std::size_t>(size) * size, colour)};
}

struct TrayFixture : ::testing::Test {
    TrayFixture() {
        form.SetDispatcher(&dispatcher);
        tray.SetObserver([this](TrayIcon&, TrayChange change) { changes.push_back(change); });
        for (std::uint32_t i = 0; i < 3; ++i)
            images.Add(Solid(16, 0xFF000000 | i));
    }
    RecordingDispatcher dispatcher;
    Form form{"TestForm", "TTestForm", 300, 200};
    TrayIcon tray{"Tray", &form, "Vitrex"};
    ImageList images{16, 16};
    std::vector<TrayChange> changes;
};

TEST_F(TrayFixture, SettersNotifyOnlyRealChanges) {
    tray.SetIconVisible(true);
    tray.SetIconVisible(true);
    tray.SetHint("Vitrex");
    tray.SetHint("Vitrex (CPU Usage: 38%)");
    tray.SetIconList(&images);
    tray.SetIconIndex(0);
    tray.SetIconIndex(2);
    tray.SetIconVisible(false);
    EXPECT_EQ(changes, (std::vector<TrayChange>{TrayChange::Visible, TrayChange::Hint, TrayChange::Picture,
                                                TrayChange::IconIndex, TrayChange::Visible}));
    EXPECT_TRUE(dispatcher.senders.empty()) << "programmatic changes run no handler";
}

TEST_F(TrayFixture, AnImageListWinsOverTheFixedPictureAndItsIndexIsHeld) {
    tray.SetIcon(Solid(16, 0xFFFFFFFF));
    EXPECT_EQ(tray.Picture(16)->At(0, 0), 0xFFFFFFFFu);
    tray.SetIconList(&images);
    tray.SetIconIndex(1);
    EXPECT_EQ(tray.Picture(16)->At(0, 0), 0xFF000001u);

    changes.clear();
    tray.SetIconIndex(7);
    EXPECT_EQ(tray.IconIndex(), 7) << "stored as given";
    EXPECT_EQ(tray.ShownIndex(), 2);
    EXPECT_EQ(tray.Picture(16)->At(0, 0), 0xFF000002u);
    tray.SetIconIndex(9);
    tray.SetIconIndex(-4);
    EXPECT_EQ(tray.ShownIndex(), 0);
    EXPECT_EQ(changes, (std::vector<TrayChange>{TrayChange::IconIndex, TrayChange::IconIndex}))
        << "7 and 9 show the same last image: one change";

    tray.SetIconList(nullptr);
    EXPECT_EQ(tray.Picture(16)->At(0, 0), 0xFFFFFFFFu) << "the fixed picture again";
    ImageList empty{16, 16};
    tray.SetIconList(&empty);
    EXPECT_FALSE(tray.Picture(16).has_value());
}

TEST_F(TrayFixture, APainterDrawsListImagesAtOtherSizes) {
    std::vector<std::pair<int, int>> asked;
    tray.SetIconList(&images, [&](int index, int size) {
        asked.emplace_back(index, size);
        return Solid(size, 0xFF00FF00);
    });
    tray.SetIconIndex(2);
    EXPECT_EQ(tray.Picture(16)->At(0, 0), 0xFF000002u) << "the list's own size needs no painting";
    const auto large = tray.Picture(24);
    ASSERT_TRUE(large.has_value());
    EXPECT_EQ(large->width, 24);
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{2, 24}}));

    tray.SetIconList(&images);
    EXPECT_EQ(tray.Picture(24)->width, 16) << "without a painter the binder scales the list's picture";
}

TEST_F(TrayFixture, ProgramIconIsAFixedPictureTheBinderLoads) {
    tray.SetProgramIcon();
    EXPECT_TRUE(tray.ShowsProgramIcon());
    EXPECT_FALSE(tray.Picture(16).has_value());
    tray.SetIconList(&images);
    EXPECT_FALSE(tray.ShowsProgramIcon()) << "the list wins";
    tray.SetIconList(nullptr);
    tray.SetIcon(Solid(16, 0xFF123456));
    EXPECT_FALSE(tray.ShowsProgramIcon());
}

TEST_F(TrayFixture, UserActionsRunHandlersThroughTheDispatcherOnlyWhileVisible) {
    PopupMenu menu{"TrayPopup", &form};
    tray.SetPopupMenu(&menu);
    std::vector<std::string> events;
    tray.OnDblClick = [&] { events.push_back("dbl"); };
    tray.OnBalloonClick = [&] { events.push_back("click"); };
    tray.OnBalloonClose = [&] { events.push_back("close"); };
    tray.OnBalloonTimeout = [&] { events.push_back("timeout"); };

    tray.UserDblClick();
    tray.UserBalloonClick();
    EXPECT_EQ(tray.UserContextMenu(), nullptr);
    EXPECT_TRUE(events.empty()) << "a hidden icon takes no clicks the shell had queued";

    tray.SetIconVisible(true);
    tray.UserDblClick();
    tray.UserBalloonClick();
    tray.UserBalloonClose();
    tray.UserBalloonTimeout();
    EXPECT_EQ(tray.UserContextMenu(), &menu);
    EXPECT_EQ(events, (std::vector<std::string>{"dbl", "click", "close", "timeout"}));
    EXPECT_EQ(dispatcher.senders, (std::vector<std::string>(4, "Tray")));

    tray.SetPopupMenu(nullptr);
    EXPECT_EQ(tray.UserContextMenu(), nullptr);
}

TEST_F(TrayFixture, ABalloonNeedsAVisibleIcon) {
    const Balloon notice{"Update", "Version 0022 is out", 15, BalloonIcon::Info};
    EXPECT_FALSE(tray.ShowBalloon(notice));
    EXPECT_TRUE(changes.empty());

    tray.SetIconVisible(true);
    changes.clear();
    EXPECT_TRUE(tray.ShowBalloon(notice));
    EXPECT_EQ(changes, std::vector<TrayChange>{TrayChange::Balloon});
    EXPECT_EQ(tray.LastBalloon().text, "Version 0022 is out");
    EXPECT_EQ(tray.LastBalloon().icon, BalloonIcon::Info);
}

}  // namespace
}  // namespace vitrex::ui
