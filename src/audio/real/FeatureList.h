#pragma once
// The "GetSupportFeature" answer: seven comma-separated flags, 1 where this library really
// drives the feature here, 0 where it cannot (then the host shows the panel as unavailable).
// Items: 0 equaliser, 1 noise reduction, 2 microphone echo, 3 room effect, 4 voice changer,
// 5 microphone monitoring, 6 virtual surround.

#include <string>

namespace ilmo::audio {

struct FeatureSupport {
    bool equaliser = false;
    bool monitoring = false;
    // Noise reduction, echo, room effect, voice changer and surround have no filter built
    // for them here (the sound server hosts filters only in front of a playback device), so
    // they are never offered.
};

std::string feature_list_text(const FeatureSupport& support);

}  // namespace ilmo::audio
