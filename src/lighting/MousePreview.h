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
#include <vector>

#include "lighting/SharedEffects.h"
#include "lighting/SteppedPreview.h"

namespace ilmo::lighting {

inline constexpr int kMouseLights = 15;
inline constexpr int kMouseGroups = 7;
// The 96-entry breath curve of the breathing wave: 22 up to 255 and back.
extern const std::array<uint8_t, 96> kMouseBreath;

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

    SharedEffectState shared_;
    // ... the implementation's own running state (wheel position, group levels, fades,
    // reactive states, sequence position) ...
    std::vector<MouseSequenceStep> sequence_;
};

}  // namespace ilmo::lighting
