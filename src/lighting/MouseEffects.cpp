#include "lighting/MouseEffects.h"

#include <algorithm>
#include <cstddef>

#include "lighting/EffectConstants.h"
#include "lighting/PadEffects.h"
#include "lighting/SharedEffects.h"

namespace ilmo::lighting {

namespace {

constexpr std::array<int, kMouseLights> kGroupOfLight{0, 1, 2, 3, 4, 5, 6, 6, 5, 4, 3, 2, 1, 0, 6};
constexpr int kFlashHueStride = 12;
// A flashed group fades out over about five steps, so a short tail follows the flash.
constexpr int kFlashFadePerStep = 48;
constexpr int kReactiveFadePerStep = 15;
constexpr int kFull = 255;

// Light i takes what its group shows.
template <class GroupColor>
void show_groups(std::span<device::ColorRecord> lights, GroupColor group_color) {
    for (size_t i = 0; i < lights.size(); ++i) {
        const int group = mouse_group_of(static_cast<int>(i));
        if (group >= 0) lights[i] = group_color(group);
    }
}

device::ColorRecord at_level(const device::LightRecord& record, int hue, int level) {
    return with_brightness(spectrum_or_single(record, hue),
                           scale_byte(brightness_byte(record.brightness), level));
}

}  // namespace

int mouse_group_of(int light) {
    if (light < 0 || light >= kMouseLights) return -1;
    return kGroupOfLight[static_cast<size_t>(light)];
}

void mouse_wave(std::span<device::ColorRecord> lights, device::LightRecord& record) {
    const int step = advance_wave(record);
    show_groups(lights, [&](int group) { return wave_color(record, step, group); });
}

void group_flash(std::span<device::ColorRecord> lights, device::LightRecord& record,
                 GroupFlashState& state) {
    for (uint8_t& level : state.level)
        level = static_cast<uint8_t>(std::max(0, level - kFlashFadePerStep));
    const auto group =
        static_cast<size_t>(advance_effect_step(record, kMouseGroups, record.direction != 0));
    state.level[group] = kFull;
    state.hue[group] = static_cast<uint8_t>(state.next_hue);
    state.next_hue = (state.next_hue + kFlashHueStride) % kSpectrumSize;
    show_groups(lights, [&](int g) {
        const auto at = static_cast<size_t>(g);
        return at_level(record, state.hue[at], state.level[at]);
    });
}

void reactive_flare(ReactiveState& state) {
    std::uniform_int_distribution<int> any_hue(0, kSpectrumSize - 1);
    std::array<uint8_t, kMouseGroups> group_hue{};
    for (uint8_t& hue : group_hue) hue = static_cast<uint8_t>(any_hue(state.random));
    for (size_t i = 0; i < kMouseLights; ++i) {
        state.fade[i] = kFull;
        state.rising[i] = true;
        state.hue[i] = group_hue[static_cast<size_t>(mouse_group_of(static_cast<int>(i)))];
    }
}

bool reactive_fading(const ReactiveState& state) {
    return std::ranges::any_of(state.fade, [](uint8_t fade) { return fade > 0; });
}

void reactive_step(std::span<device::ColorRecord> lights, const device::LightRecord& record,
                   ReactiveState& state) {
    for (size_t i = 0; i < kMouseLights; ++i) {
        // Saturating: a byte counter would wrap past full and flicker dark for a step.
        int fade = state.fade[i];
        if (state.rising[i]) {
            fade = std::min(kFull, fade + kReactiveFadePerStep);
            state.rising[i] = fade < kFull;
        } else {
            fade = std::max(0, fade - kReactiveFadePerStep);
        }
        state.fade[i] = static_cast<uint8_t>(fade);
    }
    const size_t count = std::min(lights.size(), size_t{kMouseLights});
    for (size_t i = 0; i < count; ++i) lights[i] = at_level(record, state.hue[i], state.fade[i]);
}

}  // namespace ilmo::lighting
