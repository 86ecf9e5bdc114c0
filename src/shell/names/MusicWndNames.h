#pragma once
// Controls of the music styles window.

#include "shell/names/NamedControl.h"

namespace ilmo::shell::names::music_wnd {

inline constexpr const char* kUiFile = "music.xml";

inline constexpr const char* kStyleTabs[] = {"audio_select_tab1", "audio_select_tab2",
                                             "audio_select_tab3", "audio_select_tab4"};
inline constexpr const char* kNameEdits[] = {"audio_edit_name1", "audio_edit_name2",
                                             "audio_edit_name3", "audio_edit_name4"};
// Red, green, blue.
inline constexpr const char* kSliders[] = {"audio_r_slider", "audio_g_slider", "audio_b_slider"};
inline constexpr const char* kSliderValues[] = {"music_r_value", "music_g_value", "music_b_value"};
inline constexpr const char* kSwatch = "music_colour_swatch";
inline constexpr const char* kOkBtn = "okbtn";
inline constexpr const char* kCloseBtn = "closebtn";

inline constexpr NamedControl kControls[] = {
    {kStyleTabs[0], "QAbstractButton"}, {kStyleTabs[1], "QAbstractButton"},
    {kStyleTabs[2], "QAbstractButton"}, {kStyleTabs[3], "QAbstractButton"},
    {kNameEdits[0], "QLineEdit"},       {kNameEdits[1], "QLineEdit"},
    {kNameEdits[2], "QLineEdit"},       {kNameEdits[3], "QLineEdit"},
    {kSliders[0], "QSlider"},           {kSliders[1], "QSlider"},
    {kSliders[2], "QSlider"},           {kSliderValues[0], "QLabel"},
    {kSliderValues[1], "QLabel"},       {kSliderValues[2], "QLabel"},
    {kSwatch, "QFrame"},                {kOkBtn, "QAbstractButton"},
    {kCloseBtn, "QAbstractButton"},
};

}  // namespace ilmo::shell::names::music_wnd
