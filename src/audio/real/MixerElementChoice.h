#pragma once
// Which of a USB sound card's mixer elements carry the microphone level and mute, and which
// carry monitoring (the microphone mixed into the headphones: "Sidetone", or the USB audio
// class "Mic Playback Volume"/"Mic Playback Switch"). Pure: decided from the names and
// capabilities the card offers.

#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace ilmo::audio {

struct MixerElementInfo {
    std::string name;  // simple element name, e.g. "Mic"
    int index = 0;
    bool capture_volume = false;
    bool capture_switch = false;
    bool playback_volume = false;
    bool playback_switch = false;
};

// Positions in the element list; empty where the card has no fitting element.
struct MixerChoice {
    std::optional<size_t> capture_volume;
    std::optional<size_t> capture_switch;
    std::optional<size_t> monitor_volume;
    std::optional<size_t> monitor_switch;
};

MixerChoice choose_mixer_elements(std::span<const MixerElementInfo> elements);

}  // namespace ilmo::audio
