#include "HeadsetSound.h"

#include "audio/HeadsetAudio.h"

namespace ilmo::ctl {

namespace {

constexpr int kLastPercent = 100;

constexpr SettingHelp kSettings[] = {
    {"eq", "off (0), a preset 1-12, or custom (13: the selected custom curve)"},
    {"mic", "on or off"},
    {"mic-level", "0-100"},
    {"monitor", "on or off"},
    {"monitor-level", "0-100"},
    {"voice", "on or off"},
    {"voice-effect", "an effect number 1-8"},
};

std::optional<int> parse_equaliser(std::string_view text) {
    if (same_text(text, "custom")) return audio::kEqCustomOption;
    if (same_text(text, "off")) return audio::kEqOptionNone;
    return parse_number(text, audio::kEqOptionNone, audio::kEqCustomOption);
}

}  // namespace

bool HeadsetSoundChange::any() const {
    return equaliser || microphone || microphone_level || monitoring || monitoring_level ||
           voice_changer || voice_effect;
}

std::string_view sound_setting_values(std::string_view name) {
    return values_of(kSettings, name);
}

SettingTake take_sound_setting(HeadsetSoundChange& change, std::string_view name,
                               std::string_view value) {
    if (name == "eq") return taken_if(bool(change.equaliser = parse_equaliser(value)));
    if (name == "mic") return taken_if(bool(change.microphone = parse_switch(value)));
    if (name == "mic-level")
        return taken_if(bool(change.microphone_level = parse_number(value, 0, kLastPercent)));
    if (name == "monitor") return taken_if(bool(change.monitoring = parse_switch(value)));
    if (name == "monitor-level")
        return taken_if(bool(change.monitoring_level = parse_number(value, 0, kLastPercent)));
    if (name == "voice") return taken_if(bool(change.voice_changer = parse_switch(value)));
    if (name == "voice-effect")
        return taken_if(bool(change.voice_effect = parse_number(value, 1, audio::kVoiceEffects)));
    return SettingTake::NotThisKind;
}

}  // namespace ilmo::ctl
