// Real packets through the HID seam: what the host writes lands in the firmware and reads
// back, receivers answer for absent devices, and cable and receiver share one device.

#include <gtest/gtest.h>

#include "SimTestSupport.h"

namespace ilmo::sim {
namespace {

using test::Bytes;
using test::PluggedBus;
using test::read_request;
using test::transact;
using test::write_request;

Bytes read_bytes(device::HidHandle& handle, uint8_t command, uint16_t address, uint8_t length) {
    const auto reply = transact(handle, read_request(command, address, length));
    if (!reply || (*reply)[3] != command || (*reply)[7] != 0) return {};
    return test::slice(*reply, 8, length);
}

uint8_t write_status(device::HidHandle& handle, uint8_t command, uint16_t address,
                     const Bytes& payload) {
    const auto reply = transact(handle, write_request(command, address, payload));
    return reply ? (*reply)[7] : 0xEE;
}

// Configuration writes are taken between begin and end of a transfer.
void begin_transfer(device::HidHandle& handle) {
    ASSERT_EQ(write_status(handle, 0x01, 0, {}), 0);
}

TEST(BusExchange, MemoriesRoundTripThroughTheCommandCollection) {
    PluggedBus plugged;
    auto mouse = plugged.open_command(SimProduct::Mouse);
    ASSERT_NE(mouse, nullptr);
    begin_transfer(*mouse);
    const Bytes settings{0, 3, 255, 2, 0, 1, 10, 20, 30};
    EXPECT_EQ(write_status(*mouse, 0x06, 128, settings), 0);
    EXPECT_EQ(read_bytes(*mouse, 0x05, 128, 9), settings);

    const Bytes colours{1, 2, 3, 4, 5, 6};
    EXPECT_EQ(write_status(*mouse, 0x0B, 512 + 3, colours), 0);
    EXPECT_EQ(read_bytes(*mouse, 0x0A, 512 + 3, 6), colours);

    EXPECT_EQ(write_status(*mouse, 0x09, 3, {0x10, 0x02, 0x00}), 0);
    EXPECT_EQ(write_status(*mouse, 0x15, 0, {0xAA, 0x55, 0x10, 0x00}), 0);
    EXPECT_EQ(write_status(*mouse, 0x17, 0, {0xAA, 0x55}), 0);
    plugged.bus->with_firmware(SimProduct::Mouse, [](Firmware& firmware) {
        EXPECT_EQ(firmware.read(FirmwareMemory::ActiveTable, 3, 3), (Bytes{0x10, 0x02, 0x00}));
        EXPECT_EQ(firmware.read(FirmwareMemory::Macros, 0, 4), (Bytes{0xAA, 0x55, 0x10, 0x00}));
        EXPECT_EQ(firmware.read(FirmwareMemory::Shoot, 0, 2), (Bytes{0xAA, 0x55}));
    });
}

TEST(BusExchange, ChunkedWritesAreLoggedPacketByPacket) {
    PluggedBus plugged;
    auto keyboard = plugged.open_command(SimProduct::Keyboard);
    ASSERT_NE(keyboard, nullptr);
    begin_transfer(*keyboard);
    plugged.bus->packet_log().clear();
    for (uint16_t address : {0, 56}) write_status(*keyboard, 0x09, address, Bytes(56, 0x20));
    const auto log = plugged.bus->packet_log().reports_of(SimProduct::Keyboard);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1].interface_number, 1);
    EXPECT_EQ(log[1].collection_number, 4);
    EXPECT_EQ(log[1].bytes.size(), 64u);
    EXPECT_EQ(log[1].bytes[5], 56);
    EXPECT_EQ(log[1].bytes[4], 56);
    EXPECT_EQ(plugged.bus->packet_log().counters(SimProduct::Keyboard).answers_sent, 2);
}

TEST(BusExchange, ShortRequestsArePaddedAndForeignReportsRefused) {
    PluggedBus plugged;
    auto keyboard = plugged.open_command(SimProduct::Keyboard);
    ASSERT_NE(keyboard, nullptr);
    const auto full = read_request(0x03, 0, 34);
    const Bytes short_request(full.begin(), full.begin() + 8);  // the rest is zero anyway
    const auto reply = transact(*keyboard, short_request);
    ASSERT_TRUE(reply);
    EXPECT_EQ((*reply)[7], 0);
    EXPECT_EQ((*reply)[8 + 5], 126);

    size_t transferred = 0;
    const Bytes wrong_id{0x05, 0x00, 0x00, 0x03};
    EXPECT_EQ(keyboard->write(wrong_id, transferred, 100), 0);
    const Bytes too_long(65, 0x04);
    EXPECT_EQ(keyboard->write(too_long, transferred, 100), 0);
}

TEST(BusExchange, CableAndReceiverReachTheSameFirmware) {
    PluggedBus plugged;
    auto cable = plugged.open_command(SimProduct::Keyboard);
    auto receiver = plugged.open_command(SimProduct::KeyboardReceiver);
    ASSERT_NE(cable, nullptr);
    ASSERT_NE(receiver, nullptr);
    begin_transfer(*receiver);
    EXPECT_EQ(write_status(*receiver, 0x27, 30, {0xA0, 0x01, 0x00}), 0);
    plugged.bus->with_firmware(SimProduct::Keyboard, [](Firmware& firmware) {
        EXPECT_EQ(firmware.read(FirmwareMemory::SecondTable, 30, 3), (Bytes{0xA0, 0x01, 0x00}));
    });
    EXPECT_EQ(write_status(*cable, 0x06, 0x4000, {42}), 0);
    EXPECT_EQ(read_bytes(*receiver, 0x05, 0x4000, 1), Bytes{42});
    // The mouse is a different device.
    auto mouse_receiver = plugged.open_command(SimProduct::MouseReceiver);
    EXPECT_EQ(read_bytes(*mouse_receiver, 0x05, 0x4000, 1), Bytes{0});
}

TEST(BusExchange, ReceiverWithoutItsDeviceAnswersEverythingWithAA) {
    PluggedBus plugged;
    auto receiver = plugged.open_command(SimProduct::MouseReceiver);
    ASSERT_NE(receiver, nullptr);
    const auto linked = transact(*receiver, read_request(0xAA, 0, 0));
    ASSERT_TRUE(linked);
    EXPECT_EQ((*linked)[3], 0xAA);
    EXPECT_EQ((*linked)[8], 0xFF);

    plugged.bus->set_device_linked(SimProduct::MouseReceiver, false);
    const auto away = transact(*receiver, read_request(0xAA, 0, 0));
    ASSERT_TRUE(away);
    EXPECT_EQ((*away)[3], 0xAA);
    EXPECT_EQ((*away)[8], 0x00);
    const auto info = transact(*receiver, read_request(0x03, 0, 24));
    ASSERT_TRUE(info);
    EXPECT_EQ((*info)[3], 0xAA);
    const int commands_before = plugged.bus->with_firmware(
        SimProduct::Mouse, [](Firmware& firmware) { return firmware.counters().commands; });
    transact(*receiver, write_request(0x06, 0, {1}));
    plugged.bus->with_firmware(SimProduct::Mouse, [&](Firmware& firmware) {
        EXPECT_EQ(firmware.counters().commands, commands_before);
        EXPECT_EQ(firmware.read(FirmwareMemory::Configuration, 0, 1), Bytes{0});
    });

    // A device switched off is out of reach too, while its cable route still answers.
    plugged.bus->set_device_linked(SimProduct::MouseReceiver, true);
    plugged.bus->set_device_powered(SimProduct::Mouse, false);
    EXPECT_EQ((*transact(*receiver, read_request(0x03, 0, 24)))[3], 0xAA);
    auto cable = plugged.open_command(SimProduct::Mouse);
    const auto by_cable = transact(*cable, read_request(0xAA, 0, 0));
    EXPECT_EQ((*by_cable)[8], 0xFF);
    EXPECT_EQ(read_bytes(*cable, 0x03, 5, 1), Bytes{16});
}

// The radio carries 24 payload bytes a packet, which is why the host chunks by 24 through a
// receiver; the 56-byte stream command is the one exception.
TEST(BusExchange, ReceiverRefusesPacketsItsRadioCannotCarry) {
    PluggedBus plugged;
    auto receiver = plugged.open_command(SimProduct::MouseReceiver);
    auto cable = plugged.open_command(SimProduct::Mouse);
    const auto refused = transact(*receiver, read_request(0x03, 2, 25));
    ASSERT_TRUE(refused);
    EXPECT_EQ(Bytes(refused->begin() + 3, refused->begin() + 8),
              (Bytes{0x03, 25, 2, 0, 0xFF}));  // echo, length, address, status
    EXPECT_EQ(read_bytes(*receiver, 0x03, 0, 24).size(), 24u);
    EXPECT_EQ(read_bytes(*cable, 0x03, 0, 34).size(), 34u);

    begin_transfer(*receiver);
    EXPECT_EQ(write_status(*receiver, 0x06, 0x4000, Bytes(25, 1)), 0xFF);
    EXPECT_EQ(write_status(*receiver, 0x17, 0, Bytes(56, 9)), 0);
    plugged.bus->with_firmware(SimProduct::Mouse, [](Firmware& firmware) {
        EXPECT_EQ(firmware.read(FirmwareMemory::Configuration, 0x4000, 1), Bytes{0});
        EXPECT_EQ(firmware.read(FirmwareMemory::Shoot, 55, 1), Bytes{9});
    });

    // Answering for an absent device, it still echoes length and address.
    plugged.bus->set_device_linked(SimProduct::MouseReceiver, false);
    const auto away = transact(*receiver, read_request(0x05, 0x0180, 12));
    ASSERT_TRUE(away);
    EXPECT_EQ(Bytes(away->begin() + 3, away->begin() + 7), (Bytes{0xAA, 12, 0x80, 0x01}));
}

// Pulling a link in the middle of a transfer abandons it: writes after the device comes
// back need a new begin.
TEST(BusExchange, UnpluggingAbandonsAnOpenTransfer) {
    PluggedBus plugged;
    auto keyboard = plugged.open_command(SimProduct::Keyboard);
    begin_transfer(*keyboard);
    plugged.bus->unplug(SimProduct::Keyboard);
    plugged.bus->plug(SimProduct::Keyboard);
    keyboard = plugged.open_command(SimProduct::Keyboard);
    EXPECT_EQ(write_status(*keyboard, 0x06, 0, {3}), 0xFF);
    begin_transfer(*keyboard);
    EXPECT_EQ(write_status(*keyboard, 0x06, 0, {3}), 0);
}

TEST(BusExchange, PowerStatusAndReleaseNumberAreSettable) {
    PluggedBus plugged;
    plugged.bus->set_power_status(SimProduct::MouseReceiver, {57, 1, 0});
    plugged.bus->set_release_number(SimProduct::Keyboard, 0x0105);
    auto receiver = plugged.open_command(SimProduct::MouseReceiver);
    EXPECT_EQ(read_bytes(*receiver, 0x1A, 0, 6), (Bytes{57, 1, 0, 0, 0, 0}));
    auto keyboard = plugged.open_command(SimProduct::Keyboard);
    EXPECT_EQ(keyboard->attributes().version_number, 0x0105);
    EXPECT_EQ(plugged.open_command(SimProduct::KeyboardReceiver)->attributes().version_number,
              0x0110);
}

TEST(BusExchange, HeadsetLightingReportsAreLoggedAsSent) {
    PluggedBus plugged;
    const auto path = plugged.bus->paths(SimProduct::Headset).at(0);
    auto headset = plugged.open(path);
    ASSERT_NE(headset, nullptr);
    Bytes report(17, 0);
    report[0] = 0xFF;
    report[1] = 0x22;
    report[2] = 0xAA;
    report[4] = 200;
    EXPECT_EQ(headset->set_output_report(report), 1);
    size_t transferred = 0;
    report[1] = 0x44;
    EXPECT_EQ(headset->write(report, transferred, 100), 1);
    EXPECT_EQ(transferred, 17u);
    const auto log = plugged.bus->packet_log().reports_of(SimProduct::Headset);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_TRUE(log[0].control_pipe);
    EXPECT_FALSE(log[1].control_pipe);
    EXPECT_EQ(log[0].interface_number, 3);
    EXPECT_EQ(log[0].bytes.size(), 17u);
    EXPECT_EQ(log[0].bytes[1], 0x22);
    EXPECT_EQ(log[1].bytes, report);
    // Nothing answers a lighting report.
    Bytes answer(17);
    EXPECT_EQ(headset->read(answer, transferred, 0), 0);
}

}  // namespace
}  // namespace ilmo::sim
