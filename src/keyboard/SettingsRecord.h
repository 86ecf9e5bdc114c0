#pragma once
// The keyboard's 34-byte lighting settings record: one per on-board profile, read with
// command 0x05 and written with 0x06 at profile × 33. The records overlap (a record's last
// byte is the next one's first), and the keyboard keeps bytes of its own in them, so a
// write carries those bytes over from a read of the same record.
//
// How a writer uses it: inside begin/end transfer, read the target profile's record at
// settings_address(profile), and only when that read succeeded write
// encode_settings_record(that record, ...) back to the same address. Bytes kept from a
// record read earlier may be another profile's, and writing them would overwrite that
// profile's settings on the device.

#include <array>
#include <cstdint>
#include <span>

#include "device/LightingTypes.h"
#include "keyboard/SystemOptions.h"

namespace ilmo::keyboard {

using SettingsRecord = std::array<uint8_t, 34>;

// The byte at address 0 holds the index of the active on-board profile.
inline constexpr uint16_t kActiveProfileAddress = 0;
inline constexpr uint8_t kHostDrivenModeByte = 0xFE;
// Audio-reactive and host colour: the host streams the frames, the keyboard only shows them.
inline constexpr int kAudioMode = 21;
inline constexpr int kHostColourMode = 30;

// Per-key colours: the custom group's colours are uploaded to the keyboard.
inline constexpr int kPerKeyMode = 20;

constexpr bool is_host_driven(int mode) {
    return mode == kAudioMode || mode == kHostColourMode;
}

uint16_t settings_address(int profile);

// `kept` with the host's lighting and system options written over it: byte 0 `byte0`,
// 1 mode (0xFE for a host-driven one), 2 brightness, 3 4 − speed, 4 direction, 5 colourful,
// 6-8 colour, 16 zero, 18 second mode byte, 19 W-key, 20 six-key, 21 Windows-key lock,
// 22 polling rate, 25 custom group. Levels go out clamped to 0-4, a polling rate step
// outside 0-3 as the step 0 the page shows for it, flags as 0 or 1.
SettingsRecord encode_settings_record(const SettingsRecord& kept, uint8_t byte0,
                                      const device::LightRecord& light,
                                      const SystemOptions& options);

// The option bytes (19-22) of `record` put back as the keyboard had them in `kept`: options
// are written only by cable, and a write through the receiver leaves them alone.
void keep_device_options(SettingsRecord& record, const SettingsRecord& kept);

struct SettingsRead {
    device::LightRecord light;
    SystemOptions options;
};

// What the host takes from a record read from the keyboard, starting from its own state:
// the mode unless it is 0xFE or not one of `known_modes`, levels clamped to 0-4,
// direction, colourful flag, colour, custom group, and the W-key, six-key, Windows-key lock
// and polling rate (clamped to 0-3) options, so the page shows what the keyboard runs. The
// second mode byte and the repeat rate and delay stay the host's: the keyboard does not
// report the first, and no byte carries the others.
SettingsRead decode_settings_record(const SettingsRecord& record, const device::LightRecord& host,
                                    const SystemOptions& host_options,
                                    std::span<const int> known_modes);

}  // namespace ilmo::keyboard
