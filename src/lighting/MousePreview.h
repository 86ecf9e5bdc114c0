#pragma once
// The mouse page's preview of the effect the mouse runs itself, on the picture's 15 lights in
// 7 groups: (0, 13), (1, 12), (2, 11), (3, 10), (4, 9), (5, 8), (6, 14, 7). The lighting
// record's mode byte holds the index in the mouse's mode list:
//   0   rainbow wave (colourful) or breathing wave (single colour), group by group
//   1   spectrum wheel            2   spectrum cycle breathing     3   steady
//   4   blinking spectrum cycle   5   group flash                  6   reactive
//   7   four-colour cycle (at the pace of 2)
//   8   blinking four-colour cycle (at the pace of 4)
//   10  off
//   9, 11 and up: the custom sequence (set_sequence), off while it is empty.
// Steps come every 8, 6, 4, 2 or 1 ticks at speed levels 0-4; the group flash takes twice
// as long.

#include <array>
#include <cstdint>
#include <span>

#include "lighting/MouseEffects.h"
#include "lighting/MouseSequence.h"
#include "lighting/SharedEffects.h"
#include "lighting/SteppedPreview.h"

namespace ilmo::lighting {

// The 96-entry breath curve of the breathing wave: 22 up to 255 and back. The pad's wave
// breathes over the same curve.
extern const std::array<uint8_t, 96>& kMouseBreath;

class MousePreview final : public SteppedPreview {
public:
    void set_sequence(std::span<const MouseSequenceStep> steps);
    // The mouse's reactive event: in mode 6 every light flares up from a random colour of
    // the wheel and fades; in other modes it does nothing.
    void reactive_flash(const device::LightRecord& lighting);

private:
    void restart(const device::LightRecord& lighting) override;
    int step_ticks(const device::LightRecord& lighting) const override;
    void run_step(device::LightRecord& lighting, std::span<device::ColorRecord> lights,
                  int64_t now_ms) override;
    void draw_between_steps(std::span<device::ColorRecord> lights, int64_t now_ms) override;
    std::optional<int64_t> between_steps_due_ms(int64_t now_ms) const override;

    bool plays_sequence() const;
    // Whether the mode of `lighting` has steps to run; a still one is drawn afresh at every
    // tick the thread is woken for and otherwise lets it sleep.
    bool steps(const device::LightRecord& lighting) const;

    SharedEffectState shared_;
    GroupFlashState flash_;
    ReactiveState reactive_;
    MouseSequence sequence_;
};

}  // namespace ilmo::lighting
