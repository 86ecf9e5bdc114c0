#pragma once
// The headset's capture endpoint on its USB sound card: microphone level and mute from the
// card's capture controls, monitoring level and mute from its side-tone (the microphone
// played back into the headphones).
//
// Values: "VolumeScalarControl" is a float 0.0-1.0 spread evenly over the element's raw
// steps. "VolumeControl" is a float in dB, and "GetMinVol"/"GetMaxVol"/"GetVolStep" are
// the matching range as "%.2f" text; a card without a dB scale gives raw steps for both.
// "MuteControl" is an integer, 1 muted. The "AA" twins do the same for monitoring and fail
// when the card has no monitoring control. The host names a channel for the monitoring
// level, but the user hears themselves in both ears: it is set on every channel.

#include <memory>

#include "audio/real/MixerControls.h"
#include "audio/real/PropertyName.h"
#include "audio/real/PropertyResult.h"

namespace ilmo::audio {

class CaptureEndpoint {
public:
    explicit CaptureEndpoint(std::unique_ptr<MixerControls> mixer);

    bool has_monitoring() const { return choice_.monitor_volume.has_value(); }
    // `set` false reads into `value`, true writes from it; `second` carries the channel.
    PropertyResult control(Property property, void* value, const void* second, bool set);

private:
    struct Target {
        std::optional<size_t> volume;
        std::optional<size_t> mute_switch;
        MixerDirection direction;
        bool level_on_every_channel;  // level writes ignore the host's channel
    };
    PropertyResult range_text(const Target& target, Property property, void* value);
    PropertyResult level(const Target& target, void* value, int channel, bool set);
    PropertyResult scalar(const Target& target, void* value, int channel, bool set);
    PropertyResult mute(const Target& target, void* value, bool set);

    std::unique_ptr<MixerControls> mixer_;
    MixerChoice choice_;
};

}  // namespace ilmo::audio
