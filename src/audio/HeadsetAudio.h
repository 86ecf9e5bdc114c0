#pragma once
// The headset's sound panels' actions against the audio configuration library: the page
// start (endpoints, features, default and read passes), voice changer, microphone,
// monitoring, equaliser presets and the user's custom curves. Every stored value changes only
// when the library's write answered 0. Not thread-safe: the owner serialises the calls.

#include <array>
#include <string>
#include <vector>

#include "audio/ConfLib.h"
#include "audio/HeadsetAudioState.h"
#include "profiles/EqualizerSection.h"
#include "profiles/HeadsetSettingsSection.h"

namespace ilmo::audio {

// Equaliser options of the panel; none is the plain sound path, the equaliser switched off.
inline constexpr int kEqOptionNone = 0;
inline constexpr int kEqLastPresetOption = 12;
inline constexpr int kEqCustomOption = 13;
// The voice changer's effects the panel offers, 1-based.
inline constexpr int kVoiceEffects = 8;

struct CustomCurve {
    std::string name;
    profiles::EqBands bands{};
};

// What the profile keeps for the sound side.
struct HeadsetAudioStore {
    profiles::HeadsetSettings record;
    // "EQHzValueInfo"[n]: the band values last applied with option n.
    std::array<profiles::EqBands, kEqCustomOption + 1> option_bands{};
    std::vector<CustomCurve> curves;
};

struct AudioOutcome {
    int result = 0;       // 0, or the first failing call's result (kNotCalled: none was made)
    bool stored = false;  // the store changed: the profile is to be saved
    std::vector<std::string> notices;  // texts or language keys for the page to show
};

class HeadsetAudio {
public:
    // `library` may be null (no library): then nothing is called and nothing is stored.
    explicit HeadsetAudio(ConfLib* library = nullptr);

    void set_library(ConfLib* library) { library_ = library; }
    // A profile was loaded; the custom selection follows its record.
    void set_store(HeadsetAudioStore store);
    const HeadsetAudioStore& store() const { return store_; }

    // Ends by putting the stored equaliser choice and voice effect back into the library.
    AudioOutcome start();

    AudioOutcome set_voice_changer(bool on);
    // Option n, 1 to kVoiceEffects; anything else does nothing.
    AudioOutcome choose_voice_effect(int option);
    AudioOutcome toggle_microphone();
    AudioOutcome set_microphone_level(int percent);
    AudioOutcome toggle_monitoring();
    AudioOutcome set_monitoring_level(int percent);
    // 0 switches the equaliser off, 1-12 a preset, 13 the selected custom curve; anything else
    // does nothing.
    AudioOutcome choose_equaliser(int option);
    // Band 0-9 moved to `value`: the panel switches to custom without a selected curve.
    AudioOutcome move_band(int band, int value);
    AudioOutcome choose_custom_curve(int index);
    // An empty name replaces the selected curve's bands by the sliders.
    AudioOutcome save_custom_curve(const std::string& name);
    AudioOutcome delete_custom_curve();

    HeadsetAudioState state() const;

private:
    // A level written as a scalar and read back as the library's level.
    struct LevelControl {
        const wchar_t* scalar;
        SecondBuffer channel;
        const wchar_t* level;
        SecondBuffer level_channel;
    };
    AudioOutcome toggle_mute(const wchar_t* mute, int32_t& selected);
    AudioOutcome write_level(const LevelControl& control, int percent, int32_t& stored);
    void choose_endpoints();
    void read_features(AudioOutcome& outcome);
    void default_pass();
    void read_pass(AudioOutcome& outcome);
    void read_monitoring();
    void restore_stored();
    // A write's result, or when it succeeded the result of reading the property back. A
    // library may put equaliser writes in place together, later; the read waits for that and
    // reports what became of them, so an action never claims a filter that is not there.
    int settled(const wchar_t* written, int result);
    int apply_bands(const profiles::EqBands& bands);
    AudioOutcome switch_equaliser_off();
    AudioOutcome apply_preset(int option);
    AudioOutcome apply_custom(int index);

    ConfLib* library_ = nullptr;
    HeadsetAudioStore store_;
    Device playback_;
    Device capture_;
    HeadsetAudioState shown_;
};

}  // namespace ilmo::audio
