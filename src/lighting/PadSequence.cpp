#include "lighting/PadSequence.h"

#include <algorithm>
#include <cstddef>

#include "lighting/SharedEffects.h"

namespace ilmo::lighting {

namespace {

int64_t duration_steps(const SequenceStep& step) {
    return int64_t{std::max(1, step.time)} * std::max(1, step.cycle);
}

}  // namespace

void PadSequence::set_steps(std::span<const SequenceStep> steps) {
    steps_.assign(steps.begin(), steps.end());
    restart();
}

void PadSequence::restart() {
    start_step(0);
}

void PadSequence::start_step(size_t index) {
    current_ = index;
    elapsed_steps_ = 0;
    effect_.reset();
    if (index >= steps_.size()) return;
    device::LightRecord look = steps_[index].look;
    look.present = 1;  // a step of the sequence always shows
    effect_.emplace(look);
}

void PadSequence::advance() {
    if (steps_.empty()) return;
    if (elapsed_steps_ >= duration_steps(steps_[current_]))
        start_step((current_ + 1) % steps_.size());
    ++elapsed_steps_;
}

void PadSequence::draw(std::span<device::ColorRecord> lights, int64_t now_ms) {
    if (!effect_ || !effect_->draws()) return;
    fill(lights, effect_->draw(now_ms));
}

std::optional<int64_t> PadSequence::next_due_ms(int64_t now_ms) const {
    return effect_ ? effect_->next_due_ms(now_ms) : std::nullopt;
}

}  // namespace ilmo::lighting
