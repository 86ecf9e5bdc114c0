#include <gtest/gtest.h>

#include "PresenceFixture.h"

namespace ilmo::presence::testing {
namespace {

bool sent_command(sim::SimBus& bus, SimProduct product, uint8_t command) {
    for (const auto& packet : device::testing::sent_packets(bus, product))
        if (packet.command == command) return true;
    return false;
}

TEST_F(PresenceTest, PresenceCheckWaitsForAWirelessDeviceThatIsAway) {
    bus->set_device_linked(SimProduct::MouseReceiver, false);
    plug(SimProduct::MouseReceiver);
    fire(kMousePage, ItemTimer::Presence);
    EXPECT_FALSE(view.item(kMousePage).visible);
    EXPECT_EQ(presence.page(kMousePage).presence_retries, 1);
    EXPECT_EQ(view.armed(kMousePage, ItemTimer::Presence), 3000);
    EXPECT_EQ(view.armed(kMousePage, ItemTimer::Frame), -1);
    for (int retry = 2; retry <= 20; ++retry) fire(kMousePage, ItemTimer::Presence);
    EXPECT_EQ(presence.page(kMousePage).presence_retries, 0);  // wraps at 20

    bus->set_device_linked(SimProduct::MouseReceiver, true);
    fire(kMousePage, ItemTimer::Presence);
    EXPECT_TRUE(view.item(kMousePage).selected);
    EXPECT_EQ(view.armed(kMousePage, ItemTimer::Frame), 5);
    EXPECT_EQ(view.armed(kMousePage, ItemTimer::Power), 50);
    EXPECT_EQ(view.armed(kMousePage, ItemTimer::LinkWatch), 2000);

    bus->packet_log().clear();
    fire(kMousePage, ItemTimer::Power);
    EXPECT_EQ(view.armed(kMousePage, ItemTimer::Power), 5000);
    EXPECT_TRUE(sent_command(*bus, SimProduct::MouseReceiver, 0x1A));  // power status read
}

TEST_F(PresenceTest, LinkWatchFollowsTheWirelessDevice) {
    plug(SimProduct::MouseReceiver);
    fire(kMousePage, ItemTimer::Presence);
    bus->set_device_powered(SimProduct::MouseReceiver, false);
    fire(kMousePage, ItemTimer::LinkWatch);
    EXPECT_FALSE(view.item(kMousePage).visible);
    EXPECT_TRUE(view.no_device_shown);
    EXPECT_EQ(view.armed(kMousePage, ItemTimer::LinkWatch), 3000);

    bus->set_device_powered(SimProduct::MouseReceiver, true);
    bus->packet_log().clear();
    fire(kMousePage, ItemTimer::LinkWatch);
    EXPECT_TRUE(view.item(kMousePage).visible);
    EXPECT_TRUE(sent_command(*bus, SimProduct::MouseReceiver, 0x1A));
}

TEST_F(PresenceTest, FramesRestWhileNoHostDrivenModeRunsAndResume) {
    plug(SimProduct::Keyboard);
    fire(kKeyboardPage, ItemTimer::Presence);
    view.item(kKeyboardPage).drives_frames = false;
    fire(kKeyboardPage, ItemTimer::Frame);
    EXPECT_EQ(view.armed(kKeyboardPage, ItemTimer::Frame), -1);
    view.item(kKeyboardPage).drives_frames = true;
    presence.resume_frames(kKeyboardPage);
    EXPECT_EQ(view.armed(kKeyboardPage, ItemTimer::Frame), 5);
    unplug(SimProduct::Keyboard);
    presence.resume_frames(kKeyboardPage);  // no device: nothing to drive
    EXPECT_EQ(view.armed(kKeyboardPage, ItemTimer::Frame), -1);
}

TEST_F(PresenceTest, FramesRepeatAtTheLinksRateUntilTheDeviceGoes) {
    plug(SimProduct::Keyboard);
    fire(kKeyboardPage, ItemTimer::Presence);
    EXPECT_EQ(view.armed(kKeyboardPage, ItemTimer::Power), -1);  // no power display
    fire(kKeyboardPage, ItemTimer::Frame);
    EXPECT_EQ(view.item(kKeyboardPage).frames_sent, 1);
    EXPECT_EQ(view.armed(kKeyboardPage, ItemTimer::Frame), 10);
    plug(SimProduct::KeyboardReceiver);
    unplug(SimProduct::Keyboard);
    fire(kKeyboardPage, ItemTimer::Frame);
    EXPECT_EQ(view.armed(kKeyboardPage, ItemTimer::Frame), 50);

    unplug(SimProduct::KeyboardReceiver);
    EXPECT_TRUE(view.item(kKeyboardPage).armed_ms.empty());
    // Firings already on their way when the device went are spent without effect.
    presence.item_timer_fired(kKeyboardPage, ItemTimer::Frame);
    presence.item_timer_fired(kKeyboardPage, ItemTimer::Presence);
    EXPECT_EQ(view.item(kKeyboardPage).frames_sent, 2);
    EXPECT_FALSE(view.item(kKeyboardPage).visible);
    EXPECT_TRUE(view.item(kKeyboardPage).armed_ms.empty());
}

}  // namespace
}  // namespace ilmo::presence::testing
