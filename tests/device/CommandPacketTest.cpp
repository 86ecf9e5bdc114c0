#include <gtest/gtest.h>

#include "device/CommandPacket.h"
#include "device/FunctionSwitchPage.h"
#include "device/PowerStatus.h"

namespace ilmo::device {
namespace {

TEST(CommandPacket, ShortRequestIsZeroPaddedAndLongOneCut) {
    const uint8_t short_request[] = {0x04, 0, 0, 0x03, 0x22};
    const Packet padded = pad_request(short_request);
    EXPECT_EQ(padded[4], 0x22);
    for (size_t i = 5; i < kPacketBytes; ++i) EXPECT_EQ(padded[i], 0) << i;

    std::vector<uint8_t> long_request(100, 0x11);
    long_request[63] = 0x63;
    long_request[64] = 0x64;
    const Packet cut = pad_request(long_request);
    EXPECT_EQ(cut[63], 0x63);
}

TEST(CommandPacket, LayoutAndLittleEndianChecksum) {
    std::vector<uint8_t> payload(56, 0xFF);
    const Packet p = make_request(Command::WriteMemory, 56, 0x1234, payload);
    EXPECT_EQ(p[0], 0x04);
    EXPECT_EQ(p[3], 0x06);
    EXPECT_EQ(p[4], 56);
    EXPECT_EQ(p[5], 0x34);
    EXPECT_EQ(p[6], 0x12);
    EXPECT_EQ(p[7], 0);
    // 0x06 + 56 + 0x34 + 0x12 + 56 * 0xFF = 0x384C: needs the high byte.
    EXPECT_EQ(p[1], 0x4C);
    EXPECT_EQ(p[2], 0x38);
    EXPECT_EQ(packet_checksum(p), 0x384C);
}

TEST(CommandPacket, ChecksumKeepsSixteenBitsAndIgnoresTheHeader) {
    Packet p{};
    p.fill(0xFF);
    // 61 bytes of 0xFF = 15555 = 0x3CC3; bytes 0-2 are outside the sum.
    EXPECT_EQ(packet_checksum(p), 0x3CC3);
    const Packet empty{};
    EXPECT_EQ(packet_checksum(empty), 0);
}

TEST(CommandPacket, PayloadBeyondFiftySixBytesIsNotCopied) {
    std::vector<uint8_t> payload(80, 0xAB);
    const Packet p = make_request(Command::WriteStream, 56, 0, payload);
    EXPECT_EQ(p[63], 0xAB);
    EXPECT_EQ(packet_checksum(p), p[1] | (p[2] << 8));
}

TEST(CommandPacket, TraceDumpsTwoLinesOfThirtyTwoBytesInGroupsOfFour) {
    Packet p{};
    for (size_t i = 0; i < kPacketBytes; ++i) p[i] = static_cast<uint8_t>(i);
    const std::string text = format_packet_trace("命令", p);
    EXPECT_EQ(text,
              "命令\n"
              "00010203 04050607 08090a0b 0c0d0e0f 10111213 14151617 18191a1b 1c1d1e1f\n"
              "20212223 24252627 28292a2b 2c2d2e2f 30313233 34353637 38393a3b 3c3d3e3f");
}

TEST(FunctionSwitchTabs, PageTypesSelectTabs) {
    using T = FunctionSwitchTabs;
    constexpr int keep = T::kKeep;
    EXPECT_EQ(function_switch_tabs(2, DeviceKind::Keyboard), (T{0, 1}));
    EXPECT_EQ(function_switch_tabs(6, DeviceKind::Mouse), (T{0, 1}));
    EXPECT_EQ(function_switch_tabs(7, DeviceKind::Keyboard), (T{0, 2}));
    EXPECT_EQ(function_switch_tabs(3, DeviceKind::Keyboard), (T{1, keep}));
    EXPECT_EQ(function_switch_tabs(8, DeviceKind::MousePad), (T{1, keep}));
    EXPECT_EQ(function_switch_tabs(5, DeviceKind::Headset), (T{2, keep}));
    EXPECT_EQ(function_switch_tabs(4, DeviceKind::Keyboard), (T{3, keep}));
    EXPECT_EQ(function_switch_tabs(4, DeviceKind::Mouse), (T{3, keep}));
    // The mouse's pointer settings never go to the mouse, so its link does not matter; the
    // keyboard's system options need the cable, and the other devices fall back to type 7.
    EXPECT_EQ(function_switch_tabs(4, DeviceKind::MouseReceiver), (T{3, keep}));
    EXPECT_EQ(function_switch_tabs(4, DeviceKind::KeyboardReceiver), (T{0, 2}));
    EXPECT_EQ(function_switch_tabs(4, DeviceKind::MousePad), (T{0, 2}));
    EXPECT_EQ(function_switch_tabs(0, DeviceKind::Keyboard), (T{0, 0}));
    EXPECT_EQ(function_switch_tabs(-3, DeviceKind::Keyboard), (T{0, 0}));
}

TEST(PowerStatus, HostDecidesTheLinkByteAndThePictures) {
    const std::array<uint8_t, 6> record{57, 1, 9, 1, 7, 2};
    const PowerStatus cable = decode_power_status(record, false);
    EXPECT_FALSE(cable.on_receiver());
    EXPECT_EQ(cable.bytes[2], 9);  // untouched
    EXPECT_EQ(battery_text(cable), "57%");
    EXPECT_EQ(battery_progress(cable), 43);
    EXPECT_EQ(charge_image(cable), "file='power/powering.png'");
    EXPECT_EQ(phone_type_key(cable), "Phone_type_samsung");

    const std::array<uint8_t, 6> other{100, 0, 0, 0, 0, 9};
    const PowerStatus wireless = decode_power_status(other, true);
    EXPECT_TRUE(wireless.on_receiver());
    EXPECT_EQ(charge_image(wireless), "file='power/powered.png'");
    EXPECT_EQ(phone_type_key(wireless), "Phone_type_no_device");
    EXPECT_EQ(phone_type_image(wireless), "file='power/Phone_type_no_device.png'");
}

}  // namespace
}  // namespace ilmo::device
