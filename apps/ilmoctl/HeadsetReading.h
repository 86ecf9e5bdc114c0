#pragma once
// How a read shows the headset's sound side: the stored record beside what the sound library
// reports (level ranges as it gave them, which features it offers and why not), the ten
// equaliser bands and the custom curves.

#include "Reading.h"
#include "audio/HeadsetAudioState.h"

namespace ilmo::ctl {

// The groups "library", "microphone", "monitoring" and "voice".
void add_sound_groups(Reading& reading, const audio::HeadsetAudioState& state);
// The group "equaliser" and the table "bands".
void add_equaliser(Reading& reading, const audio::HeadsetAudioState& state);
// The table "curves".
void add_curves(Reading& reading, const audio::HeadsetAudioState& state);

}  // namespace ilmo::ctl
