#include "lighting/PadPreview.h"

namespace ilmo::lighting {

namespace {

enum PadMode : int {
    kWave = 0,
    kWheel = 1,
    kBreathing = 2,
    kSteady = 3,
    kBlinking = 4,
    kNone = 5,
    kFlow = 6,
    kPairedFlow = 7,
    kOff = 8,
};

bool is_sequence(int mode) {
    return mode > kOff;
}

}  // namespace

void PadPreview::set_sequence(std::span<const SequenceStep> steps) {
    sequence_.set_steps(steps);
}

void PadPreview::restart(const device::LightRecord& lighting) {
    shared_ = {};
    flow_ = lighting.mode == kPairedFlow ? prepared_paired_flow() : prepared_flow();
    sequence_.restart();
}

int PadPreview::step_ticks(const device::LightRecord& lighting) const {
    return pad_ticks_per_step(lighting.speed);
}

bool PadPreview::plays_sequence() const {
    return prepared_mode() && is_sequence(*prepared_mode());
}

void PadPreview::run_step(device::LightRecord& lighting, std::span<device::ColorRecord> lights,
                          int64_t now_ms) {
    switch (lighting.mode) {
        case kWave:
            return pad_wave(lights, lighting);
        case kWheel:
            return spectrum_wheel(lights, lighting);
        case kBreathing:
            return spectrum_cycle_breathing(lights, lighting, shared_);
        case kSteady:
            return steady(lights, lighting);
        case kBlinking:
            return blinking_spectrum_cycle(lights, lighting, shared_, now_ms);
        case kNone:
            return;
        case kFlow:
            return pad_flow(lights, lighting, flow_);
        case kPairedFlow:
            return pad_paired_flow(lights, lighting, flow_);
        case kOff:
            return lights_off(lights);
        default:
            return sequence_.advance();
    }
}

void PadPreview::draw_between_steps(std::span<device::ColorRecord> lights, int64_t now_ms) {
    if (plays_sequence()) sequence_.draw(lights, now_ms);
}

std::optional<int64_t> PadPreview::between_steps_due_ms(int64_t now_ms) const {
    return plays_sequence() ? sequence_.next_due_ms(now_ms) : std::nullopt;
}

}  // namespace ilmo::lighting
