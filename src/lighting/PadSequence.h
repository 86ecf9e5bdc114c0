#pragma once
// Playback of the pad's user-defined sequence: a list of light effects, each shown on every
// light of the pad for a while, one after the other, over and over.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "device/LightingTypes.h"
#include "lighting/LightEffect.h"

namespace ilmo::lighting {

// One step of the sequence: the effect (type in byte 0, as a per-light record) and how long
// it lasts: "Time" of the pad's steps, repeated "Cyle" times (each at least once).
struct SequenceStep {
    device::LightRecord look;
    int time = 0;
    int cycle = 0;
};

class PadSequence {
public:
    void set_steps(std::span<const SequenceStep> steps);
    // Back to the first step.
    void restart();
    // One of the pad's steps begins: moves on when the current step has had its time.
    void advance();
    // Every light shows the current step's effect; an empty sequence shows nothing.
    void draw(std::span<device::ColorRecord> lights, int64_t now_ms);
    std::optional<int64_t> next_due_ms(int64_t now_ms) const;

private:
    void start_step(size_t index);

    std::vector<SequenceStep> steps_;
    size_t current_ = 0;
    int64_t elapsed_steps_ = 0;
    std::optional<LightEffect> effect_;
};

}  // namespace ilmo::lighting
