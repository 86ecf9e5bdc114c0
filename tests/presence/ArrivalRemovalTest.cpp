#include <gtest/gtest.h>

#include "PresenceFixture.h"

namespace ilmo::presence::testing {
namespace {

TEST_F(PresenceTest, StartMakesOneHiddenDisconnectedPagePerOptionRow) {
    ASSERT_EQ(presence.page_count(), 4);
    const int identity_slots[] = {4, 0, 8, 10};  // the products' command rows
    for (int page = 0; page < 4; ++page) {
        EXPECT_EQ(controller(page).slot(), identity_slots[page]);
        EXPECT_FALSE(presence.page(page).connected);
        EXPECT_FALSE(presence.page(page).item_visible);
    }
}

TEST_F(PresenceTest, ArrivalConnectsShowsAndSelectsThePage) {
    presence.set_window_hidden(true);
    plug(SimProduct::Mouse);
    EXPECT_TRUE(presence.page(kMousePage).connected);
    EXPECT_TRUE(controller(kMousePage).command_channel().is_open());
    EXPECT_FALSE(wireless(kMousePage));
    EXPECT_TRUE(controller(kMousePage).event_channel().is_open());
    EXPECT_TRUE(view.item(kMousePage).visible);
    EXPECT_TRUE(view.item(kMousePage).selected);
    EXPECT_EQ(view.shown_page, kMousePage);
    EXPECT_FALSE(view.no_device_shown);
    EXPECT_EQ(presence.selected_device(), &controller(kMousePage));
    EXPECT_EQ(view.armed(kMousePage, ItemTimer::Presence), 500);
    EXPECT_EQ(recorder.count("添加一个鼠标设备"), 2);  // command and event interface
    EXPECT_GE(view.raises, 1);
    EXPECT_FALSE(controller(kMousePage).power_reads_paused());  // the window is up again
    EXPECT_EQ(view.create_calls, 4);                            // the page made at start serves it

    plug(SimProduct::MousePad);
    EXPECT_TRUE(view.item(kPadPage).visible);
    EXPECT_FALSE(view.item(kPadPage).selected);  // the mouse stays the one shown
    EXPECT_EQ(view.shown_page, kMousePage);
}

TEST_F(PresenceTest, AReplugQuickerThanAScanOpensTheStillClaimedEventInterfaceAgain) {
    plug(SimProduct::Keyboard);
    const int command_slot = controller(kKeyboardPage).slot();
    // The scan saw only the command interface go and come back.
    presence.removal(command_slot);
    presence.arrival(command_slot);
    EXPECT_TRUE(presence.page(kKeyboardPage).connected);
    EXPECT_TRUE(controller(kKeyboardPage).event_channel().is_open());
}

TEST_F(PresenceTest, RemovalHidesThePageAndSelectsAnotherOrShowsNoDevice) {
    plug(SimProduct::Keyboard);
    plug(SimProduct::MousePad);
    unplug(SimProduct::Keyboard);
    EXPECT_FALSE(presence.page(kKeyboardPage).connected);
    EXPECT_FALSE(controller(kKeyboardPage).command_channel().cable().is_open());
    EXPECT_FALSE(controller(kKeyboardPage).event_channel().is_open());
    EXPECT_FALSE(view.item(kKeyboardPage).visible);
    EXPECT_TRUE(view.item(kKeyboardPage).armed_ms.empty());
    EXPECT_EQ(view.shown_page, kPadPage);
    EXPECT_EQ(view.child_window_closes, 1);  // they worked on the page that went
    EXPECT_EQ(view.hooks_switched_off, 1);
    EXPECT_EQ(recorder.count("删除一个键盘设备"), 2);
    EXPECT_EQ(recorder.count("键盘设备丢失"), 2);

    unplug(SimProduct::MousePad);
    EXPECT_TRUE(view.no_device_shown);
    EXPECT_EQ(presence.selected_device(), nullptr);
    plug(SimProduct::Keyboard);  // the same page comes back
    EXPECT_TRUE(view.item(kKeyboardPage).visible);
    EXPECT_EQ(view.create_calls, 4);
}

TEST_F(PresenceTest, ChannelThatDoesNotOpenLeavesThePageHidden) {
    // Another program holds the command interface exclusively: a probe still works.
    bus->plug(SimProduct::Mouse);
    const auto holder =
        backend.open(bus->command_path(SimProduct::Mouse), {true, true, true, true});
    ASSERT_NE(holder, nullptr);
    scanner.scan_once();
    EXPECT_TRUE(scanner.slot_table().slot(4).in_use);
    EXPECT_FALSE(presence.page(kMousePage).connected);
    EXPECT_FALSE(view.item(kMousePage).visible);
    EXPECT_EQ(view.armed(kMousePage, ItemTimer::Presence), -1);
}

TEST_F(PresenceTest, PageThatCannotBeBuiltIsSkipped) {
    RecordingPresenceView failing(backend, {}, {});
    failing.failing_option_rows = {kPadPage};
    DevicePresence own(failing, scanner.slot_table(), jobs, {});
    own.start();
    ASSERT_EQ(own.page_count(), 3);
    EXPECT_EQ(own.page(2).option_row, kHeadsetPage);
    own.arrival(8);  // the pad: one more try, still no page
    EXPECT_EQ(failing.create_calls, 5);
    EXPECT_EQ(own.page_count(), 3);
}

}  // namespace
}  // namespace ilmo::presence::testing
