// A controller on a device that answers wrongly, slowly, not at all, or goes away mid-way:
// every operation ends with the error result, nothing hangs and nothing wrong is shown.

#include <gtest/gtest.h>

#include "ChannelFixture.h"
#include "device/CTavrinUSBDevice.h"
#include "device/CommandResult.h"

namespace ilmo::device::testing {
namespace {

using sim::SimFaults;
using sim::SimProduct;

constexpr int kMousePage = 0;

class PowerRecords : public DeviceView {
public:
    void show_power(const PowerStatus& status) override { shown.push_back(status); }
    void select_function_tabs(const FunctionSwitchTabs&) override {}
    std::vector<PowerStatus> shown;
};

// The mouse page's controller, attached through the mouse's receiver or its cable.
class ControllerFaultsTest : public ::testing::Test {
protected:
    ControllerFaultsTest()
        : bus(std::make_shared<sim::SimBus>()),
          backend(bus),
          mouse(backend, kMousePage, DeviceFolders{}, "", recorder.trace_sink(),
                recorder.sleeper()) {
        bus->plug_all();
        mouse.set_view(&view);
    }

    void attach(SimProduct product) {
        const DeviceKind kind =
            sim::is_receiver(product) ? DeviceKind::MouseReceiver : DeviceKind::Mouse;
        ASSERT_EQ(mouse.attach_command_interface(bus->command_path(product), kind), Result::kOk);
    }

    Recorder recorder;
    PowerRecords view;
    std::shared_ptr<sim::SimBus> bus;
    sim::SimBackend backend;
    CTavrinUSBDevice mouse;
};

TEST_F(ControllerFaultsTest, ReceiverThatRefusesOrMisanswersCountsAsUnlinked) {
    attach(SimProduct::MouseReceiver);
    const struct {
        SimFaults faults;
        Result information;
    } cases[] = {
        {{.forced_status = 0xFF}, Result::kStatusError},
        {{.forced_status = 0xFE}, Result::kStatusRefused},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.information));
        bus->set_faults(SimProduct::MouseReceiver, c.faults);
        EXPECT_FALSE(mouse.link_check());
        EXPECT_EQ(mouse.power_refresh(), Result::kNoAnswer);
        EXPECT_EQ(mouse.read_information(), c.information);
    }
    EXPECT_TRUE(view.shown.empty()) << "a failed read reached the power display";
    // The same mouse by cable is not affected by its receiver's faults.
    bus->clear_faults();
    bus->set_faults(SimProduct::MouseReceiver, {.forced_status = 0xFF});
    mouse.detach();
    attach(SimProduct::Mouse);
    EXPECT_EQ(mouse.power_refresh(), Result::kOk);
    EXPECT_EQ(view.shown.size(), 1u);
}

TEST_F(ControllerFaultsTest, ReceiverPulledMidReadFailsAtOnceAndForLater) {
    attach(SimProduct::MouseReceiver);
    // The information record takes two packets through the receiver; it goes before the second.
    bus->set_faults(SimProduct::MouseReceiver, {.unplug_after_packets = 1});
    EXPECT_EQ(mouse.read_information(), Result::kWriteFailed);
    EXPECT_FALSE(bus->plugged(SimProduct::MouseReceiver));
    EXPECT_FALSE(mouse.link_check());
    EXPECT_EQ(mouse.power_refresh(), Result::kNoAnswer);
    EXPECT_EQ(mouse.read_information(), Result::kWriteFailed);
    EXPECT_FALSE(mouse.wait_for_receiver_link());
    EXPECT_TRUE(view.shown.empty());
}

TEST_F(ControllerFaultsTest, SlowDeviceWithinTheTimeOutIsStillHeard) {
    attach(SimProduct::MouseReceiver);
    bus->set_faults(SimProduct::MouseReceiver, {.response_delay_ms = 40});
    EXPECT_TRUE(mouse.wait_for_receiver_link());
    ASSERT_EQ(view.shown.size(), 1u);
    EXPECT_EQ(mouse.read_information(), Result::kOk);
    EXPECT_EQ(mouse.information().bytes[5], 16);  // the mouse's button slots
}

// Each case waits out the cable's 1000 ms time-out once.
TEST_F(ControllerFaultsTest, SilentOrMisansweringDeviceYieldsNoAnswer) {
    attach(SimProduct::Mouse);
    for (const SimFaults faults : {SimFaults{.no_answer = true}, SimFaults{.wrong_echo = true}}) {
        bus->set_faults(SimProduct::Mouse, faults);
        EXPECT_EQ(mouse.power_refresh(), Result::kNoAnswer);
    }
    EXPECT_TRUE(view.shown.empty());
    bus->clear_faults();
    EXPECT_EQ(mouse.power_refresh(), Result::kOk);
}

}  // namespace
}  // namespace ilmo::device::testing
