#include "lighting/MousePreview.h"

#include <limits>

#include "lighting/EffectConstants.h"

namespace ilmo::lighting {

const std::array<uint8_t, 96>& kMouseBreath = kPadBreathingCurve;

namespace {

enum MouseMode : int {
    kWave = 0,
    kWheel = 1,
    kBreathing = 2,
    kSteady = 3,
    kBlinking = 4,
    kGroupFlash = 5,
    kReactive = 6,
    kFourColor = 7,
    kBlinkingFourColor = 8,
    kOff = 10,
};

// The pace of a mode without steps: after the first, none falls due.
constexpr int kStillTicks = std::numeric_limits<int>::max();

bool is_sequence(int mode) {
    return mode == 9 || mode > kOff;
}

}  // namespace

void MousePreview::set_sequence(std::span<const MouseSequenceStep> steps) {
    sequence_.set_steps(steps);
}

void MousePreview::reactive_flash(const device::LightRecord& lighting) {
    if (lighting.mode != kReactive) return;
    // The flare must not be lost to the restart a newly chosen mode makes at its first tick.
    if (prepared_mode() != kReactive) prepare(lighting);
    reactive_flare(reactive_);
}

void MousePreview::restart(const device::LightRecord&) {
    shared_ = {};
    flash_ = {};
    reactive_.fade = {};
    reactive_.rising = {};
    sequence_.restart();
}

bool MousePreview::plays_sequence() const {
    return is_sequence(last_lighting().mode);
}

bool MousePreview::steps(const device::LightRecord& lighting) const {
    if (lighting.mode == kSteady || lighting.mode == kOff || is_sequence(lighting.mode))
        return false;
    return lighting.mode != kReactive || reactive_fading(reactive_);
}

int MousePreview::step_ticks(const device::LightRecord& lighting) const {
    if (!steps(lighting)) return kStillTicks;
    const int ticks = mouse_ticks_per_step(lighting.speed);
    return lighting.mode == kGroupFlash ? 2 * ticks : ticks;
}

void MousePreview::run_step(device::LightRecord& lighting, std::span<device::ColorRecord> lights,
                            int64_t now_ms) {
    switch (lighting.mode) {
        case kWave:
            return mouse_wave(lights, lighting);
        case kWheel:
            return spectrum_wheel(lights, lighting);
        case kBreathing:
            return spectrum_cycle_breathing(lights, lighting, shared_);
        case kBlinking:
            return blinking_spectrum_cycle(lights, lighting, shared_, now_ms);
        case kGroupFlash:
            return group_flash(lights, lighting, flash_);
        case kReactive:
            return reactive_step(lights, lighting, reactive_);
        case kFourColor:
            return four_color_cycle(lights, lighting, shared_);
        case kBlinkingFourColor:
            return blinking_four_color_cycle(lights, lighting, shared_, now_ms);
        default:
            return;  // the still modes draw between steps
    }
}

void MousePreview::draw_between_steps(std::span<device::ColorRecord> lights, int64_t now_ms) {
    const device::LightRecord& lighting = last_lighting();
    if (lighting.mode == kSteady)
        steady(lights, lighting);
    else if (lighting.mode == kOff)
        lights_off(lights);
    else if (plays_sequence())
        sequence_.draw(lights, lighting, now_ms);
}

std::optional<int64_t> MousePreview::between_steps_due_ms(int64_t now_ms) const {
    return plays_sequence() ? sequence_.next_due_ms(now_ms) : std::nullopt;
}

}  // namespace ilmo::lighting
