#pragma once
// What the headset page's sound panels show: the headset's audio settings in the panels'
// terms, with what cannot be used and why. Texts that explain are language keys; an empty
// one means there is nothing to explain.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "shell/names/HeadsetPanelNames.h"

namespace ilmo::shell {

// A level's range as the sound card reports it, in dB, each bound as text ("-12.00").
struct LevelRange {
    std::string lowest;
    std::string highest;
    std::string step;
};

struct HeadsetPanelState {
    // What keeps the sound settings from the headset as a whole (no audio library, no
    // headset sound card).
    std::string notice_key;
    // Why a feature cannot be used; its controls show disabled with this as their tooltip.
    std::string equaliser_unusable;
    std::string microphone_unusable;
    std::string monitoring_unusable;
    std::string voice_changer_unusable;
    std::string surround_unusable;

    int eq_choice = 0;  // 0 off, 1-12 a preset, 13 the user's curves
    std::array<int, names::headset_panels::kBands> bands{};
    std::vector<std::string> custom_names;  // UTF-8, in the list's order
    int custom_selected = -1;               // into custom_names; -1 none

    bool mic_on = false;
    int mic_level = 0;  // 0-100
    std::optional<LevelRange> mic_range;
    bool monitor_on = false;
    int monitor_level = 0;  // 0-100
    std::optional<LevelRange> monitor_range;

    bool voice_changer_on = false;
    int voice_effect = 0;  // 1-based; 0 none
    bool surround_on = false;
};

}  // namespace ilmo::shell
