#include "lighting/LightEffect.h"

#include <span>

namespace ilmo::lighting {

namespace {

LightEffectType type_of(const device::LightRecord& record) {
    return static_cast<LightEffectType>(record.mode);
}

}  // namespace

bool LightEffect::draws() const {
    if (!record_.present) return false;
    switch (type_of(record_)) {
        case LightEffectType::kSteady:
        case LightEffectType::kOff:
            return true;
        default:
            return animated();
    }
}

bool LightEffect::animated() const {
    if (!record_.present) return false;
    const LightEffectType type = type_of(record_);
    return type == LightEffectType::kBreathing || type == LightEffectType::kSpectrumCycle ||
           type == LightEffectType::kBlinking;
}

void LightEffect::step(int64_t now_ms) {
    const std::span<device::ColorRecord> light(&shown_, 1);
    switch (type_of(record_)) {
        case LightEffectType::kBreathing:
            spectrum_cycle_breathing(light, record_, state_);
            break;
        case LightEffectType::kSpectrumCycle:
            spectrum_wheel(light, record_);
            break;
        case LightEffectType::kBlinking:
            blinking_spectrum_cycle(light, record_, state_, now_ms);
            break;
        case LightEffectType::kSteady:
            steady(light, record_);
            break;
        case LightEffectType::kOff:
            lights_off(light);
            break;
    }
}

device::ColorRecord LightEffect::draw(int64_t now_ms) {
    if (!animated() || cadence_.due(now_ms, common_ticks_per_step(record_.speed))) step(now_ms);
    return shown_;
}

std::optional<int64_t> LightEffect::next_due_ms(int64_t now_ms) const {
    if (!animated()) return std::nullopt;
    return cadence_.next_due_ms(now_ms, common_ticks_per_step(record_.speed));
}

}  // namespace ilmo::lighting
