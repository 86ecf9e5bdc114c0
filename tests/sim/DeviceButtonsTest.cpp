// The devices' own buttons change what the firmware holds and report it: what a host reads
// back after the event must agree with the event.

#include <gtest/gtest.h>

#include "SimTestSupport.h"
#include "sim/KeepAlive.h"

namespace ilmo::sim {
namespace {

using test::Bytes;
using test::PluggedBus;
using test::read_request;
using test::transact;
using test::write_request;

// The next event code on an event handle; -1 when none comes.
int next_event(device::HidHandle& events, int timeout_ms = 0) {
    Bytes report(3);
    size_t transferred = 0;
    if (events.read(report, transferred, timeout_ms) != 1) return -1;
    return report[1] | report[2] << 8;
}

uint8_t configuration_byte(device::HidHandle& commands, uint16_t address) {
    const auto reply = transact(commands, read_request(0x05, address, 1));
    return reply ? (*reply)[8] : 0xEE;
}

TEST(DeviceButtons, OnboardProfileSwitchIsStoredAndReported) {
    PluggedBus plugged;
    auto commands = plugged.open_command(SimProduct::Keyboard);
    auto events = plugged.open(plugged.bus->event_path(SimProduct::Keyboard));
    ASSERT_TRUE(plugged.bus->switch_profile(SimProduct::Keyboard, 2));
    EXPECT_EQ(next_event(*events), 0x1002);
    EXPECT_EQ(configuration_byte(*commands, 0), 2);
    EXPECT_EQ(configuration_byte(*commands, 2 * 33), 2);  // the record the host reads next
    EXPECT_FALSE(plugged.bus->switch_profile(SimProduct::Keyboard, 4));
    EXPECT_EQ(next_event(*events), -1);
    EXPECT_EQ(configuration_byte(*commands, 0), 2);

    // Out of its receiver's reach the keyboard still switches; the host hears nothing.
    auto receiver_events = plugged.open(plugged.bus->event_path(SimProduct::KeyboardReceiver));
    plugged.bus->set_device_linked(SimProduct::KeyboardReceiver, false);
    EXPECT_TRUE(plugged.bus->switch_profile(SimProduct::KeyboardReceiver, 1));
    EXPECT_EQ(next_event(*receiver_events), -1);
    EXPECT_EQ(configuration_byte(*commands, 0), 1);
}

TEST(DeviceButtons, MouseDpiButtonMovesTheStageOfTheActiveBlock) {
    PluggedBus plugged;
    auto commands = plugged.open_command(SimProduct::Mouse);
    auto events = plugged.open(plugged.bus->event_path(SimProduct::Mouse));
    ASSERT_TRUE(plugged.bus->switch_dpi_stage(SimProduct::Mouse, 3));
    EXPECT_EQ(next_event(*events), 0x1130);
    EXPECT_EQ(configuration_byte(*commands, 12), 3);

    // Another profile brings its own stage along.
    ASSERT_TRUE(plugged.bus->switch_profile(SimProduct::Mouse, 1));
    const int stage_of_profile_1 = configuration_byte(*commands, 128 + 12);
    EXPECT_EQ(next_event(*events), 0x1101 | stage_of_profile_1 << 4);
    ASSERT_TRUE(plugged.bus->switch_dpi_stage(SimProduct::Mouse, 0));
    EXPECT_EQ(next_event(*events), 0x1101);
    EXPECT_EQ(configuration_byte(*commands, 128 + 12), 0);
    EXPECT_EQ(configuration_byte(*commands, 12), 3);

    // A stage the host switched off is skipped; stages past the fifth do not exist.
    ASSERT_TRUE(transact(*commands, read_request(0x01, 0, 0)));
    ASSERT_EQ((*transact(*commands, write_request(0x06, 128 + 14 + 4 * 9, {0})))[7], 0);
    EXPECT_FALSE(plugged.bus->switch_dpi_stage(SimProduct::Mouse, 4));
    EXPECT_FALSE(plugged.bus->switch_dpi_stage(SimProduct::Mouse, 5));
    EXPECT_FALSE(plugged.bus->switch_dpi_stage(SimProduct::Keyboard, 1));
    EXPECT_EQ(next_event(*events), -1);
}

TEST(DeviceButtons, KeyPressesReportThePositionAndTheKeysFunction) {
    PluggedBus plugged;
    auto commands = plugged.open_command(SimProduct::Keyboard);
    auto events = plugged.open(plugged.bus->event_path(SimProduct::Keyboard));
    auto keys = plugged.open("sim/keyboard#vid_320f&pid_5012&mi_01&col01");
    // Where the A key sits in the key table, as the host finds it.
    int position_of_a = -1;
    for (int position = 0; position < 126 && position_of_a < 0; position += 18) {
        const auto chunk = transact(*commands, read_request(0x07, static_cast<uint16_t>(position * 3), 54));
        for (int i = 0; i < 18; ++i) {
            if (test::slice(*chunk, 8 + 3 * static_cast<size_t>(i), 3) == Bytes{0x20, 0x00, 0x04})
                position_of_a = position + i;
        }
    }
    ASSERT_GE(position_of_a, 0);

    const auto key_report = [&keys] {
        Bytes report(17);
        size_t transferred = 0;
        return keys->read(report, transferred, 0) == 1 ? report : Bytes{};
    };
    ASSERT_TRUE(plugged.bus->press_key(SimProduct::Keyboard, position_of_a, true));
    EXPECT_EQ(next_event(*events), 0x0500 + position_of_a);
    Bytes down = key_report();
    ASSERT_EQ(down.size(), 17u);
    EXPECT_EQ(down[0], 0x01);
    EXPECT_EQ(down[2], 0x10);  // usage 4: bit 4 of the first bitmap byte
    ASSERT_TRUE(plugged.bus->press_key(SimProduct::Keyboard, position_of_a, false));
    EXPECT_EQ(next_event(*events), 0x0600 + position_of_a);
    EXPECT_EQ(key_report(), Bytes({0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

    // Remapped by the host to left Shift + B, the key sends that.
    ASSERT_TRUE(transact(*commands, read_request(0x01, 0, 0)));
    ASSERT_EQ((*transact(*commands, write_request(0x09, static_cast<uint16_t>(position_of_a * 3),
                                                  {0x20, 0x02, 0x05})))[7], 0);
    ASSERT_TRUE(plugged.bus->press_key(SimProduct::Keyboard, position_of_a, true));
    down = key_report();
    ASSERT_EQ(down.size(), 17u);
    EXPECT_EQ(down[1], 0x02);
    EXPECT_EQ(down[2], 0x20);  // usage 5

    EXPECT_FALSE(plugged.bus->press_key(SimProduct::Keyboard, 126, true));
    EXPECT_FALSE(plugged.bus->press_key(SimProduct::Mouse, 0, true));
}

TEST(DeviceButtons, KeepAliveReachesKeyboardAndPadButNotTheMouse) {
    PluggedBus plugged;
    auto keyboard = plugged.open(plugged.bus->event_path(SimProduct::Keyboard));
    auto pad = plugged.open(plugged.bus->event_path(SimProduct::MousePad));
    auto mouse = plugged.open(plugged.bus->event_path(SimProduct::Mouse));
    {
        KeepAlive keep_alive(plugged.bus, 5);
        // Time-outs only guard against a hang; two keep-alives mean a whole round was sent.
        EXPECT_EQ(next_event(*keyboard, 5000), 0x0404);
        EXPECT_EQ(next_event(*keyboard, 5000), 0x0404);
        EXPECT_EQ(next_event(*pad, 5000), 0x0404);
    }
    EXPECT_EQ(next_event(*mouse), -1);
}

}  // namespace
}  // namespace ilmo::sim
