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

// The lighting of a device in one 14-byte record: what the profile's "LightInfo" stores
// (bytes 0-7 and 11-13), what the device's settings record carries, and what the host-side
// effects animate from (their running step and blink phase in bytes 8 and 9, which no
// document stores). A "LightList" entry uses the same record for one light's effect, with
// byte 10 telling whether the list had an entry for it.
struct LightRecord {
    uint8_t mode = 0;            // 0 "SelectItem" / "LEDREGMode"
    uint8_t brightness = 0;      // 1 "Light" / "LEDBrightness", level 0-4
    uint8_t speed = 0;           // 2 "Speed" / "LEDSpeed", level 0-4
    uint8_t direction = 0;       // 3 "Fx" / "LEDDirection"
    uint8_t multicolor = 0;      // 4 "MultiColor" / "LEDMultiColor", 0 or 1
    uint8_t red = 0;             // 5
    uint8_t green = 0;           // 6
    uint8_t blue = 0;            // 7
    uint8_t effect_step = 0;     // 8, the running effect's step; never stored
    uint8_t blink_phase = 0;     // 9, the running effect's blink phase; never stored
    uint8_t present = 0;         // 10, effect list entries only
    uint8_t secondary_mode = 0;  // 11 "ZZCCLedMode"
    uint8_t custom_group = 0;    // 12 "CustomGroup"
    uint8_t old_mode = 0;        // 13 "OldLedmode": the mode to return to after a game event
    bool operator==(const LightRecord&) const = default;
};

// `stored` as the running effect continues with it: the step and blink phase of `running`
// are kept, so loading a profile does not restart an animation that did not change.
constexpr LightRecord with_running_effect(LightRecord stored, const LightRecord& running) {
    stored.effect_step = running.effect_step;
    stored.blink_phase = running.blink_phase;
    return stored;
}

// What a controller shows before any profile or device said otherwise.
inline constexpr LightRecord kDefaultLighting{.brightness = 4, .speed = 2, .red = 0xFF};

// The music lighting choice of a device: mode and two colours (0xFFRRGGBB).
struct AudioLighting {
    int mode = 0;
    uint32_t first_color = 0xFFFF0000;
    uint32_t second_color = 0xFF0000FF;
};

}  // namespace ilmo::device
