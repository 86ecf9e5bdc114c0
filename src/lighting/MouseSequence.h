#pragma once
// Playback of the mouse's custom light sequence: a list of effects, each shown on every light
// of the picture for its duration, one after the other, over and over.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "device/LightingTypes.h"
#include "lighting/SharedEffects.h"
#include "lighting/Ticks.h"

namespace ilmo::lighting {

// One step of the custom sequence: the effect kind (0 steady, 1 spectrum cycle breathing,
// 2 blink, 4 spectrum wheel, 5 four-colour cycle; any other kind is off), its speed level
// 0-4, its colour or the spectrum (colourful) and how long it plays.
struct MouseSequenceStep {
    int kind = 0;
    int speed = 0;
    bool colourful = false;
    device::Rgb colour;
    int duration_ms = 0;
    bool operator==(const MouseSequenceStep&) const = default;
};

class MouseSequence {
public:
    void set_steps(std::span<const MouseSequenceStep> steps);
    // Back to the first step, which begins at the next draw.
    void restart();
    // Moves on when the current step has played its time, then shows its effect on every
    // light at the brightness and direction of `lighting`, stepping the effect at the pace
    // of its own speed. An empty sequence shows every light off.
    void draw(std::span<device::ColorRecord> lights, const device::LightRecord& lighting,
              int64_t now_ms);
    // The next effect step, blink toggle or change of step; nothing for an empty sequence.
    std::optional<int64_t> next_due_ms(int64_t now_ms) const;

private:
    void start_step(size_t index, int64_t now_ms);
    int64_t step_end_ms() const;
    void draw_step(std::span<device::ColorRecord> lights, int64_t now_ms);

    std::vector<MouseSequenceStep> steps_;
    size_t current_ = 0;
    std::optional<int64_t> step_started_ms_;  // none until the first draw
    device::LightRecord look_;                // the current step as a lighting record
    SharedEffectState shared_;
    StepCadence cadence_;
};

}  // namespace ilmo::lighting
