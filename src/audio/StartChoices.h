#pragma once
// The choices the headset page's start makes from what the library lists: which playback and
// capture endpoints it talks to, which features the feature list offers, and how a level
// range reads on the panel.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "audio/ConfLibApi.h"

namespace ilmo::audio {

// The first active playback endpoint of type 1, else of type 12, else 7, else 4.
std::optional<ConfLibDevice> choose_playback(std::span<const ConfLibDevice> devices);
// The first capture endpoint of type 2.
std::optional<ConfLibDevice> choose_capture(std::span<const ConfLibDevice> devices);

struct FeatureSupport {
    bool complete = false;  // the list had the seven items the host needs
    bool equaliser = false;
    bool voice_changer = false;
    bool surround = false;
};

// A comma-separated list of integers; items that are not numbers count as 0.
FeatureSupport parse_feature_list(std::string_view text);

// A range bound as the library writes it, as the panel shows it ("%.2f"); empty when the text
// is not a number or too long to show.
std::string range_text(std::string_view text);

}  // namespace ilmo::audio
