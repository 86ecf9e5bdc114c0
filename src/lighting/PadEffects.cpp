#include "lighting/PadEffects.h"

#include <algorithm>
#include <cstddef>

#include "lighting/EffectConstants.h"
#include "lighting/SharedEffects.h"

namespace ilmo::lighting {

namespace {

constexpr int kWaveStridePerLight = 7;
constexpr int kFlowHueStride = 12;
constexpr int kFlowFadePerStep = 24;
constexpr int kPairedFadePerStep = 32;
constexpr int kMeetingLight = kPadPairs;  // the light between the two halves of the pairs

PadFlowState with_marks(std::initializer_list<int> marks) {
    PadFlowState state;
    for (int mark : marks) state.ring[static_cast<size_t>(mark)] = true;
    return state;
}

// Fades every level, and every second step flares the first `marked` levels under their ring
// marks and turns the ring.
void advance_flow(PadFlowState& state, const device::LightRecord& record, int marked, int fade) {
    for (uint8_t& level : state.level) level = static_cast<uint8_t>(std::max(0, level - fade));
    if (state.steps++ % 2 != 0) return;
    for (int i = 0; i < marked; ++i)
        if (state.ring[static_cast<size_t>(i)]) state.level[static_cast<size_t>(i)] = 255;
    if (record.direction == 0)
        std::rotate(state.ring.begin(), state.ring.begin() + 1, state.ring.end());
    else
        std::rotate(state.ring.rbegin(), state.ring.rbegin() + 1, state.ring.rend());
}

void show(std::span<device::ColorRecord> lights, int light, const device::LightRecord& record,
          int hue, int level) {
    if (light >= static_cast<int>(lights.size())) return;
    lights[static_cast<size_t>(light)] = with_brightness(
        spectrum_or_single(record, hue), scale_byte(brightness_byte(record.brightness), level));
}

}  // namespace

PadFlowState prepared_flow() {
    return with_marks({0, 12});
}

PadFlowState prepared_paired_flow() {
    return with_marks({0, 8, 16});
}

int advance_wave(device::LightRecord& record) {
    const int limit = record.multicolor ? kSpectrumSize : kPadBreathingSteps;
    return advance_effect_step(record, limit, record.direction != 0);
}

device::ColorRecord wave_color(const device::LightRecord& record, int step, int place) {
    const uint8_t brightness = brightness_byte(record.brightness);
    const int index = step + 1 + kWaveStridePerLight * place;
    if (record.multicolor) return with_brightness(spectrum_color(index), brightness);
    return with_brightness(single_color(record),
                           scale_byte(brightness, pad_breathing_factor(index)));
}

void pad_wave(std::span<device::ColorRecord> lights, device::LightRecord& record) {
    const int step = advance_wave(record);
    for (size_t i = 0; i < lights.size(); ++i)
        lights[i] = wave_color(record, step, static_cast<int>(i));
}

void pad_flow(std::span<device::ColorRecord> lights, device::LightRecord& record,
              PadFlowState& state) {
    advance_flow(state, record, kPadLights, kFlowFadePerStep);
    advance_effect_step(record, kFlowRingSize, record.direction != 0);
    for (int i = 0; i < kPadLights; ++i)
        show(lights, i, record, kFlowHueStride * i, state.level[static_cast<size_t>(i)]);
}

void pad_paired_flow(std::span<device::ColorRecord> lights, device::LightRecord& record,
                     PadFlowState& state) {
    advance_flow(state, record, kPadPairs, kPairedFadePerStep);
    advance_effect_step(record, kFlowRingSize, record.direction != 0);
    for (int pair = 0; pair < kPadPairs; ++pair) {
        const int level = state.level[static_cast<size_t>(pair)];
        show(lights, pair, record, kFlowHueStride * pair, level);
        show(lights, kPadLights - 1 - pair, record, kFlowHueStride * pair, level);
    }
    const int last = kPadPairs - 1;
    show(lights, kMeetingLight, record, kFlowHueStride * last,
         state.level[static_cast<size_t>(last)]);
}

}  // namespace ilmo::lighting
