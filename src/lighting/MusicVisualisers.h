#pragma once
// The keyboard's music mode: seven visualisers that paint the 23 × 6 key matrix from the 25
// band values of the audio path, in the colours of the device's music lighting record.
//
// A band value v becomes a height h = 600 − v × 600 / 2000: 600 is silence, and the louder
// the band the lower the height. Bars light from the height's threshold onwards, so the
// heights' mappings decide how much of a row or column shows. Lit keys start at fade 255;
// in the fading visualisers (audio modes 0, 3 and 4) a key the music left keeps its colour,
// dimming with its fade, until it falls below 10 and shows the background again.

#include <span>

#include "device/LightingTypes.h"
#include "lighting/KeyboardEffects.h"

namespace ilmo::lighting {

inline constexpr int kAudioModeCount = 7;
// The visualiser that paints the static frame and leaves the music to the beat ripple.
inline constexpr int kRippleAudioMode = 2;

// The device's music lighting record, as the visualisers read it.
struct MusicLighting {
    int audio_mode = 0;  // visualiser 0-6; others show the background only
    device::Rgb background;
    device::Rgb foreground;
    bool seven_color = false;  // lit keys take colour-wheel colours instead of the foreground
    bool operator==(const MusicLighting&) const = default;
};

// Entering the music mode (or changing the audio mode): every key at fade 1, no key marked,
// nothing held, no ripples.
void prepare_music(KeyboardEffectState& state);

// One step of the audio mode's visualiser over `values`, the bands stored since the last
// step (zeros when none came). Advances the record's wheel position (byte 8). `key_to_light`
// translates the key rings of audio mode 3; empty when key and light indexes are the same.
void music_visualiser(KeyCanvas& canvas, device::LightRecord& record, KeyboardEffectState& state,
                      const MusicLighting& music, std::span<const int> key_to_light,
                      const BandValues& values);

// The audio modes whose every key is drawn straight from the newest values, with no fade to
// carry a picture over a step that brought none.
constexpr bool draws_without_fade(int audio_mode) {
    return audio_mode == 1 || audio_mode == 5 || audio_mode == 6;
}

}  // namespace ilmo::lighting
