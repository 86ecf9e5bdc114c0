#pragma once
// Controls of the main window layout, and the items of its tray menu.

#include "shell/names/NamedControl.h"

namespace ilmo::shell::names::main_window {

inline constexpr const char* kUiFile = "XML_MAIN";

// The skin's background (image or colour) is applied to this control.
inline constexpr const char* kRoot = "root";

inline constexpr const char* kCloseBtn = "closebtn";
inline constexpr const char* kMaxBtn = "maxbtn";
inline constexpr const char* kRestoreBtn = "restorebtn";
inline constexpr const char* kMinBtn = "minbtn";
inline constexpr const char* kSkinBtn = "skinbtn";
inline constexpr const char* kGameModeBtn = "gamemodebtn";
inline constexpr const char* kCloudBtn = "cloudbtn";
inline constexpr const char* kSmartEyesBtn = "smarteyesbtn";
inline constexpr const char* kSetBtn = "setbtn";

// Selector strip: a widget whose horizontal layout takes one selector item per device page,
// inserted before its trailing stretch.
inline constexpr const char* kDeviceSelectLayout = "device_select_layout";
inline constexpr const char* kDeviceSelectPrev = "device_select_prev";
inline constexpr const char* kDeviceSelectNext = "device_select_next";

// Index 0 of both stacks is an empty page, shown while no device is connected.
inline constexpr const char* kDeviceSwitch = "device_switch";
inline constexpr const char* kDevicePowerSwitch = "device_power_switch";

inline constexpr const char* kNoDeviceLink = "No_device_Link";
inline constexpr const char* kNoDeviceOkBtn = "nodevice_ok_btn";

inline constexpr const char* kControlLightStatus = "control_light_status";
inline constexpr const char* kSettingProgress = "setting_progress";
// Hidden label used to look up the wording of a language key.
inline constexpr const char* kTextTest = "text_test";

// The lighting panel's button that starts synchronised lighting: it sits on every device
// page, and its click is the window's to handle.
inline constexpr const char* kSyncStartBtn = "deng_same_mode";

// Language keys of the two states of "control_light_status".
inline constexpr const char* kControlLightOnText = "control_light_status_on_text";
inline constexpr const char* kControlLightOffText = "control_light_status_off_text";

// Tray menu, built in code: item name and the language key of its text.
inline constexpr const char* kTrayMenuExit = "exit";
inline constexpr const char* kTrayMenuExitText = "menu_exit_text";

inline constexpr NamedControl kControls[] = {
    {kRoot, "QWidget"},
    {kCloseBtn, "QAbstractButton"},
    {kMaxBtn, "QAbstractButton"},
    {kRestoreBtn, "QAbstractButton"},
    {kMinBtn, "QAbstractButton"},
    {kSkinBtn, "QAbstractButton"},
    {kGameModeBtn, "QAbstractButton"},
    {kCloudBtn, "QAbstractButton"},
    {kSmartEyesBtn, "QAbstractButton"},
    {kSetBtn, "QAbstractButton"},
    {kDeviceSelectLayout, "QWidget"},
    {kDeviceSelectPrev, "QAbstractButton"},
    {kDeviceSelectNext, "QAbstractButton"},
    {kDeviceSwitch, "QStackedWidget"},
    {kDevicePowerSwitch, "QStackedWidget"},
    {kNoDeviceLink, "QWidget"},
    {kNoDeviceOkBtn, "QAbstractButton"},
    {kControlLightStatus, "QAbstractButton"},
    {kSettingProgress, "QWidget"},
    {kTextTest, "QLabel"},
};

}  // namespace ilmo::shell::names::main_window
