#pragma once
// What the headset's sound panels show, taken in one call: the stored record, the sliders,
// the custom curves, and which features can be used (and why not, for a tooltip).

#include <string>
#include <vector>

#include "profiles/EqualizerSection.h"
#include "profiles/HeadsetSettingsSection.h"

namespace ilmo::audio {

struct Availability {
    bool available = false;
    std::string reason;  // why not, for the panel's tooltip; empty when available
};

// A level range as the library reports it, each bound as "%.2f" text; empty when not read.
struct LevelRange {
    std::string min;
    std::string max;
    std::string step;
};

struct HeadsetAudioState {
    profiles::HeadsetSettings record;  // as stored in the profile
    int eq_option = 0;                 // option shown: 0 none, 1-12 preset, 13 custom
    profiles::EqBands sliders{};       // the ten band sliders
    std::vector<std::string> custom_names;
    int custom_selected = -1;  // index into custom_names; -1 none
    bool custom_layout_enabled = false;

    Availability library;  // the sound library loaded and found a headset
    Availability equaliser;
    Availability voice_changer;
    Availability surround;
    Availability microphone;
    Availability monitoring;
    LevelRange microphone_range;
    LevelRange monitoring_range;

    // Notices of the last page start ("ConfLibInit called failed!", ...).
    std::vector<std::string> start_notices;
};

}  // namespace ilmo::audio
