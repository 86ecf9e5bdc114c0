#include "audio/real/MixerElementChoice.h"

#include <gtest/gtest.h>

#include <vector>

namespace ilmo::audio {
namespace {

MixerElementInfo capture(const char* name, bool volume, bool switch_on) {
    return {name, 0, volume, switch_on, false, false};
}
MixerElementInfo playback(const char* name, bool volume, bool switch_on) {
    return {name, 0, false, false, volume, switch_on};
}

TEST(MixerElementChoiceTest, UsbHeadsetMicCarriesLevelMuteAndMonitoring) {
    // What a USB audio class headset offers: the microphone as "Mic" with capture controls
    // and its playback into the headphones, next to the headphones' own output level.
    std::vector<MixerElementInfo> elements{playback("PCM", true, true),
                                           playback("Headphone", true, true),
                                           {"Mic", 0, true, true, true, true}};
    const auto choice = choose_mixer_elements(elements);
    EXPECT_EQ(choice.capture_volume, 2u);
    EXPECT_EQ(choice.capture_switch, 2u);
    EXPECT_EQ(choice.monitor_volume, 2u);
    EXPECT_EQ(choice.monitor_switch, 2u);
}

TEST(MixerElementChoiceTest, PrefersNamedMicrophoneAndSidetoneOverOtherControls) {
    std::vector<MixerElementInfo> elements{
        capture("Capture", true, false),      capture("Headset", true, false),
        capture("Mic", true, false),          capture("Capture Switch Only", false, true),
        {"Mic", 0, false, false, true, true}, playback("Sidetone", true, false)};
    const auto choice = choose_mixer_elements(elements);
    EXPECT_EQ(choice.capture_volume, 2u);
    // "Mic" has no switch of its own: the card's other capture switch mutes.
    EXPECT_EQ(choice.capture_switch, 3u);
    EXPECT_EQ(choice.monitor_volume, 5u);
    // The side-tone level has no switch: the microphone's playback switch serves.
    EXPECT_EQ(choice.monitor_switch, 4u);
}

TEST(MixerElementChoiceTest, OutputLevelsAreNeverTakenForMonitoring) {
    std::vector<MixerElementInfo> elements{
        playback("PCM", true, true), playback("Speaker", true, true),
        playback("Headphone", true, true), capture("Mic", true, true)};
    const auto choice = choose_mixer_elements(elements);
    EXPECT_EQ(choice.capture_volume, 3u);
    EXPECT_FALSE(choice.monitor_volume);
    EXPECT_FALSE(choice.monitor_switch);
    EXPECT_FALSE(choose_mixer_elements({}).capture_volume);
}

}  // namespace
}  // namespace ilmo::audio
