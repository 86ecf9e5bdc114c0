#pragma once
// A command channel on an emulated device, with its traces and pauses recorded.

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "device/CommandChannel.h"
#include "sim/SimBackend.h"
#include "sim/SimBus.h"

namespace ilmo::device::testing {

struct Recorder {
    std::vector<std::string> traces;
    std::vector<int> sleeps_ms;
    std::mutex mutex;

    TraceSink trace_sink() {
        return [this](std::string_view line) {
            std::lock_guard lock(mutex);
            traces.emplace_back(line);
        };
    }
    SleepFn sleeper() {
        return [this](int ms) {
            std::lock_guard lock(mutex);
            sleeps_ms.push_back(ms);
        };
    }
    int count(std::string_view text) {
        std::lock_guard lock(mutex);
        int n = 0;
        for (const auto& t : traces) n += t.rfind(text, 0) == 0 ? 1 : 0;
        return n;
    }
};

// Commands (byte 3) and addresses of the command packets a product received, in order.
struct SentPacket {
    uint8_t command;
    uint8_t length;
    uint16_t address;
    bool operator==(const SentPacket&) const = default;
};

inline void PrintTo(const SentPacket& p, std::ostream* out) {
    *out << "{cmd " << std::hex << int{p.command} << ", len " << std::dec << int{p.length}
         << ", addr 0x" << std::hex << p.address << std::dec << "}";
}

inline std::vector<SentPacket> sent_packets(sim::SimBus& bus, sim::SimProduct product) {
    std::vector<SentPacket> sent;
    for (const auto& report : bus.packet_log().reports_of(product)) {
        if (report.bytes.size() < 8 || report.bytes[0] != kCommandReportId) continue;
        sent.push_back({report.bytes[3], report.bytes[4],
                        static_cast<uint16_t>(report.bytes[5] | (report.bytes[6] << 8))});
    }
    return sent;
}

class ChannelTest : public ::testing::Test {
protected:
    ChannelTest()
        : bus(std::make_shared<sim::SimBus>()),
          backend(bus),
          channel(backend, recorder.trace_sink(), recorder.sleeper()) {
        bus->plug_all();
    }

    // Opens the product's command collection the way a controller attaches it.
    void attach(sim::SimProduct product) {
        const bool receiver = sim::is_receiver(product);
        HidInterface& record = receiver ? channel.receiver() : channel.cable();
        ASSERT_EQ(record.open(bus->command_path(product), OpenOptions{}), 1);
        channel.set_connection_mode(receiver ? ConnectionMode::Receiver : ConnectionMode::Cable);
        channel.set_open(true);
        // Controllers write configuration between begin and end; these tests take single
        // operations, so the device starts with a transfer open.
        bus->with_firmware(product, [](sim::Firmware& firmware) { firmware.begin_transfer(); });
        bus->packet_log().clear();
    }

    std::vector<uint8_t> firmware_bytes(sim::SimProduct product, sim::FirmwareMemory memory,
                                        size_t offset, size_t size) {
        return bus->with_firmware(product, [&](sim::Firmware& firmware) {
            return firmware.read(memory, offset, size);
        });
    }

    Recorder recorder;
    std::shared_ptr<sim::SimBus> bus;
    sim::SimBackend backend;
    CommandChannel channel;
};

}  // namespace ilmo::device::testing
