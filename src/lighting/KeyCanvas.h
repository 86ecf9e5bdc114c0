#pragma once
// Drawing on the keyboard's lights: an effect paints each board key and strip light a colour
// at an intensity (0-255) of the level's brightness, and where shapes overlap the brighter one
// shows. Lights past the span, and the lights with no place, are never painted and stay off.

#include <bitset>
#include <cstdint>
#include <span>

#include "device/LightingTypes.h"
#include "lighting/KeyboardLayout.h"

namespace ilmo::lighting {

class KeyCanvas {
public:
    KeyCanvas(std::span<device::ColorRecord> lights, uint8_t level_brightness)
        : lights_(lights), level_brightness_(level_brightness) {}

    // Every light off.
    void clear();
    // The placed lights (board keys, then the strip) this span reaches.
    int placed_lights() const;
    void paint(int light, device::Rgb color, int intensity);
    // Sets a light's record as it is, for effects whose brightness is given exactly.
    void set(int light, device::ColorRecord color);
    // Paints only where the light is not already brighter.
    void paint_max(int light, device::Rgb color, int intensity);
    uint8_t level_brightness() const { return level_brightness_; }
    // Whether a light shows nothing (off, black, or past the span).
    bool is_dark(int light) const;
    // A placed light not in `painted` shows what its nearest painted light shows, so a key a
    // table leaves out (and the strip, which no table lists) does not sit dark in an effect
    // that lights the whole board.
    void fill_gaps(const std::bitset<kPlacedLights>& painted);

private:
    device::ColorRecord* at(int light);

    std::span<device::ColorRecord> lights_;
    uint8_t level_brightness_;
};

// A small deterministic generator: the same calls give the same animation, so frames can be
// compared and a preview looks the same each time the effect starts.
class Random {
public:
    Random() = default;
    explicit Random(uint32_t seed) : state_(seed ? seed : 1u) {}
    uint32_t next();
    // 0 .. n−1; 0 for n below 1.
    int below(int n);

private:
    uint32_t state_ = 0x9E3779B9u;
};

float distance(LightPlace a, LightPlace b);
// The nearest whole number: an intensity, a spectrum entry or a row from a drawing's maths.
int rounded(float value);

}  // namespace ilmo::lighting
