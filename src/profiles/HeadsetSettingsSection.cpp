#include "profiles/HeadsetSettingsSection.h"

#include <array>
#include <utility>

#include "profiles/SectionFields.h"

namespace ilmo::profiles {

namespace {

// Key and field in the order the settings are stored.
using Field = std::pair<const char*, int32_t HeadsetSettings::*>;
constexpr std::array<Field, 8> kFields{{
    {"MagicEnable", &HeadsetSettings::magic_enable},
    {"MagicType", &HeadsetSettings::magic_type},
    {"EqType", &HeadsetSettings::eq_type},
    {"CustomEqSeletIndex", &HeadsetSettings::custom_eq_index},
    {"MicInSelect", &HeadsetSettings::mic_in_select},
    {"MicInValue", &HeadsetSettings::mic_in_percent},
    {"MicMoniterSelect", &HeadsetSettings::mic_monitor_select},
    {"MicMoniterValue", &HeadsetSettings::mic_monitor_percent},
}};

}  // namespace

HeadsetSettings decode_headset_settings(const Json::Value& section) {
    const Json::Value& stages = member(section, "SystemSetStages");
    HeadsetSettings settings;
    for (const auto& [key, field] : kFields) settings.*field = int32_of(member(stages, key));
    return settings;
}

void encode_headset_settings(Json::Value& section, const HeadsetSettings& settings) {
    Json::Value& stages = object_member(section, "SystemSetStages");
    for (const auto& [key, field] : kFields) stages[key] = settings.*field;
}

}  // namespace ilmo::profiles
