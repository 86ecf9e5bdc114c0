#include "keyboard/SettingsRecord.h"

#include <algorithm>

#include "keyboard/LightBytes.h"
#include "keyboard/SystemOptionsWords.h"

namespace ilmo::keyboard {

namespace {

enum Byte : size_t {
    kProfile = 0,
    kMode = 1,
    kDirection = 4,
    kCleared = 16,
    kSecondaryMode = 18,
    kWKey = 19,
    kSixKey = 20,
    kWinLock = 21,
    kPollingRate = 22,
    kCustomGroup = 25,
};

constexpr uint8_t kTopPollingStep = 3;

constexpr uint8_t flag_byte(unsigned value) {
    return value != 0 ? 1 : 0;
}

uint8_t mode_read(uint8_t byte, uint8_t host_mode, std::span<const int> known_modes) {
    const bool known = std::find(known_modes.begin(), known_modes.end(), byte) != known_modes.end();
    return byte != kHostDrivenModeByte && known ? byte : host_mode;
}

}  // namespace

uint16_t settings_address(int profile) {
    return static_cast<uint16_t>(profile * 33);
}

SettingsRecord encode_settings_record(const SettingsRecord& kept, uint8_t byte0,
                                      const device::LightRecord& light,
                                      const SystemOptions& options) {
    SettingsRecord record = kept;
    record[kProfile] = byte0;
    record[kMode] = is_host_driven(light.mode) ? kHostDrivenModeByte : light.mode;
    put_light_bytes(record, light);
    record[kDirection] = light.direction;
    record[kCleared] = 0;
    record[kSecondaryMode] = light.secondary_mode;
    record[kWKey] = flag_byte(options.w_key);
    record[kSixKey] = flag_byte(options.six_key);
    record[kWinLock] = flag_byte(options.win_lock);
    record[kPollingRate] = static_cast<uint8_t>(shown_step(options.polling_rate));
    record[kCustomGroup] = light.custom_group;
    return record;
}

SettingsRead decode_settings_record(const SettingsRecord& record, const device::LightRecord& host,
                                    const SystemOptions& host_options,
                                    std::span<const int> known_modes) {
    SettingsRead read{take_light_bytes(record, host), host_options};
    read.light.mode = mode_read(record[kMode], host.mode, known_modes);
    read.light.custom_group = record[kCustomGroup];
    read.options.w_key = flag_byte(record[kWKey]);
    read.options.six_key = flag_byte(record[kSixKey]);
    read.options.win_lock = flag_byte(record[kWinLock]);
    read.options.polling_rate = std::min(record[kPollingRate], kTopPollingStep);
    return read;
}

void keep_device_options(SettingsRecord& record, const SettingsRecord& kept) {
    for (const size_t at : {kWKey, kSixKey, kWinLock, kPollingRate}) record[at] = kept[at];
}

}  // namespace ilmo::keyboard
