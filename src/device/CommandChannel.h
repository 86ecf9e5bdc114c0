#pragma once
// The command channel: every exchange with a device's command interface goes through here.
// It frames 64-byte requests, serialises commands from several threads, chunks long
// transfers and turns what comes back into a signed result (CommandResult.h).

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <vector>

#include "device/CommandPacket.h"
#include "device/CommandResult.h"
#include "device/HidInterface.h"
#include "device/Trace.h"

namespace ilmo::device {

// Sleeps the calling thread; injected so tests need not wait for real pauses.
using SleepFn = std::function<void(int duration_ms)>;
SleepFn real_sleep();

enum class ConnectionMode { Cable = 1, Receiver = 2 };

class CommandChannel {
public:
    static constexpr int kMaxBlockBytes = 512;
    static constexpr int kInformationBytes = 34;
    static constexpr int kTableBankBytes = 512;
    static constexpr uint8_t kCableChunkBytes = 56;
    static constexpr uint8_t kWirelessChunkBytes = 24;
    static constexpr int kCableTimeoutMs = 1000;
    static constexpr int kWirelessTimeoutMs = 5000;
    static constexpr int kWirelessLightTimeoutMs = 500;
    static constexpr int kEndTransferPauseMs = 10;

    // A null `trace` turns the command dumps off.
    CommandChannel(HidBackend& backend, TraceSink trace, SleepFn sleep = real_sleep());

    HidInterface& cable() { return cable_; }
    HidInterface& receiver() { return receiver_; }

    // Set by the attaching code once the interface is open; while clear every transaction
    // returns 0 without I/O.
    void set_open(bool open) { open_ = open; }
    bool is_open() const { return open_; }

    void set_connection_mode(ConnectionMode mode);
    bool wireless() const { return wireless_; }
    uint8_t chunk_bytes() const { return chunk_bytes_; }

    // Whole-table transfers move this many bytes; a value above 512 is refused.
    bool set_block_bytes(int block_bytes);
    int block_bytes() const { return block_bytes_; }

    bool busy() const { return busy_ > 0; }

    Result begin_transfer();
    // Pauses 10 ms first so the device has taken the last data packet.
    Result end_transfer();
    Result read_information(std::span<uint8_t, kInformationBytes> information);
    Result read_memory(uint16_t address, std::span<uint8_t> destination);
    Result write_memory(uint16_t address, std::span<const uint8_t> data);
    // The block-size bytes of the table; `destination` must hold them.
    Result read_table(std::span<uint8_t> destination);
    // Writes block-size bytes of `table` (missing bytes are sent as 0); only bank 0 is allowed.
    Result write_table(int bank, std::span<const uint8_t> table);
    Result write_second_table(int bank, std::span<const uint8_t> table);
    Result read_record(int record_bytes, int index, std::span<uint8_t> destination);
    Result write_record(int record_bytes, int index, std::span<const uint8_t> data);
    // Light frames never wait: a packet due while a configuration transfer runs is dropped.
    Result write_light_frame(std::span<const uint8_t> frame);
    Result write_stream(std::span<const uint8_t> data);
    // Always 56 bytes a packet, also in wireless mode.
    Result write_stream_56(std::span<const uint8_t> data);
    // One packet of at most 56 bytes.
    Result read_short(uint16_t address, std::span<uint8_t> destination);
    // Block size / 3 bytes: one byte per key position.
    Result read_key_bytes(std::span<uint8_t> destination);
    Result light_status_on();
    // By cable the device is always linked; through the receiver only when it answers so.
    bool link_query();

    // Counters for diagnostics and benchmarks.
    uint64_t dropped_light_packets() const { return dropped_light_packets_; }

private:
    enum class Lock { Command, Lighting };
    struct Chunking {
        Command command;
        uint64_t base_address;
        uint8_t chunk_bytes;
        Lock lock;
    };

    HidInterface& active() { return wireless_ ? receiver_ : cable_; }
    int command_timeout_ms() const { return wireless_ ? kWirelessTimeoutMs : kCableTimeoutMs; }
    int light_timeout_ms() const { return wireless_ ? kWirelessLightTimeoutMs : kCableTimeoutMs; }

    // One request and its response; `response` holds what came back.
    Result transact(const Packet& request, Packet& response, int timeout_ms, bool traced);
    // Transaction plus the status check of the response.
    Result exchange(const Packet& request, Packet& response);
    Result exchange_light(const Packet& request);

    Result chunked_read(const Chunking& how, std::span<uint8_t> destination);
    Result chunked_write(const Chunking& how, std::span<const uint8_t> data);
    Result single(Command command);
    Result table_write(Command command, int bank, std::span<const uint8_t> table);

    HidInterface cable_;
    HidInterface receiver_;
    TraceSink trace_;
    bool tracing_;  // without a sink the dumps are not even formatted
    SleepFn sleep_;

    std::atomic<bool> open_{false};
    std::atomic<bool> wireless_{false};
    std::atomic<uint8_t> chunk_bytes_{kWirelessChunkBytes};
    std::atomic<int> block_bytes_{kMaxBlockBytes};
    std::atomic<int> busy_{0};  // nesting count of running configuration work
    std::atomic<uint64_t> dropped_light_packets_{0};

    std::mutex command_mutex_;   // one command operation at a time
    std::mutex lighting_mutex_;           // light records and frames among themselves
    // One request and its response on the wire at a time, whoever sends: a light packet can
    // never read the answer to a command packet or the other way round.
    std::mutex wire_mutex_;
};

}  // namespace ilmo::device
