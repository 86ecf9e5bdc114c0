// The keyboard effects drawn from the board's tables and from colours the page hands over.

#include <algorithm>
#include <cstddef>

#include "lighting/EffectConstants.h"
#include "lighting/KeyboardEffects.h"

namespace ilmo::lighting {

namespace {

constexpr int kColumnHueStride = 7;
constexpr int kFirstRingHue = 138;
constexpr int kRingHueStride = 12;
constexpr float kCustomSweepColumnsPerStep = 0.6f;

// Table entries of 170 and 255 name no light; neither do entries past the board.
bool is_table_light(int light) {
    return light >= 0 && light < kBoardLights;
}

}  // namespace

int light_of_key(std::span<const int> key_to_light, int key) {
    if (key_to_light.empty()) return key;
    if (key < 0 || key >= static_cast<int>(key_to_light.size())) return -1;
    return key_to_light[static_cast<size_t>(key)];
}

void column_rainbow_breathing(KeyCanvas& canvas, device::LightRecord& record) {
    const int step = advance_effect_step(record, kBreathingSteps, true);
    const uint8_t brightness = scale_byte(breathing_factor(step), canvas.level_brightness());
    canvas.clear();
    std::bitset<kPlacedLights> painted;
    const ColumnTable& columns = column_table();
    for (int column = 0; column < kBoardColumns; ++column) {
        const device::Rgb color = spectrum_or_single(record, kColumnHueStride * column);
        for (uint8_t light : columns[static_cast<size_t>(column)]) {
            if (!is_table_light(light) || light >= canvas.placed_lights()) continue;
            canvas.set(light, with_brightness(color, brightness));
            painted.set(light);
        }
    }
    canvas.fill_gaps(painted);
}

void steady_by_rows(KeyCanvas& canvas, std::span<const int> key_to_light) {
    canvas.clear();
    std::bitset<kPlacedLights> painted;
    for (int ring = 0; ring < kKeyRings; ++ring) {
        const device::Rgb color = spectrum_color(kFirstRingHue - kRingHueStride * ring);
        for (uint8_t key : ring_keys(ring)) {
            const int light = light_of_key(key_to_light, key);
            if (!is_table_light(light) || light >= canvas.placed_lights()) continue;
            canvas.set(light, with_brightness(color, canvas.level_brightness()));
            painted.set(static_cast<size_t>(light));
        }
    }
    canvas.fill_gaps(painted);
}

void custom_colors(KeyCanvas& canvas, device::LightRecord&, KeyboardEffectState& state,
                   std::span<const device::Rgb> colors) {
    const float front = kCustomSweepColumnsPerStep * static_cast<float>(state.steps++);
    canvas.clear();
    const auto& places = light_places();
    const int count = std::min(canvas.placed_lights(), static_cast<int>(colors.size()));
    for (int light = 0; light < count; ++light) {
        const float behind = front - places[static_cast<size_t>(light)].x;
        if (behind < 0) continue;
        // The sweep's edge flares white as it passes.
        const device::Rgb color =
            behind < 1.0f ? device::Rgb{255, 255, 255} : colors[static_cast<size_t>(light)];
        canvas.paint(light, color, 255);
    }
}

}  // namespace ilmo::lighting
