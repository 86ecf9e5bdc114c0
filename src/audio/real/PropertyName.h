#pragma once
// Property names as the host passes them (wide text) turned into one closed set.

#include <cwchar>
#include <string_view>

namespace ilmo::audio {

enum class Property {
    Unknown,
    // Capture endpoint: the microphone.
    MaxVolume,
    MinVolume,
    VolumeStep,
    Volume,
    VolumeScalar,
    Mute,
    // Capture endpoint: the microphone heard in the headset (monitoring, side-tone).
    MonitorMaxVolume,
    MonitorMinVolume,
    MonitorVolumeStep,
    MonitorVolume,
    MonitorVolumeScalar,
    MonitorMute,
    // Effects this library cannot host (see GetSupportFeature).
    VoiceChanger,
    VoiceChangerEffect,
    MicEcho,
    NoiseReduction,
    Surround,
    RoomEffect,
    RoomEnvironment,
    RoomSize,
    // Both endpoints.
    SupportFeature,
    // Playback endpoint.
    EqEnable,
    EqBand,
};

struct PropertyRequest {
    Property property = Property::Unknown;
    int band = -1;  // 0-9 for EqBand ("EQ_Slider1" is band 0)
};

// A null name is Unknown.
PropertyRequest parse_property_name(const wchar_t* name);

}  // namespace ilmo::audio
