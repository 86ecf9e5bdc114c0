#pragma once
// Reads what a command-line user wants to know of one attached device: its information
// record and its power status, through the real controller base and command channel.

#include <string>

#include "device/CommandResult.h"
#include "device/DeviceInformation.h"
#include "device/HidBackend.h"
#include "device/PowerStatus.h"
#include "device/SlotTable.h"
#include "device/Trace.h"

namespace ilmo::ctl {

struct DeviceReport {
    int slot = -1;
    device::DeviceKind kind = device::DeviceKind::None;
    std::string path;
    uint16_t release_number = 0;
    bool speaks_commands = true;  // the headset has lighting reports only
    device::Result open_result = device::Result::kNoAnswer;
    bool linked = false;
    device::Result information_result = device::Result::kNoAnswer;
    device::DeviceInformation information;
    device::Result power_result = device::Result::kNoAnswer;
    device::PowerStatus power;

    bool ok() const;
};

DeviceReport read_device_report(device::HidBackend& backend, const device::SlotTable& slots,
                                int slot, const device::TraceSink& trace);

std::string format_device_report(const DeviceReport& report);

}  // namespace ilmo::ctl
