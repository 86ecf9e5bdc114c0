#include "AudioLightSettings.h"

namespace ilmo::ctl {

namespace {

// Visualisers 0-6 of the music mode.
constexpr int kLastAudioMode = 6;

constexpr SettingHelp kSettings[] = {
    {"audio-mode", "0-6"},
    {"audio-background", "#RRGGBB"},
    {"audio-foreground", "#RRGGBB"},
    {"audio-wheel", "on or off"},
};

}  // namespace

bool AudioLightChange::any() const {
    return mode || background || foreground || wheel;
}

SettingTake take_audio_light_setting(AudioLightChange& change, std::string_view name,
                                     std::string_view value) {
    if (name == "audio-mode") return taken_if(bool(change.mode = parse_number(value, 0, kLastAudioMode)));
    if (name == "audio-background") return taken_if(bool(change.background = parse_colour(value)));
    if (name == "audio-foreground") return taken_if(bool(change.foreground = parse_colour(value)));
    if (name == "audio-wheel") return taken_if(bool(change.wheel = parse_switch(value)));
    return SettingTake::NotThisKind;
}

std::string_view audio_light_values(std::string_view name) {
    return values_of(kSettings, name);
}

profiles::AudioLightRecord apply_audio_light_change(profiles::AudioLightRecord record,
                                                    const AudioLightChange& change) {
    if (change.mode) record.audio_mode = static_cast<uint8_t>(*change.mode);
    if (change.background) {
        record.background_red = change.background->red;
        record.background_green = change.background->green;
        record.background_blue = change.background->blue;
    }
    if (change.foreground) {
        record.foreground_red = change.foreground->red;
        record.foreground_green = change.foreground->green;
        record.foreground_blue = change.foreground->blue;
    }
    if (change.wheel) record.seven_color = *change.wheel ? 1 : 0;
    return record;
}

void add_audio_light_fields(FieldGroup& group, const profiles::AudioLightRecord& record) {
    group.add("audio-mode", record.audio_mode)
        .add("audio-background",
             format_colour({record.background_red, record.background_green, record.background_blue}))
        .add("audio-foreground",
             format_colour({record.foreground_red, record.foreground_green, record.foreground_blue}))
        .add("audio-wheel", record.seven_color != 0);
}

}  // namespace ilmo::ctl
