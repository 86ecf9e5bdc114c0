#include "audio/real/PropertyName.h"

#include <array>
#include <utility>

#include "audio/ConfLibApi.h"

namespace ilmo::audio {
namespace {

namespace p = property;

constexpr std::array<std::pair<std::wstring_view, Property>, 22> kNames{{
    {p::kGetMaxVol, Property::MaxVolume},
    {p::kGetMinVol, Property::MinVolume},
    {p::kGetVolStep, Property::VolumeStep},
    {p::kVolumeControl, Property::Volume},
    {p::kVolumeScalarControl, Property::VolumeScalar},
    {p::kMuteControl, Property::Mute},
    {p::kGetAAMaxVol, Property::MonitorMaxVolume},
    {p::kGetAAMinVol, Property::MonitorMinVolume},
    {p::kGetAAVolStep, Property::MonitorVolumeStep},
    {p::kAAVolumeControl, Property::MonitorVolume},
    {p::kAAVolumeScalarControl, Property::MonitorVolumeScalar},
    {p::kAAMuteControl, Property::MonitorMute},
    {p::kEnableMagicVoice, Property::VoiceChanger},
    {p::kMagicVoiceSelection, Property::VoiceChangerEffect},
    {p::kEnableMicEcho, Property::MicEcho},
    {p::kEnableNoiseReduction, Property::NoiseReduction},
    {p::kGetSupportFeature, Property::SupportFeature},
    {p::kEnableEq, Property::EqEnable},
    {p::kVirtualSurround, Property::Surround},
    {p::kEnableRoomEffect, Property::RoomEffect},
    {p::kRoomEnvironment, Property::RoomEnvironment},
    {p::kRoomSize, Property::RoomSize},
}};

constexpr int kBandCount = 10;

// "1".."10" -> 0..9; anything else (leading zeros, signs, 11) -> -1.
int band_index(std::wstring_view digits) {
    if (digits.empty() || digits.size() > 2 || digits.front() == L'0') return -1;
    int number = 0;
    for (wchar_t c : digits) {
        if (c < L'0' || c > L'9') return -1;
        number = number * 10 + (c - L'0');
    }
    return number <= kBandCount ? number - 1 : -1;
}

}  // namespace

PropertyRequest parse_property_name(const wchar_t* name) {
    if (name == nullptr) return {};
    const std::wstring_view text(name);
    for (const auto& [known, property] : kNames) {
        if (text == known) return {property};
    }
    const std::wstring_view prefix(p::kEqSliderPrefix);
    if (text.starts_with(prefix)) {
        const int band = band_index(text.substr(prefix.size()));
        if (band >= 0) return {Property::EqBand, band};
    }
    return {};
}

}  // namespace ilmo::audio
