#include "lighting/SharedEffects.h"

#include <algorithm>

#include "lighting/EffectConstants.h"

namespace ilmo::lighting {

namespace {

constexpr int kSpectrumCycleStride = 16;

int next_spectrum_cycle_index(int index) {
    const int next = index + kSpectrumCycleStride;
    return (next >= kSpectrumSize || next < 0) ? 0 : next;
}

int next_four_color_index(int index) {
    return (index + 1 >= kFourColorCount || index < 0) ? 0 : index + 1;
}

using NextIndex = int (*)(int);
using ColorAt = device::Rgb (*)(const device::LightRecord&, int);

device::Rgb four_color_at(const device::LightRecord&, int index) {
    return four_color(index);
}

void breathe(std::span<device::ColorRecord> lights, device::LightRecord& record,
             SharedEffectState& state, NextIndex next_index, ColorAt color_at) {
    const int step = advance_effect_step(record, kBreathingSteps, record.direction != 0);
    if (step == 0) state.color_index = next_index(state.color_index);
    const uint8_t brightness =
        scale_byte(breathing_factor(step), brightness_byte(record.brightness));
    fill(lights, with_brightness(color_at(record, state.color_index), brightness));
}

void blink(std::span<device::ColorRecord> lights, device::LightRecord& record,
           SharedEffectState& state, int64_t now_ms, NextIndex next_index, ColorAt color_at) {
    if (!state.blink_toggled_ms) {
        state.blink_toggled_ms = now_ms;
        record.blink_phase = 1;
    } else if (now_ms - *state.blink_toggled_ms >= blink_half_period_ms(record.speed)) {
        state.blink_toggled_ms = now_ms;
        record.blink_phase = record.blink_phase ? 0 : 1;
        state.color_index = next_index(state.color_index);
    }
    if (record.blink_phase)
        fill(lights, with_brightness(color_at(record, state.color_index),
                                     brightness_byte(record.brightness)));
    else
        lights_off(lights);
}

}  // namespace

device::Rgb single_color(const device::LightRecord& record) {
    return {record.red, record.green, record.blue};
}

device::ColorRecord with_brightness(device::Rgb color, uint8_t brightness) {
    return {color.red, color.green, color.blue, brightness};
}

void fill(std::span<device::ColorRecord> lights, device::ColorRecord color) {
    std::fill(lights.begin(), lights.end(), color);
}

device::Rgb spectrum_or_single(const device::LightRecord& record, int index) {
    return record.multicolor ? spectrum_color(index) : single_color(record);
}

int advance_effect_step(device::LightRecord& record, int limit, bool up, int amount) {
    int step = record.effect_step;
    for (int i = 0; i < amount; ++i) step = next_step(step, limit, up);
    record.effect_step = static_cast<uint8_t>(step);
    return step;
}

void spectrum_cycle_breathing(std::span<device::ColorRecord> lights, device::LightRecord& record,
                              SharedEffectState& state) {
    breathe(lights, record, state, next_spectrum_cycle_index, spectrum_or_single);
}

void four_color_cycle(std::span<device::ColorRecord> lights, device::LightRecord& record,
                      SharedEffectState& state) {
    breathe(lights, record, state, next_four_color_index, four_color_at);
}

void steady(std::span<device::ColorRecord> lights, const device::LightRecord& record) {
    fill(lights, with_brightness(single_color(record), brightness_byte(record.brightness)));
}

void spectrum_wheel(std::span<device::ColorRecord> lights, device::LightRecord& record) {
    const int step = advance_effect_step(record, kSpectrumSize, record.direction != 0);
    fill(lights, with_brightness(spectrum_color(step), brightness_byte(record.brightness)));
}

void blinking_spectrum_cycle(std::span<device::ColorRecord> lights, device::LightRecord& record,
                             SharedEffectState& state, int64_t now_ms) {
    blink(lights, record, state, now_ms, next_spectrum_cycle_index, spectrum_or_single);
}

void blinking_four_color_cycle(std::span<device::ColorRecord> lights, device::LightRecord& record,
                               SharedEffectState& state, int64_t now_ms) {
    blink(lights, record, state, now_ms, next_four_color_index, four_color_at);
}

void lights_off(std::span<device::ColorRecord> lights) {
    fill(lights, device::ColorRecord{0, 0, 0, 0});
}

}  // namespace ilmo::lighting
