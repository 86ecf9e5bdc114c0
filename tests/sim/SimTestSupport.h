#pragma once
// Host-side helpers for the emulator tests: build request packets independently of the
// firmware's own packet code, and exchange them through an open handle.

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "sim/SimBackend.h"
#include "sim/SimBus.h"

namespace ilmo::sim::test {

using Bytes = std::vector<uint8_t>;

inline std::array<uint8_t, 64> make_request(uint8_t command, uint16_t address,
                                            std::span<const uint8_t> payload, uint8_t length_byte) {
    std::array<uint8_t, 64> packet{};
    packet[0] = 0x04;
    packet[3] = command;
    packet[4] = length_byte;
    packet[5] = static_cast<uint8_t>(address & 0xFF);
    packet[6] = static_cast<uint8_t>(address >> 8);
    for (size_t i = 0; i < payload.size() && 8 + i < packet.size(); ++i) packet[8 + i] = payload[i];
    unsigned sum = 0;
    for (size_t i = 3; i < packet.size(); ++i) sum += packet[i];
    packet[1] = static_cast<uint8_t>(sum & 0xFF);
    packet[2] = static_cast<uint8_t>((sum >> 8) & 0xFF);
    return packet;
}

// A write request carries its payload; a read request only the length it wants.
inline std::array<uint8_t, 64> write_request(uint8_t command, uint16_t address,
                                             const Bytes& payload) {
    return make_request(command, address, payload, static_cast<uint8_t>(payload.size()));
}

inline std::array<uint8_t, 64> read_request(uint8_t command, uint16_t address, uint8_t length) {
    return make_request(command, address, {}, length);
}

// The bus with everything plugged and a backend on it.
struct PluggedBus {
    std::shared_ptr<SimBus> bus = std::make_shared<SimBus>();
    SimBackend backend{bus};
    PluggedBus() { bus->plug_all(); }

    std::unique_ptr<device::HidHandle> open(const std::string& path,
                                            device::OpenOptions options = {}) {
        return backend.open(path, options);
    }
    std::unique_ptr<device::HidHandle> open_command(SimProduct product) {
        return open(bus->command_path(product));
    }
};

// Writes `request` and reads one answer; nullopt when either fails.
inline std::optional<Bytes> transact(device::HidHandle& handle, std::span<const uint8_t> request,
                                     int timeout_ms = 1000) {
    size_t transferred = 0;
    if (handle.write(request, transferred, timeout_ms) != 1) return std::nullopt;
    Bytes answer(64);
    if (handle.read(answer, transferred, timeout_ms) != 1) return std::nullopt;
    answer.resize(transferred);
    return answer;
}

// The host's chunked commands: `length` bytes, `chunk` a packet, at address + bytes done. A
// read gives nothing when a packet fails; a write gives the first failing status, else 0.
inline Bytes read_chunked(device::HidHandle& handle, uint8_t command, uint16_t address,
                          size_t length, size_t chunk) {
    Bytes bytes;
    while (bytes.size() < length) {
        const auto n = static_cast<uint8_t>(std::min(chunk, length - bytes.size()));
        const auto at = static_cast<uint16_t>(address + bytes.size());
        const auto reply = transact(handle, read_request(command, at, n));
        if (!reply || (*reply)[3] != command || (*reply)[7] != 0) return {};
        bytes.insert(bytes.end(), reply->begin() + 8, reply->begin() + 8 + n);
    }
    return bytes;
}

inline uint8_t write_chunked(device::HidHandle& handle, uint8_t command, uint16_t address,
                             const Bytes& bytes, size_t chunk) {
    for (size_t done = 0; done < bytes.size(); done += chunk) {
        const auto end = bytes.begin() + static_cast<std::ptrdiff_t>(std::min(done + chunk, bytes.size()));
        const Bytes part(bytes.begin() + static_cast<std::ptrdiff_t>(done), end);
        const auto reply =
            transact(handle, write_request(command, static_cast<uint16_t>(address + done), part));
        if (!reply) return 0xEE;
        if ((*reply)[7] != 0) return (*reply)[7];
    }
    return 0;
}

inline Bytes slice(const Bytes& bytes, size_t offset, size_t size) {
    return {bytes.begin() + static_cast<std::ptrdiff_t>(offset),
            bytes.begin() + static_cast<std::ptrdiff_t>(offset + size)};
}

}  // namespace ilmo::sim::test
