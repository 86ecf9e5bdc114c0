#pragma once
// What the main window builds for each row of the device option table, in the same row
// order: the selector item's layout and option group, the stack the power indicator goes
// into, the kind name of the item, the page layout with its controls, and the page's light
// group.

#include <iterator>

#include "device/DeviceTables.h"
#include "shell/names/DeviceOptionNames.h"
#include "shell/names/DevicePageNames.h"
#include "shell/names/MainWindowNames.h"

namespace ilmo::shell::names {

struct PageLayout {
    const char* option_layout;
    const char* tab_header_control;
    const char* power_switch_control;
    const char* kind_name;
    const device_page::DevicePage* page;
    const char* light_group;
};

inline constexpr const char* kLightGroup = "pelko_light";

inline constexpr PageLayout kPageLayouts[] = {
    {device_option::kUiFile, device_option::kOptionGroup, main_window::kDevicePowerSwitch,
     "mouse", &device_page::kMouse, kLightGroup},
    {device_option::kUiFile, device_option::kOptionGroup, main_window::kDevicePowerSwitch,
     "keyboard", &device_page::kKeyboard, kLightGroup},
    {device_option::kUiFile, device_option::kOptionGroup, main_window::kDevicePowerSwitch,
     "MousePad", &device_page::kMousePad, kLightGroup},
    {device_option::kUiFile, device_option::kOptionGroup, main_window::kDevicePowerSwitch,
     "HD", &device_page::kHeadset, kLightGroup},
};
static_assert(std::size(kPageLayouts) == device::kPageCount, "one layout row per option row");

}  // namespace ilmo::shell::names
