#pragma once
// The keyboard's two per-LED colour layouts: the per-key colour table it keeps for the
// per-key mode (command 0x0B) and the frames the host streams in its host-driven modes
// (command 0x12). Both hold red, green, blue at LED position × 3, key_positions × 3 bytes.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "device/LightingTypes.h"

namespace ilmo::keyboard {

// The LED position of a light that has none.
inline constexpr uint8_t kNoLed = 255;
// The keyboards have at most 171 LED positions (0-170).
inline constexpr uint8_t kLastLed = 170;

// Light i (of the lights that both spans cover) at the position light_led[i], its colour
// unscaled. Lights without a position, or with one above 170 or past key_positions, are
// left out; positions no light fills stay black.
std::vector<uint8_t> per_key_colour_table(std::span<const device::ColorRecord> lights,
                                          std::span<const uint8_t> light_led, int key_positions);

// The colour each light has in a per-key colour table read back from the keyboard: the
// bytes at its LED position. Lights per_key_colour_table leaves out, and lights whose
// position the table does not reach, have none.
std::vector<std::optional<device::Rgb>> light_colours_of_table(std::span<const uint8_t> table,
                                                               std::span<const uint8_t> light_led);

// The same layout with each colour scaled by its light's brightness (value × brightness /
// 256), as the keyboard shows a streamed frame without scaling it again.
std::vector<uint8_t> host_frame(std::span<const device::ColorRecord> lights,
                                std::span<const uint8_t> light_led, int key_positions);

}  // namespace ilmo::keyboard
