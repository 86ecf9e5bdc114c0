#pragma once
// Controls of the keyboard page's system tab (the page "function_page_system" of the keyboard
// layout): key repeat rate and delay with a field to try them, the keyboard's three option
// flags and its polling rate.

#include "shell/names/NamedControl.h"

namespace ilmo::shell::names::keyboard_system {

inline constexpr const char* kRepeatRateSlider = "repeat_rate_slider";
inline constexpr int kRepeatRateMax = 31;  // the slowest rate is 0

// "repeat_delay_check_" + step and "polling_rate_option_" + step, steps 0-3; each family is one
// exclusive option group.
inline constexpr int kStepCount = 4;
inline constexpr const char* kRepeatDelayPrefix = "repeat_delay_check_";
inline constexpr const char* kRepeatDelayGroup = "repeat_delay";
inline constexpr const char* kPollingRatePrefix = "polling_rate_option_";
inline constexpr const char* kPollingRateGroup = "polling_rate";

// Shows the chosen delay in words: kRepeatDelayText's wording, the delay and "ms".
inline constexpr const char* kRepeatDelayLabel = "repeat_delay_time_label1";
// Where the user holds a key down to feel the repeat; its hint is kRepeatInputText.
inline constexpr const char* kRepeatInput = "repeat_input_richedit";

inline constexpr const char* kSixKeyOption = "6flag_option";
inline constexpr const char* kWKeyOption = "wflag_option";
inline constexpr const char* kWinLockOption = "winlockflag_option";

// Hidden label of the layout for skins that look wordings up through a control; the page
// itself takes them from the language texts.
inline constexpr const char* kTextTest = "text_test";

// Language keys the page composes texts from.
inline constexpr const char* kRepeatDelayText = "Repeat_Delay_Time";
inline constexpr const char* kRepeatInputText = "Repeat_input_text";

inline constexpr NamedControl kControls[] = {
    {kRepeatRateSlider, "QSlider"},
    {"repeat_delay_check_0", "QAbstractButton"},
    {"repeat_delay_check_1", "QAbstractButton"},
    {"repeat_delay_check_2", "QAbstractButton"},
    {"repeat_delay_check_3", "QAbstractButton"},
    {kRepeatDelayLabel, "QLabel"},
    {kRepeatInput, "QLineEdit"},
    {kSixKeyOption, "QAbstractButton"},
    {kWKeyOption, "QAbstractButton"},
    {kWinLockOption, "QAbstractButton"},
    {"polling_rate_option_0", "QAbstractButton"},
    {"polling_rate_option_1", "QAbstractButton"},
    {"polling_rate_option_2", "QAbstractButton"},
    {"polling_rate_option_3", "QAbstractButton"},
    {kTextTest, "QLabel"},
};

}  // namespace ilmo::shell::names::keyboard_system
