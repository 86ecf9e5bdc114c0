#include "lighting/KeyboardPreview.h"

#include <cstddef>
#include <algorithm>

#include "lighting/EffectConstants.h"

namespace ilmo::lighting {

namespace {

constexpr size_t kKeptBands = kBandCount;

std::optional<PressAnswer> answer_of(int mode) {
    switch (mode) {
        case 7: return PressAnswer::kRipple;
        case 8: return PressAnswer::kGlow;
        case 9: return PressAnswer::kSparkle;
        case 25: return PressAnswer::kCross;
        default: return std::nullopt;
    }
}

// What a mode sets up beyond the common restart (running step, blink phase, counters,
// glows, shapes, all lights off). The heartbeat and the custom colours need nothing more:
// with their step count back at 0 the heartbeat starts on a beat and the custom colours
// sweep in again.
void prepare_mode(int mode, KeyboardEffectState& state) {
    const auto& places = light_places();
    switch (mode) {
        case 11:
            prepare_glitter(state);
            break;
        case 13:  // a burst already in the sky, so the effect does not open on a dark board
            state.sparks.push_back({{kBoardCentre.x, 1.0f}, spectrum_color(state.random.below(kSpectrumSize)),
                                    SparkShape::kBurst, 0});
            break;
        case 15:
            prepare_rain(state);
            break;
        case 22:  // a few drops already falling
            for (int i = 0; i < 3; ++i)
                state.sparks.push_back({places[static_cast<size_t>(state.random.below(kBoardLights))],
                                        spectrum_color(state.random.below(kSpectrumSize)),
                                        SparkShape::kDroplet, 4 * i});
            break;
        default:
            break;
    }
}

}  // namespace

void KeyboardPreview::restart(const device::LightRecord& lighting) {
    state_ = KeyboardEffectState{};
    prepare_mode(lighting.mode, state_);
}

int KeyboardPreview::step_ticks(const device::LightRecord& lighting) const {
    const int ticks = ticks_per_step(lighting.mode, lighting.speed);
    return ticks > 0 ? ticks : kStandbyTicks;
}

void KeyboardPreview::run_step(device::LightRecord& lighting,
                               std::span<device::ColorRecord> lights, int64_t now_ms) {
    KeyCanvas canvas(lights, brightness_byte(lighting.brightness));
    KeyboardEffectState& s = state_;
    switch (lighting.mode) {
        case 1: return rainbow_wave(canvas, lighting, s);
        case 2: return snake(canvas, lighting, s);
        case 3: return pinwheel_swirl(canvas, lighting, s);
        case 4: return spectrum_wheel(lights, lighting);
        case 5: return column_rainbow_breathing(canvas, lighting);
        case 6:
            if (lighting.multicolor) return steady_by_rings(canvas, key_to_light_);
            return steady(lights, lighting);
        case 7:
        case 25: return spreading_presses(canvas, lighting, s);
        case 8: return glowing_presses(canvas, lighting, s);
        case 9: return sparkling_presses(canvas, lighting, s);
        case 10: return mosaic(canvas, lighting, s);
        case 11: return glitter(canvas, lighting, s);
        case 12: return vertical_wave(canvas, lighting, s);
        case 13: return fireworks(canvas, lighting, s);
        case 14: return starlight(canvas, lighting, s);
        case 15: return rain(canvas, lighting, s);
        case 16: return heartbeat(canvas, lighting, s);
        case 17: return aurora(canvas, lighting, s);
        case 18: return radial_rings(canvas, lighting, s);
        case 19: return scanner_bar(canvas, lighting, s);
        case 20: return custom_colors(canvas, lighting, s, custom_colors_);
        case 21: return music_idle(canvas, lighting, s);
        case 22: return raindrops(canvas, lighting, s);
        case 23: return blinking_spectrum_cycle(lights, lighting, s.shared, now_ms);
        case 24: return radar_sweep(canvas, lighting, s);
        case 26: return four_color_cycle(lights, lighting, s.shared);
        case 27: return blinking_four_color_cycle(lights, lighting, s.shared, now_ms);
        case 28: return lights_off(lights);
        case 30:
            return fill(lights, with_brightness(host_color_.value_or(single_color(lighting)),
                                                brightness_byte(lighting.brightness)));
        default: return standby_glow(canvas, lighting, s);
    }
}

void KeyboardPreview::key_event(int key_index, bool down) {
    if (!prepared_mode()) return;
    const std::optional<PressAnswer> answer = answer_of(*prepared_mode());
    if (!answer) return;
    answer_key(*answer, light_of_key(key_to_light_, key_index), down, last_lighting(), state_);
}

void KeyboardPreview::set_key_to_light(std::span<const int> key_to_light) {
    key_to_light_.assign(key_to_light.begin(), key_to_light.end());
}

void KeyboardPreview::set_custom_colors(std::span<const device::Rgb> colors) {
    custom_colors_.assign(colors.begin(), colors.end());
}

void KeyboardPreview::set_band_levels(std::span<const int> levels) {
    band_levels_.assign(levels.begin(), levels.begin() + std::min(levels.size(), kKeptBands));
}

}  // namespace ilmo::lighting
