#pragma once
// The effect steps every device previews the same way. Each fills every light's colour record
// from the lighting record: its brightness and speed levels, direction, colourful flag and
// single colour, and its running step (byte 8) and blink phase (byte 9), which the steps
// advance. What else an effect keeps between steps lives in SharedEffectState.

#include <cstdint>
#include <optional>
#include <span>

#include "device/LightingTypes.h"

namespace ilmo::lighting {

struct SharedEffectState {
    int color_index = 0;                      // spectrum entry, or four-colour entry
    std::optional<int64_t> blink_toggled_ms;  // none until the blink first shows
};

// The record's single colour.
device::Rgb single_color(const device::LightRecord& record);
device::ColorRecord with_brightness(device::Rgb color, uint8_t brightness);
void fill(std::span<device::ColorRecord> lights, device::ColorRecord color);
// Spectrum entry `index` when the record is colourful, else its single colour.
device::Rgb spectrum_or_single(const device::LightRecord& record, int index);
// Moves the running step `amount` times by the step rule and returns it.
int advance_effect_step(device::LightRecord& record, int limit, bool up, int amount = 1);

// Breathes over the curve (128 steps, direction byte); each time the step comes back to 0
// the colour index moves 16 entries on. Spectrum colour when colourful, else the single one.
void spectrum_cycle_breathing(std::span<device::ColorRecord> lights, device::LightRecord& record,
                              SharedEffectState& state);
// Breathes like the spectrum cycle through the four-colour set, one colour per breath.
// The set is the effect's whole point, so the colourful flag does not replace it.
void four_color_cycle(std::span<device::ColorRecord> lights, device::LightRecord& record,
                      SharedEffectState& state);
// Every light the single colour at the level's brightness.
void steady(std::span<device::ColorRecord> lights, const device::LightRecord& record);
// Steps over the 192 spectrum colours; every light the current one.
void spectrum_wheel(std::span<device::ColorRecord> lights, device::LightRecord& record);
// Every blink half-period the phase flips and the colour index moves 16 on; lights show the
// colour while the phase is on and are black otherwise. The first call shows the colour at
// once, so a freshly chosen blink does not start with a dark half-period.
void blinking_spectrum_cycle(std::span<device::ColorRecord> lights, device::LightRecord& record,
                             SharedEffectState& state, int64_t now_ms);
// As the blinking spectrum cycle, one colour of the four-colour set per flash.
void blinking_four_color_cycle(std::span<device::ColorRecord> lights, device::LightRecord& record,
                               SharedEffectState& state, int64_t now_ms);
void lights_off(std::span<device::ColorRecord> lights);

}  // namespace ilmo::lighting
