// The command channel against a scripted device: which answers it takes, what it does with
// input already waiting, the time-outs, chunks and addresses it sends, and which lock each
// command takes.

#include <gtest/gtest.h>

#include <future>
#include <thread>

#include "ChannelFixture.h"
#include "ScriptedHid.h"
#include "device/CommandResult.h"

namespace ilmo::device::testing {
namespace {

std::vector<SentPacket> sent_packets(ScriptedDevice& device) {
    std::vector<SentPacket> sent;
    for (const Packet& r : device.requests_sent()) {
        sent.push_back({r[packet_offset::kCommand], r[packet_offset::kLength],
                        static_cast<uint16_t>(r[packet_offset::kAddressLow] |
                                              (r[packet_offset::kAddressHigh] << 8))});
    }
    return sent;
}

// The bytes the scripted device returns for a read of `size` bytes at `address`.
std::vector<uint8_t> bytes_at(unsigned address, size_t size) {
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(address + i);
    return bytes;
}

class ScriptedChannelTest : public ::testing::Test {
protected:
    ScriptedChannelTest()
        : device(std::make_shared<ScriptedDevice>()),
          backend(device),
          channel(backend, nullptr, recorder.sleeper()) {}

    void attach(ConnectionMode mode) {
        HidInterface& record =
            mode == ConnectionMode::Receiver ? channel.receiver() : channel.cable();
        ASSERT_EQ(record.open(ScriptedBackend::kPath, OpenOptions{}), 1);
        channel.set_connection_mode(mode);
        channel.set_open(true);
    }

    Recorder recorder;
    std::shared_ptr<ScriptedDevice> device;
    ScriptedBackend backend;
    CommandChannel channel;
};

TEST_F(ScriptedChannelTest, LateAnswerToAnotherAddressIsNotTakenAsOurs) {
    attach(ConnectionMode::Cable);
    int requests = 0;
    Report late;
    device->respond = [&](const Packet& request) -> std::vector<Report> {
        // The first read is answered only after its time-out, just ahead of the second's.
        if (++requests == 1) {
            late = echo_answer(request);
            return {};
        }
        return {late, echo_answer(request)};
    };
    std::vector<uint8_t> first(8), second(8);
    EXPECT_EQ(channel.read_memory(0x0110, first), Result::kNoAnswer);
    EXPECT_EQ(channel.read_memory(0x0220, second), Result::kOk);
    EXPECT_EQ(second, bytes_at(0x0220, 8));
}

TEST_F(ScriptedChannelTest, AnAnswerMustEchoCommandLengthAndAddress) {
    attach(ConnectionMode::Cable);
    for (size_t echoed : {packet_offset::kCommand, packet_offset::kLength,
                          packet_offset::kAddressLow, packet_offset::kAddressHigh}) {
        SCOPED_TRACE(echoed);
        auto foreign = [echoed](const Packet& request) {
            Report answer = echo_answer(request);
            answer[echoed] ^= 0x40;
            std::fill(answer.begin() + packet_offset::kPayload, answer.end(), 0xEE);
            return answer;
        };
        // One foreign answer ahead of ours is skipped.
        device->respond = [&](const Packet& r) {
            return std::vector<Report>{foreign(r), echo_answer(r)};
        };
        std::vector<uint8_t> data(8, 0x5A);
        EXPECT_EQ(channel.read_memory(0x0220, data), Result::kOk);
        EXPECT_EQ(data, bytes_at(0x0220, 8));
        // Two of them: no answer, and nothing of theirs is handed out.
        device->respond = [&](const Packet& r) {
            return std::vector<Report>{foreign(r), foreign(r)};
        };
        std::fill(data.begin(), data.end(), 0x5A);
        EXPECT_EQ(channel.read_memory(0x0220, data), Result::kNoAnswer);
        EXPECT_EQ(data, std::vector<uint8_t>(8, 0x5A));
    }
}

TEST_F(ScriptedChannelTest, InputWaitingBeforeARequestIsEmptiedFirst) {
    attach(ConnectionMode::Cable);
    // Keep-alive reports of the keyboard collection nobody reads fill the node's queue; the
    // answer would find no room.
    for (size_t i = 0; i < ScriptedDevice::kQueueReports; ++i)
        device->queue({0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00});
    EXPECT_EQ(channel.begin_transfer(), Result::kOk);

    // A stale answer to the very same request is not taken for the fresh one.
    Report stale = echo_answer(make_request(Command::ReadMemory, 8, 0x0220));
    std::fill(stale.begin() + packet_offset::kPayload, stale.end(), 0xEE);
    device->queue(stale);
    std::vector<uint8_t> data(8);
    EXPECT_EQ(channel.read_memory(0x0220, data), Result::kOk);
    EXPECT_EQ(data, bytes_at(0x0220, 8));
}

TEST_F(ScriptedChannelTest, TimeOutsFollowTheConnection) {
    const std::vector<uint8_t> frame(10, 0x33);
    attach(ConnectionMode::Cable);
    ASSERT_EQ(channel.begin_transfer(), Result::kOk);
    ASSERT_EQ(channel.write_light_frame(frame), Result::kOk);
    attach(ConnectionMode::Receiver);
    ASSERT_EQ(channel.begin_transfer(), Result::kOk);
    ASSERT_EQ(channel.write_light_frame(frame), Result::kOk);

    const std::vector<int> expected = {1000, 1000, 5000, 500};
    EXPECT_EQ(device->write_timeouts_ms, expected);
    std::vector<int> answer_reads;  // the others are the emptying reads, which never wait
    for (int timeout_ms : device->read_timeouts_ms)
        if (timeout_ms != 0) answer_reads.push_back(timeout_ms);
    EXPECT_EQ(answer_reads, expected);
}

TEST_F(ScriptedChannelTest, OnlyTheReceiverSpeaksForAnAbsentDevice) {
    device->respond = [](const Packet&) {
        Report away(kPacketBytes, 0);
        away[0] = kCommandReportId;
        away[packet_offset::kCommand] = kReceiverAloneEcho;
        return std::vector<Report>{away};
    };
    attach(ConnectionMode::Receiver);
    EXPECT_EQ(channel.begin_transfer(), Result::kReceiverAlone);
    EXPECT_FALSE(channel.link_query());
    // By cable such an answer is just not ours.
    attach(ConnectionMode::Cable);
    EXPECT_EQ(channel.begin_transfer(), Result::kNoAnswer);
}

TEST_F(ScriptedChannelTest, ChunksThroughTheReceiverCarryTwentyFourBytes) {
    attach(ConnectionMode::Receiver);
    ASSERT_TRUE(channel.set_block_bytes(60));
    std::array<uint8_t, 34> information{};
    std::vector<uint8_t> buffer(71, 0x11);
    struct Case {
        const char* name;
        std::function<Result()> run;
        std::vector<SentPacket> expected;
    };
    const std::vector<Case> cases = {
        {"information",
         [&] { return channel.read_information(information); },
         {{0x03, 24, 0}, {0x03, 10, 24}}},
        {"memory",
         [&] { return channel.write_memory(0x80, buffer); },
         {{0x06, 24, 0x80}, {0x06, 24, 0x98}, {0x06, 23, 0xB0}}},
        {"light frame",
         [&] { return channel.write_light_frame(std::span(buffer).first(30)); },
         {{0x12, 24, 0}, {0x12, 6, 24}}},
        {"stream",
         [&] { return channel.write_stream(std::span(buffer).first(30)); },
         {{0x15, 24, 0}, {0x15, 6, 24}}},
        {"56-byte stream",
         [&] { return channel.write_stream_56(std::span(buffer).first(60)); },
         {{0x17, 56, 0}, {0x17, 4, 56}}},
        {"short read",
         [&] { return channel.read_short(0, std::span(buffer).first(6)); },
         {{0x1A, 6, 0}}},
        {"table",
         [&] { return channel.read_table(buffer); },
         {{0x07, 24, 0}, {0x07, 24, 24}, {0x07, 12, 48}}},
        {"second table",
         [&] { return channel.write_second_table(0, buffer); },
         {{0x27, 24, 0}, {0x27, 24, 24}, {0x27, 12, 48}}},
    };
    for (const Case& c : cases) {
        device->requests.clear();
        EXPECT_EQ(c.run(), Result::kOk) << c.name;
        EXPECT_EQ(sent_packets(*device), c.expected) << c.name;
    }
}

TEST_F(ScriptedChannelTest, WholeTablesStartAtZeroAndKeyBytesAreAThirdOfThem) {
    attach(ConnectionMode::Cable);
    std::vector<uint8_t> table(512);
    ASSERT_EQ(channel.read_table(table), Result::kOk);
    auto sent = sent_packets(*device);
    ASSERT_EQ(sent.size(), 10u);
    EXPECT_EQ(sent.front(), (SentPacket{0x07, 56, 0}));
    EXPECT_EQ(sent.back(), (SentPacket{0x07, 8, 504}));
    EXPECT_EQ(table[511], 0xFF);  // address 511's byte landed at offset 511

    device->requests.clear();
    std::vector<uint8_t> keys(200, 0x5A);
    ASSERT_EQ(channel.read_key_bytes(keys), Result::kOk);
    const std::vector<SentPacket> expected = {
        {0x1B, 56, 0}, {0x1B, 56, 56}, {0x1B, 56, 112}, {0x1B, 2, 168}};
    EXPECT_EQ(sent_packets(*device), expected);
    EXPECT_EQ(std::vector<uint8_t>(keys.begin(), keys.begin() + 170), bytes_at(0, 170));
    EXPECT_EQ(keys[170], 0x5A) << "read past the 170 key positions";
}

TEST_F(ScriptedChannelTest, RecordAddressesPastSixteenBitsAreRefusedNotWrapped) {
    attach(ConnectionMode::Cable);
    std::vector<uint8_t> record(8);
    // 65536 x 65536 and 4096 x 2^20 are 2^32: in 32 bits both land on address 0.
    EXPECT_EQ(channel.read_record(65536, 65536, record), Result::kWriteFailed);
    EXPECT_EQ(channel.write_record(4096, 1 << 20, record), Result::kWriteFailed);
    EXPECT_TRUE(device->requests_sent().empty());
    ASSERT_EQ(channel.read_record(0x1000, 15, record), Result::kOk);
    EXPECT_EQ(sent_packets(*device), (std::vector<SentPacket>{{0x0A, 8, 0xF000}}));
}

// A two-packet light frame whose first packet is held on the wire by `gate`.
std::future<Result> frame_held_at(CommandChannel& channel, ScriptedDevice& device, Gate& gate) {
    device.on_write = [&gate](const Packet& request) {
        if (request[packet_offset::kCommand] == 0x12 && request[packet_offset::kAddressLow] == 0)
            gate.pass();
    };
    auto frame = std::async(std::launch::async, [&channel] {
        const std::vector<uint8_t> frame(100, 0x44);
        return channel.write_light_frame(frame);
    });
    EXPECT_TRUE(gate.wait_for_arrival());
    return frame;
}

// True once `channel` is busy; false when the hang guard runs out first.
bool becomes_busy(const CommandChannel& channel, std::chrono::milliseconds guard) {
    const auto until = std::chrono::steady_clock::now() + guard;
    while (!channel.busy()) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::yield();
    }
    return true;
}

TEST_F(ScriptedChannelTest, CommandsDoNotWaitForALightFrameButRecordsDo) {
    attach(ConnectionMode::Cable);
    {
        // A command takes the command lock: it goes ahead of the frame's second packet
        // (which is dropped, or follows once the command is done).
        Gate gate;
        auto frame = frame_held_at(channel, *device, gate);
        auto command = std::async(std::launch::async, [&] { return channel.begin_transfer(); });
        const bool busy = becomes_busy(channel, std::chrono::seconds(10));
        gate.open();
        EXPECT_TRUE(busy) << "the command waited for the light frame's lock";
        EXPECT_EQ(frame.get(), Result::kOk);
        EXPECT_EQ(command.get(), Result::kOk);
        const auto commands = device->commands_sent();
        ASSERT_GE(commands.size(), 2u);
        EXPECT_EQ(commands[0], 0x12);
        EXPECT_EQ(commands[1], 0x01);
        device->on_write = nullptr;
    }
    device->requests.clear();
    {
        // A light record shares the frames' lock: it waits for the whole frame.
        Gate gate;
        auto frame = frame_held_at(channel, *device, gate);
        auto record = std::async(std::launch::async, [&] {
            const std::vector<uint8_t> data(20, 0x55);
            return channel.write_record(20, 1, data);
        });
        // Had it taken the command lock it would be busy soon; give it the chance.
        becomes_busy(channel, std::chrono::milliseconds(200));
        gate.open();
        EXPECT_EQ(frame.get(), Result::kOk);
        EXPECT_EQ(record.get(), Result::kOk);
        EXPECT_EQ(device->commands_sent(), (std::vector<uint8_t>{0x12, 0x12, 0x0B}));
        device->on_write = nullptr;
    }
}

}  // namespace
}  // namespace ilmo::device::testing
