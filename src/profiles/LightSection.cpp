#include "profiles/LightSection.h"

#include "profiles/SectionFields.h"

namespace ilmo::profiles {

namespace {

using Light = ByteField<LightRecord>;
// Bytes 8-10 have no key: they are the device's and the effect engine's own.
constexpr std::array<Light, 11> kLightInfoFields{{
    {"SelectItem", &LightRecord::mode},
    {"Light", &LightRecord::brightness},
    {"Speed", &LightRecord::speed},
    {"Fx", &LightRecord::direction},
    {"MultiColor", &LightRecord::multicolor, true},
    {"Red", &LightRecord::red},
    {"Green", &LightRecord::green},
    {"Blue", &LightRecord::blue},
    {"ZZCCLedMode", &LightRecord::secondary_mode},
    {"CustomGroup", &LightRecord::custom_group},
    {"OldLedmode", &LightRecord::old_mode},
}};

// The effect list names its colours in lower case.
constexpr std::array<Light, 8> kLightListFields{{
    {"LEDREGMode", &LightRecord::mode},
    {"LEDBrightness", &LightRecord::brightness},
    {"LEDSpeed", &LightRecord::speed},
    {"LEDDirection", &LightRecord::direction, true},
    {"LEDMultiColor", &LightRecord::multicolor, true},
    {"red", &LightRecord::red},
    {"green", &LightRecord::green},
    {"blue", &LightRecord::blue},
}};

using Audio = ByteField<AudioLightRecord>;
constexpr std::array<Audio, 9> kAudioLightFields{{
    {"AudioMode", &AudioLightRecord::audio_mode},
    {"BkColorR", &AudioLightRecord::background_red},
    {"BkColorG", &AudioLightRecord::background_green},
    {"BkColorB", &AudioLightRecord::background_blue},
    {"FgColorR", &AudioLightRecord::foreground_red},
    {"FgColorG", &AudioLightRecord::foreground_green},
    {"FgColorB", &AudioLightRecord::foreground_blue},
    {"7ColorFlags", &AudioLightRecord::seven_color, true},
    {"ColorTypeFlags", &AudioLightRecord::edits_foreground, true},
}};

}  // namespace

std::array<uint8_t, kLightRecordBytes> light_record_bytes(const LightRecord& r) {
    return {r.mode,    r.brightness,     r.speed,        r.direction, r.multicolor,
            r.red,     r.green,          r.blue,         r.effect_step, r.blink_phase,
            r.present, r.secondary_mode, r.custom_group, r.old_mode};
}

LightRecord light_record_from_bytes(std::span<const uint8_t, kLightRecordBytes> b) {
    return {b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9], b[10], b[11], b[12], b[13]};
}

std::optional<LightRecord> decode_light_info(const Json::Value& section) {
    const Json::Value& info = member(section, "LightInfo");
    if (!info.isObject()) return std::nullopt;
    LightRecord record;
    decode_byte_fields(info, kLightInfoFields, record);
    return record;
}

void encode_light_info(Json::Value& section, const LightRecord& record) {
    encode_byte_fields(object_member(section, "LightInfo"), kLightInfoFields, record);
}

AudioLightRecord decode_audio_light_info(const Json::Value& section) {
    AudioLightRecord record;
    decode_byte_fields(member(section, "AudioLightInfo"), kAudioLightFields, record);
    return record;
}

void encode_audio_light_info(Json::Value& section, const AudioLightRecord& record) {
    encode_byte_fields(object_member(section, "AudioLightInfo"), kAudioLightFields, record);
}

std::vector<LightRecord> decode_light_list(const Json::Value& section) {
    const Json::Value& list = member(section, "LightList");
    std::vector<LightRecord> records(array_size(list));
    for (size_t i = 0; i < records.size(); ++i) {
        const Json::Value& entry = element(list, i);
        if (!entry.isObject()) continue;
        decode_byte_fields(entry, kLightListFields, records[i]);
        records[i].present = 1;
    }
    return records;
}

}  // namespace ilmo::profiles
