#include "profiles/AudioStyleRecord.h"

#include "profiles/SectionFields.h"

namespace ilmo::profiles {

namespace {

constexpr std::array<std::string_view, kAudioStyleCount> kDefaultNames{"第一组", "第二组", "第三组",
                                                                       "第四组"};

std::string key(const char* prefix, int index) {
    return prefix + std::to_string(index);
}

void merge_range(const Json::Value& value, int low, int high, int& field) {
    if (!value.isIntegral()) return;
    const int64_t number = int_of(value);
    if (number >= low && number <= high) field = static_cast<int>(number);
}

std::string name_or_default(const std::string& name, int style) {
    return name.empty() ? std::string(default_style_name(style)) : name;
}

}  // namespace

std::string_view default_style_name(int style) {
    return style >= 0 && style < kAudioStyleCount ? kDefaultNames[style] : std::string_view();
}

AudioStyleRecord default_audio_style() {
    AudioStyleRecord record;
    for (int s = 0; s < kAudioStyleCount; ++s) record.names[s] = default_style_name(s);
    return record;
}

void merge_audio_style(const Json::Value& info, AudioStyleRecord& record) {
    merge_range(member(info, "nAudioStyle"), 0, kAudioStyleCount - 1, record.selected_style);
    for (int s = 0; s < kAudioStyleCount; ++s) {
        const Json::Value& name = member(info, key("nStyleName", s + 1).c_str());
        if (name.isString()) record.names[s] = name_or_default(name.asString(), s);
        StyleColor& color = record.colors[s];
        merge_range(member(info, key("nStyleR", s).c_str()), 0, kStyleComponentMax, color.red);
        merge_range(member(info, key("nStyleG", s).c_str()), 0, kStyleComponentMax, color.green);
        merge_range(member(info, key("nStyleB", s).c_str()), 0, kStyleComponentMax, color.blue);
    }
}

Json::Value encode_audio_style(const AudioStyleRecord& record) {
    Json::Value info(Json::objectValue);
    info["nAudioStyle"] = record.selected_style;
    for (int s = 0; s < kAudioStyleCount; ++s) {
        info[key("nStyleName", s + 1)] = name_or_default(record.names[s], s);
        info[key("nStyleR", s)] = record.colors[s].red;
        info[key("nStyleG", s)] = record.colors[s].green;
        info[key("nStyleB", s)] = record.colors[s].blue;
    }
    return info;
}

}  // namespace ilmo::profiles
