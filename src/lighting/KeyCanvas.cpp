#include "lighting/KeyCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

#include "lighting/EffectConstants.h"
#include "lighting/SharedEffects.h"

namespace ilmo::lighting {

void KeyCanvas::clear() {
    lights_off(lights_);
}

int KeyCanvas::placed_lights() const {
    return std::min(kPlacedLights, static_cast<int>(lights_.size()));
}

device::ColorRecord* KeyCanvas::at(int light) {
    if (light < 0 || light >= placed_lights()) return nullptr;
    return &lights_[static_cast<size_t>(light)];
}

void KeyCanvas::paint(int light, device::Rgb color, int intensity) {
    if (device::ColorRecord* record = at(light))
        *record = with_brightness(color,
                                  scale_byte(level_brightness_, std::clamp(intensity, 0, 255) + 1));
}

void KeyCanvas::set(int light, device::ColorRecord color) {
    if (device::ColorRecord* record = at(light)) *record = color;
}

bool KeyCanvas::is_dark(int light) const {
    if (light < 0 || light >= placed_lights()) return true;
    return device::scaled(lights_[static_cast<size_t>(light)]) == device::Rgb{};
}

void KeyCanvas::fill_gaps(const std::bitset<kPlacedLights>& painted) {
    const auto& places = light_places();
    const int count = placed_lights();
    for (int light = 0; light < count; ++light) {
        if (painted[static_cast<size_t>(light)]) continue;
        int nearest = -1;
        float best = std::numeric_limits<float>::max();
        for (int other = 0; other < count; ++other) {
            if (!painted[static_cast<size_t>(other)]) continue;
            const float d =
                distance(places[static_cast<size_t>(light)], places[static_cast<size_t>(other)]);
            if (d < best) best = d, nearest = other;
        }
        if (nearest >= 0) *at(light) = *at(nearest);
    }
}

void KeyCanvas::paint_max(int light, device::Rgb color, int intensity) {
    const device::ColorRecord* record = at(light);
    if (!record) return;
    const uint8_t old_brightness = record->brightness;
    const bool lit = record->red || record->green || record->blue;
    if (!lit || scale_byte(level_brightness_, std::clamp(intensity, 0, 255) + 1) > old_brightness)
        paint(light, color, intensity);
}

uint32_t Random::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

int Random::below(int n) {
    return n < 1 ? 0 : static_cast<int>(next() % static_cast<uint32_t>(n));
}

float distance(LightPlace a, LightPlace b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

int rounded(float value) {
    return static_cast<int>(std::lround(value));
}

}  // namespace ilmo::lighting
