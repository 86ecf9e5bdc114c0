#include "lighting/PerLightEffects.h"

#include <algorithm>
#include <cstddef>

namespace ilmo::lighting {

void PerLightEffects::set_records(std::span<const device::LightRecord> records) {
    effects_.clear();
    for (const device::LightRecord& record : records) effects_.emplace_back(record);
}

void PerLightEffects::apply(std::span<device::ColorRecord> lights, int64_t now_ms) {
    const size_t count = std::min(lights.size(), effects_.size());
    for (size_t i = 0; i < count; ++i)
        if (effects_[i].draws()) lights[i] = effects_[i].draw(now_ms);
}

std::optional<int64_t> PerLightEffects::next_due_ms(int64_t now_ms) const {
    std::optional<int64_t> due;
    for (const LightEffect& effect : effects_) due = earlier(due, effect.next_due_ms(now_ms));
    return due;
}

std::optional<int64_t> earlier(std::optional<int64_t> a, std::optional<int64_t> b) {
    if (!a) return b;
    if (!b) return a;
    return std::min(*a, *b);
}

}  // namespace ilmo::lighting
