#pragma once
// Colour and lighting state shared by every controller.

#include <cstdint>

namespace ilmo::device {

// One light: its colour and a brightness that scales it when a frame is built.
struct ColorRecord {
    uint8_t red = 0xFF;
    uint8_t green = 0xFF;
    uint8_t blue = 0xFF;
    uint8_t brightness = 0xFF;
    bool operator==(const ColorRecord&) const = default;
};

struct Rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

// value × brightness / 256, as every frame is built.
constexpr Rgb scaled(const ColorRecord& c) {
    return {static_cast<uint8_t>(c.red * c.brightness / 256),
            static_cast<uint8_t>(c.green * c.brightness / 256),
            static_cast<uint8_t>(c.blue * c.brightness / 256)};
}

// What the host-side effects animate from.
struct LightingState {
    uint8_t mode = 0;
    uint8_t brightness = 4;  // level 0-4
    uint8_t speed = 2;       // level 0-4
    uint8_t direction = 0;
    uint8_t colourful = 0;
    uint8_t red = 0xFF;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t effect_step = 0;
    uint8_t blink_phase = 0;
};

// The music lighting choice of a device: mode and two colours (0xFFRRGGBB).
struct AudioLighting {
    int mode = 0;
    uint32_t first_color = 0xFFFF0000;
    uint32_t second_color = 0xFF0000FF;
};

}  // namespace ilmo::device
