#pragma once
// The firmware of one physical device (keyboard, mouse or mouse-pad): its memories and how it
// answers command packets. Everything written is stored as written and reads back. Not
// thread-safe: SimBus serialises every call.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "sim/FactoryData.h"
#include "sim/FirmwarePacket.h"
#include "sim/SimProduct.h"

namespace ilmo::sim {

enum class FirmwareMemory {
    Information,    // 34-byte record, read with 0x03
    Configuration,  // 64 KiB, 0x05 / 0x06
    FactoryTable,   // default key or button table, read with 0x07; never written by commands
    ActiveTable,    // four banks of 512 bytes, written with 0x09 at bank * 512 + offset
    SecondTable,    // as ActiveTable, written with 0x27
    Records,        // 64 KiB, 0x0A / 0x0B at record size * index + offset
    Macros,         // information byte 6 * 128 bytes, written with 0x15
    Shoot,          // 8 KiB, written with 0x17
    PowerStatus,    // 6 bytes, read with 0x1A
    LedTable,       // one LED index per key position, read with 0x1B
    LightFrame,     // the last complete host light frame (0x12)
};
inline constexpr size_t kMemoryCount = static_cast<size_t>(FirmwareMemory::LightFrame) + 1;

struct FirmwareCounters {
    int commands = 0;  // packets this firmware answered (not those a receiver answered alone)
    int begin_transfers = 0;
    int end_transfers = 0;
    int light_frames = 0;     // complete host light frames
    int light_status_on = 0;  // 0x1C commands
};

struct PowerStatus {
    int battery_percent = 100;
    int charge_state = 0;  // 0, 1 charging, 2
    int phone_type = 0;    // the pad's charging phone, 0 none
};

class Firmware {
public:
    explicit Firmware(FirmwareKind kind);

    FirmwareKind kind() const { return kind_; }

    // The answer to one command packet, sealed with its checksum.
    Packet answer(const Packet& request);

    // Bytes of a memory from `offset`, clipped to its size.
    std::vector<uint8_t> read(FirmwareMemory memory, size_t offset, size_t size_bytes) const;
    // False (and nothing written) when the bytes do not fit.
    bool write(FirmwareMemory memory, size_t offset, std::span<const uint8_t> bytes);
    size_t size_bytes(FirmwareMemory memory) const;

    // Information record fields.
    void set_key_positions(int count);  // the mouse's button count
    void set_macro_units(int units);
    void set_sensor(const MouseSensor& sensor);
    void set_power_status(const PowerStatus& status);

    // On-board state that the device's own buttons change. Byte 0 of the configuration
    // memory is the active profile; false when there is no such profile.
    int active_profile() const;
    bool select_profile(int profile);
    // The lighting mode code of the active profile's settings.
    int lighting_mode() const;
    // The mouse's current DPI stage, kept in the active profile's settings block; -1 on other
    // devices. Selecting fails for other devices and for a stage that is not enabled.
    int dpi_stage() const;
    bool select_dpi_stage(int stage);
    // The function the key at `position` has on the normal layer now (the host may have
    // remapped it); nullopt past the last key position.
    std::optional<std::array<uint8_t, 3>> key_function(int position) const;

    // Configuration writes are refused outside a transfer. Unplugging a link to the device
    // abandons an open transfer, as does switching the device off.
    void begin_transfer() { transfer_open_ = true; }
    void end_transfer() { transfer_open_ = false; }
    bool transfer_open() const { return transfer_open_; }

    // A device switched off is out of its receiver's reach; a cable keeps powering it.
    void set_powered(bool powered) {
        powered_ = powered;
        if (!powered) end_transfer();
    }
    bool powered() const { return powered_; }

    const FirmwareCounters& counters() const { return counters_; }
    bool light_status_on() const { return light_status_on_; }

private:
    uint8_t execute(const Packet& request, Packet& answer);
    size_t dpi_stage_address() const;
    uint8_t read_into(FirmwareMemory memory, size_t address, size_t length, Packet& answer) const;
    uint8_t write_from(FirmwareMemory memory, size_t address, std::span<const uint8_t> bytes);
    uint8_t take_light_packet(size_t address, std::span<const uint8_t> bytes);
    size_t light_frame_bytes() const;
    std::vector<uint8_t>& memory(FirmwareMemory which);
    const std::vector<uint8_t>& memory(FirmwareMemory which) const;

    FirmwareKind kind_;
    std::array<std::vector<uint8_t>, kMemoryCount> memories_;
    std::vector<uint8_t> frame_assembly_;
    FirmwareCounters counters_;
    bool light_status_on_ = false;
    bool powered_ = true;
    bool transfer_open_ = false;
};

}  // namespace ilmo::sim
