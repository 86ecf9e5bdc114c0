#pragma once
// The narrow window a controller has onto its page. The shell implements it with widgets;
// tests and the command-line tool implement it with plain records.

#include "device/FunctionSwitchPage.h"
#include "device/PowerStatus.h"

namespace ilmo::device {

class DeviceView {
public:
    virtual ~DeviceView() = default;
    virtual void show_power(const PowerStatus& status) = 0;
    virtual void select_function_tabs(const FunctionSwitchTabs& tabs) = 0;
};

}  // namespace ilmo::device
