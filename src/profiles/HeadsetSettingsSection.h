#pragma once
// The headset's "SystemSetStages": voice changer, equaliser choice, microphone and monitoring.

#include <json/value.h>

#include <cstdint>

namespace ilmo::profiles {

struct HeadsetSettings {
    int32_t magic_enable = 0;         // "MagicEnable": voice changer on
    int32_t magic_type = 0;           // "MagicType": voice changer effect, 1-based
    int32_t eq_type = 0;              // "EqType": 0 none, 1-12 preset, 13 custom
    int32_t custom_eq_index = 0;      // "CustomEqSeletIndex"
    int32_t mic_in_select = 0;        // "MicInSelect": microphone on
    int32_t mic_in_percent = 0;       // "MicInValue"
    int32_t mic_monitor_select = 0;   // "MicMoniterSelect": monitoring on
    int32_t mic_monitor_percent = 0;  // "MicMoniterValue"
    bool operator==(const HeadsetSettings&) const = default;
};

// All zero when the section has no "SystemSetStages".
HeadsetSettings decode_headset_settings(const Json::Value& section);
void encode_headset_settings(Json::Value& section, const HeadsetSettings& settings);

}  // namespace ilmo::profiles
