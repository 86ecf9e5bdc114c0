#include "sim/Firmware.h"

#include <algorithm>

#include "sim/OnboardSettings.h"

namespace ilmo::sim {

namespace {

constexpr size_t kConfigurationBytes = 64 * 1024;
constexpr size_t kRecordBytes = 64 * 1024;
constexpr size_t kTableBanks = 4;
constexpr size_t kMacroBackingBytes = 255 * kMacroUnitBytes;  // the most byte 6 can announce
constexpr size_t kMouseLeds = 15;  // the mouse's byte 5 counts buttons, not lights

enum class Access { Read, Write, ConfigurationWrite };

// Commands that move bytes between a packet and one memory. Configuration writes are taken
// only between begin and end of a transfer; reads and the per-key colour record (which the
// host streams like light frames) are taken at any time.
struct MemoryCommand {
    uint8_t code;
    FirmwareMemory memory;
    Access access;
};

constexpr std::array<MemoryCommand, 12> kMemoryCommands{{
    {command::kReadInformation, FirmwareMemory::Information, Access::Read},
    {command::kReadMemory, FirmwareMemory::Configuration, Access::Read},
    {command::kWriteMemory, FirmwareMemory::Configuration, Access::ConfigurationWrite},
    {command::kReadTable, FirmwareMemory::FactoryTable, Access::Read},
    {command::kWriteTable, FirmwareMemory::ActiveTable, Access::ConfigurationWrite},
    {command::kReadRecord, FirmwareMemory::Records, Access::Read},
    {command::kWriteRecord, FirmwareMemory::Records, Access::Write},
    {command::kWriteMacros, FirmwareMemory::Macros, Access::ConfigurationWrite},
    {command::kWriteShoot, FirmwareMemory::Shoot, Access::ConfigurationWrite},
    {command::kReadShort, FirmwareMemory::PowerStatus, Access::Read},
    {command::kReadLedTable, FirmwareMemory::LedTable, Access::Read},
    {command::kWriteSecondTable, FirmwareMemory::SecondTable, Access::ConfigurationWrite},
}};

const MemoryCommand* find_memory_command(uint8_t code) {
    const auto* found = std::find_if(kMemoryCommands.begin(), kMemoryCommands.end(),
                                     [code](const MemoryCommand& c) { return c.code == code; });
    return found == kMemoryCommands.end() ? nullptr : found;
}

size_t index(FirmwareMemory memory) {
    return static_cast<size_t>(memory);
}

}  // namespace

Firmware::Firmware(FirmwareKind kind) : kind_(kind) {
    FactoryImage image = factory_image(kind);
    memory(FirmwareMemory::Information).assign(image.info.begin(), image.info.end());
    auto& configuration = memory(FirmwareMemory::Configuration);
    configuration = factory_configuration(kind);
    configuration.resize(kConfigurationBytes, 0);
    // Out of the factory the keys do what the default table says.
    memory(FirmwareMemory::ActiveTable) = image.default_table;
    memory(FirmwareMemory::ActiveTable).resize(kTableBanks * kTableBytes, 0);
    memory(FirmwareMemory::FactoryTable) = std::move(image.default_table);
    memory(FirmwareMemory::SecondTable).assign(kTableBanks * kTableBytes, 0);
    memory(FirmwareMemory::Records).assign(kRecordBytes, 0);
    memory(FirmwareMemory::Macros).assign(kMacroBackingBytes, 0);
    memory(FirmwareMemory::Shoot).assign(kShootMemoryBytes, 0);
    memory(FirmwareMemory::PowerStatus)
        .assign(image.power_status.begin(), image.power_status.end());
    memory(FirmwareMemory::LedTable) = std::move(image.led_table);
    memory(FirmwareMemory::LightFrame).assign(kTableBytes, 0);
    frame_assembly_.assign(kTableBytes, 0);
}

std::vector<uint8_t>& Firmware::memory(FirmwareMemory which) {
    return memories_[index(which)];
}

const std::vector<uint8_t>& Firmware::memory(FirmwareMemory which) const {
    return memories_[index(which)];
}

size_t Firmware::size_bytes(FirmwareMemory which) const {
    if (which == FirmwareMemory::Macros) {
        return memory(FirmwareMemory::Information)[info_byte::kMacroUnits] * kMacroUnitBytes;
    }
    return memory(which).size();
}

std::vector<uint8_t> Firmware::read(FirmwareMemory which, size_t offset, size_t size) const {
    const size_t end = std::min(size_bytes(which), offset + size);
    if (offset >= end) return {};
    const auto& bytes = memory(which);
    return {bytes.begin() + static_cast<std::ptrdiff_t>(offset),
            bytes.begin() + static_cast<std::ptrdiff_t>(end)};
}

bool Firmware::write(FirmwareMemory which, size_t offset, std::span<const uint8_t> bytes) {
    if (offset + bytes.size() > size_bytes(which)) return false;
    std::copy(bytes.begin(), bytes.end(),
              memory(which).begin() + static_cast<std::ptrdiff_t>(offset));
    return true;
}

void Firmware::set_key_positions(int count) {
    memory(FirmwareMemory::Information)[info_byte::kKeyPositions] = static_cast<uint8_t>(count);
}

void Firmware::set_macro_units(int units) {
    memory(FirmwareMemory::Information)[info_byte::kMacroUnits] = static_cast<uint8_t>(units);
}

void Firmware::set_sensor(const MouseSensor& sensor) {
    put_sensor(std::span<uint8_t, kInfoBytes>(memory(FirmwareMemory::Information)), sensor);
}

void Firmware::set_power_status(const PowerStatus& status) {
    auto& record = memory(FirmwareMemory::PowerStatus);
    record[power_byte::kBatteryPercent] = static_cast<uint8_t>(status.battery_percent);
    record[power_byte::kChargeState] = static_cast<uint8_t>(status.charge_state);
    record[power_byte::kPhoneType] = static_cast<uint8_t>(status.phone_type);
}

int Firmware::active_profile() const {
    return memory(FirmwareMemory::Configuration)[kActiveProfileAddress];
}

bool Firmware::select_profile(int profile) {
    if (profile < 0 || profile >= onboard_profile_count(kind_)) return false;
    memory(FirmwareMemory::Configuration)[kActiveProfileAddress] = static_cast<uint8_t>(profile);
    return true;
}

int Firmware::lighting_mode() const {
    return memory(FirmwareMemory::Configuration)[profile_address(kind_, active_profile()) +
                                                 lighting_byte::kMode];
}

size_t Firmware::dpi_stage_address() const {
    return profile_address(kind_, active_profile()) + mouse_block::kDpiStage;
}

int Firmware::dpi_stage() const {
    if (kind_ != FirmwareKind::Mouse) return -1;
    return memory(FirmwareMemory::Configuration)[dpi_stage_address()];
}

bool Firmware::select_dpi_stage(int stage) {
    if (kind_ != FirmwareKind::Mouse || stage < 0 ||
        stage >= static_cast<int>(mouse_block::kStageCount))
        return false;
    auto& configuration = memory(FirmwareMemory::Configuration);
    const size_t block = profile_address(kind_, active_profile());
    const size_t stage_record =
        block + mouse_block::kStages + static_cast<size_t>(stage) * mouse_block::kStageBytes;
    if (configuration[stage_record] == 0) return false;  // a disabled stage is skipped
    configuration[dpi_stage_address()] = static_cast<uint8_t>(stage);
    return true;
}

std::optional<std::array<uint8_t, 3>> Firmware::key_function(int position) const {
    const int positions = memory(FirmwareMemory::Information)[info_byte::kKeyPositions];
    if (position < 0 || position >= positions) return std::nullopt;
    const auto& table = memory(FirmwareMemory::ActiveTable);
    const auto at = static_cast<size_t>(position) * 3;
    return std::array<uint8_t, 3>{table[at], table[at + 1], table[at + 2]};
}

Packet Firmware::answer(const Packet& request) {
    Packet reply = answer_frame(request);
    reply[packet_byte::kStatus] = execute(request, reply);
    seal_packet(reply);
    return reply;
}

uint8_t Firmware::execute(const Packet& request, Packet& reply) {
    if (!checksum_matches(request)) return kStatusBadChecksum;
    const size_t length = request[packet_byte::kLength];
    if (length > kMaxPayloadBytes) return kStatusRefused;
    const size_t address = packet_address(request);
    const auto payload = std::span<const uint8_t>(request).subspan(packet_byte::kPayload, length);
    ++counters_.commands;

    const uint8_t code = request[packet_byte::kCommand];
    if (const MemoryCommand* route = find_memory_command(code)) {
        if (route->access == Access::Read) return read_into(route->memory, address, length, reply);
        if (route->access == Access::ConfigurationWrite && !transfer_open_) return kStatusRefused;
        return write_from(route->memory, address, payload);
    }
    switch (code) {
        case command::kBegin:
            ++counters_.begin_transfers;
            begin_transfer();
            return kStatusOk;
        case command::kEnd:
            ++counters_.end_transfers;
            end_transfer();
            return kStatusOk;
        case command::kLightFrame:
            return take_light_packet(address, payload);
        case command::kLightStatusOn:
            light_status_on_ = true;
            ++counters_.light_status_on;
            return kStatusOk;
        case command::kLinkQuery:
            reply[packet_byte::kPayload] = kLinkUp;
            return kStatusOk;
        default:
            return kStatusRefused;
    }
}

uint8_t Firmware::read_into(FirmwareMemory which, size_t address, size_t length,
                            Packet& reply) const {
    if (address + length > size_bytes(which)) return kStatusRefused;
    const auto& bytes = memory(which);
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(address), length,
                reply.begin() + packet_byte::kPayload);
    return kStatusOk;
}

uint8_t Firmware::write_from(FirmwareMemory which, size_t address, std::span<const uint8_t> bytes) {
    return write(which, address, bytes) ? kStatusOk : kStatusRefused;
}

size_t Firmware::light_frame_bytes() const {
    const size_t lights = kind_ == FirmwareKind::Mouse
                              ? kMouseLeds
                              : memory(FirmwareMemory::Information)[info_byte::kKeyPositions];
    return lights * 3;
}

// A frame arrives in chunks; it counts once the chunk that reaches its last byte is in, so
// readers of the last frame never see half of one.
uint8_t Firmware::take_light_packet(size_t address, std::span<const uint8_t> bytes) {
    if (address + bytes.size() > frame_assembly_.size()) return kStatusRefused;
    std::copy(bytes.begin(), bytes.end(),
              frame_assembly_.begin() + static_cast<std::ptrdiff_t>(address));
    if (address + bytes.size() >= light_frame_bytes()) {
        memory(FirmwareMemory::LightFrame) = frame_assembly_;
        ++counters_.light_frames;
    }
    return kStatusOk;
}

}  // namespace ilmo::sim
