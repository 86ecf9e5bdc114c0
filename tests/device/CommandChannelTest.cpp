#include <gtest/gtest.h>

#include <future>
#include <numeric>
#include <thread>

#include "ChannelFixture.h"
#include "device/CommandResult.h"

namespace ilmo::device::testing {
namespace {

using sim::FirmwareMemory;
using sim::SimProduct;

std::vector<uint8_t> counting_bytes(size_t size, uint8_t first = 1) {
    std::vector<uint8_t> bytes(size);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

TEST_F(ChannelTest, ClosedChannelAnswersZeroWithoutSending) {
    attach(SimProduct::Keyboard);
    channel.set_open(false);
    std::array<uint8_t, 34> info{};
    EXPECT_EQ(channel.read_information(info), Result::kNoAnswer);
    EXPECT_EQ(channel.begin_transfer(), Result::kNoAnswer);
    EXPECT_TRUE(sent_packets(*bus, SimProduct::Keyboard).empty());
}

TEST_F(ChannelTest, InformationTakesOnePacketByCableAndTwoByReceiver) {
    attach(SimProduct::Keyboard);
    std::array<uint8_t, 34> cable_info{};
    ASSERT_EQ(channel.read_information(cable_info), Result::kOk);
    auto sent = sent_packets(*bus, SimProduct::Keyboard);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].length, 34);

    attach(SimProduct::KeyboardReceiver);
    std::array<uint8_t, 34> receiver_info{};
    ASSERT_EQ(channel.read_information(receiver_info), Result::kOk);
    sent = sent_packets(*bus, SimProduct::KeyboardReceiver);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].length, 24);
    EXPECT_EQ(sent[0].address, 0);
    EXPECT_EQ(sent[1].length, 10);
    EXPECT_EQ(sent[1].address, 24);
    // Same keyboard either way, and the bytes land at their offsets.
    EXPECT_EQ(cable_info, receiver_info);
    EXPECT_EQ(cable_info[5], 126);
}

TEST_F(ChannelTest, ChunkSizeIsTwentyFourUntilAModeIsSet) {
    CommandChannel fresh(backend, nullptr, recorder.sleeper());
    EXPECT_EQ(fresh.chunk_bytes(), 24);
    fresh.set_connection_mode(ConnectionMode::Cable);
    EXPECT_EQ(fresh.chunk_bytes(), 56);
    EXPECT_FALSE(fresh.wireless());
    fresh.set_connection_mode(ConnectionMode::Receiver);
    EXPECT_EQ(fresh.chunk_bytes(), 24);
    EXPECT_TRUE(fresh.wireless());
}

TEST_F(ChannelTest, TableOfSixtyBytesGoesAsFiftySixAndFour) {
    attach(SimProduct::Keyboard);
    ASSERT_TRUE(channel.set_block_bytes(60));
    const auto table = counting_bytes(60);
    ASSERT_EQ(channel.write_table(0, table), Result::kOk);
    const auto sent = sent_packets(*bus, SimProduct::Keyboard);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].command, 0x09);
    EXPECT_EQ(sent[0].length, 56);
    EXPECT_EQ(sent[0].address, 0);
    EXPECT_EQ(sent[1].length, 4);
    EXPECT_EQ(sent[1].address, 56);
    EXPECT_EQ(firmware_bytes(SimProduct::Keyboard, FirmwareMemory::ActiveTable, 0, 60), table);
}

TEST_F(ChannelTest, BlockSizeAboveFiveHundredTwelveIsRefused) {
    EXPECT_FALSE(channel.set_block_bytes(513));
    EXPECT_EQ(channel.block_bytes(), 512);
    EXPECT_TRUE(channel.set_block_bytes(378));
    EXPECT_EQ(channel.block_bytes(), 378);
}

TEST_F(ChannelTest, OnlyBankZeroIsWrittenAndNothingIsSentOtherwise) {
    attach(SimProduct::Mouse);
    const auto table = counting_bytes(512);
    EXPECT_EQ(channel.write_table(1, table), Result::kBadBank);
    EXPECT_EQ(channel.write_second_table(2, table), Result::kBadBank);
    EXPECT_TRUE(sent_packets(*bus, SimProduct::Mouse).empty());
}

TEST_F(ChannelTest, WrittenMemoryReadsBackAcrossChunks) {
    attach(SimProduct::MouseReceiver);
    const auto block = counting_bytes(71, 7);
    ASSERT_EQ(channel.write_memory(0x80, block), Result::kOk);
    std::vector<uint8_t> back(71);
    ASSERT_EQ(channel.read_memory(0x80, back), Result::kOk);
    EXPECT_EQ(back, block);
    // 71 bytes through the receiver: 24 + 24 + 23 each way.
    EXPECT_EQ(sent_packets(*bus, SimProduct::MouseReceiver).size(), 6u);
}

TEST_F(ChannelTest, RecordsAreAddressedBySizeTimesIndex) {
    attach(SimProduct::Keyboard);
    const auto record = counting_bytes(33);
    ASSERT_EQ(channel.write_record(33, 2, record), Result::kOk);
    EXPECT_EQ(firmware_bytes(SimProduct::Keyboard, FirmwareMemory::Records, 66, 33), record);
    std::vector<uint8_t> back(33);
    ASSERT_EQ(channel.read_record(33, 2, back), Result::kOk);
    EXPECT_EQ(back, record);
    // An address past 16 bits is refused rather than wrapped onto other data.
    EXPECT_EQ(channel.write_record(512, 200, record), Result::kWriteFailed);
}

TEST_F(ChannelTest, FiftySixByteStreamIgnoresWirelessChunks) {
    attach(SimProduct::MouseReceiver);
    const auto shoot = counting_bytes(120);
    ASSERT_EQ(channel.write_stream_56(shoot), Result::kOk);
    const auto sent = sent_packets(*bus, SimProduct::MouseReceiver);
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[0].length, 56);
    EXPECT_EQ(sent[1].address, 56);
    EXPECT_EQ(sent[2].length, 8);
    EXPECT_EQ(firmware_bytes(SimProduct::Mouse, FirmwareMemory::Shoot, 0, 120), shoot);
}

TEST_F(ChannelTest, StatusBytesBecomeErrorsAndStopTheTransfer) {
    attach(SimProduct::Keyboard);
    const auto table = counting_bytes(512);
    bus->set_faults(SimProduct::Keyboard, {.forced_status = 0xFF});
    EXPECT_EQ(channel.write_table(0, table), Result::kStatusError);
    EXPECT_EQ(sent_packets(*bus, SimProduct::Keyboard).size(), 1u);

    bus->packet_log().clear();
    bus->set_faults(SimProduct::Keyboard, {.forced_status = 0xFE});
    std::array<uint8_t, 6> power{};
    EXPECT_EQ(channel.read_short(0, power), Result::kStatusRefused);
    EXPECT_EQ(channel.begin_transfer(), Result::kStatusRefused);
}

TEST_F(ChannelTest, NoAnswerGivesZeroAfterTheTimeOut) {
    attach(SimProduct::MousePad);
    bus->set_faults(SimProduct::MousePad, {.no_answer = true});
    std::array<uint8_t, 34> info{};
    EXPECT_EQ(channel.read_information(info), Result::kNoAnswer);
}

TEST_F(ChannelTest, AnswersToAnotherCommandTwiceCountAsNoAnswer) {
    attach(SimProduct::Keyboard);
    bus->set_faults(SimProduct::Keyboard, {.wrong_echo = true});
    std::array<uint8_t, 34> info{};
    info.fill(0x5A);
    EXPECT_EQ(channel.read_information(info), Result::kNoAnswer);
    // Nothing of the foreign answers was taken as information.
    EXPECT_EQ(info[5], 0x5A);
}

TEST_F(ChannelTest, LateAnswerOfATimedOutRequestIsSkipped) {
    attach(SimProduct::Keyboard);
    bus->set_faults(SimProduct::Keyboard, {.response_delay_ms = 1300});
    EXPECT_EQ(channel.begin_transfer(), Result::kNoAnswer);
    bus->clear_faults();
    // The begin answer arrives while this request waits; the second read is ours.
    std::array<uint8_t, 34> info{};
    EXPECT_EQ(channel.read_information(info), Result::kOk);
    EXPECT_EQ(info[5], 126);
}

TEST_F(ChannelTest, ReceiverWithoutItsDeviceAnswersMinus101) {
    attach(SimProduct::KeyboardReceiver);
    bus->set_device_linked(SimProduct::KeyboardReceiver, false);
    std::array<uint8_t, 34> info{};
    EXPECT_EQ(channel.read_information(info), Result::kReceiverAlone);
    EXPECT_FALSE(channel.link_query());
    bus->set_device_linked(SimProduct::KeyboardReceiver, true);
    EXPECT_TRUE(channel.link_query());
    EXPECT_EQ(channel.read_information(info), Result::kOk);
}

TEST_F(ChannelTest, LinkQueryIsNotSentByCable) {
    attach(SimProduct::Mouse);
    EXPECT_TRUE(channel.link_query());
    EXPECT_TRUE(sent_packets(*bus, SimProduct::Mouse).empty());
}

TEST_F(ChannelTest, UnplugInTheMiddleOfATransferEndsItWithAnError) {
    attach(SimProduct::Keyboard);
    bus->set_faults(SimProduct::Keyboard, {.unplug_after_packets = 3});
    const auto table = counting_bytes(512);
    const Result outcome = channel.write_table(0, table);
    EXPECT_NE(outcome, Result::kOk);
    EXPECT_FALSE(bus->plugged(SimProduct::Keyboard));
    EXPECT_EQ(firmware_bytes(SimProduct::Keyboard, FirmwareMemory::ActiveTable, 0, 168),
              std::vector<uint8_t>(table.begin(), table.begin() + 168));
    // Later commands fail at once instead of hanging on the vanished handle.
    EXPECT_NE(channel.begin_transfer(), Result::kOk);
}

TEST_F(ChannelTest, TracesEveryCommandButNotLightFrames) {
    attach(SimProduct::Keyboard);
    ASSERT_EQ(channel.begin_transfer(), Result::kOk);
    EXPECT_EQ(recorder.count("命令\n"), 1);
    EXPECT_EQ(recorder.count("返回\n"), 1);
    const auto frame = counting_bytes(45);
    ASSERT_EQ(channel.write_light_frame(frame), Result::kOk);
    EXPECT_EQ(recorder.count("命令\n"), 1);
}

TEST_F(ChannelTest, EndTransferPausesFirst) {
    attach(SimProduct::Keyboard);
    ASSERT_EQ(channel.end_transfer(), Result::kOk);
    ASSERT_EQ(recorder.sleeps_ms.size(), 1u);
    EXPECT_EQ(recorder.sleeps_ms[0], 10);
}

TEST_F(ChannelTest, LightFramesDuringATableWriteAreDroppedNotQueued) {
    attach(SimProduct::Keyboard);
    bus->set_faults(SimProduct::Keyboard, {.response_delay_ms = 20});
    const auto table = counting_bytes(512);
    auto writer = std::async(std::launch::async, [&] { return channel.write_table(0, table); });
    while (!channel.busy()) std::this_thread::yield();
    const auto frame = counting_bytes(30);
    EXPECT_EQ(channel.write_light_frame(frame), Result::kOk);  // counts as sent
    EXPECT_EQ(writer.get(), Result::kOk);
    EXPECT_GE(channel.dropped_light_packets(), 1u);
    EXPECT_GE(recorder.count("放弃灯光数据"), 1);
    for (const auto& packet : sent_packets(*bus, SimProduct::Keyboard))
        EXPECT_NE(packet.command, 0x12) << "a light packet reached the device";
}

// Each maximal run of one command in the log must be whole operations: it starts at the
// operation's base address and each packet follows the previous one.
void expect_whole_operations(const std::vector<SentPacket>& sent, uint16_t memory_base) {
    for (size_t i = 0; i < sent.size(); ++i) {
        const bool starts_run = i == 0 || sent[i].command != sent[i - 1].command;
        const uint16_t base = sent[i].command == 0x06 ? memory_base : 0;
        if (starts_run) {
            EXPECT_EQ(sent[i].address, base) << "packet " << i << " starts mid-operation";
        } else if (sent[i].address != base) {
            EXPECT_EQ(sent[i].address, sent[i - 1].address + sent[i - 1].length)
                << "packet " << i << " interleaved";
        }
    }
}

TEST_F(ChannelTest, CommandsFromTwoThreadsNeverInterleavePackets) {
    attach(SimProduct::Mouse);
    // Real USB frame timing keeps both threads inside their transfers at the same time.
    bus->set_usb_timing(true);
    const auto table = counting_bytes(512);
    const auto memory = counting_bytes(400, 9);
    constexpr int kRounds = 6;
    std::atomic<bool> started{false};
    auto tables = std::async(std::launch::async, [&] {
        started = true;
        int failures = 0;
        for (int i = 0; i < kRounds; ++i) failures += channel.write_table(0, table) != Result::kOk;
        return failures;
    });
    while (!started) std::this_thread::yield();
    int failures = 0;
    for (int i = 0; i < kRounds; ++i) failures += channel.write_memory(0x100, memory) != Result::kOk;
    EXPECT_EQ(failures + tables.get(), 0);
    const auto sent = sent_packets(*bus, SimProduct::Mouse);
    EXPECT_EQ(sent.size(), static_cast<size_t>(kRounds * (10 + 8)));
    expect_whole_operations(sent, 0x100);
}

}  // namespace
}  // namespace ilmo::device::testing
