// The headset page's start on the sound side: endpoints, features, the default pass that
// resets effects the library cannot report, and the read pass that shows what it holds.

#include <cmath>
#include <vector>

#include "audio/EqPresets.h"
#include "audio/HeadsetAudio.h"
#include "audio/StartChoices.h"

namespace ilmo::audio {

namespace {

namespace prop = property;

constexpr const char* kInitFailed = "ConfLibInit called failed!";
constexpr const char* kFeaturesFailed = "UpdateAPOAvailable failed!";

constexpr const char* kNoLibrary =
    "The audio configuration library could not be loaded from the program folder's SDK folder.";
constexpr const char* kNoOutput = "The sound library found no headset output.";
constexpr const char* kNoMicrophone = "The sound library found no headset microphone.";
constexpr const char* kNoFeatureList = "The sound library did not say which effects it offers.";
constexpr const char* kNoEqualiser = "The sound library offers no equaliser for this headset.";
constexpr const char* kNoVoiceChanger =
    "The sound library offers no voice changer for this headset.";
constexpr const char* kNoSurround = "The sound library offers no surround for this headset.";
constexpr const char* kNoMonitoring = "The headset offers no microphone monitoring.";

// The surround property is addressed by its parameter block; only "XearSurrHP_Enable" is set.
const SecondBuffer kSurroundEnableBlock{{4, -1, 0, 0}};

Availability available() {
    return {true, {}};
}
Availability unavailable(const char* reason) {
    return {false, reason};
}

std::vector<ConfLibDevice> list_devices(ConfLib& library, int flow) {
    int count = 0;
    std::vector<ConfLibDevice> devices;
    if (library.device_count(flow, count) != 0) return devices;
    for (int i = 0; i < count; ++i) {
        ConfLibDevice device{};
        if (library.device(flow, i, device) == 0) devices.push_back(device);
    }
    return devices;
}

// The bound shown only when the library answered; the result either way.
int read_range(ConfLib& library, const Device& device, const wchar_t* name, std::string& shown) {
    std::string text;
    const int result = library.read_text(device, name, text);
    if (result == 0) shown = range_text(text);
    return result;
}

int percent_of(float scalar) {
    return static_cast<int>(std::lround(scalar * 100.0F));
}

}  // namespace

AudioOutcome HeadsetAudio::start() {
    AudioOutcome outcome;
    playback_.reset();
    capture_.reset();
    const HeadsetAudioState before = shown_;
    shown_ = {};
    shown_.eq_option = before.eq_option;
    shown_.sliders = before.sliders;
    shown_.custom_selected = before.custom_selected;
    shown_.custom_layout_enabled = before.custom_layout_enabled;
    shown_.library = shown_.equaliser = shown_.voice_changer = shown_.surround = shown_.microphone =
        shown_.monitoring = unavailable(kNoLibrary);
    if (library_ == nullptr || !library_->loaded()) {
        outcome.result = kNotCalled;
        return outcome;
    }
    if (library_->init() != 0) outcome.notices.emplace_back(kInitFailed);
    shown_.library = available();
    choose_endpoints();
    read_features(outcome);
    default_pass();
    read_pass(outcome);
    restore_stored();
    shown_.start_notices = outcome.notices;
    return outcome;
}

// The default pass leaves the library with no equaliser and no voice effect; what the profile
// chose is put back, so the sound is what the page shows. Writes that fail leave the record as
// it is, as every action does.
void HeadsetAudio::restore_stored() {
    const profiles::HeadsetSettings record = store_.record;
    // With none chosen (or a choice no option has) an equaliser that an earlier run left in
    // the sound server is switched off.
    if (shown_.equaliser.available) static_cast<void>(choose_equaliser(shown_.eq_option));
    if (record.magic_enable != 0 && shown_.voice_changer.available) {
        static_cast<void>(set_voice_changer(true));
        static_cast<void>(choose_voice_effect(record.magic_type));
    }
}

void HeadsetAudio::choose_endpoints() {
    static_cast<void>(library_->create_device_list());
    const std::vector<ConfLibDevice> outputs = list_devices(*library_, CONF_LIB_FLOW_PLAYBACK);
    // Without an output the library has no headset: the capture side is not looked at either.
    if (!outputs.empty()) {
        playback_ = choose_playback(outputs);
        capture_ = choose_capture(list_devices(*library_, CONF_LIB_FLOW_CAPTURE));
    }
    const Availability output = playback_ ? available() : unavailable(kNoOutput);
    const Availability input = capture_ ? available() : unavailable(kNoMicrophone);
    shown_.equaliser = shown_.surround = output;
    shown_.microphone = shown_.monitoring = shown_.voice_changer = input;
}

void HeadsetAudio::read_features(AudioOutcome& outcome) {
    bool complete = true;
    auto features_of = [&](const Device& device) {
        std::string text;
        static_cast<void>(library_->read_text(device, prop::kGetSupportFeature, text));
        const FeatureSupport support = parse_feature_list(text);
        complete = complete && support.complete;
        return support;
    };
    if (playback_) {
        const FeatureSupport output = features_of(playback_);
        if (!output.complete) {
            shown_.equaliser = shown_.surround = unavailable(kNoFeatureList);
        } else {
            if (!output.equaliser) shown_.equaliser = unavailable(kNoEqualiser);
            if (!output.surround) shown_.surround = unavailable(kNoSurround);
        }
    }
    if (capture_) {
        const FeatureSupport input = features_of(capture_);
        if (!input.complete)
            shown_.voice_changer = unavailable(kNoFeatureList);
        else if (!input.voice_changer)
            shown_.voice_changer = unavailable(kNoVoiceChanger);
    }
    if (!complete) outcome.notices.emplace_back(kFeaturesFailed);
}

// Only effects are reset when the library cannot report them. Levels and mute flags are left
// alone: writing 0 there would silence the user's microphone whenever a read failed.
void HeadsetAudio::default_pass() {
    ConfLib& lib = *library_;
    auto reset = [&](const Device& device, const wchar_t* name, SecondBuffer second) {
        int value = 0;
        if (lib.read_int(device, name, value, second) != 0)
            static_cast<void>(lib.write_int(device, name, 0, second));
    };
    const SecondBuffer none = SecondBuffer::none();
    reset(playback_, prop::kVirtualSurround, kSurroundEnableBlock);
    reset(capture_, prop::kEnableNoiseReduction, none);
    reset(playback_, prop::kEnableEq, none);
    for (int band = 0; band < profiles::kEqBandCount; ++band)
        reset(playback_, eq_slider_property(band), none);
    reset(playback_, prop::kEnableRoomEffect, none);
    reset(playback_, prop::kRoomEnvironment, none);
    reset(playback_, prop::kRoomSize, none);
    reset(capture_, prop::kEnableMagicVoice, none);
    int selection = 0;
    static_cast<void>(lib.read_int(capture_, prop::kMagicVoiceSelection, selection));
    static_cast<void>(lib.write_int(capture_, prop::kMagicVoiceSelection, 0));
}

void HeadsetAudio::read_pass(AudioOutcome& outcome) {
    ConfLib& lib = *library_;
    const profiles::HeadsetSettings before = store_.record;
    LevelRange& microphone = shown_.microphone_range;
    static_cast<void>(read_range(lib, capture_, prop::kGetMaxVol, microphone.max));
    static_cast<void>(read_range(lib, capture_, prop::kGetMinVol, microphone.min));
    static_cast<void>(read_range(lib, capture_, prop::kGetVolStep, microphone.step));
    float level = 0;
    static_cast<void>(
        lib.read_float(capture_, prop::kVolumeControl, level, SecondBuffer::channel(-1)));
    int muted = 0;
    if (lib.read_int(capture_, prop::kMuteControl, muted) == 0)
        store_.record.mic_in_select = muted == 0 ? 1 : 0;
    float scalar = 0;
    if (lib.read_float(capture_, prop::kVolumeScalarControl, scalar, SecondBuffer::channel(-1)) ==
        0)
        store_.record.mic_in_percent = percent_of(scalar);

    if (read_range(lib, capture_, prop::kGetAAMaxVol, shown_.monitoring_range.max) != 0) {
        if (capture_) shown_.monitoring = unavailable(kNoMonitoring);
    } else {
        read_monitoring();
    }
    if (!(store_.record == before)) outcome.stored = true;
}

void HeadsetAudio::read_monitoring() {
    ConfLib& lib = *library_;
    LevelRange& monitoring = shown_.monitoring_range;
    static_cast<void>(read_range(lib, capture_, prop::kGetAAMinVol, monitoring.min));
    static_cast<void>(read_range(lib, capture_, prop::kGetAAVolStep, monitoring.step));
    float level = 0;
    static_cast<void>(
        lib.read_float(capture_, prop::kAAVolumeControl, level, SecondBuffer::channel(1)));
    int muted = 0;
    if (lib.read_int(capture_, prop::kAAMuteControl, muted) == 0)
        store_.record.mic_monitor_select = muted == 0 ? 1 : 0;
    float scalar = 0;
    if (lib.read_float(capture_, prop::kAAVolumeScalarControl, scalar, SecondBuffer::channel(0)) ==
        0)
        store_.record.mic_monitor_percent = percent_of(scalar);
}

}  // namespace ilmo::audio
