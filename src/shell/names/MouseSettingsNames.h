#pragma once
// Controls of the mouse page's settings area: on its DPI tab (the page "function_page_dpi"
// of the mouse layout) two option buttons over a stack of two pages, the DPI stages and the
// polling rate; on its System tab ("function_page_system") the pointer settings.

#include "shell/names/NamedControl.h"

namespace ilmo::shell::names::mouse_settings {

// The option bar and the stack it switches: "mouse_device_seting_option_" + n shows page n.
inline constexpr const char* kOptionBar = "mouse_option_layout";
inline constexpr const char* kOptionPrefix = "mouse_device_seting_option_";
inline constexpr const char* kOptionGroup = "mouse_seting_option";
inline constexpr const char* kStack = "mouse_device_seting_layout";
inline constexpr int kOptionPageCount = 2;

// One row per DPI stage, "DPI_layout_" + i holding the stage's controls (i = 0-4).
inline constexpr int kStageRows = 5;
inline constexpr const char* kStageRowPrefix = "DPI_layout_";
inline constexpr const char* kSelectPrefix = "DPI_select_check_";  // one exclusive group
inline constexpr const char* kSelectGroup = "dpi_stage";
inline constexpr const char* kEnablePrefix = "DPI_enable_check_";
inline constexpr const char* kSliderPrefix = "DPI_slider_";
inline constexpr const char* kEditPrefix = "DPI_edit_";
inline constexpr const char* kColourPrefix = "DPI_color_option_";
// Under the rows: why a change did not reach the mouse; hidden while empty.
inline constexpr const char* kNotice = "device_tishi_info";

// "polling_rate_option_" + n, n = 0-4 for 125, 250, 500, 1000 and 2000 reports a second.
inline constexpr int kPollingRates = 5;
inline constexpr const char* kPollingPrefix = "polling_rate_option_";
inline constexpr const char* kPollingGroup = "mouse_polling_rate";

// The System tab's.
inline constexpr const char* kPointerSpeedSlider = "pointer_speed_slider";
inline constexpr const char* kPointerPrecisionCheck = "pointer_precision_check";
inline constexpr const char* kScrollsPageCheck = "scrolls_page_check";
inline constexpr const char* kScrollSpeedSlider = "scroll_speed_slider";
inline constexpr const char* kDoubleClickSlider = "double_click_slider";
// The sliders' ranges, those of the desktop's own mouse settings: pointer speed 1-20, wheel
// lines 1-20 and double-click time 200-900 ms (shown from slow to fast).
inline constexpr int kPointerSpeedMin = 1;
inline constexpr int kPointerSpeedMax = 20;
inline constexpr int kScrollLinesMin = 1;
inline constexpr int kScrollLinesMax = 20;
inline constexpr int kDoubleClickMinMs = 200;
inline constexpr int kDoubleClickMaxMs = 900;

// Language key of the notice while the mouse is out of reach of its receiver.
inline constexpr const char* kOutOfReachText = "mouse_out_of_reach_text";

inline constexpr NamedControl kControls[] = {
    {kOptionBar, "QWidget"},
    {"mouse_device_seting_option_0", "QAbstractButton"},
    {"mouse_device_seting_option_1", "QAbstractButton"},
    {kStack, "QStackedWidget"},
    {"DPI_layout_0", "QWidget"},
    {"DPI_select_check_0", "QAbstractButton"},
    {"DPI_enable_check_0", "QAbstractButton"},
    {"DPI_slider_0", "QSlider"},
    {"DPI_edit_0", "QLineEdit"},
    {"DPI_color_option_0", "QAbstractButton"},
    {"DPI_layout_1", "QWidget"},
    {"DPI_select_check_1", "QAbstractButton"},
    {"DPI_enable_check_1", "QAbstractButton"},
    {"DPI_slider_1", "QSlider"},
    {"DPI_edit_1", "QLineEdit"},
    {"DPI_color_option_1", "QAbstractButton"},
    {"DPI_layout_2", "QWidget"},
    {"DPI_select_check_2", "QAbstractButton"},
    {"DPI_enable_check_2", "QAbstractButton"},
    {"DPI_slider_2", "QSlider"},
    {"DPI_edit_2", "QLineEdit"},
    {"DPI_color_option_2", "QAbstractButton"},
    {"DPI_layout_3", "QWidget"},
    {"DPI_select_check_3", "QAbstractButton"},
    {"DPI_enable_check_3", "QAbstractButton"},
    {"DPI_slider_3", "QSlider"},
    {"DPI_edit_3", "QLineEdit"},
    {"DPI_color_option_3", "QAbstractButton"},
    {"DPI_layout_4", "QWidget"},
    {"DPI_select_check_4", "QAbstractButton"},
    {"DPI_enable_check_4", "QAbstractButton"},
    {"DPI_slider_4", "QSlider"},
    {"DPI_edit_4", "QLineEdit"},
    {"DPI_color_option_4", "QAbstractButton"},
    {kNotice, "QLabel"},
    {"polling_rate_option_0", "QAbstractButton"},
    {"polling_rate_option_1", "QAbstractButton"},
    {"polling_rate_option_2", "QAbstractButton"},
    {"polling_rate_option_3", "QAbstractButton"},
    {"polling_rate_option_4", "QAbstractButton"},
    {kPointerSpeedSlider, "QSlider"},
    {kPointerPrecisionCheck, "QAbstractButton"},
    {kScrollsPageCheck, "QAbstractButton"},
    {kScrollSpeedSlider, "QSlider"},
    {kDoubleClickSlider, "QSlider"},
};

}  // namespace ilmo::shell::names::mouse_settings
