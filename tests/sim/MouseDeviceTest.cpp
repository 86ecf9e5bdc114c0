// The mouse as the host meets it, by cable and through its receiver: what it announces,
// what a write of whole tables and blocks leaves in it, where its memories end, and which
// events reach the host.

#include <gtest/gtest.h>

#include "SimTestSupport.h"

namespace ilmo::sim {
namespace {

using test::Bytes;
using test::PluggedBus;
using test::read_chunked;
using test::read_request;
using test::transact;
using test::write_chunked;

constexpr size_t kRadioChunk = 24;

Bytes pattern(size_t size, uint8_t seed) {
    Bytes bytes(size);
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(seed + 13 * i);
    return bytes;
}

uint8_t command_status(device::HidHandle& handle, uint8_t command) {
    const auto reply = transact(handle, read_request(command, 0, 0));
    return reply ? (*reply)[7] : 0xEE;
}

// The next event code on an event handle; -1 when none comes.
int next_event(device::HidHandle& events) {
    Bytes report(3);
    size_t transferred = 0;
    if (events.read(report, transferred, 0) != 1) return -1;
    return report[1] | report[2] << 8;
}

TEST(MouseDevice, WholeButtonTableAndSettingsBlockLandThroughTheReceiver) {
    PluggedBus plugged;
    auto receiver = plugged.open_command(SimProduct::MouseReceiver);
    auto cable = plugged.open_command(SimProduct::Mouse);
    const Bytes info = read_chunked(*receiver, 0x03, 0, kInfoBytes, kRadioChunk);
    ASSERT_EQ(info.size(), kInfoBytes);
    const size_t table_bytes = info[5] * 3u;
    const Bytes factory = read_chunked(*receiver, 0x07, 0, table_bytes, kRadioChunk);
    ASSERT_EQ(factory.size(), table_bytes);

    const Bytes table = pattern(table_bytes, 0x31);
    const Bytes block = pattern(71, 0x00);
    ASSERT_EQ(command_status(*receiver, 0x01), 0);
    EXPECT_EQ(write_chunked(*receiver, 0x09, 0, table, kRadioChunk), 0);
    EXPECT_EQ(write_chunked(*receiver, 0x06, 0, block, kRadioChunk), 0);
    ASSERT_EQ(command_status(*receiver, 0x02), 0);

    // The mouse now runs the written table, slot by slot, and still reports its factory one.
    plugged.bus->with_firmware(SimProduct::Mouse, [&](Firmware& firmware) {
        for (int slot = 0; slot < info[5]; ++slot) {
            const auto function = firmware.key_function(slot);
            ASSERT_TRUE(function);
            EXPECT_EQ(Bytes(function->begin(), function->end()),
                      test::slice(table, static_cast<size_t>(slot) * 3, 3));
        }
    });
    EXPECT_EQ(read_chunked(*cable, 0x07, 0, table_bytes, 56), factory);
    EXPECT_EQ(read_chunked(*receiver, 0x05, 0, 71, kRadioChunk), block);
    EXPECT_EQ(read_chunked(*cable, 0x05, 0, 71, 56), block);
}

TEST(MouseDevice, SensorChangeShowsAtTheNextInformationRead) {
    PluggedBus plugged;
    auto cable = plugged.open_command(SimProduct::Mouse);
    const auto sensor_fields = [&cable] { return read_chunked(*cable, 0x03, 9, 7, 56); };
    EXPECT_EQ(sensor_fields(), (Bytes{0x25, 0x33, 100, 148, 0, 100, 0}));

    // Either link reaches the one mouse.
    EXPECT_TRUE(plugged.bus->set_sensor(SimProduct::MouseReceiver, kStandardSensor));
    EXPECT_EQ(sensor_fields(), (Bytes{0x60, 0x33, 50, 0x3F, 0x01, 50, 0}));
    EXPECT_TRUE(plugged.bus->set_sensor(SimProduct::Mouse, kHighDpiSensor));
    EXPECT_EQ(sensor_fields(), (Bytes{0x25, 0x33, 100, 148, 0, 100, 0}));

    EXPECT_FALSE(plugged.bus->set_sensor(SimProduct::Keyboard, kStandardSensor));
    EXPECT_FALSE(plugged.bus->set_sensor(SimProduct::Headset, kStandardSensor));
    auto keyboard = plugged.open_command(SimProduct::Keyboard);
    EXPECT_EQ(read_chunked(*keyboard, 0x03, 9, 2, 56), (Bytes{0, 0}));
}

// 32 units of 128 bytes of macros and 8 KiB of recoil patterns, the room the host packs for.
TEST(MouseDevice, MacroAndShootWritesPastTheirRoomAreRefused) {
    PluggedBus plugged;
    auto cable = plugged.open_command(SimProduct::Mouse);
    ASSERT_EQ(command_status(*cable, 0x01), 0);
    EXPECT_EQ(write_chunked(*cable, 0x15, 4096 - 56, Bytes(56, 1), 56), 0);
    EXPECT_EQ(write_chunked(*cable, 0x15, 4096 - 55, Bytes(56, 2), 56), 0xFF);
    EXPECT_EQ(write_chunked(*cable, 0x17, kShootMemoryBytes - 56, Bytes(56, 3), 56), 0);
    EXPECT_EQ(write_chunked(*cable, 0x17, kShootMemoryBytes - 55, Bytes(56, 4), 56), 0xFF);
    plugged.bus->with_firmware(SimProduct::Mouse, [](Firmware& firmware) {
        EXPECT_EQ(firmware.read(FirmwareMemory::Macros, 4095, 1), Bytes{1});
        EXPECT_EQ(firmware.read(FirmwareMemory::Shoot, kShootMemoryBytes - 1, 1), Bytes{3});
    });
}

TEST(MouseDevice, ButtonPressFlashesOnlyInReactiveModeAndOnlyReachingHostsHearIt) {
    PluggedBus plugged;
    auto cable = plugged.open_command(SimProduct::Mouse);
    auto cable_events = plugged.open(plugged.bus->event_path(SimProduct::Mouse));
    auto receiver_events = plugged.open(plugged.bus->event_path(SimProduct::MouseReceiver));
    EXPECT_TRUE(plugged.bus->press_mouse_button(SimProduct::Mouse, 0));
    EXPECT_EQ(next_event(*cable_events), -1);  // the factory profiles are not reactive

    ASSERT_EQ(command_status(*cable, 0x01), 0);
    ASSERT_EQ(write_chunked(*cable, 0x06, 1, {6}, 56), 0);  // profile 0's lighting mode
    ASSERT_EQ(command_status(*cable, 0x02), 0);
    EXPECT_TRUE(plugged.bus->press_mouse_button(SimProduct::Mouse, 15));
    EXPECT_EQ(next_event(*cable_events), 0x0403);
    EXPECT_FALSE(plugged.bus->press_mouse_button(SimProduct::Mouse, 16));
    EXPECT_FALSE(plugged.bus->press_mouse_button(SimProduct::Keyboard, 0));
    EXPECT_TRUE(plugged.bus->press_mouse_button(SimProduct::MouseReceiver, 2));
    EXPECT_EQ(next_event(*receiver_events), 0x0403);
    EXPECT_TRUE(plugged.bus->send_event(SimProduct::MouseReceiver, 0x1123));
    EXPECT_EQ(next_event(*receiver_events), 0x1123);
    EXPECT_EQ(next_event(*cable_events), -1);

    // Away from its receiver, unlinked or switched off, the mouse is heard by nobody there.
    plugged.bus->set_device_linked(SimProduct::MouseReceiver, false);
    EXPECT_TRUE(plugged.bus->press_mouse_button(SimProduct::MouseReceiver, 0));
    EXPECT_FALSE(plugged.bus->send_event(SimProduct::MouseReceiver, 0x0401));
    plugged.bus->set_device_linked(SimProduct::MouseReceiver, true);
    plugged.bus->set_device_powered(SimProduct::MouseReceiver, false);
    EXPECT_FALSE(plugged.bus->send_event(SimProduct::MouseReceiver, 0x1001));
    EXPECT_TRUE(plugged.bus->switch_dpi_stage(SimProduct::MouseReceiver, 4));
    EXPECT_EQ(next_event(*receiver_events), -1);
    EXPECT_TRUE(plugged.bus->send_event(SimProduct::Mouse, 0x0402));  // its cable powers it
    EXPECT_EQ(next_event(*cable_events), 0x0402);
}

}  // namespace
}  // namespace ilmo::sim
