#pragma once
// The mouse-pad page's preview. Its lighting record's mode byte holds the index in the pad's
// mode list: 0 wave, 1 spectrum wheel, 2 spectrum cycle breathing, 3 steady, 4 blinking
// spectrum cycle, 5 none (the lights stay dark), 6 flow, 7 paired flow, 8 off, and any other
// index the user-defined sequence. Every mode steps at the pad's pace (8, 6, 4, 2, 1 ticks).

#include <span>

#include "lighting/PadEffects.h"
#include "lighting/PadSequence.h"
#include "lighting/SharedEffects.h"
#include "lighting/SteppedPreview.h"

namespace ilmo::lighting {

class PadPreview final : public SteppedPreview {
public:
    void set_sequence(std::span<const SequenceStep> steps);

private:
    void restart(const device::LightRecord& lighting) override;
    int step_ticks(const device::LightRecord& lighting) const override;
    void run_step(device::LightRecord& lighting, std::span<device::ColorRecord> lights,
                  int64_t now_ms) override;
    void draw_between_steps(std::span<device::ColorRecord> lights, int64_t now_ms) override;
    std::optional<int64_t> between_steps_due_ms(int64_t now_ms) const override;
    bool plays_sequence() const;

    SharedEffectState shared_;
    PadFlowState flow_;
    PadSequence sequence_;
};

}  // namespace ilmo::lighting
