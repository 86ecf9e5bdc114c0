#pragma once
// Bytes 2 to 8 of the keyboard's and the mouse-pad's lighting settings records share one
// layout: brightness level, speed stored inverted (4 − level), direction, colourful flag,
// red, green, blue. Levels from a device or a file are clamped to 0-4, so a stray byte can
// neither index past a level table nor turn into a huge inverted speed.

#include <algorithm>
#include <cstdint>
#include <span>

#include "device/LightingTypes.h"

namespace ilmo::keyboard {

inline constexpr uint8_t kTopLevel = 4;

constexpr uint8_t clamped_level(uint8_t level) {
    return std::min(level, kTopLevel);
}
// The devices keep the speed inverted: level 4 (fastest) is stored as 0.
constexpr uint8_t inverted_speed(uint8_t speed) {
    return static_cast<uint8_t>(kTopLevel - clamped_level(speed));
}

// Writes brightness, speed, colourful flag and colour (bytes 2, 3, 5-8); direction (4) is
// left to the caller, since the pad keeps the one it last read. `record` holds at least 9.
void put_light_bytes(std::span<uint8_t> record, const device::LightRecord& light);

// `host` with brightness, speed, direction, colourful flag and colour taken from bytes 2-8;
// every other field of `host` stays. `record` holds at least 9 bytes.
device::LightRecord take_light_bytes(std::span<const uint8_t> record, device::LightRecord host);

}  // namespace ilmo::keyboard
