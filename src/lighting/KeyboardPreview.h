#pragma once
// The keyboard page's preview: each light mode's effect on the board's keys, the answers to
// key presses, and the per-light pass.

#include <optional>
#include <vector>

#include "lighting/BandStore.h"
#include "lighting/KeyboardEffects.h"
#include "lighting/MusicVisualisers.h"
#include "lighting/SteppedPreview.h"

namespace ilmo::lighting {

class KeyboardPreview final : public SteppedPreview {
public:
    // A mode without an effect of its own glows at this pace.
    static constexpr int kStandbyTicks = 4;

    // A key went down or up on the keyboard (its page key index). The modes that answer key
    // presses show it from their next step; the others ignore it.
    void key_event(int key_index, bool down);
    // Page key index → light index; empty (the default) when they are the same.
    void set_key_to_light(std::span<const int> key_to_light);
    // The per-key mode's colours, one per light.
    void set_custom_colors(std::span<const device::Rgb> colors);
    // The colour the host-driven colour mode shows; until one is given, the record's colour.
    void set_host_color(device::Rgb color) { host_color_ = color; }
    // The music bands as the audio path hands them over (the first 25 are kept). The music
    // mode shows them once, at its next tick: new bands do not wait for the mode's pace, and
    // that step stands for the pace's next one. Safe to call from any thread.
    void set_band_levels(std::span<const int> levels) { bands_.store(levels); }
    // The bands stored and not yet shown.
    BandValues band_levels() const { return bands_.stored(); }
    // The device's music lighting record; a new audio mode starts the music afresh.
    void set_music_lighting(const MusicLighting& music);

private:
    void restart(const device::LightRecord& lighting) override;
    int step_ticks(const device::LightRecord& lighting) const override;
    bool step_wanted_now() const override;
    void music_step(KeyCanvas& canvas, device::LightRecord& lighting);
    void run_step(device::LightRecord& lighting, std::span<device::ColorRecord> lights,
                  int64_t now_ms) override;

    KeyboardEffectState state_;
    std::vector<int> key_to_light_;
    std::vector<device::Rgb> custom_colors_;
    std::optional<device::Rgb> host_color_;
    BandStore bands_;
    MusicLighting music_;
    int steps_without_bands_ = 0;
};

}  // namespace ilmo::lighting
