#pragma once
// The per-light effect pass: after the mode's step, each light whose "LightList" record is
// present is drawn by its own effect over what the mode drew.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "device/LightingTypes.h"
#include "lighting/LightEffect.h"

namespace ilmo::lighting {

class PerLightEffects {
public:
    // Record i drives light i; every effect starts afresh.
    void set_records(std::span<const device::LightRecord> records);
    void apply(std::span<device::ColorRecord> lights, int64_t now_ms);
    // The earliest step due among the animated effects; nothing when none animates.
    std::optional<int64_t> next_due_ms(int64_t now_ms) const;

private:
    std::vector<LightEffect> effects_;
};

// The earlier of two due times, where nothing means never.
std::optional<int64_t> earlier(std::optional<int64_t> a, std::optional<int64_t> b);

}  // namespace ilmo::lighting
