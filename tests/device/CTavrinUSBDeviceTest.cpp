#include <gtest/gtest.h>

#include "ChannelFixture.h"
#include "device/CTavrinUSBDevice.h"
#include "device/CommandResult.h"

namespace ilmo::device::testing {
namespace {

using sim::SimProduct;

constexpr int kMousePage = 0;
constexpr int kKeyboardPage = 1;
constexpr int kPadPage = 2;

class RecordingView : public DeviceView {
public:
    void show_power(const PowerStatus& status) override { shown.push_back(status); }
    void select_function_tabs(const FunctionSwitchTabs& t) override { tabs.push_back(t); }
    std::vector<PowerStatus> shown;
    std::vector<FunctionSwitchTabs> tabs;
};

class ControllerTest : public ::testing::Test {
protected:
    ControllerTest() : bus(std::make_shared<sim::SimBus>()), backend(bus) { bus->plug_all(); }

    std::unique_ptr<CTavrinUSBDevice> controller(int page_row) {
        auto c = std::make_unique<CTavrinUSBDevice>(backend, page_row, DeviceFolders{}, "",
                                                    recorder.trace_sink(), recorder.sleeper());
        c->set_view(&view);
        return c;
    }

    Recorder recorder;
    RecordingView view;
    std::shared_ptr<sim::SimBus> bus;
    sim::SimBackend backend;
};

TEST_F(ControllerTest, IdentityComesFromThePageRow) {
    const auto mouse = controller(kMousePage);
    EXPECT_EQ(mouse->slot(), 4);
    EXPECT_EQ(mouse->kind(), DeviceKind::Mouse);
    EXPECT_EQ(mouse->light_count(), 15);
    EXPECT_EQ(mouse->key_count(), 11);
    EXPECT_EQ(mouse->page_parameter(), 1);  // its light-table index
    const auto keyboard = controller(kKeyboardPage);
    EXPECT_EQ(keyboard->slot(), 0);
    EXPECT_EQ(keyboard->light_count(), 170);
}

TEST_F(ControllerTest, ReceiverKindsAttachInWirelessMode) {
    const auto keyboard = controller(kKeyboardPage);
    ASSERT_EQ(keyboard->attach_command_interface(bus->command_path(SimProduct::KeyboardReceiver),
                                                 DeviceKind::KeyboardReceiver),
              Result::kOk);
    EXPECT_TRUE(keyboard->receiver_mode());
    EXPECT_TRUE(keyboard->command_channel().wireless());
    EXPECT_TRUE(keyboard->command_channel().receiver().is_open());
    EXPECT_FALSE(keyboard->command_channel().cable().is_open());
    keyboard->detach();
    EXPECT_FALSE(keyboard->command_channel().is_open());
    EXPECT_FALSE(keyboard->command_channel().receiver().is_open());
    EXPECT_EQ(keyboard->attach_command_interface("sim/nothing#vid_320f", DeviceKind::Keyboard),
              Result::kNoAnswer);
}

TEST_F(ControllerTest, PowerRecordTakesTheLinkFromTheHost) {
    bus->set_power_status(SimProduct::Mouse, {.battery_percent = 42, .charge_state = 1});
    const auto mouse = controller(kMousePage);
    ASSERT_EQ(mouse->attach_command_interface(bus->command_path(SimProduct::MouseReceiver),
                                              DeviceKind::MouseReceiver),
              Result::kOk);
    ASSERT_EQ(mouse->power_refresh(), Result::kOk);
    ASSERT_EQ(view.shown.size(), 1u);
    EXPECT_EQ(view.shown[0].battery_percent(), 42);
    EXPECT_EQ(view.shown[0].charge_state(), 1);
    EXPECT_TRUE(view.shown[0].on_receiver());
}

TEST_F(ControllerTest, PadShowsItsChargingPhone) {
    bus->set_power_status(SimProduct::MousePad, {.battery_percent = 100, .phone_type = 1});
    const auto pad = controller(kPadPage);
    ASSERT_EQ(pad->attach_command_interface(bus->command_path(SimProduct::MousePad),
                                            DeviceKind::MousePad),
              Result::kOk);
    ASSERT_EQ(pad->power_refresh(), Result::kOk);
    ASSERT_EQ(view.shown.size(), 1u);
    EXPECT_EQ(phone_type_key(view.shown[0]), "Phone_type_iphone");
    EXPECT_FALSE(view.shown[0].on_receiver());
}

TEST_F(ControllerTest, PausedOrUnlinkedDevicesAreNotAskedForPower) {
    const auto mouse = controller(kMousePage);
    EXPECT_EQ(mouse->power_refresh(), Result::kNoAnswer);  // nothing attached
    ASSERT_EQ(mouse->attach_command_interface(bus->command_path(SimProduct::MouseReceiver),
                                              DeviceKind::MouseReceiver),
              Result::kOk);
    mouse->set_power_reads_paused(true);
    EXPECT_EQ(mouse->power_refresh(), Result::kNoAnswer);
    mouse->set_power_reads_paused(false);
    bus->set_device_linked(SimProduct::MouseReceiver, false);
    bus->packet_log().clear();
    EXPECT_EQ(mouse->power_refresh(), Result::kNoAnswer);
    // Only the link query went out; no power read behind it.
    const auto sent = sent_packets(*bus, SimProduct::MouseReceiver);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].command, 0xAA);
    EXPECT_TRUE(view.shown.empty());
}

TEST_F(ControllerTest, OnlyPagesWithAPowerDisplayAcceptThePause) {
    const auto keyboard = controller(kKeyboardPage);
    keyboard->set_power_reads_paused(true);
    EXPECT_FALSE(keyboard->power_reads_paused());
    const auto mouse = controller(kMousePage);
    mouse->set_power_reads_paused(true);
    EXPECT_TRUE(mouse->power_reads_paused());
}

TEST_F(ControllerTest, LinkWaitGivesUpAfterTwentySixQueries) {
    const auto mouse = controller(kMousePage);
    ASSERT_EQ(mouse->attach_command_interface(bus->command_path(SimProduct::MouseReceiver),
                                              DeviceKind::MouseReceiver),
              Result::kOk);
    bus->set_device_linked(SimProduct::MouseReceiver, false);
    bus->packet_log().clear();
    EXPECT_FALSE(mouse->wait_for_receiver_link());
    EXPECT_EQ(recorder.count("获取2.4G模式失败"), 26);
    EXPECT_EQ(recorder.sleeps_ms, std::vector<int>(26, 50));
    // 26 queries, then the power refresh asks once more and reads nothing.
    EXPECT_EQ(sent_packets(*bus, SimProduct::MouseReceiver).size(), 27u);
}

TEST_F(ControllerTest, LinkWaitEndsWhenTheDeviceAnswers) {
    int pauses = 0;
    auto bus_ptr = bus;
    CTavrinUSBDevice mouse(backend, kMousePage, {}, "", recorder.trace_sink(), [&](int) {
        // The device wakes up during the third pause.
        if (++pauses == 3) bus_ptr->set_device_linked(SimProduct::MouseReceiver, true);
    });
    mouse.set_view(&view);
    ASSERT_EQ(mouse.attach_command_interface(bus->command_path(SimProduct::MouseReceiver),
                                             DeviceKind::MouseReceiver),
              Result::kOk);
    bus->set_device_linked(SimProduct::MouseReceiver, false);
    EXPECT_TRUE(mouse.wait_for_receiver_link());
    EXPECT_EQ(pauses, 3);
    EXPECT_EQ(recorder.count("获取2.4G模式失败"), 3);
    EXPECT_EQ(view.shown.size(), 1u);  // the power refresh that follows
}

TEST_F(ControllerTest, ColourRecordsIgnoreLightsOutOfRange) {
    const auto pad = controller(kPadPage);
    EXPECT_EQ(pad->color(0), (ColorRecord{0xFF, 0xFF, 0xFF, 0xFF}));  // lights start white
    pad->set_color(3, {10, 20, 30, 128});
    EXPECT_EQ(pad->color(3), (ColorRecord{10, 20, 30, 128}));
    pad->set_color(15, {1, 2, 3, 4});
    pad->set_color(-1, {1, 2, 3, 4});
    EXPECT_EQ(pad->color(15), (ColorRecord{0, 0, 0, 0}));
    EXPECT_EQ(pad->color(-1), (ColorRecord{0, 0, 0, 0}));
    EXPECT_EQ(scaled({200, 100, 255, 128}), (Rgb{100, 50, 127}));
    EXPECT_EQ(scaled({255, 255, 255, 255}), (Rgb{254, 254, 254}));
}

TEST_F(ControllerTest, FunctionSwitchPageReachesThePage) {
    const auto keyboard = controller(kKeyboardPage);
    keyboard->set_function_switch_page(4);
    EXPECT_EQ(keyboard->function_switch_page(), 4);
    ASSERT_EQ(view.tabs.size(), 1u);
    EXPECT_EQ(view.tabs[0], (FunctionSwitchTabs{3, FunctionSwitchTabs::kKeep}));
}

}  // namespace
}  // namespace ilmo::device::testing
