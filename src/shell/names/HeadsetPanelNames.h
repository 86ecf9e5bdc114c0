#pragma once
// Controls of the headset page's sound panels: the equaliser and microphone on its sound tab
// (the page "key_function_page_voice" of the headset layout), the voice changer on its voice
// changer tab ("key_function_page_magic") and virtual surround on its Virtual 7.1 tab
// ("function_page_virtual").

#include "shell/names/NamedControl.h"

namespace ilmo::shell::names::headset_panels {

// "6533_eq_option_" + n: off n = 0, presets n = 1-12 and the user's curves, n = 13; one
// exclusive group.
inline constexpr const char* kEqOptionPrefix = "6533_eq_option_";
inline constexpr const char* kEqOptionGroup = "hs_eq_option";
inline constexpr int kEqOffOption = 0;
inline constexpr int kEqPresets = 12;
inline constexpr int kCustomEqOption = 13;

// "6533_eq_hz_slider_" + i for the bands i = 0-9, from 31 Hz up to 16 kHz, in dB. The
// presets reach from -13 to +18.
inline constexpr const char* kBandSliderPrefix = "6533_eq_hz_slider_";
inline constexpr int kBands = 10;
inline constexpr int kBandMin = -20;
inline constexpr int kBandMax = 20;

// The user's curves: usable only while option 13 is chosen.
inline constexpr const char* kCustomLayout = "custom_eq_option_layout";
inline constexpr const char* kCustomNameCombo = "custom_eq_name_combo";
inline constexpr const char* kCustomNameEdit = "custom_eq_name_edit";
inline constexpr const char* kSaveButton = "hs_EQ_btn_save";
inline constexpr const char* kDeleteButton = "hs_EQ_btn_delete";

// Microphone and monitoring: on/off and a level 0-100, with the range the sound card
// reports beside each.
inline constexpr const char* kMicOption = "6533_MicIn_option";
inline constexpr const char* kMicSlider = "6533_MicIn_slider";
inline constexpr const char* kMicRange = "6533_MicIn_range";
inline constexpr const char* kMonitorOption = "6533_MicMoniter_option";
inline constexpr const char* kMonitorSlider = "6533_MicMoniter_slider";
inline constexpr const char* kMonitorRange = "6533_MicMoniter_range";
inline constexpr int kLevelMax = 100;

// Voice changer: on/off, and "magic_option_" + n for the effects n = 1-8, one exclusive
// group inside the layout that is usable only while the changer is on.
inline constexpr const char* kMagicEnable = "magic_enable_option";
inline constexpr const char* kMagicLayout = "magic_option_layout";
inline constexpr const char* kMagicOptionPrefix = "magic_option_";
inline constexpr const char* kMagicOptionGroup = "hs_magic_option";
inline constexpr int kMagicEffects = 8;

inline constexpr const char* kSurroundOption = "virtual_enable_option";

// One per tab: what keeps the sound settings from the headset as a whole; hidden while empty.
inline constexpr const char* kVoiceNotice = "6533_voice_notice";
inline constexpr const char* kMagicNotice = "magic_notice";
inline constexpr const char* kSurroundNotice = "virtual_notice";

// Language keys the panels compose texts from: the range ("%1", "%2", "%3": lowest,
// highest, step; in dB where the card has a dB scale, else in its raw steps, so the text
// names no unit), the notices, and why a feature is shown unusable.
inline constexpr const char* kRangeText = "hs_range_text";
inline constexpr const char* kNoLibraryText = "hs_no_audio_library_text";
inline constexpr const char* kNoSoundCardText = "hs_no_sound_card_text";
inline constexpr const char* kAudioUnavailableTip = "hs_audio_unavailable_tip";
inline constexpr const char* kEqualiserUnavailableTip = "hs_eq_unavailable_tip";
inline constexpr const char* kMicrophoneUnavailableTip = "hs_microphone_unavailable_tip";
inline constexpr const char* kMonitoringUnavailableTip = "hs_monitoring_unavailable_tip";
inline constexpr const char* kVoiceChangerUnavailableTip = "hs_magic_unavailable_tip";
inline constexpr const char* kSurroundUnavailableTip = "hs_surround_unavailable_tip";
inline constexpr const char* kSurroundNoActionTip = "hs_surround_no_action_tip";
inline constexpr const char* kLanguageKeys[] = {kRangeText,
                                                kNoLibraryText,
                                                kNoSoundCardText,
                                                kAudioUnavailableTip,
                                                kEqualiserUnavailableTip,
                                                kMicrophoneUnavailableTip,
                                                kMonitoringUnavailableTip,
                                                kVoiceChangerUnavailableTip,
                                                kSurroundUnavailableTip,
                                                kSurroundNoActionTip};

inline constexpr NamedControl kControls[] = {
    {"6533_eq_option_0", "QAbstractButton"},
    {"6533_eq_option_1", "QAbstractButton"},
    {"6533_eq_option_2", "QAbstractButton"},
    {"6533_eq_option_3", "QAbstractButton"},
    {"6533_eq_option_4", "QAbstractButton"},
    {"6533_eq_option_5", "QAbstractButton"},
    {"6533_eq_option_6", "QAbstractButton"},
    {"6533_eq_option_7", "QAbstractButton"},
    {"6533_eq_option_8", "QAbstractButton"},
    {"6533_eq_option_9", "QAbstractButton"},
    {"6533_eq_option_10", "QAbstractButton"},
    {"6533_eq_option_11", "QAbstractButton"},
    {"6533_eq_option_12", "QAbstractButton"},
    {"6533_eq_option_13", "QAbstractButton"},
    {"6533_eq_hz_slider_0", "QSlider"},
    {"6533_eq_hz_slider_1", "QSlider"},
    {"6533_eq_hz_slider_2", "QSlider"},
    {"6533_eq_hz_slider_3", "QSlider"},
    {"6533_eq_hz_slider_4", "QSlider"},
    {"6533_eq_hz_slider_5", "QSlider"},
    {"6533_eq_hz_slider_6", "QSlider"},
    {"6533_eq_hz_slider_7", "QSlider"},
    {"6533_eq_hz_slider_8", "QSlider"},
    {"6533_eq_hz_slider_9", "QSlider"},
    {kCustomLayout, "QWidget"},
    {kCustomNameCombo, "QComboBox"},
    {kCustomNameEdit, "QLineEdit"},
    {kSaveButton, "QAbstractButton"},
    {kDeleteButton, "QAbstractButton"},
    {kMicOption, "QAbstractButton"},
    {kMicSlider, "QSlider"},
    {kMicRange, "QLabel"},
    {kMonitorOption, "QAbstractButton"},
    {kMonitorSlider, "QSlider"},
    {kMonitorRange, "QLabel"},
    {kVoiceNotice, "QLabel"},
    {kMagicEnable, "QAbstractButton"},
    {kMagicLayout, "QWidget"},
    {"magic_option_1", "QAbstractButton"},
    {"magic_option_2", "QAbstractButton"},
    {"magic_option_3", "QAbstractButton"},
    {"magic_option_4", "QAbstractButton"},
    {"magic_option_5", "QAbstractButton"},
    {"magic_option_6", "QAbstractButton"},
    {"magic_option_7", "QAbstractButton"},
    {"magic_option_8", "QAbstractButton"},
    {kMagicNotice, "QLabel"},
    {kSurroundOption, "QAbstractButton"},
    {kSurroundNotice, "QLabel"},
};

}  // namespace ilmo::shell::names::headset_panels
