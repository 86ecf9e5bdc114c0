#include "shell/HeadsetPageBinding.h"

#include <algorithm>
#include <memory>

#include "audio/HeadsetAudio.h"
#include "headset/CTavrinHS6533Device.h"
#include "shell/CDevicePage.h"
#include "shell/UiThreadCall.h"

namespace ilmo::shell {

namespace keys = names::headset_panels;

static_assert(keys::kMagicEffects == audio::kVoiceEffects &&
                  keys::kCustomEqOption == audio::kEqCustomOption &&
                  keys::kEqOffOption == audio::kEqOptionNone,
              "the panels offer the choices the sound side knows");

namespace {

std::optional<LevelRange> range_of(const audio::LevelRange& range) {
    if (range.min.empty() || range.max.empty()) return std::nullopt;
    return LevelRange{range.min, range.max, range.step};
}

// `key` when the feature cannot be used, else nothing to explain.
std::string unless(const audio::Availability& feature, const char* key) {
    return feature.available ? std::string() : std::string(key);
}

void explain_unusable(const audio::HeadsetAudioState& audio, HeadsetPanelState& state) {
    // Without the library, or without any of the headset's endpoints, nothing can be used.
    const bool no_sound_card =
        audio.library.available && !audio.equaliser.available && !audio.microphone.available;
    if (!audio.library.available || no_sound_card) {
        // Until the page start has run the library has not been looked for: no notice yet.
        if (!audio.library.available && !audio.library.reason.empty())
            state.notice_key = keys::kNoLibraryText;
        if (no_sound_card) state.notice_key = keys::kNoSoundCardText;
        for (std::string* reason :
             {&state.equaliser_unusable, &state.microphone_unusable, &state.monitoring_unusable,
              &state.voice_changer_unusable, &state.surround_unusable})
            *reason = keys::kAudioUnavailableTip;
        return;
    }
    if (!audio.start_notices.empty()) state.notice_key = audio.start_notices.front();
    state.equaliser_unusable = unless(audio.equaliser, keys::kEqualiserUnavailableTip);
    // The controller has no surround action: a usable switch would only pretend to work.
    state.surround_unusable =
        audio.surround.available ? keys::kSurroundNoActionTip : keys::kSurroundUnavailableTip;
    // Monitoring and the voice changer work on the microphone: without it, that is why.
    state.microphone_unusable = unless(audio.microphone, keys::kMicrophoneUnavailableTip);
    state.monitoring_unusable = audio.microphone.available
                                    ? unless(audio.monitoring, keys::kMonitoringUnavailableTip)
                                    : state.microphone_unusable;
    state.voice_changer_unusable =
        audio.microphone.available ? unless(audio.voice_changer, keys::kVoiceChangerUnavailableTip)
                                   : state.microphone_unusable;
}

}  // namespace

HeadsetPanelState panel_state_of(const audio::HeadsetAudioState& audio) {
    HeadsetPanelState state;
    state.eq_choice = audio.eq_option;
    state.bands = audio.sliders;
    state.custom_names = audio.custom_names;
    state.custom_selected = audio.custom_selected;
    state.mic_on = audio.record.mic_in_select != 0;
    state.mic_level = audio.record.mic_in_percent;
    state.mic_range = range_of(audio.microphone_range);
    state.monitor_on = audio.record.mic_monitor_select != 0;
    state.monitor_level = audio.record.mic_monitor_percent;
    state.monitor_range = range_of(audio.monitoring_range);
    state.voice_changer_on = audio.record.magic_enable != 0;
    state.voice_effect = audio.record.magic_type;
    explain_unusable(audio, state);
    return state;
}

HeadsetPageBinding::HeadsetPageBinding(CDevicePage& page, headset::CTavrinHS6533Device& headset,
                                       ui::Translate translate)
    : page_(page),
      headset_(headset),
      voice_(&page, translate),
      magic_(&page, translate),
      surround_(&page, translate) {
    bind_voice();
    bind_magic();
    refresh();
}

void HeadsetPageBinding::bind_voice() {
    using audio::HeadsetAudio;
    voice_.on_preset = [this](int option) {
        run([option](HeadsetAudio& a) { return a.choose_equaliser(option); });
    };
    voice_.on_band = [this](int band, int value) {
        run([band, value](HeadsetAudio& a) { return a.move_band(band, value); });
    };
    voice_.on_custom_chosen = [this](int index) {
        run([index](HeadsetAudio& a) { return a.choose_custom_curve(index); });
    };
    voice_.on_save = [this](const std::string& name) {
        run([name](HeadsetAudio& a) { return a.save_custom_curve(name); },
            [this, name](const audio::AudioOutcome&) {
                // Once the name is a curve's, the field is ready for the next one.
                const std::vector<std::string> names = headset_.audio_state().custom_names;
                if (!name.empty() && std::find(names.begin(), names.end(), name) != names.end())
                    voice_.clear_custom_name();
            });
    };
    voice_.on_delete = [this] { run([](HeadsetAudio& a) { return a.delete_custom_curve(); }); };
    // The library flips the mute flags; a click that agrees with them changes nothing.
    voice_.on_mic_switched = [this](bool on) {
        if (on != (headset_.audio_state().record.mic_in_select != 0))
            run([](HeadsetAudio& a) { return a.toggle_microphone(); });
    };
    voice_.on_mic_level = [this](int level) {
        run([level](HeadsetAudio& a) { return a.set_microphone_level(level); });
    };
    voice_.on_monitor_switched = [this](bool on) {
        if (on != (headset_.audio_state().record.mic_monitor_select != 0))
            run([](HeadsetAudio& a) { return a.toggle_monitoring(); });
    };
    voice_.on_monitor_level = [this](int level) {
        run([level](HeadsetAudio& a) { return a.set_monitoring_level(level); });
    };
}

void HeadsetPageBinding::bind_magic() {
    using audio::HeadsetAudio;
    magic_.on_switched = [this](bool on) {
        run([on](HeadsetAudio& a) { return a.set_voice_changer(on); });
    };
    magic_.on_effect = [this](int effect) {
        run([effect](HeadsetAudio& a) { return a.choose_voice_effect(effect); });
    };
}

void HeadsetPageBinding::run(Action action, After after) {
    const DeviceHooks& hooks = page_.device_hooks();
    if (!hooks.run_device_work) return;
    auto outcome = std::make_shared<audio::AudioOutcome>();
    headset::CTavrinHS6533Device* headset = &headset_;
    hooks.run_device_work(
        [headset, action = std::move(action), outcome] {
            *outcome = headset->run_audio(action);
            // What the library answered travels in the outcome; nothing went over HID.
            return device::Result::kOk;
        },
        [this, outcome, after = std::move(after)](device::Result) {
            finished(*outcome);
            if (after) after(*outcome);
        });
}

void HeadsetPageBinding::finished(const audio::AudioOutcome& outcome) {
    refresh();
    CDeviceProfileUI* panel = page_.profile_panel();
    if (panel == nullptr) return;
    for (const std::string& notice : outcome.notices)
        panel->notify_user(QString::fromStdString(notice));
    if (outcome.result != 0 && panel->trace_sink())
        panel->trace_sink()("headset sound action: the library answered " +
                            std::to_string(outcome.result));
}

void HeadsetPageBinding::refresh() {
    const HeadsetPanelState state = panel_state_of(headset_.audio_state());
    voice_.show(state);
    magic_.show(state);
    surround_.show(state);
}

bool HeadsetPageBinding::handle_notification(const ui::Notification& n) {
    return voice_.handle_notification(n) || magic_.handle_notification(n) ||
           surround_.handle_notification(n);
}

void HeadsetPageBinding::retranslate() {
    voice_.retranslate();
    magic_.retranslate();
    surround_.retranslate();
}

}  // namespace ilmo::shell
