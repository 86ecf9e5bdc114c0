#include "lighting/SteppedPreview.h"

#include "lighting/SharedEffects.h"

namespace ilmo::lighting {

void SteppedPreview::prepare(const device::LightRecord& lighting) {
    restart(lighting);
    cadence_.restart();
    prepared_mode_ = lighting.mode;
    last_lighting_ = lighting;
    restart_pending_ = true;
}

void SteppedPreview::tick(device::LightRecord& lighting, std::span<device::ColorRecord> lights,
                          int64_t now_ms) {
    // A mode changed without a preparation must not run on the old mode's state.
    if (prepared_mode_ != lighting.mode) prepare(lighting);
    if (restart_pending_) {
        lighting.effect_step = 0;
        lighting.blink_phase = 0;
        lights_off(lights);
        restart_pending_ = false;
    }
    last_lighting_ = lighting;
    const int ticks = step_ticks(lighting);
    if (step_wanted_now()) {
        cadence_.step_early(now_ms, ticks);
        run_step(lighting, lights, now_ms);
    } else if (cadence_.due(now_ms, ticks)) {
        run_step(lighting, lights, now_ms);
    }
    draw_between_steps(lights, now_ms);
    per_light_.apply(lights, now_ms);
}

int64_t SteppedPreview::next_due_ms(const device::LightRecord& lighting, int64_t now_ms) const {
    if (prepared_mode_ != lighting.mode || restart_pending_ || step_wanted_now()) return now_ms;
    const std::optional<int64_t> due = earlier(
        earlier(cadence_.next_due_ms(now_ms, step_ticks(lighting)), per_light_.next_due_ms(now_ms)),
        between_steps_due_ms(now_ms));
    return *due;
}

void SteppedPreview::set_light_effects(std::span<const device::LightRecord> records) {
    per_light_.set_records(records);
}

}  // namespace ilmo::lighting
