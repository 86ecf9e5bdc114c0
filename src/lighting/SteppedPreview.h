#pragma once
// What every preview does the same way: counting ticks to the mode's next step, restarting
// when the mode changes, and the per-light pass after the step. A device's preview supplies
// the restart, the pace and the step of its modes.

#include <optional>

#include "lighting/PerLightEffects.h"
#include "lighting/Preview.h"
#include "lighting/Ticks.h"

namespace ilmo::lighting {

class SteppedPreview : public Preview {
public:
    void prepare(const device::LightRecord& lighting) final;
    void tick(device::LightRecord& lighting, std::span<device::ColorRecord> lights,
              int64_t now_ms) final;
    int64_t next_due_ms(const device::LightRecord& lighting, int64_t now_ms) const final;
    void set_light_effects(std::span<const device::LightRecord> records) final;

protected:
    // Resets the device's own effect state for the mode of `lighting`. The running step and
    // blink phase of the record are zeroed and all lights turned off at the next tick.
    virtual void restart(const device::LightRecord& lighting) = 0;
    virtual int step_ticks(const device::LightRecord& lighting) const = 0;
    virtual void run_step(device::LightRecord& lighting, std::span<device::ColorRecord> lights,
                          int64_t now_ms) = 0;
    // The mode has something new to show that should not wait for its pace.
    virtual bool step_wanted_now() const { return false; }
    // Drawing a mode does on every tick, between its steps; and when that next changes.
    virtual void draw_between_steps(std::span<device::ColorRecord>, int64_t) {}
    virtual std::optional<int64_t> between_steps_due_ms(int64_t) const { return std::nullopt; }

    std::optional<int> prepared_mode() const { return prepared_mode_; }
    // The record as the last tick or preparation saw it.
    const device::LightRecord& last_lighting() const { return last_lighting_; }

private:
    StepCadence cadence_;
    PerLightEffects per_light_;
    std::optional<int> prepared_mode_;
    device::LightRecord last_lighting_;
    bool restart_pending_ = true;
};

}  // namespace ilmo::lighting
