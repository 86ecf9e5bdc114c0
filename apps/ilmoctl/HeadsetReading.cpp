#include "HeadsetReading.h"

#include "audio/HeadsetAudio.h"

namespace ilmo::ctl {

namespace {

FieldGroup& add_availability(FieldGroup& group, const audio::Availability& availability) {
    return group.add("available", availability.available).add("reason", availability.reason);
}

void add_range(FieldGroup& group, const audio::LevelRange& range) {
    group.add("lowest", range.min).add("highest", range.max).add("step", range.step);
}

std::string join(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) joined += (joined.empty() ? "" : "; ") + text;
    return joined;
}

std::string equaliser_name(int option) {
    if (option == audio::kEqCustomOption) return "custom";
    if (option >= 1 && option <= audio::kEqLastPresetOption)
        return "preset " + std::to_string(option);
    return "off";
}

std::string selected_curve(const audio::HeadsetAudioState& state) {
    const int selected = state.custom_selected;
    if (selected < 0 || static_cast<size_t>(selected) >= state.custom_names.size()) return {};
    return state.custom_names[static_cast<size_t>(selected)];
}

}  // namespace

void add_sound_groups(Reading& reading, const audio::HeadsetAudioState& state) {
    add_availability(reading.add_group("library"), state.library)
        .add("notices", join(state.start_notices));
    const profiles::HeadsetSettings& record = state.record;
    FieldGroup& microphone = reading.add_group("microphone");
    microphone.add("enabled", record.mic_in_select != 0).add("level", record.mic_in_percent);
    add_range(microphone, state.microphone_range);
    add_availability(microphone, state.microphone);
    FieldGroup& monitoring = reading.add_group("monitoring");
    monitoring.add("enabled", record.mic_monitor_select != 0)
        .add("level", record.mic_monitor_percent);
    add_range(monitoring, state.monitoring_range);
    add_availability(monitoring, state.monitoring);
    FieldGroup& voice = reading.add_group("voice");
    voice.add("enabled", record.magic_enable != 0).add("effect", record.magic_type);
    add_availability(voice, state.voice_changer);
}

void add_equaliser(Reading& reading, const audio::HeadsetAudioState& state) {
    FieldGroup& equaliser = reading.add_group("equaliser");
    // What the panel shows (a moved band shows custom) beside what the profile keeps.
    equaliser.add("option", state.eq_option)
        .add("name", equaliser_name(state.eq_option))
        .add("stored-option", state.record.eq_type)
        .add("curve", selected_curve(state));
    add_availability(equaliser, state.equaliser);
    Table& bands = reading.tables.emplace_back(Table{"bands", {"band", "value"}, {}});
    for (size_t band = 0; band < state.sliders.size(); ++band)
        bands.rows.push_back({static_cast<int>(band) + 1, state.sliders[band]});
}

void add_curves(Reading& reading, const audio::HeadsetAudioState& state) {
    Table& curves = reading.tables.emplace_back(Table{"curves", {"curve", "name", "selected"}, {}});
    for (size_t i = 0; i < state.custom_names.size(); ++i)
        curves.rows.push_back({static_cast<int>(i), state.custom_names[i],
                               static_cast<int>(i) == state.custom_selected});
}

}  // namespace ilmo::ctl
