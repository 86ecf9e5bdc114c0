#include <gtest/gtest.h>

#include "PresenceFixture.h"

namespace ilmo::presence::testing {
namespace {

using device::testing::sent_packets;

TEST_F(PresenceTest, PullingTheMouseCableCarriesOnThroughTheReceiverAndBack) {
    plug(SimProduct::MouseReceiver);
    plug(SimProduct::Mouse);
    ASSERT_FALSE(wireless(kMousePage));
    unplug(SimProduct::Mouse);
    const PresencePage& mouse = presence.page(kMousePage);
    EXPECT_TRUE(mouse.connected);
    EXPECT_TRUE(mouse.on_receiver_link);
    EXPECT_TRUE(wireless(kMousePage));  // link mode 2
    EXPECT_TRUE(view.item(kMousePage).selected);
    EXPECT_EQ(view.armed(kMousePage, ItemTimer::LinkWatch), 2000);
    EXPECT_EQ(view.settings_closes, 2);  // at each switch of the link
    bus->packet_log().clear();
    EXPECT_EQ(controller(kMousePage).read_information(), device::Result::kOk);
    EXPECT_FALSE(sent_packets(*bus, SimProduct::MouseReceiver).empty());

    plug(SimProduct::Mouse);
    EXPECT_FALSE(mouse.on_receiver_link);
    EXPECT_FALSE(wireless(kMousePage));  // link mode 1
    EXPECT_TRUE(view.item(kMousePage).visible);
    EXPECT_EQ(view.armed(kMousePage, ItemTimer::Presence), 500);
    bus->packet_log().clear();
    EXPECT_EQ(controller(kMousePage).read_information(), device::Result::kOk);
    EXPECT_FALSE(sent_packets(*bus, SimProduct::Mouse).empty());
}

TEST_F(PresenceTest, KeyboardKeepsOnePageOverCableAndReceiver) {
    plug(SimProduct::Keyboard);
    plug(SimProduct::KeyboardReceiver);  // arrives second: the cable keeps the device
    EXPECT_EQ(view.create_calls, 4);
    EXPECT_FALSE(wireless(kKeyboardPage));
    EXPECT_FALSE(controller(kKeyboardPage).command_channel().receiver().is_open());

    unplug(SimProduct::Keyboard);
    EXPECT_TRUE(wireless(kKeyboardPage));
    EXPECT_TRUE(view.item(kKeyboardPage).visible);
    // The events move to the receiver with the commands.
    EXPECT_EQ(controller(kKeyboardPage).event_channel().receiver().path(),
              bus->event_path(SimProduct::KeyboardReceiver));
    EXPECT_TRUE(controller(kKeyboardPage).event_channel().is_open());

    plug(SimProduct::Keyboard);  // the cable takes over from the receiver
    EXPECT_FALSE(wireless(kKeyboardPage));
    unplug(SimProduct::KeyboardReceiver);  // while on the cable: nothing changes
    EXPECT_TRUE(presence.page(kKeyboardPage).connected);
    EXPECT_EQ(controller(kKeyboardPage).read_information(), device::Result::kOk);
}

}  // namespace
}  // namespace ilmo::presence::testing
