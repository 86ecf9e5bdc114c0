#pragma once
// The device link commands: "list" (every HID interface and the slot it claims), "info"
// (information record and power status) and "detect" (is a supported device connected).

#include <optional>

#include "DeviceSession.h"
#include "Output.h"

namespace ilmo::ctl {

int run_list(const DeviceSession& session, const Output& output);
// Every connected device's command interface, or only `slot`.
int run_info(DeviceSession& session, std::optional<int> slot, const Output& output);
int run_detect(const DeviceSession& session, const Output& output);

}  // namespace ilmo::ctl
