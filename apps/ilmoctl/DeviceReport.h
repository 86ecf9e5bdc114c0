#pragma once
// Reads what a command-line user wants to know of one attached device: its information
// record and its power status, through the real controller base and command channel.

#include <string>

#include "DeviceInformation.h"
#include "HidBackend.h"
#include "PowerStatus.h"
#include "SlotTable.h"
#include "Trace.h"

namespace ilmo::ctl {

struct DeviceReport {
    int slot = -1;
    device::DeviceKind kind = device::DeviceKind::None;
    std::string path;
    uint16_t release_number = 0;
    bool speaks_commands = true;  // the headset has lighting reports only
    int open_result = 0;
    bool linked = false;
    int information_result = 0;
    device::DeviceInformation information;
    int power_result = 0;
    device::PowerStatus power;

    bool ok() const;
};

DeviceReport read_device_report(device::HidBackend& backend, const device::SlotTable& slots,
                                int slot, const device::TraceSink& trace);

std::string format_device_report(const DeviceReport& report);

}  // namespace ilmo::ctl
