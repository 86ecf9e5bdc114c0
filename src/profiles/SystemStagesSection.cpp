#include "profiles/SystemStagesSection.h"

#include "profiles/SectionFields.h"

namespace ilmo::profiles {

namespace {

// The six key names, low half then high half of each word.
using HalfKeys = std::array<const char*, 6>;
constexpr HalfKeys kKeyboardKeys{"Repeat",      "RepeatDelay", "Key6Flag",
                                 "PollingRate", "WFlag",       "WinFlag"};
constexpr HalfKeys kMouseKeys{"DoubleClickTime", "MouseSpeed",       "PointerPrecision",
                              "ScorllPage",      "WheelScorlllinse", nullptr};

uint16_t half_value(const Json::Value& stages, const char* key) {
    return key ? u16_of(member(stages, key)) : 0;
}

SystemWords decode_words(const Json::Value& stages, const HalfKeys& keys) {
    SystemWords words{};
    for (size_t w = 0; w < words.size(); ++w)
        words[w] =
            join_halves(half_value(stages, keys[2 * w]), half_value(stages, keys[2 * w + 1]));
    return words;
}

void encode_words(Json::Value& stages, const HalfKeys& keys, const SystemWords& words) {
    for (size_t w = 0; w < words.size(); ++w) {
        if (keys[2 * w]) stages[keys[2 * w]] = low_half(words[w]);
        if (keys[2 * w + 1]) stages[keys[2 * w + 1]] = high_half(words[w]);
    }
}

}  // namespace

SystemWords decode_keyboard_system_stages(const Json::Value& section) {
    return decode_words(member(section, "SystemStages"), kKeyboardKeys);
}

void encode_keyboard_system_stages(Json::Value& section, const SystemWords& words) {
    encode_words(object_member(section, "SystemStages"), kKeyboardKeys, words);
}

bool decode_fn_keyset_flag(const Json::Value& section) {
    return bool_of(member(section, "FnKeysetFlag"));
}

void encode_fn_keyset_flag(Json::Value& section, bool editing_fn_layer) {
    set_member(section, "FnKeysetFlag", editing_fn_layer);
}

SystemWords decode_mouse_system_stages(const Json::Value& section) {
    const Json::Value& stages = member(section, "SystemStages");
    if (!stages.isObject()) return {};
    SystemWords words = decode_words(stages, kMouseKeys);
    const uint16_t report_rate = u16_of(member(member(section, "ReportStages"), "StageActive"));
    words[2] = join_halves(low_half(words[2]), report_rate);
    return words;
}

void encode_mouse_system_stages(Json::Value& section, const SystemWords& words) {
    encode_words(object_member(section, "SystemStages"), kMouseKeys, words);
    object_member(section, "ReportStages")["StageActive"] = high_half(words[2]);
}

}  // namespace ilmo::profiles
