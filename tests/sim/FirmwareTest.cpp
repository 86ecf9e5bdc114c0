// The firmware model answers packets as the hardware does: framing, checksum, status codes,
// memory bounds, and where each command stores what it carries.

#include <gtest/gtest.h>

#include <set>

#include "SimTestSupport.h"
#include "sim/Firmware.h"
#include "sim/FirmwarePacket.h"

namespace ilmo::sim {
namespace {

using test::Bytes;
using test::read_request;
using test::write_request;

Bytes answer(Firmware& firmware, const std::array<uint8_t, 64>& request) {
    const Packet reply = firmware.answer(request);
    return {reply.begin(), reply.end()};
}

Bytes pattern(size_t size, uint8_t seed) {
    Bytes bytes(size);
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(seed + 7 * i);
    return bytes;
}

TEST(FirmwarePacket, ChecksumIsTheSixteenBitSumOfBytesThreeOnward) {
    Packet packet{};
    packet[0] = 0x04;
    packet[1] = 0xEE;  // neither the id nor the old checksum counts
    packet[3] = 0x06;
    packet[4] = 0x02;
    packet[8] = 0xFF;
    packet[63] = 0xFF;
    EXPECT_EQ(packet_checksum(packet), 0x0206);
    seal_packet(packet);
    EXPECT_EQ(packet[1], 0x06);
    EXPECT_EQ(packet[2], 0x02);
    EXPECT_TRUE(checksum_matches(packet));
    packet.fill(0xFF);  // 61 * 255 = 15555 = 0x3CC3
    EXPECT_EQ(packet_checksum(packet), 0x3CC3);
}

TEST(FirmwareAnswer, EchoesFramingAndSealsTheAnswer) {
    Firmware keyboard(FirmwareKind::Keyboard);
    const Bytes reply = answer(keyboard, read_request(0x03, 0x0002, 8));
    EXPECT_EQ(reply[0], 0x04);
    EXPECT_EQ(reply[3], 0x03);
    EXPECT_EQ(reply[4], 8);
    EXPECT_EQ(reply[5], 0x02);
    EXPECT_EQ(reply[7], kStatusOk);
    Packet sealed;
    std::copy(reply.begin(), reply.end(), sealed.begin());
    EXPECT_TRUE(checksum_matches(sealed));
    // Bytes 2..9 of the record: byte 5 (key positions) lands at reply offset 8 + 3.
    EXPECT_EQ(reply[8 + 3], 126);
}

TEST(FirmwareAnswer, RefusesBadChecksumUnknownCommandsAndOutOfRangeAccess) {
    Firmware mouse(FirmwareKind::Mouse);
    mouse.begin_transfer();
    auto corrupted = write_request(0x06, 0x4000, {1, 2, 3});
    corrupted[9] ^= 0x10;
    EXPECT_EQ(answer(mouse, corrupted)[7], kStatusBadChecksum);
    EXPECT_EQ(mouse.read(FirmwareMemory::Configuration, 0x4000, 3), (Bytes{0, 0, 0}));

    EXPECT_EQ(answer(mouse, read_request(0x44, 0, 0))[7], kStatusRefused);
    EXPECT_EQ(answer(mouse, read_request(0x03, 30, 5))[7], kStatusRefused);  // record is 34
    EXPECT_EQ(answer(mouse, read_request(0x03, 30, 4))[7], kStatusOk);
    EXPECT_EQ(answer(mouse, read_request(0x05, 0xFFF0, 17))[7], kStatusRefused);
    EXPECT_EQ(answer(mouse, read_request(0x05, 0xFFF0, 16))[7], kStatusOk);
    EXPECT_EQ(answer(mouse, read_request(0x05, 0, 57))[7], kStatusRefused);
    EXPECT_EQ(answer(mouse, read_request(0x1A, 0, 7))[7], kStatusRefused);
}

TEST(FirmwareAnswer, LinkQueryOfTheDeviceItselfAnswersLinked) {
    Firmware mouse(FirmwareKind::Mouse);
    const Bytes reply = answer(mouse, read_request(0xAA, 0, 0));
    EXPECT_EQ(reply[3], 0xAA);
    EXPECT_EQ(reply[8], 0xFF);
}

// Configuration is written between begin (0x01) and end (0x02); per-key colours and light
// frames are streamed without them.
TEST(FirmwareMemories, ConfigurationWritesAreTakenOnlyInsideATransfer) {
    Firmware keyboard(FirmwareKind::Keyboard);
    const auto refused_outside = [&keyboard] {
        std::set<int> refused;
        for (uint8_t command : {0x06, 0x09, 0x15, 0x17, 0x27, 0x0B, 0x12}) {
            if (answer(keyboard, write_request(command, 0x100, {1, 2, 3}))[7] == kStatusRefused)
                refused.insert(command);
        }
        return refused;
    };
    EXPECT_EQ(refused_outside(), (std::set<int>{0x06, 0x09, 0x15, 0x17, 0x27}));
    EXPECT_EQ(keyboard.read(FirmwareMemory::Configuration, 0x100, 3), (Bytes{0, 0, 0}));

    ASSERT_EQ(answer(keyboard, read_request(0x01, 0, 0))[7], kStatusOk);
    EXPECT_EQ(answer(keyboard, write_request(0x06, 0x200, {7, 8}))[7], kStatusOk);
    EXPECT_EQ(answer(keyboard, read_request(0x05, 0, 1))[7], kStatusOk);  // reads go on
    EXPECT_EQ(answer(keyboard, write_request(0x09, 3, {7, 8}))[7], kStatusOk);
    EXPECT_EQ(keyboard.read(FirmwareMemory::Configuration, 0x200, 2), (Bytes{7, 8}));
    ASSERT_EQ(answer(keyboard, read_request(0x02, 0, 0))[7], kStatusOk);
    EXPECT_EQ(refused_outside(), (std::set<int>{0x06, 0x09, 0x15, 0x17, 0x27}));

    keyboard.begin_transfer();
    keyboard.set_powered(false);  // switching off abandons it
    EXPECT_EQ(answer(keyboard, write_request(0x06, 200, {9}))[7], kStatusRefused);
}

TEST(FirmwareMemories, TableWritesLeaveTheFactoryTableAlone) {
    Firmware mouse(FirmwareKind::Mouse);
    mouse.begin_transfer();
    const Bytes factory = mouse.read(FirmwareMemory::FactoryTable, 0, 33);
    const Bytes remapped = pattern(33, 0x40);
    ASSERT_EQ(answer(mouse, write_request(0x09, 0, remapped))[7], kStatusOk);
    ASSERT_EQ(answer(mouse, write_request(0x09, 512 + 3, {9, 9, 9}))[7], kStatusOk);
    ASSERT_EQ(answer(mouse, write_request(0x27, 6, {7, 7, 7}))[7], kStatusOk);

    EXPECT_EQ(mouse.read(FirmwareMemory::ActiveTable, 0, 33), remapped);
    EXPECT_EQ(mouse.read(FirmwareMemory::ActiveTable, 512 + 3, 3), (Bytes{9, 9, 9}));
    EXPECT_EQ(mouse.read(FirmwareMemory::SecondTable, 6, 3), (Bytes{7, 7, 7}));
    EXPECT_EQ(mouse.read(FirmwareMemory::ActiveTable, 6, 3), test::slice(remapped, 6, 3));
    EXPECT_EQ(test::slice(answer(mouse, read_request(0x07, 0, 33)), 8, 33), factory);
}

TEST(FirmwareMemories, MacroMemoryFollowsTheAnnouncedSize) {
    Firmware mouse(FirmwareKind::Mouse);
    mouse.begin_transfer();
    mouse.set_macro_units(2);
    EXPECT_EQ(answer(mouse, write_request(0x15, 250, pattern(6, 1)))[7], kStatusOk);
    EXPECT_EQ(answer(mouse, write_request(0x15, 250, pattern(7, 1)))[7], kStatusRefused);
    mouse.set_macro_units(3);
    EXPECT_EQ(answer(mouse, write_request(0x15, 250, pattern(7, 1)))[7], kStatusOk);
    EXPECT_EQ(test::slice(answer(mouse, read_request(0x03, 6, 1)), 8, 1), Bytes{3});
}

// The table has more slots than the mouse has buttons, in wiring order, and one button the
// host knows is missing: a host that reads 11 slots, takes slot j for button j or finds the
// missing one somewhere goes wrong here.
TEST(FactoryData, MouseButtonsSitInSomeSlotsAndOneIsMissing) {
    Firmware mouse(FirmwareKind::Mouse);
    const Bytes info = mouse.read(FirmwareMemory::Information, 0, kInfoBytes);
    const size_t slots = info[5];
    EXPECT_EQ(slots, 16u);
    const Bytes table = mouse.read(FirmwareMemory::FactoryTable, 0, slots * 3);
    const std::vector<Bytes> factory_codes{
        {0x10, 0x01, 0x00}, {0x10, 0x02, 0x00}, {0x10, 0x04, 0x00}, {0x10, 0x10, 0x00},
        {0x10, 0x08, 0x00}, {0x13, 0x01, 0x00}, {0x13, 0x02, 0x00}, {0x13, 0x03, 0x00},
        {0xA0, 0x1B, 0x00}, {0x16, 0x90, 0x01}, {0x14, 0x78, 0x02}};
    std::vector<int> slot_of;
    for (const Bytes& code : factory_codes) {
        std::vector<int> found;
        for (size_t slot = 0; slot < slots; ++slot)
            if (test::slice(table, slot * 3, 3) == code) found.push_back(static_cast<int>(slot));
        EXPECT_LE(found.size(), 1u);
        slot_of.push_back(found.empty() ? 170 : found[0]);
    }
    EXPECT_EQ(slot_of, (std::vector<int>{0, 1, 2, 5, 4, 7, 8, 10, 170, 11, 13}));
    EXPECT_EQ(info[6], 32) << "4 KiB of macros";
    EXPECT_EQ(test::slice(info, 9, 7), (Bytes{0x25, 0x33, 100, 148, 0, 100, 0}));
}

TEST(FactoryData, KeyboardPositionsEachHoldOneKeyAndOneLed) {
    Firmware keyboard(FirmwareKind::Keyboard);
    const size_t positions = keyboard.read(FirmwareMemory::Information, 5, 1)[0];
    ASSERT_LE(positions * 3, kTableBytes);
    const Bytes table = keyboard.read(FirmwareMemory::FactoryTable, 0, positions * 3);
    const Bytes leds = keyboard.read(FirmwareMemory::LedTable, 0, positions);
    std::set<Bytes> codes;
    std::set<uint8_t> distinct_leds(leds.begin(), leds.end());
    for (size_t p = 0; p < positions; ++p) codes.insert(test::slice(table, p * 3, 3));
    EXPECT_TRUE(codes.count({0x20, 0x00, 0x29}));  // Esc
    EXPECT_TRUE(codes.count({0x20, 0x00, 0x04}));  // A
    EXPECT_TRUE(codes.count({0xD0, 0xA2, 0x05}));  // M5
    EXPECT_EQ(distinct_leds.size(), positions);
    EXPECT_FALSE(distinct_leds.count(0xFF));
}

TEST(FirmwareLighting, CountsAFrameOnceItsLastChunkArrives) {
    Firmware keyboard(FirmwareKind::Keyboard);
    keyboard.set_key_positions(30);  // 90-byte frames: chunks of 56 and 34
    const Bytes frame = pattern(90, 0x11);
    answer(keyboard, write_request(0x12, 0, test::slice(frame, 0, 56)));
    EXPECT_EQ(keyboard.counters().light_frames, 0);
    EXPECT_EQ(keyboard.read(FirmwareMemory::LightFrame, 0, 56), Bytes(56, 0));
    answer(keyboard, write_request(0x12, 56, test::slice(frame, 56, 34)));
    EXPECT_EQ(keyboard.counters().light_frames, 1);
    EXPECT_EQ(keyboard.read(FirmwareMemory::LightFrame, 0, 90), frame);

    EXPECT_FALSE(keyboard.light_status_on());
    EXPECT_EQ(answer(keyboard, read_request(0x1C, 0, 0))[7], kStatusOk);
    EXPECT_TRUE(keyboard.light_status_on());
    EXPECT_EQ(keyboard.counters().light_status_on, 1);
}

TEST(FirmwareStatus, PowerRecordCarriesTheSetValues) {
    Firmware pad(FirmwareKind::MousePad);
    pad.set_power_status({42, 1, 3});
    const Bytes reply = answer(pad, read_request(0x1A, 0, 6));
    EXPECT_EQ(test::slice(reply, 8, 6), (Bytes{42, 1, 0, 0, 0, 3}));
}

}  // namespace
}  // namespace ilmo::sim
