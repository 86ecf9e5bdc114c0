#pragma once
// The controller each kind of device page gets.

#include <memory>
#include <string>

#include "device/CTavrinUSBDevice.h"

namespace ilmo::shell {

// A keyboard, mouse or mouse-pad page gets its device kind's controller; the headset the
// base controller until its own exists.
std::unique_ptr<device::CTavrinUSBDevice> make_controller(device::HidBackend& backend,
                                                          int option_row,
                                                          device::DeviceFolders folders,
                                                          std::string device_folder_name,
                                                          device::TraceSink trace);

}  // namespace ilmo::shell
