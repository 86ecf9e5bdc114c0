#pragma once
// Controls of the lighting panel on the lighting tab of every device page
// ("key_function_page_light"). The panel widget is of the class "LightControl"; the
// keyboard's and the mouse's panels also carry the music lighting's section.

#include "shell/names/NamedControl.h"

namespace ilmo::shell::names::light_panel {

inline constexpr const char* kPanelClass = "LightControl";
inline constexpr const char* kPanel = "LightControlItem";

inline constexpr const char* kModeCombo = "light_combo_modeSelect";
inline constexpr const char* kCustomCombo = "light_combo_custommodeSelect";
inline constexpr const char* kSecondaryCombo = "light_combo_ZZCCmodeSelect";
inline constexpr const char* kBrightnessSlider = "deng_light_slider";
inline constexpr const char* kSpeedSlider = "deng_speed_slider";
// Colour components as decimal text: red, green, blue.
inline constexpr const char* kEdits[] = {"deng_edit_R", "deng_edit_G", "deng_edit_B"};
inline constexpr const char* kPalette = "deng_Color_Pallet";
inline constexpr const char* kSwatchPrefix = "color_option_";
inline constexpr int kSwatches = 8;
inline constexpr const char* kColourButton = "deng_colordp_btn";
inline constexpr const char* kSevenColour = "deng_7color_check";
inline constexpr const char* kLeftOption = "deng_FXL_check";
inline constexpr const char* kRightOption = "deng_FXR_check";
inline constexpr const char* kDirectionGroup = "deng_fx_group";
inline constexpr const char* kSameMode = "deng_same_mode";

inline constexpr const char* kEffectLayout = "lighteffect_layout";
inline constexpr const char* kColourLayout = "deng_color_layout";
inline constexpr const char* kPaletteLayout = "colorpallet_layout";
inline constexpr const char* kBrightnessLayout = "deng_light_layout";
inline constexpr const char* kSpeedLayout = "deng_speed_layout";
inline constexpr const char* kDirectionLayout = "deng_fx_layout";
inline constexpr const char* kCustomLayout = "lightcustom_layout";
inline constexpr const char* kLightColourLayout = "light_color_layout";
inline constexpr const char* kSecondaryLayout = "light_combo_ZZCCmodeSelectLayout";
inline constexpr const char* kAudioModeLayout = "light_combo_AudiomodeSelectLayout";
// A stack: page 0 the light's colour, page 1 the music lighting's colours.
inline constexpr const char* kColourTabs = "light_color_tablayout";

// Per-key colours (keyboard): every key takes the panel's colour, or goes dark.
inline constexpr const char* kCustomBrightButton = "custom_bright_color_btn";
inline constexpr const char* kCustomOffButton = "custom_off_color_btn";

// The music lighting.
inline constexpr const char* kAudioModeCombo = "light_combo_audiomodeSelect";
inline constexpr int kAudioModes = 7;
// The visualiser that draws without the two colours.
inline constexpr int kAudioModeWithoutColours = 3;
inline constexpr const char* kAudioPalette = "deng_audioColor_Pallet";
inline constexpr const char* kAudioColourButton = "deng_audiocolordp_btn";
inline constexpr const char* kAudioEdits[] = {"deng_audioedit_R", "deng_audioedit_G",
                                              "deng_audioedit_B"};
inline constexpr const char* kAudioSwatchPrefix = "audiocolor_option_";
inline constexpr const char* kAudioSevenColour = "deng_7audiocolor_check";
inline constexpr const char* kAudioBackground = "audio_BkColor_check";
inline constexpr const char* kAudioForeground = "audio_FgColor_check";
inline constexpr const char* kAudioColourGroup = "deng_audiocolor_group";
inline constexpr const char* kAudioColourLayout = "light_audiocolor_layout";
inline constexpr const char* kAudioPaletteLayout = "audiocolorpallet_layout";
inline constexpr const char* kMusicSettingsButton = "music_setting_btn";

// A swatch's colour is its "bkcolor" property (#RRGGBB).
inline constexpr const char* kSwatchColourProperty = "bkcolor";

// Language keys of the panel's own texts.
inline constexpr const char* kCustomGroupText = "light_custom_group_text";  // "%1": number
inline constexpr const char* kAudioModeTextPrefix = "light_audio_mode_";       // + 0-6
inline constexpr const char* kSecondaryModeTextPrefix = "light_zzcc_mode_";    // + 0-3
inline constexpr int kSecondaryModes = 4;

inline constexpr NamedControl kControls[] = {
    {kPanel, "QWidget"},
    {kModeCombo, "QComboBox"},
    {kSecondaryCombo, "QComboBox"},
    {kBrightnessSlider, "QSlider"},
    {kSpeedSlider, "QSlider"},
    {"deng_edit_R", "QLineEdit"},
    {"deng_edit_G", "QLineEdit"},
    {"deng_edit_B", "QLineEdit"},
    {kPalette, "ilmo::shell::ui::CColorPaletteUI"},
    {"color_option_0", "QAbstractButton"},
    {"color_option_7", "QAbstractButton"},
    {kColourButton, "QAbstractButton"},
    {kSevenColour, "QAbstractButton"},
    {kLeftOption, "QAbstractButton"},
    {kRightOption, "QAbstractButton"},
    {kSameMode, "QAbstractButton"},
    {kEffectLayout, "QWidget"},
    {kColourLayout, "QWidget"},
    {kPaletteLayout, "QWidget"},
    {kBrightnessLayout, "QWidget"},
    {kSpeedLayout, "QWidget"},
    {kDirectionLayout, "QWidget"},
    {kLightColourLayout, "QWidget"},
    {kSecondaryLayout, "QWidget"},
    {kColourTabs, "QStackedWidget"},
};

// The keyboard's per-key colours.
inline constexpr NamedControl kCustomControls[] = {
    {kCustomLayout, "QWidget"},
    {kCustomCombo, "QComboBox"},
    {kCustomBrightButton, "QAbstractButton"},
    {kCustomOffButton, "QAbstractButton"},
};

// The keyboard's and the mouse's music lighting.
inline constexpr NamedControl kAudioControls[] = {
    {kAudioModeLayout, "QWidget"},
    {kAudioModeCombo, "QComboBox"},
    {kAudioPalette, "ilmo::shell::ui::CColorPaletteUI"},
    {kAudioColourButton, "QAbstractButton"},
    {"deng_audioedit_R", "QLineEdit"},
    {"deng_audioedit_G", "QLineEdit"},
    {"deng_audioedit_B", "QLineEdit"},
    {"audiocolor_option_0", "QAbstractButton"},
    {"audiocolor_option_7", "QAbstractButton"},
    {kAudioSevenColour, "QAbstractButton"},
    {kAudioBackground, "QAbstractButton"},
    {kAudioForeground, "QAbstractButton"},
    {kAudioColourLayout, "QWidget"},
    {kAudioPaletteLayout, "QWidget"},
    {kMusicSettingsButton, "QAbstractButton"},
};

}  // namespace ilmo::shell::names::light_panel
