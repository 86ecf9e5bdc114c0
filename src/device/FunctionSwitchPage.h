#pragma once
// Which tabs of the function switch ("device_function_switch") and the key function switch
// ("device_key_function_switch") a page type selects.

#include "device/DeviceTables.h"

namespace ilmo::device {

struct FunctionSwitchTabs {
    static constexpr int kKeep = -1;
    int function_tab = 0;
    int key_tab = kKeep;  // kKeep: the key tab stays as it is
    bool operator==(const FunctionSwitchTabs&) const = default;
};

FunctionSwitchTabs function_switch_tabs(int page_type, DeviceKind kind);

}  // namespace ilmo::device
