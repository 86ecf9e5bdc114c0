// The sound panels' actions against the emulated library: what each writes, and what it
// stores, including when the library refuses.

#include <gtest/gtest.h>

#include <algorithm>

#include "EmulatedLibrary.h"
#include "audio/EqPresets.h"
#include "audio/HeadsetAudio.h"

namespace ilmo::audio::testing {
namespace {

class HeadsetAudioTest : public ::testing::Test {
protected:
    // Started, with an empty write log.
    void start() {
        audio.set_library(emulated.library.get());
        started = audio.start();
        emulated.reset();
    }
    std::vector<LoggedWrite> writes_named(const std::string& prefix) const {
        std::vector<LoggedWrite> found;
        for (const LoggedWrite& w : emulated.writes())
            if (w.name.rfind(prefix, 0) == 0) found.push_back(w);
        return found;
    }
    std::vector<int> band_writes() const {
        std::vector<int> values;
        for (const LoggedWrite& w : writes_named("EQ_Slider")) values.push_back(w.value);
        return values;
    }
    HeadsetAudioStore store_with_curves(int count) {
        HeadsetAudioStore store;
        for (int i = 0; i < count; ++i)
            store.curves.push_back({"Curve " + std::to_string(i), profiles::EqBands{i, -i}});
        return store;
    }

    EmulatedLibrary emulated;
    HeadsetAudio audio;
    AudioOutcome started;
};

TEST_F(HeadsetAudioTest, MicrophoneVoiceChangerAndBandEdgeCases) {
    start();
    // 55 goes out as 0.55 for all channels and is kept as 55.
    const AudioOutcome level = audio.set_microphone_level(55);
    EXPECT_TRUE(level.stored);
    const auto scalars = writes_named("VolumeScalarControl");
    ASSERT_EQ(scalars.size(), 1u);
    EXPECT_FLOAT_EQ(scalars[0].scalar, 0.55F);
    EXPECT_EQ(scalars[0].second, -1);
    EXPECT_EQ(audio.state().record.mic_in_percent, 55);
    // Monitoring goes to channel 0.
    ASSERT_TRUE(audio.set_monitoring_level(30).stored);
    EXPECT_EQ(writes_named("AAVolumeScalarControl").at(0).second, 0);
    EXPECT_EQ(audio.state().record.mic_monitor_percent, 30);

    // Effect option 3 is the library's effect 2.
    emulated.reset();
    ASSERT_TRUE(audio.choose_voice_effect(3).stored);
    EXPECT_EQ(writes_named("MagicVoice_Selection").at(0).value, 2);
    EXPECT_EQ(audio.state().record.magic_type, 3);
    EXPECT_FALSE(audio.choose_voice_effect(0).stored);
    EXPECT_FALSE(audio.choose_voice_effect(kVoiceEffects + 1).stored);
    EXPECT_EQ(audio.state().record.magic_type, 3);

    // Band 3 moved on preset 4: the panel is on custom with no curve, one band written.
    ASSERT_TRUE(audio.choose_equaliser(4).stored);
    EXPECT_EQ(audio.state().sliders, *eq_preset(4));
    EXPECT_EQ(audio.store().option_bands[4], *eq_preset(4));
    emulated.reset();
    EXPECT_NE(audio.move_band(2, profiles::kEqBandHighest + 1).result, 0);
    EXPECT_NE(audio.move_band(2, profiles::kEqBandLowest - 1).result, 0);
    audio.move_band(2, 6);
    const HeadsetAudioState moved = audio.state();
    EXPECT_EQ(moved.eq_option, kEqCustomOption);
    EXPECT_EQ(moved.custom_selected, -1);
    EXPECT_TRUE(moved.custom_layout_enabled);
    EXPECT_EQ(moved.sliders[2], 6);
    ASSERT_EQ(emulated.writes().size(), 1u);
    EXPECT_EQ(emulated.writes()[0].name, "EQ_Slider3");
    EXPECT_EQ(emulated.writes()[0].value, 6);
}

TEST_F(HeadsetAudioTest, CustomCurvesLimitNamesDeletionAndChoice) {
    HeadsetAudioStore store = store_with_curves(19);
    store.record.custom_eq_index = 4;
    audio.set_store(store);
    start();
    ASSERT_TRUE(audio.save_custom_curve("Twentieth").stored);
    EXPECT_EQ(audio.state().custom_selected, 19);
    const AudioOutcome full = audio.save_custom_curve("Twenty-first");
    EXPECT_FALSE(full.stored);
    EXPECT_EQ(full.notices, std::vector<std::string>{"message_text_5"});
    EXPECT_EQ(audio.store().curves.size(), 20u);

    // Names are taken ignoring case.
    ASSERT_TRUE(audio.delete_custom_curve().stored);
    EXPECT_EQ(audio.save_custom_curve("CURVE 3").notices,
              std::vector<std::string>{"message_text_5"});
    // A band moved away from a preset leaves no curve selected for an empty name to update.
    ASSERT_TRUE(audio.choose_equaliser(2).stored);
    audio.move_band(0, 9);
    EXPECT_EQ(audio.save_custom_curve("").notices, std::vector<std::string>{"message_text_5"});

    // Custom with no curve selected applies one that exists: the last.
    ASSERT_TRUE(audio.choose_equaliser(kEqCustomOption).stored);
    EXPECT_EQ(audio.state().custom_selected, 18);
    EXPECT_EQ(audio.state().record.eq_type, kEqCustomOption);
    // An empty name keeps the sliders in the selected curve.
    audio.move_band(1, 5);
    ASSERT_TRUE(audio.save_custom_curve("").stored);
    EXPECT_EQ(audio.store().curves[18].bands, (profiles::EqBands{18, 5}));

    // Deleting the last curve selects the new last one and applies it.
    emulated.reset();
    ASSERT_TRUE(audio.delete_custom_curve().stored);
    EXPECT_EQ(audio.state().custom_selected, 17);
    EXPECT_EQ(audio.state().record.custom_eq_index, 17);
    EXPECT_EQ(band_writes(), (std::vector<int>{17, -17, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(HeadsetAudioTest, DeletingTheOnlyCurveAppliesTheFirstPreset) {
    audio.set_store(store_with_curves(1));
    start();
    ASSERT_TRUE(audio.choose_custom_curve(0).stored);
    emulated.reset();
    ASSERT_TRUE(audio.delete_custom_curve().stored);
    const HeadsetAudioState state = audio.state();
    EXPECT_TRUE(state.custom_names.empty());
    EXPECT_EQ(state.custom_selected, -1);
    EXPECT_EQ(state.record.eq_type, 1);
    EXPECT_EQ(state.eq_option, 1);
    const profiles::EqBands first = *eq_preset(1);
    EXPECT_EQ(band_writes(), std::vector<int>(first.begin(), first.end()));
    // Custom with no curve at all falls back to the same.
    EXPECT_EQ(audio.choose_equaliser(kEqCustomOption).result, 0);
    EXPECT_EQ(audio.state().eq_option, 1);
}

TEST_F(HeadsetAudioTest, TheEqualiserSwitchesOffAndStaysOffAtTheNextStart) {
    start();
    ASSERT_TRUE(audio.choose_equaliser(4).stored);
    // The library still has preset 4 on, as an earlier run would have left it; the profile
    // chose none: the start switches it off.
    HeadsetAudioStore store = audio.store();
    store.record.eq_type = kEqOptionNone;
    audio.set_store(store);
    const size_t before = emulated.writes().size();
    ASSERT_EQ(audio.start().result, 0);
    const auto writes = emulated.writes();
    EXPECT_TRUE(std::any_of(writes.begin() + static_cast<std::ptrdiff_t>(before), writes.end(),
                            [](const LoggedWrite& w) {
                                return w.name == "Enable_EQ_GFX" && w.value == 0;
                            }));

    ASSERT_TRUE(audio.choose_equaliser(4).stored);
    emulated.reset();
    ASSERT_TRUE(audio.choose_equaliser(kEqOptionNone).stored);
    ASSERT_EQ(emulated.writes().size(), 1u);
    EXPECT_EQ(emulated.writes()[0].name, "Enable_EQ_GFX");
    EXPECT_EQ(emulated.writes()[0].value, 0);
    const HeadsetAudioState off = audio.state();
    EXPECT_EQ(off.eq_option, kEqOptionNone);
    EXPECT_EQ(off.record.eq_type, kEqOptionNone);
    EXPECT_EQ(off.sliders, profiles::EqBands{});

    // A band moved while off switches to custom, which is heard: the shown curve is put on.
    emulated.reset();
    ASSERT_EQ(audio.move_band(2, 5).result, 0);
    EXPECT_EQ(writes_named("Enable_EQ_GFX").at(0).value, 1);
    EXPECT_EQ(band_writes(), (std::vector<int>{0, 0, 5, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(audio.state().eq_option, kEqCustomOption);
}

TEST_F(HeadsetAudioTest, CorruptProfileChoicesShowNothingChosen) {
    // An equaliser choice no option has is no choice; a curve index past the list selects none.
    HeadsetAudioStore store = store_with_curves(3);
    store.record.eq_type = 99;
    store.record.custom_eq_index = 40;
    store.option_bands[2] = {1000000000, -1000000000};
    store.curves[1].bands[9] = 21;
    audio.set_store(store);
    // Bands past what a slider shows are limited before anything can write them.
    EXPECT_EQ(audio.store().option_bands[2][0], profiles::kEqBandHighest);
    EXPECT_EQ(audio.store().option_bands[2][1], profiles::kEqBandLowest);
    EXPECT_EQ(audio.store().curves[1].bands[9], profiles::kEqBandHighest);
    start();
    HeadsetAudioState state = audio.state();
    EXPECT_EQ(state.eq_option, kEqOptionNone);
    EXPECT_FALSE(state.custom_layout_enabled);
    EXPECT_EQ(state.custom_selected, -1);
    EXPECT_EQ(audio.save_custom_curve("").notices, std::vector<std::string>{"message_text_5"});
    EXPECT_FALSE(audio.delete_custom_curve().stored);
    store.record.custom_eq_index = -5;
    audio.set_store(store);
    EXPECT_EQ(audio.state().custom_selected, -1);
}

TEST_F(HeadsetAudioTest, StoredValuesChangeOnlyWhenTheWriteSucceeded) {
    HeadsetAudioStore store;
    store.record.eq_type = 2;
    audio.set_store(store);
    start();
    const profiles::HeadsetSettings before = audio.state().record;
    emulated.fail_next("MuteControl", true);
    const AudioOutcome refused = audio.toggle_microphone();
    EXPECT_NE(refused.result, 0);
    EXPECT_FALSE(refused.stored);
    EXPECT_EQ(audio.state().record.mic_in_select, before.mic_in_select);
    // The next toggle still means the same change, and now it is kept.
    ASSERT_TRUE(audio.toggle_microphone().stored);
    EXPECT_EQ(audio.state().record.mic_in_select, before.mic_in_select == 0 ? 1 : 0);
    EXPECT_EQ(writes_named("MuteControl").at(0).value, before.mic_in_select);

    const profiles::HeadsetSettings toggled = audio.state().record;
    emulated.fail_next("AAMuteControl", true);
    EXPECT_FALSE(audio.toggle_monitoring().stored);
    emulated.fail_next("VolumeScalarControl", true);
    EXPECT_FALSE(audio.set_microphone_level(10).stored);
    emulated.fail_next("Enable_MAGICVOICE", true);
    EXPECT_FALSE(audio.set_voice_changer(true).stored);
    emulated.fail_next("EQ_Slider7", true);
    const size_t writes_before = emulated.writes().size();
    EXPECT_FALSE(audio.choose_equaliser(9).stored);
    // The refused band ends the curve: the enable and bands 1-6 went out, nothing after 7.
    EXPECT_EQ(emulated.writes().back().name, "EQ_Slider6");
    EXPECT_EQ(emulated.writes().size() - writes_before, 7u);
    // A library that puts the curve in place later reports its failure on the read back.
    emulated.fail_next("Enable_EQ_GFX", false);
    EXPECT_FALSE(audio.choose_equaliser(9).stored);
    emulated.fail_next("Enable_EQ_GFX", true);
    EXPECT_FALSE(audio.choose_equaliser(kEqOptionNone).stored);
    const HeadsetAudioState after = audio.state();
    EXPECT_EQ(after.record, toggled);
    EXPECT_EQ(after.eq_option, 2);
}

TEST_F(HeadsetAudioTest, StartResetsOnlyEffectsItCannotRead) {
    // Every level and mute read fails: the start must not write any of them.
    for (const char* name : {"VolumeControl", "VolumeScalarControl", "MuteControl",
                             "AAVolumeControl", "AAVolumeScalarControl", "AAMuteControl"})
        emulated.fail_next(name, false);
    audio.set_library(emulated.library.get());
    const AudioOutcome outcome = audio.start();
    EXPECT_TRUE(outcome.notices.empty());
    const std::vector<std::string> names = emulated.written_names();
    EXPECT_TRUE(std::none_of(names.begin(), names.end(), [](const std::string& name) {
        return name.find("Vol") != std::string::npos || name.find("Mute") != std::string::npos;
    }));
    // The effects the library could not report were reset.
    for (const char* effect : {"Enable_EQ_GFX", "EQ_Slider10", "Enable_ENC_LFX", "RFX_ROOMSIZE",
                               "Enable_MAGICVOICE", "MagicVoice_Selection"})
        EXPECT_NE(std::find(names.begin(), names.end(), effect), names.end()) << effect;
    const auto surround = writes_named("VirtualSurroundEffectControl");
    ASSERT_EQ(surround.size(), 1u);
    EXPECT_EQ(surround[0].second, 4);

    const HeadsetAudioState state = audio.state();
    EXPECT_TRUE(state.equaliser.available && state.voice_changer.available);
    EXPECT_EQ(state.microphone_range.max, "100.00");
    EXPECT_EQ(state.monitoring_range.step, "1.00");
}

TEST_F(HeadsetAudioTest, StartPutsTheStoredEqualiserAndVoiceEffectBack) {
    HeadsetAudioStore store;
    store.record.eq_type = 4;
    store.record.magic_enable = 1;
    store.record.magic_type = 3;
    store.record.mic_monitor_select = 1;  // the library says otherwise: it is muted
    audio.set_store(store);
    audio.set_library(emulated.library.get());
    EXPECT_TRUE(audio.start().stored);
    // The read pass keeps what the library holds: microphone on at 0.8, monitoring muted.
    const profiles::HeadsetSettings read = audio.state().record;
    EXPECT_EQ(read.mic_in_select, 1);
    EXPECT_EQ(read.mic_in_percent, 80);
    EXPECT_EQ(read.mic_monitor_select, 0);
    // After the reset to flat, preset 4's bands go out last, and effect 3 as 2.
    const auto bands = band_writes();
    ASSERT_GE(bands.size(), 10u);
    const profiles::EqBands preset = *eq_preset(4);
    EXPECT_EQ(std::vector<int>(bands.end() - 10, bands.end()),
              std::vector<int>(preset.begin(), preset.end()));
    EXPECT_EQ(writes_named("MagicVoice_Selection").back().value, 2);
    EXPECT_EQ(audio.state().record.eq_type, 4);
}

TEST_F(HeadsetAudioTest, StartFailuresBecomeNoticesAndReasons) {
    emulated.set_init_result(3);
    emulated.set_raw(CONF_LIB_TYPE_PLAYBACK, "GetSupportFeature", "1,1,1");
    emulated.set_raw(CONF_LIB_TYPE_CAPTURE, "GetSupportFeature", "1,1,1,1,0,1,1");
    emulated.fail_next("GetAAMaxVol", false);
    audio.set_library(emulated.library.get());
    const AudioOutcome outcome = audio.start();
    EXPECT_EQ(outcome.notices, (std::vector<std::string>{"ConfLibInit called failed!",
                                                         "UpdateAPOAvailable failed!"}));
    const HeadsetAudioState state = audio.state();
    EXPECT_FALSE(state.equaliser.available);
    EXPECT_FALSE(state.equaliser.reason.empty());
    EXPECT_FALSE(state.voice_changer.available);
    EXPECT_TRUE(state.microphone.available);
    EXPECT_FALSE(state.monitoring.available);
    EXPECT_EQ(state.start_notices, outcome.notices);

    // Without a library nothing is called and every panel says why.
    HeadsetAudio without;
    EXPECT_EQ(without.start().result, kNotCalled);
    EXPECT_FALSE(without.toggle_microphone().stored);
    EXPECT_FALSE(without.state().microphone.available);
    EXPECT_FALSE(without.state().microphone.reason.empty());
    // A library with no device chosen yet: nothing reaches it.
    emulated.reset();
    HeadsetAudio not_started(emulated.library.get());
    EXPECT_FALSE(not_started.set_microphone_level(40).stored);
    EXPECT_FALSE(not_started.choose_equaliser(3).stored);
    EXPECT_TRUE(emulated.writes().empty());
}

}  // namespace
}  // namespace ilmo::audio::testing
