// Presence on devices that misbehave: a receiver that refuses or misanswers, a slow one, a
// link pulled in the middle of a transfer. Pages follow what the device really does, and
// nothing waits longer than one time-out.

#include <gtest/gtest.h>

#include "PresenceFixture.h"

namespace ilmo::presence::testing {
namespace {

using sim::SimFaults;

class PresenceFaultsTest : public PresenceTest {
protected:
    // The mouse through its receiver, its page shown after the presence check.
    void mouse_on_receiver() {
        plug(SimProduct::MouseReceiver);
        fire(kMousePage, ItemTimer::Presence);
        ASSERT_TRUE(view.item(kMousePage).visible);
    }
    bool power_read_sent() {
        for (const auto& packet : device::testing::sent_packets(*bus, SimProduct::MouseReceiver))
            if (packet.command == 0x1A) return true;
        return false;
    }
};

TEST_F(PresenceFaultsTest, ReceiverRefusingTheLinkQueryKeepsThePageHidden) {
    bus->set_faults(SimProduct::MouseReceiver, {.forced_status = 0xFE});
    plug(SimProduct::MouseReceiver);
    fire(kMousePage, ItemTimer::Presence);
    EXPECT_FALSE(view.item(kMousePage).visible);
    EXPECT_EQ(view.armed(kMousePage, ItemTimer::Presence), 3000);
    EXPECT_EQ(view.armed(kMousePage, ItemTimer::Frame), -1);

    bus->clear_faults();
    fire(kMousePage, ItemTimer::Presence);
    EXPECT_TRUE(view.item(kMousePage).visible);
}

TEST_F(PresenceFaultsTest, LinkWatchHidesAPageWhoseReceiverStartsRefusing) {
    mouse_on_receiver();
    bus->set_faults(SimProduct::MouseReceiver, {.forced_status = 0xFF});
    fire(kMousePage, ItemTimer::LinkWatch);
    EXPECT_FALSE(view.item(kMousePage).visible);
    EXPECT_TRUE(presence.page(kMousePage).connected);  // the receiver is still there

    bus->clear_faults();
    bus->packet_log().clear();
    fire(kMousePage, ItemTimer::LinkWatch);
    EXPECT_TRUE(view.item(kMousePage).visible);
    EXPECT_TRUE(power_read_sent());
}

TEST_F(PresenceFaultsTest, SlowReceiverWithinItsTimeOutStillShowsThePage) {
    bus->set_faults(SimProduct::MouseReceiver, {.response_delay_ms = 40});
    mouse_on_receiver();
    bus->packet_log().clear();
    fire(kMousePage, ItemTimer::Power);
    EXPECT_TRUE(power_read_sent());
    EXPECT_TRUE(view.item(kMousePage).visible);
}

TEST_F(PresenceFaultsTest, ReceiverPulledDuringAPowerReadIsRemovedOnTheNextScan) {
    mouse_on_receiver();
    // The link query goes through; the power read that follows finds the receiver gone.
    bus->set_faults(SimProduct::MouseReceiver, {.unplug_after_packets = 1});
    fire(kMousePage, ItemTimer::Power);
    EXPECT_FALSE(bus->plugged(SimProduct::MouseReceiver));
    EXPECT_EQ(view.armed(kMousePage, ItemTimer::Power), 5000);
    scanner.scan_once();
    EXPECT_FALSE(presence.page(kMousePage).connected);
    EXPECT_FALSE(view.item(kMousePage).visible);
    EXPECT_TRUE(view.no_device_shown);
}

TEST_F(PresenceFaultsTest, CablePulledMidTransferCarriesOnThroughTheReceiver) {
    plug(SimProduct::MouseReceiver);
    plug(SimProduct::Mouse);
    ASSERT_FALSE(wireless(kMousePage));
    bus->set_faults(SimProduct::Mouse, {.unplug_after_packets = 0});
    EXPECT_EQ(controller(kMousePage).read_information(), device::Result::kWriteFailed);
    scanner.scan_once();
    EXPECT_TRUE(presence.page(kMousePage).connected);
    EXPECT_TRUE(wireless(kMousePage));
    EXPECT_EQ(controller(kMousePage).read_information(), device::Result::kOk);
}

TEST_F(PresenceFaultsTest, SilentCabledDeviceKeepsItsPageAndPowerTimer) {
    plug(SimProduct::Mouse);
    fire(kMousePage, ItemTimer::Presence);
    bus->set_faults(SimProduct::Mouse, {.no_answer = true});
    fire(kMousePage, ItemTimer::Power);  // waits out the cable's 1000 ms once
    EXPECT_TRUE(view.item(kMousePage).visible);
    EXPECT_EQ(view.armed(kMousePage, ItemTimer::Power), 5000);
}

}  // namespace
}  // namespace ilmo::presence::testing
