#include "audio/HeadsetAudio.h"

#include <algorithm>

#include "audio/CustomCurveRules.h"
#include "audio/EqPresets.h"

namespace ilmo::audio {

namespace {

namespace prop = property;

// The message shown when a custom curve cannot be saved.
constexpr const char* kCurveRefused = "message_text_5";
constexpr const char* kNotStarted = "The sound settings are read when the headset's page starts.";

AudioOutcome outcome_of(int result) {
    AudioOutcome outcome;
    outcome.result = result;
    outcome.stored = result == 0;
    return outcome;
}

void limit_bands(profiles::EqBands& bands) {
    for (int& band : bands) band = std::clamp(band, profiles::kEqBandLowest, profiles::kEqBandHighest);
}

}  // namespace

HeadsetAudio::HeadsetAudio(ConfLib* library) : library_(library) {
    const Availability not_started{false, kNotStarted};
    shown_.library = shown_.equaliser = shown_.voice_changer = shown_.surround = shown_.microphone =
        shown_.monitoring = not_started;
}

void HeadsetAudio::set_store(HeadsetAudioStore store) {
    store_ = std::move(store);
    // A hand-edited profile may hold any number; the library gets what a slider can show.
    for (profiles::EqBands& bands : store_.option_bands) limit_bands(bands);
    for (CustomCurve& curve : store_.curves) limit_bands(curve.bands);
    const profiles::HeadsetSettings& record = store_.record;
    const int curves = static_cast<int>(store_.curves.size());
    shown_.custom_selected = record.custom_eq_index >= 0 && record.custom_eq_index < curves
                                 ? record.custom_eq_index
                                 : -1;
    // A choice no option has (a damaged profile) is no choice: nothing was applied for it.
    const bool known_choice = record.eq_type >= kEqOptionNone && record.eq_type <= kEqCustomOption;
    shown_.eq_option = known_choice ? record.eq_type : kEqOptionNone;
    if (shown_.eq_option == kEqCustomOption && shown_.custom_selected >= 0)
        shown_.sliders = store_.curves[static_cast<size_t>(shown_.custom_selected)].bands;
    else
        shown_.sliders = store_.option_bands[static_cast<size_t>(shown_.eq_option)];
    shown_.custom_layout_enabled = shown_.eq_option == kEqCustomOption;
}

HeadsetAudioState HeadsetAudio::state() const {
    HeadsetAudioState state = shown_;
    state.record = store_.record;
    state.custom_names.clear();
    for (const CustomCurve& curve : store_.curves) state.custom_names.push_back(curve.name);
    return state;
}

AudioOutcome HeadsetAudio::set_voice_changer(bool on) {
    if (library_ == nullptr) return outcome_of(kNotCalled);
    AudioOutcome outcome =
        outcome_of(library_->write_int(capture_, prop::kEnableMagicVoice, on ? 1 : 0));
    if (!outcome.stored) return outcome;
    // The echo would double the changed voice.
    if (on) outcome.result = library_->write_int(capture_, prop::kEnableMicEcho, 0);
    store_.record.magic_enable = on ? 1 : 0;
    return outcome;
}

AudioOutcome HeadsetAudio::choose_voice_effect(int option) {
    if (option <= 0 || option > kVoiceEffects || library_ == nullptr)
        return outcome_of(kNotCalled);
    const AudioOutcome outcome =
        outcome_of(library_->write_int(capture_, prop::kMagicVoiceSelection, option - 1));
    if (outcome.stored) store_.record.magic_type = option;
    return outcome;
}

AudioOutcome HeadsetAudio::toggle_mute(const wchar_t* mute, int32_t& selected) {
    if (library_ == nullptr) return outcome_of(kNotCalled);
    const bool on = selected == 0;
    const AudioOutcome outcome = outcome_of(library_->write_int(capture_, mute, on ? 0 : 1));
    if (outcome.stored) selected = on ? 1 : 0;
    return outcome;
}

AudioOutcome HeadsetAudio::write_level(const LevelControl& control, int percent, int32_t& stored) {
    if (library_ == nullptr) return outcome_of(kNotCalled);
    percent = std::clamp(percent, 0, 100);
    const AudioOutcome outcome = outcome_of(library_->write_float(
        capture_, control.scalar, static_cast<float>(percent) / 100.0F, control.channel));
    if (!outcome.stored) return outcome;
    // Read back as the library reports the level; what is kept is the slider's value.
    float level = 0;
    static_cast<void>(library_->read_float(capture_, control.level, level, control.level_channel));
    stored = percent;
    return outcome;
}

AudioOutcome HeadsetAudio::toggle_microphone() {
    return toggle_mute(prop::kMuteControl, store_.record.mic_in_select);
}

AudioOutcome HeadsetAudio::set_microphone_level(int percent) {
    const SecondBuffer all_channels = SecondBuffer::channel(-1);
    return write_level(
        {prop::kVolumeScalarControl, all_channels, prop::kVolumeControl, all_channels}, percent,
        store_.record.mic_in_percent);
}

AudioOutcome HeadsetAudio::toggle_monitoring() {
    return toggle_mute(prop::kAAMuteControl, store_.record.mic_monitor_select);
}

AudioOutcome HeadsetAudio::set_monitoring_level(int percent) {
    return write_level({prop::kAAVolumeScalarControl, SecondBuffer::channel(0),
                        prop::kAAVolumeControl, SecondBuffer::channel(1)},
                       percent, store_.record.mic_monitor_percent);
}

int HeadsetAudio::settled(const wchar_t* written, int result) {
    if (result != 0) return result;
    int value = 0;
    return library_->read_int(playback_, written, value);
}

int HeadsetAudio::apply_bands(const profiles::EqBands& bands) {
    if (library_ == nullptr) return kNotCalled;
    // The first refusal ends the curve: nothing is stored for it anyway, and against a sound
    // server that stopped answering each further write would wait out its own time-out.
    int result = library_->write_int(playback_, prop::kEnableEq, 1);
    for (int band = 0; band < profiles::kEqBandCount && result == 0; ++band)
        result = library_->write_int(playback_, eq_slider_property(band),
                                     bands[static_cast<size_t>(band)]);
    return settled(prop::kEnableEq, result);
}

AudioOutcome HeadsetAudio::apply_preset(int option) {
    const profiles::EqBands bands = *eq_preset(option);
    const AudioOutcome outcome = outcome_of(apply_bands(bands));
    if (!outcome.stored) return outcome;
    shown_.sliders = bands;
    shown_.eq_option = option;
    shown_.custom_layout_enabled = false;
    store_.record.eq_type = option;
    store_.option_bands[static_cast<size_t>(option)] = bands;
    return outcome;
}

AudioOutcome HeadsetAudio::apply_custom(int index) {
    const profiles::EqBands bands = store_.curves[static_cast<size_t>(index)].bands;
    const AudioOutcome outcome = outcome_of(apply_bands(bands));
    if (!outcome.stored) return outcome;
    shown_.sliders = bands;
    shown_.eq_option = kEqCustomOption;
    shown_.custom_selected = index;
    shown_.custom_layout_enabled = true;
    store_.record.eq_type = kEqCustomOption;
    store_.record.custom_eq_index = index;
    return outcome;
}

AudioOutcome HeadsetAudio::switch_equaliser_off() {
    if (library_ == nullptr) return outcome_of(kNotCalled);
    const AudioOutcome outcome = outcome_of(
        settled(prop::kEnableEq, library_->write_int(playback_, prop::kEnableEq, 0)));
    if (!outcome.stored) return outcome;
    shown_.sliders = {};
    shown_.eq_option = kEqOptionNone;
    shown_.custom_layout_enabled = false;
    store_.record.eq_type = kEqOptionNone;
    return outcome;
}

AudioOutcome HeadsetAudio::choose_equaliser(int option) {
    if (option == kEqOptionNone) return switch_equaliser_off();
    if (option >= 1 && option <= kEqLastPresetOption) return apply_preset(option);
    if (option != kEqCustomOption) return outcome_of(kNotCalled);
    // With no curve selected the last one is taken; with none at all, the first preset.
    const int curve =
        curve_to_apply(shown_.custom_selected, static_cast<int>(store_.curves.size()));
    return curve >= 0 ? apply_custom(curve) : apply_preset(1);
}

AudioOutcome HeadsetAudio::choose_custom_curve(int index) {
    if (index < 0 || index >= static_cast<int>(store_.curves.size())) return outcome_of(kNotCalled);
    return apply_custom(index);
}

AudioOutcome HeadsetAudio::move_band(int band, int value) {
    // A value no slider shows would be saved with a curve and cut back at the next start.
    if (band < 0 || band >= profiles::kEqBandCount || library_ == nullptr ||
        value < profiles::kEqBandLowest || value > profiles::kEqBandHighest)
        return outcome_of(kNotCalled);
    // From off, custom is only heard once the equaliser is on, with the curve the sliders show.
    const bool was_off = shown_.eq_option == kEqOptionNone;
    if (shown_.eq_option != kEqCustomOption) {
        shown_.eq_option = kEqCustomOption;
        shown_.custom_selected = -1;
        shown_.custom_layout_enabled = true;
    }
    profiles::EqBands bands = shown_.sliders;
    bands[static_cast<size_t>(band)] = value;
    AudioOutcome outcome = outcome_of(
        was_off ? apply_bands(bands)
                : settled(eq_slider_property(band),
                          library_->write_int(playback_, eq_slider_property(band), value)));
    if (outcome.stored) shown_.sliders = bands;
    // The moved band is shown, not stored: a curve is stored when it is saved.
    outcome.stored = false;
    return outcome;
}

AudioOutcome HeadsetAudio::save_custom_curve(const std::string& name) {
    AudioOutcome refused;
    refused.result = kNotCalled;
    refused.notices.emplace_back(kCurveRefused);
    const int selected = shown_.custom_selected;
    if (name.empty()) {
        if (selected < 0) return refused;
        store_.curves[static_cast<size_t>(selected)].bands = shown_.sliders;
        return outcome_of(0);
    }
    std::vector<std::string> names;
    for (const CustomCurve& curve : store_.curves) names.push_back(curve.name);
    if (check_new_curve(names, name) != CurveNameCheck::Accepted) return refused;
    store_.curves.push_back({name, shown_.sliders});
    shown_.custom_selected = static_cast<int>(store_.curves.size()) - 1;
    store_.record.custom_eq_index = shown_.custom_selected;
    if (shown_.eq_option == kEqCustomOption) store_.record.eq_type = kEqCustomOption;
    return outcome_of(0);
}

AudioOutcome HeadsetAudio::delete_custom_curve() {
    const int selected = shown_.custom_selected;
    if (selected < 0 || selected >= static_cast<int>(store_.curves.size()))
        return outcome_of(kNotCalled);
    store_.curves.erase(store_.curves.begin() + selected);
    const int next = selection_after_delete(selected, static_cast<int>(store_.curves.size()));
    // The selection points at a curve that exists whether or not the library takes it.
    shown_.custom_selected = next;
    store_.record.custom_eq_index = next;
    AudioOutcome outcome = next >= 0 ? apply_custom(next) : apply_preset(1);
    outcome.stored = true;  // the curve is gone either way
    return outcome;
}

}  // namespace ilmo::audio
