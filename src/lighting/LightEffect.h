#pragma once
// One light effect described by a 14-byte record: a "LightList" entry driving one light, or
// a step of the pad's user-defined sequence driving all of them. Byte 0 is the effect type;
// the animated types step at their own speed level (8, 5, 3, 2, 1 ticks) and keep their own
// phase (bytes 8 and 9 of their record) and colour index.

#include <cstdint>
#include <optional>

#include "device/LightingTypes.h"
#include "lighting/SharedEffects.h"
#include "lighting/Ticks.h"

namespace ilmo::lighting {

enum class LightEffectType : uint8_t {
    kSteady = 1,         // its colour at its level's brightness
    kBreathing = 2,      // breathes over the curve; colourful, through the spectrum
    kSpectrumCycle = 3,  // runs through the spectrum at its level's brightness
    kOff = 4,            // black
    kBlinking = 5,       // blinks its colour, or the spectrum when colourful
};

class LightEffect {
public:
    explicit LightEffect(const device::LightRecord& record) : record_(record) {}

    // False for a record the list did not fill (present byte 0) and for an unknown type: such
    // an effect leaves the light as the mode drew it.
    bool draws() const;
    bool animated() const;
    // The light's colour now, after a step when one is due.
    device::ColorRecord draw(int64_t now_ms);
    // When the next step is due; nothing for an effect that does not animate.
    std::optional<int64_t> next_due_ms(int64_t now_ms) const;
    const device::LightRecord& record() const { return record_; }

private:
    void step(int64_t now_ms);

    device::LightRecord record_;
    SharedEffectState state_;
    StepCadence cadence_;
    device::ColorRecord shown_{0, 0, 0, 0};
};

}  // namespace ilmo::lighting
