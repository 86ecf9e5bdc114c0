#pragma once
// A device page's lighting preview: it owns the running state of the effects and, tick by
// tick, fills the page's colour records from the device's lighting record. The controller
// calls it under its own lock; the preview itself takes none.

#include <cstdint>
#include <span>

#include "device/LightingTypes.h"

namespace ilmo::lighting {

class Preview {
public:
    virtual ~Preview() = default;

    // The mode changed (or was set again where that restarts it): start its effect afresh.
    virtual void prepare(const device::LightRecord& lighting) = 0;
    // Runs the mode's step when its ticks are up, then the per-light pass. A lighting record
    // whose mode differs from the one last prepared is prepared first.
    virtual void tick(device::LightRecord& lighting, std::span<device::ColorRecord> lights,
                      int64_t now_ms) = 0;
    // When the next tick has work to do; `now_ms` when it is due already.
    virtual int64_t next_due_ms(const device::LightRecord& lighting, int64_t now_ms) const = 0;
    // One "LightList" record per light.
    virtual void set_light_effects(std::span<const device::LightRecord> records) = 0;
};

}  // namespace ilmo::lighting
