#include "keyboard/LightFrames.h"

#include <algorithm>

namespace ilmo::keyboard {

namespace {

// Where light colours go: LED positions the keyboard has, never above the last one.
bool in_table(uint8_t led, int positions) {
    return led <= kLastLed && led < positions;  // also leaves out kNoLed
}

template <typename Colour>
std::vector<uint8_t> led_layout(std::span<const device::ColorRecord> lights,
                                std::span<const uint8_t> light_led, int key_positions,
                                Colour colour_of) {
    const int positions = std::max(key_positions, 0);
    std::vector<uint8_t> bytes(static_cast<size_t>(positions) * 3, 0);
    const size_t count = std::min(lights.size(), light_led.size());
    for (size_t i = 0; i < count; ++i) {
        const uint8_t led = light_led[i];
        if (!in_table(led, positions)) continue;
        const device::Rgb rgb = colour_of(lights[i]);
        bytes[led * 3u] = rgb.red;
        bytes[led * 3u + 1] = rgb.green;
        bytes[led * 3u + 2] = rgb.blue;
    }
    return bytes;
}

}  // namespace

std::vector<uint8_t> per_key_colour_table(std::span<const device::ColorRecord> lights,
                                          std::span<const uint8_t> light_led, int key_positions) {
    return led_layout(lights, light_led, key_positions, [](const device::ColorRecord& c) {
        return device::Rgb{c.red, c.green, c.blue};
    });
}

std::vector<std::optional<device::Rgb>> light_colours_of_table(std::span<const uint8_t> table,
                                                               std::span<const uint8_t> light_led) {
    const int positions = static_cast<int>(table.size() / 3);
    std::vector<std::optional<device::Rgb>> colours(light_led.size());
    for (size_t i = 0; i < light_led.size(); ++i) {
        const uint8_t led = light_led[i];
        if (in_table(led, positions))
            colours[i] = device::Rgb{table[led * 3u], table[led * 3u + 1], table[led * 3u + 2]};
    }
    return colours;
}

std::vector<uint8_t> host_frame(std::span<const device::ColorRecord> lights,
                                std::span<const uint8_t> light_led, int key_positions) {
    return led_layout(lights, light_led, key_positions, device::scaled);
}

}  // namespace ilmo::keyboard
