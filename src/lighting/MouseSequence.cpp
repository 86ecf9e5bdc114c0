#include "lighting/MouseSequence.h"

#include <algorithm>

#include "lighting/EffectConstants.h"

namespace ilmo::lighting {

namespace {

enum SequenceKind : int {
    kSteadyKind = 0,
    kBreathingKind = 1,
    kBlinkKind = 2,
    kWheelKind = 4,
    kFourColorKind = 5,
};

bool stepping(int kind) {
    return kind == kBreathingKind || kind == kWheelKind || kind == kFourColorKind;
}

int pace_ticks(const MouseSequenceStep& step) {
    return mouse_ticks_per_step(step.speed);
}

// A step without a duration of its own lasts one step of its pace: one blink half-period for
// the blink, one effect step for the others.
int64_t duration_ms(const MouseSequenceStep& step) {
    if (step.duration_ms > 0) return step.duration_ms;
    if (step.kind == kBlinkKind) return blink_half_period_ms(step.speed);
    return int64_t{pace_ticks(step)} * kTickMs;
}

}  // namespace

void MouseSequence::set_steps(std::span<const MouseSequenceStep> steps) {
    steps_.assign(steps.begin(), steps.end());
    restart();
}

void MouseSequence::restart() {
    current_ = 0;
    step_started_ms_.reset();
}

void MouseSequence::start_step(size_t index, int64_t now_ms) {
    const MouseSequenceStep& step = steps_[index];
    current_ = index;
    step_started_ms_ = now_ms;
    look_ = {.speed = static_cast<uint8_t>(clamp_level(step.speed)),
             .multicolor = static_cast<uint8_t>(step.colourful ? 1 : 0),
             .red = step.colour.red,
             .green = step.colour.green,
             .blue = step.colour.blue};
    shared_ = {};
    cadence_.restart();
}

int64_t MouseSequence::step_end_ms() const {
    return *step_started_ms_ + duration_ms(steps_[current_]);
}

void MouseSequence::draw(std::span<device::ColorRecord> lights, const device::LightRecord& lighting,
                         int64_t now_ms) {
    if (steps_.empty()) return lights_off(lights);
    // A thread that woke late moves on by one step, not by the ones it missed.
    if (!step_started_ms_)
        start_step(0, now_ms);
    else if (now_ms >= step_end_ms())
        start_step((current_ + 1) % steps_.size(), now_ms);
    look_.brightness = lighting.brightness;
    look_.direction = lighting.direction;
    draw_step(lights, now_ms);
}

void MouseSequence::draw_step(std::span<device::ColorRecord> lights, int64_t now_ms) {
    const MouseSequenceStep& step = steps_[current_];
    switch (step.kind) {
        case kSteadyKind:
            return steady(lights, look_);
        case kBlinkKind:
            return blinking_spectrum_cycle(lights, look_, shared_, now_ms);
        default:
            break;
    }
    if (!stepping(step.kind)) return lights_off(lights);
    if (!cadence_.due(now_ms, pace_ticks(step))) return;
    if (step.kind == kBreathingKind)
        spectrum_cycle_breathing(lights, look_, shared_);
    else if (step.kind == kWheelKind)
        spectrum_wheel(lights, look_);
    else
        four_color_cycle(lights, look_, shared_);
}

std::optional<int64_t> MouseSequence::next_due_ms(int64_t now_ms) const {
    if (steps_.empty()) return std::nullopt;
    if (!step_started_ms_) return now_ms;
    const MouseSequenceStep& step = steps_[current_];
    const int64_t end_ms = step_end_ms();
    if (step.kind == kBlinkKind && shared_.blink_toggled_ms)
        return std::min(end_ms, *shared_.blink_toggled_ms + blink_half_period_ms(step.speed));
    if (stepping(step.kind))
        return std::min(end_ms, cadence_.next_due_ms(now_ms, pace_ticks(step)));
    return end_ms;
}

}  // namespace ilmo::lighting
