#include <gtest/gtest.h>

#include "PresenceFixture.h"
#include "device/FunctionSwitchPage.h"

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

TEST_F(PresenceTest, AControllerTakesTheKindAndSlotOfTheLinkItIsAttachedThrough) {
    using device::DeviceKind;
    const auto system_tab_page = [&] {
        return device::function_switch_tabs(4, controller(kKeyboardPage).kind());
    };
    plug(SimProduct::KeyboardReceiver);
    EXPECT_EQ(controller(kKeyboardPage).kind(), DeviceKind::KeyboardReceiver);
    EXPECT_EQ(controller(kKeyboardPage).slot(), 2);
    EXPECT_EQ(system_tab_page(), (device::FunctionSwitchTabs{0, 2}));  // only the cable has it

    plug(SimProduct::Keyboard);
    EXPECT_EQ(controller(kKeyboardPage).kind(), DeviceKind::Keyboard);
    EXPECT_EQ(controller(kKeyboardPage).slot(), 0);
    EXPECT_EQ(system_tab_page().function_tab, 3);

    unplug(SimProduct::Keyboard);
    EXPECT_EQ(controller(kKeyboardPage).kind(), DeviceKind::KeyboardReceiver);
    EXPECT_EQ(view.create_calls, 4);  // one page all along
}

TEST_F(PresenceTest, TheReceiverLinkWaitLeavesTheUiThreadAndARemovalMeanwhileVoidsIt) {
    plug(SimProduct::MouseReceiver);
    plug(SimProduct::Mouse);
    fire(kMousePage, ItemTimer::Presence);
    ASSERT_GE(view.armed(kMousePage, ItemTimer::Power), 0);
    bus->set_device_linked(SimProduct::MouseReceiver, false);
    bus->unplug(SimProduct::Mouse);
    scanner.scan_once();  // the cable's removal moves the mouse to its receiver

    // The handler is back while the wait has not even begun.
    EXPECT_EQ(recorder.count("获取2.4G模式失败"), 0);
    EXPECT_TRUE(presence.device_work_running(kMousePage));
    EXPECT_EQ(view.armed(kMousePage, ItemTimer::LinkWatch), -1);
    // A power read due meanwhile starts nothing on top of it and comes back later.
    fire_leaving_work(kMousePage, ItemTimer::Power);
    EXPECT_EQ(jobs.waiting.size(), 1u);
    EXPECT_EQ(view.armed(kMousePage, ItemTimer::Power), 5000);

    // The receiver goes before the wait has run: the wait ends at once, and what it would
    // have started (state load, link watch) never comes.
    bus->unplug(SimProduct::MouseReceiver);
    scanner.scan_once();
    const int settings_closes = view.settings_closes;
    jobs.finish_all();
    EXPECT_FALSE(presence.page(kMousePage).connected);
    EXPECT_FALSE(view.item(kMousePage).visible);
    EXPECT_TRUE(view.item(kMousePage).armed_ms.empty());
    EXPECT_EQ(view.settings_closes, settings_closes);
    EXPECT_EQ(recorder.count("获取2.4G模式失败"), 0);
    EXPECT_FALSE(presence.device_work_running(kMousePage));
}

TEST_F(PresenceTest, TheReceiverLinkWaitOfAnAbsentDeviceEndsInTheLinkWatch) {
    plug(SimProduct::MouseReceiver);
    plug(SimProduct::Mouse);
    bus->set_device_linked(SimProduct::MouseReceiver, false);
    unplug(SimProduct::Mouse);
    EXPECT_EQ(recorder.count("获取2.4G模式失败"),
              device::CTavrinUSBDevice::kLinkWaitAttempts);
    EXPECT_EQ(view.armed(kMousePage, ItemTimer::LinkWatch), 2000);
    fire(kMousePage, ItemTimer::LinkWatch);
    EXPECT_FALSE(view.item(kMousePage).visible);  // the watch takes the absent mouse away
}

}  // namespace
}  // namespace ilmo::presence::testing
